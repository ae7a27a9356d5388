#include "app/core/Failure.h"
#include "store/Binary.h"
#include "store/RecordTableModel.h"
#include "store/Records.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <memory>

using namespace telvo;
using telvo::test::bytes;
using telvo::test::readFile;
using telvo::test::writeFile;

namespace {

struct Rec {
    QString english;
    QString transcription;
    QString translation;
    QDate added = QDate(2021, 3, 5);
    bool excluded = false;
    bool marked = false;
};

QByteArray encode(const Rec& r) {
    return test::dictRecordLiteral(r.english, r.transcription, r.translation,
                                   test::daysSince18991230(r.added), r.excluded, r.marked);
}

QByteArray encodeAll(const std::vector<Rec>& recs) {
    QByteArray out;
    for (const Rec& r : recs)
        out += encode(r);
    return out;
}

// Records named w1, w2, ... so each row's record is visible in its English cell.
QByteArray numbered(int n) {
    QByteArray out;
    out.reserve(qsizetype(n) * DictRecord::kSize);
    for (int i = 1; i <= n; ++i)
        out += encode({QStringLiteral("w%1").arg(i), {}, {}});
    return out;
}

class TableTest : public ::testing::Test, protected telvo::test::DataFolderState {
protected:
    TableTest() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    ~TableTest() override { QLocale::setDefault(QLocale::c()); }

    void writeDictionary(const QByteArray& content) { writeFile(g.puti.vocabulary, content); }
    void writeForgotten(const QByteArray& content) { writeFile(g.puti.statForget, content); }

    QStringList row(int r) const {
        QStringList cells;
        for (int c = 0; c < RecordTableModel::ColumnCount; ++c)
            cells << model.cellText(r, c);
        return cells;
    }
    std::vector<uint8_t> marks() const { return g.tip_Dinamicheskiy_massiv_otmechennykh_slov; }

    RecordTableModel model{g};
};

const QString kDate = QStringLiteral("       05.03.2021");

} // namespace

TEST_F(TableTest, EveryCellOfARowAsShown) {
    writeDictionary(encodeAll({
        {QStringLiteral("cat"), QStringLiteral("кэт"), QStringLiteral("кошка")},
        {QStringLiteral("the end"), QString(), QStringLiteral("конец"), QDate(2020, 12, 31), true,
         true},
    }));
    writeForgotten(bytes({1, 0}));
    model.reload();

    ASSERT_EQ(model.rowCount(), 2);
    ASSERT_EQ(model.columnCount(), 8);
    // Newest first: record 2 in the first row.
    EXPECT_EQ(row(0), (QStringList{"       2", "x", "the end", "[]", "конец", "",
                                   "       31.12.2020", ""}));
    EXPECT_EQ(row(1), (QStringList{"       1", "", "cat", "[кэт]", "кошка", " +", kDate, ""}));

    // The mark is shown by colour only: the text of column 7 stays empty.
    EXPECT_TRUE(model.data(model.index(0, 7), RecordTableModel::MarkedRole).toBool());
    EXPECT_FALSE(model.data(model.index(1, 7), RecordTableModel::MarkedRole).toBool());
    EXPECT_TRUE(model.data(model.index(1, 5), RecordTableModel::ForgottenRole).toBool());
    EXPECT_TRUE(model.data(model.index(0, 1), RecordTableModel::ExcludedRole).toBool());
    EXPECT_EQ(model.data(model.index(0, 0), RecordTableModel::RecordNumberRole).toInt(), 2);
    EXPECT_EQ(model.data(model.index(1, 2)).toString(), "cat");
}

TEST_F(TableTest, HeaderTextsWithTheirLeadingBlanks) {
    const QStringList expected = {
        "Номер",
        "x",
        QString(16, ' ') + "Английское слово (текст)",
        QString(28, ' ') + "Транскрипция (русскими буквами)",
        QString(57, ' ') + "Перевод",
        "Збл",
        "Дата добавления",
        "Отм",
    };
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(model.headerData(c, Qt::Horizontal).toString(), expected[c]) << c;
    const QString h4 = model.headerData(4, Qt::Horizontal).toString();
    EXPECT_EQ(h4.indexOf(u'П'), 57);
    EXPECT_FALSE(model.headerData(0, Qt::Vertical).isValid());
}

