#include "support/outcome_text.h"
#include "diag/car_channel.h"
#include "link/answer_text.h"
#include "safety/journal.h"
#include "safety/write_gate.h"
#include "support/test_gate.h"
#include "../config/qt_print.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>
#include <gtest/gtest.h>
#include "support/probe_module.h"

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
    bool readBackLost = false; // the read after the write gets no answer
    double minVoltage = SafetySettings::kDefaultMinVoltage;
    const char* dropAt = nullptr;      // the connection drops as this command goes out
    const char* afterPrompt = nullptr; // the module's real answer, 100 ms after the write's prompt
    const char* detail = nullptr;      // the row's detail, where it matters
    // With a count on the write (an adapter that takes counts), where the last line differs:
    // the chip stops at the busy line, and its real answer is lost.
    const char* countedLastLine = nullptr;
};
const double kMin = SafetySettings::kDefaultMinVoltage;

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
     true, WriteOutcome::KeptOld, "no-answer", "! Модуль содержит прежние данные: запись не принята"},
    {"low battery", "CD421010C1", {{"ATRV", "11.5V"}}, sim::FaultKind::None, false, true, WriteOutcome::NotSent,
     nullptr, "! Напряжение бортовой сети 11.5 В ниже порога 12.0 В: запись не выполнена"},
    {"no voltage from the adapter", "CD421010C1", {{"ATRV", "?"}}, sim::FaultKind::None, false, true,
     WriteOutcome::NotSent, nullptr, "! Адаптер не сообщил напряжение бортовой сети: запись не выполнена"},
    {"another length", "CD421010", {}, sim::FaultKind::None, false, true, WriteOutcome::NotSent, nullptr,
     "! Блок для записи длиной 4 байт, а модуль содержит 5 байт: запись не выполнена"},
    {"what the module holds cannot be read", "CD421010C1", {{"720 2100", "NO DATA"}}, sim::FaultKind::None, false,
     true, WriteOutcome::NotSent, nullptr, "! Блок модуля не прочитан: запись не выполнена"},
    {"a longer block", "CD421010C1C2", {}, sim::FaultKind::None, false, true, WriteOutcome::NotSent, nullptr,
     "! Блок для записи длиной 6 байт, а модуль содержит 5 байт: запись не выполнена"},
    {"accepted, read-back lost", "CD421010C1", {}, sim::FaultKind::None, false, true, WriteOutcome::Unknown,
     "accepted-unread", "! Блок после записи не прочитан: запись не проверена", true, kMin, nullptr, nullptr,
     "read back: none"},
    {"answer lost, read-back lost", "CD421010C1", {{"720 3B00CD421010C1", "NO DATA"}}, sim::FaultKind::None, false,
     true, WriteOutcome::Unknown, "no-answer", "! Блок после записи не прочитан: запись не проверена", true, kMin,
     nullptr, nullptr, "answer: NODATA"},
    // A module busy storing the block: read until it holds it, whenever its answer comes.
    {"busy, then its answer before the prompt", "CD421010C1", {}, sim::FaultKind::BusyWrite, false, true,
     WriteOutcome::Verified, "accepted-verified", "* Запись проверена: модуль содержит записанные данные", false, kMin,
     nullptr, nullptr, nullptr, "* Модуль содержит записанные данные: запись принята"},
    {"busy, its answer lost", "CD421010C1", {}, sim::FaultKind::BusyLost, false, true, WriteOutcome::Verified,
     "accepted-verified", "* Модуль содержит записанные данные: запись принята", false, kMin, nullptr, nullptr,
     "answer: busy"},
    {"busy, its answer after the prompt", "CD421010C1", {{"720 3B00CD421010C1", "7F 3B 78"}}, sim::FaultKind::None,
     true, true, WriteOutcome::Verified, "accepted-verified", "* Запись проверена: модуль содержит записанные данные",
     false, kMin, nullptr, "7B 00"},
    {"busy, and the old block all along", "CD421010C1", {{"720 3B00CD421010C1", "7F 3B 78"}}, sim::FaultKind::None,
     false, true, WriteOutcome::KeptOld, "no-answer",
     "! Модуль был занят и через 3 с содержит прежние данные: запись не подтверждена; её итог уточнит следующее чтение блока"},
    // The adapter goes away as the write goes out: said as such, and left for a reading to settle.
    {"connection lost as the write goes out", "CD421010C1", {}, sim::FaultKind::None, false, true,
     WriteOutcome::Unknown, "no-answer",
     "! Связь с адаптером потеряна: запись отправлена, но не проверена (модуль мог её принять): IPC (Панель приборов); "
     "итог уточнит следующее чтение блока",
     false, kMin, "3B00CD421010C1", nullptr, "answer: connection lost"},
    {"battery at the threshold", "CD421010C1", {{"ATRV", "12.0V"}}, sim::FaultKind::None, false, true,
     WriteOutcome::Verified, "accepted-verified", "* Запись проверена: модуль содержит записанные данные"},
    {"below the user's threshold", "CD421010C1", {{"ATRV", "12.3V"}}, sim::FaultKind::None, false, true,
     WriteOutcome::NotSent, nullptr, "! Напряжение бортовой сети 12.3 В ниже порога 12.5 В: запись не выполнена", false,
     12.5},
    {"lower-case content is written upper-cased", "cd421010c1", {}, sim::FaultKind::None, false, true,
     WriteOutcome::Verified, "accepted-verified", "* Запись проверена: модуль содержит записанные данные"},
};

