# Cross build for 64-bit Windows with Debian's MinGW-w64 (the posix thread
# model, which std::thread and friends need). Qt is not available for it, so
# this builds only the parts without Qt; see the preset "mingw".
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Programs that carry their own C++ runtime, so Wine (or a bare Windows)
# needs no MinGW DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# CTest runs the test programs under Wine.
find_program(TALLYFOLD_WINE NAMES wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${TALLYFOLD_WINE})
