#include "app/live_panel.h"

#include "app/dialogs.h"
#include "app/form_main.h"
#include "app/live_plot.h"
#include "app/widget_names.h"
#include "diag/live_data.h"
#include "diag/live_reader.h"
#include "link/host.h"
#include "link/session.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace talmero::app {

namespace {

// Picked when the panel opens: what a driver glances at first.
bool pickedAtFirst(const diag::LiveValue& value)
{
    for (const char* key : {"rpm", "speed", "coolant", "battery"}) {
        if (QLatin1String(value.key) == QLatin1String(key))
            return true;
    }
    return false;
}

const char* const kOffered = "offered";

} // namespace

LivePanel::LivePanel(TFormMain& form, QWidget* parent)
    : QGroupBox(tr("Reading parameters online: OBD-II"), parent), m_form(form)
{
    setObjectName(QStringLiteral("Panel2"));
    LabelD = named(new QLabel(tr("До шести параметров двигателя каждую секунду; графики за последние 5 минут"), this),
                   "LabelD");
    LabelD->setWordWrap(true);
    ButtonDstart = named(new QPushButton(tr("Start"), this), "ButtonDstart");
    ButtonDstop = named(new QPushButton(tr("Stop"), this), "ButtonDstop");
    ButtonDstop->setEnabled(false);
    ButtonDvalues = named(new QToolButton(this), "ButtonDvalues");
    ButtonDvalues->setText(tr("Параметры"));
    ButtonDvalues->setToolTip(tr("Какие параметры читать и показывать (до шести)"));
    ButtonDvalues->setPopupMode(QToolButton::InstantPopup);
    ButtonDrecord = named(new QPushButton(tr("Запись..."), this), "ButtonDrecord");
    ButtonDrecord->setCheckable(true);
    ButtonDrecord->setEnabled(false);
    ButtonDrecord->setToolTip(tr("Записывать каждое чтение в файл CSV"));
    ButtonDplay = named(new QPushButton(tr("Открыть запись..."), this), "ButtonDplay");
    ButtonDplay->setToolTip(tr("Показать на графиках показания, записанные раньше в файл CSV"));
    LabelDstate = named(new QLabel(this), "LabelDstate");
    LabelDstate->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ButtonDstart);
    buttons->addWidget(ButtonDstop);
    buttons->addWidget(ButtonDvalues);
    buttons->addWidget(ButtonDrecord);
    buttons->addWidget(LabelDstate, 1);
    // Beside the wrapping caption, so that the buttons' row does not widen the window.
    auto* caption = new QHBoxLayout;
    caption->addWidget(LabelD, 1);
    caption->addWidget(ButtonDplay, 0, Qt::AlignTop);
    // The plots share the height; in a small window they scroll rather than squeeze
    // their time axis away.
    auto* plots = named(new QScrollArea(this), "ScrollDplots");
    plots->setWidgetResizable(true);
    plots->setFrameShape(QFrame::NoFrame);
    auto* plotBox = new QWidget(plots);
    m_plotColumn = new QVBoxLayout(plotBox);
    m_plotColumn->setContentsMargins(0, 0, 0, 0);
    m_plotColumn->setSpacing(4);
    plots->setWidget(plotBox);
    auto* column = new QVBoxLayout(this);
    column->setSpacing(2);
    column->addLayout(caption);
    column->addLayout(buttons);
    column->addWidget(plots, 1);
    buildValueMenu();

    // Start waits while any operation runs; Stop, the values and Record serve the reading.
    m_form.operations().addControl(ButtonDstart);
    m_form.operations().addControl(ButtonDplay);
    connect(ButtonDstart, &QPushButton::clicked, this, &LivePanel::ButtonDstartClick);
    connect(ButtonDstop, &QPushButton::clicked, this, &LivePanel::ButtonDstopClick);
    connect(ButtonDrecord, &QPushButton::clicked, this, &LivePanel::ButtonDrecordClick);
    connect(ButtonDplay, &QPushButton::clicked, this, &LivePanel::ButtonDplayClick);
    connect(&m_form, &TFormMain::connectionOpened, this, &LivePanel::anotherConnection);
}

LivePanel::~LivePanel() = default;

