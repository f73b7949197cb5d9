#pragma once

#include "config/layout.h"

#include <QString>

namespace talmero::link {
class Host;
class Session;
} // namespace talmero::link

namespace talmero::config {

class ConfigPanel;

// Reads a page's configuration block from its module into the panel, and writes the
// panel's block back (to one or both door modules on the door page).
class ConfigTransfer {
public:
    ConfigTransfer(ConfigPanel& panel, link::Session& session, link::Host& host);

    // page: the active page of the configuration notebook (Page). The BCM part and the
    // doors come from RadioGroupBCMrd, RadioGroupDDMr and RadioGroupDDMw of the view.
    void ButtonCONFreadClick(int page);
    // Does nothing while ButtonCONFwrite is disabled (no writable block shown).
    void ButtonCONFwriteClick(int page);

    // The hex data a write of the page sends, from the block variable as it stands.
    static QString writeData(ConfigPanel& panel, int page);

private:
    QString logLine(const char* action, int page) const;
    QString send(const QString& command);
    void writeDoors(int page);

    ConfigPanel& m_panel;
    link::Session& m_session;
    link::Host& m_host;
};

} // namespace talmero::config
