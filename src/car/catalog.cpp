#include "car/catalog.h"

#include "car/modules.h"

#include <algorithm>

namespace talmero::car {

namespace {

Catalog& current()
{
    static Catalog installed = ownCatalog();
    return installed;
}

int& revision()
{
    static int count = 0;
    return count;
}

} // namespace

Catalog ownCatalog()
{
    Catalog c;
    c.modules.assign(kModules.begin(), kModules.end());
    c.pages.assign(kPages.begin(), kPages.end());
    c.layouts.assign(kLayouts.begin(), kLayouts.end());
    return c;
}

const Catalog& catalog()
{
    return current();
}

void installCatalog(Catalog next)
{
    current() = std::move(next);
    ++revision();
}

int catalogRevision()
{
    return revision();
}

const Module* moduleAt(std::string_view address)
{
    for (const Module* m : catalog().modules) {
        if (m->address == address)
            return m;
    }
    return nullptr;
}

const Module* moduleNamed(std::string_view name)
{
    for (const Module* m : catalog().modules) {
        if (m->name == name)
            return m;
    }
    return nullptr;
}

namespace {

// A module's place in the reading order by its address (a file may stand in for one of
// the program's own); after them all, in catalog order, for one the program does not have.
std::vector<const Module*> inReadingOrder(bool (*wanted)(const Module&))
{
    const auto rank = [](const Module* m) {
        for (std::size_t i = 0; i < kReadingOrder.size(); ++i) {
            if (kReadingOrder[i]->address == m->address)
                return i;
        }
        return kReadingOrder.size();
    };
    std::vector<const Module*> out;
    for (const Module* m : catalog().modules) {
        if (wanted(*m))
            out.push_back(m);
    }
    std::stable_sort(out.begin(), out.end(), [&rank](const Module* a, const Module* b) { return rank(a) < rank(b); });
    return out;
}

} // namespace

std::vector<const Module*> backupModules()
{
    return inReadingOrder([](const Module& m) { return !m.backupBlocks.empty(); });
}

std::vector<const Module*> codeModules()
{
    std::vector<const Module*> out = inReadingOrder([](const Module& m) { return m.codes; });
    // One bus switch for the whole reading.
    std::stable_partition(out.begin(), out.end(), [](const Module* m) { return !m->medium(); });
    return out;
}

const BlockLayout& Catalog::inUse(const BlockLayout& described) const
{
    for (const auto& [own, extension] : extended) {
        if (own == &described)
            return *extension;
    }
    return described;
}

const BlockLayout* layoutAt(const Module& module, int number)
{
    for (const BlockLayout* b : module.blocks) {
        if (b->number == number)
            return &catalog().inUse(*b);
    }
    return nullptr;
}

const PageInfo* pageCaptioned(std::string_view caption)
{
    const QString wanted = qs(caption);
    for (const PageInfo* p : catalog().pages) {
        if (qs(p->caption).compare(wanted, Qt::CaseInsensitive) == 0)
            return p;
    }
    return nullptr;
}

} // namespace talmero::car
