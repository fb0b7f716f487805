# SPDX-License-Identifier: GPL-3.0-or-later
# The game's executable as each desktop expects it, from the same sources:
# an application bundle with its icon on macOS. Elsewhere the executable
# stays as it is, and the menu entry and icons come from the install rules
# (qt/Install.cmake). Windows has a program of its own (win32/).
if(APPLE)
  set(icns ${PROJECT_SOURCE_DIR}/assets/pictures/stackfall.icns)
  target_sources(stackfall PRIVATE ${icns})
  set_source_files_properties(${icns} PROPERTIES MACOSX_PACKAGE_LOCATION Resources)
  set_target_properties(stackfall PROPERTIES
    MACOSX_BUNDLE ON
    MACOSX_BUNDLE_INFO_PLIST ${CMAKE_CURRENT_LIST_DIR}/Info.plist.in
    OUTPUT_NAME Stackfall
    MACOSX_BUNDLE_BUNDLE_NAME Stackfall
    MACOSX_BUNDLE_GUI_IDENTIFIER org.example.stackfall
    MACOSX_BUNDLE_ICON_FILE stackfall.icns
    MACOSX_BUNDLE_BUNDLE_VERSION ${PROJECT_VERSION}
    MACOSX_BUNDLE_SHORT_VERSION_STRING ${PROJECT_VERSION}
    MACOSX_BUNDLE_INFO_STRING "Stackfall ${PROJECT_VERSION}")
endif()
