#pragma once

#include <QString>

namespace talmero::link {

// What the logic needs from the window: the log and a modal notice.
class Host {
public:
    virtual ~Host() = default;
    // Appends one line to the program's log.
    virtual void log(const QString& line) = 0;
    // Shows a notice with one OK button; returns once the user has acknowledged it.
    virtual void notify(const QString& text) = 0;
};

} // namespace talmero::link
