#pragma once

#include <QGroupBox>
#include <QList>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;
class QVBoxLayout;

namespace talmero::diag {
struct LiveValue;
class LiveRecording;
} // namespace talmero::diag

namespace talmero::app {

class LivePlot;
class TFormMain;

// The left half of the Diagnostics tab: the standard engine values the user picks (up to
// six of those the car announces), read every second between Start and Stop, each with a
// plot of its last five minutes; "Record" writes every reading to a CSV file, and a
// recording opened again is drawn whole in the same plots.
class LivePanel : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 1000;
    static constexpr int kMaxValues = 6;

    LivePanel(TFormMain& form, QWidget* parent);
    ~LivePanel() override;

    // The values picked, in table order.
    QList<const diag::LiveValue*> picked() const;

public Q_SLOTS:
    void ButtonDstartClick();
    void ButtonDstopClick();
    void ButtonDrecordClick(bool on);
    // Opens a recording and shows it in the plots, each value on the recording's time axis.
    void ButtonDplayClick();
    void showRecording(const QString& path);

private:
    void buildValueMenu();
    void valuesChanged();  // the plots follow the picks
    void offerOnly(const QList<const diag::LiveValue*>& offered);
    void stopRecording();
    void anotherConnection(); // a clean slate: nothing of the previous car stays

    TFormMain& m_form;
    QLabel* LabelD = nullptr;
    QLabel* LabelDstate = nullptr; // reading / stopping
    QPushButton* ButtonDstart = nullptr;
    QPushButton* ButtonDstop = nullptr;
    QToolButton* ButtonDvalues = nullptr;
    QPushButton* ButtonDrecord = nullptr;
    QPushButton* ButtonDplay = nullptr;
    QMenu* m_valueMenu = nullptr;
    QList<QAction*> m_valueActions; // one per row of the value table, in its order
    QVBoxLayout* m_plotColumn = nullptr;
    QList<LivePlot*> m_plots;
    std::unique_ptr<diag::LiveRecording> m_recording;
    double m_seconds = 0; // of the reading under way
};

} // namespace talmero::app
