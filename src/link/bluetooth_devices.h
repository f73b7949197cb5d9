#pragma once

#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class QBluetoothDeviceDiscoveryAgent;

namespace talmero::link {

// A Bluetooth device the computer knows or a search found, and how an ELM327 on it would
// be reached.
struct BluetoothDevice {
    QString address;        // "00:1D:A5:68:98:8B"
    QString name;           // as the device calls itself; may be empty
    bool classic = false;   // through the serial port profile: bt://
    bool lowEnergy = false; // through a BLE serial service: ble://
    bool paired = false;

    bool operator==(const BluetoothDevice&) const = default;
};

// What a device's radio and services say: a Classic device offers the serial port profile
// (or has not said what it offers), a Low Energy one a maker's own service (or nothing
// yet); headsets, phones and the like are neither.
BluetoothDevice classifyDevice(const QString& address, const QString& name, bool classicRadio,
                               bool lowEnergyRadio, const QStringList& serviceUuids, bool paired);

// The devices BlueZ knows, paired or seen lately, that may be adapters; empty where that
// cannot be asked (no Bluetooth service, another system). Sorted by name.
QList<BluetoothDevice> knownBluetoothDevices();

// a, with what b says of the same devices added and b's other devices after them.
QList<BluetoothDevice> mergeDevices(QList<BluetoothDevice> a, const QList<BluetoothDevice>& b);

// One port list entry per way a device is reached.
struct BluetoothPortEntry {
    QString port;  // "bt://00:1D:A5:68:98:8B"
    QString label; // "OBDII (Bluetooth 00:1D:A5:68:98:8B)"
};
QList<BluetoothPortEntry> bluetoothEntries(const QList<BluetoothDevice>& devices);

class BluetoothDeviceTexts {
    Q_DECLARE_TR_FUNCTIONS(BluetoothDeviceTexts)
public:
    static QString label(const QString& name, const QString& address, bool lowEnergy);
};

// Looks for Bluetooth devices around for a while; what it finds is classified as the
// known devices are.
class BluetoothSearch : public QObject {
    Q_OBJECT
public:
    static constexpr int kSearchMs = 10000;

    explicit BluetoothSearch(QObject* parent = nullptr);
    ~BluetoothSearch() override;

    // finished() follows, at once when the computer has no Bluetooth or it is off.
    void start(int searchMs = kSearchMs);
    void cancel();
    bool isActive() const;
    const QList<BluetoothDevice>& found() const { return m_found; }
    // Why the search could not run; "" when it ran (or was cancelled).
    const QString& failure() const { return m_failure; }

Q_SIGNALS:
    void deviceFound(const talmero::link::BluetoothDevice& device);
    void finished();

private:
    void fail(const QString& text);

    std::unique_ptr<QBluetoothDeviceDiscoveryAgent> m_agent;
    QList<BluetoothDevice> m_found;
    QString m_failure;
    bool m_active = false;
};

} // namespace talmero::link
