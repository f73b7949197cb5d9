#include "app/form_main.h"

#include "app/clickable_label.h"
#include "app/connection.h"
#include "app/connection_settings.h"
#include "app/dialogs.h"
#include "app/elided_label.h"
#include "app/form_start.h"
#include "app/log_view.h"
#include "app/program.h"
#include "app/tab_configuration.h"
#include "app/tab_diagnostics.h"
#include "app/tab_modules.h"
#include "app/tab_service.h"
#include "app/vin_note.h"
#include "app/widget_names.h"
#include "app/window_host.h"
#include "config/backup.h"
#include "config/backup_first.h"
#include "config/car_restore.h"
#include "config/layout.h"
#include "config/pages.h"
#include "link/channel.h"
#include "safety/write_gate.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace talmero::app {

namespace {

constexpr int kTopRowHeight = 24;
constexpr int kTabsHeight = 406;
const QColor kOnlineColour(0x00, 0x80, 0x00);
const QColor kOfflineColour(0xFF, 0x00, 0x00);

// The whole file or nothing; an empty text when it was written.
QString writeLogFile(const QString& path, const QStringList& lines)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        QByteArray text;
        for (const QString& line : lines)
            text += line.toUtf8() + "\r\n";
        file.write(text);
        if (file.commit())
            return {};
    }
    return TFormMain::tr("Ошибка записи файла ") + path + QStringLiteral("\n") + file.errorString();
}

} // namespace

TFormMain::TFormMain(Program& program) : m_program(program), m_operations(*this)
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("TALMERO"));
    setWindowFlags(Qt::Window);
    // The log and the host first: the tabs hand the host on to their logic as they are built.
    MemoLOG = named(new LogView(this), "MemoLOG");
    m_host = std::make_unique<WindowHost>(*this, *MemoLOG, m_operations);
    buildControls();
    resize(QSize(kClientWidth, kClientHeight).expandedTo(minimumSizeHint()));
    // An undo, a restore or a block written by hand leaves a page showing that module stale.
    m_host->onBlockWritten = [this](const QString& address) {
        if (auto* configuration = findChild<TabConfiguration*>())
            configuration->blockWritten(address);
    };
}

TFormMain::~TFormMain() = default;

