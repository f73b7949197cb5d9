#include "config/catalog_lists.h"

#include "config/asbuilt.h"
#include "config/pages.h"

namespace talmero::config {

QStringList pageNames(const QString& alias)
{
    QStringList names;
    for (const PageInfo* page : car::kPages) {
        QString name = qs(page->caption);
        if (page->twoModules())
            name += QLatin1Char(' ') + alias.arg(qs(moduleOf(page->sides[0]).name));
        names << name;
    }
    return names;
}

QStringList moduleNames()
{
    QStringList names;
    for (const car::Module* m : car::kModules)
        names << qs(m->name);
    return names;
}

QStringList backupModuleNames()
{
    QStringList names;
    for (const car::Module* m : car::kBackupModules)
        names << qs(m->name);
    return names;
}

QStringList asBuiltAddresses()
{
    QStringList addresses;
    for (const AsBuiltLine& line : asBuiltLines())
        addresses << line.address;
    return addresses;
}

} // namespace talmero::config
