#include "cli/commands.h"
#include "link/bluetooth_devices.h"
#include "link/port_address.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSerialPortInfo>
#include <algorithm>

namespace talmero::cli {

namespace {

struct Listed {
    QString port;
    QString what;
};

// The serial ports present, where adapters sit first, as the start window offers them.
QList<Listed> serialPorts()
{
    QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    const auto usb = [](const QSerialPortInfo& p) { return p.hasVendorIdentifier() && p.hasProductIdentifier(); };
    std::stable_sort(ports.begin(), ports.end(), [&](const QSerialPortInfo& a, const QSerialPortInfo& b) {
        return link::serialPortRank(a.portName(), usb(a)) < link::serialPortRank(b.portName(), usb(b));
    });
    QList<Listed> listed;
    for (const QSerialPortInfo& port : ports) {
        listed.append({port.systemLocation(), usb(port) ? QCoreApplication::translate("Cli", "последовательный порт, USB")
                                                        : QCoreApplication::translate("Cli", "последовательный порт")});
    }
    return listed;
}

// Looks for Bluetooth devices for the usual ten seconds; what it found, or the failure said.
std::optional<QList<link::BluetoothDevice>> search(CommandContext& ctx)
{
    ctx.err << QCoreApplication::translate("Cli", "Поиск адаптеров Bluetooth (%1 с)…").arg(link::BluetoothSearch::kSearchMs / 1000)
            << '\n';
    ctx.err.flush();
    link::BluetoothSearch search;
    QEventLoop loop;
    QObject::connect(&search, &link::BluetoothSearch::finished, &loop, &QEventLoop::quit);
    search.start();
    if (search.isActive())
        loop.exec();
    if (!search.failure().isEmpty()) {
        ctx.fail(search.failure());
        return std::nullopt;
    }
    return search.found();
}

} // namespace

int runAdaptersCommand(CommandContext& ctx)
{
    const QStringList& w = ctx.args.words;
    const bool searching = w.size() == 2 && w[1] == QLatin1String("search");
    if (w.size() > 2 || (w.size() == 2 && !searching))
        return ctx.usage(QCoreApplication::translate("Cli", "adapters: нужен search или ничего"));
    QList<link::BluetoothDevice> devices = link::knownBluetoothDevices();
    if (searching) {
        const auto found = search(ctx);
        if (!found)
            return ExitFailed;
        devices = link::mergeDevices(devices, *found);
    }
    QList<Listed> listed = serialPorts();
    for (const link::BluetoothDevice& device : devices) {
        const QString paired = device.paired ? QCoreApplication::translate("Cli", ", сопряжён") : QString();
        for (const link::BluetoothPortEntry& entry : link::bluetoothEntries({device}))
            listed.append({entry.port, entry.label + paired});
    }
    listed.append({QStringLiteral("192.168.0.10:35000"), QCoreApplication::translate("Cli", "адаптер Wi-Fi (его частый адрес)")});
    listed.append({QStringLiteral("demo"), QCoreApplication::translate("Cli", "демо-автомобиль, адаптер с переключателем шин")});
    listed.append({QStringLiteral("demo-stn"), QCoreApplication::translate("Cli", "демо-автомобиль, адаптер STN со встроенной шиной")});
    qsizetype width = 0;
    for (const Listed& l : listed)
        width = qMax(width, l.port.size());
    for (const Listed& l : listed)
        ctx.out << l.port.leftJustified(width + 2) << l.what << '\n';
    return ExitOk;
}

} // namespace talmero::cli
