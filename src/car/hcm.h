#pragma once

#include "car/module.h"

// Headlamp control module (HCM, 734): block 00, held as hex text: 1 byte (reflectors) or
// 4 bytes (AFS); its VIN names the car.
namespace talmero::car {

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

inline constexpr BlockLayout kHcmLayout{.number = 0x00, .capacity = 8, .hexText = true,
                                        .zero = "00", .exactLengths = {2, 8}, .options = kHcmOptions};
inline constexpr const BlockLayout* kHcmBlocks[] = {&kHcmLayout};

inline constexpr PageControl kHcmControls[] = {{"EditHCM1", ControlKind::Edit, "", {}, -1, false},
                                               {"EditHCM2", ControlKind::Edit, "", {}, -1, false}};

inline constexpr PageInfo kHcmPage{.caption = "HCM",
                               .title = QT_TRANSLATE_NOOP("Pages", "Модуль упр-я головным светом"),
                               .sides = {{{"734", &kHcmLayout}}},
                               .controls = kHcmControls};

inline constexpr Module kHcm{.name = "HCM", .address = "734", .bus = Bus::High,
                             .title = QT_TRANSLATE_NOOP("Modules", "Модуль управления головным светом"),
                             .manualBlock = 0x00, .vinBlock = 0x01, .identity = true,
                             .backupBlocks = {0x00, 0x01}, .blocks = kHcmBlocks,
                             .page = &kHcmPage};

} // namespace talmero::car
