#include "config/config_panel.h"

#include "config/block_reading.h"
#include "config/option_view.h"

#include <algorithm>

// The rules that keep dependent options consistent while the user edits a shown block:
// those a layout states as data, run for every module's block, and the few that are code.
namespace talmero::config {

namespace {

constexpr std::string_view kClockDisplay = "CheckBoxIPC47";
// The byte a pre-facelift block gets when the user declares a facelift dashboard:
// only the clock display set.
const QString kFaceliftByte = QStringLiteral("10000000");

} // namespace

// A rule that is code: the control that starts it and the block it works on, named by
// its module's address and the block's number.
struct ConfigPanel::Coupling {
    std::string_view control;
    std::string_view address;
    int block;
    void (ConfigPanel::*rule)(const BlockLayout& layout);
};

void ConfigPanel::RadioGroupIPCrdClick(const BlockLayout& b)
{
    if (m_view.item(QStringLiteral("RadioGroupIPCrd")) != 0)
        return;
    QString& decodedIPC = m_decoded[&b];
    if (decodedIPC.size() == b.shortLength) {
        decodedIPC += kFaceliftByte;
        m_conf[&b] = decodedIPC;
        // The new byte is now what the block holds; the options over it start from it.
        for (const Option& o : b.options) {
            if (o.onlyLength == b.capacity)
                m_shown.insert(qs(o.name), reading::decodedState(b, o, decodedIPC));
        }
    }
    m_view.setChecked(qs(kClockDisplay), true);
}

bool ConfigPanel::onUserChange(const QString& control)
{
    static constexpr Coupling kCouplings[] = {
        {"RadioGroupIPCrd", "720", 0x00, &ConfigPanel::RadioGroupIPCrdClick},
    };
    bool ran = sideGroupRule(control);
    for (const Coupling& c : kCouplings) {
        const car::Module* module = control == qs(c.control) ? car::moduleAt(c.address) : nullptr;
        if (const BlockLayout* layout = module ? car::layoutAt(*module, c.block) : nullptr) {
            (this->*c.rule)(*layout);
            ran = true;
        }
    }
    const BlockLayout* block = nullptr;
    if (const Option* option = findOption(control.toStdString(), &block))
        ran = choiceRules(*block, *option) || ran;
    return ran;
}

// The side group of a page whose sides are two blocks of one module (BCM's parts): the
// other block clears this one, whose changes go only when the user says so.
bool ConfigPanel::sideGroupRule(const QString& control)
{
    for (const PageInfo* page : pageInfos()) {
        if (qs(page->sideGroup) != control || page->twoModules())
            continue;
        if (!mayDiscardChanges()) {
            m_view.setItem(control, m_view.item(control) == 0 ? 1 : 0);
            return true;
        }
        if (!asBuiltAddress(*page).isEmpty())
            m_view.setText(QStringLiteral("Label3"), QStringLiteral("%1").arg(pageBlock(*page).asBuiltLine, 2, 10, QLatin1Char('0')));
        clearCONF();
        return true;
    }
    return false;
}

bool ConfigPanel::choiceRules(const BlockLayout& b, const Option& changed)
{
    bool ran = false;
    // The options that exist only in the whole block follow the choice by length.
    if (changed.byLength) {
        const bool whole = m_view.item(qs(changed.name)) == 0;
        for (const Option& o : b.options) {
            if (o.enable == EnableRule::FullBlock || o.onlyLength == b.capacity)
                m_view.setEnabled(qs(o.name), whole);
        }
        ran = true;
    }
    // An option that needs another follows that one's tick.
    if (changed.kind == OptionKind::Flag || changed.kind == OptionKind::JointFlag) {
        const bool on = m_view.checked(qs(changed.name));
        for (const Option& o : b.options) {
            const bool needs = o.enable == EnableRule::WhenPosSet
                && std::find(changed.pos.at.begin(), changed.pos.at.begin() + changed.pos.count, o.enablePos)
                       != changed.pos.at.begin() + changed.pos.count;
            if (!needs)
                continue;
            if (!on && o.untickWhenOff)
                m_view.setChecked(qs(o.name), false);
            m_view.setEnabled(qs(o.name), on);
            ran = true;
        }
    }
    // A choice that forbids writing the block.
    if (changed.blocksWriteItem >= 0) {
        bool forbidden = false;
        for (const Option& o : b.options)
            forbidden = forbidden || (o.blocksWriteItem >= 0 && m_view.item(qs(o.name)) == o.blocksWriteItem);
        setWritable(m_showsBlock && !forbidden);
        ran = true;
    }
    return ran;
}

} // namespace talmero::config
