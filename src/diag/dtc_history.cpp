#include "diag/dtc_history.h"

#include "config/vehicle_data_writer.h"
#include "diag/csv.h"
#include "diag/dtc_descriptions.h"
#include "diag/dtc_meaning.h"
#include "diag/dtc_modules.h"
#include "safety/journal.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace talmero::diag {

namespace {

QString moduleName(const QString& address)
{
    const car::Module* m = findDtcModule(address);
    return m ? car::qs(m->name) : address;
}

QString text(const QString& value)
{
    return safety::SqliteConnection::text(value);
}

} // namespace

QString DtcHistory::pathOf(const QString& journalPath)
{
    return journalPath.isEmpty() ? safety::Journal::defaultPath() : journalPath;
}

DtcHistory::DtcHistory(const QString& path) : m_path(path) {}

DtcHistory::~DtcHistory() = default;

bool DtcHistory::fail(const QString& what)
{
    m_error = what;
    return false;
}

bool DtcHistory::open()
{
    if (m_open)
        return true;
    if (!safety::SqliteConnection::driverAvailable())
        return fail(tr("нет драйвера SQLite"));
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return fail(tr("не создан каталог %1").arg(QFileInfo(m_path).absolutePath()));
    if (const QString error = m_file.open(m_path); !error.isEmpty())
        return fail(error);
    QSqlDatabase db = m_file.db();
    // One row per module and reading; "reading" groups the rows of one press of "Read".
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS dtc_readings ("
                               "reading INTEGER NOT NULL, time TEXT NOT NULL, vin TEXT NOT NULL, "
                               "address TEXT NOT NULL, count INTEGER NOT NULL, codes TEXT NOT NULL)")))
        return fail(q.lastError().text());
    m_open = true;
    return true;
}

bool DtcHistory::add(const DtcReading& reading)
{
    if (!open())
        return false;
    QSqlDatabase db = m_file.db();
    // A reading is kept whole or not at all.
    if (!db.transaction())
        return fail(db.lastError().text());
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT COALESCE(MAX(reading), 0) + 1 FROM dtc_readings")) || !q.next()) {
        db.rollback();
        return fail(q.lastError().text());
    }
    const qint64 number = q.value(0).toLongLong();
    const QString time = reading.time.toUTC().toString(Qt::ISODate);
    // A reading that reached no module is kept too: it says when one was tried.
    QList<DtcModuleReading> rows = reading.modules;
    if (rows.isEmpty())
        rows.append(DtcModuleReading{});
    for (const DtcModuleReading& m : rows) {
        q.prepare(QStringLiteral("INSERT INTO dtc_readings (reading, time, vin, address, count, codes) "
                                 "VALUES (?, ?, ?, ?, ?, ?)"));
        q.addBindValue(number);
        q.addBindValue(time);
        q.addBindValue(text(reading.vin));
        q.addBindValue(text(m.address));
        q.addBindValue(m.count);
        q.addBindValue(text(m.codes.join(QLatin1Char(','))));
        if (!q.exec()) {
            const QString why = q.lastError().text();
            db.rollback();
            return fail(why);
        }
    }
    if (!db.commit())
        return fail(db.lastError().text());
    return true;
}

std::optional<QList<DtcReading>> DtcHistory::readings()
{
    if (!open())
        return std::nullopt;
    QSqlQuery q(m_file.db());
    if (!q.exec(QStringLiteral("SELECT reading, time, vin, address, count, codes FROM dtc_readings "
                               "ORDER BY reading DESC, rowid ASC"))) {
        fail(q.lastError().text());
        return std::nullopt;
    }
    QList<DtcReading> list;
    qint64 current = -1;
    while (q.next()) {
        if (q.value(0).toLongLong() != current) {
            current = q.value(0).toLongLong();
            DtcReading r;
            r.time = QDateTime::fromString(q.value(1).toString(), Qt::ISODate).toLocalTime();
            r.vin = q.value(2).toString();
            list.append(r);
        }
        if (q.value(3).toString().isEmpty())
            continue;
        DtcModuleReading m;
        m.address = q.value(3).toString();
        m.count = q.value(4).toInt();
        const QString codes = q.value(5).toString();
        if (!codes.isEmpty())
            m.codes = codes.split(QLatin1Char(','));
        list.last().modules.append(m);
    }
    return list;
}

int modulesAsked()
{
    return int(dtcModules().size());
}

int modulesRead(const DtcReading& reading)
{
    return int(std::count_if(reading.modules.begin(), reading.modules.end(),
                             [](const DtcModuleReading& m) { return m.count >= 0; }));
}

bool readingComplete(const DtcReading& reading)
{
    return modulesRead(reading) >= modulesAsked();
}

int codeCount(const DtcReading& reading)
{
    int n = 0;
    for (const DtcModuleReading& m : reading.modules)
        n += qMax(0, m.count);
    return n;
}

