#pragma once

#include "link/answer_count.h"
#include "link/channel.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QEventLoop;

namespace talmero::safety {
class WriteGate;
}

namespace talmero::link {

class Host;

// Held only by the write gate: the one way a request that changes a module (a block
// write, clearing trouble codes, a restart) reaches the adapter.
class WritePermit {
    friend class safety::WriteGate;
    WritePermit() = default;
};

// One command out, one answer back: the only way the program talks to the adapter.
class Adapter : public QObject {
    Q_OBJECT
public:
    static constexpr int kAnswerTimeoutMs = 1000;
    // A reset takes the chip's LED test (the data sheet gives no figure; captures show up to
    // 0.85 s): its answer is waited for longer than any other.
    static constexpr int kResetTimeoutMs = 2000;
    static const QString kReadError; // "Ошибка чтения"

    Adapter(Channel& channel, Host& host, QObject* parent = nullptr);

    // Sends the command upper-cased with one CR and returns the adapter's answer:
    // blanks squeezed, echo removed, normally ending in " >". Empty after a time-out,
    // for an empty command and for a call made while another exchange is waiting.
    // A request that changes a module, and a command holding anything but printable
    // ASCII, are refused here (logged, empty answer).
    QString writeCOM(const QString& command, bool logIt);
    // The same for a read whose positive answer has the given length: it carries the number
    // of answer lines where the adapter takes one. What an answer showed of its request in
    // this connection (its lines, a module's "busy" first) counts before the length given;
    // a length known from neither asks for one line, and a longer answer than that is asked
    // for again with its own count. A module that answered "response pending" (7F xx 78)
    // where the count ended its answer is asked again with one line more, and with that
    // from then on. An adapter that answers '?' to a count gets the request again without
    // it, and no count from then on.
    QString writeCOM(const QString& command, bool logIt, AnswerLength length);
    // The same exchange for a request that changes a module; a block write carries a count
    // of one where the adapter takes counts (the gate settles a busy write by reading the
    // block back). An answer that is only the module's "busy, the answer follows" (7F xx 78)
    // is followed by a wait for the real answer, which an adapter that returned at the busy
    // line may still pass on; both come back together, or the busy line alone when nothing
    // followed.
    QString writeRequest(const QString& command, bool logIt, const WritePermit&);

    // Whether a command asks a module to change something: a block write (3B), clearing
    // trouble codes (14) or a restart (11), judged on the command as sent, blanks removed,
    // in either case (an STN one-line request by its data).
    static bool changesModule(const QString& command);

    // Whether reads carry the number of answer lines: set at connecting from what the
    // adapter says it is; off until then.
    void setAnswerCounts(bool on) { m_answerCounts = on; }
    // An STN chip takes header, data and count in one request (STPX): requests go so, the
    // header given by setHeader; a chip that refuses it gets ATSH and the request as an
    // ELM327 does, for the rest of the connection (logged once).
    void setOneLineRequests(bool on) { m_oneLine = on; }
    bool oneLineRequests() const { return m_oneLine; }
    // The module the one-line requests go to ("720").
    void setHeader(const QString& address) { m_header = address.toUpper(); }
    // An ELM327 that takes no count (before v1.3, or a clone that refuses it) waits out its
    // time-out after every answer: with this on, its reads go with adaptive timing at its
    // most eager (ATAT2) and a time-out (ATST) from the answers measured in this connection
    // with a margin; writes and a request whose module said "busy" keep the whole time-out.
    void setTunedWaits(bool on) { m_tunedWaits = on; }

    // How long a prompt still due from a timed-out exchange is waited for before the next
    // command goes out: until then the adapter takes no command.
    static constexpr int kDuePromptWaitMs = 1000;

    Channel& channel() { return *m_channel; }
    // The adapter cannot be reached any more (the port failed or went away): whatever is
    // sent now goes nowhere.
    bool linkLost() const { return !m_channel || !m_channel->isOpen(); }

private:
    // What this connection showed of a request to one module: the lines its answer takes,
    // and whether the module says "busy" before it.
    struct Learned {
        int lines = 0;
        bool busyFirst = false;
    };
    struct Sent {
        QString answer;
        bool counted = false; // the request carried its count
    };
    bool refusedAsUnprintable(const QString& command);
    bool refusedAsChange(const QString& command);
    // A request to the module: one STPX line, or the header (when the chip holds another)
    // and the request with its count (lines; 0: none).
    Sent moduleRequest(const QString& request, int lines, bool logIt, bool wholeWait);
    void prepareWait(bool wholeWait, bool logIt);
    void measureAnswer(qint64 ms, const QString& answer);
    void noteSetting(const QString& upper, const QString& cut);
    QString exchange(const QString& command, bool logIt);
    // The next answer without sending anything: "" when none came within the time-out.
    QString awaitFollowing(bool logIt);
    void awaitDuePrompt();
    void takeBatch(const QByteArray& batch);
    void takeReadFailure();
    // Index in m_unanswered of the command whose echo (the command, then CR) starts this
    // batch as it came, or -1.
    qsizetype lateAnswerOf(const QString& text) const;

    QPointer<Channel> m_channel;
    Host& m_host;
    QEventLoop* m_loop = nullptr;
    QString m_upper;         // the command waiting for its answer
    QString m_answer;
    bool m_answered = false;
    QStringList m_unanswered; // commands whose answers may still arrive late
    bool m_promptDue = false; // the last exchange timed out: its prompt may still come
    bool m_draining = false;  // waiting for that prompt
    // Nothing has come from the adapter yet, or a prompt waited for never came: no prompt is
    // waited for until it says something.
    bool m_quiet = true;
    bool m_answerCounts = false;
    bool m_pendingLogged = false;
    bool m_oneLine = false;
    bool m_tunedWaits = false;
    bool m_noCountOnFullFrame = false; // a seven-byte request with a count was refused
    QHash<QString, Learned> m_learned; // by header and request: "720 2101"
    QString m_header;     // the module requests go to
    QString m_chipHeader; // what the chip holds by ATSH since its last reset; "" its default
    // The chip's waiting as set since its last reset, and the longest whole exchange of a
    // read a module answered (it bounds the module's answer time).
    bool m_eagerTiming = false;
    int m_timeoutSteps = 0; // ATST in 4 ms steps; 0: the chip's default
    int m_longestReadMs = 0;
};

} // namespace talmero::link
