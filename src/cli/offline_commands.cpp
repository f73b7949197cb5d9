#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/config_page.h"
#include "config/config_transfer.h"
#include "config/pages.h"

namespace talmero::cli {

namespace {

// decode PAGE HEX / encode PAGE HEX: the block shown as if just read from the module.
int decodeOrEncode(CommandContext& ctx, bool encoding)
{
    const QStringList& w = ctx.args.words;
    if (w.size() != 3)
        return ctx.usage(w[0] + QStringLiteral(" takes PAGE HEX"));
    const auto page = ConfigPage::pageByCaption(w[1]);
    if (!page)
        return ctx.usage(QStringLiteral("unknown page ") + w[1]);
    if (!encoding && !ctx.args.sets.isEmpty())
        return ctx.usage(QStringLiteral("--set goes with encode"));

    ConfigPage cp(*page, ctx.host);
    cp.chooseSide(*page == config::PageDDM ? qMax(0, ctx.args.door) : ctx.args.part);
    const qsizetype noticesBefore = ctx.host.notices().size();
    if (!cp.showHex(w[2]))
        return ctx.fail(ctx.host.notices().size() > noticesBefore ? ctx.host.notices().last()
                                                                   : QStringLiteral("the block is refused"));
    if (!encoding) {
        ctx.out << cp.blockLine() << '\n';
        cp.writeListing(ctx.out);
        return ctx.host.notices().size() > noticesBefore ? ExitFailed : ExitOk;
    }
    if (!cp.view().enabled(QStringLiteral("ButtonCONFwrite")))
        return ctx.fail(QStringLiteral("this block can be shown but not written"));
    for (const QString& set : ctx.args.sets) {
        const QString error = cp.applySet(set);
        if (!error.isEmpty())
            return ctx.fail(error);
    }
    cp.panel().encode(cp.panel().pageBlock(*page));
    ctx.out << QStringLiteral("block ") << config::ConfigTransfer::writeData(cp.panel(), *page) << '\n';
    return ExitOk;
}

} // namespace

int runOfflineCommand(CommandContext& ctx)
{
    const QString& command = ctx.args.words.first();
    if (command == QLatin1String("decode"))
        return decodeOrEncode(ctx, false);
    if (command == QLatin1String("encode"))
        return decodeOrEncode(ctx, true);
    return ctx.usage(command + QStringLiteral(" is not available in this build"));
}

} // namespace talmero::cli
