#pragma once

#include "config/pages.h"
#include "link/outcome.h"

#include <QString>

namespace talmero::link {
class Host;
} // namespace talmero::link

namespace talmero::safety {
class WriteGate;
struct BlockWrite;
struct WriteResult;
} // namespace talmero::safety

namespace talmero::config {

class ConfigPanel;

// What a page's write came to.
struct PageWrite {
    link::Outcome outcome; // done when every chosen module holds the block, read back
    // Failures said on the way that decided nothing (a journal row not completed, what
    // the backup taken first lacks).
    QStringList notes;
};

// Reads a page's configuration block from its module into the panel, and writes the
// panel's block back through the write gate (to one or both door modules on the door page).
class ConfigTransfer {
public:
    ConfigTransfer(ConfigPanel& panel, safety::WriteGate& gate, link::Host& host);

    // page: the active page of the configuration notebook. The side (BCM part, door) comes
    // from the page's side group; a door pair's write from RadioGroupDDMw.
    // Done when the page shows the block read; else the failure, logged (or, for a block
    // the page cannot show, said in a notice).
    link::Outcome ButtonCONFreadClick(const PageInfo& page);
    // Refused, saying nothing, while the panel shows no writable block. Done when every
    // chosen module holds the page's block afterwards, checked by reading it back.
    PageWrite ButtonCONFwriteClick(const PageInfo& page);

    // "IPC (Панель приборов)" + the side's suffix, as the log names a page's module.
    static QString pageText(const ConfigPanel& panel, const PageInfo& page);

private:
    safety::BlockWrite order(const PageInfo& info, const PageSide& side, const car::Module& module,
                             const QString& data) const;
    PageWrite writeDoors(const PageInfo& page, const QString& data);
    void showReadBack(const BlockLayout& layout, const safety::WriteResult& result);

    ConfigPanel& m_panel;
    safety::WriteGate& m_gate;
    link::Host& m_host;
};

} // namespace talmero::config
