#pragma once

#include "diag/live_values.h"
#include "link/outcome.h"

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

namespace talmero::link {
class Host;
class Session;
} // namespace talmero::link

namespace talmero::diag {

// One request of the live-data pass to the engine module.
struct LiveRequest {
    const char* label;   // logged before the request (the program's own text, context "LiveData")
    const char* request; // OBD-II mode and PID
    int pid;             // 0: always sent; otherwise only when this PID is marked supported
    bool pidMap;         // its answer is the supported-PID map; the timing starts here
};

// The pass, in sending order.
inline constexpr std::array<LiveRequest, 15> kLiveRequests{{
    {QT_TRANSLATE_NOOP("LiveData", "VIN"), "0902", 0, false},
    {QT_TRANSLATE_NOOP("LiveData", "Идентификатор калибровки"), "0904", 0, false},
    {QT_TRANSLATE_NOOP("LiveData", "Контрольные числа калибровки"), "0906", 0, false},
    {QT_TRANSLATE_NOOP("LiveData", "Коды неисправностей"), "03", 0, false},
    {QT_TRANSLATE_NOOP("LiveData", "Поддерживаемые параметры"), "0100", 0, true},
    {QT_TRANSLATE_NOOP("LiveData", "Стандарт OBD"), "011C", 0x1C, false},
    {QT_TRANSLATE_NOOP("LiveData", "Положение дроссельной заслонки, %"), "0111", 0x11, false},
    {QT_TRANSLATE_NOOP("LiveData", "Массовый расход воздуха"), "0110", 0x10, false},
    {QT_TRANSLATE_NOOP("LiveData", "Температура воздуха на впуске"), "010F", 0x0F, false},
    {QT_TRANSLATE_NOOP("LiveData", "Скорость автомобиля"), "010D", 0, false},
    {QT_TRANSLATE_NOOP("LiveData", "Обороты двигателя"), "010C", 0, false},
    {QT_TRANSLATE_NOOP("LiveData", "Температура охлаждающей жидкости"), "0105", 0, false},
    {QT_TRANSLATE_NOOP("LiveData", "Нагрузка двигателя"), "0104", 0, false},
    {QT_TRANSLATE_NOOP("LiveData", "Состояние систем с момента стирания кодов"), "0101", 0, false},
    {QT_TRANSLATE_NOOP("LiveData", "Состояние систем в текущем цикле"), "0141", 0, false},
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
