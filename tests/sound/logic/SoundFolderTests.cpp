#include "sound/logic/SoundFolder.h"

#include "platform/Files.h"
#include "platform/ProgramFolder.h"
#include "store/RecordFile.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <gtest/gtest.h>

using namespace telvo;
using namespace telvo::test;

namespace {

// The 121-byte record, laid out here: length byte, Windows-1251 text, zeros.
QByteArray folderRecord(QStringView folder) {
    QByteArray text = cp1251Literal(folder);
    QByteArray record;
    record.append(static_cast<char>(text.size()));
    record.append(text);
    record.append(QByteArray(121 - record.size(), '\0'));
    return record;
}

class SoundFolderTest : public ::testing::Test {
protected:
    DataFolderState state;
    const DataPaths& paths() const { return state.g.puti; }
};

TEST_F(SoundFolderTest, WithoutTheFileTheDefaultFolderIsUsedAndNothingIsWritten) {
    EXPECT_EQ(defaultSoundFolder(), programFolder() + "/sounds");
    EXPECT_EQ(Prochitat_polnoe_imya_posledney_vybrannoy_papki(paths()), defaultSoundFolder());
    EXPECT_FALSE(QFile::exists(paths().poslednyyPapka));
}

TEST_F(SoundFolderTest, WritesOneRecordOfTheFolderAndReadsItBack) {
    const QString folder = QStringLiteral("/home/ученик/Звуки слов");
    ASSERT_EQ(Zapisat_papku_so_zvukami(paths(), folder), SoundFolderWrite::Written);
    const QByteArray expected =
        bytes({23,   '/', 'h',  'o',  'm',  'e',  '/',  0xF3, 0xF7, 0xE5, 0xED, 0xE8,
               0xEA, '/', 0xC7, 0xE2, 0xF3, 0xEA, 0xE8, ' ',  0xF1, 0xEB, 0xEE, 0xE2}) +
        QByteArray(97, '\0');
    EXPECT_EQ(hex(readFile(paths().poslednyyPapka)), hex(expected));
    EXPECT_EQ(Prochitat_polnoe_imya_posledney_vybrannoy_papki(paths()), folder);

    // A second folder replaces the record; the bytes past the shorter path are zeros again.
    ASSERT_EQ(Zapisat_papku_so_zvukami(paths(), "/s"), SoundFolderWrite::Written);
    EXPECT_EQ(hex(readFile(paths().poslednyyPapka)), hex(folderRecord(u"/s")));
    EXPECT_FALSE(QFile::exists(companionPath(paths().poslednyyPapka)));
}

TEST_F(SoundFolderTest, APathThatTheRecordCannotHoldWholeIsRefusedAndTheOldFolderKept) {
    const QString at120 = "/" + QString(119, QLatin1Char('a'));
    ASSERT_EQ(at120.size(), 120);
    ASSERT_EQ(Zapisat_papku_so_zvukami(paths(), at120), SoundFolderWrite::Written);
    EXPECT_EQ(hex(readFile(paths().poslednyyPapka)), hex(folderRecord(at120)));

    struct Case {
        QString folder;
        SoundFolderWrite result;
    } cases[] = {
        {"/" + QString(120, QLatin1Char('b')), SoundFolderWrite::TooLong},
        {"/" + QString(129, QLatin1Char('c')), SoundFolderWrite::TooLong},
        {QStringLiteral("/home/u/音声"), SoundFolderWrite::Unstorable},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Zapisat_papku_so_zvukami(paths(), c.folder), c.result) << c.folder.toStdString();
        EXPECT_EQ(hex(readFile(paths().poslednyyPapka)), hex(folderRecord(at120)));
        EXPECT_EQ(Prochitat_polnoe_imya_posledney_vybrannoy_papki(paths()), at120);
        EXPECT_FALSE(soundFolderRefusalText(c.result, c.folder).isEmpty());
    }
    EXPECT_TRUE(soundFolderRefusalText(SoundFolderWrite::Written, at120).isEmpty());
    EXPECT_TRUE(soundFolderRefusalText(SoundFolderWrite::TooLong, "/x").contains("120"));
    EXPECT_TRUE(soundFolderRefusalText(SoundFolderWrite::Unstorable, "/u/音").contains(u"音"));
}

TEST_F(SoundFolderTest, ALongPathIsRefusedEvenWithNoFileYet) {
    EXPECT_EQ(Zapisat_papku_so_zvukami(paths(), "/" + QString(130, QLatin1Char('x'))),
              SoundFolderWrite::TooLong);
    EXPECT_FALSE(QFile::exists(paths().poslednyyPapka));
    EXPECT_EQ(Prochitat_polnoe_imya_posledney_vybrannoy_papki(paths()), defaultSoundFolder());
}

