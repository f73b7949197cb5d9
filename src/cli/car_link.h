#pragma once

#include "link/adapter.h"
#include "link/channel.h"
#include "link/modules.h"
#include "link/session.h"

#include <memory>

namespace talmero::cli {

// The adapter of one command-line run: a serial port, a device path, a Wi-Fi adapter
// (HOST:PORT), or the demo car.
struct CarLink {
    // Opens the channel, resets and identifies the adapter; throws link::LinkError with
    // the text to show (no port, no answer, a relay line the port does not have).
    CarLink(const QString& port, int baud, link::BusSwitchSetting busSwitch, link::Host& host);

    // "demo" or "demo-stn": the virtual car, whose writes keep a journal of their own.
    static bool isDemo(const QString& port)
    {
        return port == QLatin1String("demo") || port == QLatin1String("demo-stn");
    }

    std::unique_ptr<link::Channel> channel;
    std::unique_ptr<link::Adapter> adapter;
    std::unique_ptr<link::Session> session;
    link::LinkState state;
    link::AdapterIdentity identity;
};

} // namespace talmero::cli
