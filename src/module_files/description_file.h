#pragma once

#include "car/catalog.h"
#include "module_files/file_refusal.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// A module description file checked and added to a catalog: a new module with its page,
// or options added at free positions of a block the catalog has.
namespace talmero::module_files {

struct FileOutcome {
    QString path; // the file's, as it was read
    std::optional<FileRefusal> refusal;
    QStringList adds; // what it added, one line each, for the listings
    std::shared_ptr<const car::DescriptionFile> file;

    bool loaded() const { return !refusal; }
};

// Files larger than this are refused unread.
inline constexpr qint64 kLargestFile = 1024 * 1024;

// Checks the file by every rule the program's own layouts are held to, with its samples
// decoded and encoded back, against what the catalog holds; adds it when all hold. A
// refused file leaves the catalog as it was. Texts are taken in the program's language.
FileOutcome addDescriptionFile(car::Catalog& catalog, const QByteArray& bytes, const QString& path, bool russian);

} // namespace talmero::module_files
