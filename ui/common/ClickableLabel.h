#pragma once

#include <QLabel>

namespace telvo {

// A picture or status pane that reacts to the mouse. A double click reports one click (its
// first press) and then the double click, as the original controls did; the release that ends
// the double click is no second click.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();
    void doubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool afterDoubleClick_ = false;
};

} // namespace telvo
