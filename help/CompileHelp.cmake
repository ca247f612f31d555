# Compiles the help pages into one .chm file with chmcmd, in a work folder of its own.
# chmcmd can report failure yet leave a partial file behind: the result counts only when
# its exit code is 0 and the file exists, and a failed output is always removed.
# PAGES_DIR holds the pages made at configure time (the title page with its version).
#   cmake -DCHMCMD=... -DSOURCE_DIR=... -DPAGES_DIR=... -DPICTURE_DIR=... -DWORK_DIR=... -DOUTPUT=... -P CompileHelp.cmake
foreach(var CHMCMD SOURCE_DIR PAGES_DIR PICTURE_DIR WORK_DIR OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "CompileHelp.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE "${OUTPUT}")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
file(GLOB pages "${SOURCE_DIR}/*.html" "${SOURCE_DIR}/*.css" "${SOURCE_DIR}/*.hhp" "${SOURCE_DIR}/*.hhc"
     "${PAGES_DIR}/*.html")
file(GLOB pictures "${PICTURE_DIR}/*.png")
file(COPY ${pages} ${pictures} DESTINATION "${WORK_DIR}")

# The project names the compiled file; everything it lists must be present.
file(STRINGS "${SOURCE_DIR}/kelvary.hhp" project)
set(in_files OFF)
set(compiled "")
foreach(line IN LISTS project)
  if(line MATCHES "^Compiled file=(.*)$")
    set(compiled "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^\\[FILES\\]")
    set(in_files ON)
  elseif(line MATCHES "^\\[")
    set(in_files OFF)
  elseif(in_files AND NOT line STREQUAL "" AND NOT EXISTS "${WORK_DIR}/${line}")
    message(FATAL_ERROR "The help lists ${line}, which is missing")
  endif()
endforeach()
if(compiled STREQUAL "")
  message(FATAL_ERROR "kelvary.hhp names no compiled file")
endif()

execute_process(COMMAND "${CHMCMD}" kelvary.hhp
                WORKING_DIRECTORY "${WORK_DIR}"
                RESULT_VARIABLE result
                OUTPUT_VARIABLE log
                ERROR_VARIABLE log)
if(NOT result EQUAL 0 OR NOT EXISTS "${WORK_DIR}/${compiled}")
  file(REMOVE "${WORK_DIR}/${compiled}" "${OUTPUT}")
  message(FATAL_ERROR "chmcmd failed (${result}):\n${log}")
endif()
file(RENAME "${WORK_DIR}/${compiled}" "${OUTPUT}")
