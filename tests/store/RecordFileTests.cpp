#include "app/core/Failure.h"
#include "store/RecordFile.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <limits>

using namespace telvo;
using telvo::test::bytes;
using telvo::test::hex;
using telvo::test::readFile;
using telvo::test::writeFile;

namespace {

class RecordFileTest : public ::testing::Test {
protected:
    telvo::test::TempHome home;
    QString path = home.path() + "/Stat_eng.dictstat";
    QString newPath = home.path() + "/Stat_eng_new.dictstat";
};

// Records of 4 bytes whose bytes all hold the record's tag.
QByteArray recs(std::initializer_list<int> tags) {
    QByteArray out;
    for (int t : tags)
        out.append(QByteArray(4, static_cast<char>(t)));
    return out;
}

} // namespace

TEST(CompanionPath, InsertsNewBeforeTheExtension) {
    EXPECT_EQ(companionPath("/d/Vocabulary.dictdat"), "/d/Vocabulary_new.dictdat");
    EXPECT_EQ(companionPath("/d/Stat_forget.dictstat"), "/d/Stat_forget_new.dictstat");
    EXPECT_EQ(companionPath("/d/Idiom.idiomtdat"), "/d/Idiom_new.idiomtdat");
}

TEST_F(RecordFileTest, OneByteFilePatterns) {
    RecordFile f(path, 1);
    writeFile(path, bytes({1, 0, 1}));
    f.append(bytes({0}));
    EXPECT_EQ(hex(readFile(path)), "01 00 01 00");
    f.remove(0);
    EXPECT_EQ(hex(readFile(path)), "00 01 00");
    f.insert(1, bytes({0}));
    EXPECT_EQ(hex(readFile(path)), "00 00 01 00");
    f.overwrite(2, bytes({0}));
    EXPECT_EQ(hex(readFile(path)), "00 00 00 00");
    EXPECT_FALSE(QFile::exists(newPath));
}

TEST_F(RecordFileTest, InsertAtEveryPositionOfFixedRecords) {
    for (int p = 0; p <= 3; ++p) {
        SCOPED_TRACE(p);
        writeFile(path, recs({1, 2, 3}));
        RecordFile f(path, 4);
        f.insert(p, recs({9}));
        QByteArray expected = recs({1, 2, 3});
        expected.insert(p * 4, recs({9}));
        EXPECT_EQ(hex(readFile(path)), hex(expected));
        EXPECT_FALSE(QFile::exists(newPath)) << "companion left behind";
    }
}

TEST_F(RecordFileTest, RemoveOnlyRecordLeavesEmptyFile) {
    writeFile(path, recs({5}));
    RecordFile f(path, 4);
    f.remove(0);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(readFile(path).size(), 0);
    EXPECT_THROW(f.remove(0), Failure);
}

TEST_F(RecordFileTest, PartialTrailingRecordIsIgnoredAndOverwrittenByAppend) {
    QByteArray data = recs({1, 2});
    data.append("\x07\x07", 2);
    writeFile(path, data);
    RecordFile f(path, 4);
    EXPECT_EQ(f.count(), 2);
    EXPECT_EQ(hex(f.readAll()), hex(recs({1, 2})));
    f.append(recs({3}));
    EXPECT_EQ(hex(readFile(path)), hex(recs({1, 2, 3})));
}

TEST_F(RecordFileTest, ShortReadsAndMissingFilesFail) {
    RecordFile f(path, 4);
    EXPECT_THROW(f.count(), Failure);
    EXPECT_THROW(f.readAll(), Failure);
    writeFile(path, recs({1, 2}));
    EXPECT_THROW(f.read(1, 2), Failure);
    EXPECT_THROW(f.read(2), Failure);
    EXPECT_EQ(hex(f.read(1)), hex(recs({2})));
    EXPECT_EQ(hex(f.readUpTo(1, 5)), hex(recs({2})));
    EXPECT_THROW(f.overwrite(3, recs({9})), Failure);
    EXPECT_THROW(f.append(QByteArray(3, 'x')), Failure);
}

TEST_F(RecordFileTest, FailedReplacementKeepsTheOldFile) {
    writeFile(path, recs({1, 2, 3}));
    // A folder in the companion's place makes writing it fail.
    QDir().mkpath(newPath);
    RecordFile f(path, 4);
    EXPECT_THROW(f.remove(1), Failure);
    EXPECT_THROW(f.insert(0, recs({9})), Failure);
    EXPECT_EQ(hex(readFile(path)), hex(recs({1, 2, 3})));
}

TEST_F(RecordFileTest, CountOfAFileBeyondTheRecordNumbersStopsAtTheLargest) {
    // A sparse one-byte file of 2^31 + 5 bytes costs no disk space; its count must not wrap
    // to a negative number, and a read near its start reads only what it asks for.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize((qint64(1) << 31) + 5));
    ASSERT_TRUE(file.seek(2));
    ASSERT_EQ(file.write("\x01", 1), 1);
    file.close();
    const RecordFile huge(path, 1);
    EXPECT_EQ(huge.count(), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(hex(huge.readUpTo(0, 4)), "00 00 01 00");
    QFile::remove(path);
}
