#include "app/confirm_dialog.h"

#include "app/widget_names.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
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

} // namespace

ConfirmDialog::ConfirmDialog(const link::ChangeRequest& request, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormConfirm"));
    setWindowTitle(QStringLiteral("TALMERO - ") + request.title);
    setMinimumWidth(460);
    auto* layout = new QVBoxLayout(this);

    QLabel* title = named(textLabel(request.title, this), "LabelConfirmTitle");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);
    layout->addWidget(named(textLabel(request.subject, this), "LabelConfirmSubject"));

    addChange(layout, request.changes, request.oldHex, request.newHex, request.warnings);
    // A batch: each block with its own changes, and a tick when the user may leave it out.
    for (qsizetype i = 0; i < request.parts.size(); ++i) {
        const link::ChangeRequest::Part& part = request.parts[i];
        if (request.choosable) {
            auto* tick = new QCheckBox(part.subject, this);
            tick->setObjectName(QStringLiteral("CheckConfirmPart%1").arg(i));
            tick->setChecked(true);
            m_ticks.append(tick);
            layout->addWidget(tick);
        } else {
            QLabel* subject = textLabel(part.subject, this);
            subject->setObjectName(QStringLiteral("LabelConfirmPart%1").arg(i));
            QFont font = subject->font();
            font.setBold(true);
            subject->setFont(font);
            layout->addWidget(subject);
        }
        addChange(layout, part.changes, part.oldHex, part.newHex, part.warnings);
    }
    if (!request.battery.isEmpty())
        layout->addWidget(named(textLabel(tr("Аккумулятор: %1 В").arg(request.battery), this), "LabelConfirmBattery"));

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

QList<bool> ConfirmDialog::chosen() const
{
    QList<bool> flags;
    for (const QCheckBox* tick : m_ticks)
        flags.append(tick->isChecked());
    return flags;
}

} // namespace talmero::app
