#include "groups/logic/GroupEdits.h"
#include "tests/support/TestSupport.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace telvo;
using namespace telvo::test;

namespace {

tip_Zapis_gruppy_slov named(const QString& name) {
    tip_Zapis_gruppy_slov g;
    g.Nazvanie_gruppy_slov = name;
    return g;
}

GroupState withGroups(const QStringList& names) {
    GroupState s;
    for (const QString& n : names)
        s.Gruppy_slov.push_back(named(n));
    return s;
}

QStringList names(const GroupState& s) {
    QStringList out;
    for (const auto& g : s.Gruppy_slov)
        out << g.Nazvanie_gruppy_slov;
    return out;
}

auto& rowsOf(GroupState& s, int group) {
    return s.Gruppy_slov[group].Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu;
}

TEST(GroupNames, AddNormalisesAndRefusesEmptyAndTakenNames) {
    const QString empty = QStringLiteral("Поле с названием группы слов не может быть пустым!");
    const QString taken = QStringLiteral("Группа слов с таким названием уже существует.");
    struct Case {
        const char* what;
        QString field;
        QString refusal;    // empty: added
        QString storedName; // the new last group's name when added
    } cases[] = {
        {"blanks collapsed and trimmed",
         QStringLiteral("  Дом   и  семья "),
         {},
         QStringLiteral("Дом и семья")},
        {"only blanks", "     ", empty, {}},
        {"nothing", "", empty, {}},
        {"an existing name", QStringLiteral("Работа"), taken, {}},
        {"an existing name after normalising", QStringLiteral(" Работа  "), taken, {}},
        {"letter case makes another name", QStringLiteral("работа"), {}, QStringLiteral("работа")},
        {"cut to 66", QString(70, QChar(u'ы')), {}, QString(66, QChar(u'ы'))},
        {"characters the file cannot hold",
         QStringLiteral("Дом 日本"),
         QStringLiteral("Поле с названием группы слов содержит символы, которые нельзя сохранить в "
                        "словаре: «日» (U+65E5), «本» (U+672C). Замените или удалите их."),
         {}},
        {"same as a 66-character name in its first 66",
         QString(66, QChar(u'д')) + "xyz",
         taken,
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GroupState s = withGroups({QStringLiteral("Работа"), QString(66, QChar(u'д'))});
        s.Gruppa_dobavlena = true;
        EXPECT_EQ(addGroup(s, c.field), c.refusal);
        if (c.refusal.isEmpty()) {
            ASSERT_EQ(s.Kolichestvo_grupp(), 3);
            EXPECT_EQ(s.Gruppy_slov[2], named(c.storedName));
            EXPECT_TRUE(s.Gruppa_dobavlena);
        } else {
            EXPECT_EQ(s.Kolichestvo_grupp(), 2);
            EXPECT_FALSE(s.Gruppa_dobavlena);
        }
    }
}

TEST(GroupNames, RenameRefusesItsOwnNameAndKeepsTheRows) {
    GroupState s = withGroups({"a", "b"});
    rowsOf(s, 1)[4] = {"w", QStringLiteral("с")};
    const QString taken = QStringLiteral("Группа слов с таким названием уже существует.");
    EXPECT_EQ(renameGroup(s, 1, "b"), taken);
    EXPECT_EQ(renameGroup(s, 1, " a "), taken);
    EXPECT_EQ(renameGroup(s, 1, "  "),
              QStringLiteral("Поле с названием группы слов не может быть пустым!"));
    EXPECT_EQ(names(s), QStringList({"a", "b"}));

    EXPECT_EQ(renameGroup(s, 1, QStringLiteral("  Новое   имя ")), QString());
    EXPECT_EQ(names(s), QStringList({"a", QStringLiteral("Новое имя")}));
    EXPECT_EQ(rowsOf(s, 1)[4].Angliyskoe_gruppovoe_slovo, "w");
    EXPECT_TRUE(Sravnenie_nazvaniy_grupp(s, QStringLiteral("Новое имя")));
    EXPECT_FALSE(Sravnenie_nazvaniy_grupp(s, QStringLiteral("новое имя")));
    EXPECT_FALSE(Sravnenie_nazvaniy_grupp(s, QStringLiteral("Новое")));
}

TEST(GroupNames, DeleteKeepsTheOrderAndNamesTheGroupShownNext) {
    struct Case {
        int index;
        int shown;
        bool last;
        QStringList after;
    } cases[] = {
        {0, 0, false, {"b", "c"}},
        {1, 1, false, {"a", "c"}},
        {2, 1, true, {"a", "b"}},
    };
    for (const Case& c : cases) {
        GroupState s = withGroups({"a", "b", "c"});
        EXPECT_EQ(deleteGroup(s, c.index), c.shown) << c.index;
        EXPECT_EQ(names(s), c.after);
        EXPECT_TRUE(s.Gruppa_udalena);
        EXPECT_EQ(s.Udalena_poslednyaya_gruppa, c.last);
    }
    GroupState only = withGroups({"x"});
    EXPECT_EQ(deleteGroup(only, 0), -1);
    EXPECT_EQ(only.Kolichestvo_grupp(), 0);
    EXPECT_EQ(groupCommandRefusal(only), QStringLiteral("Еще не создано ни одной группы слов ..."));
    EXPECT_EQ(deleteGroup(only, 0), -1);
    EXPECT_EQ(groupCountPane(only.Kolichestvo_grupp()),
              QStringLiteral("  Количество групп слов = 0"));
}

TEST(GroupSearch, FindsEachMatchInTurnThenSaysAllWereFound) {
    const GroupState s = withGroups(
        {QStringLiteral("Дом"), QStringLiteral("Работа"), QStringLiteral("Мой дом"), "x"});
    int32_t found = 0;
    GroupSearchResult r = Poisk_podstroki_gruppy_slov(s, QStringLiteral("  дом "), found);
    EXPECT_EQ(r.row, 1);
    EXPECT_TRUE(r.message.isEmpty());
    EXPECT_EQ(found, 1);
    r = Poisk_podstroki_gruppy_slov(s, QStringLiteral("ДОМ"), found);
    EXPECT_EQ(r.row, 3);
    EXPECT_EQ(found, 3);
    for (int again = 0; again < 2; ++again) {
        r = Poisk_podstroki_gruppy_slov(s, QStringLiteral("дом"), found);
        EXPECT_EQ(r.row, 0);
        EXPECT_EQ(r.message, QStringLiteral("Все слова с искомой подстрокой уже были найдены ..."));
        EXPECT_EQ(found, 3);
    }

    found = 0;
    r = Poisk_podstroki_gruppy_slov(s, "zzz", found);
    EXPECT_EQ(r.row, 0);
    EXPECT_EQ(r.message, QStringLiteral("Искомая подстрока не найдена ..."));
    EXPECT_EQ(found, 0);

    // A row left from a longer table finds nothing further, without reading past the table.
    found = 40;
    r = Poisk_podstroki_gruppy_slov(s, "x", found);
    EXPECT_EQ(r.row, 0);
    EXPECT_EQ(found, 40);

    r = Poisk_podstroki_gruppy_slov(s, "   ", found);
    EXPECT_EQ(r.message, QStringLiteral("Поле с подстрокой не может быть пустым!"));
    EXPECT_TRUE(r.clearField);
}

TEST(GroupMoves, GroupsAndRowsMoveOnePlaceAndStopAtTheEdges) {
    GroupState s = withGroups({"a", "b", "c"});
    rowsOf(s, 1)[0] = {"one", QStringLiteral("один")};
    const GroupState before = s;
    EXPECT_EQ(moveGroup(s, 0, MoveDirection::Up), std::nullopt);
    EXPECT_EQ(moveGroup(s, 2, MoveDirection::Down), std::nullopt);
    EXPECT_EQ(moveGroup(s, 7, MoveDirection::Up), std::nullopt);
    EXPECT_EQ(s.Gruppy_slov, before.Gruppy_slov);

    // A whole record moves, its rows with it.
    EXPECT_EQ(moveGroup(s, 1, MoveDirection::Up), 0);
    EXPECT_EQ(names(s), QStringList({"b", "a", "c"}));
    EXPECT_EQ(rowsOf(s, 0)[0].Angliyskoe_gruppovoe_slovo, "one");
    EXPECT_EQ(moveGroup(s, 1, MoveDirection::Down), 2);
    EXPECT_EQ(names(s), QStringList({"b", "c", "a"}));

    rowsOf(s, 0)[4] = {"four", QStringLiteral("четыре")};
    rowsOf(s, 0)[5] = {"five", QString()};
    rowsOf(s, 0)[13] = {"last", QStringLiteral("последний")};
    EXPECT_EQ(moveWordRow(s, 0, 0, MoveDirection::Up), std::nullopt);
    EXPECT_EQ(moveWordRow(s, 0, 13, MoveDirection::Down), std::nullopt);
    EXPECT_EQ(rowsOf(s, 0)[13].Angliyskoe_gruppovoe_slovo, "last");
    EXPECT_EQ(moveWordRow(s, 0, 4, MoveDirection::Down), 5);
    EXPECT_EQ(rowsOf(s, 0)[4], (tip_Zapis_stroki_slova_vkhodyashchego_v_gruppu{"five", {}}));
    EXPECT_EQ(rowsOf(s, 0)[5],
              (tip_Zapis_stroki_slova_vkhodyashchego_v_gruppu{"four", QStringLiteral("четыре")}));
    EXPECT_EQ(moveWordRow(s, 0, 13, MoveDirection::Up), 12);
    EXPECT_EQ(rowsOf(s, 0)[12].Angliyskoe_gruppovoe_slovo, "last");
    EXPECT_TRUE(rowsOf(s, 0)[13].Angliyskoe_gruppovoe_slovo.isEmpty());
}

TEST(GroupWords, CommitsCutToTheFieldsAndKeepHiddenTranslations) {
    GroupState s = withGroups({"g"});
    rowsOf(s, 0)[0] = {"old", QStringLiteral("старый")};
    rowsOf(s, 0)[1] = {"keep", QStringLiteral("оставить")};

    GroupWordCells cells;
    cells[0] = {"  big   cat ", QString()};
    cells[1] = {"keep", QString()};
    cells[6] = {QString(40, QChar(u'ф')), QString()};
    // Translations hidden: the cells show none, the stored ones stay.
    commitOnGroupChange(s, 0, cells, false);
    EXPECT_EQ(rowsOf(s, 0)[0], (tip_Zapis_stroki_slova_vkhodyashchego_v_gruppu{
                                   "big cat", QStringLiteral("старый")}));
    EXPECT_EQ(rowsOf(s, 0)[1].Russkiy_gruppovoy_perevod, QStringLiteral("оставить"));
    EXPECT_EQ(rowsOf(s, 0)[6].Angliyskoe_gruppovoe_slovo, QString(33, QChar(u'ф')));

    // Shown: an emptied translation cell empties the stored one.
    commitOnGroupChange(s, 0, cells, true);
    EXPECT_TRUE(rowsOf(s, 0)[0].Russkiy_gruppovoy_perevod.isEmpty());

    // As typed (Enter, a move, close): blanks kept, cut to 33 and 50.
    cells[2] = {" a  b ", QString(60, QChar(u'ж'))};
    Sokhranit_slova_tekushchey_gruppy(s, 0, cells);
    EXPECT_EQ(rowsOf(s, 0)[0].Angliyskoe_gruppovoe_slovo, "  big   cat ");
    EXPECT_EQ(rowsOf(s, 0)[2],
              (tip_Zapis_stroki_slova_vkhodyashchego_v_gruppu{" a  b ", QString(50, QChar(u'ж'))}));

    setWordRow(s, 0, 13, QString(34, QChar(u'q')), QStringLiteral("ok"));
    EXPECT_EQ(rowsOf(s, 0)[13].Angliyskoe_gruppovoe_slovo, QString(33, QChar(u'q')));
    setWordRow(s, 0, 14, "beyond", "beyond");
    setWordRow(s, 3, 0, "no group", "");
    EXPECT_EQ(s.Kolichestvo_grupp(), 1);
}

TEST(GroupWords, CountsTakeRowsWithAnEnglishWordWhereverTheyStand) {
    GroupState s = withGroups({"a", "b", "c"});
    rowsOf(s, 0)[2] = {"three", ""};
    rowsOf(s, 0)[8] = {"nine", QStringLiteral("девять")};
    rowsOf(s, 0)[9] = {"", QStringLiteral("без слова")}; // a translation alone is no word
    rowsOf(s, 2)[13] = {"x", ""};
    EXPECT_EQ(countGroupWords(s.Gruppy_slov[0]), 2);
    EXPECT_EQ(countGroupWords(s.Gruppy_slov[1]), 0);
    EXPECT_EQ(Obshchee_kolichestvo_slov_v_gruppakh(s), 3);
    EXPECT_EQ(allGroupWordsPane(3), QStringLiteral(" Общее количиство слов во всех группах = 3"));
    EXPECT_EQ(groupWordCountPane(2), QStringLiteral("  Количество слов в текущей группе = 2"));

    GroupWordCells cells;
    cells[0].Angliyskoe_gruppovoe_slovo = "   ";
    cells[5].Angliyskoe_gruppovoe_slovo = " w ";
    cells[13].Angliyskoe_gruppovoe_slovo = "z";
    EXPECT_EQ(countTypedWords(cells), 2);
}

TEST(GroupWords, TypedAndEnteredWordsMustNotRepeatAnotherRow) {
    GroupWordCells cells;
    cells[0].Angliyskoe_gruppovoe_slovo = "Cat";
    cells[3].Angliyskoe_gruppovoe_slovo = "dog";

    cells[7].Angliyskoe_gruppovoe_slovo = "dog";
    EXPECT_TRUE(typedWordInGroup(cells, 7));
    cells[7].Angliyskoe_gruppovoe_slovo = "cat"; // letter case counts
    EXPECT_FALSE(typedWordInGroup(cells, 7));
    cells[7].Angliyskoe_gruppovoe_slovo = "do"; // a part of a word is no repeat
    EXPECT_FALSE(typedWordInGroup(cells, 7));
    EXPECT_FALSE(typedWordInGroup(cells, 3)); // its own row does not count
    cells[7].Angliyskoe_gruppovoe_slovo.clear();
    EXPECT_FALSE(typedWordInGroup(cells, 7)); // empty cells are never repeats
    cells[8].Angliyskoe_gruppovoe_slovo.clear();
    EXPECT_FALSE(typedWordInGroup(cells, 8));

    EXPECT_EQ(enterWord(cells, 7, "dog"), QStringLiteral("Вводимое слово уже есть в группе."));
    EXPECT_TRUE(cells[7].Angliyskoe_gruppovoe_slovo.isEmpty());
    EXPECT_EQ(enterWord(cells, 3, "dog"), QString());
    EXPECT_EQ(enterWord(cells, 7, " dogs "), QString());
    EXPECT_EQ(cells[7].Angliyskoe_gruppovoe_slovo, " dogs "); // as typed

    EXPECT_EQ(overlongCellMessage(QString(33, QChar(u'a')), 33), QString());
    EXPECT_EQ(overlongCellMessage(QString(33, QChar(u'a')) + "bc", 33),
              QStringLiteral("Возможно сохранить только: ") + QString(33, QChar(u'a')));
}

TEST(GroupTransfer, AsksFirstThenForATakenRowAndRefusesARepeat) {
    const QString confirm = QStringLiteral(
        "Вы действительно хотите перениести английское слово: cat  и перевод: кошка, кот");
    const QString takenQuestion =
        QStringLiteral("Строка для переноса уже занята. Вы хотите ее заменить, выбранным "
                       "английским словом и переводом?");
    struct Case {
        const char* what;
        int target;
        std::vector<bool> answers;
        TransferOutcome outcome;
        QStringList questions;
        bool changed;
    } cases[] = {
        {"an empty row, confirmed", 5, {true}, TransferOutcome::Transferred, {confirm}, true},
        {"declined", 5, {false}, TransferOutcome::Declined, {confirm}, false},
        {"a row with a word, replaced",
         0,
         {true, true},
         TransferOutcome::Transferred,
         {confirm, takenQuestion},
         true},
        {"a row with a word, kept",
         0,
         {true, false},
         TransferOutcome::Declined,
         {confirm, takenQuestion},
         false},
        {"a row with only a translation is taken",
         1,
         {true, false},
         TransferOutcome::Declined,
         {confirm, takenQuestion},
         false},
        {"the same word in the target row",
         2,
         {true, true},
         TransferOutcome::Duplicate,
         {confirm, takenQuestion},
         false},
        {"the same word in another row", 3, {true}, TransferOutcome::Duplicate, {confirm}, false},
    };
    DictRecord record;
    record.Angliyskoe_slovo = "cat";
    record.Transkriptsiya = QStringLiteral("кэт");
    record.Perevod = QStringLiteral("кошка, кот");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GroupWordCells cells;
        cells[0] = {"dog", QStringLiteral("собака")};
        cells[1] = {QString(), QStringLiteral("перевод")};
        if (c.target == 2)
            cells[2] = {"cat", QStringLiteral("кот")};
        if (c.target == 3)
            cells[9] = {"cat", QString()};
        const GroupWordCells before = cells;
        QStringList asked;
        size_t next = 0;
        const TransferResult r =
            Perenos_iz_slovarya(cells, c.target, record, [&](const QString& q) {
                asked << q;
                return next < c.answers.size() ? bool(c.answers[next++]) : false;
            });
        EXPECT_EQ(r.outcome, c.outcome);
        EXPECT_EQ(asked, c.questions);
        if (c.outcome == TransferOutcome::Duplicate) {
            EXPECT_EQ(r.errorText, QStringLiteral("Переносимое слово уже есть в группе."));
        }
        GroupWordCells expected = before;
        if (c.changed)
            expected[c.target] = {"cat", QStringLiteral("кошка, кот")};
        EXPECT_EQ(cells, expected);
    }
}

TEST(GroupTransfer, TakesTheFirst33And50CharactersOfTheRecord) {
    DictRecord record;
    record.Angliyskoe_slovo = QString(40, QChar(u'e'));
    record.Perevod = QString(55, QChar(u'п'));
    GroupWordCells cells;
    const TransferResult r =
        Perenos_iz_slovarya(cells, 13, record, [](const QString&) { return true; });
    EXPECT_EQ(r.outcome, TransferOutcome::Transferred);
    EXPECT_EQ(cells[13].Angliyskoe_gruppovoe_slovo, QString(33, QChar(u'e')));
    EXPECT_EQ(cells[13].Russkiy_gruppovoy_perevod, QString(50, QChar(u'п')));
}

TEST(GroupTransfer, RefusedWithoutRecordsOrGroups) {
    Globalnye_peremennye_slovarya g;
    g.Kolichestvo_zapisey = 0;
    g.Gruppy_slov.resize(1);
    EXPECT_EQ(transferRefusal(g), QStringLiteral("В словаре нет еще ни одной записи ..."));
    g.Kolichestvo_zapisey = 4;
    EXPECT_EQ(transferRefusal(g), QString());
    g.Gruppy_slov.clear();
    EXPECT_EQ(transferRefusal(g), QStringLiteral("Еще не создано ни одной группы слов ..."));
}

} // namespace
