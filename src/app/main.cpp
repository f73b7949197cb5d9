#include "app/connection_settings.h"
#include "app/program.h"
#include "link/language.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <cstdio>
#include <cstdlib>

namespace {

// --help and --version are answered before the application object exists, so they work
// without a display. Qt's own options (-platform, -style, ...) are not known here and
// are left to QApplication.
void answerInformationOptions(int argc, char** argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Reads and changes the factory configuration of Ford Focus II modules through an "
        "ELM327 adapter.\nQt's window options (-platform, -style, ...) are accepted too."));
    // Not addHelpOption(): its --help-all lists Qt's options only once QApplication exists.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.parse(args); // unknown options are Qt's; QApplication takes them
    if (parser.isSet(version))
        parser.showVersion();
    if (parser.isSet(help)) {
        // Without an application object Qt cannot name the program in the usage line.
        QString text = parser.helpText();
        text.replace(QLatin1String("<executable_name>"), args.first());
        std::fputs(qPrintable(text), stdout);
        std::exit(0);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication::setApplicationName(QStringLiteral("TALMERO"));
    QApplication::setOrganizationName(talmero::app::ConnectionSettings::kOrganisation);
    QApplication::setApplicationVersion(QStringLiteral(TALMERO_VERSION));
    answerInformationOptions(argc, argv);

    QApplication application(argc, argv);
    // The user's choice, else the system's language; a change takes effect at the next start.
    const auto language = talmero::link::languageFromName(talmero::app::ConnectionSettings::load().language);
    talmero::link::installLanguage(application, language.value_or(talmero::link::Language::System));
    // Ties the window to its desktop entry (icon and name on Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral(TALMERO_APP_ID));
    // X11 takes the icon from the window itself.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/talmero.png")));

    talmero::app::Program program;
    program.start();
    return application.exec();
}
