#include "cli/car_link.h"
#include "cli/cli_host.h"
#include "cli/commands.h"
#include "config/car_restore.h"
#include "link/link_error.h"
#include "link/modules.h"
#include "safety/write_gate.h"

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
            text += QStringLiteral("battery ") + request.battery + QStringLiteral(" V\n");
        QStringList modules = m_restore->partAddresses();
        modules.removeDuplicates();
        const QString question = QStringLiteral("Restore %1 blocks to %2 modules? [y/N] ").arg(blocks).arg(modules.size());
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
    const qsizetype from = ctx.host.lines().size();
    auto failure = [&](const QString& otherwise) {
        const QString logged = ctx.host.failureSince(from);
        return ctx.fail(logged.isEmpty() ? otherwise : logged);
    };

    ctx.host.setWaiting(false);
    const auto file = config::readVehicleFile(ctx.args.words[1], ctx.host);
    if (!file)
        return ExitFailed;
    ctx.host.setWaiting(!ctx.args.yes);
    config::CarRestore restore(gate, host, car.state);
    std::optional<config::RestorePlan> plan = restore.prepare(*file);
    if (!plan)
        return failure(QStringLiteral("the car was not read"));
    // Copying a car's settings to another car is a wish only when said so.
    if (plan->vinDiffers() && !ctx.args.otherCar) {
        QString car = plan->carVin;
        if (!plan->vinDisputed.isEmpty())
            car = QStringLiteral("(unknown: its modules disagree, %1)").arg(plan->vinDisputed.join(QStringLiteral("; ")));
        else if (car.isEmpty())
            car = QStringLiteral("(VIN not read: no instrument panel, ABS, headlamp or steering module answered)");
        return ctx.fail(QStringLiteral("the file is of the car %1, this car is %2: nothing was written; "
                                       "give --other-car to copy its settings to this car")
                            .arg(plan->fileVin.isEmpty() ? QStringLiteral("(no VIN)") : plan->fileVin, car));
    }
    if (!ctx.args.only.isEmpty())
        plan = plan->only(ctx.args.only);
    if (!plan->unread.isEmpty()) {
        QStringList rest = plan->addresses();
        for (const config::RestorePlan::LeftOut& l : plan->leftOut)
            rest << l.address;
        rest.removeDuplicates();
        restore.run(*plan, false); // says which module and writes nothing
        return ctx.fail(QStringLiteral("module %1 could not be read from the car: nothing was written%2")
                            .arg(plan->unread.join(QStringLiteral(", ")),
                                 rest.isEmpty() ? QString() : QStringLiteral("; --only ") + rest.join(u',') + QStringLiteral(" restores the rest")));
    }
    host.setPlan(&*plan, &restore);
    const config::RestoreSummary summary = restore.run(*plan, false);
    if (!summary.savedAs.isEmpty())
        ctx.out << "saved " << summary.savedAs << '\n';
    for (const QString& line : summary.lines())
        ctx.out << line << '\n';
    for (const config::RestorePlan::LeftOut& l : plan->leftOut)
        ctx.out << "! " << l.text << '\n';
    for (const QString& line : config::neverWrittenLines(*plan))
        ctx.out << line << '\n';
    if (plan->writes.isEmpty() && plan->leftOut.isEmpty())
        ctx.out << "nothing to restore\n";
    if (!summary.agreed)
        return failure(QStringLiteral("nothing was written"));
    // The car's configuration blocks equal the file's only when every one went on.
    return summary.complete() ? ExitOk : ExitFailed;
}

} // namespace

int runRestoreCommand(CommandContext& ctx)
{
    if (ctx.args.words.size() != 2)
        return ctx.usage(QStringLiteral("restore takes FILE"));
    if (ctx.args.port.isEmpty())
        return ctx.usage(QStringLiteral("restore needs --port"));
    for (const QString& address : ctx.args.only) {
        if (!link::moduleAt(address))
            return ctx.usage(QStringLiteral("--only: unknown module address ") + address);
    }
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
