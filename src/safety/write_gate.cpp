#include "safety/write_gate.h"

#include "link/adapter.h"
#include "link/answer_text.h"
#include "link/block_read.h"
#include "link/codecs.h"
#include "link/host.h"
#include "link/modules.h"
#include "link/session.h"
#include "safety/battery.h"

#include <QDateTime>

namespace talmero::safety {

namespace {

const char* const kWritten = QT_TRANSLATE_NOOP("WriteGate", "* Успешно записано");
const char* const kWrongAnswer = QT_TRANSLATE_NOOP("WriteGate", "! Неверный ответ модуля");
const char* const kHeldNotRead = QT_TRANSLATE_NOOP("WriteGate", "! Блок модуля не прочитан: запись не выполнена");
const char* const kUnchanged = QT_TRANSLATE_NOOP("WriteGate", "* Модуль уже содержит эти данные: запись не нужна");
const char* const kOtherLength = QT_TRANSLATE_NOOP("WriteGate", "! Блок для записи длиной %1 байт, а модуль содержит %2 байт: запись не выполнена");
const char* const kLengthWarning = QT_TRANSLATE_NOOP("WriteGate", "Длина отличается: модуль содержит %1 байт, записывается %2 байт");
const char* const kCancelled = QT_TRANSLATE_NOOP("WriteGate", "* Запись отменена");
const char* const kNoVoltage = QT_TRANSLATE_NOOP("WriteGate", "! Адаптер не сообщил напряжение бортовой сети: запись не выполнена");
const char* const kLowVoltage = QT_TRANSLATE_NOOP("WriteGate", "! Напряжение бортовой сети %1 В ниже порога %2 В: запись не выполнена");
const char* const kNoJournal = QT_TRANSLATE_NOOP("WriteGate", "! Журнал записей недоступен (%1): запись не выполнена");
const char* const kJournalSetAside = QT_TRANSLATE_NOOP("WriteGate", "! Журнал записей был повреждён и отложен как %1; начат новый журнал");
const char* const kJournalNotCompleted = QT_TRANSLATE_NOOP("WriteGate", "! Итог записи не внесён в журнал (%1)");
const char* const kCancelledNotRecorded = QT_TRANSLATE_NOOP("WriteGate", "! Отмена записи не внесена в журнал (%1)");
const char* const kAnswerLost = QT_TRANSLATE_NOOP("WriteGate", "! Ответ модуля на запись не получен или не понят: модуль мог принять запись");
const char* const kVerified = QT_TRANSLATE_NOOP("WriteGate", "* Запись проверена: модуль содержит записанные данные");
const char* const kTookIt = QT_TRANSLATE_NOOP("WriteGate", "* Модуль содержит записанные данные: запись принята");
const char* const kKeptOld = QT_TRANSLATE_NOOP("WriteGate", "! Модуль содержит прежние данные: запись не принята");
const char* const kDiffers = QT_TRANSLATE_NOOP("WriteGate", "! Модуль содержит другие данные: %1 (записано %2)");
const char* const kNotReadBack = QT_TRANSLATE_NOOP("WriteGate", "! Блок после записи не прочитан: запись не проверена");
const char* const kNotAgreed = QT_TRANSLATE_NOOP("WriteGate", "! Запрос не подтверждён пользователем и не отправлен");

const char* const kBadRequest = QT_TRANSLATE_NOOP("WriteGate", "! Запрос записи отклонён (%1): ничего не отправлено");
const char* const kChangedSince = QT_TRANSLATE_NOOP("WriteGate", "! Модуль содержит %1, а не записанное этой записью: восстановление не выполнено");
const char* const kChangedWarning = QT_TRANSLATE_NOOP("WriteGate", "Модуль содержит не то, что записала эта запись: блок изменён после неё");
const char* const kChangedAfterAsking = QT_TRANSLATE_NOOP("WriteGate", "! Блок модуля изменился после подтверждения: запись не выполнена");
const char* const kVinDisputed = QT_TRANSLATE_NOOP("WriteGate", "Модули автомобиля расходятся в VIN (%1): VIN автомобиля неизвестен");
const char* const kDonor = QT_TRANSLATE_NOOP("WriteGate", "Этот модуль содержит VIN %1: возможно, он с другого автомобиля (VIN автомобиля %2)");
const char* const kLeftOut = QT_TRANSLATE_NOOP("WriteGate", "Не будет записан: %1");
const char* const kDamagedRow = QT_TRANSLATE_NOOP("WriteGate", "! Запись журнала повреждена: она не восстанавливается");
const char* const kOtherCar = QT_TRANSLATE_NOOP("WriteGate", "! Запись журнала сделана на другом автомобиле (VIN %1): она не восстанавливается");
const char* const kNothingToUndo = QT_TRANSLATE_NOOP("WriteGate", "! Эта запись журнала ничего не изменила: восстанавливать нечего");
const char* const kAlreadyUndone = QT_TRANSLATE_NOOP("WriteGate", "! Эта запись журнала уже отменена");
const char* const kSettledNew = QT_TRANSLATE_NOOP("WriteGate", "* Запись журнала от %1 уточнена: модуль содержит записанные тогда данные");
const char* const kSettledOld = QT_TRANSLATE_NOOP("WriteGate", "* Запись журнала от %1 уточнена: модуль содержит прежние данные");
const char* const kNotRecorded = QT_TRANSLATE_NOOP("WriteGate", "! Журнал записей: %1");

bool isHex(const QString& text)
{
    for (const QChar c : text) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F')))
            return false;
    }
    return true;
}

} // namespace

