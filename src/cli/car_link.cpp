#include "cli/car_link.h"

#include "link/serial_channel.h"
#include "sim/demo_channel.h"

namespace talmero::cli {

CarLink::CarLink(const QString& port, int baud, link::Host& host)
{
    if (port == QLatin1String("demo"))
        channel = std::make_unique<sim::DemoChannel>(0, baud);
    else
        channel = std::make_unique<link::SerialChannel>(port, baud);
    channel->open();
    adapter = std::make_unique<link::Adapter>(*channel, host);
    session = std::make_unique<link::Session>(*adapter, host);
    state.online = true;
}

} // namespace talmero::cli
