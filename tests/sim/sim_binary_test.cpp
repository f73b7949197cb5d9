#include "sim/car.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QSerialPort>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// talmero-sim as a separate program on a real pseudo-terminal, reached through QSerialPort.
namespace {

constexpr int kGenerousMs = 10000; // only bounds a hang; nothing here measures time

struct SimProcess {
    QProcess proc;
    QString device;

    bool start(const QStringList& args)
    {
        proc.start(QStringLiteral(TALMERO_SIM_BINARY), args);
        if (!proc.waitForStarted(kGenerousMs))
            return false;
        const QDeadlineTimer deadline(kGenerousMs);
        while (!proc.canReadLine() && !deadline.hasExpired()) {
            if (proc.state() == QProcess::NotRunning)
                return false;
            proc.waitForReadyRead(100);
        }
        device = QString::fromLocal8Bit(proc.readLine()).trimmed();
        return device.startsWith("/dev/");
    }
    bool waitForStderr(const QByteArray& text)
    {
        const QDeadlineTimer deadline(kGenerousMs);
        while (!stderrSeen.contains(text) && !deadline.hasExpired()) {
            proc.waitForReadyRead(100);
            stderrSeen += proc.readAllStandardError();
        }
        return stderrSeen.contains(text);
    }
    QByteArray stderrSeen;
    int stop()
    {
        proc.terminate();
        proc.waitForFinished(kGenerousMs);
        return proc.exitStatus() == QProcess::NormalExit ? proc.exitCode() : -1;
    }
    ~SimProcess()
    {
        if (proc.state() != QProcess::NotRunning)
            stop();
    }
};

QByteArray exchange(QSerialPort& port, const QByteArray& command)
{
    port.write(command);
    port.waitForBytesWritten(kGenerousMs);
    QByteArray out;
    const QDeadlineTimer deadline(kGenerousMs);
    while (!out.endsWith('>') && !deadline.hasExpired()) {
        if (port.waitForReadyRead(100) || port.bytesAvailable() > 0)
            out += port.readAll();
    }
    return out;
}

bool openPort(QSerialPort& port, const QString& device, int baud = 38400)
{
    port.setPortName(device);
    return port.open(QIODevice::ReadWrite) && port.setBaudRate(baud);
}

TEST(SimBinary, ServesAnAdapterOnAPseudoTerminal)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start({}));
    {
        QSerialPort port;
        ASSERT_TRUE(openPort(port, sim.device)) << qPrintable(port.errorString());
        QSerialPort second;
        EXPECT_FALSE(openPort(second, sim.device)); // exclusive, like a real port
        EXPECT_EQ(exchange(port, "ATZ\r"), QByteArray("ATZ\r\r\rELM327 v1.5\r\r>"));
        EXPECT_EQ(exchange(port, "ATSP6\r"), QByteArray("ATSP6\rOK\r\r>"));
        EXPECT_EQ(exchange(port, "ATSH720\r"), QByteArray("ATSH720\rOK\r\r>"));
        EXPECT_EQ(exchange(port, "2100\r"), QByteArray("2100\r61 00 CD 42 10 10 C0 \r\r>"));
        exchange(port, "ATSPB\r");
        exchange(port, "ATSH726\r");
        EXPECT_EQ(exchange(port, "2104\r"), QByteArray("2104\r61 04 4F 1C 02 \r\r>"));
    }
    // A second client after the first has gone: the adapter is still there.
    QSerialPort again;
    ASSERT_TRUE(openPort(again, sim.device)) << qPrintable(again.errorString());
    EXPECT_EQ(exchange(again, "ATI\r"), QByteArray("ATI\rELM327 v1.5\r\r>"));
    again.close();
    EXPECT_EQ(sim.stop(), 0);
}

TEST(SimBinary, HelpListsEveryOption)
{
    QProcess proc;
    proc.start(QStringLiteral(TALMERO_SIM_BINARY), {"--help"});
    ASSERT_TRUE(proc.waitForFinished(kGenerousMs));
    EXPECT_EQ(proc.exitCode(), 0);
    const QByteArray help = proc.readAllStandardOutput();
    for (const char* option : {"--switch", "--baud-timing", "--latency", "--fault", "--state",
                               "--voltage", "--trace", "dropline", "bufferfull", "garbled", "busy or busylost",
                               "--tcp", "--drop-on", "--timing",
                               "--no-count", "elm327-v1.2", "--no-stpx", "--reset-ms"})
        EXPECT_TRUE(help.contains(option)) << option;
}

