#include "sim/elm327.h"

#include "sim/can_frames.h"
#include "sim/car.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace talmero::sim {

namespace {

const QByteArray kBanner = "ELM327 v1.5";
const QByteArray kOldBanner = "ELM327 v1.2"; // before answer counts
const QByteArray kStnBanner = "ELM327 v1.4b"; // what an STN chip calls itself
const QByteArray kStnFirmware = "STN2120 v5.6.5";
const QByteArray kStnDevice = "TALMERO virtual STN adapter r1.0";
const QByteArray kDescription = "OBDII to RS232 Interpreter";
const QByteArray kHighSpeedName = "ISO 15765-4 (CAN 11/500)";
const QByteArray kMediumSpeedName = "USER1 (CAN 11/125)";
// What a confused adapter or a babbling module prints: no hex, no prompt character.
const QByteArray kGarbage = "\xFE\x7F?\x13 8#~\xC0\xA7 @";
constexpr int kMaxRequestBytes = 7; // one CAN frame with auto-formatting
constexpr int kMaxFrameBytes = 8;   // one CAN frame as given, auto-formatting off
constexpr int kElevenBits = 0x7FF;

// What an adapter with odd habits prints after the first frame of a multi-frame answer;
// it stops listening there.
struct OddText {
    FaultKind kind;
    const char* text;
};
constexpr OddText kOddTexts[] = {
    {FaultKind::Stopped, "STOPPED"},
    {FaultKind::CanError, "CAN ERROR"},
    {FaultKind::BufferFull, "BUFFER FULL"},
    {FaultKind::BusInitError, "BUS INIT: ...ERROR"},
};

// The last hex digit of the line arrives as a letter O: "B0" as "BO".
void garbleLastDigit(QByteArray& line)
{
    for (qsizetype i = line.size() - 1; i >= 0; --i) {
        if (isxdigit(uchar(line[i]))) {
            line[i] = 'O';
            return;
        }
    }
}

// Settings the adapter accepts that change nothing this car shows: memory, long
// messages, protocol close.
const QByteArray kAcceptedSettings[] = {"M0", "M1", "AL", "NL", "PC"};
// The model's longest wait after an answer with adaptive timing AT1 and AT2: the data
// sheet publishes no algorithm, only that AT2 is the more aggressive.
constexpr int kAdaptiveCapMs[] = {0, 100, 60};

bool isHexText(const QByteArray& text)
{
    for (char c : text) {
        if (!isxdigit(uchar(c)))
            return false;
    }
    return true;
}

} // namespace

Elm327::Elm327(Car& car, SwitchMode mode, QObject* parent)
    : QObject(parent), m_car(car), m_switchMode(mode)
{
    m_answerTimer.setSingleShot(true);
    m_answerTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_answerTimer, &QTimer::timeout, this, &Elm327::answerDue);
    m_wireTimer.setSingleShot(true);
    m_wireTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_wireTimer, &QTimer::timeout, this, &Elm327::wireDue);
    m_clock.start();
}

void Elm327::receive(const QByteArray& bytes)
{
    switch (m_car.fault(Car::kAdapter)) {
    case FaultKind::Silent:
        return;
    case FaultKind::Late:
        // The whole adapter lags behind, echo included.
        QTimer::singleShot(kLateMs, Qt::PreciseTimer, this, [this, bytes] { process(bytes); });
        return;
    default:
        process(bytes);
    }
}

void Elm327::process(const QByteArray& bytes)
{
    QByteArray echo;
    auto flushEcho = [&] {
        if (!echo.isEmpty())
            write(echo);
        echo.clear();
    };
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (m_holding) {
            m_held += bytes.mid(i);
            break;
        }
        if (c != '\r' && uchar(c) < 0x20)
            continue; // line feeds and other control characters are ignored
        if (m_running) {
            // Any character aborts the request in progress; the character itself is lost.
            flushEcho();
            m_answerTimer.stop();
            m_steps.clear();
            m_running = false;
            write(render(Answer{{"STOPPED"}}));
            continue;
        }
        if (m_echo)
            echo += c;
        if (c != '\r') {
            m_line += c;
            continue;
        }
        flushEcho();
        const QByteArray line = m_line;
        m_line.clear();
        runLine(line);
    }
    flushEcho();
}

