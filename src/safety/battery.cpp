#include "safety/battery.h"

#include <QRegularExpression>

namespace talmero::safety {

std::optional<double> voltageOf(const QString& cutAnswer)
{
    static const QRegularExpression kVoltage(QStringLiteral("^(\\d{1,2}(?:\\.\\d{1,2})?)V$"));
    const QRegularExpressionMatch m = kVoltage.match(cutAnswer);
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).toDouble();
}

} // namespace talmero::safety
