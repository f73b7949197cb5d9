#pragma once

#include "config/config_panel.h"
#include "config/map_option_view.h"
#include "config/pages.h"
#include "support/blocks.h"

// Every page with each of its parts or doors, and the most hex digits the module's block
// has there (a longer block is cut to this).
struct FuzzSide {
    std::string_view page; // its caption
    int side;
    int blockDigits;
};

inline constexpr FuzzSide kPageSides[] = {
    {"IPC", 0, 10}, {"ACM", 0, 6},     {"BCM", 0, 8},  {"BCM", 1, 6}, {"DDM+PDM", 0, 2},
    {"DDM+PDM", 1, 2}, {"HVAC", 0, 2}, {"RCM", 0, 8},  {"ABS", 0, 2}, {"HCM", 0, 8},
};

inline const talmero::config::PageInfo& pageOf(const FuzzSide& p)
{
    return blocks::page(p.page);
}

inline void chooseSide(talmero::config::ConfigPanel& panel, const FuzzSide& p)
{
    panel.view().setItem(QStringLiteral("RadioGroupBCMrd"), p.side);
    panel.view().setItem(QStringLiteral("RadioGroupDDMr"), p.side);
}

// Shows the page as the tab does, with the part or door chosen.
inline void goTo(talmero::config::ConfigPanel& panel, const FuzzSide& p)
{
    chooseSide(panel, p);
    panel.TabbedCONFChange(pageOf(p), true);
}
