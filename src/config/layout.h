#pragma once

#include "car/catalog.h"
#include "car/modules.h"

#include <span>
#include <string_view>

// The configuration logic's view of the block layouts the module table holds.
namespace talmero::config {

using car::BlockLayout;
using car::EnableRule;
using car::Option;
using car::OptionKind;
using car::PatternItem;
using car::Positions;
using car::qs;
using car::tl;

// Every configuration block's layout in use, the program's own and those of description
// files, each once.
inline std::span<const BlockLayout* const> blockLayouts()
{
    return car::catalog().layouts;
}
// The layout in use for one a module or page side names (a file may extend it).
inline const BlockLayout& layoutOf(const BlockLayout& described)
{
    return car::catalog().inUse(described);
}
// The option with this control name, and the block it belongs to; nullptr when none.
const Option* findOption(std::string_view name, const BlockLayout** block = nullptr);

} // namespace talmero::config
