#include "cli_run.h"
#include "e2e/sim_process.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <gtest/gtest.h>

namespace {

// A flag at position 32 of the BCM's part 1, which the program's own layout leaves free.
const QByteArray kExtension = R"json({
  "format": 1,
  "title": {"en": "Example flag"},
  "extends": {"address": "726", "block": "03"},
  "options": [{"name": "CheckBoxExample32", "kind": "flag", "positions": [32],
               "caption": {"en": "Example flag (made up)"}}],
  "samples": [{"hex": "00000001", "options": {"CheckBoxExample32": 1}}]
})json";

const QString kUserFolder = QStringLiteral("/TALMERO/TALMERO/modules");
const QString kSystemFolder = QStringLiteral("/system/talmero/modules"); // the packagers'

QString writeModuleFile(const QString& name, const QByteArray& bytes, const QString& folder = kUserFolder)
{
    QDir().mkpath(cliDataHome() + folder);
    QFile f(cliDataHome() + folder + u'/' + name);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    return f.fileName();
}

// Each test starts without description files, trust or settings of another.
class CliModules : public ::testing::Test {
protected:
    void SetUp() override { clear(); }
    void TearDown() override { clear(); }
    static void clear()
    {
        for (const QString& folder : {kUserFolder, kSystemFolder})
            QDir(cliDataHome() + folder).removeRecursively();
        QFile::remove(cliDataHome() + QStringLiteral("/config/TALMERO.conf"));
    }
    const QStringList en = {QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--port"), QStringLiteral("demo")};
};

} // namespace

// An extension shows on its page at once, writes only after it is trusted by a command line
// that ran, names its file in the confirmation and the journal, and is untrusted again once
// a byte of it changed.
TEST_F(CliModules, AnExtensionWritesOnlyWhenItsFileIsTrusted)
{
    const QString file = writeModuleFile(QStringLiteral("example.json"), kExtension);
    const CliRun read = cli(en + QStringList{QStringLiteral("read-config"), QStringLiteral("BCM")});
    EXPECT_EQ(read.exit, 0) << read.err.toStdString();
    EXPECT_TRUE(read.outLines().contains(QStringLiteral("CheckBoxExample32 0"))) << read.out.toStdString();
    EXPECT_TRUE(read.out.contains(QStringLiteral(" CheckBoxExample32 "))); // enabled

    const QStringList write = en + QStringList{QStringLiteral("--yes"), QStringLiteral("--no-backup"), QStringLiteral("write-config"),
                                               QStringLiteral("BCM"), QStringLiteral("E3D0D4FD")};
    // A command line refused for its arguments trusts nothing.
    const CliRun usage = cli(QStringList{QStringLiteral("--trust"), file} + en
                             + QStringList{QStringLiteral("--yes"), QStringLiteral("--no-backup"), QStringLiteral("write-config"),
                                           QStringLiteral("BCM"), QStringLiteral("--set"), QStringLiteral("CheckBoxExample32=1")});
    EXPECT_EQ(usage.exit, 2);
    EXPECT_TRUE(usage.err.contains(QStringLiteral("Trust in the description file %1 was not stored").arg(file))) << usage.err.toStdString();
    const CliRun refused = cli(write);
    EXPECT_EQ(refused.exit, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("description file example.json, which is not trusted"))) << refused.err.toStdString();
    EXPECT_FALSE(refused.err.contains(QStringLiteral("Write?")));

    const CliRun trusted = cli(QStringList{QStringLiteral("--trust"), file} + write);
    EXPECT_EQ(trusted.exit, 0) << trusted.err.toStdString();
    EXPECT_TRUE(trusted.err.contains(QStringLiteral(
        "Example flag (made up): no → yes — option from the description file example.json (not one of TALMERO's own)")))
        << trusted.err.toStdString();
    const CliRun history = cli(en + QStringList{QStringLiteral("history")});
    EXPECT_TRUE(history.outLines().value(0).endsWith(
        QStringLiteral("726 03 E3D0D4FC -> E3D0D4FD accepted-verified description-file=%1@"
                       "1d60f1afed088333c0fcbe684e360390ca227b69f6ad7cfa1eaa628615d58611").arg(file)))
        << history.out.toStdString();

    // One byte more: another file, not trusted. (Each run starts a new demo car.)
    writeModuleFile(QStringLiteral("example.json"), kExtension + '\n');
    const CliRun changed = cli(write);
    EXPECT_EQ(changed.exit, 1);
    EXPECT_TRUE(changed.err.contains(QStringLiteral("not trusted"))) << changed.err.toStdString();
    // Trusted again by its own command, which says what it trusted.
    const QString newSha = QStringLiteral("de5a043792a76a243c674da3e0db27cd15f345394b2e9285c8e340db3c62339e");
    const CliRun trust = cli({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("modules"), QStringLiteral("trust"), file});
    EXPECT_EQ(trust.exit, 0);
    EXPECT_EQ(trust.out, QStringLiteral("Description file %1 is trusted (SHA-256 %2)\n").arg(file, newSha));
    EXPECT_TRUE(cli({QStringLiteral("modules"), QStringLiteral("list")}).outLines().contains(
        QStringLiteral("file %1 loaded trusted %2 Example flag").arg(file, newSha)));
    EXPECT_EQ(cli(write).exit, 0);
}

