#include "exercises/logic/Pairs.h"
#include "tests/exercises/logic/Fixture.h"

#include <QSet>

namespace telvo::test {
namespace {

class Pairs : public ExerciseFixture {
protected:
    static int rowOf(const PairMatching& ex, const QString& text) {
        for (int r = 1; r < PairMatching::kRows; ++r)
            if (ex.cells()[size_t(r)] == text)
                return r;
        return -1;
    }

    // Matches the pair of record n (its English word and its translation, in either order).
    static PairPick match(PairMatching& ex, int n, bool translationFirst = false) {
        const int eng = rowOf(ex, QString("e%1").arg(n));
        const int tr = rowOf(ex, QString("t%1").arg(n));
        EXPECT_GT(eng, 0) << n;
        EXPECT_GT(tr, 0) << n;
        EXPECT_EQ(ex.pick(translationFirst ? tr : eng), PairPick::First);
        const PairPick result = ex.pick(translationFirst ? eng : tr);
        ex.clearPair();
        return result;
    }

    // The record numbers whose words stand in the list.
    static QSet<int> pairsShown(const PairMatching& ex) {
        QSet<int> out;
        for (int r = 1; r < PairMatching::kRows; ++r) {
            const QString& c = ex.cells()[size_t(r)];
            if (c.startsWith('e'))
                out.insert(c.mid(1).toInt());
        }
        return out;
    }
};

TEST_F(Pairs, SeededPortionFollowsTheDrawRule) {
    writeDictionary(words(10));
    PairMatching ex(g);
    // Seed 42: each element is the first open draw from 0..9 (attempt limit 140), each text
    // goes to the first empty row of draws 1 + (0..13), English word before translation.
    ex.reseed = [](RandomGenerator& r) { r.seed = 42; };
    ASSERT_EQ(ex.start().action, StartAction::Open);
    ex.onShow();
    const std::array<QString, 15> expected{QString(38, ' ') + "Английские слова и их переводы",
                                           "e2",
                                           "e7",
                                           "t4",
                                           "t1",
                                           "t3",
                                           "t6",
                                           "e6",
                                           "e1",
                                           "e8",
                                           "e3",
                                           "t7",
                                           "t2",
                                           "e4",
                                           "t8"};
    EXPECT_EQ(ex.cells(), expected);
    EXPECT_EQ(ex.portionSize(), 10);
    EXPECT_EQ(ex.placedPairs(), 7);
    EXPECT_EQ(ex.stopCaption(), "Остановить показ");
}

TEST_F(Pairs, AFullPortionMatchedEnablesTheNextAndIsSaved) {
    writeDictionary(words(10));
    PairMatching ex(g);
    ex.reseed = [](RandomGenerator& r) { r.seed = 42; };
    ASSERT_EQ(ex.start().action, StartAction::Open);
    ex.onShow();
    const QSet<int> first = pairsShown(ex);
    ASSERT_EQ(first, (QSet<int>{1, 2, 3, 4, 6, 7, 8}));
    bool translationFirst = false;
    for (int n : first) {
        EXPECT_FALSE(ex.nextPortionEnabled());
        EXPECT_EQ(match(ex, n, translationFirst), PairPick::Right) << n;
        translationFirst = !translationFirst;
    }
    EXPECT_EQ(ex.portionMatches(), 7);
    EXPECT_TRUE(ex.matchesGreen());
    EXPECT_EQ(ex.matchesText(), "Количество правильных сопоставлений из предъявленных пар = 7");
    EXPECT_TRUE(ex.nextPortionEnabled());
    EXPECT_EQ(ex.paneText(), "  Несопоставленных пар = 3");
    ex.save();
    EXPECT_EQ(hex(readFile(g.puti.statPair)), hex(withOnes(10, {0, 1, 2, 3, 5, 6, 7})));

    ex.nextPortion();
    EXPECT_EQ(pairsShown(ex), (QSet<int>{5, 9, 10}));
    EXPECT_EQ(ex.portionMatches(), 0);
    EXPECT_FALSE(ex.nextPortionEnabled());
    EXPECT_FALSE(ex.locked());
}

TEST_F(Pairs, PortionOfFewerThanSevenPairsEndsThePass) {
    writeDictionary(words(10));
    writeFile(g.puti.statPair, withOnes(10, {0, 1, 2, 4, 5, 7, 9}));
    PairMatching ex(g);
    ASSERT_EQ(ex.start().action, StartAction::Open);
    ex.onShow();
    EXPECT_EQ(ex.portionSize(), 3);
    EXPECT_EQ(ex.placedPairs(), 3);
    int filled = 0;
    for (int r = 1; r < PairMatching::kRows; ++r)
        filled += ex.cells()[size_t(r)].isEmpty() ? 0 : 1;
    EXPECT_EQ(filled, 6);
    EXPECT_EQ(pairsShown(ex), (QSet<int>{4, 7, 9}));
    EXPECT_EQ(ex.remainingText(), "Количество еще несопоставленных пар из всего словаря = 3");
    EXPECT_FALSE(ex.remainingGreen());

    for (int n : {4, 7, 9})
        EXPECT_EQ(match(ex, n), PairPick::Right);
    EXPECT_EQ(ex.remaining(), 0);
    EXPECT_TRUE(ex.remainingGreen());
    EXPECT_EQ(ex.stopCaption(), "Закрыть");
    EXPECT_FALSE(ex.nextPortionEnabled());
    ex.save();
    EXPECT_EQ(hex(readFile(g.puti.statPair)), hex(QByteArray(10, '\1')));
}

TEST_F(Pairs, PickRules) {
    writeDictionary(words(3));
    PairMatching ex(g);
    ASSERT_EQ(ex.start().action, StartAction::Open);
    ex.onShow();
    const int e1 = rowOf(ex, "e1"), t1 = rowOf(ex, "t1"), t2 = rowOf(ex, "t2");
    int empty = 1;
    while (!ex.cells()[size_t(empty)].isEmpty())
        ++empty;

    EXPECT_EQ(ex.pick(empty), PairPick::Ignored);
    EXPECT_EQ(ex.pick(0), PairPick::Ignored); // the header
    EXPECT_EQ(ex.pick(t1), PairPick::First);
    EXPECT_EQ(ex.firstText(), "t1");
    EXPECT_EQ(ex.pick(t1), PairPick::Ignored); // the same row twice in a row

    // A wrong second pick keeps the first pick.
    EXPECT_EQ(ex.pick(t2), PairPick::Wrong);
    EXPECT_TRUE(ex.secondText().isEmpty());
    EXPECT_EQ(ex.firstText(), "t1");
    EXPECT_EQ(ex.pick(e1), PairPick::Right);
    EXPECT_EQ(ex.secondText(), "e1");
    EXPECT_EQ(ex.rightText(), "Правильно!");
    EXPECT_TRUE(ex.locked());
    EXPECT_TRUE(ex.clearEnabled());
    EXPECT_EQ(ex.portionMatches(), 1);

    // A shown pair must be cleared first.
    EXPECT_EQ(ex.pick(t2), PairPick::AskClear);
    ex.clearPair();
    EXPECT_FALSE(ex.locked());
    EXPECT_TRUE(ex.rightText().isEmpty());
    EXPECT_TRUE(ex.firstText().isEmpty());

    // The matched words stay; matching them again is right but counts nothing.
    EXPECT_EQ(ex.pick(t1), PairPick::First);
    EXPECT_EQ(ex.pick(e1), PairPick::Right);
    EXPECT_EQ(ex.portionMatches(), 1);
    EXPECT_EQ(ex.remaining(), 2);
}

TEST_F(Pairs, EmptyTranslationIsShownByItsPlaceholderAndCanBeMatched) {
    std::vector<Word> list = words(2);
    list[1].translation.clear();
    writeDictionary(list);
    PairMatching ex(g);
    ASSERT_EQ(ex.start().action, StartAction::Open);
    ex.onShow();
    const int eng = rowOf(ex, "e2");
    const int tr = rowOf(ex, "      Перевод отсутствует (запись = 2)");
    ASSERT_GT(eng, 0);
    ASSERT_GT(tr, 0);
    EXPECT_EQ(ex.pick(tr), PairPick::First);
    EXPECT_EQ(ex.pick(eng), PairPick::Right);
    ex.clearPair();
    EXPECT_EQ(match(ex, 1), PairPick::Right);
    EXPECT_EQ(ex.remaining(), 0);
}

TEST_F(Pairs, ExcludedRecordsNeverAppearAndTheForgottenViewShowsOnlyForgottenOnes) {
    std::vector<Word> list = words(9);
    list[2].excluded = true;
    list[6].excluded = true;
    writeDictionary(list);
    PairMatching ex(g);
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        ex.reseed = [seed](RandomGenerator& r) { r.seed = seed; };
        g.Obnovit_pary = true;
        ASSERT_EQ(ex.start().action, StartAction::Open);
        ex.onShow();
        const QSet<int> shown = pairsShown(ex);
        EXPECT_EQ(shown.size(), 7);
        EXPECT_FALSE(shown.contains(3)) << seed;
        EXPECT_FALSE(shown.contains(7)) << seed;
    }

