#include "support/outcome_text.h"
#include "link/adapter.h"
#include "link/session.h"
#include "scripted_channel.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>
#include "support/probe_module.h"

namespace talmero::link {
namespace {

struct AdapterTest : ::testing::Test {
    ScriptedChannel channel;
    RecordingHost host;
    Adapter adapter{channel, host};

    // Answers every command at once with its echo and the given lines.
    void answerWith(const QByteArray& lines)
    {
        channel.onSend = [this, lines](const QByteArray& cmd) {
            channel.deliver(cmd + "\r" + lines + "\r\r>");
        };
    }
};

TEST_F(AdapterTest, SendsUpperCaseWithOneCrAndStripsTheEcho)
{
    channel.onSend = [this](const QByteArray&) {
        channel.deliver("ATZ\r\r\rELM327 v1.5\r\r>");
    };
    EXPECT_EQ(adapter.writeCOM(QStringLiteral("atz"), true), QStringLiteral("ELM327 v1.5 >"));
    ASSERT_EQ(channel.sent.size(), 1);
    EXPECT_EQ(channel.sent[0], QByteArray("ATZ\r"));
    EXPECT_EQ(host.lines, QStringList({QStringLiteral("> ATZ"), QStringLiteral("< ELM327 v1.5")}));
    EXPECT_GE(channel.discards, 1); // unread input is dropped before each command
}

TEST_F(AdapterTest, OnlyAsciiLettersAreUpperCased)
{
    answerWith("OK");
    adapter.writeCOM(QStringLiteral("atsh7e0"), false);
    EXPECT_EQ(channel.sent.value(0), QByteArray("ATSH7E0\r"));
    EXPECT_TRUE(host.lines.isEmpty()); // logIt false writes nothing
}

TEST_F(AdapterTest, AnswersWithoutEchoAndShortAnswersAreKeptWhole)
{
    channel.onSend = [this](const QByteArray&) { channel.deliver("OK\r\r>"); };
    EXPECT_EQ(adapter.writeCOM(QStringLiteral("ATE0"), true), QStringLiteral("OK >"));
    EXPECT_EQ(host.lines.last(), QStringLiteral("< OK"));

    // An answer that is exactly the command, with no blank after it, is not an echo.
    channel.onSend = [this](const QByteArray&) { channel.deliver("2100"); };
    EXPECT_EQ(adapter.writeCOM(QStringLiteral("2100"), true), QStringLiteral("2100"));

    channel.onSend = [this](const QByteArray&) { channel.deliver(">"); };
    EXPECT_EQ(adapter.writeCOM(QStringLiteral("2100"), true), QStringLiteral(">"));
    EXPECT_EQ(host.lines.last(), QStringLiteral("< "));

    // Garbage shows in the log as codes; the answer itself is unchanged.
    channel.onSend = [this](const QByteArray&) { channel.deliver("61\x1b\xff\x80 00\r\r>"); };
    EXPECT_EQ(adapter.writeCOM(QStringLiteral("2100"), true), QStringLiteral("61 \u00ff\u0080 00 >"));
    EXPECT_EQ(host.lines.last(), QStringLiteral("< 61 <FF><80> 00"));
}

TEST_F(AdapterTest, AnswerInPiecesArrivesAsOneBatchLater)
{
    channel.onSend = [this](const QByteArray&) {
        channel.deliverLater("2100\r61 00 C3 1F 80 45 02 \r\r>", 20);
    };
    EXPECT_EQ(adapter.writeCOM(QStringLiteral("2100"), false),
              QStringLiteral("61 00 C3 1F 80 45 02 >"));
}

TEST_F(AdapterTest, SilenceGivesAnEmptyAnswerNotThePreviousOne)
{
    answerWith("61 00 11 22 ");
    EXPECT_FALSE(adapter.writeCOM(QStringLiteral("2100"), false).isEmpty());
    channel.onSend = nullptr;
    EXPECT_EQ(adapter.writeCOM(QStringLiteral("2101"), true), QString());
    EXPECT_EQ(host.lines.last(), QStringLiteral("< "));
}

TEST_F(AdapterTest, LateAnswerOfAnEarlierCommandIsNotTaken)
{
    channel.onSend = nullptr; // the read of block 00 times out
    EXPECT_EQ(adapter.writeCOM(QStringLiteral("2100"), false), QString());

    // Its answer arrives just after the next command went out, then the real one.
    channel.onSend = [this](const QByteArray& cmd) {
        channel.deliver("2100\r61 00 AA \r\r>");
        channel.deliverLater(cmd + "\r61 01 42 \r\r>", 10);
    };
    EXPECT_EQ(adapter.writeCOM(QStringLiteral("2101"), false), QStringLiteral("61 01 42 >"));
}

TEST_F(AdapterTest, BatchWhileNobodyWaitsIsDropped)
{
    channel.deliver("STRAY\r\r>");
    answerWith("OK");
    EXPECT_EQ(adapter.writeCOM(QStringLiteral("ATSP6"), false), QStringLiteral("OK >"));
}

TEST_F(AdapterTest, ReadFailureEndsTheWaitWithItsText)
{
    channel.onSend = [this](const QByteArray&) { channel.failRead(); };
    EXPECT_EQ(adapter.writeCOM(QStringLiteral("2100"), false), Adapter::kReadError);
}

TEST_F(AdapterTest, NeverSendsAnEmptyCommandNorAnUncheckedChange)
{
    EXPECT_EQ(adapter.writeCOM(QString(), true), QString());
    EXPECT_EQ(adapter.writeCOM(QStringLiteral("  "), true), QString());
    // Writes, clearing and restarts go only through the write gate.
    for (const char* change : {"3b0142", "3B 00 CD", "14FF00", "1101", " 3b 01 42", "1 1 0 1"})
        EXPECT_EQ(adapter.writeCOM(QLatin1String(change), true), QString()) << change;
    EXPECT_TRUE(channel.sent.isEmpty());
    EXPECT_TRUE(host.lines.last().startsWith(QStringLiteral("! Запрос изменения модуля без проверки не отправлен")));
    // A CR inside would make a read carry a second request; no control character goes out,
    // not even through the write gate's own door.
    for (const char* command : {"2101\r3B01C0", "E3D\r1101", "21\n01", "21\t01", "2101\x7f"}) {
        EXPECT_EQ(adapter.writeCOM(QLatin1String(command), true), QString()) << command;
        EXPECT_TRUE(host.lines.last().startsWith(QStringLiteral("! Команда с управляющими или непечатаемыми символами не отправлена")));
    }
    EXPECT_EQ(adapter.writeCOM(QStringLiteral("21\u00e9"), true), QString());
    EXPECT_TRUE(channel.sent.isEmpty());
}

TEST_F(AdapterTest, NestedExchangeIsRefused)
{
    QString nested = QStringLiteral("not called");
    channel.onSend = [this, &nested](const QByteArray& cmd) {
        if (cmd.startsWith("2100")) {
            // Something started from the event loop while the first command waits.
            QTimer::singleShot(0, &channel, [this, &nested] {
                nested = adapter.writeCOM(QStringLiteral("2101"), true);
                channel.deliver("2100\r61 00 01 \r\r>");
            });
        }
    };
    EXPECT_EQ(adapter.writeCOM(QStringLiteral("2100"), false), QStringLiteral("61 00 01 >"));
    EXPECT_EQ(nested, QString());
    EXPECT_EQ(channel.sent.size(), 1); // the write never reached the adapter
}

TEST_F(AdapterTest, AnswerAfterNulIsCut)
{
    channel.onSend = [this](const QByteArray&) {
        channel.deliver(QByteArray("OK\r", 3) + QByteArray(1, '\0') + QByteArray("junk>"));
    };
    EXPECT_EQ(adapter.writeCOM(QStringLiteral("ATSP6"), false), QStringLiteral("OK"));
}

} // namespace
} // namespace talmero::link