// The packagers' x.json trusted, the user's x.json not: each is named by its path in the
// list, the refusal, the confirmation and the journal.
TEST_F(CliModules, TwoFilesOfOneNameAreTwoFiles)
{
    const QString user = writeModuleFile(QStringLiteral("x.json"), kExtension);
    const QString system = writeModuleFile(QStringLiteral("x.json"), R"json({"format": 1, "title": {"en": "System flag"},
      "extends": {"address": "726", "block": "03"},
      "options": [{"name": "CheckBoxSystem24", "kind": "flag", "positions": [24], "caption": {"en": "System flag"}}],
      "samples": [{"hex": "00000100", "options": {"CheckBoxSystem24": 1}}]})json", kSystemFolder);
    const QString userSha = QStringLiteral("1d60f1afed088333c0fcbe684e360390ca227b69f6ad7cfa1eaa628615d58611");
    const QString systemSha = QStringLiteral("cc5f3d4a34cf3b0c84a0d4d82b1a00b57079c32e8c40a7f87cf8a4f7d0d949a8");
    EXPECT_EQ(cli({QStringLiteral("modules"), QStringLiteral("trust"), system}).exit, 0);
    const QStringList listed = cli({QStringLiteral("modules"), QStringLiteral("list")}).outLines();
    EXPECT_TRUE(listed.contains(QStringLiteral("file %1 loaded trusted %2 System flag").arg(system, systemSha))) << listed.join(u'\n').toStdString();
    EXPECT_TRUE(listed.contains(QStringLiteral("file %1 loaded untrusted %2 Example flag").arg(user, userSha)));

    const QStringList write = en + QStringList{QStringLiteral("--yes"), QStringLiteral("--no-backup"), QStringLiteral("write-config"),
                                               QStringLiteral("BCM"), QStringLiteral("E3D0D5FD")};
    const CliRun refused = cli(write);
    EXPECT_EQ(refused.exit, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("description file %1, which is not trusted").arg(user))) << refused.err.toStdString();

    const CliRun written = cli(QStringList{QStringLiteral("--trust"), user} + write);
    EXPECT_EQ(written.exit, 0) << written.err.toStdString();
    for (const auto& [path, sha] : {std::pair{system, systemSha}, std::pair{user, userSha}}) {
        EXPECT_TRUE(written.err.contains(QStringLiteral("option from the description file %1 (not").arg(path)));
        EXPECT_TRUE(written.err.contains(QStringLiteral("! Options from the description file %1 (SHA-256 %2)").arg(path, sha)));
    }
    EXPECT_TRUE(cli(en + QStringList{QStringLiteral("history")}).outLines().value(0).endsWith(
        QStringLiteral(" description-file=%1@%2 description-file=%3@%4").arg(system, systemSha, user, userSha)));
}

