#include "support/outcome_text.h"
#include "shell_fixture.h"

#include "app/connection.h"
#include "app/log_view.h"
#include "link/adapter.h"
#include "link/session.h"
#include "sim/car.h"
#include "sim/demo_channel.h"

#include <QLabel>
#include <QProcess>
#include <QTimer>
#include "support/probe_module.h"

using talmero::app::Connection;
using talmero::app::LogView;

namespace {

const QString kToHighSpeed = QStringLiteral("Переключите адаптер на высокую шину (HSCAN)\nСледующий модуль: Панель приборов (IPC)");
const QString kToMediumSpeed = QStringLiteral("Переключите адаптер на среднюю шину (MSCAN)\nСледующий модуль: GEM модуль (BCM)");

} // namespace

TEST_F(ShellTest, DemoCarWorksLikeAnAdapterAndItsSwitchFollowsThePrompts)
{
    startProgram();
    connectTo(Connection::demoEntry());
    ASSERT_TRUE(main().state().online) << notices.join('|').toStdString();
    auto* demo = qobject_cast<talmero::sim::DemoChannel*>(&main().adapter()->channel());
    ASSERT_NE(demo, nullptr);

    QString ipc, bcm, bcmAgain;
    main().runOperation([&] {
        ipc = text(main().session()->openModule(probeModule(QStringLiteral("720"), false, true), true, true));
        bcm = text(main().session()->openModule(probeModule(QStringLiteral("726"), true, true), true, true));
        bcmAgain = text(main().session()->openModule(probeModule(QStringLiteral("726"), true, true), true, false));
    });
    EXPECT_EQ(ipc, "OK");
    EXPECT_EQ(bcm, "OK");
    EXPECT_EQ(bcmAgain, "OK");
    // The first access always asks, even though the virtual switch already stood there.
    EXPECT_EQ(notices, (QStringList{kToHighSpeed, kToMediumSpeed}));
    EXPECT_TRUE(demo->car().switchMedium());
    const QStringList lines = control<LogView>(main(), "MemoLOG")->lines();
    EXPECT_TRUE(lines.contains("> ATSH726")) << lines.join('\n').toStdString();

    // A new connection forgets the bus again.
    click(main(), "PanelStatus");
    connectTo(Connection::demoEntry());
    notices.clear();
    main().runOperation([&] { main().session()->openModule(probeModule(QStringLiteral("726"), true, false), false, false); });
    EXPECT_EQ(notices, QStringList{kToMediumSpeed});
}

TEST_F(ShellTest, TypedPseudoTerminalPathReachesTheSimulator)
{
    QProcess sim;
    sim.start(QStringLiteral(TALMERO_SIM_PROGRAM), {QStringLiteral("--trace")});
    ASSERT_TRUE(sim.waitForStarted());
    while (!sim.canReadLine() && sim.waitForReadyRead(30000)) {
    }
    const QString path = QString::fromUtf8(sim.readLine()).trimmed();
    ASSERT_TRUE(path.startsWith("/dev/")) << path.toStdString();

    startProgram();
    control<QComboBox>(start(), "COMbauds")->setCurrentText("9600");
    connectTo(path);
    ASSERT_TRUE(main().state().online) << notices.join('|').toStdString();
    EXPECT_EQ(control<QLabel>(main(), "PanelStatus")->text(), "  " + path);
    EXPECT_EQ(control<LogView>(main(), "MemoLOG")->lines().value(0), "* Открыт порт " + path);
    EXPECT_EQ(stored().value("port").toString(), path);

    QString ipc;
    main().runOperation([&] { ipc = text(main().session()->openModule(probeModule(QStringLiteral("720"), false, true), true, true)); });
    EXPECT_EQ(ipc, "OK");
    EXPECT_EQ(notices, QStringList{kToHighSpeed});
    // The rate chosen in the start window is the one the port runs at.
    sim.waitForReadyRead(1000);
    EXPECT_TRUE(sim.readAllStandardError().contains("port at 9600 baud"));

    // Back to the start window releases the port: connecting again works.
    click(main(), "PanelStatus");
    notices.clear();
    click(start(), "ButtonOpenCOM");
    EXPECT_TRUE(main().state().online) << notices.join('|').toStdString();

    sim.terminate();
    sim.waitForFinished();
}

// A port where nothing answers is no connection: the start window stays and says what to check.
TEST_F(ShellTest, SilentAdapterKeepsTheStartWindowOpen)
{
    QProcess sim;
    sim.start(QStringLiteral(TALMERO_SIM_PROGRAM), {QStringLiteral("--fault"), QStringLiteral("ELM:silent")});
    ASSERT_TRUE(sim.waitForStarted());
    while (!sim.canReadLine() && sim.waitForReadyRead(30000)) {
    }
    const QString path = QString::fromUtf8(sim.readLine()).trimmed();

    startProgram();
    start().show();
    // The wait for the adapter is said while it lasts.
    QString whileWaiting;
    QTimer::singleShot(200, &start(), [&] { whileWaiting = control<QLabel>(start(), "LabelConnecting")->text(); });
    connectTo(path);
    EXPECT_EQ(whileWaiting, "Подключение к " + path + "…");
    EXPECT_EQ(control<QLabel>(start(), "LabelConnecting")->text(), "");
    EXPECT_FALSE(main().state().online);
    EXPECT_FALSE(main().isVisible());
    EXPECT_TRUE(start().isVisible());
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].startsWith("Адаптер ELM327 не ответил на порту " + path + ".\n")) << notices[0].toStdString();
    EXPECT_TRUE(notices[0].contains("38400"));

    sim.terminate();
    sim.waitForFinished();
}
