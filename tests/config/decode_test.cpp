#include "panel_fixture.h"

#include <vector>
#include "support/blocks.h"

using namespace talmero::config;

namespace {

const QString kNotConfigured = QStringLiteral("Несконфигурирована");
const QString kUnknown = QStringLiteral("Неизвестная конфигурация");

struct DecodeCase {
    const char* what;
    blocks::Block block;
    QString input;
    bool shown;
    QString variable;                               // what the block variable holds afterwards
    std::vector<std::pair<const char*, int>> states; // tick 0/1 or radio item
    std::vector<const char*> enabled;
    std::vector<const char*> disabled;
    QStringList notices;
    bool writable;
    QString text = QString(); // shown text passed with the block (HVAC)
};

QString ipc40(std::initializer_list<int> ones) { return bitsWith(40, ones); }

std::vector<DecodeCase> decodeCases()
{
    const QString rcmKnown = bitsWith(32, {2, 9, 11, 12, 15});
    QString rcm01 = rcmKnown, rcm10 = rcmKnown, rcm11 = rcmKnown;
    rcm01[13] = u'1';
    rcm10[9] = u'1';
    rcm11[9] = rcm11[13] = u'1';
    QString rcmUnknown = rcm11;
    rcmUnknown[1] = u'0';
    return {
        {"IPC 5-byte: facelift, byte 4 shown, all changeable", blocks::IPC(), ipc40({1, 5, 33}), true,
         ipc40({1, 5, 33}),
         {{"CheckBoxIPC07", 1}, {"CheckBoxIPC03", 1}, {"CheckBoxIPC47", 1}, {"CheckBoxIPC46", 0}, {"RadioGroupIPCrd", 0}},
         {"CheckBoxIPC03", "CheckBoxIPC00", "CheckBoxIPC47", "CheckBoxIPC40", "ButtonCONFgetASBUILT"},
         {"RadioGroupIPCrd"}, {}, true},
        {"IPC 4-byte: pre-FL, ESP and DDS shown but fixed", blocks::IPC(), bitsWith(32, {5, 8, 16}), true,
         bitsWith(32, {5, 8, 16}),
         {{"CheckBoxIPC03", 1}, {"CheckBoxIPC00", 1}, {"CheckBoxIPC10", 1}, {"CheckBoxIPC47", 0}, {"RadioGroupIPCrd", 1}},
         {"CheckBoxIPC07", "CheckBoxIPC10"}, {"CheckBoxIPC03", "CheckBoxIPC00", "CheckBoxIPC47", "RadioGroupIPCrd"},
         {}, true},
        {"IPC longer than 40 is cut and read as 5 bytes", blocks::IPC(), ipc40({40}) + QStringLiteral("11111111"),
         true, ipc40({40}), {{"CheckBoxIPC40", 1}, {"RadioGroupIPCrd", 0}}, {"CheckBoxIPC40"}, {}, {}, true},
        {"IPC joint flag 18-19 reading 10 is unticked", blocks::IPC(), ipc40({18}), true, ipc40({18}),
         {{"CheckBoxIPC26", 0}}, {}, {}, {}, true},
        {"IPC joint flag 18-19 reading 11 is ticked", blocks::IPC(), ipc40({18, 19}), true, ipc40({18, 19}),
         {{"CheckBoxIPC26", 1}}, {}, {}, {}, true},
        {"IPC bad hex (\"0\") is refused silently", blocks::IPC(), QStringLiteral("0"), false, bitsWith(32, {}),
         {{"CheckBoxIPC07", 0}}, {}, {"CheckBoxIPC07", "ButtonCONFwrite", "ButtonCONFgetASBUILT"}, {}, false},
        {"ACM not configured", blocks::ACM(), bitsWith(24, {1, 17, 18, 19, 20}), false, bitsWith(24, {}),
         {{"CheckBoxACMr", 0}, {"RadioGroupACMbody", -1}}, {}, {"CheckBoxACMr", "RadioGroupACMbody"},
         {kNotConfigured}, false},
        {"ACM too short is refused with the same message", blocks::ACM(), QStringLiteral("0"), false,
         bitsWith(24, {}), {}, {}, {}, {kNotConfigured}, false},
        {"ACM 11110001 in byte 2 is accepted", blocks::ACM(), bitsWith(24, {17, 18, 19, 20, 24}), true,
         bitsWith(24, {17, 18, 19, 20, 24}), {{"RadioGroupACMspeak", 2}}, {"RadioGroupACMspeak"}, {}, {}, true},
        {"ACM patterns missing from the tables select nothing", blocks::ACM(), bitsWith(24, {3, 4, 19}), true,
         bitsWith(24, {3, 4, 19}),
         {{"RadioGroupACMsalon", -1}, {"RadioGroupACMauto", -1}, {"RadioGroupACMbody", 0}, {"RadioGroupACMspeak", -1}},
         {"RadioGroupACMsalon", "CheckBoxACMl"}, {"ButtonCONFgetASBUILT"}, {}, true},
        {"ACM short block: choices beyond it select nothing", blocks::ACM(), bitsWith(8, {4, 7}), true,
         bitsWith(8, {4, 7}),
         {{"RadioGroupACMsalon", 1}, {"RadioGroupACMauto", 1}, {"RadioGroupACMbody", -1}, {"RadioGroupACMspeak", -1}},
         {}, {}, {}, true},
        {"BCM1 blinking shown but fixed without one-press deadlock", blocks::BCM1(), bitsWith(32, {9}), true,
         bitsWith(32, {9}), {{"CheckBox1BCM17", 1}, {"CheckBox1BCM15", 0}}, {"CheckBox1BCM15"},
         {"CheckBox1BCM17"}, {}, true},
        {"BCM1 blinking changeable with one-press deadlock", blocks::BCM1(), bitsWith(32, {11}), true,
         bitsWith(32, {11}), {{"CheckBox1BCM17", 0}}, {"CheckBox1BCM17", "ButtonCONFgetASBUILT"}, {}, {}, true},
        {"BCM1 half-set joint flags are unticked", blocks::BCM1(), bitsWith(32, {7, 25, 26, 27, 28}), true,
         bitsWith(32, {7, 25, 26, 27, 28}), {{"CheckBox1BCM01", 0}, {"CheckBox1BCM34", 0}}, {}, {}, {}, true},
        {"BCM1 fully set joint flags are ticked", blocks::BCM1(), bitsWith(32, {7, 10, 25, 26, 27, 28, 29}), true,
         bitsWith(32, {7, 10, 25, 26, 27, 28, 29}), {{"CheckBox1BCM01", 1}, {"CheckBox1BCM34", 1}}, {}, {}, {}, true},
        {"BCM2 reverse wipe fixed without rear wiper", blocks::BCM2(), bitsWith(24, {7}), true, bitsWith(24, {7}),
         {{"CheckBox2BCM01", 1}}, {"CheckBox2BCM02"}, {"CheckBox2BCM01"}, {}, true},
        {"DDM enables the write target", blocks::DDM(), bitsWith(8, {1, 8}), true, bitsWith(8, {1, 8}),
         {{"CheckBoxDDM7", 1}, {"CheckBoxDDM0", 1}}, {"CheckBoxDDM3", "RadioGroupDDMw"}, {"ButtonCONFgetASBUILT"}, {},
         true},
        {"HVAC low half as decimal 100 is ordinary glass", blocks::HVAC(), QStringLiteral("00000100"), true,
         QStringLiteral("00000100"), {{"RadioGroupHVAC", 1}}, {"RadioGroupHVAC"}, {}, {}, true, QStringLiteral("04")},
        {"HVAC sum 200 is Other, shown as hex, not writable", blocks::HVAC(), QStringLiteral("01000100"), true,
         QStringLiteral("01000100"), {{"RadioGroupHVAC", 4}}, {"RadioGroupHVAC"}, {}, {}, false, QStringLiteral("44")},
        {"HVAC 16 characters are cut to 8", blocks::HVAC(), QStringLiteral("1000000011111111"), true,
         QStringLiteral("10000000"), {{"RadioGroupHVAC", 3}}, {}, {}, {}, true, QStringLiteral("80FF")},
        {"HVAC 7 characters are refused", blocks::HVAC(), QStringLiteral("0100000"), false, bitsWith(8, {}),
         {{"RadioGroupHVAC", -1}}, {}, {"RadioGroupHVAC"}, {}, false},
        {"RCM known, type 01 is FaceLift 2008-2010", blocks::RCM(), rcm01, true, rcm01,
         {{"RadioGroupRCM", 1}, {"CheckBoxRCM", 1}}, {"RadioGroupRCM", "CheckBoxRCM37"}, {"CheckBoxRCM"}, {}, true},
        {"RCM type 10 is pre-facelift", blocks::RCM(), rcm10, true, rcm10, {{"RadioGroupRCM", 0}}, {}, {}, {}, true},
        {"RCM type 11 is FaceLift 2010", blocks::RCM(), rcm11, true, rcm11, {{"RadioGroupRCM", 2}}, {}, {}, {}, true},
        {"RCM unknown configuration shows nothing", blocks::RCM(), rcmUnknown, true, rcmUnknown,
         {{"RadioGroupRCM", -1}, {"CheckBoxRCM", 0}}, {}, {"RadioGroupRCM", "CheckBoxRCM02"}, {kUnknown}, false},
        {"RCM of 31 characters is refused", blocks::RCM(), rcm11.left(31), false, bitsWith(32, {}), {}, {}, {}, {},
         false},
        {"ABS with DDS bit alone is FaceLift", blocks::ABS(), QStringLiteral("01000000"), true,
         QStringLiteral("01000000"), {{"RadioGroupABS", 1}, {"CheckBoxABS6", 1}}, {"CheckBoxABS6"},
         {"RadioGroupABS", "CheckBoxABS0"}, {}, true},
        {"ABS pre-facelift is shown but not writable", blocks::ABS(), QStringLiteral("00001111"), true,
         QStringLiteral("00001111"), {{"RadioGroupABS", 0}}, {}, {"CheckBoxABS6", "RadioGroupABS"}, {}, false},
        {"HCM 1 byte known", blocks::HCM(), QStringLiteral("03"), true, QStringLiteral("03"),
         {{"RadioGroupHCM1", 1}, {"RadioGroupHCM2", -1}}, {"RadioGroupHCM1"}, {"RadioGroupHCM2"}, {}, true},
        {"HCM 1 byte hex letter is Other", blocks::HCM(), QStringLiteral("0A"), true, QStringLiteral("0A"),
         {{"RadioGroupHCM1", 4}}, {"RadioGroupHCM1"}, {}, {}, false},
        {"HCM 1 byte unknown number is Other", blocks::HCM(), QStringLiteral("07"), true, QStringLiteral("07"),
         {{"RadioGroupHCM1", 4}}, {}, {}, {}, false},
        {"HCM 4 bytes known", blocks::HCM(), QStringLiteral("04030001"), true, QStringLiteral("04030001"),
         {{"RadioGroupHCM2", 2}, {"RadioGroupHCM1", -1}}, {"RadioGroupHCM2"}, {"RadioGroupHCM1"}, {}, true},
        {"HCM 4 bytes unknown is Other", blocks::HCM(), QStringLiteral("04040001"), true, QStringLiteral("04040001"),
         {{"RadioGroupHCM2", 3}}, {}, {}, {}, false},
        {"HCM 3 bytes are refused", blocks::HCM(), QStringLiteral("040300"), false, QStringLiteral("00"),
         {{"RadioGroupHCM1", -1}, {"RadioGroupHCM2", -1}}, {}, {"RadioGroupHCM1", "RadioGroupHCM2"}, {}, false},
    };
}

TEST_F(PanelTest, DecodeShowsRefusesAndEnablesAsTheLayoutsSay)
{
    for (const DecodeCase& c : decodeCases()) {
        SCOPED_TRACE(c.what);
        host.notices.clear();
        EXPECT_EQ(show(c.block, c.input, c.text), c.shown);
        EXPECT_EQ(panel.conf(c.block), c.variable);
        for (const auto& [name, state] : c.states) {
            const QString n = QString::fromLatin1(name);
            const bool radio = n.startsWith(QLatin1String("RadioGroup"));
            EXPECT_EQ(radio ? view.item(n) : int(view.checked(n)), state) << name;
        }
        for (const char* name : c.enabled)
            EXPECT_TRUE(view.enabled(QString::fromLatin1(name))) << name;
        for (const char* name : c.disabled)
            EXPECT_FALSE(view.enabled(QString::fromLatin1(name))) << name;
        EXPECT_EQ(host.notices, c.notices);
        EXPECT_EQ(view.enabled(QStringLiteral("ButtonCONFwrite")), c.writable);
    }
}

TEST_F(PanelTest, OtherItemsShowTheBlockText)
{
    show(blocks::HVAC(), QStringLiteral("01000100"), QStringLiteral("44"));
    EXPECT_EQ(view.text(QStringLiteral("EditHVAC")), QStringLiteral("44"));
    show(blocks::HCM(), QStringLiteral("0A"));
    EXPECT_EQ(view.text(QStringLiteral("EditHCM1")), QStringLiteral("0A"));
    EXPECT_EQ(view.text(QStringLiteral("EditHVAC")), QString());
    show(blocks::HCM(), QStringLiteral("04040001"));
    EXPECT_EQ(view.text(QStringLiteral("EditHCM2")), QStringLiteral("04040001"));
}

TEST_F(PanelTest, ClearEmptiesEveryPageButKeepsHcmAndChosenParts)
{
    view.setItem(QStringLiteral("RadioGroupBCMrd"), 1);
    view.setItem(QStringLiteral("RadioGroupDDMr"), 1);
    show(blocks::DDM(), bitsWith(8, {1}));
    view.setItem(QStringLiteral("RadioGroupDDMw"), 2);
    panel.decode(blocks::HCM(), QStringLiteral("04010001"));
    panel.decode(blocks::IPC(), bitsWith(40, {1}));
    view.setText(QStringLiteral("Edit1"), QStringLiteral("typed"));

    panel.clearCONF();
    EXPECT_EQ(panel.conf(blocks::HCM()), QStringLiteral("04010001"));
    EXPECT_EQ(panel.conf(blocks::IPC()), bitsWith(32, {}));
    EXPECT_EQ(panel.conf(blocks::DDM()), bitsWith(8, {}));
    EXPECT_FALSE(view.checked(QStringLiteral("CheckBoxIPC07")));
    EXPECT_FALSE(view.checked(QStringLiteral("CheckBoxDDM7")));
    EXPECT_EQ(view.item(QStringLiteral("RadioGroupHCM2")), -1);
    EXPECT_FALSE(view.enabled(QStringLiteral("CheckBoxDDM7")));
    EXPECT_EQ(view.item(QStringLiteral("RadioGroupDDMw")), 0);
    EXPECT_FALSE(view.enabled(QStringLiteral("RadioGroupDDMw")));
    EXPECT_EQ(view.item(QStringLiteral("RadioGroupBCMrd")), 1);
    EXPECT_EQ(view.item(QStringLiteral("RadioGroupDDMr")), 1);
    EXPECT_FALSE(view.enabled(QStringLiteral("ButtonCONFwrite")));
    EXPECT_FALSE(view.enabled(QStringLiteral("ButtonCONFgetASBUILT")));
    EXPECT_EQ(view.text(QStringLiteral("Edit1")), QString());
}

} // namespace
