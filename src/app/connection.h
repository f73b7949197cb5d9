#pragma once

#include "link/bus_switch.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace talmero::link {
class Adapter;
class Channel;
class Host;
class Session;
} // namespace talmero::link

namespace talmero::app {

// One open link to an adapter or to the demo car: the channel, the exchange on it and
// the module session. Opening resets the adapter and waits for its answer, which also
// tells how the buses are switched; it throws link::LinkError (a port that did not open,
// an adapter that did not answer) and then leaves nothing open.
class Connection {
public:
    // The port list's entries for the virtual car: behind a switch adapter, then behind an
    // adapter with the medium-speed bus built in.
    static QString demoEntry();
    static QStringList demoEntries();
    static bool isDemoEntry(const QString& portText);
    // A demo entry as the port list shows it, in the language spoken.
    static QString demoLabel(const QString& entry);
    // The port list's entry for a Wi-Fi adapter at its most common address.
    static constexpr const char* kWifiAddress = "192.168.0.10:35000";
    static QString wifiEntry();
    // The address to connect to and to keep: the Wi-Fi entry stands for its address.
    static QString addressOf(const QString& portText);
    // A Wi-Fi adapter's address (or a mistyped one): no rate applies.
    static bool isNetworkPort(const QString& portText);

    // portText: a port name, a device path, a Wi-Fi adapter's HOST:PORT, the Wi-Fi entry,
    // or a demo entry. demoLatencyMs: the demo car's reply time.
    Connection(const QString& portText, int baudRate, int demoLatencyMs,
               link::BusSwitchSetting busSwitch, link::Host& host);
    ~Connection();

    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    link::Channel& channel() { return *m_channel; }
    link::Adapter& adapter() { return *m_adapter; }
    link::Session& session() { return *m_session; }
    const link::AdapterIdentity& identity() const { return m_identity; }
    // What answered and how the buses are switched, as the log shows it.
    QString identityLine() const;
    // The log line of a USB port left without low latency; "" otherwise.
    QString lowLatencyNote() const;

private:
    std::unique_ptr<link::Channel> m_channel;
    std::unique_ptr<link::Adapter> m_adapter;
    std::unique_ptr<link::Session> m_session;
    link::AdapterIdentity m_identity;
};

} // namespace talmero::app
