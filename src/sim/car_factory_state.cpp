#include "sim/car.h"


// The car as it leaves the factory: a 2009 facelift Focus II, 5-door, with the blocks
// chosen so that every configuration page shows known options.
namespace talmero::sim {

namespace {

constexpr const char* kFactoryVin = "WF0AXXWPDA9K12345";

// The car's own modules, written apart from the program's module table: the car is what
// the program is tested against, so a wrong entry there must meet this one, not copy it.
struct ModuleRow {
    const char* adr;
    bool medium;
    bool restartAllowed;
    bool session87; // the audio and airbag modules know no session 0x87 and take writes without
    int vinBlock;   // -1: none
};

constexpr ModuleRow kCarModules[] = {
    {"720", false, false, true, 0x02}, {"727", true, false, false, 0x01}, {"726", true, true, true, -1},
    {"740", true, false, true, 0x00},  {"741", true, false, true, 0x00},  {"733", true, false, true, 0x00},
    {"737", true, false, false, 0x01}, {"760", false, false, true, 0x00}, {"734", false, false, true, 0x01},
    {"730", false, false, true, 0x00}, {"7E0", false, true, true, -1},
};

struct BlockRow {
    const char* adr;
    int blockNo;
    const char* hex;
};

// VIN blocks are not listed: they are filled from the VIN.
constexpr BlockRow kBlocks[] = {
    // IPC: facelift 5-byte configuration (ABS, EHPAS, ESP, instant fuel, DDS, seat
    // belt warning, cruise control, washer fluid, simulated temperature, clock, radio)
    {"720", 0x00, "CD421010C0"},
    {"720", 0x01, "0012280E0000B0"},
    {"720", 0x03, "0A0B0C0D0E0F10111213"},
    // ABS/ESP: facelift module with tyre pressure warning
    {"760", 0x01, "40"},
    // HCM: Focus II facelift reflectors
    {"734", 0x00, "05"},
    // BCM part 1 (alarm, central locking, door CAN modules ...) and part 2
    {"726", 0x03, "E3D0D4FC"},
    {"726", 0x04, "4F1C02"},
    // door modules: passenger locking, folding, LIN rear doors, heated, illumination
    {"740", 0x01, "3D"},
    {"741", 0x01, "3D"},
    // HVAC: facelift, ordinary glass
    {"733", 0x01, "40"},
    // RCM: facelift 2010, side and curtain airbags, passenger airbag with switch
    {"737", 0x00, "46FE0C80"},
    // ACM: Focus II, fabric, 5-door hatchback, 4 woofers + 2 tweeters
    {"727", 0x00, "020210"},
};

struct DtcRow {
    const char* adr;
    const char* hex; // two code bytes and the status
};

constexpr DtcRow kDtcs[] = {
    {"720", "934220"}, // B1342
    {"720", "E02360"}, // U2023
    {"726", "931720"}, // B1317
    {"726", "A47728"}, // B2477
    {"726", "D90060"}, // U1900
    {"7E0", "04202C"}, // P0420
};

// The ABS reads its VIN block slowly and says so with a response-pending note first.
constexpr const char* kSlowVinModule = "760";

} // namespace

void Car::buildFactoryState()
{
    m_modules.clear();
    for (const ModuleRow& row : kCarModules) {
        Module m;
        m.adr = QLatin1String(row.adr);
        m.canId = m.adr.toInt(nullptr, 16);
        m.medium = row.medium;
        m.restartAllowed = row.restartAllowed;
        m.session87 = row.session87;
        m.vinBlock = row.vinBlock;
        if (m.adr == QLatin1String(kSlowVinModule))
            m.slowBlock = row.vinBlock;
        m_modules.push_back(m);
    }
    for (const BlockRow& row : kBlocks)
        find(QLatin1String(row.adr))->blocks[row.blockNo] = QByteArray::fromHex(row.hex);
    for (const DtcRow& row : kDtcs)
        find(QLatin1String(row.adr))->dtcs.append(QByteArray::fromHex(row.hex));
    // The engine stored its code with the values of that moment.
    m_engine = EngineMemory{};
    if (const Module* engine = find(QStringLiteral("7E0")); engine && !engine->dtcs.isEmpty()) {
        m_engine.frameCode = engine->dtcs.first().left(2);
        m_engine.frame = freezeFrameOf(m_engine.frameCode);
    }
    m_vin = QLatin1String(kFactoryVin);
    setVin(m_vin);
}

void Car::setVin(const QString& vin)
{
    m_vin = vin;
    for (Module& m : m_modules) {
        if (m.vinBlock >= 0)
            m.blocks[m.vinBlock] = vin.toLatin1();
    }
    changed();
}

} // namespace talmero::sim
