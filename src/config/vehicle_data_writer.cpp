#include "config/vehicle_data_writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace talmero::config::vehicle_data {

namespace {

constexpr int kVinLength = 17;

QString dateText(const QDateTime& when)
{
    return when.date().toString(QStringLiteral("yyyy-MM-dd"));
}

QString timeText(const QDateTime& when)
{
    return when.time().toString(QStringLiteral("hh-mm-ss"));
}

} // namespace

QString fileName(const QString& vin, const QDateTime& when)
{
    // ':', '<', '>' and '?' pass the VIN rule but cannot stand in a Windows file name.
    QString safe = vin.left(kVinLength);
    for (QChar& c : safe) {
        const bool allowed = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')
            || c == u'-' || c == u'_';
        if (!allowed)
            c = u'_';
    }
    return QStringLiteral("VehicleData.") + safe + QLatin1Char('.') + dateText(when) + QLatin1Char('.')
        + timeText(when) + QStringLiteral(".xml");
}

// A VIN may hold '<' or '>' (both pass the VIN check); the file must stay well-formed.
QString escaped(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (QChar c : value) {
        switch (c.unicode()) {
        case '&': out += QLatin1String("&amp;"); break;
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        case '"': out += QLatin1String("&quot;"); break;
        default: out += c; break;
        }
    }
    return out;
}

QString moduleLine(const QString& address, const QString& title, const QString& file, const QString& sha256)
{
    QString line = QStringLiteral("<Module address=\"") + escaped(address) + QStringLiteral("\" title=\"") + escaped(title);
    if (!file.isEmpty())
        line += QStringLiteral("\" file=\"") + escaped(file) + QStringLiteral("\" sha256=\"") + escaped(sha256);
    return line + QStringLiteral("\">");
}

QString blockLine(const QString& index, const QString& data)
{
    return QStringLiteral("<Block elmindex=\"") + escaped(index) + QStringLiteral("\">") + escaped(data)
        + QStringLiteral("</Block>");
}

QStringList documentLines(const QString& vin, const QDateTime& when, const QStringList& moduleLines)
{
    QStringList lines;
    lines << QStringLiteral("<VehicleData>")
          << QStringLiteral("<VIN>") + escaped(vin.left(kVinLength)) + QStringLiteral("</VIN>")
          << QStringLiteral("<Owner>TALMERO</Owner>")
          << QStringLiteral("<Modules>");
    lines += moduleLines;
    lines << QStringLiteral("</Modules>") << QStringLiteral("</VehicleData>");
    // The date goes in last, as the fourth line, from the one reading of the clock.
    lines.insert(3, QStringLiteral("<Date>") + dateText(when) + QLatin1Char(' ') + timeText(when)
                        + QStringLiteral("</Date>"));
    return lines;
}

QByteArray fileBytes(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

QString writeWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // Flushed here and checked: commit() may take a short write at its closing flush
    // for success, and then rename half a file over the older one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

QString writeNew(const QString& folder, const QString& fileName, const QByteArray& bytes, QString& error)
{
    const QDir dir(folder);
    const QString stem = fileName.endsWith(QLatin1String(".xml")) ? fileName.chopped(4) : fileName;
    for (int n = 1; n < 1000; ++n) {
        const QString path = dir.filePath(n == 1 ? fileName : stem + QStringLiteral(".%1.xml").arg(n));
        // Creating it exclusively reserves the name: two saves in one second never meet.
        QFile reserved(path);
        if (!reserved.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (reserved.exists())
                continue;
            error = reserved.errorString();
            return QString();
        }
        reserved.close();
        error = writeWhole(path, bytes);
        if (error.isEmpty())
            return path;
        QFile::remove(path);
        return QString();
    }
    error = QCoreApplication::translate("VehicleData", "нет свободного имени файла");
    return QString();
}

} // namespace talmero::config::vehicle_data
