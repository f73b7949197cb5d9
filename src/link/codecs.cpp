#include "link/codecs.h"

namespace talmero::link {

namespace {
const char* const kNibbles[16] = {"0000", "0001", "0010", "0011", "0100", "0101", "0110", "0111",
                                  "1000", "1001", "1010", "1011", "1100", "1101", "1110", "1111"};
const char kHexDigits[] = "0123456789ABCDEF";

} // namespace

int hexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

int hexByte(const QString& text, qsizetype at)
{
    if (at < 0 || at + 2 > text.size())
        return -1;
    const int hi = hexDigitValue(text.at(at));
    const int lo = hexDigitValue(text.at(at + 1));
    return hi < 0 || lo < 0 ? -1 : hi * 16 + lo;
}

QString HEX2BIN(const QString& hex)
{
    QString bits;
    bits.reserve(hex.size() * 4);
    bool bad = false;
    for (QChar c : hex) {
        const int v = hexDigitValue(c);
        if (v < 0)
            bad = true;
        else
            bits += QLatin1String(kNibbles[v]);
    }
    return bad ? QStringLiteral("0") : bits;
}

QString NIB2HEX(const QString& nibble, bool& error)
{
    for (int i = 0; i < 16; ++i) {
        if (nibble == QLatin1String(kNibbles[i]))
            return QString(QChar::fromLatin1(kHexDigits[i]));
    }
    error = true;
    return QString();
}

QString BIN2HEX(const QString& bits)
{
    if (bits == QLatin1String("0"))
        return bits;
    QString padded = bits;
    while (padded.size() % 4 != 0)
        padded.prepend(QLatin1Char('0'));
    QString hex;
    hex.reserve(padded.size() / 4);
    bool error = false;
    for (qsizetype i = 0; i < padded.size(); i += 4)
        hex += NIB2HEX(padded.mid(i, 4), error);
    return error ? QStringLiteral("0") : hex;
}

QString splitHEX(const QString& hex)
{
    const qsizetype pairs = hex.size() / 2;
    QString out;
    out.reserve(pairs * 3);
    for (qsizetype i = 0; i < pairs; ++i) {
        if (i > 0)
            out += QLatin1Char(' ');
        out += hex.mid(i * 2, 2);
    }
    return out;
}

DtcText DTC2TEXT(const QString& hex)
{
    static const char kLetters[] = {'P', 'C', 'B', 'U'};
    const QString bits = HEX2BIN(hex.left(1));
    DtcText dtc;
    int letter = 0;
    if (bits.size() == 4)
        letter = (bits[0] == QLatin1Char('1') ? 2 : 0) + (bits[1] == QLatin1Char('1') ? 1 : 0);
    dtc.code = QChar::fromLatin1(kLetters[letter]);
    // A bad first digit leaves no second character, as the code has always shown it.
    if (bits.size() == 4)
        dtc.code += BIN2HEX(bits.mid(2, 2));
    dtc.code += hex.mid(1, 3);
    dtc.code.truncate(5);
    dtc.status = hex.mid(4, 2);
    return dtc;
}

bool isVIN(const QString& text)
{
    if (text.size() != 17)
        return false;
    for (QChar c : text) {
        if (c.unicode() < '0' || c.unicode() > 'Z')
            return false;
    }
    return true;
}

QString upperVIN(const QString& typed)
{
    QString vin = typed;
    for (QChar& c : vin) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return vin;
}

} // namespace talmero::link
