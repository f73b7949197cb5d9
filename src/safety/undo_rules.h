#pragma once

#include "safety/block_write.h"

#include <QCoreApplication>

#include <functional>
#include <optional>

namespace talmero::safety {

class BatchPlanner;
class GateContext;

// Rows of this block whose answer never came are settled by what the module holds now.
void settleRows(GateContext& gate, const QString& address, const QString& block, const QString& held);

// Which rows of the journal may be undone, settling those whose answer never came, and
// writing their old content back (a batch as a whole).
class UndoRules {
    Q_DECLARE_TR_FUNCTIONS(WriteGate)
public:
    // What writing a row's old content back changes, for the confirmation, and the
    // description files whose trust it needs (see BlockWrite); either may be empty.
    struct RowDescriber {
        std::function<QStringList(const JournalEntry& row, const QString& heldHex)> changes;
        std::function<QList<DescriptionUse>(const JournalEntry& row, const QString& heldHex)> files;
    };

    UndoRules(GateContext& gate, BatchPlanner& planner) : m_gate(gate), m_planner(planner) {}

    static RowState stateOf(const JournalEntry& entry, const QList<JournalEntry>& rows, const RowOwner& car);
    JournalEntry settle(const JournalEntry& entry);
    std::optional<JournalEntry> nextToUndo();
    // Undoes the row with the rest of its batch; askedAt: where the row's own result is.
    BatchResult undoRows(const JournalEntry& row, const RowDescriber& describe, bool force, qsizetype* askedAt);

private:
    std::optional<JournalEntry> undoable(const JournalEntry& row, const QList<JournalEntry>& rows,
                                         const RowOwner& car, link::Outcome& refusal);
    BatchResult refused(const link::Outcome& refusal) const;

    GateContext& m_gate;
    BatchPlanner& m_planner;
};

} // namespace talmero::safety
