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
#include <QTableWidget>
#include <QVBoxLayout>

namespace talmero::app {

namespace {

QString moduleText(const QString& address)
{
    const link::TModuls* m = link::moduleAt(address);
    return m ? m->name + QStringLiteral(" - ") + link::moduleTitle(*m) + QStringLiteral(" (") + address + QLatin1Char(')')
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

} // namespace

TFormHistory::TFormHistory(TFormMain& main) : QDialog(&main), m_main(main)
{
    setObjectName(QStringLiteral("FormHistory"));
    setWindowTitle(tr("TALMERO - History of writes"));
    resize(760, 380);
    auto* layout = new QVBoxLayout(this);
    LabelHistory = named(new QLabel(this), "LabelHistory");
    LabelHistory->setWordWrap(true);
    layout->addWidget(LabelHistory);

    TableHistory = named(new QTableWidget(0, 5, this), "TableHistory");
    TableHistory->setHorizontalHeaderLabels({tr("Time"), tr("Module"),
                                             tr("Block"), tr("Old → new"),
                                             tr("Outcome")});
    TableHistory->setSelectionBehavior(QAbstractItemView::SelectRows);
    TableHistory->setSelectionMode(QAbstractItemView::SingleSelection);
    TableHistory->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableHistory->verticalHeader()->hide();
    TableHistory->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    TableHistory->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(TableHistory, 1);

    auto* buttons = new QDialogButtonBox(this);
    ButtonRestore = named(buttons->addButton(tr("Restore"), QDialogButtonBox::ActionRole),
                          "ButtonRestore");
    ButtonRestore->setToolTip(tr("Write the entry's old content back to the module"));
    QPushButton* close = named(buttons->addButton(QDialogButtonBox::Close), "ButtonHistoryClose");
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ButtonRestore, &QPushButton::clicked, this, &TFormHistory::ButtonRestoreClick);
    connect(TableHistory, &QTableWidget::currentCellChanged, this, [this] { updateRestore(); });
    layout->addWidget(buttons);
    reload();
}

void TFormHistory::reload()
{
    const link::LinkState& state = m_main.state();
    safety::WriteGate* gate = m_main.gate();
    m_vin = gate ? gate->knownVin() : (state.vinFromCar.isEmpty() ? state.carVIN : state.vinFromCar);
    safety::Journal journal(m_main.journalPath(), safety::Journal::Use::ReadOnly);
    const auto entries = journal.entries(m_vin);
    m_entries = entries.value_or(QList<safety::JournalEntry>());
    if (!entries)
        LabelHistory->setText(tr("! Журнал записей недоступен: ") + journal.error());
    else
        LabelHistory->setText(tr("Writes to the car %1, newest first: %2").arg(m_vin).arg(m_entries.size()));
    TableHistory->setRowCount(int(m_entries.size()));
    for (int row = 0; row < int(m_entries.size()); ++row) {
        const safety::JournalEntry& e = m_entries[row];
        QString outcome = outcomeText(e);
        switch (safety::WriteGate::stateOf(e, m_entries, m_vin)) {
        case safety::RowState::Undone:
            outcome += tr("; отменено восстановлением");
            break;
        case safety::RowState::Damaged:
            outcome = tr("повреждённая запись журнала: не восстанавливается");
            break;
        case safety::RowState::RestoreRow:
            outcome += tr("; восстановление");
            break;
        default:
            break;
        }
        if (e.batch != 0)
            outcome = tr("%1 (together: #%2)").arg(outcome).arg(e.batch);
        const QStringList cells = {localTime(e.time), moduleText(e.address), e.block, kindText(e), outcome};
        const bool undone = safety::WriteGate::stateOf(e, m_entries, m_vin) == safety::RowState::Undone;
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (undone)
                item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            TableHistory->setItem(row, column, item);
        }
    }
    if (!m_entries.isEmpty())
        TableHistory->selectRow(0);
    updateRestore();
}

// Only a write that changed something (or may have) and is not undone is offered.
void TFormHistory::updateRestore()
{
    const int row = TableHistory->currentRow();
    bool offered = false;
    if (m_main.gate() && row >= 0 && row < int(m_entries.size())) {
        const safety::RowState state = safety::WriteGate::stateOf(m_entries[row], m_entries, m_vin);
        offered = state == safety::RowState::Done || state == safety::RowState::Unknown;
    }
    ButtonRestore->setEnabled(offered);
}

void TFormHistory::ButtonRestoreClick()
{
    const int row = TableHistory->currentRow();
    if (row < 0 || row >= int(m_entries.size()))
        return;
    const safety::JournalEntry entry = m_entries[row];
    m_main.runOperation([this, &entry] {
        safety::WriteGate* gate = m_main.gate();
        if (!gate)
            return;
        const auto describe = config::changeDescriber(entry.address, entry.block, entry.oldHex);
        const safety::WriteResult result = gate->restore(entry, describe);
        // The block changed since: the confirmation says so, and going on takes its tick.
        const bool changedSince = result.outcome == safety::WriteOutcome::NotSent && !result.heldHex.isEmpty()
            && result.heldHex != entry.newHex && result.heldHex != entry.oldHex;
        if (changedSince)
            gate->restore(entry, describe, true);
    });
    reload();
}

} // namespace talmero::app
