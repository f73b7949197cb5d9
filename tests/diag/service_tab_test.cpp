#include "car_channel.h"
#include "diag/service_tab.h"
#include "link/modules.h"

#include <gtest/gtest.h>

namespace talmero::diag {
namespace {

const QString kNotSupported = QStringLiteral("не поддерживается");

struct ServiceTabTest : ::testing::Test {
    CarRig rig;
    link::LinkState state;
    ServiceTab tab{rig.session, rig.host, state};

    void choose(const char* name)
    {
        for (int i = 0; i < link::kModuleCount; ++i) {
            if (link::Moduls()[i].name == QLatin1String(name))
                RadioGroupModClick(i, state);
        }
        ASSERT_EQ(state.curModul.name, QLatin1String(name));
    }
    bool sessionRequested() const { return rig.channel.sent.contains(QStringLiteral("1087")); }
};

TEST(ModuleChoice, WhatTheTabShowsForEachKindOfModule)
{
    struct Row {
        int item;
        const char* editEMad;
        const char* editVINad;
        bool emEnabled, vinEnabled, restartEnabled, notice;
    };
    const Row rows[] = {
        {0, "00", "02", true, true, false, false},   // IPC
        {2, "03", "", true, false, true, true},      // BCM: no VIN, a notice
        {7, "01", "00", true, true, false, false},   // ABS
        {9, "", "00", false, true, false, false},    // PSCM: no manual block
        {10, "", "", false, false, true, false},     // PCM: only the restart
    };
    link::LinkState state;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.item);
        const std::optional<ModuleChoice> c = RadioGroupModClick(r.item, state);
        ASSERT_TRUE(c);
        EXPECT_EQ(state.curModul.adr, link::Moduls()[r.item].adr);
        EXPECT_EQ(c->editEMad, QLatin1String(r.editEMad));
        EXPECT_EQ(c->editVINad, QLatin1String(r.editVINad));
        EXPECT_EQ(c->labelEM, r.emEnabled ? QString() : kNotSupported);
        EXPECT_EQ(c->labelVIN, r.vinEnabled ? QString() : kNotSupported);
        EXPECT_EQ(c->groupBoxEMEnabled, r.emEnabled);
        EXPECT_EQ(c->groupBoxVINEnabled, r.vinEnabled);
        EXPECT_EQ(c->buttonRestartEnabled, r.restartEnabled);
        EXPECT_EQ(!c->notice.isEmpty(), r.notice);
    }
    // The BCM notice comes every time the item is clicked.
    EXPECT_TRUE(RadioGroupModClick(2, state)->notice.startsWith(
        QStringLiteral("Вторая часть конфигурации модуля BCM находится по адресу \"04\"")));
    EXPECT_TRUE(RadioGroupModClick(2, state)->notice.endsWith(
        QStringLiteral("Информации о VIN коде модуль не содержит")));
    EXPECT_FALSE(RadioGroupModClick(11, state));
    EXPECT_EQ(moduleItems().value(0), QStringLiteral("IPC (Панель приборов)"));
    EXPECT_EQ(moduleItems().size(), link::kModuleCount);
}

TEST(AddressEdit, KeepsTwoUpperCaseHexDigits)
{
    const std::pair<const char*, const char*> cases[] = {
        {"0a", "0A"}, {"fF", "FF"}, {"g1x", "1"}, {"abc", "AB"}, {" 0 4", "04"}, {"", ""}};
    for (const auto& [typed, shown] : cases)
        EXPECT_EQ(addressEditText(QLatin1String(typed)), QLatin1String(shown)) << typed;
}

TEST_F(ServiceTabTest, ReadsTheVinOnEitherBusAndFromTheAbs)
{
    const std::pair<const char*, bool> modules[] = {
        {"IPC", true}, {"ACM", false}, {"ABS", true}, {"RCM", false}, {"HVAC", true}};
    for (const auto& [name, session] : modules) {
        SCOPED_TRACE(name);
        choose(name);
        rig.channel.sent.clear();
        rig.host.lines.clear();
        EXPECT_EQ(tab.ButtonReadVINClick(state.curModul.VINad), rig.car().vin());
        EXPECT_EQ(sessionRequested(), session);
        EXPECT_EQ(rig.host.lines.first(),
                  QStringLiteral("* Чтение VIN кода из модуля ") + moduleItemText(state.curModul));
    }
}

