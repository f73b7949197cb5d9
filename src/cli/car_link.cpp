#include "cli/car_link.h"

#include "link/host.h"
#include "link/port_address.h"
#include "link/serial_channel.h"
#include "sim/demo_channel.h"

namespace talmero::cli {

bool CarLink::isDemo(const QString& port)
{
    return port == QLatin1String("demo") || port == QLatin1String("demo-stn");
}

safety::JournalPlace CarLink::journalOf(const CliArgs& args)
{
    return safety::journalFor(isDemo(args.port), args.journal);
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
    state.online = true;
    state.carVIN = args.vin;
}

} // namespace talmero::cli