void LivePanel::buildValueMenu()
{
    m_valueMenu = new QMenu(ButtonDvalues);
    m_valueMenu->setObjectName(QStringLiteral("MenuDvalues"));
    for (const diag::LiveValue& value : diag::kLiveValues) {
        const QString unit = diag::liveUnit(value);
        QAction* action = m_valueMenu->addAction(diag::liveTitle(value) + QStringLiteral(", ") + unit);
        action->setObjectName(QStringLiteral("ActionD") + QLatin1String(value.key));
        action->setCheckable(true);
        action->setChecked(pickedAtFirst(value));
        action->setProperty(kOffered, true);
        connect(action, &QAction::toggled, this, &LivePanel::valuesChanged);
        m_valueActions.append(action);
    }
    ButtonDvalues->setMenu(m_valueMenu);
    valuesChanged();
}

QList<const diag::LiveValue*> LivePanel::picked() const
{
    QList<const diag::LiveValue*> values;
    for (qsizetype i = 0; i < m_valueActions.size(); ++i) {
        if (m_valueActions[i]->isChecked())
            values.append(&diag::kLiveValues[size_t(i)]);
    }
    return values;
}

void LivePanel::valuesChanged()
{
    const QList<const diag::LiveValue*> values = picked();
    // Six at most: the others wait until one is taken away.
    for (QAction* action : m_valueActions)
        action->setEnabled(action->property(kOffered).toBool() && (action->isChecked() || values.size() < kMaxValues));

    QList<LivePlot*> kept;
    for (LivePlot* plot : m_plots) {
        if (values.contains(&plot->value())) {
            kept.append(plot);
        } else {
            m_plotColumn->removeWidget(plot);
            plot->deleteLater();
        }
    }
    m_plots.clear();
    for (const diag::LiveValue* value : values) {
        const auto old = std::find_if(kept.begin(), kept.end(), [value](LivePlot* p) { return &p->value() == value; });
        LivePlot* plot = old != kept.end() ? *old : new LivePlot(*value, m_plotColumn->parentWidget());
        m_plotColumn->removeWidget(plot);
        m_plotColumn->addWidget(plot, 1);
        m_plots.append(plot);
    }
}

void LivePanel::offerOnly(const QList<const diag::LiveValue*>& offered)
{
    QStringList dropped;
    for (qsizetype i = 0; i < m_valueActions.size(); ++i) {
        QAction* action = m_valueActions[i];
        const bool announced = offered.contains(&diag::kLiveValues[size_t(i)]);
        action->setProperty(kOffered, announced);
        action->setToolTip(announced ? QString() : tr("Двигатель этого автомобиля не сообщает этот параметр"));
        if (!announced && action->isChecked()) {
            dropped << diag::liveTitle(diag::kLiveValues[size_t(i)]);
            const QSignalBlocker one(action);
            action->setChecked(false);
        }
    }
    if (!dropped.isEmpty())
        m_form.host().log(tr("! Двигатель не сообщает параметры: %1").arg(dropped.join(QStringLiteral(", "))));
    valuesChanged();
}

void LivePanel::ButtonDstartClick()
{
    const bool ran = m_form.runOperation([this] {
        link::Session* session = m_form.session();
        if (!session)
            return;
        if (!diag::LiveData(*session, m_form.host()).openEngine().ok())
            return;
        diag::LiveReader reader(*session, m_form.host());
        offerOnly(diag::LiveReader::offered(reader.readSupportedPids()));
        for (LivePlot* plot : m_plots)
            plot->clear();
        ButtonDstop->setEnabled(true);
        ButtonDrecord->setEnabled(true);
        LabelDstate->setText(tr("Идёт чтение"));
        m_form.host().log(tr("* Чтение параметров двигателя начато"));
        QElapsedTimer clock; // monotonic: a clock change does not bend the plots
        clock.start();
        while (!m_form.operations().cancelRequested()) {
            const QList<const diag::LiveValue*> values = picked();
            m_seconds = clock.elapsed() / 1000.0;
            const diag::LiveReadings readings = reader.read(values);
            // The picks may have changed while the answers came.
            for (LivePlot* plot : m_plots) {
                const qsizetype i = values.indexOf(&plot->value());
                if (i >= 0)
                    plot->add(m_seconds, readings.value(i));
            }
            if (m_recording && !m_recording->addRow(m_seconds, readings)) {
                const QString why = m_recording->error();
                stopRecording();
                showNotice(this, tr("! Запись показаний прервана: %1").arg(why));
            }
            QEventLoop wait;
            QTimer::singleShot(kIntervalMs, &wait, &QEventLoop::quit);
            connect(ButtonDstop, &QPushButton::clicked, &wait, &QEventLoop::quit);
            wait.exec();
            if (m_form.session() != session) // the connection went away meanwhile
                return;
        }
        m_form.host().log(tr("* Чтение параметров двигателя остановлено"));
    });
    if (ran) { // also after an error ended the reading
        stopRecording();
        ButtonDstop->setEnabled(false);
        ButtonDrecord->setEnabled(false);
        LabelDstate->clear();
    }
}

