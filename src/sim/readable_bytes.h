#pragma once

#include <QByteArray>

namespace talmero::sim {

// Bytes as one printable line: CR, LF and tab as \r \n \t, other control characters
// and non-ASCII bytes as \xHH, a backslash doubled.
QByteArray readableBytes(const QByteArray& bytes);

} // namespace talmero::sim
