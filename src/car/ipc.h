#pragma once

#include "car/module.h"

// Instrument cluster (IPC, 720): configuration block 00, 4 bytes (pre-facelift dashboard)
// or 5 bytes, with its AS-BUILT line 720-01-01; its VIN names the car.
namespace talmero::car {

inline constexpr std::string_view kIpcTypeItems[] = {
    QT_TRANSLATE_NOOP("Layout", "FL (08-)"), QT_TRANSLATE_NOOP("Layout", "Pre FL")};

inline constexpr Option kIpcOptions[] = {
    {.name = "CheckBoxIPC07", .pos = pos({1}), .caption = QT_TRANSLATE_NOOP("Layout", "ABS")},
    {.name = "CheckBoxIPC06", .pos = pos({2}), .caption = QT_TRANSLATE_NOOP("Layout", "Eguren EHPAS")},
    {.name = "CheckBoxIPC05", .pos = pos({3}), .caption = QT_TRANSLATE_NOOP("Layout", "AWD (Kuga)")},
    {.name = "CheckBoxIPC04", .pos = pos({4}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Electric parking brake")},
    // Shown in both dashboard types, changeable on the facelift one only.
    {.name = "CheckBoxIPC03", .pos = pos({5}),
     .caption = QT_TRANSLATE_NOOP("Layout", "ESP (visibility in the menu)"),
     .enable = EnableRule::FullBlock},
    {.name = "CheckBoxIPC02", .pos = pos({6}), .caption = QT_TRANSLATE_NOOP("Layout", "Instant fuel")},
    {.name = "CheckBoxIPC01", .pos = pos({7}), .caption = QT_TRANSLATE_NOOP("Layout", "Voice control")},
    {.name = "CheckBoxIPC00", .pos = pos({8}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Tire pressure warning (DDS)"),
     .hint = QT_TRANSLATE_NOOP("Layout", "Activate the module ABS"), .enable = EnableRule::FullBlock},
    {.name = "CheckBoxIPC16", .pos = pos({10}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Seat belt warning"),
     .hint = QT_TRANSLATE_NOOP("Layout", "Only the sound is turned off (LED is lit), the same option is in the module RCM")},
    {.name = "CheckBoxIPC13", .pos = pos({13}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Reversing sound")},
    {.name = "CheckBoxIPC11", .pos = pos({15}), .caption = QT_TRANSLATE_NOOP("Layout", "Cruise control"),
     .hint = QT_TRANSLATE_NOOP("Layout", "Activate the module BCM i PCM")},
    {.name = "CheckBoxIPC10", .pos = pos({16}),
     .caption = QT_TRANSLATE_NOOP("Layout", "IVD sys.(pre FL)")},
    {.name = "CheckBoxIPC26", .kind = OptionKind::JointFlag, .pos = pos({18, 19}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Additional heater fuel"),
     .hint = QT_TRANSLATE_NOOP("Layout", "Activate the module BCM")},
    {.name = "CheckBoxIPC24", .pos = pos({20}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Washer fluid warning")},
    {.name = "CheckBoxIPC22", .pos = pos({22}), .caption = QT_TRANSLATE_NOOP("Layout", "Navigation")},
    {.name = "CheckBoxIPC36", .pos = pos({26}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Real engine temp"),
     .hint = QT_TRANSLATE_NOOP("Layout", "Does not turn on if you do not have a physical")},
    {.name = "CheckBoxIPC35", .pos = pos({27}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Focus ST speedometer")},
    {.name = "CheckBoxIPC34", .pos = pos({28}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Simulated engine temp."),
     .hint = QT_TRANSLATE_NOOP("Layout", "Off to see the actual paragraphs. (not factory except DHE-1.8/2.0)")},
    // Byte 4 exists on the facelift dashboard only.
    {.name = "CheckBoxIPC47", .pos = pos({33}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Clock display"), .onlyLength = 40},
    {.name = "CheckBoxIPC46", .pos = pos({34}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Radio-RDS/CD"), .onlyLength = 40},
    {.name = "CheckBoxIPC45", .pos = pos({35}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Info from phone"), .onlyLength = 40},
    {.name = "CheckBoxIPC44", .pos = pos({36}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Fuel consumpt. km/l"), .onlyLength = 40},
    {.name = "CheckBoxIPC42", .pos = pos({38}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Gear shift change light"), .onlyLength = 40},
    {.name = "CheckBoxIPC41", .pos = pos({39}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Ford ECO Mode"), .onlyLength = 40},
    {.name = "CheckBoxIPC40", .pos = pos({40}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Auto Start/Stop"), .onlyLength = 40},
    // The dashboard type is the block's length; it is never encoded, the length carries it.
    {.name = "RadioGroupIPCrd", .kind = OptionKind::WholeBlockChoice,
     .caption = QT_TRANSLATE_NOOP("Layout", " Type dashboard "), .items = kIpcTypeItems,
     .byLength = true, .enable = EnableRule::Never, .columns = 2},
};


inline constexpr BlockLayout kIpcLayout{.number = 0x00, .capacity = 40, .zero = kZero32,
                                        .minLength = 2, .shortLength = 32, .asBuiltLine = 1, .options = kIpcOptions};
inline constexpr const BlockLayout* kIpcBlocks[] = {&kIpcLayout};

inline constexpr PageInfo kIpcPage{.caption = "IPC",
                               .title = QT_TRANSLATE_NOOP("Pages", "Панель приборов"),
                               .sides = {{{"720", &kIpcLayout}}}};

inline constexpr Module kIpc{.name = "IPC", .address = "720", .bus = Bus::High,
                             .title = QT_TRANSLATE_NOOP("Modules", "Панель приборов"),
                             .manualBlock = 0x00, .vinBlock = 0x02, .identity = true,
                             .backupBlocks = {0x00, 0x03},
                             .blocks = kIpcBlocks, .page = &kIpcPage};

} // namespace talmero::car
