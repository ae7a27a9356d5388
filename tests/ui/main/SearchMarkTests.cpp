// The main window's searches, jumps, forgotten and marked words and exclusion, driven through
// its keys and controls, with the data files checked afterwards.

#include "app/core/Globals.h"
#include "app/windows/MessageWindows.h"
#include "app/windows/Okna.h"
#include "store/Binary.h"
#include "store/RecordTableModel.h"
#include "store/Records.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/common/RecordTableView.h"
#include "ui/main/TMainForm.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

using namespace telvo;
using namespace telvo::test;

namespace {

const QString kExcludedNotForgotten = QStringLiteral(
    "Нельзя отмечать слово как забытое, если оно исключено из показа в упражнениях.");

QString message(const QString& text) {
    return QStringLiteral("TForma_soobshenie:") + text;
}
QString error(const QString& text) {
    return QStringLiteral("TForma_soobschenie_ob_oschibke:") + text;
}
QString question(const QString& text) {
    return QStringLiteral("TForma_vopros_s_viborom:") + text;
}

class TestProgram : public WindowProgram {
public:
    explicit TestProgram(const TempHome& home) : WindowProgram(home) {
        start();
        activate();
    }

    int selectedRecord() const { return form->model().recordNumber(form->selectedRow() - 1); }
    void selectRecord(int number) {
        const int rows = form->model().rowCount();
        for (int row = 1; row <= rows; ++row)
            if (form->model().recordNumber(row - 1) == number)
                form->selectRow(row);
        table().setFocus();
    }
    QString forgottenPane() const { return pane("Панель_вывода_количества_забытых_слов"); }
};

QByteArray flags(std::initializer_list<int> set, int count) {
    QByteArray out(count, '\0');
    for (int n : set)
        out[n - 1] = 1;
    return out;
}

} // namespace

