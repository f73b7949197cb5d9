#pragma once

#include <QSqlDatabase>
#include <QString>

namespace talmero::safety {

// One connection to the journal's SQLite file (the write journal and the trouble-code
// readings share it): named apart from every other, closed and removed with this object.
class SqliteConnection {
public:
    SqliteConnection();
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    static bool driverAvailable() { return QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")); }
    // Opens the file (read-only when asked); "" when open, else why not.
    QString open(const QString& path, bool readOnly = false);
    void close();
    QSqlDatabase db() const;

    // SQLite takes a null QString as NULL, which no column of the file holds.
    static QString text(const QString& value) { return value.isNull() ? QStringLiteral("") : value; }

private:
    QString m_connection;
};

} // namespace talmero::safety
