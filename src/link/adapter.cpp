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

bool Adapter::refusedAsChange(const QString& command)
{
    if (!changesModule(command))
        return false;
    m_host.log(tr("! Запрос изменения модуля без проверки не отправлен: %1").arg(command.toUpper()));
    return true;
}

QString Adapter::writeCOM(const QString& command, bool logIt)
{
    if (refusedAsUnprintable(command) || refusedAsChange(command))
        return QString();
    return exchange(command, logIt);
}

QString Adapter::writeCOM(const QString& command, bool logIt, AnswerLength length)
{
    if (refusedAsUnprintable(command) || refusedAsChange(command))
        return QString();
    // An answer of unknown length is asked for as one line: a longer one says its length
    // in its first line, and one more short exchange costs less than the adapter's time-out.
    const int lines = length.known() ? canFrames(length.bytes) : 1;
    const QString counted = m_answerCounts ? withAnswerCount(command, lines) : command;
    if (counted == command)
        return exchange(command, logIt);

    const QString answer = exchange(counted, logIt);
    const QString cut = cutCOM(answer);
    if (cut == QLatin1String("?")) {
        // Many adapters that call themselves v1.5 know no count. If the plain request is
        // refused too, the count was not what the adapter refused.
        const QString plain = exchange(command, logIt);
        if (!plain.isEmpty() && cutCOM(plain) != QLatin1String("?")) {
            m_answerCounts = false;
            m_host.log(tr("* Адаптер не принимает число ответов в запросе: дальше запросы идут без него"));
        }
        return plain;
    }
    if (withoutPendingNotes(cut) != cut) {
        // The adapter stopped at the module's "wait" line; the real answer came after it.
        if (!m_pendingLogged)
            m_host.log(tr("* Модуль попросил подождать ответа (7F %1 78): запрос повторён без числа ответов").arg(cut.mid(2, 2)));
        m_pendingLogged = true;
        return exchange(command, logIt);
    }
    if (const int announced = announcedFrames(cut); announced > lines)
        return exchange(withAnswerCount(command, announced), logIt);
    return answer;
}

QString Adapter::writeRequest(const QString& command, bool logIt, const WritePermit&)
{
    if (refusedAsUnprintable(command))
        return QString();
    const QString answer = exchange(command, logIt);
    const QString cut = cutCOM(answer);
    // Busy and nothing after it: the module's real answer may still come.
    if (cut.isEmpty() || !withoutPendingNotes(cut).isEmpty() || linkLost())
        return answer;
    const QString following = awaitFollowing(logIt);
    return following.isEmpty() ? answer : answer + QLatin1Char(' ') + following;
}

QString Adapter::awaitFollowing(bool logIt)
{
    if (m_loop || !m_channel)
        return QString();
    QPointer<Adapter> self(this);
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    timeout.setTimerType(Qt::PreciseTimer);
    connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    m_upper.clear();
    m_answer.clear();
    m_answered = false;
    m_loop = &loop;
    timeout.start(kAnswerTimeoutMs);
    loop.exec();
    if (!self)
        return QString();
    m_loop = nullptr;
    if (!m_answered || m_answer == kReadError)
        return QString();
    if (logIt)
        m_host.log(QStringLiteral("< ") + printableForLog(m_answer.left(qMax<qsizetype>(0, m_answer.size() - 2))));
    return m_answer;
}

QString Adapter::exchange(const QString& command, bool logIt)
{
    // An ELM327 repeats its previous command on a bare CR, and that one may have been
    // a write; a second exchange inside a waiting one would take its answer.
    if (m_loop || command.trimmed().isEmpty() || !m_channel)
        return QString();

    QPointer<Adapter> self(this);
    awaitDuePrompt();
    if (!self || !m_channel)
        return QString();

    const QString upper = asSent(command);
    if (logIt)
        m_host.log(QStringLiteral("> ") + upper);

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
        m_promptDue = !m_quiet;
    }
    const QString echo = upper + QLatin1Char(' ');
    if (answer.startsWith(echo))
        answer.remove(0, echo.size());

    if (logIt)
        m_host.log(QStringLiteral("< ") + printableForLog(answer.left(qMax<qsizetype>(0, answer.size() - 2))));
    return answer;
}

// A command sent while the adapter still works on one that timed out is lost, or takes
// part of the time the next answer is given: the late prompt is waited for first.
void Adapter::awaitDuePrompt()
{
    if (!m_promptDue || linkLost())
        return;
    m_promptDue = false;
    QPointer<Adapter> self(this);
    QEventLoop loop;
    QTimer bound;
    bound.setSingleShot(true);
    bound.setTimerType(Qt::PreciseTimer);
    connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
    m_loop = &loop;
    m_draining = true;
    m_answered = false;
    bound.start(kDuePromptWaitMs);
    loop.exec();
    if (!self)
        return;
    m_loop = nullptr;
    m_draining = false;
    // Nothing came: a silent adapter is not waited for again until it says something.
    m_quiet = !m_answered;
}

qsizetype Adapter::lateAnswerOf(const QString& text) const
{
    // The echo is the command as it went out, then its CR: "1087" and "1087 1" are two
    // requests, and the answer of one is never taken for the other's.
    qsizetype from = 0;
    while (from < text.size() && text[from].unicode() <= 32)
        ++from;
    for (qsizetype i = 0; i < m_unanswered.size(); ++i) {
        const QString& earlier = m_unanswered[i];
        const qsizetype end = from + earlier.size();
        if (earlier != m_upper && end < text.size() && QStringView(text).mid(from, earlier.size()) == earlier
            && (text[end] == u'\r' || text[end] == u'\n'))
            return i;
    }
    return -1;
}

void Adapter::takeBatch(const QByteArray& batch)
{
    // Whatever came ended with a prompt: the adapter listens again.
    m_quiet = false;
    m_promptDue = false;
    // Nobody is waiting, or the answer is in: a late answer, or a second one after ours.
    if (!m_loop || m_answered)
        return;
    QString text = QString::fromLatin1(batch);
    // Some USB adapters with an STN chip send a few NULs while they reset: part of no text.
    if (m_upper == QLatin1String("ATZ") || m_upper == QLatin1String("ATWS"))
        text.remove(QChar(0));
    // A NUL from a confused adapter ends the text, as it always has.
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);
    // The echo of a command that timed out earlier: its answer, not ours. Keep waiting.
    const qsizetype late = lateAnswerOf(text);
    squeezeCOM(text);
    if (late >= 0)
        m_unanswered.removeAt(late);
    if (m_draining) {
        m_answered = true;
        m_loop->quit();
        return;
    }
    if (late >= 0)
        return;
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
