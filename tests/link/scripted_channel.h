#pragma once

#include "link/channel.h"

#include <QByteArrayList>
#include <QMap>
#include <QTimer>
#include <functional>

// A Channel whose adapter follows a script: each sent command gets the batches the test
// queued for it, at once or after a delay. It exists to stage what the virtual car
// cannot do on purpose: answers in pieces, late answers, a failing read.
class ScriptedChannel : public talmero::link::Channel {
public:
    void open() override { m_open = true; }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    QString name() const override { return QStringLiteral("scripted"); }
    void discardInput() override { ++discards; }

    void send(const QByteArray& bytes) override
    {
        sent.append(bytes);
        if (onSend)
            onSend(bytes);
    }

    // Hands a batch over now, as the serial channel would once its '>' arrived.
    void deliver(const QByteArray& batch) { Q_EMIT batchReceived(batch); }
    void deliverLater(const QByteArray& batch, int ms)
    {
        QTimer::singleShot(ms, this, [this, batch] { deliver(batch); });
    }
    void failRead() { Q_EMIT readFailed(); }

    QByteArrayList sent;
    int discards = 0;
    std::function<void(const QByteArray&)> onSend;

private:
    bool m_open = true;
};
