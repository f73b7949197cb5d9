#include "safety/battery.h"
#include "car_channel.h"
#include "diag/live_data.h"
#include "diag/freeze_frame.h"
#include "diag/live_reader.h"
#include "diag/readiness.h"

#include <QFile>
#include <QTemporaryDir>

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
        if (r.onlyWhenAnnounced) {
            EXPECT_EQ(maps, 1) << r.command().toStdString();
        }
    }
    EXPECT_EQ(maps, 1);
}

TEST(SupportedPids, OnlyAPositiveMapMarksPids)
{
    const PidSet map = supportedPids(QStringLiteral("41 00 BE 1E A8 13 >"));
    for (int pid : {0x01, 0x0F, 0x11, 0x1C})
        EXPECT_TRUE(pidSupported(map, pid)) << pid;
    EXPECT_FALSE(pidSupported(map, 0x10));
    EXPECT_FALSE(pidSupported(map, 0x21)); // beyond the map
    EXPECT_FALSE(pidSupported(map, 0));

    for (const char* answer : {"", "NO DATA >", "7F 01 12 >", "41 00 >", "41 00 ZZ >"}) {
        const PidSet none = supportedPids(QLatin1String(answer));
        for (int pid = 1; pid <= 0x20; ++pid)
            EXPECT_FALSE(pidSupported(none, pid)) << answer << " pid " << pid;
    }
}

// The table itself: names unique, one request each, every PID row with its formula.
TEST(LiveValueTable, KeysAndRequestsAreUniqueAndEveryPidHasAFormula)
{
    QStringList keys;
    QList<int> pids;
    for (const LiveValue& v : kLiveValues) {
        EXPECT_FALSE(keys.contains(QLatin1String(v.key))) << v.key;
        keys << QLatin1String(v.key);
        EXPECT_FALSE(v.pid != 0 && pids.contains(v.pid)) << v.key;
        pids << v.pid;
        EXPECT_EQ(v.pid == 0, v.decode == nullptr) << v.key;
        EXPECT_TRUE(v.pid == 0 || (v.bytes >= 1 && v.bytes <= 2)) << v.key;
        EXPECT_LT(v.low, v.high) << v.key;
    }
    for (const char* key : {"rpm", "speed", "coolant", "intake", "load", "throttle", "maf", "stft1", "ltft1", "timing",
                            "map", "fuel", "voltage", "ambient"})
        EXPECT_TRUE(findLiveValue(QLatin1String(key))) << key;
}

// Expectations from the standard formulas of mode 01, worked out by hand.
TEST(LiveValues, DecodedAsObdDefinesThemAndNothingFromOtherAnswers)
{
    const struct {
        const char* key;
        const char* answer;
        double value;
    } good[] = {
        {"rpm", "410C1AF8", 1726.0},   {"rpm", "410CFFFF", 16383.75}, {"speed", "410D32", 50},
        {"coolant", "41057B", 83},     {"coolant", "410500", -40},    {"intake", "410F3A", 18},
        {"load", "410433", 20},        {"throttle", "4111FF", 100},   {"maf", "41100190", 4},
        {"stft1", "410680", 0},        {"stft1", "410600", -100},     {"ltft1", "410790", 12.5},
        {"timing", "410E8C", 6},       {"map", "410B21", 33},         {"fuel", "412F66", 40},
        {"voltage", "41423160", 12.64}, {"ambient", "41463C", 20},    {"battery", "12.6V", 12.6},
    };
    for (const auto& g : good) {
        const std::optional<double> v = decodeLiveValue(*findLiveValue(QLatin1String(g.key)), QLatin1String(g.answer));
        ASSERT_TRUE(v) << g.key << " " << g.answer;
        EXPECT_NEAR(*v, g.value, 1e-9) << g.key << " " << g.answer;
    }
    const LiveValue& rpm = *findLiveValue(QStringLiteral("rpm"));
    const LiveValue& coolant = *findLiveValue(QStringLiteral("coolant"));
    for (const char* bad : {"", "NODATA", "7F0112", "410C1A", "410C1AF800", "410CZZ12", "41051A", "410D1AF8"})
        EXPECT_FALSE(decodeLiveValue(rpm, QLatin1String(bad))) << bad;
    for (const char* bad : {"4105", "41057B00", "410C7B", "?"})
        EXPECT_FALSE(decodeLiveValue(coolant, QLatin1String(bad))) << bad;
    for (const char* bad : {"", "V", "12.6", "?", "-1.0V", "OK"})
        EXPECT_FALSE(safety::voltageOf(QLatin1String(bad))) << bad;
}

