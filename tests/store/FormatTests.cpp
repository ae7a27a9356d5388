#include "store/Binary.h"
#include "store/Cp1251.h"
#include "store/Records.h"
#include "tests/support/TestSupport.h"

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
