#pragma once

#include "config/vehicle_compare.h"

#include <QDialog>
#include <optional>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace talmero::app {

class TFormMain;

// Two configurations side by side, one row per module and block: a backup file on the
// left, another file or the car on the right; the options a differing block changes are
// shown under it.
class TFormCompare : public QDialog {
    Q_OBJECT
public:
    explicit TFormCompare(TFormMain& main);

    // The sides, as the buttons set them; the comparison is shown once both are there.
    bool setLeftFile(const QString& path);
    bool setRightFile(const QString& path);
    bool setRightCar();

    const std::optional<config::Comparison>& comparison() const { return m_comparison; }

public Q_SLOTS:
    void ButtonCompareLeftClick();
    void ButtonCompareRightClick();
    void ButtonCompareCarClick();

private:
    void showComparison();
    // Reads a file for one side; a file that cannot be read leaves the side as it was.
    bool takeFile(const QString& path, std::optional<config::VehicleConfig>& side, QLabel* label);
    QString chooseFile();

    TFormMain& m_main;
    std::optional<config::VehicleConfig> m_left;
    std::optional<config::VehicleConfig> m_right;
    std::optional<config::Comparison> m_comparison;
    QLabel* LabelCompareLeft = nullptr;
    QLabel* LabelCompareRight = nullptr;
    QLabel* LabelCompareVIN = nullptr;
    QLabel* LabelCompareSummary = nullptr;
    QPushButton* ButtonCompareCar = nullptr;
    QTreeWidget* TreeCompare = nullptr;
};

} // namespace talmero::app
