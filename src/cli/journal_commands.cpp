#include "cli/cli_host.h"
#include "cli/commands.h"
#include "safety/journal.h"

#include <QCoreApplication>

namespace talmero::cli {

// history: one line per write, newest first, for scripts as much as for people.
int runJournalCommand(CommandContext& ctx)
{
    if (ctx.args.words.size() != 1)
        return ctx.usage(QStringLiteral("history takes no arguments but --vin"));
    safety::Journal journal(ctx.args.journal);
    const auto entries = journal.entries(ctx.args.vinGiven ? ctx.args.vin : QString());
    if (!entries)
        return ctx.fail(QCoreApplication::translate("Cli", "! Журнал записей недоступен (%1)").arg(journal.error()));
    if (!journal.setAsideAs().isEmpty())
        ctx.err << QCoreApplication::translate("Cli", "! Журнал записей был повреждён и отложен как %1").arg(journal.setAsideAs())
                << '\n';
    for (const safety::JournalEntry& e : *entries) {
        ctx.out << e.time << ' ' << e.vin << ' ' << e.address << ' ' << e.block << ' ' << e.oldHex << " -> "
                << e.newHex << ' ' << e.outcome;
        // The rows of one confirmation (a whole-car restore, the door pair) share a number.
        if (e.batch != 0)
            ctx.out << " batch=" << e.batch;
        ctx.out << '\n';
    }
    return ExitOk;
}

} // namespace talmero::cli
