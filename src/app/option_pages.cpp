#include "app/option_pages.h"

#include "app/column_flow_layout.h"
#include "app/radio_group.h"
#include "app/widget_names.h"
#include "car/catalog.h"
#include "config/description_trust.h"
#include "config/layout.h"
#include "config/pages.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace talmero::app {

namespace {

using config::ControlKind;
using config::PageControl;
using config::qs;
using config::tl;

// Translation contexts of the tables' texts: the block layouts and the page table.
constexpr const char* kLayout = "Layout";
constexpr const char* kPages = "Pages";

// Rows tighter than the style's own: the 19 part-1 options of the BCM page must fit
// one column beside part 2.
int compactRow(const QWidget& control)
{
    return control.fontMetrics().height() + 4;
}

QStringList itemTexts(std::span<const std::string_view> items, const char* context)
{
    QStringList texts;
    for (std::string_view item : items)
        texts.append(tl(item, context));
    return texts;
}

// Controls are made inside their page at once: they take its font, and are never
// top-level windows on their own.
RadioGroup* makeRadioGroup(QWidget* page, std::string_view name, std::string_view caption,
                           std::span<const std::string_view> items, int columns, const char* context)
{
    auto* group = named(new RadioGroup(tl(caption, context), itemTexts(items, context), columns, page), name);
    group->setRowHeight(compactRow(*group));
    return group;
}

// The page's own controls, by name, before they are placed.
struct PageParts {
    QHash<QString, QWidget*> edits;
    QGroupBox* looseBoxes = nullptr; // holds the page's check boxes when the page has one
    QFrame* divider = nullptr;
    QList<RadioGroup*> groups;
    QList<QLabel*> notes;
};

PageParts makePageControls(const config::PageInfo& page, QWidget* widget)
{
    PageParts parts;
    for (const config::PlacedControl& c : config::pageControls()) {
        if (c.page != &page)
            continue;
        switch (c.kind) {
        case ControlKind::Edit: {
            // Shows an unknown block beside the "Other" item; never typed into.
            auto* edit = named(new QLineEdit(widget), c.name);
            edit->setFrame(false);
            edit->setReadOnly(true);
            edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1String("00000000")) + 12);
            edit->setEnabled(c.startEnabled);
            QPalette colours = edit->palette();
            for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                colours.setColor(group, QPalette::Base, Qt::transparent);
            edit->setPalette(colours);
            parts.edits.insert(qs(c.name), edit);
            break;
        }
        case ControlKind::GroupBox: {
            parts.looseBoxes = named(new QGroupBox(tl(c.caption, kPages), widget), c.name);
            auto* inside = new QVBoxLayout(parts.looseBoxes);
            inside->setContentsMargins(6, 2, 6, 2);
            inside->setSpacing(0);
            break;
        }
        case ControlKind::Divider:
            parts.divider = named(new QFrame(widget), c.name);
            parts.divider->setFrameShape(QFrame::VLine);
            parts.divider->setFrameShadow(QFrame::Sunken);
            parts.divider->setFixedWidth(3);
            break;
        case ControlKind::RadioGroup: {
            RadioGroup* group = makeRadioGroup(widget, c.name, c.caption, c.items, c.columns, kPages);
            group->setItem(c.startItem);
            group->setEnabled(c.startEnabled);
            parts.groups.append(group);
            break;
        }
        case ControlKind::Note: {
            auto* note = named(new QLabel(tl(c.caption, kPages), widget), c.name);
            note->setWordWrap(true);
            parts.notes.append(note);
            break;
        }
        case ControlKind::Button:
            break;
        }
    }
    return parts;
}

// One option's control, disabled as after a reset, reporting the user's changes.
QWidget* makeOption(const config::Option& o, QWidget* page, const PageParts& parts,
                    const std::function<void(QWidget*)>& userChange)
{
    QWidget* control = nullptr;
    if (o.isRadioGroup()) {
        RadioGroup* group = makeRadioGroup(page, o.name, o.caption, o.items, o.columns, kLayout);
        group->setItem(-1);
        if (QWidget* edit = parts.edits.value(qs(o.otherEdit)))
            group->setCompanion(o.otherItem, edit);
        QObject::connect(group, &RadioGroup::userChanged, group, [=] { userChange(group); });
        control = group;
    } else {
        auto* box = named(new QCheckBox(tl(o.caption, kLayout), page), o.name);
        box->setFixedHeight(compactRow(*box));
        if (!o.hint.empty())
            box->setToolTip(tl(o.hint, kLayout));
        // clicked, not toggled: a decode or a reset must not run a rule.
        QObject::connect(box, &QCheckBox::clicked, box, [=] { userChange(box); });
        control = box;
    }
    control->setEnabled(false);
    if (o.hidden)
        control->hide();
    return control;
}

} // namespace

