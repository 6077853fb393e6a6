# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzz targets (tests/fuzz). With QUORVANE_FUZZ on and clang as the compiler, every target of
# the project gets libFuzzer's coverage hooks and the address and undefined-behaviour
# sanitizers, and each fuzz target links libFuzzer's driver. Otherwise the same targets are
# plain programs that replay their seed corpus (that is how the test suite runs them).
option(QUORVANE_FUZZ "Build tests/fuzz with libFuzzer and the sanitizers (clang only)" OFF)
set(QUORVANE_FUZZ_LIBFUZZER OFF)
if(QUORVANE_FUZZ)
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    set(QUORVANE_FUZZ_LIBFUZZER ON)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined
      -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
  else()
    message(WARNING "QUORVANE_FUZZ pede o clang: os alvos de fuzz só reproduzem o corpus.")
  endif()
endif()