void TFormMain::buildControls()
{
    auto* topRow = named(new QWidget(this), "PanelTop");
    topRow->setFixedHeight(kTopRowHeight + 1);
    BitBtnSaveAuto = named(new QPushButton(tr("Back up car"), topRow), "BitBtnSaveAuto");
    BitBtnSaveAuto->setFixedHeight(kTopRowHeight);
    BitBtnSaveAuto->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    BitBtnSaveAuto->setToolTip(tr("Make backup copies of the settings of the car"));
    LabelVINmain = named(new QLabel(topRow), "LabelVINmain");
    LabelVINmain->setFont(boldFont(LabelVINmain->font()));
    LabelVINmain->setToolTip(tr("Current VIN"));
    LabelVINmain->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LabelVINsource = named(new QLabel(topRow), "LabelVINsource");
    PanelStatus = named(new ClickableLabel(topRow), "PanelStatus");
    PanelStatus->setFont(boldFont(PanelStatus->font()));
    PanelStatus->setToolTip(tr("Change connection settings"));
    PanelStatus->setAlignment(Qt::AlignCenter);
    PanelStatus->setMinimumSize(65, 25);
    auto* top = new QHBoxLayout(topRow);
    top->setContentsMargins(4, 0, 4, 0);
    top->addWidget(BitBtnSaveAuto);
    top->addSpacing(8);
    top->addWidget(LabelVINmain);
    top->addSpacing(6);
    top->addWidget(LabelVINsource);
    top->addStretch(1);
    top->addWidget(PanelStatus);

    TabbedMENU = named(new QTabWidget(this), "TabbedMENU");
    TabbedMENU->setMinimumHeight(kTabsHeight);
    auto* configuration = named(new TabConfiguration(*this), "TabConfiguration");
    auto* service = new TabService(*this);
    auto* diagnostics = new TabDiagnostics(*this);
    auto* modules = new TabModules(*this);
    TabbedMENU->addTab(diagnostics, tr("Diagnostics"));
    TabbedMENU->addTab(modules, tr("Модули"));
    TabbedMENU->addTab(configuration, tr("Configuration"));
    TabbedMENU->addTab(service, tr("Additional"));
    TabbedMENU->setCurrentIndex(PageConfiguration);

    auto* logButtons = named(new QWidget(this), "PanelLogButtons");
    ButtonClearLOG = named(new QPushButton(tr("Clear log"), logButtons), "ButtonClearLOG");
    ButtonClearLOG->setToolTip(tr("Empty the log window; the car is not touched"));
    ButtonSaveLOG = named(new QPushButton(tr("Write log"), logButtons), "ButtonSaveLOG");
    auto* buttons = new QVBoxLayout(logButtons);
    buttons->setContentsMargins(4, 4, 4, 4);
    buttons->addWidget(ButtonClearLOG);
    buttons->addWidget(ButtonSaveLOG);
    buttons->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->setSpacing(0);
    bottom->addWidget(MemoLOG, 1);
    bottom->addWidget(logButtons);

    // The outcome of the last operation on a row of its own, the whole width of the window:
    // a long path is shortened on screen, never widening it; the tooltip has it whole.
    StatusBarMain = named(new QStatusBar(this), "StatusBarMain");
    StatusBarMain->setSizeGripEnabled(false);
    LabelStatus = named(new ElidedLabel(StatusBarMain), "LabelStatus");
    ButtonSaveCancel = named(new QPushButton(tr("Cancel"), StatusBarMain), "ButtonSaveCancel");
    ButtonSaveCancel->setToolTip(tr("Stop the backup; no file is written"));
    ButtonSaveCancel->hide();
    StatusBarMain->addWidget(LabelStatus, 1);
    StatusBarMain->addPermanentWidget(ButtonSaveCancel);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(topRow);
    // Extra room goes to the trouble-code list (in the tabs) and the log alike: the
    // shares are of the whole height, and the tabs start the taller.
    page->addWidget(TabbedMENU, 2);
    page->addLayout(bottom, 1);
    page->addWidget(StatusBarMain);

    // Everything that can start an action; the log stays readable and scrollable, and
    // the backup's progress beside the buttons stays legible.
    m_operations.addControl(BitBtnSaveAuto);
    m_operations.addControl(PanelStatus);
    // The tabs, not the notebook: the trouble-code reading keeps its Cancel button usable
    // (the diagnostics tab names its own controls).
    m_operations.addControl(TabbedMENU->tabBar());
    m_operations.addControl(configuration);
    m_operations.addControl(service);
    m_operations.addControl(logButtons);

    connect(diagnostics, &TabDiagnostics::codesShown, modules, &TabModules::showCodes);
    connect(PanelStatus, &ClickableLabel::clicked, this, &TFormMain::PanelStatusClick);
    connect(BitBtnSaveAuto, &QPushButton::clicked, this, &TFormMain::BitBtnSaveAutoClick);
    connect(ButtonSaveCancel, &QPushButton::clicked, this, [this] { m_operations.requestCancel(); });
    connect(ButtonClearLOG, &QPushButton::clicked, this, &TFormMain::ButtonClearLOGClick);
    connect(ButtonSaveLOG, &QPushButton::clicked, this, &TFormMain::ButtonSaveLOGClick);
}

link::Host& TFormMain::host()
{
    return *m_host;
}

link::Adapter* TFormMain::adapter()
{
    return m_connection ? &m_connection->adapter() : nullptr;
}

link::Session* TFormMain::session()
{
    return m_connection ? &m_connection->session() : nullptr;
}

safety::WriteGate* TFormMain::gate()
{
    return m_gate.get();
}

