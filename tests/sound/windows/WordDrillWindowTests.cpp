#include "groups/logic/GroupFile.h"
#include "groups/windows/TForma_gruppy_slov.h"
#include "sound/windows/PlayerWindow.h"
#include "sound/windows/WordDrillWindow.h"
#include "tests/sound/logic/SoundTestSupport.h"
#include "tests/support/WindowTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace telvo;
using namespace telvo::test;

namespace {

class TestProgram : public WindowProgram {
public:
    explicit TestProgram(const TempHome& home) : WindowProgram(home) { start(); }
};

QString transcriptionOf(const Word& w) {
    return QStringLiteral("тр ") + w.english;
}

TForma_pokazat_transkripciu* asDrill(QWidget* w) {
    return qobject_cast<TForma_pokazat_transkripciu*>(w);
}

// What the drill shows, flash by flash: "transcription|word|counter" after each tick.
QStringList flashes(QWidget* w, int ticks) {
    QStringList seen;
    for (int i = 0; i < ticks; ++i) {
        asDrill(w)->TaymerTimer();
        seen << child<QLabel>(w, "Надпись_таранскрипция")->text() + u'|' +
                    child<QLabel>(w, "Надписть_английское_слово")->text() + u'|' +
                    child<QLabel>(w, "Надпись_количество_показов_слова")->text();
    }
    return seen;
}

// The label's text is drawn whole, inside the label and the label inside the window.
bool drawnWhole(QWidget* window, const char* name) {
    auto* l = child<QLabel>(window, name);
    return QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->width() &&
           l->geometry().right() < window->width();
}

tip_Zapis_gruppy_slov animals() {
    tip_Zapis_gruppy_slov g;
    g.Nazvanie_gruppy_slov = QStringLiteral("Животные");
    g.Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu[0] = {QStringLiteral("cat"),
                                                                 QStringLiteral("кошка")};
    g.Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu[1] = {QStringLiteral("dog"),
                                                                 QStringLiteral("собака")};
    return g;
}

} // namespace

