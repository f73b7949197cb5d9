#include "link/language.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace talmero::link {
namespace {

// A newcomer without a Russian locale (none at all, C or POSIX: a script, a container,
// a fresh system) gets English.
TEST(Language, OnlyARussianLocaleKeepsTheProgramsOwnTextsAndASettingWins)
{
    const struct {
        const char* locale;
        Language choice;
        bool english;
    } cases[] = {
        {"ru_RU.UTF-8", Language::System, false}, {"ru_RU", Language::System, false},
        {"ru", Language::System, false},          {"ru_UA.UTF-8@euro", Language::System, false},
        {"", Language::System, true},             {"C", Language::System, true},
        {"C.UTF-8", Language::System, true},      {"POSIX", Language::System, true},
        {"en_US.UTF-8", Language::System, true},  {"de_DE", Language::System, true},
        {"uk_UA", Language::System, true},        {"ru_RU.UTF-8", Language::English, true},
        {"C", Language::Russian, false},          {"en_GB", Language::Russian, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(speaksEnglish(c.choice, QString::fromLatin1(c.locale)), c.english) << c.locale;
    EXPECT_EQ(languageFromName(QStringLiteral("en")), Language::English);
    EXPECT_EQ(languageFromName(QStringLiteral("de")), std::nullopt);
}

// The translation is built into the program and really turns a message into English.
TEST(Language, EnglishTranslationIsBuiltIn)
{
    ASSERT_TRUE(installLanguage(*QCoreApplication::instance(), Language::English, QString()));
    EXPECT_EQ(QCoreApplication::translate("WriteGate", "* Запись отменена").left(2), QStringLiteral("* "));
    EXPECT_FALSE(QCoreApplication::translate("WriteGate", "* Запись отменена").contains(QStringLiteral("Запись")));
}

} // namespace
} // namespace talmero::link