TEST_F(ServiceTabTest, ReadsABlockByHandAndTheAbsAnswerWhole)
{
    choose("IPC");
    EXPECT_EQ(tab.ButtonReadEMClick(QStringLiteral("00")), QStringLiteral("CD421010C0"));
    EXPECT_TRUE(rig.host.lines.contains(
        QStringLiteral("* Чтение данных по адресу 00 из модуля IPC (Панель приборов)")));
    choose("ABS");
    EXPECT_EQ(tab.ButtonReadEMClick(QStringLiteral("01")), QStringLiteral("40"));
    // A block the module does not have: refused.
    EXPECT_EQ(tab.ButtonReadEMClick(QStringLiteral("07")), QString());
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("! Неверный ответ модуля"));
    // A lower-case address still matches the module's upper-case answer.
    choose("IPC");
    rig.car().setBlock(QStringLiteral("720"), 0x0B, QByteArray::fromHex("0102030405060708"));
    EXPECT_EQ(tab.ButtonReadEMClick(QStringLiteral("0b")), QStringLiteral("0102030405060708"));
}

TEST_F(ServiceTabTest, WriteChangesTheCarsBlock)
{
    choose("DDM");
    const WriteResult r = tab.ButtonWriteEMClick(QStringLiteral("01"), QStringLiteral("1c"));
    EXPECT_TRUE(r.accepted);
    EXPECT_TRUE(r.written);
    EXPECT_EQ(rig.car().block(QStringLiteral("740"), 1), QByteArray::fromHex("1C"));
    EXPECT_EQ(rig.channel.sent.last(), QStringLiteral("3B011C"));
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("* Успешно записано"));
    EXPECT_TRUE(rig.host.lines.contains(
        QStringLiteral("* Запись данных по адресу 01 в модуль DDM (Водительский дверной модуль)")));

    // A block of the wrong length is refused by the module and stays as it was.
    const WriteResult refused = tab.ButtonWriteEMClick(QStringLiteral("01"), QStringLiteral("1C1C"));
    EXPECT_TRUE(refused.accepted);
    EXPECT_FALSE(refused.written);
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("! Неверный ответ модуля"));
    EXPECT_EQ(rig.car().block(QStringLiteral("740"), 1), QByteArray::fromHex("1C"));
}

TEST_F(ServiceTabTest, InvalidInputIsRefusedBeforeAnythingIsSent)
{
    choose("DDM");
    rig.host.notices.clear();
    for (const char* data : {"", "1G", "1C 1C", "zz"}) {
        EXPECT_FALSE(tab.ButtonWriteEMClick(QStringLiteral("01"), QLatin1String(data)).accepted) << data;
        EXPECT_EQ(rig.host.notices.last(), QStringLiteral("Неверная строка!"));
    }
    // No address: the first data byte would be taken for the block.
    EXPECT_FALSE(tab.ButtonWriteEMClick(QString(), QStringLiteral("011C")).accepted);
    EXPECT_EQ(rig.host.notices.last(), QStringLiteral("Неверный адрес!"));
    EXPECT_TRUE(rig.channel.sent.isEmpty());
    EXPECT_TRUE(rig.host.lines.isEmpty());

    // One hex digit passes the check and goes out unchanged.
    EXPECT_TRUE(tab.ButtonWriteEMClick(QStringLiteral("01"), QStringLiteral("A")).accepted);
    EXPECT_EQ(rig.channel.sent.last(), QStringLiteral("3B01A"));
}

TEST_F(ServiceTabTest, RestartsTheModulesThatAllowIt)
{
    for (const char* name : {"BCM", "PCM"}) {
        choose(name);
        rig.channel.sent.clear();
        EXPECT_TRUE(tab.ButtonRestartClick()) << name;
        EXPECT_EQ(rig.car().restarts(state.curModul.adr), 1) << name;
        EXPECT_TRUE(sessionRequested()) << name; // the engine module too
        EXPECT_EQ(rig.host.lines.last(), QStringLiteral("* Модуль перезагружен"));
    }
    choose("IPC");
    EXPECT_FALSE(tab.ButtonRestartClick());
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("! Неверный ответ модуля"));
    EXPECT_EQ(rig.car().restarts(QStringLiteral("720")), 0);
}

TEST_F(ServiceTabTest, ModuleThatDoesNotOpenGetsNoRequest)
{
    rig.car().setPresent(QStringLiteral("741"), false);
    choose("PDM");
    rig.channel.sent.clear();
    EXPECT_EQ(tab.ButtonReadVINClick(QStringLiteral("00")), QString());
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("! Модуль не ответил или отсутствует"));
    EXPECT_EQ(rig.channel.sent.last(), QStringLiteral("1087"));
    EXPECT_FALSE(tab.ButtonWriteEMClick(QStringLiteral("01"), QStringLiteral("3C")).written);
    EXPECT_FALSE(rig.channel.sent.contains(QStringLiteral("3B013C")));
}

} // namespace
} // namespace talmero::diag
