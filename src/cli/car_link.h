#pragma once

#include "cli/cli_args.h"
#include "cli/cli_host.h"
#include "link/adapter.h"
#include "link/channel.h"
#include "link/modules.h"
#include "link/session.h"
#include "safety/write_gate.h"

#include <memory>

namespace talmero::cli {

// The adapter of one command-line run: a serial port, a device path, a Wi-Fi adapter
// (HOST:PORT), or the demo car.
struct CarLink {
    // Opens the channel, resets and identifies the adapter, and chooses the journal of the
    // connection; throws link::LinkError with the text to show (no port, no answer, a
    // relay line the port does not have).
    CarLink(const CliArgs& args, link::Host& host);

    // "demo" or "demo-stn": the virtual car, whose writes keep a journal of their own.
    static bool isDemo(const QString& port);
    // The connection's journal, and the write gate's settings with it.
    static safety::JournalPlace journalOf(const CliArgs& args);
    safety::SafetySettings safetySettings() const { return {journal, minVoltage}; }

    // Where backups go: --dir, else the program's folder or the user's documents folder.
    static QString backupFolder(const CliArgs& args);
    // The backup a write offers first: looked for in the backup folder (and the documents
    // folder it falls back to) and among the restore's copies, taken into the backup folder.
    safety::BackupBeforeWrite backupBeforeWrite(const CliArgs& args, CliHost& host, QTextStream& err);

    std::unique_ptr<link::Channel> channel;
    std::unique_ptr<link::Adapter> adapter;
    std::unique_ptr<link::Session> session;
    link::LinkState state;
    link::AdapterIdentity identity;
    safety::JournalPlace journal;
    double minVoltage;
};

} // namespace talmero::cli
