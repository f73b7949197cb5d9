#include "shell_fixture.h"

#include "app/confirm_dialog.h"
#include "app/connection.h"
#include "app/form_asbuilt.h"
#include "app/log_view.h"
#include "app/radio_group.h"
#include "app/tab_configuration.h"
#include "config/config_panel.h"
#include "config/description_trust.h"
#include "module_files/description_file.h"
#include "config/layout.h"
#include "config/map_option_view.h"
#include "config/pages.h"
#include "link/adapter.h"
#include "link/codecs.h"
#include "sim/car.h"
#include "sim/demo_channel.h"
#include "support/recording_host.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QLineEdit>
#include <QPushButton>
#include "safety/journal.h"
#include <QFile>
#include <QDateTime>
#include <QRadioButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include "support/blocks.h"

using namespace talmero;
using config::qs;

namespace {


// The configuration tab driven as the user drives it: pages, buttons and options clicked,
// found by their names.
class ConfigurationTabTest : public ShellTest {
protected:
    void goOffline()
    {
        startProgram();
        click(start(), "ButtonOffline");
    }
    void goOnline()
    {
        startProgram();
        connectTo(app::Connection::demoEntry());
        ASSERT_TRUE(main().state().online) << notices.join('|').toStdString();
    }

    QTabWidget* pages() { return control<QTabWidget>(main(), "TabbedCONF"); }
    // Where the block's options sit in the window, once pending layouts are done.
    QList<QPoint> placesOf(const config::BlockLayout& layout)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QList<QPoint> places;
        for (const config::Option& o : layout.options)
            places << control<QWidget>(main(), o.name.data())->mapTo(&main(), QPoint());
        return places;
    }
    void goTo(int page)
    {
        QTabBar* bar = pages()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
    }
    void read() { click(main(), "ButtonCONFread"); }
    void write() { click(main(), "ButtonCONFwrite"); }

    // A real mouse click on the box, or on an item's round button.
    void clickBox(const QString& name)
    {
        auto* box = main().findChild<QCheckBox*>(name);
        ASSERT_NE(box, nullptr) << name.toStdString();
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }
    void clickItem(const QString& group, int item)
    {
        const QList<QRadioButton*> items = radioItems(group);
        ASSERT_LT(item, items.size()) << group.toStdString();
        QTest::mouseClick(items[item], Qt::LeftButton, {}, QPoint(8, items[item]->height() / 2));
    }
    QList<QRadioButton*> radioItems(const QString& group)
    {
        auto* box = main().findChild<app::RadioGroup*>(group);
        return box ? box->findChildren<QRadioButton*>() : QList<QRadioButton*>();
    }
    // The caption of the checked item, empty when none is.
    QString selected(const QString& group)
    {
        for (QRadioButton* item : radioItems(group)) {
            if (item->isChecked())
                return item->text();
        }
        return {};
    }
    bool shown(const char* name) { return control<QWidget>(main(), name)->isVisibleTo(&main()); }
    QString asBuiltText(const char* name)
    {
        QWidget* w = control<QWidget>(program->FormAsBuilt(), name);
        if (auto* label = qobject_cast<QLabel*>(w))
            return label->text();
        return qobject_cast<QLineEdit*>(w)->text();
    }

    sim::Car& car() { return qobject_cast<sim::DemoChannel*>(&main().adapter()->channel())->car(); }
    QString carBlock(const char* adr, int blockNo)
    {
        const auto block = car().block(QString::fromLatin1(adr), blockNo);
        return QString::fromLatin1(block.value_or(QByteArray()).toHex().toUpper());
    }
    QStringList logLines() { return control<app::LogView>(main(), "MemoLOG")->lines(); }
};

} // namespace

TEST_F(ConfigurationTabTest, OfflineOnlyIpcAndBcmCanBeChosenAndTheOthersSaySo)
{
    goOffline();
    for (const char* name : {"ButtonCONFread", "ButtonCONFwrite"})
        EXPECT_FALSE(shown(name)) << name;
    EXPECT_EQ(pages()->currentIndex(), blocks::tab("IPC"));

    for (int page = 0; page < int(config::pageInfos().size()); ++page) {
        notices.clear();
        const int before = pages()->currentIndex();
        goTo(page);
        const bool allowed = page == blocks::tab("IPC") || page == blocks::tab("BCM");
        EXPECT_EQ(pages()->currentIndex(), allowed ? page : before) << page;
        // The others are disabled rather than refused after a click.
        EXPECT_EQ(pages()->isTabEnabled(page), allowed) << page;
        EXPECT_EQ(notices, QStringList()) << page;
        if (allowed) {
            EXPECT_TRUE(shown("ButtonCONFopenASBUILT"));
            EXPECT_TRUE(shown("ButtonCONFgetASBUILT"));
        }
    }
}