TEST(SupportMaps, OnlyFourBytesOfTheRightPositiveAnswerAreAMap)
{
    EXPECT_EQ(parseSupportMap(QStringLiteral("4100BE3EA013"), 0x00), 0xBE3EA013u);
    EXPECT_EQ(parseSupportMap(QStringLiteral("41208003A001"), 0x20), 0x8003A001u);
    for (const char* bad : {"4100BE3EA0", "4100BE3EA01300", "4120BE3EA013", "NODATA", "7F0112", "4100ZZ3EA013", ""})
        EXPECT_FALSE(parseSupportMap(QLatin1String(bad), 0x00)) << bad;
}

TEST(ElapsedText, WholeMillisecondsWithTheFractionCutOff)
{
    EXPECT_EQ(elapsedText(1843900000), QStringLiteral("1843 мс"));
    EXPECT_EQ(elapsedText(999999), QStringLiteral("0 мс"));
    EXPECT_EQ(elapsedText(1000000), QStringLiteral("1 мс"));
}


struct LiveDataTest : ::testing::Test {
    CarRig rig;
    LiveData live{rig.session, rig.host};
};

TEST_F(LiveDataTest, OnePassSkipsTheUnsupportedPidAndReportsItsTime)
{
    live.timedPass();
    EXPECT_EQ(rig.channel.sent,
              QStringList({"ATZ", "ATSP6", "ATSH7E0", "0902", "0904", "0906", "03", "0100", "011C", "0111",
                           "010F", "010D", "010C", "0105", "0104", "0101", "0141"}));
    EXPECT_EQ(ownLines(rig.host.lines),
              QStringList({"VIN", "Идентификатор калибровки", "Контрольные числа калибровки", "Коды неисправностей",
                           "Поддерживаемые параметры", "Стандарт OBD", "Положение дроссельной заслонки, %",
                           "Массовый расход воздуха", "---", "Температура воздуха на впуске", "Скорость автомобиля",
                           "Обороты двигателя", "Температура охлаждающей жидкости", "Нагрузка двигателя",
                           "Состояние систем с момента стирания кодов", "Состояние систем в текущем цикле"}));
    ASSERT_EQ(rig.host.notices.size(), 2); // the bus prompt, then the time
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+ мс$")).match(rig.host.notices.last()).hasMatch())
        << rig.host.notices.last().toStdString();
}

TEST_F(LiveDataTest, NoMapMeansNoConditionalRequests)
{
    rig.channel.canned[QStringLiteral("0100")] = "NO DATA";
    live.timedPass();
    EXPECT_EQ(ownLines(rig.host.lines).count(QStringLiteral("---")), 4);
    for (const char* request : {"011C", "0111", "0110", "010F"})
        EXPECT_FALSE(rig.channel.sent.contains(QLatin1String(request))) << request;
    EXPECT_TRUE(rig.channel.sent.contains(QStringLiteral("0141")));
}

TEST_F(LiveDataTest, EngineModuleThatDoesNotOpenStopsThePass)
{
    rig.channel.canned[QStringLiteral("ATSH7E0")] = "?";
    live.timedPass();
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("! Неверный ответ адаптера"));
    EXPECT_EQ(rig.channel.sent.last(), QStringLiteral("ATSH7E0"));
    EXPECT_EQ(rig.host.notices.size(), 1); // only the bus prompt
}

TEST_F(LiveDataTest, VoltageAndTestParse)
{
    live.readVoltage();
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("Напряжение - 12.6V"));

    rig.channel.canned[QStringLiteral("ATZ")] = "?";
    live.readVoltage();
    EXPECT_EQ(rig.host.lines.last(), QStringLiteral("! Неверный ответ адаптера"));
    EXPECT_NE(rig.channel.sent.last(), QStringLiteral("ATRV"));

}

QStringList keysOf(const QList<const LiveValue*>& values)
{
    QStringList keys;
    for (const LiveValue* v : values)
        keys << QLatin1String(v->key);
    return keys;
}

// The virtual car has no air flow sensor: its maps leave it out, and so does the offer.
TEST_F(LiveDataTest, TheCarsSupportMapsDecideWhatIsOffered)
{
    ASSERT_TRUE(live.openEngine().ok());
    LiveReader reader(rig.session, rig.host);
    EXPECT_EQ(keysOf(LiveReader::offered(reader.readSupportedPids())),
              QStringList({"rpm", "speed", "coolant", "intake", "load", "throttle", "stft1", "ltft1", "timing", "map",
                           "fuel", "voltage", "ambient", "battery"}));
    for (const char* map : {"0100", "0120", "0140"})
        EXPECT_TRUE(rig.channel.sent.contains(QLatin1String(map))) << map;
    EXPECT_FALSE(rig.channel.sent.contains(QStringLiteral("0160"))); // the map for 41..60 announces none further

    // A short second map: none of 21..40 is offered, the chain ends there, and the log says why.
    rig.channel.sent.clear();
    rig.channel.canned[QStringLiteral("0120")] = "41 20 80 03";
    EXPECT_EQ(keysOf(LiveReader::offered(reader.readSupportedPids())),
              QStringList({"rpm", "speed", "coolant", "intake", "load", "throttle", "stft1", "ltft1", "timing", "map",
                           "battery"}));
    EXPECT_FALSE(rig.channel.sent.contains(QStringLiteral("0140")));
    EXPECT_EQ(rig.host.lines.last(),
              QStringLiteral("! Карта поддерживаемых параметров 0120 не прочитана (41208003): параметры 21..40 не предлагаются"));
    rig.channel.canned[QStringLiteral("0100")] = "NO DATA";
    EXPECT_EQ(keysOf(LiveReader::offered(reader.readSupportedPids())), QStringList({"battery"}));
}

