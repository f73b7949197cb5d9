#pragma once

#include "link/bus_switch.h"
#include "safety/write_gate.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace talmero::app {

// The connection settings kept per user (organisation "TALMERO"): the last port, the
// chosen rate item, the last VIN and every VIN connected with before.
struct ConnectionSettings {
    static const QString kOrganisation;
    static const QString kPlaceholderVIN; // "00000000000000000", never stored

    QStringList knownVINs;
    QString lastVIN;
    QString port;
    QString baud; // the index of the rate item, as text
    double minVoltage = safety::SafetySettings::kDefaultMinVoltage; // no write to the car below this
    QString lastBackupFolder; // where the last backup went; "Read from file" starts there
    QString language = QStringLiteral("system"); // "system", "en" or "ru"; read at start
    link::BusSwitchSetting busSwitch = link::BusSwitchSetting::Auto; // how the buses are switched
    QByteArray mainWindowGeometry; // the main window's size and place when it was last hidden

    static constexpr double kLowestMinVoltage = 10.0;
    static constexpr double kHighestMinVoltage = 14.0;
    static void storeMinVoltage(double volts);
    static void storeBackupFolder(const QString& folder);
    static void storeLanguage(const QString& language);
    static void storeBusSwitch(link::BusSwitchSetting setting);
    static void storeMainWindowGeometry(const QByteArray& geometry);

    static ConnectionSettings load();
    // The rate item to select: the stored index when it is a number naming one of the
    // itemCount items, otherwise nothing.
    std::optional<int> baudIndex(int itemCount) const;

    // Keeps what a connect attempt used. The VIN must already be upper case; the
    // placeholder is not kept. No port (the demo car) leaves the stored port as it is.
    static void storeConnection(const QString& vin, const std::optional<QString>& port,
                                int baudIndex);
};

} // namespace talmero::app
