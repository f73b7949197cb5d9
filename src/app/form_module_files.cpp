#include "app/form_module_files.h"

#include "app/dialogs.h"
#include "app/widget_names.h"
#include "config/description_trust.h"
#include "module_files/description_folders.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace talmero::app {

TFormModuleFiles::TFormModuleFiles(const QList<module_files::FileOutcome>& files, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormModuleFiles"));
    setWindowTitle(tr("Module description files"));
    auto* folders = named(new QLabel(tr("Read at start from:\n%1\nAn option from a file shows on its page at once; it is "
                                        "written only when you trust the file. A file that changed since is not trusted.")
                                         .arg(module_files::descriptionFolders().join(u'\n')),
                                     this),
                          "LabelModuleFolders");
    folders->setWordWrap(true);
    folders->setTextInteractionFlags(Qt::TextSelectableByMouse);

    TreeModuleFiles = named(new QTreeWidget(this), "TreeModuleFiles");
    TreeModuleFiles->setHeaderLabels({tr("Trusted file"), tr("Title, or why it was refused")});
    TreeModuleFiles->setRootIsDecorated(true);
    TreeModuleFiles->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    TreeModuleFiles->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    for (const module_files::FileOutcome& f : files) {
        auto* row = new QTreeWidgetItem(TreeModuleFiles);
        if (f.refusal) {
            row->setText(0, f.refusal->file);
            row->setText(1, tr("refused"));
            row->setForeground(1, QColor(0xB0, 0, 0));
            // The reason in full, however long: where in the file, and the rule.
            auto* reason = new QLabel(f.refusal->path.isEmpty() ? f.refusal->rule
                                                               : f.refusal->path + QStringLiteral(": ") + f.refusal->rule);
            reason->setWordWrap(true);
            reason->setTextInteractionFlags(Qt::TextSelectableByMouse);
            TreeModuleFiles->setItemWidget(new QTreeWidgetItem(row), 1, reason);
            row->setExpanded(true);
            continue;
        }
        row->setText(0, config::fileLabel(*f.file));
        row->setText(1, f.file->title);
        row->setToolTip(0, QStringLiteral("SHA-256 %1\n%2").arg(f.file->sha256, f.file->path));
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(0, config::isTrusted(*f.file) ? Qt::Checked : Qt::Unchecked);
        row->setData(0, Qt::UserRole, QVariant::fromValue(static_cast<const void*>(f.file.get())));
        for (const QString& add : f.adds)
            new QTreeWidgetItem(row, {QString(), add});
        row->setExpanded(true);
    }
    if (files.isEmpty())
        new QTreeWidgetItem(TreeModuleFiles, {tr("(none)"), QString()});
    connect(TreeModuleFiles, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        const auto* file = static_cast<const car::DescriptionFile*>(item->data(0, Qt::UserRole).value<const void*>());
        QString problem;
        if (!file || column != 0 || config::setTrusted(*file, item->checkState(0) == Qt::Checked, &problem))
            return;
        // The tick shows what is stored.
        const QSignalBlocker quiet(TreeModuleFiles);
        item->setCheckState(0, config::isTrusted(*file) ? Qt::Checked : Qt::Unchecked);
        dialogs().notice(this, problem);
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(folders);
    layout->addWidget(TreeModuleFiles, 1);
    layout->addWidget(buttons);
    resize(640, 360);
}

QString TFormModuleFiles::summary(const QList<module_files::FileOutcome>& files)
{
    const auto refused = std::count_if(files.begin(), files.end(), [](const auto& f) { return !f.loaded(); });
    if (files.isEmpty())
        return tr("Module description files: none");
    return tr("Module description files: %1 loaded, %2 refused").arg(files.size() - refused).arg(refused);
}

} // namespace talmero::app
