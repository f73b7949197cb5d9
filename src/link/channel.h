#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

namespace talmero::link {

// A byte channel to an ELM327 adapter. Received bytes are handed over in batches,
// each ending with the adapter's prompt '>'.
class Channel : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Channel() override = default;

    // Opens the channel; throws LinkError with the text to show when it cannot.
    virtual void open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual void send(const QByteArray& bytes) = 0;
    // Drops whatever was received but not yet handed over.
    virtual void discardInput() = 0;
    // The user has acknowledged a bus prompt; an adapter with a hand switch ignores it.
    virtual void busSwitched(bool medium) { Q_UNUSED(medium); }
    // A short name for the log and the status panel.
    virtual QString name() const = 0;

Q_SIGNALS:
    // One batch of bytes up to and including a '>' prompt.
    void batchReceived(const QByteArray& batch);
    // Reading failed; the adapter is no longer reachable through this channel.
    void readFailed();

protected:
    // Takes received bytes: everything up to the last prompt goes out as one batch, what
    // follows it waits in front of the next answer.
    void collect(const QByteArray& bytes)
    {
        m_pending += bytes;
        const qsizetype prompt = m_pending.lastIndexOf('>');
        if (prompt < 0)
            return;
        const QByteArray batch = m_pending.left(prompt + 1);
        m_pending.remove(0, prompt + 1);
        Q_EMIT batchReceived(batch);
    }
    void dropCollected() { m_pending.clear(); }

private:
    QByteArray m_pending; // bytes received after the last prompt
};

} // namespace talmero::link
