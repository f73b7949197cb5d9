#include "car_channel.h"
#include "support/test_gate.h"
#include "diag/dtc_memo.h"
#include "diag/dtc_modules.h"
#include "diag/trouble_codes.h"
#include "link/modules.h"

#include "../config/qt_print.h"
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <set>

namespace talmero::diag {
namespace {

struct MemoLines : DtcMemo {
    void appendMemo(const QString& line) override { lines.append(line); }
    void clearMemo() override { lines.clear(); }
    void showProgress(int k, int total, const QString& header) override
    {
        progress.append(QStringLiteral("%1/%2 %3").arg(k).arg(total).arg(header));
    }
    QStringList lines;
    QStringList progress;
};

QStringList codesOnly(sim::Car& car, const QString& adr)
{
    QStringList hex;
    for (const QByteArray& code : car.dtcs(adr))
        hex.append(QString::fromLatin1(code.toHex().toUpper()));
    return hex;
}

struct TroubleCodesTest : ::testing::Test {
    CarRig rig;
    MemoLines memo;
    TestGate gate{rig.session, rig.host};
    TroubleCodes dtc{gate.gate, rig.host, memo};

    void noCodesAnywhere()
    {
        for (const car::Module* m : dtcModules())
            rig.car().setDtcs(car::qs(m->address), {});
    }
    // The memo lines from the header of `adr` up to the next empty line.
    QStringList section(const QString& adr)
    {
        const qsizetype from = memo.lines.indexOf(dtcHeader(*findDtcModule(adr)));
        if (from < 0)
            return {};
        QStringList out;
        for (qsizetype i = from + 1; i < memo.lines.size() && !memo.lines[i].isEmpty(); ++i)
            out.append(memo.lines[i]);
        return out;
    }
};

TEST_F(TroubleCodesTest, ReadsBothBusesThenClearsOnlyTheModulesWithCodes)
{
    // Factory codes in the PCM, IPC and BCM; add the modules with session exceptions.
    rig.car().setDtcs(QStringLiteral("734"), {QByteArray::fromHex("C10164")});
    rig.car().setDtcs(QStringLiteral("737"), {QByteArray::fromHex("9A0108")});
    rig.car().setDtcs(QStringLiteral("727"), {QByteArray::fromHex("4A1120")});

    dtc.ButtonDTCClick();
    EXPECT_TRUE(dtc.clearEnabled());
    EXPECT_EQ(dtc.dtcHS, QStringLiteral("7E0720734"));
    EXPECT_EQ(dtc.dtcMS, QStringLiteral("726737727"));
    EXPECT_EQ(section(QStringLiteral("7E0")),
              QStringList({QStringLiteral("Ошибок: 1"), QStringLiteral("#1 - P0420 статус: 2C")}));
    EXPECT_EQ(section(QStringLiteral("720")),
              QStringList({QStringLiteral("Ошибок: 2"), QStringLiteral("#1 - B1342 статус: 20"),
                           QStringLiteral("#2 - U2023 статус: 60")}));
    EXPECT_EQ(section(QStringLiteral("726")),
              QStringList({QStringLiteral("Ошибок: 3"), QStringLiteral("#1 - B1317 статус: 20"),
                           QStringLiteral("#2 - B2477 статус: 28"), QStringLiteral("#3 - U1900 статус: 60")}));
    EXPECT_EQ(section(QStringLiteral("760")), QStringList({QStringLiteral("Ошибок: 0")}));
    EXPECT_EQ(section(QStringLiteral("734")),
              QStringList({QStringLiteral("Ошибок: 1"), QStringLiteral("#1 - U0101 статус: 64")}));
    // The last section has no empty line after it; every other one has.
    EXPECT_EQ(memo.lines.mid(memo.lines.size() - 3),
              QStringList({QStringLiteral("Аудиомодуль (ACM):"), QStringLiteral("Ошибок: 1"),
                           QStringLiteral("#1 - C0A11 статус: 20")}));
    EXPECT_EQ(memo.lines.count(QString()), 10);
    ASSERT_EQ(memo.progress.size(), 11);
    EXPECT_EQ(memo.progress.first(), QStringLiteral("1/11 Модуль управления двигателем (PCM):"));
    EXPECT_EQ(memo.progress.last(), QStringLiteral("11/11 Аудиомодуль (ACM):"));
    EXPECT_EQ(rig.host.lines.mid(rig.host.lines.size() - 2),
              QStringList({QStringLiteral("* Чтение ошибок завершено"),
                           QStringLiteral("! В модулях присутствуют ошибки")}));

    // Reading: no session request to the PCM, the RCM and the ACM; the engine's freeze
    // frame (the code that stored it, its maps, each value it holds) is kept with its list.
    const QStringList reading{
        "ATZ",      "ATSP6",    "ATSH7E0",  "1800FF00", "020200",   "020000",   "022000",
        "020C00",   "020D00",   "020500",   "020F00",   "020400",   "021100",   "020600",
        "020700",   "020E00",   "020B00",   "022F00",   "ATSH720",  "1087",     "1800FF00",
        "ATSH760",  "1087",     "1800FF00", "ATSH734",  "1087",     "1800FF00", "ATSH730",
        "1087",     "1800FF00", "ATSPB",    "ATSH726",  "1087",     "1800FF00", "ATSH740",
        "1087",     "1800FF00", "ATSH741",  "1087",     "1800FF00", "ATSH733",  "1087",
        "1800FF00", "ATSH737",  "1800FF00", "ATSH727",  "1800FF00"};
    EXPECT_EQ(rig.channel.sent, reading);
    ASSERT_TRUE(dtc.lastReading().modules.value(0).freezeFrame);
    EXPECT_EQ(dtc.lastReading().modules[0].freezeFrame->code, QStringLiteral("P0420"));

    rig.channel.sent.clear();
    rig.host.lines.clear();
    rig.host.notices.clear();
    dtc.ButtonDTCclearClick();
    EXPECT_FALSE(dtc.clearEnabled());

    // The car's VIN from the instrument panel (no reset of its own), the battery before
    // asking; then the clearing's one reset; the PCM gets the session request now, the RCM
    // and the ACM still do not; the reading shown stands for the first request, the battery
    // is read again before each other.
    const QStringList clearing{"ATSP6", "ATSH720", "1087", "2102", "ATRV",    "ATZ",
                               "ATSP6",   "ATSH7E0", "1087",   "14FF00", "ATSH720", "1087",
                               "ATRV",    "14FF00", "ATSH734", "1087",    "ATRV",   "14FF00", "ATSPB",
                               "ATSH726", "1087",   "ATRV",    "14FF00",  "ATSH737", "ATRV",  "14FF00",
                               "ATSH727", "ATRV",   "14FF00"};
    EXPECT_EQ(rig.channel.sent, clearing);
    EXPECT_EQ(rig.host.notices.size(), 2); // back to the high-speed bus, then the medium one
    EXPECT_EQ(rig.host.lines.filter(QRegularExpression(QStringLiteral("^[*!] "))),
              QStringList({QStringLiteral("* Стираем считанные ошибки"),
                           QStringLiteral("* Стираем ошибки модуля по адресу 7E0"),
                           QStringLiteral("* Стираем ошибки модуля по адресу 720"),
                           QStringLiteral("* Стираем ошибки модуля по адресу 734"),
                           QStringLiteral("* Стираем ошибки модуля по адресу 726"),
                           QStringLiteral("* Стираем ошибки модуля по адресу 737"),
                           QStringLiteral("* Стираем ошибки модуля по адресу 727")}));
    EXPECT_EQ(memo.lines, QStringList({QStringLiteral("* Операция выполнена")}));
    for (const car::Module* m : dtcModules())
        EXPECT_TRUE(rig.car().dtcs(car::qs(m->address)).isEmpty()) << m->address;
    EXPECT_EQ(dtc.dtcHS, QStringLiteral("7E0720734")); // kept until the next reading
}

TEST_F(TroubleCodesTest, NoCodesLeavesClearingDisabledAndReadingsAccumulate)
{
    noCodesAnywhere();
    dtc.ButtonDTCClick();
    EXPECT_FALSE(dtc.clearEnabled());
    EXPECT_EQ(memo.lines.count(QStringLiteral("Ошибок: 0")), 11);
    EXPECT_EQ(memo.lines.size(), 11 * 2 + 10);
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("* В модулях ошибок нет"));
    EXPECT_TRUE(dtc.dtcHS.isEmpty() && dtc.dtcMS.isEmpty());