void TFormMain::openConnection(const QString& portText, int baudRate)
{
    closeConnection();
    m_connection = std::make_unique<Connection>(portText, baudRate, m_demoLatencyMs,
                                                ConnectionSettings::load().busSwitch, *m_host);
    m_journal = safety::journalFor(Connection::isDemoEntry(portText), m_journalPath);
    const safety::SafetySettings settings(m_journal, ConnectionSettings::load().minVoltage);
    m_gate = std::make_unique<safety::WriteGate>(m_connection->session(), *m_host, m_state, settings);
    m_gate->offerBackup(backupBeforeWrite());
    m_state.moduleVins.clear();
    m_state.online = true;
    Q_EMIT connectionOpened(m_connection->channel().name());
}

void TFormMain::closeConnection()
{
    m_gate.reset();
    m_connection.reset();
    m_state.online = false;
}

void TFormMain::enterOnline()
{
    const QString name = m_connection ? Connection::demoLabel(m_connection->channel().name()) : QString();
    show();
    m_host->log(tr("* Открыт порт ") + name);
    const QString adapterLine = m_connection ? m_connection->identityLine() : QString();
    if (!adapterLine.isEmpty())
        m_host->log(adapterLine);
    if (const QString note = m_connection ? m_connection->lowLatencyNote() : QString(); !note.isEmpty())
        m_host->log(note);
    if (const QString note = m_connection ? m_connection->channel().openedNote() : QString(); !note.isEmpty())
        m_host->log(note);
    setStatus(QStringLiteral("  ") + name, kOnlineColour);
    PanelStatus->setToolTip(adapterLine.mid(2) + u'\n' + tr("Change connection settings"));
    FormActivate();
}

void TFormMain::enterOffline()
{
    closeConnection();
    show();
    m_host->log(tr("* Вход в OFFLINE режим"));
    TabbedMENU->setCurrentIndex(PageConfiguration);
    if (auto* modulePages = findChild<QTabWidget*>(QStringLiteral("TabbedCONF")))
        modulePages->setCurrentIndex(0);
    setStatus(QStringLiteral("OFFLINE"), kOfflineColour);
    PanelStatus->setToolTip(tr("Change connection settings"));
    FormActivate();
}

void TFormMain::setStatus(const QString& caption, const QColor& colour)
{
    PanelStatus->setText(caption);
    // The disabled colour stays the style's grey: during an operation the panel must
    // look as locked as it is.
    QPalette colours = PanelStatus->palette();
    colours.setColor(QPalette::Active, QPalette::WindowText, colour);
    colours.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    PanelStatus->setPalette(colours);
}

bool TFormMain::TabbedMENUChange(int page) const
{
    return m_state.online || page == PageConfiguration;
}

bool TFormMain::runOperation(const std::function<void()>& action)
{
    if (!m_operations.busy()) {
        m_backupBeforeWrite.clear();
        showStatus(QString(), Status::Progress);
    }
    const bool ran = m_operations.run(action);
    if (ran) // the connection may have gone meanwhile
        FormActivate();
    return ran;
}

void TFormMain::FormActivate()
{
    const bool online = m_state.online;
    BitBtnSaveAuto->setVisible(online);
    // The configuration page adds these when it is built.
    for (const char* name : {"ButtonCONFread", "ButtonCONFwrite", "ButtonCONFhistory", "ButtonCONFrestore"})
        if (auto* button = findChild<QWidget*>(QLatin1String(name)))
            button->setVisible(online);
    showVin();
    // Enabling a tab enables its page too: during an operation (a bus prompt or a
    // confirmation activates the window again) the pages stay as the operation left them.
    if (m_operations.busy())
        return;
    // A refused page cannot be chosen by mouse, keyboard or wheel.
    for (int page = 0; page < TabbedMENU->count(); ++page)
        TabbedMENU->setTabEnabled(page, TabbedMENUChange(page));
    // Offline only the module pages that AS-BUILT lines serve have anything to offer.
    if (auto* modulePages = findChild<QTabWidget*>(QStringLiteral("TabbedCONF")))
        for (int tab = 0; tab < modulePages->count(); ++tab) {
            const config::PageInfo* page = config::pageAt(tab);
            modulePages->setTabEnabled(tab, page && (online || !config::asBuiltAddress(*page).isEmpty()));
        }
}

