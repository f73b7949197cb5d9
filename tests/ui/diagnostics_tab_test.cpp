#include "diag_fixture.h"

#include "app/tab_diagnostics.h"
#include "diag/live_values.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QTreeWidget>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QChartView>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QValueAxis>

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

    // Kept as what it is: the heading, the table and the history say it is incomplete.
    const QString incomplete = "неполное чтение: прочитано модулей 6 из 11";
    EXPECT_TRUE(control<QLabel>(main(), "LabelDTCreading")->text().endsWith(incomplete));
    const QTreeWidget* tree = control<QTreeWidget>(main(), "TreeDTC");
    EXPECT_EQ(tree->topLevelItem(6)->text(0), "Водительский дверной модуль (DDM) — не прочитан");
    QString shown;
    onModal = [&](QDialog& window) {
        shown = control<QPlainTextEdit>(window, "MemoDTCreading")->toPlainText();
        EXPECT_TRUE(control<QListWidget>(window, "ListDTCreadings")->item(0)->text().endsWith(incomplete));
    };
    click(main(), "ButtonDTChistory");
    EXPECT_TRUE(shown.contains(incomplete + "\n")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("Водительский дверной модуль (DDM):\n  не прочитан\n")) << shown.toStdString();
}

// The table: a row per module, the codes beneath in words, the user's descriptions named.
TEST_F(DiagnosticsTabTest, TableShowsEachModuleAndWhatItsCodesMean)
{
    QFile own(QDir(settingsDir()).filePath("dtc-descriptions.csv"));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("code,en,ru\nP0420,Catalyst worn,Катализатор изношен\nB1342,Cluster fault,Панель неисправна\nX1,bad,bad\n");
    own.close();
    startProgram();
    main().findChild<talmero::app::TabDiagnostics*>("TabDiagnostics")->setDescriptionsPath(own.fileName());
    connectTo(talmero::app::Connection::demoEntry());
    control<QTabWidget>(main(), "TabbedMENU")->setCurrentIndex(TFormMain::PageDiagnostics);
    click(main(), "ButtonDTC");

    const QTreeWidget* tree = control<QTreeWidget>(main(), "TreeDTC");
    ASSERT_EQ(tree->topLevelItemCount(), 11);
    const auto row = [](const QTreeWidgetItem* item) {
        QStringList cells;
        for (int c = 0; c < item->columnCount(); ++c)
            cells << item->text(c);
        return cells;
    };
    EXPECT_EQ(tree->topLevelItem(0)->text(0), "Модуль управления двигателем (PCM) — ошибок: 1");
    EXPECT_EQ(row(tree->topLevelItem(0)->child(0)),
              (QStringList{"P0420", "Катализатор изношен", "сохранена, сейчас отсутствует", "нет", "2C", "ваш файл"}));
    // Under the engine's code, the values it kept when it stored it.
    const QTreeWidgetItem* frame = tree->topLevelItem(0)->child(0)->child(0);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->text(0), "Стоп-кадр кода P0420:");
    EXPECT_EQ(frame->childCount(), 11);
    EXPECT_EQ(frame->child(0)->text(0), "Обороты двигателя: 2240 об/мин");
    EXPECT_EQ(row(tree->topLevelItem(1)->child(0)),
              (QStringList{"B1342", "Панель неисправна", "сохранена, сейчас отсутствует", "нет", "20", "ваш файл"}));
    EXPECT_EQ(row(tree->topLevelItem(1)->child(1)),
              (QStringList{"U2023", "код производителя (сеть обмена данными)", "присутствует сейчас", "нет", "60",
                           "—"}));
    EXPECT_EQ(tree->topLevelItem(2)->text(0), "Модуль ABS/ESP (ABS) — ошибок нет");
    EXPECT_TRUE(control<QLabel>(main(), "LabelDTCreading")->text().endsWith("ошибок: 6, прочитано модулей 11 из 11"));
    EXPECT_TRUE(logged("! Файл описаний кодов " + own.fileName() + ", строка 4 пропущена: неверный код «X1»"));

    // Readiness beside the codes: each monitor since the codes were cleared and this cycle.
    click(main(), "ButtonReadiness");
    const QTreeWidget* monitors = control<QTreeWidget>(main(), "TreeReadiness");
    ASSERT_EQ(monitors->topLevelItemCount(), 11);
    EXPECT_EQ(row(monitors->topLevelItem(3)), (QStringList{"Каталитический нейтрализатор", "завершена", "не завершена"}));
    EXPECT_EQ(row(monitors->topLevelItem(4)), (QStringList{"Подогрев нейтрализатора", "не поддерживается", "не выполняется в этом цикле"}));
    EXPECT_TRUE(control<QLabel>(main(), "LabelReadiness")->text().contains("Кодов в памяти двигателя: 1"));
    EXPECT_EQ(control<QLabel>(main(), "LabelStatus")->text(), "Готовность систем: все поддерживаемые проверки завершены");

    // The text is the listing as it always was.
    click(main(), "ButtonDTCcopy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), control<QPlainTextEdit>(main(), "MemoDTC")->toPlainText());
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("Ошибок: 1\n#1 - P0420 статус: 2C\n\n"));

    // Connected anew: the codes are still there for "Crear", marked as from before.
    click(main(), "PanelStatus");
    connectTo(talmero::app::Connection::demoEntry());
    EXPECT_TRUE(control<QLabel>(main(), "LabelDTCreading")->text().contains("Прочитано при прошлом подключении"));
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
    EXPECT_TRUE(shown.contains("Панель приборов (IPC):\n  Ошибок: 2\n  B1342 статус 20\n    код производителя (кузов); "
                               "сохранена, сейчас отсутствует; лампу неисправности не запрашивает\n"))
        << shown.toStdString();
    QFile csv(nextSavePath);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(csv.readAll());
    EXPECT_TRUE(text.startsWith("time,vin,module,count,code,status,description,state,lamp,source,modules_read,modules_asked\n"));
    // Kept under the VIN the car's modules hold, not the one typed at connecting.
    EXPECT_TRUE(text.contains(",WF0AXXWPDA9K12345,PCM 7E0,1,P0420,0x2C,Каталитический нейтрализатор (ряд 1): эффективность ниже "
                              "порога,\"сохранена, сейчас отсутствует\",лампу неисправности не запрашивает,описание программы,11,11\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains(",PSCM 730,0,,,,,,,11,11\n"));
    EXPECT_EQ(control<QLabel>(main(), "LabelStatus")->text(), "Чтение сохранено: " + QDir::toNativeSeparators(nextSavePath));
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

    // The values picked at first, each with its reading and a plot.
    EXPECT_TRUE(control<QLabel>(main(), "LabelDrpm")->text().contains(QRegularExpression("^Обороты двигателя: \\d+ об/мин$")))
        << control<QLabel>(main(), "LabelDrpm")->text().toStdString();
    EXPECT_EQ(control<QLabel>(main(), "LabelDspeed")->text(), "Скорость автомобиля: 0 км/ч");
    EXPECT_EQ(control<QLabel>(main(), "LabelDbattery")->text(), "Напряжение на разъёме адаптера: 12.6 В");
    for (const char* plot : {"LabelDrpmplot", "LabelDspeedplot", "LabelDcoolantplot", "LabelDbatteryplot"}) {
        const QList<QAbstractSeries*> series = control<QChartView>(main(), plot)->chart()->series();
        ASSERT_EQ(series.size(), 1) << plot; // no gap: one line
        EXPECT_GE(static_cast<QLineSeries*>(series[0])->count(), 2) << plot;
    }
    EXPECT_TRUE(logged("* Чтение параметров двигателя остановлено"));
    EXPECT_FALSE(stop->isEnabled());

    QTimer::singleShot(300, &main(), &QWidget::close);
    click(main(), "ButtonDstart");
    EXPECT_TRUE(logged("* Остановка: окно закроется, когда закончится текущая операция"));
    EXPECT_FALSE(main().isVisible());
}

// Up to six values, of those the car announces; Record writes what is read; another
// connection starts with empty plots.
TEST_F(DiagnosticsTabTest, LiveValuesArePickedRecordedAndClearedForAnotherConnection)
{
    goOnline(TFormMain::PageDiagnostics);
    QAction* maf = control<QAction>(main(), "ActionDmaf");
    QAction* load = control<QAction>(main(), "ActionDload");
    QAction* throttle = control<QAction>(main(), "ActionDthrottle");
    maf->setChecked(true);
    load->setChecked(true);
    EXPECT_FALSE(throttle->isEnabled()); // six picked
    nextSavePath = QDir(settingsDir()).filePath("live.csv");
    auto* stop = control<QPushButton>(main(), "ButtonDstop");
    QTimer::singleShot(300, control<QPushButton>(main(), "ButtonDrecord"), &QPushButton::click);
    QTimer::singleShot(2500, stop, &QPushButton::click);
    click(main(), "ButtonDstart");

    // The car has no air flow sensor: it is not offered, and the log says it was dropped.
    EXPECT_FALSE(maf->isChecked());
    EXPECT_FALSE(maf->isEnabled());
    EXPECT_TRUE(throttle->isEnabled());
    EXPECT_TRUE(logged("! Двигатель не сообщает параметры: Массовый расход воздуха"));
    QFile csv(nextSavePath);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(csv.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], "time [s],rpm [rpm],speed [km/h],coolant [°C],load [%],battery [V]");
    EXPECT_TRUE(lines[1].contains(QRegularExpression("^\\d+\\.\\d,\\d+,0,\\d+,\\d+\\.\\d,12\\.6$"))) << lines[1].toStdString();
    EXPECT_TRUE(logged(QStringLiteral("* Запись показаний остановлена: %1 строк в файле %2").arg(lines.size() - 1).arg(nextSavePath)));

    // Opened again, the recording is drawn whole in the plots: on its own time axis, each
    // value with its unit, a speed that stayed 0 on a range from 0 up.
    nextOpenPath = nextSavePath;
    click(main(), "ButtonDplay");
    const QChart* speed = control<QChartView>(main(), "LabelDspeedplot")->chart();
    const auto* axis = qobject_cast<QValueAxis*>(speed->axes(Qt::Vertical).value(0));
    ASSERT_TRUE(axis);
    EXPECT_EQ(axis->titleText(), "км/ч");
    EXPECT_EQ(axis->min(), 0);
    EXPECT_GT(axis->max(), 0);
    qsizetype points = 0;
    for (QAbstractSeries* piece : speed->series())
        points += static_cast<QLineSeries*>(piece)->count();
    EXPECT_EQ(points, lines.size() - 1);
    EXPECT_FALSE(maf->isChecked());
    EXPECT_TRUE(control<QLabel>(main(), "LabelDstate")->text().startsWith(QStringLiteral("Запись live.csv: строк %1").arg(lines.size() - 1)));

    click(main(), "PanelStatus");
    connectTo(talmero::app::Connection::demoEntry());
    EXPECT_TRUE(maf->isEnabled()); // another car may have one
    EXPECT_TRUE(control<QChartView>(main(), "LabelDrpmplot")->chart()->series().isEmpty());
    EXPECT_EQ(control<QLabel>(main(), "LabelDrpm")->text(), "Обороты двигателя: —");
}
