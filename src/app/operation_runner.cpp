#include "app/operation_runner.h"

#include "app/dialogs.h"
#include "link/link_error.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <exception>

namespace talmero::app {

namespace {

// Escape in the window (or any of its controls) while an action runs: what the action's
// Cancel button does. Dialogs opened meanwhile keep their own Escape.
class EscapeCancels : public QObject {
public:
    EscapeCancels(QWidget& window, OperationRunner& runner) : m_window(window), m_runner(runner)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->window() == &m_window) {
                m_runner.requestCancel();
                return true;
            }
        }
        return false;
    }

private:
    QWidget& m_window;
    OperationRunner& m_runner;
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
    const EscapeCancels escape(m_window, *this);
    QApplication::setOverrideCursor(Qt::BusyCursor);

    QString error;
    try {
        action();
    } catch (const link::OperationCancelled&) {
        // The log says so; nothing to show.
    } catch (const link::LinkError& e) {
        error = e.text();
    } catch (const std::exception& e) {
        error = QString::fromUtf8(e.what());
    }

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
