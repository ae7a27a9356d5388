#include "groups/logic/GroupExercise.h"
#include "store/Records.h"
#include "tests/support/TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>
#include <optional>

using namespace telvo;
using namespace telvo::test;

namespace {

tip_Zapis_gruppy_slov groupOf(std::initializer_list<std::tuple<int, QString, QString>> rows) {
    tip_Zapis_gruppy_slov g;
    g.Nazvanie_gruppy_slov = QStringLiteral("Группа");
    for (const auto& [row, english, translation] : rows)
        g.Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu[row - 1] = {english, translation};
    return g;
}

int cellOf(const std::array<QString, kGroupRows>& cells, const QString& text) {
    for (int r = 0; r < kGroupRows; ++r)
        if (cells[r] == text)
            return r;
    return -1;
}

int countOf(const std::array<QString, kGroupRows>& cells, const QString& text) {
    return static_cast<int>(std::count(cells.begin(), cells.end(), text));
}

} // namespace

TEST(GroupPairLayout, EveryWordAndTranslationIsPlacedOnceWhateverTheSeed) {
    const tip_Zapis_gruppy_slov two = groupOf({{3, "cat", "кошка"}, {9, "dog", "собака"}});
    tip_Zapis_gruppy_slov full;
    for (int r = 1; r <= kGroupRows; ++r)
        full.Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu[r - 1] = {
            QStringLiteral("w%1").arg(r), QStringLiteral("с%1").arg(r)};
    for (uint32_t seed : {0u, 1u, 77u, 0xFFFFFFFFu}) {
        for (const tip_Zapis_gruppy_slov* group :
             {&two, static_cast<const tip_Zapis_gruppy_slov*>(&full)}) {
            RandomGenerator random;
            random.seed = seed;
            GroupPairExercise ex;
            ex.fill(*group, random, false);
            int words = 0;
            for (const auto& row : group->Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu) {
                if (row.Angliyskoe_gruppovoe_slovo.isEmpty())
                    continue;
                ++words;
                EXPECT_EQ(countOf(ex.englishCells(), row.Angliyskoe_gruppovoe_slovo), 1);
                EXPECT_EQ(countOf(ex.translationCells(), row.Russkiy_gruppovoy_perevod), 1);
            }
            EXPECT_EQ(countOf(ex.englishCells(), QString()), kGroupRows - words) << seed;
            EXPECT_EQ(countOf(ex.translationCells(), QString()), kGroupRows - words) << seed;
            EXPECT_EQ(ex.Ostalos_sopostavit(), words);
            EXPECT_EQ(ex.Kolichestvo_par(), words);
            EXPECT_EQ(ex.remainingText(),
                      QStringLiteral("Осталось сопоставить пар = %1").arg(words));
        }
    }
}

TEST(GroupPairLayout, AWordWithoutTranslationIsPlacedAndLeavesItsCellFree) {
    RandomGenerator random;
    GroupPairExercise ex;
    ex.fill(groupOf({{1, "cat", ""}, {2, "dog", "собака"}, {5, "", "сирота"}}), random, false);
    EXPECT_EQ(countOf(ex.englishCells(), "cat"), 1);
    EXPECT_EQ(countOf(ex.englishCells(), "dog"), 1);
    EXPECT_EQ(countOf(ex.translationCells(), QStringLiteral("собака")), 1);
    // A translation without its word is no pair.
    EXPECT_EQ(countOf(ex.translationCells(), QStringLiteral("сирота")), 0);
    EXPECT_EQ(countOf(ex.translationCells(), QString()), kGroupRows - 1);
    EXPECT_EQ(ex.Ostalos_sopostavit(), 2);
}

TEST(GroupPairLayout, AnEmptyGroupHasNothingToMatch) {
    RandomGenerator random;
    GroupPairExercise ex;
    ex.fill(groupOf({}), random, false);
    EXPECT_EQ(ex.Ostalos_sopostavit(), 0);
    EXPECT_EQ(ex.remainingText(), QStringLiteral("Осталось сопоставить пар = 0"));
    EXPECT_EQ(ex.choose(0, 0), PairVerdict::None);
    EXPECT_FALSE(ex.Rezultat_pokazan());
}

