#include "config/backup_first.h"

#include "config/layout.h"
#include "config/vehicle_config.h"
#include "car/modules.h"
#include "link/host.h"
#include "link/modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace talmero::config {

namespace {

// A backup is a few kilobytes; a large file in the folder is something else.
constexpr qint64 kLargestBackup = 1 << 20;

// The backup's entry of the module at this address, nullptr for one a backup does not keep.
const car::Module* keptModule(const QString& address)
{
    for (const car::Module* m : car::backupModules()) {
        if (qs(m->address) == address)
            return m;
    }
    return nullptr;
}

// Whether a backup file holds what a write needs of it.
bool holdsNeeds(const VehicleConfig& backup, const safety::BackupNeeds& needs)
{
    for (const QString& address : needs.answered) {
        if (keptModule(address) && !backup.module(address))
            return false;
    }
    for (const auto& [address, block] : needs.blocks) {
        const car::Module* m = keptModule(address);
        const int number = block.toInt(nullptr, 16);
        if (m && m->backupBlocks.holds(number) && !backup.block(address, block))
            return false;
    }
    return true;
}

} // namespace

bool holdsBackupOf(const QStringList& folders, const QString& vin, const safety::BackupNeeds& needs)
{
    if (vin.isEmpty())
        return false;
    for (const QString& folder : folders) {
        const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*.xml")}, QDir::Files | QDir::Readable, QDir::Name);
        for (const QFileInfo& info : files) {
            QFile file(info.filePath());
            if (info.size() > kLargestBackup || !file.open(QIODevice::ReadOnly))
                continue;
            QString error;
            const std::optional<VehicleConfig> backup = parseVehicleData(file.readAll(), error);
            if (backup && !backup->modules.isEmpty() && backup->vin.compare(vin, Qt::CaseInsensitive) == 0
                && holdsNeeds(*backup, needs))
                return true;
        }
    }
    return false;
}

BackupTaken takeBackup(link::Session& session, link::Host& host, link::LinkState& state, const QString& folder,
                       bool fallbackAllowed, const VehicleBackup::Progress& progress, const safety::BackupNeeds& needs)
{
    VehicleBackup backup(session, host);
    backup.learnInto(state);
    backup.setFallbackAllowed(fallbackAllowed);
    backup.setProgress(progress);
    BackupTaken taken;
    const BackupResult made = backup.BitBtnSaveAutoClick(state.carVIN, folder);
    taken.path = made.path;
    taken.notes = made.notes;
    if (taken.path.isEmpty()) {
        taken.failure = made.outcome.line.isEmpty() ? QCoreApplication::translate("BackupFirst", "файл не записан") : made.outcome.text();
        return taken;
    }
    // A module that answered and lacks a block, or a module heard from before and silent
    // now: the file is kept, but it is not the way back.
    QStringList lacks = backup.blocksMissing();
    QStringList needed = needs.answered;
    for (const auto& block : needs.blocks)
        needed << block.first;
    for (auto it = backup.modulesMissing().begin(); it != backup.modulesMissing().end(); ++it) {
        if (needed.contains(it.key()))
            lacks << it.value();
    }
    taken.incomplete = lacks.join(QStringLiteral("; "));
    return taken;
}

} // namespace talmero::config
