#include "config/config_panel.h"

#include "config/block_reading.h"
#include "config/option_view.h"
#include "config/pages.h"
#include "link/codecs.h"
#include "link/host.h"

#include <QCoreApplication>

namespace talmero::config {

using namespace reading;

namespace {

const QString kButtonWrite = QStringLiteral("ButtonCONFwrite");
const QString kButtonGetAsBuilt = QStringLiteral("ButtonCONFgetASBUILT");

} // namespace

ConfigPanel::ConfigPanel(OptionView& view, link::Host& host) : m_view(view), m_host(host) {}

int ConfigPanel::shownState(const Option& o) const
{
    return m_shown.value(qs(o.name), o.isRadioGroup() ? -1 : 0);
}

int ConfigPanel::viewState(const Option& o) const
{
    const QString name = qs(o.name);
    return o.isRadioGroup() ? m_view.item(name) : (m_view.checked(name) ? 1 : 0);
}

void ConfigPanel::show(const Option& o, int state)
{
    const QString name = qs(o.name);
    if (o.isRadioGroup())
        m_view.setItem(name, state);
    else
        m_view.setChecked(name, state == 1);
    m_shown.insert(name, state);
}

void ConfigPanel::setWritable(bool writable)
{
    m_writable = writable;
    m_view.setEnabled(kButtonWrite, writable);
}

const QString& ConfigPanel::conf(const BlockLayout& layout) const
{
    static const QString none;
    const auto it = m_conf.constFind(&layoutOf(layout));
    return it == m_conf.constEnd() ? none : *it;
}

void ConfigPanel::clearCONF()
{
    m_showsBlock = false;
    m_shownLayout = nullptr;
    m_writable = false;
    for (const BlockLayout* b : blockLayouts()) {
        for (const Option& o : b->options) {
            m_view.setEnabled(qs(o.name), false);
            show(o, o.isRadioGroup() ? -1 : 0);
        }
    }
    // Page controls that start disabled go back to their start; the part and door
    // chosen for reading keep their selection.
    for (const PlacedControl& c : pageControls()) {
        if (c.startEnabled)
            continue;
        const QString name = qs(c.name);
        m_view.setEnabled(name, false);
        if (c.kind == ControlKind::RadioGroup)
            m_view.setItem(name, c.startItem);
        else if (c.kind == ControlKind::Edit)
            m_view.setText(name, QString());
    }
    m_view.setText(QStringLiteral("Edit1"), QString());
    for (const BlockLayout* b : blockLayouts()) {
        if (!b->hexText)
            m_conf[b] = qs(b->zero);
        m_decoded[b] = m_conf.value(b);
    }
}

bool ConfigPanel::decode(const BlockLayout& layout, const QString& block, const QString& shownText)
{
    const BlockLayout& b = layoutOf(layout);
    QString& var = m_conf[&b];
    var = block.left(b.capacity);
    for (const Option& o : b.options)
        m_shown.remove(qs(o.name));
    m_decoded[&b] = var;
    if (!accepts(b, var)) {
        var = qs(b.zero);
        m_decoded[&b] = var;
        if (!b.refuseMessage.empty())
            m_host.notify(tl(b.refuseMessage));
        return false;
    }
    const ShownBlock shown = showBlock(b, var);
    if (!shown.known) {
        m_host.notify(tl(b.unknownMessage));
        return true;
    }
    m_showsBlock = true;
    m_shownLayout = &b;
    for (const ShownBlock::State& s : shown.options) {
        show(*s.option, s.state);
        if (s.state >= 0 && s.state == s.option->otherItem && !s.option->otherEdit.empty())
            m_view.setText(qs(s.option->otherEdit), shownText.isNull() ? var : shownText);
    }
    for (const ShownBlock::State& s : shown.options) {
        if (s.enabled)
            m_view.setEnabled(qs(s.option->name), true);
    }
    if (!b.alsoEnabled.empty())
        m_view.setEnabled(qs(b.alsoEnabled), true);
    setWritable(shown.writable);
    if (b.asBuiltLine > 0)
        m_view.setEnabled(kButtonGetAsBuilt, true);
    return true;
}

bool ConfigPanel::decodeHex(const BlockLayout& layout, const QString& hex, const QString& shownText)
{
    // Half a byte is no block of any module: a damaged answer or stored text cannot say
    // where its bytes begin, and showing it would write them shifted or cut. Refused as
    // the empty block is.
    if (hex.size() % 2 != 0)
        return decode(layout, QString());
    if (layout.hexText)
        return decode(layout, hex);
    return decode(layout, link::HEX2BIN(hex), shownText.isNull() ? hex : shownText);
}

link::Outcome ConfigPanel::decodeShown(const BlockLayout& layout, const QString& hex)
{
    const BlockLayout& b = layoutOf(layout);
    if (!decodeHex(b, hex)) {
        m_host.notify(QStringLiteral("!"));
        return link::Outcome::notified(link::Outcome::Kind::BlockRefused, QStringLiteral("! ") + tl(b.refuseMessage));
    }
    if (!m_showsBlock)
        return link::Outcome::notified(link::Outcome::Kind::BlockRefused, QStringLiteral("! ") + tl(b.unknownMessage));
    return link::Outcome::done();
}

bool ConfigPanel::decodeOffline(const BlockLayout& layout, const QString& hex, const QString& shownText)
{
    for (const Option& o : layoutOf(layout).options) {
        if (o.byLength)
            m_view.setEnabled(qs(o.name), true);
    }
    return decodeHex(layout, hex, shownText);
}

void ConfigPanel::encode(const BlockLayout& layout)
{
    const BlockLayout& b = layoutOf(layout);
    QString& var = m_conf[&b];
    var = m_decoded.value(&b);
    for (const Option& o : b.options) {
        if (!o.writes() || !applies(o, var))
            continue;
        const int now = viewState(o);
        // An option the user left as shown keeps its characters as read, so bits the
        // page cannot show (a half-set joint flag, an odd climate byte) survive.
        if (now == shownState(o))
            continue;
        const QString pattern = patternOf(o, now);
        if (pattern.isEmpty())
            continue;
        for (int k = 0; k < o.pos.count; ++k) {
            if (o.pos.at[k] <= var.size())
                var[o.pos.at[k] - 1] = pattern.at(k);
        }
    }
}

QString ConfigPanel::writeData(const BlockLayout& layout) const
{
    const BlockLayout& b = layoutOf(layout);
    const QString& var = conf(b);
    if (b.hexText)
        return var.toUpper();
    // The shorter form the length choice names (a pre-facelift dashboard takes 4 bytes,
    // even from a block grown to 5).
    for (const Option& o : b.options) {
        if (o.byLength && m_view.item(qs(o.name)) != 0)
            return link::BIN2HEX(var.left(b.shortLength));
    }
    return link::BIN2HEX(var);
}

QString ConfigPanel::shownData(const BlockLayout& layout) const
{
    const BlockLayout& b = layoutOf(layout);
    if (!m_showsBlock)
        return QString();
    const QString var = m_decoded.value(&b);
    return b.hexText ? var.toUpper() : link::BIN2HEX(var);
}

const PageSide& ConfigPanel::side(const PageInfo& page) const
{
    return page.sides[page.sideGroup.empty() || m_view.item(qs(page.sideGroup)) == 0 ? 0 : 1];
}

QString ConfigPanel::partSuffix(const PageInfo& page) const
{
    return tl(side(page).suffix, "Pages");
}

QStringList ConfigPanel::changedOptions() const
{
    QStringList names;
    for (const BlockLayout* b : blockLayouts()) {
        for (const Option& o : b->options) {
            if (o.writes() && viewState(o) != shownState(o))
                names.append(qs(o.name));
        }
    }
    return names;
}

bool ConfigPanel::hasUnwrittenChanges() const
{
    return !changedOptions().isEmpty();
}

bool ConfigPanel::mayDiscardChanges()
{
    return !hasUnwrittenChanges()
        || m_host.ask(QCoreApplication::translate("ConfigPanel", "Изменённые параметры не записаны в модуль. Отменить изменения?"));
}

bool ConfigPanel::TabbedCONFChange(const PageInfo& info, bool online)
{
    if (!mayDiscardChanges())
        return false;
    const QString asBuiltByte = asBuiltAddress(info);
    const bool asBuilt = !asBuiltByte.isEmpty();
    if (!online && !asBuilt) {
        m_host.notify(QCoreApplication::translate("ConfigPanel", "В OFFLINE режиме доступны только вкладки IPC и BCM"));
        return false;
    }
    m_view.setVisible(QStringLiteral("ButtonCONFopenASBUILT"), asBuilt);
    m_view.setVisible(kButtonGetAsBuilt, asBuilt);
    m_view.setText(QStringLiteral("LabelCONF"), tl(info.title, "Pages"));
    if (asBuilt) {
        m_view.setText(QStringLiteral("Label2"), asBuiltByte);
        m_view.setText(QStringLiteral("Label3"), QStringLiteral("%1").arg(layoutOf(side(info)).asBuiltLine, 2, 10, QLatin1Char('0')));
        m_view.setText(QStringLiteral("Label4"), QStringLiteral("01"));
    }
    clearCONF();
    return true;
}

} // namespace talmero::config
