#pragma once

#include "car/module.h"

// Engine control module (PCM, 7E0): no configuration page, no backup, no VIN block; its
// trouble codes are read without the diagnostic session, first of all.
namespace talmero::car {

inline constexpr Module kPcm{.name = "PCM", .address = "7E0", .bus = Bus::High,
                             .title = QT_TRANSLATE_NOOP("Modules", "Модуль управления двигателем"),
                             .sessionForCodes = false, .restart = true};

} // namespace talmero::car
