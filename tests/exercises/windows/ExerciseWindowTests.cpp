// The exercise range window, the history reset window and the English and Russian recognition
// exercises, started from the main window's commands and driven through their controls and
// keys, with the data files checked afterwards.

#include "app/core/Globals.h"
#include "app/windows/MessageWindows.h"
#include "app/windows/Okna.h"
#include "exercises/windows/HistoryResetWindow.h"
#include "exercises/windows/RangeWindow.h"
#include "exercises/windows/RecognitionWindows.h"
#include "store/RecordTableModel.h"
#include "store/Records.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/common/RecordTableView.h"
#include "ui/main/TMainForm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
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

const QString kEngFinishedRange = QStringLiteral(
    "Все английские солова (английский текст), включенные в диапазон для упражнений, просмотрены!");
const QString kEngQuestion = QStringLiteral("Все английские солова (английский текст) уже "
                                            "просмотрены. Вы хотите начать упражнение заново?");
const QString kTextForgottenMode =
    QStringLiteral("При использовании режима «Забытые» ни одно слово не входит в установленный "
                   "диапазон для упражнений.");
const QString kTextExcludeAll =
    QStringLiteral("Нельзя исключить из показа в упражнения все записи.");
const QString kTextExcludeForgotten = QStringLiteral(
    "Нельзя слово исключать из показа в упражнениях, если оно отмечено как забытое.");

// The words here carry a transcription of their own, which the recognition windows show.
QString ownTranscription(const Word& w) {
    return QStringLiteral("тр ") + w.english;
}

// Answers the next message, question or error window with `button`, keeping its text.
std::shared_ptr<QString> answer(const char* window, const char* button) {
    auto text = std::make_shared<QString>();
    const std::string b = button;
    whenModal(QString::fromUtf8(window), [text, b](QWidget* w) {
        *text = windowText(w);
        click(w, b.c_str());
    });
    return text;
}
std::shared_ptr<QString> closeMessage() {
    return answer("TForma_soobshenie", "Кнопка_закрыть");
}
std::shared_ptr<QString> closeError() {
    return answer("TForma_soobschenie_ob_oschibke", "Кнопка_закрыть");
}

int ones(const QByteArray& b) {
    return int(b.count('\1'));
}

// The program on one data folder.
class TestProgram : public WindowProgram {
public:
    explicit TestProgram(const TempHome& home) : WindowProgram(home) { start(); }
};

const char* const kHistoryFiles[] = {"Stat_eng.dictstat", "Stat_rus.dictstat",
                                     "Stat_per_eng.dictstat", "Stat_per_rus.dictstat",
                                     "Stat_pair.dictstat"};

} // namespace

class ExerciseWindowTests : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeLeftovers(); }

    void rangeWindowChecks_data();
    void rangeWindowChecks();
    void rangeWindowWholeDictionaryBox();
    void rangeSaveDiscardsHistoriesAndMovesTheTable();
    void rangeClosedWithoutSavingChangesNothing_data();
    void rangeClosedWithoutSavingChangesNothing();
    void rangeRefusedOnEmptyDictionary();
    void rangeEnterPressesTheFocusedButton_data();
    void rangeEnterPressesTheFocusedButton();

    void resetRefusesWithNothingTicked();
    void resetDeletesOnlyTheTicked();
    void resetWithoutHistories();
    void resetEnterPressesTheFocusedButton();
    void recognitionEnterPressesTheFocusedButton_data();
    void recognitionEnterPressesTheFocusedButton();

    void englishOneRecordRange();
    void englishStopKeepsAnswersInHistory();
    void englishForgotMarksAndSelectsWord();
    void f5ForgetsEvenWhileButtonDisabled();
    void allDoneQuestion_data();
    void allDoneQuestion();
    void startRefusals_data();
    void startRefusals();
    void boxRefusedWhenTooFewAllowed();
    void boxExcludesOrRefusesForgotten_data();
    void boxExcludesOrRefusesForgotten();
    void englishCaptionHintAndPane();

    void russianShowsTranslationAndFinishesWhole();
    void russianHintGivesEnglishWord();
    void russianIgnoredWhileGroupsOpen();
};

// ---- Range window ---------------------------------------------------------------------------

void ExerciseWindowTests::rangeWindowChecks_data() {
    QTest::addColumn<QString>("startTyped");
    QTest::addColumn<QString>("endTyped");
    QTest::addColumn<QString>("startShown");
    QTest::addColumn<QString>("endShown");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("focus");
    const QString start = QStringLiteral("Поле_ввода_начального_номера");
    const QString end = QStringLiteral("Поле_ввода_конечного_номера");
    QTest::newRow("empty start") << ""
                                 << "5"
                                 << ""
                                 << "5"
                                 << "Поле ввода начального номера не может быть пустым." << start;
    QTest::newRow("empty end") << "3"
                               << ""
                               << "3"
                               << ""
                               << "Поле ввода конечного номера не может быть пустым." << end;
    QTest::newRow("both empty: start first")
        << ""
        << ""
        << ""
        << ""
        << "Поле ввода начального номера не может быть пустым." << start;
    QTest::newRow("end above count")
        << "1"
        << "11"
        << "1"
        << "11"
        << "Конечный номер не может быть больше чем количество записей в словаре." << end;
    QTest::newRow("start above end") << "7"
                                     << "6"
                                     << "7"
                                     << "6"
                                     << "Начальный номер не может быть больше конечного." << start;
    QTest::newRow("start 0") << "0"
                             << "4"
                             << "0"
                             << "4"
                             << "Начальный номер не может быть меньше единицы." << start;
    QTest::newRow("0 to 0") << "0"
                            << "0"
                            << "0"
                            << "0"
                            << "Начальный номер не может быть меньше единицы." << start;
    QTest::newRow("sixth digit refused")
        << "1"
        << "100005"
        << "1"
        << "10000"
        << "Конечный номер не может быть больше чем количество записей в словаре." << end;
    QTest::newRow("letters ignored, end equal to count accepted") << "x2y"
                                                                  << "1ф0"
                                                                  << "2"
                                                                  << "10"
                                                                  << ""
                                                                  << "";
}

