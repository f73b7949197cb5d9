#pragma once

#include "car/module.h"

#include <QString>

#include <memory>
#include <string_view>
#include <vector>

// The modules, pages and block layouts the program works with: its own, then what the
// module description files add. It is set once at start, before any page exists; every
// lookup by address, page number or BlockId goes through it.
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
    std::vector<const PageInfo*> pages;      // by page number
    std::vector<const BlockLayout*> layouts; // by BlockId; an extended block's layout replaces its own
    // The records from files point into what these keep alive.
    std::vector<std::shared_ptr<const void>> kept;
    std::vector<std::shared_ptr<const DescriptionFile>> files;
};

// The program's own modules, pages and layouts, without any file.
Catalog ownCatalog();
const Catalog& catalog();
// Every lookup uses this one from now on.
void installCatalog(Catalog next);
// Changes each time a catalog is installed (for tables derived from it).
int catalogRevision();

// The module with this address ("720") or short name ("IPC"); nullptr when none.
const Module* moduleAt(std::string_view address);
const Module* moduleNamed(std::string_view name);

} // namespace talmero::car
