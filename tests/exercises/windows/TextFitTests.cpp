// Every text the program shows is readable whole in the font this desktop has: each message,
// question and error text in its window, the exercise windows' labels with the longest texts a
// record can hold, and the main window's number column and status panes at 100 000 records.

#include "app/core/Globals.h"
#include "app/windows/MessageWindows.h"
#include "app/windows/Okna.h"
#include "store/RecordTableModel.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/common/RecordTableView.h"
#include "ui/main/TMainForm.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTableWidget>
#include <QtTest>
#include <memory>

using namespace telvo;
using namespace telvo::test;

namespace {

// Why `label` does not show its whole text; empty when it does. The text is laid out in the
// label's own rectangle with its font, alignment and wrapping, as the label paints it. A
// wrapped text must fit the label's contents; a single line must fit its width, and the ink of
// its letters must lie within the label (the painter clips to the label, not to its frame).
QString cutOff(const QLabel* label) {
    const QString text = label->text();
    if (text.isEmpty())
        return {};
    const QRect area = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                      -label->margin(), -label->margin());
    const QFontMetrics fm = label->fontMetrics();
    QString why;
    if (label->wordWrap()) {
        const QRect needed =
            fm.boundingRect(area, int(label->alignment()) | int(Qt::TextWordWrap), text);
        if (needed.width() > area.width() || needed.height() > area.height())
            why = QStringLiteral("needs %1x%2 in %3x%4")
                      .arg(needed.width())
                      .arg(needed.height())
                      .arg(area.width())
                      .arg(area.height());
    } else {
        const int width = fm.horizontalAdvance(text);
        // Where QLabel puts the line: centred, top or bottom in the contents.
        int top = area.top();
        if (label->alignment() & Qt::AlignVCenter)
            top += (area.height() - fm.height()) / 2;
        else if (label->alignment() & Qt::AlignBottom)
            top += area.height() - fm.height();
        const QRect ink = fm.tightBoundingRect(text).translated(0, top + fm.ascent());
        if (width > area.width() || ink.top() < 0 || ink.bottom() >= label->height())
            why = QStringLiteral("needs %1 wide, ink rows %2..%3, in %4x%5")
                      .arg(width)
                      .arg(ink.top())
                      .arg(ink.bottom())
                      .arg(area.width())
                      .arg(label->height());
    }
    // The label itself must not stick out of its window.
    QWidget* window = label->window();
    const QRect inWindow(label->mapTo(window, QPoint(0, 0)), label->size());
    if (!window->rect().contains(inWindow))
        why += QStringLiteral(" outside its window");
    if (why.isEmpty())
        return {};
    return label->objectName() + u' ' + why + QStringLiteral(": ") + text;
}

// The labels of `w` (shown ones) that cut their text, and the cells of its answer lists whose
// text does not fit the column less the 5-pixel inset and the item frame.
QStringList cutLabels(QWidget* w) {
    QStringList out;
    for (QLabel* label : w->findChildren<QLabel*>())
        if (label->isVisibleTo(w))
            if (const QString why = cutOff(label); !why.isEmpty())
                out << why;
    for (QTableWidget* list : w->findChildren<QTableWidget*>()) {
        for (int r = 0; r < list->rowCount(); ++r) {
            const QTableWidgetItem* item = list->item(r, 0);
            if (!item || item->text().isEmpty())
                continue;
            const QFont font = item->data(Qt::FontRole).isValid() ? item->font() : list->font();
            const int width = QFontMetrics(font).horizontalAdvance(item->text());
            if (width > list->columnWidth(0) - 5 - 8)
                out << list->objectName() +
                           QStringLiteral(" row %1 needs %2 in %3: ")
                               .arg(r)
                               .arg(width)
                               .arg(list->columnWidth(0) - 13) +
                           item->text();
        }
    }
    return out;
}

