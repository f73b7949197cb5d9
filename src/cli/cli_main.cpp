// talmero-cli: the program's functions from the command line, for scripts and workshops.
#include "cli/cli_args.h"
#include "cli/cli_host.h"
#include "cli/commands.h"
#include "link/language.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // Qt Bluetooth's own remarks ("Using BlueZ LE DBus API") are not for the user, who is
    // told what failed and what to do; QT_LOGGING_RULES brings them back.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.bluetooth*.warning=false\nqt.bluetooth*.info=false"));
    // The same names as the window program: both keep one write journal.
    QCoreApplication::setApplicationName(QStringLiteral("TALMERO"));
    QCoreApplication::setOrganizationName(QStringLiteral("TALMERO"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALMERO_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList args = app.arguments();
    args.removeFirst();
    // An unknown value is said by the parser, in the system's language.
    const auto language = talmero::link::languageFromName(talmero::cli::langArgument(args));
    if (!talmero::link::installLanguage(app, language.value_or(talmero::link::Language::System)))
        err << "talmero-cli: the English translation could not be loaded\n";
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        out << talmero::cli::usageText();
        return 0;
    }
    QString error;
    const auto parsed = talmero::cli::parseArgs(args, error);
    talmero::cli::CliHost host(parsed && parsed->log, parsed && !parsed->yes);
    if (!parsed) {
        err << "talmero-cli: " << error << "\n\n" << talmero::cli::usageText();
        return talmero::cli::ExitUsage;
    }
    if (parsed->version) {
        out << "talmero-cli " << QCoreApplication::applicationVersion() << '\n';
        return 0;
    }
    talmero::cli::CommandContext ctx{*parsed, out, err, host};
    return talmero::cli::runCommand(ctx);
}
