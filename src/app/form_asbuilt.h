#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace talmero::app {

// The entry of one AS-BUILT line, and the place a generated line is shown for copying.
// Its address labels follow the configuration page; the conversions use its entry.
class TFormAsBuilt : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 315;
    static constexpr int kClientHeight = 96;

    explicit TFormAsBuilt(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr; // the fixed "7", the dashes
    QLabel* Label2 = nullptr; // address byte
    QLabel* Label3 = nullptr; // block number
    QLabel* Label4 = nullptr; // line number
    QLabel* Label5 = nullptr; // instruction, set by whoever opens the window
    QLabel* Label6 = nullptr;
    QLineEdit* Edit1 = nullptr; // the line's data
    QPushButton* Button1 = nullptr;

private:
    void placeAddress(QWidget& address);
};

} // namespace talmero::app
