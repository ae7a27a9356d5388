// The idioms window and its dialogs on a temporary data folder, with the files checked after.
#include "app/core/Globals.h"
#include "app/core/SystemMessage.h"
#include "app/windows/Okna.h"
#include "idioms/logic/IdiomFile.h"
#include "idioms/windows/TForma_idiomi.h"
#include "store/Binary.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/common/RecordCellDelegate.h"
#include "ui/common/RecordTableView.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace telvo;
using namespace telvo::test;

namespace {

// Idioms "a" … with their dates (days since 1899-12-30), excluded and forgotten flags.
struct DatedIdiom {
    double date;
    bool excluded;
    bool forgotten;
};
QByteArray datedIdioms(std::initializer_list<DatedIdiom> idioms) {
    QByteArray all;
    char letter = 'a';
    for (const DatedIdiom& d : idioms) {
        IdiomRecord r;
        r.Idioma = QString(QChar(letter++));
        r.Data_dobavleniya = d.date;
        r.Zapreshcheno_k_pokazu = d.excluded;
        r.Zabyta = d.forgotten;
        all += r.encode();
    }
    return all;
}

QByteArray idiomsOf(int n, std::initializer_list<int> excluded = {},
                    std::initializer_list<int> forgotten = {}) {
    QByteArray all;
    for (int i = 1; i <= n; ++i) {
        IdiomRecord r;
        r.Idioma = QStringLiteral("idiom %1").arg(i);
        r.Perevod = QStringLiteral("идиома %1").arg(i);
        r.Data_dobavleniya = 45000;
        r.Zapreshcheno_k_pokazu = std::find(excluded.begin(), excluded.end(), i) != excluded.end();
        r.Zabyta = std::find(forgotten.begin(), forgotten.end(), i) != forgotten.end();
        all += r.encode();
    }
    return all;
}

class IdiomProgram : public WindowProgram {
public:
    explicit IdiomProgram(const TempHome& home) : WindowProgram(home) { start(); }
    TForma_idiomi& idioms() const { return *okna().Forma_idiomi; }
    // Shows the window without its modal loop, so the test drives it directly.
    void open() {
        idioms().show();
        idioms().activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&idioms()));
    }
    void close() { idioms().close(); }
    QString pane(const char* name) const { return child<QLabel>(&idioms(), name)->text(); }
    QString cell(int row, int column) const { return idioms().model().cellText(row - 1, column); }
    void trigger(const char* name) {
        QAction* a = idioms().action(name);
        QVERIFY2(a && a->isEnabled(), name);
        a->trigger();
    }
};

// The system message box's texts while it lives.
struct SystemBoxes {
    SystemBoxes() {
        old = setSystemMessageSink([this](const QString& t) { seen << t; });
    }
    ~SystemBoxes() { setSystemMessageSink(old); }
    SystemMessageSink old;
    QStringList seen;
};

} // namespace

