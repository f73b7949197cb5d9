#include "fuzz_check.h"
#include "link/port_address.h"

// Any text in the port field: a serial port, a TCP address with a usable port and host, a
// Bluetooth device address, or a refusal that says what is wrong; never anything else.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using talmero::link::PortAddress;
    const PortAddress a = talmero::link::parsePortAddress(utf8Text(data, size));
    switch (a.kind) {
    case PortAddress::Kind::Serial:
        FUZZ_CHECK(a.host.isEmpty() && a.port == 0 && a.error.isEmpty());
        break;
    case PortAddress::Kind::Tcp:
        FUZZ_CHECK(!a.host.isEmpty() && !a.host.contains(u'/') && a.port >= 1 && a.error.isEmpty());
        break;
    case PortAddress::Kind::Bluetooth:
    case PortAddress::Kind::Ble:
        FUZZ_CHECK(a.device.size() == 17 && a.device == a.device.toUpper() && a.error.isEmpty());
        break;
    case PortAddress::Kind::Invalid:
        FUZZ_CHECK(!a.error.isEmpty());
        break;
    }
    return 0;
}
