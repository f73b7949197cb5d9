#include "diag_fixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QChartView>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

using talmero::app::TFormMain;

class DiagnosticsTabTest : public DiagWindowTest {
protected:
    QStringList memo() { return control<QPlainTextEdit>(main(), "MemoDTC")->toPlainText().split('\n'); }
    bool clearEnabled() { return control<QWidget>(main(), "ButtonDTCclear")->isEnabled(); }
};

TEST_F(DiagnosticsTabTest, ReadListsEveryModuleShowsProgressAndClearEmptiesTheCar)
{
    goOnline(TFormMain::PageDiagnostics);
    EXPECT_FALSE(clearEnabled());
    // The bus prompts come before the first module and after the fifth.
    QStringList progressAtPrompts;
    onNotice = [&](const QString&) {
        progressAtPrompts.append(control<QLabel>(main(), "LabelDTCprogress")->text());
    };
    click(main(), "ButtonDTC");
    onNotice = nullptr;

    EXPECT_EQ(progressAtPrompts, (QStringList{"", "Module 5 of 11: PSCM"}));
    EXPECT_EQ(control<QLabel>(main(), "LabelDTCprogress")->text(), "");
    const QStringList lines = memo();
    const QStringList pcm{"Модуль управления двигателем (PCM):", "Ошибок: 1", "#1 - P0420 статус: 2C", ""};
    const QStringList ipc{"Панель приборов (IPC):", "Ошибок: 2", "#1 - B1342 статус: 20",
                          "#2 - U2023 статус: 60", ""};
    const QStringList bcm{"GEM модуль (BCM):", "Ошибок: 3", "#1 - B1317 статус: 20",
                          "#2 - B2477 статус: 28", "#3 - U1900 статус: 60", ""};
    // Each reading starts with its date and time.
    EXPECT_TRUE(lines.value(0).contains(QRegularExpression("^=== \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d ===$")))
        << lines.value(0).toStdString();
    EXPECT_EQ(lines.mid(1, 4), pcm);
    EXPECT_EQ(lines.mid(5, 5), ipc);
    const qsizetype bcmAt = lines.indexOf("GEM модуль (BCM):");
    EXPECT_EQ(lines.mid(bcmAt, 6), bcm);
    EXPECT_EQ(lines.last(), "Ошибок: 0"); // the ACM's section has no empty line after it
    EXPECT_EQ(lines.count(QStringLiteral("Ошибок: 0")), 8);
    EXPECT_TRUE(logged("! В модулях присутствуют ошибки"));
    EXPECT_TRUE(clearEnabled());

    click(main(), "ButtonDTCclear");
    for (const char* adr : {"7E0", "720", "726"})
        EXPECT_TRUE(car().dtcs(adr).isEmpty()) << adr;
    EXPECT_EQ(memo(), QStringList{"* Операция выполнена"});
    EXPECT_FALSE(clearEnabled());

    // Reading again appends below, after an empty line, and finds nothing.
    click(main(), "ButtonDTC");
    EXPECT_EQ(memo().mid(0, 2), (QStringList{"* Операция выполнена", ""}));
    EXPECT_TRUE(memo().value(2).startsWith("=== "));
    EXPECT_EQ(log().last(), "* В модулях ошибок нет");
    EXPECT_FALSE(clearEnabled());
}

// Cancel at a bus prompt or with the button beside the progress: the reading stops there.
TEST_F(DiagnosticsTabTest, ReadingCanBeCancelled)
{
    goOnline(TFormMain::PageDiagnostics);
    acknowledgeAnswers = {false};
    click(main(), "ButtonDTC");
    EXPECT_EQ(log().last(), "* Операция отменена пользователем");
    EXPECT_FALSE(log().contains("> ATSP6"));
    EXPECT_FALSE(control<QWidget>(main(), "ButtonDTCcancel")->isVisible());

    // The button, pressed while the reading waits at the medium-speed bus prompt: the
    // module under way is read, then the reading stops.
    onNotice = [&](const QString& text) {
        if (text.contains("MSCAN"))
            click(main(), "ButtonDTCcancel");
    };
    click(main(), "ButtonDTC");
    onNotice = nullptr;
    EXPECT_EQ(log().last(), "* Операция отменена пользователем") << log().last().toStdString();
    EXPECT_TRUE(log().contains("> ATSH726"));
    EXPECT_FALSE(log().contains("> ATSH740"));
}

