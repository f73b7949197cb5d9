#include "module_files/description_export.h"
#include "module_files/description_file.h"
#include "module_files/description_folders.h"

#include "car/modules.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace talmero;
using namespace talmero::module_files;

namespace {

// A text of the program as a file gives it: as the program shows it in the language spoken.
struct Shown {
    QTranslator english;
    QTranslator inRussian;
    bool russian = true;
    QString operator()(std::string_view text, const char* context) const
    {
        const QString translated = (russian ? inRussian : english).translate(context, std::string(text).c_str());
        return translated.isEmpty() ? car::qs(text) : translated;
    }
};

void expectSameTexts(std::span<const std::string_view> own, std::span<const std::string_view> loaded, const char* context,
                     const Shown& shown)
{
    ASSERT_EQ(own.size(), loaded.size());
    for (std::size_t i = 0; i < own.size(); ++i)
        EXPECT_EQ(shown(own[i], context), car::qs(loaded[i]));
}

void expectSameLayout(const car::BlockLayout& own, const car::BlockLayout& loaded, const Shown& shown)
{
    SCOPED_TRACE(car::blockText(own.number).toStdString());
    EXPECT_EQ(own.number, loaded.number);
    EXPECT_EQ(own.capacity, loaded.capacity);
    EXPECT_EQ(own.hexText, loaded.hexText);
    EXPECT_EQ(own.zero, loaded.zero);
    EXPECT_EQ(own.minLength, loaded.minLength);
    EXPECT_EQ(own.exactLengths, loaded.exactLengths);
    EXPECT_EQ(own.refusePos, loaded.refusePos);
    EXPECT_EQ(own.refusePattern, loaded.refusePattern);
    EXPECT_EQ(shown(own.refuseMessage, "Layout"), car::qs(loaded.refuseMessage));
    EXPECT_EQ(own.known.at, loaded.known.at);
    EXPECT_EQ(shown(own.unknownMessage, "Layout"), car::qs(loaded.unknownMessage));
    EXPECT_EQ(own.alsoEnabled, loaded.alsoEnabled);
    EXPECT_EQ(own.asBuiltLine, loaded.asBuiltLine);
    ASSERT_EQ(own.options.size(), loaded.options.size());
    for (std::size_t i = 0; i < own.options.size(); ++i) {
        const car::Option& a = own.options[i];
        const car::Option& b = loaded.options[i];
        SCOPED_TRACE(std::string(a.name));
        EXPECT_EQ(a.name, b.name);
        EXPECT_EQ(a.kind, b.kind);
        EXPECT_EQ(a.pos.at, b.pos.at);
        EXPECT_EQ(a.pos.count, b.pos.count);
        EXPECT_EQ(shown(a.caption, "Layout"), car::qs(b.caption));
        EXPECT_EQ(shown(a.hint, "Layout"), car::qs(b.hint));
        expectSameTexts(a.items, b.items, "Layout", shown);
        ASSERT_EQ(a.decode.size(), b.decode.size());
        for (std::size_t k = 0; k < a.decode.size(); ++k) {
            EXPECT_EQ(a.decode[k].pattern, b.decode[k].pattern);
            EXPECT_EQ(a.decode[k].item, b.decode[k].item);
        }
        ASSERT_EQ(a.encode.size(), b.encode.size());
        for (std::size_t k = 0; k < a.encode.size(); ++k)
            EXPECT_EQ(a.encode[k], b.encode[k]);
        EXPECT_EQ(a.otherItem, b.otherItem);
        EXPECT_EQ(a.noItemPattern, b.noItemPattern);
        EXPECT_EQ(a.otherEdit, b.otherEdit);
        EXPECT_EQ(a.blocksWriteItem, b.blocksWriteItem);
        EXPECT_EQ(a.onlyLength, b.onlyLength);
        EXPECT_EQ(a.byLength, b.byLength);
        EXPECT_EQ(a.enable, b.enable);
        EXPECT_EQ(a.enablePos, b.enablePos);
        EXPECT_EQ(a.tickOnShow, b.tickOnShow);
        EXPECT_EQ(a.hidden, b.hidden);
        EXPECT_EQ(a.columns, b.columns);
        EXPECT_EQ(a.file, nullptr);
        EXPECT_NE(b.file, nullptr);
    }
}

} // namespace

