#pragma once

#include "car/module.h"

// Body control module (BCM, "GEM", 726): part 1 (block 03, 4 bytes) and part 2 (block 04,
// 3 bytes), each with its AS-BUILT line (726-01-01, 726-02-01). It holds no VIN.
namespace talmero::car {

inline constexpr Option kBcm1Options[] = {
    {.name = "CheckBox1BCM07", .pos = pos({1}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Factory alarm system")},
    {.name = "CheckBox1BCM06", .pos = pos({2}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Central lockint sys")},
    {.name = "CheckBox1BCM05", .pos = pos({3}),
     .caption = QT_TRANSLATE_NOOP("Layout", "1 batting. pressing the button or")},
    {.name = "CheckBox1BCM04", .pos = pos({4}), .caption = QT_TRANSLATE_NOOP("Layout", "2 batting")},
    {.name = "CheckBox1BCM02", .pos = pos({6}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Wst all at the touch.")},
    {.name = "CheckBox1BCM01", .kind = OptionKind::JointFlag, .pos = pos({7, 10}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Auto locking while driving")},
    {.name = "CheckBox1BCM00", .pos = pos({8}), .caption = QT_TRANSLATE_NOOP("Layout", "Dead lock")},
    // Blinking belongs to the one-press deadlock (position 11).
    {.name = "CheckBox1BCM17", .pos = pos({9}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Blinking whendeadlocking on 1 press"),
     .enable = EnableRule::WhenPosSet, .enablePos = 11, .untickWhenOff = true},
    {.name = "CheckBox1BCM15", .pos = pos({11}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Deadlock on 1 press of remote")},
    {.name = "CheckBox1BCM14", .pos = pos({12}),
     .caption = QT_TRANSLATE_NOOP("Layout", "2 stage car opening")},
    {.name = "CheckBox1BCM27", .pos = pos({17}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Auto heated windows activation")},
    {.name = "CheckBox1BCM26", .pos = pos({18}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Central locking CAN control")},
    {.name = "CheckBox1BCM24", .pos = pos({20}), .caption = QT_TRANSLATE_NOOP("Layout", "Rear doors"),
     .hint = QT_TRANSLATE_NOOP("Layout", "Not active in the 3-door")},
    {.name = "CheckBox1BCM23", .pos = pos({21}), .caption = QT_TRANSLATE_NOOP("Layout", "Sensor size.")},
    {.name = "CheckBox1BCM22", .pos = pos({22}), .caption = QT_TRANSLATE_NOOP("Layout", "Alarm siren")},
    {.name = "CheckBox1BCM34", .kind = OptionKind::JointFlag, .pos = run(25, 5),
     .caption = QT_TRANSLATE_NOOP("Layout", "Door CAN modules")},
    {.name = "CheckBox1BCM32", .pos = pos({30}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Open boot on second press of remote")},
    {.name = "CheckBox1BCM31", .pos = pos({31}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Central looking / remote control"),
     .hint = QT_TRANSLATE_NOOP("Layout", "The option with module Keyless inactive")},
};

inline constexpr Option kBcm2Options[] = {
    {.name = "CheckBox2BCM07", .pos = pos({1}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Additional heater fuel"),
     .hint = QT_TRANSLATE_NOOP("Layout", "Activate the module IPC")},
    {.name = "CheckBox2BCM06", .pos = pos({2}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Heated windscreen")},
    {.name = "CheckBox2BCM04", .pos = pos({4}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Headlight washers")},
    {.name = "CheckBox2BCM03", .pos = pos({5}), .caption = QT_TRANSLATE_NOOP("Layout", "Rain sensor")},
    {.name = "CheckBox2BCM02", .pos = pos({6}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Rear window wiper")},
    // The reverse wipe needs the rear wiper (position 6); it keeps its tick, and is written
    // as shown, without it.
    {.name = "CheckBox2BCM01", .pos = pos({7}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Auto rear wiper on revers 2 moves"),
     .enable = EnableRule::WhenPosSet, .enablePos = 6},
    {.name = "CheckBox2BCM00", .pos = pos({8}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Outside temp sensor")},
    {.name = "CheckBox2BCM17", .pos = pos({9}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Cancel scan of interior climate")},
    {.name = "CheckBox2BCM16", .pos = pos({10}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Xenon lights (HID)")},
    {.name = "CheckBox2BCM14", .pos = pos({12}), .caption = QT_TRANSLATE_NOOP("Layout", "Light sensor")},
    {.name = "CheckBox2BCM13", .pos = pos({13}), .caption = QT_TRANSLATE_NOOP("Layout", "Ford Power")},
    {.name = "CheckBox2BCM12", .pos = pos({14}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Air conditioning"),
     .hint = QT_TRANSLATE_NOOP("Layout", "Optional automatic climate control is disabled")},
    {.name = "CheckBox2BCM10", .pos = pos({16}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Additional heater (PTC)")},
    {.name = "CheckBox2BCM27", .pos = pos({17}),
     .caption = QT_TRANSLATE_NOOP("Layout", "I think foot well lighting"),
     .hint = QT_TRANSLATE_NOOP("Layout", "Activate the module DDM и PDM")},
    {.name = "CheckBox2BCM23", .pos = pos({21}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Electric parking brake")},
    {.name = "CheckBox2BCM21", .pos = pos({23}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Cruise control"),
     .hint = QT_TRANSLATE_NOOP("Layout", "Activate the module IPC и PCM")},
    {.name = "CheckBox2BCM20", .pos = pos({24}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Mask drive hatch taximeter")},
};


inline constexpr BlockLayout kBcm1Layout{.number = 0x03, .capacity = 32, .zero = kZero32,
                                         .minLength = 2, .asBuiltLine = 1, .options = kBcm1Options};
inline constexpr BlockLayout kBcm2Layout{.number = 0x04, .capacity = 24, .zero = kZero24,
                                         .minLength = 2, .asBuiltLine = 2, .options = kBcm2Options};
inline constexpr const BlockLayout* kBcmBlocks[] = {&kBcm1Layout, &kBcm2Layout};

inline constexpr std::string_view kBcmPartItems[] = {QT_TRANSLATE_NOOP("Pages", "Part 1"),
                                                     QT_TRANSLATE_NOOP("Pages", "Part 2")};
inline constexpr PageControl kBcmControls[] = {
    {"RadioGroupBCMrd", ControlKind::RadioGroup, QT_TRANSLATE_NOOP("Pages", " Configuration of 2 parts"),
     kBcmPartItems, 0, true, 2},
    {"GroupBoxBCM", ControlKind::Divider, "", {}, -1, true},
};

// The part chosen in RadioGroupBCMrd.
inline constexpr PageInfo kBcmPage{.caption = "BCM",
                               .title = QT_TRANSLATE_NOOP("Pages", "GEM модуль"),
                               .sideGroup = "RadioGroupBCMrd",
                               .sides = {{{"726", &kBcm1Layout, QT_TRANSLATE_NOOP("Pages", " [Часть 1]")},
                                          {"726", &kBcm2Layout, QT_TRANSLATE_NOOP("Pages", " [Часть 2]")}}},
                               .sideCount = 2,
                               .controls = kBcmControls};

inline constexpr Module kBcm{.name = "BCM", .address = "726", .bus = Bus::Medium,
                             .title = QT_TRANSLATE_NOOP("Modules", "GEM модуль"), .manualBlock = 0x03,
                             .restart = true, .backupBlocks = {0x03, 0x04}, .blocks = kBcmBlocks, .page = &kBcmPage};

} // namespace talmero::car
