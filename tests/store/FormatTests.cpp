#include "store/Binary.h"
#include "store/Cp1251.h"
#include "store/Records.h"
#include "tests/support/TestSupport.h"

#include <bit>
#include <gtest/gtest.h>

using namespace telvo;
using telvo::test::bytes;
using telvo::test::hex;

TEST(Cp1251, EveryByteRoundTripsAndCyrillicMapsToItsBlock) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(toCp1251(fromCp1251(all)), all);

    EXPECT_EQ(fromCp1251(bytes({0xC0, 0xFF, 0xA8, 0xB8, 0xB9})), QStringLiteral("АяЁё№"));
    EXPECT_EQ(hex(toCp1251(QStringLiteral("Кот ёж"))), "ca ee f2 20 b8 e6");
}

TEST(Cp1251, CharactersWithoutAFormBecomeQuestionMarks) {
    EXPECT_EQ(toCp1251(QStringLiteral("ə中")), QByteArray("??"));
    // A character outside the basic plane is one character, so one mark.
    EXPECT_EQ(toCp1251(QString::fromUtf8("a\xF0\x9F\x98\x80"
                                         "b")),
              QByteArray("a?b"));
}

TEST(Cp1251, FoldingCoversLatinAndCyrillicCapitals) {
    const QByteArray upper = toCp1251(QStringLiteral("CATЁЖЯЇІЎ"));
    const QByteArray lower = toCp1251(QStringLiteral("catёжяїіў"));
    for (qsizetype i = 0; i < upper.size(); ++i)
        EXPECT_EQ(foldCp1251(static_cast<unsigned char>(upper[i])),
                  static_cast<unsigned char>(lower[i]))
            << i;
    EXPECT_EQ(foldCp1251('1'), '1');
}

TEST(ShortString, StoresLengthTextAndZerosAndCutsToWidth) {
    char buf[8];
    std::fill(std::begin(buf), std::end(buf), 'z');
    putShortString(buf, 5, QStringLiteral("Да"));
    EXPECT_EQ(hex(QByteArray(buf, 6)), "02 c4 e0 00 00 00");
    EXPECT_EQ(buf[6], 'z') << "wrote past the field";

    putShortString(buf, 5, QStringLiteral("abcdefgh"));
    EXPECT_EQ(QByteArray(buf, 6), QByteArray("\x05"
                                             "abcde"));
    EXPECT_EQ(getShortString(buf, 5), QStringLiteral("abcde"));

    buf[0] = 9; // damaged length byte is clamped to the width
    EXPECT_EQ(getShortString(buf, 5), QStringLiteral("abcde"));
}

TEST(DictRecordFormat, EncodesEveryFieldAtItsOffset) {
    DictRecord r;
    r.Angliyskoe_slovo = QStringLiteral("cat");
    r.Transkriptsiya = QStringLiteral("кэт");
    r.Perevod = QStringLiteral("кошка");
    r.Data_dobavleniya = toDelphiDate(QDate(2021, 3, 5));
    r.Zapreshcheno_k_pokazu = true;
    r.Otmecheno = false;
    const QByteArray b = r.encode();
    ASSERT_EQ(b.size(), 176);
    QByteArray expected(176, '\0');
    expected.replace(0, 4,
                     QByteArray("\x03"
                                "cat"));
    expected.replace(46, 4, bytes({3, 0xEA, 0xFD, 0xF2}));
    expected.replace(97, 6, bytes({5, 0xEA, 0xEE, 0xF8, 0xEA, 0xE0}));
    // 44260.0 as a little-endian IEEE double
    expected.replace(160, 8, bytes({0, 0, 0, 0, 0x80, 0x9C, 0xE5, 0x40}));
    expected[168] = 1;
    EXPECT_EQ(hex(b), hex(expected));

    const DictRecord back = DictRecord::decode(b.constData());
    EXPECT_EQ(back.Angliyskoe_slovo, r.Angliyskoe_slovo);
    EXPECT_EQ(back.Transkriptsiya, r.Transkriptsiya);
    EXPECT_EQ(back.Perevod, r.Perevod);
    EXPECT_EQ(fromDelphiDate(back.Data_dobavleniya), QDate(2021, 3, 5));
    EXPECT_TRUE(back.Zapreshcheno_k_pokazu);
    EXPECT_FALSE(back.Otmecheno);
}

