# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads), for
# Qt itself (scripts/build-qt-mingw) and for the game against that Qt (the
# preset "mingw-qt", which finds it through TALLYFOLD_QT_MINGW_PREFIX).
# Programs carry the C and C++ runtimes and winpthreads inside them, so they
# run under Wine or on Windows with nothing beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Read from the environment as well: CMake's test compilations see this file
# again but not the cache.
if(NOT TALLYFOLD_QT_MINGW_PREFIX AND DEFINED ENV{TALLYFOLD_QT_MINGW_PREFIX})
    set(TALLYFOLD_QT_MINGW_PREFIX $ENV{TALLYFOLD_QT_MINGW_PREFIX})
endif()
# Qt's package files name its libraries by absolute paths inside its prefix,
# which must count as part of the target system.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${TALLYFOLD_QT_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
