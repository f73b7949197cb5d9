#include "module_files/description_export.h"
#include "module_files/description_file.h"

#include "car/modules.h"

#include <QRegularExpression>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace talmero;
using namespace talmero::module_files;

namespace {

// A text of the program as a file gives it: its Russian where the program's own text is
// Russian and Russian is spoken, else its English.
struct Shown {
    QTranslator english;
    bool russian = true;
    QString operator()(std::string_view text, const char* context) const
    {
        const QString own = car::qs(text);
        if (russian && own.contains(QRegularExpression(QStringLiteral("[А-Яа-яЁё]"))))
            return own;
        const QString translated = english.translate(context, std::string(text).c_str());
        return translated.isEmpty() ? own : translated;
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
    EXPECT_EQ(int(own.id), int(loaded.id));
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
                EXPECT_EQ(int(a.sides[s].layout->id), int(b.sides[s].layout->id));
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
            EXPECT_EQ(shown(own->title, "Modules"), car::qs((*it)->title));
            EXPECT_EQ((*it)->page->caption, own->page->caption);
            ASSERT_EQ((*it)->blocks.size(), own->blocks.size());
        }
    }
}
