#include "shell_fixture.h"

#include "app/confirm_dialog.h"
#include "app/connection.h"
#include "app/form_asbuilt.h"
#include "app/form_calc.h"
#include "app/log_view.h"
#include "config/pages.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QTranslator>
#include "support/blocks.h"

namespace {

using talmero::app::TFormMain;

// Words of the Polish captions the program once had.
const QRegularExpression kForeign(QStringLiteral("[\\x{0400}-\\x{04FF}]|pozostale|wiersze|Zamknac|okno|zapisu|"
                                                 "Kalkulator|Konfiguracja|auta|dokument|tekstowy"));

// Everything a window shows in words.
QStringList textsOf(QWidget& root)
{
    QStringList texts{root.windowTitle()};
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    for (QWidget* w : widgets) {
        texts << w->toolTip();
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        if (auto* box = qobject_cast<QGroupBox*>(w))
            texts << box->title();
        // The language list names each language in itself ("Русский"), on purpose.
        if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->objectName() != QLatin1String("ComboLanguage")) {
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i) << combo->itemData(i, Qt::ToolTipRole).toString();
        }
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        }
        if (auto* table = qobject_cast<QTableWidget*>(w)) {
            for (int c = 0; c < table->columnCount(); ++c) {
                texts << table->horizontalHeaderItem(c)->text() << table->horizontalHeaderItem(c)->toolTip();
                for (int r = 0; r < table->rowCount(); ++r)
                    texts << (table->item(r, c) ? table->item(r, c)->text() + table->item(r, c)->toolTip() : QString());
            }
        }
    }
    return texts;
}

// The program with its English translation: nothing it shows may be Russian or Polish.
class EnglishTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        ASSERT_TRUE(m_translator.load(QStringLiteral(":/i18n/talmero_en.qm")));
        QCoreApplication::installTranslator(&m_translator);
        // The confirmations are shown as the window would show them.
        talmero::app::dialogs().confirm = [this](QWidget*, const talmero::link::ChangeRequest& request) {
            talmero::app::ConfirmDialog dialog(request);
            collect(QStringLiteral("confirmation"), dialog);
            return true;
        };
    }
    void TearDown() override
    {
        QCoreApplication::removeTranslator(&m_translator);
        ShellTest::TearDown();
    }

    void collect(const QString& where, QWidget& window)
    {
        for (const QString& text : textsOf(window))
            check(where, text);
    }
    void check(const QString& where, const QString& text)
    {
        if (text.contains(kForeign))
            foreign << where + QStringLiteral(": ") + text;
    }
    void tab(TFormMain::Page page) { control<QTabWidget>(main(), "TabbedMENU")->setCurrentIndex(page); }
    void configPage(int page) { control<QTabWidget>(main(), "TabbedCONF")->setCurrentIndex(page); }

    QStringList foreign;

private:
    QTranslator m_translator;
};

TEST_F(EnglishTest, EveryWindowDialogAndLogLineIsEnglish)
{
    startProgram();
    collect(QStringLiteral("start window"), start());
    connectTo(talmero::app::Connection::demoEntry());
    ASSERT_TRUE(main().state().online);

    // Every configuration page as the car fills it, one write, the AS-BUILT window.
    tab(TFormMain::PageConfiguration);
    for (int page = 0; page < int(talmero::config::pageInfos().size()); ++page) {
        configPage(page);
        click(main(), "ButtonCONFread");
        collect(QStringLiteral("configuration page %1").arg(page), main());
    }
    configPage(blocks::tab("IPC"));
    click(main(), "ButtonCONFread");
    click(main(), "CheckBoxIPC07");
    click(main(), "ButtonCONFwrite");
    onModal = [this](QDialog& window) { collect(window.objectName(), window); };
    click(main(), "ButtonCONFread");
    click(main(), "ButtonCONFgetASBUILT");
    click(main(), "ButtonCONFhistory");

    // Backup, trouble codes, the service functions and the calculator.
    QTemporaryDir folder;
    nextFolder = folder.path();
    click(main(), "BitBtnSaveAuto");
    tab(TFormMain::PageDiagnostics);
    click(main(), "ButtonDTC");
    collect(QStringLiteral("diagnostics"), main());
    click(main(), "ButtonDTCclear");
    tab(TFormMain::PageModules);
    click(main(), "ButtonScan");
    collect(QStringLiteral("modules"), main());
    tab(TFormMain::PageAdditional);
    click(main(), "ButtonReadVIN");
    click(main(), "ButtonReadEM");
    auto& calc = program->FormCalc();
    QTimer::singleShot(0, &calc, [&] {
        collect(QStringLiteral("calculator"), calc);
        click(calc, "ButtonCl");
    });
    QTest::mouseClick(control<QWidget>(main(), "LabelEM"), Qt::LeftButton);
    click(main(), "RadioGroupMod2"); // the BCM: restart, and a notice
    click(main(), "ButtonRestart");
    collect(QStringLiteral("service"), main());

    for (const QString& notice : notices)
        check(QStringLiteral("notice"), notice);
    const QStringList log = control<talmero::app::LogView>(main(), "MemoLOG")->lines();
    for (const QString& line : log) {
        // The exchange lines are the adapter's own words, the same in every language.
        if (!line.startsWith(QLatin1String("> ")) && !line.startsWith(QLatin1String("< ")))
            check(QStringLiteral("log"), line);
    }
    EXPECT_GT(log.size(), 100); // the run really went through it all
    EXPECT_EQ(modals, (QStringList{"FormAsBuilt", "FormHistory"}));
    EXPECT_TRUE(foreign.isEmpty()) << foreign.join(u'\n').toStdString();
}

// In Russian the tab row, the BCM page's options and the confirmation of a write are Russian.
TEST_F(ShellTest, RussianTranslationCoversTabsOptionsAndTheConfirmation)
{
    QTranslator russian;
    ASSERT_TRUE(russian.load(QStringLiteral(":/i18n/talmero_ru.qm")) && QCoreApplication::installTranslator(&russian));
    QString confirmation;
    talmero::app::dialogs().confirm = [&](QWidget*, const talmero::link::ChangeRequest& request) {
        confirmation = request.changes.join(u'|');
        return false;
    };
    startProgram();
    connectTo(talmero::app::Connection::demoEntry());
    auto* tabs = control<QTabWidget>(main(), "TabbedMENU");
    EXPECT_EQ(tabs->tabText(0) + tabs->tabText(1) + tabs->tabText(2) + tabs->tabText(3), "ДиагностикаМодулиКонфигурацияДополнительно");
    tabs->setCurrentIndex(TFormMain::PageConfiguration);
    control<QTabWidget>(main(), "TabbedCONF")->setCurrentIndex(blocks::tab("BCM"));
    for (auto* option : main().findChildren<QAbstractButton*>(QRegularExpression(QStringLiteral("^CheckBox[12]BCM"))))
        EXPECT_TRUE(option->text().contains(QRegularExpression(QStringLiteral("[а-яё]{3}")))) << option->text().toStdString();
    click(main(), "ButtonCONFread");
    click(main(), "CheckBox1BCM04");
    click(main(), "ButtonCONFwrite");
    EXPECT_EQ(confirmation, "2 мигания: нет → да");
}

} // namespace
