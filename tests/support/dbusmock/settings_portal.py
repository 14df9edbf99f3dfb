'''The desktop portal's Settings interface: Read answers from the "settings" parameter, a map
of "namespace key" to a value (unsigned for the appearance keys, booleans and doubles as the
desktop stores them); other keys are not found. A change is the SettingChanged signal, emitted
through the mock's EmitSignal.'''

import dbus

BUS_NAME = 'org.freedesktop.portal.Desktop'
MAIN_OBJ = '/org/freedesktop/portal/desktop'
MAIN_IFACE = 'org.freedesktop.portal.Settings'
SYSTEM_BUS = False


def typed(value):
    if isinstance(value, bool):
        return dbus.Boolean(value)
    if isinstance(value, float):
        return dbus.Double(value)
    if isinstance(value, int):
        return dbus.UInt32(value)
    return dbus.String(value)


def load(mock, parameters):
    mock.settings = {k: typed(v) for k, v in parameters.get('settings', {}).items()}
    mock.AddMethod(MAIN_IFACE, 'Read', 'ss', 'v',
                   'key = args[0] + " " + args[1]\n'
                   'if key not in self.settings:\n'
                   '    raise dbus.exceptions.DBusException("not found", '
                   'name="org.freedesktop.portal.Error.NotFound")\n'
                   'ret = self.settings[key]')
