#include "groups/logic/GroupFile.h"
#include "groups/windows/GroupPairWindow.h"
#include "groups/windows/TForma_gruppy_slov.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/common/RecordTableView.h"
#include "ui/main/TMainForm.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QtTest>

using namespace telvo;
using namespace telvo::test;

namespace {

class TestProgram : public WindowProgram {
public:
    explicit TestProgram(const TempHome& home) : WindowProgram(home) { start(); }
};

tip_Zapis_gruppy_slov groupOf(const QString& name,
                              std::initializer_list<std::tuple<int, QString, QString>> rows) {
    tip_Zapis_gruppy_slov g;
    g.Nazvanie_gruppy_slov = name;
    for (const auto& [row, english, translation] : rows)
        g.Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu[row - 1] = {english, translation};
    return g;
}

QByteArray fileOf(const std::vector<tip_Zapis_gruppy_slov>& groups) {
    QByteArray bytes;
    for (const auto& g : groups)
        bytes.append(encodeGroup(g));
    return bytes;
}

std::vector<tip_Zapis_gruppy_slov> groupsIn(const QByteArray& bytes) {
    std::vector<tip_Zapis_gruppy_slov> groups;
    for (qsizetype at = 0; at + GroupLayout::kRecordSize <= bytes.size();
         at += GroupLayout::kRecordSize)
        groups.push_back(decodeGroup(bytes.constData() + at));
    return groups;
}

std::vector<tip_Zapis_gruppy_slov> threeGroups() {
    return {groupOf(QStringLiteral("Животные"),
                    {{1, "cat", "кошка"}, {2, "dog", "собака"}, {5, "cow", "корова"}}),
            groupOf(QStringLiteral("Дом"), {{1, "house", "дом"}, {2, "roof", "крыша"}}),
            groupOf(QStringLiteral("Еда"), {{3, "bread", "хлеб"}})};
}

QTableWidget* groupTable(QWidget* w) {
    return child<QTableWidget>(w, "Таблица_названий_групп_слов");
}
QTableWidget* wordTable(QWidget* w) {
    return child<QTableWidget>(w, "Таблица_со_словами_одной_группы_слов");
}
QString pane(QWidget* w, int i) {
    return w->findChild<QStatusBar*>()->findChildren<QLabel*>()[i]->text();
}
QString cell(QWidget* w, int row, int column) {
    return wordTable(w)->item(row - 1, column)->text();
}

// Makes the groups window the active one again, as the desktop does when a window opened
// from it closes.
void activateGroups(QWidget* w) {
    if (!QTest::qWaitFor([w] {
            if (QApplication::activeWindow() == w)
                return true;
            if (!QApplication::activeModalWidget())
                w->activateWindow();
            return false;
        }))
        qWarning("the groups window is not active");
}

// Puts the focus on word row `row`, `column` of the word table.
void enterWords(QWidget* w, int row, int column) {
    activateGroups(w);
    wordTable(w)->setFocus();
    wordTable(w)->setCurrentCell(row - 1, column);
}

void typeIntoCell(QWidget* w, int row, int column, const QString& text) {
    enterWords(w, row, column);
    QTest::keyClick(wordTable(w), Qt::Key_F2);
    QWidget* editor = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->selectAll();
    type(editor, text);
}

const QByteArray kDefaultState("\1\0\0\0\1\0\0\0\1\0\0\0", 12);

} // namespace

class GroupsWindowTests : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeLeftovers(); }

    void opensWithTheSavedStateAndWritesBothFilesOnClose();
    void tableLayoutFollowsTheGroupCount_data();
    void tableLayoutFollowsTheGroupCount();
    void savedRowsBeyondTheGroupsAreClamped();
    void emptyAndDamagedFilesOpen();
    void cyrillicInPlaceEditReachesTheFile();
    void spaceHidesTranslationsAndKeepsThem();
    void typedDuplicateLosesItsLastLetterAndAsks();
    void overlongCellIsCutWithAMessage();
    void movesOfGroupsAndWords();
    void uncommittedEditsFollowTheirGroupWhenItMoves();
    void addRenameDeleteAndSearch();
    void deletingShowsTheGroupNowInItsPlace();
    void transferTakesTheTranslationFromTheRecord();
    void pairExerciseJudgesPairs();
    void forgottenFromGroup();
    void closingTheMainWindowWritesTheGroups();
    void mainCommandsWaitWhileTheWindowIsOpen();
};

