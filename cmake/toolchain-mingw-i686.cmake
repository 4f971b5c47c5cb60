# Cross build of the 32-bit Windows programs with MinGW-w64: the release.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QEX_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
