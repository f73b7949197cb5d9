#include "backup_fixture.h"
#include "config/car_restore.h"
#include "config/restore_plan.h"
#include "config/vehicle_compare.h"
#include "module_files/description_file.h"
#include "support/test_gate.h"

#include <QSqlDatabase>
#include <QScopeGuard>
#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace talmero;
using namespace talmero::config;

namespace {

VehicleConfig vehicle(const QString& vin, const QList<QStringList>& blocks)
{
    VehicleConfig v;
    v.vin = vin;
    for (const QStringList& b : blocks) {
        if (!v.module(b[0]))
            v.modules.append({b[0], QString(), {}, QString(), QString()});
        for (VehicleConfig::Module& m : v.modules) {
            if (m.address == b[0])
                m.blocks.append({b[1], b[2]});
        }
    }
    return v;
}

const QString kVin = QStringLiteral("WF0AXXWPDA9K12345");

} // namespace

// File and car blocks -> what the restore writes, what it names as left out, and what it
// never writes because no configuration page writes it.
TEST(RestorePlan, OnlyDifferingConfigurationBlocksOfTheSameLength)
{
    const VehicleConfig file = vehicle(kVin, {{"720", "00", "CD421010C1"},    // differs: planned
                                              {"720", "02", "5746304158"},    // VIN block: never
                                              {"760", "01", "40"},            // same: nothing
                                              {"726", "04", "4F1C0200"},      // longer: left out
                                              {"740", "01", "BD"},            // differs: planned
                                              {"733", "01", "C0"},            // car lacks it: unread
                                              {"727", "00", "0202F0"},        // its page refuses it
                                              {"730", "00", "01"}});          // not a page's, not on the car
    const VehicleConfig car = vehicle(kVin, {{"720", "00", "CD421010C0"},
                                             {"720", "02", "5746304159"},
                                             {"760", "01", "40"},
                                             {"726", "04", "4F1C02"},
                                             {"727", "00", "020210"},
                                             {"740", "01", "3D"}});
    const RestorePlan plan = planRestore(file, car, true);
    ASSERT_EQ(plan.writes.size(), 2);
    // The adapter stands on the medium-speed bus: its door module comes first.
    EXPECT_EQ(plan.writes[0].address + plan.writes[0].index + plan.writes[0].heldHex + plan.writes[0].newHex,
              QStringLiteral("740013DBD"));
    EXPECT_EQ(plan.writes[1].address + plan.writes[1].index + plan.writes[1].newHex, QStringLiteral("72000CD421010C1"));
    EXPECT_EQ(plan.addresses(), (QStringList{"740", "720"}));
    EXPECT_EQ(plan.only({"720"}).addresses(), QStringList{"720"});
    ASSERT_EQ(plan.leftOut.size(), 2);
    EXPECT_EQ(plan.leftOut[0].text, QStringLiteral("BCM (GEM модуль), блок 04: в файле 4 байт, модуль содержит 3 байт"));
    EXPECT_EQ(plan.leftOut[1].text, QStringLiteral("ACM (Аудиомодуль), блок 00: блок из файла не распознаётся страницей"));
    EXPECT_EQ(plan.unread, QStringList{"733"});
    EXPECT_TRUE(plan.only({"720"}).unread.isEmpty());
    EXPECT_EQ(plan.neverWritten, QStringList{"720 02"});
    EXPECT_FALSE(plan.vinDiffers());
    EXPECT_EQ(planRestore(file, car, false).writes[0].address, QStringLiteral("720"));

    // The same two sides compared: every block of either side, one state each.
    const Comparison c = compareVehicles(file, car);
    EXPECT_EQ(comparisonLines(c).mid(0, 3), (QStringList{"720 00 differs CD421010C1 -> CD421010C0",
                                                        "    Auto Start/Stop: да → нет",
                                                        "720 02 differs 5746304158 -> 5746304159"}));
    EXPECT_TRUE(comparisonLines(c).contains(QStringLiteral("760 01 same")));
    EXPECT_TRUE(comparisonLines(c).contains(QStringLiteral("733 01 left-only C0")));
    EXPECT_FALSE(c.same());
    EXPECT_TRUE(compareVehicles(car, car).same());
}

