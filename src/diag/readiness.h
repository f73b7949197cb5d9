#pragma once

#include "link/outcome.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

namespace talmero::link {
class Session;
} // namespace talmero::link

// The engine module's monitor status (OBD-II service 01, SAE J1979): whether its emission
// self-tests have run since the codes were cleared (PID 01) and in this driving cycle
// (PID 41), the warning lamp and the number of stored codes.
namespace talmero::diag {

enum class MonitorState { Complete, Incomplete, NotSupported };

struct MonitorStatus {
    const char* name; // context "Readiness"
    MonitorState state = MonitorState::NotSupported;
};

struct Readiness {
    int pid = 0x01;
    bool lamp = false;   // the engine commands the warning lamp on (PID 01 only)
    int storedCodes = 0; // emission-related codes it holds (PID 01 only)
    bool compressionIgnition = false;
    QList<MonitorStatus> monitors; // the continuous ones first, then J1979's bit order
    // Every monitor the engine supports (for PID 41: runs this cycle) has completed.
    bool allComplete() const;
    QStringList incomplete() const; // names, in the program's language
};

// PID 01 or 41 from its four data bytes. For PID 41 the ignition kind is PID 01's: its
// first byte carries neither lamp nor count.
Readiness decodeReadiness(int pid, const quint8 data[4], bool compressionIgnition = false);
// From the cut answer to "0101" or "0141"; nullopt for anything but four data bytes.
std::optional<Readiness> parseReadiness(int pid, const QString& cut, bool compressionIgnition = false);

// What one readiness check gave: Done with both statuses (the cycle's when the engine
// gives it), or why nothing was read; the outcome's line is the log's in either case.
struct ReadinessResult {
    link::Outcome outcome;
    std::optional<Readiness> sinceCleared;
    std::optional<Readiness> thisCycle;
};

class ReadinessCheck {
    Q_DECLARE_TR_FUNCTIONS(Readiness)
public:
    // Opens the engine module and asks PID 01, then PID 41.
    static ReadinessResult run(link::Session& session);
};

QString monitorName(const MonitorStatus& monitor);
QString monitorStateText(MonitorState state, int pid);
// The readiness for people: the lamp and the codes (PID 01), the ignition kind, one line
// per monitor, indented.
QStringList readinessLines(const Readiness& readiness);
// "since the codes were cleared" / "this driving cycle".
QString readinessTitle(int pid);

} // namespace talmero::diag