void ExerciseWindowTests::rangeWindowChecks() {
    QFETCH(QString, startTyped);
    QFETCH(QString, endTyped);
    QFETCH(QString, startShown);
    QFETCH(QString, endShown);
    QFETCH(QString, error);
    QFETCH(QString, focus);
    TempHome home;
    writeDictionary(home, numberedWords(10), ownTranscription);
    writeRange(home, false, 4, 5);
    TestProgram p(home);

    auto shown = std::make_shared<QStringList>();
    auto errorText = std::make_shared<QString>(QStringLiteral("(none)"));
    auto focused = std::make_shared<QString>();
    whenModal(QStringLiteral("TForma_izmeneniy_diapazona"), [=](QWidget* w) {
        auto* s = child<QLineEdit>(w, "Поле_ввода_начального_номера");
        auto* e = child<QLineEdit>(w, "Поле_ввода_конечного_номера");
        s->clear();
        e->clear();
        type(s, startTyped);
        type(e, endTyped);
        *shown = {s->text(), e->text()};
        if (!error.isEmpty()) {
            whenModal(QStringLiteral("TForma_soobschenie_ob_oschibke"), [=](QWidget* m) {
                *errorText = windowText(m);
                click(m, "Кнопка_закрыть");
            });
        }
        click(w, "Кнопка_сохранить");
        if (w->isVisible()) {
            *focused = w->focusWidget() ? w->focusWidget()->objectName() : QString();
            key(w, Qt::Key_Escape);
        }
    });
    p.trigger("Действие_изменить_диапазон");

    QCOMPARE(*shown, QStringList({startShown, endShown}));
    if (error.isEmpty()) {
        QCOMPARE(*errorText, QStringLiteral("(none)"));
        QCOMPARE(p.g->Nachalo_diapazona, startShown.toInt());
        QCOMPARE(p.g->Konets_diapazona, endShown.toInt());
    } else {
        QCOMPARE(*errorText, error);
        QCOMPARE(*focused, focus);
        QCOMPARE(p.g->Nachalo_diapazona, 4);
        QCOMPARE(p.g->Konets_diapazona, 5);
    }
}

void ExerciseWindowTests::rangeWindowWholeDictionaryBox() {
    TempHome home;
    writeDictionary(home, numberedWords(10), ownTranscription);
    writeRange(home, false, 4, 5);
    TestProgram p(home);

    auto seen = std::make_shared<QStringList>();
    whenModal(QStringLiteral("TForma_izmeneniy_diapazona"), [=](QWidget* w) {
        auto* s = child<QLineEdit>(w, "Поле_ввода_начального_номера");
        auto* e = child<QLineEdit>(w, "Поле_ввода_конечного_номера");
        auto* box = child<QCheckBox>(w, "Включатель_всего_диапазона_слов");
        auto* toEnd = child<QPushButton>(w, "Кнопка_до_конца");
        *seen << s->text() << e->text() << QString::number(box->isChecked())
              << w->focusWidget()->objectName();
        box->click();
        *seen << s->text() << e->text()
              << QString::number(s->isEnabled() || e->isEnabled() || toEnd->isEnabled());
        box->click();
        *seen << s->text() << e->text() << QString::number(s->isEnabled() && toEnd->isEnabled())
              << w->focusWidget()->objectName();
        box->click();
        click(w, "Кнопка_сохранить");
    });
    p.trigger("Действие_изменить_диапазон");

    QCOMPARE(*seen, QStringList({"4", "5", "0", "Поле_ввода_начального_номера", "1", "10", "0", "",
                                 "", "1", "Поле_ввода_начального_номера"}));
    QVERIFY(p.g->Vse_slova_slovarya);
    QCOMPARE(p.g->Razmer_diapazona, 10);
    QCOMPARE(p.read("upragneniy.uprdat").left(1), test::bytes({1}));
}

