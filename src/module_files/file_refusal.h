#pragma once

#include <QCoreApplication>
#include <QString>

// Why a module description file was refused: the file, where in it (a JSON path such as
// "blocks[0].options[2].positions"; "" for the file as a whole) and the rule it breaks.
namespace talmero::module_files {

struct FileRefusal {
    QString file;
    QString path;
    QString rule;

    // "FILE: PATH: RULE", the line the log and the command line show.
    QString text() const { return path.isEmpty() ? file + QStringLiteral(": ") + rule : file + QStringLiteral(": ") + path + QStringLiteral(": ") + rule; }
};

// The rules' texts, in the language the program speaks.
struct Rules {
    Q_DECLARE_TR_FUNCTIONS(ModuleFiles)
};

// The path of a field inside the object at path ("" for the file).
inline QString fieldPath(const QString& path, const QString& key)
{
    return path.isEmpty() ? key : path + u'.' + key;
}

// Thrown while a file is read; the reader turns it into the file's refusal.
struct FieldProblem {
    QString path;
    QString rule;
};

} // namespace talmero::module_files
