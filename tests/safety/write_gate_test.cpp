#include "diag/car_channel.h"
#include "link/answer_text.h"
#include "safety/journal.h"
#include "safety/write_gate.h"
#include "support/test_gate.h"
#include "../config/qt_print.h"

#include <QFile>
#include <gtest/gtest.h>

namespace talmero::safety {
namespace {

const QString kHeld = QStringLiteral("CD421010C0"); // the instrument panel's block 00
const QString kNew = QStringLiteral("CD421010C1");

struct GateCase {
    const char* what;
    const char* newHex;
    QList<std::pair<const char*, QByteArray>> canned; // answers the car cannot be made to give
    sim::FaultKind fault;
    bool moduleTakesIt; // the block changes even though the answer says nothing
    bool agree;
    WriteOutcome outcome;
    const char* journalOutcome; // nullptr: no row
    const char* lastLine;
};

const GateCase kCases[] = {
    {"accepted and read back", "CD421010C1", {}, sim::FaultKind::None, false, true, WriteOutcome::Verified,
     "accepted-verified", "* Запись проверена: модуль содержит записанные данные"},
    {"the module holds it already", "CD421010C0", {}, sim::FaultKind::None, false, true, WriteOutcome::Unchanged,
     nullptr, "* Модуль уже содержит эти данные: запись не нужна"},
    {"the user says no", "CD421010C1", {}, sim::FaultKind::None, false, false, WriteOutcome::Cancelled, "cancelled",
     "* Запись отменена"},
    {"refused", "CD421010C1", {{"720 3B00CD421010C1", "7F 3B 22"}}, sim::FaultKind::None, false, true,
     WriteOutcome::Refused, "refused", "! Неверный ответ модуля (7F 3B 22: условия не выполнены)"},
    {"accepted but kept its block", "CD421010C1", {}, sim::FaultKind::Ignore, false, true, WriteOutcome::Differs,
     "accepted-differs", "! Модуль содержит другие данные: CD 42 10 10 C0 (записано CD 42 10 10 C1)"},
    {"answer lost, block taken", "CD421010C1", {{"720 3B00CD421010C1", "NO DATA"}}, sim::FaultKind::None, true,
     true, WriteOutcome::Verified, "accepted-verified", "* Модуль содержит записанные данные: запись принята"},
    {"answer garbled, block kept", "CD421010C1", {{"720 3B00CD421010C1", "#7B?"}}, sim::FaultKind::None, false,
     true, WriteOutcome::NoAnswer, "no-answer", "! Модуль содержит прежние данные: запись не принята"},
    {"low battery", "CD421010C1", {{"ATRV", "11.5V"}}, sim::FaultKind::None, false, true, WriteOutcome::NotSent,
     nullptr, "! Напряжение бортовой сети 11.5 В ниже порога 12.0 В: запись не выполнена"},
    {"no voltage from the adapter", "CD421010C1", {{"ATRV", "?"}}, sim::FaultKind::None, false, true,
     WriteOutcome::NotSent, nullptr, "! Адаптер не сообщил напряжение бортовой сети: запись не выполнена"},
    {"another length", "CD421010", {}, sim::FaultKind::None, false, true, WriteOutcome::NotSent, nullptr,
     "! Блок для записи длиной 4 байт, а модуль содержит 5 байт: запись не выполнена"},
    {"what the module holds cannot be read", "CD421010C1", {{"720 2100", "NO DATA"}}, sim::FaultKind::None, false,
     true, WriteOutcome::NotSent, nullptr, "! Блок модуля не прочитан: запись не выполнена"},
};

TEST(WriteGate, EveryOutcomeIsLoggedRecordedAndNeverPassedOffAsSuccess)
{
    for (const GateCase& c : kCases) {
        SCOPED_TRACE(c.what);
        CarRig rig;
        TestGate tg(rig.session, rig.host);
        rig.car().setBlock(QStringLiteral("720"), 0, QByteArray::fromHex(kHeld.toLatin1()));
        rig.car().setFault(QStringLiteral("720"), c.fault);
        for (const auto& [key, answer] : c.canned)
            rig.channel.canned.insert(QString::fromLatin1(key), answer);
        const QString write = QStringLiteral("3B00") + QLatin1String(c.newHex);
        if (c.moduleTakesIt) {
            rig.channel.beforeSend = [&rig, write](const QString& cmd) {
                if (cmd == write)
                    rig.car().setBlock(QStringLiteral("720"), 0, QByteArray::fromHex(cmd.mid(4).toLatin1()));
            };
        }
        rig.host.confirmAnswers = {c.agree};

        BlockWrite w;
        w.target = tg.gate.targetOf(QStringLiteral("720"), QStringLiteral("00"));
        w.newHex = QLatin1String(c.newHex);
        EXPECT_EQ(tg.gate.writeBlock(w).outcome, c.outcome);
        EXPECT_EQ(rig.host.lines.last(), QString::fromUtf8(c.lastLine));

        const bool sent = rig.channel.sent.contains(write);
        EXPECT_EQ(sent, c.outcome >= WriteOutcome::Verified);
        const auto rows = Journal(tg.journalPath()).entries();
        ASSERT_TRUE(rows.has_value());
        if (!c.journalOutcome) {
            EXPECT_TRUE(rows->isEmpty());
            continue;
        }
        ASSERT_EQ(rows->size(), 1);
        const JournalEntry& row = rows->first();
        EXPECT_EQ(row.outcome, QLatin1String(c.journalOutcome));
        EXPECT_EQ(QStringList({row.vin, row.address, row.block, row.oldHex, row.newHex}),
                  QStringList({rig.car().vin(), QStringLiteral("720"), QStringLiteral("00"), kHeld, kNew}));
    }
}

TEST(WriteGate, ShowsTheChangeChecksAndRestoresIt)
{
    CarRig rig;
    TestGate tg(rig.session, rig.host);
    rig.car().setBlock(QStringLiteral("720"), 0, QByteArray::fromHex(kHeld.toLatin1()));
    BlockWrite w;
    w.target = tg.gate.targetOf(QStringLiteral("720"), QStringLiteral("00"));
    w.newHex = kNew;
    w.describe = [](const QString& held) { return QStringList{held + QStringLiteral(" → ") + kNew}; };
    ASSERT_EQ(tg.gate.writeBlock(w).outcome, WriteOutcome::Verified);

    // What it holds and its own VIN, the car's VIN from another module once, battery, ask,
    // battery, write, read back.
    const QStringList sent = rig.channel.sent;
    EXPECT_EQ(sent.mid(sent.indexOf(QStringLiteral("ATSH720"))),
              (QStringList{"ATSH720", "1087", "2100", "2102", "ATZ", "ATSP6", "ATSH760", "1087", "2100", "ATZ", "ATSP6",
                           "ATSH720", "1087", "ATRV", "ATRV", "3B00CD421010C1", "2100"}));
    ASSERT_EQ(rig.host.confirmations.size(), 1);
    const link::ChangeRequest& asked = rig.host.confirmations[0];
    EXPECT_EQ(asked.subject, QStringLiteral("IPC (Панель приборов), адрес 720, блок 00"));
    EXPECT_EQ(asked.changes, QStringList{QStringLiteral("CD421010C0 → CD421010C1")});
    EXPECT_EQ(asked.oldHex + QStringLiteral(" / ") + asked.newHex, QStringLiteral("CD 42 10 10 C0 / CD 42 10 10 C1"));

    const auto rows = tg.gate.journal().entries();
    ASSERT_TRUE(rows && rows->size() == 1);
    EXPECT_EQ(tg.gate.restore(rows->first(), {}).outcome, WriteOutcome::Verified);
    EXPECT_EQ(rig.car().block(QStringLiteral("720"), 0), QByteArray::fromHex(kHeld.toLatin1()));
    const auto after = tg.gate.journal().entries();
    ASSERT_TRUE(after && after->size() == 2);
    EXPECT_EQ(after->first().oldHex + QStringLiteral("->") + after->first().newHex, kNew + QStringLiteral("->") + kHeld);
}

TEST(WriteGate, JournalThatCannotBeWrittenRefusesTheWrite)
{
    CarRig rig;
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    link::LinkState state;
    SafetySettings settings;
    settings.journalPath = dir.filePath(QStringLiteral("not-a-folder/journal.sqlite"));
    WriteGate gate(rig.session, rig.host, state, settings);
    BlockWrite w;
    w.target = gate.targetOf(QStringLiteral("720"), QStringLiteral("00"));
    w.newHex = kNew;
    EXPECT_EQ(gate.writeBlock(w).outcome, WriteOutcome::NotSent);
    EXPECT_TRUE(rig.channel.sent.isEmpty());
    EXPECT_TRUE(rig.host.lines.last().startsWith(QStringLiteral("! Журнал записей недоступен (")));
    EXPECT_TRUE(rig.host.lines.last().endsWith(QStringLiteral("): запись не выполнена")));
}

TEST(WriteGate, DamagedJournalIsReportedOnceAndTheWritesGoOn)
{
    CarRig rig;
    TestGate tg(rig.session, rig.host);
    {
        QFile f(tg.journalPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("not a journal\n").repeated(100));
    }
    rig.car().setBlock(QStringLiteral("720"), 0, QByteArray::fromHex(kHeld.toLatin1()));
    for (const QString& hex : {kNew, kHeld}) {
        BlockWrite w;
        w.target = tg.gate.targetOf(QStringLiteral("720"), QStringLiteral("00"));
        w.newHex = hex;
        EXPECT_EQ(tg.gate.writeBlock(w).outcome, WriteOutcome::Verified);
    }
    const QStringList told = rig.host.lines.filter(QStringLiteral("! Журнал записей был повреждён и отложен как "));
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(QFile::exists(told[0].section(QStringLiteral(" как "), 1).section(QLatin1Char(';'), 0, 0)));
    EXPECT_EQ(tg.gate.journal().entries()->size(), 2);
}

TEST(WriteGate, ClearingAndRestartGoOutOnlyAfterTheUserAgreed)
{
    CarRig rig;
    TestGate tg(rig.session, rig.host);
    EXPECT_EQ(tg.gate.clearCodes(), QString()); // never asked
    rig.host.confirmAnswers = {false, true};
    EXPECT_FALSE(tg.gate.confirmRestart(QStringLiteral("BCM")));
    EXPECT_TRUE(tg.gate.declined());
    EXPECT_EQ(tg.gate.restart(), QString());
    EXPECT_FALSE(rig.channel.sent.contains(QStringLiteral("1101")));
    EXPECT_TRUE(tg.gate.confirmClearing({QStringLiteral("GEM модуль (BCM)")}));
    EXPECT_EQ(rig.host.confirmations.last().changes, QStringList{QStringLiteral("GEM модуль (BCM)")});
    EXPECT_EQ(rig.host.confirmations.last().kind, link::ChangeRequest::Kind::Clear);
}

TEST(NegativeAnswers, NameTheirReason)
{
    const struct {
        const char* cut;
        const char* note;
    } cases[] = {
        {"7F3B13", " (7F 3B 13: неверная длина)"},      {"7F3B22", " (7F 3B 22: условия не выполнены)"},
        {"7F3B31", " (7F 3B 31: вне диапазона)"},       {"7F2733", " (7F 27 33: доступ запрещён)"},
        {"7F2178", " (7F 21 78: модуль занят)"},        {"7F3B7E", " (7F 3B 7E: код 7E)"},
        {"7B00", ""},                                   {"7F3B", ""},
        {"NODATA", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(link::negativeAnswerNote(QLatin1String(c.cut)), QString::fromUtf8(c.note)) << c.cut;
}

} // namespace
} // namespace talmero::safety
