#include "diag_fixture.h"

#include <QLabel>
#include <QTableWidget>

using talmero::app::TFormMain;

class ModulesTabTest : public DiagWindowTest {
protected:
    QTableWidget* table() { return control<QTableWidget>(main(), "TableModules"); }
    // The row of a module by its address.
    QStringList row(const QString& address)
    {
        for (int r = 0; r < table()->rowCount(); ++r) {
            if (table()->item(r, 1)->text() == address) {
                QStringList cells;
                for (int c = 0; c < table()->columnCount(); ++c)
                    cells << table()->item(r, c)->text();
                return cells;
            }
        }
        return {};
    }
    QString text(const char* label) { return control<QLabel>(main(), label)->text(); }
};

// The scan, one bus at a time; the VINs name the car in the status panel and a module of
// another car stands out; the codes come from the Diagnostics tab's reading; another
// connection leaves nothing of this car.
TEST_F(ModulesTabTest, ScanShowsEachModuleItsVinAndCodesAndTheStatusPanelNamesTheCar)
{
    goOnline(TFormMain::PageModules);
    EXPECT_EQ(text("LabelVINmain"), "WF0AXXGCDA1234567");
    EXPECT_EQ(text("LabelVINsource"), "введён, из автомобиля не прочитан");
    car().setPresent("734", false);
    car().setBlock("741", 0x00, "WF0BXXGCDB7654321"); // a used door module

    // Cancel at the medium-speed bus prompt: the high-speed modules are in, the rest not asked.
    acknowledgeAnswers = {true, false};
    click(main(), "ButtonScan");
    EXPECT_EQ(notices, (QStringList{"Переключите адаптер на высокую шину (HSCAN)\nСледующий модуль: Панель приборов (IPC)",
                                    "Переключите адаптер на среднюю шину (MSCAN)\nСледующий модуль: Аудиомодуль (ACM)"}));
    EXPECT_EQ(row("720"), (QStringList{"IPC (Панель приборов)", "720", "HSCAN", "отвечает", "WF0AXXWPDA9K12345", ""}));
    EXPECT_EQ(row("727").mid(3, 2), (QStringList{"не опрошен", ""}));
    EXPECT_TRUE(text("LabelScan").contains("опрос не закончен: ответили модулей 4 из 11")) << text("LabelScan").toStdString();

    click(main(), "ButtonScan");
    EXPECT_EQ(row("734").mid(3, 2), (QStringList{"не отвечает", ""}));
    EXPECT_EQ(row("726").mid(3, 2), (QStringList{"отвечает", "—"}));
    EXPECT_EQ(row("737").mid(3, 2), (QStringList{"отвечает", "WF0AXXWPDA9K12345"})); // opened without a session
    EXPECT_EQ(row("741").mid(3, 2), (QStringList{"отвечает", "WF0BXXGCDB7654321"}));
    EXPECT_EQ(table()->item(4, 4)->foreground().color(), QColor(0xB0, 0x00, 0x00)); // PDM's row
    EXPECT_TRUE(text("LabelScan").endsWith("ответили модулей 10 из 11   VIN автомобиля WF0AXXWPDA9K12345"))
        << text("LabelScan").toStdString();
    EXPECT_TRUE(logged("! HCM: Модуль не ответил или отсутствует"));

    // The status panel: the car's VIN, and that the typed one is another; a write knows it.
    EXPECT_EQ(text("LabelVINmain"), "WF0AXXWPDA9K12345");
    EXPECT_EQ(text("LabelVINsource"), "введён другой: WF0AXXGCDA1234567");
    EXPECT_EQ(main().state().moduleVins.value("720"), "WF0AXXWPDA9K12345");

    control<QTabWidget>(main(), "TabbedMENU")->setCurrentIndex(TFormMain::PageDiagnostics);
    click(main(), "ButtonDTC");
    EXPECT_EQ(row("720").last(), "2");
    EXPECT_EQ(row("726").last(), "3");
    EXPECT_EQ(row("730").last(), "0");
    EXPECT_EQ(row("734").last(), "не прочитаны");
    click(main(), "ButtonDTCclear");
    EXPECT_EQ(row("720").last(), "");

    click(main(), "PanelStatus");
    connectTo(talmero::app::Connection::demoEntry());
    EXPECT_EQ(row("720").mid(3), (QStringList{"", "", ""}));
    EXPECT_TRUE(text("LabelScan").startsWith("Новое подключение")) << text("LabelScan").toStdString();
    EXPECT_EQ(text("LabelVINmain"), "WF0AXXGCDA1234567");
    EXPECT_EQ(text("LabelVINsource"), "введён, из автомобиля не прочитан");

    // Without the instrument panel, identity modules that disagree leave the car unnamed.
    car().setPresent("720", false);
    car().setBlock("760", 0x00, "WF0BXXGCDB7654321");
    click(main(), "ButtonScan");
    EXPECT_EQ(text("LabelVINmain"), "WF0AXXGCDA1234567");
    EXPECT_EQ(text("LabelVINsource"), "модули автомобиля называют разные VIN");
    EXPECT_TRUE(text("LabelScan").endsWith("модули называют разные VIN: ABS: WF0BXXGCDB7654321; HCM: WF0AXXWPDA9K12345; "
                                           "PSCM: WF0AXXWPDA9K12345"))
        << text("LabelScan").toStdString();

    // Nothing typed: the seventeen zeros are no VIN to set against the car's.
    car().setPresent("720", true);
    connectTo(talmero::app::Connection::demoEntry(), QStringLiteral("00000000000000000"));
    EXPECT_EQ(text("LabelVINsource"), "не введён, из автомобиля не прочитан");
    click(main(), "ButtonScan");
    EXPECT_EQ(text("LabelVINsource"), "из автомобиля (IPC)");
}
