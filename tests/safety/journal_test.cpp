#include "safety/journal.h"

#include <QFile>
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

} // namespace
} // namespace talmero::safety
