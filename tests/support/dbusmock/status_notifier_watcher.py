'''A tray's watcher (org.kde.StatusNotifierWatcher) with a host registered: what KDE's panel,
GNOME's AppIndicator extension or waybar's tray offer. Items register through
RegisterStatusNotifierItem, which GetCalls shows.'''

import dbus

BUS_NAME = 'org.kde.StatusNotifierWatcher'
MAIN_OBJ = '/StatusNotifierWatcher'
MAIN_IFACE = 'org.kde.StatusNotifierWatcher'
SYSTEM_BUS = False


def load(mock, parameters):
    mock.AddProperties(MAIN_IFACE, {
        'IsStatusNotifierHostRegistered': True,
        'ProtocolVersion': dbus.Int32(0),
        'RegisteredStatusNotifierItems': dbus.Array([], signature='s'),
    })
    mock.AddMethods(MAIN_IFACE, [
        ('RegisterStatusNotifierItem', 's', '',
         'self.EmitSignal("org.kde.StatusNotifierWatcher", "StatusNotifierItemRegistered", "s", [args[0]])'),
        ('RegisterStatusNotifierHost', 's', '', ''),
    ])
