# Flags shared by every target of ours (not by third-party code such as GoogleTest); the
# warnings alone for the job-file library that the driver team installs.
add_library(qex_warnings INTERFACE)
target_compile_options(qex_warnings INTERFACE -Wall -Wextra -Werror -Wshadow)
add_library(qex_flags INTERFACE)
target_link_libraries(qex_flags INTERFACE qex_warnings)
target_compile_options(qex_flags INTERFACE
  # Exact IEEE arithmetic on both toolchains: no fused multiply-add, no x87 extended precision.
  -ffp-contract=off)
if(WIN32)
  target_compile_options(qex_flags INTERFACE -msse2 -mfpmath=sse)
  # Windows XP is the oldest system the programs run on: a newer API does not compile, and the
  # header asks for XP (5.01; its x64 edition is 5.02).
  target_compile_definitions(qex_flags INTERFACE _WIN32_WINNT=0x0501 WINVER=0x0501)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(QEX_SUBSYSTEM_MINOR 2)
  else()
    set(QEX_SUBSYSTEM_MINOR 1)
  endif()
  target_link_options(qex_flags INTERFACE -static
    LINKER:--major-subsystem-version,5,--minor-subsystem-version,${QEX_SUBSYSTEM_MINOR}
    LINKER:--major-os-version,5,--minor-os-version,${QEX_SUBSYSTEM_MINOR})
else()
  option(QEX_SANITIZE "Build native code with AddressSanitizer and UBSan" ON)
  if(QEX_SANITIZE)
    target_compile_options(qex_flags INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(qex_flags INTERFACE -fsanitize=address,undefined)
  endif()
  # libFuzzer build (clang only): every library gets coverage; the fuzz targets link the
  # fuzzer's own main (tests/fuzz).
  option(QEX_FUZZ "Build the libFuzzer targets of tests/fuzz (clang)" OFF)
  if(QEX_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang" OR NOT QEX_SANITIZE)
      message(FATAL_ERROR "QEX_FUZZ needs clang and QEX_SANITIZE")
    endif()
    target_compile_options(qex_flags INTERFACE -fsanitize=fuzzer-no-link
      -fsanitize-coverage-ignorelist=${CMAKE_SOURCE_DIR}/tests/fuzz/coverage_ignore.txt)
  endif()
endif()
