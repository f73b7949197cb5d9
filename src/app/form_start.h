#pragma once

#include "app/operation_runner.h"
#include "link/bluetooth_devices.h"

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

    // A serial port present, and whether its USB identifiers say it is a USB device.
    struct PortEntry {
        QString name;
        bool usb = false;
    };
    // Where the serial ports present come from (tests list their own).
    void setPortLister(std::function<QList<PortEntry>()> lister) { m_portLister = std::move(lister); }
    void setPortLister(const std::function<QStringList()>& names);
    // Where the Bluetooth devices the computer knows come from (tests list their own).
    void setBluetoothLister(std::function<QList<link::BluetoothDevice>()> lister)
    {
        m_bluetoothLister = std::move(lister);
    }
    // The names in the order offered: the saved port, then where adapters sit (USB, then
    // Bluetooth serial), then the Bluetooth devices, then the Wi-Fi adapter, then the demo
    // car, then the other ports.
    static QStringList orderPorts(const QList<PortEntry>& present, const QString& saved,
                                  const QStringList& bluetooth, const QString& wifi, const QStringList& demos);
    // The port list's entry that starts a search for Bluetooth adapters.
    static QString searchEntry();
    // The port a text of the port field names: a Bluetooth device's entry stands for its
    // bt:// or ble:// port, the Wi-Fi entry for its address.
    QString portOf(const QString& text) const;

public Q_SLOTS:
    void ButtonOpenCOMClick();
    void ButtonOfflineClick();
    void BitBtnRefreshClick();
    // Looks for Bluetooth adapters for about ten seconds and offers what it finds.
    void SearchBluetoothClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Enter connects: this window is not a dialog, so no default button does it.
    void keyPressEvent(QKeyEvent* event) override;
    // The editable fields keep their Enter to themselves: it is taken from them here.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void FormCreate();
    void fillPorts();
    // A Wi-Fi or Bluetooth adapter has no rate: the setting is greyed out for it.
    void showRateApplies();
    void showVinCount();

    Program& m_program;
    OperationRunner m_runner;
    std::function<QList<PortEntry>()> m_portLister;
    std::function<QList<link::BluetoothDevice>()> m_bluetoothLister;
    QList<link::BluetoothDevice> m_searchFound; // what the searches of this window found
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
    QLabel* LabelBusSwitch = nullptr;
    QComboBox* ComboBusSwitch = nullptr; // how the adapter reaches the two buses
    QPushButton* ButtonOpenCOM = nullptr;
    QPushButton* ButtonOffline = nullptr;
    QLabel* LabelModuleFiles = nullptr;       // how many description files loaded, how many refused
    QPushButton* ButtonModuleFiles = nullptr; // lists them, with a tick per file for trust
    QLabel* LabelConnecting = nullptr; // says so while the adapter is awaited
    QLabel* Labelver = nullptr;
    QLabel* Label5 = nullptr;
};

} // namespace talmero::app
