#include "config/backup.h"

#include "config/layout.h"
#include "config/vehicle_data_writer.h"
#include "link/adapter.h"
#include "link/answer_text.h"
#include "link/block_read.h"
#include "link/codecs.h"
#include "link/host.h"
#include "link/modules.h"
#include "link/session.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace talmero::config {

VehicleBackup::VehicleBackup(link::Session& session, link::Host& host)
    : m_session(session), m_host(host)
{
}

QString VehicleBackup::documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/TALMERO");
}

QString VehicleBackup::defaultFolder(const QString& programFolder)
{
    const QFileInfo program(programFolder);
    // ~/.local/bin is writable, but backups among programs are lost to the user.
    if (program.fileName() != QLatin1String("bin") && program.isDir() && program.isWritable())
        return programFolder;
    return documentsFolder();
}

QString VehicleBackup::fallbackFolder() const
{
    return m_fallbackFolder.isEmpty() ? documentsFolder() : m_fallbackFolder;
}

BackupResult VehicleBackup::failed(link::Outcome::Kind kind, const QString& line)
{
    m_host.log(line);
    return {link::Outcome::failed(kind, line), {}, {}};
}

BackupResult VehicleBackup::BitBtnSaveAutoClick(const QString& carVIN, const QString& programFolder,
                                                const Clock& clock)
{
    m_host.log(QCoreApplication::translate("VehicleBackup", "* Запущен процесс сохранения данных из модулей автомобиля, ждите..."));
    if (const link::Outcome reset = m_session.resetAdapter(false); !reset.ok())
        return failed(reset.kind, reset.line);
    m_vins.clear();
    m_failedReads.clear();
    m_modulesMissing.clear();
    m_blocksMissing.clear();
    QStringList moduleLines;
    QStringList missing;
    QStringList missingBlocks;
    // The program's own modules first, in the file's order; the description files' after them.
    const std::vector<const car::Module*> kept = car::backupModules();
    const int count = int(kept.size());
    for (int k = 0; k < count; ++k) {
        const car::Module& module = *kept[std::size_t(k)];
        if (m_progress)
            m_progress(k + 1, count, module);
        const QString name = qs(module.name) + QStringLiteral(" (") + qs(module.address) + QLatin1Char(')');
        QStringList unread;
        if (!dumpModule(moduleLines, module, &unread)) {
            missing << name;
            m_modulesMissing.insert(qs(module.address), name);
        } else if (!unread.isEmpty()) {
            missingBlocks << name + QLatin1Char(' ') + unread.join(QLatin1Char(' '));
        }
        // The modules still to come cannot be read: a file now would look complete.
        if (m_session.adapter().linkLost())
            return failed(link::Outcome::Kind::ConnectionLost,
                          QCoreApplication::translate("VehicleBackup", "! Связь с адаптером потеряна: файл не записан"));
    }
    m_blocksMissing = missingBlocks;
    // A file with no module in it is no backup.
    if (moduleLines.isEmpty())
        return failed(link::Outcome::Kind::Failed, QCoreApplication::translate("VehicleBackup", "! Ни один модуль не прочитан: файл не записан"));
    // A typed VIN may be a placeholder or another car's; the identity modules' own wins.
    const link::CarVin car = link::decideCarVin(m_vins);
    const QString vin = car.known() ? car.vin : carVIN;
    if (!car.disputed.isEmpty())
        m_host.log(QCoreApplication::translate("VehicleBackup", "! Модули автомобиля расходятся в VIN (%1): в копии указанный при подключении %2")
                       .arg(car.disputed.join(QStringLiteral("; ")), vin));
    else if (!car.known())
        m_host.log(QCoreApplication::translate("VehicleBackup", "* VIN в копии: %1, указанный при подключении (из модулей не прочитан)").arg(vin));
    else
        m_host.log(QCoreApplication::translate("VehicleBackup", "* VIN в копии: %1, прочитанный из модулей автомобиля").arg(vin));
    const QDateTime when = clock ? clock() : QDateTime::currentDateTime();
    const QStringList lines = vehicle_data::documentLines(vin, when, moduleLines);
    const auto [path, saved] = save(vehicle_data::fileName(vin, when), vehicle_data::fileBytes(lines), programFolder);
    if (path.isEmpty())
        return {link::Outcome::failed(link::Outcome::Kind::Failed, saved), {}, {}};
    BackupResult result{link::Outcome::done(saved), path, {}};
    // A file without some modules or blocks is saved, but never passed off as complete.
    if (!missing.isEmpty())
        result.notes << QCoreApplication::translate("VehicleBackup", "! В копии нет модулей: ") + missing.join(QStringLiteral(", "));
    if (!missingBlocks.isEmpty())
        result.notes << QCoreApplication::translate("VehicleBackup", "! В копии нет блоков: ") + missingBlocks.join(QStringLiteral("; "));
    result.notes << m_failedReads;
    for (const QString& line : std::as_const(result.notes))
        m_host.log(line);
    // The file holds only what was read whole; a block that was not is a failure.
    if (!m_failedReads.isEmpty())
        result.outcome = link::Outcome::failed(link::Outcome::Kind::Failed, m_failedReads.last());
    return result;
}

