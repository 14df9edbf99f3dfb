'''GNOME's session manager: IsInhibited(flags) is true when the "inhibited" parameter has one
of the flags (8: idle, as a player or a call sets it).'''

BUS_NAME = 'org.gnome.SessionManager'
MAIN_OBJ = '/org/gnome/SessionManager'
MAIN_IFACE = 'org.gnome.SessionManager'
SYSTEM_BUS = False


def load(mock, parameters):
    mock.AddMethod(MAIN_IFACE, 'IsInhibited', 'u', 'b',
                   'ret = bool(args[0] & %d)' % parameters.get('inhibited', 0))
