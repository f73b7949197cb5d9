#pragma once

#include "config/layout.h"
#include "config/pages.h"
#include "link/outcome.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace talmero::link {
class Host;
}

namespace talmero::config {

class OptionView;

// The configuration tab's logic: block variables, reset, decode and encode over the
// layout tables, the coupling rules and the page change. Controls are reached through
// an OptionView, message boxes through the Host.
class ConfigPanel {
    // First, so that the named references below bind to constructed strings; one per
    // layout of the catalog, which does not change while a panel exists.
    std::vector<QString> m_conf = std::vector<QString>(std::size_t(layoutCount()));

public:
    ConfigPanel(OptionView& view, link::Host& host);
    // The named variables refer into this object.
    ConfigPanel(const ConfigPanel&) = delete;
    ConfigPanel& operator=(const ConfigPanel&) = delete;

    OptionView& view() { return m_view; }

    // Block variables: '0'/'1' text, confHCM hex text.
    QString& conf(BlockId id) { return m_conf[int(id)]; }
    const QString& conf(BlockId id) const { return m_conf[int(id)]; }
    QString& confIPC = m_conf[int(BlockId::IPC)];
    QString& confACM = m_conf[int(BlockId::ACM)];
    QString& confBCM1 = m_conf[int(BlockId::BCM1)];
    QString& confBCM2 = m_conf[int(BlockId::BCM2)];
    QString& confDDM = m_conf[int(BlockId::DDM)];
    QString& confHVAC = m_conf[int(BlockId::HVAC)];
    QString& confRCM = m_conf[int(BlockId::RCM)];
    QString& confABS = m_conf[int(BlockId::ABS)];
    QString& confHCM = m_conf[int(BlockId::HCM)];

    // Every option of every page unticked and disabled, both action buttons disabled,
    // the AS-BUILT entry emptied, every variable but confHCM zeroed.
    void clearCONF();

    // Shows a block: true when shown, false when refused (the variable is then zero).
    // shownText is what an "Other" edit shows (HVAC gets the block's hex text).
    bool decode(BlockId id, const QString& block, const QString& shownText = QString());
    // The same for a block as the module sends it, in hex: turned into bits, except for
    // the block held as hex text. shownText defaults to the hex itself. An odd number of
    // digits is refused.
    bool decodeHex(BlockId id, const QString& hex, const QString& shownText = QString());
    // As decodeHex, for a block read from the module: done when the page shows it, else
    // a BlockRefused outcome (the decoder's notice said why, and a notice "!" follows a refusal).
    link::Outcome decodeShown(BlockId id, const QString& hex);
    // A block from a file or an AS-BUILT line, not from the module: the length-given
    // choices (the dashboard type) are the user's to declare.
    bool decodeOffline(BlockId id, const QString& hex, const QString& shownText = QString());
    bool decodeIPC(const QString& bits) { return decode(BlockId::IPC, bits); }
    bool decodeBCM2(const QString& bits) { return decode(BlockId::BCM2, bits); }

    // Rebuilds the variable from the block as decoded, with the positions of the options
    // whose state differs from what the decode showed; every other character and the
    // length stay as read. An earlier encode leaves no trace: a write that failed and is
    // tried again sends only what the page shows now.
    void encode(BlockId id);
    // The block as its last decode (or reset) left it.
    const QString& decoded(BlockId id) const { return m_decoded[int(id)]; }
    void encodeIPC() { encode(BlockId::IPC); }
    void encodeACM() { encode(BlockId::ACM); }
    void encodeBCM() { encode(bcmPart()); }
    void encodeHVAC() { encode(BlockId::HVAC); }
    void encodeRCM() { encode(BlockId::RCM); }
    void encodeABS() { encode(BlockId::ABS); }
    void encodeHCM() { encode(BlockId::HCM); }

    // The side of a page chosen now: the BCM part by RadioGroupBCMrd, the door by RadioGroupDDMr.
    const PageSide& side(const PageInfo& page) const;
    // The block a page works on now (the BCM part by RadioGroupBCMrd).
    BlockId pageBlock(int page) const;
    BlockId bcmPart() const;
    // 0 or 1: the BCM part or the door side chosen on the page; 0 where there is no choice.
    int pageSide(int page) const;
    QString partSuffix(int page) const;

    // Coupling rules: the user's own change of a control, after the view holds the new
    // state. Call only on a real change (re-selecting the selected item is none).
    void RadioGroupIPCrdClick();
    void RadioGroupBCMrdClick();
    void CheckBox1BCM15Click();
    void CheckBox2BCM02Click();
    void RadioGroupHVACClick();
    void RadioGroupHCM1Click();
    void RadioGroupHCM2Click();
    // Runs the rule of that control, if it has one; true when one ran.
    bool onUserChange(const QString& control);

    // The page change, before it happens: false keeps the current page.
    bool TabbedCONFChange(int newTab, bool online);

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
    int shownState(const Option& o) const;
    int viewState(const Option& o) const;
    void show(const Option& o, int state);
    void enableWriteByChoice(std::string_view group);
    void setWritable(bool writable);
    void dependentFollows(std::string_view control, std::string_view dependent, bool untickWhenOff);

    OptionView& m_view;
    link::Host& m_host;
    std::vector<QString> m_decoded = std::vector<QString>(std::size_t(layoutCount()));
    // Per option: the tick (0/1) or item its last decode or reset showed.
    QHash<QString, int> m_shown;
    bool m_showsBlock = false;
    bool m_writable = false;
};

} // namespace talmero::config
