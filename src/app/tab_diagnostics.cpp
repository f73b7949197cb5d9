#include "app/tab_diagnostics.h"

#include "app/dialogs.h"
#include "app/dtc_table.h"
#include "app/form_dtc_history.h"
#include "app/form_main.h"
#include "app/live_panel.h"
#include "app/readiness_view.h"
#include "app/widget_names.h"
#include "diag/trouble_codes.h"
#include "safety/write_gate.h"
#include "link/adapter.h"
#include "link/channel.h"
#include "link/session.h"

#include <QClipboard>
#include <QFrame>
#include <QDir>
#include <QGuiApplication>
#include <QTabWidget>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QPushButton>
#include <QVBoxLayout>

namespace talmero::app {

TabDiagnostics::TabDiagnostics(TFormMain& form) : m_form(form)
{
    setObjectName(QStringLiteral("TabDiagnostics"));
    Panel2 = new LivePanel(form, this);
    buildTroubleCodes();

    // The user may give either side more room; the table's columns want a little more.
    auto* halves = named(new QSplitter(Qt::Horizontal, this), "SplitterDiagnostics");
    halves->addWidget(Panel2);
    halves->addWidget(findChild<QGroupBox*>(QStringLiteral("PanelDTC")));
    halves->setStretchFactor(0, 2);
    halves->setStretchFactor(1, 3);
    halves->setChildrenCollapsible(false);
    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 6);
    page->addWidget(halves);
}

TabDiagnostics::~TabDiagnostics() = default;

void TabDiagnostics::buildTroubleCodes()
{
    auto* panel = named(new QGroupBox(tr("Diagnostic errors in modules"), this), "PanelDTC");
    ButtonDTC = named(new QPushButton(tr("Read"), panel), "ButtonDTC");
    ButtonDTCclear = named(new QPushButton(tr("Crear"), panel), "ButtonDTCclear");
    ButtonDTCclear->setEnabled(false);
    ButtonDTCclear->setToolTip(tr("Стереть коды ошибок в модулях автомобиля; сначала спрашивает"));
    ButtonDTChistory = named(new QPushButton(tr("История..."), panel), "ButtonDTChistory");
    ButtonDTChistory->setToolTip(tr("Все сохранённые чтения кодов ошибок; экспорт в текст или CSV"));
    // Eleven modules take a while; this says which one is being read.
    LabelDTCprogress = named(new QLabel(panel), "LabelDTCprogress");
    LabelDTCprogress->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // Room for the widest progress text, so that none is cut.
    LabelDTCprogress->setMinimumWidth(LabelDTCprogress->fontMetrics().horizontalAdvance(
        tr("Module %1 of %2: %3").arg(11).arg(11).arg(QStringLiteral("HVAC"))) + 8);
    ButtonDTCcancel = named(new QPushButton(tr("Cancel"), panel), "ButtonDTCcancel");
    ButtonDTCcancel->setToolTip(tr("Stop the reading after the module being read"));
    ButtonDTCcancel->hide();
    MemoDTC = named(new QPlainTextEdit(panel), "MemoDTC");
    MemoDTC->setReadOnly(true);
    m_table = new DtcTable(panel);
    // The table first; the text is the listing every reading has always had.
    auto* views = named(new QTabWidget(panel), "TabDTCview");
    views->addTab(m_table, tr("Таблица"));
    views->addTab(MemoDTC, tr("Текст"));
    views->addTab(new ReadinessView(m_form, panel), tr("Готовность"));
    ButtonDTCcopy = named(new QPushButton(tr("Копировать как текст"), panel), "ButtonDTCcopy");
    ButtonDTCcopy->setToolTip(tr("Все чтения этого окна текстом, в буфер обмена"));

    // Quiet while an operation runs; Cancel beside it is not.
    auto* actions = named(new QWidget(panel), "PanelDTCactions");
    auto* actionRow = new QHBoxLayout(actions);
    actionRow->setContentsMargins(0, 0, 0, 0);
    actionRow->addWidget(ButtonDTC);
    actionRow->addWidget(ButtonDTCclear);
    m_form.operations().addControl(actions);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(actions);
    buttons->addWidget(LabelDTCprogress, 1);
    buttons->addWidget(ButtonDTCcancel);
    auto* column = new QVBoxLayout(panel);
    column->addLayout(buttons);
    column->addWidget(views, 1);
    // Below the list, so that the progress beside Read keeps its room.
    m_form.operations().addControl(ButtonDTChistory);
    auto* below = new QHBoxLayout;
    below->addWidget(ButtonDTCcopy);
    below->addStretch();
    below->addWidget(ButtonDTChistory);
    column->addLayout(below);

    connect(ButtonDTC, &QPushButton::clicked, this, &TabDiagnostics::ButtonDTCClick);
    connect(ButtonDTCclear, &QPushButton::clicked, this, &TabDiagnostics::ButtonDTCclearClick);
    connect(ButtonDTChistory, &QPushButton::clicked, this, &TabDiagnostics::ButtonDTChistoryClick);
    connect(ButtonDTCcopy, &QPushButton::clicked, this, &TabDiagnostics::ButtonDTCcopyClick);
    // Another car, or the same one anew: what is shown came over the connection before.
    connect(&m_form, &TFormMain::connectionOpened, this, [this] { m_table->markFromEarlierConnection(m_readingPort); });
    connect(ButtonDTCcancel, &QPushButton::clicked, this, [this] { m_form.operations().requestCancel(); });
}