TEST_F(TableTest, ThreeRecordsNewestFirstWithCountersAndMarks) {
    writeDictionary(encodeAll({
        {QStringLiteral("one"), {}, {}, QDate(2021, 3, 5), false, true},
        {QStringLiteral("two"), {}, {}, QDate(2021, 3, 5), true, false},
        {QStringLiteral("three"), {}, {}, QDate(2021, 3, 5), false, false},
    }));
    model.reload();

    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.cellText(0, 0), "       3");
    EXPECT_EQ(model.cellText(1, 0), "       2");
    EXPECT_EQ(model.cellText(2, 0), "       1");
    EXPECT_EQ(model.english(0), "three");
    EXPECT_EQ(model.english(2), "one");
    EXPECT_EQ(model.recordNumber(2), 1);
    EXPECT_EQ(g.Kolichestvo_zapisey, 3);
    EXPECT_EQ(g.Kolichestvo_razreshennykh_k_pokazu, 2);
    EXPECT_EQ(g.Kolichestvo_zabytykh_slov, 0);
    // Element r - 1 belongs to the record in row r: record 1 (marked) is in the last row.
    EXPECT_EQ(marks(), (std::vector<uint8_t>{0, 0, 1}));
    // The last row filled shows record 1.
    EXPECT_EQ(g.Nomer_tekushchey_zapisi, 1);
    // No forgotten file: no " +" anywhere.
    EXPECT_EQ(model.cellText(0, 5), "");
}

TEST_F(TableTest, TranslationColumnOffBlanksOnlyThatColumn) {
    const QByteArray content = encodeAll({{"a", "э", "а"}, {"b", "би", "бэ"}});
    writeDictionary(content);
    model.reload();
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    model.setTranslationShown(false);
    ASSERT_EQ(changed.count(), 1);
    for (int r = 0; r < 2; ++r) {
        EXPECT_EQ(model.cellText(r, 4), "") << r;
        EXPECT_FALSE(model.cellText(r, 2).isEmpty());
        EXPECT_FALSE(model.cellText(r, 3).isEmpty());
    }
    model.reload();
    EXPECT_EQ(model.cellText(0, 4), "") << "a rebuild keeps the column off";
    EXPECT_EQ(readFile(g.puti.vocabulary), content);

    model.setTranslationShown(true);
    EXPECT_EQ(model.cellText(0, 4), "бэ");
}

TEST_F(TableTest, EmptyDictionaryIsOneEmptyRow) {
    writeDictionary({});
    g.Kolichestvo_zapisey = 5; // stale values from before
    g.Kolichestvo_razreshennykh_k_pokazu = 5;
    g.Kolichestvo_zabytykh_slov = 2;
    writeForgotten(bytes({1, 1}));
    model.reload();

    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.recordRows(), 0);
    EXPECT_EQ(row(0), QStringList(8, QString()));
    EXPECT_EQ(model.recordNumber(0), 0);
    EXPECT_EQ(model.data(model.index(0, 0), RecordTableModel::RecordNumberRole).toInt(), 0);
    EXPECT_EQ(g.Kolichestvo_zapisey, 0);
    EXPECT_EQ(g.Kolichestvo_razreshennykh_k_pokazu, 0);
    EXPECT_EQ(g.Kolichestvo_zabytykh_slov, 0);
    EXPECT_EQ(marks(), std::vector<uint8_t>{0});
    EXPECT_EQ(Otobrazhenie_kolichestva_zapisey(g), "  Записей = 0 (0)");
}

// Forgotten-only view: which records show, newest first, for a given forgotten file.
struct ForgottenCase {
    const char* name;
    bool fileExists;
    QByteArray forgotten;
    std::vector<int> expectedNumbers; // empty: the single empty row
    int expectedForgottenCount;
};

class ForgottenViewTest : public TableTest, public ::testing::WithParamInterface<ForgottenCase> {};

