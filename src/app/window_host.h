#pragma once

#include "link/host.h"

#include <functional>

class QWidget;

namespace talmero::app {

class LogView;
class OperationRunner;

// The logic's view of the main window: log lines go to MemoLOG, notices to a message box.
class WindowHost : public link::Host {
public:
    WindowHost(QWidget& window, LogView& log, const OperationRunner& operations);

    void log(const QString& line) override;
    void notify(const QString& text) override;
    bool confirm(const link::ChangeRequest& request) override;
    QList<bool> chooseParts(const link::ChangeRequest& request) override;
    bool acknowledge(const QString& text) override;
    bool ask(const QString& question) override;
    bool cancelRequested() const override;
    void blockWritten(const QString& address, const QString& block) override;

    // Told of every write request that went to a module's block.
    std::function<void(const QString& address)> onBlockWritten;

private:
    QWidget& m_window;
    LogView& m_log;
    const OperationRunner& m_operations;
};

} // namespace talmero::app
