'''The desktop portal's Background interface (org.freedesktop.portal.Background). A request
answers on the request object its handle_token names, as the portal does. Parameters:
"response": the response code (0 answered, 1 cancelled, 2 refused); "autostart": what the
answer grants (the request's own wish by default). The options of every request are kept and
read with the mock's GetRequests().'''

import dbus
import dbus.service
from gi.repository import GLib

BUS_NAME = 'org.freedesktop.portal.Desktop'
MAIN_OBJ = '/org/freedesktop/portal/mock'
MAIN_IFACE = 'org.freedesktop.portal.Mock'
SYSTEM_BUS = False

PORTAL_OBJ = '/org/freedesktop/portal/desktop'


class Plain(dbus.service.Object):
    # dbusmock's method lookup asks every object for these; empty, dbus-python's own lookup runs.
    methods = {}
    interface = None


class Request(Plain):
    @dbus.service.signal('org.freedesktop.portal.Request', signature='ua{sv}')
    def Response(self, code, results):
        pass


class Background(Plain):
    def __init__(self, connection, parameters):
        super().__init__(connection, PORTAL_OBJ)
        self.parameters = parameters
        self.requests = []

    # The caller's name makes the request path: the mock object's own methods do not see it.
    @dbus.service.method('org.freedesktop.portal.Background', in_signature='sa{sv}', out_signature='o',
                         sender_keyword='sender')
    def RequestBackground(self, parent_window, options, sender=None):
        self.requests.append(dict(options))
        token = str(options.get('handle_token', 'mock%d' % len(self.requests)))
        path = '%s/request/%s/%s' % (PORTAL_OBJ, sender[1:].replace('.', '_'), token)
        code = int(self.parameters.get('response', 0))
        granted = bool(self.parameters.get('autostart', options.get('autostart', False)))
        GLib.timeout_add(20, self.respond, path, code, granted)
        return dbus.ObjectPath(path)

    def respond(self, path, code, granted):
        request = Request(self.connection, path)
        results = {'background': True, 'autostart': granted} if code == 0 else {}
        request.Response(dbus.UInt32(code), dbus.Dictionary(results, signature='sv'))
        request.remove_from_connection()
        return False


def load(mock, parameters):
    mock.background = Background(mock.connection, parameters)
    mock.AddMethod(MAIN_IFACE, 'GetRequests', '', 'aa{sv}', 'ret = self.background.requests')
