#include "car_channel.h"
#include "support/test_gate.h"
#include "config/backup.h"
#include "diag/dtc_memo.h"
#include "diag/live_reader.h"
#include "diag/trouble_codes.h"
#include "link/answer_count.h"
#include "link/block_read.h"
#include "link/bus_switch.h"
#include "safety/write_gate.h"
#include "sim/elm327.h"

#include "../config/qt_print.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include "support/probe_module.h"

namespace talmero::diag {
namespace {

struct NoMemo : DtcMemo {
    void appendMemo(const QString&) override {}
    void clearMemo() override {}
};

// What each operation sends to an adapter that takes answer counts: the count (after a
// blank) where the answer's length is known, one line where it is not (a longer answer is
// asked for again with its own count, and with that count from then on), one line more
// where the module said "busy" (7F 21 78), a count on a write; one reset and one battery
// reading per operation. An STN chip takes header, data and count in one line.
TEST(AnswerCounts, ReadsAndWritesCarryTheirCountAndNothingIsPaidTwice)
{
    using Operation = std::function<QStringList(CarRig&, TestGate&)>;
    const auto backup = [](CarRig& rig) {
        QTemporaryDir dir;
        config::VehicleBackup(rig.session, rig.host).BitBtnSaveAutoClick(rig.car().vin(), dir.path());
    };
    const auto stn = [](CarRig& rig, bool stpx) {
        rig.channel.elm().setChip(sim::Elm327::Chip::Stn);
        rig.channel.elm().setOneLineRequests(stpx);
        rig.adapter.setOneLineRequests(true);
        rig.session.setWay(link::SwitchWay{link::SwitchWay::Kind::Stn});
        rig.session.openModule(probeModule(QStringLiteral("720"), false, true), false, true);
        link::readBlock(rig.adapter, QStringLiteral("00"), false, 5);
        link::readBlock(rig.adapter, QStringLiteral("01"), false, std::nullopt);
        link::readBlock(rig.adapter, QStringLiteral("01"), false, std::nullopt);
        return rig.channel.sent + rig.host.lines.filter(QStringLiteral("STPX"));
    };
    const struct {
        const char* what;
        Operation run;
        QStringList sent;
    } rows[] = {
        {"backup: configuration and VIN blocks known, others asked as one line, the busy ABS with one line more",
         [&](CarRig& rig, TestGate&) {
             backup(rig);
             return rig.channel.sent;
         },
         {"ATZ", "ATSP6", "ATSH720", "1087 1", "2100 1", "2101 1", "2101 2", "2102 3", "2103 1", "2103 2",
          "ATSH760", "1087 1", "2100 3", "2100 4", "2101 1", "ATSH734", "1087 1", "2100 1", "2101 3",
          "ATSPB", "ATSH726", "1087 1", "2103 1", "2104 1", "ATSH740", "1087 1", "2100 3", "2101 1",
          "ATSH741", "1087 1", "2100 3", "2101 1", "ATSH733", "1087 1", "2100 3", "2101 1",
          "ATSH737", "2100 1", "2101 3", "ATSH727", "2100 1", "2101 3"}},
        {"a second backup in the connection: every block one exchange, with the count it showed",
         [&](CarRig& rig, TestGate&) {
             backup(rig);
             const qsizetype first = rig.channel.sent.size();
             backup(rig);
             return rig.channel.sent.mid(first);
         },
         {"ATZ", "ATSP6", "ATSH720", "1087 1", "2100 1", "2101 2", "2102 3", "2103 2",
          "ATSH760", "1087 1", "2100 4", "2101 1", "ATSH734", "1087 1", "2100 1", "2101 3",
          "ATSPB", "ATSH726", "1087 1", "2103 1", "2104 1", "ATSH740", "1087 1", "2100 3", "2101 1",
          "ATSH741", "1087 1", "2100 3", "2101 1", "ATSH733", "1087 1", "2100 3", "2101 1",
          "ATSH737", "2100 1", "2101 3", "ATSH727", "2100 1", "2101 3"}},
        {"a verified write: the car's VIN without a reset, the operation's one reset, one battery reading, "
         "the write counted",
         [](CarRig& rig, TestGate& tg) {
             safety::BlockWrite w;
             w.target = tg.gate.targetOf(*talmero::link::moduleAt(QStringLiteral("720")), QStringLiteral("00"));
             w.newHex = QStringLiteral("CD421010C8");
             tg.gate.writeBlock(w);
             return rig.channel.sent;
         },
         {"ATSP6", "ATSH720", "1087 1", "2102 3", "ATZ", "ATSP6", "ATSH720", "1087 1", "2100 1", "2102 3", "ATRV",
          "2100 1", "3B00CD421010C8 1", "2100 1"}},
        {"trouble codes: the lists of two and three codes (IPC, BCM) take two frames",
         [](CarRig& rig, TestGate& tg) {
             NoMemo memo;
             TroubleCodes(tg.gate, rig.host, memo).ButtonDTCClick();
             return rig.channel.sent.filter(QStringLiteral("1800FF00"));
         },
         {"1800FF00 1", "1800FF00 1", "1800FF00 2", "1800FF00 1", "1800FF00 1", "1800FF00 1", "1800FF00 1",
          "1800FF00 2", "1800FF00 1", "1800FF00 1", "1800FF00 1", "1800FF00 1", "1800FF00 1"}},
        {"live values: the support maps and each value one frame, the adapter's voltage no request",
         [](CarRig& rig, TestGate&) {
             rig.session.openModule(probeModule(QStringLiteral("7E0"), false, false), false, true);
             LiveReader reader(rig.session, rig.host);
             reader.read(LiveReader::offered(reader.readSupportedPids()).mid(0, 2) << findLiveValue(QStringLiteral("battery")));
             return rig.channel.sent.mid(3);
         },
         {"0100 1", "0120 1", "0140 1", "010C 1", "010D 1", "ATRV"}},
        {"an STN chip: no ATSH, header, data and count in one line",
         [&](CarRig& rig, TestGate&) { return stn(rig, true); },
         {"ATZ", "ATSP6", "STPX H:720, D:1087, R:1", "STPX H:720, D:2100, R:1", "STPX H:720, D:2101, R:1",
          "STPX H:720, D:2101, R:2", "STPX H:720, D:2101, R:2"}},
        {"an STN chip that refuses STPX: said once, then the header and counted requests",
         [&](CarRig& rig, TestGate&) { return stn(rig, false); },
         {"ATZ", "ATSP6", "STPX H:720, D:1087, R:1", "ATSH720", "1087 1", "2100 1", "2101 1", "2101 2", "2101 2",
          "* Адаптер не принимает запрос одной строкой (STPX): дальше заголовок и запрос идут отдельно"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        CarRig rig;
        rig.adapter.setAnswerCounts(true);
        TestGate tg(rig.session, rig.host);
        EXPECT_EQ(row.run(rig, tg), row.sent);
    }
}

// A clone that refuses the count: the request again without it, and none from then on; its
// reads go with adaptive timing at its most eager and a shorter time-out once one read was
// measured, the write with the whole time-out.
TEST(AnswerCounts, AnAdapterThatRefusesTheCountGetsTheRequestAgainAndNoCountFromThen)
{
    CarRig rig;
    rig.adapter.setAnswerCounts(true);
    rig.adapter.setTunedWaits(true);
    rig.channel.elm().setAnswerCounts(false); // a clone calling itself v1.5
    TestGate tg(rig.session, rig.host);
    ASSERT_TRUE(rig.session.openModule(probeModule(QStringLiteral("720"), false, true), false, true).ok());
    EXPECT_TRUE(link::readBlock(rig.adapter, QStringLiteral("00"), false, 5).data);
    EXPECT_TRUE(link::readBlock(rig.adapter, QStringLiteral("02"), false, 17).data);
    QStringList sent = rig.channel.sent.mid(3);
    sent.removeIf([](const QString& c) { return c.startsWith(QLatin1String("ATST")); }); // as the reads took
    EXPECT_EQ(sent, QStringList({"1087 1", "1087", "ATAT2", "2100", "2102"}));
    EXPECT_EQ(rig.host.lines.filter(QStringLiteral("не принимает число ответов")).size(), 1);

    safety::BlockWrite w;
    w.target = tg.gate.targetOf(*talmero::link::moduleAt(QStringLiteral("720")), QStringLiteral("00"));
    w.newHex = QStringLiteral("CD421010C8");
    ASSERT_EQ(tg.gate.writeBlock(w).outcome, safety::WriteOutcome::Verified);
    const QStringList all = rig.channel.sent;
    const qsizetype write = all.indexOf(QStringLiteral("3B00CD421010C8"));
    const qsizetype reset = all.lastIndexOf(QStringLiteral("ATZ"));
    EXPECT_EQ(all.mid(reset).filter(QStringLiteral("ATAT")), QStringList{"ATAT2"}); // again after the reset
    // A shortened time-out is below the chip's 200 ms; the write goes after the whole one.
    const QStringList timeouts = all.mid(reset, write - reset).filter(QStringLiteral("ATST"));
    for (const QString& t : timeouts)
        EXPECT_LT(t.mid(4).toInt(nullptr, 16), 0x32) << t.toStdString();
    EXPECT_TRUE(timeouts.isEmpty() || timeouts.last() == QLatin1String("ATST00")) << timeouts.join(u' ').toStdString();
}

// A module answering after the program's wait must not cost the module after it: its
// prompt is waited for before the next command goes out, and its late answer belongs to
// its own request only ("1087" and "1087 1" are two, on a clone that refuses the count).
TEST(AnswerCounts, LateModuleLeavesOnlyItselfOutOfABackup)
{
    for (const auto& [kind, counts, late, missing] :
         {std::tuple(sim::DemoChannel::Kind::BuiltIn, true, "737", "! В копии нет модулей: RCM (737)"),
          std::tuple(sim::DemoChannel::Kind::Switch, false, "720", "! В копии нет модулей: IPC (720)")}) {
        sim::DemoChannel demo(30, 0, nullptr, kind);
        demo.open();
        demo.elm().setAnswerCounts(counts);
        demo.car().setFault(QString::fromLatin1(late), sim::FaultKind::Late);
        RecordingHost host;
        link::Adapter adapter(demo, host);
        link::AdapterIdentity id;
        link::Session session(adapter, host, link::startAdapter(adapter, link::BusSwitchSetting::Auto, 38400, id));
        QTemporaryDir dir;
        EXPECT_FALSE(config::VehicleBackup(session, host).BitBtnSaveAutoClick(demo.car().vin(), dir.path()).path.isEmpty());
        EXPECT_EQ(host.lines.filter(QStringLiteral("В копии нет")), QStringList{QString::fromUtf8(missing)}) << late;
    }
}

// An ELM327 of version 1.3 or later by its ATI answer, or an STN chip, takes a count; a
// count goes only after whole hex bytes, at most one frame's seven, and only 1..F.
TEST(AnswerCounts, OnlyWhereTheAdapterAndTheRequestHaveRoomForIt)
{
    const std::pair<const char*, bool> versions[] = {{"ELM327 v1.5", true},  {"ELM327 v1.2a", false},
                                                     {"ELM327 v1.3a", true}, {"ELM327 v2.1", true},
                                                     {"?", false},           {"OBDII", false}};
    for (const auto& [version, takes] : versions)
        EXPECT_EQ(link::AdapterIdentity({"ELM327", QLatin1String(version), {}, {}}).takesAnswerCounts(), takes) << version;
    EXPECT_TRUE(link::AdapterIdentity({"ELM327 v1.4b", "?", "STN1110 v4.2.1", {}}).takesAnswerCounts());

    const struct {
        const char *request, *sent;
        int lines;
    } requests[] = {{"2100", "2100 1", 1}, {"21 0a", "21 0a 3", 3}, {"010C", "010C F", 15}, {"2100", "2100", 16},
                    {"2100", "2100", 0},   {"210", "210", 1},       {"ATRV", "ATRV", 1},    {"21 0G", "21 0G", 1},
                    {"010203040506", "010203040506 2", 2},          {"01020304050607", "01020304050607 1", 1}, {"0102030405060708", "0102030405060708", 1}};
    for (const auto& row : requests)
        EXPECT_EQ(link::withAnswerCount(QLatin1String(row.request), row.lines), QLatin1String(row.sent)) << row.request;
}

} // namespace
} // namespace talmero::diag