struct WriteGate::Pending {
    BlockWrite write;
    WriteResult result;
    QString moduleVin;
    link::ChangeRequest::Part part;
    bool shown = false;
    bool mustTick = false; // a restore over a block changed since
};

WriteGate::WriteGate(link::Session& session, link::Host& host, link::LinkState& state,
                     SafetySettings settings)
    : m_session(session),
      m_host(host),
      m_state(state),
      m_settings(std::move(settings)),
      m_journal(m_settings.journalPath, m_settings.journalGiven ? Journal::Use::Given : Journal::Use::Own)
{
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

BlockTarget WriteGate::targetOf(const QString& address, const QString& block)
{
    BlockTarget t;
    t.address = address;
    t.block = block;
    t.accepted = QStringLiteral("7B") + block;
    const link::TModuls* m = link::moduleAt(address);
    t.module = m ? m->name + QStringLiteral(" (") + link::moduleTitle(*m) + QLatin1Char(')') : address;
    const bool medium = m && m->bus == 1;
    t.open = [this, address, medium, known = m != nullptr] {
        if (!known)
            return link::Outcome::failed(link::Outcome::Kind::HeaderRefused, tr("! Модуль с адресом %1 неизвестен").arg(address));
        return m_session.openModule(true, true, medium, link::opensSession(address), address);
    };
    return t;
}

std::optional<QString> WriteGate::readBlock(const QString& block)
{
    return link::readBlock(m_session.adapter(), block, true).data;
}

// The VIN in the open module's VIN block, "" when it has none or it is not a VIN; kept
// as what this module of the car gave.
QString WriteGate::readModuleVin(const QString& address)
{
    const link::TModuls* m = link::moduleAt(address);
    if (!m || m->VINad == QLatin1String("FF"))
        return QString();
    const auto data = readBlock(m->VINad);
    const QString vin = data ? QString::fromLatin1(QByteArray::fromHex(data->toLatin1())) : QString();
    if (!link::isVIN(vin))
        return QString();
    link::learnModuleVin(m_state, m_host, address, vin);
    return vin;
}

QString WriteGate::knownVin(bool* typed) const
{
    const link::CarVin car = m_state.carVin();
    if (typed)
        *typed = !car.known();
    return car.known() ? car.vin : m_state.carVIN;
}

QString WriteGate::carVin(bool* typed)
{
    askIdentityModules();
    return knownVin(typed);
}

// Asks the identity modules not asked yet in this connection, in table order, until the
// car's VIN is settled: the instrument panel settles it, the others only all together.
// One try each: a silent module costs a time-out, and never makes the VIN unknown.
void WriteGate::askIdentityModules()
{
    const QList<const link::TModuls*> identity = link::identityModules();
    for (const link::TModuls* m : identity) {
        const link::CarVin car = m_state.carVin();
        if (!car.disputed.isEmpty() || car.from == identity.first()->adr)
            return;
        if (m_state.moduleVins.contains(m->adr) || m_vinAsked.contains(m->adr))
            continue;
        m_vinAsked.insert(m->adr);
        const link::Outcome opened = m_session.openModule(true, true, m->bus == 1, link::opensSession(m->adr), m->adr);
        if (opened.ok())
            readModuleVin(m->adr);
        // An adapter that does not answer reaches no other module either.
        if (opened.kind == link::Outcome::Kind::AdapterSilent || m_session.adapter().linkLost())
            return;
    }
}

// What the confirmation of any change says when the car's identity modules disagree.
QStringList WriteGate::vinWarnings() const
{
    const link::CarVin car = m_state.carVin();
    if (car.disputed.isEmpty())
        return {};
    return {tr(kVinDisputed).arg(car.disputed.join(QStringLiteral("; ")))};
}

std::optional<double> WriteGate::battery()
{
    return voltageOf(send(QStringLiteral("atrv")));
}

bool WriteGate::batteryAllows(std::optional<double> volts)
{
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

// Rows of this block whose answer never came are settled by what the module holds now.
void WriteGate::settleRows(const QString& address, const QString& block, const QString& held)
{
    const auto rows = m_journal.entries(knownVin());
    if (!rows)
        return;
    for (const JournalEntry& e : *rows) {
        if (!e.unknown() || e.address != address || e.block != block)
            continue;
        const bool took = held == e.newHex;
        if (!took && held != e.oldHex)
            continue;
        const QString detail = QStringLiteral("settled: read ") + held;
        if (!m_journal.settle(e.id, QLatin1String(took ? kOutcomeVerified : kOutcomeNoAnswer), detail)) {
            m_host.log(tr(kNotRecorded).arg(m_journal.error()));
            continue;
        }
        const QString when = QDateTime::fromString(e.time, Qt::ISODate).toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        m_host.log(tr(took ? kSettledNew : kSettledOld).arg(when));
    }
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
        return false;
    }
    const std::optional<QString> held = readBlock(t.block);
    if (!held) {
        m_host.log(tr(kHeldNotRead));
        return false;
    }
    p.result.heldHex = *held;
    p.moduleVin = readModuleVin(t.address);
    settleRows(t.address, t.block, *held);
    if (*held == w.newHex) {
        m_host.log(tr(kUnchanged));
        p.result.outcome = WriteOutcome::Unchanged;
        if (w.undoes > 0) {
            // Undone already: say so in the journal, or the next undo would offer it again.
            bool typed = false;
            JournalEntry entry;
            entry.vin = knownVin(&typed);
            entry.vinSource = QLatin1String(typed ? kVinTyped : kVinRead);
            entry.moduleVin = p.moduleVin;
            entry.address = t.address;
            entry.block = t.block;
            entry.oldHex = *held;
            entry.newHex = w.newHex;
            entry.undoes = w.undoes;
            entry.outcome = QString::fromLatin1(kOutcomeUnchanged);
            entry.settled = true;
            if (!m_journal.record(entry))
                m_host.log(tr(kNotRecorded).arg(m_journal.error()));
        }
        return false;
    }
    if (!w.expectedHex.isEmpty() && *held != w.expectedHex.toUpper()) {
        m_host.log(tr("! Блок модуля изменился после чтения (%1): запись не выполнена").arg(link::splitHEX(*held)));
        return false;
    }
    link::ChangeRequest::Part& part = p.part;
    if (w.undoes > 0 && !w.undoneHex.isEmpty() && *held != w.undoneHex) {
        if (!w.force) {
            refuse(tr(kChangedSince).arg(link::splitHEX(*held)));
            return false;
        }
        part.warnings.append(tr(kChangedWarning));
        p.mustTick = true;
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
            refuse(tr(kOtherLength).arg(newBytes).arg(heldBytes));
            return false;
        }
        part.warnings.append(tr(kLengthWarning).arg(heldBytes).arg(newBytes));
    }
    bool typed = false;
    const QString car = knownVin(&typed);
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
    askIdentityModules();

    qsizetype shown = 0;
    qsizetype lastOpened = -1;
    for (qsizetype i = 0; i < pending.size(); ++i) {
        if (i > 0)
            m_session.stopIfCancelled();
        pending[i].shown = prepare(pending[i], pending.size());
        lastOpened = i;
        shown += pending[i].shown ? 1 : 0;
    }
    const auto results = [&] {
        for (qsizetype i = 0; i < pending.size(); ++i)
            out.results[i] = pending[i].result;
        return out;
    };
    if (shown == 0)
        return results();
    const std::optional<double> volts = battery();
    if (!batteryAllows(volts))
        return results();

    link::ChangeRequest request;
    request.title = options.title.isEmpty() ? pending[0].write.title : options.title;
    request.battery = QString::number(*volts, 'f', 1);
    request.warnings = vinWarnings();
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
    QList<bool> chosen;
    if (request.choosable) {
        chosen = m_host.chooseParts(request);
    } else if (m_host.confirm(request)) {
        chosen = QList<bool>(shown, true);
    }
    out.asked = true;
    out.agreed = chosen.contains(true);

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
    base.vin = knownVin(&typed);
    base.vinSource = QLatin1String(typed ? kVinTyped : kVinRead);
    base.batch = out.batch;
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
        writeOne(p, entry, pending.size() > 1 && i != lastOpened);
        lastOpened = i;
        if (options.stopAtFailure && p.result.outcome != WriteOutcome::Verified)
            m_stopped = true;
    }
    return results();
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
    const std::optional<QString> held = readBlock(t.block);
    if (!held) {
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
    const QString answer = sendChange(QStringLiteral("3B") + t.block + p.write.newHex);
    p.result = finish(p.write, *row, p.result, answer);
    // A journal that lost an outcome may lose the next: nothing more goes out unrecorded.
    if (!p.result.recorded)
        m_stopped = true;
    // Whatever the outcome, the module may hold something else now.
    m_host.blockWritten(t.address, t.block);
}

