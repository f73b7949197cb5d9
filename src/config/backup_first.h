#pragma once

#include "config/backup.h"
#include "safety/write_gate.h"

#include <QString>
#include <QStringList>

namespace talmero::link {
class Host;
class Session;
struct LinkState;
} // namespace talmero::link

namespace talmero::config {

// Whether one of the folders holds a backup of the car vin: a VehicleData file that reads
// whole, whose VIN is vin, with modules in it: every module of needs that a backup keeps,
// and each block of needs in a module's backup blocks. A car whose VIN is not known ("")
// has none.
bool holdsBackupOf(const QStringList& folders, const QString& vin, const safety::BackupNeeds& needs = {});

// The one-click backup, taken before the first write to a car.
struct BackupTaken {
    QString path;       // the file written, "" when none was
    QString failure;    // why none was, without the log's mark
    QString incomplete; // what the file lacks: a block of a module that answered, a module of needs
    QStringList notes;  // what the backup said the file lacks
};
// Into folder, or into the user's documents folder when fallbackAllowed and folder cannot
// be written; named with the VIN the car's modules hold, else the one typed at connecting.
BackupTaken takeBackup(link::Session& session, link::Host& host, link::LinkState& state, const QString& folder,
                       bool fallbackAllowed, const VehicleBackup::Progress& progress = {},
                       const safety::BackupNeeds& needs = {});

} // namespace talmero::config