// A malformed answer is a gap, never a made-up value; the rest of the reading stands.
TEST_F(LiveDataTest, AMalformedAnswerIsAGap)
{
    ASSERT_TRUE(live.openEngine().ok());
    LiveReader reader(rig.session, rig.host);
    const QList<const LiveValue*> values{findLiveValue(QStringLiteral("rpm")), findLiveValue(QStringLiteral("coolant")),
                                         findLiveValue(QStringLiteral("battery"))};
    const qsizetype logged = rig.host.lines.size();
    LiveReadings r = reader.read(values);
    ASSERT_EQ(r.size(), 3);
    EXPECT_TRUE(r[0] && *r[0] >= 700 && *r[0] <= 1200) << r[0].value_or(-1); // a cold idle
    EXPECT_TRUE(r[1] && *r[1] >= 15 && *r[1] <= 95);
    EXPECT_EQ(r[2], 12.6);
    EXPECT_EQ(rig.host.lines.size(), logged); // once a second: not logged

    rig.channel.canned[QStringLiteral("010C")] = "41 0C 1A";
    r = reader.read(values);
    EXPECT_FALSE(r[0]);
    EXPECT_TRUE(r[1] && r[2]);
    EXPECT_EQ(LiveRecording::row(values, 2.04, r), QStringLiteral("2.0,,%1,12.6").arg(*r[1], 0, 'f', 0));
}

// J1979's monitor status: the lamp and the count in PID 01's first byte, byte B's bit 3
// choosing the spark or compression layout of bytes C and D. States per monitor in order:
// C complete, I incomplete, - not supported.
TEST(Readiness, DecodedInBothIgnitionLayouts)
{
    const struct {
        int pid;
        quint8 data[4];
        bool compressionFrom01;
        bool lamp;
        int codes;
        bool compression;
        const char* states;
    } rows[] = {
        {0x01, {0x00, 0x07, 0x65, 0x00}, false, false, 0, false, "CCC" "C-C--CC-"},
        {0x01, {0x83, 0x07, 0x65, 0x21}, false, true, 3, false, "CCC" "I-C--IC-"},
        {0x01, {0x00, 0x17, 0x00, 0x00}, false, false, 0, false, "ICC" "--------"},
        {0x01, {0x01, 0x0F, 0x8B, 0x08}, false, false, 1, true, "CCC" "CCI--C"},
        {0x01, {0x00, 0x0B, 0x60, 0x40}, false, false, 0, true, "CC-" "---CI-"},
        {0x41, {0xFF, 0x07, 0x01, 0x01}, true, false, 0, true, "CCC" "I-----"},
        {0x41, {0x00, 0x03, 0xFF, 0x00}, false, false, 0, false, "CC-" "CCCCCCCC"},
    };
    for (const auto& r : rows) {
        const Readiness got = decodeReadiness(r.pid, r.data, r.compressionFrom01);
        QString states;
        for (const MonitorStatus& m : got.monitors)
            states += m.state == MonitorState::Complete ? u'C' : m.state == MonitorState::Incomplete ? u'I' : u'-';
        EXPECT_EQ(states, QLatin1String(r.states)) << r.states;
        EXPECT_EQ(got.lamp, r.lamp) << r.states;
        EXPECT_EQ(got.storedCodes, r.codes) << r.states;
        EXPECT_EQ(got.compressionIgnition, r.compression) << r.states;
        EXPECT_EQ(got.allComplete(), !states.contains(u'I')) << r.states;
    }
    EXPECT_EQ(decodeReadiness(0x01, rows[1].data).incomplete(),
              QStringList({"Каталитический нейтрализатор", "Кислородные датчики"}));
    for (const char* answer : {"41 01 00 07 65", "41 01 00 07 65 00 00", "7F 01 12", "NO DATA", "41 41 00 07 65 00"})
        EXPECT_FALSE(parseReadiness(0x01, QString::fromLatin1(answer).remove(u' '))) << answer;
}

