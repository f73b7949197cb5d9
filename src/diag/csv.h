#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Comma-separated values as RFC 4180 writes them.
namespace talmero::diag {

// The field as written: quoted (quotes doubled) when it holds a comma, a quote, CR or LF.
QString csvField(const QString& value);
// The fields joined by commas, without the line end.
QString csvRecord(const QStringList& fields);
// The fields of one line (no line end in it), quotes undone; nullopt when a quote is left
// open or anything but a comma follows a closing quote.
std::optional<QStringList> parseCsvLine(const QString& line);

} // namespace talmero::diag
