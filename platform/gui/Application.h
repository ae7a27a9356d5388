#pragma once

#include <QApplication>
#include <QString>
#include <functional>

namespace platform {

// The application object. It is the one place where a failure escaping a window's event
// handler is caught: the failure text is shown and the program goes on, so no exception ever
// unwinds through the Qt event loop.
class Application : public QApplication {
    Q_OBJECT
public:
    using FailureDisplay = std::function<void(const QString& text)>;

    // `boxTitle` is the caption of the box that shows a caught failure.
    Application(int& argc, char** argv, QString boxTitle = {});

    bool notify(QObject* receiver, QEvent* event) override;

    // Replaces how a caught failure is shown (tests record it); returns the previous way.
    FailureDisplay setFailureDisplay(FailureDisplay display);

private:
    void showFailure(const QString& text);

    QString boxTitle_;
    FailureDisplay display_;
    bool showing_ = false;
};

} // namespace platform
