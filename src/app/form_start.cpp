#include "app/form_start.h"

#include "app/connection.h"
#include "app/connection_settings.h"
#include "app/dialogs.h"
#include "app/form_bluetooth_search.h"
#include "app/form_module_files.h"
#include "app/form_main.h"
#include "app/program.h"
#include "app/widget_names.h"
#include "link/codecs.h"
#include "link/port_address.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace talmero::app {


namespace {

QList<TFormStart::PortEntry> presentSerialPorts()
{
    QList<TFormStart::PortEntry> ports;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts())
        ports.append({port.portName(), port.hasVendorIdentifier() && port.hasProductIdentifier()});
    return ports;
}

int adapterRank(const TFormStart::PortEntry& port)
{
    return link::serialPortRank(port.name, port.usb);
}

} // namespace

TFormStart::TFormStart(Program& program)
    : m_program(program), m_runner(*this), m_portLister(presentSerialPorts),
      m_bluetoothLister(link::knownBluetoothDevices)
{
    setObjectName(QStringLiteral("FormStart"));
    setWindowTitle(tr("TALMERO (Interface Settings)"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint);
    buildControls();
    FormCreate();
}

void TFormStart::buildControls()
{
    Label1 = named(new QLabel(tr("VIN Car"), this), "Label1");
    StartVIN = named(new QComboBox(this), "StartVIN");
    StartVIN->setEditable(true);
    StartVIN->setInsertPolicy(QComboBox::NoInsert);
    StartVIN->setMinimumContentsLength(17);
    StartVIN->lineEdit()->setMaxLength(17);
    LabelVINcount = named(new QLabel(this), "LabelVINcount");
    LabelVINcount->setMinimumWidth(LabelVINcount->fontMetrics().horizontalAdvance(QStringLiteral("17/17 ✓ ")));
    connect(StartVIN, &QComboBox::editTextChanged, this, &TFormStart::showVinCount);

    Label2 = named(new QLabel(tr("Communication port"), this), "Label2");
    COMports = named(new QComboBox(this), "COMports");
    COMports->setEditable(true); // a device path can be typed
    COMports->setInsertPolicy(QComboBox::NoInsert);
    COMports->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // Serial ports, Bluetooth devices, the search, Wi-Fi and the demo cars: most in view.
    COMports->setMaxVisibleItems(16);
    BitBtnRefresh = named(new QPushButton(this), "BitBtnRefresh");
    BitBtnRefresh->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    BitBtnRefresh->setToolTip(tr("update port COM"));

    Label3 = named(new QLabel(tr("Mode communication"), this), "Label3");
    COMbauds = named(new QComboBox(this), "COMbauds");
    COMbauds->addItems({QStringLiteral("38400"), QStringLiteral("9600"), QStringLiteral("115200")});
    COMbauds->setCurrentIndex(0);
    connect(COMports, &QComboBox::editTextChanged, this, &TFormStart::showRateApplies);
    connect(COMports, &QComboBox::activated, this, [this](int index) {
        if (COMports->itemText(index) == searchEntry())
            SearchBluetoothClick();
    });

    LabelMinVoltage = named(new QLabel(tr("Lowest battery voltage for writes"), this),
                            "LabelMinVoltage");
    SpinMinVoltage = named(new QDoubleSpinBox(this), "SpinMinVoltage");
    SpinMinVoltage->setRange(ConnectionSettings::kLowestMinVoltage, ConnectionSettings::kHighestMinVoltage);
    SpinMinVoltage->setDecimals(1);
    SpinMinVoltage->setSingleStep(0.1);
    SpinMinVoltage->setSuffix(tr(" В"));
    SpinMinVoltage->setToolTip(tr("Nothing is written to a module while the adapter "
                                              "measures less than this"));

    LabelLanguage = named(new QLabel(tr("Language (from the next start)"), this), "LabelLanguage");
    ComboLanguage = named(new QComboBox(this), "ComboLanguage");
    // Each item names its language in that language, so that it can be found in any.
    ComboLanguage->addItem(tr("System"), QStringLiteral("system"));
    ComboLanguage->addItem(QStringLiteral("English"), QStringLiteral("en"));
    ComboLanguage->addItem(QStringLiteral("Русский"), QStringLiteral("ru"));
    connect(ComboLanguage, &QComboBox::activated, this, [this] {
        ConnectionSettings::storeLanguage(ComboLanguage->currentData().toString());
    });

    LabelBusSwitch = named(new QLabel(tr("Bus switching"), this), "LabelBusSwitch");
    ComboBusSwitch = named(new QComboBox(this), "ComboBusSwitch");
    const std::pair<link::BusSwitchSetting, const char*> ways[] = {
        {link::BusSwitchSetting::Auto, QT_TR_NOOP("Automatic")},
        {link::BusSwitchSetting::Prompt, QT_TR_NOOP("Prompt (switch on the adapter)")},
        {link::BusSwitchSetting::Stn, QT_TR_NOOP("Built-in (STN)")},
        {link::BusSwitchSetting::Rts, QT_TR_NOOP("Relay on RTS")},
        {link::BusSwitchSetting::Dtr, QT_TR_NOOP("Relay on DTR")},
        {link::BusSwitchSetting::RtsInverted, QT_TR_NOOP("Relay on RTS (inverted)")},
        {link::BusSwitchSetting::DtrInverted, QT_TR_NOOP("Relay on DTR (inverted)")},
    };
    for (const auto& [setting, text] : ways)
        ComboBusSwitch->addItem(tr(text), link::busSwitchName(setting));
    ComboBusSwitch->setToolTip(tr("Automatic: an adapter with the medium-speed bus built in "
                                  "(STN chip) is switched by its own commands, any other "
                                  "adapter by the switch on it, with a prompt"));
    connect(ComboBusSwitch, &QComboBox::activated, this, [this] {
        if (const auto setting = link::busSwitchFromName(ComboBusSwitch->currentData().toString()))
            ConnectionSettings::storeBusSwitch(*setting);
    });

    LabelModuleFiles = named(new QLabel(TFormModuleFiles::summary(m_program.descriptionFiles()), this), "LabelModuleFiles");
    ButtonModuleFiles = named(new QPushButton(tr("Description files…"), this), "ButtonModuleFiles");
    connect(ButtonModuleFiles, &QPushButton::clicked, this, [this] {
        TFormModuleFiles files(m_program.descriptionFiles(), this);
        dialogs().showModal(files);
    });

    ButtonOpenCOM = named(new QPushButton(tr("Connect - online"), this), "ButtonOpenCOM");
    ButtonOpenCOM->setDefault(true);
    ButtonOffline = named(new QPushButton(tr("Disconnect - offline"), this), "ButtonOffline");
    ButtonOffline->setToolTip(tr(
        "no communication with the ELM327 (You can use the AS-BUILT for the selectedmodule)"));

    // Opening a port and waiting for the adapter's answer can take a few seconds.
    LabelConnecting = named(new QLabel(this), "LabelConnecting");
    LabelConnecting->setMinimumHeight(LabelConnecting->fontMetrics().height());

    // The program has no web site: no link is offered that leads nowhere.
    Labelver = named(new QLabel(tr("Версия %1").arg(QStringLiteral(TALMERO_VERSION)), this), "Labelver");
    // Each translation names its own translators: the credit is a text of the translation.
    Label5 = named(new QLabel(tr("Русский перевод: команда TALMERO"), this), "Label5");

    // Everything above starts or changes a connection: quiet while one is being opened.
    auto* controls = named(new QWidget(this), "PanelControls");
    auto* grid = new QGridLayout(controls);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(4);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(StartVIN, 1, 0);
    grid->addWidget(LabelVINcount, 1, 1);
    grid->addWidget(Label2, 2, 0, 1, 2);
    grid->addWidget(COMports, 3, 0);
    grid->addWidget(BitBtnRefresh, 3, 1);
    grid->addWidget(Label3, 4, 0, 1, 2);
    grid->addWidget(COMbauds, 5, 0, 1, 2);
    grid->addWidget(LabelMinVoltage, 6, 0, 1, 2);
    grid->addWidget(SpinMinVoltage, 7, 0, 1, 2);
    grid->addWidget(LabelLanguage, 8, 0, 1, 2);
    grid->addWidget(ComboLanguage, 9, 0, 1, 2);
    grid->addWidget(LabelBusSwitch, 10, 0, 1, 2);
    grid->addWidget(ComboBusSwitch, 11, 0, 1, 2);
    auto* files = new QHBoxLayout;
    files->setSpacing(12); // the count must not run into the button
    files->addWidget(LabelModuleFiles, 1);
    files->addWidget(ButtonModuleFiles);
    grid->addLayout(files, 12, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ButtonOpenCOM);
    buttons->addWidget(ButtonOffline);
    grid->addLayout(buttons, 13, 0, 1, 2);
    grid->setRowMinimumHeight(13, 36);
    grid->addWidget(LabelConnecting, 14, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    BitBtnRefresh->setFixedWidth(32);
    m_runner.addControl(controls);

    auto* credits = new QHBoxLayout;
    credits->addWidget(Label5);
    credits->addStretch();
    credits->addWidget(Labelver);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(12, 12, 12, 8);
    page->addWidget(controls);
    page->addSpacing(6);
    page->addLayout(credits);

    // Top to bottom, left to right.
    setTabOrder(StartVIN, COMports);
    setTabOrder(COMports, BitBtnRefresh);
    setTabOrder(BitBtnRefresh, COMbauds);
    setTabOrder(COMbauds, SpinMinVoltage);
    setTabOrder(SpinMinVoltage, ComboLanguage);
    setTabOrder(ComboLanguage, ComboBusSwitch);
    setTabOrder(ComboBusSwitch, ButtonModuleFiles);
    setTabOrder(ButtonModuleFiles, ButtonOpenCOM);
    setTabOrder(ButtonOpenCOM, ButtonOffline);
    StartVIN->setFocus();
    StartVIN->lineEdit()->installEventFilter(this);
    COMports->lineEdit()->installEventFilter(this);

    connect(ButtonOpenCOM, &QPushButton::clicked, this, &TFormStart::ButtonOpenCOMClick);
    connect(ButtonOffline, &QPushButton::clicked, this, &TFormStart::ButtonOfflineClick);
    connect(BitBtnRefresh, &QPushButton::clicked, this, &TFormStart::BitBtnRefreshClick);

    setFixedSize(sizeHint().expandedTo(QSize(380, 0)));
}

void TFormStart::FormCreate()
{
    const ConnectionSettings settings = ConnectionSettings::load();
    StartVIN->addItems(settings.knownVINs);
    // An unreadable rate setting keeps the first rate rather than leaving none chosen.
    if (const std::optional<int> baud = settings.baudIndex(COMbauds->count()))
        COMbauds->setCurrentIndex(*baud);
    SpinMinVoltage->setValue(settings.minVoltage);
    ComboLanguage->setCurrentIndex(qMax(0, ComboLanguage->findData(settings.language)));
    ComboBusSwitch->setCurrentIndex(qMax(0, ComboBusSwitch->findData(link::busSwitchName(settings.busSwitch))));
    // Always offered (first, once sorted): the VIN for a car whose own is unknown.
    if (!settings.knownVINs.contains(ConnectionSettings::kPlaceholderVIN))
        StartVIN->addItem(ConnectionSettings::kPlaceholderVIN);
    StartVIN->model()->sort(0);
    // The known VINs are offered in the list; the field shows only the last one used.
    StartVIN->setCurrentIndex(-1);
    if (!settings.lastVIN.isEmpty())
        StartVIN->setEditText(settings.lastVIN);
    fillPorts();
    showVinCount();
}

void TFormStart::setPortLister(const std::function<QStringList()>& names)
{
    m_portLister = [names] {
        QList<PortEntry> ports;
        for (const QString& name : names())
            ports.append({name, false});
        return ports;
    };
}

QString TFormStart::searchEntry()
{
    return tr("Search for Bluetooth adapters…");
}

QStringList TFormStart::orderPorts(const QList<PortEntry>& present, const QString& saved,
                                   const QStringList& bluetooth, const QString& wifi, const QStringList& demos)
{
    QStringList names;
    if (!saved.isEmpty())
        names.append(saved);
    QList<PortEntry> ranked;
    for (const PortEntry& port : present)
        if (port.name != saved && !demos.contains(port.name))
            ranked.append(port);
    std::stable_sort(ranked.begin(), ranked.end(), [](const PortEntry& a, const PortEntry& b) {
        return adapterRank(a) < adapterRank(b);
    });
    // After the ports where adapters sit: the Bluetooth devices, the Wi-Fi adapter (unless
    // it is the saved port, kept by its address), then the demo cars.
    QStringList between;
    for (const QString& device : bluetooth)
        if (device != saved)
            between.append(device);
    if (saved != wifi && saved != Connection::addressOf(wifi))
        between.append(wifi);
    for (const QString& demo : demos)
        if (demo != saved)
            between.append(demo);
    bool betweenListed = false;
    for (const PortEntry& port : ranked) {
        // A built-in port rarely has an adapter on it: the demo car is the better first try.
        if (!betweenListed && adapterRank(port) == 2) {
            names.append(between);
            betweenListed = true;
        }
        names.append(port.name);
    }
    if (!betweenListed)
        names.append(between);
    return names;
}

void TFormStart::fillPorts()
{
    COMports->clear();
    QStringList demos;
    for (const QString& demo : Connection::demoEntries())
        demos.append(Connection::demoLabel(demo));
    const QList<link::BluetoothPortEntry> devices =
        link::bluetoothEntries(link::mergeDevices(m_bluetoothLister(), m_searchFound));
    const QList<PortEntry> present = m_portLister();
    QString saved = ConnectionSettings::load().port;
    // No port saved, no adapter's port, no Bluetooth device: a first try, best on the demo car.
    const bool adapterKnown = !saved.isEmpty() || !devices.isEmpty()
        || std::any_of(present.begin(), present.end(), [](const PortEntry& p) { return adapterRank(p) < 2; });
    QStringList bluetooth;
    for (const link::BluetoothPortEntry& device : devices) {
        bluetooth.append(device.label);
        // A device kept by its port shows by its name when the computer knows it.
        if (saved.compare(device.port, Qt::CaseInsensitive) == 0)
            saved = device.label;
    }
    bluetooth.append(searchEntry());
    COMports->addItems(orderPorts(present, saved, bluetooth, Connection::wifiEntry(), demos));
    for (const link::BluetoothPortEntry& device : devices) {
        const int at = COMports->findText(device.label);
        COMports->setItemData(at, device.port);
        COMports->setItemData(at, device.port, Qt::ToolTipRole);
    }
    COMports->setItemData(COMports->findText(searchEntry()),
                          tr("Looks for Bluetooth adapters around for about ten seconds. A Classic "
                             "adapter must be paired once (bluetoothctl, PIN 1234 or 0000)"),
                          Qt::ToolTipRole);
    COMports->setItemData(COMports->findText(Connection::wifiEntry()),
                          tr("An adapter reached over Wi-Fi: connect the computer to the adapter's "
                             "network first. Another address can be typed as HOST:PORT"),
                          Qt::ToolTipRole);
    for (const QString& demo : Connection::demoEntries()) {
        const int at = COMports->findText(Connection::demoLabel(demo));
        COMports->setItemData(at, demo);
        COMports->setItemData(at, tr("A virtual car inside the program: try every function "
                                     "without an adapter or a car"),
                              Qt::ToolTipRole);
    }
    // The saved port, else an adapter's port, else the demo car: never an empty field,
    // never the search or a Wi-Fi address nobody chose.
    COMports->setCurrentIndex(adapterKnown ? 0 : COMports->findText(demos.first()));
}

QString TFormStart::portOf(const QString& text) const
{
    const int at = COMports->findText(text);
    const QString port = at >= 0 ? COMports->itemData(at).toString() : QString();
    return port.isEmpty() ? Connection::addressOf(text) : port;
}

void TFormStart::showRateApplies()
{
    const QString text = COMports->currentText();
    const link::PortAddress::Kind kind = link::parsePortAddress(portOf(text)).kind;
    const bool wireless = text == searchEntry() || kind == link::PortAddress::Kind::Bluetooth
                          || kind == link::PortAddress::Kind::Ble;
    const bool network = !wireless && Connection::isNetworkPort(text);
    COMbauds->setEnabled(!wireless && !network);
    COMbauds->setToolTip(wireless  ? tr("A Bluetooth adapter has no baud rate")
                         : network ? tr("A Wi-Fi adapter has no baud rate")
                                   : QString());
}

void TFormStart::SearchBluetoothClick()
{
    m_runner.run([this] {
        QStringList before;
        for (int i = 0; i < COMports->count(); ++i)
            before.append(COMports->itemText(i));
        TFormBluetoothSearch search(this);
        dialogs().showModal(search);
        m_searchFound = link::mergeDevices(m_searchFound, search.found());
        fillPorts();
        if (!search.failure().isEmpty()) {
            showNotice(this, search.failure());
            return;
        }
        // BlueZ reports the devices it knew first: the adapter to try is the first new one.
        for (const link::BluetoothPortEntry& entry : link::bluetoothEntries(search.found())) {
            if (!before.contains(entry.label)) {
                COMports->setCurrentIndex(COMports->findText(entry.label));
                break;
            }
        }
    });
}

void TFormStart::showVinCount()
{
    const QString vin = link::upperVIN(StartVIN->currentText());
    const bool complete = link::isVIN(vin);
    LabelVINcount->setText(QStringLiteral("%1/17").arg(vin.size()) + (complete ? QStringLiteral(" ✓") : QString()));
    LabelVINcount->setStyleSheet(complete ? QStringLiteral("color: #008000;") : QString());
}

void TFormStart::ButtonOpenCOMClick()
{
    if (COMports->currentText() == searchEntry()) {
        SearchBluetoothClick();
        return;
    }
    m_runner.run([this] {
        const QString shown = COMports->currentText();
        const QString portText = portOf(shown);
        QString vin = link::upperVIN(StartVIN->currentText());
        // Trying the demo car needs no VIN.
        if (vin.trimmed().isEmpty() && Connection::isDemoEntry(portText))
            vin = ConnectionSettings::kPlaceholderVIN;
        if (!link::isVIN(vin)) {
            showNotice(this, tr("Неверный VIN код!\nVIN — это 17 знаков: латинские буквы и цифры, "
                                "без I, O и Q.\nЕсли VIN автомобиля неизвестен, выберите "
                                "17 нулей (%1) в начале списка VIN.")
                                 .arg(ConnectionSettings::kPlaceholderVIN));
            return;
        }
        std::optional<QString> portToKeep;
        if (!Connection::isDemoEntry(portText))
            portToKeep = Connection::addressOf(portText);
        ConnectionSettings::storeConnection(vin, portToKeep, COMbauds->currentIndex());
        ConnectionSettings::storeMinVoltage(SpinMinVoltage->value());
        if (const auto setting = link::busSwitchFromName(ComboBusSwitch->currentData().toString()))
            ConnectionSettings::storeBusSwitch(*setting);

        TFormMain& main = m_program.FormMain();
        main.state().carVIN = vin.left(17);
        LabelConnecting->setText(tr("Подключение к %1…").arg(shown));
        // Cleared however the attempt ends, a port error included.
        struct ClearOnExit {
            QLabel* label;
            ~ClearOnExit() { label->clear(); }
        } clearAfter{LabelConnecting};
        main.openConnection(portText, COMbauds->currentText().toInt());
        hide();
        main.enterOnline();
    });
}

void TFormStart::ButtonOfflineClick()
{
    m_runner.run([this] {
        hide();
        m_program.FormMain().enterOffline();
    });
}

void TFormStart::BitBtnRefreshClick()
{
    fillPorts();
}

void TFormStart::closeEvent(QCloseEvent* event)
{
    if (m_runner.deferClose(event))
        return;
    QWidget::closeEvent(event);
    // This is the program's main window: closing it ends the program.
    QCoreApplication::quit();
}

namespace {

bool isEnter(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

bool TFormStart::eventFilter(QObject* watched, QEvent* event)
{
    if (isEnter(event) && ButtonOpenCOM->isEnabled()) {
        ButtonOpenCOM->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TFormStart::keyPressEvent(QKeyEvent* event)
{
    if (!isEnter(event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    // A focused button does its own job; from anywhere else Enter connects.
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled())
        button->click();
    else if (ButtonOpenCOM->isEnabled())
        ButtonOpenCOM->click();
}

void TFormStart::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        centreOnScreen(*this);
    }
}

} // namespace talmero::app
