#include "link/answer_text.h"

#include "link/codecs.h"

namespace talmero::link {

void squeezeCOM(QString& text)
{
    QString out;
    out.reserve(text.size());
    bool pendingSpace = false;
    for (QChar c : text) {
        if (c.unicode() <= 32) {
            pendingSpace = !out.isEmpty();
            continue;
        }
        if (pendingSpace) {
            out += QLatin1Char(' ');
            pendingSpace = false;
        }
        out += c;
    }
    text = out;
}

QString cutCOM(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('>'))
            out += c;
    }
    return out;
}

QString joinFrames(const QString& cut)
{
    if (cut.size() < 15)
        return cut;
    // Adapter messages ("UNABLE TO CONNECT", "BUS INIT: ...ERROR") are long too, but
    // carry no count: they must fail the caller's prefix test, not end the action.
    const QString countText = cut.left(3);
    for (QChar c : countText) {
        if (hexDigitValue(c) < 0)
            return cut;
    }
    const int count = countText.toInt(nullptr, 16);
    QString rest = cut.mid(3);
    for (qsizetype colon = rest.indexOf(QLatin1Char(':')); colon >= 0;
         colon = rest.indexOf(QLatin1Char(':'), colon)) {
        // The frame index is the one character before the colon; a colon at the
        // very front has none and goes alone.
        const qsizetype from = colon > 0 ? colon - 1 : 0;
        rest.remove(from, colon - from + 1);
        colon = from;
    }
    return rest.left(2 * count);
}

} // namespace talmero::link
