#include "sound/logic/SoundFolder.h"
#include "sound/windows/PlayerWindow.h"
#include "tests/sound/logic/SoundTestSupport.h"
#include "tests/support/WindowTestSupport.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace telvo;
using namespace telvo::test;

namespace {

class TestProgram : public WindowProgram {
public:
    explicit TestProgram(const TempHome& home) : WindowProgram(home) { start(); }
};

QStringList soundsOf(const RecordingOutput& out) {
    QStringList s;
    for (const QString& e : out.events())
        if (!e.startsWith(QLatin1String("wait ")))
            s << e;
    return s;
}

TForma_proigrivatel* asPlayer(QWidget* w) {
    return qobject_cast<TForma_proigrivatel*>(w);
}

} // namespace

class PlayerWindowTests : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeLeftovers(); }

    void opensOnTheSelectedWordAndPlaysItOnce() {
        TempHome home;
        writeDictionary(home, numberedWords(3));
        TestProgram p(home);
        GatedOutput out;
        out.open();
        ScopedSoundOutput scoped(out);
        const QString word = p.wordLabel();
        QString title, label, listenAll, pause, picture;
        bool listenAllOn = false, stopOn = true, closed = false;
        whenModal(QStringLiteral("TForma_proigrivatel"), [&](QWidget* w) {
            title = w->windowTitle();
            label = child<QLabel>(w, "Надпись_выбранный_файл")->text();
            listenAll = child<QPushButton>(w, "Кнопка_слушать_все_слова")->text();
            listenAllOn = child<QPushButton>(w, "Кнопка_слушать_все_слова")->isEnabled();
            stopOn = child<QPushButton>(w, "Кнопка_остановить")->isEnabled();
            pause = child<QComboBox>(w, "Список_времени_прослушивания")->currentText();
            click(w, "Рисунок_повторения");
            picture = child<QPushButton>(w, "Рисунок_повторения")->property("picture").toString();
            click(w, "Кнопка_слушать_слово");
            asPlayer(w)->player().task().waitUntilIdle();
            click(w, "Кнопка_закрыть");
            closed = !w->isVisible();
        });
        p.trigger("Действие_проигрыватель");
        QCOMPARE(title, QStringLiteral("Проигрыватель звуковых файлов формата *.wav (Диапазон для "
                                       "упражнений: 1 - 3)"));
        QCOMPARE(label, word);
        QCOMPARE(listenAll, QStringLiteral("Слушать все слова"));
        QVERIFY(listenAllOn);
        QVERIFY(!stopOn);
        QCOMPARE(pause, QStringLiteral("3 секунды"));
        QCOMPARE(picture, QStringLiteral("Не_повторять"));
        QCOMPARE(soundsOf(out), QStringList{QStringLiteral("speak ") + word});
        QVERIFY(closed);
        QVERIFY(p.g->Tekushchee_slovo_proigryvatelya.isEmpty());
        QVERIFY(p.g->Obnovit_proslushivanie);
    }

    void refusesToCloseWhilePlaying() {
        TempHome home;
        writeDictionary(home, numberedWords(3));
        TestProgram p(home);
        GatedOutput out;
        ScopedSoundOutput scoped(out);
        bool visibleAfterEsc = false, closeEnabled = true, visibleAtEnd = true;
        int sounds = 0;
        whenModal(QStringLiteral("TForma_proigrivatel"), [&](QWidget* w) {
            click(w, "Кнопка_слушать_слово");
            QVERIFY(waitFor([&] { return soundsOf(out).size() == 1; }));
            closeEnabled = child<QPushButton>(w, "Кнопка_закрыть")->isEnabled();
            QTest::keyClick(w, Qt::Key_Escape);
            w->close();
            visibleAfterEsc = w->isVisible();
            click(w, "Кнопка_остановить");
            out.release();
            asPlayer(w)->player().task().waitUntilIdle();
            sounds = int(soundsOf(out).size());
            QTest::keyClick(w, Qt::Key_Escape);
            visibleAtEnd = w->isVisible();
        });
        p.trigger("Действие_проигрыватель");
        QVERIFY(visibleAfterEsc);
        QVERIFY(!closeEnabled);
        QCOMPARE(sounds, 1);
        QVERIFY(!visibleAtEnd);
    }

    void orderWindowMakesListenAllGoInFileOrder() {
        TempHome home;
        writeDictionary(home, numberedWords(4));
        TestProgram p(home);
        GatedOutput out;
        ScopedSoundOutput scoped(out);
        QString orderTitle;
        QStringList sounds;
        whenModal(QStringLiteral("TForma_proigrivatel"), [&](QWidget* w) {
            whenModal(QStringLiteral("TForma_poryadok_proslushivaniya"), [&](QWidget* order) {
                orderTitle = order->windowTitle();
                child<QRadioButton>(order, "Радиогруппа_1")->click();
                click(order, "Кнопка_закрыть");
            });
            w->findChild<QAction*>(QStringLiteral("Действие_выбор_порядка_прослушивания"))
                ->trigger();
            click(w, "Кнопка_слушать_все_слова");
            out.release(4);
            QVERIFY(waitFor([&] { return soundsOf(out).size() == 5; }));
            // Space on the stop button pauses; the word being said ends and nothing follows.
            QTest::keyClick(child<QPushButton>(w, "Кнопка_остановить"), Qt::Key_Space);
            out.release();
            asPlayer(w)->player().task().waitUntilIdle();
            sounds = soundsOf(out);
            QCOMPARE(child<QPushButton>(w, "Рисунок_повторения")->property("picture").toString(),
                     QStringLiteral("Продолжить"));
            click(w, "Кнопка_остановить");
            click(w, "Кнопка_закрыть");
        });
        p.trigger("Действие_проигрыватель");
        QCOMPARE(orderTitle, QStringLiteral("Порядок прослушивания всех слов"));
        QVERIFY(p.g->Poryadok_po_ocheredi);
        // numberedWords lays word1 … word4 out in file order.
        QCOMPARE(sounds, (QStringList{"speak word1", "speak word2", "speak word3", "speak word4",
                                      "speak word1"}));
    }
};

QTEST_MAIN(PlayerWindowTests)
#include "PlayerWindowTests.moc"
