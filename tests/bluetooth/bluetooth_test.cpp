// Bluetooth adapters with no radio: BlueZ's D-Bus API mocked on a private bus, each of its
// devices forwarding to one talmero-sim, which also serves TCP as a Wi-Fi adapter does.
#include "app/connection.h"
#include "app/log_view.h"
#include "bluetooth/bluez_bus.h"
#include "cli/cli_run.h"
#include "link/ble_channel.h"
#include "link/bluetooth_channel.h"
#include "link/link_error.h"
#include "ui/shell_fixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QRegularExpression>

namespace {

BluezBus* bus = nullptr;
QString busProblem;

class Bluetooth : public ShellTest {
protected:
    static void SetUpTestSuite() { busProblem = (bus = new BluezBus)->start(); }
    static void TearDownTestSuite() { delete bus; }
    void SetUp() override
    {
        ShellTest::SetUp();
        ASSERT_TRUE(busProblem.isEmpty()) << busProblem.toStdString();
    }
};

// talmero-cli with the words of line; extra words may hold spaces.
CliRun run(const char* line, const QStringList& extra = {})
{
    return cli(QString::fromUtf8(line).split(u' ') + extra);
}

void dropAfter(const char* device, const char* request, int bytes)
{
    ASSERT_TRUE(bus->call(QStringLiteral("/"), QStringLiteral("org.bluez.Mock"), QStringLiteral("DropAfter"),
                          {QString::fromLatin1(device), QString::fromLatin1(request), bytes}));
}

// The backup file a run leaves in a fresh folder, its date taken out; "" when none.
QString backupThrough(const QString& port, CliRun& result)
{
    QTemporaryDir dir;
    result = run("--yes --log backup --port", {port, QStringLiteral("--dir"), dir.path()});
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    QFile file(dir.filePath(files.value(0)));
    if (files.size() != 1 || !file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).remove(QRegularExpression(QStringLiteral("<Date>[^<]*</Date>")));
}

TEST_F(Bluetooth, BackupThroughEachAdapterIsTheOneThroughTcp)
{
    CliRun result;
    const QString tcp = backupThrough(bus->simAddress(), result);
    ASSERT_TRUE(tcp.contains(QStringLiteral("<Block"))) << result.err.toStdString();
    const std::pair<const char*, const char*> adapters[] = {
        {"bt://00:1D:A5:00:00:01", ""},
        {"ble://10:00:00:00:00:01", "служба FFF0, ответы из FFF1, запросы в FFF2 (запись без ответа, по 20 байт)"},
        {"ble://10:00:00:00:00:02", "служба FFE0, ответы из FFE1, запросы в FFE1 (запись без ответа"},
        {"ble://10:00:00:00:00:03", "служба E7810A71-73AE-499D-8C15-FAA9AEF0C3F2, ответы из BEF8D6C9-9C21-4C9E-B632-"
                                    "BD58C1009F9F, запросы в BEF8D6C9-9C21-4C9E-B632-BD58C1009F9F (запись с ответом"},
        {"ble://10:00:00:00:00:04", "ответы из 49535343-1E4D-4BD9-BA61-23C647249616, запросы в 49535343-8841-43F4-"
                                    "A8D4-ECBE34729BB3 (запись с ответом, по 20 байт); служба выбрана по её"},
    };
    for (const auto& [port, service] : adapters) {
        EXPECT_EQ(backupThrough(QLatin1String(port), result), tcp) << port << result.err.toStdString();
        EXPECT_EQ(result.exit, 0) << port;
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(service))) << port;
    }
}

