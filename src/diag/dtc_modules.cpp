#include "diag/dtc_modules.h"

namespace talmero::diag {

const DtcModule* findDtcModule(const QString& adr)
{
    for (const DtcModule& m : kDtcModules) {
        if (adr == QLatin1String(m.adr))
            return &m;
    }
    return nullptr;
}

} // namespace talmero::diag
