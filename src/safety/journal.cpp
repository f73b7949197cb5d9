#include "safety/journal.h"

#include "link/modules.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QVariant>


namespace talmero::safety {

namespace {

// SQLite's codes for a file that is not a database, or a damaged one.
const QStringList kDamagedCodes = {QStringLiteral("11"), QStringLiteral("26")};
// The columns every journal has had; a table without them is not ours.
const QStringList kColumns = {QStringLiteral("id"),      QStringLiteral("time"),   QStringLiteral("vin"),
                              QStringLiteral("address"), QStringLiteral("block"),  QStringLiteral("old_hex"),
                              QStringLiteral("new_hex"), QStringLiteral("outcome"), QStringLiteral("detail")};
// Columns added later, with their type; rows older than them read them as NULL.
const QList<std::pair<QString, QString>> kLaterColumns = {
    {QStringLiteral("kind"), QStringLiteral("TEXT")},      {QStringLiteral("vin_source"), QStringLiteral("TEXT")},
    {QStringLiteral("module_vin"), QStringLiteral("TEXT")}, {QStringLiteral("undoes"), QStringLiteral("INTEGER")},
    {QStringLiteral("batch"), QStringLiteral("INTEGER")},  {QStringLiteral("settled"), QStringLiteral("INTEGER")},
    {QStringLiteral("description_files"), QStringLiteral("TEXT")}, {QStringLiteral("connection"), QStringLiteral("TEXT")},
};

QString text(const QString& value)
{
    return SqliteConnection::text(value);
}

// 0 is no row: stored as NULL.
QVariant idOrNull(qint64 id)
{
    return id > 0 ? QVariant(id) : QVariant(QMetaType(QMetaType::LongLong));
}

bool upperHexBytes(const QString& hex)
{
    static const QRegularExpression kHex(QStringLiteral("^(?:[0-9A-F]{2})+$"));
    return kHex.match(hex).hasMatch();
}

} // namespace

bool JournalEntry::unknown() const
{
    return outcome == QLatin1String(kOutcomePending)
        || ((outcome == QLatin1String(kOutcomeNoAnswer) || outcome == QLatin1String(kOutcomeUnread)) && !settled);
}

bool JournalEntry::wellFormed() const
{
    if (!link::moduleAt(address))
        return false;
    if (kind != QLatin1String(kKindBlock))
        return block.isEmpty() || (block.size() == 2 && upperHexBytes(block));
    return block.size() == 2 && upperHexBytes(block) && upperHexBytes(oldHex) && upperHexBytes(newHex);
}

bool RowOwner::owns(const JournalEntry& entry) const
{
    if (entry.vin != vin)
        return false;
    const bool typed = entry.vinSource == QLatin1String(kVinTyped);
    return (vinRead && !typed) || (!connection.isEmpty() && entry.connection == connection);
}

QString Journal::defaultPath(bool demoCar)
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + (demoCar ? QStringLiteral("/journal-demo.sqlite") : QStringLiteral("/journal.sqlite"));
}

QString Journal::demoPathFor(const QString& path)
{
    if (path.isEmpty())
        return defaultPath(true);
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    return info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral("-demo") + suffix;
}

JournalPlace journalFor(bool demoCar, const QString& givenPath)
{
    return {demoCar ? Journal::demoPathFor(givenPath) : givenPath, !givenPath.isEmpty()};
}

Journal::Journal(const QString& path, Use use)
    : m_path(path.isEmpty() ? defaultPath() : path), m_use(use)
{
}

Journal::~Journal() = default;

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
    if (!SqliteConnection::driverAvailable())
        return fail(tr("нет драйвера SQLite"));
    if (m_use == Use::ReadOnly) {
        // Nothing to read is no error, and no reason to make a file.
        m_missing = !QFileInfo::exists(m_path);
        if (m_missing) {
            m_open = true;
            return true;
        }
    } else if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) {
        return fail(tr("папка не создаётся"));
    }
    if (!openFile())
        return false;
    if (!usable()) {
        if (!m_error.isEmpty())
            return false;
        if (m_use != Use::Own)
            return fail(tr("файл %1 не является журналом записей TALMERO; он не изменён").arg(m_path));
        if (!setAside() || !openFile() || !usable())
            return fail(m_error.isEmpty() ? tr("новый журнал не создаётся") : m_error);
    }
    m_open = true;
    return true;
}

