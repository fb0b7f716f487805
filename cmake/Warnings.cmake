# Strict warnings and the optional sanitizers, for the project's own targets
# only: link `stackfall_options` to get them.
add_library(stackfall_options INTERFACE)
target_compile_options(stackfall_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wsuggest-override -Wnon-virtual-dtor -Wimplicit-fallthrough -Werror)

if(STACKFALL_SANITIZE)
  target_compile_options(stackfall_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(stackfall_options INTERFACE -fsanitize=address,undefined)
  # Index checks in the rules are asserts: keep them on in sanitizer builds.
  target_compile_options(stackfall_options INTERFACE -UNDEBUG)
endif()
