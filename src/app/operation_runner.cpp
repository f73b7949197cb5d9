#include "app/operation_runner.h"

#include "app/dialogs.h"
#include "link/link_error.h"
#include "link/session.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <exception>

namespace talmero::app {

namespace {

// Escape while an action runs: what the action's Cancel button does, in the window that
// started it (the main window, or a dialog such as the compare window). Dialogs the action
// opens meanwhile (a bus prompt, a confirmation) keep their own Escape.
class EscapeCancels : public QObject {
public:
    explicit EscapeCancels(OperationRunner& runner) : m_runner(runner), m_owner(QApplication::activeModalWidget())
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape
            || QApplication::activeModalWidget() != m_owner)
            return false;
        m_runner.requestCancel();
        return true;
    }

private:
    OperationRunner& m_runner;
    QWidget* m_owner;
};

} // namespace

OperationRunner::OperationRunner(QWidget& window) : m_window(window) {}

void OperationRunner::addControl(QWidget* control)
{
    m_controls.append(control);
}

void OperationRunner::setControlsEnabled(bool enabled)
{
    if (!enabled) {
        m_keptDisabled.clear();
        for (const QPointer<QWidget>& control : std::as_const(m_controls))
            if (control && control->testAttribute(Qt::WA_ForceDisabled))
                m_keptDisabled.append(control);
    }
    for (const QPointer<QWidget>& control : std::as_const(m_controls))
        if (control && !(enabled && m_keptDisabled.contains(control)))
            control->setEnabled(enabled);
}

bool OperationRunner::run(const std::function<void()>& action)
{
    // The controls are disabled, but a nested event loop could still deliver a queued click.
    if (m_busy)
        return false;
    m_busy = true;
    m_cancelRequested = false;
    setControlsEnabled(false);
    const EscapeCancels escape(*this);
    QApplication::setOverrideCursor(Qt::BusyCursor);

    QString error;
    m_interrupted.reset();
    try {
        action();
    } catch (const link::OperationCancelled&) {
        // The log says so; nothing to show.
        m_interrupted = link::Outcome::failed(link::Outcome::Kind::Cancelled, link::Session::cancelledLine());
    } catch (const link::LinkError& e) {
        error = e.text();
    } catch (const std::exception& e) {
        error = QString::fromUtf8(e.what());
    }
    if (!error.isNull())
        m_interrupted = link::Outcome::notified(link::Outcome::Kind::Failed, QStringLiteral("! ") + error);

    QApplication::restoreOverrideCursor();
    setControlsEnabled(true);
    m_busy = false;

    if (!error.isNull())
        showNotice(&m_window, error);
    if (m_closeRequested) {
        m_closeRequested = false;
        m_window.close();
    }
    return true;
}

bool OperationRunner::deferClose(QCloseEvent* event)
{
    if (!m_busy)
        return false;
    m_closeRequested = true;
    // A reading stops after the exchange under way; a write goes on to its end.
    m_cancelRequested = true;
    event->ignore();
    return true;
}

} // namespace talmero::app
