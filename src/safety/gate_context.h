#pragma once

#include "safety/block_write.h"
#include "safety/car_vin.h"
#include "safety/journal.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <optional>

namespace talmero::link {
class Host;
class Session;
class WritePermit;
struct LinkState;
} // namespace talmero::link

namespace talmero::safety {

// What the write gate's parts share: the connection, the journal, the car's VIN, and the
// checks every change passes before it is sent. Made by the gate, for its parts only.
class GateContext {
    Q_DECLARE_TR_FUNCTIONS(WriteGate)
public:
    GateContext(link::Session& session, link::Host& host, link::LinkState& state, SafetySettings settings);

    link::Session& session;
    link::Host& host;
    link::LinkState& state;
    const SafetySettings settings;
    Journal journal;
    CarVinFinder vin;
    const QString connection; // this connection's mark on the journal's rows
    BackupBeforeWrite backup;

    // A block of a module (block: two hex digits); the operation's first module opened
    // resets the adapter.
    BlockTarget targetOf(const car::Module& module, const QString& block);
    // An operation starts: its first module opened resets the adapter, none after it.
    void startOperation() { m_resetDone = false; }
    // Whether the module opened now is the operation's first (and so resets the adapter).
    bool resetFirst();

    bool linkLost() const;
    // Logged and shown; an outcome of this kind with the line.
    link::Outcome refuse(const QString& line, link::Outcome::Kind kind = link::Outcome::Kind::Refused);
    // A failure that decides no outcome (a journal row not completed): logged, and kept
    // for the operation's notes.
    void note(const QString& line);
    QStringList takeNotes();

    // The battery as the adapter reads it; nullopt when it did not say.
    std::optional<double> battery();
    // The battery for a write about to go out: the reading the confirmation showed stands
    // for the first write after it when the user agreed at once; any other reads again.
    std::optional<double> batteryBeforeWrite();
    // The reading a confirmation shows.
    void showBattery(std::optional<double> volts);
    // Done when the voltage allows a change; else the refusal, said (or the lost connection).
    link::Outcome batteryAllows(std::optional<double> volts);
    // Nothing goes out unless it can be recorded: done when the journal is open.
    link::Outcome journalReady();
    // A block of the module open now, as the target describes it; nullopt when it gave none.
    std::optional<QString> readBlock(const BlockTarget& target);
    // A module that said it is busy storing the block is read until it holds the new one,
    // for a while; the last read that came back, or nullopt when none did.
    static constexpr int kBusyReadBackMs = 3000;
    std::optional<QString> readBackWhileBusy(const BlockTarget& target, const QString& newHex);
    // A request that changes a module, with the permit only the gate holds.
    QString sendChange(const QString& command, const link::WritePermit& permit);

    // This connection's car, as the journal's rows are judged by.
    RowOwner rowOwner() const;
    // A row of this car and connection, its VIN and where that came from filled in.
    JournalEntry row() const;

private:
    bool m_setAsideReported = false;
    bool m_resetDone = false; // this operation's one adapter reset has been sent
    std::optional<double> m_shownVolts;
    QElapsedTimer m_shownAt;
    QStringList m_notes;
};

} // namespace talmero::safety
