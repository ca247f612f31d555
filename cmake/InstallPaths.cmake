# Where an installed game finds its data: the data folder relative to the installed program's
# folder.  Either folder may be given relative to the prefix or absolute (the Debian package
# puts the program in /usr/games), so both are taken in their absolute forms first.
#   kelvary_data_from_program(RESULT PREFIX BINDIR DATADIR)
function(kelvary_data_from_program result prefix bindir datadir)
  foreach(folder bindir datadir)
    cmake_path(ABSOLUTE_PATH ${folder} BASE_DIRECTORY "${prefix}" NORMALIZE OUTPUT_VARIABLE ${folder})
  endforeach()
  file(RELATIVE_PATH relative "${bindir}" "${datadir}")
  set(${result} "${relative}" PARENT_SCOPE)
endfunction()

# Run as a script (cmake -P), the check of its forms: relative, absolute, mixed, and with
# "..", each as the installed tree would resolve it.
if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  set(failures 0)
  foreach(case "/usr|games|share/games/kelvary|../share/games/kelvary"
               "/usr|/usr/games|share/games/kelvary|../share/games/kelvary"
               "/usr|bin|/usr/share/games/kelvary|../share/games/kelvary"
               "/opt/kelvary|/usr/games|share/games/kelvary|../../opt/kelvary/share/games/kelvary"
               "/home/player/.local|bin|share/games/kelvary|../share/games/kelvary"
               "/usr|lib/../games|share/games/kelvary|../share/games/kelvary")
    string(REPLACE "|" ";" fields "${case}")
    list(GET fields 0 prefix)
    list(GET fields 1 bindir)
    list(GET fields 2 datadir)
    list(GET fields 3 expected)
    kelvary_data_from_program(actual "${prefix}" "${bindir}" "${datadir}")
    if(NOT actual STREQUAL expected)
      message(SEND_ERROR "prefix ${prefix}, bin ${bindir}, data ${datadir}: ${actual}, not ${expected}")
      math(EXPR failures "${failures} + 1")
    endif()
  endforeach()
  if(failures EQUAL 0)
    message(STATUS "the data folder is found from the program's folder in every form")
  endif()
endif()