TEST_F(Bluetooth, LostLinkEndsBackupAndWriteWithNothingClaimed)
{
    for (const char* device : {"00:1D:A5:00:00:01", "10:00:00:00:00:01", "10:00:00:00:00:03"}) {
        const QStringList port{QStringLiteral("--port"), (device[0] == '0' ? "bt://" : "ble://") + QString::fromLatin1(device)};
        dropAfter(device, "", 700);
        CliRun result;
        EXPECT_EQ(backupThrough(port[1], result), QString()) << device;
        EXPECT_EQ(result.exit, 1) << device;
        EXPECT_TRUE(result.err.contains(QStringLiteral("! Связь с адаптером потеряна: файл не записан"))) << device;

        // The write reaches the car; its answer never comes back.
        const QString before = run("read-block HVAC 01", port).out.trimmed();
        ASSERT_FALSE(before.isEmpty()) << device;
        const QString after = before.left(before.size() - 1) + (before.endsWith(u'0') ? u'1' : u'0');
        dropAfter(device, "3B", 0);
        result = run("--yes --no-backup write-block HVAC 01", port + QStringList{after});
        EXPECT_EQ(result.exit, 1) << device;
        EXPECT_FALSE(result.out.contains(QStringLiteral("Запись проверена"))) << result.out.toStdString();
        const QString newest = run("history").outLines().value(0);
        EXPECT_TRUE(newest.endsWith(QStringLiteral("01 %1 -> %2 no-answer unknown").arg(before, after))) << newest.toStdString();
    }
}

TEST_F(Bluetooth, EveryRefusalSaysWhatToDo)
{
    const auto refused = [](const char* line, const char* text) {
        const CliRun result = run(line);
        EXPECT_EQ(result.exit, 1) << line;
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(text))) << result.err.toStdString();
    };
    refused("--port bt://00:1D:A5:00:00:02 adapter", "! Адаптер bt://00:1D:A5:00:00:02 не принял соединение. Проверьте");
    refused("--port ble://10:00:00:00:00:05 adapter", "! Адаптер ble://10:00:00:00:00:05 не принял соединение.");
    refused("--port bt://00:1D:A5:00:00:03 adapter", "! Адаптер bt://00:1D:A5:00:00:03 не сопряжён с компьютером.");
    refused("--port ble://20:00:00:00:00:09 adapter", "! Компьютер не знает устройства ble://20:00:00:00:00:09.");
    refused("--port bt://00:1D:A5:00:00:1 adapter", "Неверный адрес bt://00:1D:A5:00:00:1: после bt:// или ble://");
    refused("--port ble://10:00:00:00:00:02 --bus-switch dtr adapter", "У адаптера Bluetooth (ble://10:00:00:00:00:02) нет линии DTR");
    // The ports there are, each as --port takes it: Bluetooth devices before the Wi-Fi address.
    const QString ports = run("adapters").out;
    const QRegularExpression listed(QStringLiteral("^bt://00:1D:A5:00:00:01 +OBDII \\(Bluetooth 00:1D:A5:00:00:01\\), сопряжён$"),
                                  QRegularExpression::MultilineOption);
    const qsizetype classic = ports.indexOf(listed);
    EXPECT_TRUE(classic >= 0 && classic < ports.indexOf(QStringLiteral("\n192.168.0.10:35000 "))) << ports.toStdString();
    ASSERT_TRUE(bus->setPowered(false));
    for (const char* line : {"--port bt://00:1D:A5:00:00:01 adapter", "--port ble://10:00:00:00:00:01 adapter", "adapters search"})
        refused(line, "! Bluetooth компьютера выключен. Включите его");
    ASSERT_TRUE(bus->setPowered(true));
    const QByteArray address = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent");
    refused("--port bt://00:1D:A5:00:00:01 adapter", "! На этом компьютере нет Bluetooth");
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", address);
}

