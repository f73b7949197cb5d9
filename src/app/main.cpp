#include "app/connection_settings.h"
#include "app/program.h"
#include "link/language.h"
#include "module_files/description_folders.h"

#include <QApplication>
#include <QIcon>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace {

// --help and --version are answered before the application object exists, so they work
// without a display; the texts are translated by hand, as no translator can be installed
// yet. Qt's own options (-platform, -style, ...) are left to QApplication.
void answerInformationOptions(int argc, char** argv)
{
    bool help = false;
    bool version = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        help = help || arg == "-h" || arg == "--help" || arg == "-help";
        version = version || arg == "-v" || arg == "--version" || arg == "-version";
    }
    if (version) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()), TALMERO_VERSION);
        std::exit(0);
    }
    if (!help)
        return;
    const auto choice = talmero::link::languageFromName(talmero::app::ConnectionSettings::load().language);
    QTranslator translator;
    if (talmero::link::speaksEnglish(choice.value_or(talmero::link::Language::System), talmero::link::messagesLocale()))
        (void)translator.load(QStringLiteral(":/i18n/talmero_en.qm"));
    const char* source = QT_TRANSLATE_NOOP("Main",
        "использование: %1 [-h | --help | -v | --version] [параметры окон Qt]\n"
        "Читает и изменяет заводскую конфигурацию модулей Ford Focus II через адаптер ELM327.\n"
        "\n"
        "  -h, --help     эта справка\n"
        "  -v, --version  версия программы\n"
        "Параметры окон Qt (-platform, -style, ...) тоже принимаются.\n");
    QString text = translator.translate("Main", source);
    if (text.isEmpty())
        text = QString::fromUtf8(source);
    std::fputs(qUtf8Printable(text.arg(QString::fromLocal8Bit(argv[0]))), stdout);
    std::exit(0);
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

    // Before any page exists: the description files add to the pages and modules.
    talmero::app::Program program(talmero::module_files::installDescriptionFolders(talmero::link::speaksRussian()));
    program.start();
    return application.exec();
}
