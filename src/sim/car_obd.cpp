#include "sim/car.h"
#include "sim/engine.h"

#include <algorithm>

// The engine module's OBD-II services: current data (mode 01), the freeze frame (02),
// stored codes (03) and vehicle information (09). Supported-PID maps are built from the tables, so a PID is
// supported exactly when it has a row.
namespace talmero::sim {

namespace {

struct PidRow {
    int pid;
    const char* hex; // the value bytes after 41 + PID; nullptr: the engine's value of the moment
};

// No mass air flow sensor (PID 10): the live-data pass must skip that request.
constexpr PidRow kMode01[] = {
    {0x01, nullptr},    // monitor status since codes were cleared
    {0x03, "0200"},     // fuel system: closed loop
    {0x04, nullptr},    // calculated load
    {0x05, nullptr},    // coolant
    {0x06, nullptr},    // short-term fuel trim
    {0x07, nullptr},    // long-term fuel trim
    {0x0B, nullptr},    // intake manifold pressure
    {0x0C, nullptr},    // engine speed
    {0x0D, nullptr},    // vehicle speed
    {0x0E, nullptr},    // ignition timing
    {0x0F, nullptr},    // intake air
    {0x11, nullptr},    // throttle
    {0x13, "03"},       // oxygen sensors present
    {0x1C, "06"},       // EOBD
    {0x1F, nullptr},    // run time since start
    {0x21, "0000"},     {0x2F, nullptr}, {0x30, "12"}, {0x31, "012C"}, {0x33, "63"},
    {0x41, nullptr},    // monitor status this driving cycle
    {0x42, nullptr},    // module voltage
    {0x46, nullptr},    // ambient air
};

constexpr PidRow kMode09[] = {
    {0x06, "01A1B2C3D4"}, // one calibration verification number
};

constexpr const char* kCalibrationId = "7M51-12K532-BA";

// The engine's self-tests (J1979 monitors) of a spark-ignition engine: the continuous ones
// run all the time; each other one needs this long a drive after the codes were cleared.
struct Monitor {
    int bit;        // in bytes C and D
    double seconds; // until it completes
    bool eachCycle; // also runs in every driving cycle (the fuel vapour test needs a cold start)
};
constexpr Monitor kMonitors[] = {
    {0, 600, true},   // catalyst
    {2, 1800, false}, // evaporative system
    {5, 150, true},   // oxygen sensors
    {6, 40, true},    // oxygen sensor heaters
};
constexpr quint8 kContinuousSupported = 0x07; // misfire, fuel system, components

QByteArray monitorStatus(int pid, const QList<QByteArray>& dtcs, const EngineMemory& memory, double engineSeconds)
{
    quint8 a = 0;
    quint8 supported = 0;
    quint8 incomplete = 0;
    if (pid == 0x01) {
        bool lamp = false;
        for (const QByteArray& code : dtcs)
            lamp = lamp || (code.size() > 2 && (quint8(code[2]) & 0x80));
        a = quint8(std::min<qsizetype>(dtcs.size(), 0x7F)) | (lamp ? 0x80 : 0);
    }
    // Never cleared: every test ran long ago; a cycle starts with the engine.
    const double since = pid == 0x01 ? engineSeconds - memory.clearedAt.value_or(-1e9)
                                     : engineSeconds - std::max(0.0, memory.clearedAt.value_or(0.0));
    for (const Monitor& m : kMonitors) {
        if (pid == 0x41 && !m.eachCycle)
            continue;
        supported |= quint8(1 << m.bit);
        if (since < m.seconds)
            incomplete |= quint8(1 << m.bit);
    }
    return QByteArray(1, char(a)) + char(kContinuousSupported) + char(supported) + char(incomplete);
}

const PidRow* findPid(int pid)
{
    for (const PidRow& row : kMode01) {
        if (row.pid == pid)
            return &row;
    }
    return nullptr;
}

// Bit map of the PIDs base+1 .. base+32 (bit 31 = base+1); the last bit says that the
// next map exists, i.e. that some PID above it is supported.
QByteArray pidMap(int base)
{
    quint32 map = 0;
    for (const PidRow& row : kMode01) {
        if (row.pid > base && row.pid <= base + 32)
            map |= 1u << (32 - (row.pid - base));
        if (row.pid > base + 32)
            map |= 1u;
    }
    QByteArray bytes;
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes += char((map >> shift) & 0xFF);
    return bytes;
}

std::optional<QByteArray> mode01(int pid, const QList<QByteArray>& dtcs, const EngineMemory& memory,
                                 double engineSeconds)
{
    const QByteArray head = QByteArray("\x41", 1) + char(pid);
    if (pid % 0x20 == 0) {
        const QByteArray map = pidMap(pid);
        // An engine module answers a map request only when it supports a PID in it
        // (the map for 00 always).
        if (pid != 0 && map == QByteArray(4, '\0'))
            return std::nullopt;
        return head + map;
    }
    const PidRow* row = findPid(pid);
    if (!row)
        return std::nullopt;
    if (pid == 0x01 || pid == 0x41)
        return head + monitorStatus(pid, dtcs, memory, engineSeconds);
    if (!row->hex)
        return head + engineValue(pid, engineSeconds).value_or(QByteArray());
    return head + QByteArray::fromHex(row->hex);
}

// Frame 0 only; the frame answers while the code that stored it is still stored.
std::optional<QByteArray> mode02(int pid, int frame, const QList<QByteArray>& dtcs, const EngineMemory& memory)
{
    if (frame != 0)
        return std::nullopt;
    const bool held = !memory.frameCode.isEmpty()
        && std::any_of(dtcs.begin(), dtcs.end(), [&](const QByteArray& c) { return c.left(2) == memory.frameCode; });
    const QByteArray head = QByteArray("\x42", 1) + char(pid) + char(frame);
    if (pid == 0x02)
        return head + (held ? memory.frameCode : QByteArray(2, '\0'));
    if (pid % 0x20 == 0) {
        quint32 map = 0;
        for (int p = pid + 1; p <= pid + 32 && p < 0x100; ++p) {
            if (p == 0x02 || (held && memory.frame.count(p)))
                map |= 1u << (32 - (p - pid));
        }
        if (held) {
            for (const auto& [p, bytes] : memory.frame)
                map |= p > pid + 32 ? 1u : 0u;
        }
        if (pid != 0 && map == 0)
            return std::nullopt;
        QByteArray bytes;
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes += char((map >> shift) & 0xFF);
        return head + bytes;
    }
    const auto it = memory.frame.find(pid);
    if (!held || it == memory.frame.end())
        return std::nullopt;
    return head + it->second;
}

std::optional<QByteArray> mode09(int pid, const QString& vin)
{
    const QByteArray head = QByteArray("\x49", 1) + char(pid);
    switch (pid) {
    case 0x00:
        return head + QByteArray::fromHex("54000000"); // PIDs 02, 04, 06
    case 0x02:
        return head + '\x01' + vin.toLatin1().leftJustified(17, '\0', true);
    case 0x04:
        return head + '\x01' + QByteArray(kCalibrationId).leftJustified(16, '\0', true);
    default:
        for (const PidRow& row : kMode09) {
            if (row.pid == pid)
                return head + QByteArray::fromHex(row.hex);
        }
        return std::nullopt;
    }
}

} // namespace

std::map<int, QByteArray> freezeFrameOf(const QByteArray& code)
{
    Q_UNUSED(code); // every code of this engine was stored on the same drive
    // A steady 68 km/h in fourth gear, warm, the mixture a little lean.
    return {{0x04, QByteArray::fromHex("61")}, {0x05, QByteArray::fromHex("83")}, {0x06, QByteArray::fromHex("82")},
            {0x07, QByteArray::fromHex("83")}, {0x0B, QByteArray::fromHex("30")}, {0x0C, QByteArray::fromHex("2300")},
            {0x0D, QByteArray::fromHex("44")}, {0x0E, QByteArray::fromHex("B0")}, {0x0F, QByteArray::fromHex("43")},
            {0x11, QByteArray::fromHex("2D")}, {0x2F, QByteArray::fromHex("A3")}};
}

std::optional<QByteArray> obdAnswer(const QByteArray& request, const QString& vin, const QList<QByteArray>& dtcs,
                                    const EngineMemory& memory, double engineSeconds)
{
    const char mode = request[0];
    if (mode == 0x03) {
        QByteArray answer("\x43", 1);
        answer += char(dtcs.size());
        for (const QByteArray& code : dtcs)
            answer += code.left(2);
        return answer;
    }
    if (mode == 0x02) {
        if (request.size() != 3)
            return QByteArray("\x7F", 1) + mode + '\x13';
        return mode02(quint8(request[1]), quint8(request[2]), dtcs, memory);
    }
    if (request.size() != 2)
        return QByteArray("\x7F", 1) + mode + '\x13';
    const int pid = quint8(request[1]);
    return mode == 0x01 ? mode01(pid, dtcs, memory, engineSeconds) : mode09(pid, vin);
}

} // namespace talmero::sim
