#include "link/bluetooth_channel.h"

#include "link/link_error.h"
#include "link/port_address.h"

namespace talmero::link {

BluetoothChannel::BluetoothChannel(const QString& device, int connectTimeoutMs, QObject* parent)
    : Channel(parent), m_device(device), m_connectTimeoutMs(connectTimeoutMs)
{
}

BluetoothChannel::~BluetoothChannel()
{
    close();
}

QString BluetoothChannel::name() const
{
    return bluetoothPort(m_device, false);
}

QString BluetoothChannel::connectFailureText(const QString& port, const QString& device,
                                             QBluetoothSocket::SocketError error, const QString& detail)
{
    switch (error) {
    // BlueZ refused the profile connection: the adapter said no, is out of range, or is
    // held by another program. Qt tells these apart no further.
    case QBluetoothSocket::SocketError::HostNotFoundError:
    case QBluetoothSocket::SocketError::RemoteHostClosedError:
        return BluetoothTexts::refused(port);
    case QBluetoothSocket::SocketError::ServiceNotFoundError:
        return BluetoothTexts::noSerialProfile(port, device);
    case QBluetoothSocket::SocketError::MissingPermissionsError:
        return BluetoothTexts::noBluetooth();
    default:
        return BluetoothTexts::failed(port, detail);
    }
}

void BluetoothChannel::open()
{
    if (m_open)
        return;
    resetCollected();
    const QBluetoothAddress address(m_device);
    checkBluetoothReady(address, name(), true);

    m_socket = std::make_unique<QBluetoothSocket>(QBluetoothServiceInfo::RfcommProtocol);
    bool failed = false;
    QBluetoothSocket::SocketError error = QBluetoothSocket::SocketError::NoSocketError;
    const auto connected = connect(m_socket.get(), &QBluetoothSocket::connected, this, [this] { m_wait.wake(); });
    const auto refused = connect(m_socket.get(), &QBluetoothSocket::errorOccurred, this,
                                 [&](QBluetoothSocket::SocketError e) {
                                     failed = true;
                                     error = e;
                                     m_wait.wake();
                                 });
    // BlueZ registers a client profile and hands the socket over before this returns; a
    // refusal is said at once, a connection that never comes waits out the time-out.
    m_socket->connectToService(address, QBluetoothUuid(QBluetoothUuid::ServiceClassUuid::SerialPort));
    m_wait.until([&] { return failed || m_socket->state() == QBluetoothSocket::SocketState::ConnectedState; },
                 QDeadlineTimer(m_connectTimeoutMs));
    disconnect(connected);
    disconnect(refused);
    if (m_socket->state() != QBluetoothSocket::SocketState::ConnectedState) {
        const QString detail = m_socket->errorString();
        m_socket->abort();
        m_socket.reset();
        throw LinkError(failed ? connectFailureText(name(), m_device, error, detail)
                               : BluetoothTexts::timedOut(name(), m_connectTimeoutMs / 1000));
    }
    connect(m_socket.get(), &QBluetoothSocket::readyRead, this, &BluetoothChannel::readWaiting);
    connect(m_socket.get(), &QBluetoothSocket::disconnected, this, &BluetoothChannel::connectionLost);
    connect(m_socket.get(), &QBluetoothSocket::errorOccurred, this, &BluetoothChannel::connectionLost);
    m_open = true;
}

void BluetoothChannel::close()
{
    m_open = false;
    if (m_socket) {
        m_socket->disconnect(this);
        // Closes the socket and takes the program's profile back from BlueZ.
        m_socket->abort();
        m_socket.reset();
    }
    resetCollected();
}

void BluetoothChannel::send(const QByteArray& bytes)
{
    if (m_open)
        m_socket->write(bytes);
}

void BluetoothChannel::discardInput()
{
    discardCollected(m_open ? m_socket->readAll() : QByteArray());
}

void BluetoothChannel::readWaiting()
{
    if (m_open)
        collect(m_socket->readAll());
}

void BluetoothChannel::connectionLost()
{
    if (!m_open)
        return;
    m_open = false;
    // What came before the end is still an answer; then nothing more will arrive.
    if (m_socket->state() == QBluetoothSocket::SocketState::ConnectedState)
        collect(m_socket->readAll());
    resetCollected();
    Q_EMIT readFailed();
}

} // namespace talmero::link
