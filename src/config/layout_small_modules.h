#pragma once

#include "config/layout.h"

// The one-byte modules (doors, climate, brakes), the airbag module and the headlamps.
namespace talmero::config::tables {

// Driver's and passenger's door module, block 01: the same layout in both.
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

// Climate module, block 01. Each half of the byte is read as a decimal numeral and the
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

// Airbag module, block 00: 4 bytes. The type lives in positions 10 and 14, read in that order.
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

// Brake module, block 01. Any bit of the high half means a facelift module; only
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

// Headlamp module, block 00, held as hex text: 1 byte (reflectors) or 4 bytes (AFS).
inline constexpr std::string_view kHcm1Items[] = {
    QT_TRANSLATE_NOOP("Layout", "Focus II pre FaceLift"), QT_TRANSLATE_NOOP("Layout", "C-Max"),
    QT_TRANSLATE_NOOP("Layout", "Kuga"), QT_TRANSLATE_NOOP("Layout", "Focus II FaceLift"),
    QT_TRANSLATE_NOOP("Layout", "Other  -")};
inline constexpr PatternItem kHcm1Decode[] = {{"02", 0}, {"03", 1}, {"04", 2}, {"05", 3}};
inline constexpr std::string_view kHcm1Encode[] = {"02", "03", "04", "05"};

inline constexpr std::string_view kHcm2Items[] = {
    QT_TRANSLATE_NOOP("Layout", "Hatchback"), QT_TRANSLATE_NOOP("Layout", "Sedan"),
    QT_TRANSLATE_NOOP("Layout", "Combi"), QT_TRANSLATE_NOOP("Layout", "Other  -")};
inline constexpr PatternItem kHcm2Decode[] = {
    {"04010001", 0}, {"04020001", 1}, {"04030001", 2}};
inline constexpr std::string_view kHcm2Encode[] = {"04010001", "04020001", "04030001"};

inline constexpr Option kHcmOptions[] = {
    {.name = "RadioGroupHCM1", .kind = OptionKind::WholeBlockChoice, .pos = run(1, 2),
     .caption = QT_TRANSLATE_NOOP("Layout", "Reflectors HID / Xenons"), .items = kHcm1Items,
     .decode = kHcm1Decode, .encode = kHcm1Encode, .otherItem = 4, .otherEdit = "EditHCM1",
     .blocksWriteItem = 4, .onlyLength = 2},
    {.name = "RadioGroupHCM2", .kind = OptionKind::WholeBlockChoice, .pos = run(1, 8),
     .caption = QT_TRANSLATE_NOOP("Layout", "Torsion of light (AFS)"), .items = kHcm2Items,
     .decode = kHcm2Decode, .encode = kHcm2Encode, .otherItem = 3, .otherEdit = "EditHCM2",
     .blocksWriteItem = 3, .onlyLength = 8},
};

} // namespace talmero::config::tables
