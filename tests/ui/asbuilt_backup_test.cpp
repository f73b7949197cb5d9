#include "shell_fixture.h"

#include "app/confirm_dialog.h"
#include "app/connection.h"
#include "app/elided_label.h"
#include "app/form_asbuilt.h"
#include "app/log_view.h"
#include "app/radio_group.h"
#include "config/asbuilt.h"
#include "config/backup_reader.h"
#include "config/config_panel.h"
#include "config/layout.h"
#include "config/map_option_view.h"
#include "config/pages.h"
#include "link/adapter.h"
#include "link/codecs.h"
#include "sim/car.h"
#include "sim/demo_channel.h"
#include "support/recording_host.h"

#include <QTemporaryDir>
#include <QCheckBox>
#include <QClipboard>
#include <QDateTime>
#include <QDoubleSpinBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include "support/blocks.h"

using namespace talmero;
using config::qs;

namespace {

const QString kInvalidLine = QStringLiteral("! Неверная строка AS-BUILT");

// The AS-BUILT window, the backup button and "Read from file", driven through the
// controls as the user drives them.
class AsBuiltBackupTest : public ShellTest {
protected:
    void goOffline()
    {
        startProgram();
        click(start(), "ButtonOffline");
    }
    void goOnline()
    {
        ASSERT_TRUE(m_folder.isValid());
        startProgram();
        main().setProgramFolder(m_folder.path());
        connectTo(app::Connection::demoEntry());
        ASSERT_TRUE(main().state().online) << notices.join('|').toStdString();
        notices.clear();
    }