void Elm327::runLine(const QByteArray& line)
{
    QByteArray cmd;
    for (char c : line) {
        if (c != ' ')
            cmd += char(toupper(uchar(c)));
    }
    if (cmd.isEmpty()) {
        cmd = m_lastCommand; // a lone CR repeats the previous command
        if (cmd.isEmpty()) {
            deliver(Answer{});
            return;
        }
    }
    m_lastCommand = cmd;

    const FaultKind adapterFault = m_car.fault(Car::kAdapter);
    Answer answer;
    if (adapterFault == FaultKind::Negative)
        answer.lines = {"?"};
    else if (cmd.startsWith("AT"))
        answer = atCommand(cmd.mid(2));
    else if (m_chip == Chip::Stn && cmd.startsWith("ST"))
        answer = stCommand(cmd.mid(2));
    else
        answer = request(cmd);
    if (adapterFault != FaultKind::Late)
        applyFault(int(adapterFault), answer);
    deliver(answer);
}

Elm327::Answer Elm327::atCommand(const QByteArray& cmd)
{
    Answer a;
    a.lines = {"OK"};
    auto flag = [&](const QByteArray& name, bool& setting) {
        if (cmd.size() == name.size() + 1 && cmd.startsWith(name)
            && (cmd.back() == '0' || cmd.back() == '1')) {
            setting = cmd.back() == '1';
            return true;
        }
        return false;
    };
    const QByteArray banner = m_chip == Chip::Stn ? kStnBanner : m_chip == Chip::Elm327V12 ? kOldBanner : kBanner;
    if (cmd == "Z" || cmd == "WS") {
        reset();
        a.resetBanner = true;
        // ATZ runs the LED test; ATWS restarts without it, in the reply time only.
        if (cmd == "Z" && m_timing == Timing::Elm)
            a.firstMs = m_resetMs;
        // A USB STN adapter's bridge passes a few NULs while the chip restarts.
        a.lines = {m_chip == Chip::Stn ? QByteArray(3, '\0') + banner : banner};
    } else if (cmd == "D") {
        reset();
    } else if (flag("E", m_echo) || flag("L", m_linefeeds) || flag("S", m_spaces)
               || flag("H", m_headers) || flag("CAF", m_autoFormat)
               || flag("CFC", m_flowControl)) {
    } else if (std::find(std::begin(kAcceptedSettings), std::end(kAcceptedSettings), cmd)
               != std::end(kAcceptedSettings)) {
    } else if (cmd.startsWith("ST") && cmd.size() == 4 && isHexText(cmd.mid(2))) {
        // In 4 ms steps; 00 is no time-out but the default again.
        const int steps = cmd.mid(2).toInt(nullptr, 16);
        m_timeoutSteps = steps == 0 ? kDefaultTimeoutSteps : steps;
    } else if (cmd.size() == 3 && cmd.startsWith("AT") && cmd[2] >= '0' && cmd[2] <= '2') {
        m_adaptive = cmd[2] - '0';
    } else if ((cmd.startsWith("SP") || cmd.startsWith("TP")) && cmd.size() >= 3) {
        QByteArray p = cmd.mid(2);
        if (p.size() == 2 && p[0] == 'A')
            p = "0"; // automatic, starting with the given one: the same here
        if (p != "0" && p != "6" && p != "B")
            return Answer{{"?"}};
        m_protocol = p[0];
        m_autoFound = false;
        if (m_chip == Chip::Stn)
            m_car.setSwitchMedium(false); // every ELM327 protocol uses the high-speed pins
        else if (m_switchMode == SwitchMode::Auto)
            m_car.setSwitchMedium(m_protocol == 'B');
    } else if (cmd.startsWith("SH") && (cmd.size() == 5 || cmd.size() == 8)
               && isHexText(cmd.mid(2))) {
        // Both buses carry 11-bit identifiers: of a six-digit (29-bit) header the adapter
        // sends only the rightmost 11 bits, so 00 07 E0 is 7E0 and DA 10 F1 is 0F1.
        m_header = cmd.mid(2).toInt(nullptr, 16) & kElevenBits;
    } else if (cmd == "DP") {
        const QByteArray name = protocolInUse() == 'B' ? kMediumSpeedName : kHighSpeedName;
        if (m_protocol != '0')
            a.lines = {name};
        else
            a.lines = {m_autoFound ? "AUTO, " + name : QByteArray("AUTO")};
    } else if (cmd == "DPN") {
        if (m_protocol != '0')
            a.lines = {QByteArray(1, m_protocol)};
        else
            a.lines = {m_autoFound ? "A6" : "A0"};
    } else if (cmd == "I") {
        a.lines = {banner};
    } else if (cmd == "@1") {
        a.lines = {kDescription};
    } else if (cmd == "RV") {
        a.lines = {QByteArray::number(m_car.batteryVolts(), 'f', 1) + 'V'};
    } else {
        a.lines = {"?"};
    }
    return a;
}

