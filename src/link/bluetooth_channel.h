#pragma once

#include "link/bluetooth_local.h"
#include "link/channel.h"

#include <QBluetoothSocket>
#include <memory>

namespace talmero::link {

// Owns the connection to a Classic Bluetooth adapter's serial port profile: no rate, no
// control lines; hands received bytes over once the adapter's '>' prompt has arrived. A
// connection that drops is a lost link, as a pulled USB cable is.
class BluetoothChannel : public Channel {
    Q_OBJECT
public:
    static constexpr int kConnectTimeoutMs = 10000;

    // device: "00:1D:A5:68:98:8B".
    explicit BluetoothChannel(const QString& device, int connectTimeoutMs = kConnectTimeoutMs,
                              QObject* parent = nullptr);
    ~BluetoothChannel() override;

    // Waits for the connection up to the time-out, the window kept painting.
    void open() override;
    void close() override;
    bool isOpen() const override { return m_open; }
    void send(const QByteArray& bytes) override;
    void discardInput() override;
    bool isBluetooth() const override { return true; }
    // "bt://00:1D:A5:68:98:8B"
    QString name() const override;

    // What the user is told when the connection could not be made.
    static QString connectFailureText(const QString& port, const QString& device,
                                      QBluetoothSocket::SocketError error, const QString& detail);

private:
    void readWaiting();
    void connectionLost();

    QString m_device;
    int m_connectTimeoutMs;
    std::unique_ptr<QBluetoothSocket> m_socket;
    BluetoothWait m_wait;
    bool m_open = false;
};

} // namespace talmero::link
