#include "safety/journal.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace talmero::safety {
namespace {

JournalEntry entry(const char* vin, const char* newHex)
{
    JournalEntry e;
    e.vin = QLatin1String(vin);
    e.address = QStringLiteral("726");
    e.block = QStringLiteral("03");
    e.oldHex = QStringLiteral("E3D0D4FC");
    e.newHex = QLatin1String(newHex);
    return e;
}

TEST(Journal, RowWrittenBeforeTheWriteIsThereForTheNextProgramAndCompletedAfter)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sub/journal.sqlite"));
    qint64 id = 0;
    {
        Journal journal(path);
        const auto begun = journal.begin(entry("WF0AXXGCDA1234567", "63D0D4FC"));
        ASSERT_TRUE(begun.has_value()) << journal.error().toStdString();
        id = *begun;
    }
    // A program that stopped here left its row, marked as not finished.
    Journal later(path);
    auto rows = later.entries();
    ASSERT_TRUE(rows && rows->size() == 1);
    EXPECT_EQ(rows->first().outcome, QLatin1String(kOutcomePending));
    EXPECT_TRUE(rows->first().time.contains(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$"))));
    ASSERT_TRUE(later.complete(id, QLatin1String(kOutcomeVerified), QString()));
    EXPECT_EQ(Journal(path).entries()->first().outcome, QLatin1String(kOutcomeVerified));
    // A row that is not there was not completed, and says so.
    EXPECT_FALSE(later.complete(id + 1, QLatin1String(kOutcomeVerified), QString()));
    EXPECT_FALSE(later.error().isEmpty());
}

TEST(Journal, NewestFirstAndOneCarAtATime)
{
    QTemporaryDir dir;
    Journal journal(dir.filePath(QStringLiteral("journal.sqlite")));
    ASSERT_TRUE(journal.record(entry("WF0AXXGCDA1111111", "01")));
    ASSERT_TRUE(journal.record(entry("WF0AXXGCDA2222222", "02")));
    ASSERT_TRUE(journal.record(entry("WF0AXXGCDA1111111", "03")));
    const auto newHexes = [&journal](const QString& vin) {
        QStringList order;
        for (const JournalEntry& e : journal.entries(vin).value_or(QList<JournalEntry>()))
            order << e.newHex;
        return order;
    };
    EXPECT_EQ(newHexes(QString()), (QStringList{"03", "02", "01"}));
    EXPECT_EQ(newHexes(QStringLiteral("WF0AXXGCDA1111111")), (QStringList{"03", "01"}));
}

TEST(Journal, DamagedFileIsSetAsideNeverDeleted)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("journal.sqlite"));
    const QByteArray garbage("this is not a journal, but somebody's data\n");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(garbage.repeated(200));
    }
    Journal journal(path);
    ASSERT_TRUE(journal.open()) << journal.error().toStdString();
    ASSERT_FALSE(journal.setAsideAs().isEmpty());
    QFile aside(journal.setAsideAs());
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), garbage.repeated(200));
    EXPECT_TRUE(journal.record(entry("WF0AXXGCDA1234567", "01")));
    EXPECT_EQ(journal.entries()->size(), 1);
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs SQL on a file as another program would.
void runSql(const QString& path, const QStringList& statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        for (const QString& sql : statements)
            ASSERT_TRUE(q.exec(sql)) << sql.toStdString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
}

TEST(Journal, AFileGivenOrOnlyReadIsNeverChanged)
{
    QTemporaryDir dir;
    // Another program's database and a text file: refused, left as they are, nothing beside.
    const QString theirs = dir.filePath(QStringLiteral("theirs.sqlite"));
    runSql(theirs, {QStringLiteral("CREATE TABLE notes (text TEXT)"), QStringLiteral("INSERT INTO notes VALUES ('x')")});
    const QString text = dir.filePath(QStringLiteral("notes.txt"));
    {
        QFile f(text);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("not a journal\n").repeated(100));
    }
    for (const QString& path : {theirs, text}) {
        const QByteArray before = bytesOf(path);
        for (Journal::Use use : {Journal::Use::Given, Journal::Use::ReadOnly}) {
            Journal journal(path, use);
            EXPECT_FALSE(journal.entries().has_value());
            EXPECT_FALSE(journal.record(entry("WF0AXXGCDA1234567", "01")));
        }
        EXPECT_EQ(bytesOf(path), before);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    // Reading a journal that is not there makes none.
    const QString none = dir.filePath(QStringLiteral("none.sqlite"));
    EXPECT_EQ(Journal(none, Journal::Use::ReadOnly).entries()->size(), 0);
    EXPECT_FALSE(QFile::exists(none));

    // A journal from before the newer columns: read as it is, and grown when written.
    const QString old = dir.filePath(QStringLiteral("old.sqlite"));
    runSql(old, {QStringLiteral("CREATE TABLE writes (id INTEGER PRIMARY KEY AUTOINCREMENT, time TEXT NOT NULL, "
                                "vin TEXT NOT NULL, address TEXT NOT NULL, block TEXT NOT NULL, old_hex TEXT NOT NULL, "
                                "new_hex TEXT NOT NULL, outcome TEXT NOT NULL, detail TEXT NOT NULL DEFAULT '')"),
                 QStringLiteral("INSERT INTO writes (time, vin, address, block, old_hex, new_hex, outcome) VALUES "
                                "('2025-01-01T10:00:00Z', 'WF0AXXGCDA1234567', '726', '03', 'E3D0D4FC', 'E3D0D4FD', "
                                "'accepted-verified')")});
    const QByteArray before = bytesOf(old);
    const auto rows = Journal(old, Journal::Use::ReadOnly).entries();
    ASSERT_TRUE(rows && rows->size() == 1);
    EXPECT_EQ(rows->first().kind + QLatin1Char(' ') + rows->first().outcome, QStringLiteral("block accepted-verified"));
    EXPECT_EQ(bytesOf(old), before);
    Journal grown(old, Journal::Use::Given);
    ASSERT_TRUE(grown.record(entry("WF0AXXGCDA1234567", "E3D0D4FC")));
    EXPECT_EQ(grown.entries()->size(), 2);
}

} // namespace
} // namespace talmero::safety
