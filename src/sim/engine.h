#pragma once

#include <QByteArray>
#include <optional>

namespace talmero::sim {

// The virtual car's engine at one moment.
struct EngineState {
    double rpm = 0;
    double speed = 0;    // km/h
    double coolant = 0;  // °C
    double intake = 0;   // °C
    double ambient = 0;  // °C
    double load = 0;     // %
    double throttle = 0; // %, as the sensor reads it (closed is not zero)
    double manifold = 0; // kPa
    double shortTrim = 0; // %
    double longTrim = 0;  // %
    double advance = 0;   // degrees before top dead centre
    double fuel = 0;      // %
    double moduleVolts = 0;
};

// The engine `seconds` after it was started cold: idle with a little noise, a slow
// warm-up, and every three minutes a short drive (away, a steady 50 km/h, back to idle).
// Every value stays in the range a real engine of this car shows.
EngineState engineAt(double seconds);

// The data bytes of mode 01 `pid` for the engine at that moment, for the PIDs whose value
// moves; nullopt for any other PID.
std::optional<QByteArray> engineValue(int pid, double seconds);

} // namespace talmero::sim
