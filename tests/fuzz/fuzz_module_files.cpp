#include "car/layout_check.h"
#include "fuzz_check.h"
#include "module_files/description_file.h"

#include <algorithm>

namespace talmero {
namespace {

// A description file: refused whole with its path and rule, leaving the catalog as it was;
// or loaded, and then every layout of the catalog is sound and every page side names one.
void checkFile(const QByteArray& file)
{
    car::Catalog catalog = car::ownCatalog();
    const std::vector<const car::BlockLayout*> before = catalog.layouts;
    const std::size_t pages = catalog.pages.size();
    const module_files::FileOutcome outcome = module_files::addDescriptionFile(catalog, file, QStringLiteral("f.json"), true);
    if (!outcome.loaded()) {
        FUZZ_CHECK(!outcome.refusal->rule.isEmpty() && outcome.refusal->file == QLatin1String("f.json"));
        FUZZ_CHECK(catalog.layouts == before && catalog.pages.size() == pages && catalog.files.empty());
        return;
    }
    FUZZ_CHECK(catalog.files.size() == 1 && !outcome.adds.isEmpty());
    for (const car::BlockLayout* layout : catalog.layouts)
        FUZZ_CHECK(car::layoutProblem(*layout).empty());
    for (const car::PageInfo* page : catalog.pages) {
        for (const car::PageSide& side : page->allSides()) {
            FUZZ_CHECK(side.layout);
            const car::BlockLayout* inUse = &catalog.inUse(*side.layout);
            FUZZ_CHECK(std::find(catalog.layouts.begin(), catalog.layouts.end(), inUse) != catalog.layouts.end());
        }
    }
}

} // namespace
} // namespace talmero

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    talmero::checkFile(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
