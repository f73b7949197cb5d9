#pragma once

#include "car/module.h"
#include "link/outcome.h"

#include <QCoreApplication>
#include <QStringList>

namespace talmero::link {
struct ChangeRequest;
class WritePermit;
} // namespace talmero::link

namespace talmero::safety {

class GateContext;

// The requests that change a module without a block: a restart and clearing trouble codes,
// each agreed to once, for the module it names, with a journal to record it and a battery
// that allows it.
class ChangeRequests {
    Q_DECLARE_TR_FUNCTIONS(WriteGate)
public:
    ChangeRequests(GateContext& gate, const link::WritePermit& permit) : m_gate(gate), m_permit(permit) {}

    // Reads the battery and asks once for the listed modules (their titles and records).
    // Done when the user agreed; Cancelled when he said no; else the refusal, said.
    link::Outcome confirmClearing(const QStringList& titles, const QList<const car::Module*>& modules);
    // Sends the request to one agreed module, once, while it is the module the adapter has
    // open. Done when the module confirmed it; else why not: a refusal (Refused) has been
    // said, any other line is the caller's to log.
    link::Outcome clearCodes(const car::Module& module);
    link::Outcome confirmRestart(const QString& title, const car::Module& module);
    link::Outcome restart(const car::Module& module);

private:
    link::Outcome ask(link::ChangeRequest request);
    link::Outcome mayRequest(QStringList& agreed, const QString& address);
    link::Outcome sendRecorded(const QString& kind, const QString& address, const QString& command,
                               const QString& accepted);

    GateContext& m_gate;
    const link::WritePermit& m_permit;
    QStringList m_clearingAgreed; // modules agreed to and not cleared yet
    QStringList m_restartAgreed;
};

} // namespace talmero::safety
