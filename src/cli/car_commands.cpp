#include "cli/car_link.h"
#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/config_page.h"
#include "config/backup.h"
#include "config/change_description.h"
#include "config/config_transfer.h"
#include "config/pages.h"
#include "diag/dtc_descriptions.h"
#include "diag/dtc_history.h"
#include "diag/dtc_memo.h"
#include "diag/live_data.h"
#include "diag/service_tab.h"
#include "diag/trouble_codes.h"
#include "link/codecs.h"
#include "link/link_error.h"
#include "link/printable_text.h"
#include "safety/write_gate.h"

#include <QCoreApplication>
#include <QScopeGuard>

#include <algorithm>

namespace talmero::cli {

namespace {

// The trouble-code memo as lines on standard output (or nowhere, for a quiet reading),
// each code's meaning on a line under it where descriptions are given.
class StreamMemo : public diag::DtcMemo {
public:
    explicit StreamMemo(QTextStream* out, const diag::DtcDescriptions* descriptions = nullptr)
        : m_out(out), m_descriptions(descriptions)
    {
    }
    void appendMemo(const QString& line) override
    {
        if (m_out)
            *m_out << line << '\n';
    }
    void clearMemo() override {}
    void codeListed(const QString& code, const QString& status) override
    {
        if (m_out && m_descriptions)
            *m_out << diag::meaningLine(code, status, *m_descriptions) << '\n';
    }
    void freezeFrameListed(const diag::FreezeFrame& frame) override
    {
        if (!m_out || !m_descriptions)
            return;
        for (const QString& line : diag::freezeFrameLines(frame, QStringLiteral("    ")))
            *m_out << line << '\n';
    }

private:
    QTextStream* m_out;
    const diag::DtcDescriptions* m_descriptions;
};

QLatin1String lowLatencyName(link::Channel::LowLatency state)
{
    switch (state) {
    case link::Channel::LowLatency::On:
        return QLatin1String("on");
    case link::Channel::LowLatency::Off:
        return QLatin1String("off");
    case link::Channel::LowLatency::NotApplicable:
        break;
    }
    return QLatin1String("n/a");
}

QString plainOnlyWithRead()
{
    return QCoreApplication::translate("Cli", "--plain только с dtc read");
}

struct CarCommand {
    CommandContext& ctx;
    CarLink& car;
    safety::WriteGate& gate;

    const QStringList& w() const { return ctx.args.words; }


    int readConfig()
    {
        if (w().size() != 2)
            return ctx.usage(QCoreApplication::translate("Cli", "read-config: нужен PAGE"));
        const config::PageInfo* page = ConfigPage::pageByCaption(w()[1]);
        if (!page)
            return ctx.usage(QCoreApplication::translate("Cli", "неизвестная страница %1").arg(w()[1]));
        ConfigPage cp(*page, ctx.host);
        cp.chooseSide(page->twoModules() ? qMax(0, ctx.args.door) : ctx.args.part);
        const link::Outcome read = config::ConfigTransfer(cp.panel(), gate, ctx.host).ButtonCONFreadClick(*page);
        if (!read.ok() && read.kind != link::Outcome::Kind::BlockRefused)
            return ctx.fail(read);
        ctx.out << cp.blockLine() << '\n';
        cp.writeListing(ctx.out);
        // A decoder's message (unknown or unconfigured block) makes the read a failure too.
        return read.ok() ? ExitOk : ExitFailed;
    }

