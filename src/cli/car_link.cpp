#include "cli/car_link.h"

#include "link/host.h"
#include "link/port_address.h"
#include "link/serial_channel.h"
#include "sim/demo_channel.h"

namespace talmero::cli {

CarLink::CarLink(const QString& port, int baud, link::BusSwitchSetting busSwitch, link::Host& host)
{
    if (isDemo(port)) {
        const auto kind = port == QLatin1String("demo") ? sim::DemoChannel::Kind::Switch : sim::DemoChannel::Kind::BuiltIn;
        channel = std::make_unique<sim::DemoChannel>(0, baud, nullptr, kind);
    } else {
        channel = link::makeAdapterChannel(port, baud);
    }
    channel->open();
    adapter = std::make_unique<link::Adapter>(*channel, host);
    const link::SwitchWay way = link::startAdapter(*adapter, busSwitch, baud, identity);
    session = std::make_unique<link::Session>(*adapter, host, way);
    host.log(link::BusSwitchTexts::identityLine(identity, way));
    if (const QString note = link::SerialChannel::lowLatencyNote(*channel); !note.isEmpty())
        host.log(note);
    state.online = true;
}

} // namespace talmero::cli
