# Cross-builds the core and babyname-cli for 64-bit Windows with Debian's mingw-w64 compiler and
# runs their tests under wine (scripts/test-windows.sh sets it all up). The posix-thread flavour
# of the compiler is the one with std::thread.
#
# SQLite and GoogleTest for Windows live in their own prefix: pass it as BABYNAME_WINDOWS_DEPS.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(BABYNAME_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${BABYNAME_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BABYNAME_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${BABYNAME_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${BABYNAME_MINGW})
if(BABYNAME_WINDOWS_DEPS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${BABYNAME_WINDOWS_DEPS})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe each: no compiler run-time DLLs to carry beside the programs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Tests run the programs through wine, in a wine folder of the build's own so nobody's home is
# touched; no debug chatter, and no offer to install wine's .NET and browser parts.
find_program(BABYNAME_WINE NAMES wine64 wine PATHS /usr/lib/wine /usr/lib64/wine)
if(BABYNAME_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      /usr/bin/env WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix WINEDEBUG=-all
      "WINEDLLOVERRIDES=mscoree,mshtml=" ${BABYNAME_WINE})
endif()