    int writeConfig()
    {
        if (w().size() != 3)
            return ctx.usage(QCoreApplication::translate("Cli", "%1: нужны PAGE HEX").arg(w()[0]));
        const config::PageInfo* page = ConfigPage::pageByCaption(w()[1]);
        if (!page)
            return ctx.usage(QCoreApplication::translate("Cli", "неизвестная страница %1").arg(w()[1]));
        // --dash makes the page's choice by length: the dashboard type.
        const config::Option* dashboard = nullptr;
        for (const config::BlockLayout* layout : config::pageLayouts(*page)) {
            for (const config::Option& o : layout->options)
                dashboard = o.byLength ? &o : dashboard;
        }
        if (ctx.args.dash >= 0 && !dashboard)
            return ctx.usage(QCoreApplication::translate("Cli", "--dash только со страницей IPC"));
        ConfigPage cp(*page, ctx.host);
        if (!page->twoModules())
            cp.chooseSide(ctx.args.part);
        if (cp.showHex(w()[2]).kind == link::Outcome::Kind::Refused)
            return ctx.fail(QCoreApplication::translate("Cli", "этот блок не записать: страница его не принимает"));
        if (ctx.args.dash >= 0)
            cp.choose(config::qs(dashboard->name), ctx.args.dash);
        if (!cp.panel().writable())
            return ctx.fail(QCoreApplication::translate("Cli", "этот блок не записать: страница его не знает"));
        if (page->twoModules())
            cp.view().setItem(QStringLiteral("RadioGroupDDMw"), qMax(0, ctx.args.door));
        const config::PageWrite written = config::ConfigTransfer(cp.panel(), gate, ctx.host).ButtonCONFwriteClick(*page);
        if (!written.outcome.ok())
            return ctx.fail(written.outcome);
        // Written: what else went wrong (a journal row not completed) is said, not made a failure.
        ctx.say(written.notes);
        ctx.out << written.outcome.line << '\n';
        return ExitOk;
    }

    int dtc()
    {
        if (w().size() != 2 || (w()[1] != QLatin1String("read") && w()[1] != QLatin1String("clear")))
            return ctx.usage(QCoreApplication::translate("Cli", "dtc: read или clear"));
        const bool clearing = w()[1] == QLatin1String("clear");
        if (clearing && !ctx.args.save.isEmpty())
            return ctx.usage(QCoreApplication::translate("Cli", "--save только с dtc read"));
        if (clearing && ctx.args.plain)
            return ctx.usage(plainOnlyWithRead());
        const diag::DtcDescriptions descriptions = diag::DtcDescriptions::withUserFile();
        if (!ctx.args.plain) {
            for (const QString& line : descriptions.userFileReport())
                ctx.err << line << '\n';
        }
        StreamMemo quiet(nullptr);
        StreamMemo shown(&ctx.out, ctx.args.plain ? nullptr : &descriptions);
        // Clearing reaches the modules that reported codes, so a reading comes first.
        diag::TroubleCodes codes(gate, ctx.host, clearing ? static_cast<diag::DtcMemo&>(quiet) : shown);
        // The reading is kept under the car's own VIN, so that a scan finds it: asked first,
        // on the bus the reading starts on.
        gate.vin().find(nullptr, safety::CarVinFinder::Purpose::Reading);
        const link::Outcome read = codes.ButtonDTCClick();
        // Kept before anything else, also when the reading did not reach every module.
        const QString vin = car.state.carVin().known() || !ctx.args.vinGiven ? car.state.carVin().vin : ctx.args.vin;
        if (const QString error = codes.keepReading(vin); !error.isEmpty())
            ctx.err << QCoreApplication::translate("Cli", "чтение не сохранено в %1: %2").arg(diag::DtcHistory::pathOf(gate.journal().path()), error) << '\n';
        const diag::DtcReading& reading = codes.lastReading();
        if (!ctx.args.save.isEmpty()) {
            if (const QString error = diag::exportReadings(ctx.args.save, {reading}, descriptions); !error.isEmpty())
                return ctx.fail(QCoreApplication::translate("Cli", "не записать %1: %2").arg(ctx.args.save, error));
        }
        // Codes found are a result; a reading that did not reach every module is a failure.
        if (!read.ok())
            return ctx.fail(read);
        if (!clearing)
            return ExitOk;
        diag::TroubleCodes clearer(gate, ctx.host, shown);
        clearer.dtcHS = codes.dtcHS;
        clearer.dtcMS = codes.dtcMS;
        const link::Outcome cleared = clearer.ButtonDTCclearClick();
        if (cleared.ok())
            return ExitOk;
        return cleared.kind == link::Outcome::Kind::Cancelled ? ctx.fail(QCoreApplication::translate("Cli", "ничего не стёрто"))
                                                              : ctx.fail(cleared);
    }