// One choice of a sequence: the column (0 English, 1 translation) and the cell's text, then
// what the exercise says after it.
struct Choice {
    int column;
    QString text;
    PairVerdict verdict;
    int remaining;
    bool clickFirst = false; // a single click before the double-click
};

struct JudgeCase {
    const char* name;
    std::vector<Choice> choices;
};

TEST(GroupPairJudging, PairsAreJudgedInEitherOrderAndCountedOnce) {
    const tip_Zapis_gruppy_slov group =
        groupOf({{1, "cat", "кошка"}, {4, "dog", "собака"}, {7, "Cat", "Кошка"}});
    const JudgeCase cases[] = {
        {"English first, right",
         {{0, "cat", PairVerdict::None, 3}, {1, "кошка", PairVerdict::Right, 2}}},
        {"translation first, right",
         {{1, "собака", PairVerdict::None, 3}, {0, "dog", PairVerdict::Right, 2}}},
        {"wrong pair", {{0, "cat", PairVerdict::None, 3}, {1, "собака", PairVerdict::Wrong, 3}}},
        {"letter case counts",
         {{0, "cat", PairVerdict::None, 3}, {1, "Кошка", PairVerdict::Wrong, 3}}},
        {"the same pair twice counts once",
         {{0, "dog", PairVerdict::None, 3},
          {1, "собака", PairVerdict::Right, 2},
          {0, "dog", PairVerdict::None, 2, true},
          {1, "собака", PairVerdict::Right, 2}}},
        {"without a click the last choice replaces its side and judges again",
         {{0, "cat", PairVerdict::None, 3},
          {1, "собака", PairVerdict::Wrong, 3},
          {0, "dog", PairVerdict::Right, 2}}},
        {"an empty cell does nothing",
         {{0, "", PairVerdict::None, 3}, {1, "", PairVerdict::None, 3}}},
        {"all matched, then nothing more happens",
         {{0, "cat", PairVerdict::None, 3},
          {1, "кошка", PairVerdict::Right, 2},
          {0, "dog", PairVerdict::None, 2, true},
          {1, "собака", PairVerdict::Right, 1},
          {1, "Кошка", PairVerdict::None, 1, true},
          {0, "Cat", PairVerdict::Right, 0},
          {0, "cat", PairVerdict::None, 0, true}}},
    };
    for (const JudgeCase& c : cases) {
        SCOPED_TRACE(c.name);
        RandomGenerator random;
        random.seed = 5;
        GroupPairExercise ex;
        ex.fill(group, random, false);
        for (const Choice& choice : c.choices) {
            if (choice.clickFirst) {
                EXPECT_TRUE(ex.click());
            }
            const auto& cells = choice.column == 0 ? ex.englishCells() : ex.translationCells();
            const int row = cellOf(cells, choice.text);
            ASSERT_GE(row, 0) << choice.text.toStdString();
            EXPECT_EQ(ex.choose(choice.column, row), choice.verdict) << choice.text.toStdString();
            EXPECT_EQ(ex.Ostalos_sopostavit(), choice.remaining) << choice.text.toStdString();
        }
    }
}

TEST(GroupPairJudging, AClickClearsTheChoicesOnlyAfterAVerdict) {
    RandomGenerator random;
    GroupPairExercise ex;
    ex.fill(groupOf({{1, "cat", "кошка"}, {2, "dog", "собака"}}), random, false);
    EXPECT_FALSE(ex.click());
    ex.choose(0, cellOf(ex.englishCells(), "cat"));
    EXPECT_FALSE(ex.click()); // one side chosen: no verdict yet, nothing cleared
    EXPECT_EQ(ex.Vybrannoe_slovo(), "cat");
    ex.choose(1, cellOf(ex.translationCells(), QStringLiteral("собака")));
    EXPECT_TRUE(ex.Rezultat_pokazan());
    EXPECT_TRUE(ex.click());
    EXPECT_TRUE(ex.Vybrannoe_slovo().isEmpty());
    EXPECT_TRUE(ex.chosenTranslation().isEmpty());
    EXPECT_FALSE(ex.Rezultat_pokazan());
}

