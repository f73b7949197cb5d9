#include "config/backup_reader.h"

#include "config/config_panel.h"
#include "config/layout.h"
#include "config/option_view.h"
#include "config/pages.h"
#include "config/vehicle_config.h"
#include "link/answer_text.h"
#include "link/codecs.h"
#include "link/host.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QXmlStreamReader>

namespace talmero::config {

QString BackupOpening::backupFileFilter()
{
    return QCoreApplication::translate("BackupOpening", "Konfiguracja auta (VehicleData*.xml)");
}


BackupChoice backupChoice(const ConfigPanel& panel, const PageInfo& page)
{
    const PageSide& side = panel.side(page);
    BackupChoice choice;
    choice.address = qs(side.address);
    // As the file's elmindex holds it.
    choice.index = car::blockText(side.layout->number);
    choice.suffix = panel.partSuffix(page);
    return choice;
}

std::optional<QByteArray> readBackupBytes(const QString& path, link::Host& host, QString* why)
{
    const auto refuse = [&](const QString& notice) -> std::optional<QByteArray> {
        host.notify(notice);
        if (why)
            *why = notice;
        return std::nullopt;
    };
    const QString fullName = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    // A folder, a pipe or a device is no backup; opening a pipe would wait for a writer.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return refuse(QCoreApplication::translate("BackupOpening", "Это не файл резервной копии (папка, канал или устройство):\n") + fullName);
    QFile file(path);
    if (info.size() > kMaxBackupFileSize)
        return refuse(QCoreApplication::translate("BackupOpening", "Файл слишком велик для резервной копии (больше 10 МБ):\n") + fullName);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(QCoreApplication::translate("BackupOpening", "Не удалось открыть файл:\n") + fullName + u'\n' + file.errorString());
    // As much as the file holds, and one byte more: a file that grew meanwhile is refused.
    const QByteArray bytes = file.read(qMin<qint64>(file.size(), kMaxBackupFileSize) + 1);
    if (bytes.size() > kMaxBackupFileSize)
        return refuse(QCoreApplication::translate("BackupOpening", "Файл слишком велик для резервной копии (больше 10 МБ):\n") + fullName);
    if (!file.atEnd())
        return refuse(QCoreApplication::translate("BackupOpening", "Файл изменился во время чтения:\n") + fullName);
    return bytes;
}

BackupLookup readBackupBlock(const QString& path, const QString& address, const QString& index,
                             link::Host& host)
{
    const QString fullName = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    BackupLookup lookup;
    QString why;
    const auto notLoaded = [&lookup, &why] {
        lookup.outcome = link::Outcome::notified(link::Outcome::Kind::Failed, QStringLiteral("! ") + why);
        return lookup;
    };
    const std::optional<QByteArray> bytes = readBackupBytes(path, host, &why);
    if (!bytes)
        return notLoaded();
    const VehicleDataOutline found = outlineVehicleData(*bytes);
    if (!found.error.isEmpty()) {
        const QString where = QCoreApplication::translate("BackupOpening", "Строка %1, столбец %2: %3")
                                  .arg(found.errorLine)
                                  .arg(found.errorColumn)
                                  .arg(found.error);
        why = QCoreApplication::translate("BackupOpening", "Файл не является XML-документом:\n") + fullName + u'\n' + where;
        host.notify(why);
        return notLoaded();
    }
    lookup.loaded = true;
    // The verdict compare and restore take on the same file.
    QString error;
    const std::optional<VehicleConfig> config = parseVehicleData(*bytes, error);
    if (!config) {
        host.notify(QCoreApplication::translate("BackupOpening", "Неверная структура файла:\n") + fullName + u'\n' + error);
        lookup.outcome = link::Outcome::failed(link::Outcome::Kind::Failed,
                                               QCoreApplication::translate("BackupOpening", "! Неверная структура файла:\n") + fullName + u'\n' + error);
        return lookup;
    }
    // The last Module whose address matches, and its block.
    if (!config->module(address)) {
        lookup.outcome = link::Outcome::failed(link::Outcome::Kind::Failed, QCoreApplication::translate("BackupOpening", "! Нет данных о модуле"));
        return lookup;
    }
    const QString hex = config->block(address, index).value_or(QString());
    if (hex.isEmpty())
        lookup.outcome = link::Outcome::failed(link::Outcome::Kind::Failed, QCoreApplication::translate("BackupOpening", "! Нет данных о конфигурации"));
    else
        lookup.block = link::splitHEX(hex);
    return lookup;
}

BackupOpening::BackupOpening(ConfigPanel& panel, link::Host& host) : m_panel(panel), m_host(host) {}

link::Outcome BackupOpening::ButtonCONFopenClick(const PageInfo& page, const QString& path)
{
    return ButtonCONFopenClick(page, [&path] { return path; });
}

link::Outcome BackupOpening::ButtonCONFopenClick(const PageInfo& page, const std::function<QString()>& chooseFile)
{
    m_panel.clearCONF();
    const BackupChoice choice = backupChoice(m_panel, page);
    const QString path = chooseFile ? chooseFile() : QString();
    if (path.isEmpty())
        return link::Outcome::failed(link::Outcome::Kind::Cancelled, QString());
    m_host.log(QCoreApplication::translate("BackupOpening", "* Просмотр файла ") + QFileInfo(path).fileName());
    const BackupLookup lookup = readBackupBlock(path, choice.address, choice.index, m_host);
    // A file that cannot be read has been said in a notice.
    if (!lookup.loaded)
        return lookup.outcome;
    if (!lookup.outcome.ok()) {
        m_host.log(lookup.outcome.line);
        return lookup.outcome;
    }
    m_host.log(QCoreApplication::translate("BackupOpening", "* Открыта конфигурация модуля ") + qs(page.caption)
               + QStringLiteral(" (") + tl(page.title, "Pages")
               + QStringLiteral(")") + choice.suffix + QStringLiteral(" -> ") + lookup.block);

    // Blanks and line breaks inside the element are not part of the block.
    QString hex = lookup.block;
    link::squeezeCOM(hex);
    hex = link::cutCOM(hex);
    // A stored block the page cannot show (half a byte among them) is reported as a
    // refused read is; the climate page's "Other" edit shows the text as stored.
    const BlockLayout& layout = m_panel.pageBlock(page);
    if (!m_panel.decodeOffline(layout, hex, lookup.block)) {
        const QString refused = QCoreApplication::translate("BackupOpening", "! Блок модуля из файла не распознан: ") + qs(page.caption)
                      + QStringLiteral(" (") + choice.address + QCoreApplication::translate("BackupOpening", "), блок ") + choice.index
                      + QStringLiteral(": ") + lookup.block.trimmed();
        m_host.notify(refused);
        return link::Outcome::notified(link::Outcome::Kind::BlockRefused, refused);
    }
    return m_panel.showsBlock() ? link::Outcome::done()
                                : link::Outcome::notified(link::Outcome::Kind::BlockRefused, QStringLiteral("! ") + tl(layout.unknownMessage));
}

} // namespace talmero::config
