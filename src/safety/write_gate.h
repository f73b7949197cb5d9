#pragma once

#include "car/module.h"
#include "link/outcome.h"
#include "safety/car_vin.h"
#include "safety/journal.h"

#include <QCoreApplication>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

namespace talmero::link {
class Host;
struct ChangeRequest;
class Session;
struct LinkState;
} // namespace talmero::link

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
    };
    std::function<Taken(const BackupNeeds& needs)> take;
};


struct BatchResult {
    bool asked = false;  // the confirmation was shown
    bool agreed = false; // ... and the user agreed to at least one block
    qint64 batch = 0;    // the number its journal rows share; 0 when none was recorded
    QList<WriteResult> results; // one per write, in the order given
};

// What a change in the journal was: for the window's and the command line's wording.
enum class RowState { Done, Undone, Unknown, NothingChanged, Damaged, OtherCar, RestoreRow };

// The one path of every change to a module: check the request, read what the module
// holds, read the battery, show the change and ask, read the battery again, record,
// write, read back, record the outcome. Nothing else sends a request that changes a module.
//
// Batches (writeBlocks): the caller hands over several BlockWrites and gets one
// confirmation for all of them. Every write is checked first (nothing is sent when one
// fails); then each module is opened and its block read; blocks that hold the new content
// already, cannot be read or are refused are left out and named in the confirmation. The
// user agrees once (or, with BatchOptions::choosable, ticks the blocks to write). Then,
// in the order given, each block is opened again, read again (a block that changed since
// it was shown is not written), the battery read, a journal row begun, the block written,
// read back and its row completed - exactly as a single writeBlock does. Rows of one
// batch share BatchResult::batch. A block that fails does not stop the others; the
// caller says what ended apart.
class WriteGate {
    Q_DECLARE_TR_FUNCTIONS(WriteGate)
public:
    WriteGate(link::Session& session, link::Host& host, link::LinkState& state,
              SafetySettings settings);

    link::Session& session() { return m_session; }
    Journal& journal() { return m_journal; }

    // A block of a module (block: two hex digits), opened with an adapter reset.
    BlockTarget targetOf(const car::Module& module, const QString& block);

    WriteResult writeBlock(const BlockWrite& write);
    BatchResult writeBlocks(const QList<BlockWrite>& writes, const BatchOptions& options);

    // What writing a row's old content back changes, for the confirmation.
    using RowDescriber = std::function<QStringList(const JournalEntry& row, const QString& heldHex)>;

    // Writes a journal row's old content back, recording which row it undoes. Refused for
    // a damaged row, a row of another car, a row that changed nothing, and (unless force)
    // when the module holds neither the row's new nor its old content. A row of a batch (a
    // restore, both doors) takes the rest of its batch with it: every row of it not undone
    // yet, newest first, under one confirmation, each read, written, read back and recorded.
    BatchResult undo(const JournalEntry& entry, const RowDescriber& describe, bool force = false);
    // As undo, the result of this row alone.
    WriteResult restore(const JournalEntry& entry, const RowDescriber& describe, bool force = false);
    // The newest block write of this car (its VIN read) that changed the module and is
    // not undone, settling rows whose answer never came on the way; damaged rows passed
    // by are logged. nullopt when there is none (or the journal cannot be read).
    std::optional<JournalEntry> nextToUndo();
    // Reads the block of a row whose outcome is unknown and records what it shows; the
    // row as it stands afterwards.
    JournalEntry settle(const JournalEntry& entry);
    // How a row stands for this car, given all the car's rows (undone, unknown, ...).
    static RowState stateOf(const JournalEntry& entry, const QList<JournalEntry>& rows, const RowOwner& car);
    // This connection's car, as stateOf takes it.
    RowOwner rowOwner() const;

    // The car's VIN as the journal records it.
    CarVinFinder& vin() { return m_vin; }

    // From now on a block write to a car without a backup offers one first.
    void offerBackup(BackupBeforeWrite backup) { m_backup = std::move(backup); }

    // Whether a write can go out at all: a known module address, a block of two hex
    // digits, content of whole hex bytes. "" when it can, else what is wrong.
    static QString checkWrite(const QString& address, const QString& block, const QString& hex);

    // Clearing trouble codes: reads the battery and asks once for the listed modules (their
    // titles, and their addresses); then clearCodes sends the request to one of them, once,
    // while it is the module the adapter has open. False when the user said no or the
    // battery is too low.
    bool confirmClearing(const QStringList& modules, const QStringList& addresses);
    QString clearCodes(const QString& address);
    // A module restart: reads the battery and asks, then restart sends the request to that
    // module, once, while it is the one open. declined() tells a "no" from a refusal
    // before asking.
    bool confirmRestart(const QString& module, const QString& address);
    QString restart(const QString& address);
    bool declined() const { return m_declined; }

private:
    struct Pending; // a block shown in the confirmation
    bool linkLost();
    void sayLinkLost(QList<Pending>& pending);
    BackupNeeds backupNeeds(const QList<Pending>& pending) const;
    std::optional<QString> readBackWhileBusy(const BlockTarget& target, const QString& newHex);
    std::optional<QString> readBlock(const BlockTarget& target);
    std::optional<double> battery();
    bool batteryAllows(std::optional<double> volts);
    bool refuse(const QString& line); // logged and shown
    bool journalReady();
    bool askForChange(link::ChangeRequest request);
    QString send(const QString& command);
    QString sendChange(const QString& command);
    void settleRows(const QString& address, const QString& block, const QString& held);
    bool prepare(Pending& p, qsizetype count);
    void writeOne(Pending& p, const JournalEntry& entry, bool reopen);
    BatchResult undoRows(const JournalEntry& row, const RowDescriber& describe, bool force, qsizetype* askedAt);
    std::optional<JournalEntry> undoable(const JournalEntry& row, const QList<JournalEntry>& rows,
                                         const RowOwner& car, bool refuseIt);
    WriteResult finish(const BlockWrite& w, qint64 row, WriteResult result, const QString& answer);
    bool mayRequest(QStringList& agreed, const QString& address);
    QString sendRecorded(const QString& kind, const QString& address, const QString& command,
                         const QString& accepted);

    link::Session& m_session;
    link::Host& m_host;
    link::LinkState& m_state;
    SafetySettings m_settings;
    Journal m_journal;
    QStringList m_clearingAgreed; // modules agreed to and not cleared yet
    QStringList m_restartAgreed;
    bool m_declined = false;
    bool m_setAsideReported = false;
    CarVinFinder m_vin;
    bool m_stopped = false; // a batch stops at a battery or journal failure
    BackupBeforeWrite m_backup;
    QString m_connection; // this connection's mark on the journal's rows
};

} // namespace talmero::safety
