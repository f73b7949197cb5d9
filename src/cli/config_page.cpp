#include "cli/config_page.h"

#include "config/pages.h"
#include "link/codecs.h"

#include <QCoreApplication>

namespace talmero::cli {

using namespace config;

namespace {

bool isHex(const QString& text)
{
    for (QChar c : text) {
        if (link::hexDigitValue(c) < 0)
            return false;
    }
    return !text.isEmpty();
}

bool onPage(const PageInfo& page, const BlockLayout& block)
{
    return pageLayouts(page).contains(&block);
}

} // namespace

ConfigPage::ConfigPage(const PageInfo& page, link::Host& host) : m_page(page), m_view(true), m_panel(m_view, host)
{
    m_panel.TabbedCONFChange(page, true);
}

const PageInfo* ConfigPage::pageByCaption(const QString& caption)
{
    if (const PageInfo* page = car::pageCaptioned(caption.toUpper().toStdString()))
        return page;
    for (const PageInfo* page : pageInfos()) {
        if (page->twoModules() && moduleOf(page->sides[0]).name == caption.toUpper().toStdString())
            return page;
    }
    return nullptr;
}

void ConfigPage::chooseSide(int side)
{
    const QString group = qs(m_page.sideGroup);
    if (group.isEmpty() || m_view.item(group) == side)
        return;
    m_view.setItem(group, side);
    m_panel.onUserChange(group);
}

bool ConfigPage::choose(const QString& control, int item)
{
    const BlockLayout* block = nullptr;
    const Option* option = findOption(control.toStdString(), &block);
    if (!option || !onPage(m_page, *block))
        return false;
    if (m_view.item(control) != item) {
        m_view.setItem(control, item);
        m_panel.onUserChange(control);
    }
    return true;
}

link::Outcome ConfigPage::showHex(const QString& hex)
{
    m_panel.clearCONF();
    const BlockLayout& layout = m_panel.pageBlock(m_page);
    if (!isHex(hex))
        return link::Outcome::failed(link::Outcome::Kind::Refused, QString());
    if (!m_panel.decodeHex(layout, hex.toUpper())) {
        return layout.refuseMessage.empty()
            ? link::Outcome::failed(link::Outcome::Kind::Refused, QString())
            : link::Outcome::notified(link::Outcome::Kind::Refused, QStringLiteral("! ") + tl(layout.refuseMessage));
    }
    if (!m_panel.showsBlock())
        return link::Outcome::notified(link::Outcome::Kind::BlockRefused, QStringLiteral("! ") + tl(layout.unknownMessage));
    return link::Outcome::done();
}

QString ConfigPage::applySet(const QString& assignment)
{
    const QString name = assignment.section(QLatin1Char('='), 0, 0);
    const QString value = assignment.section(QLatin1Char('='), 1);
    const BlockLayout* block = nullptr;
    const Option* option = findOption(name.toStdString(), &block);
    if (!option || !onPage(m_page, *block))
        return QCoreApplication::translate("Cli", "на этой странице нет параметра %1").arg(name);
    if (!m_view.enabled(name))
        return QCoreApplication::translate("Cli", "%1 сейчас не изменить: параметр недоступен").arg(name);
    bool ok = false;
    const int number = value.toInt(&ok);
    if (option->isRadioGroup()) {
        if (!ok || number < 0 || number >= int(option->items.size()))
            return QCoreApplication::translate("Cli", "%1: номер пункта от 0 до %2").arg(name).arg(int(option->items.size()) - 1);
        if (m_view.item(name) == number)
            return QString();
        m_view.setItem(name, number);
    } else {
        if (!ok || (number != 0 && number != 1))
            return QCoreApplication::translate("Cli", "%1: 1 или 0").arg(name);
        if (m_view.checked(name) == (number == 1))
            return QString();
        m_view.setChecked(name, number == 1);
    }
    m_panel.onUserChange(name);
    return QString();
}

QString ConfigPage::blockLine() const
{
    const BlockLayout& block = m_panel.pageBlock(m_page);
    const QString& var = m_panel.conf(block);
    return QStringLiteral("block ") + (block.hexText ? var : link::BIN2HEX(var));
}

void ConfigPage::writeListing(QTextStream& out) const
{
    QStringList enabled;
    auto noteEnabled = [&](std::string_view name) {
        if (m_view.enabled(qs(name)))
            enabled.append(qs(name));
    };
    for (const BlockLayout* b : pageLayouts(m_page)) {
        for (const Option& o : b->options) {
            const QString name = qs(o.name);
            if (o.isRadioGroup())
                out << name << ' ' << m_view.item(name) << '\n';
            else
                out << name << ' ' << (m_view.checked(name) ? 1 : 0) << '\n';
            noteEnabled(o.name);
            if (!o.otherEdit.empty()) {
                out << qs(o.otherEdit) << ' ' << m_view.text(qs(o.otherEdit)) << '\n';
                noteEnabled(o.otherEdit);
            }
        }
    }
    for (const PlacedControl& c : pageControls()) {
        if (c.page == &m_page && c.kind == ControlKind::RadioGroup)
            noteEnabled(c.name);
    }
    noteEnabled("ButtonCONFwrite");
    noteEnabled("ButtonCONFgetASBUILT");
    out << "enabled: " << enabled.join(QLatin1Char(' ')) << '\n';
}

} // namespace talmero::cli
