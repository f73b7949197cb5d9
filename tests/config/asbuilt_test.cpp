#include "asbuilt_dialog_double.h"
#include "qt_print.h"
#include "config/asbuilt.h"
#include "config/asbuilt_conversion.h"
#include "config/pages.h"
#include "link/codecs.h"
#include "panel_fixture.h"

#include <gtest/gtest.h>
#include "support/blocks.h"

using namespace talmero;
using namespace talmero::config;

namespace {

// ---- the line format, without a window ----

struct SumCase {
    const char* address;
    const char* data;
    int checksum;
    const char* generated;
};

const SumCase kSumCases[] = {
    {"720-01-01", "123456789A", 0xD7, "12 34 56 78 9A D7"},
    {"720-01-01", "12345678", 0x3D, "12 34 56 78 3D"},
    {"720-01-01", "0000000000", 0x29, "00 00 00 00 00 29"},
    {"726-02-01", "408122", 0x13, "40 81 22 13"},
    // The sum wraps at 256; a checksum under 0x10 keeps its leading zero.
    {"726-01-01", "FFFFFFFF", 0x2B, "FF FF FF FF 2B"},
    {"720-01-01", "DC000000", 0x05, "DC 00 00 00 05"},
    {"726-01-01", "aabbccdd", 0x3D, "AA BB CC DD 3D"},
};

TEST(AsBuiltLine, ChecksumAndGeneratedDataPart)
{
    for (const SumCase& c : kSumCases) {
        SCOPED_TRACE(c.data);
        const AsBuiltLine* line = asBuiltLineByAddress(QString::fromLatin1(c.address));
        ASSERT_NE(line, nullptr);
        const QString data = QString::fromLatin1(c.data);
        EXPECT_EQ(sumASBUILT(line->key, data), c.checksum);
        EXPECT_EQ(asBuiltDataPart(line->key, data), QString::fromLatin1(c.generated));
    }
    // Half a byte or a non-hex pair is no data to generate a line from.
    EXPECT_EQ(asBuiltDataPart({0x20, 1}, QStringLiteral("1234567")), QString());
    EXPECT_EQ(asBuiltDataPart({0x20, 1}, QStringLiteral("12G4")), QString());
    EXPECT_EQ(asBuiltDataPart({0x20, 1}, QString()), QString());
}

TEST(AsBuiltLine, ZeroTailIsCutOnlyWhenAllZero)
{
    const struct {
        const char* in;
        int n;
        const char* out;
    } cases[] = {
        {"1234567800", 8, "12345678"}, {"1234567801", 8, "1234567801"},
        {"123456", 8, "123456"},       {"12345678", 8, "12345678"},
        {"1234560000000", 10, "1234560000"}, {"12345678000010", 10, "12345678000010"},
    };
    for (const auto& c : cases) {
        QString text = QString::fromLatin1(c.in);
        trimZeroTail(text, c.n);
        EXPECT_EQ(text, QString::fromLatin1(c.out)) << c.in;
    }
}

TEST(AsBuiltLine, KeyComesFromTheWindowLabels)
{
    EXPECT_EQ(asBuiltKey(QStringLiteral("20"), QStringLiteral("01")), (AsBuiltKey{0x20, 1}));
    EXPECT_EQ(asBuiltKey(QStringLiteral("26"), QStringLiteral("01")), (AsBuiltKey{0x26, 1}));
    EXPECT_EQ(asBuiltKey(QStringLiteral("26"), QStringLiteral("02")), (AsBuiltKey{0x26, 2}));
    EXPECT_EQ(asBuiltKey(QStringLiteral("2X"), QStringLiteral("01")), std::nullopt);
    EXPECT_EQ(asBuiltKey(QStringLiteral("26"), QString()), std::nullopt);
}

struct ReadCase {
    const char* what;
    const char* address;
    const char* typed;
    const char* data; // nullptr: invalid
    const char* checksum = "";
};

const ReadCase kReadCases[] = {
    {"IPC 5 bytes", "720-01-01", "12 34 56 78 9A D7", "123456789A", "D7"},
    {"IPC fifth byte zero", "720-01-01", "12 34 56 78 00 3D", "12345678", "3D"},
    {"IPC 4 bytes", "720-01-01", "12 34 56 78 3D", "12345678", "3D"},
    {"no blanks, lower case", "720-01-01", "12345678003d", "12345678", "3d"},
    {"lower case data kept as typed", "720-01-01", "12 34 56 78 9a d7", "123456789a", "d7"},
    {"prompt and control blanks", "720-01-01", "\t12 34\n56\r\n78 9A D7 >", "123456789A", "D7"},
    {"> between pairs", "720-01-01", "12>34>56>78>9A>D7", "123456789A", "D7"},
    {"IPC zero sixth byte", "720-01-01", "12 34 56 78 9A 00 D7", "123456789A", "D7"},
    {"IPC zero sixth and seventh", "720-01-01", "12 34 56 78 9A 00 00 D7", "123456789A", "D7"},
    {"BCM 1 zero fifth byte", "726-01-01", "AA BB CC DD 00 3D", "AABBCCDD", "3D"},
    {"BCM 1", "726-01-01", "AA BB CC DD 3D", "AABBCCDD", "3D"},
    {"BCM 2", "726-02-01", "40 81 22 13", "408122", "13"},
    {"pasted with its address", "726-02-01", "726-02-01 4F1C029D", "4F1C02", "9D"},
    {"another line's address", "726-01-01", "726-02-01 4F1C029D", nullptr},
    {"dash", "720-01-01", "12-34-56-78-9A-D7", nullptr},
    {"letter", "720-01-01", "12 34 56 78 9G D7", nullptr},
    {"wrong checksum", "720-01-01", "12 34 56 78 9A D8", nullptr},
    {"checksum not hex", "720-01-01", "12 34 56 78 9A DX", nullptr},
    {"odd digits", "720-01-01", "12 34 56 78 9A D", nullptr},
    {"checksum alone", "720-01-01", "29", nullptr},
    {"empty", "720-01-01", "", nullptr},
    {"blanks only", "720-01-01", "  >  ", nullptr},
    {"IPC 3 bytes", "720-01-01", "12 34 56 D1", nullptr},
    {"IPC 6 bytes", "720-01-01", "12 34 56 78 9A 01 D8", nullptr},
    {"IPC zero fifth byte, non-zero sixth", "720-01-01", "12 34 56 78 00 01 3E", nullptr},
    {"BCM 1 non-zero fifth byte", "726-01-01", "AA BB CC DD 01 3E", nullptr},
    {"BCM 1 three bytes", "726-01-01", "AA BB CC 60", nullptr},
    // The keys of the two BCM lines differ by one: the checksum tells them apart.
    {"BCM 1 line at BCM 2 address", "726-02-01", "AA BB CC DD 3D", nullptr},
    {"BCM 2 four bytes", "726-02-01", "40 81 22 05 18", nullptr},
    {"no such line", "721-01-01", "12 34 56 78 3D", nullptr},
};

TEST(AsBuiltLine, ReadsValidLinesAndRejectsEveryFault)
{
    for (const ReadCase& c : kReadCases) {
        SCOPED_TRACE(c.what);
        const AsBuiltReading r = readAsBuilt(QString::fromLatin1(c.address), QString::fromLatin1(c.typed));
        EXPECT_EQ(r.valid, c.data != nullptr);
        if (c.data && r.valid) {
            EXPECT_EQ(r.data, QString::fromLatin1(c.data));
            EXPECT_EQ(r.checksum, QString::fromLatin1(c.checksum));
        }
    }
    // Its address byte and line add up to 726-02-01's: still no line of any module.
    EXPECT_EQ(readAsBuilt(QStringLiteral("727-01-01"), QStringLiteral("40 81 22 13")).problem,
              QStringLiteral("Строки AS-BUILT с адресом 727-01-01 нет ни у одного модуля"));
}

// ---- the two buttons over the panel ----

class AsBuiltTest : public PanelTest {
protected:
    // As the tab leaves things after turning to a page offline.
    void goTo(blocks::Page page, int bcmPart = 0)
    {
        view.setItem(QStringLiteral("RadioGroupBCMrd"), bcmPart);
        ASSERT_TRUE(panel.TabbedCONFChange(page, false));
    }
    // "Read AS-BUILT", typing the text and pressing OK.
    void readLine(blocks::Page page, const QString& typed)
    {
        dialog.onShow = [this, typed] {
            view.setText(QStringLiteral("Edit1"), typed);
            conversion.Button1Click();
        };
        conversion.ButtonCONFopenASBUILTClick(page);
        dialog.onShow = nullptr;
    }
    // "Generating AS-BUILT"; returns the entry as the open window shows it.
    QString generate(blocks::Page page)
    {
        QString shownEntry;
        dialog.onShow = [this, &shownEntry] { shownEntry = view.text(QStringLiteral("Edit1")); };
        conversion.ButtonCONFgetASBUILTClick(page);
        dialog.onShow = nullptr;
        return shownEntry;
    }

