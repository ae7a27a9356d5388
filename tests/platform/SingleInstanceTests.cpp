#include "platform/SingleInstance.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace telvo::test;

namespace {

const QString kName = QStringLiteral("Telvo_Vocabulary_1_02_xx");

TEST(SingleInstance, SecondCopyRefusedWhileFirstHoldsTheLock) {
    TempHome home;
    platform::SingleInstance first(kName);
    platform::SingleInstance second(kName);
    ASSERT_TRUE(first.acquire());
    EXPECT_TRUE(first.held());
    EXPECT_FALSE(second.acquire());
    EXPECT_FALSE(second.held());
    EXPECT_TRUE(first.acquire()) << "the holder keeps its lock";

    first.release();
    EXPECT_TRUE(second.acquire());
    EXPECT_FALSE(first.acquire());
}

TEST(SingleInstance, LockFileLivesInRuntimeFolder) {
    TempHome home;
    EXPECT_EQ(platform::instanceLockPath(kName), home.path() + QStringLiteral("/runtime/") + kName);
    platform::SingleInstance lock(kName);
    ASSERT_TRUE(lock.acquire());
    EXPECT_TRUE(QFileInfo::exists(home.path() + QStringLiteral("/runtime/") + kName));
}

TEST(SingleInstance, WithoutRuntimeFolderUsesTempFolderPerUser) {
    TempHome home;
    qunsetenv("XDG_RUNTIME_DIR");
    const QString path = platform::instanceLockPath(kName);
    EXPECT_TRUE(path.startsWith(QDir::tempPath() + QLatin1Char('/') + kName + QLatin1Char('_')))
        << path.toStdString();
    bool isNumber = false;
    path.mid(path.lastIndexOf(QLatin1Char('_')) + 1).toUInt(&isNumber);
    EXPECT_TRUE(isNumber) << path.toStdString();

    platform::SingleInstance first(kName);
    platform::SingleInstance second(kName);
    ASSERT_TRUE(first.acquire());
    EXPECT_FALSE(second.acquire());
    first.release();
    QFile::remove(path);
}

class SingleInstanceProcess : public ::testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
    TempHome home;
};

// Exit code 3: the lock was taken; 4: refused.
[[noreturn]] void tryInChild() {
    platform::SingleInstance lock(kName);
    std::_Exit(lock.acquire() ? 3 : 4);
}

TEST_F(SingleInstanceProcess, AnotherProcessIsRefusedWhileHeld) {
    platform::SingleInstance lock(kName);
    ASSERT_TRUE(lock.acquire());
    EXPECT_EXIT(tryInChild(), ::testing::ExitedWithCode(4), "");
    lock.release();
    EXPECT_EXIT(tryInChild(), ::testing::ExitedWithCode(3), "");
}

TEST_F(SingleInstanceProcess, LockDiesWithItsProcess) {
    // The child ends without releasing anything, as a crash would.
    EXPECT_EXIT(tryInChild(), ::testing::ExitedWithCode(3), "");
    platform::SingleInstance lock(kName);
    EXPECT_TRUE(lock.acquire());
}

} // namespace
