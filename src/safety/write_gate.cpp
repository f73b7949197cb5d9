#include "safety/write_gate.h"

#include "link/adapter.h"
#include "link/answer_text.h"
#include "link/block_read.h"
#include "link/codecs.h"
#include "link/host.h"
#include "link/modules.h"
#include "link/printable_text.h"
#include "link/session.h"
#include "safety/battery.h"
#include "safety/gate_texts.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QUuid>

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

// A module that said it is busy storing a block is read again for this long.
constexpr int kBusyReadBackMs = 3000;
constexpr int kBusyReadEveryMs = 250;

} // namespace

struct WriteGate::Pending {
    BlockWrite write;
    WriteResult result;
    QString moduleVin;
    link::ChangeRequest::Part part;
    bool shown = false;
    bool mustTick = false; // a restore over a block changed since
    QString descriptionFiles; // for the journal row
    const char* whyNot = nullptr; // why a block that is not shown cannot be written
    bool sent = false;
};

WriteGate::WriteGate(link::Session& session, link::Host& host, link::LinkState& state,
                     SafetySettings settings)
    : m_session(session),
      m_host(host),
      m_state(state),
      m_settings(std::move(settings)),
      m_journal(m_settings.journalPath, m_settings.journalGiven ? Journal::Use::Given : Journal::Use::Own),
      m_vin(session, host, state),
      m_connection(QUuid::createUuid().toString(QUuid::Id128).left(16))
{
}

RowOwner WriteGate::rowOwner() const
{
    bool typed = false;
    const QString vin = m_vin.known(&typed);
    return {vin, !typed, m_connection};
}

bool WriteGate::linkLost()
{
    return m_session.adapter().linkLost();
}

QString WriteGate::send(const QString& command)
{
    return link::cutCOM(m_session.adapter().writeCOM(command, true));
}

QString WriteGate::sendChange(const QString& command)
{
    return link::cutCOM(m_session.adapter().writeRequest(command, true, link::WritePermit()));
}

bool WriteGate::refuse(const QString& line)
{
    m_host.log(line);
    m_host.notify(line);
    return false;
}

QString WriteGate::checkWrite(const QString& address, const QString& block, const QString& hex)
{
    if (!link::moduleAt(address))
        return tr("модуль с адресом «%1» неизвестен").arg(address.left(8));
    if (block.size() != 2 || !isHex(block))
        return tr("блок «%1» - не две шестнадцатеричные цифры").arg(block.left(8));
    if (hex.isEmpty() || hex.size() % 2 != 0 || !isHex(hex))
        return tr("данные - не целые шестнадцатеричные байты");
    return QString();
}

BlockTarget WriteGate::targetOf(const car::Module& module, const QString& block)
{
    BlockTarget t;
    t.record = &module;
    t.address = car::qs(module.address);
    t.block = block;
    t.accepted = QStringLiteral("7B") + block;
    t.module = car::qs(module.name) + QStringLiteral(" (") + link::moduleTitle(module) + QLatin1Char(')');
    t.open = [this, &module] { return m_session.openModule(module, true, true); };
    return t;
}

std::optional<QString> WriteGate::readBlock(const BlockTarget& target)
{
    bool ok = false;
    const int number = target.block.toInt(&ok, 16);
    const std::optional<int> bytes = ok && target.record ? link::blockBytes(*target.record, number) : std::nullopt;
    return link::readBlock(m_session.adapter(), target.block, true, bytes).data;
}

std::optional<double> WriteGate::battery()
{
    return voltageOf(send(QStringLiteral("atrv")));
}

bool WriteGate::batteryAllows(std::optional<double> volts)
{
    // No voltage from an adapter that is gone: the lost connection is said instead.
    if (!volts && linkLost())
        return false;
    if (!volts)
        return refuse(tr(kNoVoltage));
    if (*volts < m_settings.minVoltage) {
        return refuse(tr(kLowVoltage).arg(QString::number(*volts, 'f', 1),
                                      QString::number(m_settings.minVoltage, 'f', 1)));
    }
    return true;
}

