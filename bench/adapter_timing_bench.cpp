// The adapter's own waiting: a backup, an 11-module trouble-code reading and one page write
// over a pseudo-terminal to talmero-sim --baud-timing --latency 30, with the ELM327's timing
// modelled (--timing elm) and without it (--timing instant), for the ELM327 with a switch
// and for the STN adapter, at 38400 and 115200 baud. The floor of each operation is its
// wire time plus one reply time per exchange, with no waiting.
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
    std::printf("%-7s %-8s %6d  %-20s %4d  %8.0f  %8.0f  %6.2f  %s%s\n", r.adapter, r.timing, r.baud, r.operation,
                r.figure.exchanges, r.figure.ms, r.figure.floorMs, ratio, ratio <= kTarget ? "met" : "NOT met",
                r.figure.ok ? "" : "  (operation FAILED)");
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
    std::printf("%-7s %-8s %6s  %-20s %4s  %8s  %8s  %6s\n", "adapter", "timing", "baud", "operation", "exch",
                "time", "floor", "ratio");
    bool allOk = true;
    for (int round = 0; round < rounds; ++round) {
        for (const char* adapter : {"elm327", "stn"}) {
            for (const char* timing : {"elm", "instant"}) {
                QProcess sim;
                sim.start(QStringLiteral(TALMERO_SIM_PATH),
                          {QStringLiteral("--adapter"), QLatin1String(adapter), QStringLiteral("--baud-timing"),
                           QStringLiteral("--latency"), QString::number(kLatencyMs), QStringLiteral("--timing"),
                           QLatin1String(timing)});
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