class SearchMarkTests : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeLeftovers(); }

    // ---- Forgotten words one by one -----------------------------------------------------------

    void firstForgottenMarkCreatesFileAndLastClearDeletesIt() {
        TempHome home;
        writeData(home, "Vocabulary.dictdat", dictionaryOf(numberedWords(5)));
        TestProgram p(home);
        ModalDriver driver;
        p.selectRecord(4);
        p.key(Qt::Key_F5);
        QCOMPARE(p.read("Stat_forget.dictstat"), flags({4}, 5));
        QCOMPARE(p.forgottenPane(), QStringLiteral("  Забытых слов = 1"));
        QVERIFY(p.form->model().isForgotten(p.form->selectedRow() - 1));

        p.key(Qt::Key_F5);
        QVERIFY(!p.exists("Stat_forget.dictstat"));
        QCOMPARE(p.forgottenPane(), QString());
        QCOMPARE(driver.seen, QStringList());
    }

    void clearingForgottenWordResetsItsPairByteOnlyInsideRange_data() {
        QTest::addColumn<int>("record");
        QTest::addColumn<QByteArray>("pairAfter");
        QTest::newRow("inside") << 3 << test::bytes({1, 0, 1});
        QTest::newRow("outside") << 5 << test::bytes({1, 1, 1});
    }
    void clearingForgottenWordResetsItsPairByteOnlyInsideRange() {
        QFETCH(int, record);
        QFETCH(QByteArray, pairAfter);
        TempHome home;
        writeData(home, "Vocabulary.dictdat", dictionaryOf(numberedWords(6)));
        writeRange(home, false, 2, 4);
        writeData(home, "Stat_forget.dictstat", flags({1, record}, 6));
        writeData(home, "Stat_pair.dictstat", test::bytes({1, 1, 1}));
        TestProgram p(home);
        ModalDriver driver;
        p.selectRecord(record);
        p.key(Qt::Key_F5);
        QCOMPARE(p.read("Stat_forget.dictstat"), flags({1}, 6));
        QCOMPARE(p.read("Stat_pair.dictstat"), pairAfter);
        QVERIFY(p.g->Obnovit_pary);
    }

    // An excluded record never becomes forgotten, whichever command tries.
    void excludedRecordIsNeverMarkedForgotten_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("F5") << "F5";
        QTest::newRow("double click") << "double click";
        QTest::newRow("by date") << "date";
        QTest::newRow("by numbers") << "numbers";
        QTest::newRow("linking") << "link";
    }
    void excludedRecordIsNeverMarkedForgotten() {
        QFETCH(QString, how);
        TempHome home;
        QList<Word> words = numberedWords(4);
        for (Word& w : words)
            w.marked = true;
        words[1].excluded = true; // record 2
        writeData(home, "Vocabulary.dictdat", dictionaryOf(words));
        TestProgram p(home);
        ModalDriver driver;
        p.selectRecord(2);
        if (how == QLatin1String("F5")) {
            p.key(Qt::Key_F5);
        } else if (how == QLatin1String("double click")) {
            const QRect cell =
                p.table().visualRect(p.form->model().index(p.form->selectedRow() - 1, 5));
            QTest::mouseDClick(p.table().viewport(), Qt::LeftButton, {}, cell.center());
        } else if (how == QLatin1String("date")) {
            driver.dialog = [](QWidget* d) {
                d->findChild<QCalendarWidget*>(QStringLiteral("Календарь"))
                    ->setSelectedDate(fromDelphiDate(45000));
                d->findChild<QPushButton*>(
                     QStringLiteral("Кнопка_отметить_слова_по_выбранной_дате"))
                    ->click();
                QTimer::singleShot(50, d, [d] { d->close(); });
            };
            p.key(Qt::Key_D, Qt::ControlModifier);
        } else if (how == QLatin1String("numbers")) {
            driver.dialog = [](QWidget* d) {
                type(d->findChild<QLineEdit*>(
                         QStringLiteral("Поле_ввода_зрачение_начального_номера")),
                     QStringLiteral("1"));
                type(d->findChild<QLineEdit*>(
                         QStringLiteral("Поле_ввода_значение_конечного_номера")),
                     QStringLiteral("4"));
                d->findChild<QPushButton*>(QStringLiteral("Кнопка_отметить"))->click();
            };
            p.key(Qt::Key_N, Qt::ControlModifier);
        } else {
            p.key(Qt::Key_O, Qt::ControlModifier);
        }
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        if (how.startsWith(QLatin1String("F5")) || how == QLatin1String("double click")) {
            QCOMPARE(driver.seen, QStringList{error(kExcludedNotForgotten)});
            QVERIFY(!p.exists("Stat_forget.dictstat"));
        } else {
            QCOMPARE(p.read("Stat_forget.dictstat"), flags({1, 3, 4}, 4));
            QCOMPARE(p.forgottenPane(), QStringLiteral("  Забытых слов = 3"));
        }
    }

    void markingByNumbersKeepsExactlyThatSpan() {
        TempHome home;
        writeData(home, "Vocabulary.dictdat", dictionaryOf(numberedWords(10)));
        writeData(home, "Stat_forget.dictstat", flags({1, 10}, 10));
        TestProgram p(home);
        ModalDriver driver;
        driver.dialog = [](QWidget* d) {
            auto* start =
                d->findChild<QLineEdit*>(QStringLiteral("Поле_ввода_зрачение_начального_номера"));
            type(start, QStringLiteral("5x"));
            QCOMPARE(start->text(), QStringLiteral("5")); // letters cannot be typed
            type(d->findChild<QLineEdit*>(QStringLiteral("Поле_ввода_значение_конечного_номера")),
                 QStringLiteral("8"));
            QTest::keyClick(start, Qt::Key_Return);
        };
        p.key(Qt::Key_N, Qt::ControlModifier);
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(driver.seen.size(), 1);
        QVERIFY(driver.seen[0].startsWith(
            question(QStringLiteral("Вы действительно хотите отметить"))));
        QCOMPARE(p.read("Stat_forget.dictstat"), flags({5, 6, 7, 8}, 10));
        QCOMPARE(p.forgottenPane(), QStringLiteral("  Забытых слов = 4"));
    }

    void markingByNumbersChecksTheFields_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("text");
        QTest::newRow("no start") << ""
                                  << "3"
                                  << "Не заполнено поле ввода «Начальный номер:»";
        QTest::newRow("no end") << "3"
                                << ""
                                << "Не заполнено поле ввода «Конечный номер:»";
        QTest::newRow("start above end")
            << "4"
            << "3"
            << "Значение начального номера не может быть больше значения конечного номера.";
        QTest::newRow("zero") << "0"
                              << "3"
                              << "Значение начального номера не может быть меньше единицы.";
        QTest::newRow("beyond")
            << "2"
            << "11"
            << "Значение конечного номера не может быть больше количества записей в словаре.";
    }
    void markingByNumbersChecksTheFields() {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, text);
        TempHome home;
        writeData(home, "Vocabulary.dictdat", dictionaryOf(numberedWords(10)));
        TestProgram p(home);
        ModalDriver driver;
        bool stayedOpen = false;
        driver.dialog = [&](QWidget* d) {
            type(d->findChild<QLineEdit*>(QStringLiteral("Поле_ввода_зрачение_начального_номера")),
                 start);
            type(d->findChild<QLineEdit*>(QStringLiteral("Поле_ввода_значение_конечного_номера")),
                 end);
            d->findChild<QPushButton*>(QStringLiteral("Кнопка_отметить"))->click();
            stayedOpen = d->isVisible();
            d->close();
        };
        p.key(Qt::Key_N, Qt::ControlModifier);
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(driver.seen, QStringList{error(text)});
        QVERIFY(stayedOpen);
        QVERIFY(!p.exists("Stat_forget.dictstat"));
    }

    // ---- The forgotten-only view --------------------------------------------------------------

    void forgottenViewWithoutForgottenWords() {
        TempHome home;
        writeData(home, "Vocabulary.dictdat", dictionaryOf(numberedWords(5)));
        writeRange(home, false, 2, 4);
        TestProgram p(home);
        ModalDriver driver;
        p.key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(p.g->Rezhim_zabytye);
        QVERIFY(p.control<QCheckBox>("Переключатель_фильтр")->isChecked());
        QCOMPARE(p.form->model().rowCount(), 1);
        QCOMPARE(p.form->model().recordRows(), 0);
        QCOMPARE(p.control<QLabel>("Надпись_английское_слово")->text(), QString());

        p.key(Qt::Key_J, Qt::ControlModifier); // random jump
        p.key(Qt::Key_F5);                     // nothing to toggle
        p.key(Qt::Key_F8);                     // nothing to exclude
        driver.dialog = [](QWidget* d) {
            type(d->findChild<QLineEdit*>(QStringLiteral("Полее_ввода_номера")),
                 QStringLiteral("3"));
            d->findChild<QPushButton*>(QStringLiteral("Кнопка_перейти"))->click();
        };
        p.key(Qt::Key_G, Qt::ControlModifier);
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(driver.seen,
                 (QStringList{message(QStringLiteral("Забытые слова еще не сформированы ...")),
                              message(QStringLiteral("Забытые слова еще не сформированы."))}));
        QVERIFY(!p.exists("Stat_forget.dictstat"));
        QCOMPARE(p.read("Vocabulary.dictdat"), dictionaryOf(numberedWords(5)));

        // Switching it off selects the row of the range's last record.
        p.key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!p.g->Rezhim_zabytye);
        QCOMPARE(p.selectedRecord(), 4);
    }

    void clearingTheLastRowOfTheForgottenViewSelectsTheNewLastRow() {
        TempHome home;
        writeData(home, "Vocabulary.dictdat", dictionaryOf(numberedWords(6)));
        writeData(home, "Stat_forget.dictstat", flags({1, 3, 5}, 6));
        TestProgram p(home);
        ModalDriver driver;
        p.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(p.form->model().recordRows(), 3);
        p.key(Qt::Key_End);
        QCOMPARE(p.selectedRecord(), 1);
        p.key(Qt::Key_F5);
        QCOMPARE(p.read("Stat_forget.dictstat"), flags({3, 5}, 6));
        QCOMPARE(p.form->model().recordRows(), 2);
        QCOMPARE(p.form->selectedRow(), 2);
        QCOMPARE(p.selectedRecord(), 3);
        QCOMPARE(p.control<QLabel>("Надпись_английское_слово")->text(), QStringLiteral("word3"));
    }

    // In the forgotten-only view the keys of adding, inserting and deleting from a search field
    // change nothing; Del there clears the field.
    void searchFieldEditingKeysInForgottenView_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Ins") << int(Qt::Key_Insert) << int(Qt::NoModifier);
        QTest::newRow("Shift+Ins") << int(Qt::Key_Insert) << int(Qt::ShiftModifier);
        QTest::newRow("Ctrl+Ins") << int(Qt::Key_Insert) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+Del") << int(Qt::Key_Delete) << int(Qt::ControlModifier);
    }
    void searchFieldEditingKeysInForgottenView() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        TempHome home;
        writeData(home, "Vocabulary.dictdat", dictionaryOf(numberedWords(3)));
        writeData(home, "Stat_forget.dictstat", flags({2}, 3));
        TestProgram p(home);
        ModalDriver driver;
        bool dialog = false;
        driver.dialog = [&](QWidget* d) {
            dialog = true;
            d->close();
        };
        p.key(Qt::Key_Z, Qt::ControlModifier);
        auto* field = p.control<QLineEdit>("Поле_ввода_для_поиска_английского_слова");
        field->setFocus();
        type(field, QStringLiteral("wo"));
        QTest::keyClick(field, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTest::qWait(50);
        QVERIFY(!dialog);
        QCOMPARE(driver.seen, QStringList());
        QCOMPARE(field->text(), QStringLiteral("wo")); // nothing pasted or cut
        QCOMPARE(p.read("Vocabulary.dictdat"), dictionaryOf(numberedWords(3)));
        QTest::keyClick(field, Qt::Key_Delete);
        QCOMPARE(field->text(), QString());
    }

    // ---- Marks --------------------------------------------------------------------------------

    void marksToggleResetAndLink() {
        TempHome home;
        QList<Word> words = numberedWords(5);
        words[3].excluded = true; // record 4
        writeData(home, "Vocabulary.dictdat", dictionaryOf(words));
        writeData(home, "Stat_forget.dictstat", flags({5}, 5));
        TestProgram p(home);
        ModalDriver driver;
        driver.setYes(true);
        p.key(Qt::Key_O, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(driver.seen,
                 QStringList{message(QStringLiteral("Пока нет ни одного отмеченного слова."))});
        driver.seen.clear();

        for (int record : {2, 4}) {
            p.selectRecord(record);
            p.key(Qt::Key_F9);
        }
        const QByteArray dict = p.read("Vocabulary.dictdat");
        for (int n = 1; n <= 5; ++n)
            QCOMPARE(DictRecord::decode(dict.constData() + (n - 1) * DictRecord::kSize).Otmecheno,
                     n == 2 || n == 4);
        QVERIFY(p.form->model().isMarked(p.form->selectedRow() - 1));

        p.key(Qt::Key_O, Qt::ControlModifier); // link: only record 2 may become forgotten
        QCOMPARE(p.read("Stat_forget.dictstat"), flags({2}, 5));
        QCOMPARE(p.forgottenPane(), QStringLiteral("  Забытых слов = 1"));

        p.key(Qt::Key_O, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(p.read("Vocabulary.dictdat"), dictionaryOf(words));

        p.key(Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(!p.exists("Stat_forget.dictstat"));
        QCOMPARE(p.forgottenPane(), QString());
        QCOMPARE(driver.seen.size(), 3);
        QVERIFY(driver.seen[2].contains(QStringLiteral("Обнулить забытые слова?")));

        driver.seen.clear();
        p.key(Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(driver.seen,
                 QStringList{message(QStringLiteral("Забытые слова еще не сформированы ..."))});
    }

    void markingByDateWithQuestionAboutOldMarks_data() {
        QTest::addColumn<bool>("removeOld");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("keep old, Enter on the calendar") << false << flags({1, 3, 4}, 5) << true;
        QTest::newRow("remove old, button") << true << flags({3, 4}, 5) << false;
    }
    void markingByDateWithQuestionAboutOldMarks() {
        QFETCH(bool, removeOld);
        QFETCH(QByteArray, after);
        QFETCH(bool, byEnter);
        TempHome home;
        QList<Word> words = numberedWords(5);
        words[2].added = words[3].added = 45100; // records 3 and 4
        writeData(home, "Vocabulary.dictdat", dictionaryOf(words));
        writeData(home, "Stat_forget.dictstat", flags({1}, 5));
        TestProgram p(home);
        ModalDriver driver(removeOld);
        QString label;
        driver.dialog = [&](QWidget* d) {
            d->findChild<QCalendarWidget*>(QStringLiteral("Календарь"))
                ->setSelectedDate(fromDelphiDate(45100));
            label = d->findChild<QLabel*>(QStringLiteral("Надпись_выбранная_дата"))->text();
            if (byEnter)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            else
                d->findChild<QPushButton*>(
                     QStringLiteral("Кнопка_отметить_слова_по_выбранной_дате"))
                    ->click();
            QTimer::singleShot(50, d, [d] { d->close(); });
        };
        p.key(Qt::Key_D, Qt::ControlModifier);
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(label, QStringLiteral("Выбранная дата: ") +
                            fromDelphiDate(45100).toString(QStringLiteral("dd.MM.yyyy")));
        QCOMPARE(driver.seen,
                 (QStringList{question(QStringLiteral("Сейчас в словаре отмечено забытых слов в "
                                                      "количестве = 1. Нужно ли при устаноке новых "
                                                      "отметок удалять старые?")),
                              message(QStringLiteral("Количество слов отмеченных по дате = 2."))}));
        QCOMPARE(p.read("Stat_forget.dictstat"), after);
        QCOMPARE(p.form->selectedRow(), 1);
    }

    // ---- Exclusion ----------------------------------------------------------------------------

    void exclusionToggle_data() {
        QTest::addColumn<QList<int>>("excluded");
        QTest::addColumn<int>("forgotten"); // 0: none
        QTest::addColumn<int>("select");
        QTest::addColumn<bool>("groups");
        QTest::addColumn<QString>("seen");
        QTest::addColumn<QList<int>>("excludedAfter");
        QTest::newRow("forgotten")
            << QList<int>{} << 2 << 2 << false
            << error(QStringLiteral("Нельзя слово исключать из показа в упражнениях, если оно "
                                    "отмечено как забытое."))
            << QList<int>{};
        QTest::newRow("last allowed")
            << QList<int>{1, 3} << 0 << 2 << false
            << error(QStringLiteral("Нельзя исключить из показа в упражнениях все записи."))
            << QList<int>{1, 3};
        QTest::newRow("exclude") << QList<int>{1} << 0 << 2 << false
                                 << question(QStringLiteral(
                                        "Вы действительно хотите сделать так, что бы это слово и "
                                        "его перевод больше не показывались в упражнениях?"))
                                 << QList<int>{1, 2};
        QTest::newRow("include") << QList<int>{1, 2, 3} << 0 << 2 << false
                                 << question(QStringLiteral(
                                        "Вы действительно хотите сделать так, что бы это слово и "
                                        "его перевод теперь показывались в упражнениях?"))
                                 << QList<int>{1, 3};
        QTest::newRow("groups window open")
            << QList<int>{} << 0 << 2 << true << QString() << QList<int>{};
    }
    void exclusionToggle() {
        QFETCH(QList<int>, excluded);
        QFETCH(int, forgotten);
        QFETCH(int, select);
        QFETCH(bool, groups);
        QFETCH(QString, seen);
        QFETCH(QList<int>, excludedAfter);
        TempHome home;
        QList<Word> words = numberedWords(3);
        for (int n : excluded)
            words[n - 1].excluded = true;
        writeData(home, "Vocabulary.dictdat", dictionaryOf(words));
        if (forgotten)
            writeData(home, "Stat_forget.dictstat", flags({forgotten}, 3));
        TestProgram p(home);
        ModalDriver driver;
        p.g->Okno_grupp_otkryto = groups;
        p.selectRecord(select);
        p.key(Qt::Key_F8);
        QTest::qWait(20);
        QCOMPARE(driver.seen, seen.isEmpty() ? QStringList() : QStringList{seen});
        const QByteArray dict = p.read("Vocabulary.dictdat");
        for (int n = 1; n <= 3; ++n) {
            const bool x = DictRecord::decode(dict.constData() + (n - 1) * DictRecord::kSize)
                               .Zapreshcheno_k_pokazu;
            QCOMPARE(x, excludedAfter.contains(n));
            QCOMPARE(p.form->model().isExcluded(3 - n), x); // the table shows the file
        }
    }

    // ---- Jumps and searches -------------------------------------------------------------------

    void randomJumpStaysInRangeAndSkipsExcludedRecords() {
        TempHome home;
        QList<Word> words = numberedWords(20);
        words[5].excluded = words[6].excluded = true; // records 6 and 7
        writeData(home, "Vocabulary.dictdat", dictionaryOf(words));
        writeRange(home, false, 5, 10);
        TestProgram p(home);
        ModalDriver driver;
        QSet<int> landed;
        int previous = p.selectedRecord();
        for (int i = 0; i < 200; ++i) {
            p.key(Qt::Key_J, Qt::ControlModifier);
            const int record = p.selectedRecord();
            QVERIFY2(record >= 5 && record <= 10 && record != 6 && record != 7,
                     qPrintable(QString::number(record)));
            QVERIFY(record != previous);
            QCOMPARE(p.control<QLabel>("Надпись_английское_слово")->text(),
                     QStringLiteral("word%1").arg(record));
            previous = record;
            landed << record;
        }
        QCOMPARE(landed, (QSet<int>{5, 8, 9, 10}));
        QCOMPARE(driver.seen, QStringList());
    }

    void randomJumpInForgottenViewLandsOnForgottenRecords() {
        TempHome home;
        writeData(home, "Vocabulary.dictdat", dictionaryOf(numberedWords(12)));
        writeData(home, "Stat_forget.dictstat", flags({2, 5, 9}, 12));
        TestProgram p(home);
        ModalDriver driver;
        p.key(Qt::Key_Z, Qt::ControlModifier);
        QSet<int> landed;
        int previous = p.selectedRecord();
        for (int i = 0; i < 60; ++i) {
            p.key(Qt::Key_J, Qt::ControlModifier);
            const int record = p.selectedRecord();
            QVERIFY(record != previous);
            previous = record;
            landed << record;
        }
        QCOMPARE(landed, (QSet<int>{2, 5, 9}));
        QCOMPARE(driver.seen, QStringList());
    }

    void randomJumpWithoutCandidateKeepsSelection() {
        TempHome home;
        QList<Word> words = numberedWords(6);
        words[2].excluded = true; // record 3
        writeData(home, "Vocabulary.dictdat", dictionaryOf(words));
        writeRange(home, false, 3, 4);
        TestProgram p(home);
        ModalDriver driver;
        p.selectRecord(4);
        p.key(Qt::Key_J, Qt::ControlModifier);
        QCOMPARE(p.selectedRecord(), 4);
        QCOMPARE(driver.seen, QStringList());
    }

    void goToNumber_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("record");
        const QString limit = QStringLiteral("Значение номера для перехода не может быть нулем или "
                                             "больше чем количество записей в словаре  = 10.");
        QTest::newRow("zero") << "0" << limit << 0;
        QTest::newRow("above count") << "11" << limit << 0;
        QTest::newRow("empty") << ""
                               << "Значение номера для перехода не может быть пустым..." << 0;
        QTest::newRow("letters") << "ab"
                                 << "Значение номера для перехода не может быть пустым..." << 0;
        QTest::newRow("seven") << "7" << QString() << 7;
        QTest::newRow("ten") << "10" << QString() << 10;
    }
    void goToNumber() {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, record);
        TempHome home;
        writeData(home, "Vocabulary.dictdat", dictionaryOf(numberedWords(10)));
        TestProgram p(home);
        ModalDriver driver;
        bool open = false;
        driver.dialog = [&](QWidget* d) {
            auto* field = d->findChild<QLineEdit*>(QStringLiteral("Полее_ввода_номера"));
            QCOMPARE(QApplication::focusWidget(), field);
            type(field, typed);
            QTest::keyClick(field, Qt::Key_Return);
            open = d->isVisible();
            QTest::keyClick(field, Qt::Key_Escape);
        };
        p.selectRecord(1);
        p.key(Qt::Key_G, Qt::ControlModifier);
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(driver.seen, text.isEmpty() ? QStringList() : QStringList{message(text)});
        QCOMPARE(open, !text.isEmpty());
        QCOMPARE(p.selectedRecord(), record == 0 ? 1 : record);
    }

    void englishSearchGoesOnAndRestartsWhenTyping() {
        TempHome home;
        QList<Word> words = numberedWords(10);
        // Newest first: row r shows record 11 - r.
        words[9 - 1].english = QStringLiteral("Cat");  // row 2
        words[6 - 1].english = QStringLiteral("cap");  // row 5
        words[2 - 1].english = QStringLiteral("scar"); // row 9
        writeData(home, "Vocabulary.dictdat", dictionaryOf(words));
        TestProgram p(home);
        ModalDriver driver;
        auto* field = p.control<QLineEdit>("Поле_ввода_для_поиска_английского_слова");
        field->setFocus();
        type(field, QStringLiteral(" CA "));
        for (int row : {2, 5, 9}) {
            QTest::keyClick(field, Qt::Key_Return);
            QCOMPARE(p.form->selectedRow(), row);
        }
        const QString allFound = message(QStringLiteral(
            "Все слова с искомым английским словом (подстрокой) уже были найдены ..."));
        QTest::keyClick(field, Qt::Key_Return);
        p.control<QPushButton>("Кнопка_искать_далее_английскую_подстроку")->click();
        QCOMPARE(driver.seen, (QStringList{allFound, allFound}));
        QCOMPARE(p.form->selectedRow(), 9);
        // The field is the window's focus widget again; whether the window system has made the
        // window active again by now is not the program's doing.
        QTRY_COMPARE(p.form->focusWidget(), static_cast<QWidget*>(field));

        QTest::keyClick(field, Qt::Key_Backspace); // any change starts over
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(p.form->selectedRow(), 2);
        QCOMPARE(p.control<QLabel>("Надпись_английское_слово")->text(), QStringLiteral("Cat"));
    }

    void translationSearchWithFindNextButton() {
        TempHome home;
        QList<Word> words = numberedWords(6);
        words[5].translation = QStringLiteral("Кошка");   // row 1
        words[2].translation = QStringLiteral("кошечка"); // row 4
        writeData(home, "Vocabulary.dictdat", dictionaryOf(words));
        TestProgram p(home);
        ModalDriver driver;
        auto* field = p.control<QLineEdit>("Поле_ввода_для_поиска_подстроки_перевода");
        auto* next = p.control<QPushButton>("Кнопка_искать_далее");
        field->setFocus();
        type(field, QStringLiteral("КОШ"));
        next->click();
        QCOMPARE(p.form->selectedRow(), 1);
        next->click();
        QCOMPARE(p.form->selectedRow(), 4);
        next->click();
        QCOMPARE(driver.seen, QStringList{message(QStringLiteral(
                                  "Все слова с искомой подстрокой уже были найдены ..."))});

        // Entering the field again starts over.
        p.activate();
        p.table().setFocus();
        field->setFocus();
        next->click();
        QCOMPARE(p.form->selectedRow(), 1);

        driver.seen.clear();
        p.control<QCheckBox>("Переключатель_перевод")->click();
        p.activate();
        field->setFocus();
        next->click();
        QCOMPARE(driver.seen,
                 QStringList{message(QStringLiteral(
                     "Для поиска подстроки, режим показа перевода должен быть включен. Сделайте "
                     "это с помощью клавиши <Пробел>."))});
        // The table is the window's focus widget again; whether the window system has handed
        // the activation back yet is its own timing.
        QTRY_COMPARE(p.form->focusWidget(), static_cast<QWidget*>(&p.table()));
    }

    // Enter on the focused "Искать далее" presses it, as Space does.
    void enterOnFindNextButtonSearches() {
        TempHome home;
        QList<Word> words = numberedWords(6);
        words[5].translation = QStringLiteral("Кошка");   // row 1
        words[2].translation = QStringLiteral("кошечка"); // row 4
        writeData(home, "Vocabulary.dictdat", dictionaryOf(words));
        TestProgram p(home);
        ModalDriver driver;
        p.activate();
        auto* field = p.control<QLineEdit>("Поле_ввода_для_поиска_подстроки_перевода");
        auto* next = p.control<QPushButton>("Кнопка_искать_далее");
        field->setFocus();
        type(field, QStringLiteral("КОШ"));
        next->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), next);
        QTest::keyClick(next, Qt::Key_Return);
        QCOMPARE(p.form->selectedRow(), 1);
        next->setFocus(Qt::TabFocusReason);
        QTest::keyClick(next, Qt::Key_Space);
        QCOMPARE(p.form->selectedRow(), 4);
        QCOMPARE(driver.seen, QStringList());
    }
};

QTEST_MAIN(SearchMarkTests)
#include "SearchMarkTests.moc"
