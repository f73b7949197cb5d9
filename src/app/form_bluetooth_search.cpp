#include "app/form_bluetooth_search.h"

#include "app/widget_names.h"

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace talmero::app {

TFormBluetoothSearch::TFormBluetoothSearch(QWidget* parent, int searchMs)
    : QDialog(parent), m_searchMs(searchMs)
{
    setObjectName(QStringLiteral("FormBluetoothSearch"));
    setWindowTitle(tr("Search for Bluetooth adapters"));
    LabelSearch = named(new QLabel(tr("Looking for Bluetooth adapters. Plug the adapter into the car "
                                      "and switch the ignition on."), this), "LabelSearch");
    LabelSearch->setWordWrap(true);
    ProgressSearch = named(new QProgressBar(this), "ProgressSearch");
    ProgressSearch->setRange(0, m_searchMs);
    ProgressSearch->setTextVisible(false);
    LabelFound = named(new QLabel(this), "LabelFound");
    ListFound = named(new QListWidget(this), "ListFound");
    ListFound->setSelectionMode(QAbstractItemView::NoSelection);
    ButtonCancelSearch = named(new QPushButton(tr("Cancel"), this), "ButtonCancelSearch");
    auto* page = new QVBoxLayout(this);
    page->addWidget(LabelSearch);
    page->addWidget(ProgressSearch);
    page->addWidget(LabelFound);
    page->addWidget(ListFound);
    page->addWidget(ButtonCancelSearch, 0, Qt::AlignRight);
    setMinimumSize(400, 320);
    showFound();

    connect(ButtonCancelSearch, &QPushButton::clicked, &m_search, &link::BluetoothSearch::cancel);
    connect(&m_search, &link::BluetoothSearch::deviceFound, this, &TFormBluetoothSearch::showFound);
    connect(&m_search, &link::BluetoothSearch::finished, this, [this] {
        m_progress.stop();
        accept();
    });
    m_progress.setInterval(100);
    connect(&m_progress, &QTimer::timeout, this, [this] {
        ProgressSearch->setValue(qMin(ProgressSearch->value() + m_progress.interval(), m_searchMs));
    });
}

void TFormBluetoothSearch::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    m_progress.start();
    m_search.start(m_searchMs);
}

void TFormBluetoothSearch::showFound()
{
    ListFound->clear();
    for (const link::BluetoothPortEntry& entry : link::bluetoothEntries(m_search.found()))
        ListFound->addItem(entry.label);
    LabelFound->setText(ListFound->count() == 0 ? tr("Nothing found yet.") : tr("Found:"));
}

} // namespace talmero::app
