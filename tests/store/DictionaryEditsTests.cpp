#include "app/core/Failure.h"
#include "store/DictionaryEdits.h"
#include "tests/store/DataFolderFixture.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace telvo;
using namespace telvo::test;

namespace {

const RecordTexts kTexts{"new", "нью", "новое"};
const QDate kDate(2021, 3, 6);

class DictionaryEdits : public DataFolderTest {
protected:
    // Three records in the whole range with four distinct histories (no pair history) and
    // a forgotten file.
    void givenThreeWithHistories() {
        givenDictionary(3, true, 1, 3, false);
        writeFile(g.puti.statEng, bytes({1, 0, 0}));
        writeFile(g.puti.statRus, bytes({0, 1, 0}));
        writeFile(g.puti.statPerEng, bytes({1, 1, 0}));
        writeFile(g.puti.statPerRus, bytes({0, 0, 1}));
        writeFile(g.puti.statForget, bytes({1, 0, 1}));
    }

    void expectHistories(const char* eng, const char* rus, const char* perEng, const char* perRus) {
        EXPECT_EQ(hex(readFile(g.puti.statEng)), eng);
        EXPECT_EQ(hex(readFile(g.puti.statRus)), rus);
        EXPECT_EQ(hex(readFile(g.puti.statPerEng)), perEng);
        EXPECT_EQ(hex(readFile(g.puti.statPerRus)), perRus);
        EXPECT_FALSE(exists(g.puti.statPair)) << "a missing history was created";
    }

    void expectNoHistories() {
        for (const QString* p : {&g.puti.statEng, &g.puti.statRus, &g.puti.statPerEng,
                                 &g.puti.statPerRus, &g.puti.statPair})
            EXPECT_FALSE(exists(*p)) << p->toStdString();
    }

    void expectNoCompanions() {
        for (const QString* p :
             {&g.puti.vocabularyNew, &g.puti.statEngNew, &g.puti.statRusNew, &g.puti.statPerEngNew,
              &g.puti.statPerRusNew, &g.puti.statPairNew, &g.puti.statForgetNew})
            EXPECT_FALSE(exists(*p)) << p->toStdString();
    }

    void expectRange(bool whole, int start, int end, bool toEnd) {
        EXPECT_EQ(hex(readFile(g.puti.upragneniy)), hex(rangeBytes(whole, start, end, toEnd)));
        EXPECT_EQ(g.Vse_slova_slovarya, whole);
        EXPECT_EQ(g.Nachalo_diapazona, start);
        EXPECT_EQ(g.Konets_diapazona, end);
        EXPECT_EQ(g.Do_kontsa, toEnd);
        EXPECT_EQ(g.Razmer_diapazona, end - start + 1);
    }
};

// Six history bytes of a range of 6 records, different for each history.
QByteArray historyOf(int which, int size) {
    QByteArray out;
    for (int k = 0; k < size; ++k)
        out.append((k + which) % 3 == 0 ? '\1' : '\0');
    return out;
}

} // namespace

TEST_F(DictionaryEdits, AddToEmptyDictionary) {
    writeFile(g.puti.vocabulary, {});
    writeFile(g.puti.upragneniy, rangeBytes(true, 1, 1, false));
    g.Kolichestvo_zapisey = 0;
    g.Konets_diapazona = 0;
    g.Razmer_diapazona = 0;

    addRecord(g, kTexts, kDate);

    EXPECT_EQ(readFile(g.puti.vocabulary).size(), 176);
    EXPECT_EQ(hex(readFile(g.puti.vocabulary)), hex(newRec()));
    EXPECT_FALSE(exists(g.puti.statForget));
    EXPECT_TRUE(g.Slovo_dobavleno);
    EXPECT_EQ(g.Kolichestvo_zapisey, 1);
    expectRange(true, 1, 1, false);
}

struct AddCase {
    const char* name;
    bool whole;
    int start;
    bool toEnd;
    bool inside; // the new record falls inside the range
};

void PrintTo(const AddCase& c, std::ostream* os) {
    *os << c.name;
}

