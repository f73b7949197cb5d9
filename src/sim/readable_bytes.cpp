#include "sim/readable_bytes.h"

namespace talmero::sim {

QByteArray readableBytes(const QByteArray& bytes)
{
    QByteArray out;
    for (char c : bytes) {
        const uchar u = uchar(c);
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\\')
            out += "\\\\";
        else if (u < 0x20 || u >= 0x7F)
            out += "\\x" + QByteArray(1, c).toHex().toUpper();
        else
            out += c;
    }
    return out;
}

} // namespace talmero::sim
