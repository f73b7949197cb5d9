#include "module_files/description_folders.h"

#include "config/description_trust.h"
#include "link/printable_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace talmero::module_files {

namespace {

FileOutcome unreadable(const QString& path, const QString& why)
{
    FileOutcome outcome;
    outcome.path = QFileInfo(path).absoluteFilePath();
    outcome.refusal = FileRefusal{link::printableText(QFileInfo(path).fileName()), QString(), link::printableText(why)};
    return outcome;
}

} // namespace

QStringList descriptionFolders()
{
    // The packagers' folders are the system's data folders (XDG_DATA_DIRS: /usr/local/share
    // and /usr/share unless set otherwise), each with talmero/modules.
    QStringList folders;
    const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        if (data != own)
            folders << data + QStringLiteral("/talmero/modules");
    }
    folders << QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/modules");
    return folders;
}

FileOutcome addDescriptionPath(car::Catalog& catalog, const QString& path, bool russian)
{
    const QFileInfo info(path);
    // A link that leads nowhere (or round in a loop) is no file.
    if (!info.exists())
        return unreadable(path, info.isSymLink() ? Rules::tr("ссылка никуда не ведёт (или ведёт по кругу)") : Rules::tr("файла нет"));
    if (!info.isFile())
        return unreadable(path, Rules::tr("это не файл"));
    if (info.size() > kLargestFile)
        return unreadable(path, Rules::tr("файл больше 1 МиБ"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable(path, Rules::tr("файл не читается: %1").arg(file.errorString()));
    // The size may have changed since it was asked: never more than the limit is read.
    const QByteArray bytes = file.read(kLargestFile + 1);
    if (file.error() != QFileDevice::NoError)
        return unreadable(path, Rules::tr("файл не читается: %1").arg(file.errorString()));
    return addDescriptionFile(catalog, bytes, info.absoluteFilePath(), russian);
}

FolderLoad loadDescriptionFolders(const QStringList& folders, bool russian, const QStringList& skip)
{
    FolderLoad load;
    load.catalog = car::ownCatalog();
    for (const QString& folder : folders) {
        const QDir dir(folder);
        const QFileInfoList entries = dir.entryInfoList({QStringLiteral("*.json")},
                                                        QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                                                        QDir::Name);
        for (const QFileInfo& entry : entries) {
            if (!skip.isEmpty() && skip.contains(entry.canonicalFilePath()))
                continue;
            load.files.append(addDescriptionPath(load.catalog, entry.absoluteFilePath(), russian));
        }
    }
    return load;
}

QList<FileOutcome> installDescriptionFolders(bool russian)
{
    FolderLoad load = loadDescriptionFolders(descriptionFolders(), russian);
    car::installCatalog(std::move(load.catalog));
    return load.files;
}

QStringList folderLoadLines(const QList<FileOutcome>& files)
{
    QStringList lines;
    for (const FileOutcome& f : files) {
        if (f.refusal) {
            lines << Rules::tr("! Файл описания отклонён: %1").arg(f.refusal->text());
            continue;
        }
        lines << Rules::tr("Файл описания %1 (%2) загружен:").arg(config::fileLabel(*f.file), f.file->title);
        for (const QString& add : f.adds)
            lines << QStringLiteral("  ") + add;
    }
    return lines;
}

} // namespace talmero::module_files