TEST(WriteGate, EveryOutcomeIsLoggedRecordedAndNeverPassedOffAsSuccess)
{
    // Every case as the write goes without a count, and the busy ones again with one.
    for (const bool counts : {false, true})
    for (const GateCase& c : kCases) {
        if (counts && !QByteArray(c.what).startsWith("busy"))
            continue;
        SCOPED_TRACE(std::string(c.what) + (counts ? ", with a count" : ""));
        CarRig rig;
        rig.adapter.setAnswerCounts(counts);
        TestGate tg(rig.session, rig.host, c.minVoltage);
        rig.car().setBlock(QStringLiteral("720"), 0, QByteArray::fromHex(kHeld.toLatin1()));
        rig.car().setFault(QStringLiteral("720"), c.fault);
        for (const auto& [key, answer] : c.canned)
            rig.channel.canned.insert(QString::fromLatin1(key), answer);
        const QString write = (QStringLiteral("3B00") + QLatin1String(c.newHex)).toUpper();
        QStringList rowsWhenSent;
        rig.channel.beforeSend = [&, write](const QString& cmd) {
            if (c.dropAt && cmd == QLatin1String(c.dropAt))
                rig.channel.close(); // nothing goes out after it
            if (cmd != write && cmd != write + QStringLiteral(" 1"))
                return;
            // The row is there, pending, before the request goes out.
            for (const JournalEntry& e : Journal(tg.journalPath()).entries().value_or(QList<JournalEntry>()))
                rowsWhenSent << e.outcome;
            if (c.moduleTakesIt)
                rig.car().setBlock(QStringLiteral("720"), 0, QByteArray::fromHex(write.mid(4).toLatin1()));
            if (c.readBackLost)
                rig.channel.canned.insert(QStringLiteral("720 2100"), "NO DATA");
            if (c.afterPrompt)
                QTimer::singleShot(100, &rig.channel, [&] { Q_EMIT rig.channel.batchReceived(QByteArray(c.afterPrompt) + "\r\r>"); });
        };
        rig.host.confirmAnswers = {c.agree};

        BlockWrite w;
        w.target = tg.gate.targetOf(*talmero::link::moduleAt(QStringLiteral("720")), QStringLiteral("00"));
        w.newHex = QLatin1String(c.newHex);
        EXPECT_EQ(tg.gate.writeBlock(w).outcome, c.outcome);
        EXPECT_EQ(rig.host.lines.last(), QString::fromUtf8(counts && c.countedLastLine ? c.countedLastLine : c.lastLine));

        const bool sent = rig.channel.sent.contains(counts ? write + QStringLiteral(" 1") : write);
        EXPECT_EQ(sent, c.outcome >= WriteOutcome::Verified);
        EXPECT_EQ(rowsWhenSent, sent ? QStringList{QStringLiteral("pending")} : QStringList());
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
        if (c.detail) {
            EXPECT_EQ(row.detail, QLatin1String(c.detail));
        }
        // A row left unknown is settled by the next reading of its block.
        EXPECT_EQ(row.unknown(), c.outcome == WriteOutcome::Unknown || QByteArray(c.lastLine).contains("был занят"));
        rig.channel.canned.clear();
        rig.channel.open();
        tg.gate.nextToUndo();
        EXPECT_FALSE(Journal(tg.journalPath()).entries()->first().unknown());
    }
}

