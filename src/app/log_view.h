#pragma once

#include <QPlainTextEdit>
#include <QStringList>

namespace talmero::app {

// The program's log: lines are only ever appended; the user can read, scroll and copy.
class LogView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit LogView(QWidget* parent = nullptr);

    void appendLine(const QString& line);
    void clearLines();
    QStringList lines() const;
    bool hasLines() const { return m_lineCount > 0; }

private:
    int m_lineCount = 0; // an empty first line still counts, unlike an empty document
    bool m_follow = true; // the end stays in view until the user scrolls away from it
};

} // namespace talmero::app