// A pipe in place of the settings file is said, and neither waited for nor replaced.
TEST_F(CliModules, ASettingsFileThatIsNoFileIsSaidNeverWaitedFor)
{
    const QString file = writeModuleFile(QStringLiteral("example.json"), kExtension);
    const QString settings = cliDataHome() + QStringLiteral("/config/TALMERO.conf");
    QDir().mkpath(cliDataHome() + QStringLiteral("/config"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(settings).constData(), 0600), 0);
    const QString said = QStringLiteral("! The settings file %1 is not used: it is not a regular file").arg(settings);
    const CliRun list = cli({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("modules"), QStringLiteral("list")});
    EXPECT_EQ(list.exit, 0);
    EXPECT_TRUE(list.err.contains(said)) << list.err.toStdString();
    const CliRun trust = cli({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("modules"), QStringLiteral("trust"), file});
    EXPECT_EQ(trust.exit, 1);
    EXPECT_TRUE(trust.err.contains(QStringLiteral("was not stored"))) << trust.err.toStdString();
    EXPECT_FALSE(QFileInfo(settings).isFile());
}

// The rules a layout states as data run for a module no code names: a choice that forbids
// writing the block is refused when the user makes it, and an option that needs another
// is unticked with it.
TEST_F(CliModules, AFileModulesRulesRunAsTheProgramsOwnDo)
{
    writeModuleFile(QStringLiteral("seat.json"), R"json({"format": 1, "title": {"en": "Seat module"},
 "modules": [{"name": "DSM", "address": "7A0", "bus": "medium", "title": {"en": "Seat module"},
   "blocks": [{"number": "01", "capacity": 8, "zero": "00000000",
     "options": [
       {"name": "CheckBoxDSMmemory", "kind": "flag", "positions": [1], "caption": {"en": "Memory"}},
       {"name": "CheckBoxDSMrecall", "kind": "flag", "positions": [2], "caption": {"en": "Recall on unlock"},
        "enable": "when-set", "enablePosition": 1, "untickWhenOff": true},
       {"name": "RadioGroupDSMseat", "kind": "choice", "positions": [7, 8], "caption": {"en": "Seat"},
        "items": [{"en": "manual"}, {"en": "electric"}, {"en": "service only"}],
        "decode": [{"pattern": "00", "item": 0}, {"pattern": "01", "item": 1}, {"pattern": "10", "item": 2}],
        "encode": ["00", "01", "10"], "blocksWriteItem": 2}],
     "samples": [{"hex": "C1", "options": {"CheckBoxDSMmemory": 1, "CheckBoxDSMrecall": 1, "RadioGroupDSMseat": 1}}]}]}],
 "page": {"caption": "DSM", "title": {"en": "Seat module"}, "sides": [{"address": "7A0", "block": "01"}]}})json");
    const QStringList encode = {QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("encode"),
                                QStringLiteral("DSM"), QStringLiteral("C1"), QStringLiteral("--set")};
    const CliRun forbidden = cli(encode + QStringList{QStringLiteral("RadioGroupDSMseat=2")});
    EXPECT_EQ(forbidden.exit, 1) << forbidden.out.toStdString();
    EXPECT_TRUE(forbidden.err.contains(QStringLiteral("can be shown but not written"))) << forbidden.err.toStdString();
    const CliRun allowed = cli(encode + QStringList{QStringLiteral("RadioGroupDSMseat=0")});
    EXPECT_EQ(allowed.out, QStringLiteral("block C0\n")) << allowed.err.toStdString();
    const CliRun needs = cli(encode + QStringList{QStringLiteral("CheckBoxDSMmemory=0")});
    EXPECT_EQ(needs.out, QStringLiteral("block 01\n")) << needs.err.toStdString();
}

