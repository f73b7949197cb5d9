#pragma once

#include <QBluetoothAddress>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QString>
#include <functional>

namespace talmero::link {

// What the user is told when a Bluetooth adapter cannot be reached, and what to do.
class BluetoothTexts {
    Q_DECLARE_TR_FUNCTIONS(BluetoothTexts)
public:
    static QString noBluetooth();
    static QString poweredOff();
    static QString notPaired(const QString& port);
    static QString unknownDevice(const QString& port);
    static QString refused(const QString& port);
    static QString timedOut(const QString& port, int seconds);
    static QString noSerialProfile(const QString& port, const QString& device);
    static QString noSerialService(const QString& port, const QString& device, const QStringList& services);
    static QString failed(const QString& port, const QString& detail);
};

// Throws LinkError when the computer has no Bluetooth, it is switched off, or (paired) a
// Classic adapter has not been paired with it.
void checkBluetoothReady(const QBluetoothAddress& device, const QString& port, bool paired);

// Waits for a condition with the event loop running (the window keeps painting): wake()
// re-checks it, a deadline ends the wait. Waits may nest; wake() ends the innermost.
class BluetoothWait {
public:
    void wake()
    {
        if (m_loop)
            m_loop->quit();
    }
    // Whether done() came true before the deadline.
    bool until(const std::function<bool()>& done, const QDeadlineTimer& deadline);

private:
    QEventLoop* m_loop = nullptr;
};

} // namespace talmero::link