TEST_F(ConfigurationTabTest, OnlineEveryPageOpensAndAsBuiltButtonsOnlyOnIpcAndBcm)
{
    goOnline();
    for (const char* name : {"ButtonCONFread", "ButtonCONFwrite"})
        EXPECT_TRUE(shown(name)) << name;
    for (int page : {1, 2, 3, 4, 5, 6, 7, 0}) {
        goTo(page);
        ASSERT_EQ(pages()->currentIndex(), page);
        const bool asBuilt = page == blocks::tab("IPC") || page == blocks::tab("BCM");
        EXPECT_EQ(shown("ButtonCONFopenASBUILT"), asBuilt) << page;
        EXPECT_EQ(shown("ButtonCONFgetASBUILT"), asBuilt) << page;
        EXPECT_EQ(control<QLabel>(main(), "LabelCONF")->text(), qs(config::pageAt(page)->title));
    }
    EXPECT_TRUE(notices.isEmpty()) << notices.join('|').toStdString();
}

// A maximised window spreads the instrument cluster's options over even columns.
TEST_F(ConfigurationTabTest, AWideWindowPutsTheClusterInEvenColumns)
{
    goOnline();
    main().resize(1366, 740);
    goTo(blocks::tab("IPC"));
    read();
    QMap<int, int> column; // x -> check boxes there
    for (const config::Option& o : config::layoutOf(blocks::IPC()).options) {
        if (!o.isRadioGroup())
            ++column[control<QWidget>(main(), o.name.data())->mapTo(&main(), QPoint()).x()];
    }
    ASSERT_GE(column.size(), 2);
    const QList<int> counts = column.values();
    EXPECT_LE(*std::max_element(counts.begin(), counts.end()) - *std::min_element(counts.begin(), counts.end()), 2)
        << counts.size() << " columns";
}

// Every page read from the car shows what the logic decodes from the car's block,
// in the widgets themselves: ticks, the checked item's caption, enabled states.
TEST_F(ConfigurationTabTest, EveryPageReadFromTheCarShowsItsBlock)
{
    goOnline();
    struct Read {
        int page;
        blocks::Block block;
        const char* adr;
        int blockNo;
    };
    const Read reads[] = {
        {blocks::tab("IPC"), blocks::IPC(), "720", 0},   {blocks::tab("ACM"), blocks::ACM(), "727", 0},
        {blocks::tab("BCM"), blocks::BCM1(), "726", 3},  {blocks::tab("BCM"), blocks::BCM2(), "726", 4},
        {blocks::tab("DDM+PDM"), blocks::DDM(), "740", 1},   {blocks::tab("HVAC"), blocks::HVAC(), "733", 1},
        {blocks::tab("RCM"), blocks::RCM(), "737", 0},   {blocks::tab("ABS"), blocks::ABS(), "760", 1},
        {blocks::tab("HCM"), blocks::HCM(), "734", 0},
    };
    for (const Read& r : reads) {
        goTo(r.page);
        if (r.block == blocks::BCM2())
            clickItem("RadioGroupBCMrd", 1);
        const config::BlockLayout& layout = config::layoutOf(r.block);
        // The read enables the options; none of them moves.
        const QList<QPoint> before = placesOf(layout);
        read();
        EXPECT_EQ(placesOf(layout), before) << r.adr;

        const QString hex = carBlock(r.adr, r.blockNo);
        config::MapOptionView expected;
        RecordingHost quiet;
        config::ConfigPanel reference(expected, quiet);
        reference.clearCONF();
        ASSERT_TRUE(layout.hexText ? reference.decode(r.block, hex)
                                   : reference.decode(r.block, link::HEX2BIN(hex), hex));
        bool anyShown = false; // the block shows something, so the comparison means something
        for (const config::Option& o : layout.options) {
            const QString name = qs(o.name);
            QWidget* w = control<QWidget>(main(), o.name.data());
            ASSERT_NE(w, nullptr);
            if (o.isRadioGroup()) {
                const int item = expected.item(name);
                EXPECT_EQ(selected(name), item < 0 ? QString() : qs(o.items[item])) << o.name;
                anyShown = anyShown || item >= 0;
            } else {
                EXPECT_EQ(qobject_cast<QCheckBox*>(w)->isChecked(), expected.checked(name)) << o.name;
                anyShown = anyShown || expected.checked(name);
            }
            EXPECT_EQ(w->isEnabled(), expected.enabled(name)) << o.name;
        }
        EXPECT_EQ(control<QWidget>(main(), "ButtonCONFwrite")->isEnabled(),
                  expected.enabled("ButtonCONFwrite")) << r.adr;
        EXPECT_TRUE(anyShown) << r.adr;
    }
    // The car's blocks in words, so the comparison above cannot agree on nonsense.
    EXPECT_EQ(selected("RadioGroupHCM1"), "Focus II FaceLift");
    goTo(blocks::tab("IPC"));
    read();
    EXPECT_TRUE(control<QCheckBox>(main(), "CheckBoxIPC07")->isChecked()); // ABS
    EXPECT_FALSE(control<QCheckBox>(main(), "CheckBoxIPC05")->isChecked()); // AWD
    EXPECT_EQ(selected("RadioGroupIPCrd"), "FL (08-)");
    goTo(blocks::tab("ACM"));
    read();
    EXPECT_EQ(selected("RadioGroupACMbody"), "5 door hatchback");
    EXPECT_EQ(selected("RadioGroupACMspeak"), "4 woofers + 2 tweeters");
    // A climate byte of no known item: "Other" with the byte beside it, not writable.
    car().setBlock("733", 1, QByteArray::fromHex("44"));
    goTo(blocks::tab("HVAC"));
    read();
    EXPECT_EQ(selected("RadioGroupHVAC"), "Other  -");
    EXPECT_EQ(control<QLineEdit>(main(), "EditHVAC")->text(), "44");
    EXPECT_FALSE(control<QWidget>(main(), "ButtonCONFwrite")->isEnabled());
    EXPECT_TRUE(notices.filter("!").isEmpty()) << notices.join('|').toStdString();
}

