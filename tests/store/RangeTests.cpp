#include "store/Range.h"
#include "tests/store/DataFolderFixture.h"

#include <QDir>
#include <gtest/gtest.h>

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
