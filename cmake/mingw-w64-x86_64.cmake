# Cross-building for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix):
# the posix flavour, whose C++ library has std::thread and std::random_device as the code
# expects. Programs and host tools are looked for on the build machine, libraries and headers
# only in the MinGW-w64 tree.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZAN_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZAN_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZAN_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZAN_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZAN_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# -O2 rather than -O3 for Release: at -O3, g++ 12 warns falsely (-Wrestrict) inside
# std::string, which the warnings-as-errors build would stop on. Set in the cache before the
# compiler's defaults are, which would otherwise append -O3.
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags of a Release build")
