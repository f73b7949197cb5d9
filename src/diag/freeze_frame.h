#pragma once

#include "diag/live_values.h"
#include "link/outcome.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace talmero::link {
class Adapter;
} // namespace talmero::link

// The freeze frame of the engine module (OBD-II service 02, frame 0): the values it kept
// at the moment it stored a code.
namespace talmero::diag {

struct FrozenValue {
    const LiveValue* value = nullptr;
    double reading = 0;
};

struct FreezeFrame {
    QString code;              // the code that stored it: "P0420"
    QList<FrozenValue> values; // in the value table's order
};

// What asking for the frame gave: Done with the frame, Done without one when the engine
// keeps none, or why it could not be read; the outcome's line is the log's.
struct FreezeFrameResult {
    link::Outcome outcome;
    std::optional<FreezeFrame> frame;
};

class FreezeFrameReader {
    Q_DECLARE_TR_FUNCTIONS(FreezeFrame)
public:
    // Asks the engine module, selected beforehand, which code stored frame 0, which of the
    // table's values the frame holds, and each of them.
    static FreezeFrameResult read(link::Adapter& adapter);
};

// The frame for people, one value a line after the indent, under a heading naming its code.
QStringList freezeFrameLines(const FreezeFrame& frame, const QString& indent);
QString freezeFrameTitle(const FreezeFrame& frame);

} // namespace talmero::diag
