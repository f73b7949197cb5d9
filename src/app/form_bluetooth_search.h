#pragma once

#include "link/bluetooth_devices.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace talmero::app {

// "Search for Bluetooth adapters…": a search of about ten seconds with its progress, what
// it has found so far, and Cancel. Closes itself when the search ends.
class TFormBluetoothSearch : public QDialog {
    Q_OBJECT
public:
    explicit TFormBluetoothSearch(QWidget* parent = nullptr, int searchMs = link::BluetoothSearch::kSearchMs);

    const QList<link::BluetoothDevice>& found() const { return m_search.found(); }
    // Why the search could not run; "" when it ran.
    const QString& failure() const { return m_search.failure(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showFound();

    link::BluetoothSearch m_search;
    int m_searchMs;
    bool m_started = false;
    QTimer m_progress;
    QLabel* LabelSearch = nullptr;
    QProgressBar* ProgressSearch = nullptr;
    QLabel* LabelFound = nullptr;
    QListWidget* ListFound = nullptr; // each way to reach what was found, as the port list names it
    QPushButton* ButtonCancelSearch = nullptr;
};

} // namespace talmero::app
