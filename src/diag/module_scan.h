#pragma once

#include "car/module.h"
#include "link/outcome.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>

namespace talmero::link {
class Host;
class Session;
struct LinkState;
} // namespace talmero::link

namespace talmero::diag {

struct DtcReading;

// What a scan found of one module.
struct ModuleScanRow {
    enum class Answer {
        NotAsked, // the scan ended before it (cancelled, adapter silent, link lost)
        Answered,
        Refused,  // answered, but refused the diagnostic session
        Silent,   // nothing answered
    };
    const car::Module* module = nullptr;
    Answer answer = Answer::NotAsked;
    QString vin;  // the VIN its VIN block holds; "" when it has none or gave none
    QString note; // why it did not answer or gave no VIN, as the log has it
};

// One scan of the car: every module of the catalog that answers the trouble-code request,
// in the catalog's order (the program's own first).
struct ModuleScan {
    QDateTime time;
    QList<ModuleScanRow> rows;
    // How it ended: done when every module was asked; and the failures said on the way
    // (a module that did not answer or gave no VIN, the scan cut short), as the log has them.
    link::Outcome outcome;
    QStringList notes;

    // Every module was asked (whatever it answered).
    bool complete() const;
    int answered() const; // Answered or Refused
    // A scan of nothing yet: every module, none asked.
    static ModuleScan unasked(const QDateTime& time = QDateTime());
};

// The count of trouble codes a reading holds for a module; -1 when the reading did not
// read it (or does not ask it).
int codeCountOf(const DtcReading& reading, std::string_view address);

// Asks every module of the car whether it is there, and for the VIN its VIN block holds:
// one bus at a time (the high-speed bus first), with the bus prompts a hand switch needs.
// The VINs go into the connection's state, so that a later write knows the car.
class ModuleScanner {
    Q_DECLARE_TR_FUNCTIONS(ModuleScanner)
public:
    ModuleScanner(link::Session& session, link::Host& host, link::LinkState& state);

    // Module number (from 1) of count is about to be asked.
    using Progress = std::function<void(int number, int count, const car::Module& module)>;
    void setProgress(Progress progress) { m_progress = std::move(progress); }

    // Scans the car. A Cancel (at a bus prompt or between modules) throws
    // link::OperationCancelled; what was found until then stays in lastScan().
    const ModuleScan& scan();
    const ModuleScan& lastScan() const { return m_scan; }

private:
    void say(const QString& line); // a failure, logged and noted
    void scanModule(ModuleScanRow& row, bool resetFirst);
    void readVin(ModuleScanRow& row, bool opened);

    link::Session& m_session;
    link::Host& m_host;
    link::LinkState& m_state;
    Progress m_progress;
    ModuleScan m_scan;
};

} // namespace talmero::diag
