#include "link/ble_channel.h"

#include "link/link_error.h"
#include "link/port_address.h"

#include <QBluetoothDeviceInfo>

namespace talmero::link {

BleChannel::BleChannel(const QString& device, int connectTimeoutMs, QObject* parent)
    : Channel(parent), m_device(device), m_connectTimeoutMs(connectTimeoutMs)
{
}

BleChannel::~BleChannel()
{
    close();
}

QString BleChannel::name() const
{
    return bluetoothPort(m_device, true);
}

QString BleChannel::choiceLine(const SerialServiceChoice& choice, int pieceSize)
{
    const QString way = choice.withoutResponse ? tr("без ответа") : tr("с ответом");
    QString line = tr("* Bluetooth LE: служба %1, ответы из %2, запросы в %3 (запись %4, по %5 байт)")
                       .arg(shortUuid(choice.service), shortUuid(choice.notify), shortUuid(choice.write), way)
                       .arg(pieceSize);
    if (!choice.knownLayout)
        line += tr("; служба выбрана по её характеристикам");
    return line;
}

void BleChannel::open()
{
    if (m_open)
        return;
    resetCollected();
    checkBluetoothReady(QBluetoothAddress(m_device), name(), false);
    const QDeadlineTimer deadline(m_connectTimeoutMs);
    try {
        connectToAdapter(deadline);
        const QList<GattServiceInfo> services = readServices(deadline);
        const std::optional<SerialServiceChoice> choice = chooseSerialService(services);
        if (!choice) {
            QStringList found;
            for (const GattServiceInfo& service : services)
                found.append(shortUuid(service.uuid));
            throw LinkError(BluetoothTexts::noSerialService(name(), m_device, found));
        }
        startNotifications(*choice, deadline);
    } catch (...) {
        close();
        throw;
    }
    connect(m_controller.get(), &QLowEnergyController::disconnected, this, &BleChannel::connectionLost);
    connect(m_controller.get(), &QLowEnergyController::errorOccurred, this, &BleChannel::connectionLost);
    // A write that fails did not reach the adapter: nothing more will come of it.
    connect(m_serial, &QLowEnergyService::errorOccurred, this, &BleChannel::connectionLost);
    m_open = true;
}

QString BleChannel::failureText(QLowEnergyController::Error error) const
{
    switch (error) {
    case QLowEnergyController::UnknownRemoteDeviceError:
        return BluetoothTexts::unknownDevice(name());
    case QLowEnergyController::InvalidBluetoothAdapterError:
    case QLowEnergyController::MissingPermissionsError:
        return BluetoothTexts::noBluetooth();
    case QLowEnergyController::AuthorizationError:
        return BluetoothTexts::notPaired(name());
    // BlueZ's connect failed or the link fell at once: refused, out of range or taken.
    case QLowEnergyController::UnknownError:
    case QLowEnergyController::ConnectionError:
    case QLowEnergyController::RemoteHostClosedError:
        return BluetoothTexts::refused(name());
    default:
        return BluetoothTexts::failed(name(), m_controller->errorString());
    }
}

void BleChannel::timedOut(bool connected) const
{
    if (!connected)
        throw LinkError(BluetoothTexts::timedOut(name(), m_connectTimeoutMs / 1000));
    throw LinkError(BluetoothTexts::failed(
        name(), tr("адаптер подключился, но его службы не прочитаны за %1 с").arg(m_connectTimeoutMs / 1000)));
}

void BleChannel::connectToAdapter(const QDeadlineTimer& deadline)
{
    QBluetoothDeviceInfo info(QBluetoothAddress(m_device), QString(), 0);
    info.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
    m_controller.reset(QLowEnergyController::createCentral(info));
    std::optional<QLowEnergyController::Error> error;
    QObject step; // the connections of this step end with it
    connect(m_controller.get(), &QLowEnergyController::connected, &step, [this] { m_wait.wake(); });
    connect(m_controller.get(), &QLowEnergyController::errorOccurred, &step,
            [this, &error](QLowEnergyController::Error e) {
                error = e;
                m_wait.wake();
            });
    m_controller->connectToDevice();
    if (!m_wait.until([&] { return error || m_controller->state() == QLowEnergyController::ConnectedState; },
                      deadline))
        timedOut(false);
    if (error)
        throw LinkError(failureText(*error));
}

QList<GattServiceInfo> BleChannel::readServices(const QDeadlineTimer& deadline)
{
    std::optional<QLowEnergyController::Error> error;
    QObject step;
    connect(m_controller.get(), &QLowEnergyController::discoveryFinished, &step, [this] { m_wait.wake(); });
    connect(m_controller.get(), &QLowEnergyController::errorOccurred, &step,
            [this, &error](QLowEnergyController::Error e) {
                error = e;
                m_wait.wake();
            });
    m_controller->discoverServices();
    if (!m_wait.until([&] { return error || m_controller->state() == QLowEnergyController::DiscoveredState; },
                      deadline))
        timedOut(true);
    if (error)
        throw LinkError(failureText(*error));

    bool serviceFailed = false;
    for (const QBluetoothUuid& uuid : m_controller->services()) {
        m_services.emplace_back(m_controller->createServiceObject(uuid));
        QLowEnergyService* service = m_services.back().get();
        if (!service)
            continue;
        connect(service, &QLowEnergyService::stateChanged, &step, [this] { m_wait.wake(); });
        connect(service, &QLowEnergyService::errorOccurred, &step, [this, &serviceFailed] {
            serviceFailed = true;
            m_wait.wake();
        });
        // Values are not read: an adapter's characteristics hold nothing worth it.
        service->discoverDetails(QLowEnergyService::SkipValueDiscovery);
    }
    const auto allRead = [this] {
        for (const auto& service : m_services)
            if (service && service->state() != QLowEnergyService::RemoteServiceDiscovered)
                return false;
        return true;
    };
    if (!m_wait.until([&] { return error || serviceFailed || allRead(); }, deadline))
        timedOut(true);
    if (error)
        throw LinkError(failureText(*error));

    QList<GattServiceInfo> services;
    for (const auto& service : m_services) {
        if (!service || service->state() != QLowEnergyService::RemoteServiceDiscovered)
            continue;
        GattServiceInfo info{service->serviceUuid(), {}};
        for (const QLowEnergyCharacteristic& c : service->characteristics()) {
            const auto p = c.properties();
            info.characteristics.append({c.uuid(), bool(p & (QLowEnergyCharacteristic::Notify | QLowEnergyCharacteristic::Indicate)),
                                         bool(p & QLowEnergyCharacteristic::Write),
                                         bool(p & QLowEnergyCharacteristic::WriteNoResponse)});
        }
        services.append(info);
    }
    return services;
}

void BleChannel::startNotifications(const SerialServiceChoice& choice, const QDeadlineTimer& deadline)
{
    for (const auto& service : m_services)
        if (service && service->serviceUuid() == QBluetoothUuid(choice.service))
            m_serial = service.get();
    const QLowEnergyCharacteristic notify = m_serial->characteristic(QBluetoothUuid(choice.notify));
    // Qt turns notifications on by writing this descriptor, and delivers them only where
    // it exists.
    const QLowEnergyDescriptor config = notify.clientCharacteristicConfiguration();
    if (!config.isValid())
        throw LinkError(BluetoothTexts::failed(name(), tr("у характеристики %1 нет дескриптора 2902, "
                                                          "уведомления не включить")
                                                           .arg(shortUuid(choice.notify))));
    bool written = false;
    bool failed = false;
    QObject step;
    connect(m_serial, &QLowEnergyService::descriptorWritten, &step, [this, &written] {
        written = true;
        m_wait.wake();
    });
    connect(m_serial, &QLowEnergyService::errorOccurred, &step, [this, &failed] {
        failed = true;
        m_wait.wake();
    });
    const bool indicateOnly = !(notify.properties() & QLowEnergyCharacteristic::Notify);
    m_serial->writeDescriptor(config, indicateOnly ? QLowEnergyCharacteristic::CCCDEnableIndication
                                                   : QLowEnergyCharacteristic::CCCDEnableNotification);
    if (!m_wait.until([&] { return written || failed; }, deadline))
        timedOut(true);
    if (failed)
        throw LinkError(BluetoothTexts::failed(name(), tr("адаптер не включил уведомления характеристики %1")
                                                           .arg(shortUuid(choice.notify))));
    connect(m_serial, &QLowEnergyService::characteristicChanged, this, &BleChannel::notified);
    m_notify = QBluetoothUuid(choice.notify);
    m_write = m_serial->characteristic(QBluetoothUuid(choice.write));
    m_writeMode = choice.withoutResponse ? QLowEnergyService::WriteWithoutResponse : QLowEnergyService::WriteWithResponse;
    m_pieceSize = blePieceSize(m_controller->mtu());
    m_note = choiceLine(choice, m_pieceSize);
}

void BleChannel::close()
{
    m_open = false;
    m_serial = nullptr;
    m_services.clear();
    if (m_controller) {
        m_controller->disconnect(this);
        if (m_controller->state() != QLowEnergyController::UnconnectedState) {
            // BlueZ keeps a Low Energy link until it is told to end it: the adapter would
            // stay taken for the next program, or the next connection.
            QObject step;
            connect(m_controller.get(), &QLowEnergyController::stateChanged, &step, [this] { m_wait.wake(); });
            m_controller->disconnectFromDevice();
            m_wait.until([this] { return m_controller->state() == QLowEnergyController::UnconnectedState; },
                         QDeadlineTimer(1000));
        }
        m_controller.reset();
    }
    m_note.clear();
    resetCollected();
}

void BleChannel::send(const QByteArray& bytes)
{
    if (!m_open)
        return;
    for (const QByteArray& piece : splitForWrite(bytes, m_pieceSize))
        m_serial->writeCharacteristic(m_write, piece, m_writeMode);
}

void BleChannel::notified(const QLowEnergyCharacteristic& characteristic, const QByteArray& value)
{
    if (m_open && characteristic.uuid() == m_notify)
        collect(value);
}

void BleChannel::connectionLost()
{
    if (!m_open)
        return;
    m_open = false;
    resetCollected();
    Q_EMIT readFailed();
}

} // namespace talmero::link
