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

const Module* moduleNamed(std::string_view name)
{
    for (const Module* m : catalog().modules) {
        if (m->name == name)
            return m;
    }
    return nullptr;
}

} // namespace talmero::car
