#include "sim/tcp_server.h"

#include "sim/elm327.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <stdexcept>

namespace talmero::sim {

namespace {

QByteArray peerText(const QTcpSocket& socket)
{
    const QString host = socket.peerAddress().toString();
    return (host.contains(u':') ? u'[' + host + u']' : host).toLatin1() + ':'
           + QByteArray::number(socket.peerPort());
}

} // namespace

TcpServer::TcpServer(Elm327& elm, QObject* parent)
    : QObject(parent), m_elm(elm), m_server(new QTcpServer(this))
{
    connect(&m_elm, &Elm327::output, this, &TcpServer::send);
    connect(m_server, &QTcpServer::newConnection, this, &TcpServer::takeConnection);
}

TcpServer::~TcpServer() = default;

void TcpServer::open(const QHostAddress& address, quint16 port)
{
    if (!m_server->listen(address, port))
        throw std::runtime_error(m_server->errorString().toStdString());
}

QString TcpServer::address() const
{
    const QString host = m_server->serverAddress().toString();
    return (host.contains(u':') ? u'[' + host + u']' : host) + u':' + QString::number(m_server->serverPort());
}

void TcpServer::takeConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        if (m_client) {
            // A real Wi-Fi adapter serves one program at a time.
            Q_EMIT clientEvent("turned away " + peerText(*socket));
            socket->abort();
            socket->deleteLater();
            continue;
        }
        m_client = socket;
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        Q_EMIT clientEvent("connected " + peerText(*socket));
        connect(socket, &QTcpSocket::readyRead, this, &TcpServer::readClient);
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            Q_EMIT clientEvent("disconnected");
            if (m_client == socket)
                m_client = nullptr;
            socket->deleteLater();
        });
    }
}

void TcpServer::readClient()
{
    if (!m_client)
        return;
    const QByteArray bytes = m_client->readAll();
    if (bytes.isEmpty())
        return;
    Q_EMIT received(bytes);
    m_dropping = !m_dropOn.isEmpty() && bytes.toUpper().contains(m_dropOn);
    m_elm.receive(bytes);
    if (m_dropping) {
        m_dropOn.clear();
        m_dropping = false;
        Q_EMIT clientEvent("dropped");
        m_client->abort();
    }
}

void TcpServer::send(const QByteArray& bytes)
{
    // The adapter keeps working between clients; what it says then reaches nobody.
    if (!m_client || m_client->state() != QAbstractSocket::ConnectedState || m_dropping)
        return;
    Q_EMIT sent(bytes);
    m_client->write(bytes);
}

} // namespace talmero::sim
