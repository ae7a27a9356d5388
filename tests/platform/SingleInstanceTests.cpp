#include "platform/SingleInstance.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

using namespace telvo::test;

namespace {

TEST(SingleInstance, SecondHolderOfTheSameFolderIsRefused) {
    TempHome home;
    platform::SingleInstance first(home.dataFolder());
    platform::SingleInstance second(home.dataFolder());
    ASSERT_TRUE(first.acquire());
    EXPECT_TRUE(first.held());
    EXPECT_FALSE(second.acquire());
    EXPECT_FALSE(second.held());
    EXPECT_TRUE(first.acquire()) << "the holder keeps its lock";

    first.release();
    EXPECT_TRUE(second.acquire());
    EXPECT_FALSE(first.acquire());
}

TEST(SingleInstance, AnotherFolderIsNotRefused) {
    TempHome home;
    platform::SingleInstance first(home.dataFolder());
    platform::SingleInstance other(home.path() + QStringLiteral("/elsewhere"));
    ASSERT_TRUE(first.acquire());
    EXPECT_TRUE(other.acquire());
}

// A first start has no folder: it is made with its parents, then locked, and no file of the
// lock's own appears in it.
TEST(SingleInstance, FirstStartMakesTheFolderAndPutsNothingInIt) {
    TempHome home;
    ASSERT_FALSE(QFileInfo::exists(home.path() + QStringLiteral("/data/Telvo_Lab")));
    platform::SingleInstance lock(home.dataFolder());
    ASSERT_TRUE(lock.acquire());
    EXPECT_TRUE(QFileInfo(home.dataFolder()).isDir());
    EXPECT_EQ(
        QDir(home.dataFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList());
    EXPECT_EQ(QDir(home.path() + QStringLiteral("/runtime"))
                  .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList());
    platform::SingleInstance second(home.dataFolder());
    EXPECT_FALSE(second.acquire());
}

// The lock is held by other processes started the way the program is: from another terminal,
// another session or another user's shell, each with its own runtime folder or none.
class SingleInstanceProcess : public ::testing::Test {
protected:
    QProcessEnvironment environment(const QString& runtime) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
        if (runtime.isNull())
            env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        else
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        return env;
    }
    QString runtimeFolder(const char* name) const {
        const QString path = home.path() + QLatin1Char('/') + QString::fromUtf8(name);
        QDir().mkpath(path);
        return path;
    }

    // Starts a process that holds the lock; true once it says it holds it.
    bool startHolder(QProcess& holder, const QString& runtime) {
        holder.setProcessEnvironment(environment(runtime));
        holder.start(QStringLiteral(SINGLE_INSTANCE_PROBE), {QStringLiteral("hold")});
        if (!holder.waitForStarted(10000))
            return false;
        while (!holder.canReadLine())
            if (!holder.waitForReadyRead(10000))
                return false;
        return holder.readLine().trimmed() == "held";
    }

    // Exit code of a process that tries to take the lock: 3 taken, 4 refused.
    int tryLock(const QProcessEnvironment& env) {
        QProcess probe;
        probe.setProcessEnvironment(env);
        probe.start(QStringLiteral(SINGLE_INSTANCE_PROBE), {QStringLiteral("try")});
        if (!probe.waitForFinished(10000) || probe.exitStatus() != QProcess::NormalExit)
            return -1;
        return probe.exitCode();
    }

    TempHome home;
};

TEST_F(SingleInstanceProcess, RefusedWhateverTheRuntimeFolderSays) {
    QProcess holder;
    ASSERT_TRUE(startHolder(holder, runtimeFolder("runtime-a")));

    EXPECT_EQ(tryLock(environment(runtimeFolder("runtime-a"))), 4);
    EXPECT_EQ(tryLock(environment(runtimeFolder("runtime-b"))), 4) << "another runtime folder";
    EXPECT_EQ(tryLock(environment(QString())), 4) << "no runtime folder";
    // This process is one more copy on the same folder.
    platform::SingleInstance here(home.dataFolder());
    EXPECT_FALSE(here.acquire());

    // A copy on another data folder is no second copy.
    QProcessEnvironment elsewhere = environment(runtimeFolder("runtime-b"));
    elsewhere.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/other"));
    EXPECT_EQ(tryLock(elsewhere), 3);

    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(10000));
    EXPECT_EQ(holder.exitCode(), 0);
    EXPECT_EQ(tryLock(environment(runtimeFolder("runtime-b"))), 3);
}

TEST_F(SingleInstanceProcess, LockDiesWithItsProcess) {
    QProcess holder;
    ASSERT_TRUE(startHolder(holder, runtimeFolder("runtime-a")));
    EXPECT_EQ(tryLock(environment(QString())), 4);
    // Killed without releasing anything, as a crash would end it.
    holder.kill();
    ASSERT_TRUE(holder.waitForFinished(10000));
    EXPECT_EQ(tryLock(environment(QString())), 3);
    platform::SingleInstance here(home.dataFolder());
    EXPECT_TRUE(here.acquire());
}

} // namespace
