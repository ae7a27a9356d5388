#include "store/Range.h"
#include "store/RecordFile.h"
#include "tests/store/DataFolderFixture.h"

#include <QDir>
#include <gtest/gtest.h>
#include <limits>

using namespace telvo;
using namespace telvo::test;

namespace {

enum class Change { Append, Insert, Delete };

struct RangeCase {
    const char* name;
    Change change;
    RangeRecord before;
    int32_t arg; // records before the new one (insert) or the deleted number (delete)
    int32_t newCount;
    std::optional<RangeRecord> after; // empty: the range is left alone and not written
};

RangeRecord fixed(int32_t s, int32_t e) {
    return {false, s, e, false};
}
RangeRecord toEnd(int32_t s, int32_t e) {
    return {false, s, e, true};
}
RangeRecord whole(int32_t e) {
    return {true, 1, e, false};
}

std::optional<RangeRecord> applyChange(const RangeCase& c) {
    switch (c.change) {
    case Change::Append:
        return rangeAfterAppend(c.before, c.newCount);
    case Change::Insert:
        return rangeAfterInsert(c.before, c.arg, c.newCount);
    case Change::Delete: {
        const RangeRecord r = rangeAfterDelete(c.before, c.arg, c.newCount);
        return rangeWhenEmptied(r, c.newCount).value_or(r);
    }
    }
    return std::nullopt;
}

void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.name;
}

class RangeBookkeeping : public ::testing::TestWithParam<RangeCase> {};

} // namespace

TEST_P(RangeBookkeeping, FollowsTheNewNumbering) {
    const RangeCase& c = GetParam();
    const std::optional<RangeRecord> got = applyChange(c);
    ASSERT_EQ(got.has_value(), c.after.has_value());
    if (!got)
        return;
    EXPECT_EQ(got->Vse_slova_slovarya, c.after->Vse_slova_slovarya);
    EXPECT_EQ(got->Nachalo_diapazona, c.after->Nachalo_diapazona);
    EXPECT_EQ(got->Konets_diapazona, c.after->Konets_diapazona);
    EXPECT_EQ(got->Do_kontsa, c.after->Do_kontsa);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RangeBookkeeping,
    ::testing::Values(
        // A fixed range 5-10 in a dictionary of 12.
        RangeCase{"InsertWithTwoBefore", Change::Insert, fixed(5, 10), 2, 13, fixed(6, 11)},
        RangeCase{"InsertRightBeforeStart", Change::Insert, fixed(5, 10), 4, 13, fixed(6, 11)},
        RangeCase{"InsertAfterStart", Change::Insert, fixed(5, 10), 5, 13, fixed(5, 11)},
        RangeCase{"InsertWithSevenBefore", Change::Insert, fixed(5, 10), 7, 13, fixed(5, 11)},
        RangeCase{"InsertRightAfterEnd", Change::Insert, fixed(5, 10), 10, 13, fixed(5, 10)},
        RangeCase{"InsertAtDictionaryEnd", Change::Insert, fixed(5, 10), 12, 13, fixed(5, 10)},
        RangeCase{"DeleteBeforeRange", Change::Delete, fixed(5, 10), 3, 11, fixed(4, 9)},
        RangeCase{"DeleteFirstOfRange", Change::Delete, fixed(5, 10), 5, 11, fixed(5, 9)},
        RangeCase{"DeleteLastOfRange", Change::Delete, fixed(5, 10), 10, 11, fixed(5, 9)},
        RangeCase{"DeleteAfterRange", Change::Delete, fixed(5, 10), 11, 11, fixed(5, 10)},
        RangeCase{"AppendFixed", Change::Append, fixed(5, 10), 0, 13, std::nullopt},
        // A range that loses its only record becomes the whole dictionary.
        RangeCase{"DeleteOnlyRecordOfRange", Change::Delete, fixed(4, 4), 4, 9, whole(9)},
        RangeCase{"DeleteOnlyRecordToEnd", Change::Delete, toEnd(4, 4), 4, 3, whole(3)},
        RangeCase{"DeleteOnlyRecordOfDictionary", Change::Delete, whole(1), 1, 0, whole(0)},
        // The end follows the dictionary.
        RangeCase{"ToEndAppend", Change::Append, toEnd(3, 8), 0, 9, toEnd(3, 9)},
        RangeCase{"ToEndInsertBefore", Change::Insert, toEnd(3, 8), 1, 9, toEnd(4, 9)},
        RangeCase{"ToEndInsertInside", Change::Insert, toEnd(3, 8), 5, 9, toEnd(3, 9)},
        RangeCase{"ToEndInsertAtEnd", Change::Insert, toEnd(3, 8), 8, 9, toEnd(3, 9)},
        RangeCase{"ToEndDeleteBefore", Change::Delete, toEnd(3, 8), 2, 7, toEnd(2, 7)},
        RangeCase{"ToEndDeleteInside", Change::Delete, toEnd(3, 8), 5, 7, toEnd(3, 7)},
        // The whole dictionary stays the whole dictionary.
        RangeCase{"WholeAppend", Change::Append, whole(5), 0, 6, whole(6)},
        RangeCase{"WholeInsertBeforeFirst", Change::Insert, whole(5), 0, 6, whole(6)},
        RangeCase{"WholeInsertAfterLast", Change::Insert, whole(5), 5, 6, whole(6)},
        RangeCase{"WholeDelete", Change::Delete, whole(5), 3, 4, whole(4)}),
    [](const ::testing::TestParamInfo<RangeCase>& info) { return std::string(info.param.name); });

