#include "sim/engine.h"

#include <algorithm>
#include <cmath>

namespace talmero::sim {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kCycle = 180;       // seconds from one drive to the next
constexpr double kAmbient = 18;      // °C
constexpr double kGearRpm[] = {130, 75, 52, 40, 32}; // rpm per km/h in gears 1..5

// A repeatable value in -1..1 for each step of a channel.
double hashed(qint64 step, int channel)
{
    quint32 x = quint32(step) * 2654435761u ^ (quint32(channel) * 40503u + 0x9E3779B9u);
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    x *= 0x846CA68Bu;
    x ^= x >> 16;
    return x / 4294967295.0 * 2 - 1;
}

// Noise that drifts smoothly, `rate` steps a second.
double noise(double seconds, int channel, double rate = 2)
{
    const double at = seconds * rate;
    const double step = std::floor(at);
    const double f = at - step;
    return hashed(qint64(step), channel) * (1 - f) + hashed(qint64(step) + 1, channel) * f;
}

double smoothstep(double x)
{
    x = std::clamp(x, 0.0, 1.0);
    return x * x * (3 - 2 * x);
}

enum class Phase { Idle, Away, Cruise, Slowing };

Phase phaseAt(double p)
{
    if (p < 30 || p >= 150)
        return Phase::Idle;
    if (p < 45)
        return Phase::Away;
    return p < 135 ? Phase::Cruise : Phase::Slowing;
}

double speedAt(double p)
{
    switch (phaseAt(p)) {
    case Phase::Away:
        return 50 * smoothstep((p - 30) / 15);
    case Phase::Cruise:
        return 50 + 6 * std::sin(2 * kPi * (p - 45) / 45);
    case Phase::Slowing:
        return 50 * (1 - smoothstep((p - 135) / 15));
    case Phase::Idle:
        break;
    }
    return 0;
}

QByteArray oneByte(double value)
{
    return QByteArray(1, char(quint8(std::clamp(std::lround(value), 0L, 255L))));
}

QByteArray twoBytes(double value)
{
    const long v = std::clamp(std::lround(value), 0L, 65535L);
    return QByteArray(1, char(v >> 8)) + char(v & 0xFF);
}

} // namespace

EngineState engineAt(double seconds)
{
    const double t = std::max(0.0, seconds);
    EngineState e;
    e.ambient = kAmbient + 0.5 * noise(t, 1, 1.0 / 60);
    // The thermostat opens near 90 °C; it takes some ten minutes to get there.
    e.coolant = 90 - 70 * std::exp(-t / 360) + (t > 900 ? 0.8 * noise(t, 2, 0.2) : 0);
    const double cold = std::clamp((60 - e.coolant) / 40, 0.0, 1.0);

    const double p = std::fmod(t, kCycle);
    const Phase phase = phaseAt(p);
    e.speed = speedAt(p);
    const double idle = 800 + 300 * cold + 15 * noise(t, 3);
    e.rpm = idle;
    if (e.speed >= 2) {
        int gear = 0;
        for (int g = 4; g >= 0; --g) {
            if (e.speed * kGearRpm[g] >= 1300) {
                gear = g;
                break;
            }
        }
        e.rpm = std::max(idle, e.speed * kGearRpm[gear] + 10 * noise(t, 4));
    }

    struct Demand {
        double throttle, load, manifold, advance;
    };
    const Demand demand = phase == Phase::Away ? Demand{38, 72, 85, 16}
        : phase == Phase::Cruise              ? Demand{20, 38, 52, 32}
        : phase == Phase::Slowing             ? Demand{14.5, 12, 24, 36}
                                              : Demand{14.9, 21 + 4 * cold, 33, 10};
    const bool steady = phase != Phase::Slowing;
    e.throttle = demand.throttle + (steady ? 0.4 * noise(t, 5) : 0);
    e.load = demand.load + (steady ? 1.5 * noise(t, 6) : 0);
    e.manifold = demand.manifold + (steady ? 1.2 * noise(t, 7) : 0);
    e.advance = demand.advance + 2 * noise(t, 8);
    // Closed-loop mixture control only when warm and not coasting with the fuel cut off.
    e.shortTrim = e.coolant > 40 && phase != Phase::Slowing ? 3 * noise(t, 9, 4) : 0;
    e.longTrim = 2.3;
    e.intake = kAmbient + 6 + 8 * (1 - std::exp(-t / 600)) - 0.06 * e.speed + 0.5 * noise(t, 10, 0.5);
    e.fuel = std::max(5.0, 62 - 0.002 * t);
    e.moduleVolts = 14.1 + 0.08 * noise(t, 11);
    return e;
}

std::optional<QByteArray> engineValue(int pid, double seconds)
{
    const EngineState e = engineAt(seconds);
    switch (pid) {
    case 0x04:
        return oneByte(e.load * 255 / 100);
    case 0x05:
        return oneByte(e.coolant + 40);
    case 0x06:
        return oneByte(e.shortTrim * 128 / 100 + 128);
    case 0x07:
        return oneByte(e.longTrim * 128 / 100 + 128);
    case 0x0B:
        return oneByte(e.manifold);
    case 0x0C:
        return twoBytes(e.rpm * 4);
    case 0x0D:
        return oneByte(e.speed);
    case 0x0E:
        return oneByte((e.advance + 64) * 2);
    case 0x0F:
        return oneByte(e.intake + 40);
    case 0x11:
        return oneByte(e.throttle * 255 / 100);
    case 0x1F: // run time since the start
        return twoBytes(seconds);
    case 0x2F:
        return oneByte(e.fuel * 255 / 100);
    case 0x42:
        return twoBytes(e.moduleVolts * 1000);
    case 0x46:
        return oneByte(e.ambient + 40);
    default:
        return std::nullopt;
    }
}

} // namespace talmero::sim