TEST_F(Bluetooth, SilentAdaptersTimeOutAndLongRequestsGoInPieces)
{
    using namespace talmero::link;
    BluetoothChannel classic(QStringLiteral("00:1D:A5:00:00:04"), 1500);
    BleChannel ble(QStringLiteral("10:00:00:00:00:06"), 1500);
    for (Channel* channel : std::initializer_list<Channel*>{&classic, &ble}) {
        QElapsedTimer clock;
        clock.start();
        try {
            channel->open();
            ADD_FAILURE() << "opened " << channel->name().toStdString();
        } catch (const LinkError& e) {
            EXPECT_TRUE(e.text().contains(QStringLiteral(" не ответил за 1 с."))) << e.text().toStdString();
        }
        EXPECT_LT(clock.elapsed(), 4000);
    }
    // The mock refuses a write-without-response longer than 20 bytes, as BlueZ does.
    BleChannel adapter(QStringLiteral("10:00:00:00:00:01"));
    adapter.open();
    QByteArrayList batches;
    QObject::connect(&adapter, &Channel::batchReceived, [&](const QByteArray& b) { batches.append(b); });
    adapter.send("AT" + QByteArray(45, 'X') + '\r');
    ASSERT_TRUE(QTest::qWaitFor([&] { return !batches.isEmpty(); }, 5000));
    EXPECT_TRUE(batches.first().contains("?\r")) << batches.first().constData();
    EXPECT_TRUE(adapter.isOpen());
}

TEST_F(Bluetooth, StartWindowListsKnownDevicesFindsMoreAndConnects)
{
    startProgram();
    start().setPortLister([] { return QStringList{QStringLiteral("ttyUSB0")}; });
    click(start(), "BitBtnRefresh");
    auto* ports = control<QComboBox>(start(), "COMports");
    const int wifi = ports->findText(talmero::app::Connection::wifiEntry());
    EXPECT_EQ(ports->itemText(1), QStringLiteral("IOS-Vlink (Bluetooth LE 10:00:00:00:00:01)"));
    EXPECT_EQ(ports->itemText(wifi - 1), QStringLiteral("Search for Bluetooth adapters…"));
    const int classic = ports->findText(QStringLiteral("OBDII (Bluetooth 00:1D:A5:00:00:01)"));
    EXPECT_TRUE(classic > 1 && classic < wifi - 1);
    ports->setCurrentIndex(classic);
    EXPECT_FALSE(control<QComboBox>(start(), "COMbauds")->isEnabled());
    if (const QString folder = qEnvironmentVariable("TALMERO_SCREENSHOTS"); !folder.isEmpty()) {
        start().grab().save(folder + QStringLiteral("/start-window-bluetooth.png"));
        ports->showPopup();
        ports->view()->window()->grab().save(folder + QStringLiteral("/port-list-bluetooth.png"));
        ports->hidePopup();
    }
    // The search lists what BlueZ knows at once and what appears while it runs.
    onModal = [](QDialog& search) {
        EXPECT_TRUE(QTest::qWaitFor([&] {
            const auto* found = search.findChild<QListWidget*>(QStringLiteral("ListFound"));
            return !found->findItems(QStringLiteral("OBDBLE-NEW"), Qt::MatchStartsWith).isEmpty();
        }, 5000));
        if (const QString folder = qEnvironmentVariable("TALMERO_SCREENSHOTS"); !folder.isEmpty())
            search.grab().save(folder + QStringLiteral("/bluetooth-search.png"));
        search.findChild<QPushButton*>(QStringLiteral("ButtonCancelSearch"))->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return search.result() == QDialog::Accepted; }, 5000));
    };
    ports->setCurrentIndex(wifi - 1);
    click(start(), "ButtonOpenCOM");
    EXPECT_EQ(ports->currentText(), QStringLiteral("OBDBLE-NEW (Bluetooth LE 30:00:00:00:00:01)"));
    connectTo(ports->currentText());
    ASSERT_TRUE(main().state().online) << notices.join(u'|').toStdString();
    EXPECT_EQ(stored().value(QStringLiteral("port")).toString(), QStringLiteral("ble://30:00:00:00:00:01"));
    const QStringList log = control<talmero::app::LogView>(main(), "MemoLOG")->lines();
    EXPECT_TRUE(log.join(u'\n').contains(QStringLiteral("* Bluetooth LE: служба FFE0")));
}

} // namespace
