#include "link/ble_serial.h"
#include "link/bluetooth_devices.h"

#include <gtest/gtest.h>

namespace talmero::link {
namespace {

QUuid u(const char* text)
{
    return QUuid(QString::fromLatin1(text));
}

// A 16-bit number in the Bluetooth base UUID.
QUuid sig(quint16 number)
{
    return u(QStringLiteral("0000%1-0000-1000-8000-00805f9b34fb").arg(QString::number(number, 16).rightJustified(4, u'0')).toLatin1());
}

const char* const kUart = "49535343-fe7d-4ae5-8fa9-9fafd205e455";
const char* const kUartIn = "49535343-1e4d-4bd9-ba61-23c647249616";
const char* const kUartOut = "49535343-8841-43f4-a8d4-ecbe34729bb3";
const char* const kVlink = "e7810a71-73ae-499d-8c15-faa9aef0c3f2";
const char* const kVlinkIo = "bef8d6c9-9c21-4c9e-b632-bd58c1009f9f";

TEST(BleSerial, ServiceChosenByTheAdaptersLayoutsThenByItsCharacteristics)
{
    using C = GattCharacteristicInfo; // uuid, notify, write, write without response
    const GattServiceInfo gap{sig(0x1800), {C{sig(0x2A00), false, false, false}}};
    const GattServiceInfo fff0{sig(0xFFF0), {C{sig(0xFFF1), true, false, false}, C{sig(0xFFF2), false, true, true}}};
    const GattServiceInfo uart{u(kUart), {C{u(kUartIn), true, false, false}, C{u(kUartOut), false, true, false}}};
    const SerialServiceChoice byFff0{sig(0xFFF0), sig(0xFFF1), sig(0xFFF2), true, true};
    const struct {
        const char* what;
        QList<GattServiceInfo> services;
        std::optional<SerialServiceChoice> chosen;
    } cases[] = {
        {"FFF0 after GAP", {gap, fff0}, byFff0},
        {"FFE0: one for both", {{sig(0xFFE0), {C{sig(0xFFE1), true, false, true}}}}, SerialServiceChoice{sig(0xFFE0), sig(0xFFE1), sig(0xFFE1), true, true}},
        {"E7810A71: one for both, with response", {{u(kVlink), {C{u(kVlinkIo), true, true, false}}}},
         SerialServiceChoice{u(kVlink), u(kVlinkIo), u(kVlinkIo), false, true}},
        {"a known layout before another fitting service", {uart, fff0}, byFff0},
        {"by its characteristics, SIG services passed over",
         {gap, {sig(0x1801), {C{sig(0x2A05), true, true, false}}}, uart}, SerialServiceChoice{u(kUart), u(kUartIn), u(kUartOut), false, false}},
        {"two notifying: no guess", {{u(kUart), {C{u(kUartIn), true, false, false}, C{sig(0xFFF1), true, false, false}, C{u(kUartOut), false, true, false}}}}, std::nullopt},
        {"FFF0 whose FFF1 does not notify", {{sig(0xFFF0), {C{sig(0xFFF1), false, false, false}, C{sig(0xFFF2), false, true, false}}}}, std::nullopt},
        {"nothing", {}, std::nullopt},
    };
    for (const auto& k : cases) {
        const std::optional<SerialServiceChoice> got = chooseSerialService(k.services);
        ASSERT_EQ(got.has_value(), k.chosen.has_value()) << k.what;
        if (got) {
            EXPECT_EQ((std::tuple{got->service, got->notify, got->write, got->withoutResponse, got->knownLayout}),
                      (std::tuple{k.chosen->service, k.chosen->notify, k.chosen->write, k.chosen->withoutResponse, k.chosen->knownLayout}))
                << k.what;
        }
    }
    EXPECT_EQ(shortUuid(sig(0xFFF0)), QStringLiteral("FFF0"));
    EXPECT_EQ(shortUuid(u(kUart)), QStringLiteral("49535343-FE7D-4AE5-8FA9-9FAFD205E455"));
}

TEST(BleSerial, LongRequestsGoInPiecesThatFitTheLink)
{
    EXPECT_EQ(blePieceSize(-1), 20); // not known
    EXPECT_EQ(blePieceSize(23), 20);
    EXPECT_EQ(blePieceSize(185), 182);
    EXPECT_EQ(blePieceSize(1000), 512);
    EXPECT_EQ(splitForWrite("3B0100112233445566778899AABB\r", 20), (QByteArrayList{"3B010011223344556677", "8899AABB\r"}));
    EXPECT_EQ(splitForWrite("0123456789012345678901234567890123456789", 20),
              (QByteArrayList{"01234567890123456789", "01234567890123456789"}));
    EXPECT_EQ(splitForWrite("ATZ\r", 20), QByteArrayList{"ATZ\r"});
    EXPECT_TRUE(splitForWrite("", 20).isEmpty());
}

TEST(BluetoothDevices, WhatADeviceOffersDecidesHowItIsReached)
{
    const char* const spp = "00001101-0000-1000-8000-00805f9b34fb";
    const char* const fff0 = "0000fff0-0000-1000-8000-00805f9b34fb";
    const struct {
        bool classicRadio, lowEnergyRadio;
        QStringList uuids;
        bool classic, lowEnergy;
    } cases[] = {
        {true, false, {spp}, true, false},
        {true, false, {}, true, false}, // not said yet
        {true, false, {"0000110b-0000-1000-8000-00805f9b34fb", "0000111e-0000-1000-8000-00805f9b34fb"}, false, false}, // a headset
        {false, true, {fff0}, false, true},
        {false, true, {kUart}, false, true},
        {false, true, {}, false, true},
        {false, true, {"0000180d-0000-1000-8000-00805f9b34fb"}, false, false}, // a heart-rate belt
        {true, false, {spp, fff0}, true, true},                                 // both radios
    };
    for (const auto& k : cases) {
        const BluetoothDevice d = classifyDevice("00:1d:a5:68:98:8b", "OBDII", k.classicRadio, k.lowEnergyRadio, k.uuids, false);
        EXPECT_EQ(bluetoothEntries({d}).value(0).port, k.classic ? "bt://00:1D:A5:68:98:8B" : k.lowEnergy ? "ble://00:1D:A5:68:98:8B" : "");
        EXPECT_EQ(d.classic, k.classic) << k.uuids.join(' ').toStdString();
        EXPECT_EQ(d.lowEnergy, k.lowEnergy) << k.uuids.join(' ').toStdString();
    }
}

} // namespace
} // namespace talmero::link
