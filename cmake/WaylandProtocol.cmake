# SPDX-License-Identifier: GPL-3.0-or-later
# wayland_protocol(TARGET XML NAME): the client code of the Wayland protocol
# described in XML, generated at build time by wayland-scanner. TARGET is an
# object library of the protocol's tables (C, as the scanner writes them);
# whatever links it can include "NAME-client.h".
find_package(PkgConfig REQUIRED)
pkg_check_modules(WaylandClient REQUIRED IMPORTED_TARGET wayland-client)
pkg_get_variable(wayland_scanner wayland-scanner wayland_scanner)
if(NOT wayland_scanner)
  find_program(wayland_scanner wayland-scanner REQUIRED)
endif()
enable_language(C)

function(wayland_protocol target xml name)
  if(NOT EXISTS ${xml})
    message(FATAL_ERROR "${xml} is missing")
  endif()
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/generated)
  add_custom_command(
    OUTPUT ${generated}/${name}-client.h ${generated}/${name}.c
    COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}
    COMMAND ${wayland_scanner} client-header ${xml} ${generated}/${name}-client.h
    COMMAND ${wayland_scanner} private-code ${xml} ${generated}/${name}.c
    DEPENDS ${xml})
  add_library(${target} OBJECT ${generated}/${name}.c ${generated}/${name}-client.h)
  target_include_directories(${target} INTERFACE ${generated})
  target_link_libraries(${target} PUBLIC PkgConfig::WaylandClient)
endfunction()
