#pragma once

#include "cli/cli_args.h"
#include "link/outcome.h"
#include "module_files/description_file.h"

#include <QList>

#include <QTextStream>

namespace talmero::link {
class Session;
} // namespace talmero::link

namespace talmero::cli {

class CliHost;
struct CarLink;

enum ExitCode { ExitOk = 0, ExitFailed = 1, ExitUsage = 2 };

// What a command needs: its arguments, standard output and error, and the host.
struct CommandContext {
    const CliArgs& args;
    QTextStream& out;
    QTextStream& err;
    CliHost& host;
    QList<module_files::FileOutcome> descriptionFiles = {}; // read at start, loaded or refused
    // The files --trust named: trusted for this command, stored once it succeeded.
    QList<std::shared_ptr<const car::DescriptionFile>> trustGiven = {};

    // Prints a failure ("! " text) to standard error; returns ExitFailed.
    int fail(const QString& text);
    // The same for an operation's outcome, unless a notice has shown it already.
    int fail(const link::Outcome& outcome);
    // The same, with otherwise when the outcome said nothing.
    int fail(const link::Outcome& outcome, const QString& otherwise);
    // Failures said on the way, on standard error unless the log went there (--log).
    void say(const QStringList& notes);
    // Prints the usage error and the usage text; returns ExitUsage.
    int usage(const QString& text);
};

// Runs the command of ctx.args; the exit status.
int runCommand(CommandContext& ctx);

int runOfflineCommand(CommandContext& ctx); // decode, encode, asbuilt, open-backup
int runCarCommand(CommandContext& ctx);     // everything that needs the adapter
int runJournalCommand(CommandContext& ctx); // history
int runCompareCommand(CommandContext& ctx); // compare
int runRestoreCommand(CommandContext& ctx); // restore
int runExplainCommand(CommandContext& ctx); // dtc explain
int runModulesCommand(CommandContext& ctx); // modules list|check|export|trust|untrust
int runAdaptersCommand(CommandContext& ctx); // adapters [search]
// Reads the description files into the program and trusts those --trust names for this
// command; false (with the error said) when one of them is no description file the
// program loaded.
bool loadDescriptionFiles(CommandContext& ctx);
// Stores the trust --trust gave when the command succeeded (exit 0), else says it was not
// stored; the exit status, 1 when the trust could not be stored.
int keepTrust(CommandContext& ctx, int exit);
// live --values: reads the values every second, as CSV on standard output and in --csv.
int recordLiveValues(CommandContext& ctx, link::Session& session);
// readiness: the engine's monitor status; exit 0 when every supported monitor completed.
int readinessCommand(CommandContext& ctx, CarLink& car);
// scan: which modules answer, the VINs they hold, their codes in the last reading of the car.
int scanModules(CommandContext& ctx, CarLink& car);

bool isOfflineCommand(const QString& command);

// Usage errors several commands share: "scan takes no arguments", "restore needs --port".
QString noArguments(const QString& command);
QString needsPort(const QString& command);
// Why a folder given with --dir cannot take a backup (it is not there, or not a folder);
// "" when it can, or none was given.
QString backupFolderProblem(const QString& dir);

} // namespace talmero::cli
