#include "safety/sqlite_connection.h"

#include <QSqlError>

#include <atomic>

namespace talmero::safety {

SqliteConnection::SqliteConnection()
{
    static std::atomic<int> next{0};
    m_connection = QStringLiteral("talmero-journal-%1").arg(next++);
}

SqliteConnection::~SqliteConnection()
{
    close();
    QSqlDatabase::removeDatabase(m_connection);
}

QString SqliteConnection::open(const QString& path, bool readOnly)
{
    QSqlDatabase db = QSqlDatabase::contains(m_connection) ? QSqlDatabase::database(m_connection, false)
                                                           : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(path);
    db.setConnectOptions(readOnly ? QStringLiteral("QSQLITE_OPEN_READONLY") : QString());
    return db.open() ? QString() : db.lastError().text();
}

void SqliteConnection::close()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (db.isValid())
        db.close();
}

QSqlDatabase SqliteConnection::db() const
{
    return QSqlDatabase::database(m_connection, false);
}

} // namespace talmero::safety
