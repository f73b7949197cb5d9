#pragma once

#include "car/module.h"

// Climate control module (HVAC, 733): block 01, one byte.
namespace talmero::car {

// Each half of the byte is read as a decimal numeral and the
// two are added (H + L = 0, 100, 1100, 1000); these are all the bytes giving each sum.
inline constexpr std::string_view kHvacItems[] = {
    QT_TRANSLATE_NOOP("Layout", "Module pre FaceLift"),
    QT_TRANSLATE_NOOP("Layout", "FaceLift - ordinary glass"),
    QT_TRANSLATE_NOOP("Layout", "FaceLift - reflective glass IR"),
    QT_TRANSLATE_NOOP("Layout", "FaceLift - panoramic roof / cabriolet"),
    QT_TRANSLATE_NOOP("Layout", "Other  -")};
inline constexpr PatternItem kHvacDecode[] = {
    {"00000000", 0},
    {"01000000", 1}, {"00000100", 1},
    {"11000000", 2}, {"10000100", 2}, {"01001000", 2}, {"00001100", 2},
    {"10000000", 3}, {"00001000", 3},
};
inline constexpr std::string_view kHvacEncode[] = {"00000000", "01000000", "11000000", "10000000"};

inline constexpr Option kHvacOptions[] = {
    {.name = "RadioGroupHVAC", .kind = OptionKind::WholeBlockChoice, .pos = run(1, 8),
     .caption = QT_TRANSLATE_NOOP("Layout", " Configuration module "), .items = kHvacItems,
     .decode = kHvacDecode, .encode = kHvacEncode, .otherItem = 4, .otherEdit = "EditHVAC",
     .blocksWriteItem = 4},
};

inline constexpr BlockLayout kHvacLayout{.number = 0x01, .capacity = 8, .zero = kZero8,
                                         .exactLengths = {8, 8}, .options = kHvacOptions};
inline constexpr const BlockLayout* kHvacBlocks[] = {&kHvacLayout};

inline constexpr PageControl kHvacControls[] = {{"EditHVAC", ControlKind::Edit, "", {}, -1, false}};

inline constexpr PageInfo kHvacPage{.caption = "HVAC",
                                .title = QT_TRANSLATE_NOOP("Pages", "Модуль климат-контроля"),
                                .sides = {{{"733", &kHvacLayout}}},
                                .controls = kHvacControls};

inline constexpr Module kHvac{.name = "HVAC", .address = "733", .bus = Bus::Medium,
                              .title = QT_TRANSLATE_NOOP("Modules", "Модуль климат-контроля"),
                              .manualBlock = 0x01, .vinBlock = 0x00, .backupBlocks = {0x00, 0x01}, .blocks = kHvacBlocks, .page = &kHvacPage};

} // namespace talmero::car
