#include "link/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace talmero::link {

std::optional<Language> languageFromName(const QString& name)
{
    if (name == QLatin1String("system"))
        return Language::System;
    if (name == QLatin1String("en"))
        return Language::English;
    if (name == QLatin1String("ru"))
        return Language::Russian;
    return std::nullopt;
}

namespace {
bool& russianSpoken()
{
    static bool russian = true; // the program's own texts until a translation is installed
    return russian;
}
} // namespace

bool speaksRussian()
{
    return russianSpoken();
}

QString messagesLocale()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return QLocale::system().name();
}

bool speaksEnglish(Language choice, const QString& localeName)
{
    if (choice != Language::System)
        return choice == Language::English;
    // QLocale takes "ru", "ru_RU", "ru_RU.UTF-8" and "ru_RU@modifier" alike.
    return localeName.isEmpty() || QLocale(localeName).language() != QLocale::Russian;
}

bool installLanguage(QCoreApplication& app, Language choice, const QString& localeName)
{
    // Built into every program: nothing beside the binary to go missing. The Russian one
    // keeps the messages and gives the captions and the plural forms ("1 блок", "2 блока").
    const bool english = speaksEnglish(choice, localeName);
    auto* translator = new QTranslator(&app);
    if (!translator->load(english ? QStringLiteral(":/i18n/talmero_en.qm") : QStringLiteral(":/i18n/talmero_ru.qm"))) {
        delete translator;
        russianSpoken() = true;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    russianSpoken() = !english;
    // Qt's own buttons and dialogs (OK, Cancel, the file dialog) come from the system's
    // Qt translations; without them they stay English.
    if (!english) {
        auto* qt = new QTranslator(&app);
        if (qt->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
    }
    return true;
}

} // namespace talmero::link