void ExerciseWindowTests::rangeSaveDiscardsHistoriesAndMovesTheTable() {
    TempHome home;
    writeDictionary(home, numberedWords(10), ownTranscription);
    writeRange(home, true, 1, 10);
    for (const char* f : kHistoryFiles)
        writeData(home, f, QByteArray(10, '\1'));
    TestProgram p(home);

    auto focusOnShow = std::make_shared<QString>();
    whenModal(QStringLiteral("TForma_izmeneniy_diapazona"), [=](QWidget* w) {
        // With the edits disabled the box has the focus, so a stray space toggles it rather
        // than saving and discarding every history.
        *focusOnShow = w->focusWidget() ? w->focusWidget()->objectName() : QString();
        child<QCheckBox>(w, "Включатель_всего_диапазона_слов")->click();
        type(child<QLineEdit>(w, "Поле_ввода_начального_номера"), QStringLiteral("3"));
        type(child<QLineEdit>(w, "Поле_ввода_конечного_номера"), QStringLiteral("3"));
        key(w, Qt::Key_Return); // the default button
    });
    p.trigger("Действие_изменить_диапазон");

    QCOMPARE(*focusOnShow, QStringLiteral("Включатель_всего_диапазона_слов"));
    QCOMPARE(p.g->Nachalo_diapazona, 3);
    QCOMPARE(p.g->Konets_diapazona, 3);
    QCOMPARE(p.g->Razmer_diapazona, 1);
    QVERIFY(!p.g->Vse_slova_slovarya);
    QVERIFY(!p.g->Diapazon_izmenen);
    QVERIFY(p.g->Obnovit_angliyskie_slova && p.g->Obnovit_pary && p.g->Obnovit_proslushivanie);
    for (const char* f : kHistoryFiles)
        QVERIFY2(!p.exists(f), f);
    QCOMPARE(p.read("upragneniy.uprdat"),
             test::bytes({0, 0, 0, 0, 3, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0}));
    // Record 3 of 10 stands in row 8 and becomes the selected top row.
    QCOMPARE(p.form->selectedRow(), 8);
    QCOMPARE(p.wordLabel(), QStringLiteral("word3"));
    QVERIFY(p.form->windowTitle().contains(QStringLiteral("3 - 3")));
}

void ExerciseWindowTests::rangeClosedWithoutSavingChangesNothing_data() {
    QTest::addColumn<bool>("pressToEnd");
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("Esc") << false << true;
    QTest::newRow("Закрыть") << false << false;
    QTest::newRow("До конца, then Esc") << true << true;
    QTest::newRow("До конца, then Закрыть") << true << false;
}

void ExerciseWindowTests::rangeClosedWithoutSavingChangesNothing() {
    QFETCH(bool, pressToEnd);
    QFETCH(bool, byEscape);
    TempHome home;
    writeDictionary(home, numberedWords(10), ownTranscription);
    writeRange(home, false, 2, 10, true);
    writeData(home, "Stat_eng.dictstat", QByteArray(9, '\1'));
    TestProgram p(home);
    const QByteArray rangeFile = p.read("upragneniy.uprdat");
    QVERIFY(p.g->Do_kontsa);

    whenModal(QStringLiteral("TForma_izmeneniy_diapazona"), [=](QWidget* w) {
        auto* s = child<QLineEdit>(w, "Поле_ввода_начального_номера");
        s->clear();
        type(s, QStringLiteral("5"));
        if (pressToEnd)
            click(w, "Кнопка_до_конца");
        if (byEscape)
            key(w, Qt::Key_Escape);
        else
            click(w, "Кнопка_закрыть");
    });
    p.trigger("Действие_изменить_диапазон");

    QVERIFY(!p.okna().Forma_izmeneniy_diapazona->isVisible());
    QVERIFY(p.g->Do_kontsa);
    QCOMPARE(p.g->Nachalo_diapazona, 2);
    QVERIFY(!p.g->Diapazon_izmenen);
    QCOMPARE(p.read("upragneniy.uprdat"), rangeFile);
    QCOMPARE(p.read("Stat_eng.dictstat"), QByteArray(9, '\1'));
}

void ExerciseWindowTests::rangeRefusedOnEmptyDictionary() {
    TempHome home;
    TestProgram p(home);
    auto text = closeMessage();
    p.trigger("Действие_изменить_диапазон");
    QCOMPARE(*text, QStringLiteral("В словаре еще нет записей ..."));
}

// Enter presses the button that has the focus; "Сохранить" takes it only from the other controls.
void ExerciseWindowTests::rangeEnterPressesTheFocusedButton_data() {
    QTest::addColumn<QStringList>("presses"); // controls that get the focus and then Enter
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("toEnd");
    QTest::newRow("Закрыть") << QStringList{"Кнопка_закрыть"} << false << false;
    QTest::newRow("До конца, then Закрыть")
        << QStringList{"Кнопка_до_конца", "Кнопка_закрыть"} << false << false;
    // "До конца" puts the focus on the end edit; Enter there is the default button's.
    QTest::newRow("До конца, then the end edit")
        << QStringList{"Кнопка_до_конца", "Поле_ввода_конечного_номера"} << true << true;
    QTest::newRow("Сохранить") << QStringList{"Кнопка_сохранить"} << true << false;
    QTest::newRow("the start edit") << QStringList{"Поле_ввода_начального_номера"} << true << false;
}