// The VIN in use: the car's once a module gave it, else the one typed at connecting.
void TFormMain::showVin()
{
    LabelVINmain->setText(m_state.online ? m_state.vinOrTyped() : QString());
    const VinNote note = VinNotes::of(m_state);
    LabelVINsource->setText(note.text);
    LabelVINsource->setToolTip(note.toolTip);
    LabelVINsource->setStyleSheet(note.warning ? QStringLiteral("color: #B00000; font-weight: bold") : QString());
}

void TFormMain::showStatus(const QString& text, Status kind, const QString& shorter)
{
    LabelStatus->setTexts(text, shorter);
    LabelStatus->setToolTip(text);
    QPalette colours = LabelStatus->palette();
    const QColor colour = kind == Status::Failed ? QColor(0xB0, 0x00, 0x00)
                          : kind == Status::Done ? QColor(0x00, 0x60, 0x00)
                                                 : palette().color(QPalette::WindowText);
    for (auto group : {QPalette::Active, QPalette::Inactive})
        colours.setColor(group, QPalette::WindowText, colour);
    LabelStatus->setPalette(colours);
}

void TFormMain::showResult(const link::Outcome& result, const QString& success, const QString& shorter)
{
    // An operation ended early (a Cancel, an error) has no result of its own.
    const link::Outcome& outcome = m_operations.interrupted() ? *m_operations.interrupted() : result;
    if (outcome.ok()) {
        showStatus(success.isEmpty() ? outcome.text() : success, Status::Done, shorter);
        return;
    }
    showStatus(outcome.line.isEmpty() ? tr("Не выполнено: подробности в логе") : outcome.text(), Status::Failed);
}

void TFormMain::showWriteResult(const link::Outcome& outcome)
{
    const QString backup = m_backupBeforeWrite;
    if (!outcome.ok() || backup.isEmpty()) {
        showResult(outcome);
        return;
    }
    // The outcome first; where the whole path does not fit, the file's name.
    const QString saved = tr("%1; резервная копия сохранена: %2");
    showResult(outcome, saved.arg(outcome.text(), QDir::toNativeSeparators(backup)),
               saved.arg(outcome.text(), QFileInfo(backup).fileName()));
}

void TFormMain::showSaved(const QString& said, const QString& path)
{
    showStatus(said.arg(QDir::toNativeSeparators(path)), Status::Done, said.arg(QFileInfo(path).fileName()));
}

void TFormMain::PanelStatusClick()
{
    if (m_operations.busy())
        return;
    if (m_state.online) {
        closeConnection();
        m_host->log(tr("* Порт закрыт"));
    } else {
        m_host->log(tr("* Выход из OFFLINE режима"));
    }
    hide();
    m_program.FormStart().show();
}

QString TFormMain::backupFolder() const
{
    const QString last = ConnectionSettings::load().lastBackupFolder;
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString folder = config::VehicleBackup::defaultFolder(programFolder());
    return QDir().mkpath(folder) ? folder : programFolder();
}

QStringList TFormMain::backupFolders() const
{
    QStringList folders{backupFolder(), config::VehicleBackup::defaultFolder(programFolder()),
                        config::VehicleBackup::documentsFolder(), config::CarRestore::defaultSaveFolder()};
    folders.removeDuplicates();
    return folders;
}

