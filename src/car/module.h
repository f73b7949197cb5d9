#pragma once

#include "car/layout.h"

#include <QString>

#include <array>
#include <span>
#include <string_view>

// What the program knows of a module of the car, as one record per module: how it is
// reached, what it holds, where the backup and the trouble-code reading take it, and the
// configuration page that shows its blocks. Pure data; the logic lives in the layers above.
namespace talmero::car {

enum class Bus { High, Medium };

enum class ControlKind { RadioGroup, Edit, Note, GroupBox, Divider, Button };

// A control of a configuration page that is no option of a block.
struct PageControl {
    std::string_view name;
    ControlKind kind;
    std::string_view caption;
    std::span<const std::string_view> items{};
    int startItem = -1;
    bool startEnabled = false;
    int columns = 1;
};

// What a page reads and writes when one of its sides is chosen: one block of one module.
struct PageSide {
    std::string_view address;
    const BlockLayout* layout = nullptr;
    std::string_view suffix{}; // what the log adds for this side (" [Часть 2]"); "" for one side
};

// A configuration page: its tab, its title, and the blocks its sides show.
struct PageInfo {
    std::string_view caption{};     // the tab's text
    std::string_view title{};       // what LabelCONF shows (context "Pages")
    std::string_view sideGroup{}; // the radio group choosing the side; "" for one side
    std::array<PageSide, 2> sides{};
    int sideCount = 1;
    std::span<const PageControl> controls{};

    constexpr std::span<const PageSide> allSides() const { return {sides.data(), std::size_t(sideCount)}; }
    // Its two sides are two modules (the doors), not two blocks of one module (BCM's parts).
    constexpr bool twoModules() const { return sideCount == 2 && sides[0].address != sides[1].address; }
};

// Blocks by number, both inclusive; empty when last is below first.
struct BlockRange {
    int first = 0;
    int last = -1;
    constexpr bool empty() const { return last < first; }
    constexpr bool holds(int block) const { return block >= first && block <= last; }
};

// The page of a module that has none. (Every module names a page, so that the compiler can
// walk them: it cannot compare the addresses of these records, nor one with null.)
inline constexpr PageInfo kNoPage{};

struct Module {
    std::string_view name{};      // "IPC"; also its title in the VehicleData file
    std::string_view address{};   // CAN request identifier, three hex digits
    Bus bus = Bus::High;
    std::string_view title{};     // what the module table shows (context "Modules")
    bool session = true;          // opened with the diagnostic session "1087"
    bool sessionForCodes = true;  // ... also before its trouble codes are read
    int manualBlock = -1;         // the block the service tab reads and writes by hand; -1 none
    int vinBlock = -1;            // the block holding the VIN; -1 none
    bool restart = false;         // the service tab may restart it
    bool identity = false;        // its VIN names the car; asked in table order
    bool codes = true;            // answers the trouble-code request: read, cleared and scanned
    BlockRange backupBlocks{};    // the blocks the VehicleData file keeps; none: not in it
    std::span<const BlockLayout* const> blocks{}; // its configuration blocks
    const PageInfo* page = &kNoPage; // the page that shows them
    const DescriptionFile* file = nullptr; // the description file it comes from; null: the program's own

    constexpr bool medium() const { return bus == Bus::Medium; }
    constexpr bool hasPage() const { return !page->caption.empty(); }
};

// A block number as the requests and files write it: two upper-case hex digits, "0A".
inline QString blockText(int number)
{
    return QStringLiteral("%1").arg(number, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace talmero::car
