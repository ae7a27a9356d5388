#include "store/Forgotten.h"
#include "store/RecordFile.h"
#include "tests/store/MarksFixture.h"

using namespace telvo;
using namespace telvo::test;

namespace {

class Forgotten : public MarksFixture, public ::testing::Test {};

TEST_F(Forgotten, FirstMarkCreatesTheFileAndClearingTheLastDeletesIt) {
    writeNumbered(5);
    clearRebuildFlags();

    EXPECT_EQ(Izmenit_optsiyu_slova_zabytoe_ili_vspomnennoe(g, 3), ForgottenToggle::Marked);
    EXPECT_EQ(show(forgotten()), "00 00 01 00 00");
    EXPECT_EQ(g.Kolichestvo_zabytykh_slov, 1);
    EXPECT_TRUE(allRebuildFlags());

    EXPECT_EQ(Izmenit_optsiyu_slova_zabytoe_ili_vspomnennoe(g, 5), ForgottenToggle::Marked);
    EXPECT_EQ(show(forgotten()), "00 00 01 00 01");

    EXPECT_EQ(Izmenit_optsiyu_slova_zabytoe_ili_vspomnennoe(g, 3), ForgottenToggle::Unmarked);
    EXPECT_EQ(show(forgotten()), "00 00 00 00 01");
    EXPECT_EQ(g.Kolichestvo_zabytykh_slov, 1);

    clearRebuildFlags();
    EXPECT_EQ(Izmenit_optsiyu_slova_zabytoe_ili_vspomnennoe(g, 5), ForgottenToggle::Unmarked);
    EXPECT_EQ(show(forgotten()), "absent");
    EXPECT_EQ(g.Kolichestvo_zabytykh_slov, 0);
    EXPECT_TRUE(allRebuildFlags());
}

TEST_F(Forgotten, MarkingExtendsAForgottenFileShorterThanTheDictionary) {
    writeNumbered(5);
    writeFile(g.puti.statForget, bytes({1, 0}));
    EXPECT_EQ(Izmenit_optsiyu_slova_zabytoe_ili_vspomnennoe(g, 4), ForgottenToggle::Marked);
    EXPECT_EQ(show(forgotten()), "01 00 00 01");
    EXPECT_EQ(g.Kolichestvo_zabytykh_slov, 2);
}

// Clearing a forgotten mark restarts the pair exercise for that word, only inside the range.
struct PairCase {
    const char* name;
    int rangeFirst, rangeLast;
    int record;
    std::optional<QByteArray> pairBefore;
    std::optional<QByteArray> pairAfter;
};

void PrintTo(const PairCase& c, std::ostream* os) {
    *os << c.name;
}

class ClearingPairHistory : public Forgotten, public ::testing::WithParamInterface<PairCase> {};

TEST_P(ClearingPairHistory, ZeroesOnlyTheRecordsByteInsideTheRange) {
    const PairCase& c = GetParam();
    writeNumbered(10);
    setRange(c.rangeFirst, c.rangeLast);
    QByteArray flags(10, '\0');
    flags[c.record - 1] = 1;
    flags[0] = 1; // another forgotten word keeps the file
    writeFile(g.puti.statForget, flags);
    if (c.pairBefore)
        writeFile(g.puti.statPair, *c.pairBefore);

    EXPECT_EQ(Izmenit_optsiyu_slova_zabytoe_ili_vspomnennoe(g, c.record),
              ForgottenToggle::Unmarked);

    const std::optional<QByteArray> pair =
        QFile::exists(g.puti.statPair) ? std::optional(readFile(g.puti.statPair)) : std::nullopt;
    EXPECT_EQ(show(pair), show(c.pairAfter));
    flags[c.record - 1] = 0;
    EXPECT_EQ(show(forgotten()), hex(flags));
}

const QByteArray kOnes5 = bytes({1, 1, 1, 1, 1});

INSTANTIATE_TEST_SUITE_P(
    Cases, ClearingPairHistory,
    ::testing::Values(PairCase{"inside", 3, 7, 5, kOnes5, bytes({1, 1, 0, 1, 1})},
                      PairCase{"firstOfRange", 3, 7, 3, kOnes5, bytes({0, 1, 1, 1, 1})},
                      PairCase{"lastOfRange", 3, 7, 7, kOnes5, bytes({1, 1, 1, 1, 0})},
                      PairCase{"belowRange", 3, 7, 2, kOnes5, kOnes5},
                      PairCase{"aboveRange", 3, 7, 8, kOnes5, kOnes5},
                      PairCase{"noPairFile", 3, 7, 5, std::nullopt, std::nullopt},
                      PairCase{"historyTooShort", 3, 7, 7, bytes({1, 1, 1}), bytes({1, 1, 1})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Forgotten, MarkingLeavesThePairHistoryAlone) {
    writeNumbered(4);
    writeFile(g.puti.statPair, bytes({1, 1, 1, 1}));
    EXPECT_EQ(Izmenit_optsiyu_slova_zabytoe_ili_vspomnennoe(g, 2), ForgottenToggle::Marked);
    EXPECT_EQ(hex(readFile(g.puti.statPair)), "01 01 01 01");
}

TEST_F(Forgotten, ExcludedRecordIsRefusedSinglyAndNothingChanges) {
    writeNumbered(4, {2});
    EXPECT_EQ(Izmenit_optsiyu_slova_zabytoe_ili_vspomnennoe(g, 2),
              ForgottenToggle::RefusedExcluded);
    EXPECT_EQ(show(forgotten()), "absent");

    writeFile(g.puti.statForget, bytes({1, 0, 0, 0}));
    EXPECT_EQ(Izmenit_optsiyu_slova_zabytoe_ili_vspomnennoe(g, 2),
              ForgottenToggle::RefusedExcluded);
    EXPECT_EQ(show(forgotten()), "01 00 00 00");
    EXPECT_STREQ(kExcludedNotForgotten,
                 "Нельзя отмечать слово как забытое, если оно исключено из показа в упражнениях.");
}

TEST_F(Forgotten, ByNumbersKeepsExactlyTheRangeMinusExcluded) {
    writeNumbered(10, {6});
    writeFile(g.puti.statForget, bytes({1, 1, 0, 0, 0, 0, 0, 0, 1, 1}));
    EXPECT_EQ(Otmetit_slova_zabytymi_po_nomeram(g, 5, 8), 3);
    EXPECT_EQ(show(forgotten()), "00 00 00 00 01 00 01 01 00 00");
    EXPECT_EQ(g.Kolichestvo_zabytykh_slov, 3);
    EXPECT_FALSE(QFile::exists(g.puti.statForgetNew));
}

TEST_F(Forgotten, ByNumbersOfOnlyExcludedRecordsMarksNothing) {
    writeNumbered(4, {2, 3});
    EXPECT_EQ(Otmetit_slova_zabytymi_po_nomeram(g, 2, 3), 0);
    EXPECT_EQ(show(forgotten()), "00 00 00 00");
    EXPECT_EQ(g.Kolichestvo_zabytykh_slov, 0);
}

struct RangeCase {
    const char* name;
    const char* start;
    const char* end;
    const char* error; // empty when accepted
    bool focusStart;
};

void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.name;
}

class NumberFields : public ::testing::TestWithParam<RangeCase> {};

TEST_P(NumberFields, AreCheckedInOrder) {
    const RangeCase& c = GetParam();
    const NumberRangeCheck check =
        checkNumberRange(QString::fromUtf8(c.start), QString::fromUtf8(c.end), 10);
    EXPECT_EQ(check.error, QString::fromUtf8(c.error));
    EXPECT_EQ(check.ok, check.error.isEmpty());
    if (!check.ok)
        EXPECT_EQ(check.focusStart, c.focusStart);
    else
        EXPECT_EQ((QString::number(check.first) + "-" + QString::number(check.last)),
                  QString::fromUtf8(c.start) + "-" + QString::fromUtf8(c.end));
}

const char* const kStartEmpty = "Не заполнено поле ввода «Начальный номер:»";
const char* const kEndEmpty = "Не заполнено поле ввода «Конечный номер:»";
const char* const kStartAboveEnd =
    "Значение начального номера не может быть больше значения конечного номера.";
const char* const kBelowOne = "Значение начального номера не может быть меньше единицы.";
const char* const kAboveCount =
    "Значение конечного номера не может быть больше количества записей в словаре.";

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberFields,
    ::testing::Values(RangeCase{"bothEmpty", "", "", kStartEmpty, true},
                      RangeCase{"endEmpty", "5", "", kEndEmpty, false},
                      RangeCase{"startAboveEnd", "9", "5", kStartAboveEnd, true},
                      RangeCase{"zeroAboveZero", "0", "0", kBelowOne, true},
                      RangeCase{"zeroStart", "0", "5", kBelowOne, true},
                      RangeCase{"endBeyondCount", "5", "11", kAboveCount, false},
                      RangeCase{"fourDigits", "1", "9999", kAboveCount, false},
                      RangeCase{"whole", "1", "10", "", true},
                      RangeCase{"single", "7", "7", "", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Forgotten, LinkingMakesExactlyTheEligibleMarkedRecordsForgotten) {
    std::vector<Word> words;
    for (int n = 1; n <= 5; ++n)
        words.push_back(Word{QStringLiteral("w%1").arg(n)});
    words[1].marked = true;                     // record 2
    words[3].marked = words[3].excluded = true; // record 4
    writeDictionary(words);
    writeFile(g.puti.statForget, bytes({1, 0, 0, 0, 1}));

    EXPECT_EQ(Svyazat_zabytye_s_otmechennymi(g), 1);
    EXPECT_EQ(show(forgotten()), "00 01 00 00 00");
    EXPECT_EQ(g.Kolichestvo_zabytykh_slov, 1);
}

TEST_F(Forgotten, LinkingWithNoEligibleMarkDeletesTheFile) {
    std::vector<Word> words{{QStringLiteral("a")}, {QStringLiteral("b")}};
    words[1].marked = words[1].excluded = true;
    writeDictionary(words);
    writeFile(g.puti.statForget, bytes({1, 0}));
    g.Kolichestvo_zabytykh_slov = 1;

    EXPECT_EQ(Svyazat_zabytye_s_otmechennymi(g), 0);
    EXPECT_EQ(show(forgotten()), "absent");
    EXPECT_EQ(g.Kolichestvo_zabytykh_slov, 0);
}

TEST_F(Forgotten, ResetDeletesTheFile) {
    writeNumbered(3);
    writeFile(g.puti.statForget, bytes({1, 0, 1}));
    g.Kolichestvo_zabytykh_slov = 2;
    Obnulenie_zabytykh_slov(g);
    EXPECT_EQ(show(forgotten()), "absent");
    EXPECT_EQ(g.Kolichestvo_zabytykh_slov, 0);
    Obnulenie_zabytykh_slov(g); // nothing left to delete is no failure
    EXPECT_EQ(show(forgotten()), "absent");
}

TEST_F(Forgotten, PlainMarksToggleAndClearOnlyTheMarkByte) {
    std::vector<Word> words{{QStringLiteral("a")}, {QStringLiteral("b")}, {QStringLiteral("c")}};
    words[1].excluded = true;
    words[2].marked = true;
    writeDictionary(words);
    EXPECT_EQ(Opredelit_kolichestvo_otmechennykh_slov(g), 1);

    g.Nomer_tekushchey_zapisi = 2; // excluded records can still be marked
    Izmenit_otmetku_slova(g);
    words[1].marked = true;
    EXPECT_EQ(hex(readFile(g.puti.vocabulary)),
              hex(encode(words[0]) + encode(words[1]) + encode(words[2])));
    EXPECT_EQ(Opredelit_kolichestvo_otmechennykh_slov(g), 2);

    Snyat_vse_otmetki(g);
    words[1].marked = words[2].marked = false;
    EXPECT_EQ(hex(readFile(g.puti.vocabulary)),
              hex(encode(words[0]) + encode(words[1]) + encode(words[2])));
    EXPECT_EQ(Opredelit_kolichestvo_otmechennykh_slov(g), 0);
}

// Dates: records 1, 2 and 4 were added on March 5, record 3 on March 6; record 4 is excluded.
struct DateCase {
    const char* name;
    QDate date;
    bool removeOld;
    std::optional<QByteArray> before;
    int marked;
    const char* after;
};

void PrintTo(const DateCase& c, std::ostream* os) {
    *os << c.name;
}

class ByDate : public Forgotten, public ::testing::WithParamInterface<DateCase> {};

TEST_P(ByDate, MarksTheRecordsAddedThatDay) {
    const DateCase& c = GetParam();
    std::vector<Word> words{
        {QStringLiteral("a")}, {QStringLiteral("b")}, {QStringLiteral("c")}, {QStringLiteral("d")}};
    words[2].added = QDate(2021, 3, 6);
    words[3].excluded = true;
    writeDictionary(words);
    if (c.before)
        writeFile(g.puti.statForget, *c.before);

    EXPECT_EQ(markForgottenByDate(g, c.date, c.removeOld), c.marked);
    EXPECT_EQ(show(forgotten()), c.after);
}

const QDate kMar5(2021, 3, 5), kMar6(2021, 3, 6), kMar7(2021, 3, 7);

INSTANTIATE_TEST_SUITE_P(
    Cases, ByDate,
    ::testing::Values(
        DateCase{"createsFile", kMar5, false, std::nullopt, 2, "01 01 00 00"},
        DateCase{"keepsOldMarks", kMar5, false, bytes({0, 0, 1, 0}), 2, "01 01 01 00"},
        DateCase{"removesOldMarks", kMar5, true, bytes({0, 0, 1, 1}), 2, "01 01 00 00"},
        DateCase{"otherDay", kMar6, false, std::nullopt, 1, "00 00 01 00"},
        DateCase{"emptyDayNoFile", kMar7, true, std::nullopt, 0, "absent"},
        DateCase{"emptyDayKeeps", kMar7, false, bytes({0, 1, 1, 0}), 0, "00 01 01 00"},
        DateCase{"emptyDayRemoves", kMar7, true, bytes({0, 1, 1, 0}), 0, "00 00 00 00"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DateMarkingMessage, NamesTheCountOrTheEmptyDay) {
    EXPECT_EQ(dateMarkingMessage(3), "Количество слов отмеченных по дате = 3.");
    EXPECT_EQ(dateMarkingMessage(0), "В выбранную дату слова в словарь не заносились.");
}

TEST_F(Forgotten, StatusTextCountsOnlyTheDictionarysBytes) {
    writeNumbered(3);
    g.Kolichestvo_zabytykh_slov = 7;
    EXPECT_EQ(Pervonachalnoe_kolichestvo_zabytykh_slov(g), "");
    EXPECT_EQ(g.Kolichestvo_zabytykh_slov, 7); // absent file: the counter stays

    writeFile(g.puti.statForget, bytes({1, 0, 1, 1})); // the 4th byte belongs to no record
    EXPECT_EQ(Pervonachalnoe_kolichestvo_zabytykh_slov(g), "  Забытых слов = 2");
    EXPECT_EQ(g.Kolichestvo_zabytykh_slov, 2);

    writeFile(g.puti.statForget, bytes({0, 0, 0}));
    EXPECT_EQ(Pervonachalnoe_kolichestvo_zabytykh_slov(g), "");
    EXPECT_EQ(g.Kolichestvo_zabytykh_slov, 0);
}

TEST_F(Forgotten, CheckCreatesAZeroFileSizedToTheDictionaryOnlyWhenAbsent) {
    writeNumbered(4);
    Proverka_nalichiya_fayla_zabytykh_slov(g);
    EXPECT_EQ(show(forgotten()), "00 00 00 00");
    writeFile(g.puti.statForget, bytes({0, 1, 0, 0}));
    Proverka_nalichiya_fayla_zabytykh_slov(g);
    EXPECT_EQ(show(forgotten()), "00 01 00 00");
}

TEST_F(Forgotten, FailuresAreReportedUnderTheProceduresName) {
    // No dictionary file at all.
    g.Nomer_tekushchey_zapisi = 1;
    const std::vector<std::pair<const char*, std::function<void()>>> procedures{
        {"Изменить_опцию_слова_забытое_или_вспомненное",
         [&] { Izmenit_optsiyu_slova_zabytoe_ili_vspomnennoe(g, 1); }},
        {"Изменить_отметку_слова", [&] { Izmenit_otmetku_slova(g); }},
        {"Снять_все_отметки", [&] { Snyat_vse_otmetki(g); }},
        {"Связать_забытые_с_отмеченными", [&] { Svyazat_zabytye_s_otmechennymi(g); }},
        {"Отметить_слова_забытыми_по_номерам", [&] { Otmetit_slova_zabytymi_po_nomeram(g, 1, 1); }},
        {"Проверка_наличия_файла_забытых_слов", [&] { Proverka_nalichiya_fayla_zabytykh_slov(g); }},
    };
    for (const auto& [name, call] : procedures)
        EXPECT_TRUE(reportedAs(reportOf(call), QString::fromUtf8(name))) << name;
}

} // namespace

namespace {

struct PositionCase {
    const char* name;
    int32_t selected, top, rowsLeft, visibleRows;
    int32_t newSelected, newTop;
};

void PrintTo(const PositionCase& c, std::ostream* os) {
    *os << c.name;
}

class ForgottenViewPosition : public ::testing::TestWithParam<PositionCase> {};

TEST_P(ForgottenViewPosition, KeepsTheNeighbourOfTheLeavingRowSelected) {
    const PositionCase& c = GetParam();
    const RowPosition p =
        positionAfterLeavingForgottenView(c.selected, c.top, c.rowsLeft, c.visibleRows);
    EXPECT_EQ(p.selected, c.newSelected);
    EXPECT_EQ(p.top, c.newTop);
}

INSTANTIATE_TEST_SUITE_P(Cases, ForgottenViewPosition,
                         ::testing::Values(PositionCase{"lastRowSelectsNewLast", 5, 1, 4, 20, 4, 0},
                                           PositionCase{"middleOfShortList", 3, 1, 4, 20, 3, 1},
                                           PositionCase{"nearTheEndScrolledDown", 45, 41, 49, 10,
                                                        44, 40},
                                           PositionCase{"farFromTheEnd", 15, 11, 49, 10, 15, 11},
                                           PositionCase{"onlyForgottenWord", 1, 1, 0, 10, 1, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
