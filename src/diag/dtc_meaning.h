#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// What a trouble code and its status byte say by their structure alone: the code's
// system, who defines it and its subsystem group (SAE J2012 / ISO 15031-6), and the
// parts of the status byte of "read trouble codes by status" (KWP2000 service 18).
namespace talmero::diag {

enum class DtcSystem { Powertrain, Chassis, Body, Network };

// Who gives the code its meaning. Reserved: the B3, C3 and U3 ranges, which the standard
// keeps for later codes and which hold none yet.
enum class DtcOwner { Generic, Manufacturer, Reserved };

struct DtcStructure {
    DtcSystem system = DtcSystem::Powertrain;
    DtcOwner owner = DtcOwner::Generic;
    // The subsystem group of a generic powertrain or network code, in the program's
    // language; empty where the standard names none.
    QString group;
};

// A letter P, C, B or U, a digit 0 to 3 and three hex digits, upper case: "P0420".
bool isDtcCode(const QString& code);
// nullopt for an ill-formed code.
std::optional<DtcStructure> dtcStructure(const QString& code);

// Bits 6-5 of the status byte: what the module knew of the fault when it was asked.
enum class DtcStorage { NotDetected, StoredNotPresent, Intermittent, Present };

struct DtcStatus {
    quint8 raw = 0;
    // Bit 7: the code is set up to request the warning lamp. Whether the lamp is lit
    // now is not in this byte.
    bool lamp = false;
    DtcStorage storage = DtcStorage::NotDetected;
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
// "asks for the warning lamp" or not; short: for a table column.
QString lampText(bool lamp, bool brief = false);
// "stored, not present now; does not ask for the warning lamp"; the raw byte is the
// caller's to show beside it.
QString statusWords(const DtcStatus& status);

} // namespace talmero::diag