bool Journal::openFile()
{
    const QString error = m_file.open(m_path, m_use == Use::ReadOnly);
    return error.isEmpty() || fail(error);
}

// Whether the file holds our table, or nothing yet (a new file). Another program's
// database holds tables of its own; the trouble-code readings share this file.
bool Journal::ours(QSqlDatabase& db)
{
    const QStringList tables = db.tables();
    if (!tables.contains(QStringLiteral("writes"))) {
        for (const QString& table : tables) {
            if (table != QLatin1String("batches") && table != QLatin1String("sqlite_sequence")
                && table != QLatin1String("dtc_readings"))
                return false;
        }
        return true;
    }
    const QSqlRecord columns = db.record(QStringLiteral("writes"));
    for (const QString& column : kColumns) {
        if (columns.indexOf(column) < 0)
            return false;
    }
    return true;
}

// True when the file holds our table (made here when the file is new). False with
// m_error empty means the file is not a journal; with m_error set, it cannot be used
// at all (no permission, a full disk).
bool Journal::usable()
{
    QSqlDatabase db = m_file.db();
    QSqlQuery q(db);
    const auto damaged = [&q] { return kDamagedCodes.contains(q.lastError().nativeErrorCode()); };
    const auto failed = [&]() { return damaged() ? false : fail(q.lastError().text()); };
    if (!q.exec(QStringLiteral("PRAGMA quick_check")))
        return failed();
    if (!q.next() || q.value(0).toString() != QLatin1String("ok"))
        return false;
    q.finish();
    if (!ours(db))
        return false;
    if (m_use == Use::ReadOnly)
        return db.tables().contains(QStringLiteral("writes"));
    // Every write is on disk before the next step: a power cut loses nothing recorded.
    if (!q.exec(QStringLiteral("PRAGMA synchronous = FULL")))
        return failed();
    if (!q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS writes ("
                               "id INTEGER PRIMARY KEY AUTOINCREMENT, time TEXT NOT NULL, "
                               "vin TEXT NOT NULL, address TEXT NOT NULL, block TEXT NOT NULL, "
                               "old_hex TEXT NOT NULL, new_hex TEXT NOT NULL, "
                               "outcome TEXT NOT NULL, detail TEXT NOT NULL DEFAULT '')"))
        || !q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS batches ("
                                  "id INTEGER PRIMARY KEY AUTOINCREMENT, time TEXT NOT NULL)")))
        return failed();
    // An older journal grows by the columns it lacks; its rows stay as they are.
    const QSqlRecord columns = db.record(QStringLiteral("writes"));
    for (const auto& [column, type] : kLaterColumns) {
        if (columns.indexOf(column) < 0
            && !q.exec(QStringLiteral("ALTER TABLE writes ADD COLUMN %1 %2").arg(column, type)))
            return failed();
    }
    return true;
}