// The virtual car's engine: its readiness and the freeze frame of its one code, read
// as values; once its code is gone, it keeps no frame.
TEST_F(LiveDataTest, ReadinessAndFreezeFrameOfTheVirtualEngine)
{
    const ReadinessResult readiness = ReadinessCheck::run(rig.session);
    ASSERT_TRUE(readiness.outcome.ok()) << readiness.outcome.line.toStdString();
    EXPECT_EQ(readiness.sinceCleared->storedCodes, 1);
    EXPECT_TRUE(readiness.sinceCleared->allComplete());
    EXPECT_TRUE(readiness.thisCycle.has_value());
    EXPECT_EQ(readiness.outcome.line, QStringLiteral("* Готовность систем: все поддерживаемые проверки завершены"));

    const FreezeFrameResult frame = FreezeFrameReader::read(rig.adapter);
    ASSERT_TRUE(frame.outcome.ok() && frame.frame) << frame.outcome.line.toStdString();
    EXPECT_EQ(frame.frame->code, QStringLiteral("P0420"));
    EXPECT_EQ(freezeFrameLines(*frame.frame, QStringLiteral("  ")).mid(0, 3),
              QStringList({"  Стоп-кадр кода P0420:", "    Обороты двигателя: 2240 об/мин", "    Скорость автомобиля: 68 км/ч"}));
    EXPECT_EQ(frame.frame->values.size(), 11);

    rig.car().setDtcs(QStringLiteral("7E0"), {});
    const FreezeFrameResult none = FreezeFrameReader::read(rig.adapter);
    EXPECT_TRUE(none.outcome.ok() && !none.frame);
    rig.channel.canned[QStringLiteral("0101")] = "NO DATA";
    const ReadinessResult silent = ReadinessCheck::run(rig.session);
    EXPECT_EQ(silent.outcome.kind, link::Outcome::Kind::ModuleSilent);
    EXPECT_FALSE(silent.sinceCleared);
}

// A recording read back, as written or as a spreadsheet saves it again; a gap stays a gap.
TEST(LiveRecordingFile, ReadBackWithGapsUnknownColumnsAndBadRows)
{
    QTemporaryDir dir;
    const auto write = [&dir](const char* name, const QByteArray& text) {
        QFile f(dir.filePath(QLatin1String(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return f.fileName();
    };
    const RecordedValues rec = LiveRecording::load(write("a.csv", "time [s],rpm [rpm],foo [x],speed [km/h]\n"
                                                                  "0.0,812,1,0\n1.0,,2,3\nnone,1,1,1\n2.0,900,3,x\n"));
    EXPECT_EQ(rec.error, QString());
    ASSERT_EQ(rec.values.size(), 2);
    EXPECT_EQ(QLatin1String(rec.values[1]->key), QLatin1String("speed"));
    EXPECT_EQ(rec.seconds, (QList<double>{0, 1, 2}));
    EXPECT_EQ(rec.rows[1], (LiveReadings{std::nullopt, 3.0}));
    EXPECT_EQ(rec.rows[2], (LiveReadings{900.0, std::nullopt}));
    EXPECT_EQ(rec.unknownColumns, QStringList{"foo [x]"});
    EXPECT_EQ(rec.badRows, 1);
    const RecordedValues saved = LiveRecording::load(write("b.csv", "time [s];battery [V]\r\n0,5;12,6\r\n"));
    EXPECT_EQ(saved.rows, (QList<LiveReadings>{{12.6}}));
    EXPECT_EQ(saved.seconds, (QList<double>{0.5}));
    EXPECT_EQ(LiveRecording::load(write("c.csv", "time [s],foo\n1,2\n")).error, QStringLiteral("в заголовке нет ни одного известного параметра"));
    EXPECT_EQ(LiveRecording::load(dir.path()).error, QStringLiteral("это не обычный файл"));
}

// A plot's value axis: round steps, never beyond what the value can be, and a steady value
// on a range of its own size rather than pressed flat.
TEST(PlotRange, RoundStepsWithinTheValuesOwnRange)
{
    const struct {
        const char* key;
        double low, high, from, to;
    } rows[] = {
        {"speed", 0, 0, 0, 10},    {"rpm", 800, 800, 600, 1000}, {"coolant", 20, 90, 0, 100},
        {"throttle", 100, 100, 98, 100}, {"battery", 12.6, 12.6, 12, 13}, {"timing", -10, -10, -12, -8},
        {"load", 0, 100, 0, 100},
    };
    for (const auto& r : rows) {
        const auto [from, to] = plotRange(*findLiveValue(QLatin1String(r.key)), r.low, r.high);
        EXPECT_DOUBLE_EQ(from, r.from) << r.key;
        EXPECT_DOUBLE_EQ(to, r.to) << r.key;
    }
}

} // namespace
} // namespace talmero::diag
