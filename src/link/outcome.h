#pragma once

#include <QString>

#include <utility>

namespace talmero::link {

// How one step or one operation ended: its kind, and the line the log shows for it (the
// program's own text, in the language it speaks, with its mark: "* " done, "! " not).
// Callers decide by the kind; the line is only ever shown.
struct Outcome {
    enum class Kind {
        Done,
        Refused,        // refused before anything was sent to a module (a check, the battery, the journal)
        Cancelled,      // the user said no, or pressed Cancel
        Failed,         // it did not happen, or not whole
        Unknown,        // sent, and whether the module took it is not known
        ConnectionLost, // the connection to the adapter was lost on the way
        // How a step with the adapter or a module failed:
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
    bool shown = false; // its text was shown in a notice too

    bool ok() const { return kind == Kind::Done; }
    bool lost() const { return kind == Kind::ConnectionLost; }
    // The line without its mark, as a status line or a message shows it.
    QString text() const { return line.mid(2); }
    static Outcome done(QString line = QString()) { return {Kind::Done, std::move(line)}; }
    static Outcome failed(Kind kind, QString line) { return {kind, std::move(line)}; }
    // The same, said in a notice as well.
    static Outcome notified(Kind kind, QString line) { return {kind, std::move(line), true}; }
};

} // namespace talmero::link