WriteResult WriteGate::finish(const BlockWrite& w, qint64 row, WriteResult result, const QString& answer)
{
    const BlockTarget& t = w.target;
    const QString reply = link::withoutPendingNotes(answer);
    QString outcome;
    QString detail;
    bool settled = false;
    const bool accepted = reply.startsWith(t.accepted);
    if (accepted) {
        m_host.log(tr(kWritten));
    } else if (link::negativeReason(reply) >= 0) {
        m_host.log(tr(kWrongAnswer) + link::negativeAnswerNote(reply));
        result.outcome = WriteOutcome::Refused;
        outcome = QString::fromLatin1(kOutcomeRefused);
        detail = reply.left(6);
    } else {
        // Garbled or lost: the module may have taken it, and only reading tells.
        m_host.log(tr(kAnswerLost));
        // The journal's details are data, the same in every language.
        detail = QStringLiteral("answer: ") + (reply.isEmpty() ? QStringLiteral("none") : reply);
    }

    if (result.outcome != WriteOutcome::Refused) {
        const std::optional<QString> back = readBlock(t.block);
        result.readBack = back.value_or(QString());
        if (back == w.newHex) {
            m_host.log(accepted ? tr(kVerified) : tr(kTookIt));
            result.outcome = WriteOutcome::Verified;
            outcome = QString::fromLatin1(kOutcomeVerified);
        } else if (!back) {
            // It may hold the old content or the new: only a later reading tells. A row
            // whose answer was lost stays unknown until then.
            m_host.log(tr(kNotReadBack));
            result.outcome = WriteOutcome::Unknown;
            outcome = QString::fromLatin1(accepted ? kOutcomeDiffers : kOutcomeNoAnswer);
            if (accepted)
                detail = QStringLiteral("read back: none");
        } else if (!accepted && *back == result.heldHex) {
            m_host.log(tr(kKeptOld));
            result.outcome = WriteOutcome::KeptOld;
            outcome = QString::fromLatin1(kOutcomeNoAnswer);
            settled = true; // read: the module kept its block
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

RowState WriteGate::stateOf(const JournalEntry& entry, const QList<JournalEntry>& rows, const QString& carVin)
{
    if (!entry.wellFormed())
        return RowState::Damaged;
    if (entry.undoes > 0)
        return RowState::RestoreRow;
    if (entry.vin != carVin)
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
    const link::Outcome opened = targetOf(entry.address, entry.block).open();
    if (!opened.ok()) {
        m_host.log(opened.line);
        return entry;
    }
    const std::optional<QString> held = readBlock(entry.block);
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
    const QString vin = carVin();
    const auto rows = m_journal.entries(vin);
    if (!rows) {
        m_host.log(tr(kNotRecorded).arg(m_journal.error()));
        return std::nullopt;
    }
    for (JournalEntry e : *rows) {
        RowState state = stateOf(e, *rows, vin);
        if (state == RowState::Damaged)
            m_host.log(tr(kDamagedRow));
        if (state == RowState::Unknown) {
            e = settle(e);
            state = stateOf(e, *rows, vin);
        }
        if (state == RowState::Done)
            return e;
    }
    return std::nullopt;
}

// The row as it stands now (an unknown outcome settled by reading), when it can be undone;
// else nullopt, after saying why when refuseIt.
std::optional<JournalEntry> WriteGate::undoable(const JournalEntry& row, const QList<JournalEntry>& rows,
                                                const QString& vin, bool refuseIt)
{
    const JournalEntry entry = row.unknown() ? settle(row) : row;
    const auto no = [&](const char* why, const QString& arg = QString()) -> std::optional<JournalEntry> {
        if (refuseIt)
            refuse(arg.isEmpty() ? tr(why) : tr(why).arg(arg));
        return std::nullopt;
    };
    switch (stateOf(entry, rows, vin)) {
    case RowState::Done:
        return entry;
    case RowState::OtherCar:
        return no(kOtherCar, entry.vin);
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
    const QString vin = carVin();
    const QList<JournalEntry> rows = m_journal.entries(vin).value_or(QList<JournalEntry>());
    const std::optional<JournalEntry> asked = undoable(row, rows, vin, true);
    if (!asked)
        return {};
    // The rest of its batch, newest first as the journal lists them; rows of it that are
    // undone already or changed nothing are passed by.
    QList<JournalEntry> batch;
    for (const JournalEntry& e : rows) {
        if (e.id == asked->id) {
            if (askedAt)
                *askedAt = batch.size();
            batch << *asked;
        } else if (asked->batch > 0 && e.batch == asked->batch) {
            if (const std::optional<JournalEntry> other = undoable(e, rows, vin, false))
                batch << *other;
        }
    }
    QList<BlockWrite> writes;
    for (const JournalEntry& e : batch) {
        BlockWrite w;
        w.target = targetOf(e.address, e.block);
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
    return writeBlocks(writes, options);
}

// A restart or clearing: only with a journal to record it and a battery that allows it,
// whose voltage the question shows.
bool WriteGate::askForChange(link::ChangeRequest request)
{
    m_declined = false;
    if (!journalReady())
        return false;
    // Recorded under the car's VIN, as a write is.
    askIdentityModules();
    const std::optional<double> volts = battery();
    if (!batteryAllows(volts))
        return false;
    request.battery = QString::number(*volts, 'f', 1);
    request.warnings += vinWarnings();
    const bool agreed = m_host.confirm(request);
    m_declined = !agreed;
    return agreed;
}

bool WriteGate::confirmClearing(const QStringList& modules)
{
    link::ChangeRequest request;
    request.title = tr("Стирание кодов ошибок");
    request.subject = tr("Коды ошибок будут стёрты в модулях:");
    request.changes = modules;
    request.kind = link::ChangeRequest::Kind::Clear;
    m_clearingAgreed = askForChange(request);
    return m_clearingAgreed;
}

QString WriteGate::clearCodes(const QString& address)
{
    if (!m_clearingAgreed) {
        m_host.log(tr(kNotAgreed));
        return QString();
    }
    return sendRecorded(QString::fromLatin1(kKindClearing), address, QStringLiteral("14FF00"), QStringLiteral("54"));
}

bool WriteGate::confirmRestart(const QString& module, const QString& address)
{
    link::ChangeRequest request;
    request.title = tr("Перезагрузка модуля");
    request.subject = module;
    request.kind = link::ChangeRequest::Kind::Restart;
    m_restartAgreed = askForChange(request);
    m_restartAddress = address;
    return m_restartAgreed;
}

QString WriteGate::restart()
{
    if (!m_restartAgreed) {
        m_host.log(tr(kNotAgreed));
        return QString();
    }
    m_restartAgreed = false; // one restart per agreement
    return sendRecorded(QString::fromLatin1(kKindRestart), m_restartAddress, QStringLiteral("1101"), QStringLiteral("51"));
}

// A restart or clearing: battery, a row before the request, its outcome after.
QString WriteGate::sendRecorded(const QString& kind, const QString& address, const QString& command,
                                const QString& accepted)
{
    if (!batteryAllows(battery()))
        return QString();
    bool typed = false;
    JournalEntry entry;
    entry.kind = kind;
    entry.vin = knownVin(&typed);
    entry.vinSource = QLatin1String(typed ? kVinTyped : kVinRead);
    entry.address = address;
    const std::optional<qint64> row = m_journal.begin(entry);
    if (!row) {
        refuse(tr(kNoJournal).arg(m_journal.error()));
        return QString();
    }
    const QString answer = sendChange(command);
    const QString reply = link::withoutPendingNotes(answer);
    const bool refused = !reply.startsWith(accepted) && link::negativeReason(reply) >= 0;
    const QString outcome = reply.startsWith(accepted) ? QString::fromLatin1(kOutcomeAccepted)
        : refused                                     ? QString::fromLatin1(kOutcomeRefused)
                                                      : QString::fromLatin1(kOutcomeNoAnswer);
    const QString detail = refused ? reply.left(6)
        : outcome == QLatin1String(kOutcomeNoAnswer) ? QStringLiteral("answer: ") + (reply.isEmpty() ? QStringLiteral("none") : reply)
                                                     : QString();
    if (!m_journal.complete(*row, outcome, detail))
        m_host.log(tr(kJournalNotCompleted).arg(m_journal.error()));
    return answer;
}

} // namespace talmero::safety
