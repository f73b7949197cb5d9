#pragma once

#include <QGroupBox>
#include <array>

class QLabel;
class QLineSeries;
class QPushButton;
class QValueAxis;

namespace talmero::diag {
struct LiveSample;
} // namespace talmero::diag

namespace talmero::app {

class TFormMain;

// The left half of the Diagnostics tab: engine speed, coolant temperature and supply
// voltage, read every second between Start and Stop, each with a plot of its last minutes.
class LivePanel : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 1000;
    static constexpr int kPlotSeconds = 300;

    LivePanel(TFormMain& form, QWidget* parent);

public Q_SLOTS:
    void ButtonDstartClick();
    void ButtonDstopClick();

private:
    // One value: its label and its plot.
    struct Trace {
        QLabel* label = nullptr;
        QLineSeries* series = nullptr;
        QValueAxis* axisX = nullptr;
        QValueAxis* axisY = nullptr;
        double minSpan = 1; // the plot's height never shows less than this
    };

    // low..high: the plot's range before the first value.
    QWidget* buildTrace(Trace& trace, const char* labelName, double low, double high, double minSpan,
                        const char* labelFormat);
    void addSample(double seconds, const diag::LiveSample& sample);
    void addPoint(Trace& trace, double seconds, double value);
    void showValues(const diag::LiveSample* sample);

    TFormMain& m_form;
    QLabel* LabelD = nullptr;
    QLabel* LabelDstate = nullptr; // reading / stopping
    QPushButton* ButtonDstart = nullptr;
    QPushButton* ButtonDstop = nullptr;
    Trace m_rpm;
    Trace m_temp;
    Trace m_batt;
};

} // namespace talmero::app
