#pragma once

#include "link/answer_count.h"
#include "link/channel.h"

#include <QByteArray>
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
    static const QString kReadError; // "Ошибка чтения"

    Adapter(Channel& channel, Host& host, QObject* parent = nullptr);

    // Sends the command upper-cased with one CR and returns the adapter's answer:
    // blanks squeezed, echo removed, normally ending in " >". Empty after a time-out,
    // for an empty command and for a call made while another exchange is waiting.
    // A request that changes a module, and a command holding anything but printable
    // ASCII, are refused here (logged, empty answer).
    QString writeCOM(const QString& command, bool logIt);
    // The same for a read whose positive answer has the given length: it carries the number
    // of answer lines where the adapter takes one (a length not known asks for one line, and
    // a longer answer than that is asked for again with its own count). A read answered
    // "response pending" (7F xx 78) is asked again without the count; an adapter that
    // answers '?' to a count gets the request again without it, and no count from then on.
    QString writeCOM(const QString& command, bool logIt, AnswerLength length);
    // The same exchange for a request that changes a module. An answer that is only the
    // module's "busy, the answer follows" (7F xx 78) is followed by a wait for the real
    // answer, which an adapter that returned at the busy line may still pass on; both
    // come back together, or the busy line alone when nothing followed.
    QString writeRequest(const QString& command, bool logIt, const WritePermit&);

    // Whether a command asks a module to change something: a block write (3B), clearing
    // trouble codes (14) or a restart (11), judged on the command as sent, blanks removed,
    // in either case.
    static bool changesModule(const QString& command);

    // Whether reads carry the number of answer lines: set at connecting from what the
    // adapter says it is; off until then.
    void setAnswerCounts(bool on) { m_answerCounts = on; }

    // How long a prompt still due from a timed-out exchange is waited for before the next
    // command goes out: until then the adapter takes no command.
    static constexpr int kDuePromptWaitMs = 1000;

    Channel& channel() { return *m_channel; }
    // The adapter cannot be reached any more (the port failed or went away): whatever is
    // sent now goes nowhere.
    bool linkLost() const { return !m_channel || !m_channel->isOpen(); }

private:
    bool refusedAsUnprintable(const QString& command);
    bool refusedAsChange(const QString& command);
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
};

} // namespace talmero::link
