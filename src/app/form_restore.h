#pragma once

#include "config/restore_plan.h"
#include "link/host.h"

#include <QDialog>

class QCheckBox;
class QTreeWidget;

namespace talmero::app {

class TFormMain;

// The restore's one confirmation: another car's VIN first, then each module with a tick
// and its blocks' option changes and bytes, then what is not written. The modules start
// ticked; for another car's file they start unticked and locked until the user ticks
// "These are another car's settings".
class TFormRestore : public QDialog {
    Q_OBJECT
public:
    // partAddresses: the module of each part of the request, in its order.
    TFormRestore(const config::RestorePlan& plan, const link::ChangeRequest& request,
                 const QStringList& partAddresses, QWidget* parent = nullptr);

    // One flag per part of the request: its module is ticked; empty unless agreed.
    QList<bool> chosenParts() const;

private:
    QList<bool> chosenParts(bool ticked) const;

    void setModulesTicked(bool ticked, bool enabled);

    QStringList m_partAddresses;
    QTreeWidget* TreeRestore = nullptr;
    QCheckBox* CheckRestoreOtherCar = nullptr;
};

// "Restore from backup…": reads the car, plans, asks once, writes through the gate and
// shows how it ended.
void restoreCar(TFormMain& main, const QString& path);

} // namespace talmero::app
