#!/usr/bin/python3
# A stand-in org.kde.StatusNotifierWatcher for the end-to-end tests: it plays a panel that
# hosts status-notifier items (KDE Plasma, GNOME with AppIndicator, XFCE, ...), so Qt puts
# the tray icon on the session bus instead of an XEmbed tray. Each registered item's
# service name is appended to the file named by the first argument. With --host-later
# SECONDS it plays a watcher that starts before its panel: no host at first, and the host
# registers (StatusNotifierHostRegistered) that many seconds later.
#
# Qt reads IsStatusNotifierHostRegistered through an interface built from the watcher's
# introspection data, and python-dbus lists no properties there, so Introspect adds them.
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

WATCHER = "org.kde.StatusNotifierWatcher"
PROPERTIES = {
    "IsStatusNotifierHostRegistered": ("b", True),
    "ProtocolVersion": ("i", 0),
}


class Watcher(dbus.service.Object):
    def __init__(self, bus, items_file):
        super().__init__(bus, "/StatusNotifierWatcher")
        self.items_file = items_file
        self.items = []

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        # Some programs send an object path instead of a service name: then the item
        # lives on the sender's own connection.
        name = sender if service.startswith("/") else service
        self.items.append(name)
        with open(self.items_file, "a") as f:
            f.write(name + "\n")
        self.StatusNotifierItemRegistered(name)

    @dbus.service.method(WATCHER, in_signature="s")
    def RegisterStatusNotifierHost(self, service):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemRegistered(self, service):
        pass

    def host_registers(self):
        PROPERTIES["IsStatusNotifierHostRegistered"] = ("b", True)
        self.StatusNotifierHostRegistered()
        return False

    @dbus.service.signal(WATCHER, signature="")
    def StatusNotifierHostRegistered(self):
        pass

    def _value(self, name):
        if name == "RegisteredStatusNotifierItems":
            return dbus.Array(self.items, signature="s")
        signature, value = PROPERTIES[name]
        return dbus.Boolean(value) if signature == "b" else dbus.Int32(value)

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return self._value(name)

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        names = list(PROPERTIES) + ["RegisteredStatusNotifierItems"]
        return dbus.Dictionary({n: self._value(n) for n in names}, signature="sv")

    @dbus.service.method(dbus.INTROSPECTABLE_IFACE, in_signature="", out_signature="s",
                         path_keyword="object_path", connection_keyword="connection")
    def Introspect(self, object_path, connection):
        xml = super().Introspect(object_path, connection)
        props = "".join('    <property name="%s" type="%s" access="read"/>\n' % (n, t)
                        for n, (t, _) in PROPERTIES.items())
        props += '    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>\n'
        anchor = '  <interface name="%s">\n' % WATCHER
        return xml.replace(anchor, anchor + props, 1)


def main():
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    watcher = Watcher(bus, sys.argv[1])
    if len(sys.argv) > 3 and sys.argv[2] == "--host-later":
        PROPERTIES["IsStatusNotifierHostRegistered"] = ("b", False)
        GLib.timeout_add(int(float(sys.argv[3]) * 1000), watcher.host_registers)
    name = dbus.service.BusName(WATCHER, bus, do_not_queue=True)
    GLib.MainLoop().run()
    del watcher, name


if __name__ == "__main__":
    main()
