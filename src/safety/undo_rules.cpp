#include "safety/undo_rules.h"

#include "link/host.h"
#include "link/modules.h"
#include "safety/batch_planner.h"
#include "safety/gate_context.h"
#include "safety/gate_texts.h"

#include <QDateTime>

namespace talmero::safety {

using namespace gate_texts;

void settleRows(GateContext& gate, const QString& address, const QString& block, const QString& held)
{
    const RowOwner car = gate.rowOwner();
    const auto rows = gate.journal.entries(car.vin);
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
        if (!gate.journal.settle(e.id, QLatin1String(outcome), detail)) {
            gate.note(UndoRules::tr(kNotRecorded).arg(gate.journal.error()));
            continue;
        }
        const QString when = QDateTime::fromString(e.time, Qt::ISODate).toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        gate.host.log(UndoRules::tr(took ? kSettledNew : kSettledOld).arg(when));
    }
}

RowState UndoRules::stateOf(const JournalEntry& entry, const QList<JournalEntry>& rows, const RowOwner& car)
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

JournalEntry UndoRules::settle(const JournalEntry& entry)
{
    const link::TModuls* module = link::moduleAt(entry.address);
    if (!entry.unknown() || !entry.wellFormed() || !module || !m_gate.journalReady().ok())
        return entry;
    const BlockTarget target = m_gate.targetOf(*module, entry.block);
    if (const link::Outcome opened = target.open(); !opened.ok()) {
        m_gate.host.log(opened.line);
        return entry;
    }
    const std::optional<QString> held = m_gate.readBlock(target);
    if (!held) {
        m_gate.host.log(tr(kHeldNotRead));
        return entry;
    }
    settleRows(m_gate, entry.address, entry.block, *held);
    const auto rows = m_gate.journal.entries(entry.vin);
    for (const JournalEntry& e : rows.value_or(QList<JournalEntry>())) {
        if (e.id == entry.id)
            return e;
    }
    return entry;
}

std::optional<JournalEntry> UndoRules::nextToUndo()
{
    if (!m_gate.journalReady().ok())
        return std::nullopt;
    m_gate.startOperation();
    m_gate.vin.find();
    const RowOwner car = m_gate.rowOwner();
    const auto rows = m_gate.journal.entries(car.vin);
    if (!rows) {
        m_gate.host.log(tr(kNotRecorded).arg(m_gate.journal.error()));
        return std::nullopt;
    }
    for (JournalEntry e : *rows) {
        RowState state = stateOf(e, *rows, car);
        if (state == RowState::Damaged)
            m_gate.host.log(tr(kDamagedRow));
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
// else nullopt, with why in refusal (said).
std::optional<JournalEntry> UndoRules::undoable(const JournalEntry& row, const QList<JournalEntry>& rows,
                                                const RowOwner& car, link::Outcome& refusal)
{
    // Only this car's row is settled by reading this car.
    const JournalEntry entry = row.unknown() && car.owns(row) ? settle(row) : row;
    const auto no = [&](const char* why, const QString& arg = QString()) -> std::optional<JournalEntry> {
        refusal = m_gate.refuse(arg.isEmpty() ? tr(why) : tr(why).arg(arg));
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

BatchResult UndoRules::refused(const link::Outcome& refusal) const
{
    BatchResult out;
    out.refusal = refusal;
    return out;
}

BatchResult UndoRules::undoRows(const JournalEntry& row, const RowDescriber& describe, bool force, qsizetype* askedAt)
{
    if (!row.wellFormed())
        return refused(m_gate.refuse(tr(kDamagedRow)));
    if (const link::Outcome journal = m_gate.journalReady(); !journal.ok())
        return refused(journal);
    m_gate.vin.find();
    const RowOwner car = m_gate.rowOwner();
    const QList<JournalEntry> rows = m_gate.journal.entries(car.vin).value_or(QList<JournalEntry>());
    link::Outcome refusal;
    const std::optional<JournalEntry> asked = undoable(row, rows, car, refusal);
    if (!asked)
        return refused(refusal);
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
                const link::TModuls* module = link::moduleAt(e.address);
                const QString name = module ? m_gate.targetOf(*module, e.block).module : e.address;
                return refused(m_gate.refuse(tr(kBatchWhole).arg(name, tr(kWhyNotRead))));
            }
        }
    }
    QList<BlockWrite> writes;
    for (const JournalEntry& e : batch) {
        // A module a description file added is known only while that file is loaded.
        const link::TModuls* module = link::moduleAt(e.address);
        if (!module)
            return refused(m_gate.refuse(tr("! Модуль с адресом %1 сейчас неизвестен (файл его описания не загружен): ничего не восстановлено").arg(e.address)));
        BlockWrite w;
        w.target = m_gate.targetOf(*module, e.block);
        w.newHex = e.oldHex;
        w.title = tr("Восстановление блока");
        if (describe.changes)
            w.describe = [changes = describe.changes, e](const QString& held) { return changes(e, held); };
        if (describe.files)
            w.files = [files = describe.files, e](const QString& held) { return files(e, held); };
        w.undoes = e.id;
        w.undoneHex = e.newHex;
        w.force = force;
        writes << w;
    }
    BatchOptions options;
    options.title = writes.size() > 1 ? tr("Отмена записи нескольких блоков вместе: %1").arg(writes.size()) : writes[0].title;
    options.wholeOrNothing = true;
    return m_planner.writeBlocks(writes, options);
}

} // namespace talmero::safety