QString readingSummary(const DtcReading& reading)
{
    const int read = modulesRead(reading);
    if (!readingComplete(reading))
        return DtcHistory::tr("неполное чтение: прочитано модулей %1 из %2").arg(read).arg(modulesAsked());
    if (codeCount(reading) == 0)
        return DtcHistory::tr("ошибок нет: прочитано модулей %1 из %2").arg(read).arg(modulesAsked());
    return DtcHistory::tr("ошибок: %1, прочитано модулей %2 из %3").arg(codeCount(reading)).arg(read).arg(modulesAsked());
}

QList<DtcModuleReading> readingModules(const DtcReading& reading)
{
    QList<DtcModuleReading> all;
    for (const car::Module* row : dtcModules()) {
        const QString address = car::qs(row->address);
        const auto kept = std::find_if(reading.modules.begin(), reading.modules.end(),
                                       [&](const DtcModuleReading& m) { return m.address == address; });
        all.append(kept != reading.modules.end() ? *kept : DtcModuleReading{address, -1, {}});
    }
    // A module no longer in the list is still shown as it was read.
    for (const DtcModuleReading& m : reading.modules) {
        if (!findDtcModule(m.address))
            all.append(m);
    }
    return all;
}

QString readingText(const DtcReading& reading, const DtcDescriptions& descriptions)
{
    QStringList lines;
    QString title = QStringLiteral("=== ") + reading.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
        + QStringLiteral(" ===");
    if (!reading.vin.isEmpty())
        title += QLatin1Char(' ') + DtcHistory::tr("VIN %1").arg(reading.vin);
    lines << title << readingSummary(reading);
    for (const DtcModuleReading& m : readingModules(reading)) {
        const car::Module* row = findDtcModule(m.address);
        lines << (row ? dtcHeader(*row) : m.address + QLatin1Char(':'));
        if (m.count < 0) {
            lines << DtcHistory::tr("  не прочитан");
            continue;
        }
        lines << QStringLiteral("  ") + QCoreApplication::translate("TroubleCodes", "Ошибок: ") + QString::number(m.count);
        for (const QString& listed : m.codes) {
            const QString code = listed.section(QLatin1Char(' '), 0, 0);
            const QString status = listed.section(QLatin1Char(' '), 1);
            lines << QStringLiteral("  ") + code + QLatin1Char(' ') + DtcHistory::tr("статус %1").arg(status)
                  << meaningLine(code, status, descriptions);
            if (m.freezeFrame && m.freezeFrame->code == code)
                lines << freezeFrameLines(*m.freezeFrame, QStringLiteral("    "));
        }
        if (m.freezeFrame && std::none_of(m.codes.begin(), m.codes.end(), [&](const QString& listed) {
                return listed.section(QLatin1Char(' '), 0, 0) == m.freezeFrame->code;
            }))
            lines << freezeFrameLines(*m.freezeFrame, QStringLiteral("  "));
        if (m.codes.size() < m.count)
            lines << DtcHistory::tr("  список кодов не прочитан");
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString readingsCsv(const QList<DtcReading>& readings, const DtcDescriptions& descriptions)
{
    QString csv = QStringLiteral("time,vin,module,count,code,status,description,state,lamp,source,modules_read,modules_asked\n");
    for (const DtcReading& r : readings) {
        const QString time = r.time.toUTC().toString(Qt::ISODate);
        const QString read = QString::number(modulesRead(r));
        const QString asked = QString::number(modulesAsked());
        for (const DtcModuleReading& m : readingModules(r)) {
            // A bare address such as 7E0 reads as a number in a spreadsheet.
            const QString module = moduleName(m.address) == m.address ? m.address : moduleName(m.address) + QLatin1Char(' ') + m.address;
            const QStringList lead{time, r.vin, module, m.count < 0 ? QString() : QString::number(m.count)};
            if (m.codes.isEmpty())
                csv += csvRecord(lead + QStringList{QString(), QString(), QString(), QString(), QString(), QString(), read, asked})
                    + QLatin1Char('\n');
            for (const QString& listed : m.codes) {
                const QString code = listed.section(QLatin1Char(' '), 0, 0);
                const QString status = listed.section(QLatin1Char(' '), 1);
                const std::optional<DtcStatus> s = parseDtcStatus(status);
                const DtcDescription* d = descriptions.find(code);
                csv += csvRecord(lead + QStringList{code, QStringLiteral("0x") + status, codeMeaning(code, descriptions),
                                                    s ? storageText(s->storage) : QString(),
                                                    s ? lampText(s->lamp) : QString(), d ? sourceText(d->source) : QString(),
                                                    read, asked})
                    + QLatin1Char('\n');
            }
        }
    }
    return csv;
}

QString exportReadings(const QString& path, const QList<DtcReading>& readings, const DtcDescriptions& descriptions)
{
    QString body;
    if (path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) {
        body = readingsCsv(readings, descriptions);
    } else {
        QStringList parts;
        for (const DtcReading& r : readings)
            parts << readingText(r, descriptions);
        body = parts.join(QLatin1Char('\n'));
    }
    return config::vehicle_data::writeWhole(path, body.toUtf8());
}

} // namespace talmero::diag
