#pragma once

#include "link/ble_serial.h"
#include "link/bluetooth_local.h"
#include "link/channel.h"

#include <QLowEnergyController>
#include <QLowEnergyService>
#include <memory>
#include <vector>

namespace talmero::link {

// Owns the connection to a Bluetooth Low Energy adapter: its serial service's notifying
// characteristic brings the answers (joined up to the '>' prompt), requests are written to
// its writable one in pieces that fit the link. No rate, no control lines; a connection
// that drops is a lost link, as a pulled USB cable is.
class BleChannel : public Channel {
    Q_OBJECT
public:
    static constexpr int kConnectTimeoutMs = 10000;

    // device: "00:1D:A5:68:98:8B".
    explicit BleChannel(const QString& device, int connectTimeoutMs = kConnectTimeoutMs, QObject* parent = nullptr);
    ~BleChannel() override;

    // Connects, reads the services, chooses the serial one and turns its notifications on,
    // all within the time-out, the window kept painting.
    void open() override;
    void close() override;
    bool isOpen() const override { return m_open; }
    void send(const QByteArray& bytes) override;
    void discardInput() override { discardCollected(); }
    bool isBluetooth() const override { return true; }
    // "ble://00:1D:A5:68:98:8B"
    QString name() const override;
    // Which service and characteristics carry the link.
    QString openedNote() const override { return m_note; }

    // The log line of the chosen service.
    static QString choiceLine(const SerialServiceChoice& choice, int pieceSize);

private:
    void connectToAdapter(const QDeadlineTimer& deadline);
    QList<GattServiceInfo> readServices(const QDeadlineTimer& deadline);
    void startNotifications(const SerialServiceChoice& choice, const QDeadlineTimer& deadline);
    QString failureText(QLowEnergyController::Error error) const;
    [[noreturn]] void timedOut(bool connected) const;
    void notified(const QLowEnergyCharacteristic& characteristic, const QByteArray& value);
    void connectionLost();

    QString m_device;
    int m_connectTimeoutMs;
    std::unique_ptr<QLowEnergyController> m_controller;
    std::vector<std::unique_ptr<QLowEnergyService>> m_services;
    QLowEnergyService* m_serial = nullptr; // one of m_services
    QLowEnergyCharacteristic m_write;
    QBluetoothUuid m_notify;
    QLowEnergyService::WriteMode m_writeMode = QLowEnergyService::WriteWithResponse;
    int m_pieceSize = 20;
    QString m_note;
    BluetoothWait m_wait;
    bool m_open = false;
};

} // namespace talmero::link
