#pragma once

#include <iterator>
#include <string_view>

namespace talmero::config {

// One module the backup reads, and the blocks it keeps of it.
struct BackupModule {
    std::string_view address; // CAN request identifier, the adapter's header
    std::string_view title;   // short name written into the file
    bool medium;              // medium-speed bus
    bool session;             // opened with the diagnostic session "1087"
    int firstBlock;           // read in ascending order, both inclusive
    int lastBlock;
};

// The backup's own list, in the order the file holds the modules. The engine and power
// steering modules are not backed up.
inline constexpr BackupModule kBackupModules[] = {
    {"720", "IPC", false, true, 0x00, 0x03},
    {"760", "ABS", false, true, 0x00, 0x01},
    {"734", "HCM", false, true, 0x00, 0x01},
    {"726", "BCM", true, true, 0x03, 0x04},
    {"740", "DDM", true, true, 0x00, 0x01},
    {"741", "PDM", true, true, 0x00, 0x01},
    {"733", "HVAC", true, true, 0x00, 0x01},
    {"737", "RCM", true, false, 0x00, 0x01},
    {"727", "ACM", true, false, 0x00, 0x01},
};

inline constexpr int kBackupModuleCount = int(std::size(kBackupModules));

} // namespace talmero::config
