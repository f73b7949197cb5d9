#include "safety/batch_planner.h"

#include "link/host.h"
#include "link/modules.h"
#include "link/session.h"
#include "safety/gate_context.h"
#include "safety/gate_texts.h"

namespace talmero::safety {

using namespace gate_texts;

namespace {

bool isHex(const QString& text)
{
    for (const QChar c : text) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F')))
            return false;
    }
    return true;
}

} // namespace

// Whether a write can go out at all: a module of the table, a block of two hex digits,
// content of whole hex bytes. "" when it can, else what is wrong.
static QString checkWrite(const BlockTarget& target, const QString& hex)
{
    const QString& address = target.address;
    const QString& block = target.block;
    if (!target.record || car::qs(target.record->address) != address)
        return BatchPlanner::tr("модуль с адресом «%1» неизвестен").arg(address.left(8));
    if (block.size() != 2 || !isHex(block))
        return BatchPlanner::tr("блок «%1» - не две шестнадцатеричные цифры").arg(block.left(8));
    if (hex.isEmpty() || hex.size() % 2 != 0 || !isHex(hex))
        return BatchPlanner::tr("данные - не целые шестнадцатеричные байты");
    return QString();
}

BatchResult BatchPlanner::results(BatchResult out, QList<Pending>& pending, const link::Outcome& stop)
{
    if (m_gate.linkLost())
        sayLinkLost(pending);
    out.results.clear();
    for (Pending& p : pending) {
        if (p.result.line.isEmpty())
            p.result.say(stop);
        out.results.append(p.result);
    }
    out.notes += m_gate.takeNotes();
    return out;
}

BatchResult BatchPlanner::writeBlocks(const QList<BlockWrite>& writes, const BatchOptions& options)
{
    BatchResult out;
    QList<Pending> pending(writes.size());
    // Every write is checked before anything is sent, whatever made it.
    for (qsizetype i = 0; i < writes.size(); ++i) {
        BlockWrite w = writes[i];
        const QString problem = checkWrite(w.target, w.newHex);
        if (!problem.isEmpty())
            return results(out, pending, m_gate.refuse(tr(kBadRequest).arg(problem)));
        // Known from the plan: refused before any bus prompt or exchange.
        if (const QString untrusted = BlockWriter::untrustedPlan(w); !untrusted.isEmpty())
            return results(out, pending, m_gate.refuse(untrusted));
        w.target.block = w.target.block.toUpper();
        w.newHex = w.newHex.toUpper();
        w.undoneHex = w.undoneHex.toUpper();
        pending[i].write = std::move(w);
    }
    if (writes.isEmpty())
        return out;
    if (const link::Outcome journal = m_gate.journalReady(); !journal.ok())
        return results(out, pending, journal);
    m_gate.startOperation();
    // Before any module of the write is opened: the identity modules may sit elsewhere.
    m_gate.vin.find();

    qsizetype shown = 0;
    qsizetype lastOpened = -1;
    for (qsizetype i = 0; i < pending.size(); ++i) {
        if (i > 0)
            m_gate.session.stopIfCancelled();
        pending[i].shown = m_writer.prepare(pending[i], pending.size());
        lastOpened = i;
        shown += pending[i].shown ? 1 : 0;
        if (m_gate.linkLost())
            break;
    }
    if (shown == 0 || m_gate.linkLost())
        return results(out, pending);
    if (options.wholeOrNothing && pending.size() > 1) {
        for (const Pending& p : pending) {
            if (!p.shown && p.whyNot)
                return results(out, pending, m_gate.refuse(tr(kBatchWhole).arg(p.write.target.module, tr(p.whyNot))));
        }
    }
    const std::optional<double> volts = m_gate.battery();
    if (const link::Outcome battery = m_gate.batteryAllows(volts); !battery.ok())
        return results(out, pending, battery);
    m_gate.showBattery(volts);

    link::ChangeRequest ask = request(pending, shown, options);
    ask.battery = QString::number(*volts, 'f', 1);
    // A car without a backup (or whose VIN is not known) is offered one first. A file under
    // a VIN only typed at connecting may be a placeholder's or another car's: never the car's.
    bool backupFirst = false;
    const BackupNeeds needs = backupNeeds(pending);
    if (m_gate.backup.exists && m_gate.backup.take) {
        bool typed = false;
        const QString vin = m_gate.vin.known(&typed);
        if (!m_gate.backup.exists(typed ? QString() : vin, needs)) {
            ask.backupOffer = tr("Резервной копии этого автомобиля ещё нет: сначала сделать её");
            ask.backupFirst = &backupFirst;
        }
    }
    QList<bool> chosen;
    if (ask.choosable)
        chosen = m_gate.host.chooseParts(ask);
    else if (m_gate.host.confirm(ask))
        chosen = QList<bool>(shown, true);
    out.asked = true;
    out.agreed = chosen.contains(true);
    // The backup reads every module: each block is opened and read again before its write.
    const bool backedUp = out.agreed && backupFirst;
    if (backedUp && !backUpFirst(pending, needs))
        return results(out, pending);

    if (pending.size() > 1) {
        const std::optional<qint64> batch = m_gate.journal.newBatch();
        if (!batch)
            return results(out, pending, m_gate.refuse(tr(kNoJournal).arg(m_gate.journal.error())));
        out.batch = *batch;
    }
    JournalEntry base = m_gate.row();
    base.batch = out.batch;
    bool stopped = false;
    qsizetype part = 0;
    for (qsizetype i = 0; i < pending.size(); ++i) {
        Pending& p = pending[i];
        if (!p.shown) {
            stopped = stopped || (options.stopAtFailure && p.result.outcome != WriteOutcome::Unchanged);
            continue;
        }
        JournalEntry entry = base;
        entry.moduleVin = p.moduleVin;
        entry.address = p.write.target.address;
        entry.block = p.write.target.block;
        entry.oldHex = p.result.heldHex;
        entry.newHex = p.write.newHex;
        entry.undoes = p.write.undoes;
        entry.descriptionFiles = p.descriptionFiles;
        if (!chosen.value(part++)) {
            entry.outcome = QString::fromLatin1(kOutcomeCancelled);
            if (!m_gate.journal.record(entry))
                m_gate.note(tr(kCancelledNotRecorded).arg(m_gate.journal.error()));
            p.result.line = tr(kCancelled) + (pending.size() > 1 ? QStringLiteral(": ") + p.write.target.module : QString());
            m_gate.host.log(p.result.line);
            p.result.outcome = WriteOutcome::Cancelled;
            continue;
        }
        if (stopped)
            continue;
        stopped = !m_writer.write(p, entry, backedUp || (pending.size() > 1 && i != lastOpened));
        lastOpened = i;
        stopped = stopped || (options.stopAtFailure && p.result.outcome != WriteOutcome::Verified) || m_gate.linkLost();
    }
    return results(out, pending);
}

