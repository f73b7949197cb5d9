#include "diag/dtc_modules.h"


namespace talmero::diag {

const car::Module* findDtcModule(const QString& adr)
{
    for (const car::Module* m : dtcModules()) {
        if (car::qs(m->address) == adr)
            return m;
    }
    return nullptr;
}

QString dtcHeader(const car::Module& m)
{
    return car::tl(m.title, "Modules") + QStringLiteral(" (") + car::qs(m.name) + QStringLiteral("):");
}

} // namespace talmero::diag
