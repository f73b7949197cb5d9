#pragma once

#include "module_files/description_file.h"

#include <QList>
#include <QStringList>

// The module description files of the folders the program reads at start.
namespace talmero::module_files {

struct FolderLoad {
    car::Catalog catalog;    // the program's own, with every file that loaded
    QList<FileOutcome> files; // each file read, loaded or refused, in reading order
};

// Where description files are read from: the packagers' folders (talmero/modules in each of
// the system's data folders), then the user's.
QStringList descriptionFolders();

// Reads one file (never more than the largest a file may be) and adds it to the catalog;
// a file that cannot be read is refused with the reason.
FileOutcome addDescriptionPath(car::Catalog& catalog, const QString& path, bool russian);

// Every "*.json" of the folders, each folder's files by name, added to the program's own
// catalog; files whose canonical path is in skip are left out.
FolderLoad loadDescriptionFolders(const QStringList& folders, bool russian, const QStringList& skip = {});

// Reads the folders' files into the catalog every lookup uses from now on; call at start,
// before any page exists. What was read, loaded or refused.
QList<FileOutcome> installDescriptionFolders(bool russian);

// The lines the start window's log and "modules list" show for the files.
QStringList folderLoadLines(const QList<FileOutcome>& files);

} // namespace talmero::module_files
