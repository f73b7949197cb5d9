#include "link/language.h"

#include <QCoreApplication>
#include <QTranslator>
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
    // The tests that follow expect the program's own texts.
    installLanguage(*QCoreApplication::instance(), Language::Russian, QString());
    for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

// A counted text agrees with its number in either language: 1, 2 and 5 take three forms
// in Russian and two in English.
TEST(Language, CountedTextsAgreeWithTheirNumber)
{
    const struct {
        const char* context;
        const char* text;
        const char* en[3];
        const char* ru[3];
    } cases[] = {
        {"Cli", "%n блоков", {"1 block", "2 blocks", "5 blocks"}, {"1 блок", "2 блока", "5 блоков"}},
        {"Cli", "в %n модулях", {"to 1 module", "to 2 modules", "to 5 modules"}, {"в 1 модуле", "в 2 модулях", "в 5 модулях"}},
        {"WriteGate", "%n байт", {"1 byte", "2 bytes", "5 bytes"}, {"1 байт", "2 байта", "5 байт"}},
        {"Cli", "связь с адаптером потеряна после %n чтений",
         {"the link to the adapter was lost after 1 reading", "the link to the adapter was lost after 2 readings",
          "the link to the adapter was lost after 5 readings"},
         {"связь с адаптером потеряна после 1 чтения", "связь с адаптером потеряна после 2 чтений",
          "связь с адаптером потеряна после 5 чтений"}},
    };
    for (const bool english : {true, false}) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(english ? QStringLiteral(":/i18n/talmero_en.qm") : QStringLiteral(":/i18n/talmero_ru.qm")));
        QCoreApplication::installTranslator(&translator);
        for (const auto& c : cases) {
            const int counts[] = {1, 2, 5};
            for (int k = 0; k < 3; ++k) {
                EXPECT_EQ(QCoreApplication::translate(c.context, c.text, nullptr, counts[k]),
                          QString::fromUtf8(english ? c.en[k] : c.ru[k]));
            }
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

} // namespace
} // namespace talmero::link
