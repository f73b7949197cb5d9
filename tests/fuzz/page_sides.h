#pragma once

#include "config/config_panel.h"
#include "config/map_option_view.h"
#include "config/pages.h"

// Every page with each of its parts or doors, and the most hex digits the module's block
// has there (a longer block is cut to this).
struct FuzzSide {
    int page;
    int side;
    int blockDigits;
};

inline constexpr FuzzSide kPageSides[] = {
    {talmero::config::PageIPC, 0, 10}, {talmero::config::PageACM, 0, 6},
    {talmero::config::PageBCM, 0, 8},  {talmero::config::PageBCM, 1, 6},
    {talmero::config::PageDDM, 0, 2},  {talmero::config::PageDDM, 1, 2},
    {talmero::config::PageHVAC, 0, 2}, {talmero::config::PageRCM, 0, 8},
    {talmero::config::PageABS, 0, 2},  {talmero::config::PageHCM, 0, 8},
};

inline void chooseSide(talmero::config::ConfigPanel& panel, const FuzzSide& p)
{
    panel.view().setItem(QStringLiteral("RadioGroupBCMrd"), p.side);
    panel.view().setItem(QStringLiteral("RadioGroupDDMr"), p.side);
}

// Shows the page as the tab does, with the part or door chosen.
inline void goTo(talmero::config::ConfigPanel& panel, const FuzzSide& p)
{
    chooseSide(panel, p);
    panel.TabbedCONFChange(p.page, true);
}
