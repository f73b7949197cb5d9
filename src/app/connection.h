#pragma once

#include <QString>
#include <memory>

namespace talmero::link {
class Adapter;
class Channel;
class Host;
class Session;
} // namespace talmero::link

namespace talmero::app {

// One open link to an adapter or to the demo car: the channel, the exchange on it and
// the module session. Opening throws link::LinkError and then leaves nothing open.
class Connection {
public:
    // The port list's entry for the virtual car.
    static QString demoEntry();
    static bool isDemoEntry(const QString& portText);

    // portText: a port name, a device path, or the demo entry. demoLatencyMs: the demo
    // car's reply time.
    Connection(const QString& portText, int baudRate, int demoLatencyMs, link::Host& host);
    ~Connection();

    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    link::Channel& channel() { return *m_channel; }
    link::Adapter& adapter() { return *m_adapter; }
    link::Session& session() { return *m_session; }

private:
    std::unique_ptr<link::Channel> m_channel;
    std::unique_ptr<link::Adapter> m_adapter;
    std::unique_ptr<link::Session> m_session;
};

} // namespace talmero::app
