#pragma once

#include "config/layout.h"
#include "config/pages.h"
#include "link/outcome.h"

#include <QHash>
#include <QString>
#include <QStringList>


namespace talmero::link {
class Host;
}

namespace talmero::config {

class OptionView;

// The configuration tab's logic: block variables, reset, decode and encode over the
// layout tables, the coupling rules and the page change. Controls are reached through
// an OptionView, message boxes through the Host.
class ConfigPanel {
public:
    ConfigPanel(OptionView& view, link::Host& host);

    OptionView& view() { return m_view; }
    const OptionView& view() const { return m_view; }

    // The block variable of a layout (the one in use, or one a module or page side names):
    // '0'/'1' text, or hex text for a block held so (HCM).
    QString& conf(const BlockLayout& layout) { return m_conf[&layoutOf(layout)]; }
    const QString& conf(const BlockLayout& layout) const;

    // Every option of every page unticked and disabled, both action buttons disabled,
    // the AS-BUILT entry emptied, every variable but a hex-text one zeroed.
    void clearCONF();

    // Shows a block: true when shown, false when refused (the variable is then zero).
    // shownText is what an "Other" edit shows (HVAC gets the block's hex text).
    bool decode(const BlockLayout& layout, const QString& block, const QString& shownText = QString());
    // The same for a block as the module sends it, in hex: turned into bits, except for
    // the block held as hex text. shownText defaults to the hex itself. An odd number of
    // digits is refused.
    bool decodeHex(const BlockLayout& layout, const QString& hex, const QString& shownText = QString());
    // As decodeHex, for a block read from the module: done when the page shows it, else
    // a BlockRefused outcome (the decoder's notice said why, and a notice "!" follows a refusal).
    link::Outcome decodeShown(const BlockLayout& layout, const QString& hex);
    // A block from a file or an AS-BUILT line, not from the module: the length-given
    // choices (the dashboard type) are the user's to declare.
    bool decodeOffline(const BlockLayout& layout, const QString& hex, const QString& shownText = QString());

    // Rebuilds the variable from the block as decoded, with the positions of the options
    // whose state differs from what the decode showed; every other character and the
    // length stay as read. An earlier encode leaves no trace: a write that failed and is
    // tried again sends only what the page shows now.
    void encode(const BlockLayout& layout);
    // The hex data a write of the block sends, from its variable as it stands: a block
    // whose length choice names its shorter form (a pre-facelift dashboard) is cut to it.
    QString writeData(const BlockLayout& layout) const;
    // The block as its decode showed it, before the user's changes, in hex; "" while the
    // page shows no block.
    QString shownData(const BlockLayout& layout) const;

    // The side of a page chosen now by its side group (the BCM part, the door read).
    const PageSide& side(const PageInfo& page) const;
    // The layout in use that the page works on now.
    const BlockLayout& pageBlock(const PageInfo& page) const { return layoutOf(side(page)); }
    // What the log adds for the side chosen (" [Часть 2]"); "" for a page of one side.
    QString partSuffix(const PageInfo& page) const;

    // The user's own change of a control, after the view holds the new state: the rules
    // the layouts state as data (a choice that forbids writing, an option that needs
    // another, options that exist only in the whole block) and the couplings that are code.
    // Call only on a real change (re-selecting the selected item is none). True when a rule ran.
    bool onUserChange(const QString& control);

    // The page change, before it happens: false keeps the current page.
    bool TabbedCONFChange(const PageInfo& page, bool online);

    // Whether the user changed an option since the block was shown (and did not write it).
    bool hasUnwrittenChanges() const;
    // The options so changed, by control name.
    QStringList changedOptions() const;
    // Whether the options show a block (decoded), not the cleared page.
    bool showsBlock() const { return m_showsBlock; }
    // Whether the block shown may be written: shown, and no choice forbids it (the window's
    // Write button shows it).
    bool writable() const { return m_writable; }
    // Leaving a block with unwritten changes asks first; true when the page may go on.
    bool mayDiscardChanges();

private:
    struct Coupling;
    int shownState(const Option& o) const;
    int viewState(const Option& o) const;
    void show(const Option& o, int state);
    void setWritable(bool writable);
    bool choiceRules(const BlockLayout& layout, const Option& changed);
    bool sideGroupRule(const QString& control);
    void RadioGroupIPCrdClick(const BlockLayout& layout);

    OptionView& m_view;
    link::Host& m_host;
    QHash<const BlockLayout*, QString> m_conf;
    QHash<const BlockLayout*, QString> m_decoded;
    // Per option: the tick (0/1) or item its last decode or reset showed.
    QHash<QString, int> m_shown;
    const BlockLayout* m_shownLayout = nullptr; // the block shown, while one is
    bool m_showsBlock = false;
    bool m_writable = false;
};

} // namespace talmero::config
