#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace talmero::app {

// The text cut into blank-separated groups of groupSize characters; characters after
// the last whole group are dropped.
QString groupDigits(const QString& text, int groupSize);

// The bit/hex calculator for a data block written by hand on the service tab.
class TFormCalc : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 329;
    static constexpr int kClientHeight = 73;

    explicit TFormCalc(QWidget* parent = nullptr);

    // The hex digits the next showing starts from (the last block read).
    void setCalcText(const QString& calcText) { m_calcText = calcText; }
    // The hex value of the last closing: without blanks, cut to whole bytes; after Escape
    // the value the showing started from.
    QString closingHex() const { return m_closingHex; }

    // Shows the window modally for calcText and returns its closing value.
    QString execFor(const QString& calcText);

public Q_SLOTS:
    void FormActivate();
    void Edit1Change();
    void Edit2Change();
    void ButtonClClick();

protected:
    void showEvent(QShowEvent* event) override;
    // Every way of closing (button, Escape, window manager) ends here.
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormClose();

    QString m_calcText;
    QString m_openedHex;
    QString m_closingHex;
    bool m_cancelled = false;

    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* ButtonCl = nullptr;
    QLabel* LabelKeys = nullptr;
};

} // namespace talmero::app
