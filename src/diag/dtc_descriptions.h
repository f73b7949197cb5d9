#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>

// What trouble codes mean, in words: the program's own table of generic codes, with a
// user's file (same columns: code, English, Russian) adding or replacing rows.
namespace talmero::diag {

enum class DescriptionSource { Program, UserFile };

struct DtcDescription {
    QString english;
    QString russian; // may be empty
    DescriptionSource source = DescriptionSource::Program;
};

// A line of a descriptions file that was skipped, and why (in the program's language).
struct DescriptionProblem {
    int line = 0; // from 1
    QString reason;
};

// What reading one file gave: the first problems, each with its line, and how many lines
// were skipped in all (a broken file says so without a warning per line).
struct DescriptionLoad {
    static constexpr int kListed = 20;
    QList<DescriptionProblem> problems; // at most kListed
    int skipped = 0;
};

// A user's file larger than this is not read.
inline constexpr qint64 kLargestDescriptionFile = 1024 * 1024;

// The text with every control character and invisible format mark shown as its code
// ("<1B>"), so that a file's text never drives the terminal or turns a line around; tabs
// and line breaks become spaces.
QString printableText(const QString& text);

class DtcDescriptions {
    Q_DECLARE_TR_FUNCTIONS(DtcDescriptions)
public:
    // Where a workshop keeps its own list: dtc-descriptions.csv in the user's data folder.
    static QString userFilePath();
    // The program's own table.
    static DtcDescriptions builtIn();
    // The program's own table, then the user's file over it when there is one.
    static DtcDescriptions withUserFile(const QString& path = userFilePath());

    // Adds the rows of one file (comma- or semicolon-separated, UTF-8, quoted fields may
    // span lines), each replacing a row of an earlier file; a malformed line is skipped
    // and listed.
    DescriptionLoad addCsv(const QByteArray& file, DescriptionSource source);

    // nullptr when no file describes the code.
    const DtcDescription* find(const QString& code) const;
    qsizetype size() const { return m_rows.size(); }
    QList<QString> codes() const { return m_rows.keys(); }

    // The user's file: why it could not be read (empty when it was, or is absent), and
    // the lines of it that were skipped.
    // Every problem of the user's file as lines for the log or standard error.
    QStringList userFileReport() const;

private:
    QHash<QString, DtcDescription> m_rows;
    QString m_userFilePath;
    QString m_userFileError;
    DescriptionLoad m_userFileProblems;
};

// The description in the language the program speaks (the other when that one is empty).
QString descriptionText(const DtcDescription& description);
QString sourceText(DescriptionSource source);

// What a code means in one line: its description, or for a code nobody describes, who
// defines it and its system ("manufacturer-specific, body").
QString codeMeaning(const QString& code, const DtcDescriptions& descriptions);
// The line a listing puts under a code's line: what it means and its state in words,
// indented; a description from the user's file says so.
QString meaningLine(const QString& code, const QString& status, const DtcDescriptions& descriptions);

} // namespace talmero::diag
