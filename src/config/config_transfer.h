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
enum class WriteOutcome;
} // namespace talmero::safety

namespace talmero::config {

class ConfigPanel;

// Reads a page's configuration block from its module into the panel, and writes the
// panel's block back through the write gate (to one or both door modules on the door page).
class ConfigTransfer {
public:
    ConfigTransfer(ConfigPanel& panel, safety::WriteGate& gate, link::Host& host);

    // page: the active page of the configuration notebook (Page). The BCM part and the
    // doors come from RadioGroupBCMrd, RadioGroupDDMr and RadioGroupDDMw of the view.
    // Done when the page shows the block read; else the failure, logged (or, for a block
    // the page cannot show, said in a notice).
    link::Outcome ButtonCONFreadClick(int page);
    // Does nothing while ButtonCONFwrite is disabled (no writable block shown). True when
    // every chosen module holds the page's block afterwards, checked by reading it back.
    bool ButtonCONFwriteClick(int page);

    // The hex data a write of the page sends, from the block variable as it stands.
    static QString writeData(ConfigPanel& panel, int page);

private:
    QString logLine(const char* action, int page) const;
    safety::BlockWrite order(const PageInfo& info, const PageSide& side, const car::Module& module,
                             const QString& data) const;
    bool writeDoors(int page, const QString& data);
    void showReadBack(BlockId block, const safety::WriteResult& result);

    ConfigPanel& m_panel;
    safety::WriteGate& m_gate;
    link::Host& m_host;
};

} // namespace talmero::config
