'''The desktop portal's screenshot (org.freedesktop.portal.Screenshot). A call answers on the
request object its handle_token names, as the portal does. Parameters: "uri": the picture's file
URI; "response": another response code (1 cancelled, 2 failed); "error": a D-Bus error name to
fail the call with; "silent": true never answers; "delay": milliseconds before the answer (20). An interactive request is refused (code 2).'''

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


class Screenshot(Plain):
    def __init__(self, connection, parameters):
        super().__init__(connection, PORTAL_OBJ)
        self.parameters = parameters
        self.calls = 0

    # The caller's name makes the request path: the mock object's own methods do not see it.
    @dbus.service.method('org.freedesktop.portal.Screenshot', in_signature='sa{sv}', out_signature='o',
                         sender_keyword='sender')
    def Screenshot(self, parent_window, options, sender=None):
        self.calls += 1
        if 'error' in self.parameters:
            raise dbus.exceptions.DBusException('The screenshot was refused.', name=self.parameters['error'])
        token = str(options.get('handle_token', 'mock%d' % self.calls))
        path = '%s/request/%s/%s' % (PORTAL_OBJ, sender[1:].replace('.', '_'), token)
        if not self.parameters.get('silent', False):
            code = int(self.parameters.get('response', 0))
            if bool(options.get('interactive', False)):
                code = 2
            GLib.timeout_add(int(self.parameters.get('delay', 20)), self.respond, path, code)
        return dbus.ObjectPath(path)

    def respond(self, path, code):
        request = Request(self.connection, path)
        results = {'uri': self.parameters.get('uri', '')} if code == 0 else {}
        request.Response(dbus.UInt32(code), dbus.Dictionary(results, signature='sv'))
        request.remove_from_connection()
        return False


def load(mock, parameters):
    mock.screenshot = Screenshot(mock.connection, parameters)
