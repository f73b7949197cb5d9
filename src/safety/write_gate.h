#pragma once

#include "safety/journal.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>

namespace talmero::link {
class Host;
class Session;
struct LinkState;
} // namespace talmero::link

namespace talmero::safety {

struct SafetySettings {
    static constexpr double kDefaultMinVoltage = 12.0;
    double minVoltage = kDefaultMinVoltage; // no write below this battery voltage
    QString journalPath;                    // "" = the default one
};

// Where a block lives and how its module is reached.
struct BlockTarget {
    QString module;   // for the user: "IPC (Панель приборов)"
    QString address;  // "720"
    QString block;    // "00"
    QString accepted; // a cut write answer beginning with this is positive ("7B00")
    // Puts the adapter on the module and opens it: "OK" or the "! " line of the failure.
    std::function<QString()> open;
};

// One block write as the caller describes it; the gate knows no layouts.
struct BlockWrite {
    BlockTarget target;
    QString newHex;
    QString title;              // what the confirmation calls it
    bool sameLengthOnly = true; // refuse a block of another length than the module's
    // The options that change from what the module holds to newHex ("caption: old → new").
    std::function<QStringList(const QString& heldHex)> describe;
};

enum class WriteOutcome {
    NotOpened, // the module could not be opened; nothing was sent to it
    NotSent,   // refused before writing: unread block, length, battery, journal
    Unchanged, // the module already holds the block
    Cancelled, // the user said no
    Verified,  // accepted (or answer lost) and read back equal
    Differs,   // accepted (or answer lost) and read back with other bytes
    Refused,   // the module answered negatively
    NoAnswer,  // no usable answer, and the read-back does not show the new block
};

struct WriteResult {
    WriteOutcome outcome = WriteOutcome::NotSent;
    QString heldHex;  // what the module held before
    QString readBack; // what it held after, "" when not read
};

// The one path of every change to a module: read what it holds, show the change and ask,
// check the battery, record, write, read back, record the outcome. Nothing else sends a
// request that changes a module.
class WriteGate {
    Q_DECLARE_TR_FUNCTIONS(WriteGate)
public:
    WriteGate(link::Session& session, link::Host& host, link::LinkState& state,
              SafetySettings settings);

    link::Session& session() { return m_session; }
    Journal& journal() { return m_journal; }

    // A module of the module table, opened with an adapter reset.
    BlockTarget targetOf(const QString& address, const QString& block);

    WriteResult writeBlock(const BlockWrite& write);
    // Writes an entry's old content back through writeBlock.
    WriteResult restore(const JournalEntry& entry,
                        std::function<QStringList(const QString& heldHex)> describe);

    // Clearing trouble codes: asks once for the listed modules; then clearCodes sends the
    // request to the module the adapter has open. False when the user said no.
    bool confirmClearing(const QStringList& modules);
    QString clearCodes();
    // A module restart: asks, then restart sends the request to the open module.
    bool confirmRestart(const QString& module);
    QString restart();

private:
    std::optional<QString> readBlock(const BlockTarget& t);
    void learnVin(const QString& address);
    bool batteryAllows();
    bool refuse(const QString& line); // logged and shown
    QString send(const QString& command);
    QString sendChange(const QString& command);
    WriteResult finish(const BlockWrite& w, qint64 row, WriteResult result, const QString& answer);

    link::Session& m_session;
    link::Host& m_host;
    link::LinkState& m_state;
    SafetySettings m_settings;
    Journal m_journal;
    bool m_clearingAgreed = false;
    bool m_restartAgreed = false;
    bool m_setAsideReported = false;
};

} // namespace talmero::safety