void ExerciseWindowTests::rangeEnterPressesTheFocusedButton() {
    QFETCH(QStringList, presses);
    QFETCH(bool, saved);
    QFETCH(bool, toEnd);
    TempHome home;
    writeDictionary(home, numberedWords(10), ownTranscription);
    writeRange(home, false, 2, 6);
    for (const char* f : kHistoryFiles)
        writeData(home, f, QByteArray(5, '\1'));
    TestProgram p(home);
    const QByteArray rangeFile = p.read("upragneniy.uprdat");

    auto endShown = std::make_shared<QString>();
    auto stillOpen = std::make_shared<bool>(false);
    whenModal(QStringLiteral("TForma_izmeneniy_diapazona"), [=](QWidget* w) {
        for (const QString& name : presses) {
            if (!w->isVisible())
                return;
            auto* control = w->findChild<QWidget*>(name);
            if (name != presses.last() || control != w->focusWidget())
                control->setFocus(Qt::TabFocusReason);
            QTest::keyClick(control, Qt::Key_Return);
            *endShown = child<QLineEdit>(w, "Поле_ввода_конечного_номера")->text();
        }
        *stillOpen = w->isVisible();
        if (w->isVisible())
            key(w, Qt::Key_Escape);
    });
    p.trigger("Действие_изменить_диапазон");

    QVERIFY(!*stillOpen);
    if (presses.first() == QLatin1String("Кнопка_до_конца"))
        QCOMPARE(*endShown, QStringLiteral("10"));
    for (const char* f : kHistoryFiles)
        QCOMPARE(p.exists(f), !saved);
    QCOMPARE(p.g->Do_kontsa, toEnd);
    if (!saved) {
        QCOMPARE(p.read("upragneniy.uprdat"), rangeFile);
        return;
    }
    const int end = toEnd ? 10 : 6;
    QCOMPARE(p.read("upragneniy.uprdat"),
             test::bytes({0, 0, 0, 0, 2, 0, 0, 0, end, 0, 0, 0, toEnd ? 1 : 0, 0, 0, 0}));
}

// ---- History reset --------------------------------------------------------------------------

void ExerciseWindowTests::resetRefusesWithNothingTicked() {
    TempHome home;
    writeDictionary(home, numberedWords(4), ownTranscription);
    writeData(home, "Stat_rus.dictstat", test::bytes({1, 0, 1, 0}));
    TestProgram p(home);

    auto error = std::make_shared<QString>();
    auto focus = std::make_shared<QString>();
    whenModal(QStringLiteral("TForma_obnulenie_istoriy"), [=](QWidget* w) {
        whenModal(QStringLiteral("TForma_soobschenie_ob_oschibke"), [=](QWidget* m) {
            *error = windowText(m);
            click(m, "Кнопка_закрыть");
        });
        click(w, "Кнопка_обнулить_отмеченные_истории");
        *focus = w->focusWidget()->objectName();
        // Ticked and then closed with Esc: nothing is confirmed.
        click(w, "Кнопка_отметить_все");
        key(w, Qt::Key_Escape);
    });
    p.trigger("Действие_обнулить_историю");

    QCOMPARE(*error, QStringLiteral("Не отмечено ни одной истории."));
    QCOMPARE(*focus, QStringLiteral("Кнопка_закрыть"));
    QCOMPARE(p.read("Stat_rus.dictstat"), test::bytes({1, 0, 1, 0}));
}

void ExerciseWindowTests::resetDeletesOnlyTheTicked() {
    TempHome home;
    writeDictionary(home, numberedWords(4), ownTranscription);
    for (const char* f : kHistoryFiles)
        writeData(home, f, test::bytes({1, 1, 0, 0}));
    TestProgram p(home);
    QCOMPARE(p.pane("Панель_вывода_остатка_непредъявленных_слов"),
             QStringLiteral("  Остаток английских = 2"));
    QCOMPARE(p.pane("Панель_вывода_несопоставленных_пар"),
             QStringLiteral("  Несопоставленных пар = 2"));

    whenModal(QStringLiteral("TForma_obnulenie_istoriy"), [](QWidget* w) {
        // The boxes are clear at every showing.
        for (const char* name : {"Включатель_английские_слова", "Включатель_сопоставление_пар"})
            child<QCheckBox>(w, name)->click();
        click(w, "Кнопка_обнулить_отмеченные_истории");
    });
    p.trigger("Действие_обнулить_историю");

    QVERIFY(!p.exists("Stat_eng.dictstat"));
    QVERIFY(!p.exists("Stat_pair.dictstat"));
    QVERIFY(p.exists("Stat_rus.dictstat"));
    QVERIFY(p.exists("Stat_per_eng.dictstat"));
    QVERIFY(p.exists("Stat_per_rus.dictstat"));
    // A reset history has no file: its pane is empty.
    QCOMPARE(p.pane("Панель_вывода_остатка_непредъявленных_слов"), QString());
    QCOMPARE(p.pane("Панель_вывода_несопоставленных_пар"), QString());
    QCOMPARE(p.pane("Панель_вывода_непредъявленных_русских_слов"),
             QStringLiteral("  Остаток русских = 2"));

    // A second opening starts with clear boxes: ticking one more resets only that one.
    whenModal(QStringLiteral("TForma_obnulenie_istoriy"), [](QWidget* w) {
        QVERIFY(!child<QCheckBox>(w, "Включатель_английские_слова")->isChecked());
        child<QCheckBox>(w, "Включатель_русские_слова")->click();
        click(w, "Кнопка_обнулить_отмеченные_истории");
    });
    p.trigger("Действие_обнулить_историю");
    QVERIFY(!p.exists("Stat_rus.dictstat"));
    QVERIFY(p.exists("Stat_per_eng.dictstat"));
}

void ExerciseWindowTests::resetWithoutHistories() {
    TempHome home;
    writeDictionary(home, numberedWords(4), ownTranscription);
    TestProgram p(home);
    auto text = closeMessage();
    p.trigger("Действие_обнулить_историю");
    QCOMPARE(*text, QStringLiteral("Истории упражнений еще не формировались. Обнулять нечего."));
}

