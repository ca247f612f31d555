# A private X server for a script: sourced, then
#   start_xserver [WIDTHxHEIGHTxDEPTH]   starts Xvfb (1024x768x24 unless given) on a display
#                                        number the server picks free itself, exports DISPLAY
#                                        and sets xserver_pid; fails with a message if none starts
#   stop_xserver                         ends it (for the script's EXIT trap; safe to repeat)
# Scripts running side by side each get their own display, so none needs a range of its own.
xserver_pid=""

start_xserver() {
  local screen=${1:-1024x768x24} numberFile display=""
  numberFile=$(mktemp)
  Xvfb -displayfd 3 -noreset -screen 0 "$screen" -nolisten tcp 3>"$numberFile" >/dev/null 2>&1 &
  xserver_pid=$!
  for _ in $(seq 1 100); do
    display=$(cat "$numberFile")
    [ -n "$display" ] && break
    kill -0 "$xserver_pid" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$numberFile"
  if [ -z "$display" ]; then
    stop_xserver
    echo "${0##*/}: no virtual display could be started (Xvfb)" >&2
    return 1
  fi
  export DISPLAY=":$display"
}

stop_xserver() {
  if [ -n "$xserver_pid" ]; then
    kill "$xserver_pid" 2>/dev/null || true
    wait "$xserver_pid" 2>/dev/null || true
  fi
  xserver_pid=""
}
