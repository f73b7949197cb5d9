#pragma once

#include "car/module.h"

// The door modules (DDM, 740, the driver's; PDM, 741, the passenger's): block 01, one byte,
// the same layout in both, on one page whose sides are the two doors.
namespace talmero::car {

inline constexpr Option kDdmOptions[] = {
    {.name = "CheckBoxDDM7", .pos = pos({1}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Without module (facelift)")},
    {.name = "CheckBoxDDM6", .pos = pos({2}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Normal mirrors (facelift)"),
     .hint = QT_TRANSLATE_NOOP("Layout", "If you turn the mirrors, will be governed by the diagonal")},
    {.name = "CheckBoxDDM5", .pos = pos({3}),
     .caption = QT_TRANSLATE_NOOP("Layout", "management of passenger central locking")},
    {.name = "CheckBoxDDM4", .pos = pos({4}),
     .caption = QT_TRANSLATE_NOOP("Layout", "folding mirrors (facelift)")},
    {.name = "CheckBoxDDM3", .pos = pos({5}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Rear door modulel LIN (facelift)")},
    {.name = "CheckBoxDDM2", .pos = pos({6}), .caption = QT_TRANSLATE_NOOP("Layout", "Heated mirrors")},
    {.name = "CheckBoxDDM1", .pos = pos({7}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Direction indicators in mirrors")},
    {.name = "CheckBoxDDM0", .pos = pos({8}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Illumination around mirrors"),
     .hint = QT_TRANSLATE_NOOP("Layout", "Activate the module BCM")},
};

inline constexpr BlockLayout kDoorLayout{.number = 0x01, .capacity = 8, .zero = kZero8,
                                         .minLength = 2, .alsoEnabled = "RadioGroupDDMw", .options = kDdmOptions};
inline constexpr const BlockLayout* kDoorBlocks[] = {&kDoorLayout};

inline constexpr std::string_view kDoorReadItems[] = {QT_TRANSLATE_NOOP("Pages", "Driver (DDM)"),
                                                      QT_TRANSLATE_NOOP("Pages", "Passenger (PDM)")};
inline constexpr std::string_view kDoorWriteItems[] = {QT_TRANSLATE_NOOP("Pages", "Two module (DDM+PDM)"),
                                                       QT_TRANSLATE_NOOP("Pages", "Driver (DDM)"),
                                                       QT_TRANSLATE_NOOP("Pages", "Passenger (PDM)")};
inline constexpr PageControl kDoorControls[] = {
    {"RadioGroupDDMr", ControlKind::RadioGroup, QT_TRANSLATE_NOOP("Pages", " Read module "), kDoorReadItems, 0,
     true},
    {"RadioGroupDDMw", ControlKind::RadioGroup, QT_TRANSLATE_NOOP("Pages", " Write to module "), kDoorWriteItems,
     0, false},
};

// The door chosen in RadioGroupDDMr is read; RadioGroupDDMw writes one or both.
inline constexpr PageInfo kDoorPage{.caption = "DDM+PDM",
                                .title = QT_TRANSLATE_NOOP("Pages", "Дверные CAN-модули"),
                                .sideGroup = "RadioGroupDDMr",
                                .sides = {{{"740", &kDoorLayout, QT_TRANSLATE_NOOP("Pages", " [Водительский]")},
                                           {"741", &kDoorLayout, QT_TRANSLATE_NOOP("Pages", " [Пассажирский]")}}},
                                .sideCount = 2,
                                .controls = kDoorControls};

inline constexpr Module kDdm{.name = "DDM", .address = "740", .bus = Bus::Medium,
                             .title = QT_TRANSLATE_NOOP("Modules", "Водительский дверной модуль"),
                             .manualBlock = 0x01, .vinBlock = 0x00, .backupBlocks = {0x00, 0x01}, .blocks = kDoorBlocks, .page = &kDoorPage};
inline constexpr Module kPdm{.name = "PDM", .address = "741", .bus = Bus::Medium,
                             .title = QT_TRANSLATE_NOOP("Modules", "Пассажирский дверной модуль"),
                             .manualBlock = 0x01, .vinBlock = 0x00, .backupBlocks = {0x00, 0x01}, .blocks = kDoorBlocks, .page = &kDoorPage};

} // namespace talmero::car
