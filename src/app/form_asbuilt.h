#pragma once

#include "config/asbuilt_dialog.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace talmero::app {

// The entry of one AS-BUILT line, and the place a generated line is shown for copying.
// Its address labels follow the configuration page; the conversions use its entry.
class TFormAsBuilt : public QDialog, public config::AsBuiltDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 315;
    static constexpr int kClientHeight = 156;

    explicit TFormAsBuilt(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr; // the fixed "7", the dashes
    QLabel* Label2 = nullptr; // address byte
    QLabel* Label3 = nullptr; // block number
    QLabel* Label4 = nullptr; // line number
    QLabel* Label5 = nullptr; // instruction, set by whoever opens the window
    QLabel* Label6 = nullptr;
    QLabel* LabelProblem = nullptr; // why a typed line is refused
    QLineEdit* Edit1 = nullptr; // the line's data
    QPushButton* Button1 = nullptr;
    QPushButton* ButtonCopy = nullptr;  // shown with a generated line
    QPushButton* ButtonClose = nullptr; // shown with a generated line

    // What "OK" does; the configuration tab sets it to its AS-BUILT conversion.
    void setButton1Handler(std::function<void()> handler) { m_button1Handler = std::move(handler); }

    // config::AsBuiltDialog. A read-only entry keeps its text selectable and copyable.
    void setEntryReadOnly(bool readOnly) override;
    // Centred on the screen, through the dialogs seam (tests do not wait for a person).
    void showModal() override;
    void close() override;

public Q_SLOTS:
    void Button1Click();
    void ButtonCopyClick();

private:
    std::function<void()> m_button1Handler;

    void placeAddress(QWidget& address);
};

} // namespace talmero::app
