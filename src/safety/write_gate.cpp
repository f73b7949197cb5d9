#include "safety/write_gate.h"

namespace talmero::safety {

WriteGate::WriteGate(link::Session& session, link::Host& host, link::LinkState& state, SafetySettings settings)
    : m_context(session, host, state, std::move(settings))
{
}

WriteResult WriteGate::writeBlock(const BlockWrite& write)
{
    return m_planner.writeBlocks({write}, BatchOptions{write.title, false}).results.value(0);
}

WriteResult WriteGate::restore(const JournalEntry& entry, const RowDescriber& describe, bool force)
{
    qsizetype asked = 0;
    const BatchResult undone = m_undo.undoRows(entry, describe, force, &asked);
    if (undone.results.isEmpty()) {
        WriteResult refused;
        refused.say(undone.refusal);
        return refused;
    }
    return undone.results.value(asked);
}

} // namespace talmero::safety