TEST(DictRecordFormat, LongEnglishIsCutTo45Bytes) {
    DictRecord r;
    r.Angliyskoe_slovo = QString(50, QLatin1Char('w'));
    const QByteArray b = r.encode();
    EXPECT_EQ(static_cast<unsigned char>(b[0]), 45);
    EXPECT_EQ(b[46], '\0');
    EXPECT_EQ(DictRecord::decode(b.constData()).Angliyskoe_slovo, QString(45, QLatin1Char('w')));
}

TEST(SmallRecords, RangeAndViewStateBytes) {
    EXPECT_EQ(hex(RangeRecord{}.encode()), "01 00 00 00 01 00 00 00 01 00 00 00 00 00 00 00");
    RangeRecord range{false, 5, 260, true};
    EXPECT_EQ(hex(range.encode()), "00 00 00 00 05 00 00 00 04 01 00 00 01 00 00 00");
    const RangeRecord back = RangeRecord::decode(range.encode().constData());
    EXPECT_EQ(back.Nachalo_diapazona, 5);
    EXPECT_EQ(back.Konets_diapazona, 260);
    EXPECT_TRUE(back.Do_kontsa);

    ViewStateRecord view{true, true, 3, 70000, -1};
    EXPECT_EQ(hex(view.encode()), "01 01 00 00 03 00 00 00 70 11 01 00 ff ff ff ff");
    // Readers take any non-zero byte as true.
    QByteArray raw = view.encode();
    raw[0] = 7;
    EXPECT_TRUE(ViewStateRecord::decode(raw.constData()).translationColumn);
    EXPECT_EQ(ViewStateRecord::decode(raw.constData()).Kolichestvo_povtoreniy, -1);
}

TEST(DelphiDate, DaysSince18991230) {
    EXPECT_EQ(toDelphiDate(QDate(1899, 12, 30)), 0.0);
    EXPECT_EQ(toDelphiDate(QDate(1900, 1, 1)), 2.0);
    EXPECT_EQ(fromDelphiDate(44260.0), QDate(2021, 3, 5));
    EXPECT_FALSE(fromDelphiDate(std::numeric_limits<double>::quiet_NaN()).isValid());
}

// ---- Every field at its place --------------------------------------------------------------
// One row per field: the field gets a value unlike its neighbours and unlike zero, and the
// encoder's bytes are compared with bytes written out here; the same bytes decode to the
// field. Padding holds 0xEE on the way in, so a reader that looks at it shows up.

namespace {

// A 64-bit pattern with eight different non-zero bytes, as a double (about 44100.4 days).
double distinctDate() {
    return std::bit_cast<double>(uint64_t{0x40E5998877665544});
}
const QByteArray kDistinctDateBytes = bytes({0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xE5, 0x40});

struct DictFieldCase {
    const char* name;
    void (*set)(DictRecord&);
    int offset;
    QByteArray fieldBytes;
};

void PrintTo(const DictFieldCase& c, std::ostream* os) {
    *os << c.name;
}

DictRecord dictWith(void (*set)(DictRecord&)) {
    DictRecord r;
    r.Angliyskoe_slovo.clear();
    r.Transkriptsiya.clear();
    r.Perevod.clear();
    r.Data_dobavleniya = 0;
    r.Zapreshcheno_k_pokazu = r.Otmecheno = false;
    set(r);
    return r;
}

void expectSameRecord(const DictRecord& got, const DictRecord& want) {
    EXPECT_EQ(got.Angliyskoe_slovo, want.Angliyskoe_slovo);
    EXPECT_EQ(got.Transkriptsiya, want.Transkriptsiya);
    EXPECT_EQ(got.Perevod, want.Perevod);
    EXPECT_EQ(std::bit_cast<uint64_t>(got.Data_dobavleniya),
              std::bit_cast<uint64_t>(want.Data_dobavleniya));
    EXPECT_EQ(got.Zapreshcheno_k_pokazu, want.Zapreshcheno_k_pokazu);
    EXPECT_EQ(got.Otmecheno, want.Otmecheno);
}

// Offsets of the dictionary record's padding: 158-159 and 170-175.
QByteArray withPadding(QByteArray record, char filler) {
    for (int i : {158, 159, 170, 171, 172, 173, 174, 175})
        record[i] = filler;
    return record;
}

class DictRecordField : public ::testing::TestWithParam<DictFieldCase> {};

} // namespace

