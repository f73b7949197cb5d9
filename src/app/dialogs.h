#pragma once

#include "link/host.h"

#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace talmero::app {

// The modal dialogs and the shell calls the windows make. The program uses the real ones;
// tests replace them so that nothing waits for a person and every text can be checked.
struct Dialogs {
    // A notice with one OK button; returns once it is acknowledged.
    std::function<void(QWidget* parent, const QString& text)> notice;
    // The file name chosen in a save dialog, empty when cancelled.
    std::function<QString(QWidget* parent, const QString& filter)> saveFileName;
    // The file name chosen in an open dialog that starts in folder, empty when cancelled.
    std::function<QString(QWidget* parent, const QString& filter, const QString& folder)> openFileName;
    // The folder chosen in a folder dialog that starts in folder, empty when cancelled.
    std::function<QString(QWidget* parent, const QString& folder)> chooseFolder;
    // Shows one of the program's own windows modally; returns once it has been closed.
    std::function<void(QDialog& window)> showModal;
    // A question with Yes and No, No the default; true for Yes.
    std::function<bool(QWidget* parent, const QString& question)> ask;
    // A notice with OK and Cancel (a bus prompt); false for Cancel.
    std::function<bool(QWidget* parent, const QString& text)> acknowledge;
    // Shows a change to the car and asks the user to agree.
    std::function<bool(QWidget* parent, const link::ChangeRequest& request)> confirm;
    // A batch with a tick per block: the ticks (empty for Cancel).
    std::function<QList<bool>(QWidget* parent, const link::ChangeRequest& request)> chooseParts;
    // Hands a web address to the desktop's browser.
    std::function<void(const QString& url)> openUrl;

    // The real dialogs.
    static Dialogs standard();
};

// The dialogs every window uses.
Dialogs& dialogs();

// Shorthand for dialogs().notice.
void showNotice(QWidget* parent, const QString& text);

} // namespace talmero::app
