#pragma once

#include "link/bus_switch.h"
#include "safety/write_gate.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace talmero::cli {

// The command line, parsed: global options, the command words and the command's options.
struct CliArgs {
    QString port;           // "", a port name, a device path, or "demo"
    int baud = 38400;
    QString vin = QStringLiteral("00000000000000000");
    bool vinGiven = false;  // --vin was on the command line
    QString journal;        // the write journal's file; "" = the user's default
    double minVoltage = safety::SafetySettings::kDefaultMinVoltage; // no write below this
    QString lang;           // "en", "ru", or "" for the system's language
    link::BusSwitchSetting busSwitch = link::BusSwitchSetting::Auto;
    bool yes = false;       // acknowledge bus prompts without waiting
    bool force = false;     // undo: also when the block changed since the write
    bool log = false;       // log lines to standard error
    bool version = false;   // print the version and do nothing else
    QStringList words;      // the command and its positional arguments
    int part = 0;           // BCM part: 0 or 1 (--part 1|2)
    int door = -1;          // door read side (0 driver, 1 passenger) or write target (0 both, 1, 2)
    int dash = -1;          // dashboard type item: 0 facelift, 1 pre-facelift
    QString dir;
    QString save;           // dtc read: the file the reading is also written to
    bool plain = false;     // dtc read: the listing alone, without the codes' meanings
    QStringList values;     // live: the values to read, by their keys ("rpm")
    int seconds = 0;        // live: how long to read them; 0 = the default
    QString csv;            // live: the file the readings are recorded to
    QStringList sets;       // NAME=VALUE, in the given order
    bool car = false;       // compare: the right side is the car
    bool otherCar = false;  // restore: the file's VIN may differ from the car's
    bool noBackup = false;  // a first write to a car without a backup takes none first
    QStringList only;       // restore: the module addresses to write, upper case
    QStringList trust;      // description files the user trusts from now on
};

// Parses the arguments after the program name; nullopt with error set on a usage error.
std::optional<CliArgs> parseArgs(const QStringList& args, QString& error);

QString usageText();

// The value given to --lang, read before the rest: the usage errors are messages too.
QString langArgument(const QStringList& args);

} // namespace talmero::cli