TEST_F(ConfigurationTabTest, PageChangeClearsEveryPage)
{
    goOnline();
    for (int page : {blocks::tab("IPC"), blocks::tab("RCM"), blocks::tab("HCM")}) {
        goTo(page);
        read();
    }
    // Only the last read is shown now; the earlier ones were cleared by the page change.
    EXPECT_EQ(selected("RadioGroupRCM"), "");
    EXPECT_FALSE(control<QCheckBox>(main(), "CheckBoxIPC07")->isChecked());
    ASSERT_EQ(selected("RadioGroupHCM1"), "Focus II FaceLift");

    goTo(blocks::tab("BCM"));
    for (const config::BlockLayout* b : config::blockLayouts()) {
        for (const config::Option& o : b->options) {
            QWidget* w = control<QWidget>(main(), o.name.data());
            EXPECT_FALSE(w->isEnabled()) << o.name;
            if (o.isRadioGroup()) {
                EXPECT_EQ(selected(qs(o.name)), "") << o.name;
            } else {
                EXPECT_FALSE(qobject_cast<QCheckBox*>(w)->isChecked()) << o.name;
            }
        }
    }
    EXPECT_FALSE(control<QWidget>(main(), "ButtonCONFwrite")->isEnabled());
    EXPECT_FALSE(control<QWidget>(main(), "ButtonCONFgetASBUILT")->isEnabled());
}

// One real click, one write: the module's block changes in that option's bits only.
TEST_F(ConfigurationTabTest, OneClickedOptionIsWrittenAndNothingElse)
{
    const struct {
        int page;
        const char* control;
        int item; // -1: a check box
        const char* adr;
        int blockNo;
        const char* after;
        const char* alsoAdr; // the passenger door is written too
    } cases[] = {
        {blocks::tab("IPC"), "CheckBoxIPC07", -1, "720", 0, "4D421010C0", nullptr},
        {blocks::tab("ACM"), "RadioGroupACMbody", 3, "727", 0, "020310", nullptr},
        // Door CAN modules: a joint flag over five bits of the last byte.
        {blocks::tab("BCM"), "CheckBox1BCM34", -1, "726", 3, "E3D0D404", nullptr},
        {blocks::tab("DDM+PDM"), "CheckBoxDDM7", -1, "740", 1, "BD", "741"},
        {blocks::tab("HVAC"), "RadioGroupHVAC", 2, "733", 1, "C0", nullptr},
    };
    goOnline();
    for (const auto& c : cases) {
        goTo(c.page);
        read();
        if (c.item < 0)
            clickBox(c.control);
        else
            clickItem(c.control, c.item);
        const int logged = int(logLines().size());
        write();
        EXPECT_EQ(carBlock(c.adr, c.blockNo), c.after) << c.control;
        if (c.alsoAdr) {
            EXPECT_EQ(carBlock(c.alsoAdr, c.blockNo), c.after) << c.control;
        }
        EXPECT_TRUE(logLines().mid(logged).contains("* Успешно записано")) << c.control;
        // The page shows the block as read back after the write.
        EXPECT_TRUE(control<QWidget>(main(), "ButtonCONFwrite")->isEnabled()) << c.control;
    }
}