// The program's own descriptions, written as files and read back into an empty catalog,
// are the same field by field, in both languages: the format says all the pages need.
TEST(DescriptionFiles, OwnModulesExportAndLoadBackFieldByField)
{
    Shown shown;
    ASSERT_TRUE(shown.english.load(QStringLiteral(":/i18n/talmero_en.qm")));
    ASSERT_TRUE(shown.inRussian.load(QStringLiteral(":/i18n/talmero_ru.qm")));
    const QList<ExportedFile> files = exportOwnModules();
    ASSERT_EQ(files.size(), qsizetype(car::kPages.size()));
    for (bool russian : {true, false}) {
        shown.russian = russian;
        car::Catalog loaded;
        for (const ExportedFile& f : files) {
            const FileOutcome outcome = addDescriptionFile(loaded, f.json, f.name, russian);
            ASSERT_TRUE(outcome.loaded()) << outcome.refusal->text().toStdString();
        }
        ASSERT_EQ(loaded.layouts.size(), car::kLayouts.size());
        for (std::size_t i = 0; i < car::kLayouts.size(); ++i)
            expectSameLayout(*car::kLayouts[i], *loaded.layouts[i], shown);
        ASSERT_EQ(loaded.pages.size(), car::kPages.size());
        for (std::size_t i = 0; i < car::kPages.size(); ++i) {
            const car::PageInfo& a = *car::kPages[i];
            const car::PageInfo& b = *loaded.pages[i];
            SCOPED_TRACE(std::string(a.caption));
            EXPECT_EQ(a.caption, b.caption);
            EXPECT_EQ(shown(a.title, "Pages"), car::qs(b.title));
            EXPECT_EQ(a.sideGroup, b.sideGroup);
            ASSERT_EQ(a.sideCount, b.sideCount);
            for (int s = 0; s < a.sideCount; ++s) {
                EXPECT_EQ(a.sides[s].address, b.sides[s].address);
                EXPECT_EQ(a.sides[s].layout->number, b.sides[s].layout->number);
                EXPECT_EQ(shown(a.sides[s].suffix, "Pages"), car::qs(b.sides[s].suffix));
            }
            ASSERT_EQ(a.controls.size(), b.controls.size());
            for (std::size_t k = 0; k < a.controls.size(); ++k) {
                EXPECT_EQ(a.controls[k].name, b.controls[k].name);
                EXPECT_EQ(a.controls[k].kind, b.controls[k].kind);
                EXPECT_EQ(shown(a.controls[k].caption, "Pages"), car::qs(b.controls[k].caption));
                expectSameTexts(a.controls[k].items, b.controls[k].items, "Pages", shown);
                EXPECT_EQ(a.controls[k].startItem, b.controls[k].startItem);
                EXPECT_EQ(a.controls[k].startEnabled, b.controls[k].startEnabled);
                EXPECT_EQ(a.controls[k].columns, b.controls[k].columns);
            }
        }
        // Every module that has a page, with how it is reached.
        for (const car::Module* own : car::kModules) {
            if (!own->hasPage())
                continue;
            const auto it = std::find_if(loaded.modules.begin(), loaded.modules.end(),
                                         [&](const car::Module* m) { return m->address == own->address; });
            ASSERT_NE(it, loaded.modules.end()) << own->name;
            EXPECT_EQ((*it)->name, own->name);
            EXPECT_EQ((*it)->bus, own->bus);
            EXPECT_EQ((*it)->session, own->session);
            EXPECT_EQ((*it)->sessionForCodes, own->sessionForCodes);
            const auto service = [](const car::Module& m) {
                return std::tuple(m.codes, m.restart, m.manualBlock, m.vinBlock, m.backupBlocks.first, m.backupBlocks.last);
            };
            EXPECT_EQ(service(**it), service(*own));
            EXPECT_FALSE((*it)->identity); // a file never names the car
            EXPECT_EQ(shown(own->title, "Modules"), car::qs((*it)->title));
            EXPECT_EQ((*it)->page->caption, own->page->caption);
            ASSERT_EQ((*it)->blocks.size(), own->blocks.size());
        }
    }
}

