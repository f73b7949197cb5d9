// The adapter's own waiting: a backup, an 11-module trouble-code reading and one page write
// over a pseudo-terminal to talmero-sim --baud-timing --latency 30 --timing elm (the chip
// listens on after an answer until its time-out unless the request carried an answer count,
// AT ST and adaptive timing as set, a reset takes --reset-ms), for the ELM327 v1.5 with a
// switch, the STN adapter, a clone that refuses answer counts (--no-count) and an ELM327
// v1.2, at 38400 and 115200 baud. The floor of each operation is its wire time, one reply
// time per exchange and the reset time of the one reset its steps name, with no waiting.
// Beside each figure: the same operation measured on the program before its requests
// carried header and count in one line and before resets and repeated requests were cut.
#include "config/backup.h"
#include "config/config_panel.h"
#include "config/config_transfer.h"
#include "config/map_option_view.h"
#include "config/pages.h"
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
#include <cstring>
#include <memory>

namespace {

using namespace talmero;

constexpr int kLatencyMs = 30;
constexpr int kDefaultResetMs = 1000; // talmero-sim's default --reset-ms

class NoMemo : public diag::DtcMemo {
public:
    void appendMemo(const QString&) override {}
    void clearMemo() override {}
};

// Agrees to the one write it is shown.
class AgreeingHost : public SilentHost {
public:
    bool confirm(const link::ChangeRequest&) override { return true; }
};

// The configuration tab without a window, with its gate: what a page write needs.
struct PageWrite {
    PageWrite(link::Session& session, link::Host& host, const QString& journal)
        : view(true), panel(view, host), gate(session, host, state, settings(journal)), transfer(panel, gate, host)
    {
        panel.TabbedCONFChange(config::PageIPC, true);
    }
    static safety::SafetySettings settings(const QString& journal)
    {
        safety::SafetySettings s;
        s.journalPath = journal;
        return s;
    }
    config::MapOptionView view;
    config::ConfigPanel panel;
    link::LinkState state;
    safety::WriteGate gate;
    config::ConfigTransfer transfer;
};

// An adapter as talmero-sim offers it, and what it must reach.
struct AdapterKind {
    const char* name;
    QStringList args;
    double target;     // ratio to the floor
    int backupExchanges; // at most, for a backup; 0: no such target
};
const AdapterKind kAdapters[] = {
    {"elm327", {QStringLiteral("--adapter"), QStringLiteral("elm327")}, 1.05, 36},
    {"stn", {QStringLiteral("--adapter"), QStringLiteral("stn")}, 1.05, 28},
    {"clone", {QStringLiteral("--adapter"), QStringLiteral("elm327"), QStringLiteral("--no-count")}, 2.0, 0},
    {"v1.2", {QStringLiteral("--adapter"), QStringLiteral("elm327-v1.2")}, 2.0, 0},
};

// Measured with this benchmark on the program before this change, with the reset at 800 ms
// (a captured adapter's figure): that program waited 1 s for any answer and could not
// connect to an adapter whose reset takes 1 s. Exchanges, milliseconds, ratio to the floor.
struct Before {
    const char* adapter;
    int baud;
    const char* operation;
    int exchanges;
    int ms;
    double ratio;
};
constexpr Before kBefore[] = {
    {"elm327", 38400, "backup (9 modules)", 42, 2499, 1.01},
    {"elm327", 38400, "trouble codes (11)", 49, 2447, 0.93},
    {"elm327", 38400, "page write (IPC)", 16, 2238, 1.64},
    {"elm327", 115200, "backup (9 modules)", 42, 2322, 1.07},
    {"elm327", 115200, "trouble codes (11)", 49, 2332, 0.98},
    {"elm327", 115200, "page write (IPC)", 16, 2196, 1.73},
    {"stn", 38400, "backup (9 modules)", 42, 2504, 1.01},
    {"stn", 38400, "trouble codes (11)", 49, 2445, 0.93},
    {"stn", 38400, "page write (IPC)", 16, 2242, 1.65},
    {"stn", 115200, "backup (9 modules)", 42, 2318, 1.06},
    {"stn", 115200, "trouble codes (11)", 49, 2336, 0.99},
    {"stn", 115200, "page write (IPC)", 16, 2187, 1.73},
    {"clone", 38400, "backup (9 modules)", 40, 4780, 2.03},
    {"clone", 38400, "trouble codes (11)", 48, 5598, 2.20},
    {"clone", 38400, "page write (IPC)", 16, 2883, 2.13},
    {"clone", 115200, "backup (9 modules)", 40, 4761, 2.27},
    {"clone", 115200, "trouble codes (11)", 48, 5580, 2.40},
    {"clone", 115200, "page write (IPC)", 16, 2869, 2.27},
    {"v1.2", 38400, "backup (9 modules)", 39, 4750, 2.05},
    {"v1.2", 38400, "trouble codes (11)", 47, 5576, 2.23},
    {"v1.2", 38400, "page write (IPC)", 16, 2875, 2.12},
    {"v1.2", 115200, "backup (9 modules)", 39, 4737, 2.29},
    {"v1.2", 115200, "trouble codes (11)", 47, 5562, 2.43},
    {"v1.2", 115200, "page write (IPC)", 16, 2853, 2.26},
};

struct Row {
    const AdapterKind& adapter;
    int baud;
    const char* operation;
    Figure figure;
};

bool print(const Row& r)
{
    const double ratio = r.figure.ms / r.figure.floorMs;
    std::printf("%-7s %6d  %-20s ", r.adapter.name, r.baud, r.operation);
    const Before* before = nullptr;
    for (const Before& b : kBefore) {
        if (!std::strcmp(b.adapter, r.adapter.name) && b.baud == r.baud && !std::strcmp(b.operation, r.operation))
            before = &b;
    }
    if (before)
        std::printf("%4d %6d %5.2f", before->exchanges, before->ms, before->ratio);
    else
        std::printf("%4s %6s %5s", "-", "-", "-");
    const bool backup = !std::strncmp(r.operation, "backup", 6);
    const bool fewEnough = !backup || !r.adapter.backupExchanges || r.figure.exchanges <= r.adapter.backupExchanges;
    const bool met = ratio <= r.adapter.target && fewEnough && r.figure.ok;
    std::printf("  | %4d %3d %6.0f %6.0f %5.2f  %s%s\n", r.figure.exchanges, r.figure.resets, r.figure.ms,
                r.figure.floorMs, ratio, met ? "met" : "NOT met", r.figure.ok ? "" : "  (operation FAILED)");
    return met;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 1;
    // A second argument: the reset time the virtual adapter takes, in ms.
    const int kResetMs = argc > 2 ? std::atoi(argv[2]) : kDefaultResetMs;
    const FloorTimes kFloor{kLatencyMs, kResetMs, 1}; // every operation here names one reset
    QTemporaryDir folder;
    const QString journal = folder.filePath(QStringLiteral("journal.sqlite"));
    std::printf("talmero-sim --baud-timing --latency %d --timing elm (reset %d ms); times in ms\n", kLatencyMs,
                kResetMs);
    std::printf("targets: elm327 and stn within 1.05x of the floor, a backup in at most 36 (elm327) and 28 (stn)\n"
                "exchanges; clone and v1.2 within 2.0x\n");
    std::printf("%-7s %6s  %-20s %-17s  | %s\n", "", "", "", "before (reset 800)", "now");
    std::printf("%-7s %6s  %-20s %4s %6s %5s  | %4s %3s %6s %6s %5s\n", "adapter", "baud", "operation", "exch", "time",
                "ratio", "exch", "atz", "time", "floor", "ratio");
    bool allOk = true;
    bool allMet = true;
    for (int round = 0; round < rounds; ++round) {
        for (const AdapterKind& adapter : kAdapters) {
            QStringList args = adapter.args;
            args << QStringLiteral("--baud-timing") << QStringLiteral("--latency") << QString::number(kLatencyMs)
                 << QStringLiteral("--timing") << QStringLiteral("elm") << QStringLiteral("--reset-ms")
                 << QString::number(kResetMs);
            QProcess sim;
            sim.start(QStringLiteral(TALMERO_SIM_PATH), args);
            if (!sim.waitForStarted() || !sim.waitForReadyRead(10000)) {
                std::fprintf(stderr, "talmero-sim did not start\n");
                return 1;
            }
            const QString path = QString::fromLocal8Bit(sim.readLine()).trimmed();
            for (int baud : {38400, 115200}) {
                AgreeingHost host;
                const Figure backup = measure(host, path, baud, kFloor, [&](link::Session& s, link::Host& h) {
                    config::VehicleBackup b(s, h);
                    return !b.BitBtnSaveAutoClick(QStringLiteral("WF0AXXGCDA1234567"), folder.path()).isEmpty();
                });
                allMet = print({adapter, baud, "backup (9 modules)", backup}) && allMet;
                const Figure dtc = measure(host, path, baud, kFloor, [&](link::Session& s, link::Host& h) {
                    link::LinkState state;
                    safety::WriteGate gate(s, h, state, PageWrite::settings(journal));
                    NoMemo memo;
                    diag::TroubleCodes codes(gate, h, memo);
                    codes.ButtonDTCClick();
                    return codes.readingComplete();
                });
                allMet = print({adapter, baud, "trouble codes (11)", dtc}) && allMet;
                // The page is read first (not timed); one option changes; the write is timed.
                std::unique_ptr<PageWrite> page;
                const Figure write = measure(
                    host, path, baud, kFloor,
                    [&](link::Session& s, link::Host& h) {
                        page = std::make_unique<PageWrite>(s, h, journal);
                        // The journal's file is made once per installation, not per write.
                        page->gate.journal().open();
                        page->transfer.ButtonCONFreadClick(config::PageIPC);
                        const QString option = QStringLiteral("CheckBoxIPC02");
                        page->view.setChecked(option, !page->view.checked(option));
                        page->panel.onUserChange(option);
                        return page->view.enabled(QStringLiteral("ButtonCONFwrite"));
                    },
                    [&](link::Session&, link::Host&) {
                        const bool written = page->transfer.ButtonCONFwriteClick(config::PageIPC);
                        page.reset();
                        return written;
                    });
                page.reset();
                allMet = print({adapter, baud, "page write (IPC)", write}) && allMet;
                allOk = allOk && backup.ok && dtc.ok && write.ok;
            }
            sim.terminate();
            sim.waitForFinished();
        }
    }
    std::printf("%s\n", allMet ? "every target met" : "some targets NOT met");
    return allOk ? 0 : 1;
}
