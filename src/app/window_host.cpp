#include "app/window_host.h"

#include "app/dialogs.h"
#include "app/log_view.h"
#include "app/operation_runner.h"

namespace talmero::app {

WindowHost::WindowHost(QWidget& window, LogView& log, const OperationRunner& operations)
    : m_window(window), m_log(log), m_operations(operations)
{
}

void WindowHost::log(const QString& line)
{
    m_log.appendLine(line);
}

void WindowHost::notify(const QString& text)
{
    // A failure's mark belongs to the log; a message box says the text alone.
    showNotice(&m_window, text.startsWith(QLatin1String("! ")) ? text.mid(2) : text);
}

bool WindowHost::acknowledge(const QString& text)
{
    return dialogs().acknowledge(&m_window, text);
}

bool WindowHost::ask(const QString& question)
{
    return dialogs().ask(&m_window, question);
}

bool WindowHost::cancelRequested() const
{
    return m_operations.cancelRequested();
}

void WindowHost::blockWritten(const QString& address, const QString& block)
{
    Q_UNUSED(block);
    if (onBlockWritten)
        onBlockWritten(address);
}

bool WindowHost::confirm(const link::ChangeRequest& request)
{
    return dialogs().confirm(&m_window, request);
}

QList<bool> WindowHost::chooseParts(const link::ChangeRequest& request)
{
    return dialogs().chooseParts(&m_window, request);
}

} // namespace talmero::app
