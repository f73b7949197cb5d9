#include "diag/csv.h"

#include <algorithm>

namespace talmero::diag {

QString csvField(const QString& value)
{
    static const QString kSpecial = QStringLiteral(",\"\r\n");
    if (std::none_of(value.begin(), value.end(), [](QChar c) { return kSpecial.contains(c); }))
        return value;
    return QLatin1Char('"') + QString(value).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString csvRecord(const QStringList& fields)
{
    QStringList written;
    written.reserve(fields.size());
    for (const QString& f : fields)
        written.append(csvField(f));
    return written.join(QLatin1Char(','));
}

std::optional<QStringList> parseCsvLine(const QString& line)
{
    QStringList fields;
    QString field;
    qsizetype i = 0;
    while (true) {
        field.clear();
        if (i < line.size() && line[i] == QLatin1Char('"')) {
            ++i;
            while (true) {
                if (i >= line.size())
                    return std::nullopt; // the quote is never closed
                if (line[i] == QLatin1Char('"')) {
                    if (i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
                        field += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i++];
            }
            if (i < line.size() && line[i] != QLatin1Char(','))
                return std::nullopt;
        } else {
            const qsizetype comma = line.indexOf(QLatin1Char(','), i);
            const qsizetype end = comma < 0 ? line.size() : comma;
            field = line.mid(i, end - i);
            if (field.contains(QLatin1Char('"')))
                return std::nullopt; // a quote inside an unquoted field
            i = end;
        }
        fields.append(field);
        if (i >= line.size())
            return fields;
        ++i; // the comma
    }
}

} // namespace talmero::diag
