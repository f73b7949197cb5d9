#include "shell_fixture.h"

#include "app/connection.h"
#include "app/log_view.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QLabel>
#include <QScrollBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

using talmero::app::Connection;
using talmero::app::LogView;

namespace {

void clickTab(QTabWidget* tabs, int page)
{
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
}

} // namespace

class MainWindowTest : public ShellTest {
protected:
    LogView* log() { return control<LogView>(main(), "MemoLOG"); }
    QTabWidget* tabs() { return control<QTabWidget>(main(), "TabbedMENU"); }
    QLabel* status() { return control<QLabel>(main(), "PanelStatus"); }

    // The buttons the configuration page will add; the frame must show and hide them.
    bool shown(const char* name) { return control<QWidget>(main(), name)->isVisibleTo(&main()); }
};

TEST_F(MainWindowTest, OfflineModeOffersOnlyTheConfiguration)
{
    startProgram();
    click(start(), "ButtonOffline");

    EXPECT_FALSE(start().isVisible());
    EXPECT_TRUE(main().isVisible());
    EXPECT_FALSE(main().state().online);
    EXPECT_EQ(log()->lines(), QStringList{"* Вход в OFFLINE режим"});
    EXPECT_EQ(status()->text(), "OFFLINE");
    EXPECT_EQ(status()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    for (const char* name : {"BitBtnSaveAuto", "ButtonCONFread", "ButtonCONFwrite"})
        EXPECT_FALSE(shown(name)) << name;
    EXPECT_EQ(control<QLabel>(main(), "LabelVINmain")->text(), "");

    EXPECT_EQ(tabs()->currentIndex(), talmero::app::TFormMain::PageConfiguration);
    for (int refused : {talmero::app::TFormMain::PageDiagnostics, talmero::app::TFormMain::PageModules,
                        talmero::app::TFormMain::PageAdditional}) {
        clickTab(tabs(), refused);
        EXPECT_EQ(tabs()->currentIndex(), talmero::app::TFormMain::PageConfiguration) << refused;
    }
    // Only the module pages that AS-BUILT lines serve (IPC, BCM) can be chosen.
    auto* modulePages = control<QTabWidget>(main(), "TabbedCONF");
    for (int page = 0; page < modulePages->count(); ++page)
        EXPECT_EQ(modulePages->isTabEnabled(page), page == 0 || page == 2) << page;
}

TEST_F(MainWindowTest, ExtraRoomGoesToTheLogAndTheCodesAndTheSizeIsKept)
{
    startProgram();
    connectTo(Connection::demoEntry());
    tabs()->setCurrentIndex(0);
    QWidget* codes = control<QWidget>(main(), "TreeDTC");
    QCoreApplication::processEvents();
    const QSize logBefore = log()->size();
    const QSize codesBefore = codes->size();
    main().resize(1200, 900);
    QCoreApplication::processEvents();
    EXPECT_GT(log()->height(), logBefore.height() + 100);
    EXPECT_GT(codes->height(), codesBefore.height() + 100);
    EXPECT_GT(codes->width(), codesBefore.width() + 150);

    click(main(), "PanelStatus");
    program.reset();
    startProgram();
    connectTo(Connection::demoEntry());
    EXPECT_EQ(main().size(), QSize(1200, 900));
}

// The log keeps its newest line in view across a resize (a maximised window made normal
// again), until the user scrolls away from the end.
TEST_F(MainWindowTest, TheLogFollowsNewLinesUntilTheUserScrollsAway)
{
    startProgram();
    click(start(), "ButtonOffline");
    QScrollBar* bar = log()->verticalScrollBar();
    auto atEnd = [&] { return bar->value() == bar->maximum(); };
    main().resize(1200, 900);
    for (int i = 0; i < 200; ++i)
        main().host().log(QStringLiteral("* line %1").arg(i));
    QCoreApplication::processEvents();
    main().resize(800, 560);
    QCoreApplication::processEvents();
    main().host().log("* after the resize");
    EXPECT_TRUE(atEnd());

    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    main().host().log("* while the user reads above");
    EXPECT_FALSE(atEnd());
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    main().host().log("* back at the end");
    EXPECT_TRUE(atEnd());
}

TEST_F(MainWindowTest, OnlineEveryTabAndButtonIsThere)
{
    startProgram();
    connectTo(Connection::demoEntry());

    ASSERT_TRUE(main().state().online);
    const QString adapterLine = "* Адаптер: ELM327 v1.5; переключение шин: переключатель на адаптере (по запросу)";
    EXPECT_EQ(log()->lines(), (QStringList{"* Открыт порт " + Connection::demoEntry(), adapterLine}));
    EXPECT_EQ(status()->text(), "  " + Connection::demoEntry());
    EXPECT_EQ(status()->palette().color(QPalette::WindowText), QColor(0, 0x80, 0));
    for (const char* name : {"BitBtnSaveAuto", "ButtonCONFread", "ButtonCONFwrite"})
        EXPECT_TRUE(shown(name)) << name;
    for (int page : {0, 2, 1}) {
        clickTab(tabs(), page);
        EXPECT_EQ(tabs()->currentIndex(), page);
    }
}

TEST_F(MainWindowTest, StatusPanelLeadsBackToTheStartWindow)
{
    startProgram();
    connectTo(Connection::demoEntry());
    ASSERT_NE(main().session(), nullptr);

    click(main(), "PanelStatus");
    EXPECT_EQ(log()->lines().last(), "* Порт закрыт");
    EXPECT_FALSE(main().state().online);
    EXPECT_EQ(main().session(), nullptr);
    EXPECT_FALSE(main().isVisible());
    EXPECT_TRUE(start().isVisible());

    // Offline now; the log keeps its lines, and the way back touches no port.
    click(start(), "ButtonOffline");
    click(main(), "PanelStatus");
    EXPECT_EQ(log()->lines(), (QStringList{"* Открыт порт " + Connection::demoEntry(), "* Адаптер: ELM327 v1.5; переключение шин: переключатель на адаптере (по запросу)", "* Порт закрыт",
                                           "* Вход в OFFLINE режим", "* Выход из OFFLINE режима"}));
    EXPECT_TRUE(start().isVisible());

    // Going online again after offline: all pages can be chosen again.
    connectTo(Connection::demoEntry());
    clickTab(tabs(), 0);
    EXPECT_EQ(tabs()->currentIndex(), 0);
}

TEST_F(MainWindowTest, WriteLogSavesEveryLineOnceWithTxt)
{
    QTemporaryDir dir;
    startProgram();
    click(start(), "ButtonOffline");
    main().host().log("> 2100");
    main().host().log("");
    main().host().log("! Модуль не ответил или отсутствует");
    const QByteArray expected = QStringLiteral("* Вход в OFFLINE режим\r\n> 2100\r\n\r\n"
                                               "! Модуль не ответил или отсутствует\r\n").toUtf8();

    const struct {
        const char* typed;
        const char* written;
    } cases[] = {{"log", "log.txt"}, {"log.txt", "log.txt"}, {"other.TXT", "other.TXT"}, {"a.txt.bak", "a.txt.bak.txt"}};
    for (const auto& c : cases) {
        nextSavePath = dir.filePath(c.typed);
        click(main(), "ButtonSaveLOG");
        QFile file(dir.filePath(c.written));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.typed;
        EXPECT_EQ(file.readAll(), expected) << c.typed;
        file.close();
        file.remove();
        EXPECT_TRUE(QDir(dir.path()).isEmpty()) << c.typed << ": no second file";
        // Where it went is said in the status line.
        EXPECT_EQ(control<QLabel>(main(), "LabelStatus")->text(),
                  "Лог сохранён: " + QDir::toNativeSeparators(dir.filePath(c.written)));
    }
    EXPECT_EQ(saveFilters.value(0), "Text file (*.txt)");
    // A name with the date and time is offered.
    EXPECT_TRUE(QFileInfo(saveSuggestions.value(0)).fileName().contains(QRegularExpression(
        "^talmero_log_\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d\\.txt$"))) << saveSuggestions.value(0).toStdString();
    EXPECT_TRUE(notices.isEmpty());
}

TEST_F(MainWindowTest, EmptyOrCancelledWriteLogWritesNothing)
{
    QTemporaryDir dir;
    startProgram();
    click(start(), "ButtonOffline");
    click(main(), "ButtonClearLOG");
    EXPECT_TRUE(log()->lines().isEmpty());

    nextSavePath = dir.filePath("log");
    click(main(), "ButtonSaveLOG");
    EXPECT_TRUE(saveFilters.isEmpty()) << "no dialog for an empty log";

    main().host().log("* line");
    nextSavePath.clear();
    click(main(), "ButtonSaveLOG");
    EXPECT_EQ(saveFilters.size(), 1);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(MainWindowTest, FailedWriteLogShowsTheErrorAndKeepsTheLog)
{
    QTemporaryDir dir;
    startProgram();
    click(start(), "ButtonOffline");
    const QStringList before = log()->lines();

    nextSavePath = dir.filePath("missing-folder/log");
    click(main(), "ButtonSaveLOG");
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains("missing-folder")) << notices[0].toStdString();
    EXPECT_EQ(log()->lines(), before);
}
