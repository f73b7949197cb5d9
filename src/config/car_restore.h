#pragma once

#include "config/restore_plan.h"
#include "link/outcome.h"
#include "config/vehicle_config.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

namespace talmero::link {
class Host;
struct LinkState;
} // namespace talmero::link

namespace talmero::safety {
class WriteGate;
}

namespace talmero::config {

// How a restore ended, module by module.
struct RestoreSummary {
    bool agreed = false;  // the user agreed to at least one module
    QString savedAs;      // the car's configuration before the first write
    QStringList restored; // every block written and read back equal (or held already)
    QStringList failed;   // "module: why"
    QStringList notTried; // after the one that failed, or left out by the user
    QStringList unrecorded; // written, but the journal did not take the outcome
    bool incomplete = false; // something the file holds is not on the car (left out, unread)
    // How it ended: done when complete (its last line), cancelled when the user said no,
    // else the failure that stopped it or the last one of the report.
    link::Outcome outcome;

    // Every planned block written, read back equal and recorded, and nothing left out.
    bool complete() const
    {
        return agreed && failed.isEmpty() && notTried.isEmpty() && unrecorded.isEmpty() && !incomplete;
    }
    // The log's lines: what was restored ("* ") and what failed ("! ").
    QStringList lines() const;
    // The log's line of the last failure of the report; "" when none failed.
    QString failureLine() const;
    // The same for a person, after a heading and without the log's marks: the copy saved
    // first, the modules, and what of the plan was not written.
    QStringList report(const RestorePlan& plan) const;

private:
    struct Fact {
        bool failure;
        QString text;
    };
    QList<Fact> facts() const;
};

// A whole car from its backup: read the car, plan, one confirmation, save what the car
// holds, then each block through the write gate; the first block that fails ends it.
class CarRestore {
    Q_DECLARE_TR_FUNCTIONS(CarRestore)
public:
    CarRestore(safety::WriteGate& gate, link::Host& host, link::LinkState& state);

    // Where the car's configuration is saved before writing: the user's data folder.
    static QString defaultSaveFolder();
    void setSaveFolder(const QString& folder) { m_saveFolder = folder; }

    // Reads the car and plans the writes; no plan when the car could not be read (the
    // outcome says why).
    struct Prepared {
        link::Outcome outcome;
        std::optional<RestorePlan> plan;
    };
    Prepared prepare(const VehicleConfig& file);
    const std::optional<VehicleConfig>& car() const { return m_car; }

    // Saves the car as read by prepare into the save folder, under a name no other file
    // has, and reads it back: the path of a complete, readable copy, or "" (logged).
    QString saveCar();

    // Saves the car, then hands the plan's blocks to the write gate as one batch: one
    // confirmation (choosable: the user may leave blocks out), then each block read
    // again, written, read back and recorded, in the plan's order; the first that fails
    // ends the restore.
    RestoreSummary run(const RestorePlan& plan, bool choosable);

    // The module address of each part of the gate's confirmation, in its order.
    const QStringList& partAddresses() const { return m_partAddresses; }

private:
    safety::WriteGate& m_gate;
    link::Host& m_host;
    link::LinkState& m_state;
    QString m_saveFolder;
    std::optional<VehicleConfig> m_car;
    QStringList m_partAddresses;
    QString m_saveFailure; // the line saveCar said when it saved nothing
};

} // namespace talmero::config
