#include "link/language.h"

#include <QCoreApplication>
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

QString languageName(Language language)
{
    switch (language) {
    case Language::English:
        return QStringLiteral("en");
    case Language::Russian:
        return QStringLiteral("ru");
    case Language::System:
        break;
    }
    return QStringLiteral("system");
}

bool speaksEnglish(Language choice, const QLocale& system)
{
    if (choice != Language::System)
        return choice == Language::English;
    return system.language() != QLocale::Russian && system.language() != QLocale::C;
}

bool installLanguage(QCoreApplication& app, Language choice, const QLocale& system)
{
    if (!speaksEnglish(choice, system))
        return true;
    // Built into every program: nothing beside the binary to go missing.
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral(":/i18n/talmero_en.qm"))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace talmero::link