TEST_F(ConfigurationTabTest, WriteIsShownFirstAndTheHistoryRestoresIt)
{
    goOnline();
    goTo(blocks::tab("IPC"));
    read();
    clickBox(QStringLiteral("CheckBoxIPC07"));
    confirmAnswers = {false};
    write();
    ASSERT_EQ(confirmations.size(), 1);
    EXPECT_EQ(confirmations[0].subject, "IPC (Панель приборов), адрес 720, блок 00");
    EXPECT_EQ(confirmations[0].oldHex + " -> " + confirmations[0].newHex, "CD 42 10 10 C0 -> 4D 42 10 10 C0");
    EXPECT_EQ(carBlock("720", 0), "CD421010C0");
    EXPECT_TRUE(control<QWidget>(main(), "ButtonCONFwrite")->isEnabled()); // still there to write
    write();
    EXPECT_EQ(carBlock("720", 0), "4D421010C0");

    int rows = -1;
    QStringList outcomes;
    QStringList options; // what each row changed, in words
    QStringList after;
    QString module;
    QString time;
    onModal = [&](QDialog& window) {
        auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("TreeHistory"));
        ASSERT_NE(tree, nullptr);
        rows = tree->topLevelItemCount();
        for (int row = 0; row < rows; ++row)
            outcomes << tree->topLevelItem(row)->text(4), options << tree->topLevelItem(row)->text(5);
        module = tree->topLevelItem(0)->text(1);
        time = tree->topLevelItem(0)->text(0);
        tree->setCurrentItem(tree->topLevelItem(0));
        click(window, "ButtonRestore");
        for (int row = 0; row < tree->topLevelItemCount(); ++row)
            after << tree->topLevelItem(row)->text(4);
        options << tree->topLevelItem(0)->text(5);
    };
    click(main(), "ButtonCONFhistory");
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(outcomes, (QStringList{"записано и проверено", "отменено пользователем"}));
    EXPECT_EQ(options, (QStringList{"ABS: да → нет", "ABS: да → нет", "ABS: нет → да"}));
    EXPECT_EQ(module, "IPC - Панель приборов (720)");
    EXPECT_EQ(time.left(13), QDateTime::currentDateTime().toString("yyyy-MM-dd HH")); // local, not UTC
    EXPECT_EQ(after, (QStringList{"записано и проверено; восстановление", "записано и проверено; отменено восстановлением",
                                  "отменено пользователем"}));
    EXPECT_EQ(carBlock("720", 0), "CD421010C0");
    EXPECT_EQ(modals, QStringList{"FormHistory"});
    // The page showed the undone write: emptied, it never puts that back.
    EXPECT_FALSE(control<QWidget>(main(), "ButtonCONFwrite")->isEnabled());
    clickBox(QStringLiteral("CheckBoxIPC06"));
    write();
    EXPECT_EQ(carBlock("720", 0), "CD421010C0");
    // The demo car's writes are kept apart from real cars'.
    EXPECT_FALSE(QFile::exists(journalPath()));
    EXPECT_TRUE(QFile::exists(talmero::safety::Journal::demoPathFor(journalPath())));
}

