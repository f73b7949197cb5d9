#include "app/tab_configuration.h"

#include "app/dialogs.h"
#include "app/form_asbuilt.h"
#include "app/form_compare.h"
#include "app/form_history.h"
#include "app/form_main.h"
#include "app/form_module_files.h"
#include "app/form_restore.h"
#include "app/option_pages.h"
#include "app/program.h"
#include "app/widget_option_view.h"
#include "config/asbuilt_conversion.h"
#include "config/backup_reader.h"
#include "config/config_panel.h"
#include "config/config_transfer.h"
#include "config/pages.h"
#include "link/host.h"
#include "link/session.h"
#include "safety/write_gate.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>

namespace talmero::app {

namespace {

// The main window's font, which the configuration pages need to fit their options.
constexpr int kPagesPointSize = 8;

} // namespace

TabConfiguration::TabConfiguration(TFormMain& main)
    : m_main(main), m_host(main.host())
{
    setObjectName(QStringLiteral("TabConfiguration"));
    QFont pagesFont = font();
    pagesFont.setPointSize(kPagesPointSize);
    setFont(pagesFont);

    // The AS-BUILT window is created after the main window; it is looked up when used.
    m_view = std::make_unique<WidgetOptionView>(QList<WidgetOptionView::Root>{
        [this]() -> QWidget* { return this; }, [this] { return asBuiltWindow(); }});
    m_panel = std::make_unique<config::ConfigPanel>(*m_view, m_host);

    const OptionPages pages(pagesFont, [this](const QString& control) {
        m_panel->onUserChange(control);
        showChanges();
    });
    QWidget* panelCONF = pages.buildPanel();
    panelCONF->setParent(this);
    TabbedCONF = new QTabWidget(this);
    TabbedCONF->setObjectName(QStringLiteral("TabbedCONF"));
    for (const config::PageInfo* page : config::pageInfos())
        TabbedCONF->addTab(pages.buildPage(*page), config::qs(page->caption));
    TabbedCONF->setCurrentIndex(config::tabOf(*m_page));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(panelCONF);
    layout->addWidget(TabbedCONF, 1);

    connect(TabbedCONF, &QTabWidget::currentChanged, this, &TabConfiguration::TabbedCONFChange);
    connectButton("ButtonCONFread", &TabConfiguration::ButtonCONFreadClick);
    connectButton("ButtonCONFwrite", &TabConfiguration::ButtonCONFwriteClick);
    connectButton("ButtonCONFopen", &TabConfiguration::ButtonCONFopenClick);
    connectButton("ButtonCONFopenASBUILT", &TabConfiguration::ButtonCONFopenASBUILTClick);
    connectButton("ButtonCONFgetASBUILT", &TabConfiguration::ButtonCONFgetASBUILTClick);
    connectButton("ButtonCONFhistory", &TabConfiguration::ButtonCONFhistoryClick);
    connectButton("ButtonCONFcompare", &TabConfiguration::ButtonCONFcompareClick);
    connectButton("ButtonCONFrestore", &TabConfiguration::ButtonCONFrestoreClick);
    connectButton("ButtonCONFfiles", &TabConfiguration::ButtonCONFfilesClick);
}

void TabConfiguration::connectButton(const char* name, void (TabConfiguration::*handler)())
{
    connect(findChild<QPushButton*>(QLatin1String(name)), &QPushButton::clicked, this, handler);
}

TabConfiguration::~TabConfiguration()
{
    // Removing the pages while the notebook goes away must not reach the logic.
    disconnect(TabbedCONF, nullptr, this, nullptr);
}

QWidget* TabConfiguration::asBuiltWindow()
{
    return &m_main.program().FormAsBuilt();
}

config::AsBuiltConversion& TabConfiguration::asBuilt()
{
    if (!m_asBuilt) {
        TFormAsBuilt& window = m_main.program().FormAsBuilt();
        m_asBuilt = std::make_unique<config::AsBuiltConversion>(*m_panel, window, m_host);
        window.setButton1Handler([this] {
            m_asBuilt->Button1Click();
            showSource(tr("Из строки AS-BUILT"));
        });
    }
    return *m_asBuilt;
}

void TabConfiguration::TabbedCONFChange(int newTab)
{
    const config::PageInfo* page = config::pageAt(newTab);
    if (m_changingPage || !page || page == m_page)
        return;
    m_changingPage = true;
    TabbedCONF->setCurrentIndex(config::tabOf(*m_page));
    if (m_panel->TabbedCONFChange(*page, m_main.state().online)) {
        m_page = page;
        TabbedCONF->setCurrentIndex(newTab);
        showSource(QString());
    }
    m_changingPage = false;
}

void TabConfiguration::showChanges()
{
    m_view->markChanged(m_panel->changedOptions());
}

void TabConfiguration::showSource(const QString& source, const QString& detail)
{
    showChanges();
    auto* label = findChild<QLabel*>(QStringLiteral("LabelCONFsource"));
    if (!label)
        return;
    if (source.isEmpty() || !m_panel->showsBlock()) {
        label->clear();
        label->setToolTip(QString());
        return;
    }
    const QString shown = detail.isEmpty()
        ? source
        : source + QLatin1Char('\n')
            + label->fontMetrics().elidedText(detail, Qt::ElideMiddle, label->width() - 4);
    label->setText(shown);
    const QString until = tr("Так страница показывает его, пока оно не прочитано из машины или не записано");
    label->setToolTip(detail.isEmpty() ? until : until + QLatin1Char('\n') + detail);
}

void TabConfiguration::ButtonCONFreadClick()
{
    link::Outcome read = link::Outcome::failed(link::Outcome::Kind::Failed, QString());
    const bool ran = m_main.runOperation([this, &read] {
        if (safety::WriteGate* gate = m_main.gate())
            read = config::ConfigTransfer(*m_panel, *gate, m_host).ButtonCONFreadClick(*m_page);
    });
    if (ran)
        m_main.showResult(read, tr("Конфигурация прочитана: %1").arg(config::ConfigTransfer::pageText(*m_panel, *m_page)));
    showSource(QString()); // the car's own content now, or nothing
}

void TabConfiguration::blockWritten(const QString& address)
{
    if (m_writing || !m_panel->showsBlock())
        return;
    const config::PageInfo& info = *m_page;
    const auto sides = info.allSides();
    if (std::none_of(sides.begin(), sides.end(), [&](const config::PageSide& s) { return config::qs(s.address) == address; }))
        return;
    m_panel->clearCONF();
    showSource(QString());
    m_host.log(tr("* Страница %1 очищена: модуль %2 изменён другой записью; прочитайте конфигурацию снова")
                    .arg(config::qs(info.caption), address));
}

void TabConfiguration::ButtonCONFwriteClick()
{
    link::Outcome written = link::Outcome::failed(link::Outcome::Kind::Failed, QString());
    const bool ran = m_main.runOperation([this, &written] {
        const QScopedValueRollback<bool> own(m_writing, true);
        if (safety::WriteGate* gate = m_main.gate())
            written = config::ConfigTransfer(*m_panel, *gate, m_host).ButtonCONFwriteClick(*m_page).outcome;
    });
    if (ran)
        m_main.showWriteResult(written);
    if (written.ok()) // a refused write leaves the page as it came
        showSource(QString());
    else
        showChanges();
}

// The three file and AS-BUILT handlers send nothing to the car, so they run offline too.
// They stay outside runOperation: its busy cursor would sit over the dialogs they open.
// A click that arrives while an operation is running is still refused.

void TabConfiguration::ButtonCONFopenClick()
{
    if (m_main.operations().busy())
        return;
    const QString folder = m_main.backupFolder();
    QString path;
    config::BackupOpening(*m_panel, m_host).ButtonCONFopenClick(*m_page, [this, &folder, &path] {
        path = dialogs().openFileName(this, config::BackupOpening::backupFileFilter(), folder);
        return path;
    });
    showSource(tr("Из файла:"), QFileInfo(path).fileName());
}

void TabConfiguration::ButtonCONFopenASBUILTClick()
{
    if (!m_main.operations().busy())
        asBuilt().ButtonCONFopenASBUILTClick(*m_page);
}

void TabConfiguration::ButtonCONFgetASBUILTClick()
{
    if (m_main.operations().busy())
        return;
    asBuilt().ButtonCONFgetASBUILTClick(*m_page);
    // The panel is cleared once the line has been shown, unless the user kept the changes.
    if (m_panel->showsBlock())
        showChanges();
    else
        showSource(QString());
}

void TabConfiguration::ButtonCONFhistoryClick()
{
    if (m_main.operations().busy())
        return;
    TFormHistory history(m_main);
    dialogs().showModal(history);
}

void TabConfiguration::ButtonCONFcompareClick()
{
    if (m_main.operations().busy())
        return;
    TFormCompare compare(m_main);
    dialogs().showModal(compare);
}

void TabConfiguration::ButtonCONFfilesClick()
{
    if (m_main.operations().busy())
        return;
    TFormModuleFiles files(m_main.program().descriptionFiles(), &m_main);
    dialogs().showModal(files);
}

void TabConfiguration::ButtonCONFrestoreClick()
{
    if (m_main.operations().busy())
        return;
    const QString path = dialogs().openFileName(this, config::BackupOpening::backupFileFilter(), m_main.backupFolder());
    if (!path.isEmpty())
        restoreCar(m_main, path);
}

} // namespace talmero::app
