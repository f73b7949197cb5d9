#pragma once

#include "diag/freeze_frame.h"
#include "safety/sqlite_connection.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace talmero::diag {

// One module's part of a trouble-code reading.
struct DtcModuleReading {
    QString address;   // "720"
    int count = -1;    // the codes it reported; -1 when it gave no count (not read)
    QStringList codes; // "B1342 20": code and status; fewer than count when its list was unreadable
    std::optional<FreezeFrame> freezeFrame = std::nullopt; // the engine's, when it keeps one (not kept in the history)
};

// One press of "Read": when, which car, and what every module asked gave.
struct DtcReading {
    QDateTime time;
    QString vin;
    QList<DtcModuleReading> modules; // in reading order; a cancelled reading holds fewer
};

// Every trouble-code reading, kept in a table of its own in the write journal's SQLite
// file (a connection of its own), so that codes cleared from the car are still on record
// and follow the journal wherever it is kept.
class DtcHistory {
    Q_DECLARE_TR_FUNCTIONS(DtcHistory)
public:
    // The journal's file (empty: the default one).
    static QString pathOf(const QString& journalPath);

    explicit DtcHistory(const QString& path);
    ~DtcHistory();
    DtcHistory(const DtcHistory&) = delete;
    DtcHistory& operator=(const DtcHistory&) = delete;

    const QString& path() const { return m_path; }
    const QString& error() const { return m_error; }

    // False, with error() saying why, when it could not be stored.
    bool add(const DtcReading& reading);
    // The readings, newest first; nullopt when the file cannot be read.
    std::optional<QList<DtcReading>> readings();

private:
    bool open();
    bool fail(const QString& what);

    QString m_path;
    safety::SqliteConnection m_file;
    QString m_error;
    bool m_open = false;
};

// The modules a reading asks: those of the trouble-code list.
int modulesAsked();
// The modules that gave their count of codes.
int modulesRead(const DtcReading& reading);
// Every module asked gave its count: not cancelled, not cut off, none silent.
bool readingComplete(const DtcReading& reading);
int codeCount(const DtcReading& reading);
// "incomplete: 5 of 11 modules read", "no codes in 11 of 11 modules", "codes: 3 in 11 of
// 11 modules", in the program's language.
QString readingSummary(const DtcReading& reading);
// Every module asked, in reading order: what the reading holds of it, or a row with no
// count for one it never reached.
QList<DtcModuleReading> readingModules(const DtcReading& reading);

class DtcDescriptions;

// A reading as the window shows it and a text export holds it (in the program's language):
// each code with its raw status, and under it what it means and its state and lamp in words.
QString readingText(const DtcReading& reading, const DtcDescriptions& descriptions);
// Readings as CSV (RFC 4180): one row per code (one without a code for a module with none
// or not read), with the modules read and asked on every row. The column names are the
// same in every language; the module is its name and address ("PCM 7E0") and the status
// "0x20", so that a spreadsheet keeps both as text.
QString readingsCsv(const QList<DtcReading>& readings, const DtcDescriptions& descriptions);
// Writes readings to path, as CSV when its name ends in ".csv", else as text; the file is
// replaced whole or not at all. An empty text on success, else why it failed.
QString exportReadings(const QString& path, const QList<DtcReading>& readings, const DtcDescriptions& descriptions);

} // namespace talmero::diag