TEST(WriteGate, ShowsTheChangeChecksAndRestoresIt)
{
    CarRig rig;
    TestGate tg(rig.session, rig.host);
    rig.car().setBlock(QStringLiteral("720"), 0, QByteArray::fromHex(kHeld.toLatin1()));
    BlockWrite w;
    w.target = tg.gate.targetOf(*talmero::link::moduleAt(QStringLiteral("720")), QStringLiteral("00"));
    w.newHex = kNew;
    w.describe = [](const QString& held) { return QStringList{held + QStringLiteral(" → ") + kNew}; };
    ASSERT_EQ(tg.gate.writeBlock(w).outcome, WriteOutcome::Verified);

    // The car's VIN from the instrument panel once, the operation's one reset, what the
    // module holds and its own VIN, battery, ask, what it holds again, write, read back.
    const QStringList sent = rig.channel.sent;
    EXPECT_EQ(sent.mid(sent.indexOf(QStringLiteral("ATSH720"))),
              (QStringList{"ATSH720", "1087", "2102", "ATZ", "ATSP6", "ATSH720", "1087", "2100", "2102", "ATRV",
                           "2100", "3B00CD421010C1", "2100"}));
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
    w.target = gate.targetOf(*talmero::link::moduleAt(QStringLiteral("720")), QStringLiteral("00"));
    w.newHex = kNew;
    EXPECT_EQ(gate.writeBlock(w).outcome, WriteOutcome::NotSent);
    EXPECT_TRUE(rig.channel.sent.isEmpty());
    EXPECT_TRUE(rig.host.lines.last().startsWith(QStringLiteral("! Журнал записей недоступен (")));
    EXPECT_TRUE(rig.host.lines.last().endsWith(QStringLiteral("): запись не выполнена")));

    // A journal that opens but refuses the row, as a full disk does: nothing goes out.
    TestGate full(rig.session, rig.host);
    ASSERT_TRUE(Journal(full.journalPath()).open());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("full"));
        db.setDatabaseName(full.journalPath());
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(QSqlQuery(db).exec(QStringLiteral("CREATE TRIGGER full BEFORE INSERT ON writes "
                                                      "BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("full"));
    EXPECT_EQ(full.gate.writeBlock(w).outcome, WriteOutcome::NotSent);
    EXPECT_TRUE(rig.channel.sent.filter(QStringLiteral("3B")).isEmpty());
    EXPECT_TRUE(rig.host.lines.last().contains(QStringLiteral("database or disk is full")));
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
        w.target = tg.gate.targetOf(*talmero::link::moduleAt(QStringLiteral("720")), QStringLiteral("00"));
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
    ChangeRequests& requests = tg.gate.requests();
    const car::Module& bcm = *link::moduleAt(QStringLiteral("726"));
    const car::Module& ipc = *link::moduleAt(QStringLiteral("720"));
    using Kind = link::Outcome::Kind;
    EXPECT_EQ(requests.clearCodes(bcm).kind, Kind::Refused); // never asked
    rig.host.confirmAnswers = {false, true, true};
    EXPECT_EQ(requests.confirmRestart(QStringLiteral("BCM"), bcm).kind, Kind::Cancelled);
    EXPECT_EQ(requests.restart(bcm).kind, Kind::Refused);
    EXPECT_FALSE(rig.channel.sent.contains(QStringLiteral("1101")));
    // Agreed for the BCM: refused while another module is open, and for another module.
    EXPECT_TRUE(requests.confirmRestart(QStringLiteral("BCM"), bcm).ok());
    ASSERT_EQ(rig.session.openModule(probeModule(QStringLiteral("720"), false, true), false, true), QStringLiteral("OK"));
    EXPECT_EQ(requests.restart(bcm).line, QStringLiteral("! Открыт модуль 720, а не 726: запрос не отправлен"));
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("! Открыт модуль 720, а не 726: запрос не отправлен"));
    EXPECT_EQ(requests.restart(ipc).kind, Kind::Refused);
    EXPECT_TRUE(requests.confirmClearing({QStringLiteral("GEM модуль (BCM)")}, {&bcm}).ok());
    EXPECT_EQ(rig.host.confirmations.last().changes, QStringList{QStringLiteral("GEM модуль (BCM)")});
    EXPECT_EQ(rig.host.confirmations.last().kind, link::ChangeRequest::Kind::Clear);
    EXPECT_EQ(requests.clearCodes(bcm).kind, Kind::Refused);
    EXPECT_FALSE(rig.channel.sent.contains(QStringLiteral("1101")) || rig.channel.sent.contains(QStringLiteral("14FF00")));
    // Recorded, on the battery reading the question showed a moment ago; once per agreement.
    ASSERT_EQ(rig.session.openModule(probeModule(QStringLiteral("726"), true, true), false, true), QStringLiteral("OK"));
    EXPECT_TRUE(requests.clearCodes(bcm).ok());
    EXPECT_EQ(requests.clearCodes(bcm).kind, Kind::Refused);
    EXPECT_EQ(rig.channel.sent.mid(rig.channel.sent.size() - 2), (QStringList{"1087", "14FF00"}));
    const JournalEntry row = tg.gate.journal().entries()->first();
    EXPECT_EQ(QStringList({row.kind, row.address, row.outcome}), (QStringList{"clearing", "726", "accepted"}));
    // Under the VIN the car's instrument panel gave before asking, as a write is.
    EXPECT_EQ(row.vin + u' ' + row.vinSource, rig.car().vin() + QStringLiteral(" read"));
    // A low battery: told instead of asked.
    rig.channel.canned.insert(QStringLiteral("ATRV"), "11.0V");
    const qsizetype asked = rig.host.confirmations.size();
    EXPECT_EQ(requests.confirmRestart(QStringLiteral("BCM"), bcm).kind, Kind::Refused);
    EXPECT_EQ(rig.host.confirmations.size(), asked);
}

BlockWrite blockWrite(WriteGate& gate, const char* address, const char* block, const char* hex)
{
    BlockWrite w;
    if (const talmero::link::TModuls* module = talmero::link::moduleAt(QLatin1String(address))) {
        w.target = gate.targetOf(*module, QLatin1String(block));
    } else { // no module of the table: only a crafted request names one
        w.target.address = QLatin1String(address);
        w.target.block = QLatin1String(block);
    }
    w.newHex = QLatin1String(hex);
    return w;
}

// The car's VIN comes from its identity modules, the instrument panel first; a used module
// from another car is a donor, never the reference.
TEST(WriteGate, EveryRowNamesTheCarByTheVinItsIdentityModulesHold)
{
    const QString car = QStringLiteral("WF0AXXWPDA9K12345");
    const QString other = QStringLiteral("WF0AXXGCDA7654321");
    const QString typed = QStringLiteral("WF0AXXGCDA1111111");
    const QString disputed = QStringLiteral("Модули автомобиля расходятся в VIN (ABS: WF0AXXWPDA9K12345; HCM: "
                                            "WF0AXXGCDA7654321): VIN автомобиля неизвестен");
    const QString blank(17, QLatin1Char(' ')); // an unprogrammed instrument panel
    const struct {
        const char* what;
        QStringList silent;     // modules that do not answer
        QString hcmVin;         // the headlamp module's VIN block, when not the car's
        QString rowVin;
        const char* source;
        bool disputedWarning;
        QString ipcVin = {};    // the instrument panel's VIN block, when not the car's
        QString absVin = {};
        const char* second = "726"; // the module of the second write: its VIN is read too
    } cases[] = {
        {"a donor HVAC", {}, {}, car, "read", false},
        {"the instrument panel silent: the ABS", {"720"}, {}, car, "read", false},
        {"the instrument panel settles a donor HCM", {}, other, car, "read", false, {}, {}, "734"},
        {"without it, ABS and HCM disagree", {"720"}, other, typed, "typed", true},
        {"no identity module answers", {"720", "760", "734", "730"}, {}, typed, "typed", false},
        {"a blank panel and one used ABS", {"734", "730"}, {}, typed, "typed", false, blank, other},
        {"a blank panel, ABS and the steering agree", {"734"}, {}, car, "read", false, blank},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CarRig rig;
        TestGate tg(rig.session, rig.host);
        tg.state.carVIN = typed;
        rig.car().setBlock(QStringLiteral("733"), 0, other.toLatin1()); // a climate module from another car
        for (const auto& [address, block, vin] : {std::tuple{"734", 1, c.hcmVin}, {"720", 2, c.ipcVin}, {"760", 0, c.absVin}}) {
            if (!vin.isEmpty())
                rig.car().setBlock(QLatin1String(address), block, vin.toLatin1());
        }
        for (const QString& address : c.silent)
            rig.car().setFault(address, sim::FaultKind::Silent);
        ASSERT_EQ(tg.gate.writeBlock(blockWrite(tg.gate, "733", "01", "C0")).outcome, WriteOutcome::Verified);
        const bool hcm = QLatin1String(c.second) == QLatin1String("734");
        ASSERT_EQ(tg.gate.writeBlock(blockWrite(tg.gate, c.second, hcm ? "00" : "03", hcm ? "04" : "E3D0D4FD")).outcome,
                  WriteOutcome::Verified);
        const QStringList warnings = rig.host.confirmations.first().warnings;
        EXPECT_EQ(warnings.contains(disputed), c.disputedWarning) << warnings.join(u'|').toStdString();
        // The donor is named as one only against a VIN its car's modules gave.
        EXPECT_EQ(warnings.contains(QStringLiteral("Этот модуль содержит VIN %1: возможно, он с другого автомобиля (VIN автомобиля %2)")
                                        .arg(other, car)),
                  QLatin1String(c.source) == QLatin1String("read"));
        const auto rows = tg.gate.journal().entries();
        ASSERT_TRUE(rows && rows->size() == 2);
        for (const JournalEntry& row : *rows)
            EXPECT_EQ(row.vin + u' ' + row.vinSource, c.rowVin + u' ' + QLatin1String(c.source));
        EXPECT_EQ((*rows)[1].moduleVin, other);
    }
    // The log says once that the car's VIN differs from the one typed; seventeen zeros are
    // no VIN typed.
    for (const QString& given : {typed, QString(17, u'0')}) {
        CarRig rig;
        TestGate tg(rig.session, rig.host);
        tg.state.carVIN = given;
        tg.gate.vin().find();
        EXPECT_EQ(rig.host.lines.filter(QStringLiteral("отличается от указанного")).size(), given == typed ? 1 : 0);
    }
}

TEST(WriteGate, UndoGoesBackOneWriteAtATimeOnlyOnItsOwnCar)
{
    CarRig rig;
    TestGate tg(rig.session, rig.host);
    const auto held = [&rig] { return QString::fromLatin1(rig.car().block(QStringLiteral("720"), 0)->toHex().toUpper()); };
    rig.car().setBlock(QStringLiteral("720"), 0, QByteArray::fromHex(kHeld.toLatin1()));
    for (const char* hex : {"CD421010C1", "CD421010C2"})
        ASSERT_EQ(tg.gate.writeBlock(blockWrite(tg.gate, "720", "00", hex)).outcome, WriteOutcome::Verified);
    // Twice: each undo one step further back, never re-applying what the first undid.
    for (const char* expected : {"CD421010C1", "CD421010C0"}) {
        const auto next = tg.gate.nextToUndo();
        ASSERT_TRUE(next.has_value());
        EXPECT_EQ(tg.gate.restore(*next, {}).outcome, WriteOutcome::Verified);
        EXPECT_EQ(held(), QLatin1String(expected));
    }
    EXPECT_FALSE(tg.gate.nextToUndo().has_value());

    // Changed since: refused with what the module holds, unless forced.
    ASSERT_EQ(tg.gate.writeBlock(blockWrite(tg.gate, "720", "00", "CD421010C1")).outcome, WriteOutcome::Verified);
    rig.car().setBlock(QStringLiteral("720"), 0, QByteArray::fromHex("CD421010C7"));
    const JournalEntry stale = *tg.gate.nextToUndo();
    EXPECT_EQ(tg.gate.restore(stale, {}).outcome, WriteOutcome::NotSent);
    EXPECT_EQ(rig.host.lines.last(),
              QStringLiteral("! Модуль содержит CD 42 10 10 C7, а не записанное этой записью: восстановление не выполнено"));
    EXPECT_EQ(tg.gate.restore(stale, {}, true).outcome, WriteOutcome::Verified);
    EXPECT_FALSE(rig.host.confirmations.last().mustTick.isEmpty());
    EXPECT_EQ(held(), kHeld);

    // Another car's row, and a row that changed nothing, are never restored.
    JournalEntry foreign = stale;
    foreign.vin = QStringLiteral("WF0AXXGCDA7654321");
    rig.host.confirmAnswers = {false};
    tg.gate.writeBlock(blockWrite(tg.gate, "720", "00", "CD421010C3"));
    const JournalEntry cancelled = tg.gate.journal().entries()->first();
    rig.channel.sent.clear();
    EXPECT_EQ(tg.gate.restore(foreign, {}).outcome, WriteOutcome::NotSent);
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("! Запись журнала сделана на другом автомобиле (VIN WF0AXXGCDA7654321): она не восстанавливается"));
    EXPECT_EQ(tg.gate.restore(cancelled, {}).outcome, WriteOutcome::NotSent);
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("! Эта запись журнала ничего не изменила: восстанавливать нечего"));
    EXPECT_TRUE(rig.channel.sent.filter(QStringLiteral("3B")).isEmpty());

    // A write killed after sending stays pending; reading the block settles it.
    JournalEntry killed = stale;
    killed.oldHex = kHeld;
    killed.newHex = QStringLiteral("CD421010C5");
    killed.outcome = QString::fromLatin1(kOutcomePending);
    ASSERT_TRUE(tg.gate.journal().record(killed));
    EXPECT_TRUE(tg.gate.journal().entries()->first().unknown());
    rig.car().setBlock(QStringLiteral("720"), 0, QByteArray::fromHex("CD421010C5")); // it took it
    const auto settled = tg.gate.nextToUndo();
    ASSERT_TRUE(settled.has_value());
    EXPECT_EQ(settled->outcome + settled->newHex, QStringLiteral("accepted-verifiedCD421010C5"));
    EXPECT_EQ(tg.gate.restore(*settled, {}).outcome, WriteOutcome::Verified);
    // Lost answer, module kept its block: the next write to it settles the row as not taken.
    killed.outcome = QString::fromLatin1(kOutcomeNoAnswer);
    ASSERT_TRUE(tg.gate.journal().record(killed));
    ASSERT_EQ(tg.gate.writeBlock(blockWrite(tg.gate, "720", "00", "CD421010C1")).outcome, WriteOutcome::Verified);
    const JournalEntry lost = (*tg.gate.journal().entries())[1];
    EXPECT_EQ(lost.outcome + (lost.unknown() ? " unknown" : " known"), QStringLiteral("no-answer known"));

    // Put back by hand before the undo: the undo says so in the journal, and is not offered again.
    const JournalEntry byHand = *tg.gate.nextToUndo();
    rig.car().setBlock(QStringLiteral("720"), 0, QByteArray::fromHex(byHand.oldHex.toLatin1()));
    EXPECT_EQ(tg.gate.restore(byHand, {}).outcome, WriteOutcome::Unchanged);
    const auto after = tg.gate.nextToUndo();
    EXPECT_TRUE(!after || after->id != byHand.id);
}

