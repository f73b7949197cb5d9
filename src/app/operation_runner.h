#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

#include "link/outcome.h"

class QCloseEvent;

namespace talmero::app {

// Runs the user's actions on one window one at a time: the controls that start actions
// are disabled meanwhile (the window still repaints), an error ends the action with a
// message box, and a request to close the window waits until the action has ended.
class OperationRunner {
public:
    explicit OperationRunner(QWidget& window);

    // A widget disabled while an action runs. Give containers (or controls whose own
    // enabled state nothing else changes): they are re-enabled afterwards.
    void addControl(QWidget* control);

    // Runs the action; false when it was refused because another one is running.
    bool run(const std::function<void()>& action);
    // How the last action was ended before its end, when it was: cancelled, or an error.
    const std::optional<link::Outcome>& interrupted() const { return m_interrupted; }
    bool busy() const { return m_busy; }
    // A Cancel button beside a long operation's progress: the operation stops after the
    // exchange under way. Reset when the next operation starts.
    void requestCancel() { m_cancelRequested = m_busy; }
    bool cancelRequested() const { return m_cancelRequested; }

    // For the window's closeEvent: true (and the event ignored) when the close must wait;
    // a reading is asked to stop meanwhile.
    bool deferClose(QCloseEvent* event);

private:
    void setControlsEnabled(bool enabled);

    QWidget& m_window;
    QList<QPointer<QWidget>> m_controls;
    QList<QPointer<QWidget>> m_keptDisabled; // disabled before the action: left so after it
    bool m_busy = false;
    bool m_closeRequested = false;
    bool m_cancelRequested = false;
    std::optional<link::Outcome> m_interrupted;
};

} // namespace talmero::app
