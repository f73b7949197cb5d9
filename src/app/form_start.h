#pragma once

#include "app/operation_runner.h"

#include <QStringList>
#include <QWidget>
#include <functional>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

namespace talmero::app {

class Program;

// The first window: the car's VIN, the port and its rate; connects or goes offline.
class TFormStart : public QWidget {
    Q_OBJECT
public:
    explicit TFormStart(Program& program);

    // Where the names of the serial ports present come from (tests list their own).
    void setPortLister(std::function<QStringList()> lister) { m_portLister = std::move(lister); }

public Q_SLOTS:
    void ButtonOpenCOMClick();
    void ButtonOfflineClick();
    void BitBtnRefreshClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void FormCreate();
    void fillPorts();
    void showVinCount();

    Program& m_program;
    OperationRunner m_runner;
    std::function<QStringList()> m_portLister;
    bool m_placed = false;

    QLabel* Label1 = nullptr;
    QComboBox* StartVIN = nullptr;
    QLabel* LabelVINcount = nullptr; // how many of the 17 characters are typed, and whether it is a VIN
    QLabel* Label2 = nullptr;
    QComboBox* COMports = nullptr;
    QPushButton* BitBtnRefresh = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* COMbauds = nullptr;
    QLabel* LabelMinVoltage = nullptr;
    QDoubleSpinBox* SpinMinVoltage = nullptr; // no write to the car below this voltage
    QLabel* LabelLanguage = nullptr;
    QComboBox* ComboLanguage = nullptr; // System / English / Russian, from the next start
    QPushButton* ButtonOpenCOM = nullptr;
    QPushButton* ButtonOffline = nullptr;
    QLabel* Labelver = nullptr;
    QLabel* Label5 = nullptr;
};

} // namespace talmero::app
