#pragma once

#include "link/channel.h"

#include <QAbstractSocket>
#include <QTcpSocket>

namespace talmero::link {

// Owns the TCP connection to a Wi-Fi adapter: low delay on, no rate, no control lines;
// hands received bytes over once the adapter's '>' prompt has arrived. A connection that
// drops is a lost link, as a pulled USB cable is.
class TcpChannel : public Channel {
    Q_OBJECT
public:
    static constexpr int kConnectTimeoutMs = 5000;

    TcpChannel(const QString& host, quint16 port, QObject* parent = nullptr);
    ~TcpChannel() override;

    // Waits for the connection up to kConnectTimeoutMs, the window kept painting.
    void open() override;
    void close() override;
    bool isOpen() const override;
    void send(const QByteArray& bytes) override;
    void discardInput() override;
    bool isNetwork() const override { return true; }
    // "192.168.0.10:35000" ("[fe80::1]:35000" for an IPv6 address).
    QString name() const override;

    // What the user is told when the connection could not be made.
    static QString connectFailureText(const QString& address, QAbstractSocket::SocketError error,
                                      const QString& detail);

private:
    void readWaiting();
    void connectionLost();

    QTcpSocket m_socket;
    QString m_host;
    quint16 m_port;
    bool m_open = false;
};

} // namespace talmero::link