void ExerciseWindowTests::resetEnterPressesTheFocusedButton() {
    TempHome home;
    writeDictionary(home, numberedWords(4), ownTranscription);
    for (const char* f : kHistoryFiles)
        writeData(home, f, test::bytes({1, 1, 0, 0}));
    TestProgram p(home);

    // The window opens with the focus on "Закрыть": Enter closes it and confirms nothing.
    auto focusOnShow = std::make_shared<QString>();
    auto ticked = std::make_shared<int>(0);
    auto closedByEnter = std::make_shared<bool>(false);
    whenModal(QStringLiteral("TForma_obnulenie_istoriy"), [=](QWidget* w) {
        *focusOnShow = w->focusWidget()->objectName();
        auto* all = child<QPushButton>(w, "Кнопка_отметить_все");
        all->setFocus(Qt::TabFocusReason);
        QTest::keyClick(all, Qt::Key_Return);
        for (QCheckBox* box : w->findChildren<QCheckBox*>())
            *ticked += box->isChecked() ? 1 : 0;
        auto* close = child<QPushButton>(w, "Кнопка_закрыть");
        close->setFocus(Qt::TabFocusReason);
        QTest::keyClick(close, Qt::Key_Return);
        *closedByEnter = !w->isVisible();
        if (w->isVisible())
            key(w, Qt::Key_Escape);
    });
    p.trigger("Действие_обнулить_историю");
    QCOMPARE(*focusOnShow, QStringLiteral("Кнопка_закрыть"));
    QCOMPARE(*ticked, 5);
    QVERIFY(*closedByEnter);
    for (const char* f : kHistoryFiles)
        QVERIFY2(p.exists(f), f);

    // Enter on the reset button resets what is ticked.
    whenModal(QStringLiteral("TForma_obnulenie_istoriy"), [](QWidget* w) {
        child<QCheckBox>(w, "Включатель_русские_слова")->click();
        auto* reset = child<QPushButton>(w, "Кнопка_обнулить_отмеченные_истории");
        reset->setFocus(Qt::TabFocusReason);
        QTest::keyClick(reset, Qt::Key_Return);
        if (w->isVisible())
            key(w, Qt::Key_Escape);
    });
    p.trigger("Действие_обнулить_историю");
    QVERIFY(!p.exists("Stat_rus.dictstat"));
    QVERIFY(p.exists("Stat_eng.dictstat"));
}

void ExerciseWindowTests::recognitionEnterPressesTheFocusedButton_data() {
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<int>("done");    // 1 bytes in Stat_eng.dictstat afterwards
    QTest::addColumn<bool>("forgot"); // a byte of Stat_forget.dictstat set
    QTest::newRow("Помню, дальше") << QByteArray("Кнопка_помню") << 1 << false;
    QTest::newRow("Забыл (F5)") << QByteArray("Кнопка_забыл") << 1 << true;
    QTest::newRow("Остановить показ") << QByteArray("Кнопка_остановить_показ") << 0 << false;
}

void ExerciseWindowTests::recognitionEnterPressesTheFocusedButton() {
    QFETCH(QByteArray, button);
    QFETCH(int, done);
    QFETCH(bool, forgot);
    TempHome home;
    writeDictionary(home, numberedWords(6), ownTranscription);
    TestProgram p(home);
    whenModal(QStringLiteral("TForma_okno_pokaza_slova"), [=](QWidget* w) {
        auto* b = child<QPushButton>(w, button.constData());
        b->setFocus(Qt::TabFocusReason);
        QTest::keyClick(b, Qt::Key_Return);
        if (w->isVisible())
            click(w, "Кнопка_остановить_показ");
    });
    p.trigger("Действие_случайные_слова");
    QCOMPARE(ones(p.read("Stat_eng.dictstat")), done);
    QCOMPARE(ones(p.read("Stat_forget.dictstat")), forgot ? 1 : 0);
}

// ---- English recognition --------------------------------------------------------------------

void ExerciseWindowTests::englishOneRecordRange() {
    TempHome home;
    writeDictionary(home, numberedWords(3), ownTranscription);
    writeRange(home, false, 2, 2);
    TestProgram p(home);

    auto word = std::make_shared<QString>();
    auto finished = std::make_shared<QString>();
    whenModal(QStringLiteral("TForma_okno_pokaza_slova"), [=](QWidget* w) {
        *word = child<QLabel>(w, "Надпись_случайное_английское_слово")->text();
        auto text = closeMessage();
        click(w, "Кнопка_помню");
        *finished = *text;
    });
    p.trigger("Действие_случайные_слова");

    QCOMPARE(*word, QStringLiteral("word2"));
    QCOMPARE(*finished, kEngFinishedRange);
    QVERIFY(!p.okna().Forma_okno_pokaza_slova->isVisible());
    QCOMPARE(p.read("Stat_eng.dictstat"), test::bytes({1}));
    QCOMPARE(p.pane("Панель_вывода_остатка_непредъявленных_слов"),
             QStringLiteral("  Остаток английских = 0"));
    QCOMPARE(QApplication::clipboard()->text(), p.wordLabel());
}

