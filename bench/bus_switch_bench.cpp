// The two long operations (9-module backup, 11-module trouble-code reading) over a
// pseudo-terminal to talmero-sim --adapter stn --baud-timing --latency 30, against their
// wire-and-latency floor: every byte sent and received at the rate, plus one adapter
// latency per exchange.
#include "config/backup.h"
#include "diag/dtc_memo.h"
#include "diag/trouble_codes.h"
#include "link/adapter.h"
#include "link/bus_switch.h"
#include "link/host.h"
#include "silent_host.h"
#include "link/modules.h"
#include "link/serial_channel.h"
#include "link/session.h"
#include "safety/write_gate.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kLatencyMs = 30;

class NoMemo : public talmero::diag::DtcMemo {
public:
    void appendMemo(const QString&) override {}
    void clearMemo() override {}
};

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

template <typename Operation>
Figure measure(const QString& path, int baud, Operation operation)
{
    using namespace talmero;
    SilentHost host;
    CountingChannel channel(path, baud);
    channel.open();
    QObject::connect(&channel, &link::Channel::batchReceived,
                     [&channel](const QByteArray& batch) { channel.received += batch.size(); });
    link::Adapter adapter(channel, host);
    link::AdapterIdentity identity;
    const link::SwitchWay way = link::startAdapter(adapter, link::BusSwitchSetting::Auto, baud, identity);
    link::Session session(adapter, host, way);
    channel.sent = channel.received = channel.exchanges = 0;
    QElapsedTimer clock;
    clock.start();
    Figure f;
    f.ok = operation(session, host);
    f.ms = double(clock.nsecsElapsed()) / 1e6;
    f.exchanges = channel.exchanges;
    f.floorMs = double(channel.sent + channel.received) * 10.0 * 1000.0 / baud + double(kLatencyMs) * channel.exchanges;
    return f;
}

void print(const char* what, int baud, const Figure& f)
{
    std::printf("%-22s %6d baud  %4d exchanges  %8.0f ms  floor %8.0f ms  ratio %.3f  %s%s\n", what, baud,
                f.exchanges, f.ms, f.floorMs, f.ms / f.floorMs, f.ms <= 1.05 * f.floorMs ? "met" : "NOT met",
                f.ok ? "" : "  (operation FAILED)");
}

} // namespace

int main(int argc, char** argv)
{
    using namespace talmero;
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 1;
    QProcess sim;
    sim.start(QStringLiteral(TALMERO_SIM_PATH), {QStringLiteral("--adapter"), QStringLiteral("stn"),
                                                 QStringLiteral("--baud-timing"), QStringLiteral("--latency"),
                                                 QString::number(kLatencyMs)});
    if (!sim.waitForStarted() || !sim.waitForReadyRead(10000)) {
        std::fprintf(stderr, "talmero-sim did not start\n");
        return 1;
    }
    const QString path = QString::fromLocal8Bit(sim.readLine()).trimmed();
    QTemporaryDir folder;
    bool allOk = true;
    for (int round = 0; round < rounds; ++round) {
        for (int baud : {38400, 115200}) {
            const Figure backup = measure(path, baud, [&](link::Session& session, link::Host& host) {
                config::VehicleBackup b(session, host);
                return !b.BitBtnSaveAutoClick(QStringLiteral("WF0AXXGCDA1234567"), folder.path()).isEmpty();
            });
            print("backup (9 modules)", baud, backup);
            const Figure dtc = measure(path, baud, [&](link::Session& session, link::Host& host) {
                link::LinkState state;
                safety::SafetySettings settings;
                settings.journalPath = folder.filePath(QStringLiteral("journal.sqlite"));
                safety::WriteGate gate(session, host, state, settings);
                NoMemo memo;
                diag::TroubleCodes codes(gate, host, memo);
                codes.ButtonDTCClick();
                return codes.readingComplete();
            });
            print("trouble codes (11)", baud, dtc);
            allOk = allOk && backup.ok && dtc.ok;
        }
    }
    sim.terminate();
    sim.waitForFinished();
    return allOk ? 0 : 1;
}
