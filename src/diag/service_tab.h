#pragma once

#include "link/modules.h"
#include "link/outcome.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace talmero::link {
class Host;
} // namespace talmero::link

namespace talmero::safety {
class WriteGate;
} // namespace talmero::safety

namespace talmero::diag {

// What the service tab shows once a module has been chosen.
struct ModuleChoice {
    QString manualBlock;  // block address for the manual read and write, "" when none
    QString vinBlock; // VIN block address, "" when none
    QString manualNote;   // "" or "не поддерживается"
    QString vinNote;  // "" or "не поддерживается"
    bool manualAllowed = false;
    bool vinAllowed = false;
    bool restartAllowed = false;
    QString notice;    // a notice to show after the change, "" for none
};

// The text of a module's item in the module choice: "IPC (Панель приборов)".
QString moduleItemText(const link::TModuls& module);
// The items of the module choice: the catalog's modules, the program's own first.
QStringList moduleItems();

// Makes catalog entry `item` the current module and says what the tab shows for it;
// nothing for an item outside the catalog. (The module choice's items are the catalog's.)
std::optional<ModuleChoice> RadioGroupModClick(int item, link::LinkState& state);

// An address edit's text as typed, kept to hex digits, upper-cased, at most two.
QString addressEditText(const QString& typed);

// How a service operation ended, and what it read.
struct ServiceResult {
    link::Outcome outcome; // a write: done when the module holds the data, read back equal
    QString data;          // the VIN, or the block's hex digits, as read
    bool accepted = false; // a write got past the input checks: the data and block fields are emptied
};

// The service operations on the current module: VIN, manual block read and write,
// restart. Each logs its steps and commands. Writes and restarts go through the write gate.
class ServiceTab {
public:
    ServiceTab(safety::WriteGate& gate, link::Host& host, link::LinkState& state);

    // The VIN read from block vinAddress. A VIN that passes the VIN rule is remembered as
    // the car's.
    ServiceResult ButtonReadVINClick(const QString& vinAddress);
    // The data of block blockAddress as hex digits.
    ServiceResult ButtonReadEMClick(const QString& blockAddress);
    // Writes hex data into block blockAddress; a bad block or address is said in a notice.
    ServiceResult ButtonWriteEMClick(const QString& blockAddress, const QString& data);
    // Done when the module confirmed its restart; Cancelled when the user said no.
    link::Outcome ButtonRestartClick();

private:
    // Opens the current module and reads one block; a failure is logged.
    ServiceResult readBlock(const QString& address);

    safety::WriteGate& m_gate;
    link::Host& m_host;
    link::LinkState& m_state;
};

} // namespace talmero::diag
