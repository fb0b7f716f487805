# SPDX-License-Identifier: GPL-3.0-or-later
# What `cpack` makes from the install rules: a Debian package of the game,
# named stackfall_<version>_<arch>.deb. Its dependencies are the shared
# libraries the executable and its modules link (Qt, SDL2, the Wayland client
# and what they need), worked out by dpkg-shlibdeps, so apt pulls them in on a machine that has none of them.
#
# The homepage and the contact address are placeholders until the project
# has a home of its own.
set(STACKFALL_HOMEPAGE "https://stackfall.example.org/")

set(CPACK_PACKAGE_NAME stackfall)
set(CPACK_PACKAGE_VENDOR "Stackfall")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Stackfall developers <stackfall@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL ${STACKFALL_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "falling-block puzzle game")
# One line of the package's long description each, as dpkg shows them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Pieces of square blocks fall down a field of 13 columns by 23 rows. Move"
  "them sideways, turn them and push them down; a full row is removed and"
  "scores. Nine kinds of piece, three speeds, a clock and a pause key.")
# Only the build's own output goes into the package, without symbols.
set(CPACK_STRIP_FILES ON)

if(UNIX AND NOT APPLE)
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION games)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # Qt loads the Wayland platform at run time, so no library names it:
  # without it a Wayland desktop would show the game through X11. The game
  # uses one private Qt header (qt/PlasmaShell.cpp), which holds for its own
  # Qt version only; Debian's Qt names that version as qt6-base-abi.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "qt6-wayland, qt6-base-abi (= ${STACKFALL_QT_PRIVATE_VERSION})")
endif()

include(CPack)
