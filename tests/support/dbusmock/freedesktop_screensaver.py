'''org.freedesktop.ScreenSaver: GetSessionIdleTime answers the "idletime" parameter as it is
(seconds on most servers, milliseconds on KDE Plasma).'''

BUS_NAME = 'org.freedesktop.ScreenSaver'
MAIN_OBJ = '/org/freedesktop/ScreenSaver'
MAIN_IFACE = 'org.freedesktop.ScreenSaver'
SYSTEM_BUS = False


def load(mock, parameters):
    mock.AddMethod(MAIN_IFACE, 'GetSessionIdleTime', '', 'u', 'ret = %d' % parameters.get('idletime', 0))