void LivePanel::ButtonDstopClick()
{
    m_form.operations().requestCancel();
    LabelDstate->setText(tr("Остановка…"));
}

void LivePanel::ButtonDrecordClick(bool on)
{
    if (!on) {
        stopRecording();
        return;
    }
    const QString suggested = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(QStringLiteral("live_") + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"))
                  + QStringLiteral(".csv"));
    QString path = dialogs().saveFileName(this, tr("CSV (*.csv)"), suggested);
    if (!path.isEmpty() && !path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        path += QLatin1String(".csv");
    auto recording = std::make_unique<diag::LiveRecording>(picked());
    if (path.isEmpty() || !recording->open(path)) {
        ButtonDrecord->setChecked(false);
        if (!path.isEmpty())
            showNotice(this, tr("! Файл не открыт для записи: ") + recording->error());
        return;
    }
    // The columns are the values picked now; they stay until the recording ends.
    m_recording = std::move(recording);
    ButtonDvalues->setEnabled(false);
    m_form.host().log(tr("* Запись показаний в файл %1").arg(QDir::toNativeSeparators(path)));
}

void LivePanel::ButtonDplayClick()
{
    const QString path = dialogs().openFileName(this, tr("CSV (*.csv);;Все файлы (*)"),
                                                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (!path.isEmpty())
        showRecording(path);
}

void LivePanel::showRecording(const QString& path)
{
    const diag::RecordedValues rec = diag::LiveRecording::load(path);
    if (!rec.error.isEmpty()) {
        showNotice(this, tr("! Запись %1 не открыта: %2").arg(QDir::toNativeSeparators(path), rec.error));
        return;
    }
    // The plots follow the recording: its values, up to six, whatever this car offers.
    const QList<const diag::LiveValue*> shown = rec.values.mid(0, kMaxValues);
    for (qsizetype i = 0; i < m_valueActions.size(); ++i) {
        const QSignalBlocker quiet(m_valueActions[i]);
        m_valueActions[i]->setProperty(kOffered, true);
        m_valueActions[i]->setToolTip(QString());
        m_valueActions[i]->setChecked(shown.contains(&diag::kLiveValues[size_t(i)]));
    }
    valuesChanged();
    for (LivePlot* plot : m_plots) {
        const qsizetype column = rec.values.indexOf(&plot->value());
        QList<std::optional<double>> readings;
        for (const diag::LiveReadings& row : rec.rows)
            readings.append(row.value(column));
        plot->showRecording(rec.seconds, readings);
    }
    QString state = tr("Запись %1: строк %2").arg(QFileInfo(path).fileName()).arg(rec.rows.size());
    if (rec.values.size() > kMaxValues)
        state += tr("; показаны первые %1 параметров из %2").arg(kMaxValues).arg(rec.values.size());
    if (rec.badRows > 0)
        state += tr("; пропущено строк без времени: %1").arg(rec.badRows);
    if (!rec.unknownColumns.isEmpty())
        state += tr("; неизвестные столбцы: %1").arg(rec.unknownColumns.join(QStringLiteral(", ")));
    LabelDstate->setText(state);
    m_form.host().log(QStringLiteral("* ") + state);
}

void LivePanel::stopRecording()
{
    ButtonDrecord->setChecked(false);
    ButtonDvalues->setEnabled(true);
    if (!m_recording)
        return;
    const QString stopped = tr("* Запись показаний остановлена: %n строк в файле %1", nullptr, int(m_recording->rows()))
                                .arg(QDir::toNativeSeparators(m_recording->path()));
    m_form.host().log(stopped);
    m_form.showStatus(stopped.mid(2), TFormMain::Status::Done);
    m_recording.reset();
}

void LivePanel::anotherConnection()
{
    stopRecording();
    for (QAction* action : m_valueActions) {
        action->setProperty(kOffered, true);
        action->setToolTip(QString());
    }
    valuesChanged();
    for (LivePlot* plot : m_plots)
        plot->clear();
}

} // namespace talmero::app
