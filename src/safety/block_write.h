#pragma once

#include "car/module.h"
#include "link/outcome.h"
#include "safety/journal.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// What a change to a module is, and what became of it: the words the write gate and its
// callers speak.
namespace talmero::safety {

struct SafetySettings {
    static constexpr double kDefaultMinVoltage = 12.0;
    double minVoltage = kDefaultMinVoltage; // no write below this battery voltage
    QString journalPath;                    // "" = the default one
    bool journalGiven = false;              // named by the user: never set aside

    SafetySettings() = default;
    SafetySettings(const JournalPlace& journal, double minimum)
        : minVoltage(minimum), journalPath(journal.path), journalGiven(journal.given)
    {
    }
};

// Where a block lives and how its module is reached.
struct BlockTarget {
    const car::Module* record = nullptr; // the module table's record of its module
    QString module;   // for the user: "IPC (Панель приборов)"
    QString address;  // "720"
    QString block;    // "00"
    QString accepted; // a cut write answer beginning with this is positive ("7B00")
    // Puts the adapter on the module and opens it.
    std::function<link::Outcome()> open;
};

// A module description file (not the program's own) whose options a write changes.
struct DescriptionUse {
    QString name; // as the user tells it from the others
    QString path;
    QString sha256;
    bool trusted = false; // the user trusts the file as it is now
};

// One block write as the caller describes it; the gate knows no layouts.
struct BlockWrite {
    BlockTarget target;
    QString newHex;
    QString title;              // what the confirmation calls it
    bool sameLengthOnly = true; // refuse a block of another length than the module's
    // The options that change from what the module holds to newHex ("caption: old → new").
    std::function<QStringList(const QString& heldHex)> describe;
    // The description files whose options change from what the module holds to newHex;
    // none (or no function) for the program's own options. An untrusted one stops the write.
    std::function<QList<DescriptionUse>(const QString& heldHex)> files;
    // The block the caller planned from (a page as it was read): an option of an untrusted
    // file changed from it stops the write before anything is sent. "" when none.
    QString plannedFromHex;

    // A restore of a journal row: the row, and the content it wrote. The module must hold
    // that content (or newHex already) unless force is set.
    qint64 undoes = 0;
    QString undoneHex;
    // What the caller read and planned from: a module holding anything else (nor newHex)
    // is not written, as it changed since.
    QString expectedHex;
    bool force = false;
};

enum class WriteOutcome {
    NotOpened, // the module could not be opened; nothing was sent to it
    NotSent,   // refused before writing: unread block, length, battery, journal
    Unchanged, // the module already holds the block
    Cancelled, // the user said no
    Verified,  // accepted (or answer lost) and read back equal
    Differs,   // accepted (or answer lost) and read back with other bytes
    Refused,   // the module answered negatively
    KeptOld,   // no usable answer, and read back: the module holds its old content
    Unknown,   // not read back after the write: what the module holds is not known
};

struct WriteResult {
    WriteOutcome outcome = WriteOutcome::NotSent;
    QString heldHex;  // what the module held before
    QString readBack; // what it held after, "" when not read
    bool recorded = true; // the outcome is in the journal (false: its row stayed pending)
    bool linkLost = false; // the connection to the adapter was lost on the way
    QString line;     // what the log said of its outcome
    bool shown = false; // ... in a notice too

    // Takes the line (and whether a notice showed it) of what decided its outcome.
    void say(const link::Outcome& said)
    {
        line = said.line;
        shown = said.shown;
    }

    // The module holds the block written: read back equal, or held already.
    bool holds() const { return outcome == WriteOutcome::Verified || outcome == WriteOutcome::Unchanged; }
    // Its kind and line, as an operation's result.
    link::Outcome summary() const;
};

// A batch: one confirmation for several blocks.
struct BatchOptions {
    QString title;          // what the confirmation calls the whole ("Запись дверных модулей")
    bool choosable = false; // the user may leave blocks out (a tick per block)
    // The first block that is not written and read back equal ends the batch there: the
    // blocks after it are not written (a whole car restored in order).
    bool stopAtFailure = false;
    // Written whole or not at all: a block that cannot be read, or changed since, stops
    // every block before anything is sent (an undone batch).
    bool wholeOrNothing = false;
};

struct BatchResult {
    bool asked = false;  // the confirmation was shown
    bool agreed = false; // ... and the user agreed to at least one block
    qint64 batch = 0;    // the number its journal rows share; 0 when none was recorded
    QList<WriteResult> results; // one per write, in the order given
    // Failures said on the way that decided no block's outcome (a journal row not completed,
    // what the backup taken first lacks).
    QStringList notes;
    link::Outcome refusal; // why no block was tried (a row that cannot be undone)

    // Every block holds what was written.
    bool allHold() const;
    // The batch as one operation's result: done when every block holds it (the line of the
    // last one verified), else the outcome of the last block that does not.
    link::Outcome summary() const;
};

// What a backup must hold to count as the car's for a write: the blocks the write goes to
// ("740", "01") and every module that answered in this connection.
struct BackupNeeds {
    QList<std::pair<QString, QString>> blocks;
    QStringList answered; // addresses
};

// A backup before the first write to a car that has none: looked for before the
// confirmation, which then offers it; taken after the user agreed, before anything is written.
struct BackupBeforeWrite {
    // Whether a backup of the car with this VIN holding what needs names exists; "" when
    // the car's VIN is not known.
    std::function<bool(const QString& vin, const BackupNeeds& needs)> exists;
    struct Taken {
        QString failure;    // "" when a backup was taken, else why not
        QString incomplete; // what the file lacks of needs and the modules that answered
        QStringList notes;  // what the backup said went wrong on the way
    };
    std::function<Taken(const BackupNeeds& needs)> take;
};

// What a change in the journal was: for the window's and the command line's wording.
enum class RowState { Done, Undone, Unknown, NothingChanged, Damaged, OtherCar, RestoreRow };

} // namespace talmero::safety
