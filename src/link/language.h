#pragma once

#include <QLocale>
#include <QString>
#include <optional>

class QCoreApplication;

// Which language the program speaks: its own texts (Russian messages, English captions)
// or the English translation.
namespace talmero::link {

enum class Language { System, English, Russian };

// "system", "en", "ru"; nullopt for anything else.
std::optional<Language> languageFromName(const QString& name);
QString languageName(Language language);

// A Russian system locale, and the C and POSIX locales, keep the program's own texts;
// any other locale speaks English. A choice other than System overrides the locale.
bool speaksEnglish(Language choice, const QLocale& system);

// Installs the English translation when it is spoken. False when it should be spoken
// but cannot be loaded (the program then speaks its own texts).
bool installLanguage(QCoreApplication& app, Language choice, const QLocale& system = QLocale::system());

} // namespace talmero::link
