#include "cli/commands.h"

#include "cli/cli_host.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace talmero::cli {

int CommandContext::fail(const QString& text)
{
    err << QStringLiteral("! ") << text << '\n';
    err.flush();
    return ExitFailed;
}

int CommandContext::fail(const link::Outcome& outcome)
{
    // A refusal or a decoder's message shown as a notice is on standard error already.
    return outcome.shown ? int(ExitFailed) : fail(outcome.text());
}

int CommandContext::fail(const link::Outcome& outcome, const QString& otherwise)
{
    return outcome.line.isEmpty() ? fail(otherwise) : fail(outcome);
}

void CommandContext::say(const QStringList& notes)
{
    if (host.echoesLog())
        return;
    for (const QString& note : notes)
        err << note << '\n';
    err.flush();
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

QString noArguments(const QString& command)
{
    return QCoreApplication::translate("Cli", "%1: аргументов нет").arg(command);
}

QString needsPort(const QString& command)
{
    return QCoreApplication::translate("Cli", "%1: нужен --port").arg(command);
}

QString backupFolderProblem(const QString& dir)
{
    const QFileInfo folder(dir);
    if (dir.isEmpty() || folder.isDir())
        return QString();
    return (folder.exists() ? QCoreApplication::translate("Cli", "%1 - не папка: ничего не записано")
                            : QCoreApplication::translate("Cli", "папки %1 нет: ничего не записано"))
        .arg(QDir::toNativeSeparators(dir));
}

namespace {

int dispatch(CommandContext& ctx)
{
    if (ctx.args.words.first() == QLatin1String("modules"))
        return runModulesCommand(ctx);
    if (ctx.args.words.first() == QLatin1String("adapters"))
        return runAdaptersCommand(ctx);
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

} // namespace

int runCommand(CommandContext& ctx)
{
    if (!loadDescriptionFiles(ctx))
        return ExitUsage;
    // --trust is kept only by a command line that was accepted and did what it asked.
    return keepTrust(ctx, dispatch(ctx));
}

} // namespace talmero::cli
