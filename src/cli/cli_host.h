#pragma once

#include "link/host.h"

#include <QStringList>

namespace talmero::cli {

// One block of a change as the command line lists it: the module and block, the options
// that change, the bytes old -> new, and the warnings.
QString partText(const link::ChangeRequest::Part& part);
// The offer of a backup before the first write to a car, as a line; the command line
// takes it (--no-backup offers none).
QString backupOffer(const link::ChangeRequest& request);
// Prints text and question on standard error and reads the answer from standard input:
// "y" or "yes" agrees, anything else or the end of input does not; yes (--yes) answers y.
bool answerYesNo(const QString& text, const QString& question, bool yes);

// The log and the notices of a command-line run: both go to standard error. Without
// --yes a notice waits for a line on standard input, as a message box waits for OK, and
// says so.
class CliHost : public link::Host {
public:
    CliHost(bool echoLog, bool waitForAcknowledgement)
        : m_echoLog(echoLog), m_wait(waitForAcknowledgement), m_yes(!waitForAcknowledgement) {}

    void log(const QString& line) override;
    void notify(const QString& text) override;
    // A bus prompt: a line "c" (or "cancel") cancels, any other line or the end of input
    // goes on.
    bool acknowledge(const QString& text) override;
    // Nothing on the command line leaves a page with changes; a question answers yes.
    bool ask(const QString&) override { return true; }
    // The change on standard error, then a question on standard input unless --yes.
    bool confirm(const link::ChangeRequest& request) override;

    // Notices never wait (offline commands show decoder messages, nothing to confirm).
    void setWaiting(bool wait) { m_wait = wait; }
    // Whether the log goes to standard error (--log).
    bool echoesLog() const { return m_echoLog; }
    // For a command whose output is its log (live): from now on every log line is also
    // added to copy, until it is set to nullptr.
    void copyLogTo(QStringList* copy) { m_copy = copy; }

private:
    bool m_echoLog;
    bool m_wait;
    bool m_yes; // --yes: every question is answered yes
    QStringList* m_copy = nullptr;
};

} // namespace talmero::cli
