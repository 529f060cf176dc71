# Warnings and sanitizers shared by every target of the project.
function(solvo_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
                         -Wconversion -Wno-sign-conversion)
  # GCC 12 at -O3 reports impossible overlaps inside std::string's copies
  # (GCC bug 105329), which would stop the release build.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(SOLVO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(SOLVO_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined
                           -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# In the fuzz build the library is instrumented too, so coverage reaches it.
if(SOLVO_BUILD_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
