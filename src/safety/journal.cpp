#include "safety/journal.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QVariant>

#include <atomic>

namespace talmero::safety {

namespace {

// SQLite's codes for a file that is not a database, or a damaged one.
const QStringList kDamagedCodes = {QStringLiteral("11"), QStringLiteral("26")};
const QStringList kColumns = {QStringLiteral("id"),      QStringLiteral("time"),   QStringLiteral("vin"),
                              QStringLiteral("address"), QStringLiteral("block"),  QStringLiteral("old_hex"),
                              QStringLiteral("new_hex"), QStringLiteral("outcome"), QStringLiteral("detail")};

// SQLite takes a null QString as NULL, which no column of the journal holds.
QString text(const QString& value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

QString connectionName()
{
    static std::atomic<int> next{0};
    return QStringLiteral("talmero-journal-%1").arg(next++);
}

} // namespace

QString Journal::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/journal.sqlite");
}

Journal::Journal(const QString& path)
    : m_path(path.isEmpty() ? defaultPath() : path), m_connection(connectionName())
{
}

Journal::~Journal()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

bool Journal::fail(const QString& what)
{
    m_error = what;
    return false;
}

bool Journal::open()
{
    if (m_open)
        return true;
    m_error.clear();
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return fail(tr("нет драйвера SQLite"));
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return fail(tr("папка не создаётся"));
    if (!openFile())
        return false;
    if (!usable()) {
        if (!m_error.isEmpty())
            return false;
        if (!setAside() || !openFile() || !usable())
            return fail(m_error.isEmpty() ? tr("новый журнал не создаётся") : m_error);
    }
    m_open = true;
    return true;
}

bool Journal::openFile()
{
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
        ? QSqlDatabase::database(m_connection, false)
        : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    if (!db.open())
        return fail(db.lastError().text());
    return true;
}

// True when the file holds our table (made here when the file is new). False with
// m_error empty means the file is not a journal and may be set aside; with m_error
// set, it cannot be used at all (no permission, a full disk).
bool Journal::usable()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery q(db);
    const auto damaged = [&q] { return kDamagedCodes.contains(q.lastError().nativeErrorCode()); };
    // Every write is on disk before the next step: a power cut loses nothing recorded.
    if (!q.exec(QStringLiteral("PRAGMA synchronous = FULL")) || !q.exec(QStringLiteral("PRAGMA quick_check"))) {
        if (damaged())
            return false;
        return fail(q.lastError().text());
    }
    if (!q.next() || q.value(0).toString() != QLatin1String("ok"))
        return false;
    if (!q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS writes ("
                               "id INTEGER PRIMARY KEY AUTOINCREMENT, time TEXT NOT NULL, "
                               "vin TEXT NOT NULL, address TEXT NOT NULL, block TEXT NOT NULL, "
                               "old_hex TEXT NOT NULL, new_hex TEXT NOT NULL, "
                               "outcome TEXT NOT NULL, detail TEXT NOT NULL DEFAULT '')"))) {
        if (damaged())
            return false;
        return fail(q.lastError().text());
    }
    // A table of that name from something else is not ours.
    const QSqlRecord columns = db.record(QStringLiteral("writes"));
    for (const QString& column : kColumns) {
        if (columns.indexOf(column) < 0)
            return false;
    }
    return true;
}

// Never deletes: the damaged file keeps what it held, under a new name beside it.
bool Journal::setAside()
{
    QSqlDatabase::database(m_connection, false).close();
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = m_path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = m_path + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    if (!QFile::rename(m_path, target))
        return fail(tr("повреждённый файл не переименовывается"));
    for (const char* suffix : {"-journal", "-wal", "-shm"})
        QFile::rename(m_path + QLatin1String(suffix), target + QLatin1String(suffix));
    m_setAside = target;
    return true;
}

std::optional<qint64> Journal::begin(const JournalEntry& entry)
{
    if (!open())
        return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(QStringLiteral("INSERT INTO writes (time, vin, address, block, old_hex, new_hex, outcome, detail) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    const QString time = entry.time.isEmpty()
        ? QDateTime::currentDateTimeUtc().toString(Qt::ISODate)
        : entry.time;
    for (const QString& value : {time, entry.vin, entry.address, entry.block, entry.oldHex, entry.newHex,
                                 entry.outcome.isEmpty() ? QString::fromLatin1(kOutcomePending) : entry.outcome,
                                 entry.detail})
        q.addBindValue(text(value));
    if (!q.exec()) {
        fail(q.lastError().text());
        return std::nullopt;
    }
    return q.lastInsertId().toLongLong();
}

bool Journal::complete(qint64 id, const QString& outcome, const QString& detail)
{
    if (!open())
        return false;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(QStringLiteral("UPDATE writes SET outcome = ?, detail = ? WHERE id = ?"));
    q.addBindValue(outcome);
    q.addBindValue(text(detail));
    q.addBindValue(id);
    if (!q.exec() || q.numRowsAffected() != 1)
        return fail(q.lastError().text());
    return true;
}

bool Journal::record(const JournalEntry& entry)
{
    return begin(entry).has_value();
}

std::optional<QList<JournalEntry>> Journal::entries(const QString& vin)
{
    QList<JournalEntry> rows;
    if (!open())
        return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(QStringLiteral("SELECT id, time, vin, address, block, old_hex, new_hex, outcome, detail "
                             "FROM writes WHERE ? = '' OR vin = ? ORDER BY id DESC"));
    q.addBindValue(text(vin));
    q.addBindValue(text(vin));
    if (!q.exec()) {
        fail(q.lastError().text());
        return std::nullopt;
    }
    while (q.next()) {
        JournalEntry e;
        e.id = q.value(0).toLongLong();
        e.time = q.value(1).toString();
        e.vin = q.value(2).toString();
        e.address = q.value(3).toString();
        e.block = q.value(4).toString();
        e.oldHex = q.value(5).toString();
        e.newHex = q.value(6).toString();
        e.outcome = q.value(7).toString();
        e.detail = q.value(8).toString();
        rows.append(e);
    }
    return rows;
}

} // namespace talmero::safety
