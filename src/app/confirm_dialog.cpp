#include "app/confirm_dialog.h"

#include "app/widget_names.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace talmero::app {

namespace {

QLabel* textLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString actionText(link::ChangeRequest::Kind kind)
{
    switch (kind) {
    case link::ChangeRequest::Kind::Clear:
        return ConfirmDialog::tr("&Стереть");
    case link::ChangeRequest::Kind::Restart:
        return ConfirmDialog::tr("&Перезагрузить");
    case link::ChangeRequest::Kind::Write:
        break;
    }
    return ConfirmDialog::tr("&Записать");
}

// The blocks of a batch: as tall as they are at the dialog's width (the wrapped labels'
// own hint is for a narrower one), scrolled beyond a share of the screen.
class PartsScroll : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    int wantedHeight = 0;
    QSize sizeHint() const override { return {QScrollArea::sizeHint().width(), wantedHeight}; }
};

} // namespace

ConfirmDialog::ConfirmDialog(const link::ChangeRequest& request, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormConfirm"));
    // The request's title heads the dialog; a long one in the title bar would be cut.
    setWindowTitle(QStringLiteral("TALMERO"));
    setMinimumWidth(460);
    auto* layout = new QVBoxLayout(this);

    QLabel* title = named(textLabel(request.title, this), "LabelConfirmTitle");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);
    layout->addWidget(named(textLabel(request.subject, this), "LabelConfirmSubject"));

    addChange(layout, request.changes, request.oldHex, request.newHex, request.warnings);
    // A batch: each block with its own changes, and a tick when the user may leave it out;
    // scrolled, so that a whole car's blocks leave the buttons on the screen.
    QVBoxLayout* partsLayout = layout;
    PartsScroll* scroll = nullptr;
    if (!request.parts.isEmpty()) {
        scroll = new PartsScroll(this);
        scroll->setObjectName(QStringLiteral("ScrollConfirmParts"));
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        auto* inner = new QWidget(scroll);
        partsLayout = new QVBoxLayout(inner);
        partsLayout->setContentsMargins(0, 0, 0, 0);
        scroll->setWidget(inner);
        layout->addWidget(scroll, 1);
    }
    for (qsizetype i = 0; i < request.parts.size(); ++i) {
        const link::ChangeRequest::Part& part = request.parts[i];
        if (i > 0)
            partsLayout->addSpacing(8);
        if (request.choosable) {
            auto* tick = new QCheckBox(part.subject, this);
            tick->setObjectName(QStringLiteral("CheckConfirmPart%1").arg(i));
            tick->setChecked(true);
            m_ticks.append(tick);
            partsLayout->addWidget(tick);
        } else {
            QLabel* subject = textLabel(part.subject, this);
            subject->setObjectName(QStringLiteral("LabelConfirmPart%1").arg(i));
            QFont font = subject->font();
            font.setBold(true);
            subject->setFont(font);
            partsLayout->addWidget(subject);
        }
        addChange(partsLayout, part.changes, part.oldHex, part.newHex, part.warnings);
    }
    if (scroll) {
        // The blocks close together at the top, and all in view when the screen allows.
        partsLayout->addStretch(1);
        const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
        const int room = screen ? screen->availableGeometry().height() * 3 / 5 : 400;
        const QMargins margins = layout->contentsMargins();
        const int width = minimumWidth() - margins.left() - margins.right();
        scroll->wantedHeight = qMin(partsLayout->totalHeightForWidth(width), room);
        scroll->setMinimumHeight(scroll->wantedHeight);
    }
    if (!request.battery.isEmpty())
        layout->addWidget(named(textLabel(tr("Аккумулятор: %1 В").arg(request.battery), this), "LabelConfirmBattery"));

    if (!request.backupOffer.isEmpty()) {
        m_backup = named(new QCheckBox(request.backupOffer, this), "CheckConfirmBackup");
        m_backup->setChecked(true);
        layout->addWidget(m_backup);
    }
    QCheckBox* mustTick = nullptr;
    if (!request.mustTick.isEmpty()) {
        mustTick = named(new QCheckBox(request.mustTick, this), "CheckConfirmForce");
        layout->addWidget(mustTick);
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* accept = named(buttons->addButton(actionText(request.kind), QDialogButtonBox::AcceptRole),
                                "ButtonConfirm");
    QPushButton* cancel = named(buttons->addButton(tr("Отмена"), QDialogButtonBox::RejectRole),
                                "ButtonConfirmCancel");
    // Enter cancels, as "Write? [y/N]" does on the command line; writing takes a click
    // or the button's shortcut.
    accept->setAutoDefault(false);
    cancel->setDefault(true);
    cancel->setFocus();
    if (mustTick) {
        accept->setEnabled(false);
        connect(mustTick, &QCheckBox::toggled, accept, &QPushButton::setEnabled);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void ConfirmDialog::addChange(QVBoxLayout* layout, const QStringList& changes, const QString& oldHex,
                              const QString& newHex, const QStringList& warnings)
{
    if (!changes.isEmpty())
        layout->addWidget(named(textLabel(changes.join(u'\n'), this), "LabelConfirmChanges"));
    if (!oldHex.isEmpty() || !newHex.isEmpty()) {
        QLabel* block = named(textLabel(tr("Сейчас:  ") + oldHex + tr("\nБудет:   ") + newHex, this),
                              "LabelConfirmBlock");
        block->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        layout->addWidget(block);
    }
    if (!warnings.isEmpty()) {
        QLabel* shown = named(textLabel(warnings.join(u'\n'), this), "LabelConfirmWarnings");
        shown->setStyleSheet(QStringLiteral("color: #b00000;"));
        layout->addWidget(shown);
    }
}

bool ConfirmDialog::backupChosen() const
{
    return m_backup && m_backup->isChecked();
}

bool ConfirmDialog::answer(const link::ChangeRequest& request)
{
    const bool agreed = exec() == QDialog::Accepted;
    if (request.backupFirst)
        *request.backupFirst = agreed && backupChosen();
    return agreed;
}

QList<bool> ConfirmDialog::chosen() const
{
    QList<bool> flags;
    for (const QCheckBox* tick : m_ticks)
        flags.append(tick->isChecked());
    return flags;
}

} // namespace talmero::app
