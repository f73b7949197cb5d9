#include "cli/cli_run.h"
#include "e2e/sim_process.h"

#include <QDir>
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
        {QStringLiteral("dtc"), QStringLiteral("explain"), QStringLiteral("P0420"), QStringLiteral("Q1234")},
        {QStringLiteral("dtc"), QStringLiteral("explain")},
        {QStringLiteral("--port"), QStringLiteral("demo"), QStringLiteral("live"), QStringLiteral("--values"),
         QStringLiteral("rpm,warp")},
        {QStringLiteral("--port"), QStringLiteral("demo"), QStringLiteral("backup"), QStringLiteral("--plain")},
        {QStringLiteral("--port"), QStringLiteral("demo"), QStringLiteral("voltage"), QStringLiteral("--seconds"),
         QStringLiteral("5")},
    };
    for (const QStringList& args : calls) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.exit, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.err.contains(QLatin1String("talmero-cli --help | --version"))) << args.join(QLatin1Char(' ')).toStdString();
    }
    EXPECT_TRUE(cli({QStringLiteral("dtc"), QStringLiteral("explain"), QStringLiteral("Q1234")}).err.contains(QLatin1String("Q1234")));
    EXPECT_TRUE(cli({QStringLiteral("--port"), QStringLiteral("demo"), QStringLiteral("live"), QStringLiteral("--values"),
                     QStringLiteral("warp")})
                    .err.contains(QLatin1String("warp")));
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
    EXPECT_TRUE(live.out.contains(QRegularExpression(QStringLiteral("\\d+ мс\n$"))));
}

// What a code is and means; a workshop's own file is seen in the explanation and the reading.
TEST(CliDemoCar, TroubleCodesSayWhatTheyMeanAndAUsersFileIsSeen)
{
    const CliRun explained = cli({QStringLiteral("dtc"), QStringLiteral("explain"), QStringLiteral("P0420"), QStringLiteral("b1342")});
    EXPECT_EQ(explained.exit, 0) << explained.err.toStdString();
    EXPECT_EQ(explained.out, QStringLiteral("P0420\n"
                                            "  Система: силовой агрегат\n"
                                            "  Кто определяет: общий код (SAE/ISO)\n"
                                            "  Группа: вспомогательные системы снижения токсичности\n"
                                            "  Описание: Каталитический нейтрализатор (ряд 1): эффективность ниже порога\n"
                                            "  Источник: описание программы\n"
                                            "B1342\n"
                                            "  Система: кузов\n"
                                            "  Кто определяет: код производителя\n"
                                            "  Описание: код производителя (кузов)\n"
                                            "  Источник: описания нет, только строение кода\n"));

    const QString folder = cliDataHome() + QStringLiteral("/TALMERO/TALMERO");
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile own(folder + QStringLiteral("/dtc-descriptions.csv"));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("code,en,ru\nP0420,Catalyst worn,Катализатор изношен\nB1342,Cluster fault,Панель неисправна\nP0420,again,x\n");
    own.close();
    const QStringList demo = {QStringLiteral("--port"), QStringLiteral("demo"), QStringLiteral("--yes")};
    const CliRun read = cli(demo + QStringList{QStringLiteral("dtc"), QStringLiteral("read")});
    EXPECT_EQ(read.exit, 0) << read.err.toStdString();
    EXPECT_TRUE(read.out.contains(QStringLiteral("#1 - P0420 статус: 2C\n"
                                                 "    Катализатор изношен [файл пользователя]; сохранена, сейчас отсутствует; "
                                                 "лампу неисправности не запрашивает\n    Стоп-кадр кода P0420:\n      Обороты двигателя: 2240 об/мин\n")))
        << read.out.toStdString();
    EXPECT_TRUE(read.out.contains(QStringLiteral("#1 - B1342 статус: 20\n    Панель неисправна [файл пользователя]; сохранена, сейчас "
                                                 "отсутствует; лампу неисправности не запрашивает\n#2 - U2023 статус: 60\n"
                                                 "    код производителя (сеть обмена данными); присутствует сейчас; лампу неисправности не запрашивает\n")));
    EXPECT_TRUE(read.err.contains(QStringLiteral("строка 4 пропущена: код P0420 уже описан в строке 2"))) << read.err.toStdString();
    const CliRun plain = cli(demo + QStringList{QStringLiteral("dtc"), QStringLiteral("read"), QStringLiteral("--plain")});
    EXPECT_TRUE(plain.out.contains(QStringLiteral("Ошибок: 1\n#1 - P0420 статус: 2C\n\n")));
    EXPECT_FALSE(plain.out.contains(QStringLiteral("\n    ")));
    EXPECT_TRUE(cli({QStringLiteral("dtc"), QStringLiteral("explain"), QStringLiteral("P0420")})
                    .out.contains(QStringLiteral("  Источник: файл пользователя\n")));
    QFile::remove(own.fileName());
}