// The edges of each kind of range: a record inserted or deleted at the first and the last
// record of the range and of the dictionary. Fixed 5-10 and to-end 3-8 in dictionaries of 12
// and 8 records, the whole range 1-5; inserting with p records before the new one, so p =
// start - 1 puts it in front of the first range record and p = start right behind it.
INSTANTIATE_TEST_SUITE_P(
    Edges, RangeBookkeeping,
    ::testing::Values(
        RangeCase{"FixedInsertAtDictionaryStart", Change::Insert, fixed(5, 10), 0, 13,
                  fixed(6, 11)},
        RangeCase{"FixedInsertBeforeLast", Change::Insert, fixed(5, 10), 9, 13, fixed(5, 11)},
        RangeCase{"FixedDeleteRightBeforeStart", Change::Delete, fixed(5, 10), 4, 11, fixed(4, 9)},
        RangeCase{"FixedDeleteDictionaryFirst", Change::Delete, fixed(5, 10), 1, 11, fixed(4, 9)},
        RangeCase{"FixedDeleteDictionaryLast", Change::Delete, fixed(5, 10), 12, 11, fixed(5, 10)},
        // A fixed range at the very start and at the very end of the dictionary (6 records).
        RangeCase{"FixedFromOneInsertAtStart", Change::Insert, fixed(1, 4), 0, 7, fixed(2, 5)},
        RangeCase{"FixedFromOneInsertBehindFirst", Change::Insert, fixed(1, 4), 1, 7, fixed(1, 5)},
        RangeCase{"FixedFromOneDeleteFirst", Change::Delete, fixed(1, 4), 1, 5, fixed(1, 3)},
        RangeCase{"FixedToLastInsertAtEnd", Change::Insert, fixed(3, 6), 6, 7, fixed(3, 6)},
        RangeCase{"FixedToLastInsertBeforeLast", Change::Insert, fixed(3, 6), 5, 7, fixed(3, 7)},
        RangeCase{"FixedToLastDeleteLast", Change::Delete, fixed(3, 6), 6, 5, fixed(3, 5)},
        RangeCase{"FixedToLastAppend", Change::Append, fixed(3, 6), 0, 7, std::nullopt},
        // To the end: the start moves only for a record in front of it.
        RangeCase{"ToEndInsertAtDictionaryStart", Change::Insert, toEnd(3, 8), 0, 9, toEnd(4, 9)},
        RangeCase{"ToEndInsertRightBeforeStart", Change::Insert, toEnd(3, 8), 2, 9, toEnd(4, 9)},
        RangeCase{"ToEndInsertBehindFirst", Change::Insert, toEnd(3, 8), 3, 9, toEnd(3, 9)},
        RangeCase{"ToEndInsertBeforeLast", Change::Insert, toEnd(3, 8), 7, 9, toEnd(3, 9)},
        RangeCase{"ToEndDeleteDictionaryFirst", Change::Delete, toEnd(3, 8), 1, 7, toEnd(2, 7)},
        RangeCase{"ToEndDeleteFirst", Change::Delete, toEnd(3, 8), 3, 7, toEnd(3, 7)},
        RangeCase{"ToEndDeleteLast", Change::Delete, toEnd(3, 8), 8, 7, toEnd(3, 7)},
        RangeCase{"ToEndFromOneInsertAtStart", Change::Insert, toEnd(1, 8), 0, 9, toEnd(2, 9)},
        RangeCase{"ToEndFromOneDeleteFirst", Change::Delete, toEnd(1, 8), 1, 7, toEnd(1, 7)},
        // The end follows the dictionary even where the stored end lagged behind it.
        RangeCase{"ToEndLaggingAppend", Change::Append, toEnd(3, 5), 0, 9, toEnd(3, 9)},
        RangeCase{"ToEndLaggingInsertAfterEnd", Change::Insert, toEnd(3, 5), 7, 9, toEnd(3, 9)},
        RangeCase{"ToEndLaggingDeleteAfterEnd", Change::Delete, toEnd(3, 5), 7, 7, toEnd(3, 7)},
        // The whole dictionary: first and last record, whatever numbers were stored.
        RangeCase{"WholeDeleteFirst", Change::Delete, whole(5), 1, 4, whole(4)},
        RangeCase{"WholeDeleteLast", Change::Delete, whole(5), 5, 4, whole(4)},
        RangeCase{"WholeInsertBeforeLast", Change::Insert, whole(5), 4, 6, whole(6)},
        RangeCase{"WholeStaleNumbersInsert", Change::Insert, RangeRecord{true, 3, 4, false}, 0, 6,
                  whole(6)},
        RangeCase{"WholeStaleNumbersAppend", Change::Append, RangeRecord{true, 3, 4, false}, 0, 6,
                  whole(6)},
        RangeCase{"WholeStaleNumbersDelete", Change::Delete, RangeRecord{true, 3, 4, false}, 5, 4,
                  whole(4)},
        // Losing the last record: from a to-end range at the dictionary's end, and a fixed
        // range of one record at record 1.
        RangeCase{"ToEndOnlyLastRecordDeleted", Change::Delete, toEnd(8, 8), 8, 7, whole(7)},
        RangeCase{"FixedOnlyFirstRecordDeleted", Change::Delete, fixed(1, 1), 1, 5, whole(5)},
        // Not emptied: a range of two records keeps one.
        RangeCase{"FixedTwoDeleteFirst", Change::Delete, fixed(4, 5), 4, 9, fixed(4, 4)},
        RangeCase{"FixedTwoDeleteSecond", Change::Delete, fixed(4, 5), 5, 9, fixed(4, 4)}),
    [](const ::testing::TestParamInfo<RangeCase>& info) { return std::string(info.param.name); });

