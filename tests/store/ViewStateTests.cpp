#include "store/ViewState.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace telvo;
using namespace telvo::test;

namespace {

class ViewStateFile : public ::testing::Test {
protected:
    TempHome home;
    QString path = home.path() + "/Start.startdat";
};

// translation off, forgotten view on, top row 7, selected row 300, repetitions 2, with the
// padding bytes not zero.
const QByteArray kStored = bytes({0, 1, 0xAA, 0xAA, 7, 0, 0, 0, 0x2C, 1, 0, 0, 2, 0, 0, 0});

} // namespace

TEST_F(ViewStateFile, ReadsTheRecord) {
    writeFile(path, kStored + bytes({9, 9}));
    const std::optional<ViewStateRecord> s = readViewState(path);
    ASSERT_TRUE(s);
    EXPECT_FALSE(s->translationColumn);
    EXPECT_TRUE(s->forgottenOnly);
    EXPECT_EQ(s->topRow, 7);
    EXPECT_EQ(s->selectedRow, 300);
    EXPECT_EQ(s->Kolichestvo_povtoreniy, 2);
}

TEST_F(ViewStateFile, WhatCannotServeCountsAsMissing) {
    EXPECT_FALSE(readViewState(path)) << "missing";
    writeFile(path, kStored.first(15));
    EXPECT_FALSE(readViewState(path)) << "15 bytes";
    writeFile(path, QByteArray());
    EXPECT_FALSE(readViewState(path)) << "empty";
    QFile::remove(path);
    ASSERT_TRUE(QFile::link(home.path() + "/nowhere", path));
    EXPECT_FALSE(readViewState(path)) << "dangling link";
    QFile::remove(path);
    ASSERT_TRUE(QDir().mkpath(path + "/inside"));
    EXPECT_FALSE(readViewState(path)) << "folder";
}

TEST_F(ViewStateFile, WriteReplacesAFileAndLeavesAFolderAlone) {
    writeFile(path, bytes({5, 5, 5}));
    ViewStateRecord state;
    state.translationColumn = true;
    state.forgottenOnly = false;
    state.topRow = 3;
    state.selectedRow = 0x01020304;
    state.Kolichestvo_povtoreniy = -1;
    writeViewState(path, state);
    EXPECT_EQ(hex(readFile(path)), "01 00 00 00 03 00 00 00 04 03 02 01 ff ff ff ff");
    EXPECT_FALSE(QFile::exists(home.path() + "/Start_new.startdat"));

    QFile::remove(path);
    ASSERT_TRUE(QDir().mkpath(path + "/inside"));
    writeViewState(path, state);
    EXPECT_TRUE(QDir(path + "/inside").exists());
    EXPECT_FALSE(QFile::exists(home.path() + "/Start_new.startdat"));
}
