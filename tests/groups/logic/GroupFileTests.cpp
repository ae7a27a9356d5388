#include "groups/logic/GroupFile.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace telvo;
using namespace telvo::test;

namespace {

// Writes a short string by hand: its length byte at `offset`, then its bytes.
void putText(QByteArray& record, int offset, const QByteArray& text) {
    record[offset] = static_cast<char>(text.size());
    record.replace(offset + 1, text.size(), text);
}

tip_Zapis_gruppy_slov group(const QString& name,
                            std::initializer_list<std::tuple<int, QString, QString>> rows) {
    tip_Zapis_gruppy_slov g;
    g.Nazvanie_gruppy_slov = name;
    for (const auto& [row, english, translation] : rows) {
        g.Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu[row - 1] = {english, translation};
    }
    return g;
}

struct LayoutCase {
    const char* name;
    tip_Zapis_gruppy_slov group;
    QByteArray bytes; // the 1257 bytes, written from the field offsets by hand
};

std::vector<LayoutCase> layoutCases() {
    std::vector<LayoutCase> cases;

    cases.push_back({"no name, all rows empty", group(QString(), {}), QByteArray(1257, '\0')});

    {
        // Cyrillic in the name and in both fields; words in rows 1, 3 and 9 with empty rows
        // between, and row 14, whose translation ends at the last byte of the record.
        QByteArray b(1257, '\0');
        putText(b, 0, "\xC4\xEE\xEC");            // "Дом"
        putText(b, 67, "cat");                    // row 1 English
        putText(b, 101, "\xEA\xEE\xF2");          // row 1 "кот"
        putText(b, 237, "\xF1\xF2\xEE\xEB");      // row 3 English "стол" (Cyrillic too)
        putText(b, 271, "table");                 // row 3 translation (Latin)
        putText(b, 747, "dog");                   // row 9 English
        putText(b, 781, "\xEF\xB8\xF1");          // row 9 "пёс"
        putText(b, 1172, "zz");                   // row 14 English
        putText(b, 1206, QByteArray(50, '\xFF')); // row 14: 50 x "я", the full field
        cases.push_back({"Cyrillic, gaps and row 14",
                         group(QStringLiteral("Дом"), {{1, "cat", QStringLiteral("кот")},
                                                       {3, QStringLiteral("стол"), "table"},
                                                       {9, "dog", QStringLiteral("пёс")},
                                                       {14, "zz", QString(50, QChar(u'я'))}}),
                         b});
    }

    {
        // A full group: row k holds "w<k>" and "п<k>" at 67 + (k - 1) * 85 and 34 further on.
        QByteArray b(1257, '\0');
        putText(b, 0, "full");
        tip_Zapis_gruppy_slov g;
        g.Nazvanie_gruppy_slov = "full";
        for (int k = 1; k <= 14; ++k) {
            const QByteArray n = QByteArray::number(k);
            putText(b, 67 + (k - 1) * 85, "w" + n);
            putText(b, 67 + (k - 1) * 85 + 34, "\xEF" + n);
            g.Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu[k - 1] = {
                "w" + QString::number(k), QStringLiteral("п") + QString::number(k)};
        }
        cases.push_back({"a full group of 14", g, b});
    }

    {
        // Texts at exactly their widths: 66, 33 and 50 bytes.
        QByteArray b(1257, '\0');
        putText(b, 0, QByteArray(66, '\xE8')); // 66 x "и"
        putText(b, 67, QByteArray(33, 'e'));
        putText(b, 101, QByteArray(50, '\xF2')); // 50 x "т"
        cases.push_back({"texts at their widths",
                         group(QString(66, QChar(u'и')),
                               {{1, QString(33, QChar(u'e')), QString(50, QChar(u'т'))}}),
                         b});
    }
    return cases;
}

TEST(GroupLayout, EncodesAndDecodesEveryFieldAtItsOffset) {
    for (const LayoutCase& c : layoutCases()) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.bytes.size(), 1257);
        const QByteArray encoded = encodeGroup(c.group);
        EXPECT_EQ(encoded, c.bytes) << hex(encoded);
        EXPECT_EQ(decodeGroup(c.bytes.constData()), c.group);
    }
}

TEST(GroupLayout, LongerTextsAreCutToTheirFields) {
    const tip_Zapis_gruppy_slov g =
        group(QString(70, QChar(u'Ж')), {{2, QString(40, QChar(u'x')), QString(55, QChar(u'ю'))}});
    QByteArray b(1257, '\0');
    putText(b, 0, QByteArray(66, '\xC6'));
    putText(b, 152, QByteArray(33, 'x'));
    putText(b, 186, QByteArray(50, '\xFE'));
    EXPECT_EQ(encodeGroup(g), b) << hex(encodeGroup(g));
}

