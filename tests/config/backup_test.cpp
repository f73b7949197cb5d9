#include "backup_fixture.h"
#include "qt_print.h"
#include "config/layout.h"
#include "config/vehicle_data_writer.h"
#include "config/backup_first.h"
#include "link/scripted_channel.h"
#include "support/test_gate.h"

#include <QDir>
#include <QXmlStreamReader>

#include <sys/resource.h>
#include <csignal>

using namespace talmero;
using namespace talmero::config;

namespace {

const QDateTime kMay17{QDate(2009, 5, 17), QTime(10, 4, 59)};
const QString kStarted = QStringLiteral("* Запущен процесс сохранения данных из модулей автомобиля, ждите...");

// The example car: the ACM does not answer, the HVAC refuses block 00, and the ABS
// answers its block 00 after a response-pending note.
TEST_F(BackupTest, ExampleCarGivesTheFortyLineFile)
{
    setCar("WF0AXXGCDA1B23456",
           {{"720", true, {{"00", "C31F804502"}, {"01", "0010270F0000A0"}, {"02", "12340000"},
                           {"03", "0102030405060708090A"}}},
            {"760", true, {{"00", "A1003C"}, {"01", "8801C000"}}},
            {"734", true, {{"00", "4B"}, {"01", "0000"}}},
            {"726", true, {{"03", "9E0731"}, {"04", "40812205"}}},
            {"740", true, {{"00", "000000"}, {"01", "E50200"}}},
            {"741", true, {{"00", "000000"}, {"01", "E40200"}}},
            {"733", true, {{"01", "06"}}},
            {"737", true, {{"00", "1F0008"}, {"01", "0300"}}},
            {"727", false, {}}});
    QStringList progress;
    backup.setProgress([&](int k, int count, const car::Module& m) {
        progress << QStringLiteral("%1/%2 %3").arg(k).arg(count).arg(qs(m.name));
    });

    const QString path = runBackup(QStringLiteral("WF0AXXGCDA1B23456"), kMay17);

    EXPECT_EQ(path, dir.filePath(QStringLiteral("VehicleData.WF0AXXGCDA1B23456.2009-05-17.10-04-59.xml")));
    const QByteArray expected = crlf({
        "<VehicleData>",
        "<VIN>WF0AXXGCDA1B23456</VIN>",
        "<Owner>TALMERO</Owner>",
        "<Date>2009-05-17 10-04-59</Date>",
        "<Modules>",
        "<Module address=\"720\" title=\"IPC\">",
        "<Block elmindex=\"00\">C3 1F 80 45 02</Block>",
        "<Block elmindex=\"01\">00 10 27 0F 00 00 A0</Block>",
        "<Block elmindex=\"02\">12 34 00 00</Block>",
        "<Block elmindex=\"03\">01 02 03 04 05 06 07 08 09 0A</Block>",
        "</Module>",
        "<Module address=\"760\" title=\"ABS\">",
        "<Block elmindex=\"00\">A1 00 3C</Block>",
        "<Block elmindex=\"01\">88 01 C0 00</Block>",
        "</Module>",
        "<Module address=\"734\" title=\"HCM\">",
        "<Block elmindex=\"00\">4B</Block>",
        "<Block elmindex=\"01\">00 00</Block>",
        "</Module>",
        "<Module address=\"726\" title=\"BCM\">",
        "<Block elmindex=\"03\">9E 07 31</Block>",
        "<Block elmindex=\"04\">40 81 22 05</Block>",
        "</Module>",
        "<Module address=\"740\" title=\"DDM\">",
        "<Block elmindex=\"00\">00 00 00</Block>",
        "<Block elmindex=\"01\">E5 02 00</Block>",
        "</Module>",
        "<Module address=\"741\" title=\"PDM\">",
        "<Block elmindex=\"00\">00 00 00</Block>",
        "<Block elmindex=\"01\">E4 02 00</Block>",
        "</Module>",
        "<Module address=\"733\" title=\"HVAC\">",
        "<Block elmindex=\"01\">06</Block>",
        "</Module>",
        "<Module address=\"737\" title=\"RCM\">",
        "<Block elmindex=\"00\">1F 00 08</Block>",
        "<Block elmindex=\"01\">03 00</Block>",
        "</Module>",
        "</Modules>",
        "</VehicleData>",
    });
    EXPECT_EQ(read(path), expected);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QFileInfo(path).fileName()});

    // Nothing of the exchange reaches the log; the bus prompts do reach the user, and the
    // module left out is named.
    EXPECT_EQ(host.lines,
              (QStringList{kStarted,
                           // 12 34 00 00 in the IPC's VIN block is no VIN.
                           QStringLiteral("* VIN в копии: WF0AXXGCDA1B23456, указанный при подключении (из модулей не прочитан)"),
                           QStringLiteral("* Файл VehicleData.WF0AXXGCDA1B23456.2009-05-17.10-04-59.xml "
                                          "сохранен в каталоге ") + QDir::toNativeSeparators(dir.path()),
                           QStringLiteral("! В копии нет модулей: ACM (727)")}));
    EXPECT_EQ(host.notices,
              (QStringList{QStringLiteral("Переключите адаптер на высокую шину (HSCAN)\nСледующий модуль: Панель приборов (IPC)"),
                           QStringLiteral("Переключите адаптер на среднюю шину (MSCAN)\nСледующий модуль: GEM модуль (BCM)")}));
    EXPECT_TRUE(session.busMS);
    EXPECT_EQ(progress, (QStringList{"1/9 IPC", "2/9 ABS", "3/9 HCM", "4/9 BCM", "5/9 DDM", "6/9 PDM",
                                     "7/9 HVAC", "8/9 RCM", "9/9 ACM"}));
}

