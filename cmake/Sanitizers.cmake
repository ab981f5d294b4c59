# RT_SANITIZE builds everything with AddressSanitizer and UndefinedBehavior-
# Sanitizer; any report ends the process with an error, so a test that
# triggers one fails. RT_FUZZ (clang) builds only the fuzz targets, with the
# same sanitizers.
option(RT_SANITIZE "Build with AddressSanitizer and UBSan; any report fails" OFF)
option(RT_FUZZ "Build only the libFuzzer targets in fuzz/ (needs clang)" OFF)

if(RT_SANITIZE OR RT_FUZZ)
  set(rt_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all
                    -fno-omit-frame-pointer)
  add_compile_options(${rt_sanitizers})
  add_link_options(${rt_sanitizers})
endif()