// The list stays until the modules confirm the clearing; every reading is kept, shown
// and exported after the codes are gone from the car.
TEST_F(DiagnosticsTabTest, ListOutlivesACancelledClearingAndReadingsAreKept)
{
    goOnline(TFormMain::PageDiagnostics);
    click(main(), "ButtonDTC");
    const QStringList read = memo();
    acknowledgeAnswers = {false}; // Cancel at the bus prompt
    click(main(), "ButtonDTCclear");
    EXPECT_EQ(memo(), read);
    EXPECT_TRUE(clearEnabled());
    EXPECT_FALSE(car().dtcs("7E0").isEmpty());

    click(main(), "ButtonDTCclear");
    ASSERT_TRUE(car().dtcs("7E0").isEmpty());
    nextSavePath = QDir(settingsDir()).filePath("codes.csv");
    QString shown;
    onModal = [&](QDialog& window) {
        shown = control<QPlainTextEdit>(window, "MemoDTCreading")->toPlainText();
        click(window, "ButtonDTCexport");
    };
    click(main(), "ButtonDTChistory");
    EXPECT_TRUE(shown.contains("Панель приборов (IPC):\n  Ошибок: 2\n  B1342 статус 20\n")) << shown.toStdString();
    QFile csv(nextSavePath);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(csv.readAll());
    EXPECT_TRUE(text.startsWith("time,vin,address,module,count,code,status\n"));
    EXPECT_TRUE(text.contains(",WF0AXXGCDA1234567,7E0,PCM,1,P0420,2C\n")) << text.toStdString();
    EXPECT_TRUE(text.contains(",730,PSCM,0,,\n"));
}

TEST_F(DiagnosticsTabTest, CodesReadBeforeAReconnectAreClearedInTheNewConnection)
{
    goOnline(TFormMain::PageDiagnostics);
    click(main(), "ButtonDTC");
    ASSERT_TRUE(clearEnabled());
    // Back to the start window and in again: a new channel, adapter and session.
    click(main(), "PanelStatus");
    connectTo(talmero::app::Connection::demoEntry());
    ASSERT_TRUE(main().state().online);
    ASSERT_FALSE(car().dtcs("726").isEmpty());

    click(main(), "ButtonDTCclear");
    for (const char* adr : {"7E0", "720", "726"})
        EXPECT_TRUE(car().dtcs(adr).isEmpty()) << adr;
    EXPECT_TRUE(logged("* Стираем ошибки модуля по адресу 726"));
}

TEST_F(DiagnosticsTabTest, LivePanelReadsUntilStopPlotsEachValueAndStopsForAClose)
{
    goOnline(TFormMain::PageDiagnostics);
    auto* stop = control<QPushButton>(main(), "ButtonDstop");
    EXPECT_FALSE(stop->isEnabled());
    QTimer::singleShot(1500, stop, &QPushButton::click);
    click(main(), "ButtonDstart"); // returns once stopped

    EXPECT_EQ(control<QLabel>(main(), "LabelDrpm")->text(), "Engine speed - 800 об/мин");
    EXPECT_EQ(control<QLabel>(main(), "LabelDtemp")->text(), "Temperature - 83 °C");
    EXPECT_EQ(control<QLabel>(main(), "LabelDbatt")->text(), "Voltage - 12.6 В");
    for (const char* plot : {"LabelDrpmplot", "LabelDtempplot", "LabelDbattplot"}) {
        const QList<QAbstractSeries*> series = control<QChartView>(main(), plot)->chart()->series();
        ASSERT_EQ(series.size(), 1) << plot;
        EXPECT_GE(static_cast<QLineSeries*>(series[0])->count(), 2) << plot;
    }
    EXPECT_TRUE(logged("* Чтение параметров двигателя остановлено"));
    EXPECT_FALSE(stop->isEnabled());

    QTimer::singleShot(300, &main(), &QWidget::close);
    click(main(), "ButtonDstart");
    EXPECT_TRUE(logged("* Остановка: окно закроется, когда закончится текущая операция"));
    EXPECT_FALSE(main().isVisible());
}
