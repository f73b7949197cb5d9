#include "diag/dtc_list.h"
#include "diag/live_values.h"
#include "fuzz_check.h"
#include "link/answer_text.h"
#include "link/codecs.h"

#include <cmath>

// The adapter's answer text, the codecs and the trouble-code list, each against the
// contract its header states.

using namespace talmero;

namespace {

bool isHex(const QString& text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'A' && u <= 'F') || (u >= 'a' && u <= 'f')))
            return false;
    }
    return true;
}

bool isBits(const QString& text)
{
    for (QChar c : text) {
        if (c != u'0' && c != u'1')
            return false;
    }
    return true;
}

QString withoutControls(const QString& text)
{
    QString out;
    for (QChar c : text) {
        if (c.unicode() > 32)
            out += c;
    }
    return out;
}

bool isSubsequence(const QString& part, const QString& whole)
{
    qsizetype at = 0;
    for (QChar c : part) {
        while (at < whole.size() && whole.at(at) != c)
            ++at;
        if (at++ >= whole.size())
            return false;
    }
    return true;
}

// A framed answer: a hex count, then the first frame.
bool framed(const QString& cut)
{
    return isHex(cut.left(3)) && cut.mid(3, 2) == QLatin1String("0:");
}

void checkAnswerText(const QString& text)
{
    QString squeezed = text;
    link::squeezeCOM(squeezed);
    FUZZ_CHECK(!squeezed.startsWith(u' ') && !squeezed.endsWith(u' ') && !squeezed.contains(QLatin1String("  ")));
    FUZZ_CHECK(withoutControls(squeezed) == withoutControls(text));
    for (QChar c : squeezed)
        FUZZ_CHECK(c.unicode() > 32 || c == u' ');

    const QString cut = link::cutCOM(text);
    FUZZ_CHECK(!cut.contains(u' ') && !cut.contains(u'>'));
    FUZZ_CHECK(cut.size() == text.size() - text.count(u' ') - text.count(u'>'));
    FUZZ_CHECK(isSubsequence(cut, text));

    // Data is hex digits only, in whole bytes, and all of a framed answer's count; whatever
    // else came is named, never passed on.
    const link::ClassifiedAnswer classified = link::classifyAnswer(text);
    using Kind = link::ClassifiedAnswer::Kind;
    QString rest = link::cutCOM(squeezed);
    while (rest.startsWith(QLatin1String("SEARCHING..."), Qt::CaseInsensitive))
        rest.remove(0, 12);
    rest = link::withoutPendingNotes(rest);
    if (classified.kind == Kind::Data)
        FUZZ_CHECK(isHex(classified.hex) && classified.hex.size() % 2 == 0 && isSubsequence(classified.hex, cut)
                   && (!rest.contains(u':') || (framed(rest) && classified.hex.size() == 2 * rest.left(3).toInt(nullptr, 16))));
    if (classified.kind == Kind::AdapterText || classified.kind == Kind::Garbled)
        FUZZ_CHECK(!classified.words.isEmpty() && classified.words.size() <= 40);
    FUZZ_CHECK(classified.kind != Kind::Cut || classified.got < classified.announced);

    const QString answer = link::withoutPendingNotes(cut);
    const qsizetype notes = cut.size() - answer.size();
    FUZZ_CHECK(cut.endsWith(answer) && notes % 6 == 0);
    for (qsizetype i = 0; i < notes; i += 6)
        FUZZ_CHECK(cut.mid(i, 2) == QLatin1String("7F") && cut.mid(i + 4, 2) == QLatin1String("78"));
    FUZZ_CHECK(!(answer.startsWith(QLatin1String("7F")) && answer.mid(4, 2) == QLatin1String("78")));

    for (const char* p : {"58", "6100", "6103", "4902", "5087", "7B00"}) {
        const QString prefix = QLatin1String(p);
        const std::optional<QString> data = link::positiveData(cut, prefix);
        if (data)
            FUZZ_CHECK(classified.kind == Kind::Data && classified.hex == prefix + *data);
    }

    const int reason = link::negativeReason(cut);
    FUZZ_CHECK(reason >= -1 && reason <= 0xFF);
    if (reason >= 0) {
        bool ok = false;
        FUZZ_CHECK(cut.startsWith(QLatin1String("7F")) && isHex(cut.mid(2, 2)));
        FUZZ_CHECK(cut.mid(4, 2).toInt(&ok, 16) == reason && ok);
    }
    FUZZ_CHECK(link::negativeAnswerNote(cut).isEmpty() == (reason < 0));

    const QString shown = link::printableForLog(text);
    bool printable = true;
    for (QChar c : text)
        printable = printable && c.unicode() >= 32 && c.unicode() < 127;
    for (QChar c : shown)
        FUZZ_CHECK(c.unicode() >= 32 && c.unicode() < 127);
    FUZZ_CHECK(printable ? shown == text : shown.size() > text.size());
}

