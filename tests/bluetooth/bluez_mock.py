#!/usr/bin/python3
"""BlueZ on a private bus for the Bluetooth tests: python-dbusmock's bluez5 template, plus
devices whose bytes go to a running talmero-sim --tcp (usage: bluez_mock.py HOST:PORT): one
Classic adapter (serial port profile), one BLE adapter per serial-service layout, devices
that fail as real ones do, and one that a search finds. Prints "ready" once it serves.
org.bluez.Mock.DropAfter(address, prefix, n): once a request starting with prefix (at once
for "") has gone to the car, n more bytes reach the program, then the link drops."""
import os
import socket
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

import dbusmock
from dbusmock import mockobject
from dbusmock.templates import bluez5

DEVICE = 'org.bluez.Device1'
CHAR = 'org.bluez.GattCharacteristic1'
IO = GLib.IO_IN | GLib.IO_HUP | GLib.IO_ERR


def uuid16(short):
    return f'0000{short}-0000-1000-8000-00805f9b34fb'


FFF0 = [(uuid16('fff0'), [(uuid16('fff1'), ['notify']), (uuid16('fff2'), ['write-without-response', 'write'])])]
# address, name, Classic?, services [(uuid, [(uuid, flags)])], behaviour
DEVICES = [
    ('00:1D:A5:00:00:01', 'OBDII', True, [], ''),
    ('00:1D:A5:00:00:02', 'OBDII', True, [], 'refuse'),
    ('00:1D:A5:00:00:03', 'OBDII', True, [], 'unpaired'),
    ('00:1D:A5:00:00:04', 'OBDII', True, [], 'silent'),
    ('10:00:00:00:00:01', 'IOS-Vlink', False, FFF0, ''),
    ('10:00:00:00:00:02', 'OBDBLE', False, [(uuid16('ffe0'), [(uuid16('ffe1'), ['read', 'notify', 'write-without-response'])])], ''),
    ('10:00:00:00:00:03', 'vLinker MC', False,
     [('e7810a71-73ae-499d-8c15-faa9aef0c3f2', [('bef8d6c9-9c21-4c9e-b632-bd58c1009f9f', ['notify', 'write'])])], ''),
    ('10:00:00:00:00:04', 'UART-LE', False,
     [(uuid16('180a'), [(uuid16('2a29'), ['read'])]),
      ('49535343-fe7d-4ae5-8fa9-9fafd205e455', [('49535343-1e4d-4bd9-ba61-23c647249616', ['notify']),
                                                 ('49535343-8841-43f4-a8d4-ecbe34729bb3', ['write'])])], ''),
    ('10:00:00:00:00:05', 'IOS-Vlink', False, FFF0, 'refuse'),
    ('10:00:00:00:00:06', 'IOS-Vlink', False, FFF0, 'silent'),
]
FOUND = ('30:00:00:00:00:01', 'OBDBLE-NEW', False, [(uuid16('ffe0'), [(uuid16('ffe1'), ['notify', 'write'])])], '')
# Notifications arrive in pieces of these sizes in turn: answers split in odd places.
PIECES = [20, 7, 1, 13, 20, 2]
profiles = {}  # service UUID: (bus name, object path) of the program's profile


def fail(name, text):
    raise dbus.exceptions.DBusException(text, name='org.bluez.Error.' + name)


def install(obj, interface, name, in_sig, code):
    """Puts code(*args, sender=...) in place of a mock method: Qt's profile and the drop of a
    dead client need the caller's bus name, which dbusmock's own methods do not pass on."""
    def handler(_self, *args, sender=None):
        return code(*args, sender=sender)
    handler.__name__ = name
    method = dbus.service.method(interface, out_signature='')(handler)
    method._dbus_in_signature = in_sig  # pylint: disable=protected-access
    method._dbus_sender_keyword = 'sender'  # pylint: disable=protected-access
    obj.methods.setdefault(interface, {})[name] = (in_sig, '', '', method)


