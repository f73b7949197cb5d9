#include "support/outcome_text.h"
#include "link/adapter.h"
#include "link/answer_text.h"
#include "link/link_error.h"
#include "link/serial_channel.h"
#include "link/session.h"
#include "sim_process.h"
#include "support/recording_host.h"
#include "support/test_gate.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QTimer>
#include <gtest/gtest.h>
#include "support/probe_module.h"

namespace talmero::link {
namespace {

// The program's serial path against talmero-sim over a real pseudo-terminal.
struct SerialE2E : ::testing::Test {
    void connectTo(const QStringList& simArgs)
    {
        sim = std::make_unique<SimProcess>(simArgs);
        ASSERT_TRUE(sim->path().startsWith(QLatin1String("/dev/"))) << sim->path().toStdString();
        channel = std::make_unique<SerialChannel>(sim->path(), 38400);
        channel->open();
        adapter = std::make_unique<Adapter>(*channel, host);
        session = std::make_unique<Session>(*adapter, host);
    }
    QString ask(const QString& command) { return adapter->writeCOM(command, true); }

    RecordingHost host;
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<SerialChannel> channel;
    std::unique_ptr<Adapter> adapter;
    std::unique_ptr<Session> session;
};

TEST_F(SerialE2E, OpensAModuleReadsWritesAndReadsBack)
{
    connectTo({QStringLiteral("--switch"), QStringLiteral("auto")});
    EXPECT_EQ(session->openModule(probeModule(QStringLiteral("720"), false, true), true, true), QStringLiteral("OK"));
    EXPECT_EQ(host.notices, QStringList{QStringLiteral("Переключите адаптер на высокую шину (HSCAN)\nСледующий модуль: Панель приборов (IPC)")});
    const QStringList sent = host.lines.filter(QRegularExpression(QStringLiteral("^> ")));
    EXPECT_EQ(sent, QStringList({QStringLiteral("> ATZ"), QStringLiteral("> ATSP6"),
                                 QStringLiteral("> ATSH720"), QStringLiteral("> 1087")}));
    EXPECT_TRUE(host.lines.contains(QStringLiteral("< ELM327 v1.5")));

    const QString block = classifyAnswer(ask(QStringLiteral("2100"))).hex;
    ASSERT_TRUE(block.startsWith(QLatin1String("6100"))) << block.toStdString();
    ASSERT_EQ(block.size(), 4 + 10);

    // Flip every bit of the last byte, write through the gate, and read it back.
    const int last = block.right(2).toInt(nullptr, 16) ^ 0xFF;
    const QString data = block.mid(4, 8) + QStringLiteral("%1").arg(last, 2, 16, QLatin1Char('0')).toUpper();
    TestGate gate(*session, host);
    safety::BlockWrite write;
    write.target = gate.gate.targetOf(*talmero::link::moduleAt(QStringLiteral("720")), QStringLiteral("00"));
    write.newHex = data;
    EXPECT_EQ(gate.gate.writeBlock(write).outcome, safety::WriteOutcome::Verified);
    EXPECT_TRUE(host.lines.contains(QStringLiteral("> 3B00") + data));
    EXPECT_EQ(classifyAnswer(ask(QStringLiteral("2100"))).hex, QStringLiteral("6100") + data);
}

TEST_F(SerialE2E, MultiFrameVinReadJoinsIntoOneHexString)
{
    connectTo({});
    ASSERT_EQ(session->openModule(probeModule(QStringLiteral("720"), false, true), false, true), QStringLiteral("OK"));
    const QString vin = classifyAnswer(ask(QStringLiteral("2102"))).hex;
    ASSERT_TRUE(vin.startsWith(QLatin1String("6102"))) << vin.toStdString();
    const QString text = QString::fromLatin1(QByteArray::fromHex(vin.mid(4).toLatin1()));
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("^[0-9A-Z]{17}")))) << text.toStdString();
}

TEST_F(SerialE2E, ModuleOnTheOtherBusAnswersNoData)
{
    connectTo({});
    // The ABS sits on the high-speed bus; addressed on the medium one nothing answers.
    EXPECT_EQ(session->openModule(probeModule(QStringLiteral("760"), true, true), true, true),
              QStringLiteral("! Модуль не ответил или отсутствует"));
    EXPECT_EQ(host.lines.last(), QStringLiteral("< NO DATA"));
}

