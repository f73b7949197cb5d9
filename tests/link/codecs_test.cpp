#include "link/answer_text.h"
#include "link/codecs.h"
#include "link/printable_text.h"

#include <gtest/gtest.h>

namespace talmero::link {
namespace {

struct Conversion {
    const char* in;
    const char* out;
};

TEST(Hex2Bin, ConvertsDigitsAndFlagsBadInput)
{
    const Conversion cases[] = {
        {"a5", "10100101"},
        {"A5", "10100101"},
        {"0F", "00001111"},
        {"", ""},
        {"A 5", "0"},       // a blank inside spoils the whole text
        {"G1", "0"},
        {"12-", "0"},
        {"7", "0111"},      // an odd digit still converts
    };
    for (const auto& c : cases)
        EXPECT_EQ(HEX2BIN(QString::fromLatin1(c.in)), QString::fromLatin1(c.out)) << c.in;
}

TEST(Bin2Hex, PadsAndRejects)
{
    const Conversion cases[] = {
        {"101", "5"},
        {"00000000", "00"},
        {"0", "0"},
        {"012", "0"},
        {"", ""},
        {"1111000010100101", "F0A5"},
        {"000000001", "001"},
        {"1x11", "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BIN2HEX(QString::fromLatin1(c.in)), QString::fromLatin1(c.out)) << c.in;
}

TEST(Bin2Hex, UndoesHex2BinInUpperCase)
{
    for (const char* hex : {"00", "ff", "0123456789abcdef", "9E0731", "c31f804502"}) {
        const QString h = QString::fromLatin1(hex);
        EXPECT_EQ(BIN2HEX(HEX2BIN(h)), h.toUpper()) << hex;
    }
}

TEST(Nib2Hex, ErrorFlagIsStickyAndOnlySetOnBadGroups)
{
    bool error = false;
    EXPECT_EQ(NIB2HEX(QStringLiteral("1010"), error), QStringLiteral("A"));
    EXPECT_FALSE(error);
    EXPECT_EQ(NIB2HEX(QStringLiteral("10"), error), QString());
    EXPECT_TRUE(error);
    EXPECT_EQ(NIB2HEX(QStringLiteral("0000"), error), QStringLiteral("0"));
    EXPECT_TRUE(error);
}

TEST(SplitHex, GroupsPairsAndDropsOddDigit)
{
    const Conversion cases[] = {
        {"AABBCC", "AA BB CC"},
        {"AABBC", "AA BB"},
        {"AB", "AB"},
        {"A", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitHEX(QString::fromLatin1(c.in)), QString::fromLatin1(c.out)) << c.in;
}

TEST(Dtc2Text, LetterAndDigitFromTheFirstNibble)
{
    struct Case {
        const char* in;
        const char* code;
        const char* status;
    };
    const Case cases[] = {
        {"0123AF", "P0123", "AF"},
        {"C1234A", "U0123", "4A"},
        {"D00108", "U1001", "08"},
        {"534220", "C1342", "20"},
        {"A34220", "B2342", "20"},
        {"X12345", "P123", "45"}, // bad first digit: no second character
    };
    for (const auto& c : cases) {
        const DtcText dtc = DTC2TEXT(QString::fromLatin1(c.in));
        EXPECT_EQ(dtc.code, QString::fromLatin1(c.code)) << c.in;
        EXPECT_EQ(dtc.status, QString::fromLatin1(c.status)) << c.in;
    }
}

TEST(IsVin, SeventeenCharactersFromZeroToZ)
{
    EXPECT_TRUE(isVIN(QStringLiteral("WF0AXXGCDA1B23456")));
    EXPECT_TRUE(isVIN(QStringLiteral("00000000000000000")));
    EXPECT_TRUE(isVIN(QStringLiteral("WF0AXXGCDA1B2345:"))); // ':'..'@' lie inside the range
    EXPECT_TRUE(isVIN(QStringLiteral("IOQIOQIOQIOQIOQIO")));
    EXPECT_FALSE(isVIN(QStringLiteral("WF0AXXGCDA1B2345")));
    EXPECT_FALSE(isVIN(QStringLiteral("WF0AXXGCDA1B234567")));
    EXPECT_FALSE(isVIN(QStringLiteral("WF0AXXGCDA-B23456")));
    EXPECT_FALSE(isVIN(QStringLiteral("WF0AXXGCDA B23456")));
    EXPECT_FALSE(isVIN(QStringLiteral("wf0axxgcda1b23456"))); // the start window upper-cases first
    // Only a-z change case: a letter whose capital is longer keeps the VIN's length wrong.
    EXPECT_EQ(upperVIN(QStringLiteral("wf0axxgcda1b2345ß")), QStringLiteral("WF0AXXGCDA1B2345ß"));
    EXPECT_FALSE(isVIN(upperVIN(QStringLiteral("WF0AXXGCDA12345ß"))));
    EXPECT_EQ(upperVIN(QStringLiteral("wf0:é")), QStringLiteral("WF0:é"));
}

TEST(SqueezeCom, FoldsControlRunsIntoOneBlank)
{
    const Conversion cases[] = {
        {"\r\r>", ">"},
        {"ATZ\r\r\rELM327 v1.5\r\r>", "ATZ ELM327 v1.5 >"},
        {" \r\n\t\x01 ", ""},
        {"41 00 BE 3F B8 13 \r\r>", "41 00 BE 3F B8 13 >"},
        {"OK\r\n\r\n>", "OK >"},
    };
    for (const auto& c : cases) {
        QString text = QString::fromLatin1(c.in);
        squeezeCOM(text);
        EXPECT_EQ(text, QString::fromLatin1(c.out)) << c.in;
    }
    QString high = QString::fromLatin1("\xE9 \xFF\r");
    squeezeCOM(high);
    EXPECT_EQ(high, QString::fromLatin1("\xE9 \xFF")); // bytes above 127 are kept
}

// Letters of any script stay; what a terminal or a text layout would obey is written as its code.
TEST(PrintableText, KeepsLettersAndWritesCommandsAsCodes)
{
    const Conversion cases[] = {
        {"\x1b[2J\x1b]0;x\x07", "<1B>[2J<1B>]0;x<07>"},
        {"Пример flag 😀", "Пример flag 😀"},
        {"a\u202Eb\u200Bc\u2028d\u00ADe", "a<202E>b<200B>c<2028>d<AD>e"},
        {"\u009B31m\u007F\r\n\t", "<9B>31m<7F><0D><0A><09>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(printableText(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
    EXPECT_EQ(printableText(QString(QChar(0xD800)) + u'x'), QStringLiteral("<D800>x")); // a lone surrogate
}

TEST(CutCom, DropsOnlyBlanksAndPrompts)
{
    EXPECT_EQ(cutCOM(QStringLiteral("O K >")), QStringLiteral("OK"));
    EXPECT_EQ(cutCOM(QStringLiteral("50 87 >")), QStringLiteral("5087"));
    EXPECT_EQ(cutCOM(QStringLiteral("a\r>b> c")), QStringLiteral("a\rbc"));
    const QString longText = QString(5000, QLatin1Char('1')) + QStringLiteral(" >");
    EXPECT_EQ(cutCOM(longText).size(), 5000);
}

// Only hex digits in numbered, complete frames are data; whatever else came is named.
TEST(ClassifyAnswer, DataOnlyWhenWholeAndTheRestNamed)
{
    using K = ClassifiedAnswer::Kind;
    const struct {
        const char* in;
        K kind;
        const char* hexOrWords;
        bool spoiled;
    } cases[] = {
        {"61 00 CD 42 10 10 C0 >", K::Data, "6100CD421010C0", false},
        {"SEARCHING... 41 00 BE 3F B8 13", K::Data, "4100BE3FB813", false},
        {"009 0: 61 01 00 12 28 0E 1: 00 00 B0 55", K::Data, "61010012280E0000B0", false}, // padding
        {"0090:61010012280E1:0000B0", K::Data, "61010012280E0000B0", false},                // blanks cut
        {"7F 21 78 00A 0: 61 00 C3 1F 80 01 1: 02 03 04 05", K::Data, "6100C31F800102030405", false},
        {"009 0: 61 01 00 12 28 0E STOPPED", K::AdapterText, "STOPPED", true},
        {"BUS INIT: ...ERROR", K::AdapterText, "BUS INIT: ...ERROR", true},
        {"009 0: 61 01 00 12 28 0E FB ERROR", K::AdapterText, "FB ERROR", true},
        {"CAN ERROR", K::AdapterText, "CAN ERROR", true},
        {"NO DATA", K::AdapterText, "NO DATA", false},
        {"009 0: 61 01 00 12 28 0E 1: 00 00 BO", K::Garbled, "BO", true},
        {"009 0: 61 01 00 12 28 0E 2: 00 00 B0", K::Garbled, "2:", true},  // frame 1 missing
        {"009 0: 61 01 00 12 28 0 1: 00 00 B0", K::Garbled, "0:61010012280", true}, // half a byte
        {"009 0: 61 01 00 12 28 0E", K::Cut, "", true},
        {"7F 21 31", K::Refusal, "7F2131", false},
        {"7F 21 78", K::Busy, "7F2178", false},
        {"", K::Silent, "", false},
    };
    for (const auto& c : cases) {
        const ClassifiedAnswer a = classifyAnswer(QString::fromUtf8(c.in));
        EXPECT_EQ(a.kind, c.kind) << c.in;
        EXPECT_EQ(a.kind == K::AdapterText || a.kind == K::Garbled ? a.words : a.hex, QString::fromLatin1(c.hexOrWords)) << c.in;
        EXPECT_EQ(a.spoiled(), c.spoiled) << c.in;
    }
    // Frame numbers wrap after F: 0: to F: and 0: again, 6 + 16 * 7 + 1 bytes.
    QString wrapped = QStringLiteral("077 0: 61 02 00 00 00 00");
    for (int f = 1; f <= 17; ++f)
        wrapped += QStringLiteral(" %1: 00 00 00 00 00 00 00").arg(f % 16, 0, 16).toUpper().left(f == 17 ? 6 : 25);
    EXPECT_EQ(classifyAnswer(wrapped).hex, QStringLiteral("6102") + QString(2 * 117, u'0'));
}

} // namespace
} // namespace talmero::link