// Nothing goes out unless it can be recorded.
bool WriteGate::journalReady()
{
    if (!m_journal.open())
        return refuse(tr(kNoJournal).arg(m_journal.error()));
    // Said once: the journal stays open for the connection.
    if (!m_journal.setAsideAs().isEmpty() && !m_setAsideReported) {
        m_setAsideReported = true;
        m_host.log(tr(kJournalSetAside).arg(m_journal.setAsideAs()));
        m_host.notify(tr(kJournalSetAside).arg(m_journal.setAsideAs()));
    }
    return true;
}

WriteResult WriteGate::writeBlock(const BlockWrite& write)
{
    return writeBlocks({write}, BatchOptions{write.title, false}).results.value(0);
}

// Opens the module and reads what it holds: true when the block goes into the confirmation.
bool WriteGate::prepare(Pending& p, qsizetype count)
{
    const BlockWrite& w = p.write;
    const BlockTarget& t = w.target;
    const link::Outcome opened = t.open();
    if (!opened.ok()) {
        m_host.log(opened.line);
        p.result.outcome = WriteOutcome::NotOpened;
        p.whyNot = kWhyNotRead;
        return false;
    }
    const std::optional<QString> held = readBlock(t);
    if (!held) {
        m_host.log(tr(kHeldNotRead));
        p.whyNot = kWhyNotRead;
        return false;
    }
    p.result.heldHex = *held;
    p.moduleVin = t.record ? m_vin.readOpenModuleVin(*t.record) : QString();
    settleRows(t.address, t.block, *held);
    if (*held == w.newHex) {
        m_host.log(tr(kUnchanged));
        p.result.outcome = WriteOutcome::Unchanged;
        if (w.undoes > 0) {
            // Undone already: say so in the journal, or the next undo would offer it again.
            bool typed = false;
            JournalEntry entry;
            entry.vin = m_vin.known(&typed);
            entry.vinSource = QLatin1String(typed ? kVinTyped : kVinRead);
            entry.moduleVin = p.moduleVin;
            entry.address = t.address;
            entry.block = t.block;
            entry.oldHex = *held;
            entry.newHex = w.newHex;
            entry.undoes = w.undoes;
            entry.outcome = QString::fromLatin1(kOutcomeUnchanged);
            entry.settled = true;
            entry.connection = m_connection;
            if (!m_journal.record(entry))
                m_host.log(tr(kNotRecorded).arg(m_journal.error()));
        }
        return false;
    }
    if (!w.expectedHex.isEmpty() && *held != w.expectedHex.toUpper()) {
        m_host.log(tr("! Блок модуля изменился после чтения (%1): запись не выполнена").arg(link::splitHEX(*held)));
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
                m_host.log(line);
            else
                refuse(line);
            return false;
        }
        p.whyNot = nullptr;
        part.warnings.append(tr(kChangedWarning));
        p.mustTick = true;
    }
    // An option of a description file writes only when the user trusts that file.
    if (w.files) {
        QStringList untrusted;
        QList<JournalFile> used;
        for (const DescriptionUse& use : w.files(*held)) {
            used.append({use.path, use.sha256});
            if (!use.trusted)
                untrusted << use.name;
            // By path and content: two files of one name are two files.
            part.warnings.append(tr("Параметры из файла описания %1 (SHA-256 %2)").arg(link::printableText(use.path), use.sha256));
        }
        if (!untrusted.isEmpty()) {
            refuse(tr(kUntrustedFile).arg(untrusted.join(QStringLiteral(", "))));
            p.whyNot = kWhyUntrusted;
            return false;
        }
        p.descriptionFiles = descriptionFilesColumn(used);
    }
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
            refuse(tr(kOtherLength).arg(tr(kBytes, nullptr, int(newBytes)), tr(kBytes, nullptr, int(heldBytes))));
            p.whyNot = kWhyLength;
            return false;
        }
        part.warnings.append(tr(kLengthWarning).arg(tr(kBytes, nullptr, int(heldBytes)), tr(kBytes, nullptr, int(newBytes))));
    }
    bool typed = false;
    const QString car = m_vin.known(&typed);
    if (!p.moduleVin.isEmpty() && !typed && p.moduleVin != car)
        part.warnings.append(tr(kDonor).arg(p.moduleVin, car));
    return true;
}

