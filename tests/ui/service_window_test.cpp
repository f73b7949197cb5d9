#include "diag_fixture.h"

#include "app/form_calc.h"

#include <QScreen>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>

using talmero::app::TFormMain;

namespace {

const QString kNotSupported = QStringLiteral("не поддерживается");
const QString kBcmNotice = QStringLiteral("Вторая часть конфигурации модуля BCM находится по адресу \"04\"\n\n"
                                          "Информации о VIN коде модуль не содержит");
// Items of the module choice, in module-table order.
enum Item { IPC = 0, ACM = 1, BCM = 2, DDM = 3, ABS = 7, PSCM = 9, PCM = 10 };

} // namespace

class ServiceWindowTest : public DiagWindowTest {
protected:
    void choose(int item)
    {
        const QByteArray name = "RadioGroupMod" + QByteArray::number(item);
        click(main(), name.constData());
    }
    QString text(const char* name)
    {
        QWidget* w = control<QWidget>(main(), name);
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            return edit->text();
        return qobject_cast<QLabel*>(w)->text();
    }
    void setEdit(const char* name, const QString& value) { control<QLineEdit>(main(), name)->setText(value); }
    bool enabled(const char* name) { return control<QWidget>(main(), name)->isEnabled(); }

    // Clicks LabelEM; while the calculator is open, `edit` runs on it, then it is closed.
    void throughCalculator(const std::function<void(talmero::app::TFormCalc&)>& edit)
    {
        auto& calc = program->FormCalc();
        bool shown = false;
        QTimer::singleShot(0, &calc, [&] {
            shown = calc.isVisible();
            edit(calc);
            click(calc, "ButtonCl");
        });
        QTest::mouseClick(control<QWidget>(main(), "LabelEM"), Qt::LeftButton);
        EXPECT_TRUE(shown);
        EXPECT_FALSE(calc.isVisible());
    }
};

TEST_F(ServiceWindowTest, ModuleChoiceSetsTheGroupsAndTheBcmNoticeComesEveryTime)
{
    goOnline(TFormMain::PageAdditional);
    EXPECT_TRUE(control<QRadioButton>(main(), "RadioGroupMod0")->isChecked());
    EXPECT_EQ(main().state().curModul->name, "IPC");
    EXPECT_EQ(text("EditEMad"), "00");
    EXPECT_EQ(text("EditVINad"), "02");
    EXPECT_FALSE(enabled("EditEMad"));
    EXPECT_FALSE(enabled("EditVINad"));
    EXPECT_FALSE(enabled("ButtonRestart"));

    choose(PSCM);
    EXPECT_FALSE(enabled("GroupBoxEM"));
    EXPECT_EQ(text("LabelEM"), kNotSupported);
    EXPECT_TRUE(enabled("GroupBoxVIN"));
    EXPECT_FALSE(enabled("ButtonRestart"));
    choose(PCM);
    EXPECT_FALSE(enabled("GroupBoxEM"));
    EXPECT_FALSE(enabled("GroupBoxVIN"));
    EXPECT_EQ(text("LabelVIN"), kNotSupported);
    EXPECT_TRUE(enabled("ButtonRestart"));
    EXPECT_TRUE(notices.isEmpty());

    choose(BCM);
    choose(IPC);
    choose(BCM);
    EXPECT_EQ(notices, QStringList{kBcmNotice}); // once in a session
    EXPECT_FALSE(enabled("GroupBoxVIN"));
    EXPECT_TRUE(enabled("GroupBoxEM"));
    EXPECT_EQ(text("EditEMad"), "03");
    EXPECT_EQ(text("LabelEM"), "");
}