// A block an untrusted description file extends is restored when the file's options stay
// as the car has them, and left out, named, when they would change.
TEST(RestorePlan, OptionsOfAnUntrustedFileAreNeverRestored)
{
    car::Catalog catalog = car::ownCatalog();
    ASSERT_TRUE(module_files::addDescriptionFile(catalog, R"json({"format": 1, "title": {"en": "Example"},
        "extends": {"address": "726", "block": "03"},
        "options": [{"name": "CheckBoxExample32", "kind": "flag", "positions": [32], "caption": {"en": "Example flag"}}],
        "samples": [{"hex": "00000001", "options": {"CheckBoxExample32": 1}}]})json", QStringLiteral("/x/f.json"), true).loaded());
    car::installCatalog(std::move(catalog));
    const auto ownAgain = qScopeGuard([] { car::installCatalog(car::ownCatalog()); });
    const VehicleConfig car = vehicle(kVin, {{"726", "03", "E3D0D4FC"}});
    EXPECT_EQ(planRestore(vehicle(kVin, {{"726", "03", "E3D0D4FE"}}), car, true).writes.size(), 1);
    const RestorePlan plan = planRestore(vehicle(kVin, {{"726", "03", "E3D0D4FD"}}), car, true);
    ASSERT_TRUE(plan.writes.isEmpty() && plan.leftOut.size() == 1);
    EXPECT_TRUE(plan.leftOut[0].text.startsWith(QStringLiteral("BCM (GEM модуль), блок 03: меняются параметры файла описания без доверия: f.json (SHA-256 ")));
}

TEST(RestorePlan, AnotherCarsFileIsSaidFirst)
{
    const VehicleConfig file = vehicle(QStringLiteral("WF0AXXWPDA9K99999"), {{"740", "01", "BD"}});
    const VehicleConfig car = vehicle(kVin, {{"740", "01", "3D"}});
    const RestorePlan plan = planRestore(file, car, false);
    EXPECT_TRUE(plan.vinDiffers());
    const QStringList lines = planLines(plan);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines[0].contains(QStringLiteral("WF0AXXWPDA9K99999")) && lines[0].contains(kVin));
    EXPECT_TRUE(comparisonLines(compareVehicles(file, car)).first().startsWith(QStringLiteral("VIN differs")));
}

// A block that changes between the reading and the write is not written, and the restore
// ends there: the modules after it keep what they hold.
TEST_F(BackupTest, BlockChangedSinceTheReadingEndsTheRestore)
{
    TestGate gate(session, host);
    CarRestore restore(gate.gate, host, gate.state);
    restore.setSaveFolder(dir.filePath(QStringLiteral("saved")));
    VehicleConfig file = *readVehicleFromCar(session, host, gate.state).car;
    for (VehicleConfig::Module& m : file.modules) {
        for (VehicleConfig::Block& b : m.blocks) {
            if ((m.address == "740" || m.address == "741") && b.index == "01")
                b.hex = QStringLiteral("BD");
        }
    }
    const std::optional<RestorePlan> plan = restore.prepare(file).plan;
    ASSERT_TRUE(plan);
    ASSERT_EQ(plan->addresses(), (QStringList{"740", "741"}));
    demo.car().setBlock(QStringLiteral("740"), 1, QByteArray::fromHex("7D"));
    const RestoreSummary summary = restore.run(*plan, false);
    EXPECT_FALSE(summary.complete());
    EXPECT_EQ(summary.failed.size(), 1);
    EXPECT_TRUE(summary.failed.value(0).startsWith(QStringLiteral("DDM (740): блок 01"))) << summary.failed.value(0).toStdString();
    EXPECT_EQ(summary.notTried, QStringList{"PDM (741)"});
    EXPECT_EQ(demo.car().block(QStringLiteral("741"), 1), QByteArray::fromHex("3D"));
    EXPECT_TRUE(QFile::exists(summary.savedAs));

    // The journal loses the row of the first write before its outcome is in: said, and the
    // restore ends there, never complete.
    const std::optional<RestorePlan> again = restore.prepare(file).plan;
    ASSERT_TRUE(again);
    demo.car().setChangeHandler([&gate] {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("thief"));
        db.setDatabaseName(gate.journalPath());
        if (db.open())
            QSqlQuery(db).exec(QStringLiteral("DELETE FROM writes WHERE outcome = 'pending'"));
    });
    const RestoreSummary unrecorded = restore.run(*again, false);
    demo.car().setChangeHandler(nullptr);
    QSqlDatabase::removeDatabase(QStringLiteral("thief"));
    EXPECT_FALSE(unrecorded.complete());
    EXPECT_EQ(unrecorded.unrecorded, QStringList{"DDM (740)"});
    EXPECT_EQ(unrecorded.notTried, QStringList{"PDM (741)"});
}