TEST_F(SerialE2E, LateAnswerIsNeverTakenByTheNextModule)
{
    // The cluster answers its session request after the wait has given up; the ABS,
    // addressed next, must still get its own answers.
    connectTo({QStringLiteral("--fault"), QStringLiteral("720:late")});
    EXPECT_EQ(session->openModule(probeModule(QStringLiteral("720"), false, true), true, true),
              QStringLiteral("! Модуль не ответил или отсутствует"));
    EXPECT_EQ(cutCOM(ask(QStringLiteral("atsh760"))), QStringLiteral("OK"));
    EXPECT_EQ(cutCOM(ask(QStringLiteral("1087"))), QStringLiteral("5087"));
}

TEST_F(SerialE2E, MissingPortAndHeldPortCannotBeOpened)
{
    // A missing device, and devices that are no serial port, each said as such.
    const struct {
        const char* path;
        const char* said;
    } refused[] = {
        {"/dev/ttyTALMERO-none", "Ошибка открытия порта: устройства /dev/ttyTALMERO-none нет."},
        {"ttyTALMERO-none", "Ошибка открытия порта: устройства /dev/ttyTALMERO-none нет."},
        {"/dev/null", "Ошибка открытия порта: /dev/null — не последовательный порт."},
        {"/dev", "Ошибка открытия порта: /dev — не последовательный порт."},
    };
    for (const auto& r : refused) {
        SerialChannel port(QString::fromUtf8(r.path), 38400);
        try {
            port.open();
            ADD_FAILURE() << "opened " << r.path;
        } catch (const LinkError& e) {
            EXPECT_TRUE(e.text().startsWith(QString::fromUtf8(r.said))) << e.text().toStdString();
        }
        EXPECT_FALSE(port.isOpen());
    }

    connectTo({});
    SerialChannel second(sim->path(), 38400);
    try { // opened exclusively by the first channel, and the user is told so
        second.open();
        FAIL() << "opened a port held by another channel";
    } catch (const LinkError& e) {
        EXPECT_EQ(e.text(), QStringLiteral("Ошибка открытия порта: ") + sim->path()
                                + QStringLiteral(" занят другой программой. Закройте её и подключитесь снова."));
    }
    channel->close();
    EXPECT_NO_THROW(second.open());
    EXPECT_TRUE(second.isOpen());
}

TEST_F(SerialE2E, UnsupportedRateClosesThePortForARetry)
{
    connectTo({});
    channel->close();
    SerialChannel wrongRate(sim->path(), 12345);
    try {
        wrongRate.open();
        FAIL() << "accepted an unsupported rate";
    } catch (const LinkError& e) {
        EXPECT_EQ(e.text(), QStringLiteral("Ошибка настройки параметров порта"));
    }
    EXPECT_FALSE(wrongRate.isOpen());
    EXPECT_NO_THROW(channel->open()); // the failed attempt did not keep the device
}

// The rate the program sets is the rate the adapter's end of the line sees; the
// simulator's trace names it before the first command at that rate.
TEST_F(SerialE2E, PortRateReachesTheSimulator)
{
    sim = std::make_unique<SimProcess>(QStringList{QStringLiteral("--trace")});
    ASSERT_TRUE(sim->path().startsWith(QLatin1String("/dev/"))) << sim->path().toStdString();
    QByteArray trace;
    for (const int baud : {9600, 115200}) {
        SerialChannel port(sim->path(), baud);
        ASSERT_NO_THROW(port.open());
        Adapter atRate(port, host);
        EXPECT_EQ(cutCOM(atRate.writeCOM(QStringLiteral("ATI"), true)), QStringLiteral("ELM327v1.5"));
        const QByteArray expected = " port at " + QByteArray::number(baud) + " baud\n";
        const QDeadlineTimer deadline(10000);
        while (!trace.contains(expected) && !deadline.hasExpired()) {
            sim->process().waitForReadyRead(100);
            trace += sim->process().readAllStandardError();
        }
        const qsizetype rateAt = trace.indexOf(expected);
        ASSERT_GE(rateAt, 0) << trace.constData();
        EXPECT_GT(trace.indexOf("< ATI\\r", rateAt), rateAt) << trace.constData();
        port.close();
    }
}

TEST_F(SerialE2E, LineDroppedMidExchangeEndsTheWaitWithoutAnAnswer)
{
    connectTo({QStringLiteral("--latency"), QStringLiteral("400")});
    QTimer::singleShot(100, [this] { sim->kill(); });
    const QString answer = ask(QStringLiteral("atz"));
    EXPECT_FALSE(answer.contains(QLatin1String("ELM"))) << answer.toStdString();
    // Nothing more is sent or received, and nothing hangs.
    EXPECT_FALSE(ask(QStringLiteral("atsp6")).contains(QLatin1String("OK")));
}

} // namespace
} // namespace talmero::link
