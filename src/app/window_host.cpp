#include "app/window_host.h"

#include "app/dialogs.h"
#include "app/log_view.h"

namespace talmero::app {

WindowHost::WindowHost(QWidget& window, LogView& log) : m_window(window), m_log(log) {}

void WindowHost::log(const QString& line)
{
    m_log.appendLine(line);
}

void WindowHost::notify(const QString& text)
{
    showNotice(&m_window, text);
}

bool WindowHost::confirm(const link::ChangeRequest& request)
{
    return dialogs().confirm(&m_window, request);
}

} // namespace talmero::app
