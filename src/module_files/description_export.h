#pragma once

#include <QByteArray>
#include <QList>
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

} // namespace talmero::module_files
