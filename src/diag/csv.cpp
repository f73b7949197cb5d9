#include "diag/csv.h"

#include <algorithm>

namespace talmero::diag {

namespace {

// Reads one record from `at`; leaves `at` after its line end. nullopt for a quote left
// open or followed by anything but a separator or the line end.
std::optional<QStringList> readRecord(const QString& text, qsizetype& at, QChar separator, int& breaks)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    bool afterQuote = false; // a closing quote was the last thing read
    while (at < text.size()) {
        const QChar c = text[at++];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (at < text.size() && text[at] == QLatin1Char('"')) {
                    field += c;
                    ++at;
                } else {
                    quoted = false;
                    afterQuote = true;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++breaks;
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('\n')) {
            if (!afterQuote && field.endsWith(QLatin1Char('\r')))
                field.chop(1);
            fields.append(field);
            return fields;
        }
        if (c == separator) {
            fields.append(field);
            field.clear();
            afterQuote = false;
            continue;
        }
        if (afterQuote && !(c == QLatin1Char('\r') && (at == text.size() || text[at] == QLatin1Char('\n'))))
            return std::nullopt; // text after a closing quote
        if (c == QLatin1Char('"')) {
            if (!field.isEmpty())
                return std::nullopt; // a quote inside an unquoted field
            quoted = true;
            continue;
        }
        if (!afterQuote)
            field += c;
    }
    if (quoted)
        return std::nullopt; // the quote is never closed
    if (!afterQuote && field.endsWith(QLatin1Char('\r')))
        field.chop(1);
    fields.append(field);
    return fields;
}

} // namespace

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

std::optional<QStringList> parseCsvLine(const QString& line, QChar separator)
{
    if (line.contains(QLatin1Char('\n')))
        return std::nullopt;
    qsizetype at = 0;
    int breaks = 0;
    return readRecord(line, at, separator, breaks);
}

QList<CsvRecord> parseCsv(const QString& text, QChar separator)
{
    QList<CsvRecord> records;
    qsizetype at = 0;
    int line = 1;
    while (at < text.size()) {
        const qsizetype start = at;
        int breaks = 0;
        CsvRecord record;
        record.line = line;
        record.fields = readRecord(text, at, separator, breaks);
        if (!record.fields) {
            // Only the first line is lost: the reading goes on after it.
            const qsizetype end = text.indexOf(QLatin1Char('\n'), start);
            at = end < 0 ? text.size() : end + 1;
            breaks = 0;
        }
        record.lastLine = line + breaks;
        records.append(record);
        line = record.lastLine + 1;
    }
    return records;
}

} // namespace talmero::diag