// Ten seconds of three values: about a row a second, each value where an engine has it.
TEST(CliDemoCar, LiveValuesAreRecordedToCsv)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("live.csv"));
    const QStringList demo = {QStringLiteral("--port"), QStringLiteral("demo"), QStringLiteral("--yes"), QStringLiteral("live")};
    const CliRun r = cli(demo + QStringList{QStringLiteral("--values"), QStringLiteral("rpm,speed,coolant"),
                                            QStringLiteral("--seconds"), QStringLiteral("10"), QStringLiteral("--csv"), file});
    ASSERT_EQ(r.exit, 0) << r.err.toStdString();
    QFile csv(file);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(csv.readAll());
    EXPECT_EQ(r.out, text);
    const QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines[0], QStringLiteral("time [s],rpm [rpm],speed [km/h],coolant [°C]"));
    EXPECT_TRUE(lines.size() >= 10 && lines.size() <= 12) << lines.size();
    double last = -1;
    for (const QString& line : lines.mid(1)) {
        const QStringList f = line.split(u',');
        ASSERT_EQ(f.size(), 4) << line.toStdString();
        EXPECT_GT(f[0].toDouble(), last) << line.toStdString();
        last = f[0].toDouble();
        EXPECT_TRUE(f[1].toDouble() >= 600 && f[1].toDouble() <= 3000) << line.toStdString();
        EXPECT_TRUE(f[2].toDouble() >= 0 && f[2].toDouble() <= 60) << line.toStdString();
        EXPECT_TRUE(f[3].toDouble() >= 15 && f[3].toDouble() <= 95) << line.toStdString();
    }
    EXPECT_LT(last, 11);

    const CliRun absent = cli(demo + QStringList{QStringLiteral("--values"), QStringLiteral("rpm,maf"), QStringLiteral("--seconds"),
                                                 QStringLiteral("1")});
    EXPECT_EQ(absent.exit, 1);
    EXPECT_TRUE(absent.err.contains(QStringLiteral("не сообщает maf"))) << absent.err.toStdString();
}

TEST(CliDemoCar, BusPromptsWaitForALineWithoutYes)
{
    // Each prompt is acknowledged by one line on standard input.
    const CliRun r = cli({QStringLiteral("--port"), QStringLiteral("demo"), QStringLiteral("read-config"),
                       QStringLiteral("ACM")},
                      "\n");
    EXPECT_EQ(r.exit, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("Переключите адаптер на среднюю шину (MSCAN)\nСледующий модуль: Аудиомодуль (ACM)\n"
                                              "Нажмите Enter, когда переключите, или c для отмены: ")));
}

TEST(CliSerial, ScriptedRoundTripThroughAPseudoTerminal)
{
    SimProcess sim;
    ASSERT_FALSE(sim.path().isEmpty());
    const QStringList port = {QStringLiteral("--port"), sim.path(), QStringLiteral("--yes"), QStringLiteral("--no-backup")};

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
    EXPECT_TRUE(QString::fromUtf8(text.readAll()).contains(QStringLiteral("GEM модуль (BCM):\n  Ошибок: 3\n  B1317 статус 20\n"
                                                                          "    код производителя (кузов); сохранена, сейчас отсутствует; "
                                                                          "лампу неисправности не запрашивает\n")));
}