namespace {

QByteArray dictionary(std::initializer_list<std::pair<QString, bool>> words) {
    QByteArray bytes;
    for (const auto& [english, excluded] : words) {
        DictRecord r;
        r.Angliyskoe_slovo = english;
        r.Perevod = QStringLiteral("перевод");
        r.Data_dobavleniya = 45000;
        r.Zapreshcheno_k_pokazu = excluded;
        bytes.append(r.encode());
    }
    return bytes;
}

struct ForgetCase {
    const char* name;
    QString word;
    std::optional<QByteArray> forgottenBefore; // nothing: the file is missing
    GroupForgetOutcome outcome;
    std::optional<QByteArray> forgottenAfter;
};

} // namespace

TEST(GroupWordForgotten, MarksTheFirstMatchingRecordUnlessExcluded) {
    const QByteArray dict = dictionary({{"cat", false},
                                        {"dog", true},
                                        {"cat", false},
                                        {"Mouse", false},
                                        {QString(40, 'x'), false}});
    const ForgetCase cases[] = {
        {"missing file is created with the one byte set", "cat", std::nullopt,
         GroupForgetOutcome::Marked, QByteArray("\1\0\0\0\0", 5)},
        {"other forgotten bytes are kept", "Mouse", QByteArray("\0\0\1\0\0", 5),
         GroupForgetOutcome::Marked, QByteArray("\0\0\1\1\0", 5)},
        {"a short file is completed", "Mouse", QByteArray("\1", 1), GroupForgetOutcome::Marked,
         QByteArray("\1\0\0\1\0", 5)},
        {"excluded record refused, no file made", "dog", std::nullopt,
         GroupForgetOutcome::RefusedExcluded, std::nullopt},
        {"excluded record refused, file unchanged", "dog", QByteArray("\0\0\1\0\0", 5),
         GroupForgetOutcome::RefusedExcluded, QByteArray("\0\0\1\0\0", 5)},
        {"letter case counts", "mouse", std::nullopt, GroupForgetOutcome::NotFound, std::nullopt},
        {"a group word is no prefix of a longer record", QString(33, 'x'), std::nullopt,
         GroupForgetOutcome::NotFound, std::nullopt},
        {"an empty word", "", QByteArray(5, '\0'), GroupForgetOutcome::NotFound,
         QByteArray(5, '\0')},
    };
    for (const ForgetCase& c : cases) {
        SCOPED_TRACE(c.name);
        DataFolderState s;
        writeFile(s.g.puti.vocabulary, dict);
        QFile::remove(s.g.puti.statForget);
        if (c.forgottenBefore)
            writeFile(s.g.puti.statForget, *c.forgottenBefore);
        s.clearRebuildFlags();
        EXPECT_EQ(Zabyt_slvo_iz_gruppy_slov(s.g, c.word), c.outcome);
        EXPECT_EQ(DataFolderState::exists(s.g.puti.statForget), c.forgottenAfter.has_value());
        if (c.forgottenAfter) {
            EXPECT_EQ(readFile(s.g.puti.statForget), *c.forgottenAfter);
        }
        EXPECT_EQ(s.allRebuildFlags(), c.outcome == GroupForgetOutcome::Marked);
        EXPECT_EQ(readFile(s.g.puti.vocabulary), dict);
    }
}

TEST(GroupWordForgotten, AMissingDictionaryIsReported) {
    DataFolderState s;
    QFile::remove(s.g.puti.vocabulary);
    EXPECT_TRUE(reportedAs(reportOf([&] { Zabyt_slvo_iz_gruppy_slov(s.g, "cat"); }),
                           QStringLiteral("Забыть_слво_из_группы_слов")));
}