// An installed program usually sits in a folder the user cannot write; the backup then
// goes into the documents folder, and the log says where.
std::pair<QString, QString> VehicleBackup::save(const QString& fileName, const QByteArray& bytes,
                                                const QString& programFolder)
{
    const auto said = [this](const QString& path, const QString& line) {
        m_host.log(line);
        return std::pair{path, line};
    };
    const auto savedIn = [&fileName](const QString& folder) {
        return QCoreApplication::translate("VehicleBackup", "* Файл ") + fileName
            + QCoreApplication::translate("VehicleBackup", " сохранен в каталоге ") + QDir::toNativeSeparators(folder);
    };
    const QString inProgramFolder = QDir(programFolder).filePath(fileName);
    if (vehicle_data::writeWhole(inProgramFolder, bytes).isEmpty())
        return said(inProgramFolder, savedIn(QFileInfo(inProgramFolder).absolutePath()));
    if (!m_fallbackAllowed)
        return said(QString(), QCoreApplication::translate("VehicleBackup", "! Ошибка сохранения файла в каталоге ") + QDir::toNativeSeparators(programFolder));
    const QString folder = fallbackFolder();
    const QString inFallback = QDir(folder).filePath(fileName);
    if (QDir().mkpath(folder) && vehicle_data::writeWhole(inFallback, bytes).isEmpty())
        return said(inFallback, savedIn(folder));
    return said(QString(), QCoreApplication::translate("VehicleBackup", "! Ошибка сохранения файла"));
}

bool VehicleBackup::dumpModule(QStringList& lines, const car::Module& module, QStringList* unread)
{
    const QString address = qs(module.address);
    if (!m_session.openModule(module, false, false).ok())
        return false;
    QStringList blockLines;
    QStringList notGiven;
    QStringList refused;
    QStringList failed;
    bool heard = false;
    for (int b = module.backupBlocks.first; b <= module.backupBlocks.last; ++b) {
        const QString index = QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0'));
        const link::BlockRead answer = link::readBlock(m_session.adapter(), index, false, link::blockBytes(module, b));
        // Cancelled: nothing is written, so no file lacks what was not read.
        m_session.stopIfCancelled();
        // Frames cut by the adapter's text came from somewhere: the module is there.
        heard = heard || answer.fromModule() || answer.classified.spoiled();
        if (answer.failed())
            failed << answer.outcome(qs(module.name) + QStringLiteral(" (") + address + QLatin1Char(')')).line;
        if (answer.data) {
            const QString data = link::splitHEX(*answer.data);
            blockLines << vehicle_data::blockLine(index, data);
            if (b == module.vinBlock) {
                const QString text = QString::fromLatin1(QByteArray::fromHex(data.toLatin1()));
                if (link::isVIN(text)) {
                    m_vins.insert(address, text);
                    if (m_state)
                        link::learnModuleVin(*m_state, m_host, address, text);
                }
            }
        }
        else
            (answer.refused ? refused : notGiven) << index.toUpper();
    }
    // Without a session request nothing has shown that the module is there: one that
    // answered none of its requests is left out, as a module whose session failed is
    // (an empty Module element would also read back as a broken file).
    if (!module.session && !heard)
        return false;
    lines << (module.file ? vehicle_data::moduleLine(address, qs(module.name), module.file->name, module.file->sha256)
                          : vehicle_data::moduleLine(address, qs(module.name)))
          << blockLines << vehicle_data::kModuleEnd;
    m_failedReads << failed;
    // A module may lack a block; one that gave none at all lacks them all.
    if (unread)
        *unread = blockLines.isEmpty() ? notGiven + refused : notGiven;
    return true;
}

} // namespace talmero::config
