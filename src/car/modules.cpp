#include "car/modules.h"

#include "car/layout_check.h"

// What must hold of the module table, checked when the program is compiled.
namespace talmero::car {

namespace {

constexpr bool unique(std::string_view Module::*field)
{
    for (std::size_t i = 0; i < kModules.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (kModules[i]->*field == kModules[j]->*field)
                return false;
        }
    }
    return true;
}
static_assert(unique(&Module::address), "two modules with one address");
static_assert(unique(&Module::name), "two modules with one name");

// The reading order names every module of the table once, and nothing else.
constexpr bool readingOrderComplete()
{
    if (kReadingOrder.size() != kModules.size())
        return false;
    for (const Module* m : kModules) {
        int given = 0;
        for (const Module* r : kReadingOrder)
            given += derive::same(r, m) ? 1 : 0;
        if (given != 1)
            return false;
    }
    return true;
}
static_assert(readingOrderComplete(), "the trouble-code reading misses a module or names one twice");

// The reading asks for the bus switch once: every high-speed module before the others.
constexpr bool highSpeedFirst()
{
    bool medium = false;
    for (const Module* m : kReadingOrder) {
        if (medium && !m->medium())
            return false;
        medium = m->medium();
    }
    return true;
}
static_assert(highSpeedFirst(), "the trouble-code reading goes back to the high-speed bus");

// The car's VIN comes from the high-speed bus, the instrument panel first.
constexpr bool identitySound()
{
    bool first = true;
    for (const Module* m : kModules) {
        if (!m->identity)
            continue;
        if (m->medium() || m->vinBlock < 0 || (first && m->name != "IPC"))
            return false;
        first = false;
    }
    return !first;
}
static_assert(identitySound(), "an identity module without a VIN, off the high-speed bus, or not the IPC first");

constexpr bool asBuiltKeysUnique()
{
    std::array<AsBuiltKey, 16> keys{};
    std::size_t n = 0;
    for (const Module* m : kModules) {
        for (const BlockLayout* b : m->blocks) {
            if (b->asBuiltLine == 0)
                continue;
            const AsBuiltKey key = asBuiltKeyOf(*m, *b);
            for (std::size_t k = 0; k < n; ++k) {
                if (keys[k] == key)
                    return false;
            }
            if (n == keys.size())
                return false;
            keys[n++] = key;
        }
    }
    return true;
}
static_assert(asBuiltKeysUnique(), "two AS-BUILT lines with one address");

// The layouts are sound, each block number once per module; each page side names a
// block of the module at its address.
constexpr bool layoutsSound()
{
    for (const BlockLayout* b : kLayouts) {
        if (!layoutProblem(*b).empty())
            return false;
    }
    for (const Module* m : kModules) {
        for (std::size_t i = 0; i < m->blocks.size(); ++i) {
            for (std::size_t j = 0; j < i; ++j) {
                if (m->blocks[i]->number == m->blocks[j]->number)
                    return false;
            }
        }
    }
    for (const PageInfo* p : kPages) {
        for (const PageSide& side : p->allSides()) {
            bool found = false;
            for (const Module* m : kModules) {
                for (const BlockLayout* b : m->blocks)
                    found = found || (m->address == side.address && derive::same(b, side.layout));
            }
            if (!found)
                return false;
        }
    }
    return true;
}
static_assert(layoutsSound(), "a configuration layout table is inconsistent; the table test says where");

static_assert(repeatedName(kLayouts).empty(), "a control name used twice");

} // namespace

} // namespace talmero::car