// Every text the program puts in its message, question and error windows, with numbers and
// dates at their widest.
const char* const kMessageTexts[] = {
    // Exercises.
    "В словаре еще нет записей ...",
    "В словаре количество записей меньше двух ...",
    "Забытые слова еще не сформированы ...",
    "Нельзя исключить из показа в упражнения все записи.",
    "Нельзя слово исключать из показа в упражнениях, если оно отмечено как забытое.",
    "При использовании режима «Забытые» ни одно слово не входит в установленный диапазон для "
    "упражнений.",
    "Количество записей в словаре, разрешенных к показу в упражнениях, пока не больше 10.",
    "Количество записей в словаре, разрешенных к показу, для этого упражнения, должно быть больше "
    "10-ти.",
    "Все пары английских слов и русских переводов уже сопоставленны. Вы хотите начать упражнение "
    "заново?",
    "Нет для сопоставления ни одного слова.",
    "Сначала нужно убрать выбранную пару сопоставления слова и перевода. Вы хотите ее убрать?",
    "Все английские солова (английский текст) просмотрены!",
    "Все английские солова (английский текст) уже просмотрены. Вы хотите начать упражнение "
    "заново?",
    "Все английские солова (английский текст), включенные в диапазон для упражнений, "
    "просмотрены!",
    "Все русские солова (русские переводы) уже просмотрены. Вы хотите начать упражнение заново?",
    "Все, имеющиеся русские переводы просмотрены!",
    "Все, имеющиеся русские переводы, включенные в диапазон для упражнений, просмотрены!",
    "Нет для просмотра ни одного английского слова.",
    "Нет для просмотра ни одного русского слова.",
    "Все имеющиеся английские слова (переводы с английского) уже просмотрены. Вы хотите начать "
    "упражнение заново?",
    "Все русские переводы (переводы с русского) уже просмотрены. Вы хотите начать упражнение "
    "заново?",
    "Все, имеющиеся английские слова (переводы с английского), просмотрены!",
    "Все, имеющиеся английские солова (переводы с английского), включенные в диапазон для "
    "упражнений, просмотрены!",
    "Все, имеющиеся русские переводы (переводы с русского), включенные в диапазон для "
    "упражнений, просмотрены!",
    "Все, имеющиеся русские переводы (переводы с русского), просмотрены!",
    "Нет для перевода ни одного английского слова.",
    "Нет для перевода ни одного русского слова.",
    "В словаре еще нет записей и историй ...",
    "Истории упражнений еще не формировались. Обнулять нечего.",
    "Не отмечено ни одной истории.",
    // Range window.
    "Конечный номер не может быть больше чем количество записей в словаре.",
    "Начальный номер не может быть больше конечного.",
    "Начальный номер не может быть меньше единицы.",
    "Поле ввода конечного номера не может быть пустым.",
    "Поле ввода начального номера не может быть пустым.",
    // Forgotten and marked words.
    "В выбранную дату слова в словарь не заносились.",
    "Значение конечного номера не может быть больше количества записей в словаре.",
    "Значение начального номера не может быть больше значения конечного номера.",
    "Значение начального номера не может быть меньше единицы.",
    "Количество слов отмеченных по дате = 100000.",
    "Не заполнено поле ввода «Конечный номер:»",
    "Не заполнено поле ввода «Начальный номер:»",
    "Нельзя отмечать слово как забытое, если оно исключено из показа в упражнениях.",
    "В словаре еще нет записей и забытых слов ...",
    "В словаре еще нет записей и отмеченных слов ...",
    "В словаре еще нет записей, отмечать нечего ...",
    "В словаре еще нет записей...",
    "Все отметки о забытых словах будут утрачены. Обнулить забытые слова?",
    "Все отметки с отмеченых слов будут сняты. Снять все такие отметки?",
    "Все просто отмеченные слова (и только они) будт отмеченные как забытые. Связать забытые с "
    "отмеченными?",
    "Вы действительно хотите сделать так, что бы это слово и его перевод больше не показывались в "
    "упражнениях?",
    "Вы действительно хотите сделать так, что бы это слово и его перевод теперь показывались в "
    "упражнениях?",
    "Нельзя исключить из показа в упражнениях все записи.",
    "Пока нет ни одного отмеченного слова.",
    "Вы действительно хотите отметить все слова забытыми от начального до конечного номера? Все "
    "отметки слов не входящих в диапазон будут утрачены!",
    "Сейчас в словаре отмечено забытых слов в количестве = 100000. Нужно ли при устаноке новых "
    "отметок удалять старые?",
    // Search and navigation.
    "Английское слово не найдено...",
    "В режиме просмотра словаря «Забытые» английское слово не найдено...",
    "В режиме просмотра словаря «Фильтрация забытых слов» английское слово (подстрока) не найдено "
    "...",
    "В режиме просмотра словаря «Фильтрация забытых слов» искомая подстрока не найдена ...",
    "Включен фильтр. Поэтому искомый номер слова = 100000 в видимой части словаря отсутствует.",
    "Все слова с искомой подстрокой уже были найдены ...",
    "Все слова с искомым английским словом (подстрокой) уже были найдены ...",
    "Для поиска подстроки, режим показа перевода должен быть включен. Сделайте это с помощью "
    "клавиши <Пробел>.",
    "Забытые слова еще не сформированы.",
    "Значение номера для перехода не может быть нулем или больше чем количество записей в "
    "словаре  = 100000.",
    "Значение номера для перехода не может быть пустым...",
    "Искомая подстрока не найдена ...",
    "Искомое английское слово (подстрока) не найдена ...",
    "Поле с английским словом (подстрокой) не может быть пустым!",
    "Поле с подстрокой перевода не может быть пустым!",
    // Records and the main window.
    "Вводимое словое уже занесено в словарь! Нужно перейти к этому слову?",
    "Поле с английским словом (текстом) не может быть пустым!",
    "Поле с английским словом не может быть пустым!",
    "Если эту записть удалить, то не останется записей для показа в упражнениях.",
    "Вы хотите выйти из программы Telvo: Vocabulary?",
    "При использовании режима «Забытые» добавление новых слов запрещено.",
    "При использовании режима «Забытые» удаление слов из словаря запрещено.",
};

