#include "config/change_description.h"

#include "config/config_panel.h"
#include "config/map_option_view.h"
#include "config/pages.h"
#include "link/host.h"

#include <QCoreApplication>
#include <QHash>

namespace talmero::config {

namespace {

// Decoding for a description shows nothing to the user and asks nothing.
class QuietHost : public link::Host {
public:
    void log(const QString&) override {}
    void notify(const QString&) override {}
    bool confirm(const link::ChangeRequest&) override { return false; }
    bool ask(const QString&) override { return true; }
};

const QString kNotInBlock = QStringLiteral("—");

// Each writable option's text as a decode of the block shows it; empty when refused.
QHash<QString, QString> shownStates(BlockId id, const QString& hex)
{
    QuietHost host;
    MapOptionView view;
    ConfigPanel panel(view, host);
    QHash<QString, QString> states;
    if (!panel.decodeHex(id, hex))
        return states;
    for (const Option& o : layoutOf(id).options) {
        if (!o.writes() || !view.enabled(qs(o.name)))
            continue;
        const QString name = qs(o.name);
        if (!o.isRadioGroup()) {
            states.insert(name, view.checked(name) ? QCoreApplication::translate("ChangeDescription", "да") : QCoreApplication::translate("ChangeDescription", "нет"));
            continue;
        }
        const int item = view.item(name);
        states.insert(name, item >= 0 && item < int(o.items.size()) ? tl(o.items[item]).trimmed()
                                                                     : kNotInBlock);
    }
    return states;
}

} // namespace

QStringList describeChange(BlockId id, const QString& oldHex, const QString& newHex)
{
    const QHash<QString, QString> before = shownStates(id, oldHex);
    const QHash<QString, QString> after = shownStates(id, newHex);
    // A block the page cannot show has no options to compare.
    if (before.isEmpty() || after.isEmpty()) {
        const QString page = qs(pageInfo(layoutOf(id).page).caption);
        return {(before.isEmpty() ? QCoreApplication::translate("ChangeDescription", "Блок модуля не распознаётся страницей %1")
                                  : QCoreApplication::translate("ChangeDescription", "Новый блок не распознаётся страницей %1"))
                    .arg(page)};
    }
    QStringList lines;
    for (const Option& o : layoutOf(id).options) {
        const QString name = qs(o.name);
        if (!before.contains(name) && !after.contains(name))
            continue;
        const QString was = before.value(name, kNotInBlock);
        const QString now = after.value(name, kNotInBlock);
        if (was != now)
            lines.append(tl(o.caption).trimmed() + QStringLiteral(": ") + was + QStringLiteral(" → ") + now);
    }
    return lines;
}

bool pageShows(BlockId id, const QString& hex)
{
    return !shownStates(id, hex).isEmpty();
}

std::optional<BlockId> blockAt(const QString& address, const QString& block)
{
    for (const PageInfo& info : pageInfos()) {
        if (qs(info.addresses[0]) != address && qs(info.addresses[1]) != address)
            continue;
        for (int part = 0; part < info.partCount; ++part) {
            if (qs(info.parts[part].readRequest).mid(2).compare(block, Qt::CaseInsensitive) == 0)
                return info.parts[part].block;
        }
    }
    return std::nullopt;
}

std::function<QStringList(const QString& heldHex)> changeDescriber(const QString& address, const QString& block,
                                                                   const QString& newHex)
{
    const std::optional<BlockId> id = blockAt(address, block);
    if (!id)
        return {};
    return [id = *id, newHex](const QString& held) { return describeChange(id, held, newHex); };
}

QStringList describeUndo(const safety::JournalEntry& row, const QString& heldHex)
{
    const auto describe = changeDescriber(row.address, row.block, row.oldHex);
    return describe ? describe(heldHex) : QStringList();
}

} // namespace talmero::config