class RangeFile : public DataFolderTest {};

TEST_F(RangeFile, ReadTakesStoredNumbersOrWholeDictionary) {
    g.Kolichestvo_zapisey = 12;
    writeFile(g.puti.upragneniy, rangeBytes(false, 5, 10, true, '\xAA'));
    Prochitat_diapazon(g);
    EXPECT_FALSE(g.Vse_slova_slovarya);
    EXPECT_TRUE(g.Do_kontsa);
    EXPECT_EQ(g.Nachalo_diapazona, 5);
    EXPECT_EQ(g.Konets_diapazona, 10);
    EXPECT_EQ(g.Razmer_diapazona, 6);

    // With the whole flag the stored numbers do not count.
    writeFile(g.puti.upragneniy, rangeBytes(true, 1, 1, false));
    Prochitat_diapazon(g);
    EXPECT_TRUE(g.Vse_slova_slovarya);
    EXPECT_FALSE(g.Do_kontsa);
    EXPECT_EQ(g.Nachalo_diapazona, 1);
    EXPECT_EQ(g.Konets_diapazona, 12);
    EXPECT_EQ(g.Razmer_diapazona, 12);
}

TEST_F(RangeFile, ReadLeavesRangeAloneWhenFileMissingOrShort) {
    g.Vse_slova_slovarya = false;
    g.Nachalo_diapazona = 3;
    g.Konets_diapazona = 7;
    g.Razmer_diapazona = 5;
    Prochitat_diapazon(g);
    writeFile(g.puti.upragneniy, rangeBytes(true, 1, 1, false).first(15));
    Prochitat_diapazon(g);
    EXPECT_FALSE(g.Vse_slova_slovarya);
    EXPECT_EQ(g.Nachalo_diapazona, 3);
    EXPECT_EQ(g.Konets_diapazona, 7);
    EXPECT_EQ(g.Razmer_diapazona, 5);
}

TEST_F(RangeFile, WriteOverwritesRecordInPlace) {
    // Bytes after the record stay: the file is not truncated.
    writeFile(g.puti.upragneniy, rangeBytes(true, 1, 1, false) + bytes({7, 7}));
    g.Vse_slova_slovarya = false;
    g.Nachalo_diapazona = 300;
    g.Konets_diapazona = 70000;
    g.Do_kontsa = true;
    Zapisat_izmenennyy_diapazon(g);
    EXPECT_EQ(hex(readFile(g.puti.upragneniy)),
              "00 00 00 00 2c 01 00 00 70 11 01 00 01 00 00 00 07 07");

    // A damaged short file is made whole again.
    writeFile(g.puti.upragneniy, bytes({1, 0, 0}));
    Zapisat_izmenennyy_diapazon(g);
    EXPECT_EQ(hex(readFile(g.puti.upragneniy)), hex(rangeBytes(false, 300, 70000, true)));
    EXPECT_TRUE(systemMessages.isEmpty());
}

