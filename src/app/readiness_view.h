#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace talmero::diag {
struct ReadinessResult;
} // namespace talmero::diag

namespace talmero::app {

class TFormMain;

// The engine's readiness beside the trouble codes: the warning lamp, the stored codes and
// each emission self-test (monitor) since the codes were cleared and in this driving
// cycle, as complete, incomplete or not supported.
class ReadinessView : public QWidget {
    Q_OBJECT
public:
    enum Column { ColumnMonitor, ColumnSinceCleared, ColumnThisCycle, ColumnCount };

    ReadinessView(TFormMain& form, QWidget* parent);

    void showResult(const diag::ReadinessResult& result);

public Q_SLOTS:
    void ButtonReadinessClick();

private:
    TFormMain& m_form;
    QPushButton* ButtonReadiness = nullptr;
    QLabel* LabelReadiness = nullptr;
    QTreeWidget* TreeReadiness = nullptr;
};

} // namespace talmero::app
