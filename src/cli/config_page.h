#pragma once

#include "config/config_panel.h"
#include "config/map_option_view.h"

#include <QString>
#include <QTextStream>
#include <optional>

namespace talmero::link {
class Host;
}

namespace talmero::cli {

// The configuration tab without a window: one page of the panel on a map of controls.
class ConfigPage {
public:
    ConfigPage(const config::PageInfo& page, link::Host& host);

    // The page with this caption (IPC ... HCM), or of two modules whose first is named so
    // (DDM for the door page); nullptr if none.
    static const config::PageInfo* pageByCaption(const QString& caption);

    const config::PageInfo& page() const { return m_page; }
    config::ConfigPanel& panel() { return m_panel; }
    config::MapOptionView& view() { return m_view; }

    // Chooses the BCM part or the door read, as the page's side group would.
    void chooseSide(int side);
    // Chooses a choice's item as the user would (its rules run); false when the page has no
    // such choice.
    bool choose(const QString& control, int item);
    // Shows a block given as hex, as a read from the module would: done; Refused when the
    // page does not take it; BlockRefused when it shows it as of no known configuration.
    // The decoder's message is said in a notice.
    link::Outcome showHex(const QString& hex);
    // Applies NAME=VALUE as the user's own change (coupling rules run); error text or "".
    QString applySet(const QString& assignment);

    // "block HEX" (HCM: its text) of the variable as it stands.
    QString blockLine() const;
    // One line per option control, then "enabled: ..." (see the command's help).
    void writeListing(QTextStream& out) const;

private:
    const config::PageInfo& m_page;
    config::MapOptionView m_view;
    config::ConfigPanel m_panel;
};

} // namespace talmero::cli
