#include "link/ble_serial.h"

namespace talmero::link {

namespace {

// The Bluetooth base UUID with a 16-bit number in it.
QUuid sigUuid(quint16 number)
{
    return QUuid(number, 0x0000, 0x1000, 0x80, 0x00, 0x00, 0x80, 0x5F, 0x9B, 0x34, 0xFB);
}

bool isSigBased(const QUuid& uuid)
{
    QUuid rest = uuid;
    rest.data1 = 0;
    return uuid.data1 <= 0xFFFF && rest == sigUuid(0);
}

// GAP, GATT, device information, battery and the other services the SIG assigns: never an
// adapter's serial link, even when their characteristics would fit.
bool isSigService(const QUuid& uuid)
{
    return isSigBased(uuid) && uuid.data1 >= 0x1800 && uuid.data1 <= 0x18FF;
}

struct Layout {
    QUuid service;
    QUuid notify;
    QUuid write;
};

const Layout kLayouts[] = {
    {sigUuid(0xFFF0), sigUuid(0xFFF1), sigUuid(0xFFF2)},
    {sigUuid(0xFFE0), sigUuid(0xFFE1), sigUuid(0xFFE1)},
    {QUuid(QStringLiteral("e7810a71-73ae-499d-8c15-faa9aef0c3f2")),
     QUuid(QStringLiteral("bef8d6c9-9c21-4c9e-b632-bd58c1009f9f")),
     QUuid(QStringLiteral("bef8d6c9-9c21-4c9e-b632-bd58c1009f9f"))},
};

const GattCharacteristicInfo* find(const GattServiceInfo& service, const QUuid& uuid)
{
    for (const GattCharacteristicInfo& c : service.characteristics)
        if (c.uuid == uuid)
            return &c;
    return nullptr;
}

bool writable(const GattCharacteristicInfo& c)
{
    return c.write || c.writeNoResponse;
}

SerialServiceChoice choice(const GattServiceInfo& service, const GattCharacteristicInfo& notify,
                           const GattCharacteristicInfo& write, bool known)
{
    return {service.uuid, notify.uuid, write.uuid, write.writeNoResponse, known};
}

} // namespace

std::optional<SerialServiceChoice> chooseSerialService(const QList<GattServiceInfo>& services)
{
    for (const Layout& layout : kLayouts) {
        for (const GattServiceInfo& service : services) {
            if (service.uuid != layout.service)
                continue;
            const GattCharacteristicInfo* notify = find(service, layout.notify);
            const GattCharacteristicInfo* write = find(service, layout.write);
            if (notify && write && notify->notify && writable(*write))
                return choice(service, *notify, *write, true);
        }
    }
    for (const GattServiceInfo& service : services) {
        if (isSigService(service.uuid))
            continue;
        const GattCharacteristicInfo* notify = nullptr;
        const GattCharacteristicInfo* write = nullptr;
        int notifying = 0;
        int writing = 0;
        for (const GattCharacteristicInfo& c : service.characteristics) {
            if (c.notify && ++notifying)
                notify = &c;
            if (writable(c) && ++writing)
                write = &c;
        }
        if (notifying == 1 && writing == 1)
            return choice(service, *notify, *write, false);
    }
    return std::nullopt;
}

bool isVendorService(const QUuid& uuid)
{
    // 16-bit numbers from FF00 up are left to makers, and adapters use them (FFE0, FFF0).
    return !isSigBased(uuid) || uuid.data1 >= 0xFF00;
}

int blePieceSize(int mtu)
{
    // Three bytes of each packet are the write's own header; 512 is the longest value.
    return mtu > 23 ? qMin(mtu - 3, 512) : 20;
}

QByteArrayList splitForWrite(const QByteArray& bytes, int pieceSize)
{
    QByteArrayList pieces;
    for (qsizetype at = 0; at < bytes.size(); at += pieceSize)
        pieces.append(bytes.mid(at, pieceSize));
    return pieces;
}

QString shortUuid(const QUuid& uuid)
{
    if (isSigBased(uuid))
        return QString::number(uuid.data1, 16).toUpper().rightJustified(4, u'0');
    return uuid.toString(QUuid::WithoutBraces).toUpper();
}

} // namespace talmero::link
