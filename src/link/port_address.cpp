#include "link/port_address.h"

#include "link/ble_channel.h"
#include "link/bluetooth_channel.h"
#include "link/link_error.h"
#include "link/serial_channel.h"
#include "link/tcp_channel.h"

#include <QRegularExpression>
#include <optional>

namespace talmero::link {

QString PortAddressTexts::badPortText(const QString& text)
{
    return tr("Неверный адрес %1: после двоеточия нужен номер порта TCP от 1 до 65535 "
              "(например, 192.168.0.10:35000).")
        .arg(text);
}

QString PortAddressTexts::noHostText(const QString& text)
{
    return tr("Неверный адрес %1: перед двоеточием нужен адрес адаптера "
              "(например, 192.168.0.10:35000).")
        .arg(text);
}

QString PortAddressTexts::badBluetoothText(const QString& text)
{
    return tr("Неверный адрес %1: после bt:// или ble:// нужен адрес устройства Bluetooth из шести "
              "пар шестнадцатеричных цифр (например, bt://00:1D:A5:68:98:8B).")
        .arg(text);
}

int serialPortRank(const QString& name, bool usb)
{
    const QString file = name.section(QLatin1Char('/'), -1);
    if (usb || file.startsWith(QLatin1String("ttyUSB")) || file.startsWith(QLatin1String("ttyACM")))
        return 0;
    if (file.startsWith(QLatin1String("rfcomm")))
        return 1;
    return 2;
}

QString bluetoothPort(const QString& device, bool lowEnergy)
{
    return (lowEnergy ? QStringLiteral("ble://") : QStringLiteral("bt://")) + device;
}

namespace {

// "bt://MAC" or "ble://MAC"; nullopt for any other text.
std::optional<PortAddress> parseBluetooth(const QString& text)
{
    PortAddress address;
    QString rest;
    for (const auto& [scheme, kind] : {std::pair{QLatin1String("bt://"), PortAddress::Kind::Bluetooth},
                                       {QLatin1String("ble://"), PortAddress::Kind::Ble}}) {
        if (text.startsWith(scheme, Qt::CaseInsensitive)) {
            address.kind = kind;
            rest = text.mid(scheme.size());
        }
    }
    if (address.kind == PortAddress::Kind::Serial)
        return std::nullopt;
    static const QRegularExpression mac(QStringLiteral("^[0-9A-F]{2}(:[0-9A-F]{2}){5}$"),
                                        QRegularExpression::CaseInsensitiveOption);
    // All zeros is the address of no device.
    if (!mac.match(rest).hasMatch() || rest == QLatin1String("00:00:00:00:00:00")) {
        address.kind = PortAddress::Kind::Invalid;
        address.error = PortAddressTexts::badBluetoothText(text);
        return address;
    }
    address.device = rest.toUpper();
    return address;
}

} // namespace

PortAddress parsePortAddress(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (const std::optional<PortAddress> bluetooth = parseBluetooth(trimmed))
        return *bluetooth;
    const QLatin1String scheme("tcp://");
    QString rest = trimmed;
    if (trimmed.startsWith(scheme, Qt::CaseInsensitive)) {
        rest = trimmed.mid(scheme.size());
    } else if (trimmed.startsWith(u'/') || trimmed.contains(u'\\') || !trimmed.contains(u':')) {
        return PortAddress{};
    }
    PortAddress address;
    address.kind = PortAddress::Kind::Invalid;
    const qsizetype colon = rest.lastIndexOf(u':');
    if (colon < 0) {
        address.error = PortAddressTexts::badPortText(trimmed);
        return address;
    }
    QString host = rest.left(colon);
    if (host.startsWith(u'[') && host.endsWith(u']')) // an IPv6 address
        host = host.mid(1, host.size() - 2);
    const QString portText = rest.mid(colon + 1);
    bool digits = !portText.isEmpty() && portText.size() <= 5;
    for (const QChar c : portText)
        digits = digits && c >= u'0' && c <= u'9';
    const int port = digits ? portText.toInt() : 0;
    if (port < 1 || port > 65535) {
        address.error = PortAddressTexts::badPortText(trimmed);
        return address;
    }
    if (host.isEmpty() || host.contains(u'/')) {
        address.error = PortAddressTexts::noHostText(trimmed);
        return address;
    }
    address.kind = PortAddress::Kind::Tcp;
    address.host = host;
    address.port = quint16(port);
    return address;
}

std::unique_ptr<Channel> makeAdapterChannel(const QString& portText, int baudRate)
{
    const PortAddress address = parsePortAddress(portText);
    switch (address.kind) {
    case PortAddress::Kind::Invalid:
        throw LinkError(address.error);
    case PortAddress::Kind::Tcp:
        return std::make_unique<TcpChannel>(address.host, address.port);
    case PortAddress::Kind::Bluetooth:
        return std::make_unique<BluetoothChannel>(address.device);
    case PortAddress::Kind::Ble:
        return std::make_unique<BleChannel>(address.device);
    case PortAddress::Kind::Serial:
        break;
    }
    return std::make_unique<SerialChannel>(portText, baudRate);
}

} // namespace talmero::link
