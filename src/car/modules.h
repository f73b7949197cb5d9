#pragma once

#include "car/abs.h"
#include "car/acm.h"
#include "car/bcm.h"
#include "car/doors.h"
#include "car/hcm.h"
#include "car/hvac.h"
#include "car/ipc.h"
#include "car/pcm.h"
#include "car/pscm.h"
#include "car/rcm.h"

#include <array>
#include <span>
#include <string_view>

// The module table: every module of the car, and the lists the program walks, derived
// from it. A module is added by its description file and its line in kModules and
// kReadingOrder.
namespace talmero::car {

// In the order the service tab lists them; the configuration pages and the layouts follow it.
inline constexpr std::array kModules = {&kIpc, &kAcm, &kBcm, &kDdm, &kPdm, &kHvac, &kRcm,
                                        &kAbs, &kHcm, &kPscm, &kPcm};
// The trouble-code reading's order, the high-speed bus first; the VehicleData file keeps
// the modules with backup blocks in this order too.
inline constexpr std::array kReadingOrder = {&kPcm, &kIpc, &kAbs, &kHcm, &kPscm, &kBcm,
                                             &kDdm, &kPdm, &kHvac, &kRcm, &kAcm};

namespace derive {

// Records are told apart by their contents here: under the undefined-behaviour sanitizer
// the compiler cannot compare two records' addresses. Addresses and captions are unique
// (checked), and so is every control name, the first option's among them.
constexpr bool same(const Module* a, const Module* b)
{
    return a->address == b->address;
}
constexpr bool same(const PageInfo* a, const PageInfo* b)
{
    return a->caption == b->caption;
}
constexpr bool same(const BlockLayout* a, const BlockLayout* b)
{
    return a->number == b->number && a->options.size() == b->options.size()
        && (a->options.empty() || a->options[0].name == b->options[0].name);
}

constexpr int pageCount()
{
    int n = 0;
    for (std::size_t i = 0; i < kModules.size(); ++i) {
        bool first = kModules[i]->hasPage();
        for (std::size_t j = 0; j < i; ++j)
            first = first && !same(kModules[j]->page, kModules[i]->page);
        n += first ? 1 : 0;
    }
    return n;
}

constexpr int layoutCount()
{
    int n = 0;
    for (std::size_t i = 0; i < kModules.size(); ++i) {
        for (const BlockLayout* b : kModules[i]->blocks) {
            bool first = true;
            for (std::size_t j = 0; j < i; ++j) {
                for (const BlockLayout* earlier : kModules[j]->blocks)
                    first = first && !same(earlier, b);
            }
            n += first ? 1 : 0;
        }
    }
    return n;
}

constexpr int keptCount()
{
    int n = 0;
    for (const Module* m : kReadingOrder)
        n += m->backupBlocks.empty() ? 0 : 1;
    return n;
}

} // namespace derive

// Each configuration page once, in table order.
inline constexpr auto kPages = [] {
    std::array<const PageInfo*, derive::pageCount()> out{};
    std::size_t n = 0;
    for (const Module* m : kModules) {
        bool seen = !m->hasPage();
        for (std::size_t k = 0; k < n; ++k)
            seen = seen || derive::same(out[k], m->page);
        if (!seen)
            out[n++] = m->page;
    }
    return out;
}();

// Each configuration block's layout once, in table order (the doors share theirs).
inline constexpr auto kLayouts = [] {
    std::array<const BlockLayout*, derive::layoutCount()> out{};
    std::size_t n = 0;
    for (const Module* m : kModules) {
        for (const BlockLayout* b : m->blocks) {
            bool seen = false;
            for (std::size_t k = 0; k < n; ++k)
                seen = seen || derive::same(out[k], b);
            if (!seen)
                out[n++] = b;
        }
    }
    return out;
}();

// The modules the VehicleData file keeps, in its order.
inline constexpr auto kBackupModules = [] {
    std::array<const Module*, derive::keptCount()> out{};
    std::size_t n = 0;
    for (const Module* m : kReadingOrder) {
        if (!m->backupBlocks.empty())
            out[n++] = m;
    }
    return out;
}();

// The AS-BUILT line of a block of a module: "7" + the address byte, the line, "01".
struct AsBuiltKey {
    int addressByte = 0; // the two hex digits after the leading 7 ("20" of 720)
    int line = 0;
    constexpr bool operator==(const AsBuiltKey&) const = default;
};
constexpr int hexDigit(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}
constexpr AsBuiltKey asBuiltKeyOf(const Module& m, const BlockLayout& b)
{
    return {hexDigit(m.address[1]) * 16 + hexDigit(m.address[2]), b.asBuiltLine};
}

} // namespace talmero::car
