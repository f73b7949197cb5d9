#include "diag/freeze_frame.h"

#include "link/adapter.h"
#include "link/answer_count.h"
#include "link/answer_text.h"
#include "link/codecs.h"

namespace talmero::diag {

namespace {

constexpr int kFrame = 0;

QString frameHex(int value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

// A service 02 answer repeats the PID and the frame before the data.
link::AnswerLength frameAnswer(int dataBytes)
{
    return {3 + dataBytes};
}

std::optional<QByteArray> ask(link::Adapter& adapter, int pid, int bytes, QString& cut)
{
    const QString request = QStringLiteral("02") + frameHex(pid) + frameHex(kFrame);
    cut = link::cutCOM(adapter.writeCOM(request, true, frameAnswer(bytes)));
    return answerBytes(cut, QStringLiteral("42") + frameHex(pid) + frameHex(kFrame), bytes);
}

} // namespace

FreezeFrameResult FreezeFrameReader::read(link::Adapter& adapter)
{
    FreezeFrameResult result;
    QString cut;
    // PID 02 names the code that stored the frame; 0000 says there is none.
    const std::optional<QByteArray> code = ask(adapter, 0x02, 2, cut);
    if (!code) {
        const QString answer = cut.isEmpty() ? tr("нет ответа") : link::printableForLog(cut);
        result.outcome = link::Outcome::failed(link::negativeReason(cut) >= 0 ? link::Outcome::Kind::ModuleRefused
                                                                              : link::Outcome::Kind::WrongAnswer,
                                               tr("! Стоп-кадр двигателя не прочитан: ответ на 020200 «%1»").arg(answer));
        return result;
    }
    if (code->at(0) == 0 && code->at(1) == 0) {
        result.outcome.line = tr("* Двигатель не хранит стоп-кадр");
        return result;
    }
    FreezeFrame frame;
    frame.code = link::DTC2TEXT(QString::fromLatin1(code->toHex().toUpper()) + QStringLiteral("00")).code;
    // The frame's own support maps, as for service 01: bit 31 is PID base+1, bit 0 the next map.
    QList<int> held;
    for (int base = 0x00; base <= 0xE0 && !adapter.linkLost(); base += 0x20) {
        const std::optional<QByteArray> map = ask(adapter, base, 4, cut);
        if (!map)
            break;
        const quint32 bits = (quint32(quint8(map->at(0))) << 24) | (quint32(quint8(map->at(1))) << 16)
            | (quint32(quint8(map->at(2))) << 8) | quint32(quint8(map->at(3)));
        for (int bit = 0; bit < 32; ++bit) {
            if (bits & (1u << (31 - bit)))
                held.append(base + 1 + bit);
        }
        if (!(bits & 1u))
            break;
    }
    int unread = 0;
    for (const LiveValue& v : kLiveValues) {
        if (v.pid == 0 || !held.contains(v.pid) || adapter.linkLost())
            continue;
        const std::optional<QByteArray> data = ask(adapter, v.pid, v.bytes, cut);
        if (!data) {
            ++unread;
            continue;
        }
        frame.values.append({&v, v.decode(reinterpret_cast<const quint8*>(data->constData()))});
    }
    // What was read is kept; a value that could not be read makes the result a failure.
    result.outcome = unread == 0
        ? link::Outcome{link::Outcome::Kind::Done, tr("* Стоп-кадр кода %1: значений %2").arg(frame.code).arg(frame.values.size())}
        : link::Outcome::failed(link::Outcome::Kind::WrongAnswer,
                                tr("! Стоп-кадр кода %1: значений %2, не прочитано %3").arg(frame.code).arg(frame.values.size()).arg(unread));
    result.frame = frame;
    return result;
}

QString freezeFrameTitle(const FreezeFrame& frame)
{
    return QCoreApplication::translate("FreezeFrame", "Стоп-кадр кода %1:").arg(frame.code);
}

QStringList freezeFrameLines(const FreezeFrame& frame, const QString& indent)
{
    QStringList lines{indent + freezeFrameTitle(frame)};
    for (const FrozenValue& v : frame.values)
        lines << indent + QStringLiteral("  ") + liveTitle(*v.value) + QStringLiteral(": ") + liveText(*v.value, v.reading);
    if (frame.values.isEmpty())
        lines << indent + QStringLiteral("  ") + QCoreApplication::translate("FreezeFrame", "значений нет");
    return lines;
}

} // namespace talmero::diag