class Device:
    def __init__(self, mock, sim, address, name, classic, services, behaviour):
        self.sim, self.behaviour = sim, behaviour
        self.path = mock.AddDevice('hci0', address, name)
        self.obj = mockobject.objects[self.path]
        self.car = self.client = self.watch = self.notifying = None
        self.drop_on = None    # (request prefix, bytes let through after it)
        self.drop_left = None  # bytes still let through before the link drops
        self.piece = 0
        props = self.obj.props[DEVICE]
        props['Class'] = dbus.UInt32(0x1F00 if classic else 0)
        props['UUIDs'] = dbus.Array([uuid16('1101')] if classic else [s for s, _ in services], signature='s')
        props['Paired'] = dbus.Boolean(behaviour != 'unpaired')
        # The template's Connect leaves the Connected property stale; Qt reads it.
        for method, code in (('Connect', self.connect), ('ConnectProfile', self.connect_profile),
                             ('Disconnect', lambda **_: self.drop()), ('DisconnectProfile', lambda _, **__: self.drop())):
            install(self.obj, DEVICE, method, 's' if 'Profile' in method else '', code)
        for s, (service_uuid, chars) in enumerate(services):
            service = f'{self.path}/service{s:04x}'
            mock.AddObject(service, 'org.bluez.GattService1', {
                'UUID': service_uuid, 'Primary': dbus.Boolean(True), 'Device': dbus.ObjectPath(self.path)}, [])
            for c, (char_uuid, flags) in enumerate(chars):
                path = f'{service}/char{c:04x}'
                mock.AddObject(path, CHAR, {'UUID': char_uuid, 'Service': dbus.ObjectPath(service),
                                            'Flags': dbus.Array(flags, signature='s'),
                                            'Value': dbus.Array([], signature='y'), 'Notifying': dbus.Boolean(False)}, [])
                obj = mockobject.objects[path]
                install(obj, CHAR, 'WriteValue', 'aya{sv}', lambda value, options, f=flags, **_: self.write(value, options, f))
                install(obj, CHAR, 'StartNotify', '', lambda o=obj, **_: self.start_notify(o))
                if 'notify' in flags:  # Qt turns notifications on through it, and only where it exists
                    mock.AddObject(f'{path}/desc0000', 'org.bluez.GattDescriptor1', {
                        'UUID': uuid16('2902'), 'Characteristic': dbus.ObjectPath(path)}, [])

    def set(self, **props):
        self.obj.UpdateProperties(DEVICE, {k: dbus.Boolean(v) for k, v in props.items()})

    def open_car(self, to_client):
        self.to_client = to_client
        self.car = socket.create_connection(self.sim)
        self.car_watch = GLib.io_add_watch(self.car.fileno(), IO, self.from_car)

    def from_car(self, *_):
        data, left = self.car.recv(4096), self.drop_left
        if not data or (left is not None and len(data) >= left):
            self.to_client(data[:left])
            self.drop()
            return False
        if left is not None:
            self.drop_left = left - len(data)
        self.to_client(data)
        return True

    def to_car(self, data):
        if self.drop_on is not None and data.startswith(self.drop_on[0]):
            self.drop_left, self.drop_on = self.drop_on[1], None
        self.car.sendall(data)

    # BLE
    def connect(self, sender):
        if self.behaviour == 'refuse':
            fail('Failed', 'Connection refused')
        if self.behaviour == 'silent' or self.car is not None:
            return
        self.open_car(self.notify)
        # A test program that dies without disconnecting frees the car for the next.
        self.watch = bus.watch_name_owner(sender, lambda owner: owner or self.drop())
        # After the reply, as BlueZ does: connected, then the services resolved.
        GLib.idle_add(lambda: self.set(Connected=True) or self.set(ServicesResolved=True))

    def write(self, value, options, flags):
        kind = str(options.get('type', 'request'))
        if ('write-without-response' if kind == 'command' else 'write') not in flags:
            fail('NotSupported', 'Operation is not supported')
        if kind == 'command' and len(value) > 20:
            fail('Failed', 'Failed to initiate write')
        if self.car is None:
            fail('Failed', 'Not connected')
        self.to_car(bytes(value))

    def start_notify(self, obj):
        self.notifying = obj
        obj.UpdateProperties(CHAR, {'Notifying': dbus.Boolean(True)})

    def notify(self, data):
        while data and self.notifying is not None:
            size = PIECES[self.piece % len(PIECES)]
            self.piece += 1
            self.notifying.UpdateProperties(CHAR, {'Value': dbus.Array(data[:size], signature='y')})
            data = data[size:]

    # Classic
    def connect_profile(self, uuid, sender):
        if self.behaviour == 'refuse':
            fail('Failed', 'Connection refused')
        client, profile = profiles.get(str(uuid).lower(), (None, None))
        if client is None:
            fail('DoesNotExist', 'No such profile')
        if self.behaviour == 'silent':
            return
        self.client, theirs = socket.socketpair()
        self.open_car(self.client.sendall)
        self.watch = GLib.io_add_watch(self.client.fileno(), IO, self.from_client)
        # Qt waits for the socket before ConnectProfile returns.
        bus.call_async(client, profile, 'org.bluez.Profile1', 'NewConnection', 'oha{sv}',
                       (self.path, dbus.types.UnixFd(theirs), {}), None, lambda *_: None)
        theirs.close()
        self.set(Connected=True)

    def from_client(self, *_):
        data = self.client.recv(4096)
        if not data:
            self.watch = None  # ends with this call
            self.drop()
            return False
        self.to_car(data)
        return True

    def drop(self):
        self.drop_on = self.drop_left = None
        if isinstance(self.watch, int):  # Classic: the program's end of the socket
            GLib.source_remove(self.watch)
        elif self.watch is not None:  # BLE: the program on the bus
            self.watch.cancel()
        self.watch = None
        if self.car is not None:
            GLib.source_remove(self.car_watch)
            self.car.close()
            self.car = None
        if self.client is not None:
            self.client.close()
            self.client = None
        if self.obj.props[DEVICE]['Connected']:
            self.set(Connected=False, ServicesResolved=False)


