# What `cmake --install` (and so the package) puts on the machine. On Windows
# and macOS that is the executable or the bundle, which carry their icon
# themselves; on other desktops it is the executable with its menu entry, its
# icons at the usual sizes and the description software centres show.
include(GNUInstallDirs)

install(TARGETS stackfall
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        BUNDLE DESTINATION .)

if(UNIX AND NOT APPLE)
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
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/org.example.stackfall.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

include(${PROJECT_SOURCE_DIR}/packaging/Package.cmake)
