#include "car_channel.h"
#include "support/test_gate.h"
#include "config/backup.h"
#include "diag/dtc_memo.h"
#include "diag/live_reader.h"
#include "diag/trouble_codes.h"
#include "link/answer_count.h"
#include "link/block_read.h"
#include "link/bus_switch.h"
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
// asked for again with its own count), none on a write, none again after "7F 21 78".
TEST(AnswerCounts, ReadsOfAKnownLengthCarryTheirCountAndWritesNever)
{
    using Operation = std::function<QStringList(CarRig&, TestGate&)>;
    const struct {
        const char* what;
        Operation run;
        QStringList sent;
    } rows[] = {
        {"backup: configuration and VIN blocks known, others asked as one line, the slow ABS VIN again",
         [](CarRig& rig, TestGate&) {
             QTemporaryDir dir;
             config::VehicleBackup(rig.session, rig.host).BitBtnSaveAutoClick(rig.car().vin(), dir.path());
             return rig.channel.sent;
         },
         {"ATZ", "ATSP6", "ATSH720", "1087 1", "2100 1", "2101 1", "2101 2", "2102 3", "2103 1", "2103 2",
          "ATSH760", "1087 1", "2100 3", "2100", "2101 1", "ATSH734", "1087 1", "2100 1", "2101 3",
          "ATSPB", "ATSH726", "1087 1", "2103 1", "2104 1", "ATSH740", "1087 1", "2100 3", "2101 1",
          "ATSH741", "1087 1", "2100 3", "2101 1", "ATSH733", "1087 1", "2100 3", "2101 1",
          "ATSH737", "2100 1", "2101 3", "ATSH727", "2100 1", "2101 3"}},
        {"a verified write: its reads counted, the write itself not",
         [](CarRig& rig, TestGate& tg) {
             safety::BlockWrite w;
             w.target = tg.gate.targetOf(*talmero::link::moduleAt(QStringLiteral("720")), QStringLiteral("00"));
             w.newHex = QStringLiteral("CD421010C8");
             tg.gate.writeBlock(w);
             const QStringList& sent = rig.channel.sent;
             return sent.mid(sent.lastIndexOf(QStringLiteral("ATRV")) + 1);
         },
         {"2100 1", "3B00CD421010C8", "2100 1"}},
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
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        CarRig rig;
        rig.adapter.setAnswerCounts(true);
        TestGate tg(rig.session, rig.host);
        EXPECT_EQ(row.run(rig, tg), row.sent);
    }
}

TEST(AnswerCounts, AnAdapterThatRefusesTheCountGetsTheRequestAgainAndNoCountFromThen)
{
    CarRig rig;
    rig.adapter.setAnswerCounts(true);
    rig.channel.elm().setAnswerCounts(false); // a clone calling itself v1.5
    ASSERT_TRUE(rig.session.openModule(probeModule(QStringLiteral("720"), false, true), false, true).ok());
    EXPECT_TRUE(link::readBlock(rig.adapter, QStringLiteral("00"), false, 5).data);
    EXPECT_TRUE(link::readBlock(rig.adapter, QStringLiteral("02"), false, 17).data);
    EXPECT_EQ(rig.channel.sent.mid(3), QStringList({"1087 1", "1087", "2100", "2102"}));
    EXPECT_EQ(rig.host.lines.filter(QStringLiteral("не принимает число ответов")).size(), 1);
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
// count goes only after whole hex bytes shorter than one frame's seven, and only 1..F.
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
                    {"010203040506", "010203040506 2", 2},          {"01020304050607", "01020304050607", 1}};
    for (const auto& row : requests)
        EXPECT_EQ(link::withAnswerCount(QLatin1String(row.request), row.lines), QLatin1String(row.sent)) << row.request;
}

} // namespace
} // namespace talmero::diag
