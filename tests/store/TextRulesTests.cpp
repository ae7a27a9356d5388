#include "store/Binary.h"
#include "store/Cp1251.h"
#include "store/Records.h"
#include "store/TextRules.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <gtest/gtest.h>

using namespace telvo;
using telvo::test::writeFile;

namespace {

QByteArray recordOf(const QString& english) {
    return test::dictRecordLiteral(english, u"", u"", test::daysSince18991230(QDate(2021, 3, 5)));
}

QByteArray dictionaryOf(const QStringList& words) {
    QByteArray out;
    for (const QString& w : words)
        out += recordOf(w);
    return out;
}

class DataFolderTest : public ::testing::Test, protected telvo::test::DataFolderState {};

// ---- normalisation ----

struct NormCase {
    const char* name;
    QString typed;
    QString collapsed;  // after Udalenie_lishnikh_probelov
    QString normalised; // after normalizeField
};

class NormalisationTest : public ::testing::TestWithParam<NormCase> {};

TEST_P(NormalisationTest, CollapsesBlanksThenTrims) {
    const NormCase& c = GetParam();
    EXPECT_EQ(Udalenie_lishnikh_probelov(c.typed), c.collapsed);
    EXPECT_EQ(normalizeField(c.typed), c.normalised);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NormalisationTest,
    ::testing::Values(NormCase{"RunsOfThreeAndFour", "one   two    three", "one two three",
                               "one two three"},
                      NormCase{"TwoBlanksAround", "  word  ", " word ", "word"},
                      NormCase{"LongRunAround", "       a b       ", " a b ", "a b"},
                      NormCase{"OnlyBlanks", "     ", " ", ""}, NormCase{"OneBlank", " ", " ", ""},
                      NormCase{"Empty", "", "", ""},
                      NormCase{"TabInsideKept", "a\tb", "a\tb", "a\tb"},
                      NormCase{"BlanksAroundTabCollapseSeparately", "a  \t  b", "a \t b", "a \t b"},
                      NormCase{"TabsAtEndsTrimmed", "\tword\t", "\tword\t", "word"},
                      NormCase{"ControlCharsAtEndsTrimmed", QString("\x01\x1f  x  \r\n"),
                               QString("\x01\x1f x \r\n"), "x"},
                      // Only code 32 counts as a blank: a no-break space is text.
                      NormCase{"NoBreakSpaceIsText", QString("a\u00A0\u00A0b\u00A0"),
                               QString("a\u00A0\u00A0b\u00A0"), QString("a\u00A0\u00A0b\u00A0")},
                      NormCase{"Cyrillic", "  кот   и  пёс ", " кот и пёс ", "кот и пёс"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- characters the files cannot hold ----

struct UnstorableCase {
    const char* name;
    QString text;
    QStringList characters;
};

class UnstorableTest : public ::testing::TestWithParam<UnstorableCase> {};

TEST_P(UnstorableTest, ListsEachCharacterWithoutAWindows1251FormOnce) {
    EXPECT_EQ(charactersWithoutCp1251(GetParam().text), GetParam().characters);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnstorableTest,
    ::testing::Values(
        UnstorableCase{"Latin", "naive cat?", {}},
        UnstorableCase{"Diaeresis", QString::fromUtf8("na\u00efve"), {QString::fromUtf8("\u00ef")}},
        UnstorableCase{"CjkOnceEachInOrder",
                       QString::fromUtf8("\u65e5\u672c\u65e5"),
                       {QString::fromUtf8("\u65e5"), QString::fromUtf8("\u672c")}},
        // The Cyrillic letters, ё and Ё, № and the euro sign are all in the code page.
        UnstorableCase{
            "CodePageSigns", QString::fromUtf8("кот ЁЖ ё \u2116 \u20ac \u2013 \u00a0"), {}},
        UnstorableCase{"Ukrainian", QString::fromUtf8("\u0457\u0491"), {}},
        UnstorableCase{"OutsideTheBasicPlaneIsOneCharacter",
                       QString::fromUtf8("a\U0001F600b\U0001F600"),
                       {QString::fromUtf8("\U0001F600")}},
        UnstorableCase{"LoneSurrogate", QString(QChar(0xD800)), {QString(QChar(0xD800))}},
        UnstorableCase{"ControlsAreBytes", QString("a\tb\n"), {}}, UnstorableCase{"Empty", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UnstorableRefusal, NamesTheFieldAndEachCharacterWithItsCode) {
    EXPECT_EQ(unstorableCharactersRefusal(QString::fromUtf8("Поле с переводом"),
                                          QString::fromUtf8("\u65e5\u672c na\u00efve \u65e5")),
              QString::fromUtf8("Поле с переводом содержит символы, которые нельзя сохранить в "
                                "словаре: «\u65e5» (U+65E5), «\u672c» (U+672C), «\u00ef» "
                                "(U+00EF). Замените или удалите их."));
    EXPECT_EQ(unstorableCharactersRefusal(QString::fromUtf8("Поле с переводом"),
                                          QString::fromUtf8("a\U0001F600")),
              QString::fromUtf8("Поле с переводом содержит символы, которые нельзя сохранить в "
                                "словаре: «\U0001F600» (U+1F600). Замените или удалите их."));
    EXPECT_EQ(unstorableCharactersRefusal(QString::fromUtf8("Поле с переводом"),
                                          QString::fromUtf8("кошка")),
              QString());
}

TEST(ControlsToBlanks, EveryControlCharacterBecomesABlank) {
    EXPECT_EQ(controlsToBlanks(QString::fromUtf8("cat\tdog\r\nfox\x01\x1f\x7f\u0085\u009f end")),
              QString::fromUtf8("cat dog  fox      end"));
    // Blanks and other characters stay as they are; the caller then normalises.
    EXPECT_EQ(controlsToBlanks(QString::fromUtf8("a  \u00a0 ё")), QString::fromUtf8("a  \u00a0 ё"));
    EXPECT_EQ(normalizeField(controlsToBlanks(QString::fromUtf8("\tcat\t\tdog\n"))),
              QString::fromUtf8("cat dog"));
}

// ---- duplicate check ----

enum class Mode { None, Add, Insert, Edit };

struct DupCase {
    const char* name;
    Mode mode;
    int editedRecord; // Nomer_tekushchey_zapisi in edit mode
    QString word;
    bool duplicate;
};

class DuplicateTest : public DataFolderTest, public ::testing::WithParamInterface<DupCase> {};

TEST_P(DuplicateTest, AgainstASmallDictionary) {
    const DupCase& c = GetParam();
    writeFile(g.puti.vocabulary,
              dictionaryOf({"apple", "cat", "house", "  Moon  ", "кот", "table", "dog", "Ёж"}));
    g.Rezhim_dobavleniya = c.mode == Mode::Add;
    g.Rezhim_vstavki = c.mode == Mode::Insert;
    g.Rezhim_izmeneniya = c.mode == Mode::Edit;
    g.Nomer_tekushchey_zapisi = c.editedRecord;
    EXPECT_EQ(Proverka_novogo_slova_na_sovpadenie(g, c.word), c.duplicate);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DuplicateTest,
    ::testing::Values(DupCase{"AddCapitalised", Mode::Add, 0, "Cat", true},
                      DupCase{"AddSame", Mode::Add, 0, "cat", true},
                      DupCase{"AddUpperWithBlanks", Mode::Add, 0, "  CAT  ", true},
                      DupCase{"AddPlural", Mode::Add, 0, "cats", false},
                      DupCase{"AddPrefix", Mode::Add, 0, "ca", false},
                      DupCase{"StoredWithBlanks", Mode::Add, 0, "moon", true},
                      DupCase{"CyrillicCapital", Mode::Add, 0, "Кот", true},
                      DupCase{"CyrillicAllCaps", Mode::Add, 0, "КОТ", true},
                      DupCase{"CyrillicYo", Mode::Add, 0, "ёж", true},
                      DupCase{"CyrillicOther", Mode::Add, 0, "кит", false},
                      DupCase{"InsertCapitalised", Mode::Insert, 0, "Cat", true},
                      DupCase{"NoModeSet", Mode::None, 0, "cat", false},
                      DupCase{"EditRecordToItsOwnWord", Mode::Edit, 7, "Dog", false},
                      DupCase{"EditRecordToAnothersWord", Mode::Edit, 7, "house", true},
                      DupCase{"EditOtherRecordToDog", Mode::Edit, 3, "DOG", true},
                      DupCase{"EditToNewWord", Mode::Edit, 7, "wolf", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DataFolderTest, DuplicateFoundPastTheFirstReadSlice) {
    // Long enough that the file is read in several slices; the match sits after the first.
    QStringList words;
    for (int i = 1; i <= 20000; ++i)
        words << QStringLiteral("w%1").arg(i);
    words[16999] = QStringLiteral("Rare"); // record 17000
    writeFile(g.puti.vocabulary, dictionaryOf(words));

    g.Rezhim_dobavleniya = true;
    EXPECT_TRUE(Proverka_novogo_slova_na_sovpadenie(g, "rare"));
    EXPECT_TRUE(Proverka_novogo_slova_na_sovpadenie(g, "W20000"));
    EXPECT_FALSE(Proverka_novogo_slova_na_sovpadenie(g, "w20001"));

    g.Rezhim_dobavleniya = false;
    g.Rezhim_izmeneniya = true;
    g.Nomer_tekushchey_zapisi = 17000;
    EXPECT_FALSE(Proverka_novogo_slova_na_sovpadenie(g, "RARE"));
    g.Nomer_tekushchey_zapisi = 16999;
    EXPECT_TRUE(Proverka_novogo_slova_na_sovpadenie(g, "RARE"));
}

TEST_F(DataFolderTest, WithTwoEqualRecordsTheLaterOneIsTheMatch) {
    // A dictionary brought in from elsewhere may already hold a word twice (records 2 and 5).
    writeFile(g.puti.vocabulary, dictionaryOf({"cat", "dog", "fox", "owl", "DOG"}));
    g.Rezhim_izmeneniya = true;
    g.Nomer_tekushchey_zapisi = 5;
    EXPECT_FALSE(Proverka_novogo_slova_na_sovpadenie(g, "Dog"));
    g.Nomer_tekushchey_zapisi = 2;
    EXPECT_TRUE(Proverka_novogo_slova_na_sovpadenie(g, "Dog"));
}

TEST_F(DataFolderTest, DuplicateCheckReportsAMissingDictionaryUnderItsName) {
    g.Rezhim_dobavleniya = true;
    EXPECT_TRUE(telvo::test::reportedAs(
        telvo::test::reportOf([&] { Proverka_novogo_slova_na_sovpadenie(g, "cat"); }),
        "Проверка_нового_слова_на_совпадение"));
}

// ---- modification date ----

struct DateCase {
    QLocale locale;
    const char* expectedDate;
};

class ModificationDateTest : public DataFolderTest, public ::testing::WithParamInterface<DateCase> {
protected:
    ~ModificationDateTest() override { QLocale::setDefault(QLocale::c()); }
};

TEST_P(ModificationDateTest, ShortDateOfTheLocale) {
    writeFile(g.puti.vocabulary, dictionaryOf({"cat"}));
    {
        QFile f(g.puti.vocabulary);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(QDateTime(QDate(2021, 3, 5), QTime(12, 0)),
                                  QFileDevice::FileModificationTime));
    }
    QLocale::setDefault(GetParam().locale);
    EXPECT_EQ(Data_izmeneniya_slovarya(g),
              QStringLiteral("  Дата изменения словаря: ") + GetParam().expectedDate);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, ModificationDateTest,
    ::testing::Values(DateCase{QLocale(QLocale::Russian, QLocale::Russia), "05.03.2021"},
                      DateCase{QLocale(QLocale::German, QLocale::Germany), "05.03.21"},
                      DateCase{QLocale(QLocale::English, QLocale::UnitedStates), "3/5/21"}),
    [](const auto& info) { return info.param.locale.name().toStdString(); });

TEST_F(DataFolderTest, ModificationDateOfAMissingFileIsLeftOut) {
    EXPECT_EQ(Data_izmeneniya_slovarya(g), QStringLiteral("  Дата изменения словаря: "));
}

} // namespace
