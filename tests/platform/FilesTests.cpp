#include "platform/Files.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace telvo::test;
using platform::OutputFile;
namespace faults = platform::faults;

namespace {

class CountedCalls : public ::testing::Test {
protected:
    ~CountedCalls() override { faults::disarm(); }

    // Five counted calls: open, three writes, a sync. Returns the error of each.
    std::vector<int> fiveCalls() {
        std::vector<int> errors;
        OutputFile f;
        errors.push_back(f.open(path, OutputFile::Mode::Replace));
        errors.push_back(f.write("ab"));
        errors.push_back(f.write("cd"));
        errors.push_back(f.write("ef"));
        errors.push_back(f.sync());
        return errors;
    }

    TempHome home;
    QString path = home.path() + QStringLiteral("/file.bin");
};

TEST_F(CountedCalls, EveryFileChangingCallCounts) {
    writeFile(path, "x");
    faults::resetCalls();
    OutputFile f;
    ASSERT_EQ(f.open(path, OutputFile::Mode::Change), 0);
    ASSERT_EQ(f.writeAt(0, "y"), 0);
    ASSERT_EQ(f.truncate(1), 0);
    ASSERT_EQ(f.sync(), 0);
    f.close();
    ASSERT_EQ(platform::renameFile(path, path + "2"), 0);
    ASSERT_EQ(platform::syncFolder(home.path()), 0);
    EXPECT_EQ(platform::removeFile(path + "2"), 0);
    EXPECT_EQ(platform::removeFile(path + "2"), ENOENT);
    EXPECT_EQ(faults::calls(), 8);
}

TEST_F(CountedCalls, PlannedCallFailsOnceOrFromThereOn) {
    struct Case {
        long long at;
        bool persistent;
        std::vector<int> errors;
        QByteArray content;
    };
    const Case cases[] = {
        {3, false, {0, 0, ENOSPC, 0, 0}, "abef"},
        {3, true, {0, 0, ENOSPC, ENOSPC, ENOSPC}, "ab"},
        {1, false, {ENOSPC, EBADF, EBADF, EBADF, EBADF}, {}},
        {6, false, {0, 0, 0, 0, 0}, "abcdef"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.at);
        QFile::remove(path);
        faults::arm(c.at, faults::Action::Fail, ENOSPC, c.persistent);
        EXPECT_EQ(fiveCalls(), c.errors);
        faults::disarm();
        EXPECT_EQ(readFile(path), c.content);
    }
}

TEST_F(CountedCalls, PlannedKillEndsTheProcessBeforeTheCall) {
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        faults::arm(3, faults::Action::Kill, 0);
        fiveCalls();
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGKILL);
    EXPECT_EQ(readFile(path), "ab");
}

TEST_F(CountedCalls, SyncingTogetherCountsEachFileAndFolderInOrder) {
    OutputFile a, b;
    ASSERT_EQ(a.open(path, OutputFile::Mode::Replace), 0);
    ASSERT_EQ(b.open(path + "2", OutputFile::Mode::Replace), 0);
    OutputFile* files[] = {&a, &b};
    // The folder is named twice but synced once.
    faults::arm(3, faults::Action::Fail, EIO);
    EXPECT_EQ(platform::syncTogether(files, {home.path(), home.path()}), EIO);
    EXPECT_EQ(faults::calls(), 3);
    faults::arm(4, faults::Action::Fail, EIO);
    EXPECT_EQ(platform::syncTogether(files, {home.path()}), 0);
    EXPECT_EQ(faults::calls(), 3);
}

TEST(ResolveLinks, FollowsTheChainAtTheFileName) {
    TempHome home;
    const QString dir = home.path();
    QDir().mkpath(dir + "/elsewhere");
    writeFile(dir + "/elsewhere/real.bin", "r");
    ASSERT_TRUE(QFile::link(dir + "/elsewhere/real.bin", dir + "/first"));
    // A relative target counts from the link's own folder.
    ASSERT_EQ(::symlink("first", QFile::encodeName(dir + "/second").constData()), 0);
    ASSERT_EQ(::symlink("elsewhere/missing.bin", QFile::encodeName(dir + "/dangling").constData()),
              0);

    EXPECT_EQ(platform::resolveLinks(dir + "/elsewhere/real.bin"), dir + "/elsewhere/real.bin");
    EXPECT_EQ(platform::resolveLinks(dir + "/first"), dir + "/elsewhere/real.bin");
    EXPECT_EQ(platform::resolveLinks(dir + "/second"), dir + "/elsewhere/real.bin");
    EXPECT_EQ(platform::resolveLinks(dir + "/dangling"), dir + "/elsewhere/missing.bin");
    EXPECT_EQ(platform::resolveLinks(dir + "/none.bin"), dir + "/none.bin");
}

TEST(ResolveLinks, LoopEndsWithoutHanging) {
    TempHome home;
    const QString dir = home.path();
    ASSERT_EQ(::symlink("b", QFile::encodeName(dir + "/a").constData()), 0);
    ASSERT_EQ(::symlink("a", QFile::encodeName(dir + "/b").constData()), 0);
    const QString end = platform::resolveLinks(dir + "/a");
    EXPECT_TRUE(end == dir + "/a" || end == dir + "/b") << end.toStdString();
}

} // namespace
