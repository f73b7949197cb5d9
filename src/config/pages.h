#pragma once

#include "config/layout.h"

#include <array>
#include <span>
#include <string_view>

// The configuration pages: what each reads and writes, and the page controls that are
// not options of a block.
namespace talmero::config {

enum Page { PageIPC, PageACM, PageBCM, PageDDM, PageHVAC, PageRCM, PageABS, PageHCM };
constexpr int kPageCount = 8;

// One block's requests on the bus.
struct BlockTransfer {
    BlockId block;
    std::string_view readRequest;  // "21" + block number
    std::string_view readPrefix;   // positive answer
    std::string_view writeRequest; // "3b" + block number; the data follows
    std::string_view accepted;     // the cut write answer begins with this
};

struct PageInfo {
    std::string_view caption; // the page's tab text
    std::string_view title;   // what LabelCONF shows
    // The module; a second address is the one chosen by item 1 of sideGroup.
    std::array<std::string_view, 2> addresses;
    bool medium;  // medium-speed bus
    bool session; // opened with the diagnostic session "1087"
    // One block, or two chosen by sideGroup (BCM parts).
    std::array<BlockTransfer, 2> parts;
    int partCount;
    std::string_view blockLength; // as the module has it
    // The radio group choosing the part or door, and the log suffix per choice.
    std::string_view sideGroup;
    std::array<std::string_view, 2> sideSuffixes;
    std::string_view asBuiltAddress; // Label2 of the AS-BUILT window; empty = no AS-BUILT
};

std::span<const PageInfo> pageInfos();
const PageInfo& pageInfo(int page);

// Controls of the pages besides the options of the blocks.
enum class ControlKind { RadioGroup, Edit, Note, GroupBox, Divider, Button };

struct PageControl {
    int page; // -1: the panel beside the pages
    std::string_view name;
    ControlKind kind;
    std::string_view caption;
    std::span<const std::string_view> items{};
    int startItem = -1;
    bool startEnabled = false;
    int columns = 1;
};

std::span<const PageControl> pageControls();

// The states the configuration tab's controls start with (for views without widgets).
class OptionView;
void seedStartStates(OptionView& view);

} // namespace talmero::config
