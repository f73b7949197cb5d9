#include "app/form_history.h"

#include "app/form_main.h"
#include "app/widget_names.h"
#include "config/change_description.h"
#include "link/modules.h"
#include "safety/write_gate.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace talmero::app {

namespace {

QString moduleText(const QString& address)
{
    const link::TModuls* m = link::moduleAt(address);
    return m ? car::qs(m->name) + QStringLiteral(" - ") + link::moduleTitle(*m) + QStringLiteral(" (") + address + QLatin1Char(')')
             : address;
}

// The journal keeps UTC; the user reads the time of his own clock.
QString localTime(const QString& utc)
{
    const QDateTime t = QDateTime::fromString(utc, Qt::ISODate);
    return t.isValid() ? t.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : utc;
}

QString outcomeText(const safety::JournalEntry& e)
{
    if (e.unknown())
        return TFormHistory::tr("неизвестно: ответ модуля не получен, модуль мог принять запись");
    const QString& o = e.outcome;
    if (o == QLatin1String(safety::kOutcomeVerified))
        return TFormHistory::tr("записано и проверено");
    if (o == QLatin1String(safety::kOutcomeDiffers))
        return TFormHistory::tr("принято, но модуль содержит другие данные");
    if (o == QLatin1String(safety::kOutcomeRefused))
        return TFormHistory::tr("модуль отказал");
    if (o == QLatin1String(safety::kOutcomeNoAnswer))
        return TFormHistory::tr("не принято: модуль содержит прежние данные");
    if (o == QLatin1String(safety::kOutcomeCancelled))
        return TFormHistory::tr("отменено пользователем");
    if (o == QLatin1String(safety::kOutcomeUnchanged))
        return TFormHistory::tr("модуль уже содержал эти данные");
    if (o == QLatin1String(safety::kOutcomeAccepted))
        return TFormHistory::tr("выполнено");
    return o;
}

QString kindText(const safety::JournalEntry& e)
{
    if (e.kind == QLatin1String(safety::kKindRestart))
        return TFormHistory::tr("перезагрузка");
    if (e.kind == QLatin1String(safety::kKindClearing))
        return TFormHistory::tr("стирание кодов ошибок");
    return e.oldHex + QStringLiteral(" → ") + e.newHex;
}

// The options a block write changed, in words as its confirmation said them; none for a
// block no page shows.
QStringList optionsChanged(const safety::JournalEntry& e)
{
    if (e.kind != QLatin1String(safety::kKindBlock))
        return {};
    const auto describe = config::changeDescriber(e.address, e.block, e.newHex);
    return describe && !e.oldHex.isEmpty() ? describe(e.oldHex) : QStringList();
}

} // namespace

TFormHistory::TFormHistory(TFormMain& main) : QDialog(&main), m_main(main)
{
    setObjectName(QStringLiteral("FormHistory"));
    setWindowTitle(tr("TALMERO - History of writes"));
    resize(1000, 400); // room for the options changed beside the hex
    auto* layout = new QVBoxLayout(this);
    LabelHistory = named(new QLabel(this), "LabelHistory");
    LabelHistory->setWordWrap(true);
    layout->addWidget(LabelHistory);

    TreeHistory = named(new QTreeWidget(this), "TreeHistory");
    TreeHistory->setColumnCount(6);
    TreeHistory->setHeaderLabels({tr("Time"), tr("Module"), tr("Block"), tr("Old → new"), tr("Outcome"), tr("Options changed")});
    TreeHistory->setSelectionBehavior(QAbstractItemView::SelectRows);
    TreeHistory->setSelectionMode(QAbstractItemView::SingleSelection);
    TreeHistory->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeHistory->setRootIsDecorated(true);
    TreeHistory->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    TreeHistory->header()->setStretchLastSection(true);
    layout->addWidget(TreeHistory, 1);

    auto* buttons = new QDialogButtonBox(this);
    ButtonRestore = named(buttons->addButton(tr("Restore"), QDialogButtonBox::ActionRole),
                          "ButtonRestore");
    ButtonRestore->setToolTip(tr("Write the entry's old content back to the module"));
    QPushButton* close = named(buttons->addButton(QDialogButtonBox::Close), "ButtonHistoryClose");
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ButtonRestore, &QPushButton::clicked, this, &TFormHistory::ButtonRestoreClick);
    connect(TreeHistory, &QTreeWidget::currentItemChanged, this, [this] { updateRestore(); });
    layout->addWidget(buttons);
    reload();
}

