#include "cli/cli_run.h"
#include "e2e/sim_process.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

QString blockOf(const CliRun& r)
{
    const QStringList lines = r.outLines();
    return lines.isEmpty() ? QString() : lines.first().section(QLatin1Char(' '), 1);
}

TEST(CliOffline, DecodeListsEveryOptionAndWhatIsEnabled)
{
    const CliRun r = cli({QStringLiteral("decode"), QStringLiteral("IPC"), QStringLiteral("cd421010c0")});
    ASSERT_EQ(r.exit, 0) << r.err.toStdString();
    const QStringList lines = r.outLines();
    EXPECT_EQ(lines.first(), QStringLiteral("block CD421010C0"));
    EXPECT_TRUE(lines.contains(QStringLiteral("CheckBoxIPC07 1")));  // bit 7 of byte 0
    EXPECT_TRUE(lines.contains(QStringLiteral("CheckBoxIPC05 0")));
    EXPECT_TRUE(lines.contains(QStringLiteral("RadioGroupIPCrd 0"))); // five bytes: facelift
    EXPECT_TRUE(lines.last().startsWith(QLatin1String("enabled: ")));
    EXPECT_TRUE(lines.last().contains(QLatin1String(" ButtonCONFwrite")));
    EXPECT_TRUE(lines.last().contains(QLatin1String(" ButtonCONFgetASBUILT")));

    // The pre-facelift dashboard has no fifth byte and fewer changeable options.
    const CliRun pre = cli({QStringLiteral("decode"), QStringLiteral("IPC"), QStringLiteral("CD421010")});
    ASSERT_EQ(pre.exit, 0);
    EXPECT_TRUE(pre.outLines().contains(QStringLiteral("RadioGroupIPCrd 1")));
    EXPECT_FALSE(pre.outLines().last().contains(QLatin1String("CheckBoxIPC03 ")));
}

TEST(CliOffline, EncodeChangesOnlyTheOptionSet)
{
    const CliRun r = cli({QStringLiteral("encode"), QStringLiteral("IPC"), QStringLiteral("CD421010C0"),
                       QStringLiteral("--set"), QStringLiteral("CheckBoxIPC05=1"), QStringLiteral("--set"),
                       QStringLiteral("CheckBoxIPC47=0")});
    ASSERT_EQ(r.exit, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("block ED42101040\n"));

    // Nothing set: the block goes back exactly as it came, also on the lossy-looking pages.
    for (const auto& [page, hex] : {std::pair{"HVAC", "48"}, std::pair{"IPC", "0020000000"}}) {
        const CliRun same = cli({QStringLiteral("encode"), QString::fromLatin1(page), QString::fromLatin1(hex)});
        EXPECT_EQ(blockOf(same), QString::fromLatin1(hex)) << page << " " << same.err.toStdString();
    }
}

TEST(CliOffline, RefusalsAndBadSetsFailWithExitOne)
{
    const CliRun refused = cli({QStringLiteral("decode"), QStringLiteral("HCM"), QStringLiteral("ABCDEF")});
    EXPECT_EQ(refused.exit, 1);
    EXPECT_TRUE(refused.err.startsWith(QLatin1String("! ")) || !refused.err.isEmpty());

    const CliRun notHex = cli({QStringLiteral("decode"), QStringLiteral("ABS"), QStringLiteral("4G")});
    EXPECT_EQ(notHex.exit, 1);

    const CliRun unknown = cli({QStringLiteral("encode"), QStringLiteral("IPC"), QStringLiteral("CD421010C0"),
                             QStringLiteral("--set"), QStringLiteral("CheckBox1BCM07=1")});
    EXPECT_EQ(unknown.exit, 1);
    EXPECT_TRUE(unknown.err.contains(QLatin1String("CheckBox1BCM07")));

    const CliRun badValue = cli({QStringLiteral("encode"), QStringLiteral("IPC"), QStringLiteral("CD421010C0"),
                              QStringLiteral("--set"), QStringLiteral("CheckBoxIPC05=2")});
    EXPECT_EQ(badValue.exit, 1);
    EXPECT_TRUE(badValue.out.isEmpty()); // no block is printed after a failure
}

