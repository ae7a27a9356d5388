#include "store/Search.h"
#include "store/TextRules.h"
#include "tests/store/MarksFixture.h"

#include <set>

using namespace telvo;
using namespace telvo::test;

namespace {

// Ten records; row r of the full view shows record 11 - r, so the rows read top-down:
//   row:    1      2      3      4      5      6       7            8       9       10
//   word:   dog    cat    bird   fish   CAP    horse   pecan        cow     car     ant
//   transl: собака кошка  птица  рыба   кепка  лошадь  орех пекан   корова  машина  муравей
class Search : public MarksFixture, public ::testing::Test {
protected:
    Search() {
        const std::vector<std::pair<const char*, const char*>> rowsTopDown{
            {"dog", "собака"}, {"cat", "кошка"},    {"bird", "птица"},       {"fish", "рыба"},
            {"CAP", "кепка"},  {"horse", "лошадь"}, {"pecan", "орех пекан"}, {"cow", "корова"},
            {"car", "машина"}, {"ant", "муравей"}};
        std::vector<Word> words;
        for (auto it = rowsTopDown.rbegin(); it != rowsTopDown.rend(); ++it)
            words.push_back(Word{QString::fromUtf8(it->first), QString::fromUtf8(it->second)});
        writeDictionary(words);
    }

    // Forgotten: records 9 (cat), 5 (horse) and 4 (pecan), shown as rows 1, 2, 3.
    void forgottenView() {
        writeFile(g.puti.statForget, bytes({0, 0, 0, 1, 1, 0, 0, 0, 1, 0}));
        g.Kolichestvo_zabytykh_slov = 3;
        g.Rezhim_zabytye = true;
    }

