#include "link/adapter.h"
#include "link/link_error.h"
#include "link/session.h"
#include "sim/car.h"
#include "sim/demo_channel.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(session.openModule(true, true, false, true, QStringLiteral("720")), QStringLiteral("OK"));
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
    EXPECT_EQ(session.openModule(true, true, false, true, QStringLiteral("720")),
              QStringLiteral("! Модуль не ответил или отсутствует"));
    demo.car().setFault(QStringLiteral("720"), sim::FaultKind::None);
    EXPECT_EQ(session.openModule(true, true, false, true, QStringLiteral("760")), QStringLiteral("OK"));
}

TEST_F(SessionTest, MediumSpeedModuleWithoutSessionRequest)
{
    EXPECT_EQ(session.openModule(true, true, true, false, QStringLiteral("727")), QStringLiteral("OK"));
    EXPECT_EQ(host.notices, QStringList{next(kToMedium, "Аудиомодуль (ACM)")});
    EXPECT_EQ(sentCommands(), QStringList({QStringLiteral("ATZ"), QStringLiteral("ATSPB"),
                                           QStringLiteral("ATSH727")}));
    EXPECT_TRUE(demo.car().switchMedium()); // acknowledging the prompt moved the switch
}

TEST_F(SessionTest, PromptsOnlyWhenTheBusChanges)
{
    // The car's switch already stands on high speed, but after connecting nobody knows.
    demo.car().setSwitchMedium(false);
    session.openModule(false, true, false, true, QStringLiteral("720"));
    session.openModule(false, true, false, true, QStringLiteral("760"));
    session.openModule(false, true, true, true, QStringLiteral("726"));
    session.openModule(false, true, true, true, QStringLiteral("740"));
    session.openModule(false, true, false, true, QStringLiteral("734"));
    EXPECT_EQ(host.notices, QStringList({next(kToHigh, "Панель приборов (IPC)"), next(kToMedium, "GEM модуль (BCM)"),
                                         next(kToHigh, "Модуль управления головным светом (HCM)")}));

    session.forgetBus(); // the port was opened again
    session.switchBus(false);
    EXPECT_EQ(host.notices.last(), kToHigh);
}

TEST_F(SessionTest, CancelledPromptEndsTheOperationBeforeAnythingIsSent)
{
    host.acknowledgeAnswers = {false};
    EXPECT_THROW(session.openModule(true, true, true, true, QStringLiteral("726")), OperationCancelled);
    EXPECT_TRUE(sentCommands().isEmpty());
    EXPECT_EQ(host.lines, QStringList{QStringLiteral("* Операция отменена пользователем")});
    EXPECT_FALSE(session.busMS); // still unknown: the next access asks again
}

TEST_F(SessionTest, WithoutResetNoAtzIsSent)
{
    EXPECT_EQ(session.openModule(true, false, false, true, QStringLiteral("760")), QStringLiteral("OK"));
    EXPECT_EQ(sentCommands(), QStringList({QStringLiteral("ATSP6"), QStringLiteral("ATSH760"),
                                           QStringLiteral("1087")}));
}

TEST_F(SessionTest, FailureTexts)
{
    demo.car().setPresent(QStringLiteral("734"), false);
    EXPECT_EQ(session.openModule(true, true, false, true, QStringLiteral("734")),
              QStringLiteral("! Модуль не ответил или отсутствует"));
    EXPECT_EQ(host.lines.last(), QStringLiteral("< NO DATA"));

    // A header the adapter does not take.
    EXPECT_EQ(session.openModule(true, true, false, true, QStringLiteral("7G0")), QStringLiteral("! Ошибка"));
    EXPECT_EQ(sentCommands().last(), QStringLiteral("ATSH7G0"));

    // The user acknowledged the prompt but the switch stands on the other bus.
    session.switchBus(false);
    demo.car().setSwitchMedium(true);
    EXPECT_EQ(session.openModule(true, true, false, true, QStringLiteral("720")),
              QStringLiteral("! Модуль не ответил или отсутствует"));
    EXPECT_EQ(host.lines.last(), QStringLiteral("< CAN ERROR"));

    demo.car().setFault(sim::Car::kAdapter, sim::FaultKind::Silent);
    host.lines.clear();
    EXPECT_EQ(session.openModule(true, true, false, true, QStringLiteral("720")),
              QStringLiteral("! Неверный ответ адаптера"));
    EXPECT_EQ(sentCommands(), QStringList{QStringLiteral("ATZ")}); // nothing after a failed reset
}

TEST_F(SessionTest, AdapterThatRefusesTheProtocolGivesError)
{
    demo.car().setFault(sim::Car::kAdapter, sim::FaultKind::Garbage);
    EXPECT_EQ(session.openModule(true, false, true, true, QStringLiteral("726")), QStringLiteral("! Ошибка"));
    EXPECT_EQ(sentCommands(), QStringList{QStringLiteral("ATSPB")});
}

TEST_F(SessionTest, LateAnswerNeverReachesTheNextCommand)
{
    session.openModule(false, true, false, true, QStringLiteral("720"));
    demo.car().setFault(QStringLiteral("720"), sim::FaultKind::Late);
    EXPECT_EQ(adapter.writeCOM(QStringLiteral("2100"), false), QString()); // gave up after 1 s
    demo.car().setFault(QStringLiteral("720"), sim::FaultKind::None);
    // The block 00 answer turns up while block 02 is being read; it must not be taken.
    const QString answer = adapter.writeCOM(QStringLiteral("2102"), false);
    EXPECT_FALSE(answer.contains(QLatin1String("61 00"))) << answer.toStdString();
}

} // namespace
} // namespace talmero::link
