#include "module_files/description_export.h"

#include "car/modules.h"
#include "config/block_reading.h"
#include "link/codecs.h"
#include "module_files/description_file.h"
#include "module_files/description_reader.h"

#include <QCryptographicHash>
#include <QFile>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTranslator>

namespace talmero::module_files {

using car::BlockLayout;
using car::Option;
using car::qs;

namespace {

class Writer {
public:
    // Without the translations (never: they are built in) the program's own text stands.
    // A file's texts are its own: never looked up among the program's.
    explicit Writer(const car::Catalog& catalog, bool translate = true) : m_catalog(catalog)
    {
        m_hasEnglish = translate && m_english.load(QStringLiteral(":/i18n/talmero_en.qm"));
        m_hasRussian = translate && m_russian.load(QStringLiteral(":/i18n/talmero_ru.qm"));
    }

    QJsonObject page(const car::PageInfo& page) const;

private:
    // The text as the program shows it in English and in Russian; its own text where a
    // translation is missing.
    QJsonObject text(std::string_view source, const char* context) const
    {
        const QString own = qs(source);
        const std::string key(source);
        const QString english = m_hasEnglish ? m_english.translate(context, key.c_str()) : QString();
        const QString russian = m_hasRussian ? m_russian.translate(context, key.c_str()) : QString();
        QJsonObject t{{QStringLiteral("en"), english.isEmpty() ? own : english}};
        const bool ownRussian = std::any_of(own.begin(), own.end(), [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
        if (!russian.isEmpty() && russian != t.value(QStringLiteral("en")).toString())
            t.insert(QStringLiteral("ru"), russian);
        else if (!english.isEmpty() && ownRussian)
            t.insert(QStringLiteral("ru"), own);
        return t;
    }
    QJsonArray texts(std::span<const std::string_view> items, const char* context) const
    {
        QJsonArray list;
        for (std::string_view item : items)
            list.append(text(item, context));
        return list;
    }
    static QJsonArray positions(const car::Positions& p)
    {
        QJsonArray list;
        for (int k = 0; k < p.count; ++k)
            list.append(p.at[std::size_t(k)]);
        return list;
    }
    QJsonObject option(const Option& o) const;
    QJsonObject block(const BlockLayout& b) const;
    QJsonObject module(const car::Module& m, const QJsonArray& blocks) const;

    const car::Catalog& m_catalog;
    QTranslator m_english;
    QTranslator m_russian;
    bool m_hasEnglish = false;
    bool m_hasRussian = false;
};

QJsonObject Writer::option(const Option& o) const
{
    QJsonObject j{{QStringLiteral("name"), qs(o.name)},
                  {QStringLiteral("kind"), optionKindNames()[int(o.kind)]},
                  {QStringLiteral("caption"), text(o.caption, "Layout")}};
    if (o.pos.count > 0)
        j.insert(QStringLiteral("positions"), positions(o.pos));
    if (!o.hint.empty())
        j.insert(QStringLiteral("hint"), text(o.hint, "Layout"));
    if (!o.items.empty())
        j.insert(QStringLiteral("items"), texts(o.items, "Layout"));
    QJsonArray decode;
    for (const car::PatternItem& d : o.decode)
        decode.append(QJsonObject{{QStringLiteral("pattern"), qs(d.pattern)}, {QStringLiteral("item"), d.item}});
    if (!decode.isEmpty())
        j.insert(QStringLiteral("decode"), decode);
    QJsonArray encode;
    for (std::string_view e : o.encode)
        encode.append(qs(e));
    if (!encode.isEmpty())
        j.insert(QStringLiteral("encode"), encode);
    if (o.otherItem != -1)
        j.insert(QStringLiteral("otherItem"), o.otherItem);
    if (!o.noItemPattern.empty())
        j.insert(QStringLiteral("noItemPattern"), qs(o.noItemPattern));
    if (!o.otherEdit.empty())
        j.insert(QStringLiteral("otherEdit"), qs(o.otherEdit));
    if (o.blocksWriteItem != -1)
        j.insert(QStringLiteral("blocksWriteItem"), o.blocksWriteItem);
    if (o.onlyLength != 0)
        j.insert(QStringLiteral("onlyLength"), o.onlyLength);
    if (o.byLength)
        j.insert(QStringLiteral("byLength"), true);
    if (o.enable != car::EnableRule::Always)
        j.insert(QStringLiteral("enable"), enableRuleNames()[int(o.enable)]);
    if (o.enablePos != 0)
        j.insert(QStringLiteral("enablePosition"), o.enablePos);
    if (o.untickWhenOff)
        j.insert(QStringLiteral("untickWhenOff"), true);
    if (o.tickOnShow)
        j.insert(QStringLiteral("tickOnShow"), true);
    if (o.hidden)
        j.insert(QStringLiteral("hidden"), true);
    if (o.columns != 1)
        j.insert(QStringLiteral("columns"), o.columns);
    return j;
}

// A sample: the block and the states its page shows for it.
QJsonObject sampleJson(const BlockLayout& b, const QString& block)
{
    const config::reading::ShownBlock shown = config::reading::showBlock(b, block);
    QJsonObject states;
    for (const config::reading::ShownBlock::State& s : shown.options)
        states.insert(qs(s.option->name), s.state);
    return {{QStringLiteral("hex"), b.hexText ? block : link::BIN2HEX(block)}, {QStringLiteral("options"), states}};
}

// A block of the layout that its page shows and that encodes back to itself: the zero
// block with the tested positions set, else all ones, else alternating.
QJsonObject sampleOf(const BlockLayout& b)
{
    const QChar one = b.hexText ? u'F' : u'1';
    const QChar zero = u'0';
    QStringList candidates;
    QString base(b.capacity, zero);
    for (int k = 0; k < b.known.count; ++k)
        base[b.known.at[std::size_t(k)] - 1] = one;
    candidates << base << QString(b.capacity, one);
    QString alternating = base;
    for (int i = 0; i < alternating.size(); i += 2)
        alternating[i] = one;
    candidates << alternating;
    // A block held as hex text may take a shorter length only (the headlamp's reflectors).
    for (int length : b.exactLengths) {
        if (length > 0 && length < b.capacity)
            candidates << QString(length, zero);
    }
    for (const QString& block : candidates) {
        const config::reading::ShownBlock shown = config::reading::showBlock(b, block);
        if (!shown.shows())
            continue;
        if (config::reading::encodeShown(shown, block) != block)
            continue;
        return sampleJson(b, block);
    }
    return {};
}

QJsonObject Writer::block(const BlockLayout& b) const
{
    QJsonObject j{{QStringLiteral("number"), car::blockText(b.number)},
                  {QStringLiteral("capacity"), b.capacity},
                  {QStringLiteral("zero"), qs(b.zero)}};
    if (b.hexText)
        j.insert(QStringLiteral("text"), QStringLiteral("hex"));
    if (b.minLength != 0)
        j.insert(QStringLiteral("minLength"), b.minLength);
    if (b.shortLength != 0)
        j.insert(QStringLiteral("shortLength"), b.shortLength);
    if (b.exactLengths[0] != 0)
        j.insert(QStringLiteral("exactLengths"), QJsonArray{b.exactLengths[0], b.exactLengths[1]});
    if (!b.refusePattern.empty()) {
        QJsonObject refuse{{QStringLiteral("position"), b.refusePos}, {QStringLiteral("pattern"), qs(b.refusePattern)}};
        if (!b.refuseMessage.empty())
            refuse.insert(QStringLiteral("message"), text(b.refuseMessage, "Layout"));
        j.insert(QStringLiteral("refuse"), refuse);
    }
    if (b.known.count > 0)
        j.insert(QStringLiteral("known"), positions(b.known));
    if (!b.unknownMessage.empty())
        j.insert(QStringLiteral("unknownMessage"), text(b.unknownMessage, "Layout"));
    if (!b.alsoEnabled.empty())
        j.insert(QStringLiteral("alsoEnabled"), qs(b.alsoEnabled));
    if (b.asBuiltLine != 0)
        j.insert(QStringLiteral("asBuiltLine"), b.asBuiltLine);
    QJsonArray options;
    for (const Option& o : b.options)
        options.append(option(o));
    j.insert(QStringLiteral("options"), options);
    // A file's own samples, read from a car, are what its options were told by.
    QJsonArray samples;
    for (const auto& [layout, given] : m_catalog.samples) {
        for (const QString& hex : layout == &b ? given : std::vector<QString>())
            samples.append(sampleJson(b, b.hexText ? hex : link::HEX2BIN(hex)));
    }
    j.insert(QStringLiteral("samples"), samples.isEmpty() ? QJsonArray{sampleOf(b)} : samples);
    return j;
}

QJsonObject Writer::module(const car::Module& m, const QJsonArray& blocks) const
{
    QJsonObject module{{QStringLiteral("name"), qs(m.name)},
                       {QStringLiteral("address"), qs(m.address)},
                       {QStringLiteral("bus"), m.medium() ? QStringLiteral("medium") : QStringLiteral("high")},
                       {QStringLiteral("title"), text(m.title, "Modules")},
                       {QStringLiteral("blocks"), blocks}};
    if (!m.session)
        module.insert(QStringLiteral("session"), false);
    if (m.sessionForCodes != m.session)
        module.insert(QStringLiteral("sessionForCodes"), m.sessionForCodes);
    if (m.codes)
        module.insert(QStringLiteral("troubleCodes"), true);
    if (m.restart)
        module.insert(QStringLiteral("restart"), true);
    if (m.manualBlock >= 0)
        module.insert(QStringLiteral("manualBlock"), car::blockText(m.manualBlock));
    if (m.vinBlock >= 0)
        module.insert(QStringLiteral("vinBlock"), car::blockText(m.vinBlock));
    if (!m.backupBlocks.empty())
        module.insert(QStringLiteral("backupBlocks"), QJsonObject{{QStringLiteral("first"), car::blockText(m.backupBlocks.first)},
                                                                  {QStringLiteral("last"), car::blockText(m.backupBlocks.last)}});
    return module;
}

QJsonObject Writer::page(const car::PageInfo& page) const
{
    QJsonArray modules;
    for (const car::Module* m : m_catalog.modules) {
        if (m->page != &page)
            continue;
        QJsonArray blocks;
        for (const BlockLayout* b : m->blocks) {
            // A layout the file has already (the other door's) is named, not repeated.
            const car::Module* owner = nullptr;
            for (const car::Module* earlier : m_catalog.modules) {
                if (earlier == m)
                    break;
                for (const BlockLayout* eb : earlier->page == &page ? earlier->blocks : std::span<const BlockLayout* const>())
                    owner = owner ? owner : (eb == b ? earlier : nullptr);
            }
            if (owner)
                blocks.append(QJsonObject{{QStringLiteral("number"), car::blockText(b->number)},
                                          {QStringLiteral("sameAs"), qs(owner->address)}});
            else
                blocks.append(block(*b));
        }
        modules.append(module(*m, blocks));
    }
    QJsonArray sides;
    for (const car::PageSide& side : page.allSides()) {
        QJsonObject s{{QStringLiteral("address"), qs(side.address)}, {QStringLiteral("block"), car::blockText(side.layout->number)}};
        if (!side.suffix.empty())
            s.insert(QStringLiteral("suffix"), text(side.suffix, "Pages"));
        sides.append(s);
    }
    QJsonArray controls;
    for (const car::PageControl& c : page.controls) {
        QJsonObject j{{QStringLiteral("name"), qs(c.name)}, {QStringLiteral("kind"), controlKindNames()[int(c.kind)]}};
        if (!c.caption.empty())
            j.insert(QStringLiteral("caption"), text(c.caption, "Pages"));
        if (!c.items.empty())
            j.insert(QStringLiteral("items"), texts(c.items, "Pages"));
        if (c.startItem != -1)
            j.insert(QStringLiteral("startItem"), c.startItem);
        if (c.startEnabled)
            j.insert(QStringLiteral("startEnabled"), true);
        if (c.columns != 1)
            j.insert(QStringLiteral("columns"), c.columns);
        controls.append(j);
    }
    QJsonObject p{{QStringLiteral("caption"), qs(page.caption)}, {QStringLiteral("title"), text(page.title, "Pages")},
                  {QStringLiteral("sides"), sides}};
    if (!page.sideGroup.empty())
        p.insert(QStringLiteral("sideGroup"), qs(page.sideGroup));
    if (!controls.isEmpty())
        p.insert(QStringLiteral("controls"), controls);
    return {{QStringLiteral("format"), kFormat},
            {QStringLiteral("title"), text(page.title, "Pages")},
            {QStringLiteral("modules"), modules},
            {QStringLiteral("page"), p}};
}

QString fileNameOf(const car::PageInfo& page)
{
    QString name = qs(page.caption).toLower();
    name.replace(u'+', u'-');
    return name + QStringLiteral(".json");
}

// Each text of the English file ({"en": …}) with the Russian one at the same place, where
// that differs.
QJsonValue withRussian(const QJsonValue& english, const QJsonValue& russian)
{
    if (english.isArray()) {
        QJsonArray list = english.toArray();
        for (qsizetype i = 0; i < list.size(); ++i)
            list[i] = withRussian(list[i], russian.toArray().at(i));
        return list;
    }
    if (!english.isObject())
        return english;
    QJsonObject o = english.toObject();
    const QJsonObject r = russian.toObject();
    const QString en = QStringLiteral("en");
    if (o.size() == 1 && o.value(en).isString() && r.value(en).isString()) {
        if (r.value(en) != o.value(en))
            o.insert(QStringLiteral("ru"), r.value(en));
        return o;
    }
    for (auto it = o.begin(); it != o.end(); ++it)
        *it = withRussian(*it, r.value(it.key()));
    return o;
}

} // namespace

QList<ExportedFile> exportOwnModules()
{
    const car::Catalog own = car::ownCatalog();
    const Writer writer(own);
    QList<ExportedFile> files;
    for (const car::PageInfo* page : car::kPages)
        files.append({fileNameOf(*page), QJsonDocument(writer.page(*page)).toJson(QJsonDocument::Indented)});
    return files;
}

std::optional<ExportedFile> exportPage(const car::PageInfo& page, QString& problem)
{
    const car::DescriptionFile* file = nullptr;
    for (const car::Module* m : car::catalog().modules)
        file = m->page == &page && m->file ? m->file : file;
    if (!file) {
        const car::Catalog own = car::ownCatalog();
        return ExportedFile{fileNameOf(page), QJsonDocument(Writer(own).page(page)).toJson(QJsonDocument::Indented)};
    }
    // The file again, as it was loaded: its texts in both languages and its samples.
    QFile in(file->path);
    const QByteArray bytes = in.open(QIODevice::ReadOnly) ? in.read(kLargestFile + 1) : QByteArray();
    if (QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex()) != file->sha256) {
        problem = Rules::tr("файл %1 изменился или не читается с тех пор, как загружен").arg(file->path);
        return std::nullopt;
    }
    QJsonObject inLanguage[2];
    for (bool russian : {false, true}) {
        car::Catalog alone = car::ownCatalog();
        const FileOutcome loaded = addDescriptionFile(alone, bytes, file->path, russian);
        if (!loaded.loaded()) {
            problem = loaded.refusal->text();
            return std::nullopt;
        }
        QJsonObject& json = inLanguage[russian ? 1 : 0];
        json = Writer(alone, false).page(*alone.pages.back());
        json.insert(QStringLiteral("title"), QJsonObject{{QStringLiteral("en"), alone.files.back()->title}});
    }
    return ExportedFile{fileNameOf(page),
                        QJsonDocument(withRussian(inLanguage[0], inLanguage[1]).toObject()).toJson(QJsonDocument::Indented)};
}

} // namespace talmero::module_files
