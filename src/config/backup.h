#pragma once

#include "car/modules.h"
#include "link/modules.h"
#include "link/outcome.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace talmero::link {
class Host;
class Session;
} // namespace talmero::link

namespace talmero::config {

// What a backup produced, and how it ended.
struct BackupResult {
    // Done when a file was written and every block of the modules that answered was read
    // whole (a silent module is named in the notes); else why not, with its line.
    link::Outcome outcome;
    QString path;      // the file written, "" when none was
    QStringList notes; // what the file lacks, as the log says it
};

// The backup button: reads the blocks of the backup's modules on both buses and writes
// them with the VIN and the time into one VehicleData file. Its commands stay out of
// the log; the window disables its status panel around the call.
class VehicleBackup {
public:
    using Clock = std::function<QDateTime()>;
    // Before each module: number counts from 1 to count.
    using Progress = std::function<void(int number, int count, const car::Module& module)>;

    VehicleBackup(link::Session& session, link::Host& host);

    // Where the file goes when the program's folder cannot be written; by default the
    // user's documents folder + "TALMERO".
    void setFallbackFolder(const QString& folder) { m_fallbackFolder = folder; }
    // A folder the user named is not swapped for another one behind their back.
    void setFallbackAllowed(bool allowed) { m_fallbackAllowed = allowed; }
    QString fallbackFolder() const;
    // The user's documents folder + "TALMERO".
    static QString documentsFolder();
    // Where backups go unless the user names a folder: the program's own folder for a
    // program run from its build or unpacked folder; the documents folder for one
    // installed under a prefix (its folder is a "bin"), or one whose folder is not writable.
    static QString defaultFolder(const QString& programFolder);
    void setProgress(Progress progress) { m_progress = std::move(progress); }
    // The connection's state, to keep the VINs the modules give as this car's.
    void learnInto(link::LinkState& state) { m_state = &state; }

    // carVIN: the VIN typed at connecting; the file is named and labelled with the VIN the
    // car's modules hold when the backup reads one, else with carVIN, and the log says
    // which. programFolder: the executable's folder. The clock
    // (the local time when not given) is read once, for the name and the Date element.
    BackupResult BitBtnSaveAutoClick(const QString& carVIN, const QString& programFolder,
                                     const Clock& clock = Clock());

    // Appends one module's lines, or nothing when its session does not open (or, for a
    // module opened without a session request, when it answers none of its requests).
    // False when the module is left out. unread: the blocks it did not give (no answer, a
    // garbled or cut one; every block when it refused them all).
    bool dumpModule(QStringList& lines, const car::Module& module, QStringList* unread = nullptr);

    // The log lines of the blocks the last backup or dumpModule could not read whole from a
    // module it kept (the adapter's words, a cut or garbled answer, none): such a backup is
    // not complete, whatever the file holds.
    const QStringList& failedReads() const { return m_failedReads; }

    // The car's VIN as the identity modules gave it in the last backup; "" when they gave
    // none or disagree.
    QString vinRead() const { return link::decideCarVin(m_vins).vin; }
    // What the last backup lacks: the modules that did not answer (address -> "HVAC (733)"),
    // and "DDM (740) 00 01" for each module that answered without every block it has.
    const QMap<QString, QString>& modulesMissing() const { return m_modulesMissing; }
    const QStringList& blocksMissing() const { return m_blocksMissing; }

private:
    // The file's path and the line said, or "" and the failure said.
    std::pair<QString, QString> save(const QString& fileName, const QByteArray& bytes, const QString& programFolder);
    BackupResult failed(link::Outcome::Kind kind, const QString& line);

    link::Session& m_session;
    link::Host& m_host;
    QString m_fallbackFolder;
    bool m_fallbackAllowed = true;
    Progress m_progress;
    QMap<QString, QString> m_vins; // the VINs modules' VIN blocks held during this backup
    link::LinkState* m_state = nullptr;
    QStringList m_failedReads;
    QMap<QString, QString> m_modulesMissing;
    QStringList m_blocksMissing;
};

} // namespace talmero::config
