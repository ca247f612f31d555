# The SDL layer in the browser: SDL2, SDL2_ttf, SDL2_mixer, SDL2_image and FreeType built for
# WebAssembly into one prefix (scripts/build-web-deps), fontconfig's part taken by the bundled
# face, settings kept in the browser's storage.
set(KELVARY_WEB_PREFIX "" CACHE PATH "Prefix holding the browser's SDL libraries (scripts/build-web-deps prints it)")
if(NOT EXISTS "${KELVARY_WEB_PREFIX}/lib/libSDL2.a")
  message(FATAL_ERROR "KELVARY_WEB_PREFIX must name the prefix scripts/build-web-deps built "
                      "(found no lib/libSDL2.a in '${KELVARY_WEB_PREFIX}'); scripts/build-web does both steps.")
endif()

list(REMOVE_ITEM KELVARY_SDL_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/SdlFontMatch.cpp)
file(GLOB KELVARY_WEB_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
list(APPEND KELVARY_SDL_SOURCES ${KELVARY_WEB_SOURCES})

# The layer and its tools name these libraries as the desktop's pkg-config target.
add_library(PkgConfig::KELVARY_SDL INTERFACE IMPORTED)
target_include_directories(PkgConfig::KELVARY_SDL INTERFACE ${KELVARY_WEB_PREFIX}/include/SDL2
                                                            ${KELVARY_WEB_PREFIX}/include)
foreach(library SDL2_ttf SDL2_mixer SDL2_image freetype SDL2)
  target_link_libraries(PkgConfig::KELVARY_SDL INTERFACE ${KELVARY_WEB_PREFIX}/lib/lib${library}.a)
endforeach()

set(KELVARY_WEB_FONT "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"
    CACHE FILEPATH "The face bundled for \"Arial\" (Liberation Sans, from fonts-liberation)")

# A program of this build: the game's pictures, sounds and face packed into its data file,
# memory that grows as needed, and the blocking frame loop kept by letting the program pause
# for the browser (Asyncify) wherever it waits.
function(kelvary_platform_program target)
  file(GLOB assets CONFIGURE_DEPENDS ${KELVARY_HOST_BIN}/*.bmp ${KELVARY_HOST_BIN}/*.wav)
  set(options -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=33554432 -sENVIRONMENT=web -sASYNCIFY
              -sASYNCIFY_STACK_SIZE=65536 -sEXIT_RUNTIME=1 -sFORCE_FILESYSTEM=1
              "-sEXPORTED_RUNTIME_METHODS=[\"FS\"]"
              # SDL's own script calls these; nothing else would pull them in.
              -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${CMAKE_CURRENT_FUNCTION_LIST_DIR}/sdl-library-functions.json
              "SHELL:--preload-file ${KELVARY_WEB_FONT}@/fonts/LiberationSans-Regular.ttf")
  foreach(asset ${assets})
    get_filename_component(name ${asset} NAME)
    list(APPEND options "SHELL:--preload-file ${asset}@/${name}")
  endforeach()
  target_link_options(${target} PRIVATE ${options})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${assets} ${KELVARY_WEB_FONT})
endfunction()
