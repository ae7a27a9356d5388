#include "exercises/logic/FindTranslation.h"
#include "tests/exercises/logic/Fixture.h"

#include <QSet>

namespace telvo::test {
namespace {

class Find : public ExerciseFixture {
protected:
    static QSet<QString> distractors(const FindTranslation& f) {
        QSet<QString> out;
        for (int r = 0; r < FindTranslation::kRows; ++r)
            if (r != f.answerRow() && !f.cells()[size_t(r)].isEmpty())
                out.insert(f.cells()[size_t(r)]);
        return out;
    }
};

TEST_F(Find, SeededListFollowsTheDrawRule) {
    std::vector<Word> list = words(12, "w", "p");
    list[4].excluded = true;
    list[2].transcription = "ду";
    writeDictionary(list);
    FindTranslation f(g);
    // Seed 99: answer row 1, selected row 6; then one draw from 0..11 per row, skipping the
    // answer's translation, the excluded record 5 and records already placed.
    f.reseed = [](RandomGenerator& r) { r.seed = 99; };
    f.onShow("w3");
    EXPECT_EQ(f.answer(), "p3");
    EXPECT_EQ(f.caption(), "[ду]");
    EXPECT_EQ(f.answerRow(), 1);
    EXPECT_EQ(f.selectedRow(), 6);
    const std::array<QString, 10> expected{"p2", "p3", "p9", "p10", "p12",
                                           "p8", "p6", "p4", "p7",  "p1"};
    EXPECT_EQ(f.cells(), expected);
    EXPECT_EQ(f.pick(1), FindPick::Right);
    EXPECT_EQ(f.pick(0), FindPick::Wrong);
}

TEST_F(Find, ExcludedRecordsAreNeverDistractorsButAnExcludedWordGetsItsAnswer) {
    std::vector<Word> list = words(16, "w", "p");
    for (int i : {0, 3, 7, 11})
        list[size_t(i)].excluded = true;
    writeDictionary(list);
    FindTranslation f(g);
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        f.reseed = [seed](RandomGenerator& r) { r.seed = seed; };
        f.onShow("w4");
        EXPECT_EQ(f.answer(), "p4");
        EXPECT_EQ(f.cells()[size_t(f.answerRow())], "p4");
        EXPECT_NE(f.selectedRow(), f.answerRow());
        const QSet<QString> d = distractors(f);
        EXPECT_EQ(d.size(), 9) << seed;
        for (const char* excluded : {"p1", "p4", "p8", "p12"})
            EXPECT_FALSE(d.contains(excluded)) << seed << excluded;
    }
}

TEST_F(Find, TooFewUsableRecordsEndTheDrawsWithEmptyRowsThatTakeNoPick) {
    // Four records that are not excluded: the answer and three others.
    std::vector<Word> list = words(12, "w", "p");
    for (int i = 4; i < 12; ++i)
        list[size_t(i)].excluded = true;
    writeDictionary(list);
    FindTranslation f(g);
    f.reseed = [](RandomGenerator& r) { r.seed = 5; };
    f.onShow("w2");
    EXPECT_EQ(f.filledRows(), 4);
    EXPECT_EQ(distractors(f), (QSet<QString>{"p1", "p3", "p4"}));
    EXPECT_EQ(f.pick(f.answerRow()), FindPick::Right);
    for (int r = 0; r < FindTranslation::kRows; ++r) {
        if (f.cells()[size_t(r)].isEmpty()) {
            EXPECT_EQ(f.pick(r), FindPick::Ignored) << r;
        }
    }

    // Every other record shares the answer's translation: only the answer is offered.
    for (Word& w : list) {
        w.excluded = false;
        w.translation = "p";
    }
    writeDictionary(list);
    f.onShow("w7");
    EXPECT_EQ(f.filledRows(), 1);
    EXPECT_EQ(f.cells()[size_t(f.answerRow())], "p");
}

TEST_F(Find, TwinsOfTheAnswerAreNeverOfferedButOtherTwinsMayBe) {
    std::vector<Word> list = words(12, "w", "p");
    list[5].translation = "p1"; // twin of the answer
    list[8].translation = "p3"; // twin of another record
    list[9].translation = "p3";
    writeDictionary(list);
    FindTranslation f(g);
    bool bothOtherTwins = false;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        f.reseed = [seed](RandomGenerator& r) { r.seed = seed; };
        f.onShow("w1");
        int p1 = 0, p3 = 0;
        for (const QString& c : f.cells()) {
            p1 += c == "p1" ? 1 : 0;
            p3 += c == "p3" ? 1 : 0;
        }
        EXPECT_EQ(p1, 1) << seed;
        bothOtherTwins = bothOtherTwins || p3 == 2;
    }
    // Ten usable records for nine rows: most lists hold both records with "p3".
    EXPECT_TRUE(bothOtherTwins);
}

