#include "asbuilt_dialog_double.h"
#include "backup_fixture.h"
#include "config/asbuilt.h"
#include "config/asbuilt_conversion.h"
#include "config/backup_reader.h"
#include "config/config_panel.h"
#include "config/config_transfer.h"
#include "config/map_option_view.h"
#include "config/pages.h"
#include "config/vehicle_config.h"
#include "link/codecs.h"
#include "support/test_gate.h"

#include <sys/stat.h>
#include "qt_print.h"

#include <QDir>
#include <QDomDocument>
#include "support/blocks.h"

using namespace talmero;
using namespace talmero::config;

namespace {

// What the lookup found: the block as stored, else the line its failure logs.
QString resultOf(const BackupLookup& lookup)
{
    return lookup.outcome.ok() ? lookup.block : lookup.outcome.line;
}


QString text(const char* s)
{
    return QString::fromUtf8(s);
}

// ---- which block each page wants ----

TEST(BackupChoiceTable, EveryPageWantsTheBlockItReadsFromTheCar)
{
    const struct {
        blocks::Page page;
        int side; // item of the page's part or door group
        const char* address;
        const char* index;
        const char* suffix;
    } cases[] = {
        {blocks::page("IPC"), 0, "720", "00", ""},
        {blocks::page("ACM"), 0, "727", "00", ""},
        {blocks::page("BCM"), 0, "726", "03", " [Часть 1]"},
        {blocks::page("BCM"), 1, "726", "04", " [Часть 2]"},
        {blocks::page("DDM+PDM"), 0, "740", "01", " [Водительский]"},
        {blocks::page("DDM+PDM"), 1, "741", "01", " [Пассажирский]"},
        {blocks::page("HVAC"), 0, "733", "01", ""},
        {blocks::page("RCM"), 0, "737", "00", ""},
        {blocks::page("ABS"), 0, "760", "01", ""},
        {blocks::page("HCM"), 0, "734", "00", ""},
    };
    MapOptionView view;
    RecordingHost host;
    ConfigPanel panel(view, host);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.address);
        view.setItem(QStringLiteral("RadioGroupBCMrd"), c.side);
        view.setItem(QStringLiteral("RadioGroupDDMr"), c.side);
        const BackupChoice choice = backupChoice(panel, c.page);
        EXPECT_EQ(choice.address, text(c.address));
        EXPECT_EQ(choice.index, text(c.index));
        EXPECT_EQ(choice.suffix, text(c.suffix));
        // Every page's block lies inside what the backup keeps of that module.
        bool stored = false;
        for (const car::Module* m : car::kBackupModules) {
            if (qs(m->address) == choice.address)
                stored = m->backupBlocks.holds(choice.index.toInt(nullptr, 16));
        }
        EXPECT_TRUE(stored);
    }
}

// ---- the lookup in a file ----

class BackupFileTest : public ::testing::Test {
protected:
    QString file(const QByteArray& content, const char* name = "VehicleData.test.xml")
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return path;
    }
    QString structureFault(const QString& path) const
    {
        return QStringLiteral("! Неверная структура файла:\n") + QDir::toNativeSeparators(path);
    }

    QTemporaryDir dir;
    RecordingHost host;
};

QByteArray vehicleData(const QByteArray& modules)
{
    return "<VehicleData>\r\n<VIN>WF0AXXGCDA1B23456</VIN>\r\n<Owner>TALMERO</Owner>\r\n"
           "<Date>2009-05-17 10-04-59</Date>\r\n<Modules>\r\n" + modules + "</Modules>\r\n</VehicleData>\r\n";
}

