#pragma once

#include <QLabel>

namespace talmero::app {

// A one-line label that shortens its text in the middle ("…") when it is narrower than
// the text, so a long path keeps its start and its file name; text() is the whole text.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    // The text, and a shorter form drawn instead (shortened in turn) when the text does
    // not fit: a path said by its file name only; "" for none.
    void setTexts(const QString& text, const QString& shorter);
    // What is drawn at the label's present width.
    QString shownText() const;

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_shorter;
};

} // namespace talmero::app
