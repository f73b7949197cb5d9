#include "diag/live_values.h"

#include "diag/live_data.h"
#include "link/answer_text.h"
#include "safety/battery.h"

namespace talmero::diag {

namespace {

// Exactly `bytes` data bytes of the positive answer to mode 01 `pid`.
std::optional<QByteArray> pidBytes(const QString& cut, int pid, int bytes)
{
    const QString prefix = QStringLiteral("41%1").arg(pid, 2, 16, QLatin1Char('0')).toUpper();
    const std::optional<QString> data = link::positiveData(cut, prefix);
    if (!data || data->size() != 2 * bytes)
        return std::nullopt;
    const QByteArray value = QByteArray::fromHex(data->toLatin1());
    // fromHex skips what is not a digit: a garbled answer comes out short or different.
    if (value.size() != bytes || value.toHex().toUpper() != data->toLatin1().toUpper())
        return std::nullopt;
    return value;
}

} // namespace

const LiveValue* findLiveValue(const QString& key)
{
    for (const LiveValue& v : kLiveValues) {
        if (key == QLatin1String(v.key))
            return &v;
    }
    return nullptr;
}

QString liveTitle(const LiveValue& value)
{
    return QCoreApplication::translate("LiveValues", value.title);
}

QString liveUnit(const LiveValue& value)
{
    return QCoreApplication::translate("LiveValues", value.shownUnit);
}

QString liveText(const LiveValue& value, std::optional<double> reading)
{
    if (!reading)
        return QStringLiteral("—");
    const QString unit = liveUnit(value);
    const QString number = QString::number(*reading, 'f', value.decimals);
    // Degrees and percent sit at the number, words after a space.
    return unit == QLatin1String("°") || unit == QLatin1String("%") ? number + unit : number + QLatin1Char(' ') + unit;
}

std::optional<double> decodeLiveValue(const LiveValue& value, const QString& cut)
{
    if (value.pid == 0)
        return safety::voltageOf(cut);
    const std::optional<QByteArray> data = pidBytes(cut, value.pid, value.bytes);
    if (!data)
        return std::nullopt;
    return value.decode(reinterpret_cast<const quint8*>(data->constData()));
}

std::optional<quint32> parseSupportMap(const QString& cut, int base)
{
    const std::optional<QByteArray> data = pidBytes(cut, base, 4);
    if (!data)
        return std::nullopt;
    const auto* b = reinterpret_cast<const quint8*>(data->constData());
    return (quint32(b[0]) << 24) | (quint32(b[1]) << 16) | (quint32(b[2]) << 8) | quint32(b[3]);
}

} // namespace talmero::diag
