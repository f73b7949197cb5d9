#pragma once

#include "diag/dtc_descriptions.h"
#include "diag/dtc_memo.h"

#include <QPointer>
#include <QWidget>
#include <memory>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace talmero::diag {
struct DtcReading;
class TroubleCodes;
} // namespace talmero::diag

namespace talmero::link {
class Channel;
} // namespace talmero::link

namespace talmero::app {

class DtcTable;
class TFormMain;

// The "Diagnostics" page: the live engine data on the left, the trouble codes of all
// modules on the right.
class TabDiagnostics : public QWidget, private diag::DtcMemo {
    Q_OBJECT
public:
    explicit TabDiagnostics(TFormMain& form);
    ~TabDiagnostics() override;

    // The user's file of trouble-code descriptions; the one in the user's data folder
    // unless set (tests point it to a file of their own).
    void setDescriptionsPath(const QString& path) { m_descriptionsPath = path; }

Q_SIGNALS:
    // The reading the tab shows now, after each reading (complete or not); nullptr once
    // its codes were cleared from the car.
    void codesShown(const talmero::diag::DtcReading* reading);

public Q_SLOTS:
    void ButtonDTCClick();
    void ButtonDTCclearClick();
    void ButtonDTChistoryClick();
    void ButtonDTCcopyClick();

private:
    void buildTroubleCodes();
    // The trouble-code logic of the open connection; the modules that reported codes
    // are carried over from the last one.
    diag::TroubleCodes* troubleCodes();

    void appendMemo(const QString& line) override;
    void clearMemo() override;
    void showProgress(int k, int total, const QString& header) override;
    void startReading(const QDateTime& when) override;
    void scrollToReading();
    void keepReading(); // the last reading, into the history
    // The last reading with the car's VIN, as it is kept and shown.
    diag::DtcReading lastReading() const;

    TFormMain& m_form;
    std::unique_ptr<diag::TroubleCodes> m_codes;
    QPointer<link::Channel> m_codesChannel; // the channel m_codes was made for

    QPushButton* ButtonDTC = nullptr;
    QPushButton* ButtonDTCclear = nullptr;
    QPushButton* ButtonDTChistory = nullptr;
    QLabel* LabelDTCprogress = nullptr;
    QPushButton* ButtonDTCcancel = nullptr; // shown while a reading runs
    int m_readingBlock = -1;                 // the memo line that starts the last reading
    QPlainTextEdit* MemoDTC = nullptr; // the reading as text, as it is copied
    DtcTable* m_table = nullptr;
    QPushButton* ButtonDTCcopy = nullptr;
    diag::DtcDescriptions m_descriptions; // loaded anew for each reading
    QString m_readingPort;                // the connection the table's reading came over
    QString m_descriptionsPath = diag::DtcDescriptions::userFilePath();

    QWidget* Panel2 = nullptr; // the live data
};

} // namespace talmero::app
