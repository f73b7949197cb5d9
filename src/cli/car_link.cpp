#include "cli/car_link.h"

#include "link/host.h"
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
    if (port == QLatin1String("demo"))
        channel = std::make_unique<sim::DemoChannel>(0, baud);
    else if (port == QLatin1String("demo-stn"))
        channel = std::make_unique<sim::DemoChannel>(0, baud, nullptr, sim::DemoChannel::Kind::BuiltIn);
    else
        channel = std::make_unique<link::SerialChannel>(port, baud);
    channel->open();
    adapter = std::make_unique<link::Adapter>(*channel, host);
    const link::SwitchWay way = link::startAdapter(*adapter, args.busSwitch, baud, identity);
    session = std::make_unique<link::Session>(*adapter, host, way);
    host.log(link::BusSwitchTexts::identityLine(identity, way));
    state.online = true;
    state.carVIN = args.vin;
}

} // namespace talmero::cli
