#pragma once

#include "car/module.h"

// Electric power steering module (PSCM, 730): no configuration page and no backup; its
// VIN names the car.
namespace talmero::car {

inline constexpr Module kPscm{.name = "PSCM", .address = "730", .bus = Bus::High,
                              .title = QT_TRANSLATE_NOOP("Modules", "Модуль ЭГУР"), .vinBlock = 0x00,
                              .identity = true};

} // namespace talmero::car
