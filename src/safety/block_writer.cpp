#include "safety/block_writer.h"

#include "link/adapter.h"
#include "link/answer_text.h"
#include "link/codecs.h"
#include "link/printable_text.h"
#include "link/session.h"
#include "safety/gate_context.h"
#include "safety/gate_texts.h"
#include "safety/undo_rules.h"


namespace talmero::safety {

using namespace gate_texts;

void BlockWriter::say(Pending& p, const QString& line)
{
    m_gate.host.log(line);
    p.result.line = line;
}

bool BlockWriter::prepare(Pending& p, qsizetype count)
{
    const BlockWrite& w = p.write;
    const BlockTarget& t = w.target;
    const link::Outcome opened = t.open();
    if (!opened.ok()) {
        say(p, opened.line);
        p.result.outcome = WriteOutcome::NotOpened;
        p.whyNot = kWhyNotRead;
        return false;
    }
    const std::optional<QString> held = m_gate.readBlock(t);
    if (!held) {
        say(p, tr(kHeldNotRead));
        p.whyNot = kWhyNotRead;
        return false;
    }
    p.result.heldHex = *held;
    p.moduleVin = t.record ? m_gate.vin.readOpenModuleVin(*t.record) : QString();
    settleRows(m_gate, t.address, t.block, *held);
    if (*held == w.newHex) {
        say(p, tr(kUnchanged));
        p.result.outcome = WriteOutcome::Unchanged;
        if (w.undoes > 0) {
            // Undone already: say so in the journal, or the next undo would offer it again.
            JournalEntry entry = m_gate.row();
            entry.moduleVin = p.moduleVin;
            entry.address = t.address;
            entry.block = t.block;
            entry.oldHex = *held;
            entry.newHex = w.newHex;
            entry.undoes = w.undoes;
            entry.outcome = QString::fromLatin1(kOutcomeUnchanged);
            entry.settled = true;
            if (!m_gate.journal.record(entry))
                m_gate.note(tr(kNotRecorded).arg(m_gate.journal.error()));
        }
        return false;
    }
    if (!w.expectedHex.isEmpty() && *held != w.expectedHex.toUpper()) {
        say(p, tr("! Блок модуля изменился после чтения (%1): запись не выполнена").arg(link::splitHEX(*held)));
        p.whyNot = kWhyChanged;
        return false;
    }
    link::ChangeRequest::Part& part = p.part;
    if (w.undoes > 0 && !w.undoneHex.isEmpty() && *held != w.undoneHex) {
        p.whyNot = kWhyChanged;
        if (!w.force) {
            // A batch says once, at its end, which member stops it.
            const QString line = tr(kChangedSince).arg(link::splitHEX(*held));
            if (count > 1)
                say(p, line);
            else
                p.result.say(m_gate.refuse(line));
            return false;
        }
        p.whyNot = nullptr;
        part.warnings.append(tr(kChangedWarning));
        p.mustTick = true;
    }
    if (!checkFiles(p, *held))
        return false;
    part.subject = tr("%1, адрес %2, блок %3").arg(t.module, t.address, t.block);
    if (w.describe)
        part.changes = w.describe(*held);
    part.oldHex = link::splitHEX(*held);
    part.newHex = link::splitHEX(w.newHex);
    const qsizetype heldBytes = held->size() / 2;
    const qsizetype newBytes = w.newHex.size() / 2;
    // A longer block runs over the module's; only a single hand-made write may differ.
    if (heldBytes != newBytes) {
        if (w.sameLengthOnly || count > 1) {
            p.result.say(m_gate.refuse(tr(kOtherLength).arg(tr(kBytes, nullptr, int(newBytes)), tr(kBytes, nullptr, int(heldBytes)))));
            p.whyNot = kWhyLength;
            return false;
        }
        part.warnings.append(tr(kLengthWarning).arg(tr(kBytes, nullptr, int(heldBytes)), tr(kBytes, nullptr, int(newBytes))));
    }
    bool typed = false;
    const QString car = m_gate.vin.known(&typed);
    if (!p.moduleVin.isEmpty() && !typed && p.moduleVin != car)
        part.warnings.append(tr(kDonor).arg(p.moduleVin, car));
    return true;
}

namespace {

QString untrustedRefusal(const QList<DescriptionUse>& uses)
{
    QStringList untrusted;
    for (const DescriptionUse& use : uses) {
        if (!use.trusted)
            untrusted << use.name;
    }
    return untrusted.isEmpty() ? QString() : BlockWriter::tr(kUntrustedFile).arg(untrusted.join(QStringLiteral(", ")));
}

} // namespace

QString BlockWriter::untrustedPlan(const BlockWrite& write)
{
    return write.files && !write.plannedFromHex.isEmpty() ? untrustedRefusal(write.files(write.plannedFromHex)) : QString();
}

// An option of a description file writes only when the user trusts that file.
bool BlockWriter::checkFiles(Pending& p, const QString& held)
{
    if (!p.write.files)
        return true;
    const QList<DescriptionUse> uses = p.write.files(held);
    QList<JournalFile> used;
    for (const DescriptionUse& use : uses) {
        used.append({use.path, use.sha256});
        // By path and content: two files of one name are two files.
        p.part.warnings.append(tr("Параметры из файла описания %1 (SHA-256 %2)").arg(link::printableText(use.path), use.sha256));
    }
    if (const QString refusal = untrustedRefusal(uses); !refusal.isEmpty()) {
        p.result.say(m_gate.refuse(refusal));
        p.whyNot = kWhyUntrusted;
        return false;
    }
    p.descriptionFiles = descriptionFilesColumn(used);
    return true;
}

bool BlockWriter::write(Pending& p, JournalEntry entry, bool reopen)
{
    const BlockTarget& t = p.write.target;
    if (reopen) {
        const link::Outcome opened = t.open();
        if (!opened.ok()) {
            say(p, opened.line);
            p.result.outcome = WriteOutcome::NotOpened;
            return true;
        }
    }
    // Read again right before sending: the confirmation may have taken a while, and
    // something else may have changed the battery or the block meanwhile.
    if (const link::Outcome battery = m_gate.batteryAllows(m_gate.batteryBeforeWrite()); !battery.ok()) {
        p.result.say(battery);
        return false;
    }
    const std::optional<QString> held = m_gate.readBlock(t);
    if (!held) {
        if (!m_gate.linkLost())
            say(p, tr(kHeldNotRead));
        return true;
    }
    if (*held != p.result.heldHex) {
        say(p, tr(kChangedAfterAsking));
        return true;
    }
    const std::optional<qint64> row = m_gate.journal.begin(entry);
    if (!row) {
        p.result.say(m_gate.refuse(tr(kNoJournal).arg(m_gate.journal.error())));
        return false;
    }
    p.sent = true;
    finish(p, *row, m_gate.sendChange(QStringLiteral("3B") + t.block + p.write.newHex, m_permit));
    // Whatever the outcome, the module may hold something else now.
    m_gate.host.blockWritten(t.address, t.block);
    // A journal that lost an outcome may lose the next: nothing more goes out unrecorded.
    return p.result.recorded;
}

void BlockWriter::finish(Pending& p, qint64 row, const QString& answer)
{
    const BlockWrite& w = p.write;
    const BlockTarget& t = w.target;
    WriteResult& result = p.result;
    const QString reply = link::withoutPendingNotes(answer);
    // "Busy, the answer follows": neither a success nor a refusal until the block is read.
    const bool busy = reply != answer;
    const bool lost = m_gate.linkLost() || answer == link::cutCOM(link::Adapter::kReadError);
    QString outcome;
    QString detail;
    bool settled = false;
    const bool accepted = !lost && reply.startsWith(t.accepted);
    if (accepted) {
        say(p, tr(kWritten));
    } else if (!lost && link::negativeReason(reply) >= 0) {
        say(p, tr(kWrongAnswer) + link::negativeAnswerNote(reply));
        result.outcome = WriteOutcome::Refused;
        outcome = QString::fromLatin1(kOutcomeRefused);
        detail = reply.left(6);
    } else {
        // Garbled or lost: the module may have taken it, and only reading tells.
        say(p, tr(busy && !lost ? kBusyNoAnswer : kAnswerLost));
        // The journal's details are data, the same in every language: what kind of answer.
        const QString kind = lost ? QStringLiteral("connection lost")
            : busy                ? QStringLiteral("busy")
            : reply.isEmpty()     ? QStringLiteral("none")
                                  : link::printableForLog(reply);
        detail = QStringLiteral("answer: ") + kind;
    }

    if (result.outcome != WriteOutcome::Refused) {
        const std::optional<QString> back = lost ? std::nullopt
            : busy                                ? m_gate.readBackWhileBusy(t, w.newHex)
                                                  : m_gate.readBlock(t);
        result.readBack = back.value_or(QString());
        if (back == w.newHex) {
            say(p, accepted ? tr(kVerified) : tr(kTookIt));
            result.outcome = WriteOutcome::Verified;
            outcome = QString::fromLatin1(kOutcomeVerified);
        } else if (!back) {
            // It may hold the old content or the new: the row stays unknown until a later
            // reading of the block settles it.
            if (!lost)
                say(p, tr(kNotReadBack));
            result.outcome = WriteOutcome::Unknown;
            outcome = QString::fromLatin1(accepted ? kOutcomeUnread : kOutcomeNoAnswer);
            if (accepted)
                detail = QStringLiteral("read back: none");
        } else if (!accepted && *back == result.heldHex) {
            result.outcome = WriteOutcome::KeptOld;
            outcome = QString::fromLatin1(kOutcomeNoAnswer);
            if (busy) {
                // Busy, and still the old block: it may yet store it, so a later read settles it.
                say(p, tr(kBusyKeptOld).arg(GateContext::kBusyReadBackMs / 1000));
            } else {
                say(p, tr(kKeptOld));
                settled = true; // read: the module kept its block
            }
        } else {
            say(p, tr(kDiffers).arg(link::splitHEX(*back), link::splitHEX(w.newHex)));
            result.outcome = WriteOutcome::Differs;
            outcome = QString::fromLatin1(kOutcomeDiffers);
            const QString readText = QStringLiteral("read back: ") + *back;
            detail = detail.isEmpty() ? readText : detail + QStringLiteral("; ") + readText;
        }
    }
    result.recorded = m_gate.journal.complete(row, outcome, detail, settled);
    if (!result.recorded)
        m_gate.note(tr(kJournalNotCompleted).arg(m_gate.journal.error()));
}

} // namespace talmero::safety
