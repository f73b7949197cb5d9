#include "car/catalog.h"

#include "car/modules.h"

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