namespace {

// A flag at a position the BCM's part 1 leaves free; each row of the table breaks one rule.
const QByteArray kExtension = R"json({"format": 1, "title": {"en": "Example"},
 "extends": {"address": "726", "block": "03"},
 "options": [{"name": "CheckBoxExample32", "kind": "flag", "positions": [32], "caption": {"en": "Example flag"}}],
 "samples": [{"hex": "00000001", "options": {"CheckBoxExample32": 1}}]})json";

// A module of its own with one block and its page.
const QByteArray kModule = R"json({"format": 1, "title": {"en": "Seat module"},
 "modules": [{"name": "DSM", "address": "7A0", "bus": "medium", "title": {"en": "Seat module"},
   "blocks": [{"number": "01", "capacity": 8, "zero": "00000000",
     "options": [{"name": "CheckBoxDSM1", "kind": "flag", "positions": [1], "caption": {"en": "Memory"}}],
     "samples": [{"hex": "80", "options": {"CheckBoxDSM1": 1}}]}]}],
 "page": {"caption": "DSM", "title": {"en": "Seat module"}, "sides": [{"address": "7A0", "block": "01"}]}})json";

QByteArray with(QByteArray base, const char* from, const char* to)
{
    EXPECT_TRUE(base.contains(from)) << from;
    return base.replace(from, to);
}

} // namespace

TEST(DescriptionFiles, EachBrokenRuleRefusesTheWholeFileNamingPathAndRule)
{
    const QByteArray choice = R"({"name": "RadioGroupExample", "kind": "choice", "positions": [23, 24], "caption": {"en": "C"},
        "items": [{"en": "a"}], "decode": [{"pattern": "01", "item": 0}, {"pattern": "11", "item": 0}], "encode": ["11"]})";
    struct Row {
        QByteArray file;
        const char* path;
        const char* rule;
    } const rows[] = {
        {kExtension, "", ""},
        {kModule, "", ""},
        {"{\"format\": 1,", "", "не JSON"},
        {with(kExtension, "\"format\": 1", "\"format\": 2"), "format", "формат 2 этой программе неизвестен"},
        {with(kExtension, "[32]", "\"32\""), "options[0].positions", "ожидается список"},
        {with(kExtension, "[32]", "[33]"), "options[0]", "a position outside the block"},
        {with(kExtension, "[32]", "[1]"), "options[0].positions", "позиция 1 блока уже занята"},
        {with(kExtension, "}}],\n \"samples\"", "}}, {\"name\": \"CheckBoxOther\", \"kind\": \"flag\", \"positions\": [32], "
                                                "\"caption\": {\"en\": \"Other\"}}],\n \"samples\""),
         "options[1]", "a position written by two options"},
        {with(kExtension, "\"CheckBoxExample32\": 1}", "\"CheckBoxExample32\": 0}"), "samples[0].options.CheckBoxExample32",
         "образец читается иначе"},
        {with(with(kExtension, "\"options\": [{", QByteArray("\"options\": [" + choice + ", {").constData()),
              "\"00000001\", \"options\": {\"CheckBoxExample32\": 1}", "\"00000101\", \"options\": {\"CheckBoxExample32\": 1, \"RadioGroupExample\": 0}"),
         "samples[0].hex", "не записывается обратно теми же байтами: 00000301"},
        {with(kModule, "7A0", "720"), "modules[0].address", "модуль с адресом 720 уже есть"},
        {with(kModule, "\"blocks\"", "\"backupBlocks\": {\"first\": \"02\", \"last\": \"03\"}, \"blocks\""),
         "modules[0].backupBlocks", "копия не хранит блок конфигурации 01"},
        {with(kModule, "\"blocks\"", "\"backupBlocks\": {\"first\": \"01\", \"last\": \"00\"}, \"blocks\""),
         "modules[0].backupBlocks.last", "последний блок копии раньше первого"},
        {with(kModule, "\"blocks\"", "\"backupBlocks\": {\"first\": \"00\", \"last\": \"10\"}, \"blocks\""),
         "modules[0].backupBlocks", "не больше 16 блоков"},
        {with(kModule, "\"blocks\"", "\"manualBlock\": \"1\", \"blocks\""), "modules[0].manualBlock", "две шестнадцатеричные цифры"},
        {with(kModule, "\"blocks\"", "\"session\": false, \"troubleCodes\": true, \"blocks\""), "modules[0].troubleCodes",
         "нужен vinBlock"},
        {with(kExtension, "\"block\": \"03\"", "\"block\": \"09\""), "extends.block", "нет блока конфигурации 09"},
        {with(kExtension, ", \"caption\": {\"en\": \"Example flag\"}", ""), "options[0].caption", "поле обязательно"},
        {with(kExtension, "\"positions\"", "\"postions\""), "options[0].postions", "такого поля в формате нет"},
        {with(kExtension, "CheckBoxExample32\", \"kind", "CheckBox1BCM07\", \"kind"), "options[0].name",
         "имя CheckBox1BCM07 уже занято"},
        {with(kExtension, "\"samples\": [{\"hex\": \"00000001\", \"options\": {\"CheckBoxExample32\": 1}}]", "\"samples\": []"),
         "samples", "нужен хотя бы один образец"},
        {QByteArray(kLargestFile + 1, ' '), "", "файл больше 1 МиБ"},
        {with(kExtension, "\"kind\": \"flag\"", "\"kind\": \"flag\", \"kind\": \"choice\""), "options[0].kind", "ключ повторяется"},
        {with(kExtension, "\"Example flag\"", "\"Example \\u202Eflag\""), "options[0].caption.en", "управляющий символ в тексте"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file.left(200).toStdString());
        car::Catalog catalog = car::ownCatalog();
        const std::size_t pages = catalog.pages.size();
        const FileOutcome outcome = addDescriptionFile(catalog, row.file, QStringLiteral("/x/f.json"), true);
        if (!*row.rule) {
            EXPECT_TRUE(outcome.loaded()) << outcome.refusal->text().toStdString();
            continue;
        }
        ASSERT_FALSE(outcome.loaded());
        EXPECT_EQ(outcome.refusal->file, QStringLiteral("f.json"));
        EXPECT_EQ(outcome.refusal->path, QLatin1String(row.path));
        EXPECT_TRUE(outcome.refusal->rule.contains(QString::fromUtf8(row.rule))) << outcome.refusal->rule.toStdString();
        // Refused whole: the catalog is as it was.
        EXPECT_EQ(catalog.pages.size(), pages);
        EXPECT_EQ(&catalog.inUse(car::kBcm1Layout), &car::kBcm1Layout);
    }
}

