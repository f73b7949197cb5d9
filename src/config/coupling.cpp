#include "config/config_panel.h"

#include "config/block_reading.h"
#include "config/option_view.h"

// The rules that keep dependent options consistent while the user edits a shown block.
namespace talmero::config {

namespace {

constexpr std::string_view kClockDisplay = "CheckBoxIPC47";
// The byte a pre-facelift block gets when the user declares a facelift dashboard:
// only the clock display set.
const QString kFaceliftByte = QStringLiteral("10000000");

} // namespace

void ConfigPanel::RadioGroupIPCrdClick()
{
    const BlockLayout& b = layoutOf(BlockId::IPC);
    const bool facelift = m_view.item(QStringLiteral("RadioGroupIPCrd")) == 0;
    if (facelift) {
        QString& decodedIPC = m_decoded[int(BlockId::IPC)];
        if (decodedIPC.size() == 32) {
            decodedIPC += kFaceliftByte;
            confIPC = decodedIPC;
            // The new byte is now what the block holds; the options over it start from it.
            for (const Option& o : b.options) {
                if (o.onlyLength == b.capacity)
                    m_shown.insert(qs(o.name), reading::decodedState(b, o, decodedIPC));
            }
        }
        m_view.setChecked(qs(kClockDisplay), true);
    }
    for (const Option& o : b.options) {
        if (o.enable == EnableRule::FullBlock || o.onlyLength == b.capacity)
            m_view.setEnabled(qs(o.name), facelift);
    }
}

void ConfigPanel::RadioGroupBCMrdClick()
{
    // The other part clears this one: its changes go only when the user says so.
    if (!mayDiscardChanges()) {
        m_view.setItem(QStringLiteral("RadioGroupBCMrd"), m_view.item(QStringLiteral("RadioGroupBCMrd")) == 0 ? 1 : 0);
        return;
    }
    const bool part1 = m_view.item(QStringLiteral("RadioGroupBCMrd")) == 0;
    m_view.setText(QStringLiteral("Label3"), part1 ? QStringLiteral("01") : QStringLiteral("02"));
    clearCONF();
}

void ConfigPanel::dependentFollows(std::string_view control, std::string_view dependent,
                                   bool untickWhenOff)
{
    const bool on = m_view.checked(qs(control));
    if (!on && untickWhenOff)
        m_view.setChecked(qs(dependent), false);
    m_view.setEnabled(qs(dependent), on);
}

void ConfigPanel::CheckBox1BCM15Click()
{
    dependentFollows("CheckBox1BCM15", "CheckBox1BCM17", true);
}

void ConfigPanel::CheckBox2BCM02Click()
{
    // The reverse wipe keeps its tick, and is written as shown, without the rear wiper.
    dependentFollows("CheckBox2BCM02", "CheckBox2BCM01", false);
}

void ConfigPanel::enableWriteByChoice(std::string_view group)
{
    const Option* o = findOption(group);
    setWritable(m_showsBlock && m_view.item(qs(group)) != o->blocksWriteItem);
}

void ConfigPanel::RadioGroupHVACClick()
{
    enableWriteByChoice("RadioGroupHVAC");
}

void ConfigPanel::RadioGroupHCM1Click()
{
    enableWriteByChoice("RadioGroupHCM1");
}

void ConfigPanel::RadioGroupHCM2Click()
{
    enableWriteByChoice("RadioGroupHCM2");
}

bool ConfigPanel::onUserChange(const QString& control)
{
    static const struct {
        const char* control;
        void (ConfigPanel::*rule)();
    } kRules[] = {
        {"RadioGroupIPCrd", &ConfigPanel::RadioGroupIPCrdClick},
        {"RadioGroupBCMrd", &ConfigPanel::RadioGroupBCMrdClick},
        {"CheckBox1BCM15", &ConfigPanel::CheckBox1BCM15Click},
        {"CheckBox2BCM02", &ConfigPanel::CheckBox2BCM02Click},
        {"RadioGroupHVAC", &ConfigPanel::RadioGroupHVACClick},
        {"RadioGroupHCM1", &ConfigPanel::RadioGroupHCM1Click},
        {"RadioGroupHCM2", &ConfigPanel::RadioGroupHCM2Click},
    };
    for (const auto& r : kRules) {
        if (control == QLatin1String(r.control)) {
            (this->*r.rule)();
            return true;
        }
    }
    return false;
}

} // namespace talmero::config
