#pragma once

#include <QWidget>
#include <QList>
#include <optional>

class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QValueAxis;

namespace talmero::diag {
struct LiveValue;
} // namespace talmero::diag

namespace talmero::app {

// One live value: its name and latest reading above a plot of the last five minutes
// against the seconds since the reading started. A reading the car did not give leaves a
// gap in the line; the plot grows with the window.
class LivePlot : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPlotSeconds = 300;

    LivePlot(const diag::LiveValue& value, QWidget* parent);

    const diag::LiveValue& value() const { return m_value; }
    void add(double seconds, std::optional<double> reading);
    // A whole recording at once, on its own time axis (nothing is dropped for its age).
    void showRecording(const QList<double>& seconds, const QList<std::optional<double>>& readings);
    void clear();
    // Points shown, over all pieces of the line.
    int points() const;

private:
    void append(double seconds, std::optional<double> reading);
    void fitValueAxis();

    const diag::LiveValue& m_value;
    QLabel* m_label = nullptr;
    QChart* m_chart = nullptr;
    QChartView* m_view = nullptr;
    QValueAxis* m_axisX = nullptr;
    QValueAxis* m_axisY = nullptr;
    QList<QLineSeries*> m_pieces; // a new piece after each gap
    bool m_gap = true;
};

} // namespace talmero::app