TEST_F(RangeFile, WriteWithoutFileSaysSoAndCreatesNothing) {
    Zapisat_izmenennyy_diapazon(g);
    EXPECT_FALSE(exists(g.puti.upragneniy));
    EXPECT_EQ(systemMessages, QStringList{"Нет файла с диапазоном для упражнений ..."});
}

TEST_F(RangeFile, FailuresAreReportedUnderTheProcedureName) {
    // A folder in place of the file cannot be read or written.
    QDir().mkpath(g.puti.upragneniy + "/x");
    EXPECT_TRUE(reportedAs(reportOf([&] { Prochitat_diapazon(g); }), "Прочитать_диапазон"));
    EXPECT_TRUE(reportedAs(reportOf([&] { Zapisat_izmenennyy_diapazon(g); }),
                           "Записать_измененный_диапазон"));
}

// ---- Stored numbers that do not fit the dictionary ------------------------------------------

namespace {

struct StoredRangeCase {
    const char* name;
    const char* stored; // upragneniy.uprdat as written on disk, in hex
    int32_t count;      // records in the dictionary
    bool whole;         // the range in memory afterwards
    int32_t start;
    int32_t end;
    bool toEnd;
    int32_t size;          // Razmer_diapazona
    const char* fileAfter; // upragneniy.uprdat afterwards; nullptr: unchanged
    bool historiesKept;
};

void PrintTo(const StoredRangeCase& c, std::ostream* os) {
    *os << c.name;
}

class StoredRange : public DataFolderTest, public ::testing::WithParamInterface<StoredRangeCase> {};

// The default record of a fresh folder, and the whole range the corrected files hold.
constexpr const char* kWholeRecord = "01 00 00 00 01 00 00 00 1e 00 00 00 00 00 00 00";

} // namespace

