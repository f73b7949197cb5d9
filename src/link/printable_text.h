#pragma once

#include <QString>

// What comes from a file or an adapter is shown printable only: an escape sequence, a
// control character or a direction override would change the terminal or the text around it.
namespace talmero::link {

// Whether a character (a code point) may be shown as it is: no control or format
// character, no line or paragraph separator, no lone surrogate.
bool isPrintable(char32_t c);

// The text with each character that is not printable written as its code ("<1B>"), the way
// the log shows an adapter's answer.
QString printableText(const QString& text);

} // namespace talmero::link