// The longest texts a record holds, made of words so that they can wrap: 45 and 60 bytes.
QString longEnglish(int n) {
    return QStringLiteral("%1 take something into account when deciding").arg(n % 10).left(45);
}
QString longTranslation(int n) {
    return QStringLiteral("%1 принимать что-либо во внимание, когда принимаешь решение")
        .arg(n % 10)
        .left(60);
}

QList<Word> longWords(int n) {
    QList<Word> words;
    for (int i = 1; i <= n; ++i)
        words.append({longEnglish(i), longTranslation(i)});
    return words;
}

// The whole program on one data folder, as it starts.
class TestProgram : public WindowProgram {
public:
    explicit TestProgram(const TempHome& home) : WindowProgram(home) { start(); }
};

} // namespace

class TextFitTests : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeLeftovers(); }

    void messageTexts_data() {
        QTest::addColumn<QString>("text");
        for (const char* text : kMessageTexts)
            QTest::newRow(text) << QString::fromUtf8(text);
    }

    // Any of them may go to any of the three windows; each holds every one of them whole.
    void messageTexts() {
        QFETCH(QString, text);
        Globalnye_peremennye_slovarya g;
        QWidget owner;
        owner.setGeometry(40, 30, 700, 500);
        owner.show();
        g.Tekst_soobshcheniya = g.Tekst_voprosa = g.Tekst_oshibki = text;
        TForma_soobshenie message(g, &owner);
        TForma_vopros_s_viborom question(g, &owner);
        TForma_soobschenie_ob_oschibke error(g, &owner);
        const std::pair<QDialog*, QSize> windows[] = {
            {&message, QSize(537, 91)}, {&question, QSize(537, 91)}, {&error, QSize(560, 98)}};
        for (const auto& [w, given] : windows) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            const QStringList cut = cutLabels(w);
            QVERIFY2(cut.isEmpty(), qPrintable(w->objectName() + u' ' + cut.join(u'|')));
            // The width stays as given; the height only grows.
            QCOMPARE(w->width(), given.width());
            QVERIFY(w->height() >= given.height());
            w->hide();
        }
    }

    void windowGoesBackToItsSizeForAShortText() {
        Globalnye_peremennye_slovarya g;
        TForma_soobshenie message(g);
        g.Tekst_soobshcheniya = QStringLiteral(
            "Вы действительно хотите отметить все слова забытыми от начального до конечного "
            "номера? Все отметки слов не входящих в диапазон будут утрачены!");
        message.show();
        QVERIFY(message.height() > 91);
        message.hide();
        g.Tekst_soobshcheniya = QStringLiteral("Готово.");
        message.show();
        QCOMPARE(message.size(), QSize(537, 91));
        QCOMPARE(message.findChild<QLabel*>(QStringLiteral("Надпись_текст_сообщения"))->geometry(),
                 QRect(110, 16, 408, 29));
        message.hide();
    }

    void exerciseWindows_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("hint"); // opened by F1; empty when the window has none
        QTest::newRow("English recognition") << "Действие_случайные_слова"
                                             << "TForma_okno_pokaza_slova"
                                             << "TForma_podskazka_dlya_angliyskogo_slova";
        QTest::newRow("Russian recognition") << "Действие_русские_слова"
                                             << "TForma_okno_pokaza_russkogo_slova"
                                             << "TForma_podskazka_dlya_russkogo_slova";
        QTest::newRow("translation from Russian") << "Действие_случайный_перевод"
                                                  << "TForma_okno_pokaza_perevodov"
                                                  << "";
        QTest::newRow("translation from English") << "Действие_переводы_с_английского"
                                                  << "TForma_okno_perevodov_s_angliyskogo"
                                                  << "";
        QTest::newRow("pair matching") << "Действие_сопоставление_пар_слов"
                                       << "TForma_vspomnit_zabitie_slova"
                                       << "";
        QTest::newRow("find translation") << "Действие_найти_перевод"
                                          << "TForma_naiyti_perevod"
                                          << "";
    }

    // The exercise windows on a dictionary whose every record has the longest English text and
    // translation: nothing is cut, in the window or in its hint.
    void exerciseWindows() {
        QFETCH(QString, command);
        QFETCH(QString, window);
        QFETCH(QString, hint);
        TempHome home;
        writeDictionary(home, longWords(12));
        TestProgram p(home);
        auto cut = std::make_shared<QStringList>();
        auto seen = std::make_shared<int>(0);
        whenModal(window, [=](QWidget* w) {
            ++*seen;
            if (window == QStringLiteral("TForma_vspomnit_zabitie_slova")) {
                // A first pick shows its text in the labels under the counts.
                auto* list = child<QTableWidget>(w, "Таблица_предъявляемых_пар");
                list->setCurrentCell(1, 0);
                QTest::keyClick(list, Qt::Key_Return);
            }
            *cut << cutLabels(w);
            if (!hint.isEmpty()) {
                whenModal(hint, [=](QWidget* h) {
                    ++*seen;
                    *cut << cutLabels(h);
                    QTest::keyClick(h, Qt::Key_Escape);
                });
                key(w, Qt::Key_F1);
            }
            QTest::keyClick(w, Qt::Key_Escape);
        });
        p.trigger(command.toUtf8().constData());
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(*seen, hint.isEmpty() ? 1 : 2);
        QVERIFY2(cut->isEmpty(), qPrintable(cut->join(u'\n')));
        // The main window's word label holds the longest English text too.
        QVERIFY2(cutLabels(p.form).isEmpty(), qPrintable(cutLabels(p.form).join(u'\n')));
    }

    // At 100 000 records the number column shows "100000" and every status pane its whole text,
    // all within the window.
    void mainWindowAtHundredThousandRecords() {
        TempHome home;
        QList<Word> words = numberedWords(100000);
        words.last().english = longEnglish(0);
        writeDictionary(home, words);
        TestProgram p(home);
        QCOMPARE(p.form->model().cellText(0, RecordTableModel::Nomer), QStringLiteral(" 100000"));
        const QFontMetrics fm(p.table().font());
        // The cell text starts 5 pixels in and is clipped 2 pixels before the grid line.
        QVERIFY(5 + fm.horizontalAdvance(QStringLiteral(" 100000")) + 2 <=
                p.table().columnWidth(RecordTableModel::Nomer));
        QCOMPARE(p.pane("Панель_вывода_количества_записей"),
                 QStringLiteral("  Записей = 100000 (100000)"));
        const QStringList cut = cutLabels(p.form);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
        // No pane is pushed out of the status bar.
        QStatusBar* bar = p.form->statusBar();
        for (QLabel* pane : bar->findChildren<QLabel*>()) {
            const QRect r(pane->mapTo(bar, QPoint(0, 0)), pane->size());
            QVERIFY2(bar->rect().contains(r), qPrintable(pane->objectName()));
        }
        QCOMPARE(p.form->size(), QSize(1223, 549));
    }
};

QTEST_MAIN(TextFitTests)

#include "TextFitTests.moc"
