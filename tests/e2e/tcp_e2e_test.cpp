// talmero-cli against talmero-sim --tcp over 127.0.0.1, as against a Wi-Fi adapter.
#include "cli/cli_run.h"
#include "sim_process.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

namespace {

QStringList filesIn(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::Files);
}

TEST(TcpE2E, BackupWriteDroppedConnectionAndNothingListening)
{
    SimProcess sim({QStringLiteral("--tcp"), QStringLiteral("0")});
    ASSERT_TRUE(sim.path().startsWith(QLatin1String("127.0.0.1:"))) << sim.path().toStdString();
    const QStringList port = {QStringLiteral("--port"), sim.path(), QStringLiteral("--yes")};

    QTemporaryDir saved;
    const CliRun backup = cli(port + QStringList{QStringLiteral("backup"), QStringLiteral("--dir"), saved.path()});
    EXPECT_EQ(backup.exit, 0) << backup.err.toStdString();
    ASSERT_EQ(filesIn(saved).size(), 1);

    const CliRun before = cli(port + QStringList{QStringLiteral("read-block"), QStringLiteral("HVAC"), QStringLiteral("01")});
    ASSERT_EQ(before.exit, 0) << before.err.toStdString();
    QString block = before.out.trimmed();
    ASSERT_FALSE(block.isEmpty());
    block.replace(block.size() - 1, 1, block.endsWith(QLatin1Char('0')) ? QStringLiteral("1") : QStringLiteral("0"));
    // The backup just taken is the car's: the write finds it and takes none.
    const CliRun written = cli(port + QStringList{QStringLiteral("--dir"), saved.path(), QStringLiteral("write-block"),
                                                  QStringLiteral("HVAC"), QStringLiteral("01"), block});
    EXPECT_EQ(written.exit, 0) << written.err.toStdString();
    EXPECT_TRUE(written.out.startsWith(QStringLiteral("* Запись проверена"))) << written.out.toStdString();
    EXPECT_EQ(filesIn(saved).size(), 1);
    EXPECT_EQ(cli(port + QStringList{QStringLiteral("read-block"), QStringLiteral("HVAC"), QStringLiteral("01")}).out,
              block + QLatin1Char('\n'));

    // The adapter goes away in the middle of a backup: nothing is reported as done.
    SimProcess slow({QStringLiteral("--tcp"), QStringLiteral("0"), QStringLiteral("--latency"), QStringLiteral("20")});
    QTemporaryDir cut;
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), cliDataHome());
    run.setProcessEnvironment(env);
    run.start(QStringLiteral(TALMERO_CLI_PATH), {QStringLiteral("--port"), slow.path(), QStringLiteral("--yes"),
                                                 QStringLiteral("--lang"), QStringLiteral("en"),
                                                 QStringLiteral("--log"), QStringLiteral("backup"),
                                                 QStringLiteral("--dir"), cut.path()});
    QByteArray progress;
    const QDeadlineTimer deadline(30000);
    while (!progress.contains("module 2 of") && !deadline.hasExpired() && run.state() != QProcess::NotRunning) {
        run.waitForReadyRead(50);
        progress += run.readAllStandardError();
    }
    ASSERT_TRUE(progress.contains("module 2 of")) << progress.constData();
    slow.kill();
    ASSERT_TRUE(run.waitForFinished(30000));
    EXPECT_EQ(run.exitCode(), 1) << progress.constData() << run.readAllStandardError().constData();
    EXPECT_TRUE(filesIn(cut).isEmpty()) << filesIn(cut).join(QLatin1Char(' ')).toStdString();

    // Nothing listens there: said at once, by address.
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const QString closed = QStringLiteral("127.0.0.1:%1").arg(probe.serverPort());
    probe.close();
    QElapsedTimer clock;
    clock.start();
    const CliRun refused = cli({QStringLiteral("--port"), QStringLiteral("tcp://") + closed, QStringLiteral("--lang"),
                                QStringLiteral("en"), QStringLiteral("adapter")});
    EXPECT_EQ(refused.exit, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("The adapter at ") + closed + QStringLiteral(" refused the connection")))
        << refused.err.toStdString();

    // A server that takes the connection but never answers: refused after the answer wait.
    QTcpServer mute;
    ASSERT_TRUE(mute.listen(QHostAddress::LocalHost));
    const QString muteAddress = QStringLiteral("127.0.0.1:%1").arg(mute.serverPort());
    const CliRun silent = cli({QStringLiteral("--port"), muteAddress, QStringLiteral("--lang"), QStringLiteral("en"),
                               QStringLiteral("--bus-switch"), QStringLiteral("rts"), QStringLiteral("adapter")});
    EXPECT_EQ(silent.exit, 1);
    EXPECT_TRUE(silent.err.contains(QStringLiteral("The ELM327 adapter did not answer at ") + muteAddress))
        << silent.err.toStdString();

    // One program at a time: a second one is turned away and told why it may be.
    QTcpSocket first;
    first.connectToHost(QHostAddress::LocalHost, quint16(sim.path().section(QLatin1Char(':'), 1).toUInt()));
    ASSERT_TRUE(first.waitForConnected(5000));
    const CliRun second = cli(port + QStringList{QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("adapter")});
    EXPECT_EQ(second.exit, 1);
    EXPECT_TRUE(second.err.contains(QStringLiteral("closed the connection without answering"))) << second.err.toStdString();
    first.abort();

    // A relay needs a serial port's control line, which a Wi-Fi adapter does not have.
    const CliRun relay = cli(port + QStringList{QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--bus-switch"),
                                                QStringLiteral("dtr"), QStringLiteral("adapter")});
    EXPECT_EQ(relay.exit, 1);
    EXPECT_TRUE(relay.err.contains(QStringLiteral("has no DTR line"))) << relay.err.toStdString();
}

