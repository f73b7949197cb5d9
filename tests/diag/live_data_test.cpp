#include "car_channel.h"
#include "diag/live_data.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace talmero::diag {
namespace {

// The log without the command and answer lines.
QStringList ownLines(const QStringList& log)
{
    QStringList out;
    for (const QString& line : log) {
        if (!line.startsWith(QLatin1String("> ")) && !line.startsWith(QLatin1String("< ")))
            out.append(line);
    }
    return out;
}

TEST(LiveRequestTable, ConditionalRequestsFollowTheSupportedPidMap)
{
    int maps = 0;
    for (const LiveRequest& r : kLiveRequests) {
        maps += r.pidMap ? 1 : 0;
        if (r.pid != 0) {
            EXPECT_EQ(maps, 1) << r.request;
            EXPECT_EQ(QByteArray(r.request), "01" + QByteArray::number(r.pid, 16).toUpper().rightJustified(2, '0'));
        }
    }
    EXPECT_EQ(maps, 1);
}

TEST(SupportedPids, OnlyAPositiveMapMarksPids)
{
    const QString map = supportedPids(QStringLiteral("41 00 BE 1E A8 13 >"));
    for (int pid : {0x01, 0x0F, 0x11, 0x1C})
        EXPECT_TRUE(pidSupported(map, pid)) << pid;
    EXPECT_FALSE(pidSupported(map, 0x10));
    EXPECT_FALSE(pidSupported(map, 0x21)); // beyond the map
    EXPECT_FALSE(pidSupported(map, 0));

    for (const char* answer : {"", "NO DATA >", "7F 01 12 >", "41 00 >", "41 00 ZZ >"}) {
        const QString none = supportedPids(QLatin1String(answer));
        for (int pid = 1; pid <= 0x20; ++pid)
            EXPECT_FALSE(pidSupported(none, pid)) << answer << " pid " << pid;
    }
}

TEST(LiveValues, DecodedAsObdDefinesThemAndNothingFromOtherAnswers)
{
    EXPECT_EQ(engineSpeed(QStringLiteral("410C1AF8")), 1726.0);
    EXPECT_EQ(engineSpeed(QStringLiteral("410CFFFF")), 16383.75);
    EXPECT_EQ(coolantTemperature(QStringLiteral("41057B")), 83.0);
    EXPECT_EQ(coolantTemperature(QStringLiteral("410500")), -40.0);
    EXPECT_EQ(adapterVoltage(QStringLiteral("12.6V")), 12.6);
    for (const char* bad : {"", "NODATA", "7F0112", "410C1A", "410C1AF800", "410CZZ12", "41051A"})
        EXPECT_FALSE(engineSpeed(QLatin1String(bad))) << bad;
    for (const char* bad : {"4105", "41057B00", "410C7B", "?"})
        EXPECT_FALSE(coolantTemperature(QLatin1String(bad))) << bad;
    for (const char* bad : {"", "V", "12.6", "?", "-1.0V", "OK"})
        EXPECT_FALSE(adapterVoltage(QLatin1String(bad))) << bad;
}

TEST(ElapsedText, WholeMillisecondsWithTheFractionCutOff)
{
    EXPECT_EQ(elapsedText(1843900000), QStringLiteral("1843 ms"));
    EXPECT_EQ(elapsedText(999999), QStringLiteral("0 ms"));
    EXPECT_EQ(elapsedText(1000000), QStringLiteral("1 ms"));
}

TEST(TestParse, StoredSampleAndZeroPairsAnywhere)
{
    EXPECT_EQ(parseTestSample(kTestSample), QStringLiteral("7M51-12K532-BA"));
    EXPECT_EQ(parseTestSample(QStringLiteral("00A 0: 49 04 01 41 00 42 1: 00 43 00 44")),
              QStringLiteral("ABCD"));
}

struct LiveDataTest : ::testing::Test {
    CarRig rig;
    LiveData live{rig.session, rig.host};
};

TEST_F(LiveDataTest, OnePassSkipsTheUnsupportedPidAndReportsItsTime)
{
    live.ButtonDstopClick();
    EXPECT_EQ(rig.channel.sent,
              QStringList({"ATZ", "ATSP6", "ATSH7E0", "0902", "0904", "0906", "03", "0100", "011C", "0111",
                           "010F", "010D", "010C", "0105", "0104", "0101", "0141"}));
    EXPECT_EQ(ownLines(rig.host.lines),
              QStringList({"vin", "id calibr", "calibr", "dtc", "podderg", "obd std", "% drossel",
                           "air rashod", "---", "temp int air", "speed", "rpm", "temp", "nagruz", "status",
                           "status tek"}));
    ASSERT_EQ(rig.host.notices.size(), 2); // the bus prompt, then the time
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+ ms$")).match(rig.host.notices.last()).hasMatch())
        << rig.host.notices.last().toStdString();
}

TEST_F(LiveDataTest, NoMapMeansNoConditionalRequests)
{
    rig.channel.canned[QStringLiteral("0100")] = "NO DATA";
    live.ButtonDstopClick();
    EXPECT_EQ(ownLines(rig.host.lines).count(QStringLiteral("---")), 4);
    for (const char* request : {"011C", "0111", "0110", "010F"})
        EXPECT_FALSE(rig.channel.sent.contains(QLatin1String(request))) << request;
    EXPECT_TRUE(rig.channel.sent.contains(QStringLiteral("0141")));
}

TEST_F(LiveDataTest, EngineModuleThatDoesNotOpenStopsThePass)
{
    rig.channel.canned[QStringLiteral("ATSH7E0")] = "?";
    live.ButtonDstopClick();
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("! Неверный ответ адаптера"));
    EXPECT_EQ(rig.channel.sent.last(), QStringLiteral("ATSH7E0"));
    EXPECT_EQ(rig.host.notices.size(), 1); // only the bus prompt
}

TEST_F(LiveDataTest, VoltageAndTestParse)
{
    live.ButtonDstartClick();
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("Напряжение - 12.6V"));

    rig.channel.canned[QStringLiteral("ATZ")] = "?";
    live.ButtonDstartClick();
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("! Неверный ответ адаптера"));
    EXPECT_NE(rig.channel.sent.last(), QStringLiteral("ATRV"));

    live.Button1Click();
    EXPECT_EQ(rig.host.notices.last(), QStringLiteral("7M51-12K532-BA"));

    rig.channel.canned.clear();
    ASSERT_TRUE(live.openEngine());
    const LiveSample s = live.sample();
    EXPECT_EQ(s.engineSpeed, 800.0);
    EXPECT_EQ(s.coolant, 83.0);
    EXPECT_EQ(s.voltage, 12.6);
}

} // namespace
} // namespace talmero::diag
