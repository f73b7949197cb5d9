#include "link/printable_text.h"

namespace talmero::link {

bool isPrintable(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return false;
    default:
        return c <= QChar::LastValidCodePoint;
    }
}

QString printableText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        const bool pair = QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pair)
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
        if (isPrintable(c))
            out += pair ? text.mid(i, 2) : QString(text[i]);
        else
            out += QStringLiteral("<%1>").arg(QString::number(uint(c), 16).toUpper().rightJustified(2, u'0'));
        i += pair ? 1 : 0;
    }
    return out;
}

} // namespace talmero::link
