#pragma once

#include "link/host.h"

#include <QStringList>
#include <functional>

// A Host for tests: keeps the log lines and the notices, acknowledging each at once.
class RecordingHost : public talmero::link::Host {
public:
    void log(const QString& line) override { lines.append(line); }
    void notify(const QString& text) override
    {
        notices.append(text);
        if (onNotify)
            onNotify(text);
    }

    QStringList lines;
    QStringList notices;
    std::function<void(const QString&)> onNotify; // e.g. to move the virtual car's switch
};
