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

// The program's own pages, by tab; the pages of description files follow them.
enum Page { PageIPC, PageACM, PageBCM, PageDDM, PageHVAC, PageRCM, PageABS, PageHCM };

inline std::span<const PageInfo* const> pageInfos()
{
    return car::catalog().pages;
}
inline int pageCount()
{
    return int(car::catalog().pages.size());
}
inline const PageInfo& pageInfo(int page)
{
    return *car::catalog().pages[std::size_t(page)];
}
// The page that shows a layout.
int pageOf(BlockId id);
// The layouts a page shows, each once (both door sides show one), as the catalog has them
// (with the options of description files).
QList<const BlockLayout*> pageLayouts(const PageInfo& page);
// The module a side of a page reads and writes.
const car::Module& moduleOf(const PageSide& side);
// The address byte of the page's AS-BUILT lines ("20"); "" when the page has none.
QString asBuiltAddress(const PageInfo& page);

// A control of the configuration tab with the page it stands on; -1: the panel beside
// the pages.
struct PlacedControl : PageControl {
    int page = -1;
};
std::span<const PlacedControl> pageControls();

// The states the configuration tab's controls start with (for views without widgets).
class OptionView;
void seedStartStates(OptionView& view);

} // namespace talmero::config