BatchResult WriteGate::writeBlocks(const QList<BlockWrite>& writes, const BatchOptions& options)
{
    BatchResult out;
    out.results.resize(writes.size());
    QList<Pending> pending(writes.size());
    // Every write is checked before anything is sent, whatever made it.
    for (qsizetype i = 0; i < writes.size(); ++i) {
        BlockWrite w = writes[i];
        const QString problem = checkWrite(w.target.address, w.target.block, w.newHex);
        if (!problem.isEmpty()) {
            refuse(tr(kBadRequest).arg(problem));
            return out;
        }
        w.target.block = w.target.block.toUpper();
        w.newHex = w.newHex.toUpper();
        w.undoneHex = w.undoneHex.toUpper();
        pending[i].write = std::move(w);
    }
    if (writes.isEmpty() || !journalReady())
        return out;
    // Before any module of the write is opened: the identity modules may sit elsewhere.
    m_vin.find();

    qsizetype shown = 0;
    qsizetype lastOpened = -1;
    for (qsizetype i = 0; i < pending.size(); ++i) {
        if (i > 0)
            m_session.stopIfCancelled();
        pending[i].shown = prepare(pending[i], pending.size());
        lastOpened = i;
        shown += pending[i].shown ? 1 : 0;
        if (linkLost())
            break;
    }
    const auto results = [&] {
        if (linkLost())
            sayLinkLost(pending);
        for (qsizetype i = 0; i < pending.size(); ++i)
            out.results[i] = pending[i].result;
        return out;
    };
    if (shown == 0 || linkLost())
        return results();
    if (options.wholeOrNothing && pending.size() > 1) {
        for (const Pending& p : pending) {
            if (!p.shown && p.whyNot) {
                refuse(tr(kBatchWhole).arg(p.write.target.module, tr(p.whyNot)));
                return results();
            }
        }
    }
    const std::optional<double> volts = battery();
    if (!batteryAllows(volts))
        return results();

    link::ChangeRequest request;
    request.title = options.title.isEmpty() ? pending[0].write.title : options.title;
    request.battery = QString::number(*volts, 'f', 1);
    request.warnings = m_vin.warnings();
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
    } else {
        request.subject = tr("Блоков к записи: %1").arg(shown);
        request.choosable = options.choosable;
        for (const Pending& p : pending) {
            if (p.shown)
                request.parts.append(p.part);
            else if (p.result.outcome != WriteOutcome::Unchanged)
                request.warnings.append(tr(kLeftOut).arg(p.write.target.module));
        }
    }
    // A car without a backup (or whose VIN is not known) is offered one first. A file under
    // a VIN only typed at connecting may be a placeholder's or another car's: never the car's.
    bool backupFirst = false;
    const BackupNeeds needs = backupNeeds(pending);
    if (m_backup.exists && m_backup.take) {
        bool typed = false;
        const QString vin = m_vin.known(&typed);
        if (!m_backup.exists(typed ? QString() : vin, needs)) {
            request.backupOffer = tr("Резервной копии этого автомобиля ещё нет: сначала сделать её");
            request.backupFirst = &backupFirst;
        }
    }
    QList<bool> chosen;
    if (request.choosable) {
        chosen = m_host.chooseParts(request);
    } else if (m_host.confirm(request)) {
        chosen = QList<bool>(shown, true);
    }
    out.asked = true;
    out.agreed = chosen.contains(true);
    // The backup reads every module: each block is opened and read again before its write.
    const bool backedUp = out.agreed && backupFirst;
    if (backedUp) {
        const BackupBeforeWrite::Taken taken = m_backup.take(needs);
        if (!taken.failure.isEmpty()) {
            refuse(tr("! Резервная копия не сделана (%1): запись не выполнена").arg(taken.failure));
            return results();
        }
        // A file without what the write changes is no way back.
        if (!taken.incomplete.isEmpty()) {
            refuse(tr(kBackupIncomplete).arg(taken.incomplete));
            return results();
        }
    }

    if (pending.size() > 1) {
        const std::optional<qint64> batch = m_journal.newBatch();
        if (!batch) {
            refuse(tr(kNoJournal).arg(m_journal.error()));
            return results();
        }
        out.batch = *batch;
    }
    bool typed = false;
    JournalEntry base;
    base.vin = m_vin.known(&typed);
    base.vinSource = QLatin1String(typed ? kVinTyped : kVinRead);
    base.batch = out.batch;
    base.connection = m_connection;
    m_stopped = false;
    qsizetype part = 0;
    for (qsizetype i = 0; i < pending.size(); ++i) {
        Pending& p = pending[i];
        if (!p.shown) {
            if (options.stopAtFailure && p.result.outcome != WriteOutcome::Unchanged)
                m_stopped = true;
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
            if (!m_journal.record(entry))
                m_host.log(tr(kCancelledNotRecorded).arg(m_journal.error()));
            m_host.log(tr(kCancelled) + (pending.size() > 1 ? QStringLiteral(": ") + p.write.target.module : QString()));
            p.result.outcome = WriteOutcome::Cancelled;
            continue;
        }
        if (m_stopped)
            continue;
        writeOne(p, entry, backedUp || (pending.size() > 1 && i != lastOpened));
        lastOpened = i;
        if ((options.stopAtFailure && p.result.outcome != WriteOutcome::Verified) || linkLost())
            m_stopped = true;
    }
    return results();
}

