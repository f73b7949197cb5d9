#pragma once

#include "module_files/description_file.h"

#include <QDialog>
#include <QList>

class QTreeWidget;

namespace talmero::app {

// The module description files read at start: what each added, why a file was refused,
// and a tick per loaded file for trusting it to write (its SHA-256 is remembered).
class TFormModuleFiles : public QDialog {
    Q_OBJECT
public:
    TFormModuleFiles(const QList<module_files::FileOutcome>& files, QWidget* parent);

    // "Module description files: 2 loaded, 1 refused" for the start window.
    static QString summary(const QList<module_files::FileOutcome>& files);

private:
    QTreeWidget* TreeModuleFiles = nullptr;
};

} // namespace talmero::app
