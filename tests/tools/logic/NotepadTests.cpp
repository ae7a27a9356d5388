#include "tools/logic/Notepad.h"

#include "platform/Files.h"
#include "store/Cp1251.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <gtest/gtest.h>

using namespace telvo;
using namespace telvo::tools;
using telvo::test::readFile;
using telvo::test::TempHome;
using telvo::test::writeFile;

namespace {

struct FileCase {
    const char* name;
    QByteArray bytes;
    QString text;
};

} // namespace

TEST(NotepadFile, fileBytesReadAsMemoText) {
    const FileCase cases[] = {
        {"empty file", "", u""_qs},
        {"lines ended by CR LF", "one\r\ntwo\r\n", u"one\ntwo"_qs},
        {"last line without its break", "one\r\ntwo", u"one\ntwo"_qs},
        {"lone LF and lone CR", "a\nb\rc\r\n", u"a\nb\nc"_qs},
        {"only a break: one empty line", "\r\n", u""_qs},
        {"two empty lines", "\r\n\r\n", u"\n"_qs},
        {"empty lines inside", "a\r\n\r\n\r\nb\r\n", u"a\n\n\nb"_qs},
        {"Windows-1251 Cyrillic", "\xcf\xf0\xe8\xe2\xe5\xf2, \xb8\xe6!\r\n", u"Привет, ёж!"_qs},
        {"quotes, dash and euro of the code page", "\x93\x97\x94 \x88\r\n", u"“—” €"_qs},
    };
    for (const FileCase& c : cases)
        EXPECT_EQ(notepadTextOf(c.bytes), c.text) << c.name;
}

TEST(NotepadFile, memoTextWrittenAsCrLfLinesInWindows1251) {
    const FileCase cases[] = {
        {"empty memo: empty file", "", u""_qs},
        {"one line", "note\r\n", u"note"_qs},
        {"a break typed at the end is an empty last line", "note\r\n\r\n", u"note\n"_qs},
        {"Cyrillic", "\xd1\xeb\xee\xe2\xee \xb8\xe6\r\n\xc0\xe1\r\n", u"Слово ёж\nАб"_qs},
        {"no byte in the code page", "a ? b\r\n", u"a ✓ b"_qs},
        {"pasted CR LF and a line separator", "a\r\nb\r\nc\r\n",
         u"a\r\nb"_qs + QChar(QChar::LineSeparator) + u"c"_qs},
    };
    for (const FileCase& c : cases)
        EXPECT_EQ(notepadFileOf(c.text), c.bytes) << c.name;
}

// A file of CR LF lines comes back byte for byte, whatever bytes its lines hold.
TEST(NotepadFile, crLfFilesRoundTripByteForByte) {
    QByteArray everyByte;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n')
            everyByte += char(b);
    // (A file of one empty line reads as an empty memo, which writes an empty file.)
    const QByteArray files[] = {
        "",
        "\r\n\r\n\r\n",
        "x\r\n",
        "\xc7\xe0\xec\xe5\xf2\xea\xe0 \xef\xf0\xee "
        "\xf1\xeb\xee\xe2\xee\r\n\r\n\xea\xee\xed\xe5\xf6\r\n",
        everyByte + "\r\n" + everyByte + "\r\n",
    };
    for (const QByteArray& bytes : files)
        EXPECT_EQ(notepadFileOf(notepadTextOf(bytes)), bytes) << bytes.toHex().toStdString();
    // And every memo text without CR comes back as it was typed.
    for (const QString& text : {u"\n"_qs, u"a\n\nb\n"_qs, fromCp1251(everyByte)})
        EXPECT_EQ(notepadTextOf(notepadFileOf(text)), text);
}

class NotepadFileOnDisk : public ::testing::Test {
protected:
    void TearDown() override { platform::faults::disarm(); }
    TempHome home;
    QString path = home.path() + QStringLiteral("/bloknotik.txt");
};

TEST_F(NotepadFileOnDisk, missingFileReadsEmptyAndWritingCreatesIt) {
    EXPECT_EQ(readNotepad(path), QString());
    EXPECT_FALSE(QFile::exists(path));
    writeNotepad(path, u"первая\nвторая"_qs);
    EXPECT_EQ(readFile(path),
              QByteArray("\xef\xe5\xf0\xe2\xe0\xff\r\n\xe2\xf2\xee\xf0\xe0\xff\r\n"));
    EXPECT_EQ(readNotepad(path), u"первая\nвторая"_qs);
    writeNotepad(path, QString());
    EXPECT_EQ(readFile(path), QByteArray());
    // Nothing is left beside it.
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"bloknotik.txt"});
}

TEST_F(NotepadFileOnDisk, unreadableFileIsAFailureNotAnEmptyNotepad) {
    ASSERT_TRUE(QDir().mkpath(path));
    EXPECT_THROW(readNotepad(path), Failure);
}

// The write fails at each of its file-system calls in turn: the old notes stay whole every time,
// and the failure is reported, not passed over.
TEST_F(NotepadFileOnDisk, failedWriteKeepsTheOldNotes) {
    const QByteArray old = "old notes\r\n";
    writeFile(path, old);
    platform::faults::resetCalls();
    writeNotepad(path, u"new"_qs);
    const long long calls = platform::faults::calls();
    ASSERT_GT(calls, 1);
    writeFile(path, old);
    for (long long k = 1; k <= calls; ++k) {
        platform::faults::arm(k, platform::faults::Action::Fail, ENOSPC);
        bool failed = false;
        try {
            writeNotepad(path, u"new"_qs);
        } catch (const Failure&) {
            failed = true;
        }
        platform::faults::disarm();
        const QByteArray now = readFile(path);
        if (failed)
            EXPECT_EQ(now, old) << "call " << k;
        else
            EXPECT_EQ(now, QByteArray("new\r\n")) << "call " << k; // a failed final sync
        writeFile(path, old);
    }
}
