# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds the Windows program on Debian with mingw-w64 (the posix
# variant, which has std::thread and std::mutex), and runs what it builds,
# the tests included, under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One small executable that needs no DLL of the compiler's: the C++ runtime,
# libgcc and winpthread are linked in, optimised for size, and the linker
# drops every function and datum that nothing uses.
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_C_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG" CACHE STRING "Flags of the Release build")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--gc-sections")

find_program(STACKFALL_WINE NAMES wine wine64)
if(STACKFALL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${STACKFALL_WINE})
endif()
