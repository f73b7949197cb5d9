#include "support/outcome_text.h"
#include "link/adapter.h"
#include "link/link_error.h"
#include "link/session.h"
#include "link/scripted_channel.h"
#include "sim/car.h"
#include "sim/demo_channel.h"
#include "sim/elm327.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>
#include "support/probe_module.h"

namespace talmero::link {
namespace {

const QString kToHigh = QStringLiteral("Переключите адаптер на высокую шину (HSCAN)");
const QString kToMedium = QStringLiteral("Переключите адаптер на среднюю шину (MSCAN)");
// The prompt names the module that comes next.
QString next(const QString& prompt, const char* module)
{
    return prompt + QStringLiteral("\nСледующий модуль: ") + QString::fromUtf8(module);
}

// Module sessions against the virtual car in this process.
struct SessionTest : ::testing::Test {
    SessionTest() { demo.open(); }
    QStringList sentCommands() const
    {
        QStringList sent;
        for (const QString& line : host.lines) {
            if (line.startsWith(QLatin1String("> ")))
                sent.append(line.mid(2));
        }
        return sent;
    }

    sim::DemoChannel demo;
    RecordingHost host;
    Adapter adapter{demo, host};
    Session session{adapter, host};
};

TEST_F(SessionTest, HighSpeedModuleOpensWithResetProtocolHeaderAndSession)
{
    EXPECT_EQ(session.openModule(probeModule(QStringLiteral("720"), false, true), true, true), QStringLiteral("OK"));
    EXPECT_EQ(host.notices, QStringList{next(kToHigh, "Панель приборов (IPC)")});
    EXPECT_EQ(host.lines, QStringList({QStringLiteral("> ATZ"), QStringLiteral("< ELM327 v1.5"),
                                       QStringLiteral("> ATSP6"), QStringLiteral("< OK"),
                                       QStringLiteral("> ATSH720"), QStringLiteral("< OK"),
                                       QStringLiteral("> 1087"), QStringLiteral("< 50 87")}));
    EXPECT_TRUE(session.busHS);
    EXPECT_FALSE(session.busMS);
}

// The cut answer of a module that loses its prompt must not take the next module's.
TEST_F(SessionTest, AnswerWithoutPromptDoesNotSpoilTheNextModule)
{
    demo.car().setFault(QStringLiteral("720"), sim::FaultKind::NoPrompt);
    EXPECT_EQ(session.openModule(probeModule(QStringLiteral("720"), false, true), true, true),
              QStringLiteral("! Модуль не ответил или отсутствует"));
    demo.car().setFault(QStringLiteral("720"), sim::FaultKind::None);
    EXPECT_EQ(session.openModule(probeModule(QStringLiteral("760"), false, true), true, true), QStringLiteral("OK"));
}

TEST_F(SessionTest, MediumSpeedModuleWithoutSessionRequest)
{
    EXPECT_EQ(session.openModule(probeModule(QStringLiteral("727"), true, false), true, true), QStringLiteral("OK"));
    EXPECT_EQ(host.notices, QStringList{next(kToMedium, "Аудиомодуль (ACM)")});
    EXPECT_EQ(sentCommands(), QStringList({QStringLiteral("ATZ"), QStringLiteral("ATSPB"),
                                           QStringLiteral("ATSH727")}));
    EXPECT_TRUE(demo.car().switchMedium()); // acknowledging the prompt moved the switch
}

TEST_F(SessionTest, PromptsOnlyWhenTheBusChanges)
{
    // The car's switch already stands on high speed, but after connecting nobody knows.
    demo.car().setSwitchMedium(false);
    session.openModule(probeModule(QStringLiteral("720"), false, true), false, true);
    session.openModule(probeModule(QStringLiteral("760"), false, true), false, true);
    session.openModule(probeModule(QStringLiteral("726"), true, true), false, true);
    session.openModule(probeModule(QStringLiteral("740"), true, true), false, true);
    session.openModule(probeModule(QStringLiteral("734"), false, true), false, true);
    EXPECT_EQ(host.notices, QStringList({next(kToHigh, "Панель приборов (IPC)"), next(kToMedium, "GEM модуль (BCM)"),
                                         next(kToHigh, "Модуль управления головным светом (HCM)")}));

    session.forgetBus(); // the port was opened again
    session.switchBus(false);
    EXPECT_EQ(host.notices.last(), kToHigh);
}

TEST_F(SessionTest, CancelledPromptEndsTheOperationBeforeAnythingIsSent)
{
    host.acknowledgeAnswers = {false};
    EXPECT_THROW(session.openModule(probeModule(QStringLiteral("726"), true, true), true, true), OperationCancelled);
    EXPECT_TRUE(sentCommands().isEmpty());
    EXPECT_EQ(host.lines, QStringList{QStringLiteral("* Операция отменена пользователем")});
    EXPECT_FALSE(session.busMS); // still unknown: the next access asks again
}

TEST_F(SessionTest, WithoutResetNoAtzIsSent)
{
    EXPECT_EQ(session.openModule(probeModule(QStringLiteral("760"), false, true), true, false), QStringLiteral("OK"));
    EXPECT_EQ(sentCommands(), QStringList({QStringLiteral("ATSP6"), QStringLiteral("ATSH760"),
                                           QStringLiteral("1087")}));
}

TEST_F(SessionTest, FailureTexts)
{
    demo.car().setPresent(QStringLiteral("734"), false);
    EXPECT_EQ(session.openModule(probeModule(QStringLiteral("734"), false, true), true, true),
              QStringLiteral("! Модуль не ответил или отсутствует"));
    EXPECT_EQ(host.lines.last(), QStringLiteral("< NO DATA"));

    // A header the adapter does not take.
    EXPECT_EQ(session.openModule(probeModule(QStringLiteral("7G0"), false, true), true, true), QStringLiteral("! Ошибка"));
    EXPECT_EQ(sentCommands().last(), QStringLiteral("ATSH7G0"));

    // The user acknowledged the prompt but the switch stands on the other bus.
    session.switchBus(false);
    demo.car().setSwitchMedium(true);
    EXPECT_EQ(session.openModule(probeModule(QStringLiteral("720"), false, true), true, true),
              QStringLiteral("! Модуль не ответил или отсутствует"));
    EXPECT_EQ(host.lines.last(), QStringLiteral("< CAN ERROR"));

    demo.car().setFault(sim::Car::kAdapter, sim::FaultKind::Silent);
    host.lines.clear();
    EXPECT_EQ(session.openModule(probeModule(QStringLiteral("720"), false, true), true, true),
              QStringLiteral("! Неверный ответ адаптера"));
    EXPECT_EQ(sentCommands(), QStringList{QStringLiteral("ATZ")}); // nothing after a failed reset
}

TEST_F(SessionTest, AdapterThatRefusesTheProtocolGivesError)
{
    demo.car().setFault(sim::Car::kAdapter, sim::FaultKind::Garbage);
    EXPECT_EQ(session.openModule(probeModule(QStringLiteral("726"), true, true), true, false), QStringLiteral("! Ошибка"));
    EXPECT_EQ(sentCommands(), QStringList({QStringLiteral("ATSPB"), QStringLiteral("ATSPB")})); // one more try
}

TEST_F(SessionTest, LateAnswerNeverReachesTheNextCommand)
{
    session.openModule(probeModule(QStringLiteral("720"), false, true), false, true);
    demo.car().setFault(QStringLiteral("720"), sim::FaultKind::Late);
    EXPECT_EQ(adapter.writeCOM(QStringLiteral("2100"), false), QString()); // gave up after 1 s
    demo.car().setFault(QStringLiteral("720"), sim::FaultKind::None);
    // The block 00 answer turns up while block 02 is being read; it must not be taken.
    const QString answer = adapter.writeCOM(QStringLiteral("2102"), false);
    EXPECT_FALSE(answer.contains(QLatin1String("61 00"))) << answer.toStdString();
}

} // namespace
} // namespace talmero::link