// The engine's readiness and its freeze frame through a pseudo-terminal: complete and kept
// before the codes are cleared, incomplete and gone after; the exit status says which.
TEST(CliSerial, ReadinessAndFreezeFrameBeforeAndAfterClearing)
{
    EXPECT_TRUE(cli({QStringLiteral("--help")}).out.contains(QStringLiteral("код выхода 0, если завершены все")));
    SimProcess sim;
    ASSERT_FALSE(sim.path().isEmpty());
    // No backup before the clearing: it would stand for this car's in the other tests.
    const QStringList port = {QStringLiteral("--port"), sim.path(), QStringLiteral("--yes"), QStringLiteral("--no-backup")};
    const CliRun ready = cli(port + QStringList{QStringLiteral("readiness")});
    EXPECT_EQ(ready.exit, 0) << ready.err.toStdString();
    EXPECT_TRUE(ready.out.startsWith(QStringLiteral("Лампа неисправности: не включена\nКодов в памяти двигателя: 1\nЗажигание: искровое\n")))
        << ready.out.toStdString();
    EXPECT_TRUE(ready.out.contains(QStringLiteral("  Каталитический нейтрализатор: завершена\n  Подогрев нейтрализатора: не поддерживается\n")));
    EXPECT_TRUE(ready.out.endsWith(QStringLiteral("* Готовность систем: все поддерживаемые проверки завершены\n")));
    const CliRun before = cli(port + QStringList{QStringLiteral("dtc"), QStringLiteral("read")});
    EXPECT_TRUE(before.out.contains(QStringLiteral("    Стоп-кадр кода P0420:\n      Обороты двигателя: 2240 об/мин\n      Скорость автомобиля: 68 км/ч\n")))
        << before.out.toStdString();

    ASSERT_EQ(cli(port + QStringList{QStringLiteral("dtc"), QStringLiteral("clear")}).exit, 0);
    const CliRun cleared = cli(port + QStringList{QStringLiteral("readiness")});
    EXPECT_EQ(cleared.exit, 1);
    EXPECT_TRUE(cleared.out.contains(QStringLiteral("Кодов в памяти двигателя: 0\n")));
    EXPECT_TRUE(cleared.out.contains(QStringLiteral("  Каталитический нейтрализатор: не завершена\n")));
    EXPECT_TRUE(cleared.out.endsWith(QStringLiteral("* Готовность систем: не завершены проверки: Каталитический нейтрализатор, Система "
                                                    "улавливания паров топлива, Кислородные датчики, Подогрев кислородных датчиков\n")))
        << cleared.out.toStdString();
    EXPECT_FALSE(cli(port + QStringList{QStringLiteral("dtc"), QStringLiteral("read")}).out.contains(QStringLiteral("Стоп-кадр")));
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

// The same listing on both demo cars and through the simulator's STN adapter: a silent
// module is a finding (exit 0), a scan cut short is a failure; codes come from the newest
// reading of the car kept beside the journal.
TEST(CliSerial, ScanListsEveryModuleOnBothDemoCarsAndThroughTheSimulator)
{
    QTemporaryDir dir;
    const QStringList journal = {QStringLiteral("--journal"), dir.filePath(QStringLiteral("journal.sqlite"))};
    const auto demo = [&](const char* port) {
        return QStringList{QStringLiteral("--port"), QString::fromLatin1(port), QStringLiteral("--yes")} + journal;
    };
    const QString vin = QStringLiteral("WF0AXXWPDA9K12345");
    const CliRun plain = cli(demo("demo") + QStringList{QStringLiteral("scan")});
    EXPECT_EQ(plain.exit, 0) << plain.err.toStdString();
    EXPECT_EQ(plain.out, QStringLiteral("IPC 720 hs answered %1 ?\nACM 727 ms answered %1 ?\nBCM 726 ms answered - ?\n"
                                        "DDM 740 ms answered %1 ?\nPDM 741 ms answered %1 ?\nHVAC 733 ms answered %1 ?\n"
                                        "RCM 737 ms answered %1 ?\nABS 760 hs answered %1 ?\nHCM 734 hs answered %1 ?\n"
                                        "PSCM 730 hs answered %1 ?\nPCM 7E0 hs answered - ?\n").arg(vin));
    EXPECT_TRUE(plain.err.contains(QStringLiteral("Переключите адаптер на среднюю шину (MSCAN)\nСледующий модуль: Аудиомодуль (ACM)")));

    ASSERT_EQ(cli(demo("demo") + QStringList{QStringLiteral("--vin"), vin, QStringLiteral("dtc"), QStringLiteral("read")}).exit, 0);
    const CliRun stn = cli(demo("demo-stn") + QStringList{QStringLiteral("--vin"), QStringLiteral("WF0AXXGCDA1234567"), QStringLiteral("scan")});
    EXPECT_EQ(stn.exit, 0) << stn.err.toStdString();
    QStringList codes;
    for (const QString& line : stn.outLines())
        codes << line.section(u' ', 0, 0) + u'=' + line.section(u' ', 5);
    EXPECT_EQ(codes, (QStringList{"IPC=2", "ACM=0", "BCM=3", "DDM=0", "PDM=0", "HVAC=0", "RCM=0", "ABS=0", "HCM=0", "PSCM=0", "PCM=1"}));
    EXPECT_FALSE(stn.err.contains(QStringLiteral("Переключите")));
    EXPECT_TRUE(stn.err.contains(QStringLiteral("! VIN автомобиля WF0AXXWPDA9K12345, а не указанный WF0AXXGCDA1234567")));

    SimProcess sim({QStringLiteral("--adapter"), QStringLiteral("stn"), QStringLiteral("--fault"), QStringLiteral("734:silent"),
                    QStringLiteral("--fault"), QStringLiteral("740:negative")});
    ASSERT_FALSE(sim.path().isEmpty());
    const CliRun silent = cli(QStringList{QStringLiteral("--port"), sim.path(), QStringLiteral("--yes")} + journal + QStringList{QStringLiteral("scan")});
    EXPECT_EQ(silent.exit, 0) << silent.err.toStdString();
    EXPECT_EQ(silent.outLines().value(8), QStringLiteral("HCM 734 hs silent ? ?"));
    EXPECT_EQ(silent.outLines().value(9), QStringLiteral("PSCM 730 hs answered %1 ?").arg(vin));
    EXPECT_EQ(silent.outLines().value(3), QStringLiteral("DDM 740 ms refused ? ?"));
    EXPECT_TRUE(silent.err.contains(QStringLiteral("! HCM: Модуль не ответил или отсутствует\n"
                                                   "! DDM: Модуль отказал в диагностическом сеансе (7F 10 22: условия не выполнены)\n")))
        << silent.err.toStdString();

    // No module answers (the ignition off): the listing, and a failure that says what to check.
    QStringList allSilent;
    for (const char* address : {"720", "727", "726", "740", "741", "733", "737", "760", "734", "730", "7E0"})
        allSilent << QStringLiteral("--fault") << QString::fromLatin1(address) + QStringLiteral(":silent");
    SimProcess off(allSilent);
    const CliRun none = cli(QStringList{QStringLiteral("--port"), off.path(), QStringLiteral("--yes"), QStringLiteral("scan")});
    EXPECT_EQ(none.exit, 1);
    EXPECT_EQ(none.out.count(QStringLiteral(" silent ")), 11) << none.out.toStdString();
    EXPECT_TRUE(none.err.contains(QStringLiteral("! ни один модуль не ответил"))) << none.err.toStdString();

    // Cancelled at the first bus prompt: every module listed as not asked, and a failure.
    const CliRun cancelled = cli({QStringLiteral("--port"), QStringLiteral("demo"), QStringLiteral("scan")}, "c\n");
    EXPECT_EQ(cancelled.exit, 1);
    EXPECT_EQ(cancelled.outLines().size(), 11);
    EXPECT_EQ(cancelled.outLines().value(0), QStringLiteral("IPC 720 hs not-asked ? ?"));
    EXPECT_EQ(cancelled.outLines().value(2), QStringLiteral("BCM 726 ms not-asked - ?"));
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

// The first write to a car without a backup takes one into the backup folder before the
// block goes out; the next write finds it; --no-backup takes none; a folder that is not
// there is said before anything is read.
TEST(CliDemoCar, FirstWriteTakesABackupFirst)
{
    // The restores' safety copies count as backups: those of other tests are not this one's.
    QDir(cliDataHome() + QStringLiteral("/TALMERO/TALMERO/backups")).removeRecursively();
    QTemporaryDir dir;
    const auto write = [](const QString& folder, const QStringList& more = {}) {
        return cli(QStringList{QStringLiteral("--port"), QStringLiteral("demo"), QStringLiteral("--yes"), QStringLiteral("--log"),
                               QStringLiteral("--dir"), folder, QStringLiteral("write-config"), QStringLiteral("DDM+PDM"),
                               QStringLiteral("BD"), QStringLiteral("--door"), QStringLiteral("driver")} + more);
    };
    // A restore run before this test leaves its safety copy of the same car in the default folder.
    QDir(cliDataHome() + QStringLiteral("/TALMERO/TALMERO/backups")).removeRecursively();
    const QString offer = QStringLiteral("Аккумулятор: 12.6 В\nРезервной копии этого автомобиля ещё нет: сначала сделать её\nЗаписать? [y/N] y\n");
    const CliRun first = write(dir.path());
    ASSERT_EQ(first.exit, 0) << first.err.toStdString();
    EXPECT_TRUE(first.err.contains(offer)) << first.err.toStdString();
    const QStringList files = QDir(dir.path()).entryList({QStringLiteral("*.xml")}, QDir::Files);
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(files[0].startsWith(QStringLiteral("VehicleData.WF0AXXWPDA9K12345.")));
    const qsizetype saved = first.err.indexOf(QStringLiteral("* Файл ") + files[0] + QStringLiteral(" сохранен"));
    EXPECT_GE(saved, 0);
    EXPECT_LT(saved, first.err.indexOf(QStringLiteral("> 3B01BD")));

    const CliRun second = write(dir.path());
    EXPECT_EQ(second.exit, 0);
    EXPECT_FALSE(second.err.contains(QStringLiteral("Резервной копии"))) << second.err.toStdString();
    QTemporaryDir empty;
    const CliRun without = write(empty.path(), {QStringLiteral("--no-backup")});
    EXPECT_EQ(without.exit, 0);
    EXPECT_FALSE(without.err.contains(QStringLiteral("Резервной копии")));
    EXPECT_TRUE(QDir(empty.path()).isEmpty());

    const QString none = dir.filePath(QStringLiteral("none"));
    const CliRun missing = cli({QStringLiteral("--port"), QStringLiteral("demo"), QStringLiteral("--dir"), none, QStringLiteral("backup")});
    EXPECT_EQ(missing.exit, 1);
    EXPECT_EQ(missing.err, QStringLiteral("! папки %1 нет: ничего не записано\n").arg(none));
    EXPECT_EQ(write(none).exit, 1);
    EXPECT_FALSE(QFileInfo::exists(none));
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
    const QStringList port = {QStringLiteral("--port"), sim.path(), QStringLiteral("--no-backup"), QStringLiteral("--journal"),
                              dir.filePath(QStringLiteral("journal.sqlite"))};
    const QStringList write = {QStringLiteral("write-config"), QStringLiteral("DDM+PDM"), QStringLiteral("BD"),
                               QStringLiteral("--door"), QStringLiteral("driver")};

    // Enter for the bus prompt, then no at the question: nothing goes out.
    const CliRun no = cli(port + write, "\nn\n");
    EXPECT_EQ(no.exit, 1);
    EXPECT_TRUE(no.err.contains(QStringLiteral("Без модуля (рестайлинг): нет → да\n  3D -> BD\nАккумулятор: 12.6 В\nЗаписать? [y/N] ")))
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
                              QStringLiteral("--yes"), QStringLiteral("--no-backup"), QStringLiteral("write-config"),
                              QStringLiteral("DDM+PDM"), QStringLiteral("BD"), QStringLiteral("--door"), QStringLiteral("driver")});
        EXPECT_EQ(r.exit, 1);
        EXPECT_EQ(r.err.count(QString::fromUtf8(c.message)), 1) << r.err.toStdString(); // said once
        EXPECT_EQ(writesReceived(trace), c.writes);
    }
}

} // namespace
