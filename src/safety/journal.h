#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <optional>

namespace talmero::safety {

// One write to a module, as the journal keeps it.
struct JournalEntry {
    qint64 id = 0;
    QString time;    // UTC, ISO 8601
    QString vin;
    QString address; // the module's CAN address, "720"
    QString block;   // two hex digits, "00"
    QString oldHex;  // what the module held just before
    QString newHex;  // what was (or would have been) written
    QString outcome; // see the kOutcome... names
    QString detail;  // the module's negative code, what a read-back showed
};

// The outcomes of a write. A row stays "pending" only when the program stopped between
// sending a write and learning its answer.
inline constexpr char kOutcomePending[] = "pending";
inline constexpr char kOutcomeVerified[] = "accepted-verified";
inline constexpr char kOutcomeDiffers[] = "accepted-differs";
inline constexpr char kOutcomeRefused[] = "refused";
inline constexpr char kOutcomeNoAnswer[] = "no-answer";
inline constexpr char kOutcomeCancelled[] = "cancelled";

// Every write attempt to the car, in an SQLite file that survives a crash mid-write.
class Journal {
    Q_DECLARE_TR_FUNCTIONS(Journal)
public:
    // journal.sqlite in the user's application data folder.
    static QString defaultPath();

    // An empty path is the default one.
    explicit Journal(const QString& path);
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
    bool complete(qint64 id, const QString& outcome, const QString& detail);
    // A whole row at once (a write that was never sent).
    bool record(const JournalEntry& entry);

    // The rows, newest first; only those of one car when vin is not empty. nullopt
    // when the journal cannot be read (error() says why).
    std::optional<QList<JournalEntry>> entries(const QString& vin = QString());

private:
    bool openFile();
    bool usable();
    bool setAside();
    bool fail(const QString& what);

    QString m_path;
    QString m_connection;
    QString m_error;
    QString m_setAside;
    bool m_open = false;
};

} // namespace talmero::safety