namespace {

// A made-up module with all a file can say of it, and a virtual car that declares it.
const QByteArray kSeat = R"json({"format": 1, "title": {"en": "Seat module", "ru": "Модуль сидений"},
 "modules": [{"name": "DSM", "address": "7A0", "bus": "medium", "title": {"en": "Seat module"},
   "troubleCodes": true, "restart": true, "manualBlock": "01", "vinBlock": "00", "backupBlocks": {"first": "00", "last": "01"},
   "blocks": [{"number": "01", "capacity": 8, "zero": "00000000", "asBuiltLine": 1,
     "options": [
       {"name": "CheckBoxDSMmemory", "kind": "flag", "positions": [1], "caption": {"en": "Memory", "ru": "Память"}},
       {"name": "RadioGroupDSMseat", "kind": "choice", "positions": [7, 8], "caption": {"en": "Seat"},
        "items": [{"en": "manual"}, {"en": "electric"}, {"en": "service only"}],
        "decode": [{"pattern": "00", "item": 0}, {"pattern": "01", "item": 1}, {"pattern": "10", "item": 2}],
        "encode": ["00", "01", "10"], "blocksWriteItem": 2}],
     "samples": [{"hex": "81", "options": {"CheckBoxDSMmemory": 1, "RadioGroupDSMseat": 1}}]}]}],
 "page": {"caption": "DSM", "title": {"en": "Seat module"}, "sides": [{"address": "7A0", "block": "01"}]}})json";
const QByteArray kSeatCar = R"({"modules": [{"address": "7A0", "bus": "medium", "restart": true,
  "blocks": {"00": "5746304158584743444131423233343536", "01": "81"}, "dtcs": ["B10020"]}]})";
const QString kSeatSha = QStringLiteral("a02f8289f4491d3817498c89a7e1037c1bfddecd70f60f9377d095e1fcbc1e5a");

} // namespace

