#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# A stand-in for the desktop's settings portal, on the session bus it finds:
# it tells org.freedesktop.appearance's color-scheme as VALUE (0 no
# preference, 1 dark, 2 light), runs COMMAND, and ends with its status. The
# command changes the value with the stand-in's own method
# io.github.lautari98.tests.Portal.Set(v), any type, and hears SettingChanged
# as the desktop sends it.
#   portal.py VALUE COMMAND [ARG...]
import os, subprocess, sys
from gi.repository import Gio, GLib

NODE = Gio.DBusNodeInfo.new_for_xml("""<node>
  <interface name="org.freedesktop.portal.Settings">
    <method name="Read">
      <arg type="s" name="namespace" direction="in"/><arg type="s" name="key" direction="in"/>
      <arg type="v" name="value" direction="out"/>
    </method>
    <signal name="SettingChanged">
      <arg type="s" name="namespace"/><arg type="s" name="key"/><arg type="v" name="value"/>
    </signal>
    <property name="version" type="u" access="read"/>
  </interface>
  <interface name="io.github.lautari98.tests.Portal">
    <method name="Set"><arg type="v" name="value" direction="in"/></method>
  </interface>
</node>""")
PATH, GROUP, KEY = "/org/freedesktop/portal/desktop", "org.freedesktop.appearance", "color-scheme"
value = GLib.Variant("u", int(sys.argv[1]))
loop, statuses = GLib.MainLoop(), []


def call(bus, sender, path, interface, method, args, invocation):
    global value
    if method == "Read" and args.unpack() == (GROUP, KEY):  # wrapped once more, as portals do
        invocation.return_value(GLib.Variant("(v)", (GLib.Variant("v", value),)))
    elif method == "Read":
        invocation.return_dbus_error("org.freedesktop.portal.Error.NotFound", "no such setting")
    else:
        value = args.get_child_value(0).get_variant()
        bus.emit_signal(None, PATH, "org.freedesktop.portal.Settings", "SettingChanged",
                        GLib.Variant("(ssv)", (GROUP, KEY, value)))
        invocation.return_value(None)


def owned(bus, name):
    def ended(pid, status):
        code = os.waitstatus_to_exitcode(status)
        statuses.append(code if code >= 0 else 128 - code)
        loop.quit()
    GLib.child_watch_add(GLib.PRIORITY_DEFAULT, subprocess.Popen(sys.argv[2:]).pid, ended)


bus = Gio.bus_get_sync(Gio.BusType.SESSION)
for interface in NODE.interfaces:
    bus.register_object(PATH, interface, call, lambda *_: GLib.Variant("u", 2), None)
Gio.bus_own_name_on_connection(bus, "org.freedesktop.portal.Desktop", 0, owned,
                               lambda *_: sys.exit("the portal's name is taken"))
loop.run()
sys.exit(statuses[0])
