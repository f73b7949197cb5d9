#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QObject>
#include <QString>

#include "link/control_line.h"

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
    // Sends a command whose answer is awaited: a batch that starts with its echo is that
    // answer, even while the rest of an earlier, cut answer is still being skipped.
    void sendCommand(const QByteArray& bytes)
    {
        m_echo = bytes.trimmed();
        send(bytes);
    }
    // Drops whatever was received but not yet handed over.
    virtual void discardInput() = 0;
    // The user has acknowledged a bus prompt; an adapter with a hand switch ignores it.
    virtual void busSwitched(bool medium) { Q_UNUSED(medium); }
    // Sets a modem control line (a relay that switches the buses hangs on it); false when
    // the port has no such line or refused it.
    virtual bool setControlLine(ControlLine line, bool on)
    {
        Q_UNUSED(line);
        Q_UNUSED(on);
        return false;
    }
    // A short name for the log and the status panel.
    virtual QString name() const = 0;
    // A network connection (a Wi-Fi adapter): no rate and no control lines.
    virtual bool isNetwork() const { return false; }
    // A Bluetooth connection, Classic or Low Energy: no rate and no control lines either.
    virtual bool isBluetooth() const { return false; }
    // What the log says of how the channel was opened (the service a BLE adapter's link
    // uses); "" when there is nothing to say.
    virtual QString openedNote() const { return {}; }

    // Whether the driver passes short answers on at once: a USB bridge with a latency
    // timer (FTDI) otherwise holds each one for its timer, 16 ms by default.
    enum class LowLatency { NotApplicable, On, Off };
    virtual LowLatency lowLatency() const { return LowLatency::NotApplicable; }

Q_SIGNALS:
    // One batch of bytes up to and including a '>' prompt.
    void batchReceived(const QByteArray& batch);
    // Reading failed; the adapter is no longer reachable through this channel.
    void readFailed();

protected:
    // Takes received bytes and hands over each answer up to its prompt as one batch;
    // what follows the last prompt waits for the rest of its answer.
    void collect(const QByteArray& bytes) { take(bytes, true); }
    // Drops what was received and not handed over, plus unread bytes still at the
    // device. An answer cut short here (its prompt not yet in) belongs to an earlier
    // command: its rest, up to the next prompt, is dropped as it arrives, so it can
    // never pass for the answer of the command sent next.
    void discardCollected(const QByteArray& unread = {})
    {
        take(unread, false);
        if (!m_pending.isEmpty()) {
            m_skipToPrompt = true;
            m_pending.clear();
        }
    }
    // A port opened or closed: nothing received before counts.
    void resetCollected()
    {
        m_pending.clear();
        m_skipToPrompt = false;
    }

private:
    void take(const QByteArray& bytes, bool handOver)
    {
        m_pending += bytes;
        QByteArrayList batches;
        for (qsizetype prompt = m_pending.indexOf('>'); prompt >= 0; prompt = m_pending.indexOf('>')) {
            const QByteArray batch = m_pending.left(prompt + 1);
            m_pending.remove(0, prompt + 1);
            // Only the rest of an earlier answer is skipped; our own echo starts our answer.
            const bool ours = !m_echo.isEmpty() && batch.trimmed().startsWith(m_echo + '\r');
            const bool skip = m_skipToPrompt && !ours;
            m_skipToPrompt = false;
            if (handOver && !skip)
                batches.append(batch);
        }
        for (const QByteArray& batch : batches)
            Q_EMIT batchReceived(batch);
    }

    QByteArray m_pending;        // bytes received after the last prompt
    QByteArray m_echo;           // the command whose answer is awaited, as it is echoed
    bool m_skipToPrompt = false; // the rest of a discarded answer is still to come
};

} // namespace talmero::link
