#include "diag/hex_text.h"

#include "link/codecs.h"
#include "link/printable_text.h"

namespace talmero::diag {

int hexByte(const QString& twoDigits)
{
    return twoDigits.size() == 2 ? link::hexByte(twoDigits) : -1;
}

QString hexPairsToText(const QString& hex, bool skipZero)
{
    QString text;
    text.reserve(hex.size() / 2);
    for (qsizetype i = 0; i + 1 < hex.size(); i += 2) {
        const int code = hexByte(hex.mid(i, 2));
        if (code < 0 || (skipZero && code == 0))
            continue;
        text += QChar(char16_t(code));
    }
    return link::printableText(text);
}

} // namespace talmero::diag