TEST(CliOffline, AsBuiltBothWaysAndInvalidLines)
{
    const CliRun line = cli({QStringLiteral("asbuilt"), QStringLiteral("encode"), QStringLiteral("720-01-01"),
                             QStringLiteral("123456789A")});
    ASSERT_EQ(line.exit, 0) << line.err.toStdString();
    EXPECT_EQ(line.out, QStringLiteral("12 34 56 78 9A D7\n"));

    const CliRun back = cli({QStringLiteral("asbuilt"), QStringLiteral("decode"), QStringLiteral("720-01-01"),
                             QStringLiteral("12 34 56 78 9a d7 >")});
    ASSERT_EQ(back.exit, 0) << back.err.toStdString();
    EXPECT_EQ(blockOf(back), QStringLiteral("123456789A"));

    // The second BCM part, changed offline and turned into a new line.
    const CliRun part2 = cli({QStringLiteral("asbuilt"), QStringLiteral("encode"), QStringLiteral("726-02-01"),
                              QStringLiteral("4F1C02")});
    ASSERT_EQ(part2.exit, 0);
    const CliRun shown = cli({QStringLiteral("asbuilt"), QStringLiteral("decode"), QStringLiteral("726-02-01"),
                              part2.out.trimmed()});
    EXPECT_EQ(blockOf(shown), QStringLiteral("4F1C02"));
    EXPECT_TRUE(shown.outLines().contains(QStringLiteral("CheckBox2BCM06 1")));

    for (const char* data : {"12 34 56 78 9A D8", "12 34 56 78 9A", "12 34 5G 78 9A D7", "12 34 56 78 9A D"}) {
        const CliRun bad = cli({QStringLiteral("asbuilt"), QStringLiteral("decode"), QStringLiteral("720-01-01"),
                                QString::fromLatin1(data)});
        EXPECT_EQ(bad.exit, 1) << data;
        EXPECT_EQ(bad.err, QStringLiteral("! Неверная строка AS-BUILT\n")) << data;
    }
    EXPECT_EQ(cli({QStringLiteral("asbuilt"), QStringLiteral("encode"), QStringLiteral("720-01-01"),
                   QStringLiteral("1234")}).exit, 1); // two bytes are no IPC block
    EXPECT_EQ(cli({QStringLiteral("asbuilt"), QStringLiteral("decode"), QStringLiteral("730-01-01"),
                   QStringLiteral("00")}).exit, 2);
}

TEST(CliUsage, UsageErrorsExitTwoWithTheUsageText)
{
    const QList<QStringList> calls = {
        {},
        {QStringLiteral("--frobnicate"), QStringLiteral("decode")},
        {QStringLiteral("--baud"), QStringLiteral("57600"), QStringLiteral("voltage")},
        {QStringLiteral("--vin"), QStringLiteral("SHORT"), QStringLiteral("voltage")},
        {QStringLiteral("read-config"), QStringLiteral("IPC")}, // no --port
        {QStringLiteral("decode"), QStringLiteral("XYZ"), QStringLiteral("00")},
        {QStringLiteral("decode"), QStringLiteral("IPC")},
        {QStringLiteral("--port"), QStringLiteral("demo"), QStringLiteral("vin"), QStringLiteral("ECU")},
        {QStringLiteral("--port"), QStringLiteral("demo"), QStringLiteral("read-block"), QStringLiteral("IPC"),
         QStringLiteral("0")},
        {QStringLiteral("fly")},
        {QStringLiteral("--port"), QStringLiteral("demo"), QStringLiteral("--min-voltage"), QStringLiteral("nan"),
         QStringLiteral("voltage")},
        {QStringLiteral("--port"), QStringLiteral("demo"), QStringLiteral("--min-voltage"), QStringLiteral("inf"),
         QStringLiteral("voltage")},
    };
    for (const QStringList& args : calls) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.exit, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.err.contains(QLatin1String("talmero-cli --help | --version"))) << args.join(QLatin1Char(' ')).toStdString();
    }
    const CliRun help = cli({QStringLiteral("--help")});
    EXPECT_EQ(help.exit, 0);
    EXPECT_TRUE(help.out.contains(QLatin1String("write-config PAGE HEX")));
}