void GroupsWindowTests::opensWithTheSavedStateAndWritesBothFilesOnClose() {
    TempHome home;
    writeDictionary(home, numberedWords(3));
    const QByteArray file = fileOf(threeGroups());
    writeData(home, "group_words.group", file);
    TestProgram p(home);
    QFile::remove(p.file("Start_group.startdat"));
    TForma_gruppy_slov* w = p.openGroups();
    QVERIFY(w->isOpen());
    QVERIFY(p.g->Okno_grupp_otkryto);
    QCOMPARE(w->windowTitle(), QStringLiteral("Группы слов"));
    QCOMPARE(w->size(), QSize(993, 442));
    QVERIFY(child<QCheckBox>(w, "Переключатель_перевод_группы_слов")->isChecked());
    QCOMPARE(groupTable(w)->currentRow(), 0);
    QCOMPARE(groupTable(w)->item(1, 0)->text(), QStringLiteral("       2"));
    QCOMPARE(groupTable(w)->item(1, 1)->text(), QStringLiteral("Дом"));
    QCOMPARE(cell(w, 5, 1), QStringLiteral("cow"));
    QCOMPARE(cell(w, 5, 2), QStringLiteral("корова"));
    QCOMPARE(cell(w, 10, 0), QStringLiteral("   10"));
    QCOMPARE(pane(w, 0), QStringLiteral("  Количество групп слов = 3"));
    QCOMPARE(pane(w, 1), QStringLiteral("  Количество слов в текущей группе = 3"));
    QCOMPARE(pane(w, 2), QStringLiteral(" Общее количиство слов во всех группах = 6"));
    QVERIFY(w->findChild<QAction*>(QStringLiteral("Дейсвие_составить_пары"))->isEnabled());
    QVERIFY(!w->findChild<QAction*>(QStringLiteral("Действие_перенести_из_словаря"))->isEnabled());
    QCOMPARE(child<QLabel>(w, "Надпись_передвинуть_вверх")->text(),
             QStringLiteral("Передвинуть группу вверх"));

    // Choosing another group shows its words; the command again changes nothing.
    groupTable(w)->setFocus();
    QTest::keyClick(groupTable(w), Qt::Key_Down);
    QCOMPARE(cell(w, 2, 1), QStringLiteral("roof"));
    QCOMPARE(pane(w, 1), QStringLiteral("  Количество слов в текущей группе = 2"));
    p.trigger("Действие_группы_слов");
    QCOMPARE(groupTable(w)->currentRow(), 1);

    QTest::keyClick(groupTable(w), Qt::Key_Escape);
    QVERIFY(!w->isVisible());
    QVERIFY(!w->isOpen());
    QVERIFY(!p.g->Okno_grupp_otkryto);
    QVERIFY(p.g->Gruppy_slov.empty());
    QCOMPARE(p.read("group_words.group"), file);
    QCOMPARE(p.read("Start_group.startdat"), QByteArray("\1\0\0\0\1\0\0\0\2\0\0\0", 12));

    // The next show selects the group it was closed on.
    w = p.openGroups();
    QCOMPARE(groupTable(w)->currentRow(), 1);
    QCOMPARE(cell(w, 1, 1), QStringLiteral("house"));
}

void GroupsWindowTests::tableLayoutFollowsTheGroupCount_data() {
    QTest::addColumn<int>("groups");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("blanks");
    QTest::newRow("11") << 11 << 379 << 39;
    QTest::newRow("12") << 12 << 362 << 37;
}

void GroupsWindowTests::tableLayoutFollowsTheGroupCount() {
    QFETCH(int, groups);
    QFETCH(int, width);
    QFETCH(int, blanks);
    TempHome home;
    writeDictionary(home, numberedWords(1));
    std::vector<tip_Zapis_gruppy_slov> all;
    for (int i = 1; i <= groups; ++i)
        all.push_back(groupOf(QStringLiteral("Группа %1").arg(i), {}));
    writeData(home, "group_words.group", fileOf(all));
    TestProgram p(home);
    TForma_gruppy_slov* w = p.openGroups();
    QCOMPARE(groupTable(w)->columnWidth(1), width);
    QCOMPARE(groupTable(w)->horizontalHeaderItem(1)->text(),
             QString(blanks, u' ') + QStringLiteral("Название группы слов"));
    QCOMPARE(groupTable(w)->item(groups - 1, 0)->text(),
             QString(5, u' ') + QString::number(groups));
}

void GroupsWindowTests::savedRowsBeyondTheGroupsAreClamped() {
    TempHome home;
    writeDictionary(home, numberedWords(1));
    writeData(home, "group_words.group", fileOf(threeGroups()));
    // Left from a group file of 99 groups, translations hidden.
    writeData(home, "Start_group.startdat", QByteArray("\0\0\0\0\x50\0\0\0\x63\0\0\0", 12));
    TestProgram p(home);
    TForma_gruppy_slov* w = p.openGroups();
    QCOMPARE(groupTable(w)->currentRow(), 2);
    QCOMPARE(cell(w, 3, 1), QStringLiteral("bread"));
    QCOMPARE(cell(w, 3, 2), QString());
    QVERIFY(!child<QCheckBox>(w, "Переключатель_перевод_группы_слов")->isChecked());
    QTest::keyClick(groupTable(w), Qt::Key_Escape);
    QCOMPARE(p.read("Start_group.startdat"), QByteArray("\0\0\0\0\1\0\0\0\3\0\0\0", 12));
    // The hidden translations were kept.
    QCOMPARE(groupsIn(p.read("group_words.group")), threeGroups());
}

