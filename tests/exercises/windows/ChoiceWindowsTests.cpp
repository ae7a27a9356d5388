// The translation, pair-matching and find-translation windows with their main-window commands,
// driven through their controls and keys on a real data folder, with the files checked after.

#include "app/core/Globals.h"
#include "app/core/SystemMessage.h"
#include "app/windows/MessageWindows.h"
#include "app/windows/Okna.h"
#include "exercises/windows/ChoiceWindows.h"
#include "store/RecordTableModel.h"
#include "store/Records.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/common/RecordTableView.h"
#include "ui/main/TMainForm.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

using namespace telvo;
using namespace telvo::test;

namespace {

const QString kTranslationRefusal =
    QStringLiteral("Количество записей в словаре, разрешенных к показу, для этого упражнения, "
                   "должно быть больше 10-ти.");

// Closes every showing of the wrong-choice window at once and counts them.
class WrongChoiceWatcher : public QObject {
public:
    explicit WrongChoiceWatcher(QWidget* window) : window_(window) {
        window->installEventFilter(this);
    }
    int shown = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Show) {
            ++shown;
            QTimer::singleShot(0, window_, [w = window_] {
                if (auto* b = w->findChild<QPushButton*>(QStringLiteral("Кнопка_закрыть")))
                    b->click();
            });
        }
        return false;
    }

private:
    QWidget* window_;
};

QStringList cellsOf(QTableWidget* list) {
    QStringList cells;
    for (int r = 0; r < list->rowCount(); ++r)
        cells << list->item(r, 0)->text();
    return cells;
}

void clickCell(QTableWidget* list, int row) {
    const QRect cell = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
}

// A double click as the mouse makes it: a click, then the second press that the system turns
// into a double click.
void doubleClickCell(QTableWidget* list, int row) {
    const QRect cell = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
}