    // Makes MODULE the current module; its choice of blocks, or nullopt after a usage error.
    std::optional<diag::ModuleChoice> chooseModule(int& exit)
    {
        const link::TModuls* module = link::findModule(w()[1].toUpper());
        if (!module) {
            exit = ctx.usage(QCoreApplication::translate("Cli", "неизвестный модуль %1").arg(w()[1]));
            return std::nullopt;
        }
        const std::vector<const car::Module*>& modules = car::catalog().modules;
        return diag::RadioGroupModClick(int(std::find(modules.begin(), modules.end(), module) - modules.begin()), car.state);
    }

    int service()
    {
        const QString& command = w()[0];
        const int wanted = command == QLatin1String("read-block") ? 3 : command == QLatin1String("write-block") ? 4 : 2;
        if (w().size() != wanted)
            return ctx.usage((wanted == 2   ? QCoreApplication::translate("Cli", "%1: нужен MODULE")
                              : wanted == 3 ? QCoreApplication::translate("Cli", "%1: нужны MODULE ADDR")
                                            : QCoreApplication::translate("Cli", "%1: нужны MODULE ADDR HEX"))
                                 .arg(command));
        int exit = ExitOk;
        const auto choice = chooseModule(exit);
        if (!choice)
            return exit;
        diag::ServiceTab tab(gate, ctx.host, car.state);
        if (command == QLatin1String("vin")) {
            if (!choice->vinAllowed)
                return ctx.fail(QCoreApplication::translate("Cli", "в этом модуле нет VIN"));
            const diag::ServiceResult read = tab.ButtonReadVINClick(choice->vinBlock);
            if (read.data.isEmpty())
                return ctx.fail(read.outcome, QCoreApplication::translate("Cli", "VIN не прочитан"));
            ctx.out << read.data << '\n';
            return ExitOk;
        }
        if (command == QLatin1String("restart")) {
            if (!choice->restartAllowed)
                return ctx.fail(QCoreApplication::translate("Cli", "этот модуль не перезагружается"));
            const link::Outcome restarted = tab.ButtonRestartClick();
            if (restarted.kind == link::Outcome::Kind::Cancelled)
                return ctx.fail(QCoreApplication::translate("Cli", "перезагрузка отклонена: ничего не отправлено"));
            if (!restarted.ok())
                return ctx.fail(restarted, QCoreApplication::translate("Cli", "модуль отказал в перезагрузке"));
            ctx.out << restarted.line << '\n';
            return ExitOk;
        }
        const QString address = diag::addressEditText(w()[2]);
        if (address.size() != 2 || address.size() != w()[2].size())
            return ctx.usage(QCoreApplication::translate("Cli", "ADDR - номер блока из двух шестнадцатеричных цифр"));
        if (command == QLatin1String("read-block")) {
            const diag::ServiceResult read = tab.ButtonReadEMClick(address);
            if (read.data.isEmpty())
                return ctx.fail(read.outcome, QCoreApplication::translate("Cli", "блок не прочитан"));
            ctx.out << link::printableText(read.data) << '\n';
            return ExitOk;
        }
        const diag::ServiceResult written = tab.ButtonWriteEMClick(address, w()[3]);
        if (!written.outcome.ok())
            return ctx.fail(written.outcome, QCoreApplication::translate("Cli", "блок не записан"));
        ctx.out << written.outcome.line << '\n';
        return ExitOk;
    }

