#include "safety/write_gate.h"

#include "link/adapter.h"
#include "link/answer_text.h"
#include "link/block_read.h"
#include "link/codecs.h"
#include "link/host.h"
#include "link/modules.h"
#include "link/session.h"
#include "safety/battery.h"
#include "safety/gate_texts.h"

#include <QDateTime>

// The write gate's undo: which rows of the journal may be undone, settling those whose
// answer never came, and writing their old content back (a batch as a whole).
namespace talmero::safety {

using namespace gate_texts;

// Rows of this block whose answer never came are settled by what the module holds now.
void WriteGate::settleRows(const QString& address, const QString& block, const QString& held)
{
    const RowOwner car = rowOwner();
    const auto rows = m_journal.entries(car.vin);
    if (!rows)
        return;
    for (const JournalEntry& e : *rows) {
        // Another car's row is never settled by reading this one.
        if (!e.unknown() || e.address != address || e.block != block || !car.owns(e))
            continue;
        const bool took = held == e.newHex;
        if (!took && held != e.oldHex)
            continue;
        const QString detail = QStringLiteral("settled: read ") + held;
        // A write the module accepted and did not take differs; one never answered was not taken.
        const char* outcome = took ? kOutcomeVerified
            : e.outcome == QLatin1String(kOutcomeUnread) ? kOutcomeDiffers
                                                          : kOutcomeNoAnswer;
        if (!m_journal.settle(e.id, QLatin1String(outcome), detail)) {
            m_host.log(tr(kNotRecorded).arg(m_journal.error()));
            continue;
        }
        const QString when = QDateTime::fromString(e.time, Qt::ISODate).toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        m_host.log(tr(took ? kSettledNew : kSettledOld).arg(when));
    }
}

RowState WriteGate::stateOf(const JournalEntry& entry, const QList<JournalEntry>& rows, const RowOwner& car)
{
    if (!entry.wellFormed())
        return RowState::Damaged;
    if (entry.undoes > 0)
        return RowState::RestoreRow;
    if (!car.owns(entry))
        return RowState::OtherCar;
    if (entry.kind != QLatin1String(kKindBlock))
        return RowState::NothingChanged;
    if (entry.unknown())
        return RowState::Unknown;
    if (entry.outcome != QLatin1String(kOutcomeVerified) && entry.outcome != QLatin1String(kOutcomeDiffers))
        return RowState::NothingChanged;
    return Journal::undoneIds(rows).contains(entry.id) ? RowState::Undone : RowState::Done;
}

JournalEntry WriteGate::settle(const JournalEntry& entry)
{
    if (!entry.unknown() || !entry.wellFormed() || !journalReady())
        return entry;
    const link::TModuls* module = link::moduleAt(entry.address);
    if (!module)
        return entry;
    const BlockTarget target = targetOf(*module, entry.block);
    const link::Outcome opened = target.open();
    if (!opened.ok()) {
        m_host.log(opened.line);
        return entry;
    }
    const std::optional<QString> held = readBlock(target);
    if (!held) {
        m_host.log(tr(kHeldNotRead));
        return entry;
    }
    settleRows(entry.address, entry.block, *held);
    const auto rows = m_journal.entries(entry.vin);
    for (const JournalEntry& e : rows.value_or(QList<JournalEntry>())) {
        if (e.id == entry.id)
            return e;
    }
    return entry;
}

std::optional<JournalEntry> WriteGate::nextToUndo()
{
    if (!journalReady())
        return std::nullopt;
    m_vin.find();
    const RowOwner car = rowOwner();
    const auto rows = m_journal.entries(car.vin);
    if (!rows) {
        m_host.log(tr(kNotRecorded).arg(m_journal.error()));
        return std::nullopt;
    }
    for (JournalEntry e : *rows) {
        RowState state = stateOf(e, *rows, car);
        if (state == RowState::Damaged)
            m_host.log(tr(kDamagedRow));
        if (state == RowState::Unknown) {
            e = settle(e);
            state = stateOf(e, *rows, car);
        }
        if (state == RowState::Done)
            return e;
    }
    return std::nullopt;
}

// The row as it stands now (an unknown outcome settled by reading), when it can be undone;
// else nullopt, after saying why when refuseIt.
std::optional<JournalEntry> WriteGate::undoable(const JournalEntry& row, const QList<JournalEntry>& rows,
                                                const RowOwner& car, bool refuseIt)
{
    // Only this car's row is settled by reading this car.
    const JournalEntry entry = row.unknown() && car.owns(row) ? settle(row) : row;
    const auto no = [&](const char* why, const QString& arg = QString()) -> std::optional<JournalEntry> {
        if (refuseIt)
            refuse(arg.isEmpty() ? tr(why) : tr(why).arg(arg));
        return std::nullopt;
    };
    switch (stateOf(entry, rows, car)) {
    case RowState::Done:
        return entry;
    case RowState::OtherCar:
        return entry.vin == car.vin ? no(kOtherConnection) : no(kOtherCar, entry.vin);
    case RowState::Undone:
        return no(kAlreadyUndone);
    case RowState::Damaged:
        return no(kDamagedRow);
    default:
        return no(kNothingToUndo);
    }
}

BatchResult WriteGate::undo(const JournalEntry& row, const RowDescriber& describe, bool force)
{
    return undoRows(row, describe, force, nullptr);
}

WriteResult WriteGate::restore(const JournalEntry& row, const RowDescriber& describe, bool force)
{
    qsizetype asked = 0;
    return undoRows(row, describe, force, &asked).results.value(asked);
}

BatchResult WriteGate::undoRows(const JournalEntry& row, const RowDescriber& describe, bool force,
                                qsizetype* askedAt)
{
    if (!row.wellFormed()) {
        refuse(tr(kDamagedRow));
        return {};
    }
    if (!journalReady())
        return {};
    m_vin.find();
    const RowOwner car = rowOwner();
    const QList<JournalEntry> rows = m_journal.entries(car.vin).value_or(QList<JournalEntry>());
    const std::optional<JournalEntry> asked = undoable(row, rows, car, true);
    if (!asked)
        return {};
    // The rest of its batch, newest first as the journal lists them; rows of it that are
    // undone already or changed nothing are passed by. A member whose outcome stays unknown
    // (its module not read) stops the whole batch: it is undone whole or not at all.
    QList<JournalEntry> batch;
    for (const JournalEntry& e : rows) {
        if (e.id == asked->id) {
            if (askedAt)
                *askedAt = batch.size();
            batch << *asked;
        } else if (asked->batch > 0 && e.batch == asked->batch) {
            const JournalEntry now = e.unknown() && car.owns(e) ? settle(e) : e;
            const RowState state = stateOf(now, rows, car);
            if (state == RowState::Done) {
                batch << now;
            } else if (state == RowState::Unknown) {
                refuse(tr(kBatchWhole).arg(targetOf(*link::moduleAt(e.address), e.block).module, tr(kWhyNotRead)));
                return {};
            }
        }
    }
    QList<BlockWrite> writes;
    for (const JournalEntry& e : batch) {
        BlockWrite w;
        w.target = targetOf(*link::moduleAt(e.address), e.block);
        w.newHex = e.oldHex;
        w.title = tr("Восстановление блока");
        if (describe)
            w.describe = [describe, e](const QString& held) { return describe(e, held); };
        w.undoes = e.id;
        w.undoneHex = e.newHex;
        w.force = force;
        writes << w;
    }
    BatchOptions options;
    options.title = writes.size() > 1 ? tr("Отмена записи нескольких блоков вместе: %1").arg(writes.size()) : writes[0].title;
    options.wholeOrNothing = true;
    return writeBlocks(writes, options);
}

} // namespace talmero::safety
