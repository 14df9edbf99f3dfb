'''KDE's power management (PowerDevil): its policy agent's HasInhibition(types) is true when the
"policies" parameter has one of the types (1 interrupt session, 2 change profile, 4 change
screen settings: the screen kept on); org.freedesktop.PowerManagement.Inhibit's HasInhibit is
the "suspend" parameter (a music player, an update, a download blocking suspend).'''

import dbus

BUS_NAME = 'org.kde.Solid.PowerManagement.PolicyAgent'
MAIN_OBJ = '/org/kde/Solid/PowerManagement/PolicyAgent'
MAIN_IFACE = 'org.kde.Solid.PowerManagement.PolicyAgent'
SYSTEM_BUS = False


def load(mock, parameters):
    mock.AddMethod(MAIN_IFACE, 'HasInhibition', 'u', 'b',
                   'ret = bool(args[0] & %d)' % parameters.get('policies', 0))
    mock.AddObject('/org/freedesktop/PowerManagement/Inhibit', 'org.freedesktop.PowerManagement.Inhibit', {},
                   [('HasInhibit', '', 'b', 'ret = %s' % bool(parameters.get('suspend', False)))])
    mock.connection.request_name('org.freedesktop.PowerManagement', dbus.bus.NAME_FLAG_DO_NOT_QUEUE)
