#include "link/bluetooth_local.h"

#include "link/link_error.h"

#include <QBluetoothLocalDevice>
#include <QEventLoop>
#include <QTimer>
#include <utility>

namespace talmero::link {

QString BluetoothTexts::noBluetooth()
{
    return tr("На этом компьютере нет Bluetooth, или не запущена служба bluetooth. Подключите "
              "адаптер Bluetooth к компьютеру или запустите службу (sudo systemctl start bluetooth).");
}

QString BluetoothTexts::poweredOff()
{
    return tr("Bluetooth компьютера выключен. Включите его в настройках системы (или командой "
              "bluetoothctl power on) и подключитесь снова.");
}

QString BluetoothTexts::notPaired(const QString& port)
{
    return tr("Адаптер %1 не сопряжён с компьютером. Сопрягите его один раз: вставьте адаптер в "
              "разъём автомобиля, включите зажигание, запустите bluetoothctl и введите scan on, "
              "pair АДРЕС (PIN обычно 1234 или 0000) и trust АДРЕС.")
        .arg(port);
}

QString BluetoothTexts::unknownDevice(const QString& port)
{
    return tr("Компьютер не знает устройства %1. Вставьте адаптер в разъём автомобиля, включите "
              "зажигание и найдите его: «Search for Bluetooth adapters…» в списке портов (или "
              "talmero-cli adapters search).")
        .arg(port);
}

QString BluetoothTexts::refused(const QString& port)
{
    return tr("Адаптер %1 не принял соединение. Проверьте, что он вставлен в разъём автомобиля и "
              "получает питание (включите зажигание), что он рядом с компьютером и что к нему не "
              "подключён телефон или другая программа.")
        .arg(port);
}

QString BluetoothTexts::timedOut(const QString& port, int seconds)
{
    return tr("Адаптер %1 не ответил за %2 с. Вероятно, он вне досягаемости или без питания: "
              "поднесите компьютер ближе, включите зажигание и подключитесь снова.")
        .arg(port)
        .arg(seconds);
}

QString BluetoothTexts::noSerialProfile(const QString& port, const QString& device)
{
    return tr("У устройства %1 нет последовательного порта (SPP). Если это адаптер Bluetooth LE, "
              "подключитесь к нему как ble://%2.")
        .arg(port, device);
}

QString BluetoothTexts::noSerialService(const QString& port, const QString& device, const QStringList& services)
{
    return tr("У устройства %1 нет службы последовательного обмена (FFF0, FFE0, E7810A71 или службы "
              "с одной характеристикой уведомлений и одной для записи); его службы: %2. Если это "
              "адаптер Bluetooth Classic, подключитесь к нему как bt://%3.")
        .arg(port, services.isEmpty() ? QStringLiteral("-") : services.join(QStringLiteral(", ")), device);
}

QString BluetoothTexts::failed(const QString& port, const QString& detail)
{
    return tr("Не удалось подключиться к адаптеру %1: %2").arg(port, detail);
}

void checkBluetoothReady(const QBluetoothAddress& device, const QString& port, bool paired)
{
    QBluetoothLocalDevice local;
    if (!local.isValid())
        throw LinkError(BluetoothTexts::noBluetooth());
    if (local.hostMode() == QBluetoothLocalDevice::HostPoweredOff)
        throw LinkError(BluetoothTexts::poweredOff());
    if (paired && local.pairingStatus(device) == QBluetoothLocalDevice::Unpaired)
        throw LinkError(BluetoothTexts::notPaired(port));
}

bool BluetoothWait::until(const std::function<bool()>& done, const QDeadlineTimer& deadline)
{
    QEventLoop loop;
    QEventLoop* const outer = std::exchange(m_loop, &loop);
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    bool met = done();
    while (!met && !deadline.hasExpired()) {
        timeout.start(int(qMax<qint64>(1, deadline.remainingTime())));
        loop.exec();
        met = done();
    }
    m_loop = outer;
    return met;
}

} // namespace talmero::link
