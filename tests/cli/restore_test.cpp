#include "cli/cli_run.h"
#include "e2e/sim_process.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A backup of the simulator's car, and a copy of it with the IPC and both door modules
// changed (and, when vin is given, another car's VIN).
struct Backups {
    QTemporaryDir dir;
    QString taken;
    QString changed;

    Backups(const QStringList& port, const QString& vin = QString())
    {
        const CliRun backup = cli(port + QStringList{QStringLiteral("backup"), QStringLiteral("--dir"), dir.path()});
        taken = backup.out.trimmed();
        QFile in(taken);
        if (backup.exit != 0 || !in.open(QIODevice::ReadOnly))
            return;
        QString text = QString::fromUtf8(in.readAll());
        text.replace(QStringLiteral(">CD 42 10 10 C0<"), QStringLiteral(">CD 42 10 10 C1<"));
        text.replace(QRegularExpression(QStringLiteral("(address=\"74[01]\"[^\n]*\n[^\n]*\n<Block elmindex=\"01\">)3D")),
                     QStringLiteral("\\1BD"));
        if (!vin.isEmpty())
            text.replace(QRegularExpression(QStringLiteral("<VIN>\\w*</VIN>")), QStringLiteral("<VIN>") + vin + QStringLiteral("</VIN>"));
        changed = dir.filePath(QStringLiteral("VehicleData.changed.xml"));
        QFile out(changed);
        if (out.open(QIODevice::WriteOnly))
            out.write(text.toUtf8());
    }
};

QStringList port(const SimProcess& sim, const QTemporaryDir& dir)
{
    return {QStringLiteral("--port"), sim.path(), QStringLiteral("--yes"), QStringLiteral("--journal"),
            dir.filePath(QStringLiteral("journal.sqlite"))};
}

TEST(CliCompare, ExitStatusSameDifferentOrUnreadable)
{
    SimProcess sim;
    QTemporaryDir journal;
    const Backups files(port(sim, journal));
    ASSERT_FALSE(files.changed.isEmpty());
    const QString compare = QStringLiteral("compare");
    EXPECT_EQ(cli({compare, files.taken, files.taken}).exit, 0);
    const CliRun differs = cli({compare, files.taken, files.changed});
    EXPECT_EQ(differs.exit, 1);
    EXPECT_TRUE(differs.out.contains(QStringLiteral("720 00 differs CD421010C0 -> CD421010C1\n    Auto Start/Stop: нет → да\n720 01 same\n")))
        << differs.out.toStdString();
    EXPECT_TRUE(differs.out.contains(QStringLiteral("741 01 differs 3D -> BD\n")));
    const CliRun missing = cli({compare, files.taken, QStringLiteral("/nonexistent/VehicleData.xml")});
    EXPECT_EQ(missing.exit, 2);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("/nonexistent/VehicleData.xml"))) << missing.err.toStdString();
    EXPECT_EQ(cli(port(sim, journal) + QStringList{compare, files.taken, QStringLiteral("--car")}).exit, 0);
    EXPECT_EQ(cli(port(sim, journal) + QStringList{compare, files.changed, QStringLiteral("--car")}).exit, 1);
}

TEST(CliRestore, ThreeModulesWrittenCheckedAndJournalledAsOneRestore)
{
    SimProcess sim;
    QTemporaryDir journal;
    const Backups files(port(sim, journal));
    ASSERT_FALSE(files.changed.isEmpty());
    const CliRun restored = cli(port(sim, journal) + QStringList{QStringLiteral("restore"), files.changed});
    EXPECT_EQ(restored.exit, 0) << restored.err.toStdString();
    EXPECT_TRUE(restored.err.contains(QStringLiteral("Restore 3 blocks to 3 modules? [y/N] y"))) << restored.err.toStdString();
    // The car now holds the file, and what it held before is kept in a file of its own.
    EXPECT_EQ(cli(port(sim, journal) + QStringList{QStringLiteral("compare"), files.changed, QStringLiteral("--car")}).exit, 0);
    const QString saved = restored.outLines().value(0).mid(6);
    EXPECT_EQ(cli({QStringLiteral("compare"), files.taken, saved}).exit, 0) << restored.out.toStdString();
    const QStringList rows = cli(port(sim, journal) + QStringList{QStringLiteral("history")}).outLines();
    ASSERT_EQ(rows.size(), 3);
    const QString batch = rows[0].section(QStringLiteral(" batch="), 1);
    EXPECT_FALSE(batch.isEmpty()) << rows[0].toStdString();
    for (const QString& row : rows)
        EXPECT_TRUE(row.endsWith(QStringLiteral(" accepted-verified batch=") + batch)) << row.toStdString();
}

TEST(CliRestore, StopsAtAModuleThatKeepsItsBlockAndRefusesAnotherCar)
{
    // The driver's door takes the write and keeps its block: the restore ends there, and
    // the passenger's door and the IPC after it are not written.
    SimProcess sim({QStringLiteral("--fault"), QStringLiteral("740:ignore")});
    QTemporaryDir journal;
    const Backups files(port(sim, journal), QStringLiteral("WF0AXXWPDA9K99999"));
    ASSERT_FALSE(files.changed.isEmpty());
    const QStringList restore = {QStringLiteral("restore"), files.changed};
    const CliRun otherCar = cli(port(sim, journal) + restore);
    EXPECT_EQ(otherCar.exit, 1);
    EXPECT_TRUE(otherCar.err.contains(QStringLiteral("--other-car"))) << otherCar.err.toStdString();
    EXPECT_TRUE(cli(port(sim, journal) + QStringList{QStringLiteral("history")}).out.isEmpty());

    const CliRun stopped = cli(port(sim, journal) + restore + QStringList{QStringLiteral("--other-car")});
    EXPECT_EQ(stopped.exit, 1);
    EXPECT_TRUE(stopped.out.contains(QStringLiteral("DDM (740): блок 01"))) << stopped.out.toStdString();
    EXPECT_TRUE(stopped.out.contains(QStringLiteral("PDM (741), IPC (720)")));
    EXPECT_EQ(cli(port(sim, journal) + QStringList{QStringLiteral("compare"), files.taken, QStringLiteral("--car")}).exit, 0);
}

} // namespace