TEST(GroupLayout, LengthBytesBeyondTheirFieldsAreReadAsTheFieldWidth) {
    QByteArray b(1257, '\0');
    // Each field filled to the end with its own letter, and a length byte that claims more.
    b[0] = char(200);
    b.replace(1, 66, QByteArray(66, 'n'));
    b[67] = char(34);
    b.replace(68, 33, QByteArray(33, 'e'));
    b[101] = char(255);
    b.replace(102, 50, QByteArray(50, 't'));
    const tip_Zapis_gruppy_slov g = decodeGroup(b.constData());
    EXPECT_EQ(g.Nazvanie_gruppy_slov, QString(66, QChar(u'n')));
    const auto& row = g.Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu[0];
    EXPECT_EQ(row.Angliyskoe_gruppovoe_slovo, QString(33, QChar(u'e')));
    EXPECT_EQ(row.Russkiy_gruppovoy_perevod, QString(50, QChar(u't')));
    EXPECT_TRUE(g.Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu[1]
                    .Angliyskoe_gruppovoe_slovo.isEmpty());
}

class GroupFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        g.puti = makeDataPaths(home.path());
        ASSERT_TRUE(QDir().mkpath(g.puti.folder));
    }

    QByteArray allCaseBytes() const {
        QByteArray all;
        for (const LayoutCase& c : layoutCases())
            all += c.bytes;
        return all;
    }

    TempHome home;
    Globalnye_peremennye_slovarya g;
};

TEST_F(GroupFileTest, LoadsEveryGroupInFileOrderAndWritesThemBack) {
    const QByteArray file = allCaseBytes();
    writeFile(g.puti.groupWords, file);
    Zagruzit_gruppy_iz_fayla(g);
    const auto cases = layoutCases();
    ASSERT_EQ(g.Kolichestvo_grupp(), int32_t(cases.size()));
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(g.Gruppy_slov[i], cases[i].group) << cases[i].name;

    QFile::remove(g.puti.groupWords);
    Zapisat_gruppy_v_fayl(g);
    EXPECT_EQ(readFile(g.puti.groupWords), file);
    EXPECT_FALSE(QFile::exists(g.puti.folder + "/group_words_new.group"));
}

TEST_F(GroupFileTest, NoGroupsIsAnEmptyFileBothWays) {
    writeFile(g.puti.groupWords, allCaseBytes());
    g.Gruppy_slov.clear();
    Zapisat_gruppy_v_fayl(g);
    EXPECT_EQ(readFile(g.puti.groupWords), QByteArray());

    g.Gruppy_slov.resize(3);
    Zagruzit_gruppy_iz_fayla(g);
    EXPECT_EQ(g.Kolichestvo_grupp(), 0);
}

TEST_F(GroupFileTest, ABrokenTailIsLeftOutAndDroppedOnTheNextWrite) {
    const QByteArray whole = allCaseBytes().left(2 * 1257);
    writeFile(g.puti.groupWords, whole + QByteArray(100, 'q'));
    Zagruzit_gruppy_iz_fayla(g);
    ASSERT_EQ(g.Kolichestvo_grupp(), 2);
    EXPECT_EQ(g.Gruppy_slov[1], layoutCases()[1].group);
    Zapisat_gruppy_v_fayl(g);
    EXPECT_EQ(readFile(g.puti.groupWords), whole);
}

TEST_F(GroupFileTest, EveryTruncationLoadsTheWholeRecordsBeforeIt) {
    const QByteArray file = allCaseBytes();
    const auto cases = layoutCases();
    // Every size around a record boundary, and a sweep between them.
    std::vector<qsizetype> sizes;
    for (qsizetype size = 0; size <= file.size(); size += 29)
        sizes.push_back(size);
    for (qsizetype k = 0; k <= file.size() / 1257; ++k)
        for (qsizetype d : {-1, 0, 1})
            if (k * 1257 + d >= 0 && k * 1257 + d <= file.size())
                sizes.push_back(k * 1257 + d);
    for (qsizetype size : sizes) {
        writeFile(g.puti.groupWords, file.left(size));
        Zagruzit_gruppy_iz_fayla(g);
        const qsizetype whole = size / 1257;
        ASSERT_EQ(g.Kolichestvo_grupp(), whole) << "size " << size;
        for (qsizetype i = 0; i < whole; ++i)
            ASSERT_EQ(g.Gruppy_slov[i], cases[i].group) << "size " << size;
    }
}

