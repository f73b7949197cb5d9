// talmero-cli against talmero-sim over a pseudo-terminal, with each kind of adapter.
#include "cli/cli_run.h"
#include "sim_process.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

QStringList argsFor(const SimProcess& sim, const QStringList& rest)
{
    return QStringList{QStringLiteral("--port"), sim.path()} + rest;
}

// The backup file without its date line: two readings of one car differ only there.
QByteArray withoutDate(const QString& folder)
{
    const QStringList files = QDir(folder).entryList({QStringLiteral("VehicleData*")}, QDir::Files);
    if (files.size() != 1)
        return QByteArray();
    QFile file(QDir(folder).filePath(files.first()));
    file.open(QIODevice::ReadOnly);
    QByteArray bytes = file.readAll();
    const qsizetype from = bytes.indexOf("<Date>");
    const qsizetype to = bytes.indexOf("</Date>");
    if (from >= 0 && to > from)
        bytes.remove(from, to - from);
    return bytes;
}

TEST(BusSwitchE2E, StnAdapterReadsEveryModuleUnattended)
{
    SimProcess stn({QStringLiteral("--adapter"), QStringLiteral("stn")});
    ASSERT_TRUE(stn.path().startsWith(QLatin1String("/dev/")));
    const CliRun adapter = cli(argsFor(stn, {QStringLiteral("adapter")}));
    EXPECT_EQ(adapter.out, QStringLiteral("reset: ELM327 v1.4b\nati: ELM327 v1.4b\nsti: STN2120 v5.6.5\n"
                                          "stdi: TALMERO virtual STN adapter r1.0\nbus-switch: stn\nlow-latency: n/a\n"));

    // Standard input closed and no --yes: a prompt would show on standard error.
    const CliRun codes = cli(argsFor(stn, {QStringLiteral("dtc"), QStringLiteral("read")}));
    EXPECT_EQ(codes.exit, 0) << codes.err.toStdString();
    EXPECT_FALSE(codes.err.contains(QLatin1String("SCAN"))) << codes.err.toStdString();
    EXPECT_FALSE(codes.out.contains(QLatin1String("\n! "))) << codes.out.toStdString();
    EXPECT_EQ(codes.out.count(QLatin1String("(ACM):")) + codes.out.count(QLatin1String("(PCM):")), 2);

    QTemporaryDir viaStn, viaPrompt;
    const CliRun backup = cli(argsFor(stn, {QStringLiteral("backup"), QStringLiteral("--dir"), viaStn.path()}));
    EXPECT_EQ(backup.exit, 0) << backup.err.toStdString();
    EXPECT_FALSE(backup.err.contains(QLatin1String("SCAN"))) << backup.err.toStdString();
    SimProcess plain; // an ELM327 whose switch follows the protocol, asked by prompts
    const CliRun prompted = cli(argsFor(plain, {QStringLiteral("--yes"), QStringLiteral("backup"),
                                                QStringLiteral("--dir"), viaPrompt.path()}));
    ASSERT_EQ(prompted.exit, 0) << prompted.err.toStdString();
    EXPECT_TRUE(prompted.err.contains(QLatin1String("MSCAN")));
    const QByteArray stnFile = withoutDate(viaStn.path());
    EXPECT_GT(stnFile.count("<Module "), 8);
    EXPECT_EQ(stnFile, withoutDate(viaPrompt.path()));

    // The hand switch's protocol B goes out on the high-speed pins: the medium-speed
    // modules fail, as with the real chip, and it is said.
    const CliRun wrong = cli(argsFor(stn, {QStringLiteral("--bus-switch"), QStringLiteral("prompt"),
                                           QStringLiteral("dtc"), QStringLiteral("read")}));
    EXPECT_EQ(wrong.exit, 1);
    EXPECT_EQ(wrong.out.count(QLatin1String(":\n! ")), 6) << wrong.out.toStdString();
}

// A pseudo-terminal has no modem lines: a relay way is refused at connecting, by name.
TEST(BusSwitchE2E, RelayOnAPortWithoutControlLinesIsRefused)
{
    SimProcess sim;
    const CliRun relay = cli(argsFor(sim, {QStringLiteral("--bus-switch"), QStringLiteral("dtr"),
                                           QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("vin"),
                                           QStringLiteral("BCM")}));
    EXPECT_EQ(relay.exit, 1);
    EXPECT_TRUE(relay.err.startsWith(QStringLiteral("! Port ") + sim.path() + QStringLiteral(" does not let the program set its DTR line")))
        << relay.err.toStdString();
}

} // namespace