// What a backup must hold for this write: its blocks, and every module heard from.
BackupNeeds WriteGate::backupNeeds(const QList<Pending>& pending) const
{
    BackupNeeds needs;
    for (const Pending& p : pending) {
        if (p.shown)
            needs.blocks.append({p.write.target.address, p.write.target.block});
        if (!p.result.heldHex.isEmpty())
            needs.answered << p.write.target.address;
    }
    needs.answered += m_state.moduleVins.keys();
    needs.answered.removeDuplicates();
    return needs;
}

// Said last, once: what became of each block when the adapter went away.
void WriteGate::sayLinkLost(QList<Pending>& pending)
{
    QStringList verified;
    QStringList unknown;
    QStringList notSent;
    for (Pending& p : pending) {
        p.result.linkLost = true;
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
    refuse(tr(kLinkLost).arg(parts.join(QStringLiteral("; "))));
}

// Writes one agreed block: opened and read again when the adapter went elsewhere since.
void WriteGate::writeOne(Pending& p, const JournalEntry& entry, bool reopen)
{
    const BlockTarget& t = p.write.target;
    if (reopen) {
        const link::Outcome opened = t.open();
        if (!opened.ok()) {
            m_host.log(opened.line);
            p.result.outcome = WriteOutcome::NotOpened;
            return;
        }
    }
    // Read again right before sending: the confirmation may have taken a while, and
    // something else may have changed the battery or the block meanwhile.
    if (!batteryAllows(battery())) {
        m_stopped = true;
        return;
    }
    const std::optional<QString> held = readBlock(t);
    if (!held) {
        if (!linkLost())
            m_host.log(tr(kHeldNotRead));
        return;
    }
    if (*held != p.result.heldHex) {
        m_host.log(tr(kChangedAfterAsking));
        return;
    }
    const std::optional<qint64> row = m_journal.begin(entry);
    if (!row) {
        refuse(tr(kNoJournal).arg(m_journal.error()));
        m_stopped = true;
        return;
    }
    p.sent = true;
    const QString answer = sendChange(QStringLiteral("3B") + t.block + p.write.newHex);
    p.result = finish(p.write, *row, p.result, answer);
    // A journal that lost an outcome may lose the next: nothing more goes out unrecorded.
    if (!p.result.recorded)
        m_stopped = true;
    // Whatever the outcome, the module may hold something else now.
    m_host.blockWritten(t.address, t.block);
}

// A module that said it is busy storing the block is read until it holds the new one,
// for a while; the last read that came back, or nullopt when none did.
std::optional<QString> WriteGate::readBackWhileBusy(const BlockTarget& target, const QString& newHex)
{
    m_host.log(tr(kBusyReadAgain));
    QElapsedTimer clock;
    clock.start();
    std::optional<QString> last;
    while (true) {
        if (const std::optional<QString> back = readBlock(target))
            last = back;
        if (last == newHex || linkLost() || clock.elapsed() >= kBusyReadBackMs)
            return last;
        QEventLoop pause;
        QTimer::singleShot(kBusyReadEveryMs, &pause, &QEventLoop::quit);
        pause.exec();
    }
}

WriteResult WriteGate::finish(const BlockWrite& w, qint64 row, WriteResult result, const QString& answer)
{
    const BlockTarget& t = w.target;
    const QString reply = link::withoutPendingNotes(answer);
    // "Busy, the answer follows": neither a success nor a refusal until the block is read.
    const bool busy = reply != answer;
    const bool lost = linkLost() || answer == link::cutCOM(link::Adapter::kReadError);
    QString outcome;
    QString detail;
    bool settled = false;
    const bool accepted = !lost && reply.startsWith(t.accepted);
    if (accepted) {
        m_host.log(tr(kWritten));
    } else if (!lost && link::negativeReason(reply) >= 0) {
        m_host.log(tr(kWrongAnswer) + link::negativeAnswerNote(reply));
        result.outcome = WriteOutcome::Refused;
        outcome = QString::fromLatin1(kOutcomeRefused);
        detail = reply.left(6);
    } else {
        // Garbled or lost: the module may have taken it, and only reading tells.
        m_host.log(tr(busy && !lost ? kBusyNoAnswer : kAnswerLost));
        // The journal's details are data, the same in every language: what kind of answer.
        const QString kind = lost ? QStringLiteral("connection lost")
            : busy                ? QStringLiteral("busy")
            : reply.isEmpty()     ? QStringLiteral("none")
                                  : link::printableForLog(reply);
        detail = QStringLiteral("answer: ") + kind;
    }

    if (result.outcome != WriteOutcome::Refused) {
        const std::optional<QString> back = lost ? std::nullopt
            : busy                                ? readBackWhileBusy(t, w.newHex)
                                                  : readBlock(t);
        result.readBack = back.value_or(QString());
        if (back == w.newHex) {
            m_host.log(accepted ? tr(kVerified) : tr(kTookIt));
            result.outcome = WriteOutcome::Verified;
            outcome = QString::fromLatin1(kOutcomeVerified);
        } else if (!back) {
            // It may hold the old content or the new: the row stays unknown until a later
            // reading of the block settles it.
            if (!lost)
                m_host.log(tr(kNotReadBack));
            result.outcome = WriteOutcome::Unknown;
            outcome = QString::fromLatin1(accepted ? kOutcomeUnread : kOutcomeNoAnswer);
            if (accepted)
                detail = QStringLiteral("read back: none");
        } else if (!accepted && *back == result.heldHex) {
            result.outcome = WriteOutcome::KeptOld;
            outcome = QString::fromLatin1(kOutcomeNoAnswer);
            if (busy) {
                // Busy, and still the old block: it may yet store it, so a later read settles it.
                m_host.log(tr(kBusyKeptOld).arg(kBusyReadBackMs / 1000));
            } else {
                m_host.log(tr(kKeptOld));
                settled = true; // read: the module kept its block
            }
        } else {
            m_host.log(tr(kDiffers).arg(link::splitHEX(*back), link::splitHEX(w.newHex)));
            result.outcome = WriteOutcome::Differs;
            outcome = QString::fromLatin1(kOutcomeDiffers);
            const QString readText = QStringLiteral("read back: ") + *back;
            detail = detail.isEmpty() ? readText : detail + QStringLiteral("; ") + readText;
        }
    }
    result.recorded = m_journal.complete(row, outcome, detail, settled);
    if (!result.recorded)
        m_host.log(tr(kJournalNotCompleted).arg(m_journal.error()));
    return result;
}

} // namespace talmero::safety