// Enter and Escape send nothing, as "Write? [y/N]" does; writing takes a click.
TEST(ConfirmDialog, EnterAndEscapeCancelAClickWrites)
{
    talmero::link::ChangeRequest request;
    request.title = "Запись конфигурации";
    for (const auto& [key, result] : {std::pair{Qt::Key_Return, QDialog::Rejected}, std::pair{Qt::Key_Escape, QDialog::Rejected},
                                      std::pair{Qt::Key_unknown, QDialog::Accepted}}) {
        app::ConfirmDialog dialog(request);
        dialog.show();
        if (key == Qt::Key_unknown)
            QTest::mouseClick(dialog.findChild<QPushButton*>("ButtonConfirm"), Qt::LeftButton);
        else
            QTest::keyClick(&dialog, key);
        EXPECT_EQ(dialog.result(), result) << key;
    }
    // A batch with a tick per block: the one left out is not chosen; the battery is shown.
    request.parts = {{QStringLiteral("DDM, адрес 740, блок 01"), {}, QStringLiteral("3D"), QStringLiteral("BD"), {}},
                     {QStringLiteral("PDM, адрес 741, блок 01"), {}, QStringLiteral("3D"), QStringLiteral("BD"), {}}};
    request.choosable = true;
    request.battery = QStringLiteral("12.6");
    app::ConfirmDialog batch(request);
    batch.findChild<QCheckBox*>(QStringLiteral("CheckConfirmPart0"))->setChecked(false);
    EXPECT_EQ(batch.chosen(), (QList<bool>{false, true}));
    EXPECT_EQ(batch.findChild<QLabel*>(QStringLiteral("LabelConfirmBattery"))->text(), QStringLiteral("Аккумулятор: 12.6 В"));
    // Both doors: the blocks follow each other closely, under a title a window manager
    // does not cut.
    talmero::link::ChangeRequest doors = request;
    doors.choosable = false;
    doors.parts[0].changes = doors.parts[1].changes = {QStringLiteral("Heated mirrors: да → нет")};
    app::ConfirmDialog both(doors);
    both.show();
    both.resize(460, 600); // as tall as a window manager may make it
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    for (const QLabel* label : both.findChildren<QLabel*>()) { // no text padded with empty room
        if (!label->text().isEmpty()) {
            EXPECT_LE(label->height(), label->heightForWidth(label->width()) + 2) << label->text().toStdString();
        }
    }
    EXPECT_EQ(both.windowTitle(), "TALMERO");
    // A restore over a changed block: writing takes the tick first.
    request.mustTick = QStringLiteral("Записать, хотя блок изменился после записи журнала");
    app::ConfirmDialog forced(request);
    auto* write = forced.findChild<QPushButton*>(QStringLiteral("ButtonConfirm"));
    EXPECT_FALSE(write->isEnabled());
    forced.findChild<QCheckBox*>(QStringLiteral("CheckConfirmForce"))->setChecked(true);
    EXPECT_TRUE(write->isEnabled());
}

TEST_F(ConfigurationTabTest, LeavingUnwrittenChangesAsksFirst)
{
    goOnline();
    goTo(blocks::tab("BCM"));
    read();
    goTo(blocks::tab("IPC")); // nothing changed: no question
    EXPECT_TRUE(questions.isEmpty());
    goTo(blocks::tab("BCM"));
    read();
    clickBox(QStringLiteral("CheckBox1BCM07"));
    askAnswers = {false, false};
    goTo(blocks::tab("IPC"));
    EXPECT_EQ(pages()->currentIndex(), int(blocks::tab("BCM")));
    clickItem(QStringLiteral("RadioGroupBCMrd"), 1);
    EXPECT_EQ(radioItems(QStringLiteral("RadioGroupBCMrd"))[0]->isChecked(), true);
    EXPECT_EQ(questions.size(), 2);
    EXPECT_EQ(questions[0], "Изменённые параметры не записаны в модуль. Отменить изменения?");
    EXPECT_FALSE(main().findChild<QCheckBox*>("CheckBox1BCM07")->isChecked()); // the change is still there
    EXPECT_TRUE(control<QWidget>(main(), "ButtonCONFwrite")->isEnabled());
    goTo(blocks::tab("IPC")); // yes: gone
    EXPECT_EQ(pages()->currentIndex(), int(blocks::tab("IPC")));
    EXPECT_EQ(questions.size(), 3);
}

