#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QString>

class QTcpServer;
class QTcpSocket;

namespace talmero::sim {

class Elm327;

// Serves an Elm327 on a TCP port, as a Wi-Fi adapter does: one client at a time; another
// one is turned away while the first is connected.
class TcpServer : public QObject {
    Q_OBJECT
public:
    explicit TcpServer(Elm327& elm, QObject* parent = nullptr);
    ~TcpServer() override;

    // Listens on the address and port (0: a free one); throws std::runtime_error when it
    // cannot.
    void open(const QHostAddress& address, quint16 port);
    // "127.0.0.1:35000", "[::1]:35000".
    QString address() const;
    // The Wi-Fi link drops once: when the client sends this request, the adapter takes it
    // and the connection closes before any answer leaves.
    void dropOn(const QByteArray& request) { m_dropOn = request.toUpper(); }

Q_SIGNALS:
    // Bytes from the client, before the adapter sees them.
    void received(const QByteArray& bytes);
    // Bytes to the client, as the adapter hands them over.
    void sent(const QByteArray& bytes);
    // A client came or went ("connected 127.0.0.1:50312", "disconnected", "turned away ...").
    void clientEvent(const QByteArray& text);

private:
    void takeConnection();
    void readClient();
    void send(const QByteArray& bytes);

    Elm327& m_elm;
    QTcpServer* m_server;
    QPointer<QTcpSocket> m_client;
    QByteArray m_dropOn;
    bool m_dropping = false; // the adapter's output goes nowhere
};

} // namespace talmero::sim
