#include "app/windows/GuiReporting.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>
#include <cstdio>
#include <cstdlib>

namespace telvo {

namespace {

// Boxes belong to the user-interface thread; a caller on a worker waits for the box there.
void onUiThread(const std::function<void()>& work) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        work();
        return;
    }
    QMetaObject::invokeMethod(app, work, Qt::BlockingQueuedConnection);
}

void showBox(QMessageBox::Icon icon, const QString& title, const QString& text) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fputs(text.toLocal8Bit().constData(), stderr);
        std::fputc('\n', stderr);
        return;
    }
    onUiThread([&] {
        QMessageBox box(icon, title, text, QMessageBox::Ok);
        box.exec();
    });
}

} // namespace

QString programTitle() {
    return QStringLiteral("Лексикар");
}

void installGuiReporting() {
    setProgramTerminator([](const QString& report) {
        showBox(QMessageBox::Critical, QStringLiteral("Ошибка"), report);
        std::fflush(nullptr);
        std::_Exit(1);
    });
    setSystemMessageSink(
        [](const QString& text) { showBox(QMessageBox::NoIcon, programTitle(), text); });
}

} // namespace telvo
