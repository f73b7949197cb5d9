#pragma once

#include "link/host.h"
#include "safety/block_write.h"

#include <QCoreApplication>

namespace talmero::link {
class WritePermit;
}

namespace talmero::safety {

class GateContext;

// One block on its way to the module: before the confirmation, the module opened and what
// it holds read and checked against the request; after it, opened and read again, the
// battery read, a journal row begun, the block written, read back and the row completed.
class BlockWriter {
    Q_DECLARE_TR_FUNCTIONS(WriteGate)
public:
    // A block as the confirmation shows it, and what became of it.
    struct Pending {
        BlockWrite write;
        WriteResult result;
        QString moduleVin;
        link::ChangeRequest::Part part;
        bool shown = false;
        bool mustTick = false;        // a restore over a block changed since
        QString descriptionFiles;     // for the journal row
        const char* whyNot = nullptr; // why a block that is not shown cannot be written
        bool sent = false;
    };

    BlockWriter(GateContext& gate, const link::WritePermit& permit) : m_gate(gate), m_permit(permit) {}

    // Opens the module and reads what it holds: true when the block goes into the
    // confirmation. count: the blocks of the batch.
    bool prepare(Pending& p, qsizetype count);
    // Writes one agreed block (opened and read again first when the adapter went elsewhere
    // since). False when nothing more may go out (the battery, the journal).
    bool write(Pending& p, JournalEntry entry, bool reopen);
    // The refusal of a write that changes options of an untrusted description file from
    // the block it was planned from; "" when it does not (or names no such block).
    static QString untrustedPlan(const BlockWrite& write);

private:
    bool checkFiles(Pending& p, const QString& held);
    void finish(Pending& p, qint64 row, const QString& answer);
    void say(Pending& p, const QString& line); // the line of the block's outcome, logged

    GateContext& m_gate;
    const link::WritePermit& m_permit;
};

} // namespace talmero::safety
