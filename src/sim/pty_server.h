#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace talmero::sim {

class Elm327;

// Serves an Elm327 on the master side of a pseudo-terminal; a program opens the slave
// device like the serial port of a real adapter.
class PtyServer : public QObject {
    Q_OBJECT
public:
    // baudTiming: answers take the wire time of the baud rate the client has set.
    PtyServer(Elm327& elm, bool baudTiming, QObject* parent = nullptr);
    ~PtyServer() override;

    // Creates the pseudo-terminal; throws std::runtime_error when it cannot.
    void open();
    QString slavePath() const { return m_slavePath; }

Q_SIGNALS:
    // Bytes from the client, before the adapter sees them.
    void received(const QByteArray& bytes);
    // Bytes to the client, as the adapter hands them over.
    void sent(const QByteArray& bytes);
    // The rate the client has set on the terminal (0: none this server knows), at the
    // first bytes and whenever it has changed since.
    void rateSeen(int baud);

private:
    void readMaster();
    void send(const QByteArray& bytes);
    void flushOutput();
    int clientBaud() const;

    Elm327& m_elm;
    bool m_baudTiming;
    int m_master = -1;
    int m_slave = -1; // kept open so the master never sees a hang-up between clients
    QString m_slavePath;
    QSocketNotifier* m_readNotifier = nullptr;
    QSocketNotifier* m_writeNotifier = nullptr;
    QByteArray m_output; // not yet taken by the terminal
    int m_seenBaud = -1;
};

} // namespace talmero::sim
