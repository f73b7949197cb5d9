#include "app/confirm_dialog.h"

#include "app/widget_names.h"

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
        return ConfirmDialog::tr("Стереть");
    case link::ChangeRequest::Kind::Restart:
        return ConfirmDialog::tr("Перезагрузить");
    case link::ChangeRequest::Kind::Write:
        break;
    }
    return ConfirmDialog::tr("Записать");
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

    if (!request.changes.isEmpty())
        layout->addWidget(named(textLabel(request.changes.join(u'\n'), this), "LabelConfirmChanges"));
    if (!request.oldHex.isEmpty() || !request.newHex.isEmpty()) {
        QLabel* block = named(textLabel(tr("Сейчас:  ") + request.oldHex + tr("\nБудет:   ")
                                            + request.newHex, this),
                              "LabelConfirmBlock");
        block->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        layout->addWidget(block);
    }
    if (!request.warnings.isEmpty()) {
        QLabel* warnings = named(textLabel(request.warnings.join(u'\n'), this), "LabelConfirmWarnings");
        warnings->setStyleSheet(QStringLiteral("color: #b00000;"));
        layout->addWidget(warnings);
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* accept = named(buttons->addButton(actionText(request.kind), QDialogButtonBox::AcceptRole),
                                "ButtonConfirm");
    QPushButton* cancel = named(buttons->addButton(tr("Отмена"), QDialogButtonBox::RejectRole),
                                "ButtonConfirmCancel");
    cancel->setAutoDefault(false);
    accept->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

} // namespace talmero::app
