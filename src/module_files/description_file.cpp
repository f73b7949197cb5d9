#include "module_files/description_file.h"

#include "car/layout_check.h"
#include "config/block_reading.h"
#include "config/pages.h"
#include "link/codecs.h"
#include "link/printable_text.h"
#include "module_files/description_reader.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace talmero::module_files {

using car::BlockLayout;
using car::Option;
using car::OptionKind;

namespace {

[[noreturn]] void refuse(const QString& path, const QString& rule)
{
    throw FieldProblem{path, rule};
}

// The rule a layout breaks, with the path of what breaks it: the layout is checked with
// its options added one by one, so the first option that makes it unsound is named.
void checkLayout(const BlockLayout& b, const QString& path, int firstOwn = 0)
{
    if (b.minLength > b.capacity || b.exactLengths[0] > b.capacity || b.exactLengths[1] > b.capacity)
        refuse(path, Rules::tr("допустимая длина больше ёмкости блока"));
    if (!b.refusePattern.empty() && b.refusePos + int(b.refusePattern.size()) - 1 > b.capacity)
        refuse(fieldPath(path, QStringLiteral("refuse")), Rules::tr("образец отказа выходит за блок"));
    BlockLayout partial = b;
    for (std::size_t k = std::size_t(firstOwn); k <= b.options.size(); ++k) {
        partial.options = b.options.first(k);
        const std::string_view problem = car::layoutProblem(partial);
        if (problem.empty())
            continue;
        if (k == std::size_t(firstOwn))
            refuse(path, QString::fromUtf8(problem.data(), qsizetype(problem.size())));
        refuse(fieldPath(path, QStringLiteral("options[%1]").arg(k - 1 - std::size_t(firstOwn))),
               QString::fromUtf8(problem.data(), qsizetype(problem.size())));
    }
}

// Every control name the catalog uses: options, page controls, the panel beside the pages.
QSet<QString> namesIn(const car::Catalog& catalog)
{
    QSet<QString> names = {QStringLiteral("Edit1"), QStringLiteral("Label2"), QStringLiteral("Label3"),
                           QStringLiteral("Label4"), QStringLiteral("LabelCONFsource"), QStringLiteral("TabbedCONF"),
                           QStringLiteral("PanelCONF")};
    for (const config::PlacedControl& c : config::pageControls()) {
        if (!c.page)
            names.insert(car::qs(c.name));
    }
    for (const BlockLayout* b : catalog.layouts) {
        for (const Option& o : b->options)
            names.insert(car::qs(o.name));
    }
    for (const car::PageInfo* p : catalog.pages) {
        for (const car::PageControl& c : p->controls)
            names.insert(car::qs(c.name));
    }
    return names;
}

void checkName(QSet<QString>& taken, std::string_view name, const QString& path)
{
    const QString n = car::qs(name);
    if (taken.contains(n))
        refuse(path, Rules::tr("имя %1 уже занято другим элементом").arg(n));
    taken.insert(n);
}

bool isUpperHex(const QString& text)
{
    for (QChar c : text) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F')))
            return false;
    }
    return true;
}

// A sample decodes to the states it lists (every option of the file in the block, no
// other) and encodes back to its own bytes, positions no option owns included.
void checkSamples(const BlockLayout& b, const QList<Sample>& samples, const QString& path, const car::DescriptionFile* file)
{
    if (samples.isEmpty())
        refuse(fieldPath(path, QStringLiteral("samples")), Rules::tr("нужен хотя бы один образец блока"));
    for (const Sample& s : samples) {
        const QString hexPath = fieldPath(s.path, QStringLiteral("hex"));
        if (s.hex.isEmpty() || !isUpperHex(s.hex) || (!b.hexText && s.hex.size() % 2 != 0))
            refuse(hexPath, Rules::tr("образец - целые байты заглавными шестнадцатеричными цифрами"));
        const QString block = b.hexText ? s.hex : link::HEX2BIN(s.hex);
        if (block.size() > b.capacity)
            refuse(hexPath, Rules::tr("образец длиннее ёмкости блока"));
        const config::reading::ShownBlock shown = config::reading::showBlock(b, block);
        if (!shown.shows())
            refuse(hexPath, Rules::tr("образец не принимается правилами блока"));
        const QString encoded = config::reading::encodeShown(shown, block);
        QSet<QString> listed;
        for (const config::reading::ShownBlock::State& state : shown.options) {
            const Option& o = *state.option;
            if (o.file != file)
                continue;
            const QString name = car::qs(o.name);
            listed.insert(name);
            if (!s.states.contains(name))
                refuse(fieldPath(s.path, QStringLiteral("options")), Rules::tr("образец не называет состояние параметра %1").arg(name));
            if (s.states.value(name) != state.state)
                refuse(s.statePaths.value(name), Rules::tr("образец читается иначе: %1 = %2").arg(name).arg(state.state));
        }
        for (auto it = s.states.begin(); it != s.states.end(); ++it) {
            if (!listed.contains(it.key()))
                refuse(s.statePaths.value(it.key()), Rules::tr("в блоке такого параметра файла нет"));
        }
        if (encoded != block)
            refuse(hexPath, Rules::tr("образец не записывается обратно теми же байтами: %1")
                                .arg(b.hexText ? encoded : link::BIN2HEX(encoded)));
    }
}

