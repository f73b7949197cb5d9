#pragma once

#include <QDialog>

namespace talmero::app {

// The entry of one AS-BUILT line, and the place a generated line is shown for copying.
class TFormAsBuilt : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 315;
    static constexpr int kClientHeight = 96;

    explicit TFormAsBuilt(QWidget* parent = nullptr);
};

} // namespace talmero::app