// One verdict: a file open-backup refuses (a notice naming the line) is one compare and
// restore refuse; a file it opens, they read the same block from.
TEST_F(BackupFileTest, LastMatchingModuleAndBlockWin)
{
    const struct {
        const char* what;
        QByteArray content;
        const char* result; // the block; a refusal's reason after "FAULT "
    } cases[] = {
        {"plain", vehicleData("<Module address=\"726\" title=\"BCM\"><Block elmindex=\"03\">9E 07 31</Block>"
                              "<Block elmindex=\"04\">40 81 22 05</Block></Module>"),
         "40 81 22 05"},
        {"later module", vehicleData("<Module address=\"726\"><Block elmindex=\"04\">11</Block></Module>"
                                     "<Module address=\"727\"><Block elmindex=\"04\">33</Block></Module>"
                                     "<Module address=\"726\"><Block elmindex=\"04\">22</Block></Module>"),
         "22"},
        {"later module without the block", vehicleData("<Module address=\"726\"><Block elmindex=\"04\">11</Block></Module>"
                                                       "<Module address=\"726\"><Block elmindex=\"03\">22</Block></Module>"),
         "! Нет данных о конфигурации"},
        {"later block", vehicleData("<Module address=\"726\"><Block elmindex=\"04\">11</Block>"
                                    "<Block elmindex=\"03\">33</Block><Block elmindex=\"04\">22</Block></Module>"),
         "22"},
        {"stored as typed", vehicleData("<Module address=\"726\"><Block elmindex=\"04\">\r\n4f1c02\r\n</Block></Module>"),
         "4F 1C 02"},
        {"number in another attribute", vehicleData("<Module address=\"726\"><Part n=\"04\">44</Part></Module>"),
         "FAULT Строка 6: блок модуля 726 без номера (elmindex)"},
        {"index after another attribute", vehicleData("<Module address=\"726\"><Block x=\"1\" elmindex=\"04\">44</Block></Module>"),
         "44"},
        {"index of one digit", vehicleData("<Module address=\"726\"><Block elmindex=\"4\">44</Block></Module>"),
         "FAULT Строка 6: номер блока модуля 726 не из двух шестнадцатеричных цифр: 4"},
        {"empty block", vehicleData("<Module address=\"726\"><Block elmindex=\"04\"></Block></Module>"),
         "! Нет данных о конфигурации"},
        {"blank block", vehicleData("<Module address=\"726\"><Block elmindex=\"04\">\r\n </Block></Module>"),
         "! Нет данных о конфигурации"},
        {"last match empty", vehicleData("<Module address=\"726\"><Block elmindex=\"04\">11</Block>"
                                         "<Block elmindex=\"04\"/></Module>"),
         "! Нет данных о конфигурации"},
        {"module without children", vehicleData("<Module address=\"726\" title=\"BCM\">\r\n</Module>\r\n"),
         "! Нет данных о конфигурации"},
        {"no such module", vehicleData("<Module address=\"720\"><Block elmindex=\"04\">11</Block></Module>"),
         "! Нет данных о модуле"},
        {"empty Modules", vehicleData(""), "! Нет данных о модуле"},
        {"another car, another order", "<VehicleData><Modules><Module title=\"BCM\" address=\"726\">"
                                       "<Block elmindex=\"04\">55</Block></Module></Modules>"
                                       "<VIN>OTHER</VIN></VehicleData>",
         "55"},
        {"element inside a block", vehicleData("<Module address=\"726\"><Block elmindex=\"04\">CF\r\n<x>00</x>4F 1C 02"
                                               "</Block></Module>"),
         "FAULT Строка 7: неизвестный элемент x в блоке 04 модуля 726"},
        {"direction override in a title", vehicleData("<Module address=\"726\" title=\"\xE2\x80\xAE" "BCM\"><Block elmindex=\"04\">11"
                                                      "</Block></Module>"),
         "FAULT Строка 6: управляющий символ в адресе или названии модуля"},
        {"a module from a description file after it", vehicleData("<Module address=\"726\"><Block elmindex=\"04\">11</Block></Module>"
                                                                  "<Module address=\"7A0\" title=\"DSM\" file=\"seat.json\" sha256=\""
                                                                  + QByteArray(64, 'a') + "\"><Block elmindex=\"01\">81</Block></Module>"),
         "11"},
        {"a description file without its SHA-256", vehicleData("<Module address=\"7A0\" file=\"seat.json\"><Block elmindex=\"04\">11"
                                                               "</Block></Module>"),
         "FAULT Строка 6: файл описания модуля 7A0 назван без SHA-256 или с неверным SHA-256"},
        {"second Modules ignored", "<VehicleData><Modules><Module address=\"726\"><Block elmindex=\"04\">55</Block>"
                                   "</Module></Modules><Modules><Module address=\"726\"><Block elmindex=\"04\">66"
                                   "</Block></Module></Modules></VehicleData>",
         "55"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        host.notices.clear();
        const QString path = file(c.content);
        const BackupLookup lookup = readBackupBlock(path, QStringLiteral("726"), QStringLiteral("04"), host);
        EXPECT_TRUE(lookup.loaded);
        QString error;
        const std::optional<VehicleConfig> read = parseVehicleData(c.content, error);
        const QString expected = text(c.result);
        if (expected.startsWith(QLatin1String("FAULT "))) {
            EXPECT_EQ(resultOf(lookup), QStringLiteral("! ") + host.notices.value(0));
            EXPECT_EQ(host.notices, QStringList{structureFault(path).mid(2) + u'\n' + expected.mid(6)});
            EXPECT_EQ(error, expected.mid(6));
            EXPECT_FALSE(read);
            continue;
        }
        EXPECT_EQ(resultOf(lookup), expected);
        EXPECT_TRUE(host.notices.isEmpty());
        ASSERT_TRUE(read) << error.toStdString();
        if (lookup.outcome.ok()) {
            EXPECT_EQ(read->block(QStringLiteral("726"), QStringLiteral("04")), QString(lookup.block).remove(u' '));
        }
    }
}

// A backup with a module from a description file after the program's own: the reader the
// program had before such modules (the last Module child of Modules with the address, and in
// it the last child whose first attribute is the index) reads the program's own as written;
// the file's element keeps its file's name and SHA-256, also when written again.
TEST_F(BackupFileTest, AModuleFromADescriptionFileLeavesTheOwnAsTheOldReaderReadsThem)
{
    const QString dsm = QStringLiteral("<Module address=\"7A0\" title=\"DSM\" file=\"seat.json\" sha256=\"%1\">").arg(QString(64, u'c'));
    const QByteArray bytes = vehicleData("<Module address=\"720\" title=\"IPC\">\r\n<Block elmindex=\"00\">CD 42 10 10 C0</Block>\r\n</Module>\r\n"
                                         + dsm.toLatin1() + "\r\n<Block elmindex=\"00\">99</Block>\r\n</Module>\r\n");
    QDomDocument document;
    ASSERT_TRUE(document.setContent(bytes));
    QString oldReading;
    const QDomNodeList modules = document.documentElement().firstChildElement(QStringLiteral("Modules")).childNodes();
    for (int i = 0; i < modules.size(); ++i) {
        for (QDomElement b = modules.at(i).firstChildElement(); modules.at(i).toElement().attribute(QStringLiteral("address")) == "720" && !b.isNull();
             b = b.nextSiblingElement())
            oldReading = b.attributes().item(0).nodeValue() == "00" ? b.text() : oldReading;
    }
    EXPECT_EQ(oldReading, QStringLiteral("CD 42 10 10 C0"));
    QString error;
    const std::optional<VehicleConfig> read = parseVehicleData(bytes, error);
    ASSERT_TRUE(read && read->modules.size() == 2) << error.toStdString();
    EXPECT_EQ(read->block(QStringLiteral("720"), QStringLiteral("00")), QStringLiteral("CD421010C0"));
    EXPECT_EQ(read->modules[1].file + u' ' + read->modules[1].sha256, QStringLiteral("seat.json ") + QString(64, u'c'));
    EXPECT_EQ(read->moduleLines().value(3), dsm);
}

TEST_F(BackupFileTest, BrokenStructureIsShownAndLogged)
{
    const struct {
        const char* what;
        QByteArray content;
    } cases[] = {
        {"other root", "<Backup><Modules><Module address=\"726\"/></Modules></Backup>"},
        {"no Modules", "<VehicleData><VIN>WF0AXXGCDA1B23456</VIN></VehicleData>"},
        {"Modules too deep", "<VehicleData><Data><Modules><Module address=\"726\"/></Modules></Data></VehicleData>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        host.notices.clear();
        const QString path = file(c.content);
        const BackupLookup lookup = readBackupBlock(path, QStringLiteral("726"), QStringLiteral("04"), host);
        EXPECT_TRUE(lookup.loaded);
        EXPECT_TRUE(resultOf(lookup).startsWith(structureFault(path) + u'\n')) << resultOf(lookup).toStdString();
        ASSERT_EQ(host.notices.size(), 1);
        EXPECT_TRUE(host.notices[0].startsWith(QStringLiteral("Неверная структура файла:\n") + QDir::toNativeSeparators(path)));
    }
}

TEST_F(BackupFileTest, FileThatIsNoXmlIsRefusedWithANotice)
{
    const struct {
        const char* what;
        QByteArray content;
        const char* notice;
    } cases[] = {
        {"mismatched tag", vehicleData("<Module address=\"726\"><Block elmindex=\"04\">11</Module>"),
         "Файл не является XML-документом:"},
        {"cut short", vehicleData("<Module address=\"726\"><Block elmindex=\"04\">11</Block></Module>").left(120),
         "Файл не является XML-документом:"},
        {"empty", "", "Файл не является XML-документом:"},
        {"unescaped VIN", "<VehicleData><VIN>WF0<XX</VIN><Modules/></VehicleData>", "Файл не является XML-документом:"},
        {"binary", QByteArray("\x00\x01\x02\xFF", 4), "Файл не является XML-документом:"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        host.notices.clear();
        const BackupLookup lookup = readBackupBlock(file(c.content), QStringLiteral("726"), QStringLiteral("04"), host);
        EXPECT_FALSE(lookup.loaded);
        ASSERT_EQ(host.notices.size(), 1);
        EXPECT_TRUE(host.notices[0].startsWith(text(c.notice))) << host.notices[0].toStdString();
    }

    host.notices.clear();
    EXPECT_FALSE(readBackupBlock(dir.filePath(QStringLiteral("missing.xml")), QStringLiteral("726"),
                                 QStringLiteral("04"), host).loaded);
    ASSERT_EQ(host.notices.size(), 1);
    EXPECT_TRUE(host.notices[0].startsWith(QStringLiteral("Не удалось открыть файл:")));
}

TEST_F(BackupFileTest, OversizedFileIsRefusedUnread)
{
    // Well-formed, and just over the limit.
    QByteArray content = vehicleData("<Module address=\"726\"><Block elmindex=\"04\">11</Block></Module>");
    content.insert(content.indexOf("<Modules>"), "<!--" + QByteArray(kMaxBackupFileSize, ' ') + "-->");
    const BackupLookup lookup = readBackupBlock(file(content), QStringLiteral("726"), QStringLiteral("04"), host);
    EXPECT_FALSE(lookup.loaded);
    ASSERT_EQ(host.notices.size(), 1);
    EXPECT_TRUE(host.notices[0].startsWith(QStringLiteral("Файл слишком велик для резервной копии (больше 10 МБ):")));
}

// A folder or a pipe is refused at once: opening a pipe would wait for a writer forever.
TEST_F(BackupFileTest, WhatIsNoRegularFileIsRefusedAtOnce)
{
    const QString fifo = dir.filePath(QStringLiteral("pipe.xml"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& path : {dir.path(), fifo}) {
        host.notices.clear();
        EXPECT_FALSE(readBackupBlock(path, QStringLiteral("726"), QStringLiteral("04"), host).loaded);
        ASSERT_EQ(host.notices.size(), 1);
        EXPECT_TRUE(host.notices[0].startsWith(QStringLiteral("Это не файл резервной копии"))) << path.toStdString();
    }
}

// ---- "Read from file" on the pages ----

class OpenFromFileTest : public BackupTest {
protected:
    void goTo(blocks::Page page, int side = 0)
    {
        view.setItem(QStringLiteral("RadioGroupBCMrd"), side);
        view.setItem(QStringLiteral("RadioGroupDDMr"), side);
        ASSERT_TRUE(panel.TabbedCONFChange(page, true));
    }

    MapOptionView view;
    ConfigPanel panel{view, host};
    BackupOpening opening{panel, host};
};

TEST_F(OpenFromFileTest, TheExampleFileOpensBcmPart2)
{
    const QString path = dir.filePath(QStringLiteral("VehicleData.WF0AXXGCDA1B23456.2009-05-17.10-04-59.xml"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(vehicleData("<Module address=\"726\" title=\"BCM\">\r\n<Block elmindex=\"03\">9E 07 31</Block>\r\n"
                        "<Block elmindex=\"04\">40 81 22 05</Block>\r\n</Module>\r\n"));
    f.close();
    goTo(blocks::page("BCM"), 1);
    host.lines.clear();

    opening.ButtonCONFopenClick(blocks::page("BCM"), path);

    EXPECT_EQ(host.lines, (QStringList{QStringLiteral("* Просмотр файла VehicleData.WF0AXXGCDA1B23456.2009-05-17.10-04-59.xml"),
                                       QStringLiteral("* Открыта конфигурация модуля BCM (GEM модуль) [Часть 2] -> 40 81 22 05")}));
    EXPECT_EQ(panel.conf(blocks::BCM2()), link::HEX2BIN(QStringLiteral("408122")));
    EXPECT_TRUE(view.enabled(QStringLiteral("ButtonCONFwrite")));
    EXPECT_TRUE(view.enabled(QStringLiteral("ButtonCONFgetASBUILT")));
    EXPECT_TRUE(host.notices.isEmpty());
}

TEST_F(OpenFromFileTest, CancelledOrFailedOpeningLeavesThePageCleared)
{
    const QString good = dir.filePath(QStringLiteral("VehicleData.a.xml"));
    const QString broken = dir.filePath(QStringLiteral("VehicleData.b.xml"));
    QFile g(good), b(broken);
    ASSERT_TRUE(g.open(QIODevice::WriteOnly) && b.open(QIODevice::WriteOnly));
    g.write(vehicleData("<Module address=\"720\"><Block elmindex=\"00\">CD 42 10 10 C0</Block></Module>"));
    b.write("<VehicleData><Modules>");
    g.close();
    b.close();
    goTo(blocks::page("IPC"));

    const struct {
        const char* what;
        blocks::Page page;
        QString path;
        QStringList log;
    } cases[] = {
        {"cancelled", blocks::page("IPC"), QString(), {}},
        {"not XML", blocks::page("IPC"), broken, {QStringLiteral("* Просмотр файла VehicleData.b.xml")}},
        {"no module", blocks::page("RCM"), good,
         {QStringLiteral("* Просмотр файла VehicleData.a.xml"), QStringLiteral("! Нет данных о модуле")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        opening.ButtonCONFopenClick(blocks::page("IPC"), good);
        ASSERT_TRUE(view.enabled(QStringLiteral("ButtonCONFwrite")));
        host.lines.clear();
        opening.ButtonCONFopenClick(c.page, [&] { return c.path; });
        EXPECT_EQ(host.lines, c.log);
        EXPECT_EQ(panel.conf(blocks::IPC()), QString(32, u'0'));
        EXPECT_FALSE(view.enabled(QStringLiteral("ButtonCONFwrite")));
        EXPECT_FALSE(view.checked(QStringLiteral("CheckBoxIPC07")));
    }
}

TEST_F(OpenFromFileTest, StoredTextReachesTheDecodersAsStored)
{
    const QString path = dir.filePath(QStringLiteral("VehicleData.c.xml"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(vehicleData("<Module address=\"733\"><Block elmindex=\"01\">06 00</Block></Module>"
                        "<Module address=\"734\"><Block elmindex=\"00\">0A0B0C0D</Block></Module>"
                        "<Module address=\"737\"><Block elmindex=\"00\">46</Block></Module>"));
    f.close();

    goTo(blocks::page("HVAC"));
    opening.ButtonCONFopenClick(blocks::page("HVAC"), path);
    EXPECT_EQ(view.item(QStringLiteral("RadioGroupHVAC")), 4); // "Other  -"
    EXPECT_EQ(view.text(QStringLiteral("EditHVAC")), QStringLiteral("06 00"));

    goTo(blocks::page("HCM"));
    opening.ButtonCONFopenClick(blocks::page("HCM"), path);
    EXPECT_EQ(panel.conf(blocks::HCM()), QStringLiteral("0A0B0C0D"));

    // A block the page refuses is reported as a refused read is, not as opened and shown.
    goTo(blocks::page("RCM"));
    opening.ButtonCONFopenClick(blocks::page("RCM"), path);
    ASSERT_EQ(host.notices.size(), 1);
    EXPECT_TRUE(host.notices[0].startsWith(QStringLiteral("! Блок модуля из файла не распознан: RCM (737), блок 00: ")));
    EXPECT_FALSE(view.enabled(QStringLiteral("ButtonCONFwrite")));

    // Half a byte: the whole file is refused, as compare and restore refuse it.
    QFile half(path);
    ASSERT_TRUE(half.open(QIODevice::WriteOnly));
    half.write(vehicleData("<Module address=\"734\"><Block elmindex=\"00\">0A 0B 0C 0D</Block></Module>"
                           "<Module address=\"720\"><Block elmindex=\"00\">2CD421010</Block></Module>"));
    half.close();
    goTo(blocks::page("HCM"));
    opening.ButtonCONFopenClick(blocks::page("HCM"), path);
    EXPECT_TRUE(host.notices.last().endsWith(QStringLiteral("\nСтрока 6: блок 00 модуля 720 не является шестнадцатеричными байтами: 2CD421010")));
    EXPECT_FALSE(view.enabled(QStringLiteral("ButtonCONFwrite")));
}

// A backup of the virtual car opens on every page to what a read from the car shows.
TEST_F(OpenFromFileTest, BackupOfTheCarOpensOnEveryPageAsTheCarReads)
{
    demo.car().setBlock(QStringLiteral("741"), 1, QByteArray::fromHex("BD"));
    const QString path = runBackup(demo.car().vin(), QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5)));
    ASSERT_FALSE(path.isEmpty());
    TestGate gate(session, host);
    ConfigTransfer transfer(panel, gate.gate, host);

    const struct {
        blocks::Page page;
        int side;
    } cases[] = {{blocks::page("IPC"), 0}, {blocks::page("ACM"), 0}, {blocks::page("BCM"), 0}, {blocks::page("BCM"), 1}, {blocks::page("DDM+PDM"), 0},
                 {blocks::page("DDM+PDM"), 1}, {blocks::page("HVAC"), 0}, {blocks::page("RCM"), 0}, {blocks::page("ABS"), 0}, {blocks::page("HCM"), 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(qs(c.page->caption).toStdString() + " " + std::to_string(c.side));
        goTo(c.page, c.side);
        transfer.ButtonCONFreadClick(c.page);
        const blocks::Block block = panel.pageBlock(c.page);
        const QString fromCar = panel.conf(block);
        const bool writableFromCar = view.enabled(QStringLiteral("ButtonCONFwrite"));
        ASSERT_TRUE(writableFromCar);

        host.lines.clear();
        opening.ButtonCONFopenClick(c.page, path);
        ASSERT_EQ(host.lines.size(), 2);
        EXPECT_TRUE(host.lines[1].startsWith(QStringLiteral("* Открыта конфигурация модуля ")));
        EXPECT_EQ(panel.conf(block), fromCar);
        EXPECT_EQ(view.enabled(QStringLiteral("ButtonCONFwrite")), writableFromCar);

        const BackupChoice choice = backupChoice(panel, c.page);
        const QString carHex = QString::fromLatin1(
            demo.car().block(choice.address, choice.index.toInt(nullptr, 16)).value_or(QByteArray()).toHex().toUpper());
        const BlockLayout& layout = layoutOf(block);
        EXPECT_EQ(panel.conf(block), layout.hexText ? carHex : link::HEX2BIN(carHex).left(layout.capacity));
    }
}

// What a file holds can be written back to the car, or turned into an AS-BUILT line.
TEST_F(OpenFromFileTest, OpenedBlockIsWrittenAndGeneratedAsReadOnes)
{
    const QString path = runBackup(demo.car().vin(), QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5)));
    demo.car().setBlock(QStringLiteral("726"), 4, QByteArray::fromHex("408122"));
    TestGate gate(session, host);
    ConfigTransfer transfer(panel, gate.gate, host);

    goTo(blocks::page("BCM"), 1);
    opening.ButtonCONFopenClick(blocks::page("BCM"), path);
    EXPECT_TRUE(transfer.ButtonCONFwriteClick(blocks::page("BCM")).outcome.ok());
    // The file's block is shown against what the module holds before it goes out.
    ASSERT_EQ(host.confirmations.size(), 1);
    EXPECT_EQ(host.confirmations[0].oldHex, QStringLiteral("40 81 22"));
    EXPECT_EQ(host.confirmations[0].newHex, QStringLiteral("4F 1C 02"));
    EXPECT_EQ(demo.car().block(QStringLiteral("726"), 4), QByteArray::fromHex("4F1C02"));

    AsBuiltDialogDouble dialog;
    QString generated;
    dialog.onShow = [&] { generated = view.text(QStringLiteral("Edit1")); };
    AsBuiltConversion conversion(panel, dialog, host);
    goTo(blocks::page("IPC"));
    opening.ButtonCONFopenClick(blocks::page("IPC"), path);
    EXPECT_TRUE(view.enabled(QStringLiteral("RadioGroupIPCrd")));
    conversion.ButtonCONFgetASBUILTClick(blocks::page("IPC"));
    EXPECT_EQ(generated, asBuiltDataPart({0x20, 1}, QStringLiteral("CD421010C0")));
}

} // namespace
