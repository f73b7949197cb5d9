#pragma once

#include "car/catalog.h"
#include "car/modules.h"

#include <QCoreApplication>
#include <QString>

namespace talmero::diag {

// The modules of the trouble-code reading, in reading order: the high-speed bus first;
// those a description file adds that answer the request among them.
inline std::vector<const car::Module*> dtcModules()
{
    return car::codeModules();
}

// The module of the reading with this address, or nullptr.
const car::Module* findDtcModule(const QString& adr);

// The line that opens a module's section of the memo, in the language the program speaks:
// "Панель приборов (IPC):".
QString dtcHeader(const car::Module& m);

} // namespace talmero::diag
