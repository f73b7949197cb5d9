#pragma once

#include "config/layout.h"

// Body control module: part 1 (block 03, 4 bytes) and part 2 (block 04, 3 bytes).
namespace talmero::config::tables {

inline constexpr Option kBcm1Options[] = {
    {.name = "CheckBox1BCM07", .pos = pos({1}), .caption = "Factory alarm system"},
    {.name = "CheckBox1BCM06", .pos = pos({2}), .caption = "Central lockint sys"},
    {.name = "CheckBox1BCM05", .pos = pos({3}), .caption = "1 batting. pressing the button or"},
    {.name = "CheckBox1BCM04", .pos = pos({4}), .caption = "2 batting"},
    {.name = "CheckBox1BCM02", .pos = pos({6}), .caption = "Wst all at the touch."},
    {.name = "CheckBox1BCM01", .kind = OptionKind::JointFlag, .pos = pos({7, 10}),
     .caption = "Auto locking while driving"},
    {.name = "CheckBox1BCM00", .pos = pos({8}), .caption = "Dead lock"},
    // Blinking belongs to the one-press deadlock (position 11).
    {.name = "CheckBox1BCM17", .pos = pos({9}), .caption = "Blinking whendeadlocking on 1 press",
     .enable = EnableRule::WhenPosSet, .enablePos = 11},
    {.name = "CheckBox1BCM15", .pos = pos({11}), .caption = "Deadlock on 1 press of remote"},
    {.name = "CheckBox1BCM14", .pos = pos({12}), .caption = "2 stage car opening"},
    {.name = "CheckBox1BCM27", .pos = pos({17}), .caption = "Auto heated windows activation"},
    {.name = "CheckBox1BCM26", .pos = pos({18}), .caption = "Central locking CAN control"},
    {.name = "CheckBox1BCM24", .pos = pos({20}), .caption = "Rear doors",
     .hint = "Not active in the 3-door"},
    {.name = "CheckBox1BCM23", .pos = pos({21}), .caption = "Sensor size."},
    {.name = "CheckBox1BCM22", .pos = pos({22}), .caption = "Alarm siren"},
    {.name = "CheckBox1BCM34", .kind = OptionKind::JointFlag, .pos = run(25, 5),
     .caption = "Door CAN modules"},
    {.name = "CheckBox1BCM32", .pos = pos({30}), .caption = "Open boot on second press of remote"},
    {.name = "CheckBox1BCM31", .pos = pos({31}), .caption = "Central looking / remote control",
     .hint = "The option with module Keyless inactive"},
};

inline constexpr Option kBcm2Options[] = {
    {.name = "CheckBox2BCM07", .pos = pos({1}), .caption = "Additional heater fuel",
     .hint = "Activate the module IPC"},
    {.name = "CheckBox2BCM06", .pos = pos({2}), .caption = "Heated windscreen"},
    {.name = "CheckBox2BCM04", .pos = pos({4}), .caption = "Headlight washers"},
    {.name = "CheckBox2BCM03", .pos = pos({5}), .caption = "Rain sensor"},
    {.name = "CheckBox2BCM02", .pos = pos({6}), .caption = "Rear window wiper"},
    // The reverse wipe needs the rear wiper (position 6).
    {.name = "CheckBox2BCM01", .pos = pos({7}), .caption = "Auto rear wiper on revers 2 moves",
     .enable = EnableRule::WhenPosSet, .enablePos = 6},
    {.name = "CheckBox2BCM00", .pos = pos({8}), .caption = "Outside temp sensor"},
    {.name = "CheckBox2BCM17", .pos = pos({9}), .caption = "Cancel scan of interior climate"},
    {.name = "CheckBox2BCM16", .pos = pos({10}), .caption = "Xenon lights (HID)"},
    {.name = "CheckBox2BCM14", .pos = pos({12}), .caption = "Light sensor"},
    {.name = "CheckBox2BCM13", .pos = pos({13}), .caption = "Ford Power"},
    {.name = "CheckBox2BCM12", .pos = pos({14}), .caption = "Air conditioning",
     .hint = "Optional automatic climate control is disabled"},
    {.name = "CheckBox2BCM10", .pos = pos({16}), .caption = "Additional heater (PTC)"},
    {.name = "CheckBox2BCM27", .pos = pos({17}), .caption = "I think foot well lighting",
     .hint = "Activate the module DDM и PDM"},
    {.name = "CheckBox2BCM23", .pos = pos({21}), .caption = "Electric parking brake"},
    {.name = "CheckBox2BCM21", .pos = pos({23}), .caption = "Cruise control",
     .hint = "Activate the module IPC и PCM"},
    {.name = "CheckBox2BCM20", .pos = pos({24}), .caption = "Mask drive hatch taximeter"},
};

} // namespace talmero::config::tables
