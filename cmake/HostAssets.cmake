# A cross build cannot run the asset generator it would build, so the pictures, sounds,
# icon and help pictures come from the output folder of a native build of the same source
# (scripts/build-windows makes that build first).
set(KELVARY_HOST_BIN "" CACHE PATH "Output folder (bin/) of a native build whose assets the cross build uses")
if(NOT KELVARY_HOST_BIN OR NOT EXISTS "${KELVARY_HOST_BIN}/kelvary.ico")
  message(FATAL_ERROR "KELVARY_HOST_BIN must name the bin/ folder of a native build that made the assets "
                      "(found no kelvary.ico in '${KELVARY_HOST_BIN}'); scripts/build-windows does both steps.")
endif()

set(stamp ${CMAKE_CURRENT_BINARY_DIR}/host-assets.stamp)
file(GLOB_RECURSE host_assets CONFIGURE_DEPENDS
     ${KELVARY_HOST_BIN}/*.bmp ${KELVARY_HOST_BIN}/*.wav ${KELVARY_HOST_BIN}/kelvary.ico ${KELVARY_HOST_BIN}/help/*.png)
add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DFROM=${KELVARY_HOST_BIN} -DTO=${KELVARY_OUTPUT_DIR}
            -P ${PROJECT_SOURCE_DIR}/cmake/CopyHostAssets.cmake
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    BYPRODUCTS ${KELVARY_OUTPUT_DIR}/kelvary.ico
    DEPENDS ${host_assets} ${PROJECT_SOURCE_DIR}/cmake/CopyHostAssets.cmake
    COMMENT "Taking the pictures and sounds of the native build"
    VERBATIM)
add_custom_target(kelvary_assets ALL DEPENDS ${stamp})

if(TARGET kelvary)
  add_dependencies(kelvary kelvary_assets)
endif()
