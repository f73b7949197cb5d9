#include "link/answer_text.h"

#include "link/codecs.h"

#include <QCoreApplication>

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

namespace {
constexpr qsizetype kNoteSize = 6; // "7F" + service + "78"

bool isPendingNote(const QString& cut)
{
    return cut.size() >= kNoteSize && cut.startsWith(QLatin1String("7F"))
        && cut.mid(4, 2) == QLatin1String("78");
}
} // namespace

QString printableForLog(const QString& answer)
{
    QString out;
    out.reserve(answer.size());
    for (QChar c : answer) {
        if (c.unicode() >= 32 && c.unicode() < 127)
            out += c;
        else
            out += QStringLiteral("<%1>").arg(QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0'));
    }
    return out;
}

QString withoutPendingNotes(const QString& cut)
{
    QString answer = cut;
    while (isPendingNote(answer))
        answer.remove(0, kNoteSize);
    return answer;
}

std::optional<QString> positiveData(const QString& cut, const QString& prefix)
{
    const QString answer = withoutPendingNotes(cut);
    const QString joined = joinFrames(answer);
    // A count announces more bytes than the frames brought: a frame was lost.
    if (joined != answer && joined.size() < 2 * answer.left(3).toInt(nullptr, 16))
        return std::nullopt;
    // Half a byte at the end is a garbled answer, not a shorter block.
    if (!joined.startsWith(prefix) || (joined.size() - prefix.size()) % 2 != 0)
        return std::nullopt;
    return joined.mid(prefix.size());
}

int negativeReason(const QString& cut)
{
    if (cut.size() < 6 || !cut.startsWith(QLatin1String("7F")) || hexByte(cut, 2) < 0)
        return -1;
    return hexByte(cut, 4);
}

QString negativeReasonText(int reason)
{
    static const struct {
        int code;
        const char* text;
    } kReasons[] = {
        {0x10, QT_TRANSLATE_NOOP("NegativeAnswer", "общий отказ")},
        {0x11, QT_TRANSLATE_NOOP("NegativeAnswer", "сервис не поддерживается")},
        {0x12, QT_TRANSLATE_NOOP("NegativeAnswer", "функция не поддерживается")},
        {0x13, QT_TRANSLATE_NOOP("NegativeAnswer", "неверная длина")},
        {0x22, QT_TRANSLATE_NOOP("NegativeAnswer", "условия не выполнены")},
        {0x31, QT_TRANSLATE_NOOP("NegativeAnswer", "вне диапазона")},
        {0x33, QT_TRANSLATE_NOOP("NegativeAnswer", "доступ запрещён")},
        {0x78, QT_TRANSLATE_NOOP("NegativeAnswer", "модуль занят")},
    };
    for (const auto& r : kReasons) {
        if (r.code == reason)
            return QCoreApplication::translate("NegativeAnswer", r.text);
    }
    return QCoreApplication::translate("NegativeAnswer", "код %1")
        .arg(QString::number(reason, 16).toUpper().rightJustified(2, u'0'));
}

QString negativeAnswerNote(const QString& cut)
{
    const int reason = negativeReason(cut);
    if (reason < 0)
        return QString();
    return QStringLiteral(" (7F %1 %2: %3)").arg(cut.mid(2, 2), cut.mid(4, 2), negativeReasonText(reason));
}

} // namespace talmero::link
