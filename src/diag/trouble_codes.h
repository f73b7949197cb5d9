#pragma once

#include "diag/dtc_history.h"
#include "link/outcome.h"

#include <QString>
#include <optional>

namespace talmero::car {
struct Module;
}

namespace talmero::car {
struct Module;
}

namespace talmero::link {
class Host;
} // namespace talmero::link

namespace talmero::safety {
class WriteGate;
} // namespace talmero::safety

namespace talmero::diag {

class DtcMemo;

// Reads the stored trouble codes of every module on both buses and clears them in the
// modules that reported some.
class TroubleCodes {
public:
    TroubleCodes(safety::WriteGate& gate, link::Host& host, DtcMemo& memo);

    // Addresses of the modules that reported codes in the last reading, three characters
    // each, in reading order; emptied by every reading, kept by the clearing.
    QString dtcHS;
    QString dtcMS;

    // The "Read" button: lists every module's codes. Done when every module gave its count
    // of codes (the line says whether any holds codes); else why not.
    link::Outcome ButtonDTCClick();
    // The "Crear" button: asks, then clears the modules of dtcHS and dtcMS. Done when every
    // module confirmed it; Cancelled when the user said no; else why not.
    link::Outcome ButtonDTCclearClick();

    // Whether "Crear" is enabled: after a reading that found codes, and after a clearing
    // that the user declined, the adapter did not start or a module did not confirm.
    bool clearEnabled() const { return m_clearEnabled; }
    // What the last reading found so far (also when it was cancelled or cut off); its
    // vin is left for the caller, who knows the car.
    const DtcReading& lastReading() const { return m_reading; }
    // Keeps the last reading, named by this VIN, in the history that shares the write
    // journal's file (also one cut off: what was read stays on record). "" when kept or
    // there was nothing to keep, else why it was not.
    QString keepReading(const QString& vin);

    // Selects one module on the current bus and lists its codes; appends the address to
    // busList when it reported some. False when the module gave no count of codes.
    bool readModuleDTC(const QString& address, QString& busList);
    // Lists the codes of the module the header selects; nullopt when it gave no count,
    // else whether the count was not zero. module: its name for a failure's line.
    std::optional<bool> listDTC(const QString& module);
    // Clears one module on the current bus; true when it confirmed.
    bool clearModuleDTC(const car::Module& module);

private:
    void fail(const QString& line); // to the log and under the module's header
    link::Outcome said(link::Outcome::Kind kind, const QString& line); // logged
    // The engine module's freeze frame, logged and kept with its listing.
    std::optional<FreezeFrame> engineFreezeFrame(DtcModuleReading* kept);

    safety::WriteGate& m_gate;
    link::Host& m_host;
    DtcMemo& m_memo;
    bool m_clearEnabled = false;
    bool m_listingEngine = false; // the module being listed is the engine
    DtcReading m_reading;
};

} // namespace talmero::diag
