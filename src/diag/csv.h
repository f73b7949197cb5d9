#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Comma-separated values as RFC 4180 writes them (and the semicolon-separated kind a
// spreadsheet saves where the comma is the decimal mark).
namespace talmero::diag {

// The field as written: quoted (quotes doubled) when it holds a comma, a quote, CR or LF.
QString csvField(const QString& value);
// The fields joined by commas, without the line end.
QString csvRecord(const QStringList& fields);
// The fields of one line (no line end in it), quotes undone; nullopt when a quote is left
// open or anything but a comma follows a closing quote.
std::optional<QStringList> parseCsvLine(const QString& line, QChar separator = QLatin1Char(','));

// One record of a file: the lines it spans (from 1; a quoted field may hold line breaks)
// and its fields, or nullopt when a quote is left open or misplaced. A malformed record
// ends with its first line, so that one stray quote costs one line, not the rest.
struct CsvRecord {
    int line = 0;
    int lastLine = 0;
    std::optional<QStringList> fields;
};

// Every record of the text; line ends are LF or CR LF.
QList<CsvRecord> parseCsv(const QString& text, QChar separator = QLatin1Char(','));

} // namespace talmero::diag
