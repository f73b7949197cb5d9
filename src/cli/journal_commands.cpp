#include "cli/cli_host.h"
#include "cli/commands.h"
#include "safety/journal.h"

namespace talmero::cli {

// history: one line per write, newest first, for scripts as much as for people.
int runJournalCommand(CommandContext& ctx)
{
    if (ctx.args.words.size() != 1)
        return ctx.usage(QStringLiteral("history takes no arguments but --vin"));
    safety::Journal journal(ctx.args.journal.isEmpty() ? safety::Journal::defaultPath() : ctx.args.journal);
    const auto entries = journal.entries(ctx.args.vinGiven ? ctx.args.vin : QString());
    if (!entries)
        return ctx.fail(QStringLiteral("! Журнал записей недоступен (") + journal.error() + QLatin1Char(')'));
    if (!journal.setAsideAs().isEmpty())
        ctx.err << "! Журнал записей был повреждён и отложен как " << journal.setAsideAs() << '\n';
    for (const safety::JournalEntry& e : *entries) {
        ctx.out << e.time << ' ' << e.vin << ' ' << e.address << ' ' << e.block << ' ' << e.oldHex << " -> "
                << e.newHex << ' ' << e.outcome << '\n';
    }
    return ExitOk;
}

} // namespace talmero::cli
