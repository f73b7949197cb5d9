#include "app/log_view.h"

#include <QFontDatabase>
#include <QPalette>
#include <QScrollBar>

namespace talmero::app {

LogView::LogView(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setFocusPolicy(Qt::ClickFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QPalette colours = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, Qt::black);
        colours.setColor(group, QPalette::Text, Qt::white);
    }
    setPalette(colours);
    // Only the user's own scrolling decides whether the log follows new lines: a resize
    // that leaves the view above the end must not stop it.
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] {
        m_follow = verticalScrollBar()->sliderPosition() >= verticalScrollBar()->maximum();
    });
}

void LogView::appendLine(const QString& line)
{
    appendPlainText(line);
    ++m_lineCount;
    if (m_follow)
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void LogView::clearLines()
{
    clear();
    m_lineCount = 0;
    m_follow = true;
}

QStringList LogView::lines() const
{
    if (m_lineCount == 0)
        return {};
    return toPlainText().split(QLatin1Char('\n'));
}

} // namespace talmero::app
