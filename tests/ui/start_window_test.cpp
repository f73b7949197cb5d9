#include "shell_fixture.h"

#include "app/connection.h"
#include "app/form_asbuilt.h"
#include "app/form_calc.h"
#include "app/log_view.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>

using talmero::app::Connection;
using talmero::app::LogView;

namespace {

const QString kPlaceholder = QStringLiteral("00000000000000000");
const QString kSearch = QStringLiteral("Search for Bluetooth adapters…");

QStringList items(QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}

} // namespace

TEST_F(ShellTest, ProgramStartShowsOnlyTheStartWindow)
{
    auto& p = startProgram();
    EXPECT_TRUE(p.FormStart().isVisible());
    EXPECT_EQ(p.FormStart().windowTitle(), "TALMERO (Interface Settings)");
    const std::pair<QWidget*, const char*> hidden[] = {
        {&p.FormMain(), "TALMERO"},
        {&p.FormCalc(), "TALMERO (Kalkulator BIN-HEX)"},
        {&p.FormAsBuilt(), "TALMERO (AS-BUILT)"},
    };
    for (const auto& [window, caption] : hidden) {
        EXPECT_FALSE(window->isVisible()) << caption;
        EXPECT_EQ(window->windowTitle(), QString::fromUtf8(caption));
    }
    EXPECT_EQ(p.FormMain().size(), QSize(792, 566));
}

TEST_F(ShellTest, FreshMachineOffersThePlaceholderAndRefusesToConnectAtOnce)
{
    startProgram();
    start().setPortLister([] { return QStringList{"ttyUSB0"}; });
    click(start(), "BitBtnRefresh");

    auto* vin = control<QComboBox>(start(), "StartVIN");
    EXPECT_EQ(items(vin), QStringList{kPlaceholder});
    EXPECT_EQ(vin->currentText(), "");
    auto* ports = control<QComboBox>(start(), "COMports");
    EXPECT_EQ(items(ports), (QStringList{"ttyUSB0", kSearch, Connection::wifiEntry()} + Connection::demoEntries()));
    EXPECT_EQ(ports->currentText(), "ttyUSB0"); // the first port found
    EXPECT_EQ(control<QComboBox>(start(), "COMbauds")->currentText(), "38400");

    click(start(), "ButtonOpenCOM");
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].startsWith("Неверный VIN код!\nVIN — это 17 знаков")) << notices[0].toStdString();
    EXPECT_TRUE(notices[0].contains(kPlaceholder));
    EXPECT_TRUE(stored().allKeys().isEmpty());
    EXPECT_TRUE(start().isVisible());
    EXPECT_FALSE(main().isVisible());

    // Where adapters sit comes first, then the Wi-Fi adapter; no such port: the demo car,
    // before built-in ports, and chosen. A Wi-Fi adapter has no rate to choose.
    using Entry = talmero::app::TFormStart::PortEntry;
    const QString wifi = QStringLiteral("Wi-Fi adapter (192.168.0.10:35000)");
    const QStringList demos = QStringList{kSearch, wifi} + Connection::demoEntries();
    const struct {
        QList<Entry> present;
        QStringList offered;
        const char* chosen;
    } listings[] = {
        {{{"ttyS0"}, {"ttyACM0"}, {"rfcomm0"}, {"ttyUSB1"}}, QStringList{"ttyACM0", "ttyUSB1", "rfcomm0"} + demos + QStringList{"ttyS0"}, "ttyACM0"},
        {{{"COM1"}, {"COM7", true}}, QStringList{"COM7"} + demos + QStringList{"COM1"}, "COM7"},
        {{{"ttyS0"}, {"ttyS1"}}, demos + QStringList{"ttyS0", "ttyS1"}, "Demo car (simulated, switch)"},
        {{}, demos, "Demo car (simulated, switch)"},
    };
    auto* bauds = control<QComboBox>(start(), "COMbauds");
    for (const auto& l : listings) {
        start().setPortLister([&l] { return l.present; });
        click(start(), "BitBtnRefresh");
        EXPECT_EQ(items(ports), l.offered);
        EXPECT_EQ(ports->currentText(), l.chosen);
    }
    for (const auto& [port, rate] : {std::pair{wifi, false}, {QStringLiteral("tcp://10.0.0.5:23"), false},
                                     {QStringLiteral("/dev/serial/by-path/pci-0000:00:14.0-usb-0:2:1.0"), true},
                                     {QStringLiteral("COM3"), true}}) {
        ports->setEditText(port);
        EXPECT_EQ(bauds->isEnabled(), rate) << port.toStdString();
    }
    ports->setCurrentIndex(ports->findText(Connection::demoEntry()));
    EXPECT_TRUE(bauds->isEnabled());
    notices.clear();
    // Enter connects from the VIN field (here empty: the demo car needs none).
    QTest::keyClick(vin->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(main().state().online) << notices.join('|').toStdString();
    EXPECT_EQ(main().state().carVIN, kPlaceholder);
}

