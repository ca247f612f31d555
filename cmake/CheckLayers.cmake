# Checks that the game's code keeps its floors: a file of src/ includes headers of its own
# floor and the floors below it only, no floor includes a platform layer, a platform layer
# includes the seam and itself only, and SDL and the Windows headers are included by their
# platform layer alone.  Tests sit above everything and are not checked.
#
#   cmake -DSOURCE_DIR=<src> -DFLOORS=<lowest,...,highest> -DALLOWED=<folder:header,...> -P CheckLayers.cmake
#
# ALLOWED names the upward includes the game's design asks for, each as "folder:header".
cmake_minimum_required(VERSION 3.25)

string(REPLACE "," ";" floors "${FLOORS}")
string(REPLACE "," ";" allowed "${ALLOWED}")
list(GET floors 0 seam)
string(REPLACE ";" " < " order "${floors}")

# The floor a path of src/ belongs to: "platform/<name>" for a platform layer, else its
# first folder ("" for a file outside every folder).
function(floor_of path result)
  if(path MATCHES "^${seam}/([^/]+)/")
    set(${result} "${seam}/${CMAKE_MATCH_1}" PARENT_SCOPE)
  elseif(path MATCHES "^([^/]+)/")
    set(${result} "${CMAKE_MATCH_1}" PARENT_SCOPE)
  else()
    set(${result} "" PARENT_SCOPE)
  endif()
endfunction()

file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.def)
set(faults 0)
foreach(file ${files})
  if(file MATCHES "(^|/)tests/")
    continue()
  endif()
  floor_of(${file} here)
  list(FIND floors "${here}" hereRank)
  set(inLayer FALSE)
  if(here MATCHES "^${seam}/")
    set(inLayer TRUE)
  endif()

  file(STRINGS ${SOURCE_DIR}/${file} lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line ${lines})
    set(problem "")
    if(line MATCHES "<((SDL[^>]*)|windows\\.h|ddraw\\.h|dsound\\.h|mmsystem\\.h|shellapi\\.h|winver\\.h)>")
      if(NOT inLayer)
        set(problem "includes <${CMAKE_MATCH_1}>, which only a platform layer may")
      endif()
    elseif(line MATCHES "\"([^\"]+)\"")
      set(header ${CMAKE_MATCH_1})
      if(NOT header MATCHES "/" OR NOT EXISTS ${SOURCE_DIR}/${header})
        continue()  # a neighbour in the same folder, or not part of src/
      endif()
      floor_of(${header} there)
      list(FIND floors "${there}" thereRank)
      if(there STREQUAL here OR "${here}:${header}" IN_LIST allowed)
        continue()
      elseif(there MATCHES "^${seam}/")
        set(problem "includes ${header} of the ${there} layer, which the game reaches through the seam only")
      elseif(inLayer)
        if(NOT there STREQUAL seam)
          set(problem "includes ${header}, but a platform layer stands on the seam alone")
        endif()
      elseif(hereRank LESS 0 OR thereRank LESS 0)
        set(problem "includes ${header}, but '${here}' or '${there}' is no floor (${order})")
      elseif(thereRank GREATER hereRank)
        set(problem "includes ${header} of '${there}', a floor above '${here}' (${order})")
      endif()
    endif()
    if(problem)
      message("src/${file}: ${problem}")
      math(EXPR faults "${faults} + 1")
    endif()
  endforeach()
endforeach()

if(faults GREATER 0)
  message(FATAL_ERROR "${faults} include(s) against the floors")
endif()
list(LENGTH files count)
message("Every include of ${count} files keeps to the floors ${order}")
