#pragma once

#include "car/module.h"

#include <QString>

#include <memory>
#include <string_view>
#include <vector>

// The modules, pages and block layouts the program works with: its own, then what the
// module description files add. It is set once at start, before any page exists; every
// lookup by address, name or caption goes through it.
namespace talmero::car {

// A module description file that was loaded: what the user trusts, and what the
// confirmation and the journal name.
struct DescriptionFile {
    QString path;   // where it was read
    QString name;   // its file name ("three-flash.json")
    QString title;  // in the language the program speaks
    QString sha256; // hex, of the bytes that were loaded
};

struct Catalog {
    std::vector<const Module*> modules;      // the program's own first
    std::vector<const PageInfo*> pages;      // in tab order
    std::vector<const BlockLayout*> layouts; // each once, as in use: an extended block's layout replaces its own
    // A block a file extends: the layout its module describes, and the one in use.
    std::vector<std::pair<const BlockLayout*, const BlockLayout*>> extended;
    // The sample blocks (hex) a file gave for a layout it describes, as it gave them.
    std::vector<std::pair<const BlockLayout*, std::vector<QString>>> samples;
    // The records from files point into what these keep alive.
    std::vector<std::shared_ptr<const void>> kept;
    std::vector<std::shared_ptr<const DescriptionFile>> files;

    // The layout in use for one a module or a page side names (itself unless extended).
    const BlockLayout& inUse(const BlockLayout& described) const;
};

// The program's own modules, pages and layouts, without any file.
Catalog ownCatalog();
const Catalog& catalog();
// Every lookup uses this one from now on.
void installCatalog(Catalog next);
// Changes each time a catalog is installed (for tables derived from it).
int catalogRevision();

// The module with this address ("720"); nullptr when none.
const Module* moduleAt(std::string_view address);
// The module with this short name ("IPC"); nullptr when none.
const Module* moduleNamed(std::string_view name);

// The lists the program walks, from the catalog: the program's own modules in the order
// of the module table's lists, then those the files add, in the order they were loaded.
// The modules the VehicleData file keeps, in its order.
std::vector<const Module*> backupModules();
// The modules of the trouble-code reading, the high-speed bus first.
std::vector<const Module*> codeModules();
// The layout in use of a module's block with this number; nullptr when it has none.
const BlockLayout* layoutAt(const Module& module, int number);
// The page with this caption (any case); nullptr when none.
const PageInfo* pageCaptioned(std::string_view caption);

} // namespace talmero::car
