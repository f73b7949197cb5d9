#pragma once

#include "config/vehicle_config.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace talmero::config {

// One configuration block the restore writes: the file's content over what the car held
// when it was read.
struct PlannedWrite {
    QString address; // "726"
    QString module;  // "BCM (GEM модуль)"
    QString index;   // "04"
    bool medium = false;
    QString heldHex; // the car, as read before the plan
    QString newHex;  // the file
    QStringList options; // "caption: old → new"
};

// Restoring a car from a backup file: only the blocks a configuration page writes, only
// those that differ, only those of the length the module holds.
struct RestorePlan {
    QString fileVin;
    QString carVin;          // "" when not read, or when the car's identity modules disagree
    QStringList vinDisputed; // the identity modules' VINs when they disagree
    QString vinUnconfirmed;  // the one module's VIN when no other, nor the panel, gave one
    QList<PlannedWrite> writes; // grouped by bus, the adapter's present bus first
    struct LeftOut {
        QString address;
        QString text; // the module, the block and why
    };
    QList<LeftOut> leftOut;     // configuration blocks that differ but are not written
    // Modules whose configuration blocks the file holds but the car did not give: nothing
    // is written while one is in the plan (--only without it restores the rest).
    QStringList unread;
    QStringList neverWritten;   // the file's other blocks that differ from the car ("720 02")

    bool vinDiffers() const { return fileVin != carVin; }
    // The modules of the writes, in their order.
    QStringList addresses() const;
    // Keeps only the writes (and left-outs, unread modules) of these modules.
    RestorePlan only(const QStringList& addresses) const;
};

// mediumFirst: the adapter stands on the medium-speed bus.
RestorePlan planRestore(const VehicleConfig& file, const VehicleConfig& car, bool mediumFirst);

// The plan as the user reads it before agreeing: the VIN first when it differs, then per
// module its option changes and bytes, then what is left out and what is never written.
QStringList planLines(const RestorePlan& plan);
// The VIN line of planLines; "" when the VINs agree.
QString vinLine(const RestorePlan& plan);
// "! Не восстанавливается: 720 блок 01 отличается; его не записывает ни одна страница"
// per block the file holds that no page writes and that differs from the car.
QStringList neverWrittenLines(const RestorePlan& plan);

} // namespace talmero::config