// A folder's files load each on its own: a link round in a loop, a folder named like a
// file and a second claim on a taken position are refused, the rest loads.
TEST(DescriptionFiles, AFolderLoadsWhatHoldsAndRefusesTheRest)
{
    QTemporaryDir dir;
    const auto put = [&](const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    put("a.json", kExtension);
    put("b.json", with(kExtension, "CheckBoxExample32", "CheckBoxSecond32"));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("c.json")), dir.filePath(QStringLiteral("c.json"))));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("d.json")));
    put("notes.txt", "not a description");

    const FolderLoad load = loadDescriptionFolders({dir.path(), dir.filePath(QStringLiteral("missing"))}, true);
    ASSERT_EQ(load.files.size(), 4);
    EXPECT_TRUE(load.files[0].loaded());
    EXPECT_EQ(load.files[1].refusal->text(), QStringLiteral("b.json: options[0].positions: позиция 32 блока уже занята"));
    EXPECT_EQ(load.files[2].refusal->text(), QStringLiteral("c.json: ссылка никуда не ведёт (или ведёт по кругу)"));
    EXPECT_EQ(load.files[3].refusal->text(), QStringLiteral("d.json: это не файл"));
    const car::BlockLayout& bcm1 = load.catalog.inUse(car::kBcm1Layout);
    ASSERT_EQ(bcm1.options.size(), car::kBcm1Layout.options.size() + 1);
    EXPECT_EQ(bcm1.options.back().name, "CheckBoxExample32");
    EXPECT_EQ(bcm1.options.back().file->name, QStringLiteral("a.json"));
}