TEST_F(ServiceWindowTest, AddressEditsTakeUpperCaseHexOnlyWhileTicked)
{
    goOnline(TFormMain::PageAdditional);
    auto* edit = control<QLineEdit>(main(), "EditEMad");
    click(main(), "CheckBoxEMad");
    ASSERT_TRUE(edit->isEnabled());
    edit->clear();
    QTest::keyClicks(edit, "g0x3z");
    EXPECT_EQ(edit->text(), "03");
    edit->clear();
    QTest::keyClicks(edit, "ab");
    EXPECT_EQ(edit->text(), "AB");
    click(main(), "CheckBoxEMad");
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_EQ(edit->text(), "AB"); // kept while disabled

    // A lower-case address typed for the VIN still reads it (ACM: block 01).
    choose(ACM);
    click(main(), "CheckBoxVINad");
    auto* vinEdit = control<QLineEdit>(main(), "EditVINad");
    vinEdit->clear();
    QTest::keyClicks(vinEdit, "01");
    click(main(), "ButtonReadVIN");
    EXPECT_EQ(text("LabelVIN"), car().vin());
}

TEST_F(ServiceWindowTest, ReadsTheVinOnBothBusesAndFromTheAbs)
{
    goOnline(TFormMain::PageAdditional);
    for (int item : {IPC, DDM, ABS}) {
        SCOPED_TRACE(item);
        choose(item);
        click(main(), "ButtonReadVIN");
        EXPECT_EQ(text("LabelVIN"), car().vin());
    }
    EXPECT_EQ(car().vin().size(), 17);
}

TEST_F(ServiceWindowTest, ManualReadWriteAndInvalidText)
{
    goOnline(TFormMain::PageAdditional);
    click(main(), "ButtonReadEM");
    EXPECT_EQ(text("LabelEM"), "CD 42 10 10 C0");

    choose(DDM);
    notices.clear();
    setEdit("EditEM", "3G");
    click(main(), "ButtonWriteEM");
    EXPECT_EQ(notices, QStringList{"Неверная строка!"});
    EXPECT_EQ(text("EditEM"), "3G");
    EXPECT_EQ(car().block("740", 1), QByteArray::fromHex("3D"));
    EXPECT_FALSE(log().last().startsWith("* Запись"));

    setEdit("EditEM", "3c");
    click(main(), "ButtonWriteEM");
    EXPECT_EQ(car().block("740", 1), QByteArray::fromHex("3C"));
    EXPECT_EQ(log().last(), "* Запись проверена: модуль содержит записанные данные");
    ASSERT_EQ(confirmations.size(), 1);
    EXPECT_EQ(confirmations[0].newHex, "3C");
    EXPECT_EQ(text("EditEM"), "");
    EXPECT_EQ(text("LabelEM"), "");
}

TEST_F(ServiceWindowTest, BlockGoesThroughTheCalculatorAndBackIntoTheCar)
{
    goOnline(TFormMain::PageAdditional);
    choose(DDM);
    click(main(), "ButtonReadEM");
    ASSERT_EQ(text("LabelEM"), "3D");

    // Escape keeps the value the calculator was opened with, as it says.
    throughCalculator([](talmero::app::TFormCalc& calc) {
        EXPECT_EQ(calc.findChild<QLabel*>("LabelKeys")->text(), "Enter: take the value.\nEscape: keep 3D");
        calc.findChild<QLineEdit*>("Edit2")->setText("00000000");
        QTest::keyClick(&calc, Qt::Key_Escape);
    });
    EXPECT_EQ(text("EditEM"), "3D");
    // Closed without a change: the same digits, ready to write.
    throughCalculator([](talmero::app::TFormCalc&) {});
    EXPECT_EQ(text("EditEM"), "3D");
    EXPECT_EQ(main().state().calcText, "3D");

    // One bit changed in the bit field.
    throughCalculator([this](talmero::app::TFormCalc& calc) {
        auto* bits = control<QLineEdit>(calc, "Edit2");
        EXPECT_EQ(bits->text(), "00111101");
        bits->setText("00111111");
    });
    EXPECT_EQ(text("EditEM"), "3F");
    click(main(), "ButtonWriteEM");
    EXPECT_EQ(car().block("740", 1), QByteArray::fromHex("3F"));

    // A long block is shown whole, in the tab and in the calculator.
    const QByteArray vin = car().vin().toLatin1();
    car().setBlock("740", 1, vin);
    click(main(), "ButtonReadEM");
    EXPECT_EQ(text("LabelEM"), QString::fromLatin1(vin.toHex(' ').toUpper()));
    throughCalculator([this](talmero::app::TFormCalc& calc) {
        auto* bits = control<QLineEdit>(calc, "Edit2");
        EXPECT_EQ(bits->text().size(), 17 * 9 - 1);
        // As wide as the bits, or as the screen allows with the first byte in view.
        const int screenRoom = calc.screen()->availableGeometry().width() - 40;
        EXPECT_GE(calc.width(), qMin(bits->fontMetrics().horizontalAdvance(bits->text()), screenRoom));
        EXPECT_EQ(bits->cursorPosition(), 0);
    });
}

