#include "app/connection_settings.h"

#include "link/settings_file.h"

#include <QSettings>

namespace talmero::app {

const QString ConnectionSettings::kOrganisation = QStringLiteral("TALMERO");
const QString ConnectionSettings::kPlaceholderVIN = QStringLiteral("00000000000000000");

namespace {

const QString kPort = QStringLiteral("port");
const QString kBaud = QStringLiteral("baud");
const QString kVIN = QStringLiteral("VIN");
const QString kVINs = QStringLiteral("VINs");
const QString kMinVoltage = QStringLiteral("minVoltage");
const QString kBackupFolder = QStringLiteral("backupFolder");
const QString kLanguage = QStringLiteral("language");
const QString kBusSwitch = QStringLiteral("busSwitch");
const QString kMainWindow = QStringLiteral("mainWindowGeometry");

// Nothing is stored while the settings file is not used (the log said why at start).
void storeValue(const QString& key, const QVariant& value)
{
    if (const std::unique_ptr<QSettings> store = link::openSettings()) {
        store->setValue(key, value);
        store->sync();
    }
}

} // namespace

ConnectionSettings ConnectionSettings::load()
{
    // Per user: the machine-wide store needs administrator rights to write. A settings
    // file that is not used leaves every setting as it starts.
    ConnectionSettings s;
    const std::unique_ptr<QSettings> opened = link::openSettings();
    if (!opened)
        return s;
    QSettings& store = *opened;
    store.beginGroup(kVINs);
    for (const QString& key : store.childKeys())
        s.knownVINs.append(store.value(key).toString());
    store.endGroup();
    s.lastVIN = store.value(kVIN).toString();
    s.port = store.value(kPort).toString();
    s.baud = store.value(kBaud).toString();
    // A stored threshold that is not a number, or outside the range offered, is not used.
    bool isNumber = false;
    const double volts = store.value(kMinVoltage).toString().toDouble(&isNumber);
    if (isNumber && volts >= kLowestMinVoltage && volts <= kHighestMinVoltage)
        s.minVoltage = volts;
    s.lastBackupFolder = store.value(kBackupFolder).toString();
    s.mainWindowGeometry = store.value(kMainWindow).toByteArray();
    const QString language = store.value(kLanguage).toString();
    if (language == QLatin1String("en") || language == QLatin1String("ru"))
        s.language = language;
    // An unknown stored value keeps the default rather than a way the adapter may not have.
    s.busSwitch = link::busSwitchFromName(store.value(kBusSwitch).toString()).value_or(link::BusSwitchSetting::Auto);
    return s;
}

std::optional<int> ConnectionSettings::baudIndex(int itemCount) const
{
    bool isNumber = false;
    const int index = baud.toInt(&isNumber);
    if (!isNumber || index < 0 || index >= itemCount)
        return std::nullopt;
    return index;
}

void ConnectionSettings::storeConnection(const QString& vin, const std::optional<QString>& port,
                                         int baudIndex)
{
    const std::unique_ptr<QSettings> opened = link::openSettings();
    if (!opened)
        return;
    QSettings& store = *opened;
    const bool realVIN = vin != kPlaceholderVIN;
    if (realVIN) {
        store.beginGroup(kVINs);
        if (!store.contains(vin))
            store.setValue(vin, vin);
        store.endGroup();
    }
    if (port)
        store.setValue(kPort, *port);
    store.setValue(kBaud, QString::number(baudIndex));
    if (realVIN)
        store.setValue(kVIN, vin);
    store.sync();
}

void ConnectionSettings::storeBackupFolder(const QString& folder)
{
    storeValue(kBackupFolder, folder);
}

void ConnectionSettings::storeLanguage(const QString& language)
{
    storeValue(kLanguage, language);
}

void ConnectionSettings::storeBusSwitch(link::BusSwitchSetting setting)
{
    storeValue(kBusSwitch, link::busSwitchName(setting));
}

void ConnectionSettings::storeMainWindowGeometry(const QByteArray& geometry)
{
    storeValue(kMainWindow, geometry);
}

void ConnectionSettings::storeMinVoltage(double volts)
{
    storeValue(kMinVoltage, QString::number(volts, 'f', 1));
}

} // namespace talmero::app