TEST(SimBinary, InvalidOptionsExitWithTwo)
{
    QTemporaryDir dir;
    const QString corrupt = dir.filePath("corrupt.json");
    QFile file(corrupt);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{ broken");
    file.close();
    const QStringList cases[] = {
        {"--bogus"},           {"--switch", "sideways"},     {"--latency", "soon"},
        {"--fault", "720"},    {"--fault", "720:explode"},   {"--fault", "999:silent"},
        {"extra-argument"},    {"--state", corrupt},     {"--fault", "elm:ignore"}, {"--fault", "elm:busy"}, {"--drop-on", "2100"},
        {"--voltage", "high"}, {"--voltage", "-1"},      {"--voltage", "31"},
        {"--voltage", "nan"},
        {"--tcp", "70000"},    {"--tcp", "localhost:"},  {"--tcp", "adapter.local:35000"},
        {"--tcp", "-1"},       {"--tcp", "0", "--baud-timing"}, {"--timing", "fast"},
        {"--reset-ms", "-5"},  {"--no-stpx"},
    };
    for (const QStringList& args : cases) {
        QProcess proc;
        proc.start(QStringLiteral(TALMERO_SIM_BINARY), args);
        ASSERT_TRUE(proc.waitForFinished(kGenerousMs)) << qPrintable(args.join(' '));
        EXPECT_EQ(proc.exitCode(), 2) << qPrintable(args.join(' '));
        EXPECT_TRUE(proc.readAllStandardOutput().isEmpty()) << qPrintable(args.join(' '));
        EXPECT_FALSE(proc.readAllStandardError().isEmpty()) << qPrintable(args.join(' '));
    }
}

TEST(SimBinary, ManualSwitchFollowsStandardInput)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start({"--switch", "manual"}));
    QSerialPort port;
    ASSERT_TRUE(openPort(port, sim.device));
    EXPECT_EQ(exchange(port, "ATE0\r"), QByteArray("ATE0\rOK\r\r>"));
    exchange(port, "ATSPB\r");
    exchange(port, "ATSH726\r");
    EXPECT_EQ(exchange(port, "2103\r"), QByteArray("CAN ERROR\r\r>"));
    sim.proc.write("ms\n");
    ASSERT_TRUE(sim.waitForStderr("medium-speed"));
    EXPECT_EQ(exchange(port, "2103\r"), QByteArray("61 03 E3 D0 D4 FC \r\r>"));
}

TEST(SimBinary, FaultsLatencyAndBaudTiming)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start({"--fault", "720:silent", "--fault", "760:negative", "--latency", "5",
                           "--baud-timing"}));
    QSerialPort port;
    ASSERT_TRUE(openPort(port, sim.device, 9600));
    exchange(port, "ATE0\r");
    exchange(port, "ATSP6\r");
    exchange(port, "ATSH720\r");
    EXPECT_EQ(exchange(port, "2100\r"), QByteArray("NO DATA\r\r>"));
    exchange(port, "ATSH760\r");
    EXPECT_EQ(exchange(port, "2101\r"), QByteArray("7F 21 22 \r\r>"));
    exchange(port, "ATSH7E0\r");
    EXPECT_EQ(exchange(port, "0902\r"), QByteArray("014 \r0: 49 02 01 57 46 30 \r1: 41 58 58 57 50 "
                                                   "44 41 \r2: 39 4B 31 32 33 34 35 \r\r>"));
}

TEST(SimBinary, TraceShowsTheRateAndEveryExchangeReadably)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start({"--trace", "--voltage", "11.8", "--fault", "720:garbage"}));
    QSerialPort port;
    ASSERT_TRUE(openPort(port, sim.device, 9600));
    EXPECT_EQ(exchange(port, "ATRV\r"), QByteArray("ATRV\r11.8V\r\r>"));
    for (const char* command : {"ATE0\r", "ATSP6\r", "ATSH720\r", "2100\r"})
        exchange(port, command);
    // The first line of the trace is the port's rate, then what came and went.
    ASSERT_TRUE(sim.waitForStderr("> \\xFE\\x7F?\\x13 8#~\\xC0\\xA7 @\\r\\r>\n"));
    const QStringList lines = QString::fromLatin1(sim.stderrSeen).split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0].mid(13), "port at 9600 baud");
    EXPECT_EQ(lines[1].mid(13), "< ATRV\\r");
    EXPECT_EQ(lines[2].mid(13), "> ATRV\\r");
    for (const QString& line : lines)
        EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d [<>p]").match(line).hasMatch())
            << qPrintable(line);
}

TEST(SimBinary, StateFileKeepsWritesAcrossRuns)
{
    QTemporaryDir dir;
    const QString state = dir.filePath("car.json");
    {
        SimProcess sim;
        ASSERT_TRUE(sim.start({"--state", state}));
        QSerialPort port;
        ASSERT_TRUE(openPort(port, sim.device));
        for (const char* command : {"ATE0\r", "ATSPB\r", "ATSH740\r"})
            exchange(port, command);
        EXPECT_EQ(exchange(port, "1087\r"), QByteArray("50 87 \r\r>"));
        EXPECT_EQ(exchange(port, "3B0100\r"), QByteArray("7B 01 \r\r>"));
        port.close();
        EXPECT_EQ(sim.stop(), 0);
    }
    talmero::sim::Car car;
    car.load(state);
    EXPECT_EQ(car.block("740", 1), QByteArray(1, '\0'));

    SimProcess again;
    ASSERT_TRUE(again.start({"--state", state}));
    QSerialPort port;
    ASSERT_TRUE(openPort(port, again.device));
    for (const char* command : {"ATE0\r", "ATSPB\r", "ATSH740\r"})
            exchange(port, command);
    EXPECT_EQ(exchange(port, "2101\r"), QByteArray("61 01 00 \r\r>"));
}

} // namespace