class IdiomsWindowTests : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeLeftovers(); }

    void firstOpeningCreatesTheFilesFromTheMainWindow() {
        TempHome home;
        writeDictionary(home, numberedWords(2));
        IdiomProgram p(home);
        QString title;
        QString firstPane;
        whenModal(QStringLiteral("TForma_idiomi"), [&](QWidget* w) {
            title = w->windowTitle();
            firstPane = child<QLabel>(w, "Панель_вывода_количества_записей_идиом")->text();
            w->close();
        });
        p.activate();
        p.key(Qt::Key_F10);
        QCOMPARE(title, QStringLiteral("Идиомы и фразовые глаголы."));
        QCOMPARE(firstPane, QStringLiteral("  Записей = 0 (0)"));
        QCOMPARE(p.read("Idiom.idiomtdat"), QByteArray());
        QCOMPARE(p.read("idiom_upragneniy.uprdat"), rangeRecordLiteral(true, 1, 1, false));
        QVERIFY(!p.exists("Start_idiom.startdat"));
        QVERIFY(!p.g->Okno_idiom_otkryto);
    }

    void tableStatusAndCaptionShowTheIdioms() {
        TempHome home;
        writeDictionary(home, numberedWords(2));
        writeData(home, "Idiom.idiomtdat", idiomsOf(5, {2, 4}, {1}));
        writeData(home, "Start_idiom.startdat", viewStateLiteral(true, false, 1, 1, 0));
        writeData(home, "idiom_upragneniy.uprdat", rangeRecordLiteral(false, 2, 3, false));
        IdiomProgram p(home);
        p.open();
        TForma_idiomi& w = p.idioms();
        QCOMPARE(w.objectName(), QStringLiteral("TForma_idiomi"));
        QCOMPARE(w.windowTitle(),
                 QStringLiteral("Идиомы и фразовые глаголы. (Диапазон для упражнений: 2 - 3)"));
        QCOMPARE(p.pane("Панель_вывода_количества_записей_идиом"),
                 QStringLiteral("  Идиом = 5 (3)"));
        QCOMPARE(p.pane("Панель_вывода_количества_забытых_идиом"),
                 QStringLiteral("  Забытых идиом = 1"));
        QVERIFY(p.pane("Панель_дата_изменения_словаря_идиом")
                    .startsWith(QStringLiteral("  Дата изменения словаря идиом: ")));
        QCOMPARE(p.cell(1, IdiomTableModel::Nomer), QStringLiteral("       5"));
        QCOMPARE(p.cell(1, IdiomTableModel::Idioma), QStringLiteral("idiom 5"));
        QCOMPARE(p.cell(2, IdiomTableModel::Iskl), QStringLiteral("x"));
        QCOMPARE(p.cell(5, IdiomTableModel::Zabyto), QStringLiteral(" +"));
        QCOMPARE(child<QLabel>(&w, "Надпись_идиома_или_фразовый_глагол")->text(),
                 QStringLiteral("idiom 5"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("idiom 5"));
        // Range 2-3 of 5: rows 3 and 4 are pink.
        const QColor white(Qt::white);
        for (int row = 1; row <= 5; ++row) {
            const bool pink = row == 3 || row == 4;
            QCOMPARE(w.delegate().background(row - 1, IdiomTableModel::Data, false, white),
                     pink ? RecordCellDelegate::kInRange : white);
        }
        // The composition root installs the side tools and the manual here too.
        for (const char* name : {"Действие_пример", "Действие_блокнотик",
                                 "Действие_показать_руководство_пользователя"})
            QVERIFY2(w.action(name)->isEnabled(), name);
        p.close();
    }

    void viewStateSurvivesClosing() {
        TempHome home;
        writeDictionary(home, numberedWords(2));
        writeData(home, "Idiom.idiomtdat", idiomsOf(6, {}, {2, 3, 5}));
        IdiomProgram p(home);
        p.open();
        TForma_idiomi& w = p.idioms();
        child<QCheckBox>(&w, "Переключатель_забытые")->click();
        QCOMPARE(p.cell(1, IdiomTableModel::Nomer), QStringLiteral("       5"));
        w.selectRow(2);
        child<QCheckBox>(&w, "Переключатель_перевод_идиом")->click();
        QCOMPARE(p.cell(2, IdiomTableModel::Perevod), QString());
        auto* counter = child<QPushButton>(&w, "Кнопка_количество_повторений_в_таблице_идиом");
        for (int i = 0; i < 4; ++i)
            counter->click();
        p.close();
        QCOMPARE(p.read("Start_idiom.startdat"), viewStateLiteral(false, true, 1, 2, 4));

        p.open();
        QVERIFY(p.g->Rezhim_zabytye_idiomy);
        QVERIFY(child<QCheckBox>(&w, "Переключатель_забытые")->isChecked());
        QVERIFY(!child<QCheckBox>(&w, "Переключатель_перевод_идиом")->isChecked());
        QCOMPARE(w.selectedRow(), 2);
        QCOMPARE(counter->text(), QStringLiteral("4"));
        // Within 250 ms the editing commands are off in this view.
        QTRY_VERIFY_WITH_TIMEOUT(!w.action("Действие_добавить")->isEnabled(), 1000);
        p.close();
    }

    void shortOrStaleViewStateStillGivesATable() {
        struct Case {
            QByteArray state;
            int row;
        } cases[] = {{QByteArray(10, '\1'), 1}, {viewStateLiteral(true, false, 40, 50, 0), 3}};
        for (const Case& c : cases) {
            TempHome home;
            writeDictionary(home, numberedWords(2));
            writeData(home, "Idiom.idiomtdat", idiomsOf(3));
            writeData(home, "Start_idiom.startdat", c.state);
            IdiomProgram p(home);
            p.open();
            QCOMPARE(p.idioms().selectedRow(), c.row);
            QCOMPARE(p.idioms().model().rowCount(), 3);
            QVERIFY(p.idioms().table().hasFocus());
            p.close();
        }
    }

    void addInsertEditDeleteThroughTheirDialogs() {
        TempHome home;
        writeDictionary(home, numberedWords(2));
        IdiomProgram p(home);
        p.open();
        TForma_idiomi& w = p.idioms();
        ModalDriver driver;

        // Add to an empty dictionary, with a 67th character that cannot be typed.
        whenModal(QStringLiteral("TForma_dobavit_idiomu"), [](QWidget* d) {
            type(child<QLineEdit>(d, "Поле_ввода_английского_текста"), QString(67, u'a'));
            type(child<QLineEdit>(d, "Поле_ввода_перевода"), QStringLiteral("перевод"));
            click(d, "Кнопка_добавить");
        });
        p.trigger("Действие_добавить");
        QCOMPARE(p.read("Idiom.idiomtdat").size(), 152);
        QCOMPARE(readIdiom(*p.g, 1).Idioma, QString(66, u'a'));

        // A duplicate in other letter case is refused with the question.
        whenModal(QStringLiteral("TForma_dobavit_idiomu"), [](QWidget* d) {
            type(child<QLineEdit>(d, "Поле_ввода_английского_текста"), QString(66, u'A'));
            click(d, "Кнопка_добавить");
            // "Нет" leaves the dialog open for another text.
            QVERIFY(d->isVisible());
            static_cast<QDialog*>(d)->reject();
        });
        driver.setYes(false);
        p.trigger("Действие_добавить");
        QCOMPARE(driver.seen.value(0),
                 QStringLiteral("TForma_vopros_s_viborom:Добавляемая идиома уже занесена в "
                                "словарь! Нужно перейти к этой идиоме?"));
        QCOMPARE(p.read("Idiom.idiomtdat").size(), 152);
        driver.setYes(true);

        // Insert "за" the only idiom: the new idiom becomes number 1.
        whenModal(QStringLiteral("TForma_vstavit_idiomu"), [](QWidget* d) {
            type(child<QLineEdit>(d, "Поле_ввода_английского_текста"), QStringLiteral("first"));
            click(d, "Кнопка_вставить");
        });
        p.trigger("Действие_вставить");
        QCOMPARE(readIdiom(*p.g, 1).Idioma, QStringLiteral("first"));
        QCOMPARE(p.g->Kolichestvo_idiom, 2);
        QCOMPARE(w.selectedRow(), 2);
        QVERIFY(!p.exists("Idiom_new.idiomtdat"));

        // Edit the selected idiom (number 1).
        whenModal(QStringLiteral("TForma_izmenit_idiomu"), [](QWidget* d) {
            auto* f = child<QLineEdit>(d, "Поле_ввода_английского_текста");
            f->clear();
            type(f, QStringLiteral("changed"));
            click(d, "Кнопка_изменить");
        });
        p.trigger("Действие_изменить");
        QCOMPARE(readIdiom(*p.g, 1).Idioma, QStringLiteral("changed"));
        QCOMPARE(p.cell(2, IdiomTableModel::Idioma), QStringLiteral("changed"));

        // Delete the idiom in the last row: the new last row is selected.
        QString label;
        whenModal(QStringLiteral("TForma_udalit_idiomu"), [&](QWidget* d) {
            label = child<QLabel>(d, "Надпись_удаляемая_идиома")->text();
            click(d, "Кнопка_да");
        });
        p.trigger("Действие_удалить");
        QCOMPARE(label, QStringLiteral("Номер удаляемой идиомы: 1"));
        QCOMPARE(p.g->Kolichestvo_idiom, 1);
        QCOMPARE(w.selectedRow(), 1);
        QCOMPARE(readIdiom(*p.g, 1).Idioma, QString(66, u'a'));
        p.close();
    }

    void forgottenViewRefusesInsertAndEditDoesNothing() {
        TempHome home;
        writeDictionary(home, numberedWords(2));
        writeData(home, "Idiom.idiomtdat", idiomsOf(3, {}, {2}));
        IdiomProgram p(home);
        p.open();
        TForma_idiomi& w = p.idioms();
        ModalDriver driver;
        child<QCheckBox>(&w, "Переключатель_забытые")->click();
        w.table().setFocus();
        QTest::keyClick(&w.table(), Qt::Key_Insert);
        QCOMPARE(
            driver.seen,
            QStringList{QStringLiteral(
                "TForma_soobshenie:При использовании режима «Забытые» добавление новых записей "
                "запрещено.")});
        const QByteArray before = p.read("Idiom.idiomtdat");
        QTest::keyClick(&w.table(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(QApplication::activeModalWidget(), &w);
        QCOMPARE(p.read("Idiom.idiomtdat"), before);
        p.close();
    }

    void refusalsOfTheMarkCommands() {
        TempHome home;
        writeDictionary(home, numberedWords(2));
        writeData(home, "Idiom.idiomtdat", idiomsOf(2, {1}, {2}));
        IdiomProgram p(home);
        p.open();
        TForma_idiomi& w = p.idioms();
        ModalDriver driver;
        w.selectRow(1); // idiom 2, forgotten
        p.trigger("Действие_исключить_включить_идиому_из_показа");
        w.selectRow(2); // idiom 1, excluded
        p.trigger("Действие_отметить_забытое");
        w.selectRow(1);
        p.trigger("Действие_удалить");
        QCOMPARE(
            driver.seen,
            (QStringList{
                QStringLiteral("TForma_soobschenie_ob_oschibke:Нельзя идиому исключать из показа в "
                               "упражнениях, "
                               "если она отмечена как забытая."),
                QStringLiteral(
                    "TForma_soobschenie_ob_oschibke:Нельзя отмечать идиому как забытую, если она "
                    "исключена из показа в упражнениях."),
                QStringLiteral("TForma_soobschenie_ob_oschibke:Если эту идиому удалить, то не "
                               "останется идиом для "
                               "показа в упражнениях.")}));
        p.close();
    }

    void notReadyCommandsUseTheSystemBox() {
        TempHome home;
        writeDictionary(home, numberedWords(2));
        writeData(home, "Idiom.idiomtdat", idiomsOf(2));
        IdiomProgram p(home);
        p.open();
        SystemBoxes boxes;
        for (const char* name :
             {"Действие_найти_перевод", "Действие_с_английского", "Действие_с_русского",
              "Действие_сопоставление_пар", "Действие_обнулить_истории"})
            p.trigger(name);
        QCOMPARE(boxes.seen,
                 (QStringList{
                     QStringLiteral("Действие найти перевод еще не готово ..."),
                     QStringLiteral("Еще не сделано ..."), QStringLiteral("Еще не сделано ..."),
                     QStringLiteral("Еще не сделано ..."), QStringLiteral("Еще не сделано ...")}));
        p.close();
    }

    void rangeDialogRefusesStartZeroAndCancelKeepsToEnd() {
        TempHome home;
        writeDictionary(home, numberedWords(2));
        writeData(home, "Idiom.idiomtdat", idiomsOf(5));
        writeData(home, "Start_idiom.startdat", viewStateLiteral(true, false, 1, 1, 0));
        writeData(home, "idiom_upragneniy.uprdat", rangeRecordLiteral(false, 2, 5, true));
        IdiomProgram p(home);
        p.open();
        ModalDriver driver;
        int maxLength = 0;
        whenModal(QStringLiteral("TForma_diapazon_v_idiomah"), [&](QWidget* d) {
            maxLength = child<QLineEdit>(d, "Поле_ввода_начального_номера")->maxLength();
            click(d, "Кнопка_закрыть");
        });
        p.trigger("Действие_диапазон_в_упражнениях");
        QCOMPARE(maxLength, 5);
        QVERIFY(p.g->Do_kontsa_idiom);

        whenModal(QStringLiteral("TForma_diapazon_v_idiomah"), [&](QWidget* d) {
            auto* start = child<QLineEdit>(d, "Поле_ввода_начального_номера");
            start->clear();
            type(start, QStringLiteral("0"));
            click(d, "Кнопка_сохранить");
            QTimer::singleShot(100, d, [d] {
                auto* s = child<QLineEdit>(d, "Поле_ввода_начального_номера");
                s->clear();
                type(s, QStringLiteral("3"));
                auto* e = child<QLineEdit>(d, "Поле_ввода_конечного_номера");
                e->clear();
                type(e, QStringLiteral("4"));
                click(d, "Кнопка_сохранить");
            });
        });
        p.trigger("Действие_диапазон_в_упражнениях");
        QTRY_COMPARE(p.read("idiom_upragneniy.uprdat"), rangeRecordLiteral(false, 3, 4, false));
        QCOMPARE(
            driver.seen.value(0),
            QStringLiteral(
                "TForma_soobschenie_ob_oschibke:Начальный номер не может быть меньше единицы."));
        QCOMPARE(p.idioms().windowTitle(),
                 QStringLiteral("Идиомы и фразовые глаголы. (Диапазон для упражнений: 3 - 4)"));
        QCOMPARE(p.idioms().selectedRow(), 2);
        p.close();
    }

    void searchesAndGoTo() {
        TempHome home;
        writeDictionary(home, numberedWords(2));
        writeData(home, "Idiom.idiomtdat", idiomsOf(12));
        IdiomProgram p(home);
        p.open();
        TForma_idiomi& w = p.idioms();
        ModalDriver driver;
        auto* field = child<QLineEdit>(&w, "Поле_ввода_для_поиска_английского_текста");
        QCOMPARE(field->maxLength(), 66);
        type(field, QStringLiteral("idiom 1"));
        click(&w, "Кнопка_искать_далее_английскую_подстроку");
        QCOMPARE(w.selectedRow(), 1); // idiom 12
        click(&w, "Кнопка_искать_далее_английскую_подстроку");
        QCOMPARE(w.selectedRow(), 2); // idiom 11
        // Delete empties the field and the search starts again from the top.
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Delete);
        QCOMPARE(field->text(), QString());
        QCOMPARE(p.g->Pozitsiya_poiska_idiom, 0);

        whenModal(QStringLiteral("TForma_perehod_k_idiome_po_nomeru"), [](QWidget* d) {
            type(child<QLineEdit>(d, "Полее_ввода_номера"), QStringLiteral("4"));
            click(d, "Кнопка_перейти");
        });
        p.trigger("Действие_перейти_к_номеру_идиомы");
        QCOMPARE(w.selectedRow(), 9);
        p.close();
    }

    void shiftInsertInASearchFieldOpensTheAddDialogOnce() {
        TempHome home;
        writeDictionary(home, numberedWords(2));
        writeData(home, "Idiom.idiomtdat", idiomsOf(3));
        IdiomProgram p(home);
        p.open();
        TForma_idiomi& w = p.idioms();
        QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
        ModalDriver driver;
        QStringList opened;
        driver.dialog = [&](QWidget* d) {
            if (d == &w)
                return;
            opened << d->objectName();
            static_cast<QDialog*>(d)->reject();
        };
        for (const char* name : {"Поле_ввода_для_поиска_английского_текста",
                                 "Поле_ввода_для_поиска_подстроки_перевода"}) {
            opened.clear();
            auto* field = child<QLineEdit>(&w, name);
            field->setFocus();
            QTest::keyPress(field, Qt::Key_Shift, Qt::ShiftModifier);
            QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
            QTest::keyRelease(field, Qt::Key_Shift);
            QTRY_COMPARE_WITH_TIMEOUT(opened, QStringList{QStringLiteral("TForma_dobavit_idiomu")},
                                      2000);
            QTest::qWait(100);
            QCOMPARE(opened.size(), 1);
            QCOMPARE(field->text(), QString()); // nothing pasted
            // Plain Insert, with Shift let go, is the field's own way to the add command.
            opened.clear();
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Insert);
            QTRY_COMPARE_WITH_TIMEOUT(opened.size(), 1, 2000);
        }
        QCOMPARE(p.read("Idiom.idiomtdat"), idiomsOf(3));
        p.close();
    }

    void f9AtTheTopEdgeScrollsOneRowUp() {
        TempHome home;
        writeDictionary(home, numberedWords(2));
        writeData(home, "Idiom.idiomtdat", idiomsOf(60));
        IdiomProgram p(home);
        p.open();
        TForma_idiomi& w = p.idioms();
        QVERIFY(w.table().visibleRows() < 50);
        w.selectRow(20, 20);
        QCOMPARE(w.table().topRow(), 20);
        w.table().setFocus();
        QTest::keyClick(&w.table(), Qt::Key_F9);
        QCOMPARE(readIdiom(*p.g, 41).Otmechena, true); // row 20 shows idiom 41
        QCOMPARE(w.selectedRow(), 20);
        QCOMPARE(w.table().topRow(), 19);
        // Away from the edges the view stays where it is.
        w.selectRow(22);
        QTest::keyClick(&w.table(), Qt::Key_F9);
        QCOMPARE(readIdiom(*p.g, 39).Otmechena, true);
        QCOMPARE(w.table().topRow(), 19);
        p.close();
    }

    void markingByDateInTheWindow() {
        TempHome home;
        writeDictionary(home, numberedWords(2));
        const QDate day(2024, 3, 5);
        const double d = toDelphiDate(day);
        // a: that day; b: another day, forgotten; c: that day but excluded; d: that day.
        writeData(
            home, "Idiom.idiomtdat",
            datedIdioms(
                {{d, false, false}, {d - 1, false, true}, {d, true, false}, {d, false, false}}));
        IdiomProgram p(home);
        p.open();
        TForma_idiomi& w = p.idioms();
        ModalDriver driver;
        QString shown;
        whenModal(QStringLiteral("TForma_otetit_idiomi_po_date"), [&](QWidget* dialog) {
            child<QCalendarWidget>(dialog, "Календарь")->setSelectedDate(day);
            shown = child<QLabel>(dialog, "Надпись_выбранная_дата")->text();
            click(dialog, "Кнопка_отметить_идиомы_по_выбранной_дате");
            // The dialog stays open for another day.
            QVERIFY(dialog->isVisible());
            static_cast<QDialog*>(dialog)->reject();
        });
        p.trigger("Действие_отметить_забытыми_по_дате");
        QTRY_COMPARE_WITH_TIMEOUT(driver.seen.size(), 2, 3000);
        QVERIFY(shown.startsWith(QStringLiteral("Выбранная дата: ")));
        QCOMPARE(driver.seen,
                 (QStringList{QStringLiteral("TForma_vopros_s_viborom:Сейчас в словаре отмечено "
                                             "забытых идиом в количестве = 1. Нужно ли при "
                                             "устаноке новых отметок удалять старые?"),
                              QStringLiteral("TForma_soobshenie:Количество идиом отмеченных по "
                                             "дате = 2.")}));
        // "Да": the old mark went; the excluded idiom of that day stays unmarked.
        const bool forgotten[] = {true, false, false, true};
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(readIdiom(*p.g, n).Zabyta, forgotten[n - 1]);
        QCOMPARE(p.g->Kolichestvo_zabytykh_idiom, 2);
        QCOMPARE(p.cell(1, IdiomTableModel::Zabyto), QStringLiteral(" +"));
        QCOMPARE(p.cell(3, IdiomTableModel::Zabyto), QString());
        QCOMPARE(w.selectedRow(), 1);
        p.close();
    }

    void anUnstorableTranslationIsRefusedInItsOwnField() {
        TempHome home;
        writeDictionary(home, numberedWords(2));
        writeData(home, "Idiom.idiomtdat", idiomsOf(1));
        IdiomProgram p(home);
        p.open();
        ModalDriver driver;
        QString focused;
        whenModal(QStringLiteral("TForma_dobavit_idiomu"), [&](QWidget* d) {
            type(child<QLineEdit>(d, "Поле_ввода_английского_текста"), QStringLiteral("new"));
            child<QLineEdit>(d, "Поле_ввода_перевода")->setText(QStringLiteral("日本"));
            click(d, "Кнопка_добавить");
            QTRY_VERIFY(d->focusWidget() != nullptr);
            focused = d->focusWidget()->objectName();
            static_cast<QDialog*>(d)->reject();
        });
        p.trigger("Действие_добавить");
        QVERIFY(driver.seen.value(0).contains(QStringLiteral("Поле с переводом содержит символы")));
        QCOMPARE(focused, QStringLiteral("Поле_ввода_перевода"));
        QCOMPARE(p.read("Idiom.idiomtdat"), idiomsOf(1));
        p.close();
    }
};

QTEST_MAIN(IdiomsWindowTests)
#include "IdiomsWindowTests.moc"
