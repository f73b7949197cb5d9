#include "diag/live_values.h"

#include "diag/live_data.h"
#include "link/answer_text.h"
#include "safety/battery.h"

#include <algorithm>
#include <cmath>

namespace talmero::diag {

std::optional<QByteArray> answerBytes(const QString& cut, const QString& prefix, int bytes)
{
    const std::optional<QString> data = link::positiveData(cut, prefix);
    if (!data || data->size() != 2 * bytes)
        return std::nullopt;
    const QByteArray value = QByteArray::fromHex(data->toLatin1());
    // fromHex skips what is not a digit: a garbled answer comes out short or different.
    if (value.size() != bytes || value.toHex().toUpper() != data->toLatin1().toUpper())
        return std::nullopt;
    return value;
}

namespace {

// Exactly `bytes` data bytes of the positive answer to mode 01 `pid`.
std::optional<QByteArray> pidBytes(const QString& cut, int pid, int bytes)
{
    return answerBytes(cut, QStringLiteral("41%1").arg(pid, 2, 16, QLatin1Char('0')).toUpper(), bytes);
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
    return unit == QStringLiteral("°") || unit == QLatin1String("%") ? number + unit : number + QLatin1Char(' ') + unit;
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

std::pair<double, double> plotRange(const LiveValue& value, double low, double high)
{
    const double least = (value.high - value.low) / 50;
    const double lowest = low;
    const double highest = high;
    if (high - low < least) {
        const double middle = (high + low) / 2;
        low = middle - least / 2;
        high = middle + least / 2;
    }
    // Two steps of 1, 2 or 5 times a power of ten cover the span.
    const double rough = (high - low) / 2;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    const double m = rough / power;
    const double step = (m <= 1 ? 1 : m <= 2 ? 2 : m <= 5 ? 5 : 10) * power;
    double niceLow = std::max(value.low, std::floor(low / step) * step);
    double niceHigh = std::min(value.high, std::ceil(high / step) * step);
    // An even number of steps, so that the middle line of the plot is a round value too.
    if (std::lround((niceHigh - niceLow) / step) % 2 != 0) {
        if (niceHigh + step <= value.high)
            niceHigh += step;
        else if (niceLow - step >= value.low)
            niceLow -= step;
    }
    // Readings beyond the formula's range (a file edited by hand) are shown as they are.
    if (niceLow > lowest || niceHigh < highest)
        return {std::floor(low / step) * step, std::ceil(high / step) * step};
    return {niceLow, niceHigh};
}

PidSet pidsOfMap(quint32 map, int base)
{
    PidSet pids;
    for (int bit = 0; bit < 32; ++bit) {
        if (map & (1u << (31 - bit)))
            pids.set(size_t(base + 1 + bit));
    }
    return pids;
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