link::ChangeRequest BatchPlanner::request(const QList<Pending>& pending, qsizetype shown,
                                          const BatchOptions& options) const
{
    link::ChangeRequest request;
    request.title = options.title.isEmpty() ? pending[0].write.title : options.title;
    request.warnings = m_gate.vin.warnings();
    for (const Pending& p : pending) {
        if (p.shown && p.mustTick)
            request.mustTick = tr("Записать, хотя блок изменился после записи журнала");
    }
    if (pending.size() == 1) {
        const link::ChangeRequest::Part& part = pending[0].part;
        request.subject = part.subject;
        request.changes = part.changes;
        request.oldHex = part.oldHex;
        request.newHex = part.newHex;
        request.warnings += part.warnings;
        return request;
    }
    request.subject = tr("Блоков к записи: %1").arg(shown);
    request.choosable = options.choosable;
    for (const Pending& p : pending) {
        if (p.shown)
            request.parts.append(p.part);
        else if (p.result.outcome != WriteOutcome::Unchanged)
            request.warnings.append(tr(kLeftOut).arg(p.write.target.module));
    }
    return request;
}

bool BatchPlanner::backUpFirst(QList<Pending>& pending, const BackupNeeds& needs)
{
    const BackupBeforeWrite::Taken taken = m_gate.backup.take(needs);
    for (const QString& line : taken.notes)
        m_gate.note(line);
    link::Outcome refusal;
    if (!taken.failure.isEmpty())
        refusal = m_gate.refuse(tr("! Резервная копия не сделана (%1): запись не выполнена").arg(taken.failure));
    // A file without what the write changes is no way back.
    else if (!taken.incomplete.isEmpty())
        refusal = m_gate.refuse(tr(kBackupIncomplete).arg(taken.incomplete));
    for (Pending& p : pending) {
        if (p.shown)
            p.result.say(refusal);
    }
    return refusal.ok();
}

// What a backup must hold for this write: its blocks, and every module heard from.
BackupNeeds BatchPlanner::backupNeeds(const QList<Pending>& pending) const
{
    BackupNeeds needs;
    for (const Pending& p : pending) {
        if (p.shown)
            needs.blocks.append({p.write.target.address, p.write.target.block});
        if (!p.result.heldHex.isEmpty())
            needs.answered << p.write.target.address;
    }
    needs.answered += m_gate.state.moduleVins.keys();
    needs.answered.removeDuplicates();
    return needs;
}

// Said last, once: what became of each block when the adapter went away.
void BatchPlanner::sayLinkLost(QList<Pending>& pending)
{
    QStringList verified;
    QStringList unknown;
    QStringList notSent;
    for (Pending& p : pending) {
        const QString& module = p.write.target.module;
        if (p.result.outcome == WriteOutcome::Verified)
            verified << module;
        else if (p.sent && p.result.outcome == WriteOutcome::Unknown)
            unknown << module;
        else if (!p.sent && p.result.outcome != WriteOutcome::Unchanged)
            notSent << module;
    }
    QStringList parts;
    if (!verified.isEmpty())
        parts << tr(kLostVerified).arg(verified.join(QStringLiteral(", ")));
    if (!unknown.isEmpty())
        parts << tr(kLostUnknown).arg(unknown.join(QStringLiteral(", ")));
    if (verified.isEmpty() && unknown.isEmpty())
        parts << tr(kLostNothing);
    else if (!notSent.isEmpty())
        parts << tr(kLostNotSent).arg(notSent.join(QStringLiteral(", ")));
    const link::Outcome lost = m_gate.refuse(tr(kLinkLost).arg(parts.join(QStringLiteral("; "))), link::Outcome::Kind::ConnectionLost);
    for (Pending& p : pending) {
        p.result.linkLost = true;
        if (!p.result.holds())
            p.result.say(lost);
    }
}

} // namespace talmero::safety
