#pragma once

#include <QString>
#include <optional>

class QCoreApplication;

// Which language the program speaks: the Russian translation (the program's own Russian
// messages, its captions in Russian) or the English one.
namespace talmero::link {

enum class Language { System, English, Russian };

// "system", "en", "ru"; nullopt for anything else.
std::optional<Language> languageFromName(const QString& name);

// The locale the system asks messages in, as its environment names it ("ru_RU.UTF-8",
// "C", ...): LC_ALL, else LC_MESSAGES, else LANG, else the platform's own setting.
QString messagesLocale();

// A Russian messages locale keeps the program's own texts; any other locale speaks
// English, the C and POSIX locales and none at all included (a script, a container, a
// fresh system). A choice other than System overrides the locale.
bool speaksEnglish(Language choice, const QString& localeName);

// Installs the English translation when it is spoken, else the Russian one with Qt's own
// Russian texts where the system has them. False when it cannot be loaded (the program
// then speaks its own texts).
bool installLanguage(QCoreApplication& app, Language choice, const QString& localeName = messagesLocale());

// Whether the program speaks its own Russian texts (true until installLanguage chose English).
bool speaksRussian();

} // namespace talmero::link
