#include "panel_fixture.h"

#include "config/option_view.h"
#include "config/pages.h"
#include "support/blocks.h"

using namespace talmero::config;

namespace {

const char* const kFaceliftOnly[] = {"CheckBoxIPC03", "CheckBoxIPC00", "CheckBoxIPC47", "CheckBoxIPC46",
                                     "CheckBoxIPC45", "CheckBoxIPC44", "CheckBoxIPC42", "CheckBoxIPC41",
                                     "CheckBoxIPC40"};

void choose(OptionView& view, ConfigPanel& panel, const char* group, int item)
{
    view.setItem(QString::fromLatin1(group), item);
    ASSERT_TRUE(panel.onUserChange(QString::fromLatin1(group)));
}

TEST_F(PanelTest, FaceliftDashboardGrowsAPreFaceliftBlockOnce)
{
    show(blocks::IPC(), bitsWith(32, {1}));
    view.setEnabled(QStringLiteral("RadioGroupIPCrd"), true); // as an AS-BUILT load does
    choose(view, panel, "RadioGroupIPCrd", 0);
    EXPECT_EQ(panel.conf(blocks::IPC()), bitsWith(32, {1}) + QStringLiteral("10000000"));
    EXPECT_TRUE(view.checked(QStringLiteral("CheckBoxIPC47")));
    for (const char* name : kFaceliftOnly)
        EXPECT_TRUE(view.enabled(QString::fromLatin1(name))) << name;

    view.setChecked(QStringLiteral("CheckBoxIPC47"), false);
    choose(view, panel, "RadioGroupIPCrd", 1);
    for (const char* name : kFaceliftOnly)
        EXPECT_FALSE(view.enabled(QString::fromLatin1(name))) << name;
    EXPECT_EQ(panel.conf(blocks::IPC()).size(), 40);

    choose(view, panel, "RadioGroupIPCrd", 0);
    EXPECT_EQ(panel.conf(blocks::IPC()).size(), 40); // nothing appended the second time
    EXPECT_TRUE(view.checked(QStringLiteral("CheckBoxIPC47")));
}

TEST_F(PanelTest, OptionsOverTheAddedByteWriteWhatTheUserLeaves)
{
    show(blocks::IPC(), bitsWith(32, {}));
    choose(view, panel, "RadioGroupIPCrd", 0);
    panel.encode(blocks::IPC());
    EXPECT_EQ(panel.conf(blocks::IPC()), bitsWith(40, {33}));

    view.setChecked(QStringLiteral("CheckBoxIPC47"), false);
    view.setChecked(QStringLiteral("CheckBoxIPC40"), true);
    panel.encode(blocks::IPC());
    EXPECT_EQ(panel.conf(blocks::IPC()), bitsWith(40, {40}));
}

TEST_F(PanelTest, FaceliftOnAFullBlockTicksTheClockAndWritesIt)
{
    show(blocks::IPC(), bitsWith(40, {}));
    choose(view, panel, "RadioGroupIPCrd", 0);
    panel.encode(blocks::IPC());
    EXPECT_EQ(panel.conf(blocks::IPC()), bitsWith(40, {33}));
}

TEST_F(PanelTest, DeadlockBlinkingFollowsOnePressDeadlock)
{
    show(blocks::BCM1(), bitsWith(32, {9, 11}));
    view.setChecked(QStringLiteral("CheckBox1BCM15"), false);
    panel.onUserChange(QStringLiteral("CheckBox1BCM15"));
    EXPECT_FALSE(view.checked(QStringLiteral("CheckBox1BCM17")));
    EXPECT_FALSE(view.enabled(QStringLiteral("CheckBox1BCM17")));
    panel.encode(blocks::BCM1());
    EXPECT_EQ(panel.conf(blocks::BCM1()), bitsWith(32, {}));

    view.setChecked(QStringLiteral("CheckBox1BCM15"), true);
    panel.onUserChange(QStringLiteral("CheckBox1BCM15"));
    EXPECT_TRUE(view.enabled(QStringLiteral("CheckBox1BCM17")));
}

TEST_F(PanelTest, ReverseWipeKeepsItsTickWithoutTheRearWiper)
{
    show(blocks::BCM2(), bitsWith(24, {6, 7}));
    view.setChecked(QStringLiteral("CheckBox2BCM02"), false);
    panel.onUserChange(QStringLiteral("CheckBox2BCM02"));
    EXPECT_TRUE(view.checked(QStringLiteral("CheckBox2BCM01")));
    EXPECT_FALSE(view.enabled(QStringLiteral("CheckBox2BCM01")));
    panel.encode(blocks::BCM2());
    EXPECT_EQ(panel.conf(blocks::BCM2()), bitsWith(24, {7}));
}

TEST_F(PanelTest, OtherItemsSwitchTheWriteButton)
{
    const struct {
        blocks::Block block;
        const char* input;
        const char* group;
        int other;
    } cases[] = {{blocks::HVAC(), "01000000", "RadioGroupHVAC", 4},
                 {blocks::HCM(), "03", "RadioGroupHCM1", 4},
                 {blocks::HCM(), "04010001", "RadioGroupHCM2", 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.group);
        show(c.block, QString::fromLatin1(c.input));
        choose(view, panel, c.group, c.other);
        EXPECT_FALSE(view.enabled(QStringLiteral("ButtonCONFwrite")));
        choose(view, panel, c.group, 0);
        EXPECT_TRUE(view.enabled(QStringLiteral("ButtonCONFwrite")));
    }
    EXPECT_FALSE(panel.onUserChange(QStringLiteral("CheckBoxIPC07")));
}

TEST_F(PanelTest, ChoosingTheBcmPartClearsThePanelAndSetsTheAsBuiltBlock)
{
    show(blocks::BCM1(), bitsWith(32, {1}));
    choose(view, panel, "RadioGroupBCMrd", 1);
    EXPECT_EQ(view.text(QStringLiteral("Label3")), QStringLiteral("02"));
    EXPECT_FALSE(view.checked(QStringLiteral("CheckBox1BCM07")));
    EXPECT_FALSE(view.enabled(QStringLiteral("ButtonCONFwrite")));
    EXPECT_EQ(panel.conf(blocks::BCM1()), bitsWith(32, {}));
}

TEST_F(PanelTest, PageChangeRefusesModulePagesOffline)
{
    view.setText(QStringLiteral("LabelCONF"), QStringLiteral("Control panel"));
    for (const char* caption : {"ACM", "DDM+PDM", "HVAC", "RCM", "ABS", "HCM"}) {
        host.notices.clear();
        EXPECT_FALSE(panel.TabbedCONFChange(blocks::page(caption), false));
        EXPECT_EQ(host.notices, QStringList{QStringLiteral("В OFFLINE режиме доступны только вкладки IPC и BCM")});
        EXPECT_EQ(view.text(QStringLiteral("LabelCONF")), QStringLiteral("Control panel"));
    }
    view.setItem(QStringLiteral("RadioGroupBCMrd"), 1);
    EXPECT_TRUE(panel.TabbedCONFChange(blocks::page("BCM"), false));
    EXPECT_EQ(view.text(QStringLiteral("LabelCONF")), QStringLiteral("GEM модуль"));
    EXPECT_EQ(view.text(QStringLiteral("Label2")), QStringLiteral("26"));
    EXPECT_EQ(view.text(QStringLiteral("Label3")), QStringLiteral("02"));
    EXPECT_TRUE(view.visible(QStringLiteral("ButtonCONFgetASBUILT")));
    EXPECT_TRUE(panel.TabbedCONFChange(blocks::page("IPC"), false));
    EXPECT_EQ(view.text(QStringLiteral("Label2")), QStringLiteral("20"));
    EXPECT_EQ(view.text(QStringLiteral("Label3")), QStringLiteral("01"));
}

TEST_F(PanelTest, EveryAllowedPageChangeClearsThePanelOnline)
{
    show(blocks::DDM(), bitsWith(8, {1}));
    ASSERT_TRUE(panel.TabbedCONFChange(blocks::page("HVAC"), true));
    EXPECT_FALSE(view.checked(QStringLiteral("CheckBoxDDM7")));
    EXPECT_FALSE(view.enabled(QStringLiteral("ButtonCONFwrite")));
    EXPECT_FALSE(view.visible(QStringLiteral("ButtonCONFopenASBUILT")));
    EXPECT_FALSE(view.visible(QStringLiteral("ButtonCONFgetASBUILT")));
    EXPECT_EQ(view.text(QStringLiteral("LabelCONF")), QStringLiteral("Модуль климат-контроля"));
    EXPECT_EQ(view.text(QStringLiteral("Label2")), QStringLiteral("20")); // other pages leave it
}

TEST_F(PanelTest, PartSuffixNamesTheBcmPartAndTheDoor)
{
    EXPECT_EQ(panel.partSuffix(blocks::page("BCM")), QStringLiteral(" [Часть 1]"));
    view.setItem(QStringLiteral("RadioGroupBCMrd"), 1);
    EXPECT_EQ(panel.partSuffix(blocks::page("BCM")), QStringLiteral(" [Часть 2]"));
    EXPECT_EQ(panel.partSuffix(blocks::page("DDM+PDM")), QStringLiteral(" [Водительский]"));
    view.setItem(QStringLiteral("RadioGroupDDMr"), 1);
    EXPECT_EQ(panel.partSuffix(blocks::page("DDM+PDM")), QStringLiteral(" [Пассажирский]"));
    EXPECT_EQ(panel.partSuffix(blocks::page("IPC")), QString());
}

} // namespace
