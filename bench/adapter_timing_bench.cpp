// The adapter's own waiting: a backup, an 11-module trouble-code reading and one page write
// over a pseudo-terminal to talmero-sim --baud-timing --latency 30, with the ELM327's timing
// modelled (--timing elm) and without it (--timing instant), for the ELM327 with a switch,
// for the STN adapter and for a clone that refuses answer counts (--no-count), at 38400 and
// 115200 baud. The floor of each operation is its wire time plus one reply time per
// exchange, with no waiting. Beside each figure: the same operation measured before the
// requests carried answer counts, as the reference.
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
constexpr double kTarget = 1.10; // within this of the floor with the waiting modelled

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

// Measured with this benchmark before requests carried answer counts and before a module
// on the bus the adapter was on stopped costing a protocol command (commit 331e42d, same
// machine): exchanges, milliseconds, ratio to the floor.
struct Before {
    const char* adapter;
    const char* timing;
    int baud;
    const char* operation;
    int exchanges;
    int ms;
    double ratio;
};
constexpr Before kBefore[] = {
    {"elm327", "elm", 38400, "backup (9 modules)", 46, 4235, 2.37},
    {"elm327", "elm", 38400, "trouble codes (11)", 33, 3001, 2.50},
    {"elm327", "elm", 38400, "page write (IPC)", 16, 1544, 2.52},
    {"elm327", "elm", 115200, "backup (9 modules)", 46, 4283, 2.82},
    {"elm327", "elm", 115200, "trouble codes (11)", 33, 3007, 2.83},
    {"elm327", "elm", 115200, "page write (IPC)", 16, 1378, 2.63},
    {"elm327", "instant", 38400, "backup (9 modules)", 46, 1749, 0.98},
    {"elm327", "instant", 38400, "trouble codes (11)", 33, 1135, 0.94},
    {"elm327", "instant", 38400, "page write (IPC)", 16, 624, 1.02},
    {"elm327", "instant", 115200, "backup (9 modules)", 46, 1557, 1.03},
    {"elm327", "instant", 115200, "trouble codes (11)", 33, 1064, 1.00},
    {"elm327", "instant", 115200, "page write (IPC)", 16, 546, 1.04},
    {"stn", "elm", 38400, "backup (9 modules)", 46, 4290, 2.40},
    {"stn", "elm", 38400, "trouble codes (11)", 33, 3038, 2.52},
    {"stn", "elm", 38400, "page write (IPC)", 16, 1343, 2.18},
    {"stn", "elm", 115200, "backup (9 modules)", 46, 4228, 2.79},
    {"stn", "elm", 115200, "trouble codes (11)", 33, 3021, 2.85},
    {"stn", "elm", 115200, "page write (IPC)", 16, 1385, 2.64},
    {"stn", "instant", 38400, "backup (9 modules)", 46, 1753, 0.98},
    {"stn", "instant", 38400, "trouble codes (11)", 33, 1149, 0.95},
    {"stn", "instant", 38400, "page write (IPC)", 16, 625, 1.02},
    {"stn", "instant", 115200, "backup (9 modules)", 46, 1570, 1.03},
    {"stn", "instant", 115200, "trouble codes (11)", 33, 1057, 1.00},
    {"stn", "instant", 115200, "page write (IPC)", 16, 543, 1.03},
};

struct Row {
    const char* adapter;
    const char* timing;
    int baud;
    const char* operation;
    Figure figure;
};

void print(const Row& r)
{
    const double ratio = r.figure.ms / r.figure.floorMs;
    std::printf("%-7s %-8s %6d  %-20s ", r.adapter, r.timing, r.baud, r.operation);
    const Before* before = nullptr;
    for (const Before& b : kBefore) {
        if (!std::strcmp(b.adapter, r.adapter) && !std::strcmp(b.timing, r.timing) && b.baud == r.baud
            && !std::strcmp(b.operation, r.operation))
            before = &b;
    }
    if (before)
        std::printf("%4d %6d %5.2f", before->exchanges, before->ms, before->ratio);
    else
        std::printf("%4s %6s %5s", "-", "-", "-");
    std::printf("  | %4d %6.0f %6.0f %5.2f  %s%s\n", r.figure.exchanges, r.figure.ms, r.figure.floorMs, ratio,
                ratio <= kTarget ? "met" : "NOT met", r.figure.ok ? "" : "  (operation FAILED)");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 1;
    QTemporaryDir folder;
    const QString journal = folder.filePath(QStringLiteral("journal.sqlite"));
    std::printf("talmero-sim --baud-timing --latency %d; times in ms; target: within %.2fx of the floor\n",
                kLatencyMs, kTarget);
    std::printf("%-7s %-8s %6s  %-20s %-17s  | %s\n", "", "", "", "", "before (331e42d)", "now");
    std::printf("%-7s %-8s %6s  %-20s %4s %6s %5s  | %4s %6s %6s %5s\n", "adapter", "timing", "baud", "operation",
                "exch", "time", "ratio", "exch", "time", "floor", "ratio");
    bool allOk = true;
    for (int round = 0; round < rounds; ++round) {
        for (const char* adapter : {"elm327", "stn", "clone"}) {
            for (const char* timing : {"elm", "instant"}) {
                const bool clone = !std::strcmp(adapter, "clone");
                if (clone && !std::strcmp(timing, "instant"))
                    continue; // without the chip's waiting a count changes nothing
                QStringList args{QStringLiteral("--adapter"), clone ? QStringLiteral("elm327") : QLatin1String(adapter),
                                 QStringLiteral("--baud-timing"), QStringLiteral("--latency"),
                                 QString::number(kLatencyMs), QStringLiteral("--timing"), QLatin1String(timing)};
                if (clone)
                    args << QStringLiteral("--no-count");
                QProcess sim;
                sim.start(QStringLiteral(TALMERO_SIM_PATH), args);
                if (!sim.waitForStarted() || !sim.waitForReadyRead(10000)) {
                    std::fprintf(stderr, "talmero-sim did not start\n");
                    return 1;
                }
                const QString path = QString::fromLocal8Bit(sim.readLine()).trimmed();
                for (int baud : {38400, 115200}) {
                    AgreeingHost host;
                    const Figure backup = measure(host, path, baud, kLatencyMs, [&](link::Session& s, link::Host& h) {
                        config::VehicleBackup b(s, h);
                        return !b.BitBtnSaveAutoClick(QStringLiteral("WF0AXXGCDA1234567"), folder.path()).isEmpty();
                    });
                    print({adapter, timing, baud, "backup (9 modules)", backup});
                    const Figure dtc = measure(host, path, baud, kLatencyMs, [&](link::Session& s, link::Host& h) {
                        link::LinkState state;
                        safety::WriteGate gate(s, h, state, PageWrite::settings(journal));
                        NoMemo memo;
                        diag::TroubleCodes codes(gate, h, memo);
                        codes.ButtonDTCClick();
                        return codes.readingComplete();
                    });
                    print({adapter, timing, baud, "trouble codes (11)", dtc});
                    // The page is read first (not timed); one option changes; the write is timed.
                    std::unique_ptr<PageWrite> page;
                    const Figure write = measure(
                        host, path, baud, kLatencyMs,
                        [&](link::Session& s, link::Host& h) {
                            page = std::make_unique<PageWrite>(s, h, journal);
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
                    print({adapter, timing, baud, "page write (IPC)", write});
                    allOk = allOk && backup.ok && dtc.ok && write.ok;
                }
                sim.terminate();
                sim.waitForFinished();
            }
        }
    }
    return allOk ? 0 : 1;
}
