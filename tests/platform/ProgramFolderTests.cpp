#include "platform/ProgramFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace telvo;

TEST(ProgramFolder, BuildTreeIsTheExecutablesFolderInstalledIsTheShareFolder) {
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const QString bin = prefix.path() + "/bin";
    ASSERT_TRUE(QDir().mkpath(bin));

    // No share folder beside: the files lie next to the executable, as in the build tree.
    EXPECT_EQ(programFolderFor(bin), QDir::cleanPath(bin));
    EXPECT_EQ(programFolderFor(bin + "/"), QDir::cleanPath(bin));

    // A share folder of another program does not count.
    ASSERT_TRUE(QDir().mkpath(prefix.path() + "/share/other"));
    EXPECT_EQ(programFolderFor(bin), QDir::cleanPath(bin));

    ASSERT_TRUE(QDir().mkpath(prefix.path() + "/share/telvo-vocabulary"));
    EXPECT_EQ(programFolderFor(bin), QDir::cleanPath(prefix.path() + "/share/telvo-vocabulary"));
}
