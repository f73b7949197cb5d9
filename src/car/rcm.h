#pragma once

#include "car/module.h"

// Airbag and seat-belt module (RCM, 737): block 00, 4 bytes. The type lives in positions
// 10 and 14, read in that order. It knows no diagnostic session.
namespace talmero::car {

inline constexpr std::string_view kRcmTypeItems[] = {
    QT_TRANSLATE_NOOP("Layout", "Pre FaceLift (do 2008)"),
    QT_TRANSLATE_NOOP("Layout", "FaceLift (2008-2010)"),
    QT_TRANSLATE_NOOP("Layout", "FaceLift (2010-....)")};
inline constexpr PatternItem kRcmTypeDecode[] = {{"00", 0}, {"10", 0}, {"01", 1}, {"11", 2}};
inline constexpr std::string_view kRcmTypeEncode[] = {"00", "01", "11"};

inline constexpr Option kRcmOptions[] = {
    {.name = "RadioGroupRCM", .kind = OptionKind::WholeBlockChoice, .pos = pos({10, 14}),
     .caption = QT_TRANSLATE_NOOP("Layout", " Type module "), .items = kRcmTypeItems,
     .decode = kRcmTypeDecode, .encode = kRcmTypeEncode},
    {.name = "CheckBoxRCM", .kind = OptionKind::Indicator,
     .caption = QT_TRANSLATE_NOOP("Layout", "Driver airbag."), .enable = EnableRule::Never,
     .tickOnShow = true},
    {.name = "CheckBoxRCM02", .pos = pos({6}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Side seat airbags")},
    {.name = "CheckBoxRCM01", .pos = pos({7}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Site curtain airbags")},
    {.name = "CheckBoxRCM13", .pos = pos({13}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Passenger airbag")},
    {.name = "CheckBoxRCM10", .pos = pos({16}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Passenger occupancy sensor")},
    {.name = "CheckBoxRCM23", .pos = pos({21}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Assenger switch")},
    {.name = "CheckBoxRCM22", .pos = pos({22}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Led turn of the passenger")},
    {.name = "CheckBoxRCM20", .pos = pos({24}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Unfasten without notification of seat belt"),
     .hint = QT_TRANSLATE_NOOP("Layout", "Turn off the sound and light signaling, Activate the module IPC")},
    {.name = "CheckBoxRCM37", .pos = pos({25}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Side impact sensors"),
     .hint = QT_TRANSLATE_NOOP("Layout", "Are required for the side airbag area. and curtain")},
};

inline constexpr BlockLayout kRcmLayout{.number = 0x00, .capacity = 32, .zero = kZero32,
                                        .exactLengths = {32, 32}, .known = pos({2, 9, 11, 12, 15}),
                                        .unknownMessage = QT_TRANSLATE_NOOP("Layout", "Неизвестная конфигурация"),
                                        .options = kRcmOptions};
inline constexpr const BlockLayout* kRcmBlocks[] = {&kRcmLayout};

inline constexpr PageInfo kRcmPage{.caption = "RCM",
                               .title = QT_TRANSLATE_NOOP("Pages", "Модуль подушек/ремней без-ти"),
                               .sides = {{{"737", &kRcmLayout}}}};

inline constexpr Module kRcm{.name = "RCM", .address = "737", .bus = Bus::Medium,
                             .title = QT_TRANSLATE_NOOP("Modules", "Модуль подушек/ремней безопасности"),
                             .session = false, .sessionForCodes = false, .manualBlock = 0x00, .vinBlock = 0x01,
                             .backupBlocks = {0x00, 0x01},
                             .blocks = kRcmBlocks, .page = &kRcmPage};

} // namespace talmero::car
