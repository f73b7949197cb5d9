#include "car_channel.h"
#include "diag/service_tab.h"
#include "link/modules.h"
#include "support/test_gate.h"

#include <gtest/gtest.h>

namespace talmero::diag {
namespace {

const QString kNotSupported = QStringLiteral("не поддерживается");

struct ServiceTabTest : ::testing::Test {
    CarRig rig;
    TestGate gate{rig.session, rig.host};
    link::LinkState& state = gate.state;
    ServiceTab tab{gate.gate, rig.host, state};

    void choose(const char* name)
    {
        for (std::size_t i = 0; i < link::Moduls().size(); ++i) {
            if (link::Moduls()[i]->name == name)
                RadioGroupModClick(int(i), state);
        }
        ASSERT_EQ(state.curModul->name, name);
    }
    bool sessionRequested() const { return rig.channel.sent.contains(QStringLiteral("1087")); }
};

TEST(ModuleChoice, WhatTheTabShowsForEachKindOfModule)
{
    struct Row {
        int item;
        const char* manualBlock;
        const char* vinBlock;
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
        EXPECT_EQ(state.curModul, link::Moduls()[std::size_t(r.item)]);
        EXPECT_EQ(c->manualBlock, QLatin1String(r.manualBlock));
        EXPECT_EQ(c->vinBlock, QLatin1String(r.vinBlock));
        EXPECT_EQ(c->manualNote, r.emEnabled ? QString() : kNotSupported);
        EXPECT_EQ(c->vinNote, r.vinEnabled ? QString() : kNotSupported);
        EXPECT_EQ(c->manualAllowed, r.emEnabled);
        EXPECT_EQ(c->vinAllowed, r.vinEnabled);
        EXPECT_EQ(c->restartAllowed, r.restartEnabled);
        EXPECT_EQ(!c->notice.isEmpty(), r.notice);
    }
    // The BCM notice comes every time the item is clicked.
    EXPECT_TRUE(RadioGroupModClick(2, state)->notice.startsWith(
        QStringLiteral("Вторая часть конфигурации модуля BCM находится по адресу \"04\"")));
    EXPECT_TRUE(RadioGroupModClick(2, state)->notice.endsWith(
        QStringLiteral("Информации о VIN коде модуль не содержит")));
    EXPECT_FALSE(RadioGroupModClick(11, state));
    EXPECT_EQ(moduleItems().value(0), QStringLiteral("IPC (Панель приборов)"));
    EXPECT_EQ(std::size_t(moduleItems().size()), link::Moduls().size());
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
        EXPECT_EQ(tab.ButtonReadVINClick(car::blockText(state.curModul->vinBlock)).data, rig.car().vin());
        EXPECT_EQ(sessionRequested(), session);
        EXPECT_EQ(rig.host.lines.first(),
                  QStringLiteral("* Чтение VIN кода из модуля ") + moduleItemText(*state.curModul));
    }
}

TEST_F(ServiceTabTest, ReadsABlockByHandAndTheAbsAnswerWhole)
{
    choose("IPC");
    EXPECT_EQ(tab.ButtonReadEMClick(QStringLiteral("00")).data, QStringLiteral("CD421010C0"));
    EXPECT_TRUE(rig.host.lines.contains(
        QStringLiteral("* Чтение данных по адресу 00 из модуля IPC (Панель приборов)")));
    choose("ABS");
    EXPECT_EQ(tab.ButtonReadEMClick(QStringLiteral("01")).data, QStringLiteral("40"));
    // A block the module does not have: refused.
    EXPECT_EQ(tab.ButtonReadEMClick(QStringLiteral("07")).data, QString());
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("! Неверный ответ модуля (7F 21 31: вне диапазона)"));
    // A lower-case address still matches the module's upper-case answer.
    choose("IPC");
    rig.car().setBlock(QStringLiteral("720"), 0x0B, QByteArray::fromHex("0102030405060708"));
    EXPECT_EQ(tab.ButtonReadEMClick(QStringLiteral("0b")).data, QStringLiteral("0102030405060708"));
}

