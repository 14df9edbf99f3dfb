'''A notification server with KDE's Inhibited property (Do Not Disturb), set by the
"inhibited" parameter.'''

import dbus

BUS_NAME = 'org.freedesktop.Notifications'
MAIN_OBJ = '/org/freedesktop/Notifications'
MAIN_IFACE = 'org.freedesktop.Notifications'
SYSTEM_BUS = False


def load(mock, parameters):
    mock.AddProperties(MAIN_IFACE, dbus.Dictionary(
        {'Inhibited': dbus.Boolean(parameters.get('inhibited', False))}, signature='sv'))
    mock.AddMethod(MAIN_IFACE, 'GetCapabilities', '', 'as', 'ret = ["body"]')