class AddToRange : public DictionaryEdits, public ::testing::WithParamInterface<AddCase> {};

TEST_P(AddToRange, HistoriesGrowOnlyWhenTheNewRecordIsInside) {
    const AddCase& c = GetParam();
    givenDictionary(8, c.whole, c.start, 8, c.toEnd);
    const QByteArray rangeBefore = rangeBytes(c.whole, c.start, 8, c.toEnd, '\xAA');
    writeFile(g.puti.upragneniy, rangeBefore);
    const int size = 8 - c.start + 1;
    writeFile(g.puti.statEng, historyOf(0, size));
    writeFile(g.puti.statRus, historyOf(1, size));
    writeFile(g.puti.statPerEng, historyOf(2, size));
    writeFile(g.puti.statPerRus, historyOf(0, size));
    writeFile(g.puti.statForget, bytes({0, 0, 1, 0, 0, 0, 1, 0}));

    addRecord(g, kTexts, kDate);

    EXPECT_EQ(hex(readFile(g.puti.vocabulary)), hex(records(1, 8) + newRec()));
    const QByteArray grown = c.inside ? QByteArray(1, '\0') : QByteArray();
    expectHistories(
        hex(historyOf(0, size) + grown).c_str(), hex(historyOf(1, size) + grown).c_str(),
        hex(historyOf(2, size) + grown).c_str(), hex(historyOf(0, size) + grown).c_str());
    EXPECT_EQ(hex(readFile(g.puti.statForget)), "00 00 01 00 00 00 01 00 00");
    EXPECT_EQ(g.Kolichestvo_zapisey, 9);
    if (c.inside) {
        expectRange(c.whole, c.start, 9, c.toEnd);
    } else {
        EXPECT_EQ(hex(readFile(g.puti.upragneniy)), hex(rangeBefore)) << "range rewritten";
        EXPECT_EQ(g.Konets_diapazona, 8);
        EXPECT_EQ(g.Razmer_diapazona, 6);
    }
    expectNoCompanions();
}