// A file with no module in it would be "saved" with nothing saved.
TEST_F(BackupTest, NoModuleOpensWritesNoFile)
{
    for (const car::Module* m : car::kBackupModules)
        demo.car().setPresent(qs(m->address), false);
    EXPECT_EQ(runBackup(QString(17, u'0'), kMay17), QString());
    EXPECT_EQ(host.lines.last(), QStringLiteral("! Ни один модуль не прочитан: файл не записан"));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(BackupTest, ModuleThatRefusesEveryBlockKeepsItsElement)
{
    for (const car::Module* m : car::kBackupModules) {
        if (m->address != "737")
            demo.car().setPresent(qs(m->address), false);
    }
    // The airbag module is opened without a session request; a refusal shows it is there.
    setCar("WF0AXXWPDA9K12345", {{"737", true, {}}});
    const QString path = runBackup(QStringLiteral("WF0AXXWPDA9K12345"), kMay17);
    EXPECT_TRUE(read(path).contains("<Modules>\r\n<Module address=\"737\" title=\"RCM\">\r\n</Module>\r\n</Modules>"));
    // ... and the log says the file holds none of its blocks.
    EXPECT_EQ(host.lines.last(), QStringLiteral("! В копии нет блоков: RCM (737) 00 01"));
}

TEST_F(BackupTest, VinIsEscapedAndTheFileStaysWellFormed)
{
    const QString vin = QStringLiteral("WF0<XXWPDA9K12:?>");
    demo.car().setVin(QStringLiteral("none")); // else the car's own VIN names the file
    const QString path = runBackup(vin + QStringLiteral("EXTRA"), kMay17);
    ASSERT_FALSE(path.isEmpty());
    // Only what every file system takes goes into the name; the file keeps the VIN.
    EXPECT_EQ(QFileInfo(path).fileName(), QStringLiteral("VehicleData.WF0_XXWPDA9K12___.2009-05-17.10-04-59.xml"));
    const QByteArray bytes = read(path);
    EXPECT_TRUE(bytes.startsWith("<VehicleData>\r\n<VIN>WF0&lt;XXWPDA9K12:?&gt;</VIN>\r\n"));
    QXmlStreamReader xml(bytes);
    QString readVin;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("VIN"))
            readVin = xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(xml.errorString());
    EXPECT_EQ(readVin, vin);
}