void ExerciseWindowTests::englishStopKeepsAnswersInHistory() {
    TempHome home;
    writeDictionary(home, numberedWords(10), ownTranscription);
    TestProgram p(home);

    auto remainder = std::make_shared<QStringList>();
    auto answerThree = [=](const char* close) {
        const std::string how = close;
        whenModal(QStringLiteral("TForma_okno_pokaza_slova"), [=](QWidget* w) {
            for (int i = 0; i < 3; ++i) {
                *remainder << child<QLabel>(w, "Надпись_остаток_слов")->text();
                key(w, Qt::Key_Return);
            }
            *remainder << child<QLabel>(w, "Надпись_остаток_слов")->text();
            if (how == "button")
                click(w, "Кнопка_остановить_показ");
            else
                key(w, Qt::Key_Escape);
        });
    };
    answerThree("button");
    p.trigger("Действие_случайные_слова");
    QByteArray history = p.read("Stat_eng.dictstat");
    QCOMPARE(history.size(), 10);
    QCOMPARE(ones(history), 3);
    QCOMPARE(p.pane("Панель_вывода_остатка_непредъявленных_слов"),
             QStringLiteral("  Остаток английских = 7"));

    // The pass goes on where it stopped; Esc closes as the button does.
    answerThree("escape");
    p.trigger("Действие_случайные_слова");
    history = p.read("Stat_eng.dictstat");
    QCOMPARE(ones(history), 6);
    QCOMPARE(remainder->first(), QStringLiteral("Остаток нерассортированных слов = 10"));
    QCOMPARE(remainder->last(), QStringLiteral("Остаток нерассортированных слов = 4"));
}

void ExerciseWindowTests::englishForgotMarksAndSelectsWord() {
    TempHome home;
    writeDictionary(home, numberedWords(6), ownTranscription);
    TestProgram p(home);
    QVERIFY(!p.exists("Stat_forget.dictstat"));

    auto word = std::make_shared<QString>();
    whenModal(QStringLiteral("TForma_okno_pokaza_slova"), [=](QWidget* w) {
        *word = child<QLabel>(w, "Надпись_случайное_английское_слово")->text();
        click(w, "Кнопка_забыл");
    });
    p.trigger("Действие_случайные_слова");

    QVERIFY(word->startsWith(QStringLiteral("word")));
    const int number = word->mid(4).toInt();
    QByteArray expected(6, '\0');
    expected[number - 1] = 1;
    QCOMPARE(p.read("Stat_forget.dictstat"), expected);
    QCOMPARE(ones(p.read("Stat_eng.dictstat")), 1);
    QCOMPARE(p.wordLabel(), *word);
    QCOMPARE(p.form->selectedRow(), 6 - number + 1);
    QCOMPARE(QApplication::clipboard()->text(), *word);
    QCOMPARE(p.pane("Панель_вывода_количества_забытых_слов"), QStringLiteral("  Забытых слов = 1"));
    QVERIFY(p.g->Obnovit_angliyskie_slova && p.g->Obnovit_russkie_slova);
}

void ExerciseWindowTests::f5ForgetsEvenWhileButtonDisabled() {
    TempHome home;
    writeDictionary(home, numberedWords(5), ownTranscription);
    writeData(home, "Stat_forget.dictstat", test::bytes({0, 0, 0, 1, 0}));
    TestProgram p(home);
    p.g->Rezhim_zabytye = true;

    auto state = std::make_shared<QStringList>();
    whenModal(QStringLiteral("TForma_okno_pokaza_slova"), [=](QWidget* w) {
        *state << child<QLabel>(w, "Надпись_случайное_английское_слово")->text()
               << QString::number(child<QPushButton>(w, "Кнопка_забыл")->isEnabled())
               << QString::number(child<QCheckBox>(w, "Переключатель_следующий_раз_не_показывать")
                                      ->isEnabled());
        key(w, Qt::Key_F5);
    });
    p.trigger("Действие_случайные_слова");

    // Only the forgotten record is presented in the forgotten view.
    QCOMPARE(*state, QStringList({"word4", "0", "0"}));
    QVERIFY(!p.okna().Forma_okno_pokaza_slova->isVisible());
    QCOMPARE(p.read("Stat_eng.dictstat"), test::bytes({0, 0, 0, 1, 0}));
}

void ExerciseWindowTests::allDoneQuestion_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("Нет") << false;
    QTest::newRow("Да") << true;
}

void ExerciseWindowTests::allDoneQuestion() {
    QFETCH(bool, yes);
    TempHome home;
    writeDictionary(home, numberedWords(4), ownTranscription);
    const QByteArray done = test::bytes({1, 1, 1, 1});
    writeData(home, "Stat_eng.dictstat", done);
    TestProgram p(home);

    auto question = answer("TForma_vopros_s_viborom", yes ? "Кнопка_да" : "Кнопка_нет");
    auto opened = std::make_shared<QString>();
    if (yes) {
        whenModal(QStringLiteral("TForma_okno_pokaza_slova"), [=](QWidget* w) {
            *opened = child<QLabel>(w, "Надпись_остаток_слов")->text();
            click(w, "Кнопка_остановить_показ");
        });
    }
    p.trigger("Действие_случайные_слова");

    QCOMPARE(*question, kEngQuestion);
    if (!yes) {
        QCOMPARE(p.read("Stat_eng.dictstat"), done);
        QCOMPARE(p.pane("Панель_вывода_остатка_непредъявленных_слов"),
                 QStringLiteral("  Остаток английских = 0"));
    } else {
        QCOMPARE(*opened, QStringLiteral("Остаток нерассортированных слов = 4"));
        QCOMPARE(p.read("Stat_eng.dictstat"), test::bytes({0, 0, 0, 0}));
    }
}