// A module of a description file on a virtual car that declares it: what a module of the
// program's own does, as far as its file says, each write only with the file trusted.
TEST_F(CliModules, AFileModuleDoesWhatTheProgramsOwnDo)
{
    const QString file = writeModuleFile(QStringLiteral("seat.json"), kSeat);
    QTemporaryDir dir;
    const auto put = [&](const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        return f.fileName();
    };
    const auto contents = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    SimProcess sim({QStringLiteral("--adapter"), QStringLiteral("stn"), QStringLiteral("--state"), put(QStringLiteral("car.json"), kSeatCar)});
    const QStringList port = {QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--port"), sim.path(), QStringLiteral("--yes"),
                              QStringLiteral("--no-backup"), QStringLiteral("--journal"), dir.filePath(QStringLiteral("j.sqlite"))};
    const auto run = [&](const QString& line) { return cli(port + line.split(u' ')); };
    const auto block = [&] { return run(QStringLiteral("read-block DSM 01")).out; };

    EXPECT_EQ(run(QStringLiteral("read-config DSM")).outLines().value(0), QStringLiteral("block 81"));
    const CliRun untrusted = run(QStringLiteral("write-config DSM 80"));
    EXPECT_TRUE(untrusted.exit == 1 && untrusted.err.contains(QStringLiteral("seat.json, which is not trusted"))) << untrusted.err.toStdString();
    EXPECT_EQ(run(QStringLiteral("--trust %1 write-config DSM 82").arg(file)).exit, 1); // a choice that forbids writing
    const CliRun written = run(QStringLiteral("--trust %1 write-config DSM 80").arg(file));
    EXPECT_TRUE(written.err.contains(QStringLiteral("Seat: electric → manual — option from the description file seat.json"))) << written.err.toStdString();
    EXPECT_TRUE(run(QStringLiteral("history")).outLines().value(0).endsWith(
        QStringLiteral("7A0 01 81 -> 80 accepted-verified module-vin=WF0AXXGCDA1B23456 description-file=%1@%2").arg(file, kSeatSha)));

    // The service functions; its VIN is its own, never the car's.
    EXPECT_EQ(run(QStringLiteral("vin DSM")).out, QStringLiteral("WF0AXXGCDA1B23456\n"));
    EXPECT_EQ(run(QStringLiteral("write-block DSM 01 81")).exit + run(QStringLiteral("restart DSM")).exit, 0);
    EXPECT_EQ(block(), QStringLiteral("81\n"));
    EXPECT_TRUE(run(QStringLiteral("dtc read --plain")).out.endsWith(QStringLiteral("Seat module (DSM):\nCodes: 1\n#1 - B3100 status: 20\n")));
    EXPECT_EQ(run(QStringLiteral("scan")).outLines().last(), QStringLiteral("DSM 7A0 ms answered WF0AXXGCDA1B23456 1"));
    EXPECT_EQ(run(QStringLiteral("asbuilt encode 7A0-01-01 81")).out, QStringLiteral("81 2A\n"));
    EXPECT_EQ(run(QStringLiteral("asbuilt decode 7A0-01-01 812A")).outLines().value(0), QStringLiteral("block 81"));

    // Backed up in an element naming its file; a copy that changes it compares so.
    const QString backup = run(QStringLiteral("backup --dir %1").arg(dir.path())).out.trimmed();
    QByteArray bytes = contents(backup);
    EXPECT_TRUE(bytes.contains("</Module>\r\n<Module address=\"7A0\" title=\"DSM\" file=\"seat.json\" sha256=\"" + kSeatSha.toLatin1()
                               + "\">\r\n<Block elmindex=\"00\">57 46 30 41")) << bytes.toStdString();
    const QString changed = put(QStringLiteral("changed.xml"), bytes.replace(">81<", ">80<"));
    EXPECT_TRUE(cli({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("compare"), backup, changed}).out.contains(
        QStringLiteral("7A0 01 differs 81 -> 80\n    Seat: electric → manual")));

    // Written back only with its file trusted; an undo neither.
    EXPECT_EQ(cli({QStringLiteral("modules"), QStringLiteral("untrust"), file}).exit, 0);
    const CliRun left = run(QStringLiteral("restore %1").arg(changed));
    EXPECT_TRUE(left.exit == 1 && left.out.contains(QStringLiteral("Not written: DSM (Seat module): the description file seat.json (SHA-256 %1) is not trusted")
                                      .arg(kSeatSha))) << left.out.toStdString();
    const CliRun undo = run(QStringLiteral("undo"));
    EXPECT_TRUE(undo.exit == 1 && undo.err.contains(QStringLiteral("not trusted"))) << undo.err.toStdString();
    EXPECT_EQ(block(), QStringLiteral("81\n"));
    EXPECT_EQ(run(QStringLiteral("--trust %1 restore %2").arg(file, changed)).exit, 0);
    EXPECT_EQ(block(), QStringLiteral("80\n"));

    // Shared as its file says it; without the file the restore names what it leaves out.
    EXPECT_EQ(cli({QStringLiteral("modules"), QStringLiteral("export"), QStringLiteral("DSM"), QStringLiteral("--dir"), dir.path()}).exit, 0);
    const QByteArray json = contents(dir.filePath(QStringLiteral("dsm.json")));
    EXPECT_TRUE(json.contains("\"ru\": \"Память\"") && json.contains("\"hex\": \"81\"") && json.contains("\"restart\": true"))
        << json.toStdString();
    QFile::remove(file);
    const CliRun gone = run(QStringLiteral("restore %1").arg(backup));
    EXPECT_TRUE(gone.out.contains(QStringLiteral("Not written: DSM (7A0): a module from the description file seat.json (SHA-256 %1), which is not loaded")
                                      .arg(kSeatSha))) << gone.out.toStdString() << gone.err.toStdString();
}
