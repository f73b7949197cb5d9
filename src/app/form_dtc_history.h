#pragma once

#include "diag/dtc_descriptions.h"
#include "diag/dtc_history.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace talmero::app {

// Every trouble-code reading kept, newest first; the one chosen is shown with what its
// codes mean and can be exported as text or CSV.
class TFormDtcHistory : public QDialog {
    Q_OBJECT
public:
    TFormDtcHistory(const QString& historyPath, const diag::DtcDescriptions& descriptions, QWidget* parent);

public Q_SLOTS:
    void ButtonDTCexportClick();

Q_SIGNALS:
    // A reading was exported to path.
    void exported(const QString& path);

private:
    void showReading(int row);

    QList<diag::DtcReading> m_readings;
    diag::DtcDescriptions m_descriptions;
    QLabel* LabelDTChistory = nullptr;
    QListWidget* ListDTCreadings = nullptr;
    QPlainTextEdit* MemoDTCreading = nullptr;
    QPushButton* ButtonDTCexport = nullptr;
    QLabel* LabelDTCexported = nullptr; // where the last export went
};

} // namespace talmero::app
