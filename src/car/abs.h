#pragma once

#include "car/module.h"

// ABS/ESP module (ABS, 760): block 01, one byte; its VIN names the car.
namespace talmero::car {

// Any bit of the high half means a facelift module; only
// a facelift block may be written.
inline constexpr std::string_view kAbsTypeItems[] = {
    QT_TRANSLATE_NOOP("Layout", "Pre FaceLift"), QT_TRANSLATE_NOOP("Layout", "FaceLift")};
inline constexpr PatternItem kAbsTypeDecode[] = {{"0000", 0}};

inline constexpr Option kAbsOptions[] = {
    {.name = "RadioGroupABS", .kind = OptionKind::WholeBlockChoice, .pos = run(1, 4),
     .caption = QT_TRANSLATE_NOOP("Layout", " Type module "), .items = kAbsTypeItems,
     .decode = kAbsTypeDecode, .otherItem = 1, .blocksWriteItem = 0, .enable = EnableRule::Never},
    {.name = "CheckBoxABS6", .pos = pos({2}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Tire pressure warning(DDS)"),
     .hint = QT_TRANSLATE_NOOP("Layout", "Activate the module IPC"), .enable = EnableRule::WhenWritable},
    {.name = "CheckBoxABS0", .kind = OptionKind::Indicator,
     .caption = QT_TRANSLATE_NOOP("Layout", "ESP shutdown button"), .enable = EnableRule::Never,
     .hidden = true},
};

inline constexpr BlockLayout kAbsLayout{.number = 0x01, .capacity = 8, .zero = kZero8,
                                        .exactLengths = {8, 8}, .options = kAbsOptions};
inline constexpr const BlockLayout* kAbsBlocks[] = {&kAbsLayout};

inline constexpr PageInfo kAbsPage{.caption = "ABS",
                               .title = QT_TRANSLATE_NOOP("Pages", "Модуль ABS/ESP"),
                               .sides = {{{"760", &kAbsLayout}}}};

inline constexpr Module kAbs{.name = "ABS", .address = "760", .bus = Bus::High,
                             .title = QT_TRANSLATE_NOOP("Modules", "Модуль ABS/ESP"), .manualBlock = 0x01,
                             .vinBlock = 0x00, .identity = true, .backupBlocks = {0x00, 0x01}, .blocks = kAbsBlocks, .page = &kAbsPage};

} // namespace talmero::car