// A car whose VIN is not read is known only by its connection: its rows are never offered
// to another unknown car under the same typed VIN, nor settled by reading that one.
TEST(WriteGate, RowsOfACarWithoutItsVinStayWithTheirConnection)
{
    CarRig rig;
    for (const char* address : {"720", "760", "734", "730"})
        rig.car().setFault(QLatin1String(address), sim::FaultKind::Silent);
    TestGate first(rig.session, rig.host);
    first.state.carVIN = QStringLiteral("00000000000000000");
    ASSERT_EQ(first.gate.writeBlock(blockWrite(first.gate, "733", "01", "C0")).outcome, WriteOutcome::Verified);
    link::LinkState state;
    state.carVIN = first.state.carVIN;
    WriteGate second(rig.session, rig.host, state, TestGate::settings(first.dir, SafetySettings::kDefaultMinVoltage));
    EXPECT_FALSE(second.nextToUndo().has_value());
    const JournalEntry row = first.gate.journal().entries()->first();
    EXPECT_EQ(second.restore(row, {}).outcome, WriteOutcome::NotSent);
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("! Запись журнала сделана при другом подключении, когда VIN автомобиля "
                                                    "не был прочитан: она не восстанавливается"));
    const auto own = first.gate.nextToUndo();
    ASSERT_TRUE(own.has_value());
    EXPECT_EQ(first.gate.restore(*own, {}).outcome, WriteOutcome::Verified);
    // Its write whose answer never came stays unknown when the other writes there.
    JournalEntry killed = row;
    killed.outcome = QString::fromLatin1(kOutcomePending);
    ASSERT_TRUE(first.gate.journal().record(killed));
    ASSERT_EQ(second.writeBlock(blockWrite(second, "733", "01", "80")).outcome, WriteOutcome::Verified);
    EXPECT_TRUE((*first.gate.journal().entries())[1].unknown());
}

