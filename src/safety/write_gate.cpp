#include "safety/write_gate.h"

#include "link/adapter.h"
#include "link/answer_text.h"
#include "link/codecs.h"
#include "link/host.h"
#include "link/modules.h"
#include "link/session.h"
#include "safety/battery.h"

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

} // namespace

WriteGate::WriteGate(link::Session& session, link::Host& host, link::LinkState& state,
                     SafetySettings settings)
    : m_session(session),
      m_host(host),
      m_state(state),
      m_settings(std::move(settings)),
      m_journal(m_settings.journalPath)
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
            return tr("! Модуль с адресом %1 неизвестен").arg(address);
        return m_session.openModule(true, true, medium, link::opensSession(address), address);
    };
    return t;
}

std::optional<QString> WriteGate::readBlock(const BlockTarget& t)
{
    return link::positiveData(send(QStringLiteral("21") + t.block), QStringLiteral("61") + t.block);
}

// The journal names the car by the VIN its modules hold; one read per connection.
void WriteGate::learnVin(const QString& address)
{
    const link::TModuls* m = link::moduleAt(address);
    if (!m_state.vinFromCar.isEmpty() || !m || m->VINad == QLatin1String("FF"))
        return;
    const auto data = link::positiveData(send(QStringLiteral("21") + m->VINad), QStringLiteral("61") + m->VINad);
    if (!data)
        return;
    link::learnCarVin(m_state, m_host, QString::fromLatin1(QByteArray::fromHex(data->toLatin1())));
}

bool WriteGate::batteryAllows()
{
    const auto volts = voltageOf(send(QStringLiteral("atrv")));
    if (!volts)
        return refuse(tr(kNoVoltage));
    if (*volts < m_settings.minVoltage) {
        return refuse(tr(kLowVoltage).arg(QString::number(*volts, 'f', 1),
                                      QString::number(m_settings.minVoltage, 'f', 1)));
    }
    return true;
}

WriteResult WriteGate::writeBlock(const BlockWrite& w)
{
    WriteResult result;
    const BlockTarget& t = w.target;
    // Nothing goes out unless it can be recorded.
    if (!m_journal.open()) {
        refuse(tr(kNoJournal).arg(m_journal.error()));
        return result;
    }
    // Said once: the journal stays open for the connection.
    if (!m_journal.setAsideAs().isEmpty() && !m_setAsideReported) {
        m_setAsideReported = true;
        m_host.log(tr(kJournalSetAside).arg(m_journal.setAsideAs()));
        m_host.notify(tr(kJournalSetAside).arg(m_journal.setAsideAs()));
    }

    const QString opened = t.open();
    if (opened.startsWith(u'!')) {
        m_host.log(opened);
        result.outcome = WriteOutcome::NotOpened;
        return result;
    }
    const std::optional<QString> held = readBlock(t);
    if (!held) {
        m_host.log(tr(kHeldNotRead));
        return result;
    }
    result.heldHex = *held;
    learnVin(t.address);
    if (*held == w.newHex) {
        m_host.log(tr(kUnchanged));
        result.outcome = WriteOutcome::Unchanged;
        return result;
    }

    link::ChangeRequest request;
    request.title = w.title;
    request.subject = tr("%1, адрес %2, блок %3").arg(t.module, t.address, t.block);
    if (w.describe)
        request.changes = w.describe(*held);
    request.oldHex = link::splitHEX(*held);
    request.newHex = link::splitHEX(w.newHex);
    const qsizetype heldBytes = held->size() / 2;
    const qsizetype newBytes = w.newHex.size() / 2;
    if (heldBytes != newBytes) {
        if (w.sameLengthOnly) {
            refuse(tr(kOtherLength).arg(newBytes).arg(heldBytes));
            return result;
        }
        request.warnings.append(tr(kLengthWarning).arg(heldBytes).arg(newBytes));
    }

    JournalEntry entry;
    entry.vin = m_state.vinFromCar.isEmpty() ? m_state.carVIN : m_state.vinFromCar;
    entry.address = t.address;
    entry.block = t.block;
    entry.oldHex = *held;
    entry.newHex = w.newHex;
    if (!m_host.confirm(request)) {
        entry.outcome = QString::fromLatin1(kOutcomeCancelled);
        if (!m_journal.record(entry))
            m_host.log(tr(kCancelledNotRecorded).arg(m_journal.error()));
        m_host.log(tr(kCancelled));
        result.outcome = WriteOutcome::Cancelled;
        return result;
    }
    if (!batteryAllows())
        return result;
    const std::optional<qint64> row = m_journal.begin(entry);
    if (!row) {
        refuse(tr(kNoJournal).arg(m_journal.error()));
        return result;
    }
    const QString answer = sendChange(QStringLiteral("3b") + t.block + w.newHex);
    return finish(w, *row, result, answer);
}

