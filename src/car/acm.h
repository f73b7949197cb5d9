#pragma once

#include "car/module.h"

// Audio module (ACM, 727): configuration block 00, 3 bytes. It knows no diagnostic
// session.
namespace talmero::car {

inline constexpr std::string_view kAcmSalonItems[] = {
    QT_TRANSLATE_NOOP("Layout", "Fabric"), QT_TRANSLATE_NOOP("Layout", "Skin"),
    QT_TRANSLATE_NOOP("Layout", "Mixed")};
inline constexpr PatternItem kAcmSalonDecode[] = {{"00", 0}, {"01", 1}, {"10", 2}};
inline constexpr std::string_view kAcmSalonEncode[] = {"00", "01", "10"};

inline constexpr std::string_view kAcmAutoItems[] = {
    QT_TRANSLATE_NOOP("Layout", "C-Max (Kuga)*"), QT_TRANSLATE_NOOP("Layout", "Focus II"),
    QT_TRANSLATE_NOOP("Layout", "Mondeo III (4 door)")};
inline constexpr PatternItem kAcmAutoDecode[] = {{"01", 0}, {"10", 1}, {"11", 2}};
inline constexpr std::string_view kAcmAutoEncode[] = {"01", "10", "11"};

inline constexpr std::string_view kAcmBodyItems[] = {
    QT_TRANSLATE_NOOP("Layout", "3 door hatchback"), QT_TRANSLATE_NOOP("Layout", "Sedan"),
    QT_TRANSLATE_NOOP("Layout", "5 door hatchback"), QT_TRANSLATE_NOOP("Layout", "Combi")};
inline constexpr PatternItem kAcmBodyDecode[] = {{"00", 0}, {"01", 1}, {"10", 2}, {"11", 3}};
inline constexpr std::string_view kAcmBodyEncode[] = {"00", "01", "10", "11"};

inline constexpr std::string_view kAcmSpeakItems[] = {
    QT_TRANSLATE_NOOP("Layout", "4 woofers + 4 tweeters"),
    QT_TRANSLATE_NOOP("Layout", "4 woofers + 2 tweeters"), QT_TRANSLATE_NOOP("Layout", "4 woofers")};
inline constexpr PatternItem kAcmSpeakDecode[] = {{"00", 0}, {"01", 1}, {"11", 2}};
inline constexpr std::string_view kAcmSpeakEncode[] = {"00", "01", "11"};

inline constexpr Option kAcmOptions[] = {
    {.name = "CheckBoxACMr", .pos = pos({1}), .caption = QT_TRANSLATE_NOOP("Layout", "Rh drive")},
    {.name = "RadioGroupACMsalon", .kind = OptionKind::Choice, .pos = pos({3, 4}),
     .caption = QT_TRANSLATE_NOOP("Layout", "Upholstery "), .items = kAcmSalonItems,
     .decode = kAcmSalonDecode, .encode = kAcmSalonEncode},
    {.name = "RadioGroupACMauto", .kind = OptionKind::Choice, .pos = pos({7, 8}),
     .caption = QT_TRANSLATE_NOOP("Layout", " Car "), .items = kAcmAutoItems, .decode = kAcmAutoDecode,
     .encode = kAcmAutoEncode, .noItemPattern = "00"},
    {.name = "CheckBoxACMl", .pos = pos({12}), .caption = QT_TRANSLATE_NOOP("Layout", "Car flap")},
    {.name = "RadioGroupACMbody", .kind = OptionKind::Choice, .pos = pos({15, 16}),
     .caption = QT_TRANSLATE_NOOP("Layout", " Body "), .items = kAcmBodyItems, .decode = kAcmBodyDecode,
     .encode = kAcmBodyEncode},
    {.name = "RadioGroupACMspeak", .kind = OptionKind::Choice, .pos = pos({19, 20}),
     .caption = QT_TRANSLATE_NOOP("Layout", " Speakers "), .items = kAcmSpeakItems,
     .decode = kAcmSpeakDecode, .encode = kAcmSpeakEncode},
};


inline constexpr BlockLayout kAcmLayout{.number = 0x00, .capacity = 24, .zero = kZero24,
                                        .minLength = 2, .refusePos = 17, .refusePattern = "11110000",
                                        .refuseMessage = QT_TRANSLATE_NOOP("Layout", "Несконфигурирована"),
                                        .options = kAcmOptions};
inline constexpr const BlockLayout* kAcmBlocks[] = {&kAcmLayout};

inline constexpr PageControl kAcmControls[] = {
    {"GroupBoxACMoth", ControlKind::GroupBox, QT_TRANSLATE_NOOP("Pages", " Other "), {}, -1, true},
    {"Panel1", ControlKind::Note,
     QT_TRANSLATE_NOOP("Pages", "* In the config file: C-Max-combo, Kuga-5door,hatchback"), {}, -1, true},
};

inline constexpr PageInfo kAcmPage{.caption = "ACM",
                               .title = QT_TRANSLATE_NOOP("Pages", "Аудиомодуль"),
                               .sides = {{{"727", &kAcmLayout}}},
                               .controls = kAcmControls};

inline constexpr Module kAcm{.name = "ACM", .address = "727", .bus = Bus::Medium,
                             .title = QT_TRANSLATE_NOOP("Modules", "Аудиомодуль"), .session = false,
                             .sessionForCodes = false, .manualBlock = 0x00, .vinBlock = 0x01,
                             .backupBlocks = {0x00, 0x01},
                             .blocks = kAcmBlocks, .page = &kAcmPage};

} // namespace talmero::car
