#include "app/core/Failure.h"
#include "app/core/SystemMessage.h"
#include "app/windows/GuiReporting.h"
#include "app/windows/MessageWindows.h"
#include "app/windows/Messages.h"
#include "app/windows/Okna.h"
#include "platform/gui/Application.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <functional>

using namespace telvo;

namespace {

const QString kLongText = QStringLiteral(
    "Очень длинный текст сообщения, который никак не помещается в отведённую для него надпись: "
    "он переносится по словам, и окно вырастает вниз настолько, чтобы его было видно целиком.");

// Runs `act` on the modal window as soon as it is up.
template <class Window> void whenShown(std::function<void(Window*)> act) {
    QTimer::singleShot(0, [act] {
        auto* w = qobject_cast<Window*>(QApplication::activeModalWidget());
        QVERIFY2(w, "the expected window is not the active modal one");
        act(w);
    });
}

// A watchdog that closes whatever modal is left, so a failed check cannot hang the run.
void closeLeftover() {
    QTimer::singleShot(2000, [] {
        if (QWidget* w = QApplication::activeModalWidget())
            w->close();
    });
}

platform::Application* application() {
    return static_cast<platform::Application*>(QCoreApplication::instance());
}

} // namespace

class MessageWindowTests : public QObject {
    Q_OBJECT

private slots:
    void init() {
        g = std::make_unique<Globalnye_peremennye_slovarya>();
        owner = std::make_unique<QWidget>();
        owner->setGeometry(40, 30, 700, 500);
        owner->show();
        QVERIFY(QTest::qWaitForWindowExposed(owner.get()));
        okna = Okna{};
        okna.Forma_soobshenie = new TForma_soobshenie(*g, owner.get());
        okna.Forma_vopros_s_viborom = new TForma_vopros_s_viborom(*g, owner.get());
        okna.Forma_soobschenie_ob_oschibke = new TForma_soobschenie_ob_oschibke(*g, owner.get());
        g->okna = &okna;
    }
    void cleanup() {
        owner.reset();
        g.reset();
    }