Elm327::Answer Elm327::stCommand(const QByteArray& cmd)
{
    Answer a;
    a.lines = {"OK"};
    if (cmd == "I") {
        a.lines = {kStnFirmware};
    } else if (cmd == "DI") {
        a.lines = {kStnDevice};
    } else if (cmd.startsWith("PX") && m_oneLineRequests) {
        return oneLineRequest(cmd.mid(2));
    } else if (cmd == "P53" && m_stnMediumBus) {
        // ISO 15765, 11-bit identifiers, 125 kbit/s on the medium-speed pins.
        m_protocol = 'B';
        m_autoFound = false;
        m_car.setSwitchMedium(true);
    } else {
        a.lines = {"?"};
    }
    return a;
}

Elm327::Answer Elm327::request(const QByteArray& cmd)
{
    // One hex digit after the request bytes is the number of answer frames to wait for
    // (v1.3 on); it is never a request byte.
    QByteArray hex = cmd;
    int count = 0;
    if (hex.size() % 2 != 0 && isHexText(hex)) {
        count = QByteArray(1, hex.back()).toInt(nullptr, 16);
        hex.chop(1);
        if (!m_countsAccepted || count == 0)
            hex.clear();
    }
    return send(hex, count, m_header);
}

// STPX H:720, D:2100, R:1 (an STN chip's one-line request): the header for this request
// only, the data, the answers to wait for (R, as the count digit) and a time-out in ms (T).
Elm327::Answer Elm327::oneLineRequest(const QByteArray& fields)
{
    QByteArray data;
    int header = -1;
    int count = 0;
    int timeoutMs = 0;
    for (const QByteArray& field : fields.split(',')) {
        const QByteArray value = field.mid(2);
        bool ok = field.size() > 2 && field[1] == ':';
        if (ok && field[0] == 'H' && (value.size() == 3 || value.size() == 6 || value.size() == 8) && isHexText(value))
            header = value.toInt(nullptr, 16) & kElevenBits;
        else if (ok && field[0] == 'D' && isHexText(value))
            data = value;
        else if (ok && field[0] == 'R')
            count = value.toInt(&ok);
        else if (ok && field[0] == 'T')
            timeoutMs = value.toInt(&ok);
        else
            ok = false;
        if (!ok || count < 0 || timeoutMs < 0)
            return Answer{{"?"}};
    }
    if (data.isEmpty())
        return Answer{{"?"}};
    const int savedSteps = m_timeoutSteps;
    if (timeoutMs > 0)
        m_timeoutSteps = qMax(1, timeoutMs / kTimeoutStepMs);
    Answer a = send(data, count, header < 0 ? m_header : header);
    m_timeoutSteps = savedSteps;
    return a;
}