TEST_F(ConfigurationTabTest, CouplingRuleRunsOnTheUsersClickNotOnADecode)
{
    goOnline();
    goTo(blocks::tab("BCM"));
    read();
    // Part 1 E3 D0 ..: blinking (position 9) set, one-press deadlock (11) not. The rule
    // would untick blinking; the decode shows it as read, ticked but locked.
    auto* deadlock = control<QCheckBox>(main(), "CheckBox1BCM15");
    auto* blinking = control<QCheckBox>(main(), "CheckBox1BCM17");
    ASSERT_FALSE(deadlock->isChecked());
    EXPECT_TRUE(blinking->isChecked());
    EXPECT_FALSE(blinking->isEnabled());

    clickBox("CheckBox1BCM15");
    EXPECT_TRUE(blinking->isEnabled());
    EXPECT_TRUE(blinking->isChecked());
    clickBox("CheckBox1BCM15");
    EXPECT_FALSE(blinking->isEnabled());
    EXPECT_FALSE(blinking->isChecked());

    // A decode that selects "FL (08-)" leaves "Clock display" as read; the dashboard
    // rule, had it run, would have ticked it.
    car().setBlock("720", 0, QByteArray::fromHex("CD421010" "40"));
    goTo(blocks::tab("IPC"));
    read();
    EXPECT_EQ(selected("RadioGroupIPCrd"), "FL (08-)");
    EXPECT_FALSE(control<QCheckBox>(main(), "CheckBoxIPC47")->isChecked());
    EXPECT_TRUE(control<QCheckBox>(main(), "CheckBoxIPC46")->isChecked());

    // A choice: "Other" locks the write, a known item frees it; clicking the selected
    // item again is no change.
    goTo(blocks::tab("HVAC"));
    read();
    auto* writeButton = control<QWidget>(main(), "ButtonCONFwrite");
    ASSERT_TRUE(writeButton->isEnabled());
    clickItem("RadioGroupHVAC", 4);
    EXPECT_FALSE(writeButton->isEnabled());
    clickItem("RadioGroupHVAC", 0);
    EXPECT_TRUE(writeButton->isEnabled());
    writeButton->setEnabled(false);
    clickItem("RadioGroupHVAC", 0);
    EXPECT_FALSE(writeButton->isEnabled());
}

TEST_F(ConfigurationTabTest, AsBuiltAddressFollowsThePageAndTheBcmPart)
{
    goOffline();
    auto address = [this] {
        return asBuiltText("Label2") + "-" + asBuiltText("Label3") + "-" + asBuiltText("Label4");
    };
    EXPECT_EQ(asBuiltText("Label1"), "7     -     -");
    EXPECT_EQ(address(), "20-01-01");
    goTo(blocks::tab("BCM"));
    EXPECT_EQ(address(), "26-01-01");
    EXPECT_EQ(control<QLabel>(main(), "LabelCONF")->text(), "GEM модуль");

    control<QLineEdit>(program->FormAsBuilt(), "Edit1")->setText("12 34");
    clickItem("RadioGroupBCMrd", 1);
    EXPECT_EQ(address(), "26-02-01");
    EXPECT_EQ(asBuiltText("Edit1"), ""); // the part change clears the panel
    goTo(blocks::tab("IPC"));
    EXPECT_EQ(address(), "20-01-01");
    goTo(blocks::tab("BCM"));
    EXPECT_EQ(address(), "26-02-01");
    clickItem("RadioGroupBCMrd", 0);
    EXPECT_EQ(address(), "26-01-01");
}

