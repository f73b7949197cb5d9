#include "config/config_transfer.h"

#include "config/change_description.h"
#include "config/config_panel.h"
#include "config/option_view.h"
#include "config/pages.h"
#include "link/adapter.h"
#include "link/answer_text.h"
#include "link/block_read.h"
#include "link/codecs.h"
#include "link/host.h"
#include "link/modules.h"
#include "link/session.h"
#include "safety/write_gate.h"

#include <QCoreApplication>

namespace talmero::config {

ConfigTransfer::ConfigTransfer(ConfigPanel& panel, safety::WriteGate& gate, link::Host& host)
    : m_panel(panel), m_gate(gate), m_host(host)
{
}

QString ConfigTransfer::pageText(const ConfigPanel& panel, const PageInfo& page)
{
    return qs(page.caption) + QStringLiteral(" (") + tl(page.title, "Pages") + QStringLiteral(")") + panel.partSuffix(page);
}

link::Outcome ConfigTransfer::ButtonCONFreadClick(const PageInfo& page)
{
    const PageSide& side = m_panel.side(page);
    const car::Module& module = moduleOf(side);
    m_panel.clearCONF();
    m_host.log(QCoreApplication::translate("ConfigTransfer", "* Чтение конфигурации из модуля ") + pageText(m_panel, page));
    const link::Outcome opened = m_gate.session().openModule(module, true, true);
    if (!opened.ok()) {
        m_host.log(opened.line);
        return opened;
    }
    const link::BlockRead read = link::readBlock(m_gate.session().adapter(), car::blockText(side.layout->number), true,
                                                link::blockBytes(module, side.layout->number));
    if (!read.data) {
        const link::Outcome failed = read.outcome(link::moduleAddressText(module));
        m_host.log(failed.line);
        return failed;
    }
    return m_panel.decodeShown(layoutOf(side), *read.data);
}

safety::BlockWrite ConfigTransfer::order(const PageInfo& info, const PageSide& side, const car::Module& module,
                                         const QString& data) const
{
    safety::BlockWrite w;
    w.target = m_gate.targetOf(module, car::blockText(side.layout->number));
    w.target.module = qs(info.caption) + QStringLiteral(" (") + tl(info.title, "Pages") + QLatin1Char(')');
    w.newHex = data;
    w.title = QCoreApplication::translate("ConfigTransfer", "Запись конфигурации");
    const BlockLayout& layout = layoutOf(side);
    w.describe = [&layout, data](const QString& held) { return describeChange(layout, held, data); };
    w.files = filesOfWrite(module, w.target.block, data);
    w.plannedFromHex = m_panel.shownData(layout);
    return w;
}

// The page shows what the module holds after the write, so the user sees the result.
void ConfigTransfer::showReadBack(const BlockLayout& layout, const safety::WriteResult& result)
{
    m_panel.clearCONF();
    if (!result.readBack.isEmpty())
        m_panel.decodeHex(layout, result.readBack);
}

PageWrite ConfigTransfer::ButtonCONFwriteClick(const PageInfo& page)
{
    // Only a shown, writable block goes out: after a refused decode the variable holds
    // zeros, and writing those would wipe the module.
    if (!m_panel.writable())
        return {link::Outcome::failed(link::Outcome::Kind::Refused, QString()), {}};
    const PageSide& side = m_panel.side(page);
    const BlockLayout& layout = layoutOf(side);
    m_host.log(QCoreApplication::translate("ConfigTransfer", "* Запись конфигурации в модуль ") + pageText(m_panel, page));
    m_panel.encode(layout);
    const QString data = m_panel.writeData(layout);
    if (page.twoModules())
        return writeDoors(page, data);
    // After a write the module does not confirm, the page keeps what was sent.
    const safety::BatchResult written = m_gate.writeBlocks({order(page, side, moduleOf(side), data)}, {});
    const safety::WriteResult result = written.results.value(0);
    if (result.outcome == safety::WriteOutcome::Verified)
        showReadBack(layout, result);
    return {written.summary(), written.notes};
}

// Item 0 of RadioGroupDDMw writes both doors under one confirmation, the passenger's over
// the same bus without a new reset; the panel is cleared only when every chosen door holds
// the block, and a door pair that ends apart says which door has what.
PageWrite ConfigTransfer::writeDoors(const PageInfo& info, const QString& data)
{
    const PageSide& driver = info.sides[0];
    const PageSide& passenger = info.sides[1];
    const BlockLayout& block = layoutOf(driver);
    const int target = m_panel.view().item(QStringLiteral("RadioGroupDDMw"));

    if (target != 0) {
        const PageSide& door = target == 2 ? passenger : driver;
        const safety::BatchResult written = m_gate.writeBlocks({order(info, door, moduleOf(door), data)}, {});
        const safety::WriteResult one = written.results.value(0);
        if (one.outcome == safety::WriteOutcome::Verified)
            showReadBack(block, one);
        return {written.summary(), written.notes};
    }

    const car::Module& second = moduleOf(passenger);
    safety::BlockWrite write = order(info, passenger, second, data);
    // The bus is open already: only the header and the session change.
    write.target.open = [this, &second] {
        const link::Outcome selected = m_gate.session().selectModule(second, link::Session::Use::Blocks, true);
        return selected.ok() ? selected
                             : link::Outcome::failed(selected.kind, QCoreApplication::translate("ConfigTransfer", "! Ошибка"));
    };
    safety::BatchOptions options;
    options.title = QCoreApplication::translate("ConfigTransfer", "Запись конфигурации обоих дверных модулей");
    const safety::BatchResult pair = m_gate.writeBlocks({order(info, driver, moduleOf(driver), data), write}, options);
    if (pair.results.size() != 2)
        return {pair.summary(), pair.notes};
    const safety::WriteResult& first = pair.results[0];
    const safety::WriteResult& other = pair.results[1];

    const bool both = first.holds() && other.holds();
    const bool neither = !first.holds() && !other.holds();
    if (both && (first.outcome == safety::WriteOutcome::Verified || other.outcome == safety::WriteOutcome::Verified)) {
        showReadBack(block, first.outcome == safety::WriteOutcome::Verified ? first : other);
    } else if (!both && !neither) {
        const auto doorState = [](const safety::WriteResult& r) {
            return r.holds() ? QCoreApplication::translate("ConfigTransfer", "содержит блок страницы")
                             : QCoreApplication::translate("ConfigTransfer", "не записан");
        };
        const QString apart = QCoreApplication::translate("ConfigTransfer",
                                                          "! Водительский модуль (740) %1; пассажирский модуль (741) %2")
                                  .arg(doorState(first), doorState(other));
        m_host.log(apart);
        m_host.notify(apart);
        return {link::Outcome::notified(first.linkLost ? link::Outcome::Kind::ConnectionLost : link::Outcome::Kind::Failed, apart),
                pair.notes};
    }
    return {pair.summary(), pair.notes};
}

} // namespace talmero::config
