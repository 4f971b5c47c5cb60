# Flags shared by every target of ours (not by third-party code such as GoogleTest).
add_library(qex_flags INTERFACE)
target_compile_options(qex_flags INTERFACE
  -Wall -Wextra -Werror -Wshadow
  # Exact IEEE arithmetic on both toolchains: no fused multiply-add, no x87 extended precision.
  -ffp-contract=off)
if(WIN32)
  target_compile_options(qex_flags INTERFACE -msse2 -mfpmath=sse)
  target_link_options(qex_flags INTERFACE -static)
else()
  option(QEX_SANITIZE "Build native code with AddressSanitizer and UBSan" ON)
  if(QEX_SANITIZE)
    target_compile_options(qex_flags INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(qex_flags INTERFACE -fsanitize=address,undefined)
  endif()
endif()
