#pragma once

#include "safety/journal.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace talmero::app {

class TFormMain;

// The journal of writes to the connected car, newest first, in local time with the
// module's name and the outcome in words; the rows of one confirmation are one entry that
// expands, undone rows are greyed, writes whose answer never came read as unknown.
// "Restore" writes an entry's old content back through the write gate (a batch's whole).
class TFormHistory : public QDialog {
    Q_OBJECT
public:
    explicit TFormHistory(TFormMain& main);

    // Reads the journal again.
    void reload();

public Q_SLOTS:
    void ButtonRestoreClick();

private:
    void updateRestore();
    const safety::JournalEntry* currentEntry() const;

    TFormMain& m_main;
    QString m_vin;
    safety::RowOwner m_owner; // whose rows are this car's
    QList<safety::JournalEntry> m_entries;
    QLabel* LabelHistory = nullptr;
    QTreeWidget* TreeHistory = nullptr;
    QPushButton* ButtonRestore = nullptr;
};

} // namespace talmero::app
