#include "app/connection.h"

#include <QCoreApplication>

#include "link/adapter.h"
#include "link/port_address.h"
#include "link/serial_channel.h"
#include "link/session.h"
#include "sim/demo_channel.h"

namespace talmero::app {

QString Connection::demoEntry()
{
    return sim::DemoChannel::kName;
}

QStringList Connection::demoEntries()
{
    return {sim::DemoChannel::kName, sim::DemoChannel::kBuiltInName};
}

QString Connection::demoLabel(const QString& entry)
{
    // The virtual car's own names for them, marked here for the translations.
    static const char* const labels[] = {QT_TRANSLATE_NOOP("Connection", "Demo car (simulated, switch)"),
                                         QT_TRANSLATE_NOOP("Connection", "Demo car (simulated, built-in bus)")};
    for (const char* label : labels) {
        if (entry == QLatin1String(label))
            return QCoreApplication::translate("Connection", label);
    }
    return entry;
}

bool Connection::isDemoEntry(const QString& portText)
{
    return demoEntries().contains(portText);
}

QString Connection::wifiEntry()
{
    return QCoreApplication::translate("Connection", "Wi-Fi adapter (%1)").arg(QLatin1String(kWifiAddress));
}

QString Connection::addressOf(const QString& portText)
{
    return portText == wifiEntry() ? QLatin1String(kWifiAddress) : portText;
}

bool Connection::isNetworkPort(const QString& portText)
{
    return link::parsePortAddress(addressOf(portText)).kind != link::PortAddress::Kind::Serial;
}

Connection::Connection(const QString& portText, int baudRate, int demoLatencyMs,
                       link::BusSwitchSetting busSwitch, link::Host& host)
{
    if (isDemoEntry(portText)) {
        const auto kind = portText == sim::DemoChannel::kBuiltInName ? sim::DemoChannel::Kind::BuiltIn
                                                                     : sim::DemoChannel::Kind::Switch;
        m_channel = std::make_unique<sim::DemoChannel>(demoLatencyMs, baudRate, nullptr, kind);
    } else {
        m_channel = link::makeAdapterChannel(addressOf(portText), baudRate);
    }
    m_channel->open();
    m_adapter = std::make_unique<link::Adapter>(*m_channel, host);
    const link::SwitchWay way = link::startAdapter(*m_adapter, busSwitch, baudRate, m_identity);
    m_session = std::make_unique<link::Session>(*m_adapter, host, way);
    // Nobody knows where the adapter's switch stands: the first module access asks.
    m_session->forgetBus();
}

Connection::~Connection()
{
    m_session.reset();
    m_adapter.reset();
    m_channel->close();
}

QString Connection::identityLine() const
{
    return link::BusSwitchTexts::identityLine(m_identity, m_session->way());
}

QString Connection::lowLatencyNote() const
{
    return link::SerialChannel::lowLatencyNote(*m_channel);
}

} // namespace talmero::app
