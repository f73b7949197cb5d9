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
#include "link/session.h"
#include "safety/write_gate.h"

#include <QCoreApplication>

namespace talmero::config {

namespace {

// Whether a door ends up holding the page's block.
bool holds(safety::WriteOutcome outcome)
{
    return outcome == safety::WriteOutcome::Verified || outcome == safety::WriteOutcome::Unchanged;
}

} // namespace

ConfigTransfer::ConfigTransfer(ConfigPanel& panel, safety::WriteGate& gate, link::Host& host)
    : m_panel(panel), m_gate(gate), m_host(host)
{
}

QString ConfigTransfer::logLine(const char* action, int page) const
{
    return QCoreApplication::translate("ConfigTransfer", action) + qs(pageInfo(page).caption) + QStringLiteral(" (")
        + m_panel.view().text(QStringLiteral("LabelCONF")) + QStringLiteral(")")
        + m_panel.partSuffix(page);
}

QString ConfigTransfer::writeData(ConfigPanel& panel, int page)
{
    const BlockId block = panel.pageBlock(page);
    const QString& var = panel.conf(block);
    if (layoutOf(block).hexText)
        return var.toUpper();
    // A pre-facelift dashboard takes 4 bytes, even from a block grown to 5.
    if (block == BlockId::IPC && panel.view().item(QStringLiteral("RadioGroupIPCrd")) != 0)
        return link::BIN2HEX(var.left(32));
    return link::BIN2HEX(var);
}

link::Outcome ConfigTransfer::ButtonCONFreadClick(int page)
{
    const PageSide& side = m_panel.side(pageInfo(page));
    m_panel.clearCONF();
    m_host.log(logLine(QT_TRANSLATE_NOOP("ConfigTransfer", "* Чтение конфигурации из модуля "), page));
    const link::Outcome opened = m_gate.session().openModule(moduleOf(side), true, true);
    if (!opened.ok()) {
        m_host.log(opened.line);
        return opened;
    }
    const link::BlockRead read = link::readBlock(m_gate.session().adapter(), car::blockText(side.layout->number), true,
                                                link::blockBytes(moduleOf(side), side.layout->number));
    if (!read.data) {
        const car::Module& module = moduleOf(side);
        const link::Outcome failed = read.outcome(qs(module.name) + QStringLiteral(" (") + qs(module.address) + u')');
        m_host.log(failed.line);
        return failed;
    }
    return m_panel.decodeShown(side.layout->id, *read.data);
}

safety::BlockWrite ConfigTransfer::order(const PageInfo& info, const PageSide& side, const car::Module& module,
                                         const QString& data) const
{
    safety::BlockWrite w;
    w.target = m_gate.targetOf(qs(module.address), car::blockText(side.layout->number));
    w.target.module = qs(info.caption) + QStringLiteral(" (") + tl(info.title, "Pages") + QLatin1Char(')');
    w.newHex = data;
    w.title = QCoreApplication::translate("ConfigTransfer", "Запись конфигурации");
    w.describe = [block = side.layout->id, data](const QString& held) { return describeChange(block, held, data); };
    w.files = [block = side.layout->id, data](const QString& held) { return filesChanged(block, held, data); };
    return w;
}

// The page shows what the module holds after the write, so the user sees the result.
void ConfigTransfer::showReadBack(BlockId block, const safety::WriteResult& result)
{
    m_panel.clearCONF();
    if (!result.readBack.isEmpty())
        m_panel.decodeHex(block, result.readBack);
}

bool ConfigTransfer::ButtonCONFwriteClick(int page)
{
    // Only a shown, writable block goes out: after a refused decode the variable holds
    // zeros, and writing those would wipe the module. The window's disabled button
    // already prevents it; a caller without a window gets the same guard.
    if (!m_panel.view().enabled(QStringLiteral("ButtonCONFwrite")))
        return false;
    m_host.log(logLine(QT_TRANSLATE_NOOP("ConfigTransfer", "* Запись конфигурации в модуль "), page));
    m_panel.encode(m_panel.pageBlock(page));
    const QString data = writeData(m_panel, page);
    if (page == PageDDM)
        return writeDoors(page, data);
    const PageInfo& info = pageInfo(page);
    const PageSide& side = m_panel.side(info);
    // After a write the module does not confirm, the page keeps what was sent.
    const safety::WriteResult result = m_gate.writeBlock(order(info, side, moduleOf(side), data));
    if (result.outcome == safety::WriteOutcome::Verified)
        showReadBack(side.layout->id, result);
    return holds(result.outcome);
}

// Item 0 of RadioGroupDDMw writes both doors under one confirmation, the passenger's over
// the same bus without a new reset; the panel is cleared only when every chosen door holds
// the block, and a door pair that ends apart says which door has what.
bool ConfigTransfer::writeDoors(int page, const QString& data)
{
    const PageInfo& info = pageInfo(page);
    const PageSide& driver = info.sides[0];
    const PageSide& passenger = info.sides[1];
    const BlockId block = driver.layout->id;
    const int target = m_panel.view().item(QStringLiteral("RadioGroupDDMw"));

    if (target != 0) {
        const PageSide& door = target == 2 ? passenger : driver;
        const safety::WriteResult one = m_gate.writeBlock(order(info, door, moduleOf(door), data));
        if (one.outcome == safety::WriteOutcome::Verified)
            showReadBack(block, one);
        return holds(one.outcome);
    }

    safety::BlockWrite second = order(info, passenger, moduleOf(passenger), data);
    // The bus is open already: only the header and the session change.
    second.target.open = [this, address = qs(passenger.address)] {
        const link::Outcome selected = m_gate.session().selectModule(address, true, true);
        return selected.ok() ? selected
                             : link::Outcome::failed(selected.kind, QCoreApplication::translate("ConfigTransfer", "! Ошибка"));
    };
    safety::BatchOptions options;
    options.title = QCoreApplication::translate("ConfigTransfer", "Запись конфигурации обоих дверных модулей");
    const safety::BatchResult pair = m_gate.writeBlocks({order(info, driver, moduleOf(driver), data), second}, options);
    if (pair.results.size() != 2)
        return false;
    const safety::WriteResult& first = pair.results[0];
    const safety::WriteResult& other = pair.results[1];

    const bool both = holds(first.outcome) && holds(other.outcome);
    const bool neither = !holds(first.outcome) && !holds(other.outcome);
    if (both && (first.outcome == safety::WriteOutcome::Verified || other.outcome == safety::WriteOutcome::Verified)) {
        showReadBack(block, first.outcome == safety::WriteOutcome::Verified ? first : other);
    } else if (!both && !neither) {
        const auto doorState = [](const safety::WriteResult& r) {
            return holds(r.outcome) ? QCoreApplication::translate("ConfigTransfer", "содержит блок страницы")
                                    : QCoreApplication::translate("ConfigTransfer", "не записан");
        };
        const QString apart = QCoreApplication::translate("ConfigTransfer",
                                                          "! Водительский модуль (740) %1; пассажирский модуль (741) %2")
                                  .arg(doorState(first), doorState(other));
        m_host.log(apart);
        m_host.notify(apart);
    }
    return both;
}

} // namespace talmero::config
