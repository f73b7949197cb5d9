#include "app/live_plot.h"

#include "app/widget_names.h"
#include "diag/live_values.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <string>

namespace talmero::app {

LivePlot::LivePlot(const diag::LiveValue& value, QWidget* parent) : QWidget(parent), m_value(value)
{
    const std::string key = std::string("LabelD") + value.key;
    setObjectName(QString::fromStdString(key + "box"));
    m_label = named(new QLabel(this), key.c_str());
    m_chart = new QChart;
    m_chart->legend()->hide();
    m_chart->setMargins(QMargins(0, 0, 0, 0));
    m_chart->setBackgroundRoundness(0);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    m_axisX = new QValueAxis;
    m_axisX->setLabelFormat(QStringLiteral("%.0f"));
    m_axisX->setTitleFont(small);
    m_axisX->setLabelsFont(small);
    m_axisY = new QValueAxis;
    m_axisY->setTickCount(3);
    m_axisY->setTitleText(diag::liveUnit(value));
    m_axisY->setTitleFont(small);
    m_axisY->setLabelFormat(value.decimals > 0 ? QStringLiteral("%.1f") : QStringLiteral("%.0f"));
    m_axisY->setLabelsFont(small);
    m_chart->addAxis(m_axisX, Qt::AlignBottom);
    m_chart->addAxis(m_axisY, Qt::AlignLeft);
    m_view = named(new QChartView(m_chart, this), (key + "plot").c_str());
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setMinimumHeight(120); // room for the time axis and its labels

    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    rows->addWidget(m_label);
    rows->addWidget(m_view, 1);
    clear();
}

void LivePlot::clear()
{
    m_axisX->setTickCount(6); // a line a minute (a recording may have changed it)
    for (QLineSeries* piece : m_pieces) {
        m_chart->removeSeries(piece);
        delete piece;
    }
    m_pieces.clear();
    m_gap = true;
    m_label->setText(diag::liveTitle(m_value) + QStringLiteral(": ") + diag::liveText(m_value, std::nullopt));
    m_axisX->setRange(0, kPlotSeconds);
    m_axisX->setTitleText(tr("секунды от начала чтения"));
    m_axisY->setRange(0, 1);
    m_axisY->setLabelsVisible(false); // no scale before there is a value
}

int LivePlot::points() const
{
    int n = 0;
    for (const QLineSeries* piece : m_pieces)
        n += int(piece->count());
    return n;
}

void LivePlot::append(double seconds, std::optional<double> reading)
{
    if (!reading) {
        m_gap = true; // never a made-up value: the line stops here
        return;
    }
    if (m_gap) {
        auto* piece = new QLineSeries;
        m_chart->addSeries(piece);
        piece->attachAxis(m_axisX);
        piece->attachAxis(m_axisY);
        if (!m_pieces.isEmpty()) // one colour for the whole line
            piece->setColor(m_pieces.first()->color());
        m_pieces.append(piece);
        m_gap = false;
    }
    m_pieces.last()->append(seconds, *reading);
}

void LivePlot::add(double seconds, std::optional<double> reading)
{
    m_label->setText(diag::liveTitle(m_value) + QStringLiteral(": ") + diag::liveText(m_value, reading));
    append(seconds, reading);
    // Only the last minutes are kept: a reading left running all day stays small.
    const double oldest = seconds - kPlotSeconds;
    for (QLineSeries* piece : m_pieces) {
        int old = 0;
        while (old < piece->count() && piece->at(old).x() < oldest)
            ++old;
        if (old > 0)
            piece->removePoints(0, old);
    }
    while (!m_pieces.isEmpty() && m_pieces.first()->count() == 0 && (m_pieces.size() > 1 || m_gap)) {
        m_chart->removeSeries(m_pieces.first());
        delete m_pieces.takeFirst();
    }
    m_axisX->setRange(std::max(0.0, seconds - kPlotSeconds), std::max(double(kPlotSeconds), seconds));
    fitValueAxis();
}

void LivePlot::showRecording(const QList<double>& seconds, const QList<std::optional<double>>& readings)
{
    clear();
    std::optional<double> last;
    for (qsizetype i = 0; i < seconds.size() && i < readings.size(); ++i) {
        append(seconds[i], readings[i]);
        if (readings[i])
            last = readings[i];
    }
    m_label->setText(tr("%1: %2 (последнее в записи)").arg(diag::liveTitle(m_value), diag::liveText(m_value, last)));
    m_axisX->setTitleText(tr("секунды от начала записи"));
    if (!seconds.isEmpty()) {
        const auto [first, end] = std::minmax_element(seconds.begin(), seconds.end());
        m_axisX->setRange(*first, std::max(*end, *first + 1));
        m_axisX->applyNiceNumbers(); // round seconds on the whole recording
    }
    fitValueAxis();
}

void LivePlot::fitValueAxis()
{
    double low = 0;
    double high = 0;
    bool any = false;
    for (const QLineSeries* piece : m_pieces) {
        for (const QPointF& p : piece->points()) {
            low = any ? std::min(low, p.y()) : p.y();
            high = any ? std::max(high, p.y()) : p.y();
            any = true;
        }
    }
    if (!any)
        return;
    const auto [from, to] = diag::plotRange(m_value, low, high);
    m_axisY->setRange(from, to);
    m_axisY->setLabelsVisible(true);
}

} // namespace talmero::app
