#pragma once

#include "link/channel.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QEventLoop;


namespace talmero::link {

class Host;

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
    QString writeCOM(const QString& command, bool logIt);

    Channel& channel() { return *m_channel; }

private:
    void takeBatch(const QByteArray& batch);
    void takeReadFailure();
    // Index in m_unanswered of the command whose echo starts this batch, or -1.
    qsizetype lateAnswerOf(const QString& squeezed) const;

    QPointer<Channel> m_channel;
    Host& m_host;
    QEventLoop* m_loop = nullptr;
    QString m_upper;         // the command waiting for its answer
    QString m_answer;
    bool m_answered = false;
    QStringList m_unanswered; // commands whose answers may still arrive late
};

} // namespace talmero::link
