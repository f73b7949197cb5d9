#pragma once

#include <QWidget>

class QLabel;
class QTreeWidget;

namespace talmero::diag {
class DtcDescriptions;
struct DtcReading;
} // namespace talmero::diag

namespace talmero::app {

// A trouble-code reading as a tree: a row per module with its count of codes (or that it
// did not answer, or was not read), and beneath it a row per code with its description,
// its state and warning lamp in words, the raw status byte and where the description came
// from. A heading above says when, which car, and whether every module was read.
class DtcTable : public QWidget {
    Q_OBJECT
public:
    enum Column { ColumnCode, ColumnDescription, ColumnState, ColumnLamp, ColumnStatus, ColumnSource, ColumnCount };

    explicit DtcTable(QWidget* parent);

    // running: the reading goes on, the modules not reached yet are still to come.
    void showReading(const diag::DtcReading& reading, const diag::DtcDescriptions& descriptions, bool running);
    // The codes were cleared: what was shown is gone from the car.
    void showCleared();
    // The connection the shown reading came over is gone: the heading says so.
    void markFromEarlierConnection(const QString& port);

private:
    QLabel* LabelDTCreading = nullptr;
    QTreeWidget* TreeDTC = nullptr;
    QString m_heading;
    bool m_holdsReading = false;
};

} // namespace talmero::app