INSTANTIATE_TEST_SUITE_P(Cases, AddToRange,
                         ::testing::Values(AddCase{"FixedRange3to8", false, 3, false, false},
                                           AddCase{"ToEndRange3to8", false, 3, true, true},
                                           AddCase{"WholeDictionary", true, 1, false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// An import of three words leaves every aligned file as three single adds do.
TEST_P(AddToRange, ImportOfThreeEndsAsThreeAdds) {
    const AddCase& c = GetParam();
    givenDictionary(8, c.whole, c.start, 8, c.toEnd);
    const QByteArray rangeBefore = rangeBytes(c.whole, c.start, 8, c.toEnd, '\xAA');
    writeFile(g.puti.upragneniy, rangeBefore);
    const int size = 8 - c.start + 1;
    writeFile(g.puti.statEng, historyOf(0, size));
    writeFile(g.puti.statRus, historyOf(1, size));
    writeFile(g.puti.statPerEng, historyOf(2, size));
    writeFile(g.puti.statPerRus, historyOf(0, size));
    writeFile(g.puti.statForget, bytes({0, 0, 1, 0, 0, 0, 1, 0}));

    importRecords(g, {kTexts, {"cat", "", "кот"}, {"dog", "дог", ""}}, {}, kDate);

    // "кот" = EA EE F2, "дог" = E4 EE E3.
    EXPECT_EQ(hex(readFile(g.puti.vocabulary)),
              hex(records(1, 8) + newRec() + rec("cat", "", "\xEA\xEE\xF2", day2()) +
                  rec("dog", "\xE4\xEE\xE3", "", day2())));
    const QByteArray grown = c.inside ? QByteArray(3, '\0') : QByteArray();
    expectHistories(
        hex(historyOf(0, size) + grown).c_str(), hex(historyOf(1, size) + grown).c_str(),
        hex(historyOf(2, size) + grown).c_str(), hex(historyOf(0, size) + grown).c_str());
    EXPECT_EQ(hex(readFile(g.puti.statForget)), "00 00 01 00 00 00 01 00 00 00 00");
    EXPECT_EQ(g.Kolichestvo_zapisey, 11);
    EXPECT_TRUE(g.Slovo_dobavleno);
    if (c.inside) {
        expectRange(c.whole, c.start, 11, c.toEnd);
    } else {
        EXPECT_EQ(hex(readFile(g.puti.upragneniy)), hex(rangeBefore)) << "range rewritten";
        EXPECT_EQ(g.Konets_diapazona, 8);
    }
    expectNoCompanions();
}

TEST_F(DictionaryEdits, ImportUpdatesChangeOnlyTheTextsOfTheirRecords) {
    givenThreeWithHistories();

    // Record 2 is excluded and record 3 marked: their flags and dates stay.
    importRecords(g, {kTexts}, {{2, {"w2", "ту", "два"}}, {3, {"w3", "", "три"}}}, kDate);

    // "ту" = F2 F3, "два" = E4 E2 E0, "три" = F2 F0 E8.
    EXPECT_EQ(hex(readFile(g.puti.vocabulary)),
              hex(old(1) + rec("w2", "\xF2\xF3", "\xE4\xE2\xE0", day1(), 1, 0) +
                  rec("w3", "", "\xF2\xF0\xE8", day1(), 0, 1) + newRec()));
    expectHistories("01 00 00 00", "00 01 00 00", "01 01 00 00", "00 00 01 00");
    EXPECT_EQ(hex(readFile(g.puti.statForget)), "01 00 01 00");
    expectRange(true, 1, 4, false);
    expectNoCompanions();
}

TEST_F(DictionaryEdits, ImportOfUpdatesAloneKeepsCountRangeAndAlignedFiles) {
    givenThreeWithHistories();
    const QByteArray range = readFile(g.puti.upragneniy);

    importRecords(g, {}, {{1, {"w1", "", "один"}}}, kDate);

    EXPECT_EQ(hex(readFile(g.puti.vocabulary)),
              hex(rec("w1", "", "\xEE\xE4\xE8\xED", day1()) + records(2, 3)));
    expectHistories("01 00 00", "00 01 00", "01 01 00", "00 00 01");
    EXPECT_EQ(hex(readFile(g.puti.upragneniy)), hex(range));
    EXPECT_EQ(g.Kolichestvo_zapisey, 3);
    EXPECT_FALSE(g.Slovo_dobavleno);

    EXPECT_THROW(importRecords(g, {}, {{4, kTexts}}, kDate), Failure) << "no record 4";
    EXPECT_EQ(readFile(g.puti.vocabulary).size(), 3 * 176);
}

TEST_F(DictionaryEdits, InsertBehindRecordOneShiftsEveryAlignedFile) {
    givenThreeWithHistories();
    insertRecord(g, 0, kTexts, kDate);

    EXPECT_EQ(hex(readFile(g.puti.vocabulary)), hex(newRec() + records(1, 3)));
    expectHistories("00 01 00 00", "00 00 01 00", "00 01 01 00", "00 00 00 01");
    EXPECT_EQ(hex(readFile(g.puti.statForget)), "00 01 00 01");
    EXPECT_TRUE(g.Slovo_vstavleno);
    EXPECT_EQ(g.Kolichestvo_zapisey, 4);
    expectRange(true, 1, 4, false);
    expectNoCompanions();
}

TEST_F(DictionaryEdits, InsertBeforeNewestIsAnAppend) {
    givenThreeWithHistories();
    writeFile(g.puti.vocabularyNew, old(9)); // a stale copy from an interrupted run
    insertRecord(g, 3, kTexts, kDate);

    EXPECT_EQ(hex(readFile(g.puti.vocabulary)), hex(records(1, 3) + newRec()));
    expectHistories("01 00 00 00", "00 01 00 00", "01 01 00 00", "00 00 01 00");
    EXPECT_EQ(hex(readFile(g.puti.statForget)), "01 00 01 00");
    expectRange(true, 1, 4, false);
    expectNoCompanions();
}

struct InsertCase {
    int p;
    int start;
    int end;
};

void PrintTo(const InsertCase& c, std::ostream* os) {
    *os << "p = " << c.p << " -> " << c.start << "-" << c.end;
}

class InsertIntoFixedRange : public DictionaryEdits,
                             public ::testing::WithParamInterface<InsertCase> {};

TEST_P(InsertIntoFixedRange, MovesRangeAndDeletesHistories) {
    const InsertCase& c = GetParam();
    givenDictionary(10, false, 3, 8, false);
    for (const QString* p : {&g.puti.statEng, &g.puti.statRus, &g.puti.statPerEng,
                             &g.puti.statPerRus, &g.puti.statPair})
        writeFile(*p, historyOf(0, 6));
    writeFile(g.puti.statForget, bytes({1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    clearRebuildFlags();

    insertRecord(g, c.p, kTexts, kDate);

    EXPECT_EQ(hex(readFile(g.puti.vocabulary)),
              hex(records(1, c.p) + newRec() + records(c.p + 1, 10)));
    expectNoHistories();
    EXPECT_TRUE(g.Obnovit_angliyskie_slova && g.Obnovit_russkie_slova &&
                g.Obnovit_perevody_s_angliyskogo && g.Obnovit_perevody_s_russkogo &&
                g.Obnovit_pary);
    QByteArray forgotten(10, '\1');
    forgotten.insert(c.p, '\0');
    EXPECT_EQ(hex(readFile(g.puti.statForget)), hex(forgotten));
    EXPECT_EQ(g.Kolichestvo_zapisey, 11);
    expectRange(false, c.start, c.end, false);
    expectNoCompanions();
}

INSTANTIATE_TEST_SUITE_P(Cases, InsertIntoFixedRange,
                         ::testing::Values(InsertCase{2, 4, 9}, InsertCase{5, 3, 9},
                                           InsertCase{8, 3, 8}),
                         [](const auto& info) { return "p" + std::to_string(info.param.p); });

// The range file after an insert or a delete at the edges of the range, for each kind of
// range, in a dictionary of 8 records. Expected numbers worked out by hand from the rules:
// fixed 3-6, to-end 3-8 and the whole dictionary.
struct EdgeCase {
    const char* name;
    bool whole, toEnd;
    int start, end;
    bool insert; // else delete
    int arg;     // records before the new one, or the deleted number
    bool wholeAfter, toEndAfter;
    int startAfter, endAfter;
};

void PrintTo(const EdgeCase& c, std::ostream* os) {
    *os << c.name;
}

class RangeEdges : public DictionaryEdits, public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(RangeEdges, RangeFileFollowsTheEdit) {
    const EdgeCase& c = GetParam();
    givenDictionary(8, c.whole, c.start, c.end, c.toEnd);
    if (c.insert)
        insertRecord(g, c.arg, kTexts, kDate);
    else
        deleteRecord(g, c.arg);
    if (c.insert)
        EXPECT_EQ(hex(readFile(g.puti.vocabulary)),
                  hex(records(1, c.arg) + newRec() + records(c.arg + 1, 8)));
    else
        EXPECT_EQ(hex(readFile(g.puti.vocabulary)),
                  hex(records(1, c.arg - 1) + records(c.arg + 1, 8)));
    expectRange(c.wholeAfter, c.startAfter, c.endAfter, c.toEndAfter);
    expectNoCompanions();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RangeEdges,
    ::testing::Values(
        EdgeCase{"FixedInsertBeforeFirst", false, false, 3, 6, true, 2, false, false, 4, 7},
        EdgeCase{"FixedInsertBehindFirst", false, false, 3, 6, true, 3, false, false, 3, 7},
        EdgeCase{"FixedInsertBeforeLast", false, false, 3, 6, true, 5, false, false, 3, 7},
        EdgeCase{"FixedInsertBehindLast", false, false, 3, 6, true, 6, false, false, 3, 6},
        EdgeCase{"FixedDeleteFirst", false, false, 3, 6, false, 3, false, false, 3, 5},
        EdgeCase{"FixedDeleteLast", false, false, 3, 6, false, 6, false, false, 3, 5},
        EdgeCase{"FixedDeleteRightBefore", false, false, 3, 6, false, 2, false, false, 2, 5},
        EdgeCase{"FixedDeleteRightAfter", false, false, 3, 6, false, 7, false, false, 3, 6},
        EdgeCase{"ToEndInsertBeforeFirst", false, true, 3, 8, true, 2, false, true, 4, 9},
        EdgeCase{"ToEndInsertBehindFirst", false, true, 3, 8, true, 3, false, true, 3, 9},
        EdgeCase{"ToEndInsertBeforeLast", false, true, 3, 8, true, 7, false, true, 3, 9},
        EdgeCase{"ToEndInsertBehindLast", false, true, 3, 8, true, 8, false, true, 3, 9},
        EdgeCase{"ToEndDeleteFirst", false, true, 3, 8, false, 3, false, true, 3, 7},
        EdgeCase{"ToEndDeleteLast", false, true, 3, 8, false, 8, false, true, 3, 7},
        EdgeCase{"ToEndDeleteRightBefore", false, true, 3, 8, false, 2, false, true, 2, 7},
        EdgeCase{"WholeInsertAtStart", true, false, 1, 8, true, 0, true, false, 1, 9},
        EdgeCase{"WholeInsertAtEnd", true, false, 1, 8, true, 8, true, false, 1, 9},
        EdgeCase{"WholeDeleteFirst", true, false, 1, 8, false, 1, true, false, 1, 7},
        EdgeCase{"WholeDeleteLast", true, false, 1, 8, false, 8, true, false, 1, 7}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DictionaryEdits, DeleteFirstOfThreeInWholeRange) {
    givenThreeWithHistories();
    deleteRecord(g, 1);

    EXPECT_EQ(hex(readFile(g.puti.vocabulary)), hex(records(2, 3)));
    expectHistories("00 00", "01 00", "01 00", "00 01");
    EXPECT_EQ(hex(readFile(g.puti.statForget)), "00 01");
    EXPECT_TRUE(g.Zapis_udalena);
    EXPECT_EQ(g.Kolichestvo_zapisey, 2);
    expectRange(true, 1, 2, false);
    expectNoCompanions();
}

struct DeleteCase {
    int n;
    int start;
    int end;
};

void PrintTo(const DeleteCase& c, std::ostream* os) {
    *os << "n = " << c.n << " -> " << c.start << "-" << c.end;
}

class DeleteFromFixedRange : public DictionaryEdits,
                             public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteFromFixedRange, MovesRangeAndDeletesHistories) {
    const DeleteCase& c = GetParam();
    givenDictionary(10, false, 5, 9, false);
    for (const QString* p : {&g.puti.statEng, &g.puti.statRus, &g.puti.statPerEng,
                             &g.puti.statPerRus, &g.puti.statPair})
        writeFile(*p, historyOf(1, 5));
    writeFile(g.puti.statForget, bytes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

    deleteRecord(g, c.n);

    EXPECT_EQ(hex(readFile(g.puti.vocabulary)), hex(records(1, c.n - 1) + records(c.n + 1, 10)));
    expectNoHistories();
    QByteArray forgotten = bytes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    forgotten.remove(c.n - 1, 1);
    EXPECT_EQ(hex(readFile(g.puti.statForget)), hex(forgotten));
    EXPECT_EQ(g.Kolichestvo_zapisey, 9);
    expectRange(false, c.start, c.end, false);
    expectNoCompanions();
}

INSTANTIATE_TEST_SUITE_P(Cases, DeleteFromFixedRange,
                         ::testing::Values(DeleteCase{4, 4, 8}, DeleteCase{7, 5, 8}),
                         [](const auto& info) { return "n" + std::to_string(info.param.n); });

TEST_F(DictionaryEdits, DeletingOnlyRecordOfRangeGivesWholeDictionary) {
    givenDictionary(10, false, 5, 5, false);
    deleteRecord(g, 5);
    EXPECT_EQ(hex(readFile(g.puti.vocabulary)), hex(records(1, 4) + records(6, 10)));
    expectRange(true, 1, 9, false);
}

TEST_F(DictionaryEdits, DeletingOnlyRecordLeavesEmptyFiles) {
    givenDictionary(1, true, 1, 1, false);
    writeFile(g.puti.statForget, bytes({1}));
    writeFile(g.puti.statPair, bytes({1}));
    deleteRecord(g, 1);
    EXPECT_TRUE(exists(g.puti.vocabulary));
    EXPECT_EQ(readFile(g.puti.vocabulary).size(), 0);
    EXPECT_EQ(readFile(g.puti.statForget).size(), 0);
    EXPECT_EQ(readFile(g.puti.statPair).size(), 0);
    EXPECT_EQ(g.Kolichestvo_zapisey, 0);
    expectRange(true, 1, 0, false);
    expectNoCompanions();
}

TEST_F(DictionaryEdits, EditKeepsDateFlagsAndAlignedFiles) {
    givenThreeWithHistories();
    const QByteArray range = readFile(g.puti.upragneniy);
    const QString longEnglish = QString("abcdefghij").repeated(5);

    // Record 2 is excluded, record 3 marked; both stay so.
    const RecordTexts stored = editRecord(g, 2, {longEnglish, "кэт", "кошка"});
    editRecord(g, 3, {"cat", "", "кот"});

    EXPECT_EQ(stored.Angliyskoe_slovo, longEnglish.left(45));
    EXPECT_EQ(stored.Transkriptsiya, "кэт");
    EXPECT_EQ(stored.Perevod, "кошка");
    EXPECT_TRUE(g.Zapis_izmenena);
    const QByteArray expected =
        old(1) +
        rec(longEnglish.left(45).toLatin1(), "\xEA\xFD\xF2", "\xEA\xEE\xF8\xEA\xE0", day1(), 1, 0) +
        rec("cat", "", "\xEA\xEE\xF2", day1(), 0, 1);
    EXPECT_EQ(hex(readFile(g.puti.vocabulary)), hex(expected));
    expectHistories("01 00 00", "00 01 00", "01 01 00", "00 00 01");
    EXPECT_EQ(hex(readFile(g.puti.statForget)), "01 00 01");
    EXPECT_EQ(readFile(g.puti.upragneniy), range);
}

TEST_F(DictionaryEdits, AlignedFilesOfTheWrongSizeAreMadeRight) {
    // Four records in the whole range; one history too short, one too long.
    givenDictionary(4, true, 1, 4, false);
    writeFile(g.puti.statEng, bytes({1, 1}));
    writeFile(g.puti.statRus, bytes({1, 0, 1, 0, 1, 1}));
    writeFile(g.puti.statForget, bytes({1}));
    insertRecord(g, 1, kTexts, kDate);
    EXPECT_EQ(hex(readFile(g.puti.statEng)), "01 00 01 00 00");
    EXPECT_EQ(hex(readFile(g.puti.statRus)), "01 00 00 01 00");
    EXPECT_EQ(hex(readFile(g.puti.statForget)), "01 00 00 00 00");

    writeFile(g.puti.statEng, bytes({1, 1}));
    writeFile(g.puti.statRus, bytes({1, 0, 1, 0, 1, 1, 1}));
    writeFile(g.puti.statForget, bytes({0, 1}));
    deleteRecord(g, 2);
    EXPECT_EQ(hex(readFile(g.puti.statEng)), "01 00 00 00");
    EXPECT_EQ(hex(readFile(g.puti.statRus)), "01 01 00 01");
    EXPECT_EQ(hex(readFile(g.puti.statForget)), "00 00 00 00");

    writeFile(g.puti.statEng, bytes({1}));
    writeFile(g.puti.statRus, bytes({1, 1, 1, 1, 1, 1, 1}));
    addRecord(g, kTexts, kDate);
    EXPECT_EQ(hex(readFile(g.puti.statEng)), "01 00 00 00 00");
    EXPECT_EQ(hex(readFile(g.puti.statRus)), "01 01 01 01 00");
    EXPECT_EQ(g.Kolichestvo_zapisey, 5);
    expectNoCompanions();
}

TEST_F(DictionaryEdits, MissingDictionaryChangesNothing) {
    givenThreeWithHistories();
    QFile::remove(g.puti.vocabulary);
    const QByteArray forgotten = readFile(g.puti.statForget);
    const QByteArray eng = readFile(g.puti.statEng);
    const QByteArray range = readFile(g.puti.upragneniy);

    EXPECT_THROW(addRecord(g, kTexts, kDate), Failure);
    EXPECT_THROW(insertRecord(g, 0, kTexts, kDate), Failure);
    EXPECT_THROW(editRecord(g, 1, kTexts), Failure);
    EXPECT_THROW(deleteRecord(g, 1), Failure);

    EXPECT_FALSE(exists(g.puti.vocabulary));
    EXPECT_EQ(readFile(g.puti.statForget), forgotten);
    EXPECT_EQ(readFile(g.puti.statEng), eng);
    EXPECT_EQ(readFile(g.puti.upragneniy), range);
    EXPECT_FALSE(g.Slovo_dobavleno || g.Slovo_vstavleno || g.Zapis_izmenena || g.Zapis_udalena);
    EXPECT_EQ(g.Kolichestvo_zapisey, 3);
}

TEST_F(DictionaryEdits, RecordNumbersOutsideTheDictionaryAreRefused) {
    givenThreeWithHistories();
    EXPECT_THROW(insertRecord(g, 4, kTexts, kDate), Failure);
    EXPECT_THROW(insertRecord(g, -1, kTexts, kDate), Failure);
    EXPECT_THROW(deleteRecord(g, 0), Failure);
    EXPECT_THROW(deleteRecord(g, 4), Failure);
    EXPECT_THROW(editRecord(g, 4, kTexts), Failure);
    EXPECT_EQ(hex(readFile(g.puti.vocabulary)), hex(records(1, 3)));
    expectHistories("01 00 00", "00 01 00", "01 01 00", "00 00 01");
}

TEST_F(DictionaryEdits, FailedRewriteLeavesEveryFileWhole) {
    givenThreeWithHistories();
    // The companion cannot be written: a folder stands in its place.
    QDir().mkpath(g.puti.vocabularyNew + "/x");
    EXPECT_THROW(deleteRecord(g, 1), Failure);
    EXPECT_THROW(insertRecord(g, 1, kTexts, kDate), Failure);
    EXPECT_EQ(hex(readFile(g.puti.vocabulary)), hex(records(1, 3)));
    expectHistories("01 00 00", "00 01 00", "01 01 00", "00 00 01");
    EXPECT_EQ(hex(readFile(g.puti.statForget)), "01 00 01");
    EXPECT_EQ(g.Kolichestvo_zapisey, 3);

    // A history that cannot be rewritten keeps its old bytes, and so does every other file:
    // the delete is one change, made whole or not at all.
    QDir(g.puti.vocabularyNew).removeRecursively();
    QDir().mkpath(g.puti.statRusNew + "/x");
    EXPECT_THROW(deleteRecord(g, 1), Failure);
    EXPECT_EQ(hex(readFile(g.puti.vocabulary)), hex(records(1, 3)));
    expectHistories("01 00 00", "00 01 00", "01 01 00", "00 00 01");
    EXPECT_EQ(hex(readFile(g.puti.statForget)), "01 00 01");
    expectRange(true, 1, 3, false);
    EXPECT_EQ(g.Kolichestvo_zapisey, 3);
    EXPECT_FALSE(g.Zapis_udalena);
    EXPECT_FALSE(exists(g.puti.vocabularyNew));
    EXPECT_FALSE(exists(g.puti.statEngNew));
    EXPECT_FALSE(exists(g.puti.folder + "/transaction.journal"));
}

TEST_F(DictionaryEdits, MissingRangeFileIsNotCreated) {
    givenThreeWithHistories();
    QFile::remove(g.puti.upragneniy);
    insertRecord(g, 0, kTexts, kDate);
    EXPECT_FALSE(exists(g.puti.upragneniy));
    EXPECT_EQ(systemMessages, QStringList{"Нет файла с диапазоном для упражнений ..."});
    EXPECT_EQ(g.Konets_diapazona, 4);
    EXPECT_EQ(g.Razmer_diapazona, 4);
}
