#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// What a trouble code and its status byte say by their structure alone: the code's
// system, who defines it and its subsystem group (SAE J2012 / ISO 15031-6), and the
// parts of the status byte of "read trouble codes by status" (KWP2000 service 18).
namespace talmero::diag {

enum class DtcSystem { Powertrain, Chassis, Body, Network };

// Who gives the code its meaning. Unsettled: the public descriptions of the ranges
// disagree (P34..P3F, B3, C3, U3), so the program claims neither.
enum class DtcOwner { Generic, Manufacturer, Unsettled };

struct DtcStructure {
    DtcSystem system = DtcSystem::Powertrain;
    DtcOwner owner = DtcOwner::Generic;
    // The subsystem group of a generic powertrain code, in the program's language; empty
    // where the sources do not agree on one.
    QString group;
};

// A letter P, C, B or U, a digit 0 to 3 and three hex digits, upper case: "P0420".
bool isDtcCode(const QString& code);
// nullopt for an ill-formed code.
std::optional<DtcStructure> dtcStructure(const QString& code);

// Bits 6-5 of the status byte.
enum class DtcStorage { None, Stored, Pending, Present };

struct DtcStatus {
    quint8 raw = 0;
    bool lamp = false;   // bit 7: the code asks for the warning lamp
    DtcStorage storage = DtcStorage::None;
    bool readiness = false; // bit 4, as sent: the sources differ on its sense
    int symptom = 0;        // bits 3-0: the module maker's fault symptom
};

DtcStatus decodeDtcStatus(quint8 raw);
// From the two hex digits of a listing; nullopt when they are not two hex digits.
std::optional<DtcStatus> parseDtcStatus(const QString& hex);

// The words the program shows, in its language.
QString systemText(DtcSystem system);
QString ownerText(DtcOwner owner);
QString storageText(DtcStorage storage);
QString lampText(bool lamp);
// "stored, lamp off"; the raw byte is the caller's to show beside it.
QString statusWords(const DtcStatus& status);

} // namespace talmero::diag
