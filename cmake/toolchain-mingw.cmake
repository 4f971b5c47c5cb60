# What both MinGW-w64 cross toolchains share; each toolchain file sets QEX_MINGW_PREFIX and
# the processor first.
set(CMAKE_SYSTEM_NAME Windows)
# The -posix compilers: GoogleTest needs std::mutex.
set(CMAKE_C_COMPILER ${QEX_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QEX_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${QEX_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QEX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
