#include "link/language.h"

#include <QCoreApplication>
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
    // Built into every program: nothing beside the binary to go missing. The program's
    // own texts need their Russian plural forms ("1 блок", "2 блока", "5 блоков").
    const bool english = speaksEnglish(choice, localeName);
    auto* translator = new QTranslator(&app);
    if (!translator->load(english ? QStringLiteral(":/i18n/talmero_en.qm") : QStringLiteral(":/i18n/talmero_ru.qm"))) {
        delete translator;
        russianSpoken() = true;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    russianSpoken() = !english;
    return true;
}

} // namespace talmero::link
