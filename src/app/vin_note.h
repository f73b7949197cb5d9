#pragma once

#include <QCoreApplication>
#include <QString>

namespace talmero::link {
struct LinkState;
} // namespace talmero::link

namespace talmero::app {

// What the status panel says beside the VIN in use: where it came from, and plainly when
// the VIN typed at connecting is not the car's or the car's modules disagree.
struct VinNote {
    QString text;
    QString toolTip;
    bool warning = false;
};

class VinNotes {
    Q_DECLARE_TR_FUNCTIONS(VinNotes)
public:
    static VinNote of(const link::LinkState& state);
};

} // namespace talmero::app
