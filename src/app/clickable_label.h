#pragma once

#include <QLabel>

namespace talmero::app {

// A label that acts like a button when clicked (status panel, web links).
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace talmero::app