    dtc.ButtonDTCClick();
    EXPECT_FALSE(dtc.clearEnabled());
    EXPECT_EQ(memo.lines.count(QStringLiteral("Ошибок: 0")), 22);
}

TEST_F(TroubleCodesTest, ModuleFailuresStayUnderTheirHeadersAndTheReadingGoesOn)
{
    noCodesAnywhere();
    rig.car().setPresent(QStringLiteral("7E0"), false); // no session: the code request fails
    rig.car().setPresent(QStringLiteral("740"), false); // the session request fails
    rig.car().setDtcs(QStringLiteral("760"), {QByteArray::fromHex("C155")}); // a short code
    rig.channel.canned[QStringLiteral("ATSH733")] = "?";

    dtc.ButtonDTCClick();
    EXPECT_TRUE(dtc.clearEnabled());
    EXPECT_EQ(section(QStringLiteral("7E0")),
              QStringList({QStringLiteral("! Адаптер сообщил NO DATA при чтении кодов ошибок модуля PCM (7E0)")}));
    EXPECT_EQ(section(QStringLiteral("740")),
              QStringList({QStringLiteral("! Модуль не ответил или отсутствует")}));
    EXPECT_EQ(section(QStringLiteral("733")), QStringList({QStringLiteral("! Ошибка")}));
    EXPECT_EQ(section(QStringLiteral("760")),
              QStringList({QStringLiteral("Ошибок: 1"), QStringLiteral("! Неверный ответ")}));
    EXPECT_EQ(section(QStringLiteral("727")), QStringList({QStringLiteral("Ошибок: 0")}));
    for (const char* line : {"! Адаптер сообщил NO DATA при чтении кодов ошибок модуля PCM (7E0)", "! Модуль не ответил или отсутствует",
                             "! Ошибка", "! Неверный ответ"})
        EXPECT_TRUE(rig.host.lines.contains(QString::fromUtf8(line))) << line;

    // A count that was not zero is cleared even when the list was unreadable.
    EXPECT_EQ(dtc.dtcHS, QStringLiteral("760"));
    dtc.ButtonDTCclearClick();
    EXPECT_TRUE(rig.car().dtcs(QStringLiteral("760")).isEmpty());
}

TEST_F(TroubleCodesTest, PositiveAnswerWithoutAHexCountEndsOnlyThatModule)
{
    rig.channel.canned[QStringLiteral("720 1800FF00")] = "58";
    rig.channel.canned[QStringLiteral("726 1800FF00")] = "58 G2 93 42 20";

    dtc.ButtonDTCClick();
    EXPECT_TRUE(dtc.clearEnabled());
    EXPECT_EQ(section(QStringLiteral("720")), QStringList({QStringLiteral("! Неверный ответ модуля")}));
    EXPECT_EQ(section(QStringLiteral("726")),
              QStringList({QStringLiteral("! Ответ адаптера искажён (G2) при чтении кодов ошибок модуля BCM (726)")}));
    EXPECT_EQ(dtc.dtcHS, QStringLiteral("7E0")); // the others are not recorded for clearing
    EXPECT_TRUE(dtc.dtcMS.isEmpty());
    EXPECT_TRUE(rig.host.lines.contains(QStringLiteral("! В модулях присутствуют ошибки")));
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("! Не прочитано модулей: 2 из 11"));
}