void GroupsWindowTests::emptyAndDamagedFilesOpen() {
    {
        TempHome home;
        writeDictionary(home, numberedWords(1));
        writeData(home, "group_words.group", QByteArray());
        TestProgram p(home);
        TForma_gruppy_slov* w = p.openGroups();
        QCOMPARE(groupTable(w)->rowCount(), 1);
        QCOMPARE(pane(w, 0), QStringLiteral("  Количество групп слов = 0"));
        QCOMPARE(pane(w, 1), QStringLiteral("  Количество слов в текущей группе = 0"));
        QCOMPARE(pane(w, 2), QStringLiteral(" Общее количиство слов во всех группах = 0"));
        QVERIFY(!child<QLabel>(w, "Картинка_строчка_вверх")->isVisible());
        w->move(MoveDirection::Down); // nothing to move
        QTest::keyClick(groupTable(w), Qt::Key_Escape);
        QCOMPARE(p.read("group_words.group"), QByteArray());
        QCOMPARE(p.read("Start_group.startdat"), kDefaultState);
    }
    {
        // Two whole records and a broken tail; a name length byte beyond its field.
        TempHome home;
        writeDictionary(home, numberedWords(1));
        QByteArray bytes = fileOf(threeGroups()).left(2 * 1257 + 100);
        bytes[0] = char(200);
        writeData(home, "group_words.group", bytes);
        TestProgram p(home);
        TForma_gruppy_slov* w = p.openGroups();
        QCOMPARE(groupTable(w)->rowCount(), 2);
        QCOMPARE(groupTable(w)->item(0, 1)->text().size(), 66);
        QTest::keyClick(groupTable(w), Qt::Key_Escape);
        const auto stored = groupsIn(p.read("group_words.group"));
        QCOMPARE(p.read("group_words.group").size(), 2 * 1257);
        QCOMPARE(stored[1], threeGroups()[1]);
    }
}

