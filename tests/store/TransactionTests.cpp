#include "app/core/Failure.h"
#include "store/DataFolder.h"
#include "store/DictionaryEdits.h"
#include "store/Forgotten.h"
#include "store/Transaction.h"
#include "tests/store/DataFolderFixture.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace telvo;
using namespace telvo::test;

namespace {

const RecordTexts kTexts{"new", "нью", "новое"};
const QDate kDate(2021, 3, 6);

class StartAfterCrash : public DataFolderTest {
protected:
    StartAfterCrash() {
        givenDictionary(3, true, 1, 3, false);
        writeFile(g.puti.statEng, bytes({1, 0, 1}));
        writeFile(g.puti.statForget, bytes({0, 1, 0}));
        writeFile(g.puti.groupWords, {});
    }

    void start() {
        Globalnye_peremennye_slovarya fresh;
        Proverka_nalichiya_bazy_slov(fresh);
    }

    void expectDataUnchanged() {
        EXPECT_EQ(hex(readFile(g.puti.vocabulary)), hex(records(1, 3)));
        EXPECT_EQ(hex(readFile(g.puti.statEng)), "01 00 01");
        EXPECT_EQ(hex(readFile(g.puti.statForget)), "00 01 00");
        EXPECT_EQ(hex(readFile(g.puti.upragneniy)), hex(rangeBytes(true, 1, 3, false)));
    }

    QString journal() const { return g.puti.folder + "/transaction.journal"; }
};

TEST_F(StartAfterCrash, LeftoverCompanionsGo) {
    writeFile(g.puti.vocabularyNew, records(1, 2));
    writeFile(g.puti.statEngNew, bytes({1}));
    writeFile(g.puti.folder + "/upragneniy_new.uprdat", bytes({0}));
    writeFile(g.puti.folder + "/Start_new.startdat", bytes({0}));
    // Not a companion of a data file: left alone.
    writeFile(g.puti.folder + "/notes_new.txt", "mine");

    start();

    expectDataUnchanged();
    EXPECT_FALSE(exists(g.puti.vocabularyNew));
    EXPECT_FALSE(exists(g.puti.statEngNew));
    EXPECT_FALSE(exists(g.puti.folder + "/upragneniy_new.uprdat"));
    EXPECT_FALSE(exists(g.puti.folder + "/Start_new.startdat"));
    EXPECT_EQ(readFile(g.puti.folder + "/notes_new.txt"), "mine");
}

TEST_F(StartAfterCrash, TornJournalMeansNothingWasChanged) {
    // The companions a change had staged, and a journal cut off while it was written.
    writeFile(g.puti.vocabularyNew, records(1, 2));
    writeFile(g.puti.statForgetNew, bytes({0, 1}));
    const QByteArray torn[] = {
        {},
        bytes({0x54, 0x4A, 0x4E, 0x31, 2, 0, 0, 0}),
        bytes({0x54, 0x4A, 0x4E, 0x31, 2, 0, 0, 0, 1, 0, 0, 0, 0x40, 0, 0x41, 0}) +
            QByteArray(32, '\x5A'),
    };
    for (const QByteArray& bytes : torn) {
        SCOPED_TRACE(hex(bytes));
        writeFile(journal(), bytes);
        start();
        expectDataUnchanged();
        EXPECT_FALSE(exists(journal()));
        EXPECT_FALSE(exists(g.puti.vocabularyNew));
        EXPECT_FALSE(exists(g.puti.statForgetNew));
    }
}

TEST_F(StartAfterCrash, JournalThatCannotBeReadIsReported) {
    QDir().mkpath(journal() + "/x");
    EXPECT_TRUE(reportedAs(reportOf([&] { start(); }), "Проверка_наличия_базы_слов"));
    expectDataUnchanged();
}

// The dictionary and the forgotten file are symbolic links into another folder.
class LinkedFiles : public DataFolderTest {
protected:
    LinkedFiles() {
        QDir().mkpath(elsewhere);
        givenDictionary(3, true, 1, 3, false);
        QFile::rename(g.puti.vocabulary, target(g.puti.vocabulary));
        writeFile(target(g.puti.statForget), bytes({0, 1, 0}));
        for (const QString* p : {&g.puti.vocabulary, &g.puti.statForget})
            QFile::link(target(*p), *p);
        writeFile(g.puti.groupWords, {});
    }

    QString target(const QString& path) const {
        return elsewhere + "/" + QFileInfo(path).fileName();
    }

    void expectStillLinked() {
        for (const QString* p : {&g.puti.vocabulary, &g.puti.statForget}) {
            EXPECT_TRUE(QFileInfo(*p).isSymLink()) << p->toStdString();
            EXPECT_EQ(QFileInfo(*p).symLinkTarget(), target(*p));
        }
        for (const QString& companion :
             {g.puti.vocabularyNew, g.puti.statForgetNew, target(g.puti.vocabularyNew),
              target(g.puti.statForgetNew)})
            EXPECT_FALSE(exists(companion)) << companion.toStdString();
    }

    QString elsewhere = home.path() + "/elsewhere";
};

TEST_F(LinkedFiles, AddAndInsertBothReachTheTarget) {
    addRecord(g, kTexts, kDate);
    EXPECT_EQ(hex(readFile(target(g.puti.vocabulary))), hex(records(1, 3) + newRec()));
    EXPECT_EQ(hex(readFile(target(g.puti.statForget))), "00 01 00 00");
    expectStillLinked();

    // An insert rewrites the whole file: its companion lies beside the target.
    insertRecord(g, 0, kTexts, kDate);
    EXPECT_EQ(hex(readFile(target(g.puti.vocabulary))), hex(newRec() + records(1, 3) + newRec()));
    EXPECT_EQ(hex(readFile(target(g.puti.statForget))), "00 00 01 00 00");
    expectStillLinked();

    deleteRecord(g, 1);
    EXPECT_EQ(hex(readFile(target(g.puti.vocabulary))), hex(records(1, 3) + newRec()));
    EXPECT_EQ(hex(readFile(target(g.puti.statForget))), "00 01 00 00");
    expectStillLinked();
    EXPECT_EQ(hex(readFile(g.puti.upragneniy)), hex(rangeBytes(true, 1, 4, false)));
}

TEST_F(LinkedFiles, ForgottenFileDeletedAndMadeAgainWhereTheLinkPoints) {
    Obnulenie_zabytykh_slov(g);
    EXPECT_FALSE(exists(target(g.puti.statForget)));
    EXPECT_TRUE(QFileInfo(g.puti.statForget).isSymLink());
    EXPECT_FALSE(exists(g.puti.statForget)) << "a dangling link is no forgotten file";

    EXPECT_EQ(Izmenit_optsiyu_slova_zabytoe_ili_vspomnennoe(g, 1), ForgottenToggle::Marked);
    EXPECT_EQ(hex(readFile(target(g.puti.statForget))), "01 00 00");
    expectStillLinked();
}

TEST_F(LinkedFiles, LeftoverCompanionBesideTheTargetGoesAtStart) {
    writeFile(target(g.puti.vocabularyNew), records(1, 1));
    Globalnye_peremennye_slovarya fresh;
    Proverka_nalichiya_bazy_slov(fresh);
    expectStillLinked();
    EXPECT_EQ(hex(readFile(g.puti.vocabulary)), hex(records(1, 3)));
}

} // namespace
