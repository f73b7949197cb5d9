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

// The write gate's requests that change a module without a block: a restart and clearing
// trouble codes, each agreed to once, for the module it names.
namespace talmero::safety {

using namespace gate_texts;

// A restart or clearing: only with a journal to record it and a battery that allows it,
// whose voltage the question shows.
bool WriteGate::askForChange(link::ChangeRequest request)
{
    m_declined = false;
    if (!journalReady())
        return false;
    // Recorded under the car's VIN, as a write is.
    m_vin.find();
    const std::optional<double> volts = battery();
    if (!batteryAllows(volts))
        return false;
    m_shownVolts = volts;
    m_shownAt.start();
    request.battery = QString::number(*volts, 'f', 1);
    request.warnings += m_vin.warnings();
    const bool agreed = m_host.confirm(request);
    m_declined = !agreed;
    return agreed;
}

bool WriteGate::confirmClearing(const QStringList& modules, const QStringList& addresses)
{
    link::ChangeRequest request;
    request.title = tr("Стирание кодов ошибок");
    request.subject = tr("Коды ошибок будут стёрты в модулях:");
    request.changes = modules;
    request.kind = link::ChangeRequest::Kind::Clear;
    m_clearingAgreed = askForChange(request) ? addresses : QStringList();
    return !m_clearingAgreed.isEmpty();
}

// The request goes only to the module it was agreed for, and only while that one is open:
// the adapter may have moved to another module since.
bool WriteGate::mayRequest(QStringList& agreed, const QString& address)
{
    if (!agreed.contains(address)) {
        m_host.log(tr(kNotAgreed));
        return false;
    }
    if (m_session.openAddress() != address) {
        m_host.log(tr("! Открыт модуль %1, а не %2: запрос не отправлен").arg(m_session.openAddress(), address));
        return false;
    }
    agreed.removeOne(address); // one request per agreement
    return true;
}

QString WriteGate::clearCodes(const QString& address)
{
    if (!mayRequest(m_clearingAgreed, address))
        return QString();
    return sendRecorded(QString::fromLatin1(kKindClearing), address, QStringLiteral("14FF00"), QStringLiteral("54"));
}

bool WriteGate::confirmRestart(const QString& module, const QString& address)
{
    link::ChangeRequest request;
    request.title = tr("Перезагрузка модуля");
    request.subject = module;
    request.changes = {tr("Модуль перезагрузится: его функции остановятся на несколько секунд")};
    request.kind = link::ChangeRequest::Kind::Restart;
    m_restartAgreed = askForChange(request) ? QStringList{address} : QStringList();
    return !m_restartAgreed.isEmpty();
}

QString WriteGate::restart(const QString& address)
{
    if (!mayRequest(m_restartAgreed, address))
        return QString();
    return sendRecorded(QString::fromLatin1(kKindRestart), address, QStringLiteral("1101"), QStringLiteral("51"));
}

// A restart or clearing: battery, a row before the request, its outcome after.
QString WriteGate::sendRecorded(const QString& kind, const QString& address, const QString& command,
                                const QString& accepted)
{
    if (!batteryAllows(batteryBeforeWrite()))
        return QString();
    bool typed = false;
    JournalEntry entry;
    entry.kind = kind;
    entry.vin = m_vin.known(&typed);
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
    // The kind of answer, never the adapter's own marker of a lost port.
    const QString missing = linkLost() ? QStringLiteral("connection lost")
        : reply.isEmpty()              ? QStringLiteral("none")
                                       : link::printableForLog(reply);
    const QString detail = refused ? reply.left(6)
        : outcome == QLatin1String(kOutcomeNoAnswer) ? QStringLiteral("answer: ") + missing
                                                     : QString();
    if (!m_journal.complete(*row, outcome, detail))
        m_host.log(tr(kJournalNotCompleted).arg(m_journal.error()));
    return answer;
}

} // namespace talmero::safety
