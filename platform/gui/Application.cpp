#include "platform/gui/Application.h"

#include <QMessageBox>
#include <cstdio>
#include <exception>
#include <utility>

namespace platform {

Application::Application(int& argc, char** argv, QString boxTitle)
    : QApplication(argc, argv), boxTitle_(std::move(boxTitle)) {
    display_ = [this](const QString& text) {
        QMessageBox box(QMessageBox::Critical, boxTitle_, text, QMessageBox::Ok, activeWindow());
        box.exec();
    };
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        showFailure(QString::fromUtf8(e.what()));
    } catch (...) {
        showFailure(QStringLiteral("Неизвестная ошибка"));
    }
    return false;
}

Application::FailureDisplay Application::setFailureDisplay(FailureDisplay display) {
    return std::exchange(display_, std::move(display));
}

void Application::showFailure(const QString& text) {
    // A handler that fails again while its box is up (a paint handler, a timer) would stack
    // boxes without end; later failures go to the log until the box is closed.
    if (showing_ || !display_) {
        std::fputs(text.toLocal8Bit().constData(), stderr);
        std::fputc('\n', stderr);
        return;
    }
    showing_ = true;
    try {
        display_(text);
    } catch (...) {
    }
    showing_ = false;
}

} // namespace platform
