'''The desktop portal's global shortcuts (org.freedesktop.portal.GlobalShortcuts), front-end side:
CreateSession, BindShortcuts and ListShortcuts answer on the request object their handle_token
names, the session is an org.freedesktop.portal.Session object. The desktop binds each preferred
trigger and describes it its own way ("CTRL+ALT+p" becomes "Ctrl+Alt+P"); the parameter
"triggers" ({id: description}) binds other triggers instead. For the test: Press(id) on
/org/freedesktop/portal/testing (org.mirelo.Testing) emits Activated and Deactivated for the
last session; CloseSessions() closes every session as the desktop would; Descriptions() lists
the last session's shortcuts by id; Quit() ends the portal.'''

import sys

import dbus
import dbus.service
from gi.repository import GLib

BUS_NAME = 'org.freedesktop.portal.Desktop'
MAIN_OBJ = '/org/freedesktop/portal/mock'
MAIN_IFACE = 'org.freedesktop.portal.Mock'
SYSTEM_BUS = False

PORTAL_OBJ = '/org/freedesktop/portal/desktop'
IFACE = 'org.freedesktop.portal.GlobalShortcuts'


class Plain(dbus.service.Object):
    # dbusmock's method lookup asks every object for these; empty, dbus-python's own lookup runs.
    methods = {}
    interface = None


class Request(Plain):
    @dbus.service.signal('org.freedesktop.portal.Request', signature='ua{sv}')
    def Response(self, code, results):
        pass


class Session(Plain):
    def __init__(self, connection, path, portal):
        super().__init__(connection, path)
        self.path = path
        self.portal = portal
        self.shortcuts = []

    @dbus.service.method('org.freedesktop.portal.Session', in_signature='', out_signature='')
    def Close(self):
        self.portal.sessions.pop(self.path, None)
        GLib.idle_add(self.remove_from_connection)

    @dbus.service.signal('org.freedesktop.portal.Session', signature='a{sv}')
    def Closed(self, details):
        pass


def described(trigger):
    return '+'.join(part.capitalize() if len(part) > 1 else part.upper() for part in trigger.split('+'))


class Portal(Plain):
    def __init__(self, connection, parameters):
        super().__init__(connection, PORTAL_OBJ)
        self.parameters = parameters
        self.sessions = {}
        self.last = None
        self.binds = 0

    @dbus.service.method('org.freedesktop.DBus.Properties', in_signature='ss', out_signature='v')
    def Get(self, interface, name):
        if interface == IFACE and name == 'version':
            return dbus.UInt32(1)
        raise dbus.exceptions.DBusException('No such property', name='org.freedesktop.DBus.Error.UnknownProperty')

    def request(self, sender, options, results):
        token = str(options.get('handle_token', 't'))
        path = '%s/request/%s/%s' % (PORTAL_OBJ, sender[1:].replace('.', '_'), token)

        def respond():
            request = Request(self.connection, path)
            request.Response(dbus.UInt32(0), dbus.Dictionary(results, signature='sv'))
            request.remove_from_connection()
            return False
        GLib.timeout_add(20, respond)
        return dbus.ObjectPath(path)

    @dbus.service.method(IFACE, in_signature='a{sv}', out_signature='o', sender_keyword='sender')
    def CreateSession(self, options, sender=None):
        path = '%s/session/%s/%s' % (PORTAL_OBJ, sender[1:].replace('.', '_'),
                                     str(options.get('session_handle_token', 's')))
        self.sessions[path] = Session(self.connection, path, self)
        self.last = path
        return self.request(sender, options, {'session_handle': dbus.String(path)})

    def listed(self, session):
        return dbus.Array([dbus.Struct((i, dbus.Dictionary(p, signature='sv'))) for i, p in session.shortcuts],
                          signature='(sa{sv})')

    @dbus.service.method(IFACE, in_signature='oa(sa{sv})sa{sv}', out_signature='o', sender_keyword='sender')
    def BindShortcuts(self, session_path, shortcuts, parent_window, options, sender=None):
        self.binds += 1
        session = self.sessions[str(session_path)]
        chosen = self.parameters.get('triggers', {})
        session.shortcuts = []
        for shortcut_id, properties in shortcuts:
            trigger = chosen.get(str(shortcut_id), described(str(properties.get('preferred_trigger', ''))))
            session.shortcuts.append((str(shortcut_id), {'description': properties.get('description', ''),
                                                         'trigger_description': dbus.String(trigger)}))
        return self.request(sender, options, {'shortcuts': self.listed(session)})

    @dbus.service.method(IFACE, in_signature='oa{sv}', out_signature='o', sender_keyword='sender')
    def ListShortcuts(self, session_path, options, sender=None):
        return self.request(sender, options, {'shortcuts': self.listed(self.sessions[str(session_path)])})

    @dbus.service.signal(IFACE, signature='osta{sv}')
    def Activated(self, session_handle, shortcut_id, timestamp, options):
        pass

    @dbus.service.signal(IFACE, signature='osta{sv}')
    def Deactivated(self, session_handle, shortcut_id, timestamp, options):
        pass


class Testing(Plain):
    def __init__(self, connection, portal):
        super().__init__(connection, '/org/freedesktop/portal/testing')
        self.portal = portal

    @dbus.service.method('org.mirelo.Testing', in_signature='s', out_signature='')
    def Press(self, shortcut_id):
        session = dbus.ObjectPath(self.portal.last)
        self.portal.Activated(session, shortcut_id, dbus.UInt64(1), dbus.Dictionary({}, signature='sv'))
        self.portal.Deactivated(session, shortcut_id, dbus.UInt64(2), dbus.Dictionary({}, signature='sv'))

    @dbus.service.method('org.mirelo.Testing', in_signature='', out_signature='u')
    def Binds(self):
        return dbus.UInt32(self.portal.binds)

    @dbus.service.method('org.mirelo.Testing', in_signature='', out_signature='a{sv}')
    def Descriptions(self):
        session = self.portal.sessions.get(self.portal.last)
        return dbus.Dictionary({i: p['description'] for i, p in (session.shortcuts if session else [])},
                               signature='sv')

    @dbus.service.method('org.mirelo.Testing', in_signature='', out_signature='')
    def Quit(self):
        GLib.timeout_add(50, lambda: sys.exit(0))

    @dbus.service.method('org.mirelo.Testing', in_signature='', out_signature='')
    def CloseSessions(self):
        for session in list(self.portal.sessions.values()):
            session.Closed(dbus.Dictionary({}, signature='sv'))
            session.Close()


def load(mock, parameters):
    mock.global_shortcuts = Portal(mock.connection, parameters)
    mock.testing = Testing(mock.connection, mock.global_shortcuts)