void ExerciseWindowTests::startRefusals_data() {
    QTest::addColumn<int>("records");
    QTest::addColumn<bool>("forgottenView");
    QTest::addColumn<QByteArray>("forgotten"); // empty: no file
    QTest::addColumn<QString>("text");
    QTest::newRow("one record") << 1 << false << QByteArray()
                                << "В словаре количество записей меньше двух ...";
    QTest::newRow("forgotten view without the file")
        << 4 << true << QByteArray() << "Забытые слова еще не сформированы ...";
    QTest::newRow("forgotten view, none forgotten in the range")
        << 4 << true << test::bytes({0, 0, 0, 0}) << kTextForgottenMode;
}

void ExerciseWindowTests::startRefusals() {
    QFETCH(int, records);
    QFETCH(bool, forgottenView);
    QFETCH(QByteArray, forgotten);
    QFETCH(QString, text);
    TempHome home;
    writeDictionary(home, numberedWords(records), ownTranscription);
    if (!forgotten.isEmpty())
        writeData(home, "Stat_forget.dictstat", forgotten);
    TestProgram p(home);
    p.g->Rezhim_zabytye = forgottenView;

    for (const char* action : {"Действие_случайные_слова", "Действие_русские_слова"}) {
        auto shown = closeMessage();
        p.trigger(action);
        QCOMPARE(*shown, text);
        QVERIFY(!p.exists("Stat_eng.dictstat"));
        QVERIFY(!p.exists("Stat_rus.dictstat"));
    }
}

void ExerciseWindowTests::boxRefusedWhenTooFewAllowed() {
    TempHome home;
    QList<Word> words = numberedWords(3);
    words[0].excluded = true;
    words[2].excluded = true;
    writeDictionary(home, words, ownTranscription);
    TestProgram p(home);
    QCOMPARE(p.g->Kolichestvo_razreshennykh_k_pokazu, 1);

    auto state = std::make_shared<QStringList>();
    auto error = std::make_shared<QString>();
    whenModal(QStringLiteral("TForma_okno_pokaza_slova"), [=](QWidget* w) {
        auto* box = child<QCheckBox>(w, "Переключатель_следующий_раз_не_показывать");
        auto shown = closeError();
        box->click();
        *error = *shown;
        *state << child<QLabel>(w, "Надпись_случайное_английское_слово")->text()
               << QString::number(box->isChecked())
               << QString::number(child<QPushButton>(w, "Кнопка_забыл")->isEnabled());
        click(w, "Кнопка_остановить_показ");
    });
    p.trigger("Действие_случайные_слова");

    QCOMPARE(*error, kTextExcludeAll);
    QCOMPARE(*state, QStringList({"word2", "0", "1"}));
    QCOMPARE(p.read("Vocabulary.dictdat"), dictionaryOf(words, ownTranscription));
}

void ExerciseWindowTests::boxExcludesOrRefusesForgotten_data() {
    QTest::addColumn<bool>("forgotten");
    QTest::newRow("not forgotten: excluded") << false;
    QTest::newRow("forgotten: refused, still done") << true;
}

void ExerciseWindowTests::boxExcludesOrRefusesForgotten() {
    QFETCH(bool, forgotten);
    TempHome home;
    const QList<Word> words = numberedWords(4);
    writeDictionary(home, words, ownTranscription);
    // A fixed range of one record, so the record presented is known.
    writeRange(home, false, 3, 3);
    if (forgotten)
        writeData(home, "Stat_forget.dictstat", test::bytes({0, 0, 1, 0}));
    TestProgram p(home);

    auto state = std::make_shared<QStringList>();
    auto error = std::make_shared<QString>(QStringLiteral("(none)"));
    whenModal(QStringLiteral("TForma_okno_pokaza_slova"), [=](QWidget* w) {
        auto* box = child<QCheckBox>(w, "Переключатель_следующий_раз_не_показывать");
        auto* forgot = child<QPushButton>(w, "Кнопка_забыл");
        box->click();
        *state << QString::number(forgot->isEnabled());
        if (forgotten) {
            whenModal(QStringLiteral("TForma_soobschenie_ob_oschibke"), [=](QWidget* m) {
                *error = windowText(m);
                *state << QString::number(box->isChecked()) << QString::number(forgot->isEnabled());
                click(m, "Кнопка_закрыть");
            });
        }
        closeMessage();
        click(w, "Кнопка_помню");
    });
    p.trigger("Действие_случайные_слова");

    const QByteArray dictionary = p.read("Vocabulary.dictdat");
    QCOMPARE(bool(dictionary[2 * DictRecord::kSize + 168]), !forgotten);
    QCOMPARE(p.read("Stat_eng.dictstat"), test::bytes({1}));
    if (forgotten) {
        QCOMPARE(*error, kTextExcludeForgotten);
        QCOMPARE(*state, QStringList({"0", "0", "1"}));
    } else {
        QCOMPARE(*error, QStringLiteral("(none)"));
        QCOMPARE(*state, QStringList({"0"}));
        QCOMPARE(p.g->Kolichestvo_razreshennykh_k_pokazu, 3);
        // The main table shows the exclusion mark of record 3 (row 2).
        QCOMPARE(p.form->model().index(1, RecordTableModel::Iskl).data().toString(),
                 QStringLiteral("x"));
    }
}

