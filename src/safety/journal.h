#pragma once

#include "safety/sqlite_connection.h"

#include <QCoreApplication>
#include <QList>
#include <QSet>
#include <QString>
#include <optional>

class QSqlDatabase;

namespace talmero::safety {

// What a row records: a block write, a module restart, clearing trouble codes.
inline constexpr char kKindBlock[] = "block";
inline constexpr char kKindRestart[] = "restart";
inline constexpr char kKindClearing[] = "clearing";

// Where a row's car VIN came from: read from a module, or typed at connecting.
inline constexpr char kVinRead[] = "read";
inline constexpr char kVinTyped[] = "typed";

// The journal of one connection, whose file also keeps its trouble-code readings.
struct JournalPlace {
    QString path;       // "" = the default one
    bool given = false; // named by the user: never renamed, never changed when it is not a journal
};
// The one decision, made where a connection is opened: a demo car's writes go to a file of
// their own (beside the named or default one), never into a real car's journal.
JournalPlace journalFor(bool demoCar, const QString& givenPath);

// One change to a module, as the journal keeps it.
struct JournalEntry {
    qint64 id = 0;
    QString time;      // UTC, ISO 8601
    QString vin;       // the car's VIN
    QString address;   // the module's CAN address, "720"
    QString block;     // two hex digits, "00"; "" for a restart or clearing
    QString oldHex;    // what the module held just before
    QString newHex;    // what was (or would have been) written
    QString outcome;   // see the kOutcome... names
    QString detail;    // the module's negative code, what a read-back showed
    QString kind = QString::fromLatin1(kKindBlock);
    QString vinSource; // kVinRead or kVinTyped; "" in rows older than this column
    QString moduleVin; // the written module's own VIN, where it has one and it was read
    qint64 undoes = 0; // a restore: the row it undoes
    qint64 batch = 0;  // rows of one confirmation share it; 0 for a single write
    bool settled = false; // a no-answer or unread row whose block was read afterwards
    // The description files whose options the write changed (descriptionFilesColumn); ""
    // for a write of the program's own options.
    QString descriptionFiles;
    // The connection the row was written in; rows of a car whose VIN was not read belong
    // to their connection only.
    QString connection;

    // Whether the write may or may not have reached the module: sent, and its answer
    // never came and no read showed it since.
    bool unknown() const;
    // Whether the row is something this program could have written: a known module, a
    // block of two hex digits, contents of whole upper-case hex bytes.
    bool wellFormed() const;
};

// Whose rows the journal's rows are: a row of a car whose VIN was not read belongs to its
// connection only, so that an unknown car never meets another unknown car's rows.
struct RowOwner {
    QString vin;
    bool vinRead = false;
    QString connection;
    bool owns(const JournalEntry& entry) const;
};

// A description file a row names: by its path (by its name in rows written before paths
// were kept) and its SHA-256.
struct JournalFile {
    QString file;
    QString sha256;
};
// The column's text: a JSON list of {"path", "sha256"}, as a path may hold any character.
QString descriptionFilesColumn(const QList<JournalFile>& files);
// The files of a column, also of an older row ("NAME SHA256", "; " between them).
QList<JournalFile> descriptionFilesOf(const QString& column);

// The outcomes of a write. A row stays "pending" only when the program stopped between
// sending a write and learning its answer.
inline constexpr char kOutcomePending[] = "pending";
inline constexpr char kOutcomeVerified[] = "accepted-verified";
inline constexpr char kOutcomeDiffers[] = "accepted-differs";
inline constexpr char kOutcomeRefused[] = "refused";
inline constexpr char kOutcomeNoAnswer[] = "no-answer";
// Accepted, and not read back: the module may hold the block or not until a read shows it.
inline constexpr char kOutcomeUnread[] = "accepted-unread";
inline constexpr char kOutcomeCancelled[] = "cancelled";
// A restore that found the module holding the old content already.
inline constexpr char kOutcomeUnchanged[] = "unchanged";
// A restart or clearing the module confirmed (nothing to read back).
inline constexpr char kOutcomeAccepted[] = "accepted";

// Every write attempt to the car, in an SQLite file that survives a crash mid-write.
class Journal {
    Q_DECLARE_TR_FUNCTIONS(Journal)
public:
    // journal.sqlite in the user's application data folder; the demo car's writes go to
    // a journal of their own beside it.
    static QString defaultPath(bool demoCar = false);
    // The demo car's journal beside a given one ("" = the default): "journal-demo.sqlite".
    static QString demoPathFor(const QString& path);

    enum class Use {
        Own,      // the program's own file: created when missing, set aside when damaged
        Given,    // a file the user named: created when missing, never renamed or changed
                  // when it is not a journal
        ReadOnly, // only read: nothing is created, renamed or changed
    };

    // An empty path is the default one.
    explicit Journal(const QString& path, Use use = Use::Own);
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    // Opens the file, creating it and its folder when missing. A file that is not a
    // journal (damaged, or something else) is renamed aside and a new one started;
    // setAsideAs() then names it. False, with error() saying why, when it cannot be used.
    bool open();
    const QString& path() const { return m_path; }
    const QString& error() const { return m_error; }
    const QString& setAsideAs() const { return m_setAside; }

    // Records a write before it is sent; its id, or nullopt when it could not be stored.
    std::optional<qint64> begin(const JournalEntry& entry);
    // Completes a row begun before; false when it could not be stored.
    bool complete(qint64 id, const QString& outcome, const QString& detail, bool settled = false);
    // A row whose outcome was unknown, settled by reading the module.
    bool settle(qint64 id, const QString& outcome, const QString& detail);
    // A new number for the rows of one confirmation; nullopt when it cannot be stored.
    std::optional<qint64> newBatch();
    // A whole row at once (a write that was never sent).
    bool record(const JournalEntry& entry);

    // The rows, newest first; only those of one car when vin is not empty. nullopt
    // when the journal cannot be read (error() says why). A read-only journal whose file
    // does not exist yet has no rows.
    std::optional<QList<JournalEntry>> entries(const QString& vin = QString());

    // The ids of rows undone by a restore that left the module with their old content.
    static QSet<qint64> undoneIds(const QList<JournalEntry>& rows);

private:
    bool openFile();
    bool usable();
    bool ours(QSqlDatabase& db);
    bool setAside();
    bool fail(const QString& what);

    QString m_path;
    SqliteConnection m_file;
    QString m_error;
    QString m_setAside;
    Use m_use;
    bool m_open = false;
    bool m_missing = false; // read-only, and no file there
};

} // namespace talmero::safety
