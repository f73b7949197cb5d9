#pragma once

#include <QByteArrayList>
#include <QList>
#include <QString>
#include <QUuid>
#include <optional>

namespace talmero::link {

// One characteristic of a BLE adapter's service, as its properties describe it.
struct GattCharacteristicInfo {
    QUuid uuid;
    bool notify = false;          // notifications or indications
    bool write = false;           // write with response
    bool writeNoResponse = false; // write without response
};

struct GattServiceInfo {
    QUuid uuid;
    QList<GattCharacteristicInfo> characteristics;
};

// Where a BLE adapter's serial link lives: the characteristic whose notifications bring the
// answers and the one requests are written to (both may be the same one).
struct SerialServiceChoice {
    QUuid service;
    QUuid notify;
    QUuid write;
    bool withoutResponse = false; // the write characteristic takes write-without-response
    bool knownLayout = false;     // one of the layouts adapters are known to use
};

// Picks the serial service by the layouts adapters use (FFF0: notify FFF1, write FFF2;
// FFE0: FFE1 for both; E7810A71-...: BEF8D6C9-... for both), otherwise the first service
// not assigned by the Bluetooth SIG with exactly one notifying and one writable
// characteristic. nullopt when none fits.
std::optional<SerialServiceChoice> chooseSerialService(const QList<GattServiceInfo>& services);

// The largest piece one write may carry: 20 bytes on the default link (MTU 23), more only
// when the MTU is known to be larger.
int blePieceSize(int mtu);
// bytes cut into pieces of at most pieceSize, in order.
QByteArrayList splitForWrite(const QByteArray& bytes, int pieceSize);

// A service the Bluetooth SIG does not define (a maker's own, such as FFF0 or a 128-bit
// one): where an adapter's serial link may live.
bool isVendorService(const QUuid& uuid);

// "0000fff0-0000-1000-8000-00805f9b34fb" as "FFF0": short for the log.
QString shortUuid(const QUuid& uuid);

} // namespace talmero::link