Elm327::Answer Elm327::send(const QByteArray& hex, int count, int header)
{
    Answer a;
    m_lastWaitMs = 0;
    const int maxBytes = m_autoFormat ? kMaxRequestBytes : kMaxFrameBytes;
    if (hex.isEmpty() || hex.size() % 2 != 0 || hex.size() > 2 * maxBytes || !isHexText(hex)) {
        a.lines = {"?"};
        return a;
    }
    if (m_protocol == '0' && !m_autoFound) {
        // The automatic search tries the high-speed protocol, which only the HS pins carry.
        a.lines.append("SEARCHING...");
        if (m_car.switchMedium()) {
            a.lines.append("UNABLE TO CONNECT");
            return a;
        }
        m_autoFound = true;
    }
    const bool medium = protocolInUse() == 'B';
    if (m_car.switchMedium() != medium) {
        a.lines.append("CAN ERROR");
        return a;
    }
    // Auto-formatting off: the bytes go out as they are, PCI byte included.
    const QByteArray bytes = QByteArray::fromHex(hex);
    const QByteArray data = m_autoFormat ? bytes : singleFramePayload(bytes);
    const BusReply reply = data.isEmpty() ? BusReply{} : m_car.request(medium, header, data);
    // A reply later than the time-out is never seen: the chip has printed NO DATA.
    const bool tooLate = m_timing == Timing::Elm && m_latencyMs > timeoutMs();
    if (!reply.answered || tooLate) {
        a.lines.append("NO DATA");
        if (m_timing == Timing::Elm) {
            a.firstMs = timeoutMs();
            m_lastWaitMs = a.firstMs;
        }
        return a;
    }
    takeAnswerLines(reply, count, a);
    applyFault(int(reply.fault), a);
    return a;
}

// The answer's lines as the chip prints them, up to the count's last frame: it stops
// listening there, and what the modules send after it is lost.
void Elm327::takeAnswerLines(const BusReply& reply, int count, Answer& a)
{
    const bool dropLast = reply.fault == FaultKind::DropLine
                          || m_car.fault(Car::kAdapter) == FaultKind::DropLine;
    const FrameFormat format{m_spaces, m_headers, m_autoFormat, m_flowControl};
    int frames = 0;
    qsizetype firstFrame = -1; // of the first multi-frame message, in a.lines
    for (qsizetype i = 0; i < reply.messages.size() && (count == 0 || frames < count); ++i) {
        QList<QByteArray> lines = formatMessage(reply.messages[i], reply.responseId, format);
        // A lost last frame leaves the answer shorter than its byte count says.
        if (dropLast && i == reply.messages.size() - 1 && lines.size() > 1)
            lines.removeLast();
        // A response-pending note comes first; the answer follows one reply time later.
        if (i > 0)
            a.laterFrom.append(a.lines.size());
        const bool lengthLine = hasLengthLine(reply.messages[i].size(), format);
        for (qsizetype l = 0; l < lines.size() && (count == 0 || frames < count); ++l) {
            if (firstFrame < 0 && lines.size() > 1 && l == (lengthLine ? 1 : 0))
                firstFrame = a.lines.size();
            a.lines.append(lines[l]);
            if (!(lengthLine && l == 0))
                ++frames;
        }
    }
    const bool stopped = firstFrame >= 0 && spoilAnswer(reply.fault, firstFrame, a);
    if (m_timing == Timing::Elm) {
        a.waitMs = stopped || (count > 0 && frames >= count) ? 0 : waitAfterAnswerMs();
        m_lastWaitMs = a.waitMs;
    }
}

// An odd adapter's habit, of the module's answers or of every answer: its own text after
// the first frame, or one character garbled. True when the chip stopped listening.
bool Elm327::spoilAnswer(FaultKind moduleFault, qsizetype firstFrame, Answer& a) const
{
    const FaultKind adapterFault = m_car.fault(Car::kAdapter);
    for (const FaultKind fault : {moduleFault, adapterFault}) {
        if (fault == FaultKind::Garbled) {
            garbleLastDigit(a.lines.last());
            return false;
        }
        for (const OddText& odd : kOddTexts) {
            if (odd.kind == fault) {
                a.lines.resize(firstFrame + 1);
                a.lines.append(odd.text);
                return true;
            }
        }
    }
    return false;
}

int Elm327::timeoutMs() const
{
    return m_timeoutSteps * kTimeoutStepMs;
}

int Elm327::waitAfterAnswerMs() const
{
    return m_adaptive == 0 ? timeoutMs() : qMin(timeoutMs(), kAdaptiveCapMs[m_adaptive]);
}

void Elm327::applyFault(int fault, Answer& answer) const
{
    switch (FaultKind(fault)) {
    case FaultKind::Garbage:
        answer.lines = {kGarbage};
        answer.resetBanner = false;
        answer.laterFrom.clear();
        break;
    case FaultKind::Late:
        answer.late = true;
        break;
    case FaultKind::NoPrompt:
        answer.prompt = false;
        break;
    default:
        break;
    }
}

