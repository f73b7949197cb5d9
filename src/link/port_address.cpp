#include "link/port_address.h"

#include "link/link_error.h"
#include "link/serial_channel.h"
#include "link/tcp_channel.h"

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

PortAddress parsePortAddress(const QString& text)
{
    const QString trimmed = text.trimmed();
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
    case PortAddress::Kind::Serial:
        break;
    }
    return std::make_unique<SerialChannel>(portText, baudRate);
}

} // namespace talmero::link
