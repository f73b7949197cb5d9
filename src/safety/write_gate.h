#pragma once

#include "link/adapter.h"
#include "safety/batch_planner.h"
#include "safety/block_writer.h"
#include "safety/change_requests.h"
#include "safety/gate_context.h"
#include "safety/undo_rules.h"

#include <QCoreApplication>

#include <optional>

namespace talmero::safety {

// The one path of every change to a module: check the request, read what the module
// holds, read the battery, show the change and ask, read the battery again, record,
// write, read back, record the outcome. Nothing else sends a request that changes a
// module: only the gate holds the permit the adapter asks for, and lends it to its parts
// (the block writer, the change requests) for the requests they send.
class WriteGate {
    Q_DECLARE_TR_FUNCTIONS(WriteGate)
public:
    WriteGate(link::Session& session, link::Host& host, link::LinkState& state, SafetySettings settings);
    WriteGate(const WriteGate&) = delete;
    WriteGate& operator=(const WriteGate&) = delete;

    link::Session& session() { return m_context.session; }
    Journal& journal() { return m_context.journal; }
    // The car's VIN as the journal records it.
    CarVinFinder& vin() { return m_context.vin; }

    // A block of a module (block: two hex digits), opened with an adapter reset.
    BlockTarget targetOf(const car::Module& module, const QString& block) { return m_context.targetOf(module, block); }

    WriteResult writeBlock(const BlockWrite& write);
    BatchResult writeBlocks(const QList<BlockWrite>& writes, const BatchOptions& options)
    {
        return m_planner.writeBlocks(writes, options);
    }

    // What writing a row's old content back changes, for the confirmation.
    using RowDescriber = UndoRules::RowDescriber;
    // Writes a journal row's old content back, recording which row it undoes. Refused for
    // a damaged row, a row of another car, a row that changed nothing, and (unless force)
    // when the module holds neither the row's new nor its old content. A row of a batch (a
    // restore, both doors) takes the rest of its batch with it: every row of it not undone
    // yet, newest first, under one confirmation, each read, written, read back and recorded.
    BatchResult undo(const JournalEntry& entry, const RowDescriber& describe, bool force = false)
    {
        return m_undo.undoRows(entry, describe, force, nullptr);
    }
    // As undo, the result of this row alone.
    WriteResult restore(const JournalEntry& entry, const RowDescriber& describe, bool force = false);
    // The newest block write of this car (its VIN read) that changed the module and is
    // not undone, settling rows whose answer never came on the way; damaged rows passed
    // by are logged. nullopt when there is none (or the journal cannot be read).
    std::optional<JournalEntry> nextToUndo() { return m_undo.nextToUndo(); }
    // Reads the block of a row whose outcome is unknown and records what it shows; the
    // row as it stands afterwards.
    JournalEntry settle(const JournalEntry& entry) { return m_undo.settle(entry); }
    // How a row stands for this car, given all the car's rows (undone, unknown, ...).
    static RowState stateOf(const JournalEntry& entry, const QList<JournalEntry>& rows, const RowOwner& car)
    {
        return UndoRules::stateOf(entry, rows, car);
    }
    // This connection's car, as stateOf takes it.
    RowOwner rowOwner() const { return m_context.rowOwner(); }

    // From now on a block write to a car without a backup offers one first.
    void offerBackup(BackupBeforeWrite backup) { m_context.backup = std::move(backup); }

    // Clearing trouble codes and restarting a module: agreed to once, then sent to that
    // module only, while it is the one open (see ChangeRequests).
    ChangeRequests& requests() { return m_requests; }

private:
    link::WritePermit m_permit;
    GateContext m_context;
    BlockWriter m_writer{m_context, m_permit};
    BatchPlanner m_planner{m_context, m_writer};
    UndoRules m_undo{m_context, m_planner};
    ChangeRequests m_requests{m_context, m_permit};
};

} // namespace talmero::safety