TEST_F(BackupTest, AdapterThatDoesNotResetWritesNoFile)
{
    demo.car().setFault(sim::Car::kAdapter, sim::FaultKind::Silent);
    EXPECT_EQ(runBackup(demo.car().vin(), kMay17), QString());
    EXPECT_EQ(host.lines, (QStringList{kStarted, QStringLiteral("! Неверный ответ адаптера")}));
    EXPECT_TRUE(host.notices.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(BackupTest, SecondBackupInTheSameSecondReplacesTheFirst)
{
    const QString first = runBackup(demo.car().vin(), kMay17);
    demo.car().setBlock(QStringLiteral("726"), 4, QByteArray::fromHex("408122"));
    const QString second = runBackup(demo.car().vin(), kMay17);
    EXPECT_EQ(first, second);
    EXPECT_TRUE(read(second).contains("<Block elmindex=\"04\">40 81 22</Block>"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

// The restore's safety copy is the car's only way back: a second one in the same second
// takes a name of its own.
TEST_F(BackupTest, ACopyUnderANewNameNeverReplacesAnother)
{
    QString error;
    const QString name = QStringLiteral("VehicleData.WF0AXXWPDA9K12345.2026-05-17.10-15-00.xml");
    const QString first = vehicle_data::writeNew(dir.path(), name, "first", error);
    const QString second = vehicle_data::writeNew(dir.path(), name, "second", error);
    EXPECT_EQ(QFileInfo(first).fileName(), name);
    EXPECT_EQ(QFileInfo(second).fileName(), QStringLiteral("VehicleData.WF0AXXWPDA9K12345.2026-05-17.10-15-00.2.xml"));
    EXPECT_EQ(read(first), QByteArray("first"));
    EXPECT_EQ(read(second), QByteArray("second"));
}

// An installed program's folder is often not writable: the documents folder takes the
// file, and the log says which folder that is.
TEST_F(BackupTest, UnwritableProgramFolderFallsBackToDocuments)
{
    // A folder below a regular file can never be created, whoever runs the test.
    QFile blocker(dir.filePath(QStringLiteral("program")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString unwritable = blocker.fileName() + QStringLiteral("/bin");
    const QString fallback = dir.filePath(QStringLiteral("documents/TALMERO"));

    const QString path = backup.BitBtnSaveAutoClick(demo.car().vin(), unwritable, [] { return kMay17; }).path;

    const QString name = QStringLiteral("VehicleData.WF0AXXWPDA9K12345.2009-05-17.10-04-59.xml");
    EXPECT_EQ(path, QDir(fallback).filePath(name));
    EXPECT_TRUE(read(path).startsWith("<VehicleData>\r\n<VIN>WF0AXXWPDA9K12345</VIN>\r\n"));
    EXPECT_EQ(host.lines.last(),
              QStringLiteral("* Файл ") + name + QStringLiteral(" сохранен в каталоге ") + QDir::toNativeSeparators(fallback));

    // A folder the user named explicitly is not replaced.
    backup.setFallbackAllowed(false);
    QDir(fallback).removeRecursively();
    EXPECT_EQ(backup.BitBtnSaveAutoClick(demo.car().vin(), unwritable, [] { return kMay17; }).path, QString());
    EXPECT_EQ(host.lines.last(), QStringLiteral("! Ошибка сохранения файла в каталоге ") + QDir::toNativeSeparators(unwritable));
    EXPECT_FALSE(QDir(fallback).exists());
}

// A backup before the first write: found by the VIN the file holds, in any of the folders;
// one that cannot be written keeps the write from going out, and says why once.
TEST_F(BackupTest, BackupBeforeTheFirstWriteIsFoundByItsVinOrStopsTheWrite)
{
    const QString vin = demo.car().vin();
    ASSERT_FALSE(runBackup(vin, kMay17).isEmpty());
    QFile cut(dir.filePath(QStringLiteral("VehicleData.WF0AXXGCDA1B23456.xml")));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write("<VehicleData>\r\n<VIN>WF0AXXGCDA1B23456</VIN>\r\n<Modules>\r\n<Module address=\"720\" title=\"IPC\">");
    cut.close();
    const QString none = dir.filePath(QStringLiteral("none"));
    EXPECT_TRUE(holdsBackupOf({none, dir.path()}, vin));
    EXPECT_TRUE(holdsBackupOf({dir.path()}, vin.toLower()));
    EXPECT_FALSE(holdsBackupOf({dir.path()}, QStringLiteral("WF0AXXGCDA1B23456"))); // cut off: no backup
    EXPECT_FALSE(holdsBackupOf({none}, vin));
    EXPECT_FALSE(holdsBackupOf({dir.path()}, QString()));

    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString unwritable = blocker.fileName() + QStringLiteral("/backups");
    TestGate tg(session, host);
    tg.gate.offerBackup({[](const QString&, const safety::BackupNeeds&) { return false; },
                         [&](const safety::BackupNeeds&) -> safety::BackupBeforeWrite::Taken {
                             return {takeBackup(session, host, tg.state, unwritable, false).failure, {}, {}};
                         }});
    host.backupFirst = true;
    host.notices.clear();
    safety::BlockWrite write;
    write.target = tg.gate.targetOf(*talmero::link::moduleAt(QStringLiteral("740")), QStringLiteral("01"));
    write.newHex = QStringLiteral("BD");
    EXPECT_EQ(tg.gate.writeBlock(write).outcome, safety::WriteOutcome::NotSent);
    EXPECT_EQ(demo.car().block(QStringLiteral("740"), 1), QByteArray::fromHex("3D"));
    EXPECT_EQ(host.confirmations.last().backupOffer, QStringLiteral("Резервной копии этого автомобиля ещё нет: сначала сделать её"));
    EXPECT_EQ(host.notices.filter(QStringLiteral("Резервная копия")),
              QStringList{QStringLiteral("! Резервная копия не сделана (Ошибка сохранения файла в каталоге %1): запись не выполнена")
                              .arg(QDir::toNativeSeparators(unwritable))});
}

// Only a whole backup of the car's own VIN counts: one without modules, one under a VIN only
// typed at connecting, or one without what the write changes does not; one taken without a
// module that answered stops the write.
TEST_F(BackupTest, OnlyAWholeBackupOfTheCarsOwnVinCounts)
{
    const QString vin = demo.car().vin();
    QTemporaryDir empty;
    ASSERT_EQ(vehicle_data::writeWhole(empty.filePath(QStringLiteral("V.xml")), crlf({"<VehicleData>", "<VIN>WF0AXXWPDA9K12345</VIN>",
                                                                                     "<Modules>", "</Modules>", "</VehicleData>"})), QString());
    EXPECT_FALSE(holdsBackupOf({empty.path()}, vin));
    demo.car().setFault(QStringLiteral("741"), sim::FaultKind::Silent);
    ASSERT_FALSE(runBackup(vin, kMay17).isEmpty());
    demo.car().setFault(QStringLiteral("741"), sim::FaultKind::None);
    EXPECT_TRUE(holdsBackupOf({dir.path()}, vin, {{{"740", "01"}}, {"720"}}));
    EXPECT_FALSE(holdsBackupOf({dir.path()}, vin, {{{"741", "01"}}, {}}) || holdsBackupOf({dir.path()}, vin, {{}, {"741"}}));

    link::LinkState earlier; // another connection's backup
    backup.learnInto(earlier);
    // A car whose VIN is not read, with a backup under the typed one; a door silent in the backup.
    for (const bool unread : {true, false}) {
        QTemporaryDir folder;
        const QStringList identity = unread ? QStringList{"720", "760", "734", "730"} : QStringList();
        for (const QString& address : identity)
            demo.car().setFault(address, sim::FaultKind::Silent);
        const QString placeholder = QStringLiteral("00000000000000000");
        ASSERT_TRUE(!unread || !backup.BitBtnSaveAutoClick(placeholder, folder.path(), [] { return kMay17; }).path.isEmpty());
        TestGate tg(session, host);
        tg.state.carVIN = placeholder;
        const auto silent = [&](int, int, const car::Module& m) {
            demo.car().setFault(QStringLiteral("740"), !unread && m.address == "740" ? sim::FaultKind::Silent : sim::FaultKind::None);
        };
        tg.gate.offerBackup({[&](const QString& v, const safety::BackupNeeds& needs) { return holdsBackupOf({folder.path()}, v, needs); },
                             [&](const safety::BackupNeeds& needs) -> safety::BackupBeforeWrite::Taken {
                                 const BackupTaken taken = takeBackup(session, host, tg.state, folder.path(), false, silent, needs);
                                 return {taken.failure, taken.incomplete, taken.notes};
                             }});
        host.backupFirst = true;
        safety::BlockWrite write;
        write.target = tg.gate.targetOf(*talmero::link::moduleAt(QStringLiteral("740")), QStringLiteral("01"));
        write.newHex = QStringLiteral("BD");
        EXPECT_EQ(tg.gate.writeBlock(write).outcome,
                  unread ? safety::WriteOutcome::Verified : safety::WriteOutcome::NotSent);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), unread ? 2 : 1);
        if (!unread) {
            EXPECT_EQ(host.notices.last(), QStringLiteral("! Резервная копия неполна: DDM (740); ничего не записано"));
        }
        for (const QString& address : identity)
            demo.car().setFault(address, sim::FaultKind::None);
        demo.car().setBlock(QStringLiteral("740"), 1, QByteArray::fromHex("3D"));
    }
}

// Run from its build folder, the program offers its own folder; installed under a prefix
// (writable ~/.local/bin too), the documents folder.
TEST_F(BackupTest, InstalledProgramKeepsBackupsInTheDocumentsFolder)
{
    for (const char* folder : {"build", "bin"})
        ASSERT_TRUE(QDir(dir.path()).mkdir(QString::fromLatin1(folder)));
    EXPECT_EQ(VehicleBackup::defaultFolder(dir.filePath(QStringLiteral("build"))), dir.filePath(QStringLiteral("build")));
    EXPECT_EQ(VehicleBackup::defaultFolder(dir.filePath(QStringLiteral("bin"))), VehicleBackup::documentsFolder());
}

// A write that fails half-way (here: the file size limit) leaves the older backup as it
// was and no partial file anywhere.
TEST_F(BackupTest, FailedWriteKeepsTheOlderFileWhole)
{
    const QString first = runBackup(demo.car().vin(), kMay17);
    const QByteArray older = read(first);
    ASSERT_GT(older.size(), 1000);
    host.lines.clear();

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 200;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const QString second = runBackup(demo.car().vin(), kMay17);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedSignal);

    EXPECT_EQ(second, QString());
    EXPECT_EQ(host.lines.last(), QStringLiteral("! Ошибка сохранения файла"));
    EXPECT_EQ(read(first).size(), older.size());
    EXPECT_EQ(read(first), older);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QFileInfo(first).fileName()});
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("documents/TALMERO"))).entryList(QDir::Files).isEmpty());
}

