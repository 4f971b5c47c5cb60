# Cross build of the Windows programs as 64-bit programs. The release is the 32-bit build;
# this one exists for test machines whose kernel cannot run 32-bit code, where only the
# 64-bit Wine runs.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QEX_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
