#include "sim/car.h"
#include "sim/engine.h"

#include "link/modules.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace talmero::sim;

namespace {

// The answer of one module, its messages as upper-case hex joined by '|'; "-" for none.
QByteArray ask(Car& car, const QString& adr, const char* hex)
{
    const talmero::link::TModuls* module = talmero::link::moduleAt(adr);
    const bool medium = module && module->medium();
    const BusReply reply = car.request(medium, adr.toInt(nullptr, 16), QByteArray::fromHex(hex));
    if (!reply.answered)
        return "-";
    QByteArrayList parts;
    for (const QByteArray& m : reply.messages)
        parts.append(m.toHex().toUpper());
    return parts.join('|');
}

const QByteArray kVinHex = QByteArray("WF0AXXWPDA9K12345").toHex().toUpper();

struct ServiceCase {
    const char* adr;
    const char* request;
    QByteArray answer;
};

// Each on a factory car, without an open session.
const std::vector<ServiceCase> kServices = {
    {"720", "2100", "6100CD421010C0"},
    {"720", "2107", "7F2131"},
    {"720", "21", "7F2113"},
    {"720", "3B00CD421010C1", "7F3B22"},        // no session yet
    {"727", "3B00020211", "7B00"},              // the audio module writes without one
    {"727", "1087", "7F1012"},
    {"737", "1087", "7F1012"},
    {"737", "3B0046FE0C81", "7B00"},
    {"726", "1087", "5087"},
    {"7E0", "1087", "5087"},
    {"726", "1101", "5101"},
    {"7E0", "1101", "5101"},
    {"720", "1101", "7F1112"},
    {"760", "1101", "7F1112"},
    {"740", "1800FF00", "5800"},
    {"720", "1800FF00", "5802934220E02360"},
    {"720", "14FF00", "54FF00"},
    {"720", "3E", "7F3E11"},
    {"760", "2100", "7F2178|6100" + kVinHex},
    {"760", "2101", "610140"},
    {"734", "2101", "6101" + kVinHex},
    {"7E0", "0100", "4100BE3EA013"},
    {"7E0", "0120", "41208003A001"},
    {"7E0", "0110", "-"},                        // no air flow sensor: silence
    {"7E0", "0141", "414100076161"}, // just started: the cycle's tests are still running
    {"7E0", "0101", "410101076500"}, // one code stored; every test ran long ago
    {"7E0", "020200", "4202000420"}, // the freeze frame was stored by P0420
    {"7E0", "020C00", "420C002300"},
    {"7E0", "0902", "490201" + kVinHex},
    {"7E0", "0904", "490401" + QByteArray("7M51-12K532-BA").toHex().toUpper() + "0000"},
    {"7E0", "0906", "490601A1B2C3D4"},
    {"7E0", "03", "43010420"},
    {"730", "2100", "6100" + kVinHex},
};

void PrintTo(const ServiceCase& c, std::ostream* os)
{
    *os << c.adr << ' ' << c.request;
}

class CarService : public ::testing::TestWithParam<ServiceCase> {};

TEST_P(CarService, AnswersLikeTheModule)
{
    Car car;
    EXPECT_EQ(ask(car, GetParam().adr, GetParam().request), GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(Services, CarService, ::testing::ValuesIn(kServices));

TEST(Car, WriteNeedsASessionAndTheBlockLength)
{
    Car car;
    int changes = 0;
    car.setChangeHandler([&] { ++changes; });
    EXPECT_EQ(ask(car, "726", "3B04AABBCC"), "7F3B22");
    EXPECT_EQ(ask(car, "726", "1087"), "5087");
    EXPECT_EQ(ask(car, "726", "3B04AABB"), "7F3B13");
    EXPECT_EQ(ask(car, "726", "3B04AABBCCDD"), "7F3B13");
    EXPECT_EQ(ask(car, "726", "3B09AA"), "7F3B31");
    EXPECT_EQ(car.block("726", 4), QByteArray::fromHex("4F1C02"));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(ask(car, "726", "3B04AABBCC"), "7B04");
    EXPECT_EQ(car.block("726", 4), QByteArray::fromHex("AABBCC"));
    EXPECT_EQ(ask(car, "726", "2104"), "6104AABBCC");
    EXPECT_EQ(changes, 1);
}

TEST(Car, RestartClosesTheSession)
{
    Car car;
    ask(car, "726", "1087");
    EXPECT_TRUE(car.sessionOpen("726"));
    EXPECT_EQ(ask(car, "726", "1101"), "5101");
    EXPECT_EQ(car.restarts("726"), 1);
    EXPECT_FALSE(car.sessionOpen("726"));
    EXPECT_EQ(ask(car, "726", "3B04AABBCC"), "7F3B22");
    EXPECT_EQ(ask(car, "720", "1101"), "7F1112");
    EXPECT_EQ(car.restarts("720"), 0);
}

TEST(Car, ClearingCodesEmptiesTheList)
{
    Car car;
    EXPECT_EQ(car.dtcs("726").size(), 3);
    EXPECT_EQ(ask(car, "726", "14FF00"), "54FF00");
    EXPECT_TRUE(car.dtcs("726").isEmpty());
    EXPECT_EQ(ask(car, "726", "1800FF00"), "5800");
    EXPECT_EQ(car.dtcs("720").size(), 2); // other modules keep theirs
}

TEST(Car, OnlyTheAddressedModuleOnItsOwnBusAnswers)
{
    Car car;
    EXPECT_FALSE(car.request(true, 0x720, QByteArray::fromHex("2100")).answered);
    EXPECT_FALSE(car.request(false, 0x726, QByteArray::fromHex("2103")).answered);
    EXPECT_FALSE(car.request(false, 0x7FF, QByteArray::fromHex("2100")).answered);
    // The functional OBD address reaches the engine module's OBD services only.
    const BusReply obd = car.request(false, 0x7DF, QByteArray::fromHex("0100"));
    EXPECT_TRUE(obd.answered);
    EXPECT_EQ(obd.responseId, 0x7E8);
    EXPECT_FALSE(car.request(false, 0x7DF, QByteArray::fromHex("1087")).answered);
    car.setPresent("720", false);
    EXPECT_EQ(ask(car, "720", "2100"), "-");
}

TEST(Car, FaultsOfModules)
{
    Car car;
    car.setFault("720", FaultKind::Silent);
    EXPECT_EQ(ask(car, "720", "2100"), "-");
    car.setFault("720", FaultKind::Negative);
    EXPECT_EQ(ask(car, "720", "1087"), "7F1022");
    EXPECT_EQ(ask(car, "720", "2100"), "7F2122");
    car.setFault("720", FaultKind::Late);
    const BusReply late = car.request(false, 0x720, QByteArray::fromHex("2100"));
    EXPECT_EQ(late.fault, FaultKind::Late); // the adapter holds the answer back
    EXPECT_EQ(late.messages.value(0).toHex().toUpper(), "6100CD421010C0");
    // ignore: the write is acknowledged, the block stays.
    car.setFault("720", FaultKind::Ignore);
    EXPECT_EQ(ask(car, "720", "1087"), "5087");
    EXPECT_EQ(ask(car, "720", "3B00CD421010C1"), "7B00");
    EXPECT_EQ(car.block("720", 0), QByteArray::fromHex("CD421010C0"));
    EXPECT_EQ(ask(car, "720", "3B00CD42"), "7F3B13"); // still checks what it is sent
    EXPECT_EQ(car.fault("760"), FaultKind::None);
    car.setFault("elm", FaultKind::Garbage);
    EXPECT_EQ(car.fault(Car::kAdapter), FaultKind::Garbage);
    EXPECT_EQ(faultKindFromName("NoPrompt"), FaultKind::NoPrompt);
    EXPECT_EQ(faultKindFromName("explode"), std::nullopt);
    EXPECT_EQ(faultKindFromName("ignore"), FaultKind::Ignore);
}

// The factory blocks must show known options on every configuration page.
TEST(CarFactoryState, ConfigurationBlocksAreKnownConfigurations)
{
    Car car;
    auto bytes = [&](const char* adr, int no) { return car.block(adr, no).value_or(QByteArray()); };
    EXPECT_EQ(bytes("720", 0).size(), 5); // facelift cluster
    const QByteArray acm = bytes("727", 0);
    ASSERT_EQ(acm.size(), 3);
    EXPECT_NE(quint8(acm[2]), 0xF0);     // configured
    EXPECT_NE(acm[0] & 0x30, 0x30);      // an upholstery item
    EXPECT_NE(acm[0] & 0x03, 0x00);      // a car item
    EXPECT_NE(acm[2] & 0x30, 0x20);      // a speakers item
    EXPECT_EQ(bytes("726", 3).size(), 4);
    EXPECT_EQ(bytes("726", 4).size(), 3);
    EXPECT_EQ(bytes("740", 1).size(), 1);
    EXPECT_EQ(bytes("741", 1).size(), 1);
    EXPECT_TRUE(QByteArrayList({"00", "40", "C0", "80"}).contains(bytes("733", 1).toHex().toUpper()));
    const QByteArray rcm = bytes("737", 0);
    ASSERT_EQ(rcm.size(), 4);
    EXPECT_EQ(rcm[0] & 0x40, 0x40);
    EXPECT_EQ(quint8(rcm[1]) & 0xB2, 0xB2);
    const QByteArray abs = bytes("760", 1);
    ASSERT_EQ(abs.size(), 1);
    EXPECT_NE(quint8(abs[0]) & 0xF0, 0); // facelift
    const int hcm = bytes("734", 0).toHex().toInt();
    EXPECT_TRUE(hcm >= 2 && hcm <= 5);

    // Every block the backup reads exists.
    const std::pair<const char*, std::vector<int>> backup[] = {
        {"720", {0, 1, 2, 3}}, {"760", {0, 1}}, {"734", {0, 1}}, {"726", {3, 4}}, {"740", {0, 1}},
        {"741", {0, 1}},       {"733", {0, 1}}, {"737", {0, 1}}, {"727", {0, 1}}};
    for (const auto& [adr, blocks] : backup) {
        for (int no : blocks)
            EXPECT_TRUE(car.block(adr, no).has_value()) << adr << " block " << no;
    }
    for (const talmero::link::TModuls* m : talmero::link::Moduls()) {
        if (m->vinBlock < 0)
            continue;
        EXPECT_EQ(car.block(talmero::car::qs(m->address), m->vinBlock), QByteArray("WF0AXXWPDA9K12345")) << m->address;
    }
}

TEST(CarStateFile, SaveAndLoadRoundTrip)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("car.json");
    Car car;
    car.setVin("WF0XXXGCDX8A00001");
    ask(car, "726", "1087");
    ask(car, "726", "3B04AABBCC");
    ask(car, "726", "1101");
    ask(car, "720", "14FF00");
    car.setDtcs("740", {QByteArray::fromHex("C12380")});
    car.setPresent("741", false);
    car.setSwitchMedium(true);
    car.setBlock("734", 7, QByteArray());
    car.save(path);

    Car loaded;
    loaded.load(path);
    EXPECT_EQ(loaded.vin(), "WF0XXXGCDX8A00001");
    EXPECT_EQ(loaded.block("726", 4), QByteArray::fromHex("AABBCC"));
    EXPECT_EQ(loaded.block("720", 2), QByteArray("WF0XXXGCDX8A00001"));
    EXPECT_EQ(loaded.block("734", 7), QByteArray());
    EXPECT_EQ(loaded.restarts("726"), 1);
    EXPECT_TRUE(loaded.dtcs("720").isEmpty());
    EXPECT_EQ(loaded.dtcs("740"), QList<QByteArray>{QByteArray::fromHex("C12380")});
    EXPECT_EQ(loaded.dtcs("726").size(), 3);
    EXPECT_FALSE(loaded.present("741"));
    EXPECT_TRUE(loaded.switchMedium());
    EXPECT_EQ(ask(loaded, "7E0", "0902"), "490201" + QByteArray("WF0XXXGCDX8A00001").toHex().toUpper());
}

// A module the file declares restarts, or refuses the trouble-code requests, as declared,
// and is declared so again by the file the car saves.
TEST(CarStateFile, ADeclaredModuleIsSavedAsDeclared)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("car.json"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"modules": [{"address": "7A0", "bus": "high", "restart": true, "troubleCodes": false}]})");
    file.close();
    Car loaded;
    loaded.load(file.fileName());
    loaded.save(file.fileName());
    loaded = Car();
    loaded.load(file.fileName());
    EXPECT_EQ(ask(loaded, "7A0", "1101") + ask(loaded, "7A0", "1800FF00"), "51017F1811");
}