TEST_F(ShellTest, VinFieldCountsToSeventeenAndTabFollowsTheLayout)
{
    startProgram();
    auto* vin = control<QComboBox>(start(), "StartVIN");
    auto* count = control<QLabel>(start(), "LabelVINcount");
    EXPECT_EQ(count->text(), "0/17");
    vin->setEditText("wf0axxgcda1234567890");
    EXPECT_EQ(vin->currentText(), "wf0axxgcda1234567"); // no more than 17
    EXPECT_EQ(count->text(), "17/17 ✓");
    vin->setEditText("WF0AXXGCDA12345-7");
    EXPECT_EQ(count->text(), "17/17");

    QStringList order;
    QWidget* w = vin;
    for (int i = 0; i < 9; ++i, w = w->nextInFocusChain()) {
        while (!(w->focusPolicy() & Qt::TabFocus) || w->objectName().isEmpty() || w->objectName().startsWith("qt_"))
            w = w->nextInFocusChain();
        order << w->objectName();
    }
    EXPECT_EQ(order, (QStringList{"StartVIN", "COMports", "BitBtnRefresh", "COMbauds", "SpinMinVoltage",
                                  "ComboLanguage", "ComboBusSwitch", "ButtonModuleFiles", "ButtonOpenCOM"}));
}

TEST_F(ShellTest, InvalidVINsStoreNothingAndOpenNothing)
{
    startProgram();
    // (Longer ones cannot be typed: the field stops at 17.)
    for (const QString& bad : {QStringLiteral("WF0AXXGCDA123456"), QStringLiteral("WF0AXXGCDA12345-7"),
                               QStringLiteral("wf0axxgcda12345 7")}) {
        notices.clear();
        connectTo(Connection::demoEntry(), bad);
        EXPECT_TRUE(notices.value(0).startsWith("Неверный VIN код!")) << bad.toStdString();
    }
    EXPECT_TRUE(stored().allKeys().isEmpty());
    EXPECT_EQ(main().session(), nullptr);
    EXPECT_TRUE(start().isVisible());
}

TEST_F(ShellTest, MissingPortKeepsSettingsShowsTheErrorAndAllowsARetry)
{
    startProgram();
    control<QComboBox>(start(), "COMbauds")->setCurrentIndex(2);
    const QString missing = QStringLiteral("/dev/talmero-no-such-port");
    connectTo(missing, kPlaceholder);

    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].startsWith("Ошибка открытия порта: устройства /dev/talmero-no-such-port нет.")) << notices[0].toStdString();
    EXPECT_TRUE(start().isVisible());
    EXPECT_FALSE(main().isVisible());
    EXPECT_FALSE(main().state().online);
    EXPECT_EQ(main().session(), nullptr);
    // The placeholder is never kept; port and rate item are.
    EXPECT_EQ(stored().value("port").toString(), missing);
    EXPECT_EQ(stored().value("baud").toString(), "2");
    EXPECT_FALSE(stored().contains("VIN"));
    EXPECT_TRUE(stored().childGroups().isEmpty());
    EXPECT_TRUE(QFile::exists(settingsDir() + "/TALMERO.conf"));

    notices.clear();
    connectTo(QStringLiteral("192.168.0.10:99999"), kPlaceholder);
    EXPECT_EQ(notices, QStringList{"Неверный адрес 192.168.0.10:99999: после двоеточия нужен номер порта TCP "
                                   "от 1 до 65535 (например, 192.168.0.10:35000)."});
    EXPECT_EQ(main().session(), nullptr);

    notices.clear();
    connectTo(Connection::demoEntry(), kPlaceholder);
    EXPECT_TRUE(notices.isEmpty()) << notices.join('|').toStdString();
    EXPECT_TRUE(main().state().online);
    EXPECT_FALSE(start().isVisible());
}

