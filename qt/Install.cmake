# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` (and so the package) puts on the machine. On Windows
# and macOS that is the executable or the bundle, which carry their icon
# themselves; on other desktops it is the executable with its menu entry, its
# icons at the usual sizes, the description software centres show, its
# manual page, and the copyright and changelog every Debian package carries.
include(GNUInstallDirs)

# Debian keeps games in /usr/games, beside /usr/bin on a player's PATH.
if(UNIX AND NOT APPLE)
  set(STACKFALL_INSTALL_GAMESDIR games)
else()
  set(STACKFALL_INSTALL_GAMESDIR ${CMAKE_INSTALL_BINDIR})
endif()
install(TARGETS stackfall
        RUNTIME DESTINATION ${STACKFALL_INSTALL_GAMESDIR}
        BUNDLE DESTINATION .)

if(UNIX AND NOT APPLE)
  set(packaging ${PROJECT_SOURCE_DIR}/packaging)
  set(pictures ${PROJECT_SOURCE_DIR}/assets/pictures)
  set(hicolor ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

  install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/stackfall.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  # The 32-px icon is the window's own, icon.png; the others carry their size.
  foreach(size 16 32 48 64 128 256)
    if(size EQUAL 32)
      set(icon ${pictures}/icon.png)
    else()
      set(icon ${pictures}/icon-${size}.png)
    endif()
    install(FILES ${icon} DESTINATION ${hicolor}/${size}x${size}/apps RENAME stackfall.png)
  endforeach()
  install(FILES ${pictures}/icon.svg DESTINATION ${hicolor}/scalable/apps RENAME stackfall.svg)
  install(FILES ${packaging}/org.example.stackfall.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # The manual page and the changelog go compressed, and without the name
  # and time gzip would store, so that every build gives the same bytes.
  set(compressed)
  foreach(file stackfall.6 changelog)
    set(gz ${CMAKE_CURRENT_BINARY_DIR}/${file}.gz)
    add_custom_command(OUTPUT ${gz}
                       COMMAND gzip -9n -c ${packaging}/${file} > ${gz}
                       DEPENDS ${packaging}/${file}
                       VERBATIM)
    list(APPEND compressed ${gz})
  endforeach()
  add_custom_target(stackfall_papers ALL DEPENDS ${compressed})
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/stackfall.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  install(FILES ${packaging}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/stackfall)
endif()

include(${PROJECT_SOURCE_DIR}/packaging/Package.cmake)
