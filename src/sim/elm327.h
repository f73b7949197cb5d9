#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTimer>

namespace talmero::sim {

class Car;
struct BusReply;
enum class FaultKind;

// An ELM327 v1.5 in front of the virtual car: takes the bytes a program sends and
// answers with the bytes a real adapter would print.
class Elm327 : public QObject {
    Q_OBJECT
public:
    // Auto: the bus switch follows ATSP6/ATSPB. Manual: only the outside moves it.
    enum class SwitchMode { Auto, Manual };
    // Elm327: an ELM327 v1.5 whose bus pins a switch or relay selects. Elm327V12: the same
    // chip at v1.2, before answer counts existed. Stn: an STN chip with both transceivers,
    // moved by its own commands (STP53 to the medium-speed pins, ATSP6 / ATTP6 back); its
    // protocol B goes out on the high-speed pins.
    enum class Chip { Elm327, Elm327V12, Stn };
    // Instant: the prompt follows the answer at once. Elm: the chip's own waiting after
    // the last answer (AT ST, AT AT0/1/2), cut short by an answer count.
    enum class Timing { Instant, Elm };
    static constexpr int kLateMs = 1500; // later than the program's 1 s wait
    static constexpr int kDefaultTimeoutSteps = 0x32; // AT ST 32: 200 ms
    static constexpr int kTimeoutStepMs = 4;
    // How long ATZ takes with the Elm timing: the data sheet gives no figure (only that
    // ATWS, without the LED test, is "considerably faster"); captures show 0.6-0.85 s, and
    // programs allow a second.
    static constexpr int kDefaultResetMs = 1000;

    explicit Elm327(Car& car, SwitchMode mode = SwitchMode::Auto, QObject* parent = nullptr);

    // Bytes from the host, in pieces of any size.
    void receive(const QByteArray& bytes);

    // Reply time of the adapter and the modules; 0 answers at once, inside receive() (the
    // prompt too, unless the Elm timing makes the chip listen on).
    void setLatencyMs(int ms) { m_latencyMs = ms; }
    // Output takes the wire time of 10 bits per character at this rate; 0 = none.
    void setBaudTiming(int baud) { m_baud = baud; }
    SwitchMode switchMode() const { return m_switchMode; }
    // mediumBus false: an STN chip without the medium-speed transceiver (refuses STP53).
    void setChip(Chip chip, bool mediumBus = true)
    {
        m_chip = chip;
        m_stnMediumBus = mediumBus;
    }
    Chip chip() const { return m_chip; }
    void setTiming(Timing timing) { m_timing = timing; }
    // false: a request with an answer count is refused ('?'), as by an ELM327 older than
    // v1.3 and by clones that call themselves v1.5.
    void setAnswerCounts(bool accepted) { m_countsAccepted = accepted; }
    // false: an STN chip whose firmware knows no STPX ('?').
    void setOneLineRequests(bool accepted) { m_oneLineRequests = accepted; }
    // The time ATZ takes before its answer (Elm timing only).
    void setResetMs(int ms) { m_resetMs = ms; }
    // The wait the timing model chose for the last request: from its last answer line to
    // the prompt (0 when its answer count was reached), or before NO DATA.
    int lastWaitMs() const { return m_lastWaitMs; }
    // A request is being worked on: a character arriving now stops it.
    bool busy() const { return m_running; }

Q_SIGNALS:
    void output(const QByteArray& bytes);

private:
    struct Answer {
        QList<QByteArray> lines;
        bool resetBanner = false; // two line ends before the lines, as after a reset
        bool prompt = true;
        bool late = false;
        // Elm timing only:
        int firstMs = -1;           // until the first line; -1: the reply time
        QList<qsizetype> laterFrom = {}; // lines from here on come one reply time later
        int waitMs = 0;             // after the last line, before the prompt
    };
    // One piece of output and how long after the previous one it leaves.
    struct Step {
        int delayMs;
        QByteArray bytes;
    };

    void process(const QByteArray& bytes);
    void runLine(const QByteArray& line);
    Answer atCommand(const QByteArray& cmd);
    Answer stCommand(const QByteArray& cmd);
    Answer request(const QByteArray& cmd);
    Answer oneLineRequest(const QByteArray& fields);
    Answer send(const QByteArray& hex, int count, int header);
    void takeAnswerLines(const BusReply& reply, int count, Answer& answer);
    bool spoilAnswer(FaultKind moduleFault, qsizetype firstFrame, Answer& answer) const;
    QList<Step> schedule(const Answer& answer) const;
    void runSteps();
    int timeoutMs() const;
    int waitAfterAnswerMs() const;
    void applyFault(int fault, Answer& answer) const;
    QByteArray render(const Answer& answer) const;
    void deliver(const Answer& answer);
    void answerDue();
    void write(const QByteArray& bytes);
    void wireDue();
    void startWireTimer(qint64 nowUs);
    void reset();
    int protocolInUse() const;

    Car& m_car;
    SwitchMode m_switchMode;
    Chip m_chip = Chip::Elm327;
    bool m_stnMediumBus = true;
    int m_latencyMs = 0;
    int m_baud = 0;
    Timing m_timing = Timing::Instant;
    bool m_countsAccepted = true;
    bool m_oneLineRequests = true;
    int m_resetMs = kDefaultResetMs;
    int m_lastWaitMs = 0;

    // settings
    bool m_echo = true;
    bool m_linefeeds = false;
    bool m_spaces = true;
    bool m_headers = false;
    bool m_autoFormat = true;
    bool m_flowControl = true;
    char m_protocol = '0'; // '0' automatic, '6' high-speed, 'B' medium-speed
    bool m_autoFound = false;
    int m_header = 0x7DF;
    int m_timeoutSteps = kDefaultTimeoutSteps; // AT ST
    int m_adaptive = 1;                        // AT AT0/1/2

    // input
    QByteArray m_line;
    QByteArray m_lastCommand;

    // an answer waiting for its reply time
    QTimer m_answerTimer;
    QList<Step> m_steps;
    bool m_running = false; // interruptible (STOPPED)
    bool m_holding = false; // a late answer: input waits until it is out
    QByteArray m_held;

    // the wire: bytes leave at the baud rate, in order
    struct WireChunk {
        QByteArray bytes;
        qint64 dueUs;
    };
    QList<WireChunk> m_wire;
    QTimer m_wireTimer;
    QElapsedTimer m_clock;
    qint64 m_wireFreeUs = 0;
};

} // namespace talmero::sim
