'''A fingerprint daemon with one reader, speaking fprintd's interface.

Parameters: "enrolled" (bool, default true): whether the reader has an enrolled finger.
The test drives a check by emitting VerifyStatus on the device through the mock interface.
'''
import dbus

BUS_NAME = 'net.reactivated.Fprint'
MAIN_OBJ = '/net/reactivated/Fprint/Manager'
MAIN_IFACE = 'net.reactivated.Fprint.Manager'
SYSTEM_BUS = True

DEVICE_PATH = '/net/reactivated/Fprint/Device/0'
DEVICE_IFACE = 'net.reactivated.Fprint.Device'


def load(mock, parameters):
    mock.AddMethod(MAIN_IFACE, 'GetDefaultDevice', '', 'o', 'ret = dbus.ObjectPath("%s")' % DEVICE_PATH)
    if parameters.get('enrolled', True):
        enrolled = 'ret = ["right-index-finger"]'
    else:
        enrolled = ('raise dbus.exceptions.DBusException("No enrolled prints", '
                    'name="net.reactivated.Fprint.Error.NoEnrolledPrints")')
    mock.AddObject(DEVICE_PATH, DEVICE_IFACE, {'name': 'Mock reader', 'scan-type': 'press'}, [
        ('ListEnrolledFingers', 's', 'as', enrolled),
        ('Claim', 's', '', ''),
        ('Release', '', '', ''),
        ('VerifyStart', 's', '', ''),
        ('VerifyStop', '', '', ''),
    ])
