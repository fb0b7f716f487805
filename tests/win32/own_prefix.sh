# SPDX-License-Identifier: GPL-3.0-or-later
# A wine prefix and server of a window test's own: sourced, not run, after
# tests/support/real_game.sh. `own_prefix` makes $work/prefix a copy of the
# shared prefix's registry ($WINEPREFIX, which scripts/test.sh makes) with
# the shared C: drive, so that no new prefix is made, and the test's
# settings (its screen's scale) and its wine server, on its own display,
# touch no other test. The server is ended with the session.
own_prefix() {
  local shared=$WINEPREFIX
  [[ -d $shared ]] || fail "WINEPREFIX names no wine prefix"
  export WINEPREFIX=$work/prefix WINEDEBUG=-all
  mkdir -p "$WINEPREFIX/dosdevices"
  cp "$shared"/*.reg "$shared/.update-timestamp" "$WINEPREFIX/"
  ln -s "$shared/drive_c" "$WINEPREFIX/dosdevices/c:"
  ln -s / "$WINEPREFIX/dosdevices/z:"
  trap end_wine_session EXIT
}

end_wine_session() {
  local status=$?
  set +e # end_session must run, and it reads the status
  wineserver -k 2>/dev/null
  (exit "$status")
  end_session
}
