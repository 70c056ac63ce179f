#!/usr/bin/python3
"""Another program in front of the user, for tests: maps one window on $DISPLAY and asks
the window manager to make it the active window.

  (default)    full screen: _NET_WM_STATE_FULLSCREEN, set before mapping and asked for
               again by the client message after, as players and slide shows do
  --cover      no full-screen state, but undecorated and as large as the screen
  --desktop    a desktop window (_NET_WM_WINDOW_TYPE_DESKTOP), full screen as well, so
               that only its type tells it from a program in front
  --windowed   an ordinary 300x200 window
  --false-claim small|unmapped|tiny
               a window that says it is full screen and is not: a 300x200 window whose
               _NET_WM_STATE names full screen (set on the property, the window manager
               not asked); or a full-size window never mapped; or a mapped 1x1
               override-redirect window. The root's _NET_ACTIVE_WINDOW is set to it
               directly, as a confused window manager or program might

Prints the window id (decimal) once it is mapped, then runs until SIGTERM.
"""
import argparse
import os
import signal
import sys

from Xlib import X, Xatom, display
from Xlib.protocol import event


def client_message(d, window, type_name, data):
    root = d.screen().root
    ev = event.ClientMessage(window=window, client_type=d.intern_atom(type_name), data=(32, data))
    root.send_event(ev, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)


def main():
    parser = argparse.ArgumentParser()
    mode = parser.add_mutually_exclusive_group()
    mode.add_argument("--cover", action="store_true")
    mode.add_argument("--desktop", action="store_true")
    mode.add_argument("--windowed", action="store_true")
    mode.add_argument("--false-claim", choices=["small", "unmapped", "tiny"])
    args = parser.parse_args()
    if args.false_claim:
        return false_claim(args.false_claim)

    d = display.Display()
    screen = d.screen()
    full = not (args.windowed or args.cover)
    width, height = (300, 200) if args.windowed else (screen.width_in_pixels, screen.height_in_pixels)
    w = screen.root.create_window(0, 0, width, height, 0, screen.root_depth, X.InputOutput, X.CopyFromParent,
                                  background_pixel=screen.black_pixel,
                                  event_mask=X.StructureNotifyMask | X.ExposureMask)
    w.set_wm_name("stand-in full-screen program")
    w.set_wm_class("standin", "StandIn")
    w.change_property(d.intern_atom("_NET_WM_PID"), Xatom.CARDINAL, 32, [os.getpid()])
    if full:
        w.change_property(d.intern_atom("_NET_WM_STATE"), Xatom.ATOM, 32, [d.intern_atom("_NET_WM_STATE_FULLSCREEN")])
    if args.cover:
        # Motif hints: flags = decorations, decorations = none.
        hints = d.intern_atom("_MOTIF_WM_HINTS")
        w.change_property(hints, hints, 32, [2, 0, 0, 0, 0])
        w.set_wm_normal_hints(flags=1 | 2, min_width=width, min_height=height)  # USPosition | USSize
    if args.desktop:
        w.change_property(d.intern_atom("_NET_WM_WINDOW_TYPE"), Xatom.ATOM, 32,
                          [d.intern_atom("_NET_WM_WINDOW_TYPE_DESKTOP")])
    w.map()
    d.sync()
    while d.next_event().type != X.MapNotify:
        pass
    if full:
        # _NET_WM_STATE_ADD, the full-screen atom, no second property, source: application.
        client_message(d, w, "_NET_WM_STATE", [1, d.intern_atom("_NET_WM_STATE_FULLSCREEN"), 0, 1, 0])
    if args.cover:
        w.configure(x=0, y=0, width=width, height=height)
    # Activation as a pager asks for it (source 2), which window managers always grant.
    client_message(d, w, "_NET_ACTIVE_WINDOW", [2, X.CurrentTime, 0, 0, 0])
    w.set_input_focus(X.RevertToParent, X.CurrentTime)
    d.sync()
    print(w.id, flush=True)

    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    while True:
        d.next_event()


def false_claim(kind):
    d = display.Display()
    screen = d.screen()
    size = {"small": (300, 200), "unmapped": (screen.width_in_pixels, screen.height_in_pixels), "tiny": (1, 1)}[kind]
    w = screen.root.create_window(0, 0, size[0], size[1], 0, screen.root_depth, X.InputOutput, X.CopyFromParent,
                                  background_pixel=screen.black_pixel, override_redirect=kind == "tiny",
                                  event_mask=X.StructureNotifyMask)
    w.set_wm_name("stand-in false full-screen claim")
    w.change_property(d.intern_atom("_NET_WM_PID"), Xatom.CARDINAL, 32, [os.getpid()])
    if kind != "unmapped":
        w.map()
        d.sync()
        while d.next_event().type != X.MapNotify:
            pass
    w.change_property(d.intern_atom("_NET_WM_STATE"), Xatom.ATOM, 32, [d.intern_atom("_NET_WM_STATE_FULLSCREEN")])
    screen.root.change_property(d.intern_atom("_NET_ACTIVE_WINDOW"), Xatom.WINDOW, 32, [w.id])
    d.sync()
    print(w.id, flush=True)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    while True:
        d.next_event()


if __name__ == "__main__":
    sys.exit(main())
