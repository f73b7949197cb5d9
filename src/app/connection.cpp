#include "app/connection.h"

#include "link/adapter.h"
#include "link/serial_channel.h"
#include "link/session.h"
#include "sim/demo_channel.h"

namespace talmero::app {

QString Connection::demoEntry()
{
    return sim::DemoChannel::kName;
}

bool Connection::isDemoEntry(const QString& portText)
{
    return portText == demoEntry();
}

Connection::Connection(const QString& portText, int baudRate, int demoLatencyMs, link::Host& host)
{
    if (isDemoEntry(portText))
        m_channel = std::make_unique<sim::DemoChannel>(demoLatencyMs, baudRate);
    else
        m_channel = std::make_unique<link::SerialChannel>(portText, baudRate);
    m_channel->open();
    m_adapter = std::make_unique<link::Adapter>(*m_channel, host);
    m_session = std::make_unique<link::Session>(*m_adapter, host);
    // Nobody knows where the adapter's switch stands: the first module access asks.
    m_session->forgetBus();
}

Connection::~Connection()
{
    m_session.reset();
    m_adapter.reset();
    m_channel->close();
}

} // namespace talmero::app
