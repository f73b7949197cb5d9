#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/config_page.h"
#include "config/asbuilt_conversion.h"
#include "config/asbuilt.h"
#include "config/backup_reader.h"
#include "config/config_transfer.h"
#include "config/pages.h"

#include <QCoreApplication>

namespace talmero::cli {

namespace {

// decode PAGE HEX / encode PAGE HEX: the block shown as if just read from the module.
int decodeOrEncode(CommandContext& ctx, bool encoding)
{
    const QStringList& w = ctx.args.words;
    if (w.size() != 3)
        return ctx.usage(QCoreApplication::translate("Cli", "%1: нужны PAGE HEX").arg(w[0]));
    const config::PageInfo* page = ConfigPage::pageByCaption(w[1]);
    if (!page)
        return ctx.usage(QCoreApplication::translate("Cli", "неизвестная страница %1").arg(w[1]));
    if (!encoding && !ctx.args.sets.isEmpty())
        return ctx.usage(QCoreApplication::translate("Cli", "--set только с encode"));

    ConfigPage cp(*page, ctx.host);
    cp.chooseSide(page->twoModules() ? qMax(0, ctx.args.door) : ctx.args.part);
    const link::Outcome shown = cp.showHex(w[2]);
    if (shown.kind == link::Outcome::Kind::Refused)
        return ctx.fail(shown, QCoreApplication::translate("Cli", "блок не принят"));
    if (!encoding) {
        ctx.out << cp.blockLine() << '\n';
        cp.writeListing(ctx.out);
        // A decoder's message (no known configuration) makes the decode a failure too.
        return shown.ok() ? ExitOk : ExitFailed;
    }
    for (const QString& set : ctx.args.sets) {
        const QString error = cp.applySet(set);
        if (!error.isEmpty())
            return ctx.fail(error);
    }
    // As in the window: the choice made decides, not the block as it came.
    if (!cp.panel().writable())
        return ctx.fail(QCoreApplication::translate("Cli", "этот блок можно показать, но не записать"));
    const config::BlockLayout& layout = cp.panel().pageBlock(*page);
    cp.panel().encode(layout);
    ctx.out << QStringLiteral("block ") << cp.panel().writeData(layout) << '\n';
    return ExitOk;
}

// The side of its page that shows an AS-BUILT line's block (the BCM part).
void showOnPage(ConfigPage& cp, const config::AsBuiltLine& line)
{
    const auto sides = cp.page().allSides();
    for (std::size_t side = 0; side < sides.size(); ++side) {
        if (sides[side].layout == line.layout)
            cp.chooseSide(int(side));
    }
}

// asbuilt decode ADDRESS DATA / asbuilt encode ADDRESS HEX
int asBuilt(CommandContext& ctx)
{
    const QStringList& w = ctx.args.words;
    if (w.size() < 4 || (w[1] != QLatin1String("decode") && w[1] != QLatin1String("encode")))
        return ctx.usage(QCoreApplication::translate("Cli", "asbuilt: decode ADDRESS DATA или encode ADDRESS HEX"));
    const config::AsBuiltLine* line = config::asBuiltLineByAddress(w[2]);
    if (!line) {
        QStringList known;
        for (const config::AsBuiltLine& l : config::asBuiltLines())
            known << l.address;
        return ctx.usage(QCoreApplication::translate("Cli", "строки AS-BUILT %1 нет ни у одного модуля; ADDRESS: %2")
                             .arg(w[2].left(16), known.join(QStringLiteral(", "))));
    }
    const link::Outcome invalid = link::Outcome::failed(link::Outcome::Kind::Refused,
        QCoreApplication::translate("AsBuiltConversion", config::AsBuiltConversion::kInvalidLine));
    const config::PageInfo* page = config::pageShowing(config::layoutOf(*line->layout));

    if (w[1] == QLatin1String("encode")) {
        if (w.size() != 4)
            return ctx.usage(QCoreApplication::translate("Cli", "asbuilt encode: нужны ADDRESS HEX"));
        // Only a block the page would show makes a line: the same checks as reading it back.
        const QString part = config::asBuiltDataPart(line->key, w[3]);
        if (part.isEmpty() || !config::readAsBuilt(line->key, part).valid)
            return ctx.fail(invalid);
        ctx.out << part << '\n';
        return ExitOk;
    }
    const config::AsBuiltReading reading = config::readAsBuilt(line->key, w.mid(3).join(QLatin1Char(' ')));
    if (!reading.valid)
        return ctx.fail(invalid);
    if (!page)
        return ctx.fail(invalid);
    ConfigPage cp(*page, ctx.host);
    showOnPage(cp, *line);
    if (const link::Outcome shown = cp.showHex(reading.data); shown.kind == link::Outcome::Kind::Refused)
        return ctx.fail(shown, invalid.text());
    ctx.out << cp.blockLine() << '\n';
    cp.writeListing(ctx.out);
    return ExitOk;
}

// open-backup FILE PAGE: the stored block, then the page as it shows it.
int openBackup(CommandContext& ctx)
{
    const QStringList& w = ctx.args.words;
    if (w.size() != 3)
        return ctx.usage(QCoreApplication::translate("Cli", "open-backup: нужны FILE PAGE"));
    const config::PageInfo* page = ConfigPage::pageByCaption(w[2]);
    if (!page)
        return ctx.usage(QCoreApplication::translate("Cli", "неизвестная страница %1").arg(w[2]));
    ConfigPage cp(*page, ctx.host);
    cp.chooseSide(page->twoModules() ? qMax(0, ctx.args.door) : ctx.args.part);

    const config::BackupChoice choice = config::backupChoice(cp.panel(), *page);
    const config::BackupLookup stored = config::readBackupBlock(w[1], choice.address, choice.index, ctx.host);
    if (!stored.outcome.ok())
        return ctx.fail(stored.outcome, QCoreApplication::translate("Cli", "файл не читается"));
    ctx.out << stored.block << '\n';

    const link::Outcome opened = config::BackupOpening(cp.panel(), ctx.host).ButtonCONFopenClick(*page, w[1]);
    if (!opened.ok() && opened.kind != link::Outcome::Kind::BlockRefused)
        return ctx.fail(opened, QCoreApplication::translate("Cli", "файл не читается"));
    ctx.out << cp.blockLine() << '\n';
    cp.writeListing(ctx.out);
    return opened.ok() ? ExitOk : ExitFailed;
}

} // namespace

int runOfflineCommand(CommandContext& ctx)
{
    const QString& command = ctx.args.words.first();
    if (command == QLatin1String("decode"))
        return decodeOrEncode(ctx, false);
    if (command == QLatin1String("encode"))
        return decodeOrEncode(ctx, true);
    if (command == QLatin1String("asbuilt"))
        return asBuilt(ctx);
    return openBackup(ctx);
}

} // namespace talmero::cli
