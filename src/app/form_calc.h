#pragma once

#include <QDialog>

namespace talmero::app {

// The bit/hex calculator for a data block written by hand on the service tab.
class TFormCalc : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 329;
    static constexpr int kClientHeight = 73;

    explicit TFormCalc(QWidget* parent = nullptr);
};

} // namespace talmero::app
