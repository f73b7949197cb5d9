#pragma once

#include "link/channel.h"

#include <QCoreApplication>
#include <QString>
#include <memory>

namespace talmero::link {

// What the port field names: a serial port (a name or a device path), a Wi-Fi adapter's
// TCP address ("HOST:PORT" or "tcp://HOST:PORT"), or a Bluetooth adapter: Classic with
// the serial port profile ("bt://AA:BB:CC:DD:EE:FF") or Low Energy ("ble://...").
struct PortAddress {
    enum class Kind { Serial, Tcp, Bluetooth, Ble, Invalid };
    Kind kind = Kind::Serial;
    QString host;     // Tcp: the name or address, without the brackets of an IPv6 address
    quint16 port = 0; // Tcp: 1 to 65535
    QString device;   // Bluetooth, Ble: the device address in capitals, "00:1D:A5:68:98:8B"
    QString error;    // Invalid: what is wrong, to show as it stands
};

class PortAddressTexts {
    Q_DECLARE_TR_FUNCTIONS(PortAddressTexts)
public:
    static QString badPortText(const QString& text);
    static QString noHostText(const QString& text);
    static QString badBluetoothText(const QString& text);
};

// A device path ("/dev/ttyUSB0", "/dev/serial/by-path/...:1.0-port0") or a bare name
// ("COM3", "ttyUSB0") is a serial port; "bt://" and "ble://" name a Bluetooth adapter; a
// text with "tcp://", or with a colon and no path separator, is a TCP address.
PortAddress parsePortAddress(const QString& text);

// Where an adapter is likeliest on a serial port: 0 a USB serial adapter (usb: its USB
// identifiers are known), 1 a bound Bluetooth serial port, 2 anything else (a built-in port).
int serialPortRank(const QString& name, bool usb);

// "bt://00:1D:A5:68:98:8B" or "ble://...": how the port field names a Bluetooth adapter.
QString bluetoothPort(const QString& device, bool lowEnergy);

// The channel to a real adapter at portText; throws LinkError for an address that cannot
// be used. Opening it is the caller's.
std::unique_ptr<Channel> makeAdapterChannel(const QString& portText, int baudRate);

} // namespace talmero::link