    void goTo(int page)
    {
        auto* pages = control<QTabWidget>(main(), "TabbedCONF");
        QTabBar* bar = pages->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
        ASSERT_EQ(pages->currentIndex(), page);
    }
    void clickBox(const char* name)
    {
        auto* box = control<QCheckBox>(main(), name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }
    void clickItem(const char* group, int item)
    {
        const QList<QRadioButton*> items =
            control<app::RadioGroup>(main(), group)->findChildren<QRadioButton*>();
        ASSERT_LT(item, items.size());
        QTest::mouseClick(items[item], Qt::LeftButton, {}, QPoint(8, items[item]->height() / 2));
    }
    bool ticked(const char* name) { return control<QCheckBox>(main(), name)->isChecked(); }
    bool enabled(const char* name) { return control<QWidget>(main(), name)->isEnabled(); }

    app::TFormAsBuilt& asBuiltWindow() { return program->FormAsBuilt(); }
    QLineEdit* entry() { return asBuiltWindow().Edit1; }

    // "Read AS-BUILT", the line typed key by key, then "OK".
    void readAsBuilt(const QString& typed)
    {
        onModal = [&](QDialog&) {
            entryWasEditable = !entry()->isReadOnly() && asBuiltWindow().Button1->isVisible()
                && !asBuiltWindow().ButtonCopy->isVisible() && !asBuiltWindow().ButtonClose->isVisible();
            QTest::keyClicks(entry(), typed);
            asBuiltWindow().Button1->click();
            closedByOk = !asBuiltWindow().isVisible();
        };
        click(main(), "ButtonCONFopenASBUILT");
        onModal = nullptr;
    }
    // "Generating AS-BUILT": what the window shows, what Ctrl+C and its Copy button copy,
    // and whether Enter closes it.
    struct Generated {
        QString line;
        bool readOnly = false;
        bool okShown = true;
        QString copied;
        QString copiedByButton;
        bool closedByEnter = false;
    };
    Generated generate()
    {
        Generated seen;
        onModal = [&](QDialog&) {
            seen.line = entry()->text();
            seen.readOnly = entry()->isReadOnly();
            seen.okShown = asBuiltWindow().Button1->isVisible();
            QGuiApplication::clipboard()->clear();
            entry()->copy(); // copies the selection, which is the whole line
            seen.copied = QGuiApplication::clipboard()->text();
            QGuiApplication::clipboard()->clear();
            asBuiltWindow().ButtonCopy->click();
            seen.copiedByButton = QGuiApplication::clipboard()->text();
            QTest::keyClick(entry(), Qt::Key_Return);
            seen.closedByEnter = !asBuiltWindow().isVisible();
        };
        click(main(), "ButtonCONFgetASBUILT");
        onModal = nullptr;
        return seen;
    }

    // The page shows what the configuration logic decodes from that block.
    void expectPageShows(blocks::Block block, const QString& hex)
    {
        config::MapOptionView expected;
        RecordingHost quiet;
        config::ConfigPanel reference(expected, quiet);
        reference.clearCONF();
        ASSERT_TRUE(reference.decode(block, link::HEX2BIN(hex), hex));
        for (const config::Option& o : config::layoutOf(block).options) {
            QWidget* w = control<QWidget>(main(), o.name.data());
            ASSERT_NE(w, nullptr);
            if (o.isRadioGroup())
                EXPECT_EQ(qobject_cast<app::RadioGroup*>(w)->item(), expected.item(qs(o.name))) << o.name;
            else
                EXPECT_EQ(qobject_cast<QCheckBox*>(w)->isChecked(), expected.checked(qs(o.name))) << o.name;
        }
    }

    sim::Car& car() { return qobject_cast<sim::DemoChannel*>(&main().adapter()->channel())->car(); }
    QString carBlock(const char* adr, int blockNo)
    {
        return QString::fromLatin1(car().block(QString::fromLatin1(adr), blockNo).value_or(QByteArray()).toHex().toUpper());
    }
    QStringList log() { return control<app::LogView>(main(), "MemoLOG")->lines(); }
    QStringList backups() const
    {
        return QDir(m_folder.path()).entryList({QStringLiteral("VehicleData.*.xml")}, QDir::Files);
    }
    QString folder() const { return m_folder.path(); }

    bool entryWasEditable = false;
    bool closedByOk = false;

private:
    QTemporaryDir m_folder;
};

} // namespace

// The whole offline cycle on the IPC page: a dealer line in, one option changed by a
// click, the new line out with its checksum, and the page emptied afterwards. No page
// change has happened yet, so the log names the module by the label's first caption.
TEST_F(AsBuiltBackupTest, OfflineIpcLineReadChangedAndGenerated)
{
    goOffline();
    EXPECT_FALSE(enabled("ButtonCONFgetASBUILT"));

    readAsBuilt(QStringLiteral("cd 42 10 10 c0 18>"));
    EXPECT_TRUE(entryWasEditable);
    EXPECT_TRUE(closedByOk);
    EXPECT_EQ(modals, QStringList{"FormAsBuilt"});
    EXPECT_EQ(log().last().toStdString(), "* Прочитан AS-BUILT модуля IPC (Панель приборов) -> cd 42 10 10 c0 18");
    EXPECT_TRUE(ticked("CheckBoxIPC07"));  // ABS
    EXPECT_FALSE(ticked("CheckBoxIPC05")); // AWD
    EXPECT_TRUE(ticked("CheckBoxIPC46"));  // radio, facelift byte
    EXPECT_TRUE(enabled("ButtonCONFgetASBUILT"));

    clickBox("CheckBoxIPC05"); // byte 0: CD -> ED
    const Generated out = generate();
    const QString expected = config::asBuiltDataPart({0x20, 1}, QStringLiteral("ED421010C0"));
    EXPECT_EQ(expected, "ED 42 10 10 C0 38");
    EXPECT_EQ(out.line, expected);
    EXPECT_TRUE(out.readOnly);
    EXPECT_FALSE(out.okShown);
    EXPECT_EQ(out.copied, expected);
    EXPECT_EQ(out.copiedByButton, expected);
    EXPECT_TRUE(out.closedByEnter);
    EXPECT_EQ(log().last().toStdString(), ("* Сгенерирован AS-BUILT модуля IPC (Панель приборов) -> " + expected).toStdString());

    // Closed: the next generation needs a fresh line.
    EXPECT_FALSE(asBuiltWindow().isVisible());
    EXPECT_EQ(entry()->text(), "");
    EXPECT_FALSE(ticked("CheckBoxIPC07"));
    EXPECT_FALSE(enabled("ButtonCONFgetASBUILT"));
    EXPECT_TRUE(notices.isEmpty()) << notices.join('|').toStdString();
}

// A wrong checksum, a stray character, a non-zero byte past the block: one log line,
// nothing shown, the window closed all the same.
TEST_F(AsBuiltBackupTest, InvalidLinesAreLoggedAndDecodeNothing)
{
    goOffline();
    const struct {
        const char* typed;
        const char* problem;
    } cases[] = {
        {"CD 42 10 10 C0 19", "Неверная контрольная сумма 19, ожидается 18"},
        {"CD-42-10-10-C0-18", "Недопустимый символ «-»: строка состоит из шестнадцатеричных цифр"},
        {"CD 42 10 10 C0 01 19", "Неверная длина строки: 14 цифр, нужно 12 (данные и контрольная сумма)"},
        {"CD 42 10 10", "Нет контрольной суммы: после 8 цифр данных нужны ещё 2"},
        {"726-02-01 4F1C029D", "Это строка для адреса 726-02-01, а здесь нужна строка 720-01-01"},
    };
    for (const auto& c : cases) {
        const QString typed = QString::fromUtf8(c.typed);
        QString shownText, shownProblem;
        onModal = [&](QDialog&) {
            QTest::keyClicks(entry(), typed);
            QTest::keyClick(entry(), Qt::Key_Return); // Enter presses OK
            closedByOk = !asBuiltWindow().isVisible();
            shownText = entry()->text();
            shownProblem = asBuiltWindow().LabelProblem->text();
            QTest::keyClick(entry(), Qt::Key_Backspace); // editing takes the complaint away
            EXPECT_EQ(asBuiltWindow().LabelProblem->text(), "") << typed.toStdString();
        };
        click(main(), "ButtonCONFopenASBUILT");
        onModal = nullptr;
        EXPECT_FALSE(closedByOk) << typed.toStdString();
        EXPECT_EQ(shownText, typed);
        EXPECT_EQ(shownProblem, QString::fromUtf8(c.problem));
        EXPECT_EQ(log().last(), kInvalidLine) << typed.toStdString();
        EXPECT_FALSE(ticked("CheckBoxIPC07")) << typed.toStdString();
        EXPECT_FALSE(enabled("ButtonCONFgetASBUILT")) << typed.toStdString();
    }
    // Closing the window without OK decodes nothing and logs nothing.
    const qsizetype lines = log().size();
    onModal = [this](QDialog&) { QTest::keyClicks(entry(), QStringLiteral("CD421010C018")); };
    click(main(), "ButtonCONFopenASBUILT");
    EXPECT_EQ(log().size(), lines);
    EXPECT_FALSE(ticked("CheckBoxIPC07"));
}

// BCM part 2 reads and writes its own line, 726-02-01, named with its part in the log.
TEST_F(AsBuiltBackupTest, BcmPartTwoLineRoundTrip)
{
    goOffline();
    goTo(blocks::tab("BCM"));
    clickItem("RadioGroupBCMrd", 1);
    EXPECT_EQ(asBuiltWindow().Label3->text(), "02");

    readAsBuilt(QStringLiteral("40812213"));
    EXPECT_EQ(log().last(), "* Прочитан AS-BUILT модуля BCM (GEM модуль) [Часть 2] -> 40 81 22 13");
    EXPECT_TRUE(ticked("CheckBox2BCM06"));  // heated windscreen
    EXPECT_TRUE(ticked("CheckBox2BCM21"));  // cruise control
    EXPECT_FALSE(ticked("CheckBox2BCM07"));

    EXPECT_EQ(generate().line, "40 81 22 13");
    EXPECT_EQ(log().last(), "* Сгенерирован AS-BUILT модуля BCM (GEM модуль) [Часть 2] -> 40 81 22 13");

    // The part 1 line does not fit the part 2 address (the checksum key differs).
    readAsBuilt(QStringLiteral("E3 D0 D4 FC B2"));
    EXPECT_EQ(log().last(), kInvalidLine);
}

// The backup button against the demo car: progress while it reads, the status panel
// locked meanwhile, a file whose blocks are the car's; that file then loads the ABS
// page as the car held it, and a broken file changes nothing.
TEST_F(AsBuiltBackupTest, BackupWritesTheCarAndReadFromFileLoadsIt)
{
    goOnline();
    const QString ipc = carBlock("720", 0);
    const QString abs = carBlock("760", 1);
    ASSERT_FALSE(ipc.isEmpty());
    ASSERT_EQ(abs, "40");

    QStringList progressAtPrompts;
    bool statusLocked = true;
    onNotice = [&](const QString&) { // the bus prompts come while the backup runs
        progressAtPrompts << control<QLabel>(main(), "LabelStatus")->text();
        statusLocked = statusLocked && !enabled("PanelStatus");
    };
    click(main(), "BitBtnSaveAuto");
    onNotice = nullptr;

    EXPECT_EQ(progressAtPrompts, (QStringList{"Module 1 of 9: IPC", "Module 4 of 9: BCM"}));
    EXPECT_TRUE(statusLocked);
    EXPECT_TRUE(enabled("PanelStatus"));
    const QStringList files = backups();
    ASSERT_EQ(files.size(), 1);
    // The result stays in the status line, not only in the log.
    EXPECT_EQ(control<QLabel>(main(), "LabelStatus")->text(),
              "Резервная копия сохранена: " + QDir::toNativeSeparators(QDir(folder()).filePath(files[0])));
    // At the opening size the file's name shows whole, whatever the folder's length.
    const QString shown = control<talmero::app::ElidedLabel>(main(), "LabelStatus")->shownText();
    EXPECT_TRUE(shown.endsWith(files[0]) && !shown.contains(u'…')) << shown.toStdString();
    // Named after the VIN the car's modules hold, not the one typed at connecting.
    ASSERT_NE(main().state().carVIN, car().vin());
    EXPECT_TRUE(files[0].startsWith("VehicleData." + car().vin() + ".")) << files[0].toStdString();
    EXPECT_TRUE(log().contains("* VIN в копии: " + car().vin() + ", прочитанный из модулей автомобиля"));
    EXPECT_EQ(log().last(), "* Файл " + files[0] + " сохранен в каталоге " + QDir::toNativeSeparators(folder()));
    const QString path = QDir(folder()).filePath(files[0]);
    RecordingHost quiet;
    EXPECT_EQ(config::readBackupBlock(path, "720", "00", quiet).block, link::splitHEX(ipc));

    // The car changes after the backup; the file still holds the old block.
    car().setBlock("760", 1, QByteArray::fromHex("00"));
    goTo(blocks::tab("ABS"));
    nextOpenPath = path;
    click(main(), "ButtonCONFopen");
    EXPECT_EQ(openFilters, QStringList{config::BackupOpening::backupFileFilter()});
    EXPECT_EQ(openFolders, QStringList{folder()});
    EXPECT_TRUE(log().last().startsWith("* Открыта конфигурация модуля ABS (")) << log().last().toStdString();
    EXPECT_TRUE(log().last().endsWith(") -> 40")) << log().last().toStdString();
    expectPageShows(blocks::ABS(), abs);
    EXPECT_TRUE(ticked("CheckBoxABS6"));
    EXPECT_TRUE(enabled("ButtonCONFwrite"));

    QFile broken(QDir(folder()).filePath("VehicleData.broken.xml"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("<VehicleData>\r\n<Modules>\r\n<Module address=\"760\" name=\"ABS\">\r\n");
    broken.close();
    nextOpenPath = broken.fileName();
    click(main(), "ButtonCONFopen");
    ASSERT_EQ(notices.size(), 3); // two bus prompts, then the parser's complaint
    EXPECT_TRUE(notices.last().startsWith("Файл не является XML-документом:")) << notices.last().toStdString();
    EXPECT_EQ(log().last(), "* Просмотр файла VehicleData.broken.xml");
    EXPECT_FALSE(ticked("CheckBoxABS6"));
    EXPECT_FALSE(enabled("ButtonCONFwrite"));
    EXPECT_EQ(carBlock("760", 1), "00");

    // The page says it came from the file until the car's block is read; a change is marked.
    nextOpenPath = path;
    click(main(), "ButtonCONFopen");
    auto* source = control<QLabel>(main(), "LabelCONFsource");
    EXPECT_TRUE(source->text().startsWith("Из файла:\n")) << source->text().toStdString();
    EXPECT_TRUE(source->toolTip().endsWith("\n" + files[0])) << source->toolTip().toStdString();
    auto* option = control<QAbstractButton>(main(), "CheckBoxABS6");
    EXPECT_FALSE(option->font().bold());
    option->click();
    EXPECT_TRUE(option->font().bold());
    click(main(), "ButtonCONFread");
    EXPECT_EQ(source->text(), "");
    EXPECT_FALSE(option->font().bold());
}

// A backup cancelled at a bus prompt, with its Cancel button or with Escape writes no
// file at all, and the status line says it was cancelled.
TEST_F(AsBuiltBackupTest, CancelledBackupWritesNoFile)
{
    goOnline();
    acknowledgeAnswers = {false};
    click(main(), "BitBtnSaveAuto");
    EXPECT_EQ(log().last(), "* Операция отменена пользователем");

    onNotice = [&](const QString& text) {
        if (text.contains("MSCAN"))
            click(main(), "ButtonSaveCancel");
    };
    click(main(), "BitBtnSaveAuto");
    onNotice = nullptr;
    EXPECT_EQ(log().last(), "* Операция отменена пользователем");

    onNotice = [&](const QString& text) {
        if (text.contains("MSCAN"))
            QTest::keyClick(&main(), Qt::Key_Escape);
    };
    click(main(), "BitBtnSaveAuto");
    onNotice = nullptr;
    EXPECT_EQ(log().last(), "* Операция отменена пользователем");
    EXPECT_EQ(control<QLabel>(main(), "LabelStatus")->text(), "Операция отменена пользователем");
    EXPECT_TRUE(backups().isEmpty());
    EXPECT_FALSE(control<QWidget>(main(), "ButtonSaveCancel")->isVisible());
}

// The backup asks for its folder; the next "Read from file" starts where it went.
TEST_F(AsBuiltBackupTest, BackupGoesWhereTheUserSaysAndReadFromFileStartsThere)
{
    goOnline();
    nextFolder = QString(""); // cancelled: nothing is read
    click(main(), "BitBtnSaveAuto");
    EXPECT_FALSE(log().contains("* Запущен процесс сохранения данных из модулей автомобиля, ждите..."));

    QTemporaryDir chosen;
    nextFolder = chosen.path();
    click(main(), "BitBtnSaveAuto");
    EXPECT_EQ(chosenFolderStarts.value(1), folder()); // the program folder, the first time
    const QStringList files = QDir(chosen.path()).entryList({"VehicleData.*.xml"}, QDir::Files);
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(log().last(), "* Файл " + files[0] + " сохранен в каталоге " + QDir::toNativeSeparators(chosen.path()));

    click(main(), "BitBtnSaveAuto");
    EXPECT_EQ(chosenFolderStarts.value(2), chosen.path());
    click(main(), "ButtonCONFopen");
    EXPECT_EQ(openFolders.value(0), chosen.path());
}

// The first write to a car without a backup offers one, ticked; taken, it is in the backup
// folder before the block goes out, and the next write offers none. A refused write (a
// battery below the threshold) says why once in the log and once in a notice.
TEST_F(AsBuiltBackupTest, FirstWriteTakesABackupFirstAndARefusalIsSaidOnce)
{
    goOnline();
    // A VIN of this run alone: no restore's copy of the car from an earlier run counts.
    car().setVin(QStringLiteral("WF0AXXGCDA%1").arg(QDateTime::currentMSecsSinceEpoch() % 10000000, 7, 10, QLatin1Char('0')));
    QStringList offers;
    app::dialogs().confirm = [&](QWidget*, const link::ChangeRequest& request) {
        app::ConfirmDialog dialog(request);
        auto* tick = dialog.findChild<QCheckBox*>(QStringLiteral("CheckConfirmBackup"));
        offers << (tick ? tick->text() + (tick->isChecked() ? " [x]" : " [ ]") : QString());
        if (request.backupFirst)
            *request.backupFirst = dialog.backupChosen();
        return true;
    };
    goTo(blocks::tab("IPC"));
    QStringList status;
    for (int write = 0; write < 2; ++write) {
        click(main(), "ButtonCONFread");
        clickBox("CheckBoxIPC07");
        click(main(), "ButtonCONFwrite");
        status << control<QLabel>(main(), "LabelStatus")->text();
    }
    EXPECT_EQ(offers, (QStringList{"Резервной копии этого автомобиля ещё нет: сначала сделать её [x]", ""}));
    const QStringList files = backups();
    ASSERT_EQ(files.size(), 1);
    const QString verified = "Запись проверена: модуль содержит записанные данные";
    EXPECT_EQ(status, (QStringList{verified + "; резервная копия сохранена: " + QDir::toNativeSeparators(QDir(folder()).filePath(files[0])),
                                   verified}));
    EXPECT_TRUE(files[0].startsWith("VehicleData." + car().vin() + "."));
    const qsizetype saved = log().indexOf("* Файл " + files[0] + " сохранен в каталоге " + QDir::toNativeSeparators(folder()));
    EXPECT_GE(saved, 0);
    EXPECT_LT(saved, log().indexOf("* Успешно записано"));
    EXPECT_EQ(carBlock("720", 0), "CD421010C0"); // written, and written back

    click(main(), "PanelStatus");
    control<QDoubleSpinBox>(start(), "SpinMinVoltage")->setValue(13.0);
    connectTo(app::Connection::demoEntry());
    notices.clear();
    const qsizetype from = log().size();
    click(main(), "ButtonCONFread");
    clickBox("CheckBoxIPC07");
    click(main(), "ButtonCONFwrite");
    const QString refusal = "! Напряжение бортовой сети 12.6 В ниже порога 13.0 В: запись не выполнена";
    EXPECT_EQ(log().mid(from).count(refusal), 1);
    EXPECT_EQ(notices.filter("ниже порога"), QStringList{refusal.mid(2)}); // without the log's mark
    EXPECT_EQ(control<QLabel>(main(), "LabelStatus")->text(), refusal.mid(2));
}
