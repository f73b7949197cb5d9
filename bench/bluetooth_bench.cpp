// Exchanges per second through the program's Bluetooth channels against its TCP channel to
// the same virtual car, in one run: BlueZ is mocked on a private bus (python-dbusmock, the
// mock's own cost counted) and its devices forward to the talmero-sim --tcp the TCP
// channel reaches.
#include "bluetooth/bluez_bus.h"
#include "link/adapter.h"
#include "link/ble_channel.h"
#include "link/bluetooth_channel.h"
#include "link/tcp_channel.h"
#include "silent_host.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

using talmero::link::Channel;

// ATI, answered by the adapter alone: what is measured is the way there and back.
double exchangesPerSecond(Channel& channel, int rounds)
{
    SilentHost host;
    channel.open();
    talmero::link::Adapter adapter(channel, host);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < rounds; ++i) {
        if (!adapter.writeCOM(QStringLiteral("ATI"), false).contains(QLatin1String("ELM"))) {
            std::fprintf(stderr, "%s: no answer to ATI\n", qPrintable(channel.name()));
            return 0;
        }
    }
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    channel.close();
    return rounds / seconds;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 300;
    BluezBus bus;
    if (const QString problem = bus.start(); !problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 1;
    }
    const QString sim = bus.simAddress();
    const std::pair<const char*, std::function<std::unique_ptr<Channel>()>> paths[] = {
        {"TCP (Wi-Fi)", [&] {
             return std::make_unique<talmero::link::TcpChannel>(sim.section(u':', 0, 0), quint16(sim.section(u':', 1).toUInt()));
         }},
        {"Bluetooth LE, FFF0 (mocked)", [] { return std::make_unique<talmero::link::BleChannel>(QStringLiteral("10:00:00:00:00:01")); }},
        {"Bluetooth LE, E7810A71 with response (mocked)",
         [] { return std::make_unique<talmero::link::BleChannel>(QStringLiteral("10:00:00:00:00:03")); }},
        {"Bluetooth Classic, SPP (mocked)",
         [] { return std::make_unique<talmero::link::BluetoothChannel>(QStringLiteral("00:1D:A5:00:00:01")); }},
    };
    std::printf("rounds: %d ATI exchanges per path\n", rounds);
    double tcp = 0;
    for (const auto& [name, make] : paths) {
        const std::unique_ptr<Channel> channel = make();
        const double rate = exchangesPerSecond(*channel, rounds);
        if (rate <= 0)
            return 1;
        if (tcp == 0)
            tcp = rate;
        std::printf("%-48s %8.0f exchanges/s  %5.2f of TCP\n", name, rate, rate / tcp);
    }
    return 0;
}