OptionPages::OptionPages(const QFont& font, UserChange onUserChange)
    : m_font(font), m_onUserChange(std::move(onUserChange))
{
}

QWidget* OptionPages::buildPage(const config::PageInfo& page) const
{
    auto* widget = new QWidget;
    widget->setObjectName(QStringLiteral("TabCONF") + qs(page.caption));
    widget->setFont(m_font);
    PageParts parts = makePageControls(page, widget);

    // The connections outlive this builder: they hold their own copy of the callback.
    const std::function<void(QWidget*)> userChange =
        [onUserChange = m_onUserChange](QWidget* control) { onUserChange(control->objectName()); };
    for (RadioGroup* group : parts.groups)
        QObject::connect(group, &RadioGroup::userChanged, group, [=] { userChange(group); });

    const QList<const config::BlockLayout*> blocks = config::pageLayouts(page);

    // One flow for the page: each block a section, the page's choice of part or door
    // heading the last block's options.
    auto* flow = new ColumnFlowLayout;
    flow->setSpacing(0);
    for (int i = 0; i < blocks.size(); ++i) {
        if (i > 0)
            flow->startSection(parts.divider);
        if (i == blocks.size() - 1) {
            for (RadioGroup* group : parts.groups)
                flow->addWidget(group);
        }
        QHash<const car::DescriptionFile*, QGroupBox*> fileGroups;
        for (const config::Option& o : blocks[i]->options) {
            QWidget* control = makeOption(o, widget, parts, userChange);
            if (o.file) {
                // Marked as not the program's own: a group per file, captioned with it.
                QGroupBox*& group = fileGroups[o.file];
                if (!group) {
                    group = new QGroupBox(QCoreApplication::translate("OptionPages", "%1 (description file %2)")
                                              .arg(o.file->title, config::fileLabel(*o.file)),
                                          widget);
                    group->setObjectName(QStringLiteral("GroupBoxFile%1").arg(fileGroups.size()));
                    auto* inside = new QVBoxLayout(group);
                    inside->setContentsMargins(6, 2, 6, 2);
                    inside->setSpacing(0);
                    flow->addWidget(group);
                }
                group->layout()->addWidget(control);
            } else if (!o.isRadioGroup() && parts.looseBoxes) {
                if (parts.looseBoxes->layout()->count() == 0)
                    flow->addWidget(parts.looseBoxes);
                parts.looseBoxes->layout()->addWidget(control);
            } else {
                flow->addWidget(control);
            }
        }
    }

    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);
    layout->addLayout(flow, 1);
    for (QLabel* note : parts.notes)
        layout->addWidget(note);
    return widget;
}

QWidget* OptionPages::buildPanel() const
{
    auto* panel = new QFrame;
    panel->setFont(m_font);
    panel->setObjectName(QStringLiteral("PanelCONF"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    for (const config::PlacedControl& c : config::pageControls()) {
        if (c.page)
            continue;
        QWidget* control = nullptr;
        if (c.kind == ControlKind::Button) {
            auto* button = new QPushButton(tl(c.caption, kPages), panel);
            button->setMinimumWidth(button->sizeHint().width() + 8);
            control = button;
        } else {
            auto* label = new QLabel(tl(c.caption, kPages), panel);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignCenter);
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
            label->setMinimumHeight(2 * label->fontMetrics().height() + 4);
            control = label;
        }
        control->setObjectName(qs(c.name));
        control->setEnabled(c.startEnabled);
        layout->addWidget(control);
    }
    // Where a page's content came from when it is not the car: a file or an AS-BUILT line.
    auto* source = new QLabel(panel);
    source->setObjectName(QStringLiteral("LabelCONFsource"));
    source->setWordWrap(true);
    source->setAlignment(Qt::AlignCenter);
    source->setStyleSheet(QStringLiteral("color: #a05000;"));
    layout->addWidget(source);
    layout->addStretch();
    // The same width on every page, whichever buttons the page shows.
    panel->setFixedWidth(panel->sizeHint().width());
    return panel;
}

} // namespace talmero::app
