#pragma once

// One operation of the program over a real serial port to talmero-sim, timed and counted
// against its floor: every byte sent and received at the rate, plus one reply time per
// exchange, with no waiting.
#include "link/adapter.h"
#include "link/bus_switch.h"
#include "link/host.h"
#include "link/serial_channel.h"
#include "link/session.h"

#include <QElapsedTimer>

// Counts what crosses the port: bytes each way and the commands sent.
class CountingChannel : public talmero::link::SerialChannel {
public:
    using SerialChannel::SerialChannel;
    void send(const QByteArray& bytes) override
    {
        sent += bytes.size();
        ++exchanges;
        SerialChannel::send(bytes);
    }
    qint64 sent = 0;
    qint64 received = 0;
    int exchanges = 0;
};

struct Figure {
    double ms = 0;
    double floorMs = 0;
    int exchanges = 0;
    bool ok = false;
};

// Connects as the program does (not timed), runs prepare (not timed either), then times
// operation. Both take the session and the host and say whether they succeeded.
template <typename Prepare, typename Operation>
Figure measure(talmero::link::Host& host, const QString& path, int baud, int latencyMs, Prepare prepare,
               Operation operation)
{
    using namespace talmero;
    CountingChannel channel(path, baud);
    channel.open();
    QObject::connect(&channel, &link::Channel::batchReceived,
                     [&channel](const QByteArray& batch) { channel.received += batch.size(); });
    link::Adapter adapter(channel, host);
    link::AdapterIdentity identity;
    const link::SwitchWay way = link::startAdapter(adapter, link::BusSwitchSetting::Auto, baud, identity);
    link::Session session(adapter, host, way);
    Figure f;
    if (!prepare(session, host))
        return f;
    channel.sent = channel.received = channel.exchanges = 0;
    QElapsedTimer clock;
    clock.start();
    f.ok = operation(session, host);
    f.ms = double(clock.nsecsElapsed()) / 1e6;
    f.exchanges = channel.exchanges;
    f.floorMs = double(channel.sent + channel.received) * 10.0 * 1000.0 / baud + double(latencyMs) * channel.exchanges;
    return f;
}

template <typename Operation>
Figure measure(talmero::link::Host& host, const QString& path, int baud, int latencyMs, Operation operation)
{
    return measure(host, path, baud, latencyMs, [](auto&, auto&) { return true; }, operation);
}
