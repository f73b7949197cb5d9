#include "app/log_view.h"

#include <QFontDatabase>
#include <QPalette>

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
}

void LogView::appendLine(const QString& line)
{
    appendPlainText(line);
    ++m_lineCount;
}

void LogView::clearLines()
{
    clear();
    m_lineCount = 0;
}

QStringList LogView::lines() const
{
    if (m_lineCount == 0)
        return {};
    return toPlainText().split(QLatin1Char('\n'));
}

} // namespace talmero::app