QByteArray Elm327::render(const Answer& answer) const
{
    const QByteArray eol = m_linefeeds ? "\r\n" : "\r";
    QByteArray out;
    if (answer.resetBanner)
        out += eol + eol;
    for (const QByteArray& line : answer.lines)
        out += line + eol;
    out += eol;
    if (answer.prompt)
        out += '>';
    return out;
}

void Elm327::deliver(const Answer& answer)
{
    m_steps = schedule(answer);
    m_holding = answer.late;
    runSteps();
}

QList<Elm327::Step> Elm327::schedule(const Answer& answer) const
{
    if (answer.late)
        return {{kLateMs, render(answer)}};
    if (m_timing == Timing::Instant)
        return {{m_latencyMs, render(answer)}};
    const QByteArray eol = m_linefeeds ? "\r\n" : "\r";
    const QByteArray end = answer.prompt ? eol + '>' : eol;
    QList<Step> steps;
    int delay = answer.firstMs >= 0 ? answer.firstMs : m_latencyMs;
    QByteArray chunk = answer.resetBanner ? eol + eol : QByteArray();
    for (qsizetype i = 0; i < answer.lines.size(); ++i) {
        if (answer.laterFrom.contains(i)) {
            steps.append({delay, chunk});
            chunk.clear();
            delay = m_latencyMs;
        }
        chunk += answer.lines[i] + eol;
    }
    // The lines are printed as they come; the prompt only once the chip stops listening.
    if (answer.waitMs > 0) {
        steps.append({delay, chunk});
        steps.append({answer.waitMs, end});
    } else {
        steps.append({delay, chunk + end});
    }
    return steps;
}

void Elm327::runSteps()
{
    while (!m_steps.isEmpty() && m_steps.first().delayMs <= 0)
        write(m_steps.takeFirst().bytes);
    if (!m_steps.isEmpty()) {
        m_running = !m_holding;
        m_answerTimer.start(m_steps.first().delayMs);
        return;
    }
    m_running = false;
    if (m_holding) {
        m_holding = false;
        const QByteArray held = m_held;
        m_held.clear();
        process(held);
    }
}

void Elm327::answerDue()
{
    if (!m_steps.isEmpty())
        write(m_steps.takeFirst().bytes);
    runSteps();
}

void Elm327::write(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return;
    if (m_baud <= 0 && m_wire.isEmpty()) {
        Q_EMIT output(bytes);
        return;
    }
    // Kept in microseconds: rounding every chunk up to a millisecond would add up to a
    // millisecond per answer at 115200 baud, more than the wire time of a short answer.
    const qint64 now = m_clock.nsecsElapsed() / 1000;
    const qint64 start = qMax(now, m_wireFreeUs);
    const qint64 wireUs = m_baud > 0 ? (bytes.size() * 10 * 1000000LL + m_baud - 1) / m_baud : 0;
    m_wireFreeUs = start + wireUs;
    m_wire.append(WireChunk{bytes, m_wireFreeUs});
    if (!m_wireTimer.isActive())
        startWireTimer(now);
}

void Elm327::startWireTimer(qint64 nowUs)
{
    m_wireTimer.start(int(qMax<qint64>(0, (m_wire.first().dueUs - nowUs + 999) / 1000)));
}

void Elm327::wireDue()
{
    const qint64 now = m_clock.nsecsElapsed() / 1000;
    QByteArray out;
    while (!m_wire.isEmpty() && m_wire.first().dueUs <= now)
        out += m_wire.takeFirst().bytes;
    if (!m_wire.isEmpty())
        startWireTimer(now);
    if (!out.isEmpty())
        Q_EMIT output(out);
}

void Elm327::reset()
{
    m_echo = true;
    m_linefeeds = false;
    m_spaces = true;
    m_headers = false;
    m_autoFormat = true;
    m_flowControl = true;
    m_header = 0x7DF;
    m_autoFound = false;
    m_timeoutSteps = kDefaultTimeoutSteps;
    m_adaptive = 1;
}

int Elm327::protocolInUse() const
{
    return m_protocol == '0' ? '6' : m_protocol;
}

} // namespace talmero::sim