// Walks to `row` with Up and Down (which never pick) and presses Enter there.
void enterOnRow(QTableWidget* list, int row) {
    for (int guard = 0; guard < 40 && list->currentRow() != row; ++guard)
        QTest::keyClick(list, list->currentRow() < row ? Qt::Key_Down : Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
}

// Lengths of the runs of grid-coloured pixels down the column `x` of the list's cells, top to
// bottom.
QList<int> gridRunsDown(QTableWidget* list, int x) {
    const QImage image = list->viewport()->grab().toImage();
    const QRgb grid = qRgb(200, 200, 200);
    QList<int> runs;
    int run = 0;
    const int bottom = list->visualRect(list->model()->index(list->rowCount() - 1, 0)).bottom();
    for (int y = 0; y <= bottom; ++y) {
        if (image.pixel(x, y) == grid) {
            ++run;
        } else if (run > 0) {
            runs << run;
            run = 0;
        }
    }
    if (run > 0)
        runs << run;
    return runs;
}

// The same across the row `row`, left to right.
QList<int> gridRunsAcross(QTableWidget* list, int row) {
    const QImage image = list->viewport()->grab().toImage();
    const QRect cell = list->visualRect(list->model()->index(row, 0));
    const int y = cell.top() + 1;
    QList<int> runs;
    int run = 0;
    for (int x = 0; x <= cell.right(); ++x) {
        if (image.pixel(x, y) == qRgb(200, 200, 200)) {
            ++run;
        } else if (run > 0) {
            runs << run;
            run = 0;
        }
    }
    if (run > 0)
        runs << run;
    return runs;
}

int numberIn(const QString& text) {
    const auto m = QRegularExpression(QStringLiteral("(\\d+)")).match(text);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The program's main window with the message windows and the choice exercises' commands on
// one data folder holding `words`, all of them in the exercise range.
class TestProgram : public WindowProgram {
public:
    TestProgram(const TempHome& home, const QList<Word>& words) : WindowProgram(home) {
        writeDictionary(home, words);
        writeRange(home, true, 1, int(words.size()));
        start();
    }

    QString repetitions() const {
        return control<QPushButton>("Кнопка_количество_повторений")->text();
    }
    // Selects the main table's row that shows record `number`.
    void selectRecord(int number) {
        for (int row = 1; row <= form->model().rowCount(); ++row) {
            if (form->model().recordNumber(row - 1) == number) {
                form->selectRow(row);
                return;
            }
        }
        qWarning("record %d not shown", number);
    }

    std::unique_ptr<WrongChoiceWatcher> wrong;

protected:
    void installWindows() override {
        wrong = std::make_unique<WrongChoiceWatcher>(okna().Forma_ocshibochniy_vibor);
    }
};

} // namespace

class ChoiceWindowsTests : public QObject {
    Q_OBJECT

    QStringList systemMessages_;

private slots:
    void initTestCase() {
        setSystemMessageSink([this](const QString& text) { systemMessages_ << text; });
    }
    void init() { systemMessages_.clear(); }
    void cleanup() { closeLeftovers(); }

    // ---- Translation from Russian and from English ----------------------------------------------

    void translationNeedsElevenAllowedRecords_data() {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("excluded");
        QTest::addColumn<bool>("opens");
        const QByteArray rus("Действие_случайный_перевод");
        const QByteArray eng("Действие_переводы_с_английского");
        const QString rusWindow = QStringLiteral("TForma_okno_pokaza_perevodov");
        const QString engWindow = QStringLiteral("TForma_okno_perevodov_s_angliyskogo");
        QTest::newRow("from Russian, 11 allowed") << rus << rusWindow << 11 << 0 << true;
        QTest::newRow("from Russian, 10 records") << rus << rusWindow << 10 << 0 << false;
        QTest::newRow("from Russian, 12 with 2 excluded") << rus << rusWindow << 12 << 2 << false;
        QTest::newRow("from Russian, 13 with 2 excluded") << rus << rusWindow << 13 << 2 << true;
        QTest::newRow("from English, 11 allowed") << eng << engWindow << 11 << 0 << true;
        QTest::newRow("from English, 10 records") << eng << engWindow << 10 << 0 << false;
        QTest::newRow("from English, 12 with 2 excluded") << eng << engWindow << 12 << 2 << false;
    }
    void translationNeedsElevenAllowedRecords() {
        QFETCH(QByteArray, command);
        QFETCH(QString, window);
        QFETCH(int, records);
        QFETCH(int, excluded);
        QFETCH(bool, opens);
        TempHome home;
        TestProgram p(home, numberedWords(records, excluded));
        bool opened = false;
        QString refusal;
        if (opens) {
            whenModal(window, [&](QWidget* w) {
                opened = true;
                QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
            });
        } else {
            whenModal(QStringLiteral("TForma_soobshenie"), [&](QWidget* w) {
                refusal = windowText(w);
                child<QPushButton>(w, "Кнопка_закрыть")->click();
            });
        }
        p.action(command.constData())->trigger();
        QCOMPARE(opened, opens);
        QCOMPARE(refusal, opens ? QString() : kTranslationRefusal);
    }

    void rightAndWrongChoice_data() {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("fromRussian");
        QTest::addColumn<QString>("history");
        QTest::addColumn<QString>("paneName");
        QTest::addColumn<QString>("paneText");
        QTest::newRow("from Russian") << QByteArray("Действие_случайный_перевод")
                                      << QStringLiteral("TForma_okno_pokaza_perevodov") << true
                                      << QStringLiteral("Stat_per_rus.dictstat")
                                      << QStringLiteral("Панель_вывода_остаток_с_русского")
                                      << QStringLiteral("  С русского = ");
        QTest::newRow("from English") << QByteArray("Действие_переводы_с_английского")
                                      << QStringLiteral("TForma_okno_perevodov_s_angliyskogo")
                                      << false << QStringLiteral("Stat_per_eng.dictstat")
                                      << QStringLiteral("Панель_вывода_остаток_с_английского")
                                      << QStringLiteral("  С английского = ");
    }
    void rightAndWrongChoice() {
        QFETCH(QByteArray, command);
        QFETCH(QString, window);
        QFETCH(bool, fromRussian);
        QFETCH(QString, history);
        QFETCH(QString, paneName);
        QFETCH(QString, paneText);
        TempHome home;
        TestProgram p(home, numberedWords(12));
        const char* questionName =
            fromRussian ? "Надпись_русский_перевод" : "Надпись_английское_слово_для_перевода";
        const char* listName =
            fromRussian ? "Таблица_вариантов_английских_слов" : "Таблица_вариантов_русских_слов";

        int answered = -1;
        QString firstQuestion, secondQuestion, clipboardOnShow;
        QString remainderBefore, remainderAfter, paneAfter;
        bool stayedAfterWrong = false, navigationPicked = true;
        QStringList firstCells;
        whenModal(window, [&](QWidget* w) {
            auto* question = child<QLabel>(w, questionName);
            auto* list = child<QTableWidget>(w, listName);
            auto* remainder = child<QLabel>(w, "Надпись_остаток_переводов");
            firstQuestion = question->text();
            clipboardOnShow = QGuiApplication::clipboard()->text();
            remainderBefore = remainder->text();
            firstCells = cellsOf(list);
            answered = numberIn(firstQuestion);
            const QString answer = fromRussian ? QStringLiteral("word%1").arg(answered)
                                               : QStringLiteral("слово %1").arg(answered);
            const int answerRow = firstCells.indexOf(answer);
            const int wrongRow = (answerRow + 3) % 10;

            clickCell(list, wrongRow);
            stayedAfterWrong = p.wrong->shown == 1 && question->text() == firstQuestion &&
                               remainder->text() == remainderBefore;
            // Up and Down only move the selection.
            const int before = p.wrong->shown;
            QTest::keyClick(list, wrongRow < 9 ? Qt::Key_Down : Qt::Key_Up);
            QTest::keyClick(list, Qt::Key_Up);
            navigationPicked = p.wrong->shown != before;

            enterOnRow(list, answerRow);
            secondQuestion = question->text();
            remainderAfter = remainder->text();
            paneAfter = p.pane(paneName.toUtf8().constData());
            QTest::keyClick(list, Qt::Key_Escape);
        });
        p.action(command.constData())->trigger();

        QVERIFY(answered >= 1 && answered <= 12);
        QCOMPARE(firstCells.size(), 10);
        QCOMPARE(QSet<QString>(firstCells.begin(), firstCells.end()).size(), 10);
        QVERIFY(stayedAfterWrong);
        QVERIFY(!navigationPicked);
        QCOMPARE(p.wrong->shown, 1);
        QCOMPARE(remainderBefore, QStringLiteral("Остаток непредъявленных переводов = 12"));
        QCOMPARE(remainderAfter, QStringLiteral("Остаток непредъявленных переводов = 11"));
        QCOMPARE(paneAfter, paneText + QStringLiteral("11"));
        QVERIFY(secondQuestion != firstQuestion && !secondQuestion.isEmpty());
        if (!fromRussian)
            QCOMPARE(clipboardOnShow, firstQuestion);
        // The command ends with the word label on the clipboard.
        QCOMPARE(QGuiApplication::clipboard()->text(), p.wordLabel());

        QByteArray expected(12, '\0');
        expected[answered - 1] = 1;
        const QByteArray saved = test::readFile(p.file(history.toUtf8().constData()));
        QVERIFY2(saved == expected, test::hex(saved).c_str());
    }

    // Enter on a button that has the focus presses that button, as Space does.
    void enterPressesTheFocusedButton_data() {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("forgets");
        QTest::addColumn<QString>("history");
        const QByteArray rus("Действие_случайный_перевод");
        const QByteArray eng("Действие_переводы_с_английского");
        const QByteArray pairs("Действие_сопоставление_пар_слов");
        const QByteArray find("Действие_найти_перевод");
        const QString rusWindow = QStringLiteral("TForma_okno_pokaza_perevodov");
        const QString engWindow = QStringLiteral("TForma_okno_perevodov_s_angliyskogo");
        QTest::newRow("from Russian, Забыл (F5)") << rus << rusWindow << QByteArray("Кнопка_забыл")
                                                  << true << true << "Stat_per_rus.dictstat";
        QTest::newRow("from Russian, Остановить показ")
            << rus << rusWindow << QByteArray("Кнопка_остановить_показ") << true << false
            << "Stat_per_rus.dictstat";
        QTest::newRow("from English, Забыл (F5)") << eng << engWindow << QByteArray("Кнопка_забыл")
                                                  << true << true << "Stat_per_eng.dictstat";
        QTest::newRow("from English, Остановить показ")
            << eng << engWindow << QByteArray("Кнопка_остановить_показ") << true << false
            << "Stat_per_eng.dictstat";
        QTest::newRow("pairs, Остановить показ")
            << pairs << "TForma_vspomnit_zabitie_slova" << QByteArray("Кнопка_остановить_показ")
            << true << false << "Stat_pair.dictstat";
        QTest::newRow("find translation, Закрыть")
            << find << "TForma_naiyti_perevod" << QByteArray("Кнопка_закрыть") << true << false
            << "";
        QTest::newRow("find translation, forgotten mark")
            << find << "TForma_naiyti_perevod" << QByteArray("Кнопка_отметить_слово_как_забытое")
            << false << true << "";
    }
    void enterPressesTheFocusedButton() {
        QFETCH(QByteArray, command);
        QFETCH(QString, window);
        QFETCH(QByteArray, button);
        QFETCH(bool, closes);
        QFETCH(bool, forgets);
        QFETCH(QString, history);
        TempHome home;
        TestProgram p(home, numberedWords(12));
        bool focused = false, closed = false;
        whenModal(window, [&](QWidget* w) {
            auto* b = child<QPushButton>(w, button.constData());
            b->setFocus(Qt::TabFocusReason);
            focused = w->focusWidget() == b;
            QTest::keyClick(b, Qt::Key_Return);
            closed = !w->isVisible();
            if (w->isVisible())
                QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
        });
        p.action(command.constData())->trigger();

        QVERIFY(focused);
        QCOMPARE(closed, closes);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        const QByteArray forgotten = p.read("Stat_forget.dictstat");
        QCOMPARE(forgotten.count('\1'), forgets ? 1 : 0);
        if (!history.isEmpty())
            QCOMPARE(p.read(history.toUtf8().constData()).size(), 12);
    }

    // F5 forgets also while another window is the active one (no window manager gave this one
    // the keyboard), where a window's shortcut does not see the key.
    void f5WhileTheWindowIsNotActive_data() {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QByteArray>("list");
        QTest::newRow("from Russian")
            << QByteArray("Действие_случайный_перевод") << "TForma_okno_pokaza_perevodov"
            << QByteArray("Таблица_вариантов_английских_слов");
        QTest::newRow("from English") << QByteArray("Действие_переводы_с_английского")
                                      << "TForma_okno_perevodov_s_angliyskogo"
                                      << QByteArray("Таблица_вариантов_русских_слов");
        QTest::newRow("find translation")
            << QByteArray("Действие_найти_перевод") << "TForma_naiyti_perevod"
            << QByteArray("Таблица_переводов");
    }
    void f5WhileTheWindowIsNotActive() {
        QFETCH(QByteArray, command);
        QFETCH(QString, window);
        QFETCH(QByteArray, list);
        TempHome home;
        TestProgram p(home, numberedWords(12));
        bool inactive = false;
        whenModal(window, [&](QWidget* w) {
            QApplication::setActiveWindow(p.form);
            inactive = QApplication::activeWindow() != w;
            auto* l = child<QTableWidget>(w, list.constData());
            QTest::keyClick(l, Qt::Key_F5);
            if (w->isVisible())
                QTest::keyClick(l, Qt::Key_Escape);
        });
        p.action(command.constData())->trigger();
        QVERIFY(inactive);
        QCOMPARE(p.read("Stat_forget.dictstat").count('\1'), 1);
    }

    // Page Up, Page Down, Home and End only move the selection; Home and End go to the first and
    // the last row.
    void navigationKeysOnlyMove_data() {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QByteArray>("question");
        QTest::newRow("from Russian")
            << QByteArray("Действие_случайный_перевод") << "TForma_okno_pokaza_perevodov"
            << QByteArray("Таблица_вариантов_английских_слов")
            << QByteArray("Надпись_русский_перевод");
        QTest::newRow("from English")
            << QByteArray("Действие_переводы_с_английского")
            << "TForma_okno_perevodov_s_angliyskogo" << QByteArray("Таблица_вариантов_русских_слов")
            << QByteArray("Надпись_английское_слово_для_перевода");
        QTest::newRow("find translation")
            << QByteArray("Действие_найти_перевод") << "TForma_naiyti_perevod"
            << QByteArray("Таблица_переводов") << QByteArray("Надпись_английское_слово");
    }
    void navigationKeysOnlyMove() {
        QFETCH(QByteArray, command);
        QFETCH(QString, window);
        QFETCH(QByteArray, list);
        QFETCH(QByteArray, question);
        TempHome home;
        TestProgram p(home, numberedWords(12));
        QList<int> rows;
        QStringList questions;
        bool open = false;
        whenModal(window, [&](QWidget* w) {
            auto* l = child<QTableWidget>(w, list.constData());
            auto* q = child<QLabel>(w, question.constData());
            questions << q->text();
            // From the middle, so that every key moves the selection.
            for (int i = 0; i < 10 && l->currentRow() != 4; ++i)
                QTest::keyClick(l, l->currentRow() < 4 ? Qt::Key_Down : Qt::Key_Up);
            rows << l->currentRow();
            for (Qt::Key k :
                 {Qt::Key_End, Qt::Key_Home, Qt::Key_PageDown, Qt::Key_End, Qt::Key_PageUp}) {
                QTest::keyClick(l, k);
                rows << l->currentRow();
                questions << q->text();
            }
            open = w->isVisible();
            QTest::keyClick(l, Qt::Key_Escape);
        });
        p.action(command.constData())->trigger();

        QCOMPARE(rows.first(), 4);
        QCOMPARE(rows[1], 9);
        QCOMPARE(rows[2], 0);
        QVERIFY(rows[3] > 0);
        QCOMPARE(rows[4], 9);
        QVERIFY(rows[5] < 9);
        QCOMPARE(p.wrong->shown, 0);
        QVERIFY(open);
        QCOMPARE(questions.count(questions.first()), questions.size());
        // No question was answered.
        if (window != QLatin1String("TForma_naiyti_perevod"))
            QCOMPARE(p.read(command == "Действие_случайный_перевод" ? "Stat_per_rus.dictstat"
                                                                    : "Stat_per_eng.dictstat"),
                     QByteArray(12, '\0'));
        else
            QCOMPARE(p.repetitions(), QString());
    }

    // The grid lines of the translation lists and of the pair list are 3 pixels wide: one line
    // under every row and one along the right of the column.
    void gridLinesThreePixelsWide_data() {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QByteArray>("list");
        QTest::newRow("from Russian")
            << QByteArray("Действие_случайный_перевод") << "TForma_okno_pokaza_perevodov"
            << QByteArray("Таблица_вариантов_английских_слов");
        QTest::newRow("from English") << QByteArray("Действие_переводы_с_английского")
                                      << "TForma_okno_perevodov_s_angliyskogo"
                                      << QByteArray("Таблица_вариантов_русских_слов");
        QTest::newRow("pairs") << QByteArray("Действие_сопоставление_пар_слов")
                               << "TForma_vspomnit_zabitie_slova"
                               << QByteArray("Таблица_предъявляемых_пар");
    }
    void gridLinesThreePixelsWide() {
        QFETCH(QByteArray, command);
        QFETCH(QString, window);
        QFETCH(QByteArray, list);
        TempHome home;
        TestProgram p(home, numberedWords(12));
        QList<int> down, across;
        int rows = 0;
        whenModal(window, [&](QWidget* w) {
            auto* l = child<QTableWidget>(w, list.constData());
            rows = l->rowCount();
            // Right of every text, left of the column's own line.
            const int x = l->visualRect(l->model()->index(0, 0)).right() - 8;
            down = gridRunsDown(l, x);
            across = gridRunsAcross(l, 3);
            QTest::keyClick(l, Qt::Key_Escape);
        });
        p.action(command.constData())->trigger();

        QCOMPARE(down, QList<int>(rows, 3));
        QCOMPARE(across, QList<int>{3});
    }

    // Row 0 of the pair list is a fixed header: neither keys nor the mouse put the cursor on it,
    // and its caption stands in the middle of the header.
    void pairHeaderIsFixed() {
        TempHome home;
        TestProgram p(home, numberedWords(12));
        QList<int> rowsAfterKeys;
        bool headerEverSelected = false, clearStillEnabled = false;
        QString firstAfterHeaderClicks, secondAfterHeaderClick;
        int inkLeft = -1, inkRight = -1, headerCentre = 0;
        QRgb headerBackground = 0, rowBackground = 0;
        whenModal(QStringLiteral("TForma_vspomnit_zabitie_slova"), [&](QWidget* w) {
            auto* list = child<QTableWidget>(w, "Таблица_предъявляемых_пар");
            auto* first = child<QLabel>(w, "Надпись_первый_выбранный_вариант");
            auto* second = child<QLabel>(w, "Надпись_второй_выбранный_вариант");
            auto* clear = child<QPushButton>(w, "Кнопка_удалить_выбранную_пару");
            auto note = [&] {
                rowsAfterKeys << list->currentRow();
                headerEverSelected =
                    headerEverSelected || list->selectionModel()->isRowSelected(0, QModelIndex()) ||
                    !list->selectionModel()->isRowSelected(list->currentRow(), QModelIndex());
            };
            note();
            for (auto [k, mods] : {std::pair{Qt::Key_Up, Qt::NoModifier},
                                   {Qt::Key_PageUp, Qt::NoModifier},
                                   {Qt::Key_Home, Qt::NoModifier},
                                   {Qt::Key_Home, Qt::ControlModifier}}) {
                QTest::keyClick(list, k, mods);
                note();
            }
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Up);
            note();
            clickCell(list, 0);
            note();
            doubleClickCell(list, 0);
            note();
            firstAfterHeaderClicks = first->text();

            // A click on the header is no click in the list: a shown pair stays.
            const QStringList cells = cellsOf(list);
            int english = 1;
            while (!cells[english].startsWith(QStringLiteral("word")))
                ++english;
            const int translation = int(
                cells.indexOf(QStringLiteral("слово ") + cells[english].mid(int(qstrlen("word")))));
            doubleClickCell(list, english);
            doubleClickCell(list, translation);
            clickCell(list, 0);
            clearStillEnabled = clear->isEnabled();
            secondAfterHeaderClick = second->text();

            const QImage image = list->viewport()->grab().toImage();
            const QRect header =
                list->visualRect(list->model()->index(0, 0)).adjusted(0, 0, -3, -3);
            headerCentre = header.center().x();
            headerBackground = image.pixel(header.left() + 1, header.top() + 1);
            const QRect row = list->visualRect(list->model()->index(list->rowCount() - 1, 0));
            rowBackground = image.pixel(row.right() - 8, row.top() + 1);
            for (int x = header.left(); x <= header.right(); ++x) {
                for (int y = header.top(); y <= header.bottom(); ++y) {
                    if (image.pixel(x, y) != headerBackground) {
                        if (inkLeft < 0)
                            inkLeft = x;
                        inkRight = x;
                        break;
                    }
                }
            }
            QTest::keyClick(list, Qt::Key_Escape);
        });
        p.action("Действие_сопоставление_пар_слов")->trigger();

        QCOMPARE(rowsAfterKeys, (QList<int>{1, 1, 1, 1, 1, 2, 2, 2}));
        QVERIFY(!headerEverSelected);
        QCOMPARE(firstAfterHeaderClicks, QString());
        QVERIFY(clearStillEnabled);
        QVERIFY(!secondAfterHeaderClick.isEmpty());
        // The fixed row looks unlike the rows of the portion.
        QVERIFY(headerBackground != rowBackground);
        QVERIFY2(inkLeft > 0 && qAbs((inkLeft + inkRight) / 2 - headerCentre) <= 4,
                 qPrintable(QStringLiteral("caption from %1 to %2, header centre %3")
                                .arg(inkLeft)
                                .arg(inkRight)
                                .arg(headerCentre)));
    }

    // ---- Pair matching ------------------------------------------------------------------------

    void pairPortionPlayedToTheEnd() {
        TempHome home;
        QList<Word> words = numberedWords(5);
        words[1].excluded = true;
        words[3].excluded = true;
        TestProgram p(home, words);

        QStringList cells;
        QString rightText, matchesAfterFirst, remainingEnd, stopEnd, paneEnd, clearQuestion;
        QString firstAfterWrong, secondAfterWrong;
        bool remainingGreen = false, nextEnabled = true;
        whenModal(QStringLiteral("TForma_vspomnit_zabitie_slova"), [&](QWidget* w) {
            auto* list = child<QTableWidget>(w, "Таблица_предъявляемых_пар");
            auto* first = child<QLabel>(w, "Надпись_первый_выбранный_вариант");
            auto* second = child<QLabel>(w, "Надпись_второй_выбранный_вариант");
            auto* right = child<QLabel>(w, "Надпись_правильно");
            auto* matches = child<QLabel>(w, "Надпись_количество_правильных_сопоставлений");
            auto* remaining = child<QLabel>(w, "Надпись_количество_еще_несопоставленных_пар");
            auto* clear = child<QPushButton>(w, "Кнопка_удалить_выбранную_пару");
            auto* next = child<QPushButton>(w, "Кнопка_следующая_порция_слов");
            auto* stop = child<QPushButton>(w, "Кнопка_остановить_показ");
            cells = cellsOf(list);
            auto row = [&](const QString& text) { return int(cells.indexOf(text)); };

            // A wrong pair keeps the first pick.
            doubleClickCell(list, row(QStringLiteral("word1")));
            enterOnRow(list, row(QStringLiteral("слово 3")));
            firstAfterWrong = first->text();
            secondAfterWrong = second->text();
            // Translation first, English word second is right as well.
            enterOnRow(list, row(QStringLiteral("слово 1")));
            rightText = right->text();
            matchesAfterFirst = matches->text();
            // While the pair is shown, a pick asks to clear it first.
            whenModal(QStringLiteral("TForma_vopros_s_viborom"), [&](QWidget* q) {
                clearQuestion = windowText(q);
                child<QPushButton>(q, "Кнопка_да")->click();
            });
            enterOnRow(list, row(QStringLiteral("слово 3")));
            enterOnRow(list, row(QStringLiteral("слово 3")));
            enterOnRow(list, row(QStringLiteral("word3")));
            clear->click();
            doubleClickCell(list, row(QStringLiteral("word5")));
            doubleClickCell(list, row(QStringLiteral("слово 5")));
            remainingEnd = remaining->text();
            remainingGreen = remaining->palette().color(QPalette::WindowText) == QColor(0, 128, 0);
            stopEnd = stop->text();
            nextEnabled = next->isEnabled();
            paneEnd = p.pane("Панель_вывода_несопоставленных_пар");
            stop->click();
        });
        p.action("Действие_сопоставление_пар_слов")->trigger();

        // Three open records: six filled cells among the fourteen, no excluded word.
        QCOMPARE(cells.size(), 15);
        QCOMPARE(cells.mid(1).count(QString()), 8);
        for (const char* text : {"word1", "слово 1", "word3", "слово 3", "word5", "слово 5"})
            QVERIFY2(cells.contains(QString::fromUtf8(text)), text);
        QCOMPARE(firstAfterWrong, QStringLiteral("word1"));
        QCOMPARE(secondAfterWrong, QString());
        QCOMPARE(p.wrong->shown, 1);
        QCOMPARE(rightText, QStringLiteral("Правильно!"));
        QCOMPARE(matchesAfterFirst,
                 QStringLiteral("Количество правильных сопоставлений из предъявленных пар = 1"));
        QCOMPARE(clearQuestion, QStringLiteral("Сначала нужно убрать выбранную пару "
                                               "сопоставления слова и перевода. Вы хотите ее "
                                               "убрать?"));
        QCOMPARE(remainingEnd,
                 QStringLiteral("Количество еще несопоставленных пар из всего словаря = 0"));
        QVERIFY(remainingGreen);
        QCOMPARE(stopEnd, QStringLiteral("Закрыть"));
        QVERIFY(!nextEnabled);
        QCOMPARE(paneEnd, QStringLiteral("  Несопоставленных пар = 0"));
        const QByteArray saved = test::readFile(p.file("Stat_pair.dictstat"));
        QVERIFY2(saved == test::bytes({1, 0, 1, 0, 1}), test::hex(saved).c_str());
    }

    void pairsNeedTwoRecords() {
        TempHome home;
        TestProgram p(home, numberedWords(1));
        QString refusal;
        whenModal(QStringLiteral("TForma_soobshenie"), [&](QWidget* w) {
            refusal = windowText(w);
            child<QPushButton>(w, "Кнопка_закрыть")->click();
        });
        p.action("Действие_сопоставление_пар_слов")->trigger();
        QCOMPARE(refusal, QStringLiteral("В словаре количество записей меньше двух ..."));
    }

    // ---- Find translation ---------------------------------------------------------------------

    void rightFindTranslationRaisesRepetitions() {
        TempHome home;
        TestProgram p(home, numberedWords(12));
        p.selectRecord(7);
        QCOMPARE(p.wordLabel(), QStringLiteral("word7"));
        QCOMPARE(p.repetitions(), QString());

        auto answerRight = [&](bool wrongFirst, QString* caption) {
            whenModal(QStringLiteral("TForma_naiyti_perevod"), [=, &p](QWidget* w) {
                *caption = w->windowTitle();
                auto* list = child<QTableWidget>(w, "Таблица_переводов");
                const QStringList cells = cellsOf(list);
                const int answerRow = cells.indexOf(QStringLiteral("слово 7"));
                if (wrongFirst)
                    clickCell(list, (answerRow + 1) % 10);
                clickCell(list, answerRow);
            });
        };
        QString caption;
        // Enter in the record table runs the command.
        answerRight(true, &caption);
        p.form->table().setFocus();
        QTest::keyClick(&p.form->table(), Qt::Key_Return);
        QCOMPARE(caption, QStringLiteral("[тр]"));
        QCOMPARE(p.wrong->shown, 1);
        QCOMPARE(p.repetitions(), QStringLiteral("1"));

        answerRight(false, &caption);
        p.action("Действие_найти_перевод")->trigger();
        QCOMPARE(p.repetitions(), QStringLiteral("2"));
        QCOMPARE(p.wrong->shown, 1);

        // A double click on the transcription or translation of the same row runs it too.
        for (int column : {RecordTableModel::Transkr, RecordTableModel::Perevod}) {
            answerRight(false, &caption);
            auto& table = p.form->table();
            const QRect cell =
                table.visualRect(p.form->model().index(p.form->selectedRow() - 1, column));
            QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, cell.center());
        }
        QCOMPARE(p.wordLabel(), QStringLiteral("word7"));
        QCOMPARE(p.repetitions(), QStringLiteral("4"));
    }

    void findTranslationRefusals_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("excluded");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one record") << 1 << 0 << "В словаре количество записей меньше двух ...";
        QTest::newRow("ten allowed")
            << 13 << 3
            << "Количество записей в словаре, разрешенных к показу в упражнениях, пока не больше "
               "10.";
    }
    void findTranslationRefusals() {
        QFETCH(int, records);
        QFETCH(int, excluded);
        QFETCH(QString, expected);
        TempHome home;
        TestProgram p(home, numberedWords(records, excluded));
        QString refusal;
        whenModal(QStringLiteral("TForma_soobshenie"), [&](QWidget* w) {
            refusal = windowText(w);
            child<QPushButton>(w, "Кнопка_закрыть")->click();
        });
        p.action("Действие_найти_перевод")->trigger();
        QCOMPARE(refusal, expected);
    }

    void excludedRecordsAreNeverDistractors() {
        TempHome home;
        QList<Word> words = numberedWords(40, 20);
        for (int i = 0; i < 20; ++i)
            words[i].translation = QStringLiteral("исключено %1").arg(i + 1);
        TestProgram p(home, words);
        p.selectRecord(30);
        QStringList seen;
        for (int round = 0; round < 12; ++round) {
            whenModal(QStringLiteral("TForma_naiyti_perevod"), [&](QWidget* w) {
                seen << cellsOf(child<QTableWidget>(w, "Таблица_переводов"));
                QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
            });
            p.action("Действие_найти_перевод")->trigger();
        }
        QCOMPARE(seen.size(), 120);
        QCOMPARE(seen.count(QString()), 0);
        for (const QString& cell : seen)
            QVERIFY2(!cell.startsWith(QStringLiteral("исключено")), qPrintable(cell));
        QCOMPARE(seen.count(QStringLiteral("слово 30")), 12);
    }

    // Eleven allowed records, ten of them sharing the answer's translation: only one distractor
    // can be offered, and the window still opens with the other rows empty.
    void tinyDictionaryLeavesRowsEmpty() {
        TempHome home;
        QList<Word> words = numberedWords(12, 1);
        for (int i = 1; i < 11; ++i)
            words[i].translation = QStringLiteral("общий");
        words[11].translation = QStringLiteral("другой");
        TestProgram p(home, words);
        p.selectRecord(5);
        QStringList cells;
        bool stillOpen = false;
        whenModal(QStringLiteral("TForma_naiyti_perevod"), [&](QWidget* w) {
            auto* list = child<QTableWidget>(w, "Таблица_переводов");
            cells = cellsOf(list);
            clickCell(list, int(cells.indexOf(QString())));
            stillOpen = w->isVisible();
            QTest::keyClick(list, Qt::Key_Escape);
        });
        QElapsedTimer clock;
        clock.start();
        p.action("Действие_найти_перевод")->trigger();
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(cells.count(QStringLiteral("общий")), 1);
        QCOMPARE(cells.count(QStringLiteral("другой")), 1);
        QCOMPARE(cells.count(QString()), 8);
        QVERIFY(stillOpen);
        QCOMPARE(p.wrong->shown, 0);
    }

    void forgottenKeyInFindTranslation_data() {
        QTest::addColumn<int>("record");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QByteArray>("forgotten");
        QTest::newRow("excluded record")
            << 13
            << "Нельзя отмечать слово как забытое, если оно исключено из показа в упражнениях."
            << QByteArray();
        QByteArray marked(13, '\0');
        marked[3] = 1;
        QTest::newRow("allowed record") << 4 << QString() << marked;
    }
    void forgottenKeyInFindTranslation() {
        QFETCH(int, record);
        QFETCH(QString, error);
        QFETCH(QByteArray, forgotten);
        TempHome home;
        QList<Word> words = numberedWords(13);
        words[12].excluded = true;
        TestProgram p(home, words);
        p.selectRecord(record);
        QString shownError;
        QStringList cells;
        whenModal(QStringLiteral("TForma_naiyti_perevod"), [&](QWidget* w) {
            auto* list = child<QTableWidget>(w, "Таблица_переводов");
            cells = cellsOf(list);
            if (!error.isEmpty()) {
                whenModal(QStringLiteral("TForma_soobschenie_ob_oschibke"), [&](QWidget* e) {
                    shownError = windowText(e);
                    child<QPushButton>(e, "Кнопка_закрыть")->click();
                });
            }
            QTest::keyClick(list, Qt::Key_F5);
            QTest::keyClick(list, Qt::Key_Escape);
        });
        p.action("Действие_найти_перевод")->trigger();
        // An excluded word still gets its own translation as the answer.
        QVERIFY(cells.contains(QStringLiteral("слово %1").arg(record)));
        QCOMPARE(shownError, error);
        QCOMPARE(test::readFile(p.file("Stat_forget.dictstat")), forgotten);
    }
};

QTEST_MAIN(ChoiceWindowsTests)
#include "ChoiceWindowsTests.moc"
