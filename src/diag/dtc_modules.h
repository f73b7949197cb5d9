#pragma once

#include "car/modules.h"

#include <QCoreApplication>
#include <QString>

namespace talmero::diag {

// The modules of the trouble-code reading, in reading order: the high-speed bus first.
inline constexpr const auto& kDtcModules = car::kReadingOrder;

// The module of the reading with this address, or nullptr.
const car::Module* findDtcModule(const QString& adr);

// The line that opens a module's section of the memo, in the language the program speaks:
// "Панель приборов (IPC):".
QString dtcHeader(const car::Module& m);

} // namespace talmero::diag