// Whatever changes a block between the confirmation and the request stops its write; an
// undo the module refuses leaves the write to undo.
TEST(WriteGate, ABlockChangedAfterAskingIsNotWrittenAndARefusedUndoStaysUndoable)
{
    CarRig rig;
    TestGate tg(rig.session, rig.host);
    int batteryReads = 0;
    const auto changeOnBatteryRead = [&](int when, const char* address, const char* hex) {
        batteryReads = 0;
        rig.channel.beforeSend = [&, when, address, hex](const QString& cmd) {
            if (cmd == QLatin1String("ATRV") && ++batteryReads == when)
                rig.car().setBlock(QLatin1String(address), 1, QByteArray::fromHex(hex));
        };
    };
    // One block: the battery is read once, before asking; the block is read again before writing.
    changeOnBatteryRead(1, "740", "1D");
    EXPECT_EQ(tg.gate.writeBlock(blockWrite(tg.gate, "740", "01", "BD")).outcome, WriteOutcome::NotSent);
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("! Блок модуля изменился после подтверждения: запись не выполнена"));
    // Both doors: the passenger's changes while the driver's is written (its own battery reading).
    changeOnBatteryRead(2, "741", "1D");
    const BatchResult pair = tg.gate.writeBlocks({blockWrite(tg.gate, "740", "01", "BD"), blockWrite(tg.gate, "741", "01", "BD")},
                                                 BatchOptions{});
    ASSERT_EQ(pair.results.size(), 2);
    EXPECT_EQ(pair.results[0].outcome, WriteOutcome::Verified);
    EXPECT_EQ(pair.results[1].outcome, WriteOutcome::NotSent);
    EXPECT_EQ(rig.car().block(QStringLiteral("741"), 1), QByteArray::fromHex("1D"));
    EXPECT_EQ(rig.channel.sent.filter(QStringLiteral("3B01")), QStringList{"3B01BD"});

    // The undo of the driver's door is refused: it is still the write to undo.
    rig.channel.beforeSend = nullptr;
    const auto next = tg.gate.nextToUndo();
    ASSERT_TRUE(next && next->address == QLatin1String("740"));
    rig.channel.canned.insert(QStringLiteral("740 3B011D"), "7F 3B 22");
    EXPECT_EQ(tg.gate.restore(*next, {}).outcome, WriteOutcome::Refused);
    const auto again = tg.gate.nextToUndo();
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->id, next->id);

    // Both doors written together are undone together: one question, both back.
    rig.channel.canned.clear();
    tg.gate.writeBlocks({blockWrite(tg.gate, "740", "01", "5D"), blockWrite(tg.gate, "741", "01", "5D")}, BatchOptions{});
    const qsizetype asked = rig.host.confirmations.size();
    const BatchResult undone = tg.gate.undo(*tg.gate.nextToUndo(), {});
    EXPECT_EQ(undone.results.size(), 2);
    EXPECT_EQ(rig.host.confirmations.size(), asked + 1);
    EXPECT_EQ(rig.car().block(QStringLiteral("740"), 1), QByteArray::fromHex("BD"));
    EXPECT_EQ(rig.car().block(QStringLiteral("741"), 1), QByteArray::fromHex("1D"));

    // A batch is undone whole or not at all: a door changed since, or silent, stops both
    // before anything is sent, and is named; forced, the changed one goes back too.
    for (const bool silent : {false, true}) {
        tg.gate.writeBlocks({blockWrite(tg.gate, "740", "01", "7D"), blockWrite(tg.gate, "741", "01", "7D")}, BatchOptions{});
        silent ? rig.car().setFault(QStringLiteral("741"), sim::FaultKind::Silent)
               : rig.car().setBlock(QStringLiteral("740"), 1, QByteArray::fromHex("FD"));
        rig.channel.sent.clear();
        const JournalEntry batch = *tg.gate.nextToUndo();
        tg.gate.undo(batch, {});
        EXPECT_TRUE(rig.channel.sent.filter(QStringLiteral("3B")).isEmpty());
        EXPECT_EQ(rig.host.notices.last(), QStringLiteral("! Пакет отменяется только целиком, а %1: ничего не записано")
                                               .arg(silent ? QStringLiteral("PDM (Пассажирский дверной модуль) не прочитан")
                                                           : QStringLiteral("DDM (Водительский дверной модуль) изменён после записи")));
        EXPECT_EQ(rig.car().block(QLatin1String(silent ? "740" : "741"), 1), QByteArray::fromHex("7D"));
        rig.car().setFault(QStringLiteral("741"), sim::FaultKind::None);
        EXPECT_EQ(tg.gate.undo(batch, {}, true).results.size(), 2);
        EXPECT_EQ(rig.car().block(QStringLiteral("740"), 1), QByteArray::fromHex("BD"));
    }
}

