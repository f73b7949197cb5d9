#include "cli/car_link.h"
#include "cli/cli_host.h"
#include "cli/commands.h"
#include "config/car_restore.h"
#include "link/link_error.h"
#include "link/modules.h"
#include "safety/write_gate.h"

#include <QCoreApplication>

namespace talmero::cli {

namespace {

// The command line's host for a restore: the whole plan, then one question,
// "Restore N blocks to M modules? [y/N]", for the gate's one confirmation.
class RestoreHost : public link::Host {
public:
    RestoreHost(CliHost& base, bool yes) : m_base(base), m_yes(yes) {}

    void setPlan(const config::RestorePlan* plan, const config::CarRestore* restore)
    {
        m_plan = plan;
        m_restore = restore;
    }

    void log(const QString& line) override { m_base.log(line); }
    void notify(const QString& text) override { m_base.notify(text); }
    bool acknowledge(const QString& text) override { return m_base.acknowledge(text); }
    bool ask(const QString& question) override { return m_base.ask(question); }
    bool confirm(const link::ChangeRequest& request) override
    {
        if (!m_plan)
            return m_base.confirm(request);
        QString text = request.title + u'\n';
        if (m_plan->vinDiffers())
            text += config::vinLine(*m_plan) + u'\n';
        qsizetype blocks = request.parts.size();
        if (request.parts.isEmpty()) {
            text += partText({request.subject, request.changes, request.oldHex, request.newHex, {}});
            blocks = 1;
        }
        for (const link::ChangeRequest::Part& p : request.parts)
            text += partText(p);
        for (const QString& warning : request.warnings)
            text += QStringLiteral("! ") + warning + u'\n';
        for (const config::RestorePlan::LeftOut& l : m_plan->leftOut)
            text += QStringLiteral("! ") + l.text + u'\n';
        for (const QString& line : config::neverWrittenLines(*m_plan))
            text += line + u'\n';
        if (!request.battery.isEmpty())
            text += QCoreApplication::translate("Cli", "аккумулятор %1 В").arg(request.battery) + u'\n';
        text += backupOffer(request);
        QStringList modules = m_restore->partAddresses();
        modules.removeDuplicates();
        // The answers stay y and n in every language.
        const QString question = QCoreApplication::translate("Cli", "Восстановить %1 %2? [y/N] ")
                                     .arg(QCoreApplication::translate("Cli", "%n блоков", nullptr, int(blocks)),
                                          QCoreApplication::translate("Cli", "в %n модулях", nullptr, int(modules.size())));
        return answerYesNo(text, question, m_yes);
    }
    QList<bool> chooseParts(const link::ChangeRequest& request) override
    {
        return confirm(request) ? QList<bool>(request.parts.size(), true) : QList<bool>();
    }
    bool cancelRequested() const override { return m_base.cancelRequested(); }

private:
    CliHost& m_base;
    bool m_yes;
    const config::RestorePlan* m_plan = nullptr;
    const config::CarRestore* m_restore = nullptr;
};

int restore(CommandContext& ctx, CarLink& car)
{
    RestoreHost host(ctx.host, ctx.args.yes);
    safety::WriteGate gate(*car.session, host, car.state, car.safetySettings());
    // The car's configuration is saved before the first block anyway: that copy counts.
    if (!ctx.args.noBackup)
        gate.offerBackup(car.backupBeforeWrite(ctx.args, ctx.host, ctx.err));
    ctx.host.setWaiting(false);
    const auto file = config::readVehicleFile(ctx.args.words[1], ctx.host);
    if (!file)
        return ExitFailed;
    ctx.host.setWaiting(!ctx.args.yes);
    config::CarRestore restore(gate, host, car.state);
    config::CarRestore::Prepared prepared = restore.prepare(*file);
    std::optional<config::RestorePlan>& plan = prepared.plan;
    if (!plan)
        return ctx.fail(prepared.outcome, QCoreApplication::translate("Cli", "автомобиль не прочитан"));
    // Copying a car's settings to another car is a wish only when said so.
    if (plan->vinDiffers() && !ctx.args.otherCar) {
        QString car = plan->carVin;
        if (!plan->vinDisputed.isEmpty())
            car = QCoreApplication::translate("Cli", "(неизвестен: его модули расходятся, %1)").arg(plan->vinDisputed.join(QStringLiteral("; ")));
        else if (car.isEmpty() && !plan->vinUnconfirmed.isEmpty())
            car = QCoreApplication::translate("Cli", "(неизвестен: VIN дал только один модуль, %1, а панель приборов - нет)").arg(plan->vinUnconfirmed);
        else if (car.isEmpty())
            car = QCoreApplication::translate("Cli", "(VIN не прочитан: не ответили ни панель приборов, ни ABS, ни модуль фар, ни модуль рулевого управления)");
        return ctx.fail(QCoreApplication::translate("Cli", "файл автомобиля %1, а этот автомобиль %2: ничего не записано; "
                                                              "--other-car переносит его настройки на этот автомобиль")
                            .arg(plan->fileVin.isEmpty() ? QCoreApplication::translate("Cli", "(без VIN)") : plan->fileVin, car));
    }
    if (!ctx.args.only.isEmpty())
        plan = plan->only(ctx.args.only);
    if (!plan->unread.isEmpty()) {
        QStringList rest = plan->addresses();
        for (const config::RestorePlan::LeftOut& l : plan->leftOut)
            rest << l.address;
        rest.removeDuplicates();
        restore.run(*plan, false); // says which module and writes nothing
        const QString unread = QCoreApplication::translate("Cli", "модуль %1 не прочитан из автомобиля: ничего не записано").arg(plan->unread.join(QStringLiteral(", ")));
        return ctx.fail(rest.isEmpty() ? unread : QCoreApplication::translate("Cli", "%1; --only %2 восстанавливает остальные").arg(unread, rest.join(u',')));
    }
    host.setPlan(&*plan, &restore);
    const config::RestoreSummary summary = restore.run(*plan, false);
    if (summary.agreed) {
        const QStringList report = summary.report(*plan);
        ctx.out << report.first() << '\n';
        for (const QString& line : report.mid(1))
            ctx.out << "  " << line << '\n';
    }
    if (!summary.agreed) {
        return summary.outcome.kind == link::Outcome::Kind::Cancelled
            ? ctx.fail(QCoreApplication::translate("Cli", "ничего не записано"))
            : ctx.fail(summary.outcome, QCoreApplication::translate("Cli", "ничего не записано"));
    }
    // The car's configuration blocks equal the file's only when every one went on.
    return summary.complete() ? ExitOk : ExitFailed;
}

} // namespace

int runRestoreCommand(CommandContext& ctx)
{
    if (ctx.args.words.size() != 2)
        return ctx.usage(QCoreApplication::translate("Cli", "restore: нужен FILE"));
    if (ctx.args.port.isEmpty())
        return ctx.usage(needsPort(ctx.args.words[0]));
    for (const QString& address : ctx.args.only) {
        if (!link::moduleAt(address))
            return ctx.usage(QCoreApplication::translate("Cli", "--only: неизвестный адрес модуля %1").arg(address));
    }
    if (const QString problem = backupFolderProblem(ctx.args.dir); !problem.isEmpty())
        return ctx.fail(problem);
    try {
        CarLink car(ctx.args, ctx.host);
        return restore(ctx, car);
    } catch (const link::LinkError& e) {
        return ctx.fail(e.text());
    } catch (const link::OperationCancelled&) {
        return ctx.fail(link::Session::cancelledLine().mid(2));
    }
}

} // namespace talmero::cli
