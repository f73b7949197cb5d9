#include "link/channel.h"

#include <QByteArrayList>
#include <gtest/gtest.h>

namespace talmero::link {
namespace {

// The batching every channel shares, fed by hand.
class FedChannel : public Channel {
public:
    FedChannel() { connect(this, &Channel::batchReceived, [this](const QByteArray& b) { batches.append(b); }); }
    void open() override {}
    void close() override {}
    bool isOpen() const override { return true; }
    void send(const QByteArray&) override {}
    void discardInput() override { discardCollected(); }
    QString name() const override { return QStringLiteral("fed"); }

    void receive(const QByteArray& bytes) { collect(bytes); }
    void discardWithUnread(const QByteArray& unread) { discardCollected(unread); }

    QByteArrayList batches;
};

TEST(ChannelBatches, EachAnswerUpToItsPromptIsOneBatch)
{
    FedChannel ch;
    ch.receive("2100\r61 00 ");
    EXPECT_TRUE(ch.batches.isEmpty()); // no prompt yet
    ch.receive("C3 \r\r>ATSP6\rOK\r\r>AT");
    EXPECT_EQ(ch.batches, QByteArrayList({"2100\r61 00 C3 \r\r>", "ATSP6\rOK\r\r>"}));
    ch.receive("I\rELM327 v1.5\r\r>");
    EXPECT_EQ(ch.batches.last(), QByteArray("ATI\rELM327 v1.5\r\r>")); // the waiting bytes come first
}

TEST(ChannelBatches, RestOfADiscardedAnswerNeverReachesTheNextCommand)
{
    FedChannel ch;
    ch.receive("1087\r"); // the echo of a command that timed out
    ch.discardInput();
    ch.receive("50 87 \r\r>ATSH760\rOK\r\r>"); // its late answer, then the new command's
    EXPECT_EQ(ch.batches, QByteArrayList{"ATSH760\rOK\r\r>"});

    // Whole answers discarded leave nothing to skip.
    ch.batches.clear();
    ch.receive("STRAY\r\r>");
    ch.discardWithUnread("MORE\r\r>");
    ch.receive("ATSP6\rOK\r\r>");
    EXPECT_EQ(ch.batches, QByteArrayList({"STRAY\r\r>", "ATSP6\rOK\r\r>"}));

    // A partial answer among the unread bytes is skipped up to its prompt, even in pieces.
    ch.batches.clear();
    ch.discardWithUnread("OLD\r\r>21");
    ch.receive("00\r61 00");
    ch.receive(" 01 \r\r>2101\r61 01 02 \r\r>");
    EXPECT_EQ(ch.batches, QByteArrayList{"2101\r61 01 02 \r\r>"});
}

TEST(ChannelBatches, AnswersCutAnywhereJoinUpToTheirPrompts)
{
    // A BLE adapter's notifications end wherever its link's packets do.
    const QByteArray stream = "ATZ\r\r\rELM327 v1.5\r\r>2101 2\r009 \r0: 61 01 00 12 28 0E \r1: 00 00 B0 \r\r>";
    for (int a = 1; a < stream.size(); ++a) {
        for (int b = a; b < stream.size(); b += 3) {
            FedChannel ch;
            ch.receive(stream.left(a));
            ch.receive(stream.mid(a, b - a));
            ch.receive(stream.mid(b));
            ASSERT_EQ(ch.batches, QByteArrayList({"ATZ\r\r\rELM327 v1.5\r\r>", "2101 2\r009 \r0: 61 01 00 12 28 0E \r1: 00 00 B0 \r\r>"}))
                << a << ' ' << b;
        }
    }
}

} // namespace
} // namespace talmero::link
