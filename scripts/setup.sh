#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages Stackfall needs, in one of three sets:
#   play     what building and playing need: compiler, CMake, Qt 6 and SDL2
#            development packages, the font the window uses (scripts/run.sh)
#   package  play, and what cpack needs to make the Debian package
#   windows  what cross-building the Windows program needs
#            (scripts/build-windows.sh)
#   test     package and windows, and the tools every test, benchmark and
#            generator calls (scripts/test.sh)
# Usage: scripts/setup.sh [play|package|windows|test]   (test when none is named)
# Idempotent: when every package of the set is present it installs nothing and
# returns at once. As root it runs apt-get itself; otherwise through sudo, and
# without sudo it prints the command to run as root and fails.
set -euo pipefail

play=(
  g++ make cmake pkg-config
  qt6-base-dev libsdl2-dev
  # Wayland: Qt's platform plugin, and the client library the game asks the
  # compositor with whether it draws the title bars.
  qt6-wayland libwayland-dev
  # Keeping the picture windows out of the window lists: X11's hints through
  # xcb; KWin's plasma-shell protocol, on Qt's Wayland connection, which
  # Qt 6.4 hands out only through a private header.
  libxcb1-dev plasma-wayland-protocols qt6-base-private-dev
  # The window's captions are drawn in DejaVu Sans on a machine with no
  # other fonts.
  fonts-dejavu-core
)

# cpack reads the executable's type with file and the libraries it needs
# with dpkg-shlibdeps.
package=("${play[@]}" file dpkg-dev)

# The cross compiler's posix flavour, which has std::thread; zip for the
# archive that goes to players.
windows=(cmake make g++-mingw-w64-x86-64-posix zip)

test=(
  "${package[@]}"
  "${windows[@]}"
  # the Windows program's tests: GoogleTest's sources to build it for
  # Windows, and wine with its own fonts to run them
  googletest wine wine64 fonts-wine
  # unit tests and benchmarks; Xlib for the window-closing helper
  libgtest-dev libgmock-dev libbenchmark-dev libx11-dev
  # fuzzing (libFuzzer ships with clang), leak checks, formatting
  clang libclang-rt-dev valgrind clang-format
  # the real game on a virtual display: driving it, its pictures, xev; a
  # window manager on it
  xvfb xdotool imagemagick x11-utils openbox
  # the real game on a headless Wayland compositor, its screenshots
  sway grim
  # the real game on headless GNOME and Plasma compositors, with XWayland,
  # private buses, PipeWire (which mutter's remote input needs) and KWin's
  # own title bars; mutter's remote input is driven from Python
  mutter kwin-wayland kwin-style-breeze xwayland dbus-daemon dbus-session-bus-common pipewire
  python3-dbus python3-gi
  # checking the Debian package
  desktop-file-utils appstream lintian
  # the sound and seed generators
  sox python3
)

set_name=${1:-test}
case $set_name in
play) packages=("${play[@]}") ;;
package) packages=("${package[@]}") ;;
windows) packages=("${windows[@]}") ;;
test) packages=("${test[@]}") ;;
*)
  echo "usage: ${0##*/} [play|package|windows|test]" >&2
  exit 2
  ;;
esac

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  echo "setup: the $set_name set is already installed"
  exit 0
fi

install=(apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=600 "${missing[@]}")
# sudo would drop an exported variable: hand it over with env.
as_root=(env DEBIAN_FRONTEND=noninteractive)
if [[ $(id -u) -ne 0 ]]; then
  if ! command -v sudo >/dev/null; then
    echo "setup: ${#missing[@]} packages of the $set_name set are missing, and installing them needs root." >&2
    echo "setup: there is no sudo here; as root (su -), run:" >&2
    echo "  apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
  as_root=(sudo "${as_root[@]}")
fi

echo "setup: installing the $set_name set: ${missing[*]}"
echo "setup: apt adds what these depend on; a fresh machine takes a few minutes"
"${as_root[@]}" apt-get update -o DPkg::Lock::Timeout=600
"${as_root[@]}" "${install[@]}"
echo "setup: the $set_name set is installed"
