#include "config/pages.h"

#include "config/option_view.h"

namespace talmero::config {

namespace {

constexpr PageInfo kPages[kPageCount] = {
    {"IPC", QT_TRANSLATE_NOOP("Pages", "Панель приборов"), {"720", {}}, false, true,
     {{{BlockId::IPC, "2100", "6100", "3b00", "7B00"}}}, 1, "5 bytes (4 for a \"Pre FL\" dashboard)",
     {}, {}, "20"},
    {"ACM", QT_TRANSLATE_NOOP("Pages", "Аудиомодуль"), {"727", {}}, true, false,
     {{{BlockId::ACM, "2100", "6100", "3b00", "7B00"}}}, 1, "3 bytes", {}, {}, {}},
    // Either part is accepted by any answer beginning "7B0".
    {"BCM", QT_TRANSLATE_NOOP("Pages", "GEM модуль"), {"726", {}}, true, true,
     {{{BlockId::BCM1, "2103", "6103", "3b03", "7B0"}, {BlockId::BCM2, "2104", "6104", "3b04", "7B0"}}},
     2, "4 bytes (part 1), 3 bytes (part 2)", "RadioGroupBCMrd",
     {QT_TRANSLATE_NOOP("Pages", " [Часть 1]"), QT_TRANSLATE_NOOP("Pages", " [Часть 2]")}, "26"},
    {"DDM+PDM", QT_TRANSLATE_NOOP("Pages", "Дверные CAN-модули"), {"740", "741"}, true, true,
     {{{BlockId::DDM, "2101", "6101", "3b01", "7B01"}}}, 1, "1 byte", "RadioGroupDDMr",
     {QT_TRANSLATE_NOOP("Pages", " [Водительский]"), QT_TRANSLATE_NOOP("Pages", " [Пассажирский]")},
     {}},
    {"HVAC", QT_TRANSLATE_NOOP("Pages", "Модуль климат-контроля"), {"733", {}}, true, true,
     {{{BlockId::HVAC, "2101", "6101", "3b01", "7B01"}}}, 1, "1 byte", {}, {}, {}},
    {"RCM", QT_TRANSLATE_NOOP("Pages", "Модуль подушек/ремней без-ти"), {"737", {}}, true, false,
     {{{BlockId::RCM, "2100", "6100", "3b00", "7B00"}}}, 1, "4 bytes", {}, {}, {}},
    {"ABS", QT_TRANSLATE_NOOP("Pages", "Модуль ABS/ESP"), {"760", {}}, false, true,
     {{{BlockId::ABS, "2101", "6101", "3b01", "7B01"}}}, 1, "1 byte", {}, {}, {}},
    {"HCM", QT_TRANSLATE_NOOP("Pages", "Модуль упр-я головным светом"), {"734", {}}, false, true,
     {{{BlockId::HCM, "2100", "6100", "3b00", "7B00"}}}, 1, "1 or 4 bytes", {}, {}, {}},
};

constexpr std::string_view kBcmPartItems[] = {QT_TRANSLATE_NOOP("Pages", "Part 1"),
                                              QT_TRANSLATE_NOOP("Pages", "Part 2")};
constexpr std::string_view kDoorReadItems[] = {QT_TRANSLATE_NOOP("Pages", "Driver (DDM)"),
                                               QT_TRANSLATE_NOOP("Pages", "Passenger (PDM)")};
constexpr std::string_view kDoorWriteItems[] = {QT_TRANSLATE_NOOP("Pages", "Two module (DDM+PDM)"),
                                                QT_TRANSLATE_NOOP("Pages", "Driver (DDM)"),
                                                QT_TRANSLATE_NOOP("Pages", "Passenger (PDM)")};

constexpr PageControl kControls[] = {
    // The title of the page shown first, as turning to it later sets it.
    {-1, "LabelCONF", ControlKind::Note, QT_TRANSLATE_NOOP("Pages", "Панель приборов"), {}, -1, true},
    {-1, "ButtonCONFread", ControlKind::Button, QT_TRANSLATE_NOOP("Pages", "Read configuration"), {}, -1,
     true},
    {-1, "ButtonCONFwrite", ControlKind::Button, QT_TRANSLATE_NOOP("Pages", "Write configuration"), {}, -1,
     false},
    {-1, "ButtonCONFopen", ControlKind::Button, QT_TRANSLATE_NOOP("Pages", "Read from file"), {}, -1, true},
    {-1, "ButtonCONFopenASBUILT", ControlKind::Button, QT_TRANSLATE_NOOP("Pages", "Read AS-BUILT"), {}, -1,
     true},
    {-1, "ButtonCONFgetASBUILT", ControlKind::Button, QT_TRANSLATE_NOOP("Pages", "Generating AS-BUILT"),
     {}, -1, false},
    {-1, "ButtonCONFhistory", ControlKind::Button, QT_TRANSLATE_NOOP("Pages", "History of writes"), {}, -1,
     true},
    {-1, "ButtonCONFcompare", ControlKind::Button, QT_TRANSLATE_NOOP("Pages", "Compare…"), {}, -1, true},
    {-1, "ButtonCONFrestore", ControlKind::Button, QT_TRANSLATE_NOOP("Pages", "Restore from backup…"), {}, -1,
     true},
    {PageACM, "GroupBoxACMoth", ControlKind::GroupBox, QT_TRANSLATE_NOOP("Pages", " Other "), {}, -1, true},
    {PageACM, "Panel1", ControlKind::Note,
     QT_TRANSLATE_NOOP("Pages", "* In the config file: C-Max-combo, Kuga-5door,hatchback"), {}, -1, true},
    {PageBCM, "RadioGroupBCMrd", ControlKind::RadioGroup,
     QT_TRANSLATE_NOOP("Pages", " Configuration of 2 parts"), kBcmPartItems, 0, true, 2},
    {PageBCM, "GroupBoxBCM", ControlKind::Divider, "", {}, -1, true},
    {PageDDM, "RadioGroupDDMr", ControlKind::RadioGroup, QT_TRANSLATE_NOOP("Pages", " Read module "),
     kDoorReadItems, 0, true},
    {PageDDM, "RadioGroupDDMw", ControlKind::RadioGroup, QT_TRANSLATE_NOOP("Pages", " Write to module "),
     kDoorWriteItems, 0, false},
    {PageHVAC, "EditHVAC", ControlKind::Edit, "", {}, -1, false},
    {PageHCM, "EditHCM1", ControlKind::Edit, "", {}, -1, false},
    {PageHCM, "EditHCM2", ControlKind::Edit, "", {}, -1, false},
};

} // namespace

std::span<const PageInfo> pageInfos()
{
    return kPages;
}

const PageInfo& pageInfo(int page)
{
    return kPages[page];
}

std::span<const PageControl> pageControls()
{
    return kControls;
}

void seedStartStates(OptionView& view)
{
    for (const BlockLayout& b : blockLayouts()) {
        for (const Option& o : b.options) {
            const QString name = qs(o.name);
            view.setEnabled(name, false);
            if (o.isRadioGroup())
                view.setItem(name, -1);
            else
                view.setChecked(name, false);
            view.setVisible(name, !o.hidden);
        }
    }
    for (const PageControl& c : pageControls()) {
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