// A newcomer without a Russian locale gets English, the usage errors included; a Russian
// locale or --lang ru gets the program's own texts.
TEST(CliUsage, TheLocaleOrLangChoosesTheLanguageOfEveryMessage)
{
    const struct {
        const char* locale;
        const char* lang;
        const char* said;
    } cases[] = {
        {"", nullptr, "Invalid VIN!"},           {"C", nullptr, "Invalid VIN!"},
        {"POSIX", nullptr, "Invalid VIN!"},      {"C.UTF-8", nullptr, "Invalid VIN!"},
        {"ru_RU.UTF-8", nullptr, "Неверный VIN код!"}, {"C", "ru", "Неверный VIN код!"},
        {"ru_RU.UTF-8", "en", "Invalid VIN!"},
    };
    for (const auto& c : cases) {
        QStringList args = {QStringLiteral("--vin"), QStringLiteral("SHORT"), QStringLiteral("voltage")};
        if (c.lang)
            args << QStringLiteral("--lang") << QString::fromLatin1(c.lang);
        const CliRun r = cli(args, {}, QString::fromLatin1(c.locale));
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("talmero-cli: ") + QString::fromUtf8(c.said)))
            << c.locale << ' ' << (c.lang ? c.lang : "") << ": " << r.err.toStdString();
    }
    EXPECT_TRUE(cli({QStringLiteral("fly")}, {}, {}).err.contains(QLatin1String("usage: talmero-cli")));
}

TEST(CliDemoCar, ServiceOperationsAndLiveData)
{
    const QStringList demo = {QStringLiteral("--port"), QStringLiteral("demo"), QStringLiteral("--yes")};
    const CliRun vin = cli(demo + QStringList{QStringLiteral("vin"), QStringLiteral("abs")});
    EXPECT_EQ(vin.exit, 0) << vin.err.toStdString();
    EXPECT_TRUE(vin.out.contains(QRegularExpression(QStringLiteral("^[0-9A-Z]{17}\n$")))) << vin.out.toStdString();
    EXPECT_TRUE(vin.err.contains(QStringLiteral("Переключите адаптер на высокую шину (HSCAN)")));

    const CliRun block = cli(demo + QStringList{QStringLiteral("read-block"), QStringLiteral("HVAC"), QStringLiteral("01")});
    EXPECT_EQ(block.exit, 0) << block.err.toStdString();
    EXPECT_TRUE(block.out.contains(QRegularExpression(QStringLiteral("^[0-9A-F]+\n$")))) << block.out.toStdString();

    const CliRun bad = cli(demo + QStringList{QStringLiteral("write-block"), QStringLiteral("BCM"), QStringLiteral("03"),
                                           QStringLiteral("XY")});
    EXPECT_EQ(bad.exit, 1);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("Неверная строка!")));

    EXPECT_EQ(cli(demo + QStringList{QStringLiteral("restart"), QStringLiteral("PCM")}).exit, 0);
    EXPECT_EQ(cli(demo + QStringList{QStringLiteral("restart"), QStringLiteral("IPC")}).exit, 1);
    EXPECT_EQ(cli(demo + QStringList{QStringLiteral("vin"), QStringLiteral("BCM")}).exit, 1); // holds none

    const CliRun volts = cli(demo + QStringList{QStringLiteral("voltage")});
    EXPECT_EQ(volts.out, QStringLiteral("Напряжение - 12.6V\n"));
    const CliRun live = cli(demo + QStringList{QStringLiteral("live")});
    EXPECT_EQ(live.exit, 0);
    EXPECT_TRUE(live.out.contains(QLatin1String("> 0100")));
    EXPECT_TRUE(live.out.contains(QRegularExpression(QStringLiteral("\\d+ ms\n$"))));
}

TEST(CliDemoCar, BusPromptsWaitForALineWithoutYes)
{
    // Each prompt is acknowledged by one line on standard input.
    const CliRun r = cli({QStringLiteral("--port"), QStringLiteral("demo"), QStringLiteral("read-config"),
                       QStringLiteral("ACM")},
                      "\n");
    EXPECT_EQ(r.exit, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("Переключите адаптер на среднюю шину (MSCAN)")));
}

