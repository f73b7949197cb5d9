#include "safety/change_requests.h"

#include "link/answer_text.h"
#include "link/host.h"
#include "link/session.h"
#include "safety/gate_context.h"
#include "safety/gate_texts.h"

namespace talmero::safety {

using namespace gate_texts;

link::Outcome ChangeRequests::ask(link::ChangeRequest request)
{
    if (const link::Outcome journal = m_gate.journalReady(); !journal.ok())
        return journal;
    // Recorded under the car's VIN, as a write is.
    m_gate.vin.find(nullptr, CarVinFinder::Purpose::Change);
    const std::optional<double> volts = m_gate.battery();
    if (const link::Outcome battery = m_gate.batteryAllows(volts); !battery.ok())
        return battery;
    m_gate.showBattery(volts);
    request.battery = QString::number(*volts, 'f', 1);
    request.warnings += m_gate.vin.warnings();
    return m_gate.host.confirm(request) ? link::Outcome::done() : link::Outcome::failed(link::Outcome::Kind::Cancelled, QString());
}

link::Outcome ChangeRequests::confirmClearing(const QStringList& titles, const QList<const car::Module*>& modules)
{
    link::ChangeRequest request;
    request.title = tr("Стирание кодов ошибок");
    request.subject = tr("Коды ошибок будут стёрты в модулях:");
    request.changes = titles;
    request.kind = link::ChangeRequest::Kind::Clear;
    const link::Outcome agreed = ask(request);
    m_clearingAgreed.clear();
    if (agreed.ok()) {
        for (const car::Module* m : modules)
            m_clearingAgreed << car::qs(m->address);
    }
    return agreed;
}

// The request goes only to the module it was agreed for, and only while that one is open:
// the adapter may have moved to another module since.
link::Outcome ChangeRequests::mayRequest(QStringList& agreed, const QString& address)
{
    const QString open = m_gate.session.openAddress();
    if (!agreed.contains(address) || open != address) {
        const QString line = !agreed.contains(address) ? tr(kNotAgreed)
                                                       : tr("! Открыт модуль %1, а не %2: запрос не отправлен").arg(open, address);
        m_gate.host.log(line);
        return link::Outcome::failed(link::Outcome::Kind::Refused, line);
    }
    agreed.removeOne(address); // one request per agreement
    return link::Outcome::done();
}

link::Outcome ChangeRequests::clearCodes(const car::Module& module)
{
    const QString address = car::qs(module.address);
    if (const link::Outcome may = mayRequest(m_clearingAgreed, address); !may.ok())
        return may;
    return sendRecorded(QString::fromLatin1(kKindClearing), address, QStringLiteral("14FF00"), QStringLiteral("54"));
}

link::Outcome ChangeRequests::confirmRestart(const QString& title, const car::Module& module)
{
    link::ChangeRequest request;
    request.title = tr("Перезагрузка модуля");
    request.subject = title;
    request.changes = {tr("Модуль перезагрузится: его функции остановятся на несколько секунд")};
    request.kind = link::ChangeRequest::Kind::Restart;
    const link::Outcome agreed = ask(request);
    m_restartAgreed = agreed.ok() ? QStringList{car::qs(module.address)} : QStringList();
    return agreed;
}

link::Outcome ChangeRequests::restart(const car::Module& module)
{
    const QString address = car::qs(module.address);
    if (const link::Outcome may = mayRequest(m_restartAgreed, address); !may.ok())
        return may;
    return sendRecorded(QString::fromLatin1(kKindRestart), address, QStringLiteral("1101"), QStringLiteral("51"));
}

// A restart or clearing: battery, a row before the request, its outcome after.
link::Outcome ChangeRequests::sendRecorded(const QString& kind, const QString& address, const QString& command,
                                           const QString& accepted)
{
    if (const link::Outcome battery = m_gate.batteryAllows(m_gate.batteryBeforeWrite()); !battery.ok())
        return battery;
    JournalEntry entry = m_gate.row();
    entry.kind = kind;
    entry.address = address;
    const std::optional<qint64> row = m_gate.journal.begin(entry);
    if (!row)
        return m_gate.refuse(tr(kNoJournal).arg(m_gate.journal.error()));
    const QString reply = link::withoutPendingNotes(m_gate.sendChange(command, m_permit));
    const bool lost = m_gate.linkLost();
    const bool refused = !reply.startsWith(accepted) && link::negativeReason(reply) >= 0;
    const QString outcome = reply.startsWith(accepted) ? QString::fromLatin1(kOutcomeAccepted)
        : refused                                     ? QString::fromLatin1(kOutcomeRefused)
                                                      : QString::fromLatin1(kOutcomeNoAnswer);
    // The kind of answer, never the adapter's own marker of a lost port.
    const QString missing = lost ? QStringLiteral("connection lost")
        : reply.isEmpty()        ? QStringLiteral("none")
                                 : link::printableForLog(reply);
    const QString detail = refused ? reply.left(6)
        : outcome == QLatin1String(kOutcomeNoAnswer) ? QStringLiteral("answer: ") + missing
                                                     : QString();
    if (!m_gate.journal.complete(*row, outcome, detail))
        m_gate.note(tr(kJournalNotCompleted).arg(m_gate.journal.error()));
    if (reply.startsWith(accepted))
        return link::Outcome::done();
    if (lost)
        return link::Session::linkLost();
    return link::Outcome::failed(link::Outcome::Kind::Failed, tr(kWrongAnswer) + link::negativeAnswerNote(reply));
}

} // namespace talmero::safety
