#include "link/bluetooth_devices.h"

#include "link/ble_serial.h"
#include "link/bluetooth_local.h"
#include "link/port_address.h"

#include <QBluetoothDeviceDiscoveryAgent>
#include <QBluetoothLocalDevice>
#include <QBluetoothUuid>
#include <QTimer>
#include <algorithm>

#ifdef Q_OS_LINUX
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#endif

namespace talmero::link {

BluetoothDevice classifyDevice(const QString& address, const QString& name, bool classicRadio,
                               bool lowEnergyRadio, const QStringList& serviceUuids, bool paired)
{
    const QBluetoothUuid spp(QBluetoothUuid::ServiceClassUuid::SerialPort);
    bool serialProfile = false;
    bool vendorService = false;
    for (const QString& text : serviceUuids) {
        const QBluetoothUuid uuid(text);
        serialProfile = serialProfile || uuid == spp;
        vendorService = vendorService || isVendorService(uuid);
    }
    const bool unsaid = serviceUuids.isEmpty();
    BluetoothDevice device{address.toUpper(), name, classicRadio && (unsaid || serialProfile),
                           vendorService || (lowEnergyRadio && unsaid), paired};
    return device;
}

QList<BluetoothDevice> knownBluetoothDevices()
{
    QList<BluetoothDevice> devices;
#ifdef Q_OS_LINUX
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return devices;
    const QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.bluez"), QStringLiteral("/"), QStringLiteral("org.freedesktop.DBus.ObjectManager"),
        QStringLiteral("GetManagedObjects"));
    // No Bluetooth service answers at once; a slow one must not hold the window up.
    const QDBusMessage reply = bus.call(call, QDBus::Block, 2000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return devices;
    const QDBusArgument objects = reply.arguments().constFirst().value<QDBusArgument>();
    objects.beginMap();
    while (!objects.atEnd()) {
        QDBusObjectPath path;
        objects.beginMapEntry();
        objects >> path;
        objects.beginMap();
        while (!objects.atEnd()) {
            QString interface;
            QVariantMap properties;
            objects.beginMapEntry();
            objects >> interface >> properties;
            objects.endMapEntry();
            if (interface != QLatin1String("org.bluez.Device1"))
                continue;
            // A Classic device has a class of device; a Low Energy one has none, or a
            // random address.
            const quint32 deviceClass = properties.value(QStringLiteral("Class")).toUInt();
            const bool random = properties.value(QStringLiteral("AddressType")).toString() == QLatin1String("random");
            const BluetoothDevice device = classifyDevice(
                properties.value(QStringLiteral("Address")).toString(), properties.value(QStringLiteral("Alias")).toString(),
                deviceClass != 0 && !random, deviceClass == 0 || random,
                properties.value(QStringLiteral("UUIDs")).toStringList(), properties.value(QStringLiteral("Paired")).toBool());
            if (device.classic || device.lowEnergy)
                devices.append(device);
        }
        objects.endMap();
        objects.endMapEntry();
    }
    objects.endMap();
    std::sort(devices.begin(), devices.end(), [](const BluetoothDevice& a, const BluetoothDevice& b) {
        const int byName = QString::compare(a.name, b.name, Qt::CaseInsensitive);
        return byName != 0 ? byName < 0 : a.address < b.address;
    });
#endif
    return devices;
}

QList<BluetoothDevice> mergeDevices(QList<BluetoothDevice> a, const QList<BluetoothDevice>& b)
{
    for (const BluetoothDevice& device : b) {
        const auto same = std::find_if(a.begin(), a.end(), [&](const BluetoothDevice& d) { return d.address == device.address; });
        if (same == a.end()) {
            a.append(device);
            continue;
        }
        same->classic = same->classic || device.classic;
        same->lowEnergy = same->lowEnergy || device.lowEnergy;
        same->paired = same->paired || device.paired;
        if (same->name.isEmpty())
            same->name = device.name;
    }
    return a;
}

QString BluetoothDeviceTexts::label(const QString& name, const QString& address, bool lowEnergy)
{
    const QString shown = name.isEmpty() ? tr("Устройство") : name;
    return lowEnergy ? tr("%1 (Bluetooth LE %2)").arg(shown, address) : tr("%1 (Bluetooth %2)").arg(shown, address);
}

QList<BluetoothPortEntry> bluetoothEntries(const QList<BluetoothDevice>& devices)
{
    QList<BluetoothPortEntry> entries;
    for (const BluetoothDevice& device : devices) {
        if (device.classic)
            entries.append({bluetoothPort(device.address, false), BluetoothDeviceTexts::label(device.name, device.address, false)});
        if (device.lowEnergy)
            entries.append({bluetoothPort(device.address, true), BluetoothDeviceTexts::label(device.name, device.address, true)});
    }
    return entries;
}

BluetoothSearch::BluetoothSearch(QObject* parent) : QObject(parent) {}

BluetoothSearch::~BluetoothSearch()
{
    if (m_agent) {
        m_agent->disconnect(this);
        m_agent->stop();
    }
}

bool BluetoothSearch::isActive() const
{
    return m_active;
}

void BluetoothSearch::fail(const QString& text)
{
    m_failure = text;
    m_active = false;
    if (m_agent)
        m_agent->disconnect(this);
    Q_EMIT finished();
}

void BluetoothSearch::start(int searchMs)
{
    m_found.clear();
    m_failure.clear();
    m_active = true;
    QBluetoothLocalDevice local;
    if (!local.isValid() || local.hostMode() == QBluetoothLocalDevice::HostPoweredOff) {
        const QString text = local.isValid() ? BluetoothTexts::poweredOff() : BluetoothTexts::noBluetooth();
        // Said once the caller is listening.
        QTimer::singleShot(0, this, [this, text] { fail(text); });
        return;
    }
    m_agent = std::make_unique<QBluetoothDeviceDiscoveryAgent>();
    m_agent->setLowEnergyDiscoveryTimeout(searchMs);
    connect(m_agent.get(), &QBluetoothDeviceDiscoveryAgent::deviceDiscovered, this, [this](const QBluetoothDeviceInfo& info) {
        const auto radio = info.coreConfigurations();
        QStringList uuids;
        for (const QBluetoothUuid& uuid : info.serviceUuids())
            uuids.append(uuid.toString(QUuid::WithoutBraces));
        const BluetoothDevice device = classifyDevice(info.address().toString(), info.name(),
                                                      bool(radio & QBluetoothDeviceInfo::BaseRateCoreConfiguration),
                                                      bool(radio & QBluetoothDeviceInfo::LowEnergyCoreConfiguration), uuids, false);
        if (!device.classic && !device.lowEnergy)
            return;
        m_found = mergeDevices(m_found, {device});
        Q_EMIT deviceFound(device);
    });
    const auto done = [this] {
        m_active = false;
        Q_EMIT finished();
    };
    connect(m_agent.get(), &QBluetoothDeviceDiscoveryAgent::finished, this, done);
    connect(m_agent.get(), &QBluetoothDeviceDiscoveryAgent::canceled, this, done);
    connect(m_agent.get(), &QBluetoothDeviceDiscoveryAgent::errorOccurred, this,
            [this](QBluetoothDeviceDiscoveryAgent::Error error) {
                switch (error) {
                case QBluetoothDeviceDiscoveryAgent::PoweredOffError:
                    return fail(BluetoothTexts::poweredOff());
                case QBluetoothDeviceDiscoveryAgent::InvalidBluetoothAdapterError:
                case QBluetoothDeviceDiscoveryAgent::MissingPermissionsError:
                    return fail(BluetoothTexts::noBluetooth());
                default:
                    return fail(m_agent->errorString());
                }
            });
    m_agent->start(QBluetoothDeviceDiscoveryAgent::ClassicMethod | QBluetoothDeviceDiscoveryAgent::LowEnergyMethod);
}

void BluetoothSearch::cancel()
{
    if (m_agent && m_agent->isActive())
        m_agent->stop();
}

} // namespace talmero::link
