#include "cli/cli_run.h"
#include "e2e/sim_process.h"

#include <QDir>
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
    EXPECT_TRUE(differs.out.contains(QStringLiteral("720 00 differs CD421010C0 -> CD421010C1\n    Старт-стоп: нет → да\n720 01 same\n")))
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
    EXPECT_TRUE(restored.err.contains(QStringLiteral("Восстановить 3 блока в 3 модулях? [y/N] y"))) << restored.err.toStdString();
    // The car now holds the file, and what it held before is kept in a file of its own.
    EXPECT_EQ(cli(port(sim, journal) + QStringList{QStringLiteral("compare"), files.changed, QStringLiteral("--car")}).exit, 0);
    EXPECT_EQ(restored.outLines().value(0), QStringLiteral("Итог восстановления"));
    const QString saved = restored.outLines().value(1).section(QStringLiteral(": "), 1);
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

// What each guard of the restore does on the virtual car: the car as it ends up (the IPC's
// block 00 and the driver's door's block 01), the exit status and what is said.
TEST(CliRestore, GuardsTable)
{
    const QString donorVin = QStringLiteral("WF0AXXGCDA7654321");
    QTemporaryDir backupDir;
    // The files come from a healthy car; each case then meets its own car.
    SimProcess healthy;
    const Backups own(port(healthy, backupDir));
    const Backups donors(port(healthy, backupDir), donorVin);
    healthy.stop();
    ASSERT_FALSE(own.changed.isEmpty() || donors.changed.isEmpty());

    enum Setup { None, DonorHvac, BackupsNotAFolder, TextJournal, DonorAbs };
    const QByteArray donor = donorVin.toLatin1().toHex().toUpper();
    const QMap<Setup, QByteArray> states = {
        {DonorHvac, R"([{"address": "733", "blocks": {"00": ")" + donor + R"(", "01": "40"}}])"},
        // A used ABS, and no headlamp or steering module.
        {DonorAbs, R"([{"address": "760", "blocks": {"00": ")" + donor
                       + R"("}}, {"address": "734", "present": false}, {"address": "730", "present": false}])"},
    };
    const struct {
        const char* what;
        QStringList simArgs;
        Setup setup;
        bool donorsFile; // the file of the car the used HVAC came from
        QStringList extra;
        int exit;
        const char* said; // in standard output or error
        const char* ipc;
        const char* ddm;
    } cases[] = {
        {"--only writes only those", {}, None, false, {"--only", "740,741"}, 0, "DDM (740), PDM (741)", "CD421010C0", "BD"},
        {"a silent door stops it before any write", {"--fault", "740:silent"}, None, false, {}, 1,
         "модуль 740 не прочитан из автомобиля: ничего не записано; --only 741,720 восстанавливает остальные",
         "CD421010C0", nullptr},
        {"without the silent door, the rest", {"--fault", "740:silent"}, None, false, {"--only", "741,720"}, 0,
         "PDM (741), IPC (720)", "CD421010C1", nullptr},
        {"a silent HVAC is named, never taken for another car", {"--fault", "733:silent"}, None, false, {}, 1,
         "модуль 733 не прочитан", "CD421010C0", "3D"},
        {"a used HVAC from another car keeps the car's own VIN", {}, DonorHvac, false, {}, 0, "IPC (720)",
         "CD421010C1", "BD"},
        {"... and the donor's car's file is refused", {}, DonorHvac, true, {}, 1, "--other-car переносит", "CD421010C0",
         "3D"},
        {"without the panel one used ABS never names the car", {"--fault", "720:silent"}, DonorAbs, true, {}, 1,
         "(неизвестен: VIN дал только один модуль, ABS: WF0AXXGCDA7654321, а панель приборов - нет)", "", "3D"},
        {"a typed VIN never stands for the car's", {"--fault", "720:silent", "--fault", "760:silent", "--fault", "734:silent",
         "--fault", "730:silent"}, None, true, {"--vin", "WF0AXXGCDA7654321"}, 1, "--other-car переносит", "", "3D"},
        {"no safety copy, no write", {}, BackupsNotAFolder, false, {}, 1,
         "Конфигурация автомобиля не сохранена", "CD421010C0", "3D"},
        {"a text file as --journal stays as it is", {}, TextJournal, false, {}, 1, "не является журналом записей",
         "CD421010C0", "3D"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        QStringList simArgs = c.simArgs;
        if (states.contains(c.setup)) {
            QFile state(dir.filePath(QStringLiteral("car.json")));
            ASSERT_TRUE(state.open(QIODevice::WriteOnly));
            state.write("{\"modules\": " + states[c.setup] + "}");
            state.close();
            simArgs << QStringLiteral("--state") << state.fileName();
        }
        SimProcess sim(simArgs);
        QStringList args = port(sim, dir);
        const QString backups = cliDataHome() + QStringLiteral("/TALMERO/TALMERO/backups");
        QFile notes(dir.filePath(QStringLiteral("notes.txt")));
        if (c.setup == BackupsNotAFolder) {
            QDir(backups).removeRecursively();
            QFile blocker(backups);
            ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        } else if (c.setup == TextJournal) {
            ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
            notes.write("my notes\n");
            notes.close();
            args[args.indexOf(QStringLiteral("--journal")) + 1] = notes.fileName();
        }
        const QString file = c.donorsFile ? donors.changed : own.changed;
        const CliRun restored = cli(args + QStringList{QStringLiteral("restore"), file} + c.extra);
        EXPECT_EQ(restored.exit, c.exit) << restored.out.toStdString() << restored.err.toStdString();
        EXPECT_TRUE((restored.out + restored.err).contains(QString::fromUtf8(c.said)))
            << restored.out.toStdString() << restored.err.toStdString();
        const auto block = [&](const char* module, const char* index) {
            return cli(args + QStringList{QStringLiteral("read-block"), QLatin1String(module), QLatin1String(index)})
                .out.trimmed();
        };
        EXPECT_EQ(block("IPC", "00"), QLatin1String(c.ipc));
        if (c.ddm) {
            EXPECT_EQ(block("DDM", "01"), QLatin1String(c.ddm));
        }
        if (c.setup == BackupsNotAFolder)
            QFile::remove(backups);
        if (c.setup == TextJournal) {
            ASSERT_TRUE(notes.open(QIODevice::ReadOnly));
            EXPECT_EQ(notes.readAll(), QByteArray("my notes\n"));
            EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("notes.txt*")}), QStringList{"notes.txt"});
        }
    }
}

// The demo cars keep their writes and readings in a journal of their own, beside the one
// named: a real car's journal never hears of them, and history and undo find them.
TEST(CliRestore, DemoCarsUseTheirOwnJournal)
{
    for (const char* demo : {"demo", "demo-stn"}) {
        SCOPED_TRACE(demo);
        QTemporaryDir dir;
        const QString journal = dir.filePath(QStringLiteral("journal.sqlite"));
        const QStringList args = {QStringLiteral("--port"), QLatin1String(demo), QStringLiteral("--yes"),
                                  QStringLiteral("--journal"), journal};
        const Backups files(args);
        ASSERT_FALSE(files.changed.isEmpty());
        EXPECT_EQ(cli(args + QStringList{QStringLiteral("restore"), files.changed}).exit, 0);
        EXPECT_EQ(cli(args + QStringList{QStringLiteral("history")}).outLines().size(), 3);
        EXPECT_EQ(cli(args + QStringList{QStringLiteral("dtc"), QStringLiteral("read")}).exit, 0);
        EXPECT_FALSE(QFile::exists(journal));
        EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("journal-demo.sqlite"))));
    }
}

} // namespace
