#include "store/DataFolder.h"
#include "store/Records.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace telvo;
using namespace telvo::test;

namespace {

const QByteArray kDefaultRange = bytes({1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0});

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

class DataFolderTest : public ::testing::Test {
protected:
    QString file(const char* name) const {
        return home.dataFolder() + QLatin1Char('/') + QLatin1String(name);
    }

    // The folder as the first start must leave it: exactly the three files.
    void expectFreshFolder() const {
        EXPECT_EQ(entries(home.dataFolder()),
                  (QStringList{"Vocabulary.dictdat", "group_words.group", "upragneniy.uprdat"}));
        EXPECT_TRUE(QFileInfo::exists(file("Vocabulary.dictdat")));
        EXPECT_EQ(readFile(file("Vocabulary.dictdat")), QByteArray());
        EXPECT_EQ(hex(readFile(file("upragneniy.uprdat"))), hex(kDefaultRange));
        EXPECT_TRUE(QFileInfo::exists(file("group_words.group")));
        EXPECT_EQ(readFile(file("group_words.group")), QByteArray());
    }

    TempHome home;
    Globalnye_peremennye_slovarya g;
};

TEST_F(DataFolderTest, FirstStartCreatesFolderAndThreeFiles) {
    Proverka_nalichiya_bazy_slov(g);
    expectFreshFolder();
    EXPECT_EQ(g.puti.folder, home.dataFolder());
    EXPECT_EQ(g.puti.vocabulary, file("Vocabulary.dictdat"));
    EXPECT_EQ(g.puti.upragneniy, file("upragneniy.uprdat"));
    EXPECT_EQ(g.puti.statForget, file("Stat_forget.dictstat"));
}

TEST_F(DataFolderTest, FreshAccountWithoutDataLocationStillStarts) {
    // ~/.local/share does not exist on a brand-new account.
    const QString base = home.path() + QStringLiteral("/new-user/.local/share");
    qputenv("XDG_DATA_HOME", QFile::encodeName(base));
    Proverka_nalichiya_bazy_slov(g);
    const QString folder = base + QStringLiteral("/Telvo_Lab/Telvo_Vocabulary_02");
    EXPECT_EQ(entries(folder),
              (QStringList{"Vocabulary.dictdat", "group_words.group", "upragneniy.uprdat"}));
    EXPECT_EQ(hex(readFile(folder + "/upragneniy.uprdat")), hex(kDefaultRange));
}

TEST_F(DataFolderTest, LabFolderWithoutDataFolder) {
    ASSERT_TRUE(QDir().mkpath(home.path() + QStringLiteral("/data/Telvo_Lab")));
    Proverka_nalichiya_bazy_slov(g);
    expectFreshFolder();
}

TEST_F(DataFolderTest, SecondRunChangesNothing) {
    Proverka_nalichiya_bazy_slov(g);
    Globalnye_peremennye_slovarya again;
    Proverka_nalichiya_bazy_slov(again);
    expectFreshFolder();
}

// Which of the three files exist when the data folder is already there, and what each must
// hold afterwards.
struct ExistingCase {
    const char* name;
    bool vocabulary, range, groups;             // present before
    bool vocabularyKept, rangeKept, groupsKept; // else: recreated with the initial content
};

void PrintTo(const ExistingCase& c, std::ostream* os) {
    *os << c.name;
}

class ExistingFolderTest : public DataFolderTest,
                           public ::testing::WithParamInterface<ExistingCase> {};

TEST_P(ExistingFolderTest, CreatesExactlyWhatIsMissing) {
    const ExistingCase c = GetParam();
    const QByteArray dictionary = dictRecordLiteral(u"apple", u"", u"яблоко", 0);
    const QByteArray range = rangeRecordLiteral(false, 3, 7, false);
    const QByteArray groups(1257, '\x05');
    const QByteArray history = bytes({1, 0, 1});
    const QByteArray forgotten = bytes({0, 1, 0});

    ASSERT_TRUE(QDir().mkpath(home.dataFolder()));
    if (c.vocabulary)
        writeFile(file("Vocabulary.dictdat"), dictionary);
    if (c.range)
        writeFile(file("upragneniy.uprdat"), range);
    if (c.groups)
        writeFile(file("group_words.group"), groups);
    writeFile(file("Stat_eng.dictstat"), history);
    writeFile(file("Stat_forget.dictstat"), forgotten);

    Proverka_nalichiya_bazy_slov(g);

    EXPECT_EQ(hex(readFile(file("Vocabulary.dictdat"))),
              hex(c.vocabularyKept ? dictionary : QByteArray()));
    EXPECT_EQ(hex(readFile(file("upragneniy.uprdat"))), hex(c.rangeKept ? range : kDefaultRange));
    EXPECT_EQ(hex(readFile(file("group_words.group"))), hex(c.groupsKept ? groups : QByteArray()));
    EXPECT_TRUE(QFileInfo::exists(file("Vocabulary.dictdat")));
    EXPECT_TRUE(QFileInfo::exists(file("group_words.group")));
    EXPECT_EQ(hex(readFile(file("Stat_eng.dictstat"))), hex(history));
    EXPECT_EQ(hex(readFile(file("Stat_forget.dictstat"))), hex(forgotten));
    // No companion or other file is left behind.
    EXPECT_EQ(entries(home.dataFolder()),
              (QStringList{"Stat_eng.dictstat", "Stat_forget.dictstat", "Vocabulary.dictdat",
                           "group_words.group", "upragneniy.uprdat"}));
}

INSTANTIATE_TEST_SUITE_P(
    AllPresenceCases, ExistingFolderTest,
    ::testing::Values(ExistingCase{"EverythingPresent", true, true, true, true, true, true},
                      ExistingCase{"OnlyGroupsMissing", true, true, false, true, true, false},
                      ExistingCase{"OnlyRangeMissing", true, false, true, true, false, true},
                      ExistingCase{"RangeAndGroupsMissing", true, false, false, true, false, false},
                      // Without a dictionary an existing range is reset to the default.
                      ExistingCase{"DictionaryMissing", false, true, true, false, false, true},
                      ExistingCase{"DictionaryAndGroupsMissing", false, true, false, false, false,
                                   false},
                      ExistingCase{"OnlyGroupsPresent", false, false, true, false, false, true},
                      ExistingCase{"FolderEmpty", false, false, false, false, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A folder that cannot be created must be reported under the procedure's name, not ignored.
struct BlockedCase {
    const char* name;
    const char* plainFile; // relative to the data location
};

void PrintTo(const BlockedCase& c, std::ostream* os) {
    *os << c.name;
}

class BlockedFolderTest : public DataFolderTest,
                          public ::testing::WithParamInterface<BlockedCase> {};

TEST_P(BlockedFolderTest, IsReportedUnderProcedureName) {
    const QString blocker = home.path() + QStringLiteral("/data/") + GetParam().plainFile;
    writeFile(blocker, QByteArray("not a folder"));
    EXPECT_EQ(reportOf([&] { Proverka_nalichiya_bazy_slov(g); }),
              QStringLiteral("Исключение :   Не удалось создать папку ") + blocker +
                  QStringLiteral("  ...   в модуле :  Проверка_наличия_базы_слов  ..."));
    EXPECT_EQ(readFile(blocker), QByteArray("not a folder"));
}

INSTANTIATE_TEST_SUITE_P(PlainFileInTheWay, BlockedFolderTest,
                         ::testing::Values(BlockedCase{"LabFolder", "Telvo_Lab"},
                                           BlockedCase{"DataFolder",
                                                       "Telvo_Lab/Telvo_Vocabulary_02"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A range file too short to hold its record is put back to the default at start, and the
// histories of the range nobody can read any more go with it; everything else stays.
class ShortRangeTest : public DataFolderTest, public ::testing::WithParamInterface<int> {};

TEST_P(ShortRangeTest, IsRecreatedAndTheHistoriesReset) {
    const QByteArray dictionary(2 * 176, '\x07');
    const QByteArray groups(1257, '\x05');
    const QByteArray forgotten = bytes({0, 1});
    const QByteArray shortRange =
        bytes({0, 0, 0, 0, 3, 0, 0, 0, 9, 0, 0, 0, 1, 0, 0}).first(GetParam());
    ASSERT_TRUE(QDir().mkpath(home.dataFolder()));
    writeFile(file("Vocabulary.dictdat"), dictionary);
    writeFile(file("upragneniy.uprdat"), shortRange);
    writeFile(file("group_words.group"), groups);
    writeFile(file("Stat_forget.dictstat"), forgotten);
    for (const char* history : {"Stat_eng.dictstat", "Stat_rus.dictstat", "Stat_per_eng.dictstat",
                                "Stat_per_rus.dictstat", "Stat_pair.dictstat"})
        writeFile(file(history), bytes({1, 1}));

    Proverka_nalichiya_bazy_slov(g);

    EXPECT_EQ(hex(readFile(file("upragneniy.uprdat"))), hex(kDefaultRange));
    EXPECT_EQ(hex(readFile(file("Vocabulary.dictdat"))), hex(dictionary));
    EXPECT_EQ(hex(readFile(file("group_words.group"))), hex(groups));
    EXPECT_EQ(hex(readFile(file("Stat_forget.dictstat"))), hex(forgotten));
    EXPECT_EQ(entries(home.dataFolder()), (QStringList{"Stat_forget.dictstat", "Vocabulary.dictdat",
                                                       "group_words.group", "upragneniy.uprdat"}));
}

INSTANTIATE_TEST_SUITE_P(Lengths, ShortRangeTest, ::testing::Values(0, 1, 12, 15),
                         [](const auto& info) { return "Bytes" + std::to_string(info.param); });

} // namespace
