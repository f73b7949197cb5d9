#pragma once

#include "link/host.h"

// A host for measuring: the log and the notices go nowhere, and nothing is agreed to.
class SilentHost : public talmero::link::Host {
public:
    void log(const QString&) override {}
    void notify(const QString&) override {}
    bool confirm(const talmero::link::ChangeRequest&) override { return false; }
    bool ask(const QString&) override { return false; }
};
