# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the scripts that drive the real game on a headless Wayland
# compositor (sway here; GNOME's and Plasma's in tests/desktops): sourced,
# not run. The caller sets `work` (a scratch directory), `game` (the
# executable, with its sound module beside it) and `click` (the wayland_click
# helper), then calls start_compositor and start_game.
#
# sway will not run as root, nor will the desktops' compositors: as root, the
# compositor, the game and the tools run as the unprivileged user nobody,
# from copies in $work.

source "$(dirname "${BASH_SOURCE[0]}")/../support/scratch.sh"

compositor_pid=
game_pid=
player=()
# What else the session started: buses, PipeWire.
session_pids=()

stop_session() {
  local pid _
  for pid in $game_pid $compositor_pid "${session_pids[@]}"; do
    kill "$pid" 2>/dev/null
  done
  # mutter, asked to end while its buses end too, was once seen to run on,
  # busy, after the test: what has not ended within 5 s is killed.
  for pid in $game_pid $compositor_pid "${session_pids[@]}"; do
    for _ in $(seq 50); do
      grep -qE '^State:\s+[^Z]' "/proc/$pid/status" 2>/dev/null || break
      sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null
  done
  return 0
}

# The player's runtime directory $work/runtime, copies of the game and of
# the programs named in $work/player, and `player`, the command that runs
# a program as the player, with none of the caller's displays.
prepare_player() {
  local runtime=$work/runtime
  mkdir -p "$work/player" "$runtime"
  chmod 755 "$work"
  cp "$game" "$(dirname "$game")"/*.so "$@" "$work/player/"
  chmod -R a+rX "$work/player"
  chmod 700 "$runtime"
  player=(env -u DISPLAY -u WAYLAND_DISPLAY -u SWAYSOCK -u XAUTHORITY -u QT_QPA_PLATFORM
    -u DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR="$runtime" HOME="$runtime")
  if (($(id -u) == 0)); then
    chown -R 65534:65534 "$runtime"
    player=(setpriv --reuid=65534 --regid=65534 --clear-groups "${player[@]}")
  fi
}

# A 1024 x 768 screen with no input devices; the clicks come from a
# virtual pointer. The game finds the compositor through WAYLAND_DISPLAY, as
# in a Wayland session, with no X display to fall back on.
start_compositor() {
  local runtime=$work/runtime
  prepare_player "$click"
  player=("${player[@]}" WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1)
  cat >"$work/sway.conf" <<'CONF'
output HEADLESS-1 resolution 1024x768 position 0 0
xwayland disable
CONF
  "${player[@]}" sway --config "$work/sway.conf" >"$work/sway.log" 2>&1 &
  compositor_pid=$!
  local _ socket=
  for _ in $(seq 200); do
    socket=$(cd "$runtime" 2>/dev/null && ls wayland-[0-9] 2>/dev/null | head -n1)
    [[ -n $socket && -n $(ls "$runtime"/sway-ipc.*.sock 2>/dev/null) ]] && break
    sleep 0.05
  done
  [[ -n $socket ]] || fail "sway did not start: $(tail -n3 "$work/sway.log")"
  player=("${player[@]}" WAYLAND_DISPLAY="$socket" SWAYSOCK="$(ls "$runtime"/sway-ipc.*.sock)")
}

# Runs a command as the player, in the session.
as_player() {
  "${player[@]}" "$@"
}

# Starts the game with its output in $work/game.out and $work/game.err;
# its arguments (variables, or a command such as env -u) go before it.
start_game() {
  # Not through as_player: a function would run in a subshell of its own,
  # and $! would be that shell, not the game.
  "${player[@]}" SDL_AUDIODRIVER=dummy "$@" "$work/player/${game##*/}" >"$work/game.out" \
    2>"$work/game.err" &
  game_pid=$!
}

resident_kb() {
  awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"
}

# The game's resident memory (kB) 2.5 s after it starts on X11 (a display of
# its own), to set beside its memory in the Wayland session; fails when it
# cannot start there or writes anything. In a subshell, so that the
# display's variables stay out of the Wayland session.
resident_on_x11() {
  mkdir -m 700 "$work/x11"
  (
    source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb_session.sh"
    trap stop_display EXIT
    start_display "$work/x11"
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM SDL_AUDIODRIVER=dummy "$game" >/dev/null \
      2>"$work/x11.err" &
    local pid=$!
    sleep 2.5
    resident_kb "$pid"
    kill "$pid"
  ) || return 1
  [[ ! -s $work/x11.err ]] || fail "under X11 the game wrote: $(head -n5 "$work/x11.err")"
}

# Sets the game's resident memory 2 s after its window appeared beside its
# memory under X11, and fails when it is more by over 3 MiB, unless
# $memory_check is --no-memory-check. $1 names the session.
compare_memory() {
  local session=$1 kb x11_kb
  sleep 2
  kb=$(resident_kb "$game_pid")
  x11_kb=$(resident_on_x11) || fail "the game could not be started under X11"
  echo "${0##*/}: resident memory 2 s after start: $session $kb kB, X11 $x11_kb kB"
  if [[ ${memory_check:-} != --no-memory-check ]] && ((kb > x11_kb + 3072)); then
    fail "on $session the game takes $((kb - x11_kb)) kB more than under X11"
  fi
}

running() {
  [[ -n $game_pid ]] && grep -qE '^State:\s+[RSD]' "/proc/$game_pid/status" 2>/dev/null
}

# The windows from the bottom of the stack to the top (see views.py): title,
# x, y, width, height, then what the compositor says of them. A desktop's
# session gives its own.
views() {
  as_player swaymsg -t get_tree | python3 "$(dirname "${BASH_SOURCE[0]}")/views.py"
}

# Prints "x y width height" of the window titled exactly $1, waiting up to
# $2 seconds (default 10) for it to be placed.
wait_view() {
  local title=$1 seconds=${2:-10} _ line
  for _ in $(seq $((seconds * 10))); do
    line=$(views | awk -F'\t' -v t="$title" '$1 == t && $4 > 0 { print $2, $3, $4, $5; exit }')
    [[ -n $line ]] && echo "$line" && return 0
    sleep 0.1
  done
  return 1
}

# How many windows are titled exactly $1.
count_views() {
  views | awk -F'\t' -v t="$1" '$1 == t { n++ } END { print n + 0 }'
}

# The title of the topmost window.
top_view() {
  views | tail -n1 | cut -f1
}

# Whether the window titled $1 has the focus, or is marked urgent.
view_is() {
  views | awk -F'\t' -v t="$1" -v s="$2" '$1 == t && ($6 == s || $7 == s) { found = 1 } END { exit !found }'
}

# Clicks at $1,$2 on the screen.
click_screen() {
  as_player "$work/player/${click##*/}" "$1" "$2" 1024 768 || fail "could not click at $1,$2"
}

# Clicks in the window whose "x y width height" is $1 at $2,$3 of it.
click_in() {
  local x y _
  read -r x y _ <<<"$1"
  click_screen $((x + $2)) $((y + $3))
}
