#pragma once

#include "config/layout.h"

#include <span>
#include <vector>
#include "support/blocks.h"

// The configuration pages written out by hand, never taken from src/config: the layout
// tables, the page table and the windows are checked against these rows, so a slip in a
// table cannot also be its own expectation.
namespace transcript {


enum class Enable {
    Always,    // by every decode that shows the block
    Never,     // no decode enables it
    FullBlock, // only in a 5-byte (40-character) dashboard block
    IfAnySet,  // only when one of `when` reads '1'
};

struct OptionRow {
    const char* name;
    std::vector<int> pos; // owned positions, counted from 1, in reading order
    const char* caption;
    const char* hint = "";
    std::vector<const char*> items = {};
    // Choices: "pattern=item" words, "*=item" for any other pattern; no match = no item.
    // Empty for a check box, and for a whole-block choice shown by other rules.
    const char* decode = "";
    Enable enable = Enable::Always;
    std::vector<int> when = {};
    bool tickedWhenShown = false; // a check box owning no position, ticked by every shown block
};

inline const OptionRow kIpc[] = {
    {"CheckBoxIPC07", {1}, "ABS"},
    {"CheckBoxIPC06", {2}, "Eguren EHPAS"},
    {"CheckBoxIPC05", {3}, "AWD (Kuga)"},
    {"CheckBoxIPC04", {4}, "Electric parking brake"},
    {"CheckBoxIPC03", {5}, "ESP (visibility in the menu)", "", {}, "", Enable::FullBlock},
    {"CheckBoxIPC02", {6}, "Instant fuel"},
    {"CheckBoxIPC01", {7}, "Voice control"},
    {"CheckBoxIPC00", {8}, "Tire pressure warning (DDS)", "Activate the module ABS", {}, "", Enable::FullBlock},
    {"CheckBoxIPC16", {10}, "Seat belt warning",
     "Only the sound is turned off (LED is lit), the same option is in the module RCM"},
    {"CheckBoxIPC13", {13}, "Reversing sound"},
    {"CheckBoxIPC11", {15}, "Cruise control", "Activate the module BCM i PCM"},
    {"CheckBoxIPC10", {16}, "IVD sys.(pre FL)"},
    {"CheckBoxIPC26", {18, 19}, "Additional heater fuel", "Activate the module BCM"},
    {"CheckBoxIPC24", {20}, "Washer fluid warning"},
    {"CheckBoxIPC22", {22}, "Navigation"},
    {"CheckBoxIPC36", {26}, "Real engine temp", "Does not turn on if you do not have a physical"},
    {"CheckBoxIPC35", {27}, "Focus ST speedometer"},
    {"CheckBoxIPC34", {28}, "Simulated engine temp.",
     "Off to see the actual paragraphs. (not factory except DHE-1.8/2.0)"},
    {"CheckBoxIPC47", {33}, "Clock display", "", {}, "", Enable::FullBlock},
    {"CheckBoxIPC46", {34}, "Radio-RDS/CD", "", {}, "", Enable::FullBlock},
    {"CheckBoxIPC45", {35}, "Info from phone", "", {}, "", Enable::FullBlock},
    {"CheckBoxIPC44", {36}, "Fuel consumpt. km/l", "", {}, "", Enable::FullBlock},
    {"CheckBoxIPC42", {38}, "Gear shift change light", "", {}, "", Enable::FullBlock},
    {"CheckBoxIPC41", {39}, "Ford ECO Mode", "", {}, "", Enable::FullBlock},
    {"CheckBoxIPC40", {40}, "Auto Start/Stop", "", {}, "", Enable::FullBlock},
    {"RadioGroupIPCrd", {}, " Type dashboard ", "", {"FL (08-)", "Pre FL"}, "", Enable::Never},
};

inline const OptionRow kAcm[] = {
    {"CheckBoxACMr", {1}, "Rh drive"},
    {"RadioGroupACMsalon", {3, 4}, "Upholstery ", "", {"Fabric", "Skin", "Mixed"}, "00=0 01=1 10=2"},
    {"RadioGroupACMauto", {7, 8}, " Car ", "", {"C-Max (Kuga)*", "Focus II", "Mondeo III (4 door)"},
     "01=0 10=1 11=2"},
    {"CheckBoxACMl", {12}, "Car flap"},
    {"RadioGroupACMbody", {15, 16}, " Body ", "", {"3 door hatchback", "Sedan", "5 door hatchback", "Combi"},
     "00=0 01=1 10=2 11=3"},
    {"RadioGroupACMspeak", {19, 20}, " Speakers ", "",
     {"4 woofers + 4 tweeters", "4 woofers + 2 tweeters", "4 woofers"}, "00=0 01=1 11=2"},
};

inline const OptionRow kBcm1[] = {
    {"CheckBox1BCM07", {1}, "Factory alarm system"},
    {"CheckBox1BCM06", {2}, "Central lockint sys"},
    {"CheckBox1BCM05", {3}, "1 batting. pressing the button or"},
    {"CheckBox1BCM04", {4}, "2 batting"},
    {"CheckBox1BCM02", {6}, "Wst all at the touch."},
    {"CheckBox1BCM01", {7, 10}, "Auto locking while driving"},
    {"CheckBox1BCM00", {8}, "Dead lock"},
    {"CheckBox1BCM17", {9}, "Blinking whendeadlocking on 1 press", "", {}, "", Enable::IfAnySet, {11}},
    {"CheckBox1BCM15", {11}, "Deadlock on 1 press of remote"},
    {"CheckBox1BCM14", {12}, "2 stage car opening"},
    {"CheckBox1BCM27", {17}, "Auto heated windows activation"},
    {"CheckBox1BCM26", {18}, "Central locking CAN control"},
    {"CheckBox1BCM24", {20}, "Rear doors", "Not active in the 3-door"},
    {"CheckBox1BCM23", {21}, "Sensor size."},
    {"CheckBox1BCM22", {22}, "Alarm siren"},
    {"CheckBox1BCM34", {25, 26, 27, 28, 29}, "Door CAN modules"},
    {"CheckBox1BCM32", {30}, "Open boot on second press of remote"},
    {"CheckBox1BCM31", {31}, "Central looking / remote control", "The option with module Keyless inactive"},
};

inline const OptionRow kBcm2[] = {
    {"CheckBox2BCM07", {1}, "Additional heater fuel", "Activate the module IPC"},
    {"CheckBox2BCM06", {2}, "Heated windscreen"},
    {"CheckBox2BCM04", {4}, "Headlight washers"},
    {"CheckBox2BCM03", {5}, "Rain sensor"},
    {"CheckBox2BCM02", {6}, "Rear window wiper"},
    {"CheckBox2BCM01", {7}, "Auto rear wiper on revers 2 moves", "", {}, "", Enable::IfAnySet, {6}},
    {"CheckBox2BCM00", {8}, "Outside temp sensor"},
    {"CheckBox2BCM17", {9}, "Cancel scan of interior climate"},
    {"CheckBox2BCM16", {10}, "Xenon lights (HID)"},
    {"CheckBox2BCM14", {12}, "Light sensor"},
    {"CheckBox2BCM13", {13}, "Ford Power"},
    {"CheckBox2BCM12", {14}, "Air conditioning", "Optional automatic climate control is disabled"},
    {"CheckBox2BCM10", {16}, "Additional heater (PTC)"},
    {"CheckBox2BCM27", {17}, "I think foot well lighting", "Activate the module DDM и PDM"},
    {"CheckBox2BCM23", {21}, "Electric parking brake"},
    {"CheckBox2BCM21", {23}, "Cruise control", "Activate the module IPC и PCM"},
    {"CheckBox2BCM20", {24}, "Mask drive hatch taximeter"},
};

inline const OptionRow kDdm[] = {
    {"CheckBoxDDM7", {1}, "Without module (facelift)"},
    {"CheckBoxDDM6", {2}, "Normal mirrors (facelift)", "If you turn the mirrors, will be governed by the diagonal"},
    {"CheckBoxDDM5", {3}, "management of passenger central locking"},
    {"CheckBoxDDM4", {4}, "folding mirrors (facelift)"},
    {"CheckBoxDDM3", {5}, "Rear door modulel LIN (facelift)"},
    {"CheckBoxDDM2", {6}, "Heated mirrors"},
    {"CheckBoxDDM1", {7}, "Direction indicators in mirrors"},
    {"CheckBoxDDM0", {8}, "Illumination around mirrors", "Activate the module BCM"},
};

inline const OptionRow kHvac[] = {
    {"RadioGroupHVAC", {}, " Configuration module ", "",
     {"Module pre FaceLift", "FaceLift - ordinary glass", "FaceLift - reflective glass IR",
      "FaceLift - panoramic roof / cabriolet", "Other  -"}},
};

inline const OptionRow kRcm[] = {
    // The type reads position 10, then position 14.
    {"RadioGroupRCM", {10, 14}, " Type module ", "",
     {"Pre FaceLift (do 2008)", "FaceLift (2008-2010)", "FaceLift (2010-....)"}, "00=0 10=0 01=1 11=2"},
    {"CheckBoxRCM", {}, "Driver airbag.", "", {}, "", Enable::Never, {}, true},
    {"CheckBoxRCM02", {6}, "Side seat airbags"},
    {"CheckBoxRCM01", {7}, "Site curtain airbags"},
    {"CheckBoxRCM13", {13}, "Passenger airbag"},
    {"CheckBoxRCM10", {16}, "Passenger occupancy sensor"},
    {"CheckBoxRCM23", {21}, "Assenger switch"},
    {"CheckBoxRCM22", {22}, "Led turn of the passenger"},
    {"CheckBoxRCM20", {24}, "Unfasten without notification of seat belt",
     "Turn off the sound and light signaling, Activate the module IPC"},
    {"CheckBoxRCM37", {25}, "Side impact sensors", "Are required for the side airbag area. and curtain"},
};

inline const OptionRow kAbs[] = {
    {"RadioGroupABS", {1, 2, 3, 4}, " Type module ", "", {"Pre FaceLift", "FaceLift"}, "0000=0 *=1",
     Enable::Never},
    {"CheckBoxABS6", {2}, "Tire pressure warning(DDS)", "Activate the module IPC", {}, "", Enable::IfAnySet,
     {1, 2, 3, 4}},
    {"CheckBoxABS0", {}, "ESP shutdown button", "", {}, "", Enable::Never},
};

inline const OptionRow kHcm[] = {
    {"RadioGroupHCM1", {}, "Reflectors HID / Xenons", "",
     {"Focus II pre FaceLift", "C-Max", "Kuga", "Focus II FaceLift", "Other  -"}},
    {"RadioGroupHCM2", {}, "Torsion of light (AFS)", "", {"Hatchback", "Sedan", "Combi", "Other  -"}},
};

// Page controls that are not options of a block.
inline const OptionRow kPageControls[] = {
    {"RadioGroupBCMrd", {}, " Configuration of 2 parts", "", {"Part 1", "Part 2"}},
    {"RadioGroupDDMr", {}, " Read module ", "", {"Driver (DDM)", "Passenger (PDM)"}},
    {"RadioGroupDDMw", {}, " Write to module ", "", {"Two module (DDM+PDM)", "Driver (DDM)", "Passenger (PDM)"}},
    {"GroupBoxACMoth", {}, " Other "},
    {"Panel1", {}, "* In the config file: C-Max-combo, Kuga-5door,hatchback"},
    {"ButtonCONFread", {}, "Read configuration"},
    {"ButtonCONFwrite", {}, "Write configuration"},
    {"ButtonCONFopen", {}, "Read from file"},
    {"ButtonCONFopenASBUILT", {}, "Read AS-BUILT"},
    {"ButtonCONFgetASBUILT", {}, "Generating AS-BUILT"},
};

// Every row whose texts the window must show.
inline const std::span<const OptionRow> kAllRows[] = {kIpc, kAcm, kBcm1, kBcm2, kDdm, kHvac,
                                                      kRcm, kAbs, kHcm, kPageControls};

// One block's request on the bus.
struct TransferRow {
    const char* read;
    const char* prefix;
    const char* write;
    const char* accepted;
};

struct PageRow {
    const char* caption;
    const char* title;
    std::vector<const char*> addresses; // a second one is the passenger's door
    bool medium;
    bool session;
    std::vector<TransferRow> parts;     // BCM: part 1, part 2
    std::vector<const char*> suffixes;  // log suffix per part or door
};

inline const PageRow kPages[] = {
    {"IPC", "Панель приборов", {"720"}, false, true, {{"2100", "6100", "3b00", "7B00"}}, {}},
    {"ACM", "Аудиомодуль", {"727"}, true, false, {{"2100", "6100", "3b00", "7B00"}}, {}},
    {"BCM", "GEM модуль", {"726"}, true, true,
     {{"2103", "6103", "3b03", "7B0"}, {"2104", "6104", "3b04", "7B0"}}, {" [Часть 1]", " [Часть 2]"}},
    {"DDM+PDM", "Дверные CAN-модули", {"740", "741"}, true, true, {{"2101", "6101", "3b01", "7B01"}},
     {" [Водительский]", " [Пассажирский]"}},
    {"HVAC", "Модуль климат-контроля", {"733"}, true, true, {{"2101", "6101", "3b01", "7B01"}}, {}},
    {"RCM", "Модуль подушек/ремней без-ти", {"737"}, true, false, {{"2100", "6100", "3b00", "7B00"}}, {}},
    {"ABS", "Модуль ABS/ESP", {"760"}, false, true, {{"2101", "6101", "3b01", "7B01"}}, {}},
    {"HCM", "Модуль упр-я головным светом", {"734"}, false, true, {{"2100", "6100", "3b00", "7B00"}}, {}},
};

} // namespace transcript