// ---- one module's answers, as an adapter may give them ----

// An adapter that accepts the set-up and answers the block request from the case.
class DumpModuleTest : public ::testing::Test {
protected:
    QStringList dump(const car::Module& module, const QByteArray& blockAnswer, const char* session = "50 87")
    {
        channel.onSend = [this, blockAnswer, session](const QByteArray& sent) {
            const QByteArray command = sent.trimmed();
            QByteArray answer = "OK";
            if (command == "1087")
                answer = session;
            else if (command.startsWith("21"))
                answer = blockAnswer;
            channel.deliver(command + "\r" + answer + "\r\r>");
        };
        QStringList lines;
        backup.dumpModule(lines, module);
        return lines;
    }

    ScriptedChannel channel;
    RecordingHost host;
    link::Adapter adapter{channel, host};
    link::Session session{adapter, host};
    VehicleBackup backup{session, host};
};

TEST_F(DumpModuleTest, BlockAnswersBecomeBlockLines)
{
    const car::Module ipc{.name = "IPC", .address = "720", .backupBlocks = {0, 0}};
    const car::Module abs{.name = "ABS", .address = "760", .backupBlocks = {0, 0}};
    const car::Module rcm{.name = "RCM", .address = "737", .bus = car::Bus::Medium, .session = false, .backupBlocks = {0, 0}};
    const struct {
        const char* what;
        const car::Module& module;
        QByteArray answer;
        const char* data; // nullptr: no block line
    } cases[] = {
        {"plain", ipc, "61 00 C3 1F 80", "C3 1F 80"},
        {"odd digit count: garbled, not a shorter block", ipc, "61 00 C3 1F 8", nullptr},
        {"one byte", ipc, "61 00 4B", "4B"},
        {"no data bytes", ipc, "61 00", ""},
        {"lower case", ipc, "61 00 c3 1f", "c3 1f"},
        {"several frames", ipc, "00A\r0: 61 00 01 02 03 04\r1: 05 06 07 08 00 00 00", "01 02 03 04 05 06 07 08"},
        {"refused", ipc, "7F 21 31", nullptr},
        {"no answer", ipc, "NO DATA", nullptr},
        {"another block", ipc, "61 01 40", nullptr},
        {"pending note before any module's answer", ipc, "7F 21 78\r61 00 40", "40"},
        {"frames shorter than their count", ipc, "00C\r0: 61 00 01 02 03 04", nullptr},
        {"ABS after its pending note", abs, "7F 21 78\r61 00 A1 00 3C", "A1 00 3C"},
        {"ABS frames after its pending note", abs,
         "7F 21 78\r013\r0: 61 00 57 46 30 41\r1: 58 58 57 50 44 41 39\r2: 4B 31 32 33 34 35 00",
         "57 46 30 41 58 58 57 50 44 41 39 4B 31 32 33 34 35"},
        {"ABS without a note", abs, "61 00 40", "40"},
        {"ABS refused", abs, "7F 21 31", nullptr},
        {"no session, refused", rcm, "7F 21 31", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QStringList expected{vehicle_data::moduleLine(qs(c.module.address), qs(c.module.name))};
        if (c.data)
            expected << vehicle_data::blockLine(QStringLiteral("00"), QString::fromLatin1(c.data));
        expected << QStringLiteral("</Module>");
        EXPECT_EQ(dump(c.module, c.answer), expected);
    }
    EXPECT_TRUE(host.lines.isEmpty());
}

TEST_F(DumpModuleTest, ModuleThatDoesNotOpenAddsNothing)
{
    EXPECT_TRUE(dump({.name = "IPC", .address = "720", .backupBlocks = {0, 3}}, "61 00 40", "NO DATA").isEmpty());
    // Without a session request only its silence shows that the module is missing.
    EXPECT_TRUE(dump({.name = "ACM", .address = "727", .bus = car::Bus::Medium, .session = false, .backupBlocks = {0, 1}},
                     "NO DATA")
                    .isEmpty());
    EXPECT_TRUE(host.lines.isEmpty());
}

TEST_F(DumpModuleTest, BlockNumbersAreTwoLowerCaseHexDigits)
{
    QByteArrayList requests;
    channel.onSend = [&](const QByteArray& sent) {
        const QByteArray command = sent.trimmed();
        requests << command;
        channel.deliver(command + "\r" + (command.startsWith("21") ? "61 " + command.mid(2) + " 01" : "OK")
                        + "\r\r>");
    };
    QStringList lines;
    backup.dumpModule(lines, {.name = "BCM", .address = "726", .bus = car::Bus::Medium, .session = false,
                              .backupBlocks = {0x09, 0x0B}});
    EXPECT_EQ(requests.mid(2), (QByteArrayList{"2109", "210A", "210B"}));
    EXPECT_EQ(lines.mid(1, 3), (QStringList{QStringLiteral("<Block elmindex=\"09\">01</Block>"),
                                            QStringLiteral("<Block elmindex=\"0a\">01</Block>"),
                                            QStringLiteral("<Block elmindex=\"0b\">01</Block>")}));
}

} // namespace