int answerOf(const QString& address)
{
    return address.toInt(nullptr, 16) + 8;
}

void checkAddressFree(const car::Catalog& catalog, const QString& address, const QString& path)
{
    for (const car::Module* m : catalog.modules) {
        const QString other = car::qs(m->address);
        if (other == address)
            refuse(path, Rules::tr("модуль с адресом %1 уже есть: %2").arg(address, car::qs(m->name)));
        if (answerOf(other) == address.toInt(nullptr, 16) || answerOf(address) == other.toInt(nullptr, 16)
            || answerOf(address) == answerOf(other))
            refuse(path, Rules::tr("адрес %1 или его ответ совпадает с адресом или ответом модуля %2").arg(address, car::qs(m->name)));
    }
    if (address == QLatin1String("7DF") || answerOf(address) > 0x7FF)
        refuse(path, Rules::tr("адрес %1 не может быть адресом модуля").arg(address));
}

QStringList addModules(car::Catalog& catalog, ReadFile& read)
{
    QSet<QString> names = namesIn(catalog);
    QSet<QString> moduleNames;
    for (const car::Module* m : catalog.modules)
        moduleNames.insert(car::qs(m->name));
    std::vector<const BlockLayout*> added;
    std::vector<std::pair<const BlockLayout*, std::vector<QString>>> samples;
    QStringList adds;
    for (ReadModule& rm : read.modules) {
        car::Module& m = *rm.module;
        checkAddressFree(catalog, car::qs(m.address), fieldPath(rm.path, QStringLiteral("address")));
        for (const ReadModule& earlier : read.modules) {
            if (&earlier == &rm)
                break;
            if (earlier.module->address == m.address)
                refuse(fieldPath(rm.path, QStringLiteral("address")), Rules::tr("два модуля файла с одним адресом"));
        }
        if (moduleNames.contains(car::qs(m.name)))
            refuse(fieldPath(rm.path, QStringLiteral("name")), Rules::tr("модуль с именем %1 уже есть").arg(car::qs(m.name)));
        moduleNames.insert(car::qs(m.name));
        if (rm.blocks.isEmpty())
            refuse(fieldPath(rm.path, QStringLiteral("blocks")), Rules::tr("у модуля нет ни одного блока"));
        auto& blocks = read.kept.keep(std::vector<const BlockLayout*>());
        QSet<int> numbers;
        for (qsizetype i = 0; i < rm.blocks.size(); ++i) {
            ReadBlock& rb = rm.blocks[i];
            if (numbers.contains(rb.number))
                refuse(fieldPath(rb.path, QStringLiteral("number")), Rules::tr("блок с этим номером у модуля уже есть"));
            numbers.insert(rb.number);
            if (rb.sameAs.isEmpty()) {
                BlockLayout* layout = rb.layout;
                checkLayout(*layout, rb.path);
                for (qsizetype k = 0; k < qsizetype(layout->options.size()); ++k)
                    checkName(names, layout->options[std::size_t(k)].name,
                              fieldPath(rb.path, QStringLiteral("options[%1].name").arg(k)));
                checkSamples(*layout, rb.samples, rb.path, m.file);
                added.push_back(layout);
            }
            blocks.push_back(rb.layout);
            // A block the backup does not keep can never be restored.
            if (!m.backupBlocks.empty() && !m.backupBlocks.holds(rb.number))
                refuse(fieldPath(rm.path, QStringLiteral("backupBlocks")),
                       Rules::tr("копия не хранит блок конфигурации %1").arg(car::blockText(rb.number)));
            if (!rb.samples.isEmpty()) {
                std::vector<QString> hex;
                for (const Sample& sample : rb.samples)
                    hex.push_back(sample.hex);
                samples.emplace_back(rb.layout, std::move(hex));
            }
        }
        m.blocks = blocks;
    }
    // The page: its name free, its controls' names free, its sides the file's blocks.
    car::PageInfo& page = *read.page;
    for (const car::PageInfo* p : catalog.pages) {
        if (car::qs(p->caption).compare(car::qs(page.caption), Qt::CaseInsensitive) == 0
            || car::qs(page.caption).compare(QLatin1String("DDM"), Qt::CaseInsensitive) == 0)
            refuse(QStringLiteral("page.caption"), Rules::tr("страница %1 уже есть").arg(car::qs(page.caption)));
    }
    bool sideGroupFound = page.sideGroup.empty();
    for (qsizetype i = 0; i < qsizetype(page.controls.size()); ++i) {
        const car::PageControl& c = page.controls[std::size_t(i)];
        checkName(names, c.name, QStringLiteral("page.controls[%1].name").arg(i));
        if (c.name == page.sideGroup)
            sideGroupFound = c.kind == car::ControlKind::RadioGroup && int(c.items.size()) == page.sideCount;
    }
    if ((page.sideCount == 2) != !page.sideGroup.empty() || !sideGroupFound)
        refuse(QStringLiteral("page.sideGroup"),
               Rules::tr("две стороны страницы выбирает группа переключателей страницы с двумя пунктами; у одной стороны её нет"));
    // What a decode enables or fills must be a control of this page, never the panel's.
    const auto onPage = [&page](std::string_view name, bool edit) {
        for (const car::PageControl& c : page.controls) {
            if (c.name == name)
                return !edit || c.kind == car::ControlKind::Edit;
        }
        return false;
    };
    for (const ReadModule& rm : read.modules) {
        for (const ReadBlock& rb : rm.blocks) {
            if (!rb.sameAs.isEmpty())
                continue;
            if (!rb.layout->alsoEnabled.empty() && !onPage(rb.layout->alsoEnabled, false))
                refuse(fieldPath(rb.path, QStringLiteral("alsoEnabled")), Rules::tr("такого элемента на странице нет"));
            for (qsizetype k = 0; k < qsizetype(rb.layout->options.size()); ++k) {
                const Option& o = rb.layout->options[std::size_t(k)];
                if (!o.otherEdit.empty() && !onPage(o.otherEdit, true))
                    refuse(fieldPath(rb.path, QStringLiteral("options[%1].otherEdit").arg(k)), Rules::tr("такого поля на странице нет"));
            }
        }
    }
    for (const BlockLayout* b : added) {
        bool shown = false;
        for (const car::PageSide& side : page.allSides())
            shown = shown || side.layout == b;
        if (!shown)
            refuse(QStringLiteral("page.sides"), Rules::tr("блок %1 не показан ни одной стороной страницы").arg(car::blockText(b->number)));
    }
    for (ReadModule& rm : read.modules) {
        rm.module->page = read.page;
        catalog.modules.push_back(rm.module);
        QStringList blocks;
        for (const BlockLayout* b : rm.module->blocks)
            blocks << car::blockText(b->number);
        adds << Rules::tr("модуль %1 (%2), блоки %3, страница %4")
                    .arg(car::qs(rm.module->name), car::qs(rm.module->address), blocks.join(QStringLiteral(", ")),
                         car::qs(page.caption));
    }
    catalog.layouts.insert(catalog.layouts.end(), added.begin(), added.end());
    catalog.samples.insert(catalog.samples.end(), samples.begin(), samples.end());
    catalog.pages.push_back(read.page);
    return adds;
}

