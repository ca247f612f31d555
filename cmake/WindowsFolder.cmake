# The zip-ready Windows folder: the program with its pictures, sounds and compiled help,
# and nothing else (no test programs), in <build>/Kelvary.
if(NOT TARGET kelvary_help_chm)
  message(FATAL_ERROR "The Windows folder needs the compiled help: install chmcmd (Debian package fp-utils).")
endif()
set(KELVARY_WINDOWS_FOLDER ${CMAKE_BINARY_DIR}/Kelvary)
add_custom_target(kelvary_windows_folder ALL
    COMMAND ${CMAKE_COMMAND} -DFROM=${KELVARY_OUTPUT_DIR} -DTO=${KELVARY_WINDOWS_FOLDER}
            -DPROGRAM=$<TARGET_FILE:kelvary> "-DHELP=harrowdine kelvary help.chm"
            -P ${CMAKE_CURRENT_LIST_DIR}/MakeWindowsFolder.cmake
    COMMENT "Putting the Windows folder together"
    VERBATIM)
add_dependencies(kelvary_windows_folder kelvary kelvary_assets kelvary_help_chm)

# What scripts/package makes the installer and the zip from: the installer's script and the
# players' README, both carrying the project's version.
set(KELVARY_INSTALLER_ICON ${KELVARY_OUTPUT_DIR}/kelvary.ico)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/kelvary.nsi.in ${CMAKE_BINARY_DIR}/kelvary.nsi @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/README.txt.in ${CMAKE_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)
