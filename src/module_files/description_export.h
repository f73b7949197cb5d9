#pragma once

#include <QByteArray>
#include "car/catalog.h"

#include <QList>
#include <optional>
#include <QString>

// The program's own module descriptions written as description files: a contributor's
// starting point, and the proof that the format says all that the program's pages need.
namespace talmero::module_files {

struct ExportedFile {
    QString name; // "ipc.json"
    QByteArray json;
};

// One file per page of the program, with the modules it shows (the two doors share one),
// each block with a sample that its layout decodes and encodes back.
QList<ExportedFile> exportOwnModules();

// One page of the catalog as a file: the program's own as above; a description file's as
// that file says it (read again, both languages, its own samples), for a user to share.
// nullopt, with why, when the file changed or cannot be read since it was loaded.
std::optional<ExportedFile> exportPage(const car::PageInfo& page, QString& problem);

} // namespace talmero::module_files
