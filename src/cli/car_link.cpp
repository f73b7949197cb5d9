#include "cli/car_link.h"

#include "config/backup_first.h"
#include "config/car_restore.h"
#include "link/host.h"
#include "link/port_address.h"
#include "link/serial_channel.h"
#include "sim/demo_channel.h"

#include <QCoreApplication>
#include <QDir>

namespace talmero::cli {

bool CarLink::isDemo(const QString& port)
{
    return port == QLatin1String("demo") || port == QLatin1String("demo-stn");
}

safety::JournalPlace CarLink::journalOf(const CliArgs& args)
{
    return safety::journalFor(isDemo(args.port), args.journal);
}

QString CarLink::backupFolder(const CliArgs& args)
{
    return args.dir.isEmpty() ? config::VehicleBackup::defaultFolder(QCoreApplication::applicationDirPath()) : args.dir;
}

safety::BackupBeforeWrite CarLink::backupBeforeWrite(const CliArgs& args, CliHost& host, QTextStream& err)
{
    const QString folder = backupFolder(args);
    // A folder the user named is the only one: a backup is neither looked for nor put elsewhere.
    const bool fallback = args.dir.isEmpty();
    QStringList folders{folder, config::CarRestore::defaultSaveFolder()};
    if (fallback)
        folders << config::VehicleBackup::documentsFolder();
    config::VehicleBackup::Progress progress;
    if (args.log) {
        progress = [&err](int number, int count, const car::Module&) {
            err << QCoreApplication::translate("Cli", "модуль %1 из %2").arg(number).arg(count) << '\n';
            err.flush();
        };
    }
    return {[folders](const QString& vin, const safety::BackupNeeds& needs) { return config::holdsBackupOf(folders, vin, needs); },
            [this, &host, &err, folder, fallback, progress](const safety::BackupNeeds& needs) -> safety::BackupBeforeWrite::Taken {
                const config::BackupTaken taken = config::takeBackup(*session, host, state, folder, fallback, progress, needs);
                if (!taken.path.isEmpty()) {
                    err << QCoreApplication::translate("Cli", "Резервная копия сохранена: %1").arg(QDir::toNativeSeparators(taken.path)) << '\n';
                    err.flush();
                }
                return {taken.failure, taken.incomplete, taken.notes};
            }};
}

CarLink::CarLink(const CliArgs& args, link::Host& host)
    : journal(journalOf(args)), minVoltage(args.minVoltage)
{
    const QString& port = args.port;
    const int baud = args.baud;
    if (isDemo(port)) {
        const auto kind = port == QLatin1String("demo") ? sim::DemoChannel::Kind::Switch : sim::DemoChannel::Kind::BuiltIn;
        channel = std::make_unique<sim::DemoChannel>(0, baud, nullptr, kind);
    } else {
        channel = link::makeAdapterChannel(port, baud);
    }
    channel->open();
    adapter = std::make_unique<link::Adapter>(*channel, host);
    const link::SwitchWay way = link::startAdapter(*adapter, args.busSwitch, baud, identity);
    session = std::make_unique<link::Session>(*adapter, host, way);
    host.log(link::BusSwitchTexts::identityLine(identity, way));
    if (const QString note = link::SerialChannel::lowLatencyNote(*channel); !note.isEmpty())
        host.log(note);
    if (const QString note = channel->openedNote(); !note.isEmpty())
        host.log(note);
    state.online = true;
    state.carVIN = args.vin;
}

} // namespace talmero::cli
