#include "app/elided_label.h"

#include <QPainter>
#include <QStyle>

namespace talmero::app {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void ElidedLabel::setTexts(const QString& text, const QString& shorter)
{
    m_shorter = shorter;
    setText(text);
    update(); // the same text may come with another shorter form
}

QSize ElidedLabel::minimumSizeHint() const
{
    return {0, QLabel::minimumSizeHint().height()};
}

QString ElidedLabel::shownText() const
{
    const int room = contentsRect().width();
    const QFontMetrics metrics = fontMetrics();
    const bool fits = metrics.horizontalAdvance(text()) <= room;
    const QString& chosen = fits || m_shorter.isEmpty() ? text() : m_shorter;
    return metrics.elidedText(chosen, Qt::ElideMiddle, room);
}

void ElidedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), shownText(), foregroundRole());
}

} // namespace talmero::app