safety::BackupBeforeWrite TFormMain::backupBeforeWrite()
{
    return {[this](const QString& vin, const safety::BackupNeeds& needs) { return config::holdsBackupOf(backupFolders(), vin, needs); },
            [this](const safety::BackupNeeds& needs) -> safety::BackupBeforeWrite::Taken {
                link::Session* open = session();
                if (!open)
                    return {tr("нет соединения"), {}, {}};
                // Cancelled like the backup button's own: nothing is written then.
                ButtonSaveCancel->show();
                const auto hide = qScopeGuard([this] { ButtonSaveCancel->hide(); });
                const config::BackupTaken taken = config::takeBackup(
                    *open, *m_host, m_state, backupFolder(), true, [this](int number, int count, const car::Module& module) {
                        showStatus(tr("Module %1 of %2: %3").arg(number).arg(count).arg(config::qs(module.name)), Status::Progress);
                    }, needs);
                if (!taken.path.isEmpty()) {
                    ConnectionSettings::storeBackupFolder(QFileInfo(taken.path).absolutePath());
                    m_backupBeforeWrite = taken.path;
                    showSaved(tr("Резервная копия сохранена: %1"), taken.path);
                }
                return {taken.failure, taken.incomplete, taken.notes};
            }};
}

QString TFormMain::programFolder() const
{
    return m_programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : m_programFolder;
}

// The backup runs as any operation does, so the status panel (and every other control
// that starts an action) stays disabled until it has ended.
void TFormMain::BitBtnSaveAutoClick()
{
    if (m_operations.busy() || !session())
        return;
    // Asked before the modules are read: the user waits once, at the end.
    const QString folder = dialogs().chooseFolder(this, backupFolder());
    if (folder.isEmpty())
        return;
    config::BackupResult made;
    const bool ran = runOperation([this, &folder, &made] {
        link::Session* open = session();
        if (!open)
            return;
        ButtonSaveCancel->show();
        config::VehicleBackup backup(*open, *m_host);
        backup.setProgress([this](int number, int count, const car::Module& module) {
            showStatus(tr("Module %1 of %2: %3").arg(number).arg(count).arg(config::qs(module.name)), Status::Progress);
        });
        backup.setFallbackAllowed(false); // the folder the user chose, or a message
        backup.learnInto(m_state);
        made = backup.BitBtnSaveAutoClick(m_state.carVIN, folder);
        if (!made.path.isEmpty())
            ConnectionSettings::storeBackupFolder(QFileInfo(made.path).absolutePath());
    });
    if (ran) { // also after an error ended the backup
        ButtonSaveCancel->hide();
        // A file with a block not read whole is saved, and its failure shown.
        const QString saved = tr("Резервная копия сохранена: %1");
        showResult(made.outcome, saved.arg(QDir::toNativeSeparators(made.path)), saved.arg(QFileInfo(made.path).fileName()));
    }
}

void TFormMain::ButtonClearLOGClick()
{
    MemoLOG->clearLines();
}

void TFormMain::ButtonSaveLOGClick()
{
    if (!MemoLOG->hasLines())
        return;
    const QString suggested = QStringLiteral("talmero_log_")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")) + QStringLiteral(".txt");
    QString path = dialogs().saveFileName(this, tr("Text file (*.txt)"),
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(suggested));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        path += QLatin1String(".txt");
    const QString error = writeLogFile(path, MemoLOG->lines());
    if (!error.isEmpty())
        showNotice(this, error);
    else
        showSaved(tr("Лог сохранён: %1"), path);
}

void TFormMain::FormClose()
{
    closeConnection();
    m_program.FormStart().close();
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    if (m_operations.deferClose(event)) {
        m_host->log(tr("* Остановка: окно закроется, когда закончится текущая операция"));
        return;
    }
    FormClose();
    QWidget::closeEvent(event);
}

void TFormMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        const QByteArray geometry = ConnectionSettings::load().mainWindowGeometry;
        if (geometry.isEmpty() || !restoreGeometry(geometry))
            centreOnScreen(*this);
    }
    FormActivate();
}

void TFormMain::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // Minimising hides the window spontaneously; its size is kept when it is put away.
    if (!event->spontaneous())
        ConnectionSettings::storeMainWindowGeometry(saveGeometry());
}

void TFormMain::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

} // namespace talmero::app
