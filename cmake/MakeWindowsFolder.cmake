# cmake -DFROM=<bin> -DTO=<folder> -DPROGRAM=<kelvary.exe> -DHELP=<chm name> -P MakeWindowsFolder.cmake
if(NOT HELP OR NOT EXISTS "${FROM}/${HELP}" OR NOT EXISTS "${PROGRAM}")
  message(FATAL_ERROR "The Windows folder needs the program and the compiled help '${HELP}' in ${FROM}")
endif()
file(REMOVE_RECURSE ${TO})
file(MAKE_DIRECTORY ${TO})
file(GLOB assets ${FROM}/*.bmp ${FROM}/*.wav)
list(FILTER assets EXCLUDE REGEX "/icon\\.bmp$")  # the program carries its icon as a resource
file(COPY ${PROGRAM} ${assets} "${FROM}/${HELP}" DESTINATION ${TO})
