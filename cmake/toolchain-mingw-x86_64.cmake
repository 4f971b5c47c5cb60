# Cross build of the Windows programs as 64-bit programs. The release is the 32-bit build;
# this one exists for test machines whose kernel cannot run 32-bit code, where only the
# 64-bit Wine runs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QEX_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QEX_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QEX_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${QEX_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QEX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
