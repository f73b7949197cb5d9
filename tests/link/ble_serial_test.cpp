#include "link/ble_serial.h"
#include "link/bluetooth_devices.h"

#include <gtest/gtest.h>

namespace talmero::link {
namespace {

QUuid u(const char* text)
{
    return QUuid(QString::fromLatin1(text));
}

const char* const kFFF0 = "0000fff0-0000-1000-8000-00805f9b34fb";
const char* const kFFF1 = "0000fff1-0000-1000-8000-00805f9b34fb";
const char* const kFFF2 = "0000fff2-0000-1000-8000-00805f9b34fb";
const char* const kUart = "49535343-fe7d-4ae5-8fa9-9fafd205e455";

// notify, write, write without response
GattCharacteristicInfo c(const char* uuid, bool notify, bool write, bool writeNoResponse)
{
    return {u(uuid), notify, write, writeNoResponse};
}

TEST(BleSerial, ServiceChosenByTheAdaptersLayoutsThenByItsCharacteristics)
{
    const GattServiceInfo gap{u("00001800-0000-1000-8000-00805f9b34fb"), {c("00002a00-0000-1000-8000-00805f9b34fb", false, false, false)}};
    const GattServiceInfo fff0{u(kFFF0), {c(kFFF1, true, false, false), c(kFFF2, false, true, true)}};
    const GattServiceInfo uart{u(kUart), {c("49535343-1e4d-4bd9-ba61-23c647249616", true, false, false),
                                          c("49535343-8841-43f4-a8d4-ecbe34729bb3", false, true, false)}};
    const struct {
        const char* what;
        QList<GattServiceInfo> services;
        std::optional<SerialServiceChoice> chosen;
    } cases[] = {
        {"FFF0 after GAP", {gap, fff0}, SerialServiceChoice{u(kFFF0), u(kFFF1), u(kFFF2), true, true}},
        {"FFE0: one for both",
         {{u("0000ffe0-0000-1000-8000-00805f9b34fb"), {c("0000ffe1-0000-1000-8000-00805f9b34fb", true, false, true)}}},
         SerialServiceChoice{u("0000ffe0-0000-1000-8000-00805f9b34fb"), u("0000ffe1-0000-1000-8000-00805f9b34fb"),
                             u("0000ffe1-0000-1000-8000-00805f9b34fb"), true, true}},
        {"E7810A71: one for both, with response",
         {{u("e7810a71-73ae-499d-8c15-faa9aef0c3f2"), {c("bef8d6c9-9c21-4c9e-b632-bd58c1009f9f", true, true, false)}}},
         SerialServiceChoice{u("e7810a71-73ae-499d-8c15-faa9aef0c3f2"), u("bef8d6c9-9c21-4c9e-b632-bd58c1009f9f"),
                             u("bef8d6c9-9c21-4c9e-b632-bd58c1009f9f"), false, true}},
        {"a known layout before another fitting service", {uart, fff0}, SerialServiceChoice{u(kFFF0), u(kFFF1), u(kFFF2), true, true}},
        {"by its characteristics, SIG services passed over",
         {gap, {u("00001801-0000-1000-8000-00805f9b34fb"), {c("00002a05-0000-1000-8000-00805f9b34fb", true, true, false)}}, uart},
         SerialServiceChoice{u(kUart), u("49535343-1e4d-4bd9-ba61-23c647249616"), u("49535343-8841-43f4-a8d4-ecbe34729bb3"), false, false}},
        {"two notifying: no guess", {{u(kUart), {c(kFFF1, true, false, false), c(kFFF2, true, false, false), c("0000aaaa-0000-1000-8000-00805f9b34fb", false, true, false)}}}, std::nullopt},
        {"FFF0 whose FFF1 does not notify", {{u(kFFF0), {c(kFFF1, false, false, false), c(kFFF2, false, true, false)}}}, std::nullopt},
        {"nothing", {}, std::nullopt},
    };
    for (const auto& k : cases) {
        const std::optional<SerialServiceChoice> got = chooseSerialService(k.services);
        ASSERT_EQ(got.has_value(), k.chosen.has_value()) << k.what;
        if (!got)
            continue;
        EXPECT_EQ(got->service, k.chosen->service) << k.what;
        EXPECT_EQ(got->notify, k.chosen->notify) << k.what;
        EXPECT_EQ(got->write, k.chosen->write) << k.what;
        EXPECT_EQ(got->withoutResponse, k.chosen->withoutResponse) << k.what;
        EXPECT_EQ(got->knownLayout, k.chosen->knownLayout) << k.what;
    }
    EXPECT_EQ(shortUuid(u(kFFF0)), QStringLiteral("FFF0"));
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
    const struct {
        bool classicRadio, lowEnergyRadio;
        QStringList uuids;
        bool classic, lowEnergy;
    } cases[] = {
        {true, false, {spp}, true, false},
        {true, false, {}, true, false}, // not said yet
        {true, false, {"0000110b-0000-1000-8000-00805f9b34fb", "0000111e-0000-1000-8000-00805f9b34fb"}, false, false}, // a headset
        {false, true, {kFFF0}, false, true},
        {false, true, {kUart}, false, true},
        {false, true, {}, false, true},
        {false, true, {"0000180d-0000-1000-8000-00805f9b34fb"}, false, false}, // a heart-rate belt
        {true, false, {spp, kFFF0}, true, true},                                 // both radios
    };
    for (const auto& k : cases) {
        const BluetoothDevice d = classifyDevice("00:1d:a5:68:98:8b", "OBDII", k.classicRadio, k.lowEnergyRadio, k.uuids, false);
        EXPECT_EQ(d.address, "00:1D:A5:68:98:8B");
        EXPECT_EQ(d.classic, k.classic) << k.uuids.join(' ').toStdString();
        EXPECT_EQ(d.lowEnergy, k.lowEnergy) << k.uuids.join(' ').toStdString();
    }
    // What a search adds to a known device joins its entry; a new one follows.
    const QList<BluetoothDevice> merged = mergeDevices({{"00:1D:A5:68:98:8B", "", true, false, true}},
                                                       {{"00:1D:A5:68:98:8B", "OBDII", false, true, false},
                                                        {"10:00:00:00:00:01", "", false, true, false}});
    const QList<BluetoothPortEntry> entries = bluetoothEntries(merged);
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0].port, "bt://00:1D:A5:68:98:8B");
    EXPECT_EQ(entries[0].label, "OBDII (Bluetooth 00:1D:A5:68:98:8B)");
    EXPECT_EQ(entries[1].label, "OBDII (Bluetooth LE 00:1D:A5:68:98:8B)");
    EXPECT_EQ(entries[2].port, "ble://10:00:00:00:00:01");
    EXPECT_EQ(entries[2].label, "Устройство (Bluetooth LE 10:00:00:00:00:01)");
    EXPECT_TRUE(merged[0].paired);
}

} // namespace
} // namespace talmero::link
