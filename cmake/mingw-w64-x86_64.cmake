# Cross-building the Windows program on Debian with g++-mingw-w64-x86-64:
#   cmake -S . -B build-win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# (scripts/build-windows does this, with the pictures and sounds of a native build.)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KELVARY_MINGW_TRIPLE x86_64-w64-mingw32)
# The POSIX-threads variant: its standard library has std::mutex, which GoogleTest needs;
# -static below keeps its thread library inside the program.
set(CMAKE_C_COMPILER ${KELVARY_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KELVARY_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KELVARY_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KELVARY_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The folder must run on a clean Windows: no MinGW runtime DLL may be needed beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# The game's own build picks the Windows layer.
set(KELVARY_PLATFORM win32 CACHE STRING "Platform layer the game is built on (sdl or win32)")

# Test programs run under Wine; the script starts a private Wine prefix and, if there is no
# display, a virtual one.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
