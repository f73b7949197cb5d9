#pragma once

#include "diag/live_values.h"
#include "link/outcome.h"

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>
#include <string_view>

namespace talmero::link {
class Host;
class Session;
} // namespace talmero::link

namespace talmero::diag {

// Reached only for a key the live-value table does not hold: not a constant, so the pass
// below does not compile with such a key.
const LiveValue* noSuchLiveValue();

// The live-value row with that key; the pass below names its values by it.
constexpr const LiveValue* liveValueRow(std::string_view key)
{
    for (const LiveValue& v : kLiveValues) {
        if (key == v.key)
            return &v;
    }
    return noSuchLiveValue();
}

// One request of the live-data pass to the engine module: a request of its own, or one of
// the live values (its PID, length and formula from that table).
struct LiveRequest {
    const char* label;              // logged before the request (the program's own text, context "LiveData")
    const char* request = nullptr;  // OBD-II mode and PID; null for a live value's
    const LiveValue* value = nullptr;
    bool onlyWhenAnnounced = false; // sent only when the support map marks its PID
    bool pidMap = false;            // its answer is the supported-PID map; the timing starts here

    int pid() const;
    QString command() const;
};

constexpr LiveRequest valueRequest(const char* label, std::string_view key, bool onlyWhenAnnounced)
{
    return {label, nullptr, liveValueRow(key), onlyWhenAnnounced};
}

// The pass, in sending order.
inline constexpr std::array<LiveRequest, 15> kLiveRequests{{
    {QT_TRANSLATE_NOOP("LiveData", "VIN"), "0902"},
    {QT_TRANSLATE_NOOP("LiveData", "Идентификатор калибровки"), "0904"},
    {QT_TRANSLATE_NOOP("LiveData", "Контрольные числа калибровки"), "0906"},
    {QT_TRANSLATE_NOOP("LiveData", "Коды неисправностей"), "03"},
    {QT_TRANSLATE_NOOP("LiveData", "Поддерживаемые параметры"), "0100", nullptr, false, true},
    {QT_TRANSLATE_NOOP("LiveData", "Стандарт OBD"), "011C", nullptr, true},
    valueRequest(QT_TRANSLATE_NOOP("LiveData", "Положение дроссельной заслонки, %"), "throttle", true),
    valueRequest(QT_TRANSLATE_NOOP("LiveData", "Массовый расход воздуха"), "maf", true),
    valueRequest(QT_TRANSLATE_NOOP("LiveData", "Температура воздуха на впуске"), "intake", true),
    valueRequest(QT_TRANSLATE_NOOP("LiveData", "Скорость автомобиля"), "speed", false),
    valueRequest(QT_TRANSLATE_NOOP("LiveData", "Обороты двигателя"), "rpm", false),
    valueRequest(QT_TRANSLATE_NOOP("LiveData", "Температура охлаждающей жидкости"), "coolant", false),
    valueRequest(QT_TRANSLATE_NOOP("LiveData", "Нагрузка двигателя"), "load", false),
    {QT_TRANSLATE_NOOP("LiveData", "Состояние систем с момента стирания кодов"), "0101"},
    {QT_TRANSLATE_NOOP("LiveData", "Состояние систем в текущем цикле"), "0141"},
}};

// The PIDs the answer to "0100" announces; none unless it is the positive map, read by
// the one parser of support maps.
PidSet supportedPids(const QString& answer0100);
bool pidSupported(const PidSet& pids, int pid);
// Elapsed time in whole milliseconds, the fraction cut off: "1843 ms".
QString elapsedText(qint64 nanoseconds);


// The live OBD-II data handlers: adapter voltage, one timed pass.
class LiveData {
public:
    LiveData(link::Session& session, link::Host& host);

    // Adapter reset and supply voltage, into the log: done with that line, or why not.
    link::Outcome readVoltage();
    // One pass of kLiveRequests to the engine module; notifies the elapsed time, the line
    // of its done outcome. Else why the engine module could not be opened.
    link::Outcome timedPass();

    // Opens the engine module for repeated readings; done, or why not (logged).
    link::Outcome openEngine();

private:
    QString send(const QString& command);

    link::Session& m_session;
    link::Host& m_host;
};

} // namespace talmero::diag