def main():
    host, port = sys.argv[1].rsplit(':', 1)
    sim = (host, int(port))
    global bus
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.bus.BusConnection(os.environ['DBUS_SYSTEM_BUS_ADDRESS'])
    name = dbus.service.BusName('org.bluez', bus, do_not_queue=True)
    root = mockobject.DBusMockObject(name, '/', dbusmock.OBJECT_MANAGER_IFACE, {}, os.devnull, True)
    mockobject.objects['/'] = root
    root.AddTemplate('bluez5', None)
    root.AddAdapter('hci0', 'talmero-test')
    install(mockobject.objects['/org/bluez'], 'org.bluez.ProfileManager1', 'RegisterProfile', 'osa{sv}',
            lambda path, uuid, _options, sender: profiles.update({str(uuid).lower(): (sender, path)}))
    devices = {d[0]: Device(root, sim, *d) for d in DEVICES}
    install(root, 'org.bluez.Mock', 'DropAfter', 'ssi',
            lambda address, prefix, count, **_: devices[str(address)].__dict__.update(
                {'drop_on': (str(prefix).encode(), int(count))} if prefix else {'drop_left': int(count)}))
    adapter = mockobject.objects['/org/bluez/hci0']

    def start_discovery(**_):
        bluez5.StartDiscovery(adapter)
        GLib.timeout_add(300, lambda: (FOUND[0] in devices or devices.update({FOUND[0]: Device(root, sim, *FOUND)})) and False)
    install(adapter, 'org.bluez.Adapter1', 'StartDiscovery', '', start_discovery)

    print('ready', flush=True)
    loop = GLib.MainLoop()
    bus.add_signal_receiver(loop.quit, signal_name='Disconnected', path='/org/freedesktop/DBus/Local',
                            dbus_interface='org.freedesktop.DBus.Local')
    loop.run()


if __name__ == '__main__':
    sys.exit(main())
