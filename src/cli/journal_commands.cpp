#include "cli/car_link.h"
#include "cli/cli_host.h"
#include "cli/commands.h"
#include "link/printable_text.h"
#include "safety/journal.h"

#include <QCoreApplication>

namespace talmero::cli {

// history: one line per change, newest first, for scripts as much as for people. A block
// write reads "TIME VIN ADDRESS BLOCK OLD -> NEW OUTCOME", a restart or clearing "TIME VIN
// ADDRESS restart|clearing OUTCOME"; words after it say more: undone, unknown (the answer
// never came), damaged, vin-typed with connection=ID (a car whose VIN was not read: its
// rows belong to that connection only), module-vin=VIN, undoes=ID, batch=ID, and
// description-file=PATH@SHA256 per description file whose options it wrote (NAME@SHA256 in
// rows written before paths were kept). Only reads: no
// file is created, changed or set aside.
int runJournalCommand(CommandContext& ctx)
{
    if (ctx.args.words.size() != 1)
        return ctx.usage(QCoreApplication::translate("Cli", "history: аргументов нет, только --vin"));
    safety::Journal journal(CarLink::journalOf(ctx.args).path, safety::Journal::Use::ReadOnly);
    const auto entries = journal.entries(ctx.args.vinGiven ? ctx.args.vin : QString());
    if (!entries)
        return ctx.fail(QCoreApplication::translate("Cli", "! Журнал записей недоступен (%1)").arg(journal.error()));
    const QSet<qint64> undone = safety::Journal::undoneIds(*entries);
    for (const safety::JournalEntry& e : *entries) {
        ctx.out << e.time << ' ' << e.vin << ' ' << e.address << ' ';
        if (e.kind == QLatin1String(safety::kKindBlock))
            ctx.out << e.block << ' ' << e.oldHex << " -> " << e.newHex;
        else
            ctx.out << e.kind;
        ctx.out << ' ' << e.outcome;
        if (!e.wellFormed())
            ctx.out << " damaged";
        if (undone.contains(e.id))
            ctx.out << " undone";
        if (e.unknown())
            ctx.out << " unknown";
        if (e.vinSource == QLatin1String(safety::kVinTyped))
            ctx.out << " vin-typed connection=" << (e.connection.isEmpty() ? QStringLiteral("?") : e.connection);
        if (!e.moduleVin.isEmpty() && e.moduleVin != e.vin)
            ctx.out << " module-vin=" << e.moduleVin;
        if (e.undoes > 0)
            ctx.out << " undoes=" << e.undoes;
        if (e.batch > 0)
            ctx.out << " batch=" << e.batch;
        for (const safety::JournalFile& file : safety::descriptionFilesOf(e.descriptionFiles))
            ctx.out << " description-file=" << link::printableText(file.file) << '@' << link::printableText(file.sha256);
        ctx.out << '\n';
    }
    return ExitOk;
}

} // namespace talmero::cli
