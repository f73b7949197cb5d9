#pragma once

#include "link/outcome.h"

#include <ostream>

// Tests state an outcome as the text the log would show: "OK" when done, else its line.
namespace talmero::link {

inline QString text(const Outcome& o)
{
    return o.ok() ? QStringLiteral("OK") : o.line;
}
inline bool operator==(const Outcome& o, const QString& expected)
{
    return text(o) == expected;
}
inline bool operator==(const Outcome& o, const char* expected)
{
    return text(o) == QString::fromUtf8(expected);
}
inline void PrintTo(const Outcome& o, std::ostream* out)
{
    *out << text(o).toStdString();
}

} // namespace talmero::link
