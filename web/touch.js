// The page's touch and typing parts: no touch on the game scrolls, zooms, selects text or
// opens a menu; the first touch starts the sound as a first click does; and while the game
// asks for a name, a text input of the page's own (focused, so a phone shows its keyboard)
// types into the game, Backspace and Enter included.
"use strict";

(function () {
  const canvas = document.getElementById("canvas");

  // The game's own calls, once its program has loaded.
  function callGame(name, value) {
    const call = window.Module && window.Module["_" + name];
    if (typeof call === "function")
      call(value);
  }

  function keepTouchesForTheGame() {
    for (const element of [document.documentElement, document.body, canvas]) {
      element.style.touchAction = "none";
      element.style.userSelect = "none";
      element.style.webkitUserSelect = "none";
      element.style.webkitTouchCallout = "none";
      element.style.overscrollBehavior = "none";
    }
    // SDL reads the touches from the canvas itself; the page's defaults (scroll, zoom, the
    // clicks made of taps, the long press's menu) are all that is stopped.
    const keep = (event) => { if (event.cancelable) event.preventDefault(); };
    for (const type of ["touchstart", "touchmove", "touchend", "touchcancel"])
      canvas.addEventListener(type, keep, { passive: false });
    for (const type of ["gesturestart", "gesturechange", "dblclick", "selectstart"])
      document.addEventListener(type, keep, { passive: false });
    document.addEventListener("touchmove", keep, { passive: false });
  }

  // The browser lets sound start only in answer to the player; a lifted finger is such an
  // answer, and with the taps' clicks stopped nothing else would start it.
  function startSoundOnTouch() {
    canvas.addEventListener("touchend", () => {
      const audio = window.Module && window.Module.SDL2 && window.Module.SDL2.audioContext;
      if (audio && audio.state === "suspended")
        audio.resume();
    });
  }

  // Keys of the text input that edit rather than type, as SDL's key codes.
  const editingKeys = { Backspace: 8, Enter: 13, Escape: 27, Delete: 127,
                        ArrowRight: 0x4000004F, ArrowLeft: 0x40000050 };

  function typeNamesThroughThePage() {
    const input = document.createElement("input");
    input.type = "text";
    input.id = "kelvary-text-entry";
    input.autocomplete = "off";
    input.spellcheck = false;
    input.setAttribute("autocapitalize", "words");
    input.setAttribute("aria-label", "Your name");
    // Out of sight, but a real, focusable field; 16 px keeps a phone from zooming to it.
    Object.assign(input.style, { position: "fixed", left: "0", top: "0", width: "1px", height: "1px",
                                 opacity: "0", border: "0", padding: "0", fontSize: "16px" });
    document.body.appendChild(input);

    let wanted = false;
    let typed = [];  // the field's text as the game has been told it, by code points

    // What changed since the last input event becomes Backspaces for what went and
    // characters for what came (a phone's keyboard may replace a whole word at once).
    input.addEventListener("input", () => {
      const now = Array.from(input.value);
      let same = 0;
      while (same < typed.length && same < now.length && typed[same] === now[same])
        ++same;
      for (let i = same; i < typed.length; ++i)
        callGame("kelvaryTextKey", editingKeys.Backspace);
      for (const c of now.slice(same))
        callGame("kelvaryTextTyped", c.codePointAt(0));
      typed = now;
    });
    // The input's keys are its own: the game hears them from here only, never twice.
    input.addEventListener("keydown", (event) => {
      event.stopPropagation();
      const code = editingKeys[event.key];
      if (code === undefined || (event.key === "Backspace" && input.value !== ""))
        return;
      event.preventDefault();
      callGame("kelvaryTextKey", code);
    });
    for (const type of ["keypress", "keyup"])
      input.addEventListener(type, (event) => event.stopPropagation());

    const focus = () => { if (wanted && document.activeElement !== input) input.focus({ preventScroll: true }); };
    // A phone opens its keyboard only for a focus in answer to the player: a tap anywhere on
    // the game does it while a name is wanted.
    canvas.addEventListener("touchend", focus);
    canvas.addEventListener("mousedown", () => setTimeout(focus, 0));

    window.kelvaryTextEntry = (shown) => {
      wanted = shown;
      input.value = "";
      typed = [];
      if (shown) {
        focus();
      } else {
        input.blur();
        canvas.focus();
      }
    };
  }

  // Until the page sizes it the canvas takes no room: a phone would otherwise lay the page
  // out 800 pixels wide, zoomed out, and place its touches off the game's pixels.
  canvas.style.width = canvas.style.height = "0px";
  keepTouchesForTheGame();
  startSoundOnTouch();
  typeNamesThroughThePage();
})();