// Never deletes: the damaged file keeps what it held, under a new name beside it.
bool Journal::setAside()
{
    m_file.close();
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
    if (m_use == Use::ReadOnly) {
        fail(tr("журнал открыт только для чтения"));
        return std::nullopt;
    }
    if (!open())
        return std::nullopt;
    QSqlQuery q(m_file.db());
    q.prepare(QStringLiteral("INSERT INTO writes (time, vin, address, block, old_hex, new_hex, outcome, detail, "
                             "kind, vin_source, module_vin, undoes, batch, settled, description_files, connection) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const QString time = entry.time.isEmpty()
        ? QDateTime::currentDateTimeUtc().toString(Qt::ISODate)
        : entry.time;
    for (const QString& value : {time, entry.vin, entry.address, entry.block, entry.oldHex, entry.newHex,
                                 entry.outcome.isEmpty() ? QString::fromLatin1(kOutcomePending) : entry.outcome,
                                 entry.detail, entry.kind, entry.vinSource, entry.moduleVin})
        q.addBindValue(text(value));
    q.addBindValue(idOrNull(entry.undoes));
    q.addBindValue(idOrNull(entry.batch));
    q.addBindValue(entry.settled ? 1 : 0);
    q.addBindValue(text(entry.descriptionFiles));
    q.addBindValue(text(entry.connection));
    if (!q.exec()) {
        fail(q.lastError().text());
        return std::nullopt;
    }
    return q.lastInsertId().toLongLong();
}

bool Journal::complete(qint64 id, const QString& outcome, const QString& detail, bool settled)
{
    if (!open())
        return false;
    QSqlQuery q(m_file.db());
    q.prepare(QStringLiteral("UPDATE writes SET outcome = ?, detail = ?, settled = ? WHERE id = ?"));
    q.addBindValue(outcome);
    q.addBindValue(text(detail));
    q.addBindValue(settled ? 1 : 0);
    q.addBindValue(id);
    if (!q.exec())
        return fail(q.lastError().text());
    if (q.numRowsAffected() != 1)
        return fail(tr("записи %1 в журнале нет").arg(id));
    return true;
}

bool Journal::settle(qint64 id, const QString& outcome, const QString& detail)
{
    return complete(id, outcome, detail, true);
}

std::optional<qint64> Journal::newBatch()
{
    if (!open())
        return std::nullopt;
    QSqlQuery q(m_file.db());
    q.prepare(QStringLiteral("INSERT INTO batches (time) VALUES (?)"));
    q.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    if (!q.exec()) {
        fail(q.lastError().text());
        return std::nullopt;
    }
    return q.lastInsertId().toLongLong();
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
    if (m_missing)
        return rows;
    QSqlDatabase db = m_file.db();
    // A read-only look at an older journal: the columns it lacks read as NULL.
    const QSqlRecord present = db.record(QStringLiteral("writes"));
    QStringList later;
    for (const auto& column : kLaterColumns)
        later << (present.indexOf(column.first) >= 0 ? column.first : QStringLiteral("NULL"));
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT id, time, vin, address, block, old_hex, new_hex, outcome, detail, %1 "
                             "FROM writes WHERE ? = '' OR vin = ? ORDER BY id DESC")
                  .arg(later.join(QStringLiteral(", "))));
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
        if (!q.value(9).isNull())
            e.kind = q.value(9).toString();
        e.vinSource = q.value(10).toString();
        e.moduleVin = q.value(11).toString();
        e.undoes = q.value(12).toLongLong();
        e.batch = q.value(13).toLongLong();
        e.settled = q.value(14).toInt() != 0;
        e.descriptionFiles = q.value(15).toString();
        e.connection = q.value(16).toString();
        rows.append(e);
    }
    return rows;
}

QSet<qint64> Journal::undoneIds(const QList<JournalEntry>& rows)
{
    QSet<qint64> undone;
    for (const JournalEntry& e : rows) {
        if (e.undoes > 0
            && (e.outcome == QLatin1String(kOutcomeVerified) || e.outcome == QLatin1String(kOutcomeUnchanged)))
            undone.insert(e.undoes);
    }
    return undone;
}

QString descriptionFilesColumn(const QList<JournalFile>& files)
{
    if (files.isEmpty())
        return QString();
    QJsonArray list;
    for (const JournalFile& f : files)
        list.append(QJsonObject{{QStringLiteral("path"), f.file}, {QStringLiteral("sha256"), f.sha256}});
    return QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact));
}

QList<JournalFile> descriptionFilesOf(const QString& column)
{
    QList<JournalFile> files;
    if (column.startsWith(u'[')) {
        for (const QJsonValue& v : QJsonDocument::fromJson(column.toUtf8()).array())
            files.append({v[QLatin1String("path")].toString(), v[QLatin1String("sha256")].toString()});
        return files;
    }
    for (const QString& file : column.split(QStringLiteral("; "), Qt::SkipEmptyParts))
        files.append({file.section(u' ', 0, -2), file.section(u' ', -1)});
    return files;
}

} // namespace talmero::safety
