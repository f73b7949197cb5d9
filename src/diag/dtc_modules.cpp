#include "diag/dtc_modules.h"

#include "car/catalog.h"

namespace talmero::diag {

const car::Module* findDtcModule(const QString& adr)
{
    const car::Module* m = car::moduleAt(adr.toStdString());
    return m && m->codesRank > 0 ? m : nullptr;
}

QString dtcHeader(const car::Module& m)
{
    return QCoreApplication::translate("Modules", std::string(m.title).c_str()) + QStringLiteral(" (")
        + car::qs(m.name) + QStringLiteral("):");
}

} // namespace talmero::diag