namespace talmero::link {
namespace {

using Kind = SwitchWay::Kind;

TEST(BusSwitchWay, ChosenFromTheSettingAndWhatTheAdapterSaid)
{
    const AdapterIdentity elm{QStringLiteral("ELM327 v1.5"), QStringLiteral("ELM327 v1.5"), {}, {}};
    const AdapterIdentity stn{QStringLiteral("ELM327 v1.4b"), QStringLiteral("ELM327 v1.4b"),
                              QStringLiteral("STN2120 v5.6.5"), QStringLiteral("OBD r1.0")};
    const struct {
        const char* setting;
        const AdapterIdentity& id;
        SwitchWay way;
    } rows[] = {
        {"auto", elm, {Kind::Prompt}},
        {"auto", stn, {Kind::Stn}},
        {"prompt", stn, {Kind::Prompt}},
        {"stn", elm, {Kind::Stn}},
        {"rts", stn, {Kind::Relay, ControlLine::Rts, false}},
        {"dtr", elm, {Kind::Relay, ControlLine::Dtr, false}},
        {"rts-inverted", elm, {Kind::Relay, ControlLine::Rts, true}},
        {"DTR-Inverted", elm, {Kind::Relay, ControlLine::Dtr, true}},
    };
    for (const auto& row : rows) {
        const auto setting = busSwitchFromName(QLatin1String(row.setting));
        ASSERT_TRUE(setting) << row.setting;
        EXPECT_EQ(chooseWay(*setting, row.id), row.way) << row.setting;
    }
    EXPECT_FALSE(busSwitchFromName(QStringLiteral("relay")));
    // An inverted relay is set for the high-speed bus.
    EXPECT_TRUE(SwitchWay({Kind::Relay, ControlLine::Rts, true}).lineLevel(false));
}

// What an adapter calls itself reaches the log, a tooltip and a terminal: a control
// character in it (DEL, the C1 escape U+009B) is shown, never passed on.
TEST(BusSwitchWay, AnAdaptersNameKeepsOnlyPrintableCharacters)
{
    ScriptedChannel channel;
    RecordingHost host;
    Adapter adapter(channel, host);
    channel.onSend = [&channel](const QByteArray& bytes) {
        const QByteArray command = bytes.trimmed();
        const QByteArray answer = command == "ATZ" ? "ELM327 v1.5\x7F" : command == "ATI" ? "ELM327 \x9B" "2J" : "?";
        channel.deliver(command + "\r" + answer + "\r\r>");
    };
    const AdapterIdentity id = identifyAdapter(adapter);
    EXPECT_EQ(id.reset, QStringLiteral("ELM327 v1.5<7F>"));
    EXPECT_EQ(BusSwitchTexts::identityLine(id, SwitchWay()).left(30), QStringLiteral("* Адаптер: ELM327 <9B>2J; пере"));
}

// Each way against the virtual car in this process, started as a connection starts.
struct WayTest : ::testing::Test {
    void start(sim::DemoChannel::Kind kind, const char* setting)
    {
        demo = std::make_unique<sim::DemoChannel>(0, 0, nullptr, kind);
        demo->open();
        adapter = std::make_unique<Adapter>(*demo, host);
        const SwitchWay way = startAdapter(*adapter, *busSwitchFromName(QLatin1String(setting)), 38400, id);
        session = std::make_unique<Session>(*adapter, host, way);
    }
    QString open(const char* address, bool medium)
    {
        return text(session->openModule(probeModule(QLatin1String(address), medium, true), true, false));
    }