TEST_P(DictRecordField, EncodesAndDecodesAtItsOffset) {
    const DictFieldCase& c = GetParam();
    QByteArray expected(176, '\0');
    expected.replace(c.offset, c.fieldBytes.size(), c.fieldBytes);
    const DictRecord record = dictWith(c.set);
    EXPECT_EQ(hex(record.encode()), hex(expected));
    expectSameRecord(DictRecord::decode(withPadding(expected, '\xEE').constData()), record);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, DictRecordField,
    ::testing::Values(
        DictFieldCase{"english", [](DictRecord& r) { r.Angliyskoe_slovo = QStringLiteral("cab"); },
                      0, bytes({3, 'c', 'a', 'b'})},
        DictFieldCase{"englishFullWidth",
                      [](DictRecord& r) { r.Angliyskoe_slovo = QString(45, QLatin1Char('E')); }, 0,
                      bytes({45}) + QByteArray(45, 'E')},
        DictFieldCase{"transcription",
                      [](DictRecord& r) { r.Transkriptsiya = QStringLiteral("кэб"); }, 46,
                      bytes({3, 0xEA, 0xFD, 0xE1})},
        DictFieldCase{"transcriptionFullWidth",
                      [](DictRecord& r) { r.Transkriptsiya = QString(50, QChar(0x0442)); }, 46,
                      bytes({50}) + QByteArray(50, '\xF2')},
        DictFieldCase{"translation", [](DictRecord& r) { r.Perevod = QStringLiteral("такси"); }, 97,
                      bytes({5, 0xF2, 0xE0, 0xEA, 0xF1, 0xE8})},
        DictFieldCase{"translationFullWidth",
                      [](DictRecord& r) { r.Perevod = QString(60, QChar(0x043F)); }, 97,
                      bytes({60}) + QByteArray(60, '\xEF')},
        DictFieldCase{"date", [](DictRecord& r) { r.Data_dobavleniya = distinctDate(); }, 160,
                      kDistinctDateBytes},
        DictFieldCase{"wholeDay", [](DictRecord& r) { r.Data_dobavleniya = 44260; }, 160,
                      bytes({0, 0, 0, 0, 0x80, 0x9C, 0xE5, 0x40})},
        DictFieldCase{"excluded", [](DictRecord& r) { r.Zapreshcheno_k_pokazu = true; }, 168,
                      bytes({1})},
        DictFieldCase{"marked", [](DictRecord& r) { r.Otmecheno = true; }, 169, bytes({1})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DictRecordLayout, TextsOneLongerThanTheirFieldsAreCut) {
    DictRecord r;
    r.Angliyskoe_slovo = QString(46, QLatin1Char('E'));
    r.Transkriptsiya = QString(51, QChar(0x0442));
    r.Perevod = QString(61, QChar(0x043F));
    QByteArray expected(176, '\0');
    expected.replace(0, 46, bytes({45}) + QByteArray(45, 'E'));
    expected.replace(46, 51, bytes({50}) + QByteArray(50, '\xF2'));
    expected.replace(97, 61, bytes({60}) + QByteArray(60, '\xEF'));
    EXPECT_EQ(hex(r.encode()), hex(expected));
    const DictRecord back = DictRecord::decode(expected.constData());
    EXPECT_EQ(back.Angliyskoe_slovo, QString(45, QLatin1Char('E')));
    EXPECT_EQ(back.Transkriptsiya, QString(50, QChar(0x0442)));
    EXPECT_EQ(back.Perevod, QString(60, QChar(0x043F)));
}

TEST(DictRecordLayout, AllFieldsTogether) {
    DictRecord r;
    r.Angliyskoe_slovo = QStringLiteral("cab");
    r.Transkriptsiya = QStringLiteral("кэб");
    r.Perevod = QStringLiteral("такси");
    r.Data_dobavleniya = distinctDate();
    r.Zapreshcheno_k_pokazu = true;
    r.Otmecheno = true;
    QByteArray expected(176, '\0');
    expected.replace(0, 4, bytes({3, 'c', 'a', 'b'}));
    expected.replace(46, 4, bytes({3, 0xEA, 0xFD, 0xE1}));
    expected.replace(97, 6, bytes({5, 0xF2, 0xE0, 0xEA, 0xF1, 0xE8}));
    expected.replace(160, 8, kDistinctDateBytes);
    expected[168] = 1;
    expected[169] = 1;
    EXPECT_EQ(hex(r.encode()), hex(expected));
    expectSameRecord(DictRecord::decode(withPadding(expected, '\xEE').constData()), r);

    // Each flag alone: the excluded byte does not read as marked, nor the other way round.
    QByteArray onlyMarked(176, '\0');
    onlyMarked[169] = 1;
    EXPECT_FALSE(DictRecord::decode(onlyMarked.constData()).Zapreshcheno_k_pokazu);
    EXPECT_TRUE(DictRecord::decode(onlyMarked.constData()).Otmecheno);
    QByteArray onlyExcluded(176, '\0');
    onlyExcluded[168] = 1;
    EXPECT_TRUE(DictRecord::decode(onlyExcluded.constData()).Zapreshcheno_k_pokazu);
    EXPECT_FALSE(DictRecord::decode(onlyExcluded.constData()).Otmecheno);
}

namespace {

// The two 16-byte records: a field name, the field's bytes at their offset, and a check of the
// decoded value. Every row starts from an all-zero record.
struct SmallFieldCase {
    const char* name;
    int offset;
    QByteArray fieldBytes;
};

void PrintTo(const SmallFieldCase& c, std::ostream* os) {
    *os << c.name;
}

RangeRecord zeroRange() {
    return RangeRecord{false, 0, 0, false};
}
ViewStateRecord zeroView() {
    return ViewStateRecord{false, false, 0, 0, 0};
}

RangeRecord rangeFor(const std::string& field) {
    RangeRecord r = zeroRange();
    if (field == "whole")
        r.Vse_slova_slovarya = true;
    else if (field == "start")
        r.Nachalo_diapazona = 0x01020304;
    else if (field == "end")
        r.Konets_diapazona = 0x05060708;
    else if (field == "toEnd")
        r.Do_kontsa = true;
    else if (field == "negativeEnd")
        r.Konets_diapazona = -2;
    return r;
}

ViewStateRecord viewFor(const std::string& field) {
    ViewStateRecord r = zeroView();
    if (field == "translationColumn")
        r.translationColumn = true;
    else if (field == "forgottenOnly")
        r.forgottenOnly = true;
    else if (field == "topRow")
        r.topRow = 0x0A0B0C0D;
    else if (field == "selectedRow")
        r.selectedRow = 0x11121314;
    else if (field == "repetitions")
        r.Kolichestvo_povtoreniy = 0x21222324;
    return r;
}

QByteArray sixteen(const SmallFieldCase& c) {
    QByteArray out(16, '\0');
    out.replace(c.offset, c.fieldBytes.size(), c.fieldBytes);
    return out;
}

class RangeRecordField : public ::testing::TestWithParam<SmallFieldCase> {};
class ViewStateField : public ::testing::TestWithParam<SmallFieldCase> {};

} // namespace

TEST_P(RangeRecordField, EncodesAndDecodesAtItsOffset) {
    const SmallFieldCase& c = GetParam();
    const RangeRecord r = rangeFor(c.name);
    EXPECT_EQ(hex(r.encode()), hex(sixteen(c)));
    // The unused bytes 1-3 and 13-15 are ignored by the reader.
    QByteArray raw = sixteen(c);
    for (int i : {1, 2, 3, 13, 14, 15})
        raw[i] = '\xEE';
    const RangeRecord back = RangeRecord::decode(raw.constData());
    EXPECT_EQ(back.Vse_slova_slovarya, r.Vse_slova_slovarya);
    EXPECT_EQ(back.Nachalo_diapazona, r.Nachalo_diapazona);
    EXPECT_EQ(back.Konets_diapazona, r.Konets_diapazona);
    EXPECT_EQ(back.Do_kontsa, r.Do_kontsa);
}

INSTANTIATE_TEST_SUITE_P(Fields, RangeRecordField,
                         ::testing::Values(SmallFieldCase{"whole", 0, bytes({1})},
                                           SmallFieldCase{"start", 4, bytes({4, 3, 2, 1})},
                                           SmallFieldCase{"end", 8, bytes({8, 7, 6, 5})},
                                           SmallFieldCase{"toEnd", 12, bytes({1})},
                                           SmallFieldCase{"negativeEnd", 8,
                                                          bytes({0xFE, 0xFF, 0xFF, 0xFF})}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(ViewStateField, EncodesAndDecodesAtItsOffset) {
    const SmallFieldCase& c = GetParam();
    const ViewStateRecord r = viewFor(c.name);
    EXPECT_EQ(hex(r.encode()), hex(sixteen(c)));
    QByteArray raw = sixteen(c);
    raw[2] = raw[3] = '\xEE'; // padding
    const ViewStateRecord back = ViewStateRecord::decode(raw.constData());
    EXPECT_EQ(back.translationColumn, r.translationColumn);
    EXPECT_EQ(back.forgottenOnly, r.forgottenOnly);
    EXPECT_EQ(back.topRow, r.topRow);
    EXPECT_EQ(back.selectedRow, r.selectedRow);
    EXPECT_EQ(back.Kolichestvo_povtoreniy, r.Kolichestvo_povtoreniy);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ViewStateField,
    ::testing::Values(SmallFieldCase{"translationColumn", 0, bytes({1})},
                      SmallFieldCase{"forgottenOnly", 1, bytes({1})},
                      SmallFieldCase{"topRow", 4, bytes({0x0D, 0x0C, 0x0B, 0x0A})},
                      SmallFieldCase{"selectedRow", 8, bytes({0x14, 0x13, 0x12, 0x11})},
                      SmallFieldCase{"repetitions", 12, bytes({0x24, 0x23, 0x22, 0x21})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SmallRecords, AllFieldsTogether) {
    const RangeRecord range{true, 0x01020304, 0x05060708, true};
    EXPECT_EQ(hex(range.encode()), "01 00 00 00 04 03 02 01 08 07 06 05 01 00 00 00");
    const ViewStateRecord view{true, true, 0x0A0B0C0D, 0x11121314, 0x21222324};
    EXPECT_EQ(hex(view.encode()), "01 01 00 00 0d 0c 0b 0a 14 13 12 11 24 23 22 21");
    // The test fixtures' own hand-made records agree with these bytes.
    EXPECT_EQ(hex(test::rangeRecordLiteral(true, 0x01020304, 0x05060708, true)),
              hex(range.encode()));
    EXPECT_EQ(hex(test::viewStateLiteral(true, true, 0x0A0B0C0D, 0x11121314, 0x21222324)),
              hex(view.encode()));
    QByteArray dict(176, '\0');
    dict.replace(0, 4, bytes({3, 'c', 'a', 'b'}));
    dict.replace(46, 4, bytes({3, 0xEA, 0xFD, 0xE1}));
    dict.replace(97, 6, bytes({5, 0xF2, 0xE0, 0xEA, 0xF1, 0xE8}));
    dict.replace(160, 8, bytes({0, 0, 0, 0, 0x80, 0x9C, 0xE5, 0x40}));
    dict[168] = 1;
    dict[169] = 1;
    EXPECT_EQ(hex(test::dictRecordLiteral(u"cab", u"кэб", u"такси",
                                          test::daysSince18991230(QDate(2021, 3, 5)), true, true)),
              hex(dict));
}