// The Wi-Fi link drops during write-config: said as a lost connection, with what became of
// the write; a write that went out stays unknown until the next connection reads it.
TEST(TcpE2E, ConnectionLostDuringAWriteIsSaidWithWhatIsKnown)
{
    const QString nothing = QStringLiteral("! Connection to the adapter lost: nothing written");
    const QString unknown = QStringLiteral("! Connection to the adapter lost: the write went out but was not checked (the "
                                           "module may have taken it): IPC (Instrument cluster); the next reading of the "
                                           "block will settle it");
    for (const auto& [cut, said] : {std::pair{"ATRV", nothing}, {"2100", nothing}, {"3B00", unknown}}) {
        SCOPED_TRACE(cut);
        SimProcess sim({QStringLiteral("--tcp"), QStringLiteral("0"), QStringLiteral("--drop-on"), QLatin1String(cut)});
        QTemporaryDir dir;
        const QStringList port = {QStringLiteral("--port"), sim.path(), QStringLiteral("--yes"), QStringLiteral("--lang"),
                                  QStringLiteral("en"), QStringLiteral("--journal"), dir.filePath(QStringLiteral("j.sqlite"))};
        const CliRun run = cli(port + QStringList{QStringLiteral("write-config"), QStringLiteral("IPC"),
                                                  QStringLiteral("CD421010C1"), QStringLiteral("--no-backup")});
        EXPECT_EQ(run.exit, 1);
        EXPECT_TRUE(run.err.trimmed().endsWith(said)) << run.err.toStdString();
        const QString rows = cli(port + QStringList{QStringLiteral("history")}).out;
        EXPECT_EQ(rows.contains(QStringLiteral(" no-answer unknown")), said == unknown) << rows.toStdString();
        // The module took it: the next connection's undo settles the row and goes back.
        if (said == unknown) {
            EXPECT_EQ(cli(port + QStringList{QStringLiteral("undo")}).exit, 0);
            EXPECT_TRUE(cli(port + QStringList{QStringLiteral("history")}).out.contains(QStringLiteral("accepted-verified undone")));
        }
    }
    // A reading is told the same: the lost connection, not a module's wrong answer.
    for (const auto& [cut, words] : {std::pair{"1087", QStringList{"read-config", "IPC"}}, {"2102", QStringList{"vin", "IPC"}}}) {
        SCOPED_TRACE(cut);
        SimProcess sim({QStringLiteral("--tcp"), QStringLiteral("0"), QStringLiteral("--drop-on"), QLatin1String(cut)});
        const CliRun run = cli(QStringList{QStringLiteral("--port"), sim.path(), QStringLiteral("--yes"), QStringLiteral("--lang"),
                                           QStringLiteral("en")} + words);
        EXPECT_EQ(run.exit, 1);
        EXPECT_TRUE(run.err.trimmed().endsWith(QStringLiteral("! The connection to the adapter was lost"))) << run.err.toStdString();
    }
}

} // namespace
