#include "link/language.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace talmero::link {
namespace {

TEST(Language, RussianAndCLocalesKeepTheProgramsOwnTextsAndASettingWins)
{
    const struct {
        const char* locale;
        Language choice;
        bool english;
    } cases[] = {
        {"ru_RU", Language::System, false}, {"C", Language::System, false},   {"POSIX", Language::System, false},
        {"en_US", Language::System, true},  {"de_DE", Language::System, true}, {"uk_UA", Language::System, true},
        {"ru_RU", Language::English, true}, {"en_GB", Language::Russian, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(speaksEnglish(c.choice, QLocale(QLatin1String(c.locale))), c.english) << c.locale;
    EXPECT_EQ(languageFromName(QStringLiteral("en")), Language::English);
    EXPECT_EQ(languageFromName(QStringLiteral("de")), std::nullopt);
}

// The translation is built into the program and really turns a message into English.
TEST(Language, EnglishTranslationIsBuiltIn)
{
    ASSERT_TRUE(installLanguage(*QCoreApplication::instance(), Language::English));
    EXPECT_EQ(QCoreApplication::translate("WriteGate", "* Запись отменена").left(2), QStringLiteral("* "));
    EXPECT_FALSE(QCoreApplication::translate("WriteGate", "* Запись отменена").contains(QStringLiteral("Запись")));
}

} // namespace
} // namespace talmero::link
