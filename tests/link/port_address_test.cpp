#include "link/port_address.h"

#include <gtest/gtest.h>

namespace talmero::link {
namespace {

// What the port field's text names: a serial port stays a serial port, whatever colons a
// device path holds; a TCP address is split, and a bad one is refused with its text.
TEST(PortAddress, SerialPortsTcpAddressesAndBadOnes)
{
    using Kind = PortAddress::Kind;
    const struct {
        const char* text;
        Kind kind;
        const char* host;
        quint16 port;
    } cases[] = {
        {"/dev/ttyUSB0", Kind::Serial, "", 0},
        {"ttyUSB0", Kind::Serial, "", 0},
        {"COM3", Kind::Serial, "", 0},
        {"\\\\.\\COM12", Kind::Serial, "", 0},
        {"/dev/serial/by-path/pci-0000:00:14.0-usb-0:2:1.0-port0", Kind::Serial, "", 0},
        {"192.168.0.10:35000", Kind::Tcp, "192.168.0.10", 35000},
        {" 192.168.0.10:23 ", Kind::Tcp, "192.168.0.10", 23},
        {"TCP://obd.local:35000", Kind::Tcp, "obd.local", 35000},
        {"[fe80::1]:35000", Kind::Tcp, "fe80::1", 35000},
        {"192.168.0.10:65535", Kind::Tcp, "192.168.0.10", 65535},
        {"192.168.0.10:65536", Kind::Invalid, "", 0},
        {"192.168.0.10:0", Kind::Invalid, "", 0},
        {"192.168.0.10:", Kind::Invalid, "", 0},
        {"192.168.0.10:35k", Kind::Invalid, "", 0},
        {"192.168.0.10:+35", Kind::Invalid, "", 0},
        {"192.168.0.10:0035000", Kind::Invalid, "", 0},
        {"tcp://192.168.0.10", Kind::Invalid, "", 0},
        {":35000", Kind::Invalid, "", 0},
        {"tcp://[]:35000", Kind::Invalid, "", 0},
    };
    for (const auto& c : cases) {
        const PortAddress a = parsePortAddress(QString::fromLatin1(c.text));
        EXPECT_EQ(a.kind, c.kind) << c.text;
        EXPECT_EQ(a.host, QLatin1String(c.host)) << c.text;
        EXPECT_EQ(a.port, c.port) << c.text;
        EXPECT_EQ(a.error.isEmpty(), c.kind != Kind::Invalid) << c.text;
    }
    // Bluetooth adapters by their device address, in any case.
    for (const auto& [text, kind, device] : {std::tuple{"bt://00:1d:a5:68:98:8b", Kind::Bluetooth, "00:1D:A5:68:98:8B"},
                                             {" BLE://10:00:00:00:00:01 ", Kind::Ble, "10:00:00:00:00:01"},
                                             {"bt://00:1D:A5:68:98", Kind::Invalid, ""},
                                             {"ble://00:00:00:00:00:00", Kind::Invalid, ""},
                                             {"bt://00-1D-A5-68-98-8B", Kind::Invalid, ""},
                                             {"bt://00:1D:A5:68:98:8G", Kind::Invalid, ""}}) {
        const PortAddress a = parsePortAddress(QString::fromLatin1(text));
        EXPECT_EQ(a.kind, kind) << text;
        EXPECT_EQ(a.device, QLatin1String(device)) << text;
    }
    EXPECT_EQ(parsePortAddress(QStringLiteral(":35000")).error,
              QStringLiteral("Неверный адрес :35000: перед двоеточием нужен адрес адаптера (например, 192.168.0.10:35000)."));
}

} // namespace
} // namespace talmero::link