// Neither garbage nor a cut list is ever shown as codes, and nothing unread is called clean.
TEST_F(TroubleCodesTest, UnreadModulesAndGarbageAreNeverCalledClean)
{
    noCodesAnywhere();
    rig.channel.canned[QStringLiteral("720 1800FF00")] = "58 01 Z? <1 4$";
    rig.channel.canned[QStringLiteral("760 1800FF00")] = "00C\r0: 58 03 93 42 20 93";
    dtc.ButtonDTCClick();
    EXPECT_FALSE(dtc.clearEnabled()); // a garbled count is no count: nothing to clear
    EXPECT_EQ(section(QStringLiteral("720")),
              QStringList{QStringLiteral("! Ответ адаптера искажён (Z?) при чтении кодов ошибок модуля IPC (720)")});
    EXPECT_EQ(section(QStringLiteral("760")),
              QStringList{QStringLiteral("! Ответ адаптера оборван (байт: 6 из 12) при чтении кодов ошибок модуля ABS (760)")});
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("! Не прочитано модулей: 2 из 11"));

    // A bus that cannot be selected: none of its modules is read, and that is said.
    rig.channel.canned.clear();
    rig.channel.canned[QStringLiteral("ATSPB")] = "?";
    dtc.ButtonDTCClick();
    EXPECT_FALSE(rig.host.lines.contains(QStringLiteral("* В модулях ошибок нет")));
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("! Не прочитано модулей: 6 из 11"));
}