// Another car's file against the demo car: the VIN difference on top, the door's option
// under its block; then restored from that file with its modules ticked.
TEST_F(ConfigurationTabTest, CompareWithTheCarAndRestoreFromAFile)
{
    goOnline();
    QTemporaryDir dir;
    nextOpenPath = dir.filePath(QStringLiteral("VehicleData.other.xml"));
    QFile file(nextOpenPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<VehicleData><VIN>WF0AXXWPDA9K99999</VIN><Modules><Module address=\"740\" title=\"DDM\">"
               "<Block elmindex=\"01\">BD</Block></Module></Modules></VehicleData>");
    file.close();
    QStringList vin;
    QStringList doorRow;
    QStringList vinBlock;
    onModal = [&](QDialog& window) {
        if (window.objectName() == QLatin1String("FormCompare")) {
            click(window, "ButtonCompareLeft");
            click(window, "ButtonCompareCar");
            vin << window.findChild<QLabel*>(QStringLiteral("LabelCompareVIN"))->text();
            auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("TreeCompare"));
            for (QTreeWidgetItem* row : tree->findItems(QStringLiteral("IPC (720)"), Qt::MatchExactly))
                vinBlock << row->text(1) + u' ' + row->text(4);
            for (QTreeWidgetItem* row : tree->findItems(QStringLiteral("DDM (740)"), Qt::MatchExactly)) {
                if (row->childCount() > 0)
                    doorRow << row->text(1) + u' ' + row->text(2) + u' ' + row->text(3) + u' ' + row->text(4)
                                   + u' ' + row->child(0)->text(0).trimmed();
            }
        } else if (window.objectName() == QLatin1String("FormRestore")) {
            vin << window.findChild<QLabel*>(QStringLiteral("LabelRestoreVIN"))->text();
            // Another car's settings: nothing ticked and Restore locked until said so.
            auto* agree = window.findChild<QPushButton*>(QStringLiteral("ButtonRestoreAgree"));
            auto* module = window.findChild<QTreeWidget*>(QStringLiteral("TreeRestore"))->topLevelItem(0);
            EXPECT_FALSE(agree->isEnabled());
            EXPECT_EQ(module->checkState(0), Qt::Unchecked);
            window.findChild<QCheckBox*>(QStringLiteral("CheckRestoreOtherCar"))->setChecked(true);
            EXPECT_EQ(module->checkState(0), Qt::Checked);
            click(window, "ButtonRestoreAgree");
        }
    };
    click(main(), "ButtonCONFcompare");
    EXPECT_EQ(doorRow, QStringList{"01 differs BD 3D Without module (facelift): да → нет"});
    // The instrument panel's VIN block as text before its hex.
    EXPECT_TRUE(vinBlock.contains("02 (not configuration) «WF0AXXWPDA9K12345»  57 46 30 41 58 58 57 50 44 41 39 4B 31 32 33 34 35"));
    click(main(), "ButtonCONFrestore");
    EXPECT_EQ(modals, (QStringList{"FormCompare", "FormRestore"}));
    ASSERT_EQ(vin.size(), 2);
    EXPECT_EQ(vin[0], QStringLiteral("The VINs differ: left WF0AXXWPDA9K99999, right WF0AXXWPDA9K12345"));
    EXPECT_TRUE(vin[1].contains(QStringLiteral("WF0AXXWPDA9K99999"))) << vin[1].toStdString();
    EXPECT_EQ(carBlock("740", 1), "BD");
}

// An option of a description file stands in a group captioned with the file, on the page
// of its block; it writes only once the file is trusted, and the confirmation says so.
TEST_F(ConfigurationTabTest, AnOptionOfADescriptionFileWritesOnceTheFileIsTrusted)
{
    car::Catalog catalog = car::ownCatalog();
    const QByteArray extension = R"json({"format": 1, "title": {"en": "Example"}, "extends": {"address": "726", "block": "03"},
        "options": [{"name": "CheckBoxExample32", "kind": "flag", "positions": [32], "caption": {"en": "Example flag"}}],
        "samples": [{"hex": "00000001", "options": {"CheckBoxExample32": 1}}]})json";
    const module_files::FileOutcome outcome = module_files::addDescriptionFile(catalog, extension, settingsDir() + "/example.json", true);
    ASSERT_TRUE(outcome.loaded());
    car::installCatalog(std::move(catalog));
    struct OwnCatalogAfter {
        ~OwnCatalogAfter() { car::installCatalog(car::ownCatalog()); }
    } restore;

    goOnline();
    goTo(blocks::tab("BCM"));
    read();
    auto* group = control<QGroupBox>(main(), "GroupBoxFile1");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), QStringLiteral("Example (description file example.json)"));
    EXPECT_EQ(group->findChild<QCheckBox*>(QStringLiteral("CheckBoxExample32"))->isEnabled(), true);
    clickBox(QStringLiteral("CheckBoxExample32"));
    write();
    EXPECT_TRUE(confirmations.isEmpty());
    EXPECT_TRUE(notices.join('\n').contains(QStringLiteral("example.json, которому нет доверия")));
    EXPECT_EQ(carBlock("726", 3), "E3D0D4FC");
    click(main(), "ButtonCONFfiles"); // the window where it is trusted, the connection kept
    EXPECT_EQ(modals, QStringList{"FormModuleFiles"});

    config::setTrusted(*outcome.file, true);
    write();
    ASSERT_EQ(confirmations.size(), 1);
    EXPECT_EQ(confirmations[0].changes, QStringList{QStringLiteral(
        "Example flag: нет → да — параметр из файла описания example.json (не из собственных TALMERO)")});
    EXPECT_EQ(carBlock("726", 3), "E3D0D4FD");
}
