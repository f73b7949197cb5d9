#include "link/tcp_channel.h"

#include "link/link_error.h"

#include <QEventLoop>
#include <QTimer>

namespace talmero::link {

TcpChannel::TcpChannel(const QString& host, quint16 port, QObject* parent)
    : Channel(parent), m_host(host), m_port(port)
{
    connect(&m_socket, &QTcpSocket::readyRead, this, &TcpChannel::readWaiting);
    connect(&m_socket, &QTcpSocket::disconnected, this, &TcpChannel::connectionLost);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, [this] { connectionLost(); });
}

TcpChannel::~TcpChannel()
{
    close();
}

QString TcpChannel::name() const
{
    const QString host = m_host.contains(u':') ? u'[' + m_host + u']' : m_host;
    return host + u':' + QString::number(m_port);
}

QString TcpChannel::connectFailureText(const QString& address, QAbstractSocket::SocketError error,
                                       const QString& detail)
{
    switch (error) {
    case QAbstractSocket::HostNotFoundError:
        return tr("Адрес %1 не найден. Проверьте адрес адаптера Wi-Fi (часто 192.168.0.10:35000).")
            .arg(address);
    case QAbstractSocket::ConnectionRefusedError:
        return tr("Адаптер по адресу %1 отказал в соединении. Проверьте номер порта (часто 35000 "
                  "или 23) и что к адаптеру не подключена другая программа.")
            .arg(address);
    case QAbstractSocket::SocketTimeoutError:
        return tr("По адресу %1 никто не ответил за %2 с. Проверьте, что компьютер подключён к "
                  "сети Wi-Fi адаптера, что адрес верен и что адаптер получает питание "
                  "(включите зажигание).")
            .arg(address)
            .arg(kConnectTimeoutMs / 1000);
    default:
        return tr("Не удалось подключиться к адаптеру по адресу %1: %2").arg(address, detail);
    }
}

void TcpChannel::open()
{
    if (m_open)
        return;
    resetCollected();
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    // Connected or refused ends the wait; the name lookup counts towards the time-out.
    bool failed = false;
    QAbstractSocket::SocketError error = QAbstractSocket::SocketTimeoutError;
    const auto done = connect(&m_socket, &QTcpSocket::connected, &loop, &QEventLoop::quit);
    const auto refused = connect(&m_socket, &QTcpSocket::errorOccurred, &loop,
                                 [&](QAbstractSocket::SocketError e) {
                                     failed = true;
                                     error = e;
                                     loop.quit();
                                 });
    m_socket.connectToHost(m_host, m_port);
    if (!failed && m_socket.state() != QAbstractSocket::ConnectedState) {
        timeout.start(kConnectTimeoutMs);
        loop.exec();
    }
    disconnect(done);
    disconnect(refused);
    if (m_socket.state() != QAbstractSocket::ConnectedState) {
        const QString detail = m_socket.errorString();
        m_socket.abort();
        throw LinkError(connectFailureText(name(), failed ? error : QAbstractSocket::SocketTimeoutError, detail));
    }
    // Each command is a few bytes: Nagle's delay would hold every one of them back.
    m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_socket.setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    m_open = true;
}

void TcpChannel::close()
{
    m_open = false;
    m_socket.abort();
    resetCollected();
}

bool TcpChannel::isOpen() const
{
    return m_open;
}

void TcpChannel::send(const QByteArray& bytes)
{
    if (m_open)
        m_socket.write(bytes);
}

void TcpChannel::discardInput()
{
    discardCollected(m_open ? m_socket.readAll() : QByteArray());
}

void TcpChannel::readWaiting()
{
    if (m_open)
        collect(m_socket.readAll());
}

void TcpChannel::connectionLost()
{
    if (!m_open)
        return;
    // What came before the end is still an answer; then nothing more will arrive.
    collect(m_socket.readAll());
    m_open = false;
    resetCollected();
    Q_EMIT readFailed();
}

} // namespace talmero::link
