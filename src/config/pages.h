#pragma once

#include "config/layout.h"

#include <QList>
#include <QString>

#include <span>
#include <string_view>

// The configuration pages, from the module table: what each reads and writes, and the
// controls of the configuration tab that are no options of a block.
namespace talmero::config {

using car::ControlKind;
using car::PageControl;
using car::PageInfo;
using car::PageSide;

// The pages in tab order: the program's own, then those of description files.
inline std::span<const PageInfo* const> pageInfos()
{
    return car::catalog().pages;
}
// The page of a tab; nullptr for a tab beyond them.
const PageInfo* pageAt(int tab);
// The tab of a page.
int tabOf(const PageInfo& page);
// The page that shows a layout in use; nullptr when none does.
const PageInfo* pageShowing(const BlockLayout& layout);
// The layout in use that a side of a page shows.
inline const BlockLayout& layoutOf(const PageSide& side)
{
    return layoutOf(*side.layout);
}
// The layouts a page shows, each once (both door sides show one), as the catalog has them
// (with the options of description files).
QList<const BlockLayout*> pageLayouts(const PageInfo& page);
// The module a side of a page reads and writes.
const car::Module& moduleOf(const PageSide& side);
// The address byte of the page's AS-BUILT lines ("20"); "" when the page has none.
QString asBuiltAddress(const PageInfo& page);

// A control of the configuration tab with the page it stands on; nullptr: the panel
// beside the pages.
struct PlacedControl : PageControl {
    const PageInfo* page = nullptr;
};
std::span<const PlacedControl> pageControls();

// The states the configuration tab's controls start with (for views without widgets).
class OptionView;
void seedStartStates(OptionView& view);

} // namespace talmero::config
