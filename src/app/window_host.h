#pragma once

#include "link/host.h"

class QWidget;

namespace talmero::app {

class LogView;

// The logic's view of the main window: log lines go to MemoLOG, notices to a message box.
class WindowHost : public link::Host {
public:
    WindowHost(QWidget& window, LogView& log);

    void log(const QString& line) override;
    void notify(const QString& text) override;
    bool confirm(const link::ChangeRequest& request) override;

private:
    QWidget& m_window;
    LogView& m_log;
};

} // namespace talmero::app
