#include "idioms/logic/IdiomFile.h"
#include "idioms/logic/IdiomMarks.h"
#include "tests/idioms/logic/IdiomFixture.h"

#include <set>

namespace telvo::test {
namespace {

class IdiomMarksTest : public IdiomFixture {
protected:
    // The file with every idiom's bytes as `idioms` say: nothing else may change.
    void expectFile(const std::vector<Idiom>& idioms) {
        QByteArray expected;
        for (const Idiom& i : idioms)
            expected += idiomLiteral(i);
        EXPECT_EQ(hex(file()), hex(expected));
    }
};

TEST_F(IdiomMarksTest, SingleIdiomTogglesChangeOneByteOfOneIdiom) {
    using Op = void (*)(Globalnye_peremennye_slovarya&);
    struct Case {
        Op op;
        bool Idiom::*field;
        bool to;
    } cases[] = {
        {Isklyuchit_idiomu_iz_pokaza, &Idiom::excluded, true},
        {Vosstanovit_idiomu_dlya_pokaza, &Idiom::excluded, false},
        {Izmenit_otmetku_idiomy_zabytaya, &Idiom::forgotten, true},
        {Izmenit_otmetku_idiomy, &Idiom::marked, true},
    };
    for (const Case& c : cases) {
        auto idioms = numbered(3);
        idioms[1].*c.field = !c.to;
        writeIdioms(idioms);
        g.Nomer_tekushchey_idiomy = 2;
        c.op(g);
        idioms[1].*c.field = c.to;
        expectFile(idioms);
    }
}

TEST_F(IdiomMarksTest, ResetsAndLinkingCoverEveryIdiom) {
    auto idioms = numbered(4);
    idioms[0].forgotten = true;
    idioms[1].marked = true;
    idioms[1].excluded = true;
    idioms[3].marked = idioms[3].forgotten = true;

    writeIdioms(idioms);
    EXPECT_TRUE(Imeyutsya_otmechennye_idiomy(g));
    // Linking makes the marked excluded idiom forgotten as well.
    Svyaz_zabytykh_s_otmechennymi(g);
    EXPECT_EQ(forgottenBytes(), (std::vector<int>{0, 1, 0, 1}));

    writeIdioms(idioms);
    Obnulit_zabytye_idiomy(g);
    auto expected = idioms;
    for (Idiom& i : expected)
        i.forgotten = false;
    expectFile(expected);

    writeIdioms(idioms);
    Obnulit_otmechennye_idiomy(g);
    expected = idioms;
    for (Idiom& i : expected)
        i.marked = false;
    expectFile(expected);
    EXPECT_FALSE(Imeyutsya_otmechennye_idiomy(g));
}

TEST_F(IdiomMarksTest, MarkingByNumbersSkipsExcludedAndClearsTheRest) {
    auto idioms = numbered(6);
    idioms[3].excluded = true;
    idioms[0].forgotten = idioms[5].forgotten = true;
    writeIdioms(idioms);
    Otmetit_idiomy_zabytymi_po_nomeram(g, 3, 5);
    EXPECT_EQ(forgottenBytes(), (std::vector<int>{0, 0, 1, 0, 1, 0}));
}

TEST_F(IdiomMarksTest, ByNumbersChecksUseTheIdiomTexts) {
    struct Case {
        QString start, end;
        QString error;
        bool focusStart;
    } cases[] = {
        {"", "2", "Не заполнено поле ввода «Начальный номер:»", true},
        {"1", "", "Не заполнено поле ввода «Конечный номер:»", false},
        {"3", "2", "Значение начального номера не может быть больше значения конечного номера.",
         true},
        {"0", "2", "Значение начального номера не может быть меньше единицы.", true},
        {"1", "7", "Значение конечного номера не может быть больше количества идиом в словаре.",
         false},
    };
    for (const Case& c : cases) {
        const NumberRangeCheck check = checkIdiomNumberRange(c.start, c.end, 6);
        EXPECT_FALSE(check.ok);
        EXPECT_EQ(check.error, c.error);
        EXPECT_EQ(check.focusStart, c.focusStart);
    }
    EXPECT_TRUE(checkIdiomNumberRange("2", "6", 6).ok);
    EXPECT_FALSE(checkIdiomNumberRange("1", "1", 0).ok);
}

TEST_F(IdiomMarksTest, MarkingByDateSkipsExcludedIdioms) {
    const QDate day(2023, 9, 14);
    auto idioms = numbered(4);
    idioms[0].added = idioms[2].added = day;
    idioms[2].excluded = true;
    idioms[3].forgotten = true;

    writeIdioms(idioms);
    EXPECT_EQ(markIdiomsForgottenByDate(g, day, false), 1);
    EXPECT_EQ(forgottenBytes(), (std::vector<int>{1, 0, 0, 1}));
    EXPECT_EQ(idiomDateMarkingMessage(1),
              QStringLiteral("Количество идиом отмеченных по дате = 1."));

    writeIdioms(idioms);
    EXPECT_EQ(markIdiomsForgottenByDate(g, day, true), 1);
    EXPECT_EQ(forgottenBytes(), (std::vector<int>{1, 0, 0, 0}));

    // A day without idioms changes nothing unless the old marks go.
    writeIdioms(idioms);
    const QByteArray before = file();
    EXPECT_EQ(markIdiomsForgottenByDate(g, day.addDays(1), false), 0);
    EXPECT_EQ(file(), before);
    EXPECT_EQ(idiomDateMarkingMessage(0),
              QStringLiteral("В выбранную дату идиомы в словарь не заносились."));
}

TEST_F(IdiomMarksTest, DuplicateCheckFollowsTheDialogMode) {
    writeIdioms({{"Give up"}, {"look after"}, {" GIVE UP"}});
    struct Case {
        bool add, insert, edit;
        int current;
        QString text;
        bool duplicate;
    } cases[] = {
        {true, false, false, 0, "  GIVE UP ", true},
        {false, true, false, 0, "look AFTER", true},
        {true, false, false, 0, "look for", false},
        // The last match counts: editing idiom 1 into the text of idiom 3 is a duplicate, and
        // editing idiom 3 without changing its text is none.
        {false, false, true, 1, "give up", true},
        {false, false, true, 3, "give up", false},
        {false, false, true, 2, "look after", false},
        {false, false, true, 1, "look after", true},
        {false, false, false, 0, "give up", false},
    };
    for (const Case& c : cases) {
        g.Rezhim_dobavleniya_idiomy = c.add;
        g.Rezhim_vstavki_idiomy = c.insert;
        g.Rezhim_izmeneniya_idiomy = c.edit;
        g.Nomer_tekushchey_idiomy = c.current;
        EXPECT_EQ(Proverka_na_sovpadenie_novoy_idiomy(g, c.text), c.duplicate)
            << c.text.toStdString() << " current " << c.current;
    }
}

TEST_F(IdiomMarksTest, SubstringSearchWalksDownAndThenSaysAllWereFound) {
    // Rows count from the newest idiom: with 10 idioms row r shows idiom 11 - r.
    auto idioms = numbered(10);
    for (int row : {2, 5, 9})
        idioms[10 - row].text = QStringLiteral("pick UP %1").arg(row);
    writeIdioms(idioms);
    for (int row : {2, 5, 9}) {
        const SearchResult r = Poisk_podstroki_perevoda_idiom(g, "up", true);
        EXPECT_EQ(r.status, SearchStatus::Found);
        EXPECT_EQ(r.row, row);
    }
    for (int again = 0; again < 2; ++again) {
        const SearchResult r = Poisk_podstroki_perevoda_idiom(g, "up", true);
        EXPECT_EQ(r.status, SearchStatus::NothingFound);
        EXPECT_EQ(r.message,
                  QStringLiteral("Все идиомы с искомой подстрокой уже были найдены ..."));
        EXPECT_EQ(g.Pozitsiya_poiska_idiom, 9);
    }
}

TEST_F(IdiomMarksTest, SubstringSearchRefusals) {
    auto idioms = numbered(3);
    idioms[0].translation = QStringLiteral("ПРИМЕР");
    writeIdioms(idioms);
    struct Case {
        bool translationSearch;
        QString text;
        bool shown;
        bool forgottenView;
        SearchStatus status;
        int row;
        QString message;
    } cases[] = {
        {false, "i1", false, false, SearchStatus::TranslationHidden, 0,
         "Для поиска подстроки, режим показа перевода должен быть включен. Сделайте это с "
         "помощью клавиши <Пробел>."},
        {true, "x", false, false, SearchStatus::TranslationHidden, 0,
         "Для поиска подстроки, режим показа перевода должен быть включен. Сделайте это с "
         "помощью клавиши <Пробел>."},
        {false, "", true, false, SearchStatus::EmptyText, 0,
         "Поле с подстрокой идиомы не может быть пустым!"},
        {true, "", true, false, SearchStatus::EmptyText, 0,
         "Поле с подстрокой перевода не может быть пустым!"},
        {true, "пример", true, false, SearchStatus::Found, 3, ""},
        {false, "zz", true, false, SearchStatus::NothingFound, 0,
         "Искомая подстрока не найдена ..."},
        {false, "i1", true, true, SearchStatus::NothingFound, 0,
         "В режиме просмотра словаря «Забытые» искомая подстрока не найдена ..."},
    };
    for (const Case& c : cases) {
        g.Pozitsiya_poiska_idiom = 0;
        g.Rezhim_zabytye_idiomy = c.forgottenView;
        const SearchResult r = c.translationSearch
                                   ? Poisk_podstroki_perevoda_idiomy(g, c.text, c.shown)
                                   : Poisk_podstroki_perevoda_idiom(g, c.text, c.shown);
        EXPECT_EQ(r.status, c.status) << c.text.toStdString();
        EXPECT_EQ(r.row, c.row);
        EXPECT_EQ(r.message, c.message);
    }
}

TEST_F(IdiomMarksTest, ExactSearchFindsOnlyShownRows) {
    auto idioms = numbered(3);
    idioms[0].forgotten = true;
    writeIdioms(idioms);
    EXPECT_EQ(Poisk_angliyskoy_idiomy(g, " I2 ").row, 2);
    g.Rezhim_zabytye_idiomy = true;
    EXPECT_EQ(Poisk_angliyskoy_idiomy(g, "i1").row, 1);
    const SearchResult missing = Poisk_angliyskoy_idiomy(g, "i2");
    EXPECT_EQ(missing.status, SearchStatus::NothingFound);
    EXPECT_EQ(missing.message,
              QStringLiteral(
                  "В режиме просмотра идиом «Забытые» идиома (фразовый глагол) не найдена..."));
}

TEST_F(IdiomMarksTest, GoToNumber) {
    auto idioms = numbered(5);
    idioms[1].forgotten = true;
    writeIdioms(idioms);
    struct Case {
        bool forgottenView;
        int forgottenCount;
        QString typed;
        GoToStatus status;
        int row;
        QString message;
    } cases[] = {
        {false, 1, "", GoToStatus::EmptyField, 0,
         "Значение номера для перехода не может быть пустым..."},
        {false, 1, "0", GoToStatus::OutOfLimits, 0,
         "Значение номера для перехода не может быть нулем или больше чем количество идиом в "
         "словаре  = 5."},
        {false, 1, "6", GoToStatus::OutOfLimits, 0,
         "Значение номера для перехода не может быть нулем или больше чем количество идиом в "
         "словаре  = 5."},
        {false, 1, "4", GoToStatus::Found, 2, ""},
        {true, 1, "2", GoToStatus::Found, 1, ""},
        {true, 1, "3", GoToStatus::NotInView, 0,
         "Включен режим «Забытые». Поэтому искомый номер слова = 3 в видимой части словаря "
         "отсутствует."},
        {true, 0, "3", GoToStatus::NoForgotten, 0, "Забытые идиомы еще не сформированы."},
    };
    for (const Case& c : cases) {
        g.Rezhim_zabytye_idiomy = c.forgottenView;
        g.Kolichestvo_zabytykh_idiom = c.forgottenCount;
        const GoToResult r = goToIdiomNumber(g, c.typed);
        EXPECT_EQ(r.status, c.status) << c.typed.toStdString();
        EXPECT_EQ(r.row, c.row);
        EXPECT_EQ(r.message, c.message);
    }
}

TEST_F(IdiomMarksTest, RandomJumpStaysInTheRangeAndAvoidsExcludedAndShownRows) {
    // 6 idioms, range 2-4: rows 3, 4 and 5 show idioms 4, 3 and 2; idiom 3 is excluded.
    auto idioms = numbered(6);
    idioms[2].excluded = true;
    writeIdioms(idioms);
    setRange(false, 2, 4, false);
    std::set<int> landed;
    for (int i = 0; i < 200; ++i) {
        const JumpResult r = randomIdiomJump(g, 3);
        ASSERT_EQ(r.status, JumpStatus::Jumped);
        landed.insert(r.row);
    }
    EXPECT_EQ(landed, (std::set<int>{5}));
}

TEST_F(IdiomMarksTest, RandomJumpEndsWhenNoRowQualifies) {
    auto idioms = numbered(4);
    idioms[1].excluded = idioms[2].excluded = true;
    writeIdioms(idioms);
    setRange(false, 2, 3, false);
    EXPECT_EQ(randomIdiomJump(g, 1).status, JumpStatus::NoCandidate);
    // Only the shown row qualifies.
    setRange(false, 1, 2, false);
    EXPECT_EQ(randomIdiomJump(g, 4).status, JumpStatus::NoCandidate);

    g.Rezhim_zabytye_idiomy = true;
    g.Kolichestvo_zabytykh_idiom = 0;
    EXPECT_EQ(randomIdiomJump(g, 1).message,
              QStringLiteral("Забытые идиомы еще не сформированы ..."));
    writeIdioms(numbered(1));
    EXPECT_EQ(randomIdiomJump(g, 1).message,
              QStringLiteral("В словаре количество идиом меньше двух ..."));
}

} // namespace
} // namespace telvo::test
