#include "support/outcome_text.h"
#include "sim/car.h"
#include "sim/demo_channel.h"
#include "sim/elm327.h"

#include "link/adapter.h"
#include "link/session.h"
#include "support/recording_host.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <gtest/gtest.h>
#include "support/probe_module.h"

using namespace talmero;
using sim::DemoChannel;

namespace {

struct Batches {
    explicit Batches(DemoChannel& channel)
    {
        QObject::connect(&channel, &link::Channel::batchReceived,
                         [this](const QByteArray& b) { list.append(b); });
    }
    bool waitFor(qsizetype count)
    {
        const QDeadlineTimer deadline(10000);
        while (list.size() < count && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        return list.size() >= count;
    }
    QByteArrayList list;
};

TEST(DemoChannel, HandsOverBatchesEndingWithThePrompt)
{
    DemoChannel channel;
    Batches batches(channel);
    EXPECT_FALSE(channel.isOpen());
    channel.send("ATZ\r"); // closed: nothing happens
    EXPECT_TRUE(batches.list.isEmpty());

    channel.open();
    EXPECT_NO_THROW(channel.open());
    EXPECT_TRUE(channel.isOpen());
    channel.send("ATZ\r");
    ASSERT_EQ(batches.list.size(), 1); // synchronous at zero latency
    EXPECT_EQ(batches.list[0], QByteArray("ATZ\r\r\rELM327 v1.5\r\r>"));

    // The echo after the prompt waits for the next batch.
    channel.send("ATI\rAT");
    ASSERT_EQ(batches.list.size(), 2);
    EXPECT_EQ(batches.list[1], QByteArray("ATI\rELM327 v1.5\r\r>"));
    channel.send("RV\r");
    ASSERT_EQ(batches.list.size(), 3);
    EXPECT_EQ(batches.list[2], QByteArray("ATRV\r12.6V\r\r>"));
    EXPECT_TRUE(channel.name().contains("simulated"));
}

TEST(DemoChannel, DiscardInputDropsWhatWasNotHandedOver)
{
    DemoChannel channel(20);
    Batches batches(channel);
    channel.open();
    channel.send("ATI\r"); // the echo comes at once, the answer later
    channel.discardInput();
    // The rest of the cut answer is dropped too when it arrives.
    bool restArrived = false;
    QObject::connect(&channel.elm(), &sim::Elm327::output, [&](const QByteArray& bytes) {
        restArrived = restArrived || bytes.contains("ELM327");
    });
    const QDeadlineTimer deadline(10000);
    while (!restArrived && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    ASSERT_TRUE(restArrived);
    EXPECT_TRUE(batches.list.isEmpty());
    channel.send("AT@1\r");
    ASSERT_TRUE(batches.waitFor(1));
    EXPECT_TRUE(batches.list[0].startsWith("AT@1\r")) << batches.list[0].constData();
}

TEST(DemoChannel, BaudTimingUsesTheChosenRateOnlyWhenSwitchedOn)
{
    DemoChannel channel(0, 9600);
    EXPECT_EQ(channel.baudRate(), 9600);
    Batches batches(channel);
    channel.open();
    channel.send("ATI\r");
    ASSERT_EQ(batches.list.size(), 1); // off by default: at once
    channel.setBaudTiming(true);
    channel.send("ATI\r");
    EXPECT_EQ(batches.list.size(), 1); // on the wire now
    ASSERT_TRUE(batches.waitFor(2));
    EXPECT_EQ(batches.list[1], batches.list[0]);
    channel.setBaudTiming(false);
    channel.send("ATI\r");
    EXPECT_EQ(batches.list.size(), 3);
}

// The window's demo (a reply time) waits after an uncounted answer as the chip does.
TEST(DemoChannel, WithAReplyTimeTheAdapterWaitsAfterAnUncountedAnswer)
{
    DemoChannel channel(20);
    Batches batches(channel);
    channel.open();
    const std::pair<QByteArray, int> exchanges[] = {{"ATSP6\r", 0}, {"ATSH720\r", 0}, {"2100 1\r", 0}, {"2100\r", 100}};
    for (qsizetype i = 0; i < 4; ++i) {
        channel.send(exchanges[i].first);
        ASSERT_TRUE(batches.waitFor(i + 1)) << exchanges[i].first.constData();
        EXPECT_EQ(channel.elm().lastWaitMs(), exchanges[i].second) << exchanges[i].first.constData();
    }
}

TEST(DemoChannel, BusSwitchedMovesTheCarsSwitch)
{
    DemoChannel channel;
    Batches batches(channel);
    channel.open();
    channel.send("ATE0\rATSPB\rATSH726\r2103\r");
    EXPECT_EQ(batches.list.last(), QByteArray("CAN ERROR\r\r>")); // manual: ATSPB moves nothing
    channel.busSwitched(true);
    EXPECT_TRUE(channel.car().switchMedium());
    channel.send("2103\r");
    EXPECT_EQ(batches.list.last(), QByteArray("61 03 E3 D0 D4 FC \r\r>"));
    EXPECT_EQ(channel.elm().switchMode(), sim::Elm327::SwitchMode::Manual);
}

// The program's own exchange and session code against the demo car.
TEST(DemoChannel, SessionOpensModulesOnBothBuses)
{
    DemoChannel channel;
    channel.open();
    RecordingHost host;
    link::Adapter adapter(channel, host);
    link::Session session(adapter, host);
    EXPECT_EQ(session.openModule(probeModule(QStringLiteral("720"), false, true), true, true), "OK");
    EXPECT_EQ(adapter.writeCOM("2100", true), "61 00 CD 42 10 10 C0 >");
    EXPECT_EQ(session.openModule(probeModule(QStringLiteral("726"), true, true), true, true), "OK");
    EXPECT_EQ(adapter.writeCOM("2103", true), "61 03 E3 D0 D4 FC >");
    // The module refuses the session, and the line says why.
    EXPECT_EQ(session.openModule(probeModule(QStringLiteral("727"), true, true), false, true),
              "! Модуль не ответил или отсутствует (7F 10 12: функция не поддерживается)");
    EXPECT_EQ(host.notices.size(), 2);
}

} // namespace
