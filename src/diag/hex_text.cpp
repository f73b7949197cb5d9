#include "diag/hex_text.h"

namespace talmero::diag {

int hexByte(const QString& twoDigits)
{
    if (twoDigits.size() != 2)
        return -1;
    int value = 0;
    for (QChar c : twoDigits) {
        const char16_t u = c.unicode();
        int digit;
        if (u >= '0' && u <= '9')
            digit = u - '0';
        else if (u >= 'A' && u <= 'F')
            digit = u - 'A' + 10;
        else if (u >= 'a' && u <= 'f')
            digit = u - 'a' + 10;
        else
            return -1;
        value = value * 16 + digit;
    }
    return value;
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
    return text;
}

} // namespace talmero::diag
