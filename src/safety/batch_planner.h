#pragma once

#include "safety/block_writer.h"

#include <QCoreApplication>

namespace talmero::safety {

class GateContext;

// Several block writes under one confirmation. Every write is checked first (nothing is
// sent when one fails); then each module is opened and its block read; blocks that hold the
// new content already, cannot be read or are refused are left out and named in the
// confirmation. The user agrees once (or ticks the blocks to write). Then, in the order
// given, each block is written as a single write is, its journal row sharing the batch's
// number. A block that fails does not stop the others unless the options say so.
class BatchPlanner {
    Q_DECLARE_TR_FUNCTIONS(WriteGate)
public:
    BatchPlanner(GateContext& gate, BlockWriter& writer) : m_gate(gate), m_writer(writer) {}

    BatchResult writeBlocks(const QList<BlockWrite>& writes, const BatchOptions& options);

private:
    using Pending = BlockWriter::Pending;
    link::ChangeRequest request(const QList<Pending>& pending, qsizetype shown, const BatchOptions& options) const;
    // The backup the first write to a car without one takes; false (said) when the write
    // may not go on.
    bool backUpFirst(QList<Pending>& pending, const BackupNeeds& needs);
    BackupNeeds backupNeeds(const QList<Pending>& pending) const;
    void sayLinkLost(QList<Pending>& pending);
    // The batch's results, each with the refusal that stopped it where it has no line of its own.
    BatchResult results(BatchResult out, QList<Pending>& pending, const link::Outcome& stop = link::Outcome::done());

    GateContext& m_gate;
    BlockWriter& m_writer;
};

} // namespace talmero::safety
