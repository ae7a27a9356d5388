#include "exercises/logic/Recognition.h"
#include "store/Forgotten.h"
#include "tests/exercises/logic/Fixture.h"

#include <set>

namespace telvo::test {
namespace {

class Recognition : public ExerciseFixture {};

struct KindCase {
    RecognitionKind kind;
    QString DataPaths::*history;
    const char* question;
    const char* finishedRange;
    const char* finishedWhole;
};

void PrintTo(const KindCase& c, std::ostream* os) {
    *os << (c.kind == RecognitionKind::English ? "English" : "Russian");
}

class RecognitionKinds : public ExerciseFixture, public ::testing::WithParamInterface<KindCase> {};

const KindCase kKinds[] = {
    {RecognitionKind::English, &DataPaths::statEng,
     "Все английские солова (английский текст) уже просмотрены. Вы хотите начать упражнение "
     "заново?",
     "Все английские солова (английский текст), включенные в диапазон для упражнений, "
     "просмотрены!",
     "Все английские солова (английский текст) просмотрены!"},
    {RecognitionKind::Russian, &DataPaths::statRus,
     "Все русские солова (русские переводы) уже просмотрены. Вы хотите начать упражнение "
     "заново?",
     "Все, имеющиеся русские переводы, включенные в диапазон для упражнений, просмотрены!",
     "Все, имеющиеся русские переводы просмотрены!"},
};

INSTANTIATE_TEST_SUITE_P(BothKinds, RecognitionKinds, ::testing::ValuesIn(kKinds));

TEST_P(RecognitionKinds, FixedRangeOfOneRecordIsShownThenThePassEnds) {
    writeDictionary(words(5));
    setRange(3, 3);
    RecognitionExercise ex(g, GetParam().kind);
    EXPECT_EQ(ex.start().action, StartAction::Open);
    ASSERT_TRUE(ex.onShow());
    EXPECT_EQ(ex.currentRecordNumber(), 3);
    EXPECT_EQ(ex.shownWord(),
              GetParam().kind == RecognitionKind::English ? QString("e3") : QString("t3"));
    EXPECT_EQ(ex.windowRemainderText(), "Остаток нерассортированных слов = 1");

    const RememberOutcome out = ex.remember(false);
    EXPECT_TRUE(out.passFinished);
    EXPECT_EQ(out.finishedText, QString::fromUtf8(GetParam().finishedRange));
    ex.save();
    EXPECT_EQ(hex(readFile(g.puti.*GetParam().history)), hex(bytes({1})));
}

TEST_P(RecognitionKinds, WholeDictionaryPassEndsWithItsOwnText) {
    writeDictionary(words(2));
    RecognitionExercise ex(g, GetParam().kind);
    ASSERT_EQ(ex.start().action, StartAction::Open);
    ASSERT_TRUE(ex.onShow());
    EXPECT_FALSE(ex.remember(false).passFinished);
    const RememberOutcome out = ex.remember(false);
    EXPECT_TRUE(out.passFinished);
    EXPECT_EQ(out.finishedText, QString::fromUtf8(GetParam().finishedWhole));
}

TEST_P(RecognitionKinds, AllDoneAsksToBeginAnewAndNoLeavesTheHistoryAlone) {
    writeDictionary(words(4));
    const QByteArray history = bytes({1, 1, 1, 1});
    writeFile(g.puti.*GetParam().history, history);
    RecognitionExercise ex(g, GetParam().kind);

    const StartDecision d = ex.start();
    EXPECT_EQ(d.action, StartAction::AskBeginAnew);
    EXPECT_EQ(d.text, QString::fromUtf8(GetParam().question));
    EXPECT_EQ(d.paneText, GetParam().kind == RecognitionKind::English
                              ? QString("  Остаток английских = 0")
                              : QString("  Остаток русских = 0"));
    // "Нет": nothing else is called.
    EXPECT_EQ(hex(readFile(g.puti.*GetParam().history)), hex(history));

    // "Да": the history goes and all four records are open again.
    EXPECT_EQ(ex.beginAnew().action, StartAction::Open);
    EXPECT_FALSE(exists(g.puti.*GetParam().history));
    EXPECT_EQ(ex.remaining(), 4);
}

TEST_P(RecognitionKinds, ForgottenViewWithoutForgottenRecordsInRangeRefusesWithoutQuestion) {
    writeDictionary(words(6));
    setRange(1, 3);
    // Records 5 and 6 are forgotten, outside the range.
    writeFile(g.puti.statForget, bytes({0, 0, 0, 0, 1, 1}));
    g.Rezhim_zabytye = true;
    RecognitionExercise ex(g, GetParam().kind);
    const StartDecision d = ex.start();
    EXPECT_EQ(d.action, StartAction::Refuse);
    EXPECT_EQ(d.text, "При использовании режима «Забытые» ни одно слово не входит в "
                      "установленный диапазон для упражнений.");
}

TEST_P(RecognitionKinds, ForgottenViewPresentsOnlyForgottenRecords) {
    writeDictionary(words(6));
    writeFile(g.puti.statForget, bytes({0, 1, 0, 0, 1, 0}));
    g.Rezhim_zabytye = true;
    RecognitionExercise ex(g, GetParam().kind);
    ASSERT_EQ(ex.start().action, StartAction::Open);
    EXPECT_FALSE(ex.forgetEnabled());
    ASSERT_TRUE(ex.onShow());
    std::set<int32_t> shown{ex.currentRecordNumber()};
    EXPECT_FALSE(ex.remember(false).passFinished);
    shown.insert(ex.currentRecordNumber());
    EXPECT_TRUE(ex.remember(false).passFinished);
    EXPECT_EQ(shown, (std::set<int32_t>{2, 5}));
}

TEST_P(RecognitionKinds, EmptyHistoryAfterBeginningAnewStillEmptyRefuses) {
    // Every range record excluded: beginning anew finds nothing.
    std::vector<Word> list = words(4);
    for (int i = 0; i < 2; ++i)
        list[size_t(i)].excluded = true;
    writeDictionary(list);
    setRange(1, 2);
    RecognitionExercise ex(g, GetParam().kind);
    const StartDecision d = ex.start();
    ASSERT_EQ(d.action, StartAction::AskBeginAnew);
    const StartDecision again = ex.beginAnew();
    EXPECT_EQ(again.action, StartAction::Refuse);
    EXPECT_EQ(again.text, GetParam().kind == RecognitionKind::English
                              ? QString("Нет для просмотра ни одного английского слова.")
                              : QString("Нет для просмотра ни одного русского слова."));
}

TEST_F(Recognition, ExcludedRecordsAreNeverPresentedNorCounted) {
    std::vector<Word> list = words(6);
    list[1].excluded = true;
    list[3].excluded = true;
    writeDictionary(list);
    // History bytes of the excluded records are 0: they still must not count.
    writeFile(g.puti.statEng, bytes({0, 0, 0, 0, 0, 0}));
    RecognitionExercise ex(g, RecognitionKind::English);
    // Seeds 11, 22, ... before each choice; draws from 0..5 by the rule:
    // seed 11 -> 2; seed 22 -> 4; seed 33 -> 0; seed 44 -> 2 (done), 3 (excluded), 5.
    ex.reseed = SeedSequence{{11, 22, 33, 44, 55, 66}};
    ASSERT_EQ(ex.start().action, StartAction::Open);
    EXPECT_EQ(ex.remaining(), 4);
    EXPECT_EQ(ex.paneText(), "  Остаток английских = 4");
    ASSERT_TRUE(ex.onShow());
    std::vector<int32_t> order{ex.currentIndex()};
    while (!ex.remember(false).passFinished)
        order.push_back(ex.currentIndex());
    EXPECT_EQ(order, (std::vector<int32_t>{2, 4, 0, 5}));
}

TEST_F(Recognition, SeededDrawGivesTheOrderOfTheDrawRule) {
    writeDictionary(words(5));
    RecognitionExercise ex(g, RecognitionKind::English);
    // With seed s the draw from 0..4 is ((s * 134775813 + 1) mod 2^32) * 5 >> 32.
    // Seed 1000: 134775814001 mod 2^32 = 1631826825 -> 1631826825 * 5 >> 32 = 1.
    // Seed 2000 -> 3; 3000 -> 0; 4000 -> 2; 5000 -> 4: each the first draw of its seed,
    // which is still open in this sequence.
    ex.reseed = SeedSequence{{1000, 2000, 3000, 4000, 5000}};
    ASSERT_EQ(ex.start().action, StartAction::Open);
    ASSERT_TRUE(ex.onShow());
    std::vector<int32_t> order{ex.currentIndex()};
    while (!ex.remember(false).passFinished)
        order.push_back(ex.currentIndex());
    EXPECT_EQ(order, (std::vector<int32_t>{1, 3, 0, 2, 4}));
}

TEST_F(Recognition, ThreeAnswersThenSaveLeaveThreeMoreOnes) {
    writeDictionary(words(10));
    const QByteArray before = withOnes(10, {0, 9});
    writeFile(g.puti.statEng, before);
    RecognitionExercise ex(g, RecognitionKind::English);
    ASSERT_EQ(ex.start().action, StartAction::Open);
    ASSERT_TRUE(ex.onShow());
    std::set<int32_t> answered;
    for (int i = 0; i < 3; ++i) {
        answered.insert(ex.currentIndex());
        ASSERT_FALSE(ex.remember(false).passFinished);
    }
    ex.save();
    QByteArray expected = before;
    for (int32_t i : answered)
        expected[i] = 1;
    const QByteArray after = readFile(g.puti.statEng);
    EXPECT_EQ(hex(after), hex(expected));
    EXPECT_EQ(ones(after), ones(before) + 3);
}

TEST_F(Recognition, ForgotCreatesTheForgottenFileAndMarksTheRecordOfTheRange) {
    writeDictionary(words(10));
    setRange(4, 8);
    RecognitionExercise ex(g, RecognitionKind::English);
    ASSERT_EQ(ex.start().action, StartAction::Open);
    ASSERT_TRUE(ex.onShow());
    const int32_t index = ex.currentIndex();
    g.Obnovit_pary = false;

    const ForgotOutcome out = ex.forgot();
    EXPECT_EQ(out.recordNumber, 4 + index);
    EXPECT_EQ(out.englishWord, QString("e%1").arg(4 + index));
    EXPECT_EQ(out.forgottenPaneText, "  Забытых слов = 1");
    EXPECT_EQ(hex(readFile(g.puti.statForget)), hex(withOnes(10, {4 + index - 1})));
    EXPECT_TRUE(g.Obnovit_pary);
    EXPECT_TRUE(g.Obnovit_angliyskie_slova);

    // The record is done in this pass.
    ex.save();
    EXPECT_EQ(hex(readFile(g.puti.statEng)), hex(withOnes(5, {index})));
}

TEST_F(Recognition, RussianForgotNamesTheEnglishWord) {
    writeDictionary(words(3));
    RecognitionExercise ex(g, RecognitionKind::Russian);
    ASSERT_EQ(ex.start().action, StartAction::Open);
    ASSERT_TRUE(ex.onShow());
    EXPECT_EQ(ex.caption(), "Вспомнить перевод");
    EXPECT_EQ(ex.hintText(), QString("e%1").arg(ex.currentRecordNumber()));
    EXPECT_EQ(ex.wordLabelHint(), QString("     e%1     ").arg(ex.currentRecordNumber()));
    EXPECT_EQ(ex.forgot().englishWord, QString("e%1").arg(ex.currentRecordNumber()));
}

TEST_F(Recognition, EnglishCaptionAndHints) {
    std::vector<Word> list{{"cat", "кошка", false, "кэт"}, {"dog", "собака"}};
    writeDictionary(list);
    setRange(1, 1);
    RecognitionExercise ex(g, RecognitionKind::English);
    ASSERT_EQ(ex.start().action, StartAction::Open);
    ASSERT_TRUE(ex.onShow());
    EXPECT_EQ(ex.caption(), "[кэт]");
    EXPECT_EQ(ex.hintText(), "кошка");
    EXPECT_EQ(ex.wordLabelHint(), "     кошка     ");
    setRange(2, 2);
    g.Obnovit_angliyskie_slova = true;
    ASSERT_EQ(ex.start().action, StartAction::Open);
    ASSERT_TRUE(ex.onShow());
    EXPECT_EQ(ex.caption(), "[]");
}

TEST_F(Recognition, RememberWithTheBoxExcludesTheRecord) {
    writeDictionary(words(4));
    writeFile(g.puti.statPerRus, bytes({0, 0, 0, 0}));
    RecognitionExercise ex(g, RecognitionKind::English);
    ASSERT_EQ(ex.start().action, StartAction::Open);
    ASSERT_TRUE(ex.onShow());
    const int32_t number = ex.currentRecordNumber();
    const RememberOutcome out = ex.remember(true);
    EXPECT_TRUE(out.excluded);
    EXPECT_TRUE(out.exclusionRefusal.isEmpty());
    EXPECT_EQ(readFile(g.puti.vocabulary)[(number - 1) * DictRecord::kSize + 168], 1);
    EXPECT_EQ(hex(readFile(g.puti.statPerRus)), hex(withOnes(4, {number - 1})));
}

TEST_F(Recognition, RememberWithTheBoxOnAForgottenRecordRefusesButGoesOn) {
    writeDictionary(words(3));
    writeFile(g.puti.statForget, bytes({1, 1, 1}));
    RecognitionExercise ex(g, RecognitionKind::English);
    ASSERT_EQ(ex.start().action, StartAction::Open);
    ASSERT_TRUE(ex.onShow());
    const int32_t first = ex.currentIndex();
    const RememberOutcome out = ex.remember(true);
    EXPECT_EQ(out.exclusionRefusal,
              "Нельзя слово исключать из показа в упражнениях, если оно отмечено как забытое.");
    EXPECT_FALSE(out.excluded);
    EXPECT_FALSE(out.passFinished);
    EXPECT_NE(ex.currentIndex(), first);
    EXPECT_EQ(ex.remaining(), 2);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(readFile(g.puti.vocabulary)[i * DictRecord::kSize + 168], 0);
}

TEST_F(Recognition, TickingTheBoxNeedsTwoAllowedRecords) {
    writeDictionary(words(3));
    RecognitionExercise ex(g, RecognitionKind::English);
    g.Kolichestvo_razreshennykh_k_pokazu = 2;
    EXPECT_TRUE(ex.excludeTickRefusal().isEmpty());
    g.Kolichestvo_razreshennykh_k_pokazu = 1;
    EXPECT_EQ(ex.excludeTickRefusal(), "Нельзя исключить из показа в упражнения все записи.");
}

TEST_F(Recognition, HistoryOfTheWrongSizeIsReadPaddedOrCutAndSavedAtTheRangeSize) {
    writeDictionary(words(5));
    // Too short: records 4 and 5 read as not done.
    writeFile(g.puti.statEng, bytes({1, 1, 1}));
    RecognitionExercise ex(g, RecognitionKind::English);
    ASSERT_EQ(ex.start().action, StartAction::Open);
    EXPECT_EQ(ex.remaining(), 2);
    ex.save();
    EXPECT_EQ(hex(readFile(g.puti.statEng)), hex(bytes({1, 1, 1, 0, 0})));

    // Too long: the bytes beyond the range are ignored and dropped by the next save.
    writeFile(g.puti.statEng, bytes({1, 0, 1, 1, 1, 0, 0, 0}));
    g.Obnovit_angliyskie_slova = true;
    ASSERT_EQ(ex.start().action, StartAction::Open);
    EXPECT_EQ(ex.remaining(), 1);
    ex.save();
    EXPECT_EQ(hex(readFile(g.puti.statEng)), hex(bytes({1, 0, 1, 1, 1})));
}

TEST_F(Recognition, RangeStartBelowOneIsReadAsOne) {
    writeDictionary(words(3));
    setRange(0, 2);
    RecognitionExercise ex(g, RecognitionKind::English);
    ASSERT_EQ(ex.start().action, StartAction::Open);
    EXPECT_EQ(g.Nachalo_diapazona, 1);
    EXPECT_EQ(g.Razmer_diapazona, 2);
    EXPECT_EQ(ex.remaining(), 2);
    ASSERT_TRUE(ex.onShow());
    EXPECT_EQ(ex.shownWord(), QString("e%1").arg(ex.currentIndex() + 1));
}

TEST_F(Recognition, RangeBeyondTheDictionaryEndPresentsOnlyExistingRecords) {
    writeDictionary(words(3));
    setRange(2, 6);
    RecognitionExercise ex(g, RecognitionKind::English);
    ASSERT_EQ(ex.start().action, StartAction::Open);
    EXPECT_EQ(ex.remaining(), 2);
    ex.save();
    EXPECT_EQ(readFile(g.puti.statEng).size(), 5);
}

TEST_F(Recognition, FailureOfTheBuildIsReportedUnderTheStartingProcedure) {
    g.Kolichestvo_zapisey = 3;
    setRange(1, 3);
    RecognitionExercise ex(g, RecognitionKind::Russian);
    EXPECT_TRUE(reportedAs(reportOf([&] { ex.start(); }), "Предъявление_случайных_русских_слов"));
}

struct PreCheckCase {
    RecognitionKind kind;
    int32_t records;
    bool forgottenView;
    bool forgottenFile;
    bool groupsOpen;
    StartAction action;
    const char* text;
};

void PrintTo(const PreCheckCase& c, std::ostream* os) {
    *os << (c.kind == RecognitionKind::English ? "English" : "Russian") << " records " << c.records
        << (c.forgottenView ? " forgotten view" : "") << (c.forgottenFile ? " with file" : "")
        << (c.groupsOpen ? " groups open" : "");
}

class RecognitionPreCheck : public ExerciseFixture,
                            public ::testing::WithParamInterface<PreCheckCase> {};

const PreCheckCase kPreChecks[] = {
    {RecognitionKind::English, 1, false, false, false, StartAction::Refuse,
     "В словаре количество записей меньше двух ..."},
    {RecognitionKind::English, 2, false, false, false, StartAction::Open, ""},
    {RecognitionKind::English, 2, true, false, false, StartAction::Refuse,
     "Забытые слова еще не сформированы ..."},
    {RecognitionKind::English, 2, true, true, false, StartAction::Open, ""},
    {RecognitionKind::English, 2, false, false, true, StartAction::Open, ""},
    {RecognitionKind::Russian, 2, false, false, true, StartAction::Ignore, ""},
    {RecognitionKind::Russian, 0, false, false, false, StartAction::Refuse,
     "В словаре количество записей меньше двух ..."},
    {RecognitionKind::Russian, 5, true, false, false, StartAction::Refuse,
     "Забытые слова еще не сформированы ..."},
};

INSTANTIATE_TEST_SUITE_P(Cases, RecognitionPreCheck, ::testing::ValuesIn(kPreChecks));

TEST_P(RecognitionPreCheck, CommandChecks) {
    const PreCheckCase& c = GetParam();
    g.Kolichestvo_zapisey = c.records;
    g.Rezhim_zabytye = c.forgottenView;
    g.Okno_grupp_otkryto = c.groupsOpen;
    if (c.forgottenFile)
        writeFile(g.puti.statForget, bytes({1, 0}));
    const StartDecision d = RecognitionExercise::preCheck(g, c.kind);
    EXPECT_EQ(d.action, c.action);
    EXPECT_EQ(d.text, QString::fromUtf8(c.text));
}

} // namespace
} // namespace telvo::test
