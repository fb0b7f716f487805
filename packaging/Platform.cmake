# SPDX-License-Identifier: GPL-3.0-or-later
# The game's executable as each desktop expects it, from the same sources:
# a GUI program with the icon built in on Windows, an application bundle with
# its icon on macOS. Elsewhere the executable stays as it is, and the menu
# entry and icons come from the install rules (qt/Install.cmake).
if(WIN32)
  # The first icon in the resources is the one the shell shows for the file.
  set(STACKFALL_ICO ${PROJECT_SOURCE_DIR}/assets/pictures/stackfall.ico)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/stackfall.rc.in
                 ${CMAKE_CURRENT_BINARY_DIR}/stackfall.rc @ONLY)
  target_sources(stackfall PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/stackfall.rc)
  set_target_properties(stackfall PROPERTIES WIN32_EXECUTABLE ON)
elseif(APPLE)
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