TEST(CliSerial, ScriptedRoundTripThroughAPseudoTerminal)
{
    SimProcess sim;
    ASSERT_FALSE(sim.path().isEmpty());
    const QStringList port = {QStringLiteral("--port"), sim.path(), QStringLiteral("--yes")};

    const CliRun before = cli(port + QStringList{QStringLiteral("read-config"), QStringLiteral("DDM")});
    ASSERT_EQ(before.exit, 0) << before.err.toStdString();
    const QString block = blockOf(before);
    const bool passengerLocking = before.outLines().contains(QStringLiteral("CheckBoxDDM5 1"));

    const CliRun changed = cli({QStringLiteral("encode"), QStringLiteral("DDM"), block, QStringLiteral("--set"),
                             QStringLiteral("CheckBoxDDM5=") + QString::number(passengerLocking ? 0 : 1)});
    ASSERT_EQ(changed.exit, 0) << changed.err.toStdString();
    const QString newBlock = blockOf(changed);
    ASSERT_NE(newBlock, block);

    const CliRun written = cli(port + QStringList{QStringLiteral("write-config"), QStringLiteral("DDM+PDM"), newBlock,
                                               QStringLiteral("--door"), QStringLiteral("passenger")});
    ASSERT_EQ(written.exit, 0) << written.err.toStdString();
    EXPECT_EQ(written.out, QStringLiteral("* Запись проверена: модуль содержит записанные данные\n"));

    const CliRun passenger = cli(port + QStringList{QStringLiteral("read-config"), QStringLiteral("DDM"),
                                                 QStringLiteral("--door"), QStringLiteral("passenger")});
    EXPECT_EQ(blockOf(passenger), newBlock);
    const CliRun driver = cli(port + QStringList{QStringLiteral("read-config"), QStringLiteral("DDM")});
    EXPECT_EQ(blockOf(driver), block); // only the passenger door was written

    QTemporaryDir saved;
    const QString file = saved.filePath(QStringLiteral("codes.txt"));
    const CliRun codes = cli(port + QStringList{QStringLiteral("dtc"), QStringLiteral("read"), QStringLiteral("--save"), file});
    EXPECT_EQ(codes.exit, 0);
    EXPECT_TRUE(codes.out.contains(QStringLiteral("GEM модуль (BCM):\nОшибок: 3\n")));
    QFile text(file);
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(text.readAll()).contains(QStringLiteral("GEM модуль (BCM):\n  Ошибок: 3\n  B1317 статус 20\n")));
}

