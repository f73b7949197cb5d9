#pragma once

#include "safety/journal.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace talmero::app {

class TFormMain;

// The journal of writes to the connected car, newest first; "Restore" writes an entry's
// old content back through the write gate.
class TFormHistory : public QDialog {
    Q_OBJECT
public:
    explicit TFormHistory(TFormMain& main);

    // Reads the journal again.
    void reload();

public Q_SLOTS:
    void ButtonRestoreClick();

private:
    TFormMain& m_main;
    QList<safety::JournalEntry> m_entries;
    QLabel* LabelHistory = nullptr;
    QTableWidget* TableHistory = nullptr;
    QPushButton* ButtonRestore = nullptr;
};

} // namespace talmero::app