TEST_F(Find, EmptyTranslationIsAnsweredByItsPlaceholderAndUnknownWordByNothing) {
    std::vector<Word> list = words(12, "w", "p");
    list[6].translation.clear();
    list[0].transcription = "ферст";
    writeDictionary(list);
    FindTranslation f(g);
    f.onShow("w7");
    EXPECT_EQ(f.answer(), "      Перевод отсутствует (запись = 7)");
    EXPECT_EQ(f.cells()[size_t(f.answerRow())], f.answer());

    f.onShow("nothing");
    EXPECT_TRUE(f.answer().isEmpty());
    EXPECT_EQ(f.caption(), "[ферст]");
    EXPECT_EQ(distractors(f).size(), 9);
}

TEST_F(Find, TableIsRebuiltOnlyWhenFlagged) {
    std::vector<Word> list = words(12, "w", "p");
    list[1].excluded = true;
    writeDictionary(list);
    FindTranslation f(g);
    f.onShow("w1");
    EXPECT_FALSE(g.Obnovit_nayti_perevod);
    // The restored record is offered again only after the rebuild the restoration flags.
    list[1].excluded = false;
    writeDictionary(list);
    g.Obnovit_nayti_perevod = false;
    bool offered = false;
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        f.reseed = [seed](RandomGenerator& r) { r.seed = seed; };
        f.onShow("w1");
        offered = offered || distractors(f).contains("p2");
    }
    EXPECT_FALSE(offered);
    g.Obnovit_nayti_perevod = true;
    for (uint32_t seed = 1; seed <= 20 && !offered; ++seed) {
        f.reseed = [seed](RandomGenerator& r) { r.seed = seed; };
        f.onShow("w1");
        offered = distractors(f).contains("p2");
    }
    EXPECT_TRUE(offered);
}

TEST_F(Find, ExcludedRecordNeverBecomesForgotten) {
    std::vector<Word> list = words(12, "w", "p");
    list[3].excluded = true;
    writeDictionary(list);
    FindTranslation f(g);
    EXPECT_EQ(f.toggleForgotten(4),
              "Нельзя отмечать слово как забытое, если оно исключено из показа в упражнениях.");
    EXPECT_FALSE(exists(g.puti.statForget));

    EXPECT_TRUE(f.toggleForgotten(5).isEmpty());
    EXPECT_EQ(hex(readFile(g.puti.statForget)), hex(withOnes(12, {4})));
}

struct PreCheckCase {
    int32_t records;
    int32_t allowed;
    bool groupsOpen;
    bool forgottenView;
    int32_t forgotten;
    StartAction action;
    const char* text;
};

void PrintTo(const PreCheckCase& c, std::ostream* os) {
    *os << "records " << c.records << " allowed " << c.allowed
        << (c.groupsOpen ? " groups open" : "") << (c.forgottenView ? " forgotten view" : "")
        << " forgotten " << c.forgotten;
}

class FindPreCheck : public ExerciseFixture, public ::testing::WithParamInterface<PreCheckCase> {};

const PreCheckCase kPreChecks[] = {
    {20, 20, true, false, 0, StartAction::Ignore, ""},
    {1, 1, false, false, 0, StartAction::Refuse, "В словаре количество записей меньше двух ..."},
    {20, 10, false, false, 0, StartAction::Refuse,
     "Количество записей в словаре, разрешенных к показу в упражнениях, пока не больше 10."},
    {20, 11, false, false, 0, StartAction::Open, ""},
    {20, 11, false, true, 0, StartAction::Ignore, ""},
    {20, 11, false, true, 2, StartAction::Open, ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, FindPreCheck, ::testing::ValuesIn(kPreChecks));

TEST_P(FindPreCheck, CommandChecks) {
    const PreCheckCase& c = GetParam();
    g.Kolichestvo_zapisey = c.records;
    g.Kolichestvo_razreshennykh_k_pokazu = c.allowed;
    g.Okno_grupp_otkryto = c.groupsOpen;
    g.Rezhim_zabytye = c.forgottenView;
    g.Kolichestvo_zabytykh_slov = c.forgotten;
    const StartDecision d = FindTranslation::preCheck(g);
    EXPECT_EQ(d.action, c.action);
    EXPECT_EQ(d.text, QString::fromUtf8(c.text));
}

} // namespace
} // namespace telvo::test
