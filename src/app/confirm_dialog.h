#pragma once

#include "link/host.h"

#include <QDialog>

namespace talmero::app {

// Shows a change to the car before anything is sent: the module, the options that change,
// the block before and after, and warnings. Its agreeing button is the default one.
class ConfirmDialog : public QDialog {
    Q_OBJECT
public:
    ConfirmDialog(const link::ChangeRequest& request, QWidget* parent = nullptr);
};

} // namespace talmero::app
