#include "sound/logic/PlayerList.h"

#include "tests/support/TestSupport.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace telvo;
using namespace telvo::test;

namespace {

struct Entry {
    const char* english;
    bool excluded;
    bool forgotten;
};

class ListeningList : public ::testing::Test {
protected:
    void write(std::initializer_list<Entry> entries) {
        QByteArray dict, forget;
        for (const Entry& e : entries) {
            dict += dictRecordLiteral(QString::fromUtf8(e.english), u"тр", u"перевод", 45000,
                                      e.excluded);
            forget += char(e.forgotten ? 1 : 0);
        }
        writeFile(state.g.puti.vocabulary, dict);
        writeFile(state.g.puti.statForget, forget);
        state.g.Kolichestvo_zapisey = int32_t(entries.size());
    }
    void range(int32_t start, int32_t size) {
        state.g.Nachalo_diapazona = start;
        state.g.Razmer_diapazona = size;
        state.g.Konets_diapazona = start + size - 1;
    }
    QStringList list() {
        return Sformirovat_dinamicheskiy_massiv_angliyskikh_slov_dlya_proslushivaniya(state.g);
    }
    DataFolderState state;
};

TEST_F(ListeningList, RangeWordsNotExcludedAndInTheForgottenViewOnlyForgotten) {
    write({{"one", false, false},
           {"two", true, false},
           {"three", false, true},
           {"four", true, true},
           {"five", false, true},
           {"six", false, false}});
    struct Case {
        const char* name;
        int32_t start, size;
        bool forgottenView;
        QStringList expected;
    };
    const Case cases[] = {
        {"whole dictionary", 1, 6, false, {"one", "three", "five", "six"}},
        {"middle of it", 2, 3, false, {"three"}},
        {"last record", 6, 1, false, {"six"}},
        {"forgotten view, whole", 1, 6, true, {"three", "five"}},
        {"forgotten view, none forgotten in range", 6, 1, true, {}},
        {"only excluded", 2, 1, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        range(c.start, c.size);
        state.g.Rezhim_zabytye = c.forgottenView;
        EXPECT_EQ(list(), c.expected);
    }
}

TEST_F(ListeningList, ARangeBeyondTheFileIsReportedNotShortened) {
    write({{"one", false, false}, {"two", false, false}});
    range(1, 3);
    EXPECT_TRUE(
        reportedAs(reportOf([&] { list(); }),
                   u"Сформировать_динамический_массив_английских_слов_для_прослушивания"_qs));
}

TEST_F(ListeningList, GroupRowsNormalisedAndCutToTheWordWidth) {
    // The dictionary is not read for a group: there is none.
    tip_Zapis_gruppy_slov first;
    first.Nazvanie_gruppy_slov = QStringLiteral("first");
    tip_Zapis_gruppy_slov shown;
    shown.Nazvanie_gruppy_slov = QStringLiteral("shown");
    auto& rows = shown.Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu;
    rows[0].Angliyskoe_gruppovoe_slovo = QStringLiteral("  look   after ");
    rows[2].Angliyskoe_gruppovoe_slovo = QStringLiteral("   ");
    rows[3].Angliyskoe_gruppovoe_slovo = QString(50, u'a');
    rows[13].Angliyskoe_gruppovoe_slovo = QStringLiteral("last");
    first.Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu[0].Angliyskoe_gruppovoe_slovo =
        QStringLiteral("other");
    state.g.Gruppy_slov = {first, shown};
    state.g.Proigryvatel_iz_grupp = true;
    // The forgotten view changes nothing for a group.
    state.g.Rezhim_zabytye = true;
    state.g.Indeks_vybrannoy_gruppy = 1;
    EXPECT_EQ(list(), (QStringList{"look after", QString(45, u'a'), "last"}));
    state.g.Indeks_vybrannoy_gruppy = 0;
    EXPECT_EQ(list(), QStringList{"other"});
    state.g.Indeks_vybrannoy_gruppy = 2; // no such group
    EXPECT_TRUE(list().isEmpty());
}

QStringList numbers(int n) {
    QStringList l;
    for (int i = 0; i < n; ++i)
        l << QString::number(i);
    return l;
}

TEST(ListeningShuffle, SeededGeneratorGivesTheOrderOfThirtyThreeRoundsOfDisjointSwaps) {
    // Expected orders from a separate replay of the generator and the rounds.
    struct Case {
        int n;
        uint32_t seed;
        QStringList expected;
        uint32_t seedAfter;
    };
    const Case cases[] = {
        {2, 0, {"1", "0"}, 3755240289u},
        {3, 0, {"1", "0", "2"}, 3755240289u},
        {5, 0, {"3", "1", "2", "4", "0"}, 2462401990u},
        {6, 12345, {"0", "5", "3", "1", "4", "2"}, 2284190100u},
        {7, 4000000000u, {"3", "1", "5", "2", "4", "0", "6"}, 3925875007u},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        QStringList l = numbers(c.n);
        RandomGenerator random;
        random.seed = c.seed;
        shuffleListeningList(l, random);
        EXPECT_EQ(l, c.expected);
        // One draw per swap: 33 rounds of n / 2 swaps.
        EXPECT_EQ(random.seed, c.seedAfter);
    }
}

// Every word ends up anywhere about equally often: no position keeps its word or passes it on
// in a fixed way.
TEST(ListeningShuffle, EachWordReachesEachPositionAboutEquallyOften) {
    const int runs = 3000, n = 4;
    int counts[n][n] = {};
    for (int r = 0; r < runs; ++r) {
        QStringList l = numbers(n);
        RandomGenerator random;
        random.seed = uint32_t(r) * 2654435761u;
        shuffleListeningList(l, random);
        for (int pos = 0; pos < n; ++pos)
            ++counts[l[pos].toInt()][pos];
    }
    for (int word = 0; word < n; ++word)
        for (int pos = 0; pos < n; ++pos) {
            EXPECT_GT(counts[word][pos], runs / n * 8 / 10) << word << " at " << pos;
            EXPECT_LT(counts[word][pos], runs / n * 12 / 10) << word << " at " << pos;
        }
}

TEST(ListeningShuffle, KeepsEveryWordAndLeavesShortListsAlone) {
    for (int n : {0, 1}) {
        QStringList l = numbers(n);
        RandomGenerator random;
        shuffleListeningList(l, random);
        EXPECT_EQ(l, numbers(n));
        EXPECT_EQ(random.seed, 0u) << "no draw for " << n;
    }
    QStringList big = numbers(1000);
    RandomGenerator random;
    random.seed = 99;
    shuffleListeningList(big, random);
    EXPECT_NE(big, numbers(1000));
    const QStringList original = numbers(1000);
    const QSet<QString> before(original.begin(), original.end());
    EXPECT_EQ(QSet<QString>(big.begin(), big.end()), before);
    EXPECT_EQ(big.size(), 1000);
}

} // namespace
