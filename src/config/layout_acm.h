#pragma once

#include "config/layout.h"

// Audio module, block 00: 3 bytes.
namespace talmero::config::tables {

inline constexpr std::string_view kAcmSalonItems[] = {"Fabric", "Skin", "Mixed"};
inline constexpr PatternItem kAcmSalonDecode[] = {{"00", 0}, {"01", 1}, {"10", 2}};
inline constexpr std::string_view kAcmSalonEncode[] = {"00", "01", "10"};

inline constexpr std::string_view kAcmAutoItems[] = {"C-Max (Kuga)*", "Focus II",
                                                     "Mondeo III (4 door)"};
inline constexpr PatternItem kAcmAutoDecode[] = {{"01", 0}, {"10", 1}, {"11", 2}};
inline constexpr std::string_view kAcmAutoEncode[] = {"01", "10", "11"};

inline constexpr std::string_view kAcmBodyItems[] = {"3 door hatchback", "Sedan",
                                                     "5 door hatchback", "Combi"};
inline constexpr PatternItem kAcmBodyDecode[] = {{"00", 0}, {"01", 1}, {"10", 2}, {"11", 3}};
inline constexpr std::string_view kAcmBodyEncode[] = {"00", "01", "10", "11"};

inline constexpr std::string_view kAcmSpeakItems[] = {"4 woofers + 4 tweeters",
                                                      "4 woofers + 2 tweeters", "4 woofers"};
inline constexpr PatternItem kAcmSpeakDecode[] = {{"00", 0}, {"01", 1}, {"11", 2}};
inline constexpr std::string_view kAcmSpeakEncode[] = {"00", "01", "11"};

inline constexpr Option kAcmOptions[] = {
    {.name = "CheckBoxACMr", .pos = pos({1}), .caption = "Rh drive"},
    {.name = "RadioGroupACMsalon", .kind = OptionKind::Choice, .pos = pos({3, 4}),
     .caption = "Upholstery ", .items = kAcmSalonItems, .decode = kAcmSalonDecode,
     .encode = kAcmSalonEncode},
    {.name = "RadioGroupACMauto", .kind = OptionKind::Choice, .pos = pos({7, 8}), .caption = " Car ",
     .items = kAcmAutoItems, .decode = kAcmAutoDecode, .encode = kAcmAutoEncode,
     .noItemPattern = "00"},
    {.name = "CheckBoxACMl", .pos = pos({12}), .caption = "Car flap"},
    {.name = "RadioGroupACMbody", .kind = OptionKind::Choice, .pos = pos({15, 16}),
     .caption = " Body ", .items = kAcmBodyItems, .decode = kAcmBodyDecode,
     .encode = kAcmBodyEncode},
    {.name = "RadioGroupACMspeak", .kind = OptionKind::Choice, .pos = pos({19, 20}),
     .caption = " Speakers ", .items = kAcmSpeakItems, .decode = kAcmSpeakDecode,
     .encode = kAcmSpeakEncode},
};

} // namespace talmero::config::tables
