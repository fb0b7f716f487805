# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the tests that start the real game as a player's GNOME or Plasma
# session starts it: sourced, not run. On top of tests/wayland's session
# (the player, the game, its end), it starts what such a session has: a
# private session bus, a second private bus as the system bus (the desktops'
# compositors expect one), and, started by the caller, the compositor with
# its XWayland. The game then sees WAYLAND_DISPLAY, DISPLAY,
# XDG_SESSION_TYPE=wayland and XDG_CURRENT_DESKTOP, and no QT_QPA_PLATFORM.

source "$(dirname "${BASH_SOURCE[0]}")/../wayland/wayland_session.sh"

# XWayland runs as the player and puts its socket in /tmp/.X11-unix, which
# a real system makes at boot: a fresh /tmp gets it here.
prepare_x11_sockets() {
  if [[ ! -d /tmp/.X11-unix ]] && (($(id -u) == 0)); then
    mkdir -m 1777 /tmp/.X11-unix
  fi
}

# Starts a bus as the player and adds its address to the player's
# environment as $1 (DBUS_SESSION_BUS_ADDRESS or DBUS_SYSTEM_BUS_ADDRESS).
start_bus() {
  local variable=$1 file=$work/$1 _
  "${player[@]}" dbus-daemon --session --nofork --print-address=3 3>"$file" >/dev/null 2>&1 &
  session_pids+=($!)
  for _ in $(seq 100); do
    [[ -s $file ]] && break
    sleep 0.05
  done
  [[ -s $file ]] || fail "dbus-daemon did not start"
  player=("${player[@]}" "$variable=$(head -n1 "$file")")
}

start_buses() {
  start_bus DBUS_SESSION_BUS_ADDRESS
  start_bus DBUS_SYSTEM_BUS_ADDRESS
}

# Waits up to $2 seconds for the file $1 to exist.
wait_file() {
  local _
  for _ in $(seq $(($2 * 20))); do
    [[ -e $1 ]] && return 0
    sleep 0.05
  done
  return 1
}

# Which window system the game's process loaded Qt's platform for: "xcb"
# (X11, here through XWayland) or "wayland".
game_platform() {
  grep -oE 'libq(xcb|wayland-[a-z]+)\.so' "/proc/$game_pid/maps" | head -n1 |
    sed -E 's/libq(xcb|wayland).*/\1/'
}
