# SPDX-License-Identifier: GPL-3.0-or-later
"""Clicks and types on a headless mutter as a player's devices would, through
its remote-desktop interface on the session bus, for the length of a test.
mutter takes absolute pointer positions only within a screen-cast stream of
the monitor, so the session records the primary monitor (PipeWire must be
running). One session serves every command: its devices appear once, and
XWayland has taken them up before the first command acts.
Usage: mutter_input.py COMMANDS REPLIES, two FIFOs; each line read from
COMMANDS, "click X Y" or "key KEYSYM...", is answered "done" on REPLIES once
it has been sent."""
import sys

import dbus
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

LEFT_BUTTON = 0x110  # BTN_LEFT in the kernel's numbering
KEYSYMS = {"Left": 0xFF51, "Up": 0xFF52, "Right": 0xFF53, "Down": 0xFF54,
           "F3": 0xFFC0, "Escape": 0xFF1B, "Return": 0xFF0D, "Shift_L": 0xFFE1,
           "n": 0x006E}


def settle(ms=50):
    pause = GLib.MainLoop()
    GLib.timeout_add(ms, pause.quit)
    pause.run()


def start_session():
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
    timeout = GLib.timeout_add_seconds(10, lambda: sys.exit("mutter_input: no PipeWire stream"))
    session.Start()
    loop.run()
    GLib.source_remove(timeout)
    return session, stream_path


def main(commands, replies):
    DBusGMainLoop(set_as_default=True)
    session, stream = start_session()
    # The new pointer and keyboard reach XWayland a moment after the session
    # starts, and what they send before is lost: with a session a command,
    # the first key press was lost every time, and now and then a click.
    session.NotifyPointerMotionAbsolute(stream, 0.0, 0.0)
    session.NotifyKeyboardKeysym(KEYSYMS["Shift_L"], True)
    session.NotifyKeyboardKeysym(KEYSYMS["Shift_L"], False)
    settle(500)
    with open(commands) as requests, open(replies, "w") as answers:
        for line in requests:
            words = line.split()
            if words[0] == "click":
                session.NotifyPointerMotionAbsolute(stream, float(words[1]), float(words[2]))
                settle()
                session.NotifyPointerButton(LEFT_BUTTON, True)
                settle()
                session.NotifyPointerButton(LEFT_BUTTON, False)
            else:
                for name in words[1:]:
                    session.NotifyKeyboardKeysym(KEYSYMS[name], True)
                    settle()
                    session.NotifyKeyboardKeysym(KEYSYMS[name], False)
            settle()
            answers.write("done\n")
            answers.flush()
    session.Stop()


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