WriteResult WriteGate::finish(const BlockWrite& w, qint64 row, WriteResult result, const QString& answer)
{
    const BlockTarget& t = w.target;
    const QString reply = link::withoutPendingNotes(answer);
    QString outcome;
    QString detail;
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
        const std::optional<QString> back = readBlock(t);
        result.readBack = back.value_or(QString());
        if (back == w.newHex) {
            m_host.log(accepted ? tr(kVerified) : tr(kTookIt));
            result.outcome = WriteOutcome::Verified;
            outcome = QString::fromLatin1(kOutcomeVerified);
        } else if (!accepted && (!back || *back == result.heldHex)) {
            m_host.log(back ? tr(kKeptOld) : tr(kNotReadBack));
            result.outcome = WriteOutcome::NoAnswer;
            outcome = QString::fromLatin1(kOutcomeNoAnswer);
        } else {
            m_host.log(back ? tr(kDiffers).arg(link::splitHEX(*back), link::splitHEX(w.newHex)) : tr(kNotReadBack));
            result.outcome = WriteOutcome::Differs;
            outcome = QString::fromLatin1(kOutcomeDiffers);
            const QString readText = QStringLiteral("read back: ") + back.value_or(QStringLiteral("none"));
            detail = detail.isEmpty() ? readText : detail + QStringLiteral("; ") + readText;
        }
    }
    if (!m_journal.complete(row, outcome, detail))
        m_host.log(tr(kJournalNotCompleted).arg(m_journal.error()));
    return result;
}

WriteResult WriteGate::restore(const JournalEntry& entry,
                               std::function<QStringList(const QString& heldHex)> describe)
{
    BlockWrite w;
    w.target = targetOf(entry.address, entry.block);
    w.newHex = entry.oldHex;
    w.title = tr("Восстановление блока");
    w.describe = std::move(describe);
    return writeBlock(w);
}

bool WriteGate::confirmClearing(const QStringList& modules)
{
    link::ChangeRequest request;
    request.title = tr("Стирание кодов ошибок");
    request.subject = tr("Коды ошибок будут стёрты в модулях:");
    request.changes = modules;
    request.kind = link::ChangeRequest::Kind::Clear;
    m_clearingAgreed = m_host.confirm(request);
    return m_clearingAgreed;
}

QString WriteGate::clearCodes()
{
    if (!m_clearingAgreed) {
        m_host.log(tr(kNotAgreed));
        return QString();
    }
    return link::cutCOM(m_session.adapter().writeRequest(QStringLiteral("14FF00"), false, link::WritePermit()));
}

bool WriteGate::confirmRestart(const QString& module)
{
    link::ChangeRequest request;
    request.title = tr("Перезагрузка модуля");
    request.subject = module;
    request.kind = link::ChangeRequest::Kind::Restart;
    m_restartAgreed = m_host.confirm(request);
    return m_restartAgreed;
}

QString WriteGate::restart()
{
    if (!m_restartAgreed) {
        m_host.log(tr(kNotAgreed));
        return QString();
    }
    m_restartAgreed = false; // one restart per agreement
    return sendChange(QStringLiteral("1101"));
}

} // namespace talmero::safety
