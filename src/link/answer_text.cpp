#include "link/answer_text.h"

#include "link/adapter.h"
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

namespace {

// The adapter's own messages (ELM327 and STN data sheets); "BUS INIT" is followed by its
// dots and "ERROR", "ERROR" alone is what some clones print.
const char* const kAdapterMessages[] = {
    "NO DATA",    "?",          "STOPPED",  "CAN ERROR", "BUFFER FULL", "BUS INIT",
    "BUS BUSY",   "BUS ERROR",  "<DATA ERROR", "DATA ERROR", "<RX ERROR", "RX ERROR",
    "FB ERROR",   "LV RESET",   "ACT ALERT", "LP ALERT",  "UNABLE TO CONNECT", "OUT OF MEMORY",
    "ERROR",
};
constexpr qsizetype kMaxWords = 40; // a babbling adapter is named, not copied
constexpr qsizetype kCountDigits = 3;
const QLatin1String kSearching("SEARCHING...");

QString wordsOf(const QString& text)
{
    return printableForLog(text).left(kMaxWords);
}

// Where the first of the adapter's messages starts a word of the text; -1 for none.
qsizetype adapterMessageAt(const QString& text)
{
    qsizetype first = -1;
    for (const char* message : kAdapterMessages) {
        const QLatin1String m(message);
        for (qsizetype at = text.indexOf(m, 0, Qt::CaseInsensitive); at >= 0;
             at = text.indexOf(m, at + 1, Qt::CaseInsensitive)) {
            if (at == 0 || text[at - 1] == u' ') {
                if (first < 0 || at < first)
                    first = at;
                break;
            }
        }
    }
    return first;
}

// Hex digits and frame numbers ("1:") only.
bool frameText(const QString& word)
{
    for (const QChar c : word) {
        if (c != u':' && hexDigitValue(c) < 0)
            return false;
    }
    return !word.isEmpty();
}

ClassifiedAnswer classified(ClassifiedAnswer::Kind kind, QString hex = QString(), QString words = QString())
{
    ClassifiedAnswer c;
    c.kind = kind;
    c.hex = std::move(hex);
    c.words = std::move(words);
    return c;
}

// A multi-frame answer, blanks removed: the byte count, then "0:" "1:" ... "F:" "0:" ...,
// each followed by whole bytes, up to the count.
ClassifiedAnswer joinedFrames(const QString& cut)
{
    if (cut.size() < kCountDigits + 2 || cut.left(kCountDigits).contains(u':')
        || cut.mid(kCountDigits, 2) != QLatin1String("0:"))
        return classified(ClassifiedAnswer::Kind::Garbled, QString(), wordsOf(cut));
    const int count = cut.left(kCountDigits).toInt(nullptr, 16);
    QString bytes;
    int frame = 0;
    for (qsizetype at = kCountDigits; at < cut.size(); ++frame) {
        // The one character before each colon numbers the frame.
        if (at + 1 >= cut.size() || cut[at + 1] != u':' || hexDigitValue(cut[at]) != frame % 16)
            return classified(ClassifiedAnswer::Kind::Garbled, QString(), cut.mid(at, 2));
        const qsizetype next = cut.indexOf(u':', at + 2);
        const qsizetype end = next < 0 ? cut.size() : next - 1;
        if (end <= at + 2 || (end - at - 2) % 2 != 0)
            return classified(ClassifiedAnswer::Kind::Garbled, QString(), wordsOf(cut.mid(at, end - at)));
        bytes += cut.mid(at + 2, end - at - 2);
        at = end;
    }
    if (bytes.size() < 2 * count) {
        ClassifiedAnswer c = classified(ClassifiedAnswer::Kind::Cut);
        c.got = int(bytes.size() / 2);
        c.announced = count;
        return c;
    }
    return classified(ClassifiedAnswer::Kind::Data, bytes.left(2 * count));
}

} // namespace

bool ClassifiedAnswer::spoiled() const
{
    return kind == Kind::Cut || kind == Kind::Garbled
        || (kind == Kind::AdapterText && !words.startsWith(u'?')
            && !words.startsWith(QLatin1String("NO DATA"), Qt::CaseInsensitive));
}

std::optional<QString> ClassifiedAnswer::positive(const QString& prefix) const
{
    if (kind != Kind::Data || !hex.startsWith(prefix))
        return std::nullopt;
    return hex.mid(prefix.size());
}

ClassifiedAnswer classifyAnswer(const QString& answer)
{
    QString text = answer;
    text.remove(u'>');
    squeezeCOM(text);
    // The automatic protocol search announces itself before the answer.
    while (text.startsWith(kSearching, Qt::CaseInsensitive))
        text = text.mid(kSearching.size()).trimmed();
    if (text.isEmpty() || text == Adapter::kReadError)
        return classified(ClassifiedAnswer::Kind::Silent);
    if (const qsizetype at = adapterMessageAt(text); at >= 0)
        return classified(ClassifiedAnswer::Kind::AdapterText, QString(), wordsOf(text.mid(at)));
    for (const QString& word : text.split(u' ')) {
        if (!frameText(word))
            return classified(ClassifiedAnswer::Kind::Garbled, QString(), wordsOf(word));
    }
    const QString cut = cutCOM(text);
    const QString rest = withoutPendingNotes(cut);
    if (rest.isEmpty())
        return classified(ClassifiedAnswer::Kind::Busy, cut.right(kNoteSize));
    if (rest.size() == kNoteSize && rest.startsWith(QLatin1String("7F")))
        return classified(ClassifiedAnswer::Kind::Refusal, rest);
    if (rest.contains(u':'))
        return joinedFrames(rest);
    if (rest.size() == kCountDigits && rest.toInt(nullptr, 16) > 0) { // a count whose frames never came
        ClassifiedAnswer c = classified(ClassifiedAnswer::Kind::Cut);
        c.announced = rest.toInt(nullptr, 16);
        return c;
    }
    if (rest.size() % 2 != 0)
        return classified(ClassifiedAnswer::Kind::Garbled, QString(), wordsOf(text.split(u' ').last()));
    return classified(ClassifiedAnswer::Kind::Data, rest);
}

std::optional<QString> positiveData(const QString& answer, const QString& prefix)
{
    return classifyAnswer(answer).positive(prefix);
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