TEST(WriteGate, OnlyCheckedHexReachesTheAdapter)
{
    CarRig rig;
    TestGate tg(rig.session, rig.host);
    const struct {
        const char* address;
        const char* block;
        const char* oldHex;
    } crafted[] = {{"726", "01\r3B01C0", "E3D0D4FC"}, {"726", "03", "C0F"}, {"726", "03", "e3d0d4fc"},
                   {"E3D\r1101", "03", "E3D0D4FC"}, {"726", "0", "E3D0D4FC"}};
    for (const auto& c : crafted) {
        JournalEntry row;
        row.vin = rig.car().vin();
        row.address = QLatin1String(c.address);
        row.block = QLatin1String(c.block);
        row.oldHex = QLatin1String(c.oldHex);
        row.newHex = QStringLiteral("E3D0D4FD");
        row.outcome = QString::fromLatin1(kOutcomeVerified);
        EXPECT_FALSE(row.wellFormed()) << c.block;
        EXPECT_EQ(tg.gate.restore(row, {}).outcome, WriteOutcome::NotSent) << c.block;
        EXPECT_EQ(rig.host.lines.last(), QStringLiteral("! Запись журнала повреждена: она не восстанавливается"));
        // The same as a write from a page, a file or the command line (lower case is upper-cased there).
        if (QLatin1String(c.oldHex) == QString::fromLatin1(c.oldHex).toUpper()) {
            EXPECT_EQ(tg.gate.writeBlock(blockWrite(tg.gate, c.address, c.block, c.oldHex)).outcome, WriteOutcome::NotSent);
        }
    }
    EXPECT_TRUE(rig.channel.sent.isEmpty());
    EXPECT_TRUE(rig.host.lines.last().startsWith(QStringLiteral("! Запрос записи отклонён (")));
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
