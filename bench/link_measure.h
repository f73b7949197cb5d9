#pragma once

// One operation of the program over a real serial port to talmero-sim, timed and counted
// against its floor: every byte sent and received at the rate, one reply time per exchange
// and the reset time of each reset the operation's steps name, with no waiting.
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
        if (bytes.startsWith("ATZ"))
            ++resets;
        SerialChannel::send(bytes);
    }
    qint64 sent = 0;
    qint64 received = 0;
    int exchanges = 0;
    int resets = 0;
};

// The adapter's answer times the floor counts: its reply time, and what a reset takes
// (talmero-sim --reset-ms) for each reset the operation names.
struct FloorTimes {
    int latencyMs = 0;
    int resetMs = 0;
    int namedResets = 0;
};

struct Figure {
    double ms = 0;
    double floorMs = 0;
    int exchanges = 0;
    int resets = 0;
    bool ok = false;
};

// Connects as the program does (not timed), runs prepare (not timed either), then times
// operation. Both take the session and the host and say whether they succeeded.
template <typename Prepare, typename Operation>
Figure measure(talmero::link::Host& host, const QString& path, int baud, FloorTimes times, Prepare prepare,
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
    channel.sent = channel.received = channel.exchanges = channel.resets = 0;
    QElapsedTimer clock;
    clock.start();
    f.ok = operation(session, host);
    f.ms = double(clock.nsecsElapsed()) / 1e6;
    f.exchanges = channel.exchanges;
    f.resets = channel.resets;
    // A reset answers in its own time, not the reply time; resets beyond the named ones
    // are waste and not in the floor.
    f.floorMs = double(channel.sent + channel.received) * 10.0 * 1000.0 / baud
                + double(times.latencyMs) * (channel.exchanges - channel.resets)
                + double(times.resetMs) * times.namedResets;
    return f;
}

template <typename Operation>
Figure measure(talmero::link::Host& host, const QString& path, int baud, FloorTimes times, Operation operation)
{
    return measure(host, path, baud, times, [](auto&, auto&) { return true; }, operation);
}