namespace talmero::link {
namespace {

// Each step of opening a module wants its exact answer; one with more in it is no answer.
TEST(SessionAnswers, EachStepWantsItsExactAnswer)
{
    const struct {
        const char* command;
        const char* answer;
        const char* result;
    } cases[] = {
        {"ATZ", "?", "! Неверный ответ адаптера"},
        {"ATSP6", "OK?", "! Ошибка"},
        {"ATSH720", "OK OK", "! Ошибка"},
        {"1087", "50 87 00", "! Модуль не ответил или отсутствует"},
        {"1087", "50 8", "! Модуль не ответил или отсутствует"},
    };
    for (const auto& c : cases) {
        ScriptedChannel channel;
        RecordingHost host;
        Adapter adapter(channel, host);
        Session session(adapter, host);
        channel.onSend = [&](const QByteArray& cmd) {
            const QByteArray command = cmd.trimmed();
            const QByteArray answer = command == c.command ? QByteArray(c.answer)
                : command == "ATZ"                         ? QByteArray("ELM327 v1.5")
                : command == "1087"                        ? QByteArray("50 87")
                                                           : QByteArray("OK");
            channel.deliver(command + "\r" + answer + "\r\r>");
        };
        EXPECT_EQ(session.openModule(probeModule(QStringLiteral("720"), false, true), false, true), QString::fromUtf8(c.result))
            << c.command << " " << c.answer;
    }
}

} // namespace
} // namespace talmero::link
