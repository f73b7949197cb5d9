// The two long operations (9-module backup, 11-module trouble-code reading) over a
// pseudo-terminal to talmero-sim --adapter stn --baud-timing --latency 30 --timing instant,
// against their wire-and-latency floor: every byte sent and received at the rate, plus one
// adapter latency per exchange. The adapter answers at once: this measures the program.
#include "config/backup.h"
#include "diag/dtc_memo.h"
#include "diag/trouble_codes.h"
#include "link_measure.h"
#include "link/modules.h"
#include "safety/write_gate.h"
#include "silent_host.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kLatencyMs = 30;
// Without the chip's timing a reset answers in the reply time; each operation names one.
constexpr FloorTimes kFloor{kLatencyMs, kLatencyMs, 1};

class NoMemo : public talmero::diag::DtcMemo {
public:
    void appendMemo(const QString&) override {}
    void clearMemo() override {}
};

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
                                                 QString::number(kLatencyMs), QStringLiteral("--timing"),
                                                 QStringLiteral("instant")});
    if (!sim.waitForStarted() || !sim.waitForReadyRead(10000)) {
        std::fprintf(stderr, "talmero-sim did not start\n");
        return 1;
    }
    const QString path = QString::fromLocal8Bit(sim.readLine()).trimmed();
    QTemporaryDir folder;
    bool allOk = true;
    for (int round = 0; round < rounds; ++round) {
        for (int baud : {38400, 115200}) {
            SilentHost silent;
            const Figure backup = measure(silent, path, baud, kFloor, [&](link::Session& session, link::Host& host) {
                config::VehicleBackup b(session, host);
                return !b.BitBtnSaveAutoClick(QStringLiteral("WF0AXXGCDA1234567"), folder.path()).isEmpty();
            });
            print("backup (9 modules)", baud, backup);
            const Figure dtc = measure(silent, path, baud, kFloor, [&](link::Session& session, link::Host& host) {
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