QStringList addExtension(car::Catalog& catalog, ReadFile& read, const car::DescriptionFile* file)
{
    const car::Module* target = nullptr;
    for (const car::Module* m : catalog.modules) {
        if (car::qs(m->address) == read.extendsAddress)
            target = m;
    }
    if (!target)
        refuse(QStringLiteral("extends.address"), Rules::tr("модуля с адресом %1 нет").arg(read.extendsAddress));
    const BlockLayout* described = nullptr;
    for (const BlockLayout* b : target->blocks) {
        if (b->number == read.extendsBlock)
            described = b;
    }
    const BlockLayout* own = described ? &catalog.inUse(*described) : nullptr;
    if (!own)
        refuse(QStringLiteral("extends.block"), Rules::tr("у модуля %1 нет блока конфигурации %2")
                                                    .arg(car::qs(target->name), car::blockText(read.extendsBlock)));
    if (read.options->empty())
        refuse(QStringLiteral("options"), Rules::tr("дополнение без параметров"));
    QSet<int> used;
    for (const Option& o : own->options) {
        for (int k = 0; k < o.pos.count; ++k)
            used.insert(o.pos.at[k]);
    }
    for (int k = 0; k < own->known.count; ++k)
        used.insert(own->known.at[k]);
    for (int k = 0; k < int(own->refusePattern.size()); ++k)
        used.insert(own->refusePos + k);
    QSet<QString> names = namesIn(catalog);
    for (qsizetype i = 0; i < qsizetype(read.options->size()); ++i) {
        const Option& o = (*read.options)[std::size_t(i)];
        const QString path = QStringLiteral("options[%1]").arg(i);
        if (o.kind != OptionKind::Flag && o.kind != OptionKind::JointFlag && o.kind != OptionKind::Choice)
            refuse(fieldPath(path, QStringLiteral("kind")), Rules::tr("дополнение добавляет флаги и выборы по позициям"));
        if (!o.otherEdit.empty())
            refuse(fieldPath(path, QStringLiteral("otherEdit")), Rules::tr("у дополнения нет элементов страницы"));
        for (int k = 0; k < o.pos.count; ++k) {
            if (used.contains(o.pos.at[k]))
                refuse(fieldPath(path, QStringLiteral("positions")), Rules::tr("позиция %1 блока уже занята").arg(o.pos.at[k]));
        }
        checkName(names, o.name, fieldPath(path, QStringLiteral("name")));
    }
    auto& options = read.kept.keep(std::vector<Option>(own->options.begin(), own->options.end()));
    options.insert(options.end(), read.options->begin(), read.options->end());
    BlockLayout& extended = read.kept.keep(*own);
    extended.options = options;
    checkLayout(extended, QString(), int(own->options.size()));
    checkSamples(extended, read.samples, QString(), file);
    std::replace(catalog.layouts.begin(), catalog.layouts.end(), own, static_cast<const BlockLayout*>(&extended));
    const auto earlier = std::find_if(catalog.extended.begin(), catalog.extended.end(),
                                      [described](const auto& e) { return e.first == described; });
    if (earlier != catalog.extended.end())
        earlier->second = &extended;
    else
        catalog.extended.emplace_back(described, &extended);
    QStringList added;
    for (const Option& o : *read.options)
        added << car::qs(o.name);
    return {Rules::tr("%1 (%2), блок %3: %4")
                .arg(car::qs(target->name), read.extendsAddress, car::blockText(read.extendsBlock),
                     added.join(QStringLiteral(", ")))};
}

} // namespace

FileOutcome addDescriptionFile(car::Catalog& catalog, const QByteArray& bytes, const QString& path, bool russian)
{
    auto file = std::make_shared<car::DescriptionFile>();
    file->path = path;
    file->name = link::printableText(QFileInfo(path).fileName());
    file->sha256 = QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    FileOutcome outcome;
    outcome.path = path;
    outcome.file = file;
    if (bytes.size() > kLargestFile) {
        outcome.refusal = FileRefusal{file->name, QString(), Rules::tr("файл больше 1 МиБ")};
        return outcome;
    }
    car::Catalog next = catalog;
    try {
        ReadFile read = readDescription(bytes, file.get(), russian);
        file->title = read.title;
        outcome.adds = read.extension ? addExtension(next, read, file.get()) : addModules(next, read);
        for (std::shared_ptr<const void>& kept : read.kept.release())
            next.kept.push_back(std::move(kept));
    } catch (const FieldProblem& problem) {
        // A rule may quote the file (a field's name).
        outcome.refusal = FileRefusal{file->name, link::printableText(problem.path), link::printableText(problem.rule)};
        return outcome;
    }
    next.files.push_back(file);
    catalog = std::move(next);
    return outcome;
}

} // namespace talmero::module_files