TEST(CarStateFile, MissingFileIsNotAnError)
{
    QTemporaryDir dir;
    Car car;
    EXPECT_NO_THROW(car.load(dir.filePath("none.json")));
    EXPECT_EQ(car.block("720", 0), QByteArray::fromHex("CD421010C0"));
}

TEST(CarStateFile, BadFileGivesAClearErrorAndChangesNothing)
{
    const char* const bad[] = {
        "{not json",
        "[1, 2]",
        R"({"modules": [{"address": "999"}]})",
        R"({"modules": [{"address": "720", "blocks": {"00": "ABC"}}]})",
        R"({"modules": [{"address": "726", "blocks": {"04": "AABBCC"}}, {"address": "720", "dtcs": ["12"]}]})",
        R"({"modules": [{"address": "718", "bus": "high"}]})", // it would answer on the IPC's request
        R"({"modules": [{"address": "7DF", "bus": "high"}]})",
        R"({"modules": [{"address": "7A0", "bus": "medium", "restart": "yes"}]})",
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.json");
    for (const char* text : bad) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        Car car;
        try {
            car.load(path);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const StateFileError& e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains(path)) << e.what();
        }
        EXPECT_EQ(car.block("726", 4), QByteArray::fromHex("4F1C02")) << text;
    }
}

} // namespace

