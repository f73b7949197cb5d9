#pragma once

#include "link/outcome.h"

#include <QString>

#include <functional>
#include <optional>

namespace talmero::link {
class Host;
}

namespace talmero::car {
struct PageInfo;
}

namespace talmero::config {

class ConfigPanel;

// A file larger than this is no backup: it is refused before it is parsed.
inline constexpr qint64 kMaxBackupFileSize = 10 * 1024 * 1024;

// Which block of the backup a configuration page shows: the block that "Read
// configuration" reads on that page, with the BCM part and the door side chosen there.
struct BackupChoice {
    QString address; // "720"
    QString index;   // "00", as the file's elmindex holds it
    QString suffix;  // " [Часть 2]" ..., empty for most pages
};
BackupChoice backupChoice(const ConfigPanel& panel, const car::PageInfo& page);

// The bytes of a backup file, or nullopt after a notice that names the file and says why
// it cannot be read (not a file, too large, unreadable, changed while read); why gets the
// notice's text.
std::optional<QByteArray> readBackupBytes(const QString& path, link::Host& host, QString* why = nullptr);

struct BackupLookup {
    // false: the file could not be read as XML at all (missing, too large, not
    // well-formed); a notice has said why (the outcome's text) and there is nothing to log.
    bool loaded = false;
    // Done when the file holds the block; else the line to log (the structure, the module
    // or the block missing).
    link::Outcome outcome;
    QString block; // the block's bytes as stored ("40 81 22 05")
};

// Finds the block in a VehicleData file that parseVehicleData accepts (compare and restore
// take the same verdict): the last Module whose address matches, and in it the last block
// of that elmindex. A file it refuses is a structure fault, also shown as a notice with
// the line and the reason. Another car's file opens as well.
BackupLookup readBackupBlock(const QString& path, const QString& address, const QString& index,
                             link::Host& host);

// "Read from file": one page's configuration from a backup, shown as if read from the car.
class BackupOpening {
public:
    BackupOpening(ConfigPanel& panel, link::Host& host);

    // chooseFile asks the user for the file (filter: kBackupFileFilter) and returns its
    // full path, or an empty text when the user cancelled. The panel is cleared first,
    // whatever follows. Done when the page shows the block; BlockRefused when the page
    // cannot show it (a notice said why); another failure with its line (none when the
    // user cancelled or a notice already said why the file cannot be read).
    link::Outcome ButtonCONFopenClick(const car::PageInfo& page, const std::function<QString()>& chooseFile);
    link::Outcome ButtonCONFopenClick(const car::PageInfo& page, const QString& path);

    // The open dialog's filter: description, then the pattern.
    static QString backupFileFilter();

private:
    ConfigPanel& m_panel;
    link::Host& m_host;
};

} // namespace talmero::config
