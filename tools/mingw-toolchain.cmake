# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the posix flavour, for std::thread
# and std::mutex), against the libraries that tools/windows-toolchain.sh builds.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)

# Read from the environment, since try_compile projects re-read this file without our cache.
if(DEFINED ENV{TALVORA_WINDOWS_CACHE})
    set(talvora_windows "$ENV{TALVORA_WINDOWS_CACHE}/mingw")
else()
    set(talvora_windows /var/cache/talvora-windows/mingw)
endif()

set(CMAKE_FIND_ROOT_PATH /usr/${mingw} ${talvora_windows}/qt ${talvora_windows}/icu ${talvora_windows}/crypto ${talvora_windows}/gtest ${talvora_windows}/cli11 ${talvora_windows}/hunspell)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# ICU is static: its headers must not expect DLL imports.
string(APPEND CMAKE_C_FLAGS_INIT " -DU_STATIC_IMPLEMENTATION")
string(APPEND CMAKE_CXX_FLAGS_INIT " -DU_STATIC_IMPLEMENTATION")

# Qt's -static-runtime stops at Qt's own libraries: without -static every program still needs
# libgcc_s, libstdc++ and libwinpthread beside it.
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -static")

# Programs built here (tests, generators) run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
