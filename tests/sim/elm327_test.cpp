#include "sim/can_frames.h"
#include "sim/car.h"
#include "sim/elm327.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QDeadlineTimer>
#include <gtest/gtest.h>

using namespace talmero::sim;

namespace {

// An adapter in front of a factory car, with everything it printed.
struct Rig {
    Car car;
    Elm327 elm;
    QByteArray out;

    explicit Rig(Elm327::SwitchMode mode = Elm327::SwitchMode::Auto) : elm(car, mode)
    {
        QObject::connect(&elm, &Elm327::output, [this](const QByteArray& b) { out += b; });
    }
    QByteArray say(const QByteArray& in)
    {
        out.clear();
        elm.receive(in);
        return out;
    }
    // Waits (generously) until the output ends with a prompt.
    bool waitForPrompt()
    {
        const QDeadlineTimer deadline(10000);
        while (!out.endsWith('>') && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        return out.endsWith('>');
    }
};

struct Step {
    const char* in;
    const char* out;
};

struct Trace {
    const char* name;
    std::vector<Step> steps;
};

const char* const kVinFrames = "014 \r0: 49 02 01 57 46 30 \r1: 41 58 58 57 50 44 41 \r"
                               "2: 39 4B 31 32 33 34 35 \r\r>";

// Byte-for-byte traces from a freshly powered adapter (echo on).
const std::vector<Trace> kTraces = {
    {"reset", {{"ATZ\r", "ATZ\r\r\rELM327 v1.5\r\r>"}, {"ATWS\r", "ATWS\r\r\rELM327 v1.5\r\r>"}}},
    {"echo off and back on after reset",
     {{"ATE0\r", "ATE0\rOK\r\r>"},
      {"ATI\r", "ELM327 v1.5\r\r>"},
      {"ATZ\r", "\r\rELM327 v1.5\r\r>"},
      {"ATRV\r", "ATRV\r12.6V\r\r>"}}},
    {"line feeds", {{"ATL1\r", "ATL1\rOK\r\n\r\n>"}, {"AT@1\r", "AT@1\rOBDII to RS232 Interpreter\r\n\r\n>"}}},
    {"case and spaces ignored", {{"at sh 7 e0\r", "at sh 7 e0\rOK\r\r>"}, {"atsp6\r", "atsp6\rOK\r\r>"},
                                 {"01 00\r", "01 00\r41 00 BE 3E A0 13 \r\r>"}}},
    {"spaces off", {{"ATE0\r", "ATE0\rOK\r\r>"}, {"ATSP6\r", "OK\r\r>"}, {"ATSH7E0\r", "OK\r\r>"},
                    {"ATS0\r", "OK\r\r>"}, {"0100\r", "4100BE3EA013\r\r>"},
                    {"0902\r", "014\r0:490201574630\r1:41585857504441\r2:394B3132333435\r\r>"}}},
    {"headers on", {{"ATE0\r", "ATE0\rOK\r\r>"}, {"ATSP6\r", "OK\r\r>"}, {"ATH1\r", "OK\r\r>"},
                    {"0100\r", "7E8 06 41 00 BE 3E A0 13 \r\r>"},
                    {"0902\r", "7E8 10 14 49 02 01 57 46 30 \r7E8 21 41 58 58 57 50 44 41 \r"
                               "7E8 22 39 4B 31 32 33 34 35 \r\r>"},
                    {"ATSH720\r", "OK\r\r>"}, {"1087\r", "728 02 50 87 \r\r>"}}},
    {"multi-frame VIN", {{"ATE0\r", "ATE0\rOK\r\r>"}, {"ATSP6\r", "OK\r\r>"}, {"0902\r", kVinFrames}}},
    {"automatic protocol searches once",
     {{"ATE0\r", "ATE0\rOK\r\r>"}, {"ATSP0\r", "OK\r\r>"}, {"ATDPN\r", "A0\r\r>"},
      {"ATDP\r", "AUTO\r\r>"}, {"0100\r", "SEARCHING...\r41 00 BE 3E A0 13 \r\r>"},
      {"0100\r", "41 00 BE 3E A0 13 \r\r>"}, {"ATDPN\r", "A6\r\r>"},
      {"ATDP\r", "AUTO, ISO 15765-4 (CAN 11/500)\r\r>"}}},
    {"fixed protocol names", {{"ATE0\r", "ATE0\rOK\r\r>"}, {"ATSP6\r", "OK\r\r>"},
                              {"ATDP\r", "ISO 15765-4 (CAN 11/500)\r\r>"}, {"ATDPN\r", "6\r\r>"}}},
    {"nothing answers on the selected bus",
     {{"ATE0\r", "ATE0\rOK\r\r>"}, {"ATSP6\r", "OK\r\r>"}, {"ATSH726\r", "OK\r\r>"},
      {"2103\r", "NO DATA\r\r>"}, {"ATSPB\r", "OK\r\r>"}, {"2103\r", "61 03 E3 D0 D4 FC \r\r>"},
      {"ATSH720\r", "OK\r\r>"}, {"2100\r", "NO DATA\r\r>"}}},
    {"unknown or malformed commands",
     {{"ATE0\r", "ATE0\rOK\r\r>"}, {"ATXYZ\r", "?\r\r>"}, {"ATSP6\r", "OK\r\r>"},
      {"ATSH72\r", "?\r\r>"}, {"210\r", "?\r\r>"}, {"21G0\r", "?\r\r>"},
      {"3B00112233445566\r", "?\r\r>"}}},
    {"negative answer printed as data",
     {{"ATE0\r", "ATE0\rOK\r\r>"}, {"ATSP6\r", "OK\r\r>"}, {"ATSH720\r", "OK\r\r>"},
      {"3B00CD421010C1\r", "7F 3B 22 \r\r>"}, {"1087\r", "50 87 \r\r>"},
      {"3B00CD421010C1\r", "7B 00 \r\r>"}}},
    {"lone CR repeats the previous command",
     {{"ATSP6\r", "ATSP6\rOK\r\r>"}, {"ATSH720\r", "ATSH720\rOK\r\r>"},
      {"2100\r", "2100\r61 00 CD 42 10 10 C0 \r\r>"}, {"\r", "\r61 00 CD 42 10 10 C0 \r\r>"},
      {"  \r", "  \r61 00 CD 42 10 10 C0 \r\r>"}}},
    {"start-up settings of other programs",
     {{"ATE0\r", "ATE0\rOK\r\r>"}, {"ATL0\r", "OK\r\r>"}, {"ATS0\r", "OK\r\r>"},
      {"ATH1\r", "OK\r\r>"}, {"ATAT1\r", "OK\r\r>"}, {"ATST64\r", "OK\r\r>"},
      {"ATSP0\r", "OK\r\r>"}, {"0100\r", "SEARCHING...\r7E8064100BE3EA013\r\r>"}}},
    {"defaults restore echo, headers, spaces and the header",
     {{"ATE0\r", "ATE0\rOK\r\r>"}, {"ATH1\r", "OK\r\r>"}, {"ATS0\r", "OK\r\r>"},
      {"ATSP6\r", "OK\r\r>"}, {"ATSH720\r", "OK\r\r>"}, {"ATD\r", "OK\r\r>"},
      {"0100\r", "0100\r41 00 BE 3E A0 13 \r\r>"}}},
    {"six-digit header uses its rightmost 11 bits",
     {{"ATE0\r", "ATE0\rOK\r\r>"}, {"ATSP6\r", "OK\r\r>"}, {"AT SH 00 07 E0\r", "OK\r\r>"},
      {"0100\r", "41 00 BE 3E A0 13 \r\r>"}, {"ATSH18DA10\r", "OK\r\r>"},
      {"0100\r", "NO DATA\r\r>"}, {"ATSHDA10F1\r", "OK\r\r>"}, {"0100\r", "NO DATA\r\r>"}}},
    {"auto-formatting and flow control off",
     {{"ATE0\r", "ATE0\rOK\r\r>"}, {"ATSP6\r", "OK\r\r>"}, {"ATSH720\r", "OK\r\r>"},
      {"ATCAF0\r", "OK\r\r>"}, {"021087\r", "02 50 87 00 00 00 00 00 \r\r>"},
      {"2100\r", "NO DATA\r\r>"}, {"073B00CD421010C1\r", "02 7B 00 00 00 00 00 00 \r\r>"},
      {"ATSH7E0\r", "OK\r\r>"},
      {"020902\r", "10 14 49 02 01 57 46 30 \r21 41 58 58 57 50 44 41 \r22 39 4B 31 32 33 34 35 \r\r>"},
      {"ATCFC0\r", "OK\r\r>"}, {"020902\r", "10 14 49 02 01 57 46 30 \r\r>"},
      {"ATCAF1\r", "OK\r\r>"}, {"0902\r", "014 \r0: 49 02 01 57 46 30 \r\r>"},
      {"ATCFC1\r", "OK\r\r>"}, {"0902\r", kVinFrames}}},
    {"response pending before a slow block",
     {{"ATE0\r", "ATE0\rOK\r\r>"}, {"ATSP6\r", "OK\r\r>"}, {"ATSH760\r", "OK\r\r>"},
      {"2101\r", "61 01 40 \r\r>"},
      {"2100\r", "7F 21 78 \r013 \r0: 61 00 57 46 30 41 \r1: 58 58 57 50 44 41 39 \r"
                 "2: 4B 31 32 33 34 35 \r\r>"}}},
};

void PrintTo(const Trace& trace, std::ostream* os)
{
    *os << trace.name;
}

class Elm327Trace : public ::testing::TestWithParam<Trace> {};

TEST_P(Elm327Trace, PrintsExactlyWhatAnAdapterPrints)
{
    Rig rig;
    for (const Step& step : GetParam().steps)
        EXPECT_EQ(rig.say(step.in), QByteArray(step.out)) << "after " << step.in;
}

INSTANTIATE_TEST_SUITE_P(Traces, Elm327Trace, ::testing::ValuesIn(kTraces),
                         [](const auto& info) {
                             std::string name;
                             for (char c : std::string(info.param.name))
                                 name += isalnum(uchar(c)) ? c : '_';
                             return name;
                         });

// Settings commands a v1.5 adapter knows answer OK; what it does not know answers '?'.
TEST(Elm327, SettingsCommandsOfOtherPrograms)
{
    const std::pair<const char*, const char*> cases[] = {
        {"ATAT0", "OK"},   {"ATAT1", "OK"},   {"ATAT2", "OK"},  {"ATST64", "OK"},
        {"AT ST 0A", "OK"}, {"ATCAF0", "OK"}, {"ATCAF1", "OK"}, {"ATM0", "OK"},
        {"ATM1", "OK"},    {"ATAL", "OK"},    {"ATNL", "OK"},   {"ATCFC0", "OK"},
        {"ATCFC1", "OK"},  {"ATPC", "OK"},    {"ATD", "OK"},    {"ATSH7E0", "OK"},
        {"ATSH0007E0", "OK"}, {"ATRV", "12.6V"},
        {"ATAT3", "?"},    {"ATST6", "?"},    {"ATST1G", "?"},  {"ATCAF2", "?"},
        {"ATCFC", "?"},    {"ATM2", "?"},     {"ATSH07E0", "?"}, {"ATSH7E", "?"},
        {"ATSH0007E0F", "?"}, {"ATXYZ", "?"},
    };
    for (const auto& [command, answer] : cases) {
        Rig rig;
        rig.say("ATE0\r");
        EXPECT_EQ(rig.say(QByteArray(command) + '\r'), QByteArray(answer) + "\r\r>") << command;
    }
}

TEST(Elm327, VoltageIsTheCarsBatteryWithOneDecimal)
{
    Rig rig;
    rig.say("ATE0\r");
    rig.car.setBatteryVolts(11.94);
    EXPECT_EQ(rig.say("ATRV\r"), QByteArray("11.9V\r\r>"));
    rig.car.setBatteryVolts(13);
    EXPECT_EQ(rig.say("ATRV\r"), QByteArray("13.0V\r\r>"));
}

TEST(Elm327, BytesInAnyPiecesGiveTheSameOutput)
{
    Rig whole, pieces;
    const QByteArray script = "ATZ\rATSP6\rATSH720\r1087\r2102\r";
    const QByteArray expected = whole.say(script);
    QByteArray collected;
    for (char c : script)
        collected += pieces.say(QByteArray(1, c));
    EXPECT_EQ(collected, expected);
    EXPECT_TRUE(expected.endsWith("2: 4B 31 32 33 34 35 \r\r>"));
}

TEST(Elm327, CanErrorWhenTheSwitchDoesNotMatchTheProtocol)
{
    Rig rig(Elm327::SwitchMode::Manual);
    rig.say("ATE0\rATSPB\rATSH726\r");
    EXPECT_EQ(rig.say("2103\r"), QByteArray("CAN ERROR\r\r>")); // switch still on HS
    rig.car.setSwitchMedium(true);
    EXPECT_EQ(rig.say("2103\r"), QByteArray("61 03 E3 D0 D4 FC \r\r>"));
    rig.say("ATSP6\rATSH720\r");
    EXPECT_EQ(rig.say("2100\r"), QByteArray("CAN ERROR\r\r>"));
    rig.say("ATSP0\r");
    EXPECT_EQ(rig.say("0100\r"), QByteArray("SEARCHING...\rUNABLE TO CONNECT\r\r>"));
}

TEST(Elm327, AutomaticSwitchFollowsTheProtocol)
{
    Rig rig;
    rig.say("ATSPB\r");
    EXPECT_TRUE(rig.car.switchMedium());
    rig.say("ATSP6\r");
    EXPECT_FALSE(rig.car.switchMedium());
}

TEST(Elm327, AbsentModuleAnswersNoData)
{
    Rig rig;
    rig.say("ATE0\rATSP6\rATSH720\r");
    rig.car.setPresent("720", false);
    EXPECT_EQ(rig.say("2100\r"), QByteArray("NO DATA\r\r>"));
    rig.car.setPresent("720", true);
    EXPECT_EQ(rig.say("2100\r"), QByteArray("61 00 CD 42 10 10 C0 \r\r>"));
}

// The adapter's waiting: after the last answer line it listens until its time-out (AT ST,
// capped by adaptive timing) unless the answer count was reached; lines past the count
// are lost. The wait is the model's choice, read back; nothing here depends on a clock.
TEST(Elm327, TimingModelWaitsAsTheChipDoes)
{
    const QByteArray vin720 = "013 \r0: 61 02 57 46 30 41 \r1: 58 58 57 50 44 41 39 \r2: 4B 31 32 33 34 35 \r\r>";
    const struct {
        const char* setup;
        const char* request;
        QByteArray out;
        int waitMs;
        Elm327::Timing timing = Elm327::Timing::Elm;
        bool counts = true;
    } cases[] = {
        {"ATSH720\r", "2100\r", "61 00 CD 42 10 10 C0 \r\r>", 100},
        {"ATSH720\r", "2100 1\r", "61 00 CD 42 10 10 C0 \r\r>", 0},
        {"ATSH720\rATAT0\r", "2100\r", "61 00 CD 42 10 10 C0 \r\r>", 200},
        {"ATSH720\rATAT2\r", "2100\r", "61 00 CD 42 10 10 C0 \r\r>", 60},
        {"ATSH720\rATST0A\r", "2100\r", "61 00 CD 42 10 10 C0 \r\r>", 40},
        {"ATSH720\rATST0A\rATST00\rATAT0\r", "2100\r", "61 00 CD 42 10 10 C0 \r\r>", 200},
        {"ATSH720\rATAT0\rATWS\rATE0\rATSP6\rATSH720\r", "2100\r", "61 00 CD 42 10 10 C0 \r\r>", 100},
        {"ATSH720\r", "2102\r", vin720, 100},
        {"ATSH720\r", "21023\r", vin720, 0},
        {"ATSH720\r", "21022\r", "013 \r0: 61 02 57 46 30 41 \r1: 58 58 57 50 44 41 39 \r\r>", 0},
        {"ATSH720\rATH1\r", "2102 2\r", "728 10 13 61 02 57 46 30 41 \r728 21 58 58 57 50 44 41 39 \r\r>", 0},
        // A response-pending note is an answer of its own.
        {"ATSH760\r", "21001\r", "7F 21 78 \r\r>", 0},
        {"ATSH760\r", "21002\r", "7F 21 78 \r013 \r0: 61 00 57 46 30 41 \r\r>", 0},
        {"ATSH760\r", "2100\r", "7F 21 78 \r013 \r0: 61 00 57 46 30 41 \r1: 58 58 57 50 44 41 39 \r2: 4B 31 32 33 34 35 \r\r>", 100},
        // Nothing answers: NO DATA after the whole time-out, adaptive timing or not.
        {"ATSH726\r", "2103\r", "NO DATA\r\r>", 200},
        {"ATSH726\rATST19\r", "2103 1\r", "NO DATA\r\r>", 100},
        // A count digit is never a request byte.
        {"ATSH720\r", "21000\r", "?\r\r>", 0},
        {"ATSH720\r10871\r", "3B00CD421010C1 1\r", "7B 00 \r\r>", 0},
        {"ATSH720\r", "2100 1\r", "?\r\r>", 0, Elm327::Timing::Elm, false},
        {"ATSH720\r", "2100 1\r", "61 00 CD 42 10 10 C0 \r\r>", 0, Elm327::Timing::Instant},
        {"ATSH720\r", "2100\r", "61 00 CD 42 10 10 C0 \r\r>", 0, Elm327::Timing::Instant},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.elm.setTiming(c.timing);
        rig.elm.setAnswerCounts(c.counts);
        rig.say(QByteArray("ATE0\rATSP6\r") + c.setup);
        const QByteArray atOnce = rig.say(c.request);
        ASSERT_TRUE(rig.waitForPrompt()) << c.setup << c.request;
        EXPECT_EQ(rig.out, c.out) << c.setup << c.request;
        EXPECT_EQ(rig.elm.lastWaitMs(), c.waitMs) << c.setup << c.request;
        // The prompt waits for the end of the wait; without one it comes with the answer.
        EXPECT_EQ(atOnce.endsWith('>'), c.waitMs == 0) << c.setup << c.request;
    }
}

// An STN chip's one-line request: the header for this request only, the data, the answers
// to wait for as the count digit; a plain ELM327 and older firmware know no STPX. ATZ takes
// its reset time (the LED test), ATWS does not.
TEST(Elm327, StnOneLineRequestAndTheResetsTime)
{
    Rig rig;
    rig.elm.setChip(Elm327::Chip::Stn);
    rig.say("ATE0\rATSP6\r");
    EXPECT_EQ(rig.say("STPX H:720, D:2102, R:2\r"), QByteArray("013 \r0: 61 02 57 46 30 41 \r1: 58 58 57 50 44 41 39 \r\r>"));
    EXPECT_EQ(rig.say("stpx h:760,d:2101\r"), QByteArray("61 01 40 \r\r>"));
    EXPECT_EQ(rig.say("2101\r"), QByteArray("NO DATA\r\r>")); // the chip's own header is still 7DF
    for (const char* bad : {"STPX H:72, D:2100\r", "STPX D:21G0\r", "STPX H:720\r", "STPX H:720, D:2100, X:1\r"})
        EXPECT_EQ(rig.say(bad), QByteArray("?\r\r>")) << bad;
    rig.elm.setOneLineRequests(false);
    EXPECT_EQ(rig.say("STPX H:720, D:2100, R:1\r"), QByteArray("?\r\r>"));
    rig.elm.setChip(Elm327::Chip::Elm327);
    rig.elm.setOneLineRequests(true);
    EXPECT_EQ(rig.say("STPX H:720, D:2100, R:1\r"), QByteArray("?\r\r>"));

    rig.elm.setTiming(Elm327::Timing::Elm);
    rig.elm.setResetMs(300);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(rig.say("ATZ\r").endsWith('>'));
    ASSERT_TRUE(rig.waitForPrompt());
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_TRUE(rig.say("ATWS\r").endsWith('>'));
}

TEST(CanFrames, FrameIndexWrapsAfterF)
{
    QByteArray message;
    for (int i = 0; i < 130; ++i)
        message += char(i);
    const QList<QByteArray> lines = formatMessage(message, 0x728, FrameFormat{true, false});
    ASSERT_EQ(lines.size(), 2 + 18); // count line, "0:" with 6, then 124 bytes by 7
    EXPECT_EQ(lines[0], QByteArray("082 "));
    EXPECT_EQ(lines[1], QByteArray("0: 00 01 02 03 04 05 "));
    EXPECT_EQ(lines[2], QByteArray("1: 06 07 08 09 0A 0B 0C "));
    EXPECT_TRUE(lines[16].startsWith("F: "));
    EXPECT_TRUE(lines[17].startsWith("0: 6F 70 "));
    EXPECT_EQ(lines[19], QByteArray("2: 7D 7E 7F 80 81 "));

    const QList<QByteArray> raw = formatMessage(message, 0x728, FrameFormat{true, true});
    EXPECT_EQ(raw[0], QByteArray("728 10 82 00 01 02 03 04 05 "));
    EXPECT_TRUE(raw[15].startsWith("728 2F 68 "));
    EXPECT_TRUE(raw[16].startsWith("728 20 6F "));
}

TEST(Elm327, LongBlockReadShowsTheWrappedFrameIndex)
{
    Rig rig;
    rig.car.setBlock("720", 0x05, QByteArray(120, '\x11'));
    rig.say("ATE0\rATSP6\rATSH720\r");
    const QByteArray out = rig.say("2105\r");
    EXPECT_TRUE(out.startsWith("07A \r0: 61 05 11 11 11 11 \r1: "));
    EXPECT_TRUE(out.contains("\rF: 11 "));
    EXPECT_TRUE(out.contains("\rF: 11 11 11 11 11 11 11 \r0: 11 "));
}

TEST(Elm327, CharactersDuringARequestStopIt)
{
    Rig rig;
    rig.say("ATE0\rATSP6\rATSH720\r");
    rig.elm.setLatencyMs(200);
    EXPECT_EQ(rig.say("2100\r"), QByteArray()); // the module is still thinking
    EXPECT_TRUE(rig.elm.busy());
    EXPECT_EQ(rig.say("X"), QByteArray("STOPPED\r\r>"));
    EXPECT_FALSE(rig.elm.busy());
    // The stopped answer never comes, and the next command works.
    rig.out.clear();
    rig.elm.receive("ATI\r");
    ASSERT_TRUE(rig.waitForPrompt());
    EXPECT_EQ(rig.out, QByteArray("ELM327 v1.5\r\r>"));
}

TEST(Elm327, LatencyDelaysTheAnswerButNotTheEcho)
{
    Rig rig;
    rig.elm.setLatencyMs(30);
    EXPECT_EQ(rig.say("ATI\r"), QByteArray("ATI\r"));
    ASSERT_TRUE(rig.waitForPrompt());
    EXPECT_EQ(rig.out, QByteArray("ATI\rELM327 v1.5\r\r>"));
}

TEST(Elm327, BaudTimingDelaysOutputWithoutChangingIt)
{
    Rig rig;
    rig.elm.setBaudTiming(9600);
    EXPECT_EQ(rig.say("ATZ\r"), QByteArray());
    ASSERT_TRUE(rig.waitForPrompt());
    EXPECT_EQ(rig.out, QByteArray("ATZ\r\r\rELM327 v1.5\r\r>"));
}

TEST(Elm327, FaultsOfAModuleShowInTheAnswer)
{
    Rig rig;
    rig.say("ATE0\rATSP6\rATSH720\r");
    rig.car.setFault("720", FaultKind::Garbage);
    const QByteArray garbage = rig.say("2100\r");
    EXPECT_TRUE(garbage.endsWith("\r\r>"));
    EXPECT_FALSE(garbage.contains("61"));
    rig.car.setFault("720", FaultKind::NoPrompt);
    EXPECT_EQ(rig.say("2100\r"), QByteArray("61 00 CD 42 10 10 C0 \r\r"));
    // The last frame is lost: the answer is shorter than its byte count.
    rig.car.setFault("720", FaultKind::DropLine);
    EXPECT_EQ(rig.say("2102\r"), QByteArray("013 \r0: 61 02 57 46 30 41 \r1: 58 58 57 50 44 41 39 \r\r>"));
    EXPECT_EQ(rig.say("2100\r"), QByteArray("61 00 CD 42 10 10 C0 \r\r>")); // one frame: whole
    rig.say("ATH1\r");
    EXPECT_EQ(rig.say("2102\r"), QByteArray("728 10 13 61 02 57 46 30 41 \r728 21 58 58 57 50 44 41 39 \r\r>"));
    rig.say("ATH0\r");
    rig.car.setFault("720", FaultKind::Silent);
    EXPECT_EQ(rig.say("2100\r"), QByteArray("NO DATA\r\r>"));
}

// A late answer arrives after the program has given up; what it sent meanwhile is
// answered afterwards, in order.
TEST(Elm327, LateAnswerComesAfterItsTimeAndKeepsTheOrder)
{
    Rig rig;
    rig.say("ATSP6\rATSH720\r");
    rig.car.setFault("720", FaultKind::Late);
    EXPECT_EQ(rig.say("2100\r"), QByteArray("2100\r")); // only the echo
    rig.elm.receive("ATI\r");
    EXPECT_EQ(rig.out, QByteArray("2100\r"));
    const QDeadlineTimer deadline(10000);
    while (!rig.out.contains("ATI\rELM327 v1.5\r\r>") && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(rig.out, QByteArray("2100\r61 00 CD 42 10 10 C0 \r\r>ATI\rELM327 v1.5\r\r>"));
}

TEST(Elm327, FaultsOfTheAdapterItself)
{
    Rig rig;
    rig.car.setFault(Car::kAdapter, FaultKind::Silent);
    EXPECT_EQ(rig.say("ATZ\r"), QByteArray());
    rig.car.setFault(Car::kAdapter, FaultKind::Negative);
    EXPECT_EQ(rig.say("ATZ\r"), QByteArray("ATZ\r?\r\r>"));
    rig.car.setFault(Car::kAdapter, FaultKind::NoPrompt);
    EXPECT_EQ(rig.say("ATI\r"), QByteArray("ATI\rELM327 v1.5\r\r"));
    // A lagging adapter echoes late too, so the late batch carries its command.
    rig.car.setFault(Car::kAdapter, FaultKind::Late);
    EXPECT_EQ(rig.say("ATI\r"), QByteArray());
    ASSERT_TRUE(rig.waitForPrompt());
    EXPECT_EQ(rig.out, QByteArray("ATI\rELM327 v1.5\r\r>"));
}

} // namespace