class WordDrillWindowTests : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeLeftovers(); }

    // From the main window: the selected record, its rhythm and width, the flashes and the
    // counter, stop and continue, and Esc.
    void flashesTheSelectedRecordAndCountsItsShowings() {
        TempHome home;
        writeDictionary(home,
                        {{QStringLiteral("cat"), QStringLiteral("кошка")},
                         {QStringLiteral("dog"), QStringLiteral("собака")}},
                        transcriptionOf);
        TestProgram p(home);
        p.key(Qt::Key_Down); // row 2: "cat", the older record
        QStringList seen, shown;
        QSize size;
        int interval = 0;
        bool flagDuring = false, runningAtShow = false, stoppedBoth = false, resumedBoth = false;
        QString counterAfterStop, captionStopped, captionResumed;
        bool closedByEsc = false;
        whenModal(QStringLiteral("TForma_pokazat_transkripciu"), [&](QWidget* w) {
            auto* drill = asDrill(w);
            flagDuring = p.g->Transkriptsiya_iz_tablitsy_zapisey;
            seen << w->windowTitle() << child<QLabel>(w, "Надпись_количество_показов_слова")->text()
                 << child<QLabel>(w, "Надпись_таранскрипция")->text()
                 << child<QLabel>(w, "Надписть_английское_слово")->text()
                 << child<QPushButton>(w, "Кнопка_остановить_продолжить")->text();
            size = w->size();
            interval = drill->Taymer->interval();
            runningAtShow = drill->Taymer->isActive() && drill->Taymer_sekundomera->isActive();
            shown = flashes(w, 3);
            drill->Taymer_sekundomeraTimer();
            click(w, "Кнопка_остановить_продолжить");
            captionStopped = child<QPushButton>(w, "Кнопка_остановить_продолжить")->text();
            stoppedBoth = !drill->Taymer->isActive() && !drill->Taymer_sekundomera->isActive();
            counterAfterStop = child<QLabel>(w, "Надпись_количество_показов_слова")->text();
            key(w, Qt::Key_Return); // Enter presses the focused button: go on
            captionResumed = child<QPushButton>(w, "Кнопка_остановить_продолжить")->text();
            resumedBoth = drill->Taymer->isActive() && drill->Taymer_sekundomera->isActive();
            QTest::keyClick(child<QPushButton>(w, "Кнопка_закрыть"), Qt::Key_Escape);
            closedByEsc = !w->isVisible();
        });
        p.trigger("Действие_показать_транскрипцию");
        QCOMPARE(seen, (QStringList{"кошка", "0 [00:00]", "", "", "Остановить"}));
        QCOMPARE(size, QSize(360, 149));
        QCOMPARE(interval, 900);
        QVERIFY(flagDuring);
        QVERIFY(!p.g->Transkriptsiya_iz_tablitsy_zapisey);
        QVERIFY(runningAtShow);
        QCOMPARE(shown,
                 (QStringList{"[тр cat]||0 [00:00]", "|cat|1 [00:00]", "[тр cat]||1 [00:00]"}));
        QCOMPARE(captionStopped, QStringLiteral("Продолжить"));
        QVERIFY(stoppedBoth);
        QCOMPARE(counterAfterStop, QStringLiteral("1 [00:01]"));
        QCOMPARE(captionResumed, QStringLiteral("Остановить"));
        QVERIFY(resumedBoth);
        QVERIFY(closedByEsc);
    }

    // A 30-letter text makes the widest window with the slowest flashes, and the large word
    // still fits in it; the counter is reset when the next drill shows.
    void aLongTextGetsTheWidestWindowAndStillFits() {
        TempHome home;
        const QString longText = QStringLiteral("abcdefghij klmnopqrst uvwxyzabc");
        QCOMPARE(longText.size(), 31);
        writeDictionary(home, {{longText.left(30), QStringLiteral("длинный текст")}},
                        transcriptionOf);
        TestProgram p(home);
        QSize size;
        int interval = 0;
        bool wordFits = false, transcriptionFits = false, buttonsInside = false;
        whenModal(QStringLiteral("TForma_pokazat_transkripciu"), [&](QWidget* w) {
            size = w->size();
            interval = asDrill(w)->Taymer->interval();
            flashes(w, 1);
            transcriptionFits = drawnWhole(w, "Надпись_таранскрипция");
            flashes(w, 1);
            wordFits = drawnWhole(w, "Надписть_английское_слово");
            buttonsInside =
                child<QPushButton>(w, "Кнопка_закрыть")->geometry().right() < w->width() &&
                child<QPushButton>(w, "Кнопка_закрыть")->geometry().bottom() < w->height();
            click(w, "Кнопка_закрыть");
        });
        p.trigger("Действие_показать_транскрипцию");
        QCOMPARE(size, QSize(1000, 149));
        QCOMPARE(interval, 2700);
        QVERIFY(transcriptionFits);
        QVERIFY(wordFits);
        QVERIFY(buttonsInside);
    }

    // The groups window's drill takes its selected row: the word flashed twice, the
    // translation as the caption; an empty row is refused.
    void groupsWindowDrillsItsSelectedWordAndRefusesAnEmptyRow() {
        TempHome home;
        writeDictionary(home, numberedWords(2));
        writeData(home, "group_words.group", encodeGroup(animals()));
        TestProgram p(home);
        TForma_gruppy_slov* groups = p.openGroups();
        auto* words = child<QTableWidget>(groups, "Таблица_со_словами_одной_группы_слов");
        words->setFocus();
        words->setCurrentCell(1, 1);
        QStringList seen;
        bool fromGroup = false, fromTable = true;
        whenModal(QStringLiteral("TForma_pokazat_transkripciu"), [&](QWidget* w) {
            fromGroup = p.g->Transkriptsiya_iz_gruppy;
            fromTable = p.g->Transkriptsiya_iz_tablitsy_zapisey;
            seen << w->windowTitle() << flashes(w, 2);
            click(w, "Кнопка_закрыть");
        });
        auto* pronounce = groups->findChild<QAction*>(QStringLiteral("Действие_произносить_слово"));
        QVERIFY(pronounce->isEnabled());
        pronounce->trigger();
        QCOMPARE(seen, (QStringList{"собака", "dog||0 [00:00]", "|dog|1 [00:00]"}));
        QVERIFY(fromGroup);
        QVERIFY(!fromTable);
        QVERIFY(!p.g->Transkriptsiya_iz_gruppy);

        words->setCurrentCell(5, 1);
        ModalDriver driver;
        pronounce->trigger();
        QCOMPARE(driver.seen, (QStringList{"TForma_soobshenie:Слово для произнесения не может "
                                           "состоять из пустой строки!"}));
    }

    // The player's drill takes the caller's word until listen-all has prepared one; then it
    // looks that word up in the record table, whatever row is selected.
    void playerDrillsTheCallersWordThenTheWordListenAllPrepared() {
        TempHome home;
        writeDictionary(home, numberedWords(2), transcriptionOf);
        TestProgram p(home);
        GatedOutput out;
        ScopedSoundOutput scoped(out);
        QStringList captions;
        bool enabledAtShow = false;
        whenModal(QStringLiteral("TForma_proigrivatel"), [&](QWidget* player) {
            auto* pronounce =
                player->findChild<QAction*>(QStringLiteral("Действие_произносить_слово"));
            enabledAtShow = pronounce->isEnabled();
            auto drillCaption = [&] {
                whenModal(QStringLiteral("TForma_pokazat_transkripciu"), [&](QWidget* w) {
                    captions << w->windowTitle() << flashes(w, 1);
                    click(w, "Кнопка_закрыть");
                });
                pronounce->trigger();
            };
            drillCaption();
            // Two words play in file order; the first is prepared, then stop.
            click(player, "Кнопка_слушать_все_слова");
            QVERIFY(waitFor([&] { return out.events().contains(QStringLiteral("speak word1")); }));
            click(player, "Кнопка_остановить");
            out.release();
            qobject_cast<TForma_proigrivatel*>(player)->player().task().waitUntilIdle();
            drillCaption();
            click(player, "Кнопка_закрыть");
        });
        p.trigger("Действие_проигрыватель");
        QVERIFY(enabledAtShow);
        // Row 1 (selected) is the newest record, word2; listen-all began with word1.
        QCOMPARE(captions, (QStringList{"слово 2", "[тр word2]||0 [00:00]", "слово 1",
                                        "[тр word1]||0 [00:00]"}));
        QVERIFY(!p.g->Transkriptsiya_iz_tablitsy_zapisey);
    }

    // Opened from the groups window, the player's drill on the caller's word takes the groups
    // window's selected row: the record table does not hold the group's words.
    void playerFromGroupsDrillsTheGroupsSelectedWord() {
        TempHome home;
        writeDictionary(home, numberedWords(2));
        writeData(home, "group_words.group", encodeGroup(animals()));
        TestProgram p(home);
        TForma_gruppy_slov* groups = p.openGroups();
        auto* words = child<QTableWidget>(groups, "Таблица_со_словами_одной_группы_слов");
        words->setFocus();
        words->setCurrentCell(0, 1);
        GatedOutput out;
        out.open();
        ScopedSoundOutput scoped(out);
        QStringList seen;
        whenModal(QStringLiteral("TForma_proigrivatel"), [&](QWidget* player) {
            whenModal(QStringLiteral("TForma_pokazat_transkripciu"), [&](QWidget* w) {
                seen << w->windowTitle() << flashes(w, 2);
                click(w, "Кнопка_закрыть");
            });
            player->findChild<QAction*>(QStringLiteral("Действие_произносить_слово"))->trigger();
            click(player, "Кнопка_закрыть");
        });
        groups->findChild<QAction*>(QStringLiteral("Действие_проигрыватель"))->trigger();
        QCOMPARE(seen, (QStringList{"кошка", "cat||0 [00:00]", "|cat|1 [00:00]"}));
        QVERIFY(!p.g->Transkriptsiya_iz_gruppy);
    }
};

QTEST_MAIN(WordDrillWindowTests)
#include "WordDrillWindowTests.moc"