TEST_F(GroupFileTest, ArbitraryBytesLoadWithinTheFieldWidths) {
    // Seeded bytes: every length byte takes any value; nothing may read past a field.
    uint32_t seed = 12345;
    QByteArray junk(5 * 1257 + 3, '\0');
    for (char& c : junk) {
        seed = seed * 1103515245u + 12345u;
        c = static_cast<char>(seed >> 24);
    }
    writeFile(g.puti.groupWords, junk);
    Zagruzit_gruppy_iz_fayla(g);
    ASSERT_EQ(g.Kolichestvo_grupp(), 5);
    for (const auto& grp : g.Gruppy_slov) {
        EXPECT_LE(grp.Nazvanie_gruppy_slov.size(), 66);
        for (const auto& row : grp.Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu) {
            EXPECT_LE(row.Angliyskoe_gruppovoe_slovo.size(), 33);
            EXPECT_LE(row.Russkiy_gruppovoy_perevod.size(), 50);
        }
    }
    // What was read is written back as its stored form: a second load gives the same table.
    const auto first = g.Gruppy_slov;
    Zapisat_gruppy_v_fayl(g);
    Zagruzit_gruppy_iz_fayla(g);
    EXPECT_EQ(g.Gruppy_slov, first);
}

TEST_F(GroupFileTest, AMissingFileIsReportedAndLeavesTheTable) {
    g.Gruppy_slov.resize(2);
    EXPECT_TRUE(
        reportedAs(reportOf([&] { Zagruzit_gruppy_iz_fayla(g); }), "Загрузить_группы_из_файла"));
    EXPECT_EQ(g.Kolichestvo_grupp(), 2);
}

TEST_F(GroupFileTest, AFailedWriteIsReportedAndKeepsTheOldFile) {
    const QByteArray old = allCaseBytes();
    writeFile(g.puti.groupWords, old);
    // A folder in the companion's place: the new content cannot be written.
    ASSERT_TRUE(QDir().mkpath(g.puti.folder + "/group_words_new.group"));
    g.Gruppy_slov.resize(1);
    EXPECT_TRUE(reportedAs(reportOf([&] { Zapisat_gruppy_v_fayl(g); }), "Записать_группы_в_файл"));
    EXPECT_EQ(readFile(g.puti.groupWords), old);
}

TEST_F(GroupFileTest, WindowStateFileFieldsAndDefaults) {
    // Missing: translations shown, row 1, row 1.
    EXPECT_EQ(Prochitat_sostoyanie_okna_grupp(g), (GroupWindowState{true, 1, 1}));

    writeFile(g.puti.startGroup, bytes({0, 9, 9, 9, 5, 0, 0, 0, 0x0C, 0x01, 0, 0}));
    EXPECT_EQ(Prochitat_sostoyanie_okna_grupp(g), (GroupWindowState{false, 5, 268}));
    writeFile(g.puti.startGroup, bytes({7, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}));
    EXPECT_EQ(Prochitat_sostoyanie_okna_grupp(g), (GroupWindowState{true, 2, 3}));

    // Too short to hold the record: as if missing.
    writeFile(g.puti.startGroup, bytes({0, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0}));
    EXPECT_EQ(Prochitat_sostoyanie_okna_grupp(g), (GroupWindowState{true, 1, 1}));

    Zapisat_sostoyanie_okna_grupp(g, GroupWindowState{true, 0x0201, -2});
    EXPECT_EQ(readFile(g.puti.startGroup),
              bytes({1, 0, 0, 0, 0x01, 0x02, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF}));
    Zapisat_sostoyanie_okna_grupp(g, GroupWindowState{false, 1, 7});
    EXPECT_EQ(readFile(g.puti.startGroup), bytes({0, 0, 0, 0, 1, 0, 0, 0, 7, 0, 0, 0}));
}

TEST_F(GroupFileTest, AFailedStateWriteIsReported) {
    ASSERT_TRUE(QDir().mkpath(g.puti.folder + "/Start_group_new.startdat"));
    EXPECT_TRUE(reportedAs(reportOf([&] { Zapisat_sostoyanie_okna_grupp(g, {}); }),
                           "Записать_состояние_окна_групп"));
}

TEST(GroupWindowStateClamp, SavedRowsStayWithinTheGroups) {
    struct Case {
        GroupWindowState saved;
        int32_t groups;
        GroupWindowState expected;
    } cases[] = {
        {{true, 3, 4}, 5, {true, 3, 4}},
        {{true, 3, 9}, 5, {true, 3, 5}},   // selected row beyond the last group
        {{false, 7, 2}, 5, {false, 5, 2}}, // top row beyond the last group
        {{true, 0, -4}, 5, {true, 1, 1}},  // rows below 1
        {{true, 2, 2}, 0, {true, 1, 1}},   // no groups: the one empty row
        {{true, 1, 1}, 1, {true, 1, 1}},
    };
    for (const Case& c : cases) {
        const GroupWindowState got = clampToGroups(c.saved, c.groups);
        EXPECT_EQ(got, c.expected)
            << c.saved.Verkhnyaya_stroka << "/" << c.saved.Vybrannaya_stroka << " of " << c.groups;
    }
}

} // namespace
