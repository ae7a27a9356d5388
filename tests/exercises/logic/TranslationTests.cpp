#include "exercises/logic/Translation.h"
#include "tests/exercises/logic/Fixture.h"

#include <QSet>

namespace telvo::test {
namespace {

class Translation : public ExerciseFixture {};

struct KindCase {
    TranslationKind kind;
    QString DataPaths::*history;
    const char* pane;
};

void PrintTo(const KindCase& c, std::ostream* os) {
    *os << (c.kind == TranslationKind::FromRussian ? "FromRussian" : "FromEnglish");
}

class TranslationKinds : public ExerciseFixture, public ::testing::WithParamInterface<KindCase> {
protected:
    // The text a list cell holds for record n.
    QString choiceText(int n) const {
        return GetParam().kind == TranslationKind::FromRussian ? QString("e%1").arg(n)
                                                               : QString("t%1").arg(n);
    }
    // The list must hold the answer in its row only and nine other texts of distinct records.
    void expectSoundList(const TranslationExercise& ex) {
        ASSERT_TRUE(ex.listFilled());
        const auto& cells = ex.cells();
        const int32_t n = ex.currentRecordNumber();
        EXPECT_EQ(cells[size_t(ex.answerRow())], choiceText(n));
        EXPECT_NE(ex.selectedRow(), ex.answerRow());
        QSet<QString> seen;
        for (int r = 0; r < 10; ++r) {
            EXPECT_FALSE(cells[size_t(r)].isEmpty()) << r;
            if (r != ex.answerRow()) {
                EXPECT_NE(cells[size_t(r)], choiceText(n)) << r;
            }
            seen.insert(cells[size_t(r)]);
        }
        EXPECT_EQ(seen.size(), 10);
    }
};

const KindCase kKinds[] = {
    {TranslationKind::FromRussian, &DataPaths::statPerRus, "  С русского = "},
    {TranslationKind::FromEnglish, &DataPaths::statPerEng, "  С английского = "},
};

INSTANTIATE_TEST_SUITE_P(BothKinds, TranslationKinds, ::testing::ValuesIn(kKinds));

TEST_P(TranslationKinds, ElevenAllowedRecordsStartAndTenRefuse) {
    std::vector<Word> list = words(13);
    list[0].excluded = true;
    list[5].excluded = true;
    writeDictionary(list);
    ASSERT_EQ(g.Kolichestvo_razreshennykh_k_pokazu, 11);
    EXPECT_EQ(TranslationExercise::preCheck(g, GetParam().kind).action, StartAction::Open);
    TranslationExercise ex(g, GetParam().kind);
    ASSERT_EQ(ex.start().action, StartAction::Open);
    EXPECT_EQ(ex.remaining(), 11);
    EXPECT_EQ(ex.paneText(), QString::fromUtf8(GetParam().pane) + "11");
    const PresentOutcome out = ex.onShow();
    EXPECT_EQ(out.result, PresentResult::Presented);
    expectSoundList(ex);

    list[1].excluded = true;
    writeDictionary(list);
    ASSERT_EQ(g.Kolichestvo_razreshennykh_k_pokazu, 10);
    const StartDecision d = TranslationExercise::preCheck(g, GetParam().kind);
    EXPECT_EQ(d.action, StartAction::Refuse);
    EXPECT_EQ(d.text, "Количество записей в словаре, разрешенных к показу, для этого "
                      "упражнения, должно быть больше 10-ти.");
    g.Kolichestvo_zapisey = 0;
    EXPECT_EQ(TranslationExercise::preCheck(g, GetParam().kind).text,
              "В словаре еще нет записей ...");
}

TEST_P(TranslationKinds, DistractorsNeverRepeatTheAnswerNorEachOther) {
    writeDictionary(words(30));
    setRange(5, 16);
    TranslationExercise ex(g, GetParam().kind);
    ASSERT_EQ(ex.start().action, StartAction::Open);
    g.random.seed = 2024;
    PresentOutcome out = ex.onShow();
    int questions = 0;
    while (out.result == PresentResult::Presented) {
        ++questions;
        expectSoundList(ex);
        EXPECT_GE(ex.currentRecordNumber(), 5);
        EXPECT_LE(ex.currentRecordNumber(), 16);
        const PickOutcome pick = ex.pick(ex.answerRow());
        ASSERT_EQ(pick.result, PickResult::Right);
        out = pick.next;
    }
    EXPECT_EQ(questions, 12);
    EXPECT_EQ(out.result, PresentResult::PassFinished);
}

TEST_P(TranslationKinds, WrongPickChangesNothingAndRightPickFinishesTheRecord) {
    writeDictionary(words(12));
    TranslationExercise ex(g, GetParam().kind);
    ASSERT_EQ(ex.start().action, StartAction::Open);
    ASSERT_EQ(ex.onShow().result, PresentResult::Presented);
    const int32_t question = ex.currentIndex();
    const int32_t wrongRow = (ex.answerRow() + 1) % 10;
    const QString wrongText = ex.cells()[size_t(wrongRow)];

    const PickOutcome wrong = ex.pick(wrongRow);
    EXPECT_EQ(wrong.result, PickResult::Wrong);
    EXPECT_EQ(wrong.clipboardText,
              GetParam().kind == TranslationKind::FromRussian ? wrongText : QString());
    EXPECT_EQ(ex.currentIndex(), question);
    EXPECT_EQ(ex.remaining(), 12);

    const QString answer = ex.cells()[size_t(ex.answerRow())];
    const PickOutcome right = ex.pick(ex.answerRow());
    EXPECT_EQ(right.result, PickResult::Right);
    EXPECT_EQ(ex.remaining(), 11);
    EXPECT_NE(ex.currentIndex(), question);
    if (GetParam().kind == TranslationKind::FromRussian) {
        EXPECT_EQ(right.clipboardText, answer);
        EXPECT_TRUE(right.next.clipboardText.isEmpty());
    } else {
        // The English word of every new question goes to the clipboard.
        EXPECT_TRUE(right.clipboardText.isEmpty());
        EXPECT_EQ(right.next.clipboardText, ex.question());
        EXPECT_EQ(ex.question(), QString("e%1").arg(ex.currentRecordNumber()));
    }
    ex.save();
    EXPECT_EQ(hex(readFile(g.puti.*GetParam().history)), hex(withOnes(12, {question})));
}

TEST_P(TranslationKinds, LastRightPickEndsThePassWithTheRangeOrWholeText) {
    writeDictionary(words(12));
    writeFile(g.puti.*GetParam().history, bytes({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0}));
    const bool fromRussian = GetParam().kind == TranslationKind::FromRussian;
    for (bool whole : {true, false}) {
        g.Vse_slova_slovarya = whole;
        g.Obnovit_perevody_s_russkogo = g.Obnovit_perevody_s_angliyskogo = true;
        TranslationExercise ex(g, GetParam().kind);
        ASSERT_EQ(ex.start().action, StartAction::Open);
        ASSERT_EQ(ex.onShow().result, PresentResult::Presented);
        EXPECT_EQ(ex.currentRecordNumber(), 12);
        const PickOutcome out = ex.pick(ex.answerRow());
        EXPECT_EQ(out.next.result, PresentResult::PassFinished);
        const char* expected =
            fromRussian
                ? (whole ? "Все, имеющиеся русские переводы (переводы с русского), просмотрены!"
                         : "Все, имеющиеся русские переводы (переводы с русского), включенные в "
                           "диапазон для упражнений, просмотрены!")
                : (whole ? "Все, имеющиеся английские слова (переводы с английского), "
                           "просмотрены!"
                         : "Все, имеющиеся английские солова (переводы с английского), "
                           "включенные в диапазон для упражнений, просмотрены!");
        EXPECT_EQ(out.next.text, QString::fromUtf8(expected));
    }
}

TEST_P(TranslationKinds, AllDoneAsksAndBeginningAnewReopens) {
    writeDictionary(words(12));
    const QByteArray all(12, '\1');
    writeFile(g.puti.*GetParam().history, all);
    TranslationExercise ex(g, GetParam().kind);
    const StartDecision d = ex.start();
    EXPECT_EQ(d.action, StartAction::AskBeginAnew);
    EXPECT_EQ(d.paneText, QString::fromUtf8(GetParam().pane) + "0");
    EXPECT_EQ(d.text, GetParam().kind == TranslationKind::FromRussian
                          ? QString("Все русские переводы (переводы с русского) уже просмотрены. "
                                    "Вы хотите начать упражнение заново?")
                          : QString("Все имеющиеся английские слова (переводы с английского) уже "
                                    "просмотрены. Вы хотите начать упражнение заново?"));
    EXPECT_EQ(hex(readFile(g.puti.*GetParam().history)), hex(all));
    EXPECT_EQ(ex.beginAnew().action, StartAction::Open);
    EXPECT_FALSE(exists(g.puti.*GetParam().history));
}

TEST_P(TranslationKinds, ForgotMarksTheQuestionsRecord) {
    writeDictionary(words(12));
    setRange(3, 9);
    TranslationExercise ex(g, GetParam().kind);
    ASSERT_EQ(ex.start().action, StartAction::Open);
    ASSERT_EQ(ex.onShow().result, PresentResult::Presented);
    const int32_t index = ex.currentIndex();
    const ForgotOutcome out = ex.forgot();
    EXPECT_EQ(out.englishWord, QString("e%1").arg(3 + index));
    EXPECT_EQ(hex(readFile(g.puti.statForget)), hex(withOnes(12, {3 + index - 1})));
    EXPECT_TRUE(g.Obnovit_perevody_s_russkogo);
    EXPECT_TRUE(g.Obnovit_perevody_s_angliyskogo);
    ex.save();
    EXPECT_EQ(hex(readFile(g.puti.*GetParam().history)), hex(withOnes(7, {index})));
}

TEST_F(Translation, SeededQuestionsFollowTheDrawRule) {
    writeDictionary(words(12));
    TranslationExercise ex(g, TranslationKind::FromRussian);
    ASSERT_EQ(ex.start().action, StartAction::Open);
    // From seed 7, no reseed: the question draw (0..11) gives 2; the answer row (0..9) 8; the
    // selected row 2; then one draw (0..11) per row, skipping the answer's word and records
    // already placed, the draw for row 8 thrown away.
    g.random.seed = 7;
    ASSERT_EQ(ex.onShow().result, PresentResult::Presented);
    EXPECT_EQ(ex.currentIndex(), 2);
    EXPECT_EQ(ex.question(), "t3");
    EXPECT_EQ(ex.answerRow(), 8);
    EXPECT_EQ(ex.selectedRow(), 2);
    const std::array<QString, 10> first{"e9", "e1",  "e8",  "e10", "e6",
                                        "e5", "e11", "e12", "e3",  "e4"};
    EXPECT_EQ(ex.cells(), first);

    // The generator goes on from where the first question left it.
    ASSERT_EQ(ex.pick(8).result, PickResult::Right);
    EXPECT_EQ(ex.currentIndex(), 3);
    EXPECT_EQ(ex.answerRow(), 9);
    EXPECT_EQ(ex.selectedRow(), 2);
    const std::array<QString, 10> second{"e12", "e9", "e2",  "e3", "e10",
                                         "e8",  "e6", "e11", "e1", "e4"};
    EXPECT_EQ(ex.cells(), second);
}

TEST_F(Translation, SeededFromEnglishListsTranslations) {
    writeDictionary(words(12));
    TranslationExercise ex(g, TranslationKind::FromEnglish);
    ASSERT_EQ(ex.start().action, StartAction::Open);
    g.random.seed = 123;
    const PresentOutcome out = ex.onShow();
    EXPECT_EQ(out.clipboardText, "e11");
    EXPECT_EQ(ex.currentIndex(), 10);
    EXPECT_EQ(ex.answerRow(), 0);
    EXPECT_EQ(ex.selectedRow(), 8);
    const std::array<QString, 10> cells{"t11", "t4",  "t1", "t12", "t2",
                                        "t5",  "t10", "t9", "t8",  "t6"};
    EXPECT_EQ(ex.cells(), cells);
}

TEST_F(Translation, TooFewDistinctWordsLeaveAnIncompleteListThatTakesNoPick) {
    // Twelve records, seven of them with the same English text: a question on one of those
    // finds only five other words for nine rows.
    std::vector<Word> list = words(12);
    for (int i = 0; i < 7; ++i)
        list[size_t(i)].english = "same";
    writeDictionary(list);
    setRange(1, 1);
    TranslationExercise ex(g, TranslationKind::FromRussian);
    ASSERT_EQ(ex.start().action, StartAction::Open);
    const PresentOutcome out = ex.onShow();
    EXPECT_EQ(out.result, PresentResult::ListIncomplete);
    EXPECT_EQ(out.text, "Количество попыток найти английское слово превышено ...");
    EXPECT_FALSE(ex.listFilled());
    EXPECT_EQ(ex.pick(ex.answerRow()).result, PickResult::Ignored);
    EXPECT_EQ(ex.remaining(), 1);
}

TEST_F(Translation, MissingTranslationIsNamedByItsRecordNumber) {
    std::vector<Word> list = words(110);
    list[102].translation.clear();
    writeDictionary(list);
    setRange(101, 110);
    writeFile(g.puti.statPerRus, withOnes(10, {0, 1, 3, 4, 5, 6, 7, 8, 9}));
    TranslationExercise ex(g, TranslationKind::FromRussian);
    ASSERT_EQ(ex.start().action, StartAction::Open);
    ASSERT_EQ(ex.onShow().result, PresentResult::Presented);
    EXPECT_EQ(ex.currentRecordNumber(), 103);
    EXPECT_EQ(ex.question(), "      Перевод отсутствует (запись = 103)");

    // The choice table of the mirrored exercise names each such record by its own number.
    TranslationExercise en(g, TranslationKind::FromEnglish);
    ASSERT_EQ(en.start().action, StartAction::Open);
    EXPECT_EQ(g.exerciseTables.Dinamicheskiy_massiv_dlya_vybora_perevodov_s_angliyskogo[102]
                  .Russkiy_perevod,
              "      Перевод отсутствует (запись = 103)");
}

TEST_F(Translation, SameTranslationIsNeverADistractorOfItsTwin) {
    std::vector<Word> list = words(12);
    list[4].translation = "дом";
    list[9].translation = "дом";
    writeDictionary(list);
    setRange(5, 5);
    TranslationExercise ex(g, TranslationKind::FromEnglish);
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        g.Obnovit_perevody_s_angliyskogo = true;
        ASSERT_EQ(ex.start().action, StartAction::Open);
        g.random.seed = seed;
        ASSERT_EQ(ex.onShow().result, PresentResult::Presented);
        for (int r = 0; r < 10; ++r)
            if (r != ex.answerRow()) {
                EXPECT_NE(ex.cells()[size_t(r)], "дом") << seed;
            }
    }
}

} // namespace
} // namespace telvo::test