    writeFile(g.puti.statForget, bytes({0, 1, 1, 0, 0, 1, 0, 0, 1}));
    g.Rezhim_zabytye = true;
    g.Obnovit_pary = true;
    ASSERT_EQ(ex.start().action, StartAction::Open);
    ex.onShow();
    // Record 3 is forgotten but excluded.
    EXPECT_EQ(pairsShown(ex), (QSet<int>{2, 6, 9}));
}

TEST_F(Pairs, AllMatchedAsksAndBeginningAnewStartsOver) {
    writeDictionary(words(4));
    writeFile(g.puti.statPair, bytes({1, 1, 1, 1}));
    PairMatching ex(g);
    const StartDecision d = ex.start();
    EXPECT_EQ(d.action, StartAction::AskBeginAnew);
    EXPECT_EQ(d.paneText, "  Несопоставленных пар = 0");
    EXPECT_EQ(d.text, "Все пары английских слов и русских переводов уже сопоставленны. Вы хотите "
                      "начать упражнение заново?");
    EXPECT_EQ(ex.beginAnew().action, StartAction::Open);
    EXPECT_FALSE(exists(g.puti.statPair));
    EXPECT_EQ(ex.remaining(), 4);
}

TEST_F(Pairs, PreCheckNeedsTwoRecords) {
    g.Kolichestvo_zapisey = 1;
    EXPECT_EQ(PairMatching::preCheck(g).text, "В словаре количество записей меньше двух ...");
    g.Kolichestvo_zapisey = 2;
    EXPECT_EQ(PairMatching::preCheck(g).action, StartAction::Open);
}

} // namespace
} // namespace telvo::test