    // Rows found by pressing "search further" until the search stops finding, and the message
    // it stopped with.
    template <class Press> std::pair<std::vector<int32_t>, QString> pressUntilDone(Press press) {
        std::vector<int32_t> rows;
        for (int i = 0; i < 20; ++i) {
            const SearchResult r = press();
            if (r.status != SearchStatus::Found)
                return {rows, r.message};
            EXPECT_TRUE(r.message.isEmpty());
            rows.push_back(r.row);
        }
        ADD_FAILURE() << "the search never stopped";
        return {rows, {}};
    }
};

const QString kAllFoundEnglish =
    QStringLiteral("Все слова с искомым английским словом (подстрокой) уже были найдены ...");

TEST_F(Search, EnglishSubstringWalksTopDownIgnoringCaseAndStopsAtTheEnd) {
    auto press = [&] { return Poisk_podstroki_angliyskogo_slova(g, QStringLiteral("ca")); };
    const auto [rows, stop] = pressUntilDone(press);
    EXPECT_EQ(rows, (std::vector<int32_t>{2, 5, 7, 9}));
    EXPECT_EQ(stop, kAllFoundEnglish);
    EXPECT_EQ(g.Nomer_naydennoy_stroki, 9);

    // Every further press repeats the message; it does not wrap to the top.
    const SearchResult again = press();
    EXPECT_EQ(again.status, SearchStatus::NothingFound);
    EXPECT_EQ(again.message, kAllFoundEnglish);
    EXPECT_EQ(g.Nomer_naydennoy_stroki, 9);

    // A changed search text resets the position: the walk starts over from row 1.
    g.Nomer_naydennoy_stroki = 0;
    EXPECT_EQ(press().row, 2);
}

TEST_F(Search, TranslationSubstringIgnoresCyrillicCaseAndSharesThePosition) {
    auto press = [&] { return Poisk_podstroki_perevoda(g, QStringLiteral("КА"), true); };
    const auto [rows, stop] = pressUntilDone(press);
    EXPECT_EQ(rows, (std::vector<int32_t>{1, 2, 5, 7})); // собака кошка кепка пекан
    EXPECT_EQ(stop, "Все слова с искомой подстрокой уже были найдены ...");

    // The English search continues from the same position: past pecan (row 7) to car.
    EXPECT_EQ(Poisk_podstroki_angliyskogo_slova(g, QStringLiteral("ca")).row, 9);
}

struct MissCase {
    const char* name;
    bool forgottenOnly;
    bool english;
    const char* text;
    const char* message;
};

void PrintTo(const MissCase& c, std::ostream* os) {
    *os << c.name;
}

class SearchMiss : public Search, public ::testing::WithParamInterface<MissCase> {};

TEST_P(SearchMiss, ShowsTheRightMessageAndKeepsThePosition) {
    const MissCase& c = GetParam();
    if (c.forgottenOnly)
        forgottenView();
    const QString text = QString::fromUtf8(c.text);
    const SearchResult r = c.english ? Poisk_podstroki_angliyskogo_slova(g, text)
                                     : Poisk_podstroki_perevoda(g, text, true);
    EXPECT_EQ(r.status, text.isEmpty() ? SearchStatus::EmptyText : SearchStatus::NothingFound);
    EXPECT_EQ(r.message, QString::fromUtf8(c.message));
    EXPECT_EQ(r.row, 0);
    EXPECT_EQ(g.Nomer_naydennoy_stroki, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SearchMiss,
    ::testing::Values(
        MissCase{"englishEmpty", false, true, "",
                 "Поле с английским словом (подстрокой) не может быть пустым!"},
        MissCase{"englishAbsent", false, true, "zebra",
                 "Искомое английское слово (подстрока) не найдена ..."},
        MissCase{"englishNotForgotten", true, true, "dog",
                 "В режиме просмотра словаря «Фильтрация забытых слов» английское слово "
                 "(подстрока) не найдено ..."},
        MissCase{"translationEmpty", false, false, "",
                 "Поле с подстрокой перевода не может быть пустым!"},
        MissCase{"translationAbsent", false, false, "зебра", "Искомая подстрока не найдена ..."},
        MissCase{"translationNotForgotten", true, false, "собака",
                 "В режиме просмотра словаря «Фильтрация забытых слов» искомая подстрока не "
                 "найдена ..."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Search, TranslationSearchNeedsTheTranslationColumn) {
    const SearchResult r = Poisk_podstroki_perevoda(g, QStringLiteral("кош"), false);
    EXPECT_EQ(r.status, SearchStatus::TranslationHidden);
    EXPECT_EQ(r.message, "Для поиска подстроки, режим показа перевода должен быть включен. "
                         "Сделайте это с помощью клавиши <Пробел>.");
    EXPECT_EQ(g.Nomer_naydennoy_stroki, 0);
}

TEST_F(Search, ForgottenViewSearchesOnlyForgottenRows) {
    forgottenView();
    const auto [rows, stop] =
        pressUntilDone([&] { return Poisk_podstroki_angliyskogo_slova(g, QStringLiteral("ca")); });
    EXPECT_EQ(rows, (std::vector<int32_t>{1, 3})); // cat, pecan
    EXPECT_EQ(stop, kAllFoundEnglish);
}

TEST_F(Search, APositionBeyondAShrunkenTableFindsNothingMore) {
    g.Nomer_naydennoy_stroki = 15;
    const SearchResult r = Poisk_podstroki_angliyskogo_slova(g, QStringLiteral("ca"));
    EXPECT_EQ(r.message, kAllFoundEnglish);
    EXPECT_EQ(g.Nomer_naydennoy_stroki, 15);
}

struct ExactCase {
    const char* name;
    bool forgottenOnly;
    const char* word;
    int32_t row; // 0: not found
    const char* message;
};

void PrintTo(const ExactCase& c, std::ostream* os) {
    *os << c.name;
}

class ExactSearch : public Search, public ::testing::WithParamInterface<ExactCase> {};

TEST_P(ExactSearch, MatchesTheWholeWordIgnoringCase) {
    const ExactCase& c = GetParam();
    if (c.forgottenOnly)
        forgottenView();
    g.Nomer_naydennoy_stroki = 4;
    const SearchResult r = Poisk_angliyskogo_slova(g, QString::fromUtf8(c.word));
    EXPECT_EQ(r.row, c.row);
    EXPECT_EQ(r.status, c.row ? SearchStatus::Found : SearchStatus::NothingFound);
    EXPECT_EQ(r.message, QString::fromUtf8(c.message));
    EXPECT_EQ(g.Nomer_naydennoy_stroki, 4);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExactSearch,
    ::testing::Values(
        ExactCase{"sameCase", false, "car", 9, ""}, ExactCase{"otherCase", false, "cap", 5, ""},
        ExactCase{"upperQuery", false, "PECAN", 7, ""},
        ExactCase{"prefixIsNoMatch", false, "ca", 0, "Английское слово не найдено..."},
        ExactCase{"longerIsNoMatch", false, "cats", 0, "Английское слово не найдено..."},
        ExactCase{"forgottenRow", true, "pecan", 3, ""},
        ExactCase{"notForgotten", true, "dog", 0,
                  "В режиме просмотра словаря «Забытые» английское слово не найдено..."}),
    [](const auto& info) { return std::string(info.param.name); });

// Records brought in from elsewhere may hold blanks or a tab around their English text. Written
// byte by byte: a length byte, then the Windows-1251 text, at the start of each 176-byte record.
//   record: 1            2      3                       4
//   bytes:  "  Cat\t"    "dog"  " Ёлка " (A8 EB EA E0)   "  bird  "
//   row:    4            3      2                       1
class ExactSearchOfStoredBlanks : public Search {
protected:
    ExactSearchOfStoredBlanks() {
        const QByteArray english[] = {QByteArray("  Cat\t"), QByteArray("dog"),
                                      QByteArray(" \xA8\xEB\xEA\xE0 "), QByteArray("  bird  ")};
        QByteArray all;
        for (const QByteArray& text : english) {
            QByteArray record(176, '\0');
            record[0] = static_cast<char>(text.size());
            record.replace(1, text.size(), text);
            all += record;
        }
        writeFile(g.puti.vocabulary, all);
        g.Kolichestvo_zapisey = 4;
    }
};

// The jump after "Да" to the duplicate question must land on the record the check found.
TEST_F(ExactSearchOfStoredBlanks, FindsWhatTheDuplicateCheckFinds) {
    const std::pair<const char*, int32_t> cases[] = {{"cat", 4},  {"CAT", 4},  {"ёлка", 2},
                                                     {"ЁЛКА", 2}, {"Bird", 1}, {"dog", 3},
                                                     {"ca", 0},   {"birds", 0}};
    g.Rezhim_dobavleniya = true;
    for (const auto& [word, row] : cases) {
        const QString typed = QString::fromUtf8(word);
        EXPECT_EQ(Proverka_novogo_slova_na_sovpadenie(g, typed), row != 0) << word;
        const SearchResult r = Poisk_angliyskogo_slova(g, typed);
        EXPECT_EQ(r.row, row) << word;
        EXPECT_EQ(r.status, row ? SearchStatus::Found : SearchStatus::NothingFound) << word;
    }
}

struct GoToCase {
    const char* name;
    bool forgottenOnly;
    const char* typed;
    GoToStatus status;
    int32_t row;
    const char* message;
};

void PrintTo(const GoToCase& c, std::ostream* os) {
    *os << c.name;
}

class GoTo : public Search, public ::testing::WithParamInterface<GoToCase> {};

TEST_P(GoTo, ChecksTheNumberAndFindsItsRow) {
    const GoToCase& c = GetParam();
    if (c.forgottenOnly)
        forgottenView();
    const GoToResult r = goToNumber(g, QString::fromUtf8(c.typed));
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.row, c.row);
    EXPECT_EQ(r.message, QString::fromUtf8(c.message));
}

const char* const kLimits = "Значение номера для перехода не может быть нулем или больше чем "
                            "количество записей в словаре  = 10.";

INSTANTIATE_TEST_SUITE_P(
    Cases, GoTo,
    ::testing::Values(
        GoToCase{"empty", false, "", GoToStatus::EmptyField, 0,
                 "Значение номера для перехода не может быть пустым..."},
        GoToCase{"zero", false, "0", GoToStatus::OutOfLimits, 0, kLimits},
        GoToCase{"zeros", false, "0000", GoToStatus::OutOfLimits, 0, kLimits},
        GoToCase{"aboveCount", false, "11", GoToStatus::OutOfLimits, 0, kLimits},
        GoToCase{"fourDigits", false, "9999", GoToStatus::OutOfLimits, 0, kLimits},
        GoToCase{"last", false, "10", GoToStatus::Found, 1, ""},
        GoToCase{"first", false, "1", GoToStatus::Found, 10, ""},
        GoToCase{"leadingZero", false, "03", GoToStatus::Found, 8, ""},
        GoToCase{"forgottenShown", true, "4", GoToStatus::Found, 3, ""},
        GoToCase{"forgottenZeroStillLimits", true, "0", GoToStatus::OutOfLimits, 0, kLimits},
        GoToCase{"notForgotten", true, "03", GoToStatus::NotInView, 0,
                 "Включен фильтр. Поэтому искомый номер слова = 03 в видимой части словаря "
                 "отсутствует."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Search, GoToInAnEmptyForgottenViewSaysNoneAreFormed) {
    g.Rezhim_zabytye = true;
    g.Kolichestvo_zabytykh_slov = 0;
    const GoToResult r = goToNumber(g, QStringLiteral("5"));
    EXPECT_EQ(r.status, GoToStatus::NoForgotten);
    EXPECT_EQ(r.message, "Забытые слова еще не сформированы.");
}

TEST_F(Search, ForgottenViewRowsAreTheForgottenRecordsNewestFirst) {
    forgottenView();
    const ShownRows shown = ShownRows::read(g);
    ASSERT_EQ(shown.rows(), 3);
    EXPECT_EQ(shown.recordNumber(1), 9);
    EXPECT_EQ(shown.recordNumber(2), 5);
    EXPECT_EQ(shown.recordNumber(3), 4);
    EXPECT_EQ(shown.recordNumber(4), 0);
    EXPECT_EQ(shown.rowOf(5), 2);
    EXPECT_EQ(shown.rowOf(6), 0);
    EXPECT_EQ(shown.english(3), "pecan");

    // Only the dictionary's bytes count: a longer file's tail shows nothing.
    writeFile(g.puti.statForget, bytes({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(ShownRows::read(g).rows(), 1);
    // A short file shows what it has.
    writeFile(g.puti.statForget, bytes({0, 1}));
    EXPECT_EQ(ShownRows::read(g).recordNumber(1), 2);
    // No file: the view is empty.
    QFile::remove(g.puti.statForget);
    EXPECT_EQ(ShownRows::read(g).rows(), 0);
}

TEST_F(Search, FullViewRowsAreNewestFirst) {
    const ShownRows shown = ShownRows::read(g);
    ASSERT_EQ(shown.rows(), 10);
    for (int32_t r = 1; r <= 10; ++r) {
        EXPECT_EQ(shown.recordNumber(r), 11 - r);
        EXPECT_EQ(shown.rowOf(11 - r), r);
        EXPECT_EQ(fullViewRowOf(10, 11 - r), r);
    }
    EXPECT_EQ(shown.english(2), "cat");
    EXPECT_EQ(shown.translation(2), "кошка");
    EXPECT_EQ(shown.rowOf(0), 0);
    EXPECT_EQ(shown.rowOf(11), 0);
}

// The random jump.
class Jump : public MarksFixture, public ::testing::Test {
protected:
    // Rows landed on in many jumps from `shownRow`.
    std::set<int32_t> landings(int32_t shownRow) {
        std::set<int32_t> rows;
        for (int i = 0; i < 400; ++i) {
            const JumpResult r = randomJump(g, shownRow);
            EXPECT_EQ(r.status, JumpStatus::Jumped);
            EXPECT_TRUE(r.message.isEmpty());
            rows.insert(r.row);
        }
        return rows;
    }
};

TEST_F(Jump, LandsOnlyOnIncludedRecordsOfTheRangeAwayFromTheShownRow) {
    writeNumbered(10, {4, 6, 9});
    setRange(3, 8);
    // Records 3, 5, 7, 8 qualify: rows 8, 6, 4, 3; row 6 is the one shown.
    EXPECT_EQ(landings(6), (std::set<int32_t>{8, 4, 3}));
    EXPECT_EQ(landings(0), (std::set<int32_t>{8, 6, 4, 3}));
}

TEST_F(Jump, InTheForgottenViewLandsOnForgottenRows) {
    writeNumbered(10, {5});
    writeFile(g.puti.statForget, bytes({0, 1, 0, 1, 1, 0, 0, 1, 0, 0}));
    g.Rezhim_zabytye = true;
    g.Kolichestvo_zabytykh_slov = 4;
    setRange(1, 3); // the range plays no part in this view
    // Rows: 1 = record 8, 2 = record 5 (excluded), 3 = record 4, 4 = record 2.
    EXPECT_EQ(landings(1), (std::set<int32_t>{3, 4}));
}

struct NoJumpCase {
    const char* name;
    std::vector<int> excluded;
    int rangeFirst, rangeLast;
    std::optional<QByteArray> forgottenOnly; // the forgotten file of the view, if any
    int32_t shownRow;
};

void PrintTo(const NoJumpCase& c, std::ostream* os) {
    *os << c.name;
}

class NoJump : public Jump, public ::testing::WithParamInterface<NoJumpCase> {};

TEST_P(NoJump, EndsWithoutMovingWhenNoRowQualifies) {
    const NoJumpCase& c = GetParam();
    writeNumbered(6, c.excluded);
    setRange(c.rangeFirst, c.rangeLast);
    if (c.forgottenOnly) {
        writeFile(g.puti.statForget, *c.forgottenOnly);
        g.Rezhim_zabytye = true;
    }
    const JumpResult r = randomJump(g, c.shownRow);
    EXPECT_EQ(r.status, JumpStatus::NoCandidate);
    EXPECT_EQ(r.row, 0);
    EXPECT_TRUE(r.message.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NoJump,
    ::testing::Values(NoJumpCase{"rangeAllExcluded", {2, 3, 4}, 2, 4, std::nullopt, 0},
                      // Record 3 is the only one left, in row 4, which is shown.
                      NoJumpCase{"onlyTheShownRow", {2, 4}, 2, 4, std::nullopt, 4},
                      NoJumpCase{"noForgottenWord", {}, 1, 6, bytes({0, 0, 0, 0, 0, 0}), 0},
                      NoJumpCase{"onlyForgottenShown", {}, 1, 6, bytes({0, 0, 1, 0, 0, 0}), 1},
                      NoJumpCase{"forgottenButExcluded", {3}, 1, 6, bytes({0, 0, 1, 0, 0, 0}), 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Jump, RefusesTinyDictionariesAndAMissingForgottenFile) {
    writeNumbered(1);
    JumpResult r = randomJump(g, 0);
    EXPECT_EQ(r.status, JumpStatus::Refused);
    EXPECT_EQ(r.message, "В словаре количество записей меньше двух ...");

    writeNumbered(3);
    g.Rezhim_zabytye = true;
    r = randomJump(g, 0);
    EXPECT_EQ(r.status, JumpStatus::Refused);
    EXPECT_EQ(r.message, "Забытые слова еще не сформированы ...");
}

TEST_F(Search, FailuresAreReportedUnderTheSearchesNames) {
    QFile::remove(g.puti.vocabulary);
    const std::vector<std::pair<const char*, std::function<void()>>> procedures{
        {"Поиск_подстроки_английского_слова",
         [&] { Poisk_podstroki_angliyskogo_slova(g, QStringLiteral("a")); }},
        {"Поиск_подстроки_перевода",
         [&] { Poisk_podstroki_perevoda(g, QStringLiteral("a"), true); }},
        {"Поиск_английского_слова", [&] { Poisk_angliyskogo_slova(g, QStringLiteral("a")); }},
    };
    for (const auto& [name, call] : procedures)
        EXPECT_TRUE(reportedAs(reportOf(call), QString::fromUtf8(name))) << name;
}

} // namespace
