#include "cli/commands.h"

#include "cli/cli_host.h"

namespace talmero::cli {

int CommandContext::fail(const QString& text)
{
    err << (text.startsWith(QLatin1String("! ")) ? text : QStringLiteral("! ") + text) << '\n';
    err.flush();
    return ExitFailed;
}

int CommandContext::usage(const QString& text)
{
    err << "talmero-cli: " << text << "\n\n" << usageText();
    err.flush();
    return ExitUsage;
}

bool isOfflineCommand(const QString& command)
{
    static const QStringList offline = {QStringLiteral("decode"), QStringLiteral("encode"),
                                        QStringLiteral("asbuilt"), QStringLiteral("open-backup")};
    return offline.contains(command);
}

int runCommand(CommandContext& ctx)
{
    if (!loadDescriptionFiles(ctx))
        return ExitUsage;
    if (ctx.args.words.first() == QLatin1String("modules"))
        return runModulesCommand(ctx);
    if (ctx.args.words.first() == QLatin1String("history"))
        return runJournalCommand(ctx);
    if (ctx.args.words.first() == QLatin1String("compare"))
        return runCompareCommand(ctx);
    if (ctx.args.words.first() == QLatin1String("restore"))
        return runRestoreCommand(ctx);
    if (ctx.args.words.first() == QLatin1String("dtc") && ctx.args.words.value(1) == QLatin1String("explain"))
        return runExplainCommand(ctx);
    if (isOfflineCommand(ctx.args.words.first())) {
        ctx.host.setWaiting(false); // nothing to confirm: decoder messages are only shown
        return runOfflineCommand(ctx);
    }
    return runCarCommand(ctx);
}

} // namespace talmero::cli
