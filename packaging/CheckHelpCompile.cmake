# Checks the help compile step: a chmcmd that fails after writing part of its file must
# leave no help file behind, and the real chmcmd (when given) must make a complete one.
#   cmake -DSCRIPT=CompileHelp.cmake -DSOURCE_DIR=... -DPAGES_DIR=... -DPICTURE_DIR=... -DWORK_DIR=... [-DCHMCMD=...] -P CheckHelpCompile.cmake
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(fake "${WORK_DIR}/failing-chmcmd")
file(WRITE "${fake}" "#!/bin/sh\necho partial > 'harrowdine kelvary help.chm'\nexit 3\n")
file(CHMOD "${fake}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(output "${WORK_DIR}/out.chm")
file(WRITE "${output}" "an older help file")

execute_process(COMMAND ${CMAKE_COMMAND} -DCHMCMD=${fake} -DSOURCE_DIR=${SOURCE_DIR} -DPAGES_DIR=${PAGES_DIR} -DPICTURE_DIR=${PICTURE_DIR}
                        -DWORK_DIR=${WORK_DIR}/fake -DOUTPUT=${output} -P ${SCRIPT}
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
if(result EQUAL 0)
  message(FATAL_ERROR "a failing chmcmd was reported as success")
endif()
if(EXISTS "${output}" OR EXISTS "${WORK_DIR}/fake/harrowdine kelvary help.chm")
  message(FATAL_ERROR "a failed compile left a help file behind")
endif()

if(CHMCMD)
  execute_process(COMMAND ${CMAKE_COMMAND} -DCHMCMD=${CHMCMD} -DSOURCE_DIR=${SOURCE_DIR} -DPAGES_DIR=${PAGES_DIR} -DPICTURE_DIR=${PICTURE_DIR}
                          -DWORK_DIR=${WORK_DIR}/real -DOUTPUT=${output} -P ${SCRIPT}
                  RESULT_VARIABLE result ERROR_VARIABLE log)
  if(NOT result EQUAL 0 OR NOT EXISTS "${output}")
    message(FATAL_ERROR "the help did not compile:\n${log}")
  endif()
  file(READ "${output}" magic LIMIT 4 HEX)
  if(NOT magic STREQUAL "49545346")  # "ITSF"
    message(FATAL_ERROR "the help file is not a compiled help file")
  endif()
endif()
