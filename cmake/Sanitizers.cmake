# AddressSanitizer and UndefinedBehaviorSanitizer for every target of the
# build, and libFuzzer's coverage for the fuzzing build (clang only). Any
# undefined behaviour stops the program, as a memory error does, so no finding
# is lost in a log.
if(TIRAVEL_SANITIZERS OR TIRAVEL_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "the sanitizer and fuzzing builds need clang (CMAKE_CXX_COMPILER=clang++)")
  endif()
  set(_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${_sanitizers})
  add_link_options(${_sanitizers})
endif()
if(TIRAVEL_FUZZ)
  # Coverage for the fuzzer everywhere; only the targets link libFuzzer's main.
  add_compile_options(-fsanitize=fuzzer-no-link)
  add_link_options(-fsanitize=fuzzer-no-link)
endif()