void GroupsWindowTests::cyrillicInPlaceEditReachesTheFile() {
    TempHome home;
    writeDictionary(home, numberedWords(1));
    writeData(home, "group_words.group", fileOf(threeGroups()));
    TestProgram p(home);
    TForma_gruppy_slov* w = p.openGroups();
    QVERIFY(!w->editingAllowed());
    enterWords(w, 3, 1);
    QCOMPARE(w->activeTable(), 2);
    QVERIFY(w->editingAllowed());
    QCOMPARE(child<QLabel>(w, "Надпись_можно_редактировать_словать_группы")->text(),
             QStringLiteral("Можно редактировать слова группы!"));
    QVERIFY(w->findChild<QAction*>(QStringLiteral("Действие_перенести_из_словаря"))->isEnabled());
    QVERIFY(!w->findChild<QAction*>(QStringLiteral("Дейсвие_составить_пары"))->isEnabled());

    typeIntoCell(w, 3, 1, QStringLiteral("horse"));
    QCOMPARE(pane(w, 1), QStringLiteral("  Количество слов в текущей группе = 4"));
    QCOMPARE(child<QLabel>(w, "Надпись_английское_слово_для_группы_слов")->text(),
             QStringLiteral("horse"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    typeIntoCell(w, 3, 2, QStringLiteral("лошадь ёжик"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(cell(w, 3, 2), QStringLiteral("лошадь ёжик"));
    // Typed and not ended by Enter: the close commits it too.
    typeIntoCell(w, 14, 2, QStringLiteral("Щука"));
    w->findChild<QAction*>(QStringLiteral("Действие_закрыть"))->trigger();

    auto expected = threeGroups();
    expected[0].Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu[2] = {"horse", "лошадь ёжик"};
    expected[0].Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu[13] = {"", "Щука"};
    QCOMPARE(groupsIn(p.read("group_words.group")), expected);
    // Cyrillic in the file's code page, at the row's translation field.
    const QByteArray bytes = p.read("group_words.group");
    QCOMPARE(bytes.mid(67 + 2 * 85 + 34, 12),
             QByteArray("\x0b\xeb\xee\xf8\xe0\xe4\xfc \xb8\xe6\xe8\xea"));
}

void GroupsWindowTests::spaceHidesTranslationsAndKeepsThem() {
    TempHome home;
    writeDictionary(home, numberedWords(1));
    writeData(home, "group_words.group", fileOf(threeGroups()));
    TestProgram p(home);
    TForma_gruppy_slov* w = p.openGroups();
    auto* box = child<QCheckBox>(w, "Переключатель_перевод_группы_слов");
    // An edit typed while translations show is kept when they are hidden.
    typeIntoCell(w, 2, 2, QStringLiteral("пёс"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(wordTable(w), Qt::Key_Space);
    QVERIFY(!box->isChecked());
    QVERIFY(groupTable(w)->hasFocus());
    QCOMPARE(cell(w, 1, 2), QString());
    QCOMPARE(cell(w, 1, 1), QStringLiteral("cat"));
    // Hidden translations are not editable and not lost by a group change.
    enterWords(w, 1, 2);
    QVERIFY(!w->editingAllowed());
    groupTable(w)->setFocus();
    QTest::keyClick(groupTable(w), Qt::Key_Down);
    QTest::keyClick(groupTable(w), Qt::Key_Up);
    QTest::keyClick(groupTable(w), Qt::Key_Space);
    QVERIFY(box->isChecked());
    QCOMPARE(cell(w, 2, 2), QStringLiteral("пёс"));
    QCOMPARE(cell(w, 5, 2), QStringLiteral("корова"));
    QTest::keyClick(groupTable(w), Qt::Key_Space);
    QTest::keyClick(groupTable(w), Qt::Key_Escape);
    auto expected = threeGroups();
    expected[0].Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu[1].Russkiy_gruppovoy_perevod =
        QStringLiteral("пёс");
    QCOMPARE(groupsIn(p.read("group_words.group")), expected);
    QCOMPARE(p.read("Start_group.startdat").at(0), '\0');
}

void GroupsWindowTests::typedDuplicateLosesItsLastLetterAndAsks() {
    TempHome home;
    writeDictionary(home, numberedWords(1));
    writeData(home, "group_words.group", fileOf(threeGroups()));
    TestProgram p(home);
    TForma_gruppy_slov* w = p.openGroups();
    {
        ModalDriver no(false);
        typeIntoCell(w, 4, 1, QStringLiteral("dog"));
        QTRY_COMPARE(no.seen.size(), 1);
        QCOMPARE(no.seen[0],
                 QStringLiteral("TForma_vopros_s_viborom:Вводимое слово уже есть в группе. Если "
                                "вводимое слово содержит часть уже имеющегося слова, то можно "
                                "ввести нужное слово через форму."));
        QCOMPARE(cell(w, 4, 1), QStringLiteral("do"));
    }
    {
        // Other letter case is another word; the word-entry window puts in a longer word.
        ModalDriver yes(true);
        yes.dialog = [](QWidget* d) {
            QCOMPARE(d->objectName(), QStringLiteral("TForma_vvod_slova"));
            auto* field = child<QLineEdit>(d, "Поле_ввода_нового_слова");
            QCOMPARE(field->maxLength(), 33);
            field->setText(QStringLiteral("dogs"));
            click(d, "Кнопка_ввести");
        };
        typeIntoCell(w, 6, 1, QStringLiteral("Cat"));
        QCOMPARE(yes.seen.size(), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        typeIntoCell(w, 7, 1, QStringLiteral("cat"));
        QTRY_COMPARE(cell(w, 7, 1), QStringLiteral("dogs"));
    }
}

void GroupsWindowTests::overlongCellIsCutWithAMessage() {
    TempHome home;
    writeDictionary(home, numberedWords(1));
    writeData(home, "group_words.group", fileOf(threeGroups()));
    TestProgram p(home);
    TForma_gruppy_slov* w = p.openGroups();
    ModalDriver driver;
    const QString english = QString(33, u'e');
    typeIntoCell(w, 8, 1, english + u'x');
    QTRY_COMPARE(driver.seen.size(), 1);
    QCOMPARE(driver.seen[0],
             QStringLiteral("TForma_soobshenie:Возможно сохранить только: ") + english);
    QCOMPARE(cell(w, 8, 1), english);
    const QString russian = QString(50, u'ж');
    typeIntoCell(w, 8, 2, russian + u'щ');
    QTRY_COMPARE(driver.seen.size(), 2);
    QCOMPARE(cell(w, 8, 2), russian);
    w->close();
    const QByteArray bytes = p.read("group_words.group");
    QCOMPARE(bytes.at(67 + 7 * 85), char(33));
    QCOMPARE(bytes.at(67 + 7 * 85 + 34), char(50));
}

void GroupsWindowTests::movesOfGroupsAndWords() {
    TempHome home;
    writeDictionary(home, numberedWords(1));
    writeData(home, "group_words.group", fileOf(threeGroups()));
    TestProgram p(home);
    TForma_gruppy_slov* w = p.openGroups();
    auto* down = child<QLabel>(w, "Картинка_строчка_вниз");
    auto* upLabel = child<QLabel>(w, "Надпись_передвинуть_вверх");
    QTest::mouseClick(upLabel, Qt::LeftButton); // the first group cannot go up
    QCOMPARE(groupTable(w)->item(0, 1)->text(), QStringLiteral("Животные"));
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(groupTable(w)->item(0, 1)->text(), QStringLiteral("Дом"));
    QCOMPARE(groupTable(w)->item(1, 1)->text(), QStringLiteral("Животные"));
    QCOMPARE(groupTable(w)->currentRow(), 1);
    QCOMPARE(cell(w, 1, 1), QStringLiteral("cat"));

    // Words: row 1 down, then row 14 down does nothing.
    enterWords(w, 1, 1);
    QCOMPARE(upLabel->text(), QStringLiteral("Передвинуть слово вверх"));
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(cell(w, 1, 1), QStringLiteral("dog"));
    QCOMPARE(cell(w, 2, 1), QStringLiteral("cat"));
    QCOMPARE(cell(w, 2, 2), QStringLiteral("кошка"));
    QCOMPARE(wordTable(w)->currentRow(), 1);
    wordTable(w)->setCurrentCell(13, 1);
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(wordTable(w)->currentRow(), 13);
    w->close();
    auto expected = threeGroups();
    std::swap(expected[0], expected[1]);
    std::swap(expected[1].Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu[0],
              expected[1].Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu[1]);
    QCOMPARE(groupsIn(p.read("group_words.group")), expected);
}

void GroupsWindowTests::uncommittedEditsFollowTheirGroupWhenItMoves() {
    TempHome home;
    writeDictionary(home, numberedWords(1));
    writeData(home, "group_words.group", fileOf(threeGroups()));
    TestProgram p(home);
    TForma_gruppy_slov* w = p.openGroups();
    typeIntoCell(w, 9, 1, QStringLiteral("goat"));
    // No Enter: the group table takes the focus and the group moves down.
    groupTable(w)->setFocus();
    QCOMPARE(w->activeTable(), 1);
    QTest::mouseClick(child<QLabel>(w, "Надпись_передвинуть_вниз"), Qt::LeftButton);
    QCOMPARE(cell(w, 9, 1), QStringLiteral("goat"));
    w->close();
    auto expected = threeGroups();
    expected[0].Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu[8] = {"goat", ""};
    std::swap(expected[0], expected[1]);
    QCOMPARE(groupsIn(p.read("group_words.group")), expected);
}

void GroupsWindowTests::addRenameDeleteAndSearch() {
    TempHome home;
    writeDictionary(home, numberedWords(1));
    writeData(home, "group_words.group", fileOf(threeGroups()));
    TestProgram p(home);
    TForma_gruppy_slov* w = p.openGroups();
    QStringList seen;
    QStringList names;
    // A driver drives each window once, and the add window lives for the whole run: one
    // driver per command.
    auto run = [&](const std::function<void()>& command) {
        ModalDriver driver;
        driver.dialog = [&](QWidget* d) {
            names << d->objectName();
            if (d->objectName() == QLatin1String("TForma_dobavit_gruppu_slov")) {
                QCOMPARE(d->windowTitle(), QStringLiteral("Добавить группу слов"));
                QCOMPARE(d->size(), QSize(620, 98));
                auto* field = child<QLineEdit>(d, "Поле_ввода_с_названием_группы_слов");
                QCOMPARE(field->maxLength(), 66);
                field->setText(names.size() == 1 ? QStringLiteral("Дом")
                                                 : QStringLiteral("  Мои   слова "));
                click(d, "Кнопка_довавить");
                if (d->isVisible()) // refused: Esc closes it
                    QTest::keyClick(field, Qt::Key_Escape);
            } else if (d->objectName() == QLatin1String("TForma_izmenit_nazvanie_gruppi")) {
                auto* field = child<QLineEdit>(d, "Поле_ввода_с_названием_группы_слов");
                QCOMPARE(field->text(), QStringLiteral("Мои слова"));
                field->setText(QStringLiteral("Мои новые слова"));
                click(d, "Кнопка_изменить");
            } else if (d->objectName() == QLatin1String("TForma_udalit_gruppu_slov")) {
                QCOMPARE(child<QLabel>(d, "Надпись_удаляемая_группа_слов")->text(),
                         QStringLiteral("Номер удаляемой группы слов: 1"));
                QVERIFY(child<QPushButton>(d, "Кнопка_нет")->hasFocus());
                click(d, "Кнопка_да");
            }
        };
        command();
        QTest::qWait(20);
        seen << driver.seen;
    };
    run([&] { QTest::keyClick(groupTable(w), Qt::Key_Insert); }); // "Дом" is taken
    QCOMPARE(seen, QStringList{"TForma_soobshenie:Группа слов с таким названием уже существует."});
    QCOMPARE(groupTable(w)->rowCount(), 3);
    run([&] { QTest::keyClick(groupTable(w), Qt::Key_Insert); });
    QCOMPARE(groupTable(w)->rowCount(), 4);
    QCOMPARE(groupTable(w)->currentRow(), 3);
    QCOMPARE(groupTable(w)->item(3, 1)->text(), QStringLiteral("Мои слова"));
    QCOMPARE(pane(w, 0), QStringLiteral("  Количество групп слов = 4"));
    run([&] { w->Deystvie_izmenit_gruppuExecute(); });
    QCOMPARE(groupTable(w)->item(3, 1)->text(), QStringLiteral("Мои новые слова"));

    // Search: a lower-case substring finds a capitalised name; again, nothing is left.
    auto* field = child<QLineEdit>(w, "Поле_ввода_подствоки_поиска_группы_слов");
    field->setFocus();
    type(field, QStringLiteral("дом"));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(groupTable(w)->currentRow(), 1);
    run([&] { QTest::mouseClick(child<QPushButton>(w, "Кнопка_искать_далее"), Qt::LeftButton); });
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen[1], QStringLiteral(
                          "TForma_soobshenie:Все слова с искомой подстрокой уже были найдены ..."));

    // Delete pressed in the word table deletes the whole group 1.
    groupTable(w)->setCurrentCell(0, 1);
    enterWords(w, 2, 1);
    run([&] { QTest::keyClick(wordTable(w), Qt::Key_Delete); });
    QCOMPARE(groupTable(w)->rowCount(), 3);
    QCOMPARE(groupTable(w)->item(0, 1)->text(), QStringLiteral("Дом"));
    QCOMPARE(cell(w, 1, 1), QStringLiteral("house"));
    QCOMPARE(names.count(QStringLiteral("TForma_udalit_gruppu_slov")), 1);
    w->close();
    const auto stored = groupsIn(p.read("group_words.group"));
    QCOMPARE(stored.size(), size_t(3));
    QCOMPARE(stored[2].Nazvanie_gruppy_slov, QStringLiteral("Мои новые слова"));
}

void GroupsWindowTests::deletingShowsTheGroupNowInItsPlace() {
    struct Case {
        const char* name;
        int groups;
        int deleted; // group row
        int shownRow;
        QString shownWord;
    };
    const Case cases[] = {
        {"last of three", 3, 3, 2, "house"},
        {"first of three", 3, 1, 1, "house"},
        {"the only one", 1, 1, 1, ""},
    };
    for (const Case& c : cases) {
        TempHome home;
        writeDictionary(home, numberedWords(1));
        auto groups = threeGroups();
        groups.resize(c.groups);
        writeData(home, "group_words.group", fileOf(groups));
        TestProgram p(home);
        TForma_gruppy_slov* w = p.openGroups();
        groupTable(w)->setCurrentCell(c.deleted - 1, 1);
        // An edit of the group being deleted must not land in the group shown next.
        typeIntoCell(w, 3, 1, QStringLiteral("ghost"));
        groupTable(w)->setFocus();
        {
            ModalDriver driver;
            driver.dialog = [](QWidget* d) { click(d, "Кнопка_да"); };
            QTest::keyClick(groupTable(w), Qt::Key_Delete);
            QTest::qWait(20);
        }
        QCOMPARE(groupTable(w)->currentRow(), c.shownRow - 1);
        QCOMPARE(cell(w, 1, 1), c.shownWord);
        QCOMPARE(pane(w, 0), QStringLiteral("  Количество групп слов = %1").arg(c.groups - 1));
        w->close();
        auto expected = groups;
        expected.erase(expected.begin() + (c.deleted - 1));
        QVERIFY2(groupsIn(p.read("group_words.group")) == expected, c.name);
        QCOMPARE(p.read("group_words.group").size(), (c.groups - 1) * 1257);
    }
}

void GroupsWindowTests::transferTakesTheTranslationFromTheRecord() {
    TempHome home;
    QList<Word> words = numberedWords(3);
    words[1].english = QString(40, u'w');
    writeDictionary(home, words);
    writeData(home, "group_words.group", fileOf(threeGroups()));
    TestProgram p(home);
    // The main table hides its translations.
    p.control<QCheckBox>("Переключатель_перевод")->click();
    p.form->selectRow(2); // newest first: row 2 shows record 2
    TForma_gruppy_slov* w = p.openGroups();
    ModalDriver driver;
    enterWords(w, 4, 1);
    QTest::keyClick(wordTable(w), Qt::Key_F10);
    QTRY_COMPARE(cell(w, 4, 1), QString(33, u'w'));
    QCOMPARE(cell(w, 4, 2), QStringLiteral("слово 2"));
    QCOMPARE(
        driver.seen,
        QStringList{QStringLiteral("TForma_vopros_s_viborom:Вы действительно хотите перениести "
                                   "английское слово: ") +
                    QString(33, u'w') + QStringLiteral("  и перевод: слово 2")});
    // Again into an occupied row holding that word: replace? then refused.
    driver.seen.clear();
    activateGroups(w);
    QTest::keyClick(wordTable(w), Qt::Key_F10);
    QTRY_COMPARE(driver.seen.size(), 3);
    QCOMPARE(driver.seen[1],
             QStringLiteral("TForma_vopros_s_viborom:Строка для переноса уже занята. Вы хотите ее "
                            "заменить, выбранным английским словом и переводом?"));
    QCOMPARE(driver.seen[2],
             QStringLiteral("TForma_soobschenie_ob_oschibke:Переносимое слово уже есть в группе."));
}

void GroupsWindowTests::pairExerciseJudgesPairs() {
    TempHome home;
    writeDictionary(home, numberedWords(1));
    writeData(home, "group_words.group", fileOf(threeGroups()));
    TestProgram p(home);
    TForma_gruppy_slov* w = p.openGroups();
    bool checked = false;
    whenModal(QStringLiteral("TForma_sostsvit_pari_iz_slov_gruppi"), [&](QWidget* d) {
        auto* pairs = static_cast<TForma_sostsvit_pari_iz_slov_gruppi*>(d);
        QCOMPARE(d->windowTitle(),
                 QStringLiteral("Составление пар (Слово-Перевод) из слов группы."));
        auto* remaining = child<QLabel>(d, "Надпись_осталось_соповить_пар");
        auto* verdict = child<QLabel>(d, "Надпись_правильность_сопоставления");
        auto* table = child<QTableWidget>(d, "Таблица_пар_слов_группы");
        QCOMPARE(remaining->text(), QStringLiteral("Осталось сопоставить пар = 3"));
        auto find = [&](int column, const QString& text) {
            for (int r = 0; r < 14; ++r)
                if (table->item(r, column)->text() == text)
                    return r;
            return -1;
        };
        auto choose = [&](int column, const QString& text) {
            table->setCurrentCell(find(column, text), column);
            QTest::keyClick(table, Qt::Key_Return);
        };
        auto clickTable = [&] {
            const QRect r = table->visualItemRect(table->item(0, 0));
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, r.center());
        };
        // Each state shows a picture of its own.
        QList<QImage> pictures;
        auto picture = [&] {
            pictures
                << child<QLabel>(d, "Картинка_формы_сопоставление_пар_слов")->pixmap().toImage();
        };
        picture();
        choose(1, QStringLiteral("собака"));
        QCOMPARE(pairs->pictureName(), QStringLiteral("Одно_слово"));
        picture();
        choose(0, QStringLiteral("dog"));
        QCOMPARE(verdict->text(), QStringLiteral("Правильно!"));
        picture();
        QCOMPARE(remaining->text(), QStringLiteral("Осталось сопоставить пар = 2"));
        clickTable();
        QCOMPARE(child<QLabel>(d, "Надпись_выбранное_слово")->text(), QString());
        choose(0, QStringLiteral("cat"));
        choose(1, QStringLiteral("корова"));
        QCOMPARE(verdict->text(), QStringLiteral("Неправильно ..."));
        QCOMPARE(pairs->pictureName(), QStringLiteral("Неправильно"));
        picture();
        clickTable();
        for (const auto& [en, ru] : {std::pair{"cat", "кошка"}, std::pair{"cow", "корова"}}) {
            choose(0, QString::fromUtf8(en));
            choose(1, QString::fromUtf8(ru));
            clickTable();
        }
        QCOMPARE(remaining->text(), QStringLiteral("Осталось сопоставить пар = 0"));
        QCOMPARE(verdict->text(), QStringLiteral("Все пары сопоставлены."));
        QCOMPARE(verdict->x(), 130);
        picture();
        for (int i = 0; i < pictures.size(); ++i)
            for (int j = i + 1; j < pictures.size(); ++j)
                QVERIFY2(pictures[i] != pictures[j],
                         qPrintable(QStringLiteral("%1 %2").arg(i).arg(j)));
        checked = true;
        QTest::keyClick(table, Qt::Key_Escape);
    });
    QTest::keyClick(groupTable(w), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(checked);
    QVERIFY(w->isVisible());
}

void GroupsWindowTests::forgottenFromGroup() {
    TempHome home;
    QList<Word> words = numberedWords(3);
    words[0].english = QStringLiteral("cat");
    words[1].english = QStringLiteral("dog");
    words[1].excluded = true;
    writeDictionary(home, words);
    writeData(home, "group_words.group", fileOf(threeGroups()));
    TestProgram p(home);
    QFile::remove(p.file("Stat_forget.dictstat"));
    TForma_gruppy_slov* w = p.openGroups();
    ModalDriver driver;
    enterWords(w, 1, 1);
    QTest::keyClick(wordTable(w), Qt::Key_F5);
    QTRY_COMPARE(driver.seen.size(), 2);
    QCOMPARE(driver.seen[0], QStringLiteral("TForma_vopros_s_viborom:Вы действительно хотите "
                                            "отметить английское слово: cat, как забытое?"));
    QCOMPARE(driver.seen[1],
             QStringLiteral("TForma_soobshenie:Слово отмечено в словаре как забытое."));
    QCOMPARE(p.read("Stat_forget.dictstat"), QByteArray("\1\0\0", 3));
    // An excluded record is refused, as the dictionary's own command refuses it.
    enterWords(w, 2, 1);
    QTest::keyClick(wordTable(w), Qt::Key_F5);
    QTRY_COMPARE(driver.seen.size(), 4);
    QCOMPARE(driver.seen[3], QStringLiteral("TForma_soobschenie_ob_oschibke:Нельзя отмечать слово "
                                            "как забытое, если оно исключено из показа в "
                                            "упражнениях."));
    QCOMPARE(p.read("Stat_forget.dictstat"), QByteArray("\1\0\0", 3));
    enterWords(w, 5, 1);
    QTest::keyClick(wordTable(w), Qt::Key_F5);
    QTRY_COMPARE(driver.seen.size(), 6);
    QCOMPARE(driver.seen[5],
             QStringLiteral("TForma_soobshenie:Такое забываемое слово отсутствует в словаре!"));
}

void GroupsWindowTests::closingTheMainWindowWritesTheGroups() {
    const char* ways[] = {"close box", "Выход", "Ctrl+Q"};
    for (const char* way : ways) {
        TempHome home;
        writeDictionary(home, numberedWords(1));
        writeData(home, "group_words.group", fileOf(threeGroups()));
        TestProgram p(home);
        TForma_gruppy_slov* w = p.openGroups();
        typeIntoCell(w, 10, 1, QStringLiteral("mouse"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        ModalDriver yes(true);
        p.activate();
        if (QLatin1String(way) == QLatin1String("close box"))
            p.form->close();
        else if (QLatin1String(way) == QLatin1String("Выход"))
            p.trigger("Действие_выход");
        else
            QTest::keyClick(&p.table(), Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY2(!p.form->isVisible(), way);
        QVERIFY2(!w->isOpen(), way);
        auto expected = threeGroups();
        expected[0].Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu[9] = {"mouse", ""};
        QVERIFY2(groupsIn(p.read("group_words.group")) == expected, way);
        QCOMPARE(p.read("Start_group.startdat"), kDefaultState);
    }
}

void GroupsWindowTests::mainCommandsWaitWhileTheWindowIsOpen() {
    TempHome home;
    writeDictionary(home, numberedWords(20));
    writeData(home, "group_words.group", fileOf(threeGroups()));
    writeData(home, "Stat_forget.dictstat", QByteArray(20, '\1'));
    writeData(home, "Stat_eng.dictstat", QByteArray(20, '\0'));
    TestProgram p(home);
    p.openGroups();
    QStringList opened;
    ModalDriver driver;
    driver.dialog = [&](QWidget* d) {
        opened << d->objectName();
        d->close();
    };
    const QByteArray dictionary = p.read("Vocabulary.dictdat");
    // The commands that wait for the groups window, among those built.
    const char* waiting[] = {"Действие_вставить_слово",
                             "Действие_найти_перевод",
                             "Действие_русские_слова",
                             "Действие_обнулить_историю",
                             "Действие_отметить_забытыми_по_дате",
                             "Действие_отметить_забытыми_по_номерам",
                             "Действие_связать_забытые_с_отмеченными",
                             "Действие_применить_отменить_фильтр",
                             "Действие_исключить_слово_из_показа",
                             "Действие_перейти_к_номеру"};
    for (const char* name : waiting) {
        p.activate();
        p.trigger(name);
        QTest::qWait(30);
        QVERIFY2(driver.seen.isEmpty(), name);
        QVERIFY2(opened.isEmpty(), name);
    }
    QVERIFY(!p.g->Rezhim_zabytye);
    QCOMPARE(p.read("Vocabulary.dictdat"), dictionary);
    QCOMPARE(p.read("Stat_forget.dictstat"), QByteArray(20, '\1'));
}

QTEST_MAIN(GroupsWindowTests)
#include "GroupsWindowTests.moc"