TEST_F(SoundFolderTest, TheFolderOfAChosenFileIsStoredWithoutTrailingSlash) {
    struct Case {
        const char* file;
        const char* folder;
    } cases[] = {
        {"/home/u/sounds/cat.wav", "/home/u/sounds"},
        {"/a b/c d/ice cream.wav", "/a b/c d"},
        {"/cat.wav", "/"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(Zapomnit_papku_vybrannogo_fayla(paths(), c.file), SoundFolderWrite::Written);
        EXPECT_EQ(hex(readFile(paths().poslednyyPapka)),
                  hex(folderRecord(QString::fromUtf8(c.folder))))
            << c.file;
    }
    // The root, stored last, counts as no folder.
    EXPECT_FALSE(Papka_so_zvukami_zadana(Prochitat_polnoe_imya_posledney_vybrannoy_papki(paths())));
}

TEST_F(SoundFolderTest, ARecordThatCannotServeReadsAsNoFileAndAnOverlongLengthIsCapped) {
    writeFile(paths().poslednyyPapka, bytes({3, '/', 'a', 'b'}));
    EXPECT_EQ(Prochitat_polnoe_imya_posledney_vybrannoy_papki(paths()), defaultSoundFolder());

    QByteArray overlong(121, 'z');
    overlong[0] = static_cast<char>(200);
    overlong[1] = '/';
    writeFile(paths().poslednyyPapka, overlong);
    EXPECT_EQ(Prochitat_polnoe_imya_posledney_vybrannoy_papki(paths()),
              "/" + QString(119, QLatin1Char('z')));

    // A folder where the file should be.
    QFile::remove(paths().poslednyyPapka);
    ASSERT_TRUE(QDir().mkpath(paths().poslednyyPapka));
    EXPECT_EQ(Prochitat_polnoe_imya_posledney_vybrannoy_papki(paths()), defaultSoundFolder());
}

TEST_F(SoundFolderTest, AFailedWriteIsReportedUnderTheProcedureAndTheOldRecordStays) {
    ASSERT_EQ(Zapisat_papku_so_zvukami(paths(), "/old"), SoundFolderWrite::Written);
    platform::faults::arm(1, platform::faults::Action::Fail, ENOSPC, true);
    const QString report = reportOf([&] { Zapisat_papku_so_zvukami(paths(), "/new"); });
    platform::faults::disarm();
    EXPECT_TRUE(reportedAs(report, QStringLiteral("Записать_папку_со_звуками")));
    EXPECT_EQ(hex(readFile(paths().poslednyyPapka)), hex(folderRecord(u"/old")));
}

TEST(SoundFolderSet, EmptyAndRootAreNotSet) {
    struct Case {
        const char* folder;
        bool set;
    } cases[] = {{"", false}, {"/", false}, {"/s", true}, {"C:\\", true}, {" ", true}};
    for (const Case& c : cases)
        EXPECT_EQ(Papka_so_zvukami_zadana(QString::fromUtf8(c.folder)), c.set) << c.folder;
}

TEST(WordFileName, TheWordAsStoredWithSlashesMadeUnderscores) {
    struct Case {
        const char* folder;
        const char* word;
        const char* extension;
        const char* path;
    } cases[] = {
        {"/s", "ice cream", ".wav", "/s/ice cream.wav"},
        {"/s", "Monday", ".wav", "/s/Monday.wav"},
        {"/s", "o'clock", ".wav", "/s/o'clock.wav"},
        {"/s", "and/or", ".wav", "/s/and_or.wav"},
        {"/s", "../x", ".wav", "/s/.._x.wav"},
        {"/s", "well-known", ".rtf", "/s/well-known.rtf"},
        {"/", "cat", ".wav", "/cat.wav"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Imya_zvukovogo_fayla(c.folder, c.word, c.extension), QString::fromUtf8(c.path))
            << c.word;
    EXPECT_EQ(Imya_zvukovogo_fayla("/s", "cat"), "/s/cat.wav");
}

TEST(WordFile, ExactNameFirstThenACaseBlindMatchElseNothing) {
    TempHome home;
    const QString folder = home.path() + "/sounds";
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const char* name : {"Cat.wav", "cat.wav", "DOG.WAV", "and_or.wav", "Note.rtf"})
        writeFile(folder + "/" + name, "x");
    ASSERT_TRUE(QDir().mkpath(folder + "/fish.wav")); // a folder is no recording

    struct Case {
        const char* word;
        const char* extension;
        const char* found; // empty: nothing
    } cases[] = {
        {"Cat", ".wav", "Cat.wav"},
        {"cat", ".wav", "cat.wav"},
        {"dog", ".wav", "DOG.WAV"},
        {"Dog", ".wav", "DOG.WAV"},
        {"and/or", ".wav", "and_or.wav"},
        {"AND/OR", ".wav", "and_or.wav"},
        {"note", ".rtf", "Note.rtf"},
        {"note", ".wav", ""},
        {"fish", ".wav", ""},
        {"bird", ".wav", ""},
    };
    for (const Case& c : cases) {
        const QString expected = *c.found ? folder + "/" + QString::fromUtf8(c.found) : QString();
        EXPECT_EQ(findWordFile(folder, c.word, c.extension), expected) << c.word;
    }
    EXPECT_TRUE(findWordFile(home.path() + "/missing", "cat").isEmpty());
    EXPECT_TRUE(findWordFile(QString(), "cat").isEmpty());
}

} // namespace