TEST_F(TroubleCodesTest, ManyCodesInAMultiFrameAnswerAreAllListed)
{
    noCodesAnywhere();
    QList<QByteArray> codes;
    for (int i = 0; i < 20; ++i)
        codes.append(QByteArray::fromHex(QByteArray::number(0x9300 + i, 16) + "20"));
    rig.car().setDtcs(QStringLiteral("726"), codes);

    dtc.ButtonDTCClick();
    const QStringList lines = section(QStringLiteral("726"));
    ASSERT_EQ(lines.size(), 21);
    EXPECT_EQ(lines[0], QStringLiteral("Ошибок: 20"));
    EXPECT_EQ(lines[20], QStringLiteral("#20 - B1313 статус: 20"));
    EXPECT_EQ(dtc.dtcMS, QStringLiteral("726"));
}

TEST_F(TroubleCodesTest, RefusedBusSelectionSkipsThatBus)
{
    rig.channel.canned[QStringLiteral("ATSP6")] = "?";
    dtc.ButtonDTCClick();
    EXPECT_TRUE(dtc.clearEnabled());
    EXPECT_TRUE(rig.host.lines.contains(QStringLiteral("! Ошибка")));
    EXPECT_FALSE(memo.lines.contains(dtcHeader(*dtcModules()[0])));
    EXPECT_EQ(memo.lines.first(), QStringLiteral("GEM модуль (BCM):"));
    EXPECT_TRUE(dtc.dtcHS.isEmpty());
    EXPECT_EQ(dtc.dtcMS, QStringLiteral("726"));

    // Clearing on a refused bus names the modules it did not reach and stays available.
    rig.channel.canned.clear();
    rig.channel.canned[QStringLiteral("ATSPB")] = "?";
    rig.host.lines.clear();
    dtc.ButtonDTCclearClick();
    EXPECT_TRUE(dtc.clearEnabled());
    EXPECT_EQ(rig.host.lines.filter(QRegularExpression(QStringLiteral("^[*!] "))), QStringList({QStringLiteral("* Стираем считанные ошибки"),
                                           QStringLiteral("! Стирание не подтвердили модули: 726")}));
    EXPECT_EQ(codesOnly(rig.car(), QStringLiteral("726")).size(), 3);
    // The list read stays, with the outcome below it.
    EXPECT_EQ(memo.lines.first(), QStringLiteral("GEM модуль (BCM):"));
    EXPECT_EQ(memo.lines.last(), QStringLiteral("! Операция выполнена не полностью"));
}

TEST_F(TroubleCodesTest, AdapterWithoutResetBannerStopsBothActions)
{
    rig.channel.canned[QStringLiteral("ATZ")] = "?";
    dtc.ButtonDTCClick();
    EXPECT_FALSE(dtc.clearEnabled());
    EXPECT_EQ(rig.host.lines,
              QStringList({QStringLiteral("* Считывание кодов ошибок, ждите..."), QStringLiteral("> ATZ"),
                           QStringLiteral("< ?"), QStringLiteral("! Неверный ответ адаптера")}));
    EXPECT_TRUE(memo.lines.isEmpty());

    rig.channel.canned.clear();
    dtc.ButtonDTCClick();
    ASSERT_TRUE(dtc.clearEnabled());
    rig.channel.canned[QStringLiteral("ATZ")] = "?";
    rig.channel.sent.clear();
    dtc.ButtonDTCclearClick();
    EXPECT_TRUE(dtc.clearEnabled()); // "Crear" stays enabled
    // The car's VIN without a reset of its own, the battery, then the clearing's reset.
    EXPECT_EQ(rig.channel.sent, (QStringList{"ATSP6", "ATSH720", "1087", "2102", "ATRV", "ATZ"}));
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("! Неверный ответ адаптера"));
    EXPECT_TRUE(memo.lines.contains(QStringLiteral("#2 - U2023 статус: 60"))); // nothing cleared, list kept
    EXPECT_EQ(codesOnly(rig.car(), QStringLiteral("720")).size(), 2);

    // Made anew after a reconnect, with the modules of the earlier reading: the same.
    TroubleCodes afterReconnect(gate.gate, rig.host, memo);
    afterReconnect.dtcHS = dtc.dtcHS;
    afterReconnect.ButtonDTCclearClick();
    EXPECT_TRUE(afterReconnect.clearEnabled());
}

} // namespace
} // namespace talmero::diag