void TFormHistory::reload()
{
    const link::LinkState& state = m_main.state();
    m_vin = state.vinOrTyped();
    m_owner = m_main.gate() ? m_main.gate()->rowOwner() : safety::RowOwner{m_vin, state.carVin().known(), {}};
    safety::Journal journal(m_main.journalPath(), safety::Journal::Use::ReadOnly);
    const auto entries = journal.entries(m_vin);
    m_entries = entries.value_or(QList<safety::JournalEntry>());
    if (!entries)
        LabelHistory->setText(tr("! Журнал записей недоступен: ") + journal.error());
    else
        LabelHistory->setText(tr("Writes to the car %1, newest first: %2").arg(m_vin).arg(m_entries.size()));
    TreeHistory->clear();
    // The rows of one confirmation (a restore, both doors) are one entry that expands.
    QHash<qint64, QTreeWidgetItem*> batches;
    for (int row = 0; row < int(m_entries.size()); ++row) {
        const safety::JournalEntry& e = m_entries[row];
        const safety::RowState rowState = safety::WriteGate::stateOf(e, m_entries, m_owner);
        QString outcome = outcomeText(e);
        switch (rowState) {
        case safety::RowState::Undone:
            outcome += tr("; отменено восстановлением");
            break;
        case safety::RowState::Damaged:
            outcome = tr("повреждённая запись журнала: не восстанавливается");
            break;
        case safety::RowState::RestoreRow:
            outcome += tr("; восстановление");
            break;
        case safety::RowState::OtherCar:
            outcome += tr("; другое подключение, VIN автомобиля не был прочитан");
            break;
        default:
            break;
        }
        QTreeWidgetItem* parent = nullptr;
        if (e.batch != 0) {
            QTreeWidgetItem*& batch = batches[e.batch];
            if (!batch) {
                batch = new QTreeWidgetItem(TreeHistory, {localTime(e.time), QString(), QString(), QString(), QString()});
                batch->setData(0, Qt::UserRole, row);
            }
            parent = batch;
            batch->setText(1, tr("%n blocks together (#%1)", nullptr, batch->childCount() + 1).arg(e.batch));
        }
        const QStringList options = optionsChanged(e);
        const QStringList cells = {localTime(e.time), moduleText(e.address), e.block, kindText(e), outcome,
                                   options.join(QStringLiteral("; "))};
        auto* item = parent ? new QTreeWidgetItem(parent, cells) : new QTreeWidgetItem(TreeHistory, cells);
        item->setToolTip(5, options.join(u'\n'));
        item->setData(0, Qt::UserRole, row);
        if (rowState == safety::RowState::Undone) {
            for (int column = 0; column < cells.size(); ++column)
                item->setForeground(column, palette().color(QPalette::Disabled, QPalette::Text));
        }
    }
    if (TreeHistory->topLevelItemCount() > 0)
        TreeHistory->setCurrentItem(TreeHistory->topLevelItem(0));
    updateRestore();
}

// The row an item stands for; a batch entry stands for its newest row.
const safety::JournalEntry* TFormHistory::currentEntry() const
{
    const QTreeWidgetItem* item = TreeHistory->currentItem();
    if (!item)
        return nullptr;
    const int row = item->data(0, Qt::UserRole).toInt();
    return row >= 0 && row < int(m_entries.size()) ? &m_entries[row] : nullptr;
}

// Only a write that changed something (or may have) and is not undone is offered; a
// batch while any of its rows is.
void TFormHistory::updateRestore()
{
    bool offered = false;
    if (const safety::JournalEntry* entry = currentEntry(); entry && m_main.gate()) {
        for (const safety::JournalEntry& e : m_entries) {
            if (e.id != entry->id && (entry->batch == 0 || e.batch != entry->batch))
                continue;
            const safety::RowState state = safety::WriteGate::stateOf(e, m_entries, m_owner);
            offered = offered || state == safety::RowState::Done || state == safety::RowState::Unknown;
        }
    }
    ButtonRestore->setEnabled(offered);
}

void TFormHistory::ButtonRestoreClick()
{
    const safety::JournalEntry* current = currentEntry();
    if (!current)
        return;
    // A batch entry whose newest row is undone already starts at a row that is not.
    safety::JournalEntry entry = *current;
    for (const safety::JournalEntry& e : m_entries) {
        const safety::RowState state = safety::WriteGate::stateOf(e, m_entries, m_owner);
        if ((e.id == entry.id || (entry.batch != 0 && e.batch == entry.batch))
            && (state == safety::RowState::Done || state == safety::RowState::Unknown)) {
            entry = e;
            break;
        }
    }
    std::optional<link::Outcome> undone;
    const bool ran = m_main.runOperation([this, &entry, &undone] {
        safety::WriteGate* gate = m_main.gate();
        if (!gate)
            return;
        safety::BatchResult result = gate->undo(entry, config::describeUndo());
        // One block changed since: the confirmation says so, and going on takes its tick.
        const safety::WriteResult one = result.results.value(0);
        const bool changedSince = result.results.size() == 1 && one.outcome == safety::WriteOutcome::NotSent
            && !one.heldHex.isEmpty() && one.heldHex != entry.newHex && one.heldHex != entry.oldHex;
        if (changedSince)
            result = gate->undo(entry, config::describeUndo(), true);
        undone = result.summary();
    });
    if (ran && undone)
        m_main.showResult(*undone);
    reload();
}

} // namespace talmero::app
