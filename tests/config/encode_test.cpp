#include "panel_fixture.h"

#include "config/option_view.h"
#include "support/blocks.h"

using namespace talmero::config;

namespace {

// Bytes that a page shows as something it would write differently: left alone, they
// must go back exactly as read, even when another option of the block is changed.
struct LossyCase {
    const char* what;
    blocks::Block block;
    QString input;
    const char* otherOption; // an unrelated flag the user toggles; nullptr: no edit
    int otherPosition;
};

TEST_F(PanelTest, UnchangedOptionsWriteBackExactlyWhatWasRead)
{
    const QString rcm = bitsWith(32, {2, 9, 10, 11, 12, 15});
    const LossyCase cases[] = {
        {"HVAC 04 shown as ordinary glass", blocks::HVAC(), QStringLiteral("00000100"), nullptr, 0},
        {"HVAC 08", blocks::HVAC(), QStringLiteral("00001000"), nullptr, 0},
        {"HVAC 0C", blocks::HVAC(), QStringLiteral("00001100"), nullptr, 0},
        {"HVAC 48", blocks::HVAC(), QStringLiteral("01001000"), nullptr, 0},
        {"HVAC 84", blocks::HVAC(), QStringLiteral("10000100"), nullptr, 0},
        {"RCM type 10 shown as pre-facelift", blocks::RCM(), rcm, "CheckBoxRCM02", 6},
        {"IPC 18-19 reading 10", blocks::IPC(), bitsWith(40, {18}), "CheckBoxIPC07", 1},
        {"BCM1 7/10 reading 1/0", blocks::BCM1(), bitsWith(32, {7}), "CheckBox1BCM00", 8},
        {"BCM1 25-29 reading 11110", blocks::BCM1(), bitsWith(32, {25, 26, 27, 28}), "CheckBox1BCM31", 31},
        {"ACM upholstery 11 and speakers 10", blocks::ACM(), bitsWith(24, {3, 4, 19}), "CheckBoxACMr", 1},
        {"IPC 4-byte keeps ESP and DDS", blocks::IPC(), bitsWith(32, {5, 8}), "CheckBoxIPC07", 1},
    };
    for (const LossyCase& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(show(c.block, c.input));
        QString expected = c.input;
        if (c.otherOption) {
            const QString name = QString::fromLatin1(c.otherOption);
            view.setChecked(name, !view.checked(name));
            expected[c.otherPosition - 1] = expected[c.otherPosition - 1] == u'1' ? u'0' : u'1';
        }
        panel.encode(c.block);
        EXPECT_EQ(panel.conf(c.block), expected);
    }
}

TEST_F(PanelTest, ChangedOptionsWriteTheirWholePattern)
{
    show(blocks::IPC(), bitsWith(40, {18}));
    view.setChecked(QStringLiteral("CheckBoxIPC26"), true);
    panel.encode(blocks::IPC());
    EXPECT_EQ(panel.conf(blocks::IPC()), bitsWith(40, {18, 19}));

    show(blocks::BCM1(), bitsWith(32, {25, 26, 27, 28, 29}));
    view.setChecked(QStringLiteral("CheckBox1BCM34"), false);
    panel.encode(blocks::BCM1());
    EXPECT_EQ(panel.conf(blocks::BCM1()), bitsWith(32, {}));

    show(blocks::HVAC(), QStringLiteral("01000100"), QStringLiteral("44"));
    view.setItem(QStringLiteral("RadioGroupHVAC"), 2);
    panel.encode(blocks::HVAC());
    EXPECT_EQ(panel.conf(blocks::HVAC()), QStringLiteral("11000000"));

    show(blocks::RCM(), bitsWith(32, {2, 9, 10, 11, 12, 15}));
    view.setItem(QStringLiteral("RadioGroupRCM"), 1);
    panel.encode(blocks::RCM());
    EXPECT_EQ(panel.conf(blocks::RCM()), bitsWith(32, {2, 9, 11, 12, 14, 15}));

    show(blocks::HCM(), QStringLiteral("03"));
    view.setItem(QStringLiteral("RadioGroupHCM1"), 3);
    panel.encode(blocks::HCM());
    EXPECT_EQ(panel.conf(blocks::HCM()), QStringLiteral("05"));
}

TEST_F(PanelTest, OtherItemsAndUnencodedChoicesLeaveTheBlock)
{
    show(blocks::HVAC(), QStringLiteral("01000000"));
    view.setItem(QStringLiteral("RadioGroupHVAC"), 4);
    panel.encode(blocks::HVAC());
    EXPECT_EQ(panel.conf(blocks::HVAC()), QStringLiteral("01000000"));

    show(blocks::HCM(), QStringLiteral("04010001"));
    view.setItem(QStringLiteral("RadioGroupHCM2"), 3);
    panel.encode(blocks::HCM());
    EXPECT_EQ(panel.conf(blocks::HCM()), QStringLiteral("04010001"));

    // The dashboard type and the brake module type are never written.
    show(blocks::IPC(), bitsWith(40, {}));
    view.setItem(QStringLiteral("RadioGroupIPCrd"), 1);
    panel.encode(blocks::IPC());
    EXPECT_EQ(panel.conf(blocks::IPC()), bitsWith(40, {}));
    show(blocks::ABS(), QStringLiteral("01000000"));
    view.setItem(QStringLiteral("RadioGroupABS"), 0);
    panel.encode(blocks::ABS());
    EXPECT_EQ(panel.conf(blocks::ABS()), QStringLiteral("01000000"));
}

TEST_F(PanelTest, EncodeNeverChangesTheLength)
{
    show(blocks::IPC(), bitsWith(32, {}));
    view.setChecked(QStringLiteral("CheckBoxIPC47"), true); // byte 4 does not exist here
    view.setChecked(QStringLiteral("CheckBoxIPC07"), true);
    panel.encode(blocks::IPC());
    EXPECT_EQ(panel.conf(blocks::IPC()), bitsWith(32, {1}));

    show(blocks::ACM(), bitsWith(8, {}));
    view.setItem(QStringLiteral("RadioGroupACMbody"), 3);
    view.setItem(QStringLiteral("RadioGroupACMauto"), 2);
    panel.encode(blocks::ACM());
    EXPECT_EQ(panel.conf(blocks::ACM()), bitsWith(8, {7, 8}));
}

TEST_F(PanelTest, EncodeBcmWritesOnlyTheChosenPart)
{
    view.setItem(QStringLiteral("RadioGroupBCMrd"), 1);
    panel.clearCONF();
    panel.conf(blocks::BCM1()) = bitsWith(32, {3});
    panel.decode(blocks::BCM2(), bitsWith(24, {}));
    view.setChecked(QStringLiteral("CheckBox2BCM20"), true);
    view.setChecked(QStringLiteral("CheckBox1BCM07"), true);
    panel.encode(panel.pageBlock(blocks::page("BCM")));
    EXPECT_EQ(panel.conf(blocks::BCM2()), bitsWith(24, {24}));
    EXPECT_EQ(panel.conf(blocks::BCM1()), bitsWith(32, {3}));
}

TEST_F(PanelTest, DisabledOptionsAreWrittenFromTheirTick)
{
    // The user cannot change them, but the state still decides.
    show(blocks::BCM1(), bitsWith(32, {9}));
    ASSERT_FALSE(view.enabled(QStringLiteral("CheckBox1BCM17")));
    panel.encode(blocks::BCM1());
    EXPECT_EQ(panel.conf(blocks::BCM1()), bitsWith(32, {9}));
}

} // namespace
