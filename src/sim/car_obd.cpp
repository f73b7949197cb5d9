#include "sim/car.h"
#include "sim/engine.h"

// The engine module's OBD-II services: current data (mode 01), stored codes (03) and
// vehicle information (09). Supported-PID maps are built from the tables, so a PID is
// supported exactly when it has a row.
namespace talmero::sim {

namespace {

struct PidRow {
    int pid;
    const char* hex; // the value bytes after 41 + PID; nullptr: the engine's value of the moment
};

// No mass air flow sensor (PID 10): the live-data pass must skip that request.
constexpr PidRow kMode01[] = {
    {0x01, "00076500"}, // monitor status since codes were cleared
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
    {0x41, "00076500"}, // monitor status this driving cycle
    {0x42, nullptr},    // module voltage
    {0x46, nullptr},    // ambient air
};

constexpr PidRow kMode09[] = {
    {0x06, "01A1B2C3D4"}, // one calibration verification number
};

constexpr const char* kCalibrationId = "7M51-12K532-BA";

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

std::optional<QByteArray> mode01(int pid, double engineSeconds)
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
    if (!row->hex)
        return head + engineValue(pid, engineSeconds).value_or(QByteArray());
    return head + QByteArray::fromHex(row->hex);
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

std::optional<QByteArray> obdAnswer(const QByteArray& request, const QString& vin,
                                    const QList<QByteArray>& dtcs, double engineSeconds)
{
    const char mode = request[0];
    if (mode == 0x03) {
        QByteArray answer("\x43", 1);
        answer += char(dtcs.size());
        for (const QByteArray& code : dtcs)
            answer += code.left(2);
        return answer;
    }
    if (request.size() != 2)
        return QByteArray("\x7F", 1) + mode + '\x13';
    const int pid = quint8(request[1]);
    return mode == 0x01 ? mode01(pid, engineSeconds) : mode09(pid, vin);
}

} // namespace talmero::sim
