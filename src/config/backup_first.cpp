#include "config/backup_first.h"

#include "config/vehicle_config.h"
#include "link/host.h"
#include "link/modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace talmero::config {

namespace {

// A backup is a few kilobytes; a large file in the folder is something else.
constexpr qint64 kLargestBackup = 1 << 20;

// Passes everything on, keeping the last failure logged: why a backup wrote no file.
class FailureNote : public link::Host {
public:
    explicit FailureNote(link::Host& host) : m_host(host) {}
    void log(const QString& line) override
    {
        if (line.startsWith(QLatin1String("! ")))
            failure = line.mid(2);
        m_host.log(line);
    }
    void notify(const QString& text) override { m_host.notify(text); }
    bool confirm(const link::ChangeRequest& request) override { return m_host.confirm(request); }
    bool ask(const QString& question) override { return m_host.ask(question); }
    bool acknowledge(const QString& text) override { return m_host.acknowledge(text); }
    bool cancelRequested() const override { return m_host.cancelRequested(); }

    QString failure;

private:
    link::Host& m_host;
};

} // namespace

bool holdsBackupOf(const QStringList& folders, const QString& vin)
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
            if (backup && !backup->modules.isEmpty() && backup->vin.compare(vin, Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

BackupTaken takeBackup(link::Session& session, link::Host& host, link::LinkState& state, const QString& folder,
                       bool fallbackAllowed, const VehicleBackup::Progress& progress)
{
    FailureNote noted(host);
    VehicleBackup backup(session, noted);
    backup.learnInto(state);
    backup.setFallbackAllowed(fallbackAllowed);
    backup.setProgress(progress);
    BackupTaken taken;
    taken.path = backup.BitBtnSaveAutoClick(state.carVIN, folder);
    if (taken.path.isEmpty())
        taken.failure = noted.failure.isEmpty() ? QCoreApplication::translate("BackupFirst", "файл не записан") : noted.failure;
    return taken;
}

} // namespace talmero::config