    int backup()
    {
        if (w().size() != 1)
            return ctx.usage(QCoreApplication::translate("Cli", "backup: аргументов нет, только --dir"));
        const QString folder = CarLink::backupFolder(ctx.args);
        config::VehicleBackup backup(*car.session, ctx.host);
        backup.learnInto(car.state);
        backup.setFallbackAllowed(ctx.args.dir.isEmpty());
        if (ctx.args.log) {
            backup.setProgress([this](int number, int count, const car::Module&) {
                ctx.err << QCoreApplication::translate("Cli", "модуль %1 из %2").arg(number).arg(count) << '\n';
                ctx.err.flush();
            });
        }
        // The file is named after the VIN the car's modules hold; the one given is the
        // fallback.
        const config::BackupResult made = backup.BitBtnSaveAutoClick(ctx.args.vin, folder);
        if (made.path.isEmpty())
            return ctx.fail(made.outcome, QCoreApplication::translate("Cli", "файл не записан"));
        if (backup.vinRead().isEmpty())
            ctx.err << QCoreApplication::translate("Cli", "VIN автомобиля не прочитан; файл назван по %1").arg(ctx.args.vin) << '\n';
        // The file is there; what it lacks is said, not hidden.
        ctx.say(made.notes);
        ctx.out << made.path << '\n';
        // The file holds only what was read whole; a block that was not is a failure.
        return made.outcome.ok() ? ExitOk : ExitFailed;
    }

    // The newest write to this car that is not undone yet; a write whose answer never
    // came is settled by reading its block first.
    int undo()
    {
        if (w().size() != 1)
            return ctx.usage(QCoreApplication::translate("Cli", "undo: аргументов нет, только --force"));
        bool typed = false;
        const QString vin = gate.vin().find(&typed);
        // Without the car's own VIN, rows of other connections may be another car's.
        if (typed)
            return ctx.fail(QCoreApplication::translate("Cli", "VIN автомобиля не прочитан: записи других подключений под VIN %1 могут быть другого автомобиля и не отменяются").arg(vin));
        const std::optional<safety::JournalEntry> next = gate.nextToUndo();
        if (next) {
            const safety::JournalEntry& e = *next;
            const QString row = e.time + u' ' + e.address + u' ' + e.block + u' ' + e.newHex + QStringLiteral(" -> ") + e.oldHex;
            ctx.err << (e.batch > 0 ? QCoreApplication::translate("Cli", "отмена: %1 (вместе с остальными блоками пакета %2)").arg(row).arg(e.batch)
                                    : QCoreApplication::translate("Cli", "отмена: %1").arg(row))
                    << '\n';
            ctx.err.flush();
            const safety::BatchResult undone = gate.undo(e, config::describeUndo(), ctx.args.force);
            const link::Outcome outcome = undone.summary();
            if (!outcome.ok())
                return ctx.fail(outcome, QCoreApplication::translate("Cli", "ничего не восстановлено"));
            ctx.say(undone.notes);
            ctx.out << outcome.line << '\n';
            return ExitOk;
        }
        return ctx.fail(QCoreApplication::translate("Cli", "в журнале нет неотменённой записи в автомобиль %1").arg(vin));
    }

    // What the adapter said at connecting, and the way the buses will be switched.
    int adapter()
    {
        if (w().size() != 1)
            return ctx.usage(noArguments(w()[0]));
        const link::AdapterIdentity& id = car.identity;
        const link::SwitchWay& way = car.session->way();
        QString wayName = QStringLiteral("prompt");
        if (way.kind == link::SwitchWay::Kind::Stn)
            wayName = QStringLiteral("stn");
        else if (way.kind == link::SwitchWay::Kind::Relay)
            wayName = QLatin1String(way.line == link::ControlLine::Rts ? "rts" : "dtr")
                      + QLatin1String(way.inverted ? "-inverted" : "");
        ctx.out << "reset: " << id.reset << '\n'
                << "ati: " << id.version << '\n'
                << "sti: " << (id.isStn() ? id.firmware : QStringLiteral("?")) << '\n'
                << "stdi: " << id.device << '\n'
                << "bus-switch: " << wayName << '\n'
                << "low-latency: " << lowLatencyName(car.channel->lowLatency()) << '\n';
        return ExitOk;
    }

