#pragma once

// A private system bus with BlueZ mocked on it (bluez_mock.py) and one talmero-sim --tcp
// behind its devices. The test program and every child it starts use that bus; a missing
// dbus-daemon or python3-dbusmock fails the test with what to install.
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <signal.h>
#include <sys/prctl.h>

class BluezBus {
public:
    // Empty on success, else what is missing.
    QString start()
    {
        QFile config(m_dir.filePath(QStringLiteral("bus.conf")));
        config.open(QIODevice::WriteOnly);
        config.write(QStringLiteral("<busconfig><type>system</type><listen>unix:dir=%1</listen><auth>EXTERNAL</auth>"
                                    "<policy context=\"default\"><allow send_destination=\"*\"/><allow receive_sender=\"*\"/>"
                                    "<allow own=\"*\"/></policy></busconfig>").arg(m_dir.path()).toUtf8());
        config.close();
        m_daemon.setStandardErrorFile(QProcess::nullDevice());
        if (!run(m_daemon, QStringLiteral("dbus-daemon"), {QStringLiteral("--nofork"), QStringLiteral("--print-address"),
                                                             QStringLiteral("--config-file=") + config.fileName()}))
            return QStringLiteral("dbus-daemon did not start: install the package dbus");
        m_address = QString::fromLatin1(m_daemon.readLine()).trimmed();
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_address.toLatin1());
        // The mock's process is no bluetoothd that Qt could ask for its version.
        qputenv("BLUETOOTH_FORCE_DBUS_LE_VERSION", "5.66");
        if (!run(m_sim, QStringLiteral(TALMERO_SIM_PATH), {QStringLiteral("--tcp"), QStringLiteral("0")}))
            return QStringLiteral("talmero-sim did not start");
        m_simAddress = QString::fromLatin1(m_sim.readLine()).trimmed();
        if (!run(m_mock, QStringLiteral(TALMERO_PYTHON3), {QStringLiteral(TALMERO_BLUEZ_MOCK), m_simAddress})
            || !m_mock.readLine().startsWith("ready"))
            return QStringLiteral("the BlueZ mock did not start (is python3-dbusmock installed?): ")
                   + QString::fromLocal8Bit(m_mock.readAllStandardError());
        return {};
    }
    ~BluezBus()
    {
        for (QProcess* p : {&m_mock, &m_sim, &m_daemon}) {
            p->kill();
            p->waitForFinished(5000);
        }
    }
    const QString& simAddress() const { return m_simAddress; }
    // A method of the mock, its object or its adapter; false with the error printed.
    bool call(const QString& path, const QString& interface, const QString& method, const QVariantList& args)
    {
        QDBusMessage m = QDBusMessage::createMethodCall(QStringLiteral("org.bluez"), path, interface, method);
        m.setArguments(args);
        const QDBusMessage reply = QDBusConnection::connectToBus(m_address, QStringLiteral("control")).call(m);
        if (reply.type() != QDBusMessage::ReplyMessage)
            qWarning("%s", qPrintable(reply.errorMessage()));
        return reply.type() == QDBusMessage::ReplyMessage;
    }
    bool setPowered(bool on)
    {
        return call(QStringLiteral("/org/bluez/hci0"), QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"),
                    {QStringLiteral("org.bluez.Adapter1"), QStringLiteral("Powered"), QVariant::fromValue(QDBusVariant(on))});
    }

private:
    // Starts a child that ends with this program and waits for its first line.
    static bool run(QProcess& p, const QString& program, const QStringList& args)
    {
        p.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        p.start(program, args);
        return p.waitForStarted(5000) && (p.canReadLine() || p.waitForReadyRead(15000));
    }

    QTemporaryDir m_dir;
    QProcess m_daemon, m_sim, m_mock;
    QString m_address, m_simAddress;
};
