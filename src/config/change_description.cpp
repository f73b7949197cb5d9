#include "config/change_description.h"

#include "config/block_reading.h"
#include "config/description_trust.h"
#include "config/pages.h"
#include "link/codecs.h"

#include <QCoreApplication>
#include <QHash>

namespace talmero::config {

namespace {

const QString kNotInBlock = QStringLiteral("—");

// Each writable option's text as a decode of the block shows it; empty when refused.
QHash<QString, QString> shownStates(const BlockLayout& layout, const QString& hex)
{
    const BlockLayout& b = layoutOf(layout);
    // Half a byte is refused by a decode, as a block of another form is.
    if (hex.size() % 2 != 0)
        return {};
    const reading::ShownBlock shown = reading::showBlock(b, (b.hexText ? hex : link::HEX2BIN(hex)).left(b.capacity));
    QHash<QString, QString> states;
    for (const reading::ShownBlock::State& s : shown.options) {
        const Option& o = *s.option;
        if (!o.writes() || !s.enabled)
            continue;
        const QString name = qs(o.name);
        if (!o.isRadioGroup()) {
            states.insert(name, s.state == 1 ? QCoreApplication::translate("ChangeDescription", "да") : QCoreApplication::translate("ChangeDescription", "нет"));
            continue;
        }
        states.insert(name, s.state >= 0 && s.state < int(o.items.size()) ? tl(o.items[s.state]).trimmed()
                                                                           : kNotInBlock);
    }
    return states;
}

// Two files of one name (the packagers' and the user's) are two files.
void addUse(QList<safety::DescriptionUse>& uses, const car::DescriptionFile& file)
{
    if (std::none_of(uses.begin(), uses.end(), [&](const safety::DescriptionUse& u) { return u.path == file.path; }))
        uses.append({fileLabel(file), file.path, file.sha256, isTrusted(file)});
}

} // namespace

QStringList describeChange(const BlockLayout& layout, const QString& oldHex, const QString& newHex)
{
    const QHash<QString, QString> before = shownStates(layout, oldHex);
    const QHash<QString, QString> after = shownStates(layout, newHex);
    // A block the page cannot show has no options to compare.
    if (before.isEmpty() || after.isEmpty()) {
        const PageInfo* shown = pageShowing(layoutOf(layout));
        const QString page = shown ? qs(shown->caption) : QString();
        return {(before.isEmpty() ? QCoreApplication::translate("ChangeDescription", "Блок модуля не распознаётся страницей %1")
                                  : QCoreApplication::translate("ChangeDescription", "Новый блок не распознаётся страницей %1"))
                    .arg(page)};
    }
    QStringList lines;
    for (const Option& o : layoutOf(layout).options) {
        const QString name = qs(o.name);
        if (!before.contains(name) && !after.contains(name))
            continue;
        const QString was = before.value(name, kNotInBlock);
        const QString now = after.value(name, kNotInBlock);
        if (was == now)
            continue;
        QString line = tl(o.caption).trimmed() + QStringLiteral(": ") + was + QStringLiteral(" → ") + now;
        if (o.file)
            line += QStringLiteral(" — ")
                + QCoreApplication::translate("ChangeDescription", "параметр из файла описания %1 (не из собственных TALMERO)")
                      .arg(fileLabel(*o.file));
        lines.append(line);
    }
    return lines;
}

QList<safety::DescriptionUse> filesChanged(const BlockLayout& layout, const QString& oldHex, const QString& newHex)
{
    const QHash<QString, QString> before = shownStates(layout, oldHex);
    const QHash<QString, QString> after = shownStates(layout, newHex);
    const bool unknown = before.isEmpty() || after.isEmpty();
    QList<safety::DescriptionUse> uses;
    for (const Option& o : layoutOf(layout).options) {
        if (!o.file || !o.writes())
            continue;
        const QString name = qs(o.name);
        if (!unknown && before.value(name, kNotInBlock) == after.value(name, kNotInBlock))
            continue;
        addUse(uses, *o.file);
    }
    return uses;
}

bool pageShows(const BlockLayout& layout, const QString& hex)
{
    return !shownStates(layout, hex).isEmpty();
}

const BlockLayout* blockAt(const QString& address, const QString& block)
{
    if (const car::Module* m = car::moduleAt(address.toStdString())) {
        for (const BlockLayout* b : m->blocks) {
            if (car::blockText(b->number).compare(block, Qt::CaseInsensitive) == 0)
                return &layoutOf(*b);
        }
    }
    return nullptr;
}

std::function<QStringList(const QString& heldHex)> changeDescriber(const QString& address, const QString& block,
                                                                   const QString& newHex)
{
    const BlockLayout* layout = blockAt(address, block);
    if (!layout)
        return {};
    return [layout, newHex](const QString& held) { return describeChange(*layout, held, newHex); };
}

std::function<QList<safety::DescriptionUse>(const QString& heldHex)> filesOfWrite(const car::Module& module, const QString& block,
                                                                                  const QString& newHex)
{
    const BlockLayout* layout = nullptr;
    for (const BlockLayout* b : module.blocks) {
        if (car::blockText(b->number).compare(block, Qt::CaseInsensitive) == 0)
            layout = &layoutOf(*b);
    }
    const bool extended = layout && std::any_of(layout->options.begin(), layout->options.end(), [](const Option& o) { return o.file; });
    if (!module.file && !extended)
        return {};
    const car::DescriptionFile* own = module.file;
    return [own, layout, newHex](const QString& held) {
        QList<safety::DescriptionUse> uses;
        if (own)
            addUse(uses, *own);
        for (const safety::DescriptionUse& use : layout ? filesChanged(*layout, held, newHex) : QList<safety::DescriptionUse>()) {
            if (std::none_of(uses.begin(), uses.end(), [&](const safety::DescriptionUse& u) { return u.path == use.path; }))
                uses.append(use);
        }
        return uses;
    };
}

safety::WriteGate::RowDescriber describeUndo()
{
    safety::WriteGate::RowDescriber words;
    words.changes = [](const safety::JournalEntry& row, const QString& held) {
        const auto describe = changeDescriber(row.address, row.block, row.oldHex);
        return describe ? describe(held) : QStringList();
    };
    words.files = [](const safety::JournalEntry& row, const QString& held) {
        const car::Module* module = car::moduleAt(row.address.toStdString());
        const auto files = module ? filesOfWrite(*module, row.block, row.oldHex) : nullptr;
        return files ? files(held) : QList<safety::DescriptionUse>();
    };
    return words;
}

} // namespace talmero::config