    int dispatch(const QString& command)
    {
        if (command == QLatin1String("adapter"))
            return adapter();
        if (command == QLatin1String("read-config"))
            return readConfig();
        if (command == QLatin1String("write-config"))
            return writeConfig();
        if (command == QLatin1String("dtc"))
            return dtc();
        if (command == QLatin1String("backup"))
            return backup();
        if (command == QLatin1String("undo"))
            return undo();
        if (command == QLatin1String("scan"))
            return scanModules(ctx, car);
        if (command == QLatin1String("readiness"))
            return readinessCommand(ctx, car);
        if (command == QLatin1String("voltage") || command == QLatin1String("live"))
            return live();
        return service();
    }

    int live()
    {
        if (w().size() != 1)
            return ctx.usage(noArguments(w()[0]));
        if (w()[0] == QLatin1String("live") && (!ctx.args.values.isEmpty() || ctx.args.seconds > 0 || !ctx.args.csv.isEmpty()))
            return recordLiveValues(ctx, *car.session);
        // The pass's output is its log, then the time it took; the voltage's its line.
        diag::LiveData data(*car.session, ctx.host);
        const bool voltage = w()[0] == QLatin1String("voltage");
        QStringList log;
        ctx.host.copyLogTo(&log);
        const auto stopCopying = qScopeGuard([this] { ctx.host.copyLogTo(nullptr); });
        const link::Outcome done = voltage ? data.readVoltage() : data.timedPass();
        if (!done.ok())
            return ctx.fail(done);
        if (!voltage) {
            for (const QString& line : std::as_const(log))
                ctx.out << line << '\n';
        }
        ctx.out << done.line << '\n';
        return ExitOk;
    }
};

} // namespace

int runCarCommand(CommandContext& ctx)
{
    static const QStringList known = {QStringLiteral("read-config"), QStringLiteral("write-config"),
                                      QStringLiteral("dtc"), QStringLiteral("backup"), QStringLiteral("vin"), QStringLiteral("read-block"),
                                      QStringLiteral("write-block"), QStringLiteral("restart"),
                                      QStringLiteral("voltage"), QStringLiteral("live"), QStringLiteral("undo"),
                                      QStringLiteral("adapter"), QStringLiteral("scan"), QStringLiteral("readiness")};
    const QString& command = ctx.args.words.first();
    if (!known.contains(command))
        return ctx.usage(QCoreApplication::translate("Cli", "неизвестная команда %1").arg(command));
    if (ctx.args.port.isEmpty())
        return ctx.usage(needsPort(command));
    if (ctx.args.plain && command != QLatin1String("dtc"))
        return ctx.usage(plainOnlyWithRead());
    if ((!ctx.args.values.isEmpty() || ctx.args.seconds > 0 || !ctx.args.csv.isEmpty()) && command != QLatin1String("live"))
        return ctx.usage(QCoreApplication::translate("Cli", "--values, --seconds и --csv только с live"));
    if (const QString problem = backupFolderProblem(ctx.args.dir); !problem.isEmpty())
        return ctx.fail(problem);

    std::unique_ptr<CarLink> car;
    try {
        car = std::make_unique<CarLink>(ctx.args, ctx.host);
    } catch (const link::LinkError& e) {
        return ctx.fail(e.text());
    }
    if (ctx.args.force && command != QLatin1String("undo"))
        return ctx.usage(QCoreApplication::translate("Cli", "--force только с undo"));
    safety::WriteGate gate(*car->session, ctx.host, car->state, car->safetySettings());
    if (!ctx.args.noBackup)
        gate.offerBackup(car->backupBeforeWrite(ctx.args, ctx.host, ctx.err));
    CarCommand run{ctx, *car, gate};
    try {
        return run.dispatch(command);
    } catch (const link::OperationCancelled&) {
        return ctx.fail(link::Session::cancelledLine().mid(2));
    } catch (const link::LinkError& e) {
        return ctx.fail(e.text());
    }
}

} // namespace talmero::cli
