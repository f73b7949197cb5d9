#pragma once

#include "link/host.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QVBoxLayout;

namespace talmero::app {

// Shows a change to the car before anything is sent: the module, the options that change,
// the block before and after, warnings and the battery; a batch shows each block, with a
// tick per block when the user may leave some out. Cancel is the default button.
class ConfirmDialog : public QDialog {
    Q_OBJECT
public:
    ConfirmDialog(const link::ChangeRequest& request, QWidget* parent = nullptr);

    // A choosable batch: the ticks as the user left them, one per part.
    QList<bool> chosen() const;
    // Whether the offered backup before the write stays ticked (false when none is offered).
    bool backupChosen() const;
    // The answer for the request's host: accepted, and the backup's tick left in the request.
    bool answer(const link::ChangeRequest& request);

private:
    void addChange(QVBoxLayout* layout, const QStringList& changes, const QString& oldHex, const QString& newHex,
                   const QStringList& warnings);

    QList<QCheckBox*> m_ticks;
    QCheckBox* m_backup = nullptr;
};

} // namespace talmero::app
