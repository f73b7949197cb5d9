#pragma once

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>
#include <array>
#include <bitset>
#include <optional>
#include <utility>

// The standard OBD-II values the program reads from the engine module (mode 01, SAE
// J1979), one row each: the request, the answer's length and the formula travel together.
namespace talmero::diag {

struct LiveValue {
    const char* key;       // "rpm": the command line's name and the recording's column
    const char* title;     // for people, translated
    int pid;               // mode 01 PID; 0 = the adapter's own supply voltage (ATRV)
    int bytes;             // data bytes after "41" and the PID
    double (*decode)(const quint8* data);
    const char* unit;      // as the recording's header writes it, in every language
    const char* shownUnit; // for people, translated
    int decimals;
    double low;            // the range the formula can give
    double high;
};

namespace live_formula {
constexpr double a(const quint8* d) { return d[0]; }
constexpr double word(const quint8* d) { return d[0] * 256.0 + d[1]; }
constexpr double percent(const quint8* d) { return d[0] * 100.0 / 255.0; }
constexpr double temperature(const quint8* d) { return d[0] - 40.0; }
constexpr double fuelTrim(const quint8* d) { return (d[0] - 128.0) * 100.0 / 128.0; }
constexpr double rpm(const quint8* d) { return word(d) / 4.0; }
constexpr double airFlow(const quint8* d) { return word(d) / 100.0; }
constexpr double advance(const quint8* d) { return d[0] / 2.0 - 64.0; }
constexpr double millivolts(const quint8* d) { return word(d) / 1000.0; }
} // namespace live_formula

inline constexpr std::array<LiveValue, 15> kLiveValues{{
    {"rpm", QT_TRANSLATE_NOOP("LiveValues", "Обороты двигателя"), 0x0C, 2,
     live_formula::rpm, "rpm", QT_TRANSLATE_NOOP("LiveValues", "об/мин"), 0, 0, 16383.75},
    {"speed", QT_TRANSLATE_NOOP("LiveValues", "Скорость автомобиля"), 0x0D, 1, live_formula::a, "km/h",
     QT_TRANSLATE_NOOP("LiveValues", "км/ч"), 0, 0, 255},
    {"coolant", QT_TRANSLATE_NOOP("LiveValues", "Температура охлаждающей жидкости"), 0x05, 1, live_formula::temperature,
     "°C", "°C", 0, -40, 215},
    {"intake", QT_TRANSLATE_NOOP("LiveValues", "Температура всасываемого воздуха"), 0x0F, 1, live_formula::temperature,
     "°C", "°C", 0, -40, 215},
    {"load", QT_TRANSLATE_NOOP("LiveValues", "Расчётная нагрузка двигателя"), 0x04, 1, live_formula::percent, "%", "%", 1,
     0, 100},
    {"throttle", QT_TRANSLATE_NOOP("LiveValues", "Положение дросселя"), 0x11, 1, live_formula::percent, "%", "%", 1, 0, 100},
    {"maf", QT_TRANSLATE_NOOP("LiveValues", "Массовый расход воздуха"), 0x10, 2,
     live_formula::airFlow, "g/s", QT_TRANSLATE_NOOP("LiveValues", "г/с"), 2, 0,
     655.35},
    {"stft1", QT_TRANSLATE_NOOP("LiveValues", "Кратковременная коррекция топлива, ряд 1"), 0x06, 1, live_formula::fuelTrim,
     "%", "%", 1, -100, 99.22},
    {"ltft1", QT_TRANSLATE_NOOP("LiveValues", "Долговременная коррекция топлива, ряд 1"), 0x07, 1, live_formula::fuelTrim,
     "%", "%", 1, -100, 99.22},
    {"timing", QT_TRANSLATE_NOOP("LiveValues", "Угол опережения зажигания"), 0x0E, 1,
     live_formula::advance, "deg", "°", 1, -64, 63.5},
    {"map", QT_TRANSLATE_NOOP("LiveValues", "Абсолютное давление во впускном коллекторе"), 0x0B, 1, live_formula::a, "kPa",
     QT_TRANSLATE_NOOP("LiveValues", "кПа"), 0, 0, 255},
    {"fuel", QT_TRANSLATE_NOOP("LiveValues", "Уровень топлива"), 0x2F, 1, live_formula::percent, "%", "%", 1, 0, 100},
    {"voltage", QT_TRANSLATE_NOOP("LiveValues", "Напряжение блока управления"), 0x42, 2,
     live_formula::millivolts, "V", QT_TRANSLATE_NOOP("LiveValues", "В"), 2, 0, 65.535},
    {"ambient", QT_TRANSLATE_NOOP("LiveValues", "Температура наружного воздуха"), 0x46, 1, live_formula::temperature, "°C",
     "°C", 0, -40, 215},
    {"battery", QT_TRANSLATE_NOOP("LiveValues", "Напряжение на разъёме адаптера"), 0, 0, nullptr, "V",
     QT_TRANSLATE_NOOP("LiveValues", "В"), 1, 0, 30},
}};

// The row with that key, or nullptr.
const LiveValue* findLiveValue(const QString& key);
QString liveTitle(const LiveValue& value);
QString liveUnit(const LiveValue& value);
// "812 об/мин"; "—" for a gap.
QString liveText(const LiveValue& value, std::optional<double> reading);

// Exactly `bytes` data bytes after `prefix` ("410C") of a cut positive answer; nullopt for
// anything else (a refusal, an adapter's message, a short, long or garbled answer).
std::optional<QByteArray> answerBytes(const QString& cut, const QString& prefix, int bytes);

// The value in a cut answer to its request; nullopt for anything but a positive answer
// of exactly the row's length (a refusal, garbage, a short or long answer).
std::optional<double> decodeLiveValue(const LiveValue& value, const QString& cut);

// The range a plot of this value shows for readings between low and high: an even number
// of whole steps of 1, 2 or 5 (times a power of ten), at least a fiftieth of the value's own
// range wide, and never beyond what the formula can give (a speed of 0 is drawn from 0 up).
std::pair<double, double> plotRange(const LiveValue& value, double low, double high);

// The PIDs announced by the support map that answers the request of `base` (0x00, 0x20,
// ...): bit 31 of the map is PID base+1, bit 0 says that the next map exists. nullopt
// for an answer that is not exactly four bytes of the positive answer.
std::optional<quint32> parseSupportMap(const QString& cut, int base);

// Which PIDs 1..255 the engine announced.
using PidSet = std::bitset<256>;
// The PIDs a support map of `base` announces.
PidSet pidsOfMap(quint32 map, int base);

} // namespace talmero::diag
