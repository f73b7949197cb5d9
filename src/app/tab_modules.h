#pragma once

#include "diag/dtc_history.h"
#include "diag/module_scan.h"

#include <QWidget>
#include <optional>

class QLabel;
class QPushButton;
class QTableWidget;

namespace talmero::app {

class TFormMain;

// The "Modules" page: the car's modules at a glance. Where each is reached; after a scan,
// whether it answered and the VIN it holds; the count of its trouble codes in the reading
// the Diagnostics tab shows.
class TabModules : public QWidget {
    Q_OBJECT
public:
    enum Column { ColumnModule, ColumnAddress, ColumnBus, ColumnAnswer, ColumnVin, ColumnCodes, ColumnCount };

    explicit TabModules(TFormMain& form);

public Q_SLOTS:
    void ButtonScanClick();
    // The reading the Diagnostics tab shows now; nullptr once its codes were cleared.
    void showCodes(const talmero::diag::DtcReading* reading);

private:
    void showScan();
    void showCodeColumn();
    void anotherConnection(); // nothing of the previous car stays

    TFormMain& m_form;
    diag::ModuleScan m_scan = diag::ModuleScan::unasked();
    bool m_scanned = false;
    std::optional<diag::DtcReading> m_reading;
    bool m_codesCleared = false;

    QPushButton* ButtonScan = nullptr;
    QPushButton* ButtonScanCancel = nullptr; // shown while a scan runs
    QLabel* LabelScanProgress = nullptr;
    QLabel* LabelScan = nullptr; // when, how many answered, the car's VIN
    QTableWidget* TableModules = nullptr;
};

} // namespace talmero::app
