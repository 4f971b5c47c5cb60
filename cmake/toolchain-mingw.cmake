# What both MinGW-w64 cross toolchains share; each toolchain file sets QEX_MINGW_PREFIX and
# the processor first.
set(CMAKE_SYSTEM_NAME Windows)
# The compilers' thread model: posix for the test programs (GoogleTest needs std::mutex),
# win32 for the programs that ship, whose runtime then imports only what Windows XP has (the
# posix one imports GetTickCount64).
if(NOT QEX_MINGW_THREADS)
  set(QEX_MINGW_THREADS posix)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QEX_MINGW_THREADS)
set(CMAKE_C_COMPILER ${QEX_MINGW_PREFIX}-gcc-${QEX_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${QEX_MINGW_PREFIX}-g++-${QEX_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${QEX_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QEX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
