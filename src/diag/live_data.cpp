#include "diag/live_data.h"

#include "car/modules.h"
#include "diag/live_values.h"
#include "link/adapter.h"
#include "link/answer_text.h"
#include "link/codecs.h"
#include "link/host.h"
#include "link/session.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace talmero::diag {

PidSet supportedPids(const QString& answer0100)
{
    // A refusal or an adapter message is no map: every PID counts as unsupported.
    const std::optional<quint32> map = parseSupportMap(link::cutCOM(answer0100), 0x00);
    return map ? pidsOfMap(*map, 0x00) : PidSet();
}

bool pidSupported(const PidSet& pids, int pid)
{
    return pid >= 1 && pid < int(pids.size()) && pids.test(std::size_t(pid));
}

QString elapsedText(qint64 nanoseconds)
{
    return QCoreApplication::translate("LiveData", "%1 мс").arg(nanoseconds / 1000000);
}

int LiveRequest::pid() const
{
    return value ? value->pid : QByteArray(request).mid(2).toInt(nullptr, 16);
}

QString LiveRequest::command() const
{
    return value ? QStringLiteral("01%1").arg(value->pid, 2, 16, QLatin1Char('0')).toUpper() : QString::fromLatin1(request);
}

namespace {

// A mode 01 answer's length where a support map or the live-value table gives it; the
// other requests of the pass are asked as one line, and again when the answer is longer.
link::AnswerLength answerLength(const QString& command)
{
    bool ok = false;
    const int pid = command.mid(2).toInt(&ok, 16);
    if (!command.startsWith(QLatin1String("01")) || command.size() != 4 || !ok)
        return {};
    if (pid % 0x20 == 0)
        return link::answerWithData(4);
    for (const LiveValue& v : kLiveValues) {
        if (v.pid == pid)
            return link::answerWithData(v.bytes);
    }
    return {};
}

} // namespace

LiveData::LiveData(link::Session& session, link::Host& host) : m_session(session), m_host(host) {}

QString LiveData::send(const QString& command)
{
    return m_session.adapter().writeCOM(command, true, answerLength(command));
}

link::Outcome LiveData::readVoltage()
{
    if (const link::Outcome reset = m_session.resetAdapter(true); !reset.ok()) {
        m_host.log(reset.line);
        return reset;
    }
    const QString line = QCoreApplication::translate("LiveData", "Напряжение - ") + link::cutCOM(send(QStringLiteral("atrv")));
    m_host.log(line);
    return link::Outcome::done(line);
}

link::Outcome LiveData::timedPass()
{
    if (const link::Outcome opened = openEngine(); !opened.ok())
        return opened;
    // A monotonic clock: a wall-clock change during the pass must not show up in it.
    QElapsedTimer timer;
    PidSet pidBits;
    for (const LiveRequest& r : kLiveRequests) {
        if (r.pidMap)
            timer.start();
        m_host.log(QCoreApplication::translate("LiveData", r.label));
        if (r.onlyWhenAnnounced && !pidSupported(pidBits, r.pid())) {
            m_host.log(QStringLiteral("---"));
            continue;
        }
        const QString answer = send(r.command());
        if (r.pidMap)
            pidBits = supportedPids(answer);
    }
    const QString elapsed = elapsedText(timer.isValid() ? timer.nsecsElapsed() : 0);
    m_host.notify(elapsed);
    return link::Outcome::done(elapsed);
}

link::Outcome LiveData::openEngine()
{
    // The adapter is all that can fail here: the engine module is opened without a session.
    link::Outcome opened = m_session.openModule(car::kPcm, true, true, link::Session::Use::Obd);
    if (!opened.ok() && !opened.lost())
        opened.line = QCoreApplication::translate("LiveData", "! Неверный ответ адаптера");
    if (!opened.ok())
        m_host.log(opened.line);
    return opened;
}

} // namespace talmero::diag
