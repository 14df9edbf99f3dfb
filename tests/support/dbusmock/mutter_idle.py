'''The desktop's idle monitor: GetIdletime answers the "idletime" parameter (milliseconds).'''

BUS_NAME = 'org.gnome.Mutter.IdleMonitor'
MAIN_OBJ = '/org/gnome/Mutter/IdleMonitor/Core'
MAIN_IFACE = 'org.gnome.Mutter.IdleMonitor'
SYSTEM_BUS = False


def load(mock, parameters):
    mock.AddMethod(MAIN_IFACE, 'GetIdletime', '', 't', 'ret = %d' % parameters.get('idletime', 0))
