#!/usr/bin/python3
"""A stand-in for a Wayland desktop's idle-time service on the session bus.

Answers org.gnome.Mutter.IdleMonitor.GetIdletime on /org/gnome/Mutter/IdleMonitor/Core
(GNOME), or with --screensaver org.freedesktop.ScreenSaver.GetSessionIdleTime on
/org/freedesktop/ScreenSaver (KDE Plasma), with what the control file says at the moment
of each call:
  t N / u N / x N   the number N as D-Bus type t (uint64), u (uint32) or x (int64)
  s TEXT            a string instead of a number
  error             a D-Bus error
  sleep SECONDS     no answer for that long, then 0
A missing or empty control file answers "t 0". Prints "ready" when its name is owned.
Run it on a private bus (dbus-run-session); it ends on SIGTERM.
"""
import argparse
import signal
import sys
import time

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

MUTTER = ("org.gnome.Mutter.IdleMonitor", "/org/gnome/Mutter/IdleMonitor/Core", "org.gnome.Mutter.IdleMonitor")
SCREENSAVER = ("org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver")


def answer(control):
    try:
        with open(control) as f:
            text = f.read().strip()
    except OSError:
        text = ""
    kind, _, value = text.partition(" ")
    if kind in ("", "t"):
        return dbus.UInt64(int(value or 0))
    if kind == "u":
        return dbus.UInt32(int(value))
    if kind == "x":
        return dbus.Int64(int(value))
    if kind == "s":
        return dbus.String(value)
    if kind == "error":
        raise dbus.exceptions.DBusException("stand-in failure", name="org.example.Trovel.Error.Failed")
    if kind == "sleep":
        time.sleep(float(value))
        return dbus.UInt64(0)
    raise dbus.exceptions.DBusException("unknown control " + text, name="org.example.Trovel.Error.Control")


class IdleMonitor(dbus.service.Object):
    def __init__(self, bus, control):
        super().__init__(bus, MUTTER[1])
        self.control = control

    # No out_signature: the reply's type is the one the control file names.
    @dbus.service.method(MUTTER[2], in_signature="")
    def GetIdletime(self):
        return answer(self.control)


class ScreenSaver(dbus.service.Object):
    def __init__(self, bus, control):
        super().__init__(bus, SCREENSAVER[1])
        self.control = control

    @dbus.service.method(SCREENSAVER[2], in_signature="")
    def GetSessionIdleTime(self):
        return answer(self.control)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--screensaver", action="store_true")
    parser.add_argument("--control", required=True)
    args = parser.parse_args()

    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    kind = ScreenSaver if args.screensaver else IdleMonitor
    service = SCREENSAVER[0] if args.screensaver else MUTTER[0]
    obj = kind(bus, args.control)
    name = dbus.service.BusName(service, bus, do_not_queue=True)
    loop = GLib.MainLoop()
    signal.signal(signal.SIGTERM, lambda *_: loop.quit())
    print("ready", flush=True)
    loop.run()
    del obj, name
    return 0


if __name__ == "__main__":
    sys.exit(main())
