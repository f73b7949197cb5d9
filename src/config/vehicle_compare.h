#pragma once

#include "config/vehicle_config.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace talmero::config {

enum class BlockState { Same, Differs, LeftOnly, RightOnly };

// One module's block on both sides.
struct BlockComparison {
    QString address;  // "726"
    QString module;   // "BCM", from whichever side has it
    QString index;    // "04"
    BlockState state = BlockState::Same;
    QString leftHex;  // "" when the side lacks it (or holds it empty)
    QString rightHex;
    // The options whose state differs, "caption: left → right", when a page decodes the
    // block; empty for the others (identification, VIN, calibration).
    QStringList options;
    bool configuration = false; // a configuration page reads and writes this block
};

struct Comparison {
    QString leftVin;
    QString rightVin;
    // Modules in the backup's order (others after them), blocks ascending.
    QList<BlockComparison> rows;

    bool same() const;
    bool vinDiffers() const { return leftVin != rightVin; }
};

Comparison compareVehicles(const VehicleConfig& left, const VehicleConfig& right);

// "same", "differs", "left-only", "right-only": the same in every language.
QString stateName(BlockState state);

// The lines a script reads: "ADDRESS BLOCK STATE [LEFTHEX -> RIGHTHEX]", then the option
// differences indented by four blanks; a VIN line first when the VINs differ.
QStringList comparisonLines(const Comparison& comparison);

} // namespace talmero::config
