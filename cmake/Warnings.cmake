# SPDX-License-Identifier: GPL-3.0-or-later
# Strict warnings and the optional sanitizers, for the project's own targets
# only: link `stackfall_options` to get them.
#
# Warnings are errors only where STACKFALL_WERROR asks for it, as the test
# script does: a player's newer compiler may warn where ours does not, and
# that must not stop the game from building.
add_library(stackfall_options INTERFACE)
if(MSVC)
  target_compile_options(stackfall_options INTERFACE /W4 /permissive- /utf-8
                                                     $<$<BOOL:${STACKFALL_WERROR}>:/WX>)
  return()
endif()
target_compile_options(stackfall_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wsuggest-override -Wnon-virtual-dtor -Wimplicit-fallthrough)

if(STACKFALL_WERROR)
  target_compile_options(stackfall_options INTERFACE -Werror)
  # GCC 12's optimiser reports string copies in the standard library that
  # cannot overlap or overflow (GCC bugs 105329 and 105651); those two checks
  # stay warnings there.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(stackfall_options INTERFACE
      -Wno-error=restrict -Wno-error=stringop-overflow)
  endif()
endif()

if(STACKFALL_SANITIZE)
  target_compile_options(stackfall_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(stackfall_options INTERFACE -fsanitize=address,undefined)
  # Index checks in the rules are asserts: keep them on in sanitizer builds.
  target_compile_options(stackfall_options INTERFACE -UNDEBUG)
endif()
