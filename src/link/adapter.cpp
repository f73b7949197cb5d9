#include "link/adapter.h"

#include "link/answer_text.h"
#include "link/codecs.h"
#include "link/channel.h"
#include "link/host.h"

#include <QElapsedTimer>
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

// Hex bytes and nothing else, blanks aside: a request to a module, not an AT or ST command.
bool isModuleRequest(const QString& command)
{
    QString hex = command;
    hex.remove(QLatin1Char(' '));
    if (hex.isEmpty() || hex.size() % 2 != 0)
        return false;
    for (const QChar c : hex) {
        if (hexDigitValue(c) < 0)
            return false;
    }
    return true;
}

constexpr int kFrameRequestBytes = 7; // what one CAN frame carries

// The wait after a read's last answer line an adapter without counts is set to: past the
// longest whole read seen (which includes the module's answer time), in steps of 16 ms so
// that it is not set again for every few milliseconds more.
constexpr int kWaitMarginMs = 16;
constexpr int kTimeoutStepMs = 4;
constexpr int kDefaultTimeoutSteps = 0x32;

int readTimeoutSteps(int longestReadMs)
{
    if (longestReadMs <= 0)
        return 0;
    const int ms = (longestReadMs + 2 * kWaitMarginMs - 1) / kWaitMarginMs * kWaitMarginMs;
    const int steps = ms / kTimeoutStepMs;
    return steps >= kDefaultTimeoutSteps ? 0 : steps;
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
    // STPX H:720,D:3B00...: the data field is the request.
    if (request.startsWith(QLatin1String("STPX"))) {
        const qsizetype data = request.indexOf(QLatin1String("D:"));
        request = data < 0 ? QString() : request.mid(data + 2);
    }
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
    if (isModuleRequest(command))
        return moduleRequest(command, 0, logIt, false).answer;
    return exchange(command, logIt);
}

QString Adapter::writeCOM(const QString& command, bool logIt, AnswerLength length)
{
    if (refusedAsUnprintable(command) || refusedAsChange(command))
        return QString();
    if (!isModuleRequest(command))
        return exchange(command, logIt);
    QString key = command.toUpper();
    key.remove(QLatin1Char(' '));
    key.prepend(m_header + QLatin1Char(' '));
    Learned known = m_learned.value(key);
    // An answer of unknown length is asked for as one line: a longer one says its length
    // in its first line, and one more short exchange costs less than the adapter's time-out.
    const int lines = known.lines > 0 ? known.lines : length.known() ? canFrames(length.bytes) : 1;
    Sent sent = moduleRequest(command, lines + (known.busyFirst ? 1 : 0), logIt, known.busyFirst);
    QString rest = withoutPendingNotes(cutCOM(sent.answer));
    const bool busy = rest != cutCOM(sent.answer);
    known.busyFirst = known.busyFirst || busy;
    if (sent.counted) {
        const ClassifiedAnswer got = classifyAnswer(sent.answer);
        const int announced = announcedFrames(rest);
        // The count ended the answer early: at the module's "busy" line (it counts as one),
        // or before the frames its length line announced. What followed is lost: the chip
        // stopped listening at its prompt.
        const bool cutByBusy = busy && (got.kind == ClassifiedAnswer::Kind::Busy || got.kind == ClassifiedAnswer::Kind::Cut);
        if (cutByBusy || announced > lines) {
            if (cutByBusy && !m_pendingLogged) {
                m_host.log(tr("* Модуль попросил подождать ответа (7F %1 78): запрос повторён с ещё одной строкой ответа")
                               .arg(cutCOM(sent.answer).mid(2, 2)));
                m_pendingLogged = true;
            }
            sent = moduleRequest(command, qMax(lines, announced) + (known.busyFirst ? 1 : 0), logIt, known.busyFirst);
            rest = withoutPendingNotes(cutCOM(sent.answer));
        }
    } else if (busy && rest.isEmpty()) {
        // Without a count the chip's shortened wait ran out after the busy line: once more
        // with the whole time-out.
        sent = moduleRequest(command, 0, logIt, true);
        rest = withoutPendingNotes(cutCOM(sent.answer));
    }
    if (classifyAnswer(sent.answer).kind == ClassifiedAnswer::Kind::Data)
        known.lines = qMax(1, announcedFrames(rest));
    if (known.lines > 0 || known.busyFirst)
        m_learned.insert(key, known);
    return sent.answer;
}

QString Adapter::writeRequest(const QString& command, bool logIt, const WritePermit&)
{
    if (refusedAsUnprintable(command))
        return QString();
    // A block write's outcome is settled by reading the block back, whatever its answer: it
    // may carry a count. Clearing and a restart have nothing to read back: they wait for it.
    const QString service = command.trimmed().left(2).toUpper();
    const int lines = service == QLatin1String("3B") ? 1 : 0;
    const QString answer = isModuleRequest(command) ? moduleRequest(command, lines, logIt, true).answer
                                                    : exchange(command, logIt);
    const QString cut = cutCOM(answer);
    // Busy and nothing after it: the module's real answer may still come.
    if (cut.isEmpty() || !withoutPendingNotes(cut).isEmpty() || linkLost())
        return answer;
    const QString following = awaitFollowing(logIt);
    return following.isEmpty() ? answer : answer + QLatin1Char(' ') + following;
}

