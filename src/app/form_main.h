#pragma once

#include "app/operation_runner.h"
#include "link/host.h"
#include "link/modules.h"
#include "link/outcome.h"
#include "safety/journal.h"

#include <QWidget>
#include <functional>
#include <memory>

class QLabel;
class QPushButton;
class QStatusBar;
class QTabWidget;

namespace talmero::link {
class Adapter;
class Session;
} // namespace talmero::link

namespace talmero::safety {
class WriteGate;
struct BackupBeforeWrite;
} // namespace talmero::safety

namespace talmero::app {

class ClickableLabel;
class ElidedLabel;
class Connection;
class LogView;
class Program;
class WindowHost;

// The main window: the four tabs, the connection's status panel, the current VIN and
// the log. It owns the connection while the program is online.
class TFormMain : public QWidget {
    Q_OBJECT
public:
    // The size on a first start; the user's own size is kept from then on.
    static constexpr int kClientWidth = 792;
    static constexpr int kClientHeight = 566;
    static constexpr int kDemoLatencyMs = 20; // the demo car answers about as fast as an adapter
    enum Page { PageDiagnostics = 0, PageModules = 1, PageConfiguration = 2, PageAdditional = 3 };

    explicit TFormMain(Program& program);
    ~TFormMain() override;

    Program& program() { return m_program; }
    link::LinkState& state() { return m_state; }
    link::Host& host();
    // The open connection's exchange and session; nullptr while offline.
    link::Adapter* adapter();
    link::Session* session();
    // The one path of writes over the open connection; nullptr while offline.
    safety::WriteGate* gate();

    // The journal of the last connection, as decided when it was opened (the demo car's
    // writes go to a journal of their own); "" is the one in the user's application data
    // folder. Tests point the real car's to a file of their own.
    QString journalPath() const { return m_journal.path; }
    void setJournalPath(const QString& path)
    {
        m_journalPath = path;
        m_journal.path = path;
    }

    // Every handler that talks to the adapter runs through here (one action at a time).
    OperationRunner& operations() { return m_operations; }
    bool runOperation(const std::function<void()>& action);

    // Opens the port (or the demo car) and goes online; throws link::LinkError and then
    // stays offline with nothing open.
    void openConnection(const QString& portText, int baudRate);
    void closeConnection();
    // Shows the window after a connect / for offline work.
    void enterOnline();
    void enterOffline();

    // The reply time of the demo car opened by the next connect.
    void setDemoLatency(int ms) { m_demoLatencyMs = ms; }

    // Where backups are written and "Read from file" starts: the executable's folder
    // unless set (tests point it to a folder of their own).
    QString programFolder() const;
    // Where "Read from file" starts: where the last backup went, else the program folder.
    QString backupFolder() const;
    // Where a backup of the car is looked for before its first write: the backup folders,
    // the documents folder a backup falls back to, and the restore's copies.
    QStringList backupFolders() const;
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }

    // Whether the tab of that page may be selected now.
    bool TabbedMENUChange(int page) const;

    // The status line, the window's bottom row: an operation's progress, then its result;
    // emptied when the next operation starts. shorter is shown when text does not fit.
    enum class Status { Progress, Done, Failed };
    void showStatus(const QString& text, Status kind, const QString& shorter = QString());
    // The result of the operation just finished: success (its line's text when success is
    // empty, shorter where that does not fit), or why it did not succeed.
    void showResult(const link::Outcome& outcome, const QString& success = QString(), const QString& shorter = QString());
    // A file written: said with its path ("...: %1"), or its name where the path does not fit.
    void showSaved(const QString& said, const QString& path);
    // The same for a write, with the backup taken before it when one was.
    void showWriteResult(const link::Outcome& outcome);

Q_SIGNALS:
    // A connection was opened: to another car, or to the same one anew.
    void connectionOpened(const QString& portName);

public Q_SLOTS:
    void FormActivate();
    void PanelStatusClick();
    void BitBtnSaveAutoClick();
    void ButtonClearLOGClick();
    void ButtonSaveLOGClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    void FormClose();
    void setStatus(const QString& caption, const QColor& colour);
    void showVin();
    // The backup the first write to a car without one offers: into backupFolder().
    safety::BackupBeforeWrite backupBeforeWrite();

    Program& m_program;
    link::LinkState m_state;
    OperationRunner m_operations;
    std::unique_ptr<WindowHost> m_host;
    std::unique_ptr<Connection> m_connection;
    std::unique_ptr<safety::WriteGate> m_gate;
    QString m_journalPath;         // the real car's journal the user (or a test) named
    safety::JournalPlace m_journal; // the one decided for the connection
    int m_demoLatencyMs = kDemoLatencyMs;
    QString m_programFolder;
    bool m_placed = false;
    QString m_backupBeforeWrite; // the backup the running (or last) operation took before a write

    QPushButton* BitBtnSaveAuto = nullptr;
    QLabel* LabelVINmain = nullptr;
    QStatusBar* StatusBarMain = nullptr;
    ElidedLabel* LabelStatus = nullptr; // progress, then the result of the last operation

    QLabel* LabelVINsource = nullptr; // where the VIN came from; that the typed one differs
    QPushButton* ButtonSaveCancel = nullptr; // shown while a backup runs
    ClickableLabel* PanelStatus = nullptr;
    QTabWidget* TabbedMENU = nullptr;
    LogView* MemoLOG = nullptr;
    QPushButton* ButtonClearLOG = nullptr;
    QPushButton* ButtonSaveLOG = nullptr;
};

} // namespace talmero::app