TEST_P(StoredRange, IsCheckedAgainstTheDictionary) {
    const StoredRangeCase& c = GetParam();
    writeFile(g.puti.vocabulary, records(1, c.count));
    g.Kolichestvo_zapisey = c.count;
    const QByteArray stored = QByteArray::fromHex(QByteArray(c.stored).replace(' ', ""));
    ASSERT_EQ(stored.size(), 16);
    writeFile(g.puti.upragneniy, stored);
    const QByteArray history = QByteArray(30, '\x01');
    writeFile(g.puti.statEng, history);
    writeFile(g.puti.statPair, history);
    writeFile(g.puti.statForget, bytes({1, 0, 1}));
    clearRebuildFlags();

    EXPECT_EQ(reportOf([&] { Prochitat_diapazon(g); }), QString());

    EXPECT_EQ(g.Vse_slova_slovarya, c.whole);
    EXPECT_EQ(g.Nachalo_diapazona, c.start);
    EXPECT_EQ(g.Konets_diapazona, c.end);
    EXPECT_EQ(g.Do_kontsa, c.toEnd);
    EXPECT_EQ(g.Razmer_diapazona, c.size);
    EXPECT_EQ(hex(readFile(g.puti.upragneniy)),
              c.fileAfter ? std::string(c.fileAfter) : hex(stored));
    EXPECT_FALSE(exists(companionPath(g.puti.upragneniy)));
    EXPECT_EQ(exists(g.puti.statEng), c.historiesKept);
    EXPECT_EQ(exists(g.puti.statPair), c.historiesKept);
    if (c.historiesKept) {
        EXPECT_EQ(readFile(g.puti.statEng), history);
        EXPECT_FALSE(g.Obnovit_angliyskie_slova);
    } else {
        EXPECT_TRUE(g.Obnovit_angliyskie_slova);
        EXPECT_TRUE(g.Obnovit_pary);
    }
    // The forgotten marks belong to the records, not to the range.
    EXPECT_EQ(hex(readFile(g.puti.statForget)), "01 00 01");
    EXPECT_TRUE(systemMessages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoredRange,
    ::testing::Values(
        StoredRangeCase{"FixedInside", "00 00 00 00 05 00 00 00 0a 00 00 00 00 00 00 00", 30, false,
                        5, 10, false, 6, nullptr, true},
        StoredRangeCase{"FixedUpToTheLastRecord", "00 00 00 00 01 00 00 00 1e 00 00 00 00 00 00 00",
                        30, false, 1, 30, false, 30, nullptr, true},
        // An end beyond the dictionary is cut to its last record; byte k of each history
        // still belongs to record start + k.
        StoredRangeCase{"EndOneMillion", "00 00 00 00 05 00 00 00 40 42 0f 00 00 00 00 00", 30,
                        false, 5, 30, false, 26, "00 00 00 00 05 00 00 00 1e 00 00 00 00 00 00 00",
                        true},
        StoredRangeCase{"EndIntMax", "00 00 00 00 01 00 00 00 ff ff ff 7f 00 00 00 00", 30, false,
                        1, 30, false, 30, "00 00 00 00 01 00 00 00 1e 00 00 00 00 00 00 00", true},
        StoredRangeCase{"ToEndBeyondTheEnd", "00 00 00 00 03 00 00 00 28 00 00 00 01 00 00 00", 30,
                        false, 3, 30, true, 28, "00 00 00 00 03 00 00 00 1e 00 00 00 01 00 00 00",
                        true},
        StoredRangeCase{"ToEndShortOfTheEnd", "00 00 00 00 03 00 00 00 14 00 00 00 01 00 00 00", 30,
                        false, 3, 20, true, 18, nullptr, true},
        // A range that cannot stand becomes the whole dictionary.
        StoredRangeCase{"StartZero", "00 00 00 00 00 00 00 00 0a 00 00 00 00 00 00 00", 30, true, 1,
                        30, false, 30, kWholeRecord, false},
        StoredRangeCase{"StartNegative", "00 00 00 00 fb ff ff ff ff ff ff 7f 00 00 00 00", 30,
                        true, 1, 30, false, 30, kWholeRecord, false},
        StoredRangeCase{"StartIntMin", "00 00 00 00 00 00 00 80 0a 00 00 00 01 00 00 00", 30, true,
                        1, 30, false, 30, kWholeRecord, false},
        StoredRangeCase{"StartAfterEnd", "00 00 00 00 0c 00 00 00 0b 00 00 00 00 00 00 00", 30,
                        true, 1, 30, false, 30, kWholeRecord, false},
        StoredRangeCase{"StartBeyondTheDictionary",
                        "00 00 00 00 1f 00 00 00 28 00 00 00 00 00 00 00", 30, true, 1, 30, false,
                        30, kWholeRecord, false},
        StoredRangeCase{"BothIntMax", "00 00 00 00 ff ff ff 7f ff ff ff 7f 00 00 00 00", 30, true,
                        1, 30, false, 30, kWholeRecord, false},
        StoredRangeCase{"EndIntMin", "00 00 00 00 05 00 00 00 00 00 00 80 00 00 00 00", 30, true, 1,
                        30, false, 30, kWholeRecord, false},
        StoredRangeCase{"FixedOnEmptyDictionary", "00 00 00 00 01 00 00 00 01 00 00 00 00 00 00 00",
                        0, true, 1, 0, false, 0, "01 00 00 00 01 00 00 00 00 00 00 00 00 00 00 00",
                        false},
        // With the whole-dictionary flag the stored numbers do not count and stay as stored.
        StoredRangeCase{"WholeWithIntMax", "01 00 00 00 01 00 00 00 ff ff ff 7f 00 00 00 00", 30,
                        true, 1, 30, false, 30, nullptr, true},
        StoredRangeCase{"WholeWithIntMin", "05 aa aa aa 00 00 00 80 00 00 00 80 00 aa aa aa", 30,
                        true, 1, 30, false, 30, nullptr, true}),
    [](const ::testing::TestParamInfo<StoredRangeCase>& info) {
        return std::string(info.param.name);
    });

TEST(RangeArithmetic, SizeNeverOverflowsNorGoesNegative) {
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(rangeSize(5, 10), 6);
    EXPECT_EQ(rangeSize(7, 7), 1);
    EXPECT_EQ(rangeSize(8, 7), 0);
    EXPECT_EQ(rangeSize(kMax, kMax), 1);
    EXPECT_EQ(rangeSize(1, kMax), kMax);
    EXPECT_EQ(rangeSize(kMin, kMax), kMax);
    EXPECT_EQ(rangeSize(kMax, kMin), 0);
    EXPECT_EQ(rangeSize(1, kMin), 0);

    Globalnye_peremennye_slovarya g;
    setRange(g, RangeRecord{false, kMin, kMax, false});
    EXPECT_EQ(g.Razmer_diapazona, kMax);
    setRange(g, RangeRecord{false, 3, kMin, false});
    EXPECT_EQ(g.Razmer_diapazona, 0);
}