TEST_F(ServiceTabTest, WriteChangesTheCarsBlock)
{
    choose("DDM");
    const ServiceResult r = tab.ButtonWriteEMClick(QStringLiteral("01"), QStringLiteral("1c"));
    EXPECT_TRUE(r.accepted);
    EXPECT_TRUE(r.outcome.ok());
    EXPECT_EQ(rig.car().block(QStringLiteral("740"), 1), QByteArray::fromHex("1C"));
    EXPECT_EQ(rig.channel.sent.mid(rig.channel.sent.indexOf(QStringLiteral("ATRV"))),
              (QStringList{"ATRV", "2101", "3B011C", "2101"})); // asked, read again, written, read back
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("* Запись проверена: модуль содержит записанные данные"));
    EXPECT_TRUE(rig.host.lines.contains(
        QStringLiteral("* Запись данных по адресу 01 в модуль DDM (Водительский дверной модуль)")));
    ASSERT_EQ(rig.host.confirmations.size(), 1);
    EXPECT_EQ(rig.host.confirmations[0].oldHex + QStringLiteral(" -> ") + rig.host.confirmations[0].newHex,
              QStringLiteral("3D -> 1C"));
    // The door block is shown option by option too.
    EXPECT_TRUE(rig.host.confirmations[0].changes.contains(QStringLiteral("management of passenger central locking: да → нет")));

    // A block of the wrong length: warned, then refused by the module with its reason.
    const ServiceResult refused = tab.ButtonWriteEMClick(QStringLiteral("01"), QStringLiteral("1C1C"));
    EXPECT_TRUE(refused.accepted);
    EXPECT_FALSE(refused.outcome.ok());
    EXPECT_EQ(rig.host.confirmations.last().warnings,
              QStringList{QStringLiteral("Длина отличается: модуль содержит 1 байт, записывается 2 байт")});
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("! Неверный ответ модуля (7F 3B 13: неверная длина)"));
    EXPECT_EQ(rig.car().block(QStringLiteral("740"), 1), QByteArray::fromHex("1C"));

    // Said no: nothing goes out.
    rig.host.confirmAnswers = {false};
    rig.channel.sent.clear();
    EXPECT_FALSE(tab.ButtonWriteEMClick(QStringLiteral("01"), QStringLiteral("3D")).outcome.ok());
    EXPECT_FALSE(rig.channel.sent.contains(QStringLiteral("3B013D")));
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("* Запись отменена"));
}

TEST_F(ServiceTabTest, InvalidInputIsRefusedBeforeAnythingIsSent)
{
    choose("DDM");
    rig.host.notices.clear();
    // Half a byte is no data either.
    for (const char* data : {"", "1G", "1C 1C", "zz", "A", "1C1"}) {
        EXPECT_FALSE(tab.ButtonWriteEMClick(QStringLiteral("01"), QLatin1String(data)).accepted) << data;
        EXPECT_EQ(rig.host.notices.last(), QStringLiteral("Неверная строка!"));
    }
    // No address: the first data byte would be taken for the block.
    EXPECT_FALSE(tab.ButtonWriteEMClick(QString(), QStringLiteral("011C")).accepted);
    EXPECT_EQ(rig.host.notices.last(), QStringLiteral("Неверный адрес!"));
    EXPECT_TRUE(rig.channel.sent.isEmpty());
    EXPECT_TRUE(rig.host.lines.isEmpty());
}

TEST_F(ServiceTabTest, RestartsTheModulesThatAllowIt)
{
    for (const char* name : {"BCM", "PCM"}) {
        choose(name);
        rig.channel.sent.clear();
        EXPECT_TRUE(tab.ButtonRestartClick().ok()) << name;
        EXPECT_EQ(rig.car().restarts(car::qs(state.curModul->address)), 1) << name;
        EXPECT_TRUE(sessionRequested()) << name; // the engine module too
        EXPECT_EQ(rig.host.lines.last(), QStringLiteral("* Модуль перезагружен"));
    }
    EXPECT_EQ(rig.host.confirmations.last().subject, QStringLiteral("PCM (Модуль управления двигателем)"));
    choose("IPC");
    EXPECT_FALSE(tab.ButtonRestartClick().ok());
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("! Неверный ответ модуля (7F 11 12: функция не поддерживается)"));
    EXPECT_EQ(rig.car().restarts(QStringLiteral("720")), 0);
    // Said no: the module is not even opened, and the log says who declined.
    choose("BCM");
    rig.host.confirmAnswers = {false};
    rig.channel.sent.clear();
    EXPECT_FALSE(tab.ButtonRestartClick().ok());
    EXPECT_EQ(rig.channel.sent, QStringList{"ATRV"}); // the battery, shown in the question
    EXPECT_EQ(rig.car().restarts(QStringLiteral("726")), 1);
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("* Перезагрузка отменена"));
}

TEST_F(ServiceTabTest, ModuleThatDoesNotOpenGetsNoRequest)
{
    rig.car().setPresent(QStringLiteral("741"), false);
    choose("PDM");
    rig.channel.sent.clear();
    EXPECT_EQ(tab.ButtonReadVINClick(QStringLiteral("00")).data, QString());
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("! Модуль не ответил или отсутствует"));
    EXPECT_EQ(rig.channel.sent.last(), QStringLiteral("1087"));
    EXPECT_FALSE(tab.ButtonWriteEMClick(QStringLiteral("01"), QStringLiteral("3C")).outcome.ok());
    EXPECT_FALSE(rig.channel.sent.contains(QStringLiteral("3B013C")));
}

} // namespace
} // namespace talmero::diag