    AsBuiltDialogDouble dialog;
    AsBuiltConversion conversion{panel, dialog, host};
};

TEST_F(AsBuiltTest, ReadOpensAnEditableEntryAndShowsTheBlock)
{
    goTo(blocks::page("IPC"));
    dialog.onShow = [this] {
        EXPECT_EQ(view.text(QStringLiteral("Label5")),
                  QStringLiteral("Заполните строку с указанным адресом и нажмите OK"));
        EXPECT_FALSE(dialog.entryReadOnly);
        EXPECT_TRUE(view.visible(QStringLiteral("Button1")));
        EXPECT_EQ(view.text(QStringLiteral("Edit1")), QString());
        view.setText(QStringLiteral("Edit1"), QStringLiteral("12345678003d"));
        conversion.Button1Click();
    };
    conversion.ButtonCONFopenASBUILTClick(blocks::page("IPC"));

    EXPECT_EQ(dialog.closed, 1);
    EXPECT_EQ(host.lines, QStringList{QStringLiteral("* Прочитан AS-BUILT модуля IPC (Панель приборов) -> 12 34 56 78 3d")});
    EXPECT_EQ(panel.conf(blocks::IPC()), link::HEX2BIN(QStringLiteral("12345678")));
    EXPECT_TRUE(view.enabled(QStringLiteral("RadioGroupIPCrd")));
    EXPECT_EQ(view.item(QStringLiteral("RadioGroupIPCrd")), 1); // 4 bytes: "Pre FL"
    EXPECT_TRUE(view.enabled(QStringLiteral("ButtonCONFgetASBUILT")));
    EXPECT_TRUE(view.enabled(QStringLiteral("ButtonCONFwrite")));
}

TEST_F(AsBuiltTest, InvalidLineDecodesNothingAndKeepsTheWindowOpen)
{
    goTo(blocks::page("BCM"));
    readLine(blocks::page("BCM"), QStringLiteral("E3 D0 D4 FC B2"));
    ASSERT_TRUE(view.enabled(QStringLiteral("ButtonCONFgetASBUILT")));

    readLine(blocks::page("BCM"), QStringLiteral("E3 D0 D4 FC B3"));
    EXPECT_EQ(host.lines.last(), AsBuiltConversion::kInvalidLine);
    EXPECT_EQ(dialog.closed, 1); // the refused line stays to be corrected
    EXPECT_EQ(view.text(QStringLiteral("LabelProblem")), QStringLiteral("Неверная контрольная сумма B3, ожидается B2"));
    EXPECT_EQ(panel.conf(blocks::BCM1()), QString(32, u'0'));
    EXPECT_FALSE(view.enabled(QStringLiteral("ButtonCONFgetASBUILT")));
    EXPECT_FALSE(view.enabled(QStringLiteral("ButtonCONFwrite")));
    EXPECT_FALSE(view.checked(QStringLiteral("CheckBox1BCM07")));
}

TEST_F(AsBuiltTest, ClosingWithoutOkLeavesThePanelCleared)
{
    goTo(blocks::page("IPC"));
    readLine(blocks::page("IPC"), QStringLiteral("12 34 56 78 9A D7"));
    conversion.ButtonCONFopenASBUILTClick(blocks::page("IPC")); // closed at once
    EXPECT_EQ(dialog.closed, 1);
    EXPECT_EQ(host.lines.size(), 1);
    EXPECT_EQ(panel.conf(blocks::IPC()), QString(32, u'0'));
    EXPECT_FALSE(view.enabled(QStringLiteral("ButtonCONFgetASBUILT")));
}

TEST_F(AsBuiltTest, GeneratedBcmPart2LineIsShownReadOnlyThenThePanelIsCleared)
{
    goTo(blocks::page("BCM"), 1);
    ASSERT_EQ(view.text(QStringLiteral("Label3")), QStringLiteral("02"));
    readLine(blocks::page("BCM"), QStringLiteral("40 81 22 13"));
    ASSERT_EQ(panel.conf(blocks::BCM2()), link::HEX2BIN(QStringLiteral("408122")));

    dialog.onShow = [this] {
        EXPECT_EQ(view.text(QStringLiteral("Edit1")), QStringLiteral("40 81 22 13"));
        EXPECT_EQ(view.text(QStringLiteral("Label5")),
                  QStringLiteral("Скопируйте строку конфигурации для записи через IDS"));
        EXPECT_TRUE(dialog.entryReadOnly);
        EXPECT_FALSE(view.visible(QStringLiteral("Button1")));
    };
    conversion.ButtonCONFgetASBUILTClick(blocks::page("BCM"));
    EXPECT_EQ(dialog.shown, 2);
    EXPECT_EQ(host.lines.last(),
              QStringLiteral("* Сгенерирован AS-BUILT модуля BCM (GEM модуль) [Часть 2] -> 40 81 22 13"));
    EXPECT_EQ(view.text(QStringLiteral("Edit1")), QString());
    EXPECT_EQ(panel.conf(blocks::BCM2()), QString(24, u'0'));
    EXPECT_FALSE(view.enabled(QStringLiteral("ButtonCONFgetASBUILT")));

    // The next read starts with an empty entry, editable again.
    dialog.onShow = [this] {
        EXPECT_EQ(view.text(QStringLiteral("Edit1")), QString());
        EXPECT_FALSE(dialog.entryReadOnly);
        EXPECT_TRUE(view.visible(QStringLiteral("Button1")));
    };
    conversion.ButtonCONFopenASBUILTClick(blocks::page("BCM"));
}

TEST_F(AsBuiltTest, IpcLineLengthFollowsTheDashboardType)
{
    goTo(blocks::page("IPC"));
    readLine(blocks::page("IPC"), QStringLiteral("12 34 56 78 9A D7"));
    ASSERT_EQ(view.item(QStringLiteral("RadioGroupIPCrd")), 0);
    EXPECT_EQ(generate(blocks::page("IPC")), QStringLiteral("12 34 56 78 9A D7"));

    readLine(blocks::page("IPC"), QStringLiteral("12 34 56 78 9A D7"));
    view.setItem(QStringLiteral("RadioGroupIPCrd"), 1);
    panel.onUserChange(QStringLiteral("RadioGroupIPCrd"));
    EXPECT_EQ(generate(blocks::page("IPC")), QStringLiteral("12 34 56 78 3D"));
}

TEST_F(AsBuiltTest, GeneratingWithoutALineLogsAnErrorAndStillShowsTheWindow)
{
    ASSERT_TRUE(panel.TabbedCONFChange(blocks::page("ACM"), true)); // a page without a line
    EXPECT_EQ(generate(blocks::page("ACM")), QString());
    EXPECT_EQ(host.lines.last(), QStringLiteral("! Ошибка"));
    EXPECT_EQ(dialog.shown, 1);
}

// Offline, the whole way: a line read, one option changed, the new line generated and
// read back gives the edited block, and nothing else changed.
TEST_F(AsBuiltTest, OfflineRoundTripGivesTheEditedBlock)
{
    const struct {
        const char* what;
        blocks::Page page;
        int bcmPart;
        const char* block;
        const char* option;
        bool tick;
        const char* edited;
    } cases[] = {
        {"IPC", blocks::page("IPC"), 0, "CD421010C0", "CheckBoxIPC07", false, "4D421010C0"},
        {"BCM part 1", blocks::page("BCM"), 0, "E3D0D4FC", "CheckBox1BCM07", false, "63D0D4FC"},
        {"BCM part 2", blocks::page("BCM"), 1, "4F1C02", "CheckBox2BCM20", true, "4F1C03"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        goTo(c.page, c.bcmPart);
        const AsBuiltKey key = *asBuiltKey(view.text(QStringLiteral("Label2")), view.text(QStringLiteral("Label3")));
        readLine(c.page, asBuiltDataPart(key, QString::fromLatin1(c.block)));
        ASSERT_TRUE(view.enabled(QStringLiteral("ButtonCONFgetASBUILT")));

        const QString option = QString::fromLatin1(c.option);
        view.setChecked(option, c.tick);
        panel.onUserChange(option);
        const QString line = generate(c.page);
        EXPECT_EQ(line, asBuiltDataPart(key, QString::fromLatin1(c.edited)));

        readLine(c.page, line);
        EXPECT_EQ(panel.conf(panel.pageBlock(c.page)), link::HEX2BIN(QString::fromLatin1(c.edited)));
        EXPECT_EQ(view.checked(option), c.tick);
    }
    EXPECT_FALSE(host.lines.join(u'\n').contains(u'!'));
}

} // namespace