TEST(CliSerial, BackupThroughAPseudoTerminalOpensOnEveryPage)
{
    SimProcess sim;
    ASSERT_FALSE(sim.path().isEmpty());
    QTemporaryDir dir;
    const CliRun backup = cli({QStringLiteral("--port"), sim.path(), QStringLiteral("--yes"), QStringLiteral("--vin"),
                               QStringLiteral("wf0axxgcda1b23456"), QStringLiteral("backup"), QStringLiteral("--dir"),
                               dir.path()});
    ASSERT_EQ(backup.exit, 0) << backup.err.toStdString();
    const QString path = backup.out.trimmed();
    // The VIN the car's modules hold wins over the one given.
    EXPECT_TRUE(path.startsWith(dir.path() + QStringLiteral("/VehicleData.WF0AXXWPDA9K12345.")));
    ASSERT_TRUE(QFile::exists(path));

    // Each page's block from the file equals what the car holds.
    for (const char* page : {"IPC", "ACM", "BCM", "DDM", "HVAC", "RCM", "ABS", "HCM"}) {
        const CliRun stored = cli({QStringLiteral("open-backup"), path, QString::fromLatin1(page)});
        const CliRun read = cli({QStringLiteral("--port"), sim.path(), QStringLiteral("--yes"),
                                 QStringLiteral("read-config"), QString::fromLatin1(page)});
        ASSERT_GE(stored.outLines().size(), 2) << page << stored.err.toStdString();
        EXPECT_EQ(stored.outLines().at(1), read.outLines().value(0)) << page;
    }

    QFile broken(dir.filePath(QStringLiteral("broken.xml")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("<VehicleData><Modules><Module address=\"720\"");
    broken.close();
    const CliRun bad = cli({QStringLiteral("open-backup"), broken.fileName(), QStringLiteral("IPC")});
    EXPECT_EQ(bad.exit, 1);
    EXPECT_TRUE(bad.out.isEmpty());
}

TEST(CliSerial, MissingPortAndUnwritableBlock)
{
    const CliRun missing = cli({QStringLiteral("--port"), QStringLiteral("/dev/ttyTALMERO-none"), QStringLiteral("voltage")});
    EXPECT_EQ(missing.exit, 1);
    EXPECT_TRUE(missing.err.startsWith(QStringLiteral("! Ошибка открытия порта: устройства /dev/ttyTALMERO-none нет.")))
        << missing.err.toStdString();

    // A block that only shows (refused by its decoder) is never sent to the car.
    const CliRun refused = cli({QStringLiteral("--port"), QStringLiteral("demo"), QStringLiteral("--yes"), QStringLiteral("--log"),
                             QStringLiteral("write-config"), QStringLiteral("HCM"), QStringLiteral("ABCDEF")});
    EXPECT_EQ(refused.exit, 1);
    EXPECT_FALSE(refused.err.contains(QLatin1String("> 3B00")));
}

// Write requests the simulator received, from its trace.
int writesReceived(const QString& tracePath)
{
    QFile trace(tracePath);
    if (!trace.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(trace.readAll()).count(QRegularExpression(QStringLiteral("< 3B"))));
}

TEST(CliSerial, WritesAreAskedCheckedJournaledAndUndone)
{
    QTemporaryDir dir;
    const QString trace = dir.filePath(QStringLiteral("trace.txt"));
    SimProcess sim({QStringLiteral("--trace")}, trace);
    ASSERT_FALSE(sim.path().isEmpty());
    const QStringList port = {QStringLiteral("--port"), sim.path(), QStringLiteral("--journal"),
                              dir.filePath(QStringLiteral("journal.sqlite"))};
    const QStringList write = {QStringLiteral("write-config"), QStringLiteral("DDM+PDM"), QStringLiteral("BD"),
                               QStringLiteral("--door"), QStringLiteral("driver")};

    // Enter for the bus prompt, then no at the question: nothing goes out.
    const CliRun no = cli(port + write, "\nn\n");
    EXPECT_EQ(no.exit, 1);
    EXPECT_TRUE(no.err.contains(QStringLiteral("Without module (facelift): нет → да\n  3D -> BD\nАккумулятор: 12.6 В\nЗаписать? [y/N] ")))
        << no.err.toStdString();
    EXPECT_EQ(writesReceived(trace), 0);

    const CliRun yes = cli(port + QStringList{QStringLiteral("--yes")} + write);
    EXPECT_EQ(yes.exit, 0) << yes.err.toStdString();
    EXPECT_EQ(yes.out, QStringLiteral("* Запись проверена: модуль содержит записанные данные\n"));
    EXPECT_EQ(writesReceived(trace), 1);

    const QStringList rows = cli(port + QStringList{QStringLiteral("history")}).outLines();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[0].endsWith(QStringLiteral(" 740 01 3D -> BD accepted-verified"))) << rows[0].toStdString();
    EXPECT_TRUE(rows[1].endsWith(QStringLiteral(" 740 01 3D -> BD cancelled")));
    EXPECT_TRUE(rows[0].contains(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT[0-9:]{8}Z [0-9A-Z]{17} "))));

    const CliRun undo = cli(port + QStringList{QStringLiteral("--yes"), QStringLiteral("undo")});
    EXPECT_EQ(undo.exit, 0) << undo.err.toStdString();
    EXPECT_EQ(blockOf(cli(port + QStringList{QStringLiteral("--yes"), QStringLiteral("read-config"), QStringLiteral("DDM")})),
              QStringLiteral("3D"));
    EXPECT_EQ(writesReceived(trace), 2);
}

TEST(CliSerial, LowBatteryIgnoredWriteAndUnwritableJournalAreFailures)
{
    const struct {
        const char* what;
        QStringList simArgs;
        bool unwritableJournal;
        const char* message;
        int writes;
    } cases[] = {
        {"battery", {QStringLiteral("--voltage"), QStringLiteral("11.5")}, false,
         "! Напряжение бортовой сети 11.5 В ниже порога 12.0 В: запись не выполнена", 0},
        {"module keeps its block", {QStringLiteral("--fault"), QStringLiteral("740:ignore")}, false,
         "! Модуль содержит другие данные: 3D (записано BD)", 1},
        {"journal", {}, true, "! Журнал записей недоступен (", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString trace = dir.filePath(QStringLiteral("trace.txt"));
        SimProcess sim(c.simArgs + QStringList{QStringLiteral("--trace")}, trace);
        QFile(dir.filePath(QStringLiteral("file"))).open(QIODevice::WriteOnly);
        const QString journal = dir.filePath(c.unwritableJournal ? QStringLiteral("file/j.sqlite") : QStringLiteral("j.sqlite"));
        const CliRun r = cli({QStringLiteral("--port"), sim.path(), QStringLiteral("--journal"), journal,
                              QStringLiteral("--yes"), QStringLiteral("write-config"), QStringLiteral("DDM+PDM"),
                              QStringLiteral("BD"), QStringLiteral("--door"), QStringLiteral("driver")});
        EXPECT_EQ(r.exit, 1);
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << r.err.toStdString();
        EXPECT_EQ(writesReceived(trace), c.writes);
    }
}

} // namespace
