#pragma once

#include <QLabel>

class QTimer;

namespace telvo {

// The small flag picture beside text fields: the US flag while the keyboard layout is English
// (US), the Russian flag otherwise. When its window becomes active it shows the right flag and
// starts polling the layout every `intervalMs` (250 ms in dialogs, 125 ms in the main window);
// each poll swaps the picture when the layout changed. Being shown does the same as an
// activation; being hidden stops the polling. The program only shows the layout, it never
// switches it.
class FlagIndicator : public QLabel {
    Q_OBJECT
public:
    explicit FlagIndicator(int intervalMs, QWidget* parent = nullptr);

    // Shows the flag of the current layout and starts polling. Called on window activation;
    // an owner that handles activation itself may call it too.
    void activate();
    // One poll: swaps the picture when it no longer matches the layout.
    void tick();

    bool showsEnglish() const { return english_; }
    bool hasFlag() const { return shown_; }
    QTimer* timer() const { return timer_; }

    static QString englishFlagPath();
    static QString russianFlagPath();

signals:
    void flagChanged(bool english);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showFlag(bool english);
    void watchWindow();

    QTimer* timer_;
    QWidget* watchedWindow_ = nullptr;
    bool english_ = false;
    bool shown_ = false;
};

} // namespace telvo
