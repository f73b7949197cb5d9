#include "config/pages.h"

#include "config/option_view.h"

#include <algorithm>
#include <vector>

namespace talmero::config {

namespace {

// The panel beside the pages; its title is the page shown first's, as turning to it sets it.
constexpr PageControl kPanelControls[] = {
    {"LabelCONF", ControlKind::Note, QT_TRANSLATE_NOOP("Pages", "Панель приборов"), {}, -1, true},
    {"ButtonCONFread", ControlKind::Button, QT_TRANSLATE_NOOP("Pages", "Read configuration"), {}, -1, true},
    {"ButtonCONFwrite", ControlKind::Button, QT_TRANSLATE_NOOP("Pages", "Write configuration"), {}, -1, false},
    {"ButtonCONFopen", ControlKind::Button, QT_TRANSLATE_NOOP("Pages", "Read from file"), {}, -1, true},
    {"ButtonCONFopenASBUILT", ControlKind::Button, QT_TRANSLATE_NOOP("Pages", "Read AS-BUILT"), {}, -1, true},
    {"ButtonCONFgetASBUILT", ControlKind::Button, QT_TRANSLATE_NOOP("Pages", "Generating AS-BUILT"), {}, -1, false},
    {"ButtonCONFhistory", ControlKind::Button, QT_TRANSLATE_NOOP("Pages", "History of writes"), {}, -1, true},
    {"ButtonCONFcompare", ControlKind::Button, QT_TRANSLATE_NOOP("Pages", "Compare…"), {}, -1, true},
    {"ButtonCONFrestore", ControlKind::Button, QT_TRANSLATE_NOOP("Pages", "Restore from backup…"), {}, -1, true},
    // Trusting a file whose options a page shows, without leaving the connection.
    {"ButtonCONFfiles", ControlKind::Button, QT_TRANSLATE_NOOP("Pages", "Description files…"), {}, -1, true},
};

} // namespace

const PageInfo* pageAt(int tab)
{
    return tab >= 0 && tab < int(pageInfos().size()) ? pageInfos()[std::size_t(tab)] : nullptr;
}

int tabOf(const PageInfo& page)
{
    const auto pages = pageInfos();
    return int(std::find(pages.begin(), pages.end(), &page) - pages.begin());
}

const PageInfo* pageShowing(const BlockLayout& layout)
{
    for (const PageInfo* page : pageInfos()) {
        for (const PageSide& side : page->allSides()) {
            if (&layoutOf(side) == &layout)
                return page;
        }
    }
    return nullptr;
}

QList<const BlockLayout*> pageLayouts(const PageInfo& page)
{
    QList<const BlockLayout*> layouts;
    for (const PageSide& side : page.allSides()) {
        if (!layouts.contains(&layoutOf(side)))
            layouts.append(&layoutOf(side));
    }
    return layouts;
}

const car::Module& moduleOf(const PageSide& side)
{
    return *car::moduleAt(side.address);
}

QString asBuiltAddress(const PageInfo& page)
{
    for (const PageSide& side : page.allSides()) {
        if (side.layout->asBuiltLine > 0)
            return qs(side.address.substr(1));
    }
    return QString();
}

std::span<const PlacedControl> pageControls()
{
    static std::vector<PlacedControl> controls;
    static int madeFor = -1;
    if (madeFor != car::catalogRevision()) {
        madeFor = car::catalogRevision();
        controls.clear();
        for (const PageControl& c : kPanelControls)
            controls.push_back({c, nullptr});
        for (const PageInfo* page : pageInfos()) {
            for (const PageControl& c : page->controls)
                controls.push_back({c, page});
        }
    }
    return controls;
}

void seedStartStates(OptionView& view)
{
    for (const BlockLayout* b : blockLayouts()) {
        for (const Option& o : b->options) {
            const QString name = qs(o.name);
            view.setEnabled(name, false);
            if (o.isRadioGroup())
                view.setItem(name, -1);
            else
                view.setChecked(name, false);
            view.setVisible(name, !o.hidden);
        }
    }
    for (const PlacedControl& c : pageControls()) {
        const QString name = qs(c.name);
        view.setEnabled(name, c.startEnabled);
        if (c.kind == ControlKind::RadioGroup)
            view.setItem(name, c.startItem);
        else if (c.kind == ControlKind::Edit || c.kind == ControlKind::Note)
            view.setText(name, tl(c.caption, "Pages"));
    }
    // The AS-BUILT window's address and entry.
    view.setText(QStringLiteral("Label2"), QStringLiteral("20"));
    view.setText(QStringLiteral("Label3"), QStringLiteral("01"));
    view.setText(QStringLiteral("Label4"), QStringLiteral("01"));
    view.setText(QStringLiteral("Edit1"), QString());
}

} // namespace talmero::config