namespace {

// The engine over an hour: within what a real one shows, warming up, idling and driving.
TEST(Engine, StaysInRealRangesWarmsUpIdlesAndDrives)
{
    double lastCoolant = -100;
    double topSpeed = 0;
    int idling = 0;
    QSet<long> idleRpms;
    for (double t = 0; t <= 3600; t += 0.5) {
        const talmero::sim::EngineState e = talmero::sim::engineAt(t);
        const std::string at = "t=" + std::to_string(t);
        EXPECT_TRUE(e.rpm >= 650 && e.rpm <= 3000) << at << " rpm " << e.rpm;
        EXPECT_TRUE(e.speed >= 0 && e.speed <= 60) << at << " speed " << e.speed;
        EXPECT_TRUE(e.coolant >= 15 && e.coolant <= 95) << at << " coolant " << e.coolant;
        EXPECT_TRUE(e.intake >= 0 && e.intake <= 50) << at << " intake " << e.intake;
        EXPECT_TRUE(e.ambient >= 10 && e.ambient <= 30) << at;
        EXPECT_TRUE(e.load >= 5 && e.load <= 90) << at << " load " << e.load;
        EXPECT_TRUE(e.throttle >= 10 && e.throttle <= 50) << at << " throttle " << e.throttle;
        EXPECT_TRUE(e.manifold >= 20 && e.manifold <= 101) << at << " map " << e.manifold;
        EXPECT_TRUE(std::abs(e.shortTrim) <= 10 && std::abs(e.longTrim) <= 10) << at;
        EXPECT_TRUE(e.advance >= -10 && e.advance <= 45) << at << " advance " << e.advance;
        EXPECT_TRUE(e.fuel > 0 && e.fuel <= 100) << at;
        EXPECT_TRUE(e.moduleVolts >= 13.5 && e.moduleVolts <= 14.8) << at;
        if (t <= 600) { // warming up: never cooler than a moment ago
            EXPECT_GE(e.coolant, lastCoolant) << at;
        }
        lastCoolant = e.coolant;
        topSpeed = std::max(topSpeed, e.speed);
        if (e.speed == 0 && t < 20) {
            ++idling;
            idleRpms.insert(std::lround(e.rpm));
        }
    }
    EXPECT_GT(talmero::sim::engineAt(600).coolant, talmero::sim::engineAt(0).coolant + 40);
    EXPECT_GT(topSpeed, 45); // it drives off now and then
    EXPECT_EQ(idling, 40);   // standing still after the start
    EXPECT_GT(idleRpms.size(), 10u); // with noise, not a flat line
}

} // namespace
