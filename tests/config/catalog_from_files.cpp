// With TALMERO_TEST_CATALOG=files these tests run on the program's own descriptions
// written as description files and read back, instead of the compiled ones: the golden
// transcripts then decode through the loaded copies.
#include "module_files/description_export.h"
#include "module_files/description_file.h"

#include "car/modules.h"

#include <gtest/gtest.h>

namespace {

class CatalogFromFiles : public testing::Environment {
public:
    void SetUp() override
    {
        using namespace talmero;
        if (qEnvironmentVariable("TALMERO_TEST_CATALOG") != QLatin1String("files"))
            return;
        car::Catalog catalog;
        for (const module_files::ExportedFile& f : module_files::exportOwnModules()) {
            const module_files::FileOutcome outcome = module_files::addDescriptionFile(catalog, f.json, f.name, true);
            ASSERT_TRUE(outcome.loaded()) << outcome.refusal->text().toStdString();
        }
        // The modules without a page have nothing a file describes.
        for (const car::Module* m : car::kModules) {
            if (!m->hasPage())
                catalog.modules.push_back(m);
        }
        car::installCatalog(std::move(catalog));
    }
};

const auto* const kCatalogChoice = testing::AddGlobalTestEnvironment(new CatalogFromFiles);

} // namespace
