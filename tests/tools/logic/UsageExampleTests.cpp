#include "tools/logic/UsageExample.h"

#include "platform/Files.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <gtest/gtest.h>

using namespace telvo;
using namespace telvo::tools;
using telvo::test::readFile;
using telvo::test::TempHome;
using telvo::test::writeFile;

namespace {

rtf::Document oneLine(const QString& text) {
    rtf::Document d;
    d.fonts = {{0, u"Tahoma"_qs, 204}};
    d.paragraphs = {
        {rtf::Alignment::Centre, {{text, rtf::CharFormat{true, false, false, 21, 0, 0}}}}};
    return d;
}

} // namespace

// Whatever the text, its file lies directly in the sound folder: a '/' names no subfolder and
// ".." no place outside.
TEST(UsageExampleFile, staysInsideTheSoundFolder) {
    TempHome home;
    const QString folder = home.path() + QStringLiteral("/sounds");
    ASSERT_TRUE(QDir().mkpath(folder));
    struct Case {
        QString word;
        QString name;
    };
    const Case cases[] = {
        {u"cat"_qs, u"cat.rtf"_qs},
        {u"break the ice"_qs, u"break the ice.rtf"_qs},
        {u"either/or"_qs, u"either_or.rtf"_qs},
        {u"../victim"_qs, u".._victim.rtf"_qs},
        {u".."_qs, u"...rtf"_qs},
        {u"/etc/passwd"_qs, u"_etc_passwd.rtf"_qs},
        {u"ёжик"_qs, u"ёжик.rtf"_qs},
    };
    for (const Case& c : cases) {
        const QString path = usageExampleFile(folder, c.word);
        EXPECT_EQ(path, folder + u'/' + c.name) << c.word.toStdString();
        EXPECT_EQ(QFileInfo(path).absolutePath(), folder) << c.word.toStdString();
    }
    // An example written where letter case was ignored is the word's file.
    writeFile(folder + QStringLiteral("/Take Off.rtf"), "{\\rtf1 x}");
    EXPECT_EQ(usageExampleFile(folder, u"take off"_qs), folder + QStringLiteral("/Take Off.rtf"));
}

TEST(UsageExampleFile, writeReadAndDelete) {
    TempHome home;
    const QString path = home.path() + QStringLiteral("/cat.rtf");
    EXPECT_TRUE(readUsageExample(path).paragraphs.empty());
    // A word that ends like a companion name keeps its own file.
    writeFile(home.path() + QStringLiteral("/cat_new.rtf"), "another word's examples");
    writeUsageExample(path, oneLine(u"Кошка спит."_qs));
    EXPECT_EQ(readUsageExample(path), oneLine(u"Кошка спит."_qs));
    writeUsageExample(path, oneLine(u"Кот"_qs));
    EXPECT_EQ(readUsageExample(path), oneLine(u"Кот"_qs));
    EXPECT_EQ(readFile(home.path() + QStringLiteral("/cat_new.rtf")),
              QByteArray("another word's examples"));
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{u"cat.rtf"_qs, u"cat_new.rtf"_qs}));
    deleteUsageExample(path);
    EXPECT_FALSE(QFileInfo::exists(path));
    deleteUsageExample(path); // nothing there: no error
}

TEST(UsageExampleFile, failuresAreReportedAndKeepTheOldFile) {
    TempHome home;
    const QString path = home.path() + QStringLiteral("/cat.rtf");
    writeUsageExample(path, oneLine(u"old"_qs));
    const QByteArray old = readFile(path);
    platform::faults::arm(1, platform::faults::Action::Fail, ENOSPC, true);
    EXPECT_THROW(writeUsageExample(path, oneLine(u"new"_qs)), Failure);
    EXPECT_THROW(deleteUsageExample(path), Failure);
    platform::faults::disarm();
    EXPECT_EQ(readFile(path), old);
    // A missing folder and a folder where the file should be.
    EXPECT_THROW(writeUsageExample(home.path() + QStringLiteral("/none/cat.rtf"), oneLine(u"x"_qs)),
                 Failure);
    ASSERT_TRUE(QDir().mkpath(home.path() + QStringLiteral("/dog.rtf")));
    EXPECT_THROW(readUsageExample(home.path() + QStringLiteral("/dog.rtf")), Failure);
}