    void questionAnswer_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("expected");
        QTest::newRow("Да") << "Да" << true;
        QTest::newRow("Нет") << "Нет" << false;
        QTest::newRow("Esc") << "Esc" << false;
        QTest::newRow("title-bar close") << "close" << false;
        QTest::newRow("Enter right after show") << "Enter" << false;
    }
    void questionAnswer() {
        QFETCH(QString, how);
        QFETCH(bool, expected);
        g->Otvet_da = true; // a stale "Да" of an earlier question must not leak through
        whenShown<TForma_vopros_s_viborom>([&](TForma_vopros_s_viborom* w) {
            auto* net = w->findChild<QPushButton*>(QStringLiteral("Кнопка_нет"));
            auto* da = w->findChild<QPushButton*>(QStringLiteral("Кнопка_да"));
            QVERIFY(net && da);
            QCOMPARE(w->focusWidget(), net);
            QCOMPARE(w->findChild<QLabel*>(QStringLiteral("Надпись_текст_вопроса"))->text(),
                     QStringLiteral("Удалить запись?"));
            if (how == "Да")
                QTest::mouseClick(da, Qt::LeftButton);
            else if (how == "Нет")
                QTest::mouseClick(net, Qt::LeftButton);
            else if (how == "Esc")
                QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
            else if (how == "close")
                w->close();
            else
                QTest::keyClick(w->focusWidget(), Qt::Key_Return);
        });
        closeLeftover();
        QCOMPARE(askQuestion(*g, QStringLiteral("Удалить запись?")), expected);
        QCOMPARE(g->Otvet_da, expected);
        QVERIFY(!okna.Forma_vopros_s_viborom->isVisible());
    }

    void questionShownAgainStartsOnNet() {
        // The user tabs to "Да" and leaves with Esc; the next question must again default to "Нет".
        whenShown<TForma_vopros_s_viborom>([](TForma_vopros_s_viborom* w) {
            w->findChild<QPushButton*>(QStringLiteral("Кнопка_да"))->setFocus();
            QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
        });
        closeLeftover();
        QVERIFY(!askQuestion(*g, QStringLiteral("Первый вопрос")));
        whenShown<TForma_vopros_s_viborom>([](TForma_vopros_s_viborom* w) {
            QCOMPARE(w->focusWidget()->objectName(), QStringLiteral("Кнопка_нет"));
            QCOMPARE(w->findChild<QLabel*>(QStringLiteral("Надпись_текст_вопроса"))->text(),
                     QStringLiteral("Второй вопрос"));
            QTest::keyClick(w->focusWidget(), Qt::Key_Return);
        });
        closeLeftover();
        QVERIFY(!askQuestion(*g, QStringLiteral("Второй вопрос")));
    }

    void messageWindowsClose_data() {
        QTest::addColumn<bool>("errorWindow");
        QTest::addColumn<bool>("byEsc");
        QTest::newRow("message, Закрыть") << false << false;
        QTest::newRow("message, Esc") << false << true;
        QTest::newRow("error, Закрыть") << true << false;
        QTest::newRow("error, Esc") << true << true;
    }
    void messageWindowsClose() {
        QFETCH(bool, errorWindow);
        QFETCH(bool, byEsc);
        const QString labelName = errorWindow ? QStringLiteral("Область_текста_сообщения")
                                              : QStringLiteral("Надпись_текст_сообщения");
        const QSize labelSize = errorWindow ? QSize(434, 44) : QSize(408, 29);
        bool seen = false;
        QTimer::singleShot(0, [&] {
            QWidget* w = QApplication::activeModalWidget();
            QVERIFY(w);
            QCOMPARE(w->objectName(), errorWindow ? QStringLiteral("TForma_soobschenie_ob_oschibke")
                                                  : QStringLiteral("TForma_soobshenie"));
            auto* label = w->findChild<QLabel*>(labelName);
            QVERIFY(label);
            QCOMPARE(label->text(), kLongText);
            QVERIFY(label->wordWrap());
            // The long text wraps into more lines: the label keeps its width and grows down
            // to hold them all, and the window grows by as much, keeping its width.
            const QSize windowSize = errorWindow ? QSize(560, 98) : QSize(537, 91);
            QCOMPARE(label->width(), labelSize.width());
            QVERIFY(label->height() > labelSize.height());
            QVERIFY(label->height() >= label->heightForWidth(label->width()));
            QCOMPARE(w->width(), windowSize.width());
            QCOMPARE(w->height() - windowSize.height(), label->height() - labelSize.height());
            auto* close = w->findChild<QPushButton*>(QStringLiteral("Кнопка_закрыть"));
            QVERIFY(close->mapTo(w, QPoint(0, 0)).y() >= w->height() - 35);
            QCOMPARE(w->focusWidget()->objectName(), QStringLiteral("Кнопка_закрыть"));
            seen = true;
            if (byEsc)
                QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
            else
                QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Кнопка_закрыть")),
                                  Qt::LeftButton);
        });
        closeLeftover();
        if (errorWindow)
            showError(*g, kLongText);
        else
            showMessage(*g, kLongText);
        QVERIFY(seen);
        QCOMPARE(errorWindow ? g->Tekst_oshibki : g->Tekst_soobshcheniya, kLongText);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void windowsLayout_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("labelName");
        QTest::addColumn<QRect>("labelRect");
        QTest::addColumn<QStringList>("buttons"); // name:left:width
        QTest::newRow("message") << "TForma_soobshenie"
                                 << "Сообщение"
                                 << "Надпись_текст_сообщения" << QRect(110, 16, 408, 29)
                                 << QStringList{"Кнопка_закрыть:350:177"};
        QTest::newRow("question") << "TForma_vopros_s_viborom"
                                  << "Вопрос"
                                  << "Надпись_текст_вопроса" << QRect(117, 9, 400, 45)
                                  << QStringList{"Кнопка_да:247:120", "Кнопка_нет:397:120"};
        QTest::newRow("error") << "TForma_soobschenie_ob_oschibke"
                               << "Сообщение об ошибке"
                               << "Область_текста_сообщения" << QRect(109, 15, 434, 44)
                               << QStringList{"Кнопка_закрыть:390:153"};
    }
    void windowsLayout() {
        QFETCH(QString, which);
        QFETCH(QString, caption);
        QFETCH(QString, labelName);
        QFETCH(QRect, labelRect);
        QFETCH(QStringList, buttons);
        auto* w = owner->findChild<QDialog*>(which);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->minimumSize(), w->maximumSize()); // not resizable
        auto* label = w->findChild<QLabel*>(labelName);
        QVERIFY(label);
        QCOMPARE(label->geometry(), labelRect);
        QVERIFY(label->font().bold());
        QCOMPARE(label->font().pointSize(), 9);
        QCOMPARE(w->palette().color(QPalette::Window), QColor(Qt::white));
        for (const QString& spec : buttons) {
            const QStringList parts = spec.split(':');
            auto* b = w->findChild<QPushButton*>(parts[0]);
            QVERIFY2(b, qPrintable(parts[0]));
            // Buttons sit in the 35-pixel strip at the bottom.
            const QRect r(b->mapTo(w, QPoint(0, 0)), b->size());
            QCOMPARE(r.left(), parts[1].toInt());
            QCOMPARE(r.width(), parts[2].toInt());
            QVERIFY(r.top() >= w->height() - 35 && r.bottom() < w->height());
        }
        auto* picture = w->findChild<QLabel*>(QStringLiteral("picture"));
        QVERIFY(picture);
        QCOMPARE(picture->size(), QSize(48, 48));
        QVERIFY(!picture->pixmap().isNull());
    }

    void positions() {
        // Message and question: centred on their owner; error: centred on the desktop.
        QPoint messageCentre, errorCentre;
        whenShown<TForma_soobshenie>([&](TForma_soobshenie* w) {
            messageCentre = w->frameGeometry().center();
            w->close();
        });
        closeLeftover();
        showMessage(*g, QStringLiteral("Запись добавлена."));
        whenShown<TForma_soobschenie_ob_oschibke>([&](TForma_soobschenie_ob_oschibke* w) {
            errorCentre = w->frameGeometry().center();
            w->close();
        });
        closeLeftover();
        showError(*g, QStringLiteral("Нельзя исключить из показа в упражнениях все записи."));
        const QPoint ownerCentre = owner->frameGeometry().center();
        QVERIFY2((messageCentre - ownerCentre).manhattanLength() <= 3,
                 qPrintable(QString("%1,%2").arg(messageCentre.x()).arg(messageCentre.y())));
        const QPoint screenCentre = owner->screen()->availableGeometry().center();
        QVERIFY2((errorCentre - screenCentre).manhattanLength() <= 3,
                 qPrintable(QString("%1,%2").arg(errorCentre.x()).arg(errorCentre.y())));
    }

    void stacksAboveTheWindowInUse() {
        // Shown from another window (an exercise, say), the message must not open behind it
        // even though the main window owns it.
        QWidget exercise;
        exercise.setGeometry(100, 100, 300, 200);
        exercise.show();
        exercise.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&exercise));
        QWindow* transient = nullptr;
        whenShown<TForma_soobshenie>([&](TForma_soobshenie* w) {
            transient = w->windowHandle()->transientParent();
            w->close();
        });
        closeLeftover();
        showMessage(*g, QStringLiteral("Упражнение закончено."));
        QCOMPARE(transient, exercise.windowHandle());
    }

    void worksWithoutWindowRegistry() {
        // A procedure run without the program's windows still gets its windows.
        g->okna = nullptr;
        whenShown<TForma_soobshenie>([](TForma_soobshenie* w) {
            QCOMPARE(w->findChild<QLabel*>(QStringLiteral("Надпись_текст_сообщения"))->text(),
                     QStringLiteral("В словаре еще нет записей ..."));
            w->close();
        });
        closeLeftover();
        showMessage(*g, QStringLiteral("В словаре еще нет записей ..."));
        whenShown<TForma_vopros_s_viborom>([](TForma_vopros_s_viborom* w) {
            QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Кнопка_да")),
                              Qt::LeftButton);
        });
        closeLeftover();
        QVERIFY(askQuestion(*g, QStringLiteral("Продолжить?")));
        whenShown<TForma_soobschenie_ob_oschibke>([](TForma_soobschenie_ob_oschibke* w) {
            QCOMPARE(w->findChild<QLabel*>(QStringLiteral("Область_текста_сообщения"))->text(),
                     QStringLiteral("Ошибка"));
            w->close();
        });
        closeLeftover();
        showError(*g, QStringLiteral("Ошибка"));
    }

    void handlerFailureIsShownAndProgramGoesOn() {
        QStringList shown;
        auto previous =
            application()->setFailureDisplay([&](const QString& text) { shown << text; });
        QPushButton button(QStringLiteral("Удалить"));
        int clicks = 0;
        connect(&button, &QPushButton::clicked, [&] {
            ++clicks;
            throw Failure(QStringLiteral("Нет доступа к файлу"));
        });
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));

        bool later = false;
        QTimer::singleShot(0, [] { throw Failure(QStringLiteral("сбой таймера")); });
        QTimer::singleShot(5, [&] { later = true; });
        QTRY_VERIFY(later);
        QTest::mouseClick(&button, Qt::LeftButton);
        QTest::mouseClick(&button, Qt::LeftButton);
        application()->setFailureDisplay(previous);

        QCOMPARE(clicks, 2);
        QCOMPARE(shown,
                 (QStringList{"сбой таймера", "Нет доступа к файлу", "Нет доступа к файлу"}));
    }

    void failureWhileItsBoxIsUpIsNotStacked() {
        // A handler that fails again while the first box is up must not open box after box.
        int boxes = 0;
        auto previous = application()->setFailureDisplay([&](const QString&) {
            ++boxes;
            QTimer::singleShot(0, [] { throw Failure(QStringLiteral("снова")); });
            QTest::qWait(20);
        });
        QTimer::singleShot(0, [] { throw Failure(QStringLiteral("сбой")); });
        QTRY_COMPARE(boxes, 1);
        QTest::qWait(50);
        application()->setFailureDisplay(previous);
        QCOMPARE(boxes, 1);
    }

    void defaultFailureBoxShowsTheText() {
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        bool shown = false;
        QTimer::singleShot(0, [] { throw Failure(QStringLiteral("Файл Start.startdat короче")); });
        QTimer::singleShot(20, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            text = box->text();
            icon = box->icon();
            shown = true;
            box->buttons().first()->click();
        });
        closeLeftover();
        QTRY_VERIFY(shown);
        QCOMPARE(text, QStringLiteral("Файл Start.startdat короче"));
        QCOMPARE(icon, QMessageBox::Critical);
    }

    void systemMessageIsPlainBoxWithOk() {
        auto previousSink = setSystemMessageSink({});
        auto previousEnd = setProgramTerminator({});
        installGuiReporting();
        QString text;
        QMessageBox::Icon icon = QMessageBox::Critical;
        qsizetype buttons = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            text = box->text();
            icon = box->icon();
            buttons = box->buttons().size();
            box->buttons().first()->click();
        });
        closeLeftover();
        showSystemMessage(QStringLiteral("Нет файла с диапазоном для упражнений ..."));
        setSystemMessageSink(previousSink);
        setProgramTerminator(previousEnd);
        QCOMPARE(text, QStringLiteral("Нет файла с диапазоном для упражнений ..."));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(buttons, 1);
    }

private:
    std::unique_ptr<Globalnye_peremennye_slovarya> g;
    std::unique_ptr<QWidget> owner;
    Okna okna;
};

int main(int argc, char** argv) {
    platform::Application app(argc, argv, QStringLiteral("Лексикар"));
    MessageWindowTests tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "MessageWindowTests.moc"
