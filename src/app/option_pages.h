#pragma once

#include <QFont>
#include <QString>
#include <functional>

class QWidget;

namespace talmero::car {
struct PageInfo;
}
namespace talmero::config {
using car::PageInfo;
}

namespace talmero::app {

// Builds the configuration pages and their side panel from the layout and page tables:
// every control named, captioned and in its start state. Adding an option to a table
// adds it to its page.
class OptionPages {
public:
    // Told the name of a check box or radio group whenever the user changes it.
    using UserChange = std::function<void(const QString& control)>;
    // font: the pages' font, which decides their row height.
    OptionPages(const QFont& font, UserChange onUserChange);

    // One notebook page with the options of its blocks and its own controls.
    QWidget* buildPage(const config::PageInfo& page) const;
    // PanelCONF: LabelCONF and the action buttons, not yet bound to their handlers.
    QWidget* buildPanel() const;

private:
    QFont m_font;
    UserChange m_onUserChange;
};

} // namespace talmero::app
