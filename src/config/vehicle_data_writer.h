#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The VehicleData backup file: its name, its lines and writing it whole.
namespace talmero::config::vehicle_data {

// "VehicleData." + VIN + "." + yyyy-MM-dd + "." + hh-mm-ss + ".xml"; the VIN cut to 17.
QString fileName(const QString& vin, const QDateTime& when);

// Text for element content and attribute values; an ordinary VIN stays as it is.
QString escaped(const QString& value);

// <Module address="720" title="IPC">; a module a description file adds names that file
// and its SHA-256: <Module address="7A0" title="DSM" file="seat.json" sha256="…">.
QString moduleLine(const QString& address, const QString& title, const QString& file = QString(),
                   const QString& sha256 = QString());
// <Block elmindex="03">9E 07 31</Block>
QString blockLine(const QString& index, const QString& data);
inline const QString kModuleEnd = QStringLiteral("</Module>");

// The whole document: VehicleData, VIN, Owner, Date, Modules with the module lines.
QStringList documentLines(const QString& vin, const QDateTime& when, const QStringList& moduleLines);

// Every line ended by CR LF, no declaration, no byte-order mark.
QByteArray fileBytes(const QStringList& lines);

// Writes the whole file or nothing: an older file of the same name stays intact when
// anything fails. Returns an empty text, or why it failed.
QString writeWhole(const QString& path, const QByteArray& bytes);

// Writes the whole file under fileName in folder, or, when a file of that name is there
// already, under the first free name with a number before ".xml" ("….2.xml"): no file is
// ever replaced. The path written, or "" with error saying why.
QString writeNew(const QString& folder, const QString& fileName, const QByteArray& bytes, QString& error);

} // namespace talmero::config::vehicle_data
