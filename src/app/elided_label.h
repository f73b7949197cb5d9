#pragma once

#include <QLabel>

namespace talmero::app {

// A one-line label that shortens its text in the middle ("…") when it is narrower than
// the text, so a long path keeps its start and its file name; text() is the whole text.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace talmero::app