TEST_P(ForgottenViewTest, ShowsOnlyForgottenRecordsNewestFirst) {
    const ForgottenCase& c = GetParam();
    // Records 1..5; record 2 is excluded, records 3 and 5 are marked.
    writeDictionary(encodeAll({
        {"w1", {}, {}},
        {"w2", {}, {}, QDate(2021, 3, 5), true},
        {"w3", {}, {}, QDate(2021, 3, 5), false, true},
        {"w4", {}, {}},
        {"w5", {}, {}, QDate(2021, 3, 5), false, true},
    }));
    if (c.fileExists)
        writeForgotten(c.forgotten);
    g.Rezhim_zabytye = true;
    model.reload();

    EXPECT_EQ(g.Kolichestvo_zapisey, 5);
    EXPECT_EQ(g.Kolichestvo_razreshennykh_k_pokazu, 4) << "counted over every record";
    EXPECT_EQ(g.Kolichestvo_zabytykh_slov, c.expectedForgottenCount);
    ASSERT_EQ(marks().size(), 5u);
    if (c.expectedNumbers.empty()) {
        EXPECT_EQ(model.rowCount(), 1);
        EXPECT_EQ(model.recordRows(), 0);
        EXPECT_EQ(row(0), QStringList(8, QString()));
        EXPECT_EQ(marks(), std::vector<uint8_t>(5, 0));
        return;
    }
    ASSERT_EQ(model.rowCount(), int(c.expectedNumbers.size()));
    for (int r = 0; r < model.rowCount(); ++r) {
        const int number = c.expectedNumbers[size_t(r)];
        SCOPED_TRACE(number);
        EXPECT_EQ(model.recordNumber(r), number);
        EXPECT_EQ(model.cellText(r, 0), "       " + QString::number(number));
        EXPECT_EQ(model.english(r), "w" + QString::number(number));
        EXPECT_EQ(model.cellText(r, 5), " +");
        EXPECT_EQ(marks()[size_t(r)], number == 3 || number == 5 ? 1 : 0);
    }
    // The last row filled is the lowest forgotten record.
    EXPECT_EQ(g.Nomer_tekushchey_zapisi, c.expectedNumbers.back());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ForgottenViewTest,
    ::testing::Values(
        ForgottenCase{"NoFile", false, {}, {}, 0},
        ForgottenCase{"NothingForgotten", true, bytes({0, 0, 0, 0, 0}), {}, 0},
        ForgottenCase{"Some", true, bytes({1, 0, 1, 0, 1}), {5, 3, 1}, 3},
        // Bytes past the dictionary's end are neither counted nor shown.
        ForgottenCase{"LongerFile", true, bytes({0, 0, 0, 1, 0, 1, 1}), {4}, 1},
        // A file shorter than the dictionary: the missing bytes read as "not forgotten".
        ForgottenCase{"ShorterFile", true, bytes({0, 0, 1}), {3}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TableTest, FullViewShowsForgottenMarksAndCountsOnlyTheDictionarysBytes) {
    writeDictionary(numbered(3));
    writeForgotten(bytes({0, 1, 0, 1})); // one byte too many
    model.reload();
    EXPECT_EQ(g.Kolichestvo_zabytykh_slov, 1);
    EXPECT_EQ(model.cellText(0, 5), "");
    EXPECT_EQ(model.cellText(1, 5), " +");
    EXPECT_EQ(model.cellText(2, 5), "");

    writeForgotten(bytes({1})); // too short: records 2 and 3 are not forgotten
    model.reload();
    EXPECT_EQ(g.Kolichestvo_zabytykh_slov, 1);
    EXPECT_EQ(model.cellText(2, 5), " +");
    EXPECT_EQ(model.cellText(1, 5), "");
}

TEST_F(TableTest, SwitchingTheViewNeedsAReload) {
    writeDictionary(numbered(4));
    writeForgotten(bytes({0, 1, 0, 0}));
    model.reload();
    EXPECT_EQ(model.rowCount(), 4);
    g.Rezhim_zabytye = true;
    model.reload();
    EXPECT_TRUE(model.forgottenView());
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.english(0), "w2");
    g.Rezhim_zabytye = false;
    model.reload();
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.english(0), "w4");
}