TEST_F(ShellTest, LowerCaseVINIsStoredAndUsedUpperCased)
{
    startProgram();
    connectTo(Connection::demoEntry(), QStringLiteral("wf0axxgcda1234567"));

    ASSERT_TRUE(main().state().online) << notices.join('|').toStdString();
    EXPECT_EQ(main().state().carVIN, "WF0AXXGCDA1234567");
    EXPECT_EQ(stored().value("VIN").toString(), "WF0AXXGCDA1234567");
    EXPECT_EQ(stored().value("VINs/WF0AXXGCDA1234567").toString(), "WF0AXXGCDA1234567");
    EXPECT_EQ(control<QLabel>(main(), "LabelVINmain")->text(), "WF0AXXGCDA1234567");
    // The demo car is never remembered as the port.
    EXPECT_FALSE(stored().contains("port"));
}

TEST_F(ShellTest, StoredSettingsFillTheWindow)
{
    store("VINs/WF0BXXGCDB7654321", "WF0BXXGCDB7654321");
    store("VINs/WF0AXXGCDA1234567", "WF0AXXGCDA1234567");
    store("VIN", "WF0BXXGCDB7654321");
    store("port", "ttyS7");
    store("baud", "1");
    startProgram();

    auto* vin = control<QComboBox>(start(), "StartVIN");
    EXPECT_EQ(items(vin), (QStringList{kPlaceholder, "WF0AXXGCDA1234567", "WF0BXXGCDB7654321"}));
    EXPECT_EQ(vin->currentText(), "WF0BXXGCDB7654321");
    EXPECT_EQ(control<QComboBox>(start(), "COMbauds")->currentText(), "9600");

    // The saved port comes first and only once, even when it is also present.
    start().setPortLister([] { return QStringList{"ttyS5", "ttyS7"}; });
    click(start(), "BitBtnRefresh");
    auto* ports = control<QComboBox>(start(), "COMports");
    EXPECT_EQ(items(ports), (QStringList{"ttyS7", kSearch, Connection::wifiEntry()} + Connection::demoEntries() + QStringList{"ttyS5"}));
    EXPECT_EQ(ports->currentText(), "ttyS7");
    // A Wi-Fi adapter is kept by its address, which then stands for the Wi-Fi entry.
    store("port", "192.168.0.10:35000");
    click(start(), "BitBtnRefresh");
    EXPECT_EQ(items(ports), (QStringList{"192.168.0.10:35000", kSearch} + Connection::demoEntries() + QStringList{"ttyS5", "ttyS7"}));
    // A Bluetooth adapter is kept by its port, and shown by its name while the computer knows it.
    start().setBluetoothLister([] { return QList<talmero::link::BluetoothDevice>{{"00:1D:A5:68:98:8B", "OBDII", true, true, true}}; });
    store("port", "bt://00:1D:A5:68:98:8B");
    click(start(), "BitBtnRefresh");
    EXPECT_EQ(items(ports).mid(0, 4), (QStringList{"OBDII (Bluetooth 00:1D:A5:68:98:8B)", "OBDII (Bluetooth LE 00:1D:A5:68:98:8B)", kSearch, Connection::wifiEntry()}));
    EXPECT_EQ(start().portOf(ports->currentText()), "bt://00:1D:A5:68:98:8B");
    store("port", "ttyS7");

    // A VIN already known is not written again under another spelling.
    connectTo(Connection::demoEntry(), QStringLiteral("wf0bxxgcdb7654321"));
    QSettings s = stored();
    s.beginGroup("VINs");
    EXPECT_EQ(s.childKeys().size(), 2);
}

TEST_F(ShellTest, UnusableStoredRateKeepsTheFirstRate)
{
    for (const QString& baud : {QStringLiteral("fast"), QStringLiteral("3"), QStringLiteral("-1")}) {
        store("baud", baud);
        startProgram();
        auto* bauds = control<QComboBox>(start(), "COMbauds");
        EXPECT_EQ(bauds->currentText(), "38400") << baud.toStdString();
        // The rest of the window is still filled.
        EXPECT_EQ(items(control<QComboBox>(start(), "StartVIN")), QStringList{kPlaceholder});
        program.reset();
    }
}

// The program has no site: nothing on the start window points to a placeholder address.
TEST_F(ShellTest, NoLabelLeadsToAPlaceholderSite)
{
    startProgram();
    for (const QLabel* label : start().findChildren<QLabel*>()) {
        EXPECT_FALSE(label->text().contains("example.org")) << label->objectName().toStdString();
        EXPECT_FALSE(label->toolTip().contains("example.org")) << label->objectName().toStdString();
    }
    EXPECT_EQ(control<QLabel>(start(), "Labelver")->text(), QStringLiteral("Версия ") + TALMERO_VERSION);
}
