#pragma once

#include <QString>

namespace talmero::diag {

// Each pair of hex digits becomes the character with that code; an odd last digit
// and pairs that are not hex are dropped, and so are "00" pairs when skipZero is set. A
// module's bytes are shown printable only: a code that is not becomes "<1B>".
QString hexPairsToText(const QString& hex, bool skipZero);

// The value of exactly two hex digits, or -1.
int hexByte(const QString& twoDigits);

} // namespace talmero::diag
