#pragma once

#include "car/catalog.h"

#include <algorithm>
#include <string_view>

// The program's blocks and pages as the tests name them: a block by its module's address
// and its number, a page by its caption; the records in use in the installed catalog.
namespace blocks {

// A layout kept in a table row; it stands for the record wherever one is taken.
struct Block {
    const talmero::car::BlockLayout* layout = nullptr;
    Block() = default;
    Block(const talmero::car::BlockLayout& l) : layout(&l) {}
    operator const talmero::car::BlockLayout&() const { return *layout; }
    const talmero::car::BlockLayout* operator->() const { return layout; }
    bool operator==(const Block& other) const { return layout == other.layout; }
};

inline Block at(std::string_view address, int number)
{
    return *talmero::car::layoutAt(*talmero::car::moduleAt(address), number);
}
inline Block IPC() { return at("720", 0x00); }
inline Block ACM() { return at("727", 0x00); }
inline Block BCM1() { return at("726", 0x03); }
inline Block BCM2() { return at("726", 0x04); }
inline Block DDM() { return at("740", 0x01); }
inline Block HVAC() { return at("733", 0x01); }
inline Block RCM() { return at("737", 0x00); }
inline Block ABS() { return at("760", 0x01); }
inline Block HCM() { return at("734", 0x00); }

// A page kept in a table row, as Block keeps a layout.
struct Page {
    const talmero::car::PageInfo* info = nullptr;
    Page() = default;
    Page(const talmero::car::PageInfo& p) : info(&p) {}
    operator const talmero::car::PageInfo&() const { return *info; }
    const talmero::car::PageInfo* operator->() const { return info; }
    bool operator==(const Page& other) const { return info == other.info; }
};

inline Page page(std::string_view caption)
{
    return *talmero::car::pageCaptioned(caption);
}

// The configuration notebook's tab of the page with this caption.
inline int tab(std::string_view caption)
{
    const auto& pages = talmero::car::catalog().pages;
    return int(std::find(pages.begin(), pages.end(), page(caption).info) - pages.begin());
}

} // namespace blocks
