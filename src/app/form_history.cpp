#include "app/form_history.h"

#include "app/form_main.h"
#include "app/widget_names.h"
#include "config/change_description.h"
#include "link/modules.h"
#include "safety/write_gate.h"

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
    return m ? m->name + QStringLiteral(" (") + address + QLatin1Char(')') : address;
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
    TableHistory->setHorizontalHeaderLabels({tr("Time (UTC)"), tr("Module"),
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
    layout->addWidget(buttons);
    reload();
}

void TFormHistory::reload()
{
    const link::LinkState& state = m_main.state();
    const QString vin = state.vinFromCar.isEmpty() ? state.carVIN : state.vinFromCar;
    safety::Journal journal(m_main.journalPath());
    const auto entries = journal.entries(vin);
    m_entries = entries.value_or(QList<safety::JournalEntry>());
    if (!entries)
        LabelHistory->setText(tr("! Журнал записей недоступен: ") + journal.error());
    else
        LabelHistory->setText(tr("Writes to the car %1, newest first: %2").arg(vin).arg(m_entries.size()));
    TableHistory->setRowCount(int(m_entries.size()));
    for (int row = 0; row < int(m_entries.size()); ++row) {
        const safety::JournalEntry& e = m_entries[row];
        const QStringList cells = {e.time, moduleText(e.address), e.block,
                                   e.oldHex + QStringLiteral(" → ") + e.newHex,
                                   e.batch == 0 ? e.outcome : tr("%1 (together: #%2)").arg(e.outcome).arg(e.batch)};
        for (int column = 0; column < cells.size(); ++column)
            TableHistory->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    if (!m_entries.isEmpty())
        TableHistory->selectRow(0);
    ButtonRestore->setEnabled(m_main.gate() && !m_entries.isEmpty());
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
        gate->restore(entry, config::changeDescriber(entry.address, entry.block, entry.oldHex));
    });
    reload();
}

} // namespace talmero::app