TEST_F(TableTest, DictionaryWithAPartialLastRecordIsReadUpToItsLastWholeRecord) {
    QByteArray content = numbered(3);
    content += QByteArray(100, 'z');
    writeDictionary(content);
    model.reload();
    EXPECT_EQ(g.Kolichestvo_zapisey, 3);
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.english(0), "w3");
    EXPECT_EQ(Otobrazhenie_kolichestva_zapisey(g), "  Записей = 3 (3)");
}

TEST_F(TableTest, FailedReloadThrowsAndKeepsTheOldTable) {
    writeDictionary(numbered(2));
    model.reload();
    QFile::remove(g.puti.vocabulary);
    EXPECT_THROW(model.reload(), Failure);
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.english(0), "w2");
}

TEST_F(TableTest, UpdateRecordReplacesOneRowInPlace) {
    writeDictionary(numbered(3));
    model.reload();
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.updateRecord(1, encode({"edited", "тр", "пер", QDate(2021, 3, 5)}));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex().row(), 1);
    EXPECT_EQ(row(1), (QStringList{"       2", "", "edited", "[тр]", "пер", "", kDate, ""}));
    EXPECT_EQ(model.english(0), "w3");
    EXPECT_EQ(model.english(2), "w1");
}

TEST_F(TableTest, RecordCountTextCountsRecordsNotExcluded) {
    std::vector<Rec> recs(10000, Rec{"w", {}, {}});
    for (size_t i = 0; i < recs.size(); i += 4)
        recs[i].excluded = true; // 2500 excluded, across several read slices
    writeDictionary(encodeAll(recs));
    EXPECT_EQ(Otobrazhenie_kolichestva_zapisey(g), "  Записей = 10000 (7500)");
    EXPECT_EQ(g.Kolichestvo_zapisey, 10000);
    EXPECT_EQ(g.Kolichestvo_razreshennykh_k_pokazu, 7500);
}

TEST_F(TableTest, RecordCountTextReportsAMissingDictionaryUnderItsName) {
    const QString report = telvo::test::reportOf([&] { Otobrazhenie_kolichestva_zapisey(g); });
    EXPECT_TRUE(telvo::test::reportedAs(report, "Отображение_количества_записей"));
    EXPECT_TRUE(report.contains("Vocabulary.dictdat")) << report.toStdString();
}

// "Номер" cells of a dictionary large enough to reach five digits.
class NumberCellTest : public ::testing::TestWithParam<std::pair<int, const char*>> {
protected:
    static void SetUpTestSuite() {
        home = std::make_unique<telvo::test::TempHome>();
        g = std::make_unique<Globalnye_peremennye_slovarya>();
        g->puti = makeDataPaths(home->path() + "/data");
        QDir().mkpath(g->puti.folder);
        writeFile(g->puti.vocabulary, numbered(kRecords));
        model = std::make_unique<RecordTableModel>(*g);
        model->reload();
    }
    static void TearDownTestSuite() {
        model.reset();
        g.reset();
        home.reset();
    }
    static constexpr int kRecords = 12345;
    static inline std::unique_ptr<telvo::test::TempHome> home;
    static inline std::unique_ptr<Globalnye_peremennye_slovarya> g;
    static inline std::unique_ptr<RecordTableModel> model;
};

TEST_P(NumberCellTest, BlanksBeforeTheNumber) {
    const auto [number, expected] = GetParam();
    const int row = kRecords - number; // newest first
    EXPECT_EQ(model->cellText(row, 0), QString::fromLatin1(expected));
    EXPECT_EQ(model->english(row), "w" + QString::number(number));
    EXPECT_EQ(recordNumberCellText(number), QString::fromLatin1(expected));
}

INSTANTIATE_TEST_SUITE_P(Numbers, NumberCellTest,
                         ::testing::Values(std::pair{1, "       1"}, std::pair{7, "       7"},
                                           std::pair{9, "       9"}, std::pair{10, "     10"},
                                           std::pair{57, "     57"}, std::pair{99, "     99"},
                                           std::pair{100, "   100"}, std::pair{999, "   999"},
                                           std::pair{1000, " 1000"}, std::pair{12345, " 12345"}),
                         [](const auto& info) {
                             return "Record" + std::to_string(info.param.first);
                         });