void checkCodecs(const QString& text)
{
    const QString bits = link::HEX2BIN(text);
    if (isHex(text)) {
        FUZZ_CHECK(bits.size() == 4 * text.size() && isBits(bits));
        FUZZ_CHECK(link::BIN2HEX(bits) == text.toUpper());
    } else {
        FUZZ_CHECK(bits == QLatin1String("0"));
    }

    const QString hex = link::BIN2HEX(text);
    if (!isBits(text)) {
        FUZZ_CHECK(hex == QLatin1String("0"));
    } else if (!text.isEmpty()) {
        // Padded on the left to whole nibbles.
        FUZZ_CHECK(hex.size() == (text.size() + 3) / 4 && isHex(hex) && hex == hex.toUpper());
        FUZZ_CHECK(link::HEX2BIN(hex) == QString(hex.size() * 4 - text.size(), u'0') + text);
    }

    const QString split = link::splitHEX(text);
    const qsizetype pairs = text.size() / 2;
    FUZZ_CHECK(split.size() == (pairs == 0 ? 0 : 3 * pairs - 1));
    for (qsizetype i = 0; i < pairs; ++i) {
        FUZZ_CHECK(split.mid(3 * i, 2) == text.mid(2 * i, 2));
        FUZZ_CHECK(i == 0 || split.at(3 * i - 1) == u' ');
    }

    const link::DtcText dtc = link::DTC2TEXT(text);
    FUZZ_CHECK(dtc.code.size() <= 5 && !dtc.code.isEmpty() && QStringLiteral("PCBU").contains(dtc.code.at(0)));
    FUZZ_CHECK(dtc.status == text.mid(4, 2));
    if (text.size() >= 6 && isHex(text.left(6))) {
        // The first digit's two high bits pick the letter, its two low bits are the next digit.
        const int first = text.left(1).toInt(nullptr, 16);
        FUZZ_CHECK(dtc.code == QChar(u"PCBU"[first >> 2]) + QString::number(first & 3) + text.mid(1, 3));
    }

    const QString vin = link::upperVIN(text);
    FUZZ_CHECK(vin.size() == text.size() && link::upperVIN(vin) == vin);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        FUZZ_CHECK(vin.at(i).unicode() == (u >= 'a' && u <= 'z' ? u - 32 : u));
    }
    bool alphanumeric = true;
    for (QChar c : vin)
        alphanumeric = alphanumeric && ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z'));
    if (link::isVIN(text))
        FUZZ_CHECK(text.size() == 17 && vin == text);
    if (vin.size() == 17 && alphanumeric)
        FUZZ_CHECK(link::isVIN(vin));
}

void checkDtcList(const QString& data)
{
    const std::optional<diag::DtcList> list = diag::parseDtcList(data);
    if (!list) {
        FUZZ_CHECK(data.size() < 2 || !isHex(data.left(2)));
        return;
    }
    FUZZ_CHECK(isHex(data.left(2)) && data.left(2).toInt(nullptr, 16) == list->count);
    if (!list->readable) {
        FUZZ_CHECK(list->codes.isEmpty());
        FUZZ_CHECK(data.size() != 2 + 6 * list->count || !isHex(data.mid(2)));
        return;
    }
    FUZZ_CHECK(list->codes.size() == list->count && list->codes.join(QString()) == data.mid(2));
    for (const QString& code : list->codes)
        FUZZ_CHECK(code.size() == 6 && isHex(code));
}

// A live value is either absent or within what its formula can give; a support map comes
// only from its own four bytes.
void checkLiveValues(const QString& cut)
{
    for (const diag::LiveValue& v : diag::kLiveValues) {
        const std::optional<double> value = diag::decodeLiveValue(v, cut);
        FUZZ_CHECK(!value || (std::isfinite(*value) && (v.pid == 0 || (*value >= v.low && *value <= v.high))));
    }
    if (const std::optional<quint32> map = diag::parseSupportMap(cut, 0x20)) {
        const std::optional<QString> data = link::positiveData(cut, QStringLiteral("4120"));
        FUZZ_CHECK(data && data->size() == 8 && data->toUInt(nullptr, 16) == *map);
    }
}

void check(const QString& text)
{
    checkAnswerText(text);
    checkLiveValues(link::cutCOM(text));
    checkCodecs(text);
    checkDtcList(text);
    // As the trouble-code reading gets it: the answer's data after "58".
    QString answer = text;
    link::squeezeCOM(answer);
    if (const std::optional<QString> data = link::positiveData(link::cutCOM(answer), QStringLiteral("58")))
        checkDtcList(*data);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    check(latin1Text(data, size));
    check(utf8Text(data, size));
    return 0;
}
