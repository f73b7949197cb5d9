#include "app/form_restore.h"

#include "app/dialogs.h"
#include "app/form_main.h"
#include "app/widget_names.h"
#include "config/car_restore.h"
#include "link/modules.h"
#include "safety/write_gate.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace talmero::app {

namespace {

QLabel* wrapped(const QString& text, QWidget* parent, const char* name)
{
    auto* label = named(new QLabel(text, parent), name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString moduleHeading(const QString& address)
{
    const link::TModuls* m = link::moduleAt(address);
    return m ? car::qs(m->name) + QStringLiteral(" (") + link::moduleTitle(*m) + QStringLiteral(", ") + address + QLatin1Char(')')
             : address;
}

} // namespace

TFormRestore::TFormRestore(const config::RestorePlan& plan, const link::ChangeRequest& request,
                           const QStringList& partAddresses, QWidget* parent)
    : QDialog(parent), m_partAddresses(partAddresses)
{
    setObjectName(QStringLiteral("FormRestore"));
    setWindowTitle(QStringLiteral("TALMERO - ") + request.title);
    resize(760, 560);
    auto* layout = new QVBoxLayout(this);

    if (plan.vinDiffers()) {
        QLabel* vin = wrapped(config::vinLine(plan).mid(2), this, "LabelRestoreVIN");
        vin->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
        layout->addWidget(vin);
    }
    QLabel* title = wrapped(request.title, this, "LabelRestoreTitle");
    title->setFont(boldFont(title->font()));
    layout->addWidget(title);
    layout->addWidget(wrapped(tr("Every ticked module gets the blocks below; each block is read again, "
                                 "written, read back and recorded. The first block that fails ends the restore."),
                              this, "LabelRestoreHint"));

    // One part per block; a single block comes as the request itself.
    QList<link::ChangeRequest::Part> parts = request.parts;
    if (parts.isEmpty())
        parts.append({request.subject, request.changes, request.oldHex, request.newHex, request.warnings});

    TreeRestore = named(new QTreeWidget(this), "TreeRestore");
    TreeRestore->setHeaderHidden(true);
    TreeRestore->setColumnCount(1);
    TreeRestore->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    QHash<QString, QTreeWidgetItem*> modules;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString address = m_partAddresses.value(i);
        QTreeWidgetItem*& module = modules[address];
        if (!module) {
            module = new QTreeWidgetItem(TreeRestore, {moduleHeading(address)});
            module->setData(0, Qt::UserRole, address);
            module->setFlags(module->flags() | Qt::ItemIsUserCheckable);
            module->setCheckState(0, Qt::Checked);
            module->setFont(0, boldFont(module->font(0)));
        }
        const link::ChangeRequest::Part& p = parts[i];
        auto* block = new QTreeWidgetItem(module, {p.subject});
        for (const QString& change : p.changes)
            new QTreeWidgetItem(block, {change});
        auto* bytes = new QTreeWidgetItem(block, {p.oldHex + QStringLiteral("  →  ") + p.newHex});
        bytes->setFont(0, fixed);
        for (const QString& warning : p.warnings) {
            auto* w = new QTreeWidgetItem(block, {warning});
            w->setForeground(0, QColor(176, 0, 0));
        }
    }
    TreeRestore->expandAll();
    layout->addWidget(TreeRestore, 1);

    QStringList notes = request.warnings;
    for (const config::RestorePlan::LeftOut& l : plan.leftOut)
        notes << tr("Not written: %1").arg(l.text);
    for (const QString& line : config::neverWrittenLines(plan))
        notes << line.mid(2);
    if (!request.battery.isEmpty())
        notes << tr("Battery %1 V").arg(request.battery);
    layout->addWidget(wrapped(notes.join(u'\n'), this, "LabelRestoreNotes"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* agree = named(buttons->addButton(tr("Restore"), QDialogButtonBox::AcceptRole), "ButtonRestoreAgree");
    QPushButton* cancel = named(buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole), "ButtonRestoreCancel");
    // Enter cancels: a whole car is written only on a deliberate click.
    agree->setAutoDefault(false);
    cancel->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Nothing ticked is nothing to agree to.
    connect(TreeRestore, &QTreeWidget::itemChanged, this, [this, agree] {
        agree->setEnabled(chosenParts(true).contains(true));
    });
    // Another car's settings go on only by a deliberate tick, as --other-car on the command
    // line: until then no module is ticked and none can be.
    if (plan.vinDiffers()) {
        CheckRestoreOtherCar = named(new QCheckBox(tr("These are another car's settings: write them to this car"), this),
                                     "CheckRestoreOtherCar");
        layout->addWidget(CheckRestoreOtherCar);
        setModulesTicked(false, false);
        connect(CheckRestoreOtherCar, &QCheckBox::toggled, this, [this](bool on) { setModulesTicked(on, on); });
    }
    agree->setEnabled(chosenParts(true).contains(true));
    layout->addWidget(buttons);
}

void TFormRestore::setModulesTicked(bool ticked, bool enabled)
{
    for (int i = 0; i < TreeRestore->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = TreeRestore->topLevelItem(i);
        item->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
        item->setDisabled(!enabled);
    }
}

QList<bool> TFormRestore::chosenParts() const
{
    return result() == QDialog::Accepted ? chosenParts(true) : QList<bool>();
}

QList<bool> TFormRestore::chosenParts(bool) const
{
    QList<bool> flags;
    if (CheckRestoreOtherCar && !CheckRestoreOtherCar->isChecked())
        return QList<bool>(m_partAddresses.size(), false);
    for (const QString& address : m_partAddresses) {
        bool ticked = false;
        for (int i = 0; i < TreeRestore->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = TreeRestore->topLevelItem(i);
            if (item->data(0, Qt::UserRole).toString() == address)
                ticked = item->checkState(0) == Qt::Checked;
        }
        flags << ticked;
    }
    return flags;
}

namespace {

// The gate's confirmation of this restore is the restore's own window, while it runs.
class RestoreConfirmation {
public:
    RestoreConfirmation(const config::RestorePlan& plan, const config::CarRestore& restore, QWidget* parent)
        : m_saved(dialogs())
    {
        auto choose = [&plan, &restore, parent](const link::ChangeRequest& request) {
            TFormRestore window(plan, request, restore.partAddresses(), parent);
            dialogs().showModal(window);
            return window.chosenParts();
        };
        dialogs().chooseParts = [choose](QWidget*, const link::ChangeRequest& request) { return choose(request); };
        dialogs().confirm = [choose](QWidget*, const link::ChangeRequest& request) {
            return choose(request).contains(true);
        };
    }
    ~RestoreConfirmation()
    {
        dialogs().chooseParts = m_saved.chooseParts;
        dialogs().confirm = m_saved.confirm;
    }
    RestoreConfirmation(const RestoreConfirmation&) = delete;
    RestoreConfirmation& operator=(const RestoreConfirmation&) = delete;

private:
    Dialogs m_saved;
};

} // namespace

void restoreCar(TFormMain& main, const QString& path)
{
    const std::optional<config::VehicleConfig> file = config::readVehicleFile(path, main.host());
    if (!file)
        return;
    QStringList result;
    link::Outcome outcome = link::Outcome::failed(link::Outcome::Kind::Failed, QString());
    QString done; // the status line's text when every block is on the car
    main.runOperation([&] {
        safety::WriteGate* gate = main.gate();
        if (!gate)
            return;
        config::CarRestore restore(*gate, main.host(), main.state());
        const config::CarRestore::Prepared prepared = restore.prepare(*file);
        outcome = prepared.outcome;
        if (!prepared.plan) {
            result << TFormRestore::tr("The car was not read: nothing was written.");
            return;
        }
        const config::RestorePlan& plan = *prepared.plan;
        RestoreConfirmation confirmation(plan, restore, &main);
        const config::RestoreSummary summary = restore.run(plan, true);
        outcome = summary.outcome;
        if (!summary.agreed && summary.failed.isEmpty())
            return;
        result = summary.report(plan);
        if (summary.complete())
            done = summary.restored.isEmpty() ? result.last()
                                              : config::CarRestore::tr("Восстановлены и проверены: %1")
                                                    .arg(summary.restored.join(QStringLiteral(", ")));
    });
    if (result.isEmpty())
        return;
    main.showResult(outcome, done);
    // A report's heading stands apart from what it heads.
    showNotice(&main, result.size() == 1 ? result.first() : result.first() + QStringLiteral("\n\n") + result.mid(1).join(u'\n'));
}

} // namespace talmero::app