Adapter::Sent Adapter::moduleRequest(const QString& request, int lines, bool logIt, bool wholeWait)
{
    QString data = request.toUpper();
    data.remove(QLatin1Char(' '));
    if (m_oneLine && !m_header.isEmpty()) {
        QString line = QStringLiteral("STPX H:%1, D:%2").arg(m_header, data);
        if (lines > 0)
            line += QStringLiteral(", R:%1").arg(lines);
        const QString answer = exchange(line, logIt);
        if (cutCOM(answer) != QLatin1String("?"))
            return {answer, lines > 0};
        // Older firmware knows no STPX: the header goes as an ELM327 takes it.
        m_oneLine = false;
        m_host.log(tr("* Адаптер не принимает запрос одной строкой (STPX): дальше заголовок и запрос идут отдельно"));
    }
    if (!m_header.isEmpty() && m_header != m_chipHeader) {
        const QString header = exchange(QStringLiteral("ATSH") + m_header, logIt);
        if (cutCOM(header) != QLatin1String("OK"))
            return {header, false};
    }
    const bool fullFrame = data.size() == 2 * kFrameRequestBytes;
    const QString counted = m_answerCounts && lines > 0 && !(fullFrame && m_noCountOnFullFrame)
                                ? withAnswerCount(request, lines)
                                : request;
    if (counted == request) {
        prepareWait(wholeWait, logIt);
        QElapsedTimer clock;
        clock.start();
        const QString answer = exchange(request, logIt);
        if (!wholeWait)
            measureAnswer(clock.elapsed(), answer);
        return {answer, false};
    }
    const QString answer = exchange(counted, logIt);
    if (cutCOM(answer) != QLatin1String("?"))
        return {answer, true};
    // Many adapters that call themselves v1.5 know no count. If the plain request is
    // refused too, the count was not what the adapter refused.
    prepareWait(wholeWait, logIt);
    const QString plain = exchange(request, logIt);
    // A chip may take no digit after a request that fills a whole frame, and take counts
    // on shorter ones.
    const bool plainTaken = !plain.isEmpty() && cutCOM(plain) != QLatin1String("?");
    if (plainTaken && fullFrame) {
        m_noCountOnFullFrame = true;
    } else if (plainTaken) {
        m_answerCounts = false;
        m_host.log(tr("* Адаптер не принимает число ответов в запросе: дальше запросы идут без него"));
    }
    return {plain, false};
}

// An adapter without counts: adaptive timing at its most eager for every request, and for
// reads the time-out cut to what this connection's reads took, with a margin. A slower
// module would be taken for a silent one: the time-out is never below the longest whole
// read measured, which includes the module's answer time and the chip's own wait.
void Adapter::prepareWait(bool wholeWait, bool logIt)
{
    if (!m_tunedWaits || m_answerCounts || m_oneLine)
        return;
    if (!m_eagerTiming)
        exchange(QStringLiteral("ATAT2"), logIt);
    const int steps = wholeWait ? 0 : readTimeoutSteps(m_longestReadMs);
    if (steps != m_timeoutSteps)
        exchange(QStringLiteral("ATST%1").arg(steps, 2, 16, QLatin1Char('0')).toUpper(), logIt);
}

void Adapter::measureAnswer(qint64 ms, const QString& answer)
{
    // Only what a module answered at once tells its answer time: NO DATA is the time-out
    // itself, and a busy module took its own time.
    using Kind = ClassifiedAnswer::Kind;
    const Kind kind = classifyAnswer(answer).kind;
    const bool busy = withoutPendingNotes(cutCOM(answer)) != cutCOM(answer);
    if (m_tunedWaits && !m_answerCounts && !busy && (kind == Kind::Data || kind == Kind::Refusal))
        m_longestReadMs = int(qMax<qint64>(m_longestReadMs, ms));
}

// What the chip holds after a command it took: its header, its waiting, or its defaults
// again after a reset.
void Adapter::noteSetting(const QString& upper, const QString& cut)
{
    QString command = upper;
    command.remove(QLatin1Char(' '));
    if (command == QLatin1String("ATZ") || command == QLatin1String("ATWS") || command == QLatin1String("ATD")) {
        // Its default header is nobody's module: the next module is selected anew.
        m_header.clear();
        m_chipHeader.clear();
        m_eagerTiming = false;
        m_timeoutSteps = 0;
        return;
    }
    if (cut != QLatin1String("OK"))
        return;
    if (command.startsWith(QLatin1String("ATSH"))) {
        m_chipHeader = command.mid(4);
        m_header = m_chipHeader;
    } else if (command.startsWith(QLatin1String("ATAT")) && command.size() == 5) {
        m_eagerTiming = command.endsWith(QLatin1Char('2'));
    } else if (command.startsWith(QLatin1String("ATST")) && command.size() == 6) {
        const int steps = command.mid(4).toInt(nullptr, 16);
        m_timeoutSteps = steps == kDefaultTimeoutSteps ? 0 : steps;
    }
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
        const bool reset = upper == QLatin1String("ATZ") || upper == QLatin1String("ATWS");
        timeout.start(reset ? kResetTimeoutMs : kAnswerTimeoutMs);
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
    noteSetting(upper, cutCOM(answer));

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
