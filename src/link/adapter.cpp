#include "link/adapter.h"

#include "link/answer_text.h"
#include "link/channel.h"
#include "link/host.h"

#include <QEventLoop>
#include <QTimer>

namespace talmero::link {

const QString Adapter::kReadError = QStringLiteral("Ошибка чтения");

namespace {
constexpr qsizetype kMaxUnanswered = 16;

// The command as it goes out: ASCII letters upper-cased, nothing else touched.
QString asSent(const QString& command)
{
    QString upper = command;
    for (QChar& c : upper) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return upper;
}

// A CR or LF inside a command would end it there and start another one.
bool printableAscii(const QString& command)
{
    for (const QChar c : command) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return false;
    }
    return true;
}
} // namespace

Adapter::Adapter(Channel& channel, Host& host, QObject* parent)
    : QObject(parent), m_channel(&channel), m_host(host)
{
    connect(&channel, &Channel::batchReceived, this, &Adapter::takeBatch);
    connect(&channel, &Channel::readFailed, this, &Adapter::takeReadFailure);
}

bool Adapter::changesModule(const QString& command)
{
    // Judged on what the adapter would get: it skips blanks and takes either case.
    QString request = asSent(command);
    request.remove(QLatin1Char(' '));
    const QString service = request.left(2);
    return service == QLatin1String("3B") || service == QLatin1String("14")
        || service == QLatin1String("11");
}

bool Adapter::refusedAsUnprintable(const QString& command)
{
    if (printableAscii(command))
        return false;
    m_host.log(tr("! Команда с управляющими или непечатаемыми символами не отправлена: %1")
                   .arg(printableForLog(command)));
    return true;
}

QString Adapter::writeCOM(const QString& command, bool logIt)
{
    if (refusedAsUnprintable(command))
        return QString();
    if (changesModule(command)) {
        m_host.log(tr("! Запрос изменения модуля без проверки не отправлен: %1").arg(command.toUpper()));
        return QString();
    }
    return exchange(command, logIt);
}

QString Adapter::writeRequest(const QString& command, bool logIt, const WritePermit&)
{
    if (refusedAsUnprintable(command))
        return QString();
    return exchange(command, logIt);
}

QString Adapter::exchange(const QString& command, bool logIt)
{
    // An ELM327 repeats its previous command on a bare CR, and that one may have been
    // a write; a second exchange inside a waiting one would take its answer.
    if (m_loop || command.trimmed().isEmpty() || !m_channel)
        return QString();

    const QString upper = asSent(command);
    if (logIt)
        m_host.log(QStringLiteral("> ") + upper);

    QPointer<Adapter> self(this);
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    timeout.setTimerType(Qt::PreciseTimer);
    connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);

    m_upper = upper;
    m_answer.clear();
    m_answered = false;
    m_loop = &loop; // set before sending: an in-process adapter may answer at once
    m_channel->discardInput();
    m_channel->sendCommand(upper.toLatin1() + '\r');
    if (!m_answered && m_channel->isOpen()) { // a lost port will not answer: no need to wait
        timeout.start(kAnswerTimeoutMs);
        loop.exec();
    }
    if (!self) // the window went away while we waited
        return QString();
    m_loop = nullptr;

    QString answer = m_answered ? m_answer : QString();
    if (!m_answered) {
        m_unanswered.append(upper);
        if (m_unanswered.size() > kMaxUnanswered)
            m_unanswered.removeFirst();
    }
    const QString echo = upper + QLatin1Char(' ');
    if (answer.startsWith(echo))
        answer.remove(0, echo.size());

    if (logIt)
        m_host.log(QStringLiteral("< ") + printableForLog(answer.left(qMax<qsizetype>(0, answer.size() - 2))));
    return answer;
}

qsizetype Adapter::lateAnswerOf(const QString& squeezed) const
{
    for (qsizetype i = 0; i < m_unanswered.size(); ++i) {
        const QString& earlier = m_unanswered[i];
        if (earlier != m_upper && squeezed.startsWith(earlier + QLatin1Char(' ')))
            return i;
    }
    return -1;
}

void Adapter::takeBatch(const QByteArray& batch)
{
    // Nobody is waiting, or the answer is in: a late answer, or a second one after ours.
    if (!m_loop || m_answered)
        return;
    QString text = QString::fromLatin1(batch);
    // A NUL from a confused adapter ends the text, as it always has.
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);
    squeezeCOM(text);
    // The echo of a command that timed out earlier: its answer, not ours. Keep waiting.
    if (const qsizetype late = lateAnswerOf(text); late >= 0) {
        m_unanswered.removeAt(late);
        return;
    }
    m_answer = text;
    m_answered = true;
    m_loop->quit();
}

void Adapter::takeReadFailure()
{
    if (!m_loop)
        return;
    m_answer = kReadError;
    m_answered = true;
    m_loop->quit();
}

} // namespace talmero::link
