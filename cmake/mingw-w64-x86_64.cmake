# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads, which std::thread and
# Qt need). Used both to build Qt for Windows and to build Tecladas against it (scripts/windows.sh).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TECLADAS_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TECLADAS_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TECLADAS_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TECLADAS_MINGW}-windres)

# Libraries, headers and packages come only from the MinGW sysroot and the prefixes handed in
# (Qt and GoogleTest built for Windows); programs run during the build are the host's.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TECLADAS_MINGW} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