diag::TroubleCodes* TabDiagnostics::troubleCodes()
{
    link::Adapter* adapter = m_form.adapter();
    if (!adapter)
        return nullptr;
    // A QPointer, not a plain address: a new channel may be made where the old one was.
    if (!m_codes || !m_codesChannel || m_codesChannel != &adapter->channel()) {
        diag::DtcMemo& memo = *this;
        auto codes = std::make_unique<diag::TroubleCodes>(*m_form.gate(), m_form.host(), memo);
        if (m_codes) { // "Crear" may still be waiting for the codes read before a reconnect
            codes->dtcHS = m_codes->dtcHS;
            codes->dtcMS = m_codes->dtcMS;
        }
        m_codes = std::move(codes);
        m_codesChannel = &adapter->channel();
    }
    return m_codes.get();
}

void TabDiagnostics::ButtonDTCClick()
{
    bool started = false;
    link::Outcome read = link::Outcome::failed(link::Outcome::Kind::Failed, QString());
    const bool ran = m_form.runOperation([this, &started, &read] {
        diag::TroubleCodes* codes = troubleCodes();
        if (!codes)
            return;
        started = true;
        m_descriptions = diag::DtcDescriptions::withUserFile(m_descriptionsPath);
        for (const QString& line : m_descriptions.userFileReport())
            m_form.host().log(line);
        m_readingPort = m_form.adapter()->channel().name();
        ButtonDTCclear->setEnabled(false);
        ButtonDTCcancel->show();
        // The reading is kept and shown under the car's own VIN: asked first, on the bus the
        // reading starts on.
        if (safety::WriteGate* gate = m_form.gate())
            gate->vin().find();
        read = codes->ButtonDTCClick();
        ButtonDTCclear->setEnabled(codes->clearEnabled());
    });
    if (ran) { // also after an error ended the reading
        if (started) {
            m_form.showResult(read);
            keepReading();
            const diag::DtcReading shown = lastReading();
            m_table->showReading(shown, m_descriptions, false);
            Q_EMIT codesShown(&shown);
        }
        ButtonDTCcancel->hide();
        scrollToReading();
        LabelDTCprogress->clear();
        LabelDTCprogress->setToolTip(QString());
    }
}

void TabDiagnostics::ButtonDTCclearClick()
{
    link::Outcome cleared = link::Outcome::failed(link::Outcome::Kind::Failed, QString());
    bool started = false;
    const bool ran = m_form.runOperation([this, &cleared, &started] {
        if (diag::TroubleCodes* codes = troubleCodes()) {
            started = true;
            cleared = codes->ButtonDTCclearClick();
            ButtonDTCclear->setEnabled(codes->clearEnabled());
        }
    });
    if (ran && started)
        m_form.showResult(cleared);
}

diag::DtcReading TabDiagnostics::lastReading() const
{
    diag::DtcReading reading = m_codes ? m_codes->lastReading() : diag::DtcReading{};
    const link::LinkState& state = m_form.state();
    reading.vin = state.vinOrTyped();
    return reading;
}

void TabDiagnostics::keepReading()
{
    if (!m_codes)
        return;
    if (const QString error = m_codes->keepReading(m_form.state().vinOrTyped()); !error.isEmpty())
        m_form.host().log(tr("! Чтение кодов не сохранено в истории: %1").arg(error));
}

void TabDiagnostics::ButtonDTChistoryClick()
{
    const diag::DtcDescriptions descriptions = diag::DtcDescriptions::withUserFile(m_descriptionsPath);
    TFormDtcHistory window(diag::DtcHistory::pathOf(m_form.journalPath()), descriptions, this);
    connect(&window, &TFormDtcHistory::exported, this, [this](const QString& path) {
        m_form.showSaved(TFormDtcHistory::tr("Чтение сохранено: %1"), path);
    });
    dialogs().showModal(window);
}

void TabDiagnostics::ButtonDTCcopyClick()
{
    QGuiApplication::clipboard()->setText(MemoDTC->toPlainText());
}

void TabDiagnostics::appendMemo(const QString& line)
{
    MemoDTC->appendPlainText(line);
}

void TabDiagnostics::startReading(const QDateTime& when)
{
    if (!MemoDTC->document()->isEmpty())
        MemoDTC->appendPlainText(QString());
    MemoDTC->appendPlainText(QStringLiteral("=== ") + when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                             + QStringLiteral(" ==="));
    m_readingBlock = MemoDTC->document()->blockCount() - 1;
}

// The newest reading's first line at the top of the view.
void TabDiagnostics::scrollToReading()
{
    if (m_readingBlock < 0)
        return;
    QScrollBar* bar = MemoDTC->verticalScrollBar();
    bar->setValue(bar->maximum());
    MemoDTC->setTextCursor(QTextCursor(MemoDTC->document()->findBlockByNumber(m_readingBlock)));
    MemoDTC->ensureCursorVisible();
}

void TabDiagnostics::clearMemo()
{
    MemoDTC->clear();
    m_table->showCleared();
    Q_EMIT codesShown(nullptr);
}

void TabDiagnostics::showProgress(int k, int total, const QString& header)
{
    // The short name in the header's brackets fits beside the buttons; the tooltip has it all.
    QString name = header;
    const qsizetype open = header.lastIndexOf(QLatin1Char('('));
    const qsizetype close = header.lastIndexOf(QLatin1Char(')'));
    if (open >= 0 && close > open)
        name = header.mid(open + 1, close - open - 1);
    LabelDTCprogress->setText(tr("Module %1 of %2: %3").arg(k).arg(total).arg(name));
    LabelDTCprogress->setToolTip(header);
    m_table->showReading(lastReading(), m_descriptions, true);
}

} // namespace talmero::app
