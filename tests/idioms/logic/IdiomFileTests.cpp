#include "idioms/logic/IdiomFile.h"
#include "idioms/logic/IdiomMarks.h"
#include "store/Range.h"
#include "tests/idioms/logic/IdiomFixture.h"

#include <QFile>

namespace telvo::test {
namespace {

const QDate kToday(2024, 6, 1);

class IdiomFileTest : public IdiomFixture {};

TEST_F(IdiomFileTest, RecordFieldsLieWhereTheFileHasThem) {
    IdiomRecord r;
    r.Zapreshcheno_k_pokazu = true;
    r.Idioma = QStringLiteral("give up");
    r.Perevod = QStringLiteral("сдаваться");
    r.Zabyta = true;
    r.Data_dobavleniya = daysSince18991230(kToday);
    r.Otmechena = true;
    const Idiom expected{"give up", "сдаваться", kToday, true, true, true};
    EXPECT_EQ(hex(r.encode()), hex(idiomLiteral(expected)));
    const IdiomRecord back = IdiomRecord::decode(idiomLiteral(expected).constData());
    EXPECT_EQ(back.Idioma, r.Idioma);
    EXPECT_EQ(back.Perevod, r.Perevod);
    EXPECT_TRUE(back.Zapreshcheno_k_pokazu && back.Zabyta && back.Otmechena);
    EXPECT_EQ(back.Data_dobavleniya, r.Data_dobavleniya);
}

TEST_F(IdiomFileTest, TextsAreCutAtTheirWidths) {
    struct Case {
        QString text, translation;
        QString storedText, storedTranslation;
    } cases[] = {
        {QString(66, u'a'), QString(65, u'я'), QString(66, u'a'), QString(65, u'я')},
        {QString(67, u'b'), QString(66, u'ж'), QString(66, u'b'), QString(65, u'ж')},
        {QString(100, u'Ё'), QString(), QString(66, u'Ё'), QString()},
    };
    for (const Case& c : cases) {
        writeIdioms({});
        addIdiom(g, {c.text, c.translation}, kToday);
        EXPECT_EQ(hex(file()), hex(idiomLiteral({c.storedText, c.storedTranslation, kToday})));
    }
}

TEST_F(IdiomFileTest, DamagedRecordsOpenAndLoseNothingWhole) {
    // A length byte beyond its field reads as the whole field; a partial last record is not an
    // idiom, and the next add takes its place.
    QByteArray damaged = idiomLiteral({"first"});
    damaged[1] = char(200);
    damaged[68] = char(99);
    writeFile(g.puti.idiom, damaged + idiomLiteral({"second"}) + QByteArray(50, 'z'));
    EXPECT_EQ(Otobrazhenie_kolichestva_zapisey_idiom(g), QStringLiteral("  Идиом = 2 (2)"));
    const ShownRows rows = shownIdiomRows(g);
    ASSERT_EQ(rows.rows(), 2);
    EXPECT_EQ(rows.english(1), QStringLiteral("second"));
    EXPECT_EQ(rows.english(2).size(), 66);
    EXPECT_EQ(rows.translation(2).size(), 65);
    addIdiom(g, {"third", ""}, kToday);
    EXPECT_EQ(file().size(), 3 * 152);
    EXPECT_EQ(file().mid(152, 152), idiomLiteral({"second"}));
}

TEST_F(IdiomFileTest, FirstShowingCreatesTheFiles) {
    Nalichie_bazy_idiom(g);
    EXPECT_EQ(file(), QByteArray());
    EXPECT_EQ(hex(rangeFile()), hex(bytes({1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0})));
}

TEST_F(IdiomFileTest, RangeFileFollowsTheViewStateFile) {
    const QByteArray stored = rangeRecordLiteral(false, 2, 3, true);
    struct Case {
        bool startFile, rangeFile;
        QByteArray expected;
    } cases[] = {
        // Idioms but no view state: the range no longer belongs to them.
        {false, true, rangeRecordLiteral(true, 1, 1, false)},
        {true, true, stored},
        {true, false, rangeRecordLiteral(true, 1, 1, false)},
    };
    for (const Case& c : cases) {
        writeIdioms(numbered(5));
        QFile::remove(g.puti.startIdiom);
        QFile::remove(g.puti.idiomUpragneniy);
        if (c.startFile)
            writeFile(g.puti.startIdiom, viewStateLiteral(true, false, 1, 1, 0));
        if (c.rangeFile)
            writeFile(g.puti.idiomUpragneniy, stored);
        Nalichie_bazy_idiom(g);
        EXPECT_EQ(hex(rangeFile()), hex(c.expected));
        EXPECT_EQ(file().size(), 5 * 152);
    }
}

TEST_F(IdiomFileTest, CountTextShowsTheIdiomsNotExcluded) {
    auto idioms = numbered(5);
    idioms[1].excluded = idioms[3].excluded = true;
    writeIdioms(idioms);
    EXPECT_EQ(Otobrazhenie_kolichestva_zapisey_idiom(g), QStringLiteral("  Идиом = 5 (3)"));
    EXPECT_EQ(g.Kolichestvo_idiom, 5);
    EXPECT_EQ(g.Kolichestvo_razreshennykh_k_pokazu_idiom, 3);
}

TEST_F(IdiomFileTest, StoredRangeIsReadAndMended) {
    struct Case {
        QByteArray stored;
        bool whole;
        int start, end;
    } cases[] = {
        {rangeRecordLiteral(false, 2, 3, false), false, 2, 3},
        {rangeRecordLiteral(true, 7, 9, false), true, 1, 5},
        {rangeRecordLiteral(false, 2, 9, false), false, 2, 5},
        {rangeRecordLiteral(false, 0, 3, false), true, 1, 5},
        {rangeRecordLiteral(false, 4, 3, false), true, 1, 5},
    };
    for (const Case& c : cases) {
        writeIdioms(numbered(5));
        writeFile(g.puti.idiomUpragneniy, c.stored);
        Chtenie_diapazona_s_idiomami(g);
        EXPECT_EQ(g.Vse_idiomy_slovarya, c.whole);
        EXPECT_EQ(g.Nachalo_diapazona_idiom, c.start);
        EXPECT_EQ(g.Konets_diapazona_idiom, c.end);
    }
}

TEST_F(IdiomFileTest, AddAppendsAndKeepsTheRangeInStep) {
    struct Case {
        bool whole;
        int start, end;
        bool toEnd;
        int newStart, newEnd;
    } cases[] = {
        {false, 2, 3, false, 2, 3},
        {false, 2, 5, true, 2, 6},
        {true, 1, 5, false, 1, 6},
    };
    for (const Case& c : cases) {
        writeIdioms(numbered(5));
        setRange(c.whole, c.start, c.end, c.toEnd);
        const QByteArray before = file();
        addIdiom(g, {"new one", "новая"}, kToday);
        EXPECT_EQ(hex(file()), hex(before + idiomLiteral({"new one", "новая", kToday})));
        EXPECT_EQ(g.Kolichestvo_idiom, 6);
        EXPECT_TRUE(g.Idioma_dobavlena);
        EXPECT_EQ(hex(rangeFile()),
                  hex(rangeRecordLiteral(c.whole, c.newStart, c.newEnd, c.toEnd)));
    }
}

TEST_F(IdiomFileTest, AddToEmptyFileMakesIdiomOne) {
    Nalichie_bazy_idiom(g);
    Otobrazhenie_kolichestva_zapisey_idiom(g);
    Chtenie_diapazona_s_idiomami(g);
    addIdiom(g, {"break the ice", "растопить лёд"}, kToday);
    EXPECT_EQ(hex(file()), hex(idiomLiteral({"break the ice", "растопить лёд", kToday})));
    EXPECT_EQ(hex(rangeFile()), hex(rangeRecordLiteral(true, 1, 1, false)));
}

TEST_F(IdiomFileTest, InsertPutsTheIdiomAtItsPlaceWithTheFlagsMoving) {
    auto idioms = numbered(3);
    idioms[0].forgotten = true;
    idioms[0].marked = true;
    idioms[2].excluded = true;
    const Idiom fresh{"fresh", "свежая", kToday};
    for (int p = 0; p <= 3; ++p) {
        writeIdioms(idioms);
        insertIdiom(g, p, {fresh.text, fresh.translation}, kToday);
        QByteArray expected;
        for (int i = 0; i < 3; ++i) {
            if (i == p)
                expected += idiomLiteral(fresh);
            expected += idiomLiteral(idioms[i]);
        }
        if (p == 3)
            expected += idiomLiteral(fresh);
        EXPECT_EQ(hex(file()), hex(expected)) << "p = " << p;
        EXPECT_FALSE(exists(g.puti.idiomNew));
        EXPECT_EQ(g.Kolichestvo_idiom, 4);
        EXPECT_TRUE(g.Idioma_vstavlena);
    }
}

TEST_F(IdiomFileTest, InsertAtTheEndRemovesALeftOverCopy) {
    writeIdioms(numbered(2));
    writeFile(g.puti.idiomNew, "left over");
    insertIdiom(g, 2, {"last", ""}, kToday);
    EXPECT_FALSE(exists(g.puti.idiomNew));
    EXPECT_EQ(file().size(), 3 * 152);
}

TEST_F(IdiomFileTest, InsertMovesAFixedRange) {
    struct Case {
        int p, start, end;
    } cases[] = {{0, 3, 4}, {1, 3, 4}, {2, 2, 4}, {3, 2, 3}, {5, 2, 3}};
    for (const Case& c : cases) {
        writeIdioms(numbered(5));
        setRange(false, 2, 3, false);
        insertIdiom(g, c.p, {"x", ""}, kToday);
        EXPECT_EQ(g.Nachalo_diapazona_idiom, c.start) << "p = " << c.p;
        EXPECT_EQ(g.Konets_diapazona_idiom, c.end) << "p = " << c.p;
        EXPECT_EQ(hex(rangeFile()), hex(rangeRecordLiteral(false, c.start, c.end, false)));
    }
}

TEST_F(IdiomFileTest, EditKeepsDateAndFlagsAndGivesBackTheStoredTexts) {
    auto idioms = numbered(3);
    idioms[1] = {"old", "старый", QDate(2020, 1, 2), true, true, true};
    writeIdioms(idioms);
    const IdiomTexts stored = editIdiom(g, 2, {QString(70, u'q'), QStringLiteral("новый")});
    EXPECT_EQ(stored.Idioma, QString(66, u'q'));
    EXPECT_EQ(g.Izmenennaya_idioma, QString(66, u'q'));
    EXPECT_EQ(g.Izmenennyy_perevod_idiomy, QStringLiteral("новый"));
    EXPECT_TRUE(g.Idioma_izmenena);
    idioms[1].text = QString(66, u'q');
    idioms[1].translation = QStringLiteral("новый");
    QByteArray expected;
    for (const Idiom& i : idioms)
        expected += idiomLiteral(i);
    EXPECT_EQ(hex(file()), hex(expected));
}

TEST_F(IdiomFileTest, DeleteRemovesOneIdiomAndKeepsTheRangeInStep) {
    struct Case {
        bool whole;
        int start, end;
        bool toEnd;
        int n;
        bool newWhole;
        int newStart, newEnd;
    } cases[] = {
        {false, 2, 3, false, 1, false, 1, 2}, {false, 2, 3, false, 2, false, 2, 2},
        {false, 2, 3, false, 5, false, 2, 3}, {false, 2, 2, false, 2, true, 1, 4},
        {false, 3, 5, true, 1, false, 2, 4},  {true, 1, 5, false, 3, true, 1, 4},
    };
    for (const Case& c : cases) {
        auto idioms = numbered(5);
        writeIdioms(idioms);
        setRange(c.whole, c.start, c.end, c.toEnd);
        deleteIdiom(g, c.n);
        idioms.erase(idioms.begin() + (c.n - 1));
        QByteArray expected;
        for (const Idiom& i : idioms)
            expected += idiomLiteral(i);
        EXPECT_EQ(hex(file()), hex(expected)) << "n = " << c.n;
        EXPECT_EQ(hex(rangeFile()), hex(rangeRecordLiteral(c.newWhole, c.newStart, c.newEnd,
                                                           c.newWhole ? false : c.toEnd)))
            << "n = " << c.n;
        EXPECT_FALSE(exists(g.puti.idiomNew));
        EXPECT_EQ(g.Kolichestvo_idiom, 4);
    }
}

TEST_F(IdiomFileTest, DeleteOfTheOnlyIdiomLeavesAnEmptyFile) {
    writeIdioms(numbered(1));
    deleteIdiom(g, 1);
    EXPECT_EQ(file(), QByteArray());
    EXPECT_EQ(g.Kolichestvo_idiom, 0);
    EXPECT_TRUE(g.Idioma_udalena);
}

TEST_F(IdiomFileTest, RangeDialogChecksRefuseAStartBelowOne) {
    struct Case {
        QString start, end;
        bool ok;
        QString error;
        bool focusStart;
    } cases[] = {
        {"", "3", false, "Поле ввода начального номера не может быть пустым.", true},
        {"1", "", false, "Поле ввода конечного номера не может быть пустым.", false},
        {"1", "6", false, "Конечный номер не может быть больше чем количество записей в словаре.",
         false},
        {"4", "3", false, "Начальный номер не может быть больше конечного.", true},
        {"0", "0", false, "Начальный номер не может быть меньше единицы.", true},
        {"0", "3", false, "Начальный номер не может быть меньше единицы.", true},
        {"2", "5", true, "", true},
    };
    for (const Case& c : cases) {
        const RangeFieldsCheck check = checkRangeFields(c.start, c.end, 5);
        EXPECT_EQ(check.ok, c.ok) << c.start.toStdString() << "-" << c.end.toStdString();
        EXPECT_EQ(check.error, c.error);
        if (!c.ok) {
            EXPECT_EQ(check.focusStart, c.focusStart);
        }
    }
}

} // namespace
} // namespace telvo::test
