#pragma once

#include <QString>

#include <utility>

namespace talmero::link {

// How one step with the adapter or a module ended: its kind, and for a failure the line
// the log shows (the program's own text, in the language it speaks). Callers decide by
// the kind; the line is only ever shown.
struct Outcome {
    enum class Kind {
        Done,
        AdapterSilent,  // the adapter did not answer its reset
        BusRefused,     // the adapter refused the bus's protocol command
        HeaderRefused,  // the adapter refused the module's CAN header
        ModuleSilent,   // the module did not answer
        ModuleRefused,  // the module answered negatively
        WrongAnswer,    // an answer that is not the one expected
        BlockRefused,   // a block its page does not show (refused, or of no known configuration)
        AdapterText,    // the adapter's own text, or a cut or garbled answer, in place of the module's
    };
    Kind kind = Kind::Done;
    QString line;

    bool ok() const { return kind == Kind::Done; }
    static Outcome done() { return {}; }
    static Outcome failed(Kind kind, QString line) { return {kind, std::move(line)}; }
};

} // namespace talmero::link