void ExerciseWindowTests::englishCaptionHintAndPane() {
    TempHome home;
    QList<Word> words = numberedWords(3);
    writeDictionary(home, words, ownTranscription);
    writeRange(home, false, 1, 1);
    TestProgram p(home);

    auto seen = std::make_shared<QStringList>();
    whenModal(QStringLiteral("TForma_okno_pokaza_slova"), [=](QWidget* w) {
        auto* label = child<QLabel>(w, "Надпись_случайное_английское_слово");
        *seen << w->windowTitle() << label->toolTip();
        whenModal(QStringLiteral("TForma_podskazka_dlya_angliyskogo_slova"), [=](QWidget* h) {
            *seen << h->windowTitle() << child<QLabel>(h, "Надпись_содержание_подсказки")->text();
            QTest::keyClick(h, Qt::Key_Escape);
        });
        key(w, Qt::Key_F1);
        whenModal(QStringLiteral("TForma_podskazka_dlya_angliyskogo_slova"), [=](QWidget* h) {
            *seen << child<QLabel>(h, "Надпись_содержание_подсказки")->text();
            click(h, "Кнопка_закрыть");
        });
        QTest::mousePress(label, Qt::LeftButton);
        *seen << QString::number(w->isVisible());
        click(w, "Кнопка_остановить_показ");
    });
    p.trigger("Действие_случайные_слова");

    QCOMPARE(*seen, QStringList({"[тр word1]", "     слово 1     ", "Подсказка", "слово 1",
                                 "слово 1", "1"}));
    QCOMPARE(p.read("Stat_eng.dictstat"), test::bytes({0}));
    QCOMPARE(p.pane("Панель_вывода_остатка_непредъявленных_слов"),
             QStringLiteral("  Остаток английских = 1"));
}

// ---- Russian recognition --------------------------------------------------------------------

void ExerciseWindowTests::russianShowsTranslationAndFinishesWhole() {
    TempHome home;
    QList<Word> words = numberedWords(2);
    words[1].translation.clear();
    writeDictionary(home, words, ownTranscription);
    TestProgram p(home);

    auto seen = std::make_shared<QStringList>();
    auto finished = std::make_shared<QString>();
    whenModal(QStringLiteral("TForma_okno_pokaza_russkogo_slova"), [=](QWidget* w) {
        for (int i = 0; i < 2; ++i) {
            auto* label = child<QLabel>(w, "Надпись_случайное_русское_слово");
            *seen << w->windowTitle() + u'|' + label->text() + u'|' + label->toolTip();
            if (i == 1) {
                auto text = closeMessage();
                click(w, "Кнопка_помню");
                *finished = *text;
            } else {
                click(w, "Кнопка_помню");
            }
        }
    });
    p.trigger("Действие_русские_слова");

    seen->sort();
    // An empty translation is presented as an empty label; its hint still names the word.
    QCOMPARE(*seen, QStringList({"Вспомнить перевод||     word2     ",
                                 "Вспомнить перевод|слово 1|     word1     "}));
    QCOMPARE(*finished, QStringLiteral("Все, имеющиеся русские переводы просмотрены!"));
    QCOMPARE(p.read("Stat_rus.dictstat"), test::bytes({1, 1}));
    QVERIFY(!p.exists("Stat_eng.dictstat"));
    QCOMPARE(p.pane("Панель_вывода_непредъявленных_русских_слов"),
             QStringLiteral("  Остаток русских = 0"));
}

void ExerciseWindowTests::russianHintGivesEnglishWord() {
    TempHome home;
    writeDictionary(home, numberedWords(3), ownTranscription);
    writeRange(home, false, 2, 2);
    TestProgram p(home);

    auto seen = std::make_shared<QStringList>();
    whenModal(QStringLiteral("TForma_okno_pokaza_russkogo_slova"), [=](QWidget* w) {
        auto* label = child<QLabel>(w, "Надпись_случайное_русское_слово");
        // The hint opens when the mouse button is released, not when it is pressed.
        QTest::mousePress(label, Qt::LeftButton);
        *seen << QString::number(QApplication::activeModalWidget() == w);
        whenModal(QStringLiteral("TForma_podskazka_dlya_russkogo_slova"), [=](QWidget* h) {
            *seen << child<QLabel>(h, "Надпись_содержание_подсказки")->text();
            QTest::keyClick(h, Qt::Key_Escape);
        });
        QTest::mouseRelease(label, Qt::LeftButton);
        key(w, Qt::Key_F5);
    });
    p.trigger("Действие_русские_слова");

    QCOMPARE(*seen, QStringList({"1", "word2"}));
    QCOMPARE(p.read("Stat_forget.dictstat"), test::bytes({0, 1, 0}));
    QCOMPARE(p.read("Stat_rus.dictstat"), test::bytes({1}));
    QCOMPARE(p.wordLabel(), QStringLiteral("word2"));
}

void ExerciseWindowTests::russianIgnoredWhileGroupsOpen() {
    TempHome home;
    writeDictionary(home, numberedWords(1), ownTranscription);
    TestProgram p(home);
    p.g->Okno_grupp_otkryto = true;
    // Nothing at all happens: no refusal, no window.
    p.trigger("Действие_русские_слова");
    p.trigger("Действие_обнулить_историю");
    p.trigger("Действие_изменить_диапазон");
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    // The English exercise has no such check: it refuses with its message.
    auto text = closeMessage();
    p.trigger("Действие_случайные_слова");
    QCOMPARE(*text, QStringLiteral("В словаре количество записей меньше двух ..."));
}

QTEST_MAIN(ExerciseWindowTests)
#include "ExerciseWindowTests.moc"
