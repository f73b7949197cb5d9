#pragma once

#include "diag/live_values.h"
#include "link/outcome.h"

#include <QFile>
#include <QList>
#include <QString>
#include <optional>

namespace talmero::link {
class Host;
class Session;
} // namespace talmero::link

namespace talmero::diag {

// One reading of live values: each in the order asked, nullopt where the car gave none.
using LiveReadings = QList<std::optional<double>>;

// Reads the standard values of the engine module, opened beforehand.
class LiveReader {
    Q_DECLARE_TR_FUNCTIONS(LiveReader)
public:
    LiveReader(link::Session& session, link::Host& host);

    // The support maps, 0100 and then each one the previous announces, logged. A map that
    // is missing, short or garbled ends the chain: the log says which and why, and none of
    // the PIDs it would announce is taken as supported. outcome: done, or that failure.
    PidSet readSupportedPids(link::Outcome* outcome = nullptr);
    // The values the car announces (the adapter's voltage always), in table order.
    static QList<const LiveValue*> offered(const PidSet& pids);
    // One reading of each value, not logged: once a second would bury the log.
    LiveReadings read(const QList<const LiveValue*>& values);

private:
    link::Session& m_session;
    link::Host& m_host;
};

// A recording read back from its file: the columns the value table knows, and each row.
struct RecordedValues {
    QList<const LiveValue*> values; // in the file's order
    QList<double> seconds;          // the time of each row
    QList<LiveReadings> rows;       // a reading per value (nullopt: a gap)
    QStringList unknownColumns;     // headers no value of the table has
    int badRows = 0;                // rows without a time, skipped
    QString error;                  // why nothing was read; empty when it was
};

// A recording to a CSV file: the seconds since its start, then one column per value with
// its unit in the header; a gap is an empty field. Each row goes to the file as it comes,
// so a recording cut short keeps what it has.
class LiveRecording {
    Q_DECLARE_TR_FUNCTIONS(LiveRecording)
public:
    explicit LiveRecording(const QList<const LiveValue*>& values) : m_values(values) {}

    static QString header(const QList<const LiveValue*>& values);
    // Reads a recording this class wrote (or a spreadsheet saved again, with semicolons and
    // decimal commas); only a regular file of at most 64 MiB is read.
    static RecordedValues load(const QString& path);
    static QString row(const QList<const LiveValue*>& values, double seconds, const LiveReadings& readings);

    // Replaces the file with the header; false with error() saying why.
    bool open(const QString& path);
    bool addRow(double seconds, const LiveReadings& readings);
    int rows() const { return m_rows; }
    const QString& error() const { return m_error; }
    QString path() const { return m_file.fileName(); }

private:
    bool write(const QString& line);

    QList<const LiveValue*> m_values;
    QFile m_file;
    QString m_error;
    int m_rows = 0;
};

} // namespace talmero::diag
