#pragma once

#include <QTimer>
#include <QWidget>

namespace telvo {

// A rotating ring of segments that shows a background job is running: start() shows and
// animates it, stop() hides it.
class ActivityIndicator : public QWidget {
    Q_OBJECT
public:
    explicit ActivityIndicator(QWidget* parent = nullptr);
    void start();
    void stop();
    bool running() const { return timer_.isActive(); }
    QSize sizeHint() const override { return {96, 96}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer timer_;
    int step_ = 0;
};

} // namespace telvo
