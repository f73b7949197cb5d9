#include "app/live_panel.h"

#include "app/form_main.h"
#include "app/widget_names.h"
#include "diag/live_data.h"
#include "link/host.h"
#include "link/session.h"

#include <QChart>
#include <QChartView>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTimer>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

namespace talmero::app {

LivePanel::LivePanel(TFormMain& form, QWidget* parent)
    : QGroupBox(tr("Reading parameters online: OBD-II"), parent), m_form(form)
{
    setObjectName(QStringLiteral("Panel2"));
    LabelD = named(new QLabel(tr("Показания двигателя каждую секунду; графики за последние 5 минут"), this),
                   "LabelD");
    LabelD->setWordWrap(true);
    ButtonDstart = named(new QPushButton(tr("Start"), this), "ButtonDstart");
    ButtonDstop = named(new QPushButton(tr("Stop"), this), "ButtonDstop");
    ButtonDstop->setEnabled(false);
    LabelDstate = named(new QLabel(this), "LabelDstate");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ButtonDstart);
    buttons->addWidget(ButtonDstop);
    buttons->addWidget(LabelDstate, 1);
    auto* column = new QVBoxLayout(this);
    column->setSpacing(2);
    column->addWidget(LabelD);
    column->addLayout(buttons);
    column->addWidget(buildTrace(m_rpm, "LabelDrpm", 0, 3000, 200, "%.0f"), 1);
    column->addWidget(buildTrace(m_temp, "LabelDtemp", 0, 100, 10, "%.0f"), 1);
    column->addWidget(buildTrace(m_batt, "LabelDbatt", 10, 15, 1, "%.1f"), 1);
    showValues(nullptr);

    // Start waits while any operation runs; Stop is usable only while the reading runs.
    m_form.operations().addControl(ButtonDstart);
    connect(ButtonDstart, &QPushButton::clicked, this, &LivePanel::ButtonDstartClick);
    connect(ButtonDstop, &QPushButton::clicked, this, &LivePanel::ButtonDstopClick);
}

QWidget* LivePanel::buildTrace(Trace& trace, const char* labelName, double low, double high,
                                double minSpan, const char* labelFormat)
{
    trace.minSpan = minSpan;
    trace.label = named(new QLabel(this), labelName);
    trace.series = new QLineSeries;
    auto* chart = new QChart;
    chart->addSeries(trace.series);
    chart->legend()->hide();
    chart->setMargins(QMargins(0, 0, 0, 0));
    chart->setBackgroundRoundness(0);
    trace.axisX = new QValueAxis;
    trace.axisX->setRange(-kPlotSeconds, 0);
    trace.axisX->setLabelsVisible(false);
    trace.axisX->setTickCount(6); // a line a minute
    trace.axisY = new QValueAxis;
    trace.axisY->setTickCount(3);
    trace.axisY->setRange(low, high); // a usual range until there are values
    trace.axisY->setLabelFormat(QString::fromLatin1(labelFormat));
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    trace.axisY->setLabelsFont(small);
    chart->addAxis(trace.axisX, Qt::AlignBottom);
    chart->addAxis(trace.axisY, Qt::AlignLeft);
    trace.series->attachAxis(trace.axisX);
    trace.series->attachAxis(trace.axisY);
    auto* view = named(new QChartView(chart, this), (std::string(labelName) + "plot").c_str());
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(60);

    auto* box = new QWidget(this);
    auto* rows = new QVBoxLayout(box);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    rows->addWidget(trace.label);
    rows->addWidget(view, 1);
    return box;
}

void LivePanel::showValues(const diag::LiveSample* sample)
{
    const auto text = [](const std::optional<double>& value, int decimals, const QString& unit) {
        return value ? QString::number(*value, 'f', decimals) + unit : QStringLiteral("—");
    };
    const diag::LiveSample none;
    const diag::LiveSample& s = sample ? *sample : none;
    m_rpm.label->setText(tr("Engine speed - ") + text(s.engineSpeed, 0, tr(" об/мин")));
    m_temp.label->setText(tr("Temperature - ") + text(s.coolant, 0, QStringLiteral(" °C")));
    m_batt.label->setText(tr("Voltage - ") + text(s.voltage, 1, tr(" В")));
}

void LivePanel::addPoint(Trace& trace, double seconds, double value)
{
    trace.series->append(seconds, value);
    // Only the last minutes are kept: a reading left running all day stays small.
    int old = 0;
    while (old < trace.series->count() && trace.series->at(old).x() < seconds - kPlotSeconds)
        ++old;
    if (old > 0)
        trace.series->removePoints(0, old);
    trace.axisX->setRange(seconds - kPlotSeconds, seconds);

    const QList<QPointF> points = trace.series->points();
    const auto [low, high] = std::minmax_element(points.begin(), points.end(),
        [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
    double bottom = low->y();
    double top = high->y();
    if (top - bottom < trace.minSpan) {
        const double middle = (top + bottom) / 2;
        bottom = middle - trace.minSpan / 2;
        top = middle + trace.minSpan / 2;
    }
    trace.axisY->setRange(bottom, top);
}

void LivePanel::addSample(double seconds, const diag::LiveSample& sample)
{
    showValues(&sample);
    if (sample.engineSpeed)
        addPoint(m_rpm, seconds, *sample.engineSpeed);
    if (sample.coolant)
        addPoint(m_temp, seconds, *sample.coolant);
    if (sample.voltage)
        addPoint(m_batt, seconds, *sample.voltage);
}

void LivePanel::ButtonDstartClick()
{
    const bool ran = m_form.runOperation([this] {
        link::Session* session = m_form.session();
        if (!session)
            return;
        diag::LiveData live(*session, m_form.host());
        if (!live.openEngine())
            return;
        for (Trace* trace : {&m_rpm, &m_temp, &m_batt})
            trace->series->clear();
        ButtonDstop->setEnabled(true);
        LabelDstate->setText(tr("Идёт чтение"));
        m_form.host().log(tr("* Чтение параметров двигателя начато"));
        QElapsedTimer clock; // monotonic: a clock change does not bend the plots
        clock.start();
        while (!m_form.operations().cancelRequested()) {
            addSample(clock.elapsed() / 1000.0, live.sample());
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
        ButtonDstop->setEnabled(false);
        LabelDstate->clear();
    }
}

void LivePanel::ButtonDstopClick()
{
    m_form.operations().requestCancel();
    LabelDstate->setText(tr("Остановка…"));
}

} // namespace talmero::app