    RecordingHost host;
    std::unique_ptr<sim::DemoChannel> demo;
    std::unique_ptr<Adapter> adapter;
    std::unique_ptr<Session> session;
    AdapterIdentity id;
};

TEST_F(WayTest, StnAdapterReachesBothBusesWithoutAPrompt)
{
    start(sim::DemoChannel::Kind::BuiltIn, "auto");
    EXPECT_EQ(id.firmware, QStringLiteral("STN2120 v5.6.5"));
    EXPECT_EQ(session->way().kind, Kind::Stn);
    EXPECT_EQ(open("726", true), QStringLiteral("OK"));
    EXPECT_EQ(open("720", false), QStringLiteral("OK"));
    EXPECT_TRUE(host.notices.isEmpty());
    EXPECT_TRUE(host.lines.contains(QStringLiteral("> STP53")));
    EXPECT_TRUE(host.lines.contains(QStringLiteral("> ATSP6")));

    // Protocol B goes out on the high-speed pins: the hand switch's way fails here.
    session->setWay(SwitchWay());
    session->forgetBus();
    EXPECT_EQ(open("726", true), QStringLiteral("! Модуль не ответил или отсутствует"));
}

TEST_F(WayTest, StnWithoutTheMediumSpeedBusFallsBackToThePrompt)
{
    start(sim::DemoChannel::Kind::BuiltIn, "stn");
    demo->elm().setChip(sim::Elm327::Chip::Stn, false);
    host.lines.clear();
    open("726", true);
    EXPECT_EQ(host.lines.filter(QStringLiteral("STP53")).size(), 3); // sent twice, and said once
    EXPECT_EQ(host.notices, QStringList{next(kToMedium, "GEM модуль (BCM)")});
    EXPECT_EQ(session->way().kind, Kind::Prompt);
    EXPECT_TRUE(host.lines.contains(QStringLiteral("> ATSPB")));
}

TEST_F(WayTest, RelayMovesTheSwitchAndASilentBusNamesTheWay)
{
    start(sim::DemoChannel::Kind::Switch, "rts");
    EXPECT_EQ(open("726", true), QStringLiteral("OK"));
    EXPECT_TRUE(demo->car().switchMedium());
    EXPECT_EQ(open("720", false), QStringLiteral("OK"));
    EXPECT_FALSE(demo->car().switchMedium());
    EXPECT_TRUE(host.notices.isEmpty());

    // Wired the other way: the relay connects the wrong pins, and the message says how.
    start(sim::DemoChannel::Kind::Switch, "rts-inverted");
    EXPECT_EQ(open("726", true), QStringLiteral("! Модуль не ответил или отсутствует (нет ответа на "
                                                "средней шине (MSCAN); переключение: реле на RTS (обратное))"));
}

TEST_F(WayTest, SilentAdapterIsNoConnection)
{
    demo = std::make_unique<sim::DemoChannel>();
    demo->car().setFault(sim::Car::kAdapter, sim::FaultKind::Silent);
    demo->open();
    Adapter silent(*demo, host);
    try {
        startAdapter(silent, BusSwitchSetting::Auto, 38400, id);
        FAIL() << "a silent adapter was taken for a connection";
    } catch (const LinkError& e) {
        EXPECT_TRUE(e.text().startsWith(QStringLiteral("Адаптер ELM327 не ответил на порту Demo car"))) << e.text().toStdString();
    }
    EXPECT_FALSE(id.answered());
}

} // namespace
} // namespace talmero::link