// The result is said in the status line too, a declined restart as such.
TEST_F(ServiceWindowTest, RestartsTheBcmAndTheEngineModule)
{
    goOnline(TFormMain::PageAdditional);
    for (int item : {BCM, PCM}) {
        choose(item);
        click(main(), "ButtonRestart");
        EXPECT_EQ(log().last(), "* Модуль перезагружен");
    }
    EXPECT_EQ(control<QLabel>(main(), "LabelStatus")->text(), "Модуль перезагружен: PCM");
    EXPECT_EQ(car().restarts("726"), 1);
    EXPECT_EQ(car().restarts("7E0"), 1);

    confirmAnswers = {false};
    click(main(), "ButtonRestart");
    EXPECT_EQ(control<QLabel>(main(), "LabelStatus")->text(), "Перезагрузка отменена");
    EXPECT_EQ(car().restarts("7E0"), 1);
}

// The status line names the outcome of the operation just finished, whatever another one
// said before it: a block written by hand, a code reading, a scan, an undo. At the opening
// size it has a row of its own, below everything else, the whole text on hover.
TEST_F(ServiceWindowTest, StatusLineSaysTheOperationJustFinished)
{
    goOnline(TFormMain::PageAdditional);
    ASSERT_EQ(main().size(), QSize(792, 566));
    const auto status = [this] {
        auto* line = control<QLabel>(main(), "LabelStatus");
        const QRect room(line->mapTo(&main(), QPoint(0, 0)), line->size()); // below the log, the window's width
        EXPECT_TRUE(line->isVisible() && main().rect().contains(room) && room.width() > 600 && room.height() >= line->fontMetrics().height()
                    && room.top() > control<QWidget>(main(), "MemoLOG")->geometry().bottom());
        EXPECT_EQ(line->toolTip(), line->text());
        return line->text();
    };
    const auto page = [this](TFormMain::Page p) { control<QTabWidget>(main(), "TabbedMENU")->setCurrentIndex(p); };
    choose(DDM);
    setEdit("EditEM", "3C");
    click(main(), "ButtonWriteEM");
    ASSERT_EQ(car().block("740", 1), QByteArray::fromHex("3C"));
    EXPECT_TRUE(status().startsWith("Запись проверена: модуль содержит записанные данные")) << status().toStdString();

    page(TFormMain::PageDiagnostics);
    click(main(), "ButtonDTC");
    EXPECT_EQ(status(), "В модулях присутствуют ошибки");

    page(TFormMain::PageModules);
    click(main(), "ButtonScan");
    EXPECT_EQ(status(), "Опрос завершён: ответили модулей 11 из 11");

    onModal = [this](QDialog& window) {
        auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("TreeHistory"));
        ASSERT_NE(tree, nullptr);
        tree->setCurrentItem(tree->topLevelItem(0));
        click(window, "ButtonRestore");
    };
    page(TFormMain::PageConfiguration);
    click(main(), "ButtonCONFhistory");
    EXPECT_EQ(car().block("740", 1), QByteArray::fromHex("3D"));
    EXPECT_EQ(status(), "Запись проверена: модуль содержит записанные данные");

    click(main(), "ButtonCONFread");
    EXPECT_EQ(status(), "Конфигурация прочитана: IPC (Панель приборов)");
}
