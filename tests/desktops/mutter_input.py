# SPDX-License-Identifier: GPL-3.0-or-later
"""Clicks or types on a headless mutter as a player's devices would, through
its remote-desktop interface on the session bus. mutter takes absolute
pointer positions only within a screen-cast stream of the monitor, so each
call records the primary monitor for its length (PipeWire must be running).
Usage: mutter_input.py click X Y | mutter_input.py key KEYSYM..."""
import sys

import dbus
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

LEFT_BUTTON = 0x110  # BTN_LEFT in the kernel's numbering
KEYSYMS = {"Left": 0xFF51, "Up": 0xFF52, "Right": 0xFF53, "Down": 0xFF54,
           "F3": 0xFFC0, "Escape": 0xFF1B, "Return": 0xFF0D, "Shift_L": 0xFFE1}


def main(args):
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    desktop = bus.get_object("org.gnome.Mutter.RemoteDesktop", "/org/gnome/Mutter/RemoteDesktop")
    session_path = desktop.CreateSession(dbus_interface="org.gnome.Mutter.RemoteDesktop")
    session = dbus.Interface(bus.get_object("org.gnome.Mutter.RemoteDesktop", session_path),
                             "org.gnome.Mutter.RemoteDesktop.Session")
    session_id = session.Get("org.gnome.Mutter.RemoteDesktop.Session", "SessionId",
                             dbus_interface="org.freedesktop.DBus.Properties")
    cast = bus.get_object("org.gnome.Mutter.ScreenCast", "/org/gnome/Mutter/ScreenCast")
    cast_path = cast.CreateSession({"remote-desktop-session-id": session_id},
                                   dbus_interface="org.gnome.Mutter.ScreenCast")
    cast_session = bus.get_object("org.gnome.Mutter.ScreenCast", cast_path)
    stream_path = cast_session.RecordMonitor("", {},
                                             dbus_interface="org.gnome.Mutter.ScreenCast.Session")
    stream = bus.get_object("org.gnome.Mutter.ScreenCast", stream_path)

    # The stream takes positions once PipeWire has it.
    loop = GLib.MainLoop()
    stream.connect_to_signal("PipeWireStreamAdded", lambda node: loop.quit(),
                             dbus_interface="org.gnome.Mutter.ScreenCast.Stream")
    GLib.timeout_add_seconds(10, lambda: sys.exit("mutter_input: no PipeWire stream"))
    session.Start()
    loop.run()

    def settle(ms=50):
        pause = GLib.MainLoop()
        GLib.timeout_add(ms, pause.quit)
        pause.run()

    if args[0] == "click":
        session.NotifyPointerMotionAbsolute(stream_path, float(args[1]), float(args[2]))
        settle()
        session.NotifyPointerButton(LEFT_BUTTON, True)
        settle()
        session.NotifyPointerButton(LEFT_BUTTON, False)
    else:
        # XWayland loses the first press of the session's new keyboard (the
        # release still arrives): a Shift goes first.
        for name in ["Shift_L"] + args[1:]:
            session.NotifyKeyboardKeysym(KEYSYMS[name], True)
            settle()
            session.NotifyKeyboardKeysym(KEYSYMS[name], False)
    settle()
    session.Stop()


if __name__ == "__main__":
    if len(sys.argv) < 3 or sys.argv[1] not in ("click", "key"):
        sys.exit(__doc__)
    main(sys.argv[1:])
