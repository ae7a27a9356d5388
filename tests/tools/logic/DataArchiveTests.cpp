#include "tools/logic/DataArchive.h"

#include "platform/Files.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>

#include <csignal>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>
#include <zip.h>

using namespace telvo::tools;
using telvo::test::readFile;
using telvo::test::TempHome;
using telvo::test::writeFile;

namespace {

// Every file and folder below a folder, with the bytes of each file.
QMap<QString, QByteArray> snapshot(const QString& folder) {
    QMap<QString, QByteArray> out;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    const QDir base(folder);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        out.insert(base.relativeFilePath(path),
                   info.isDir() ? QByteArray("<folder>") : readFile(path));
    }
    return out;
}

QStringList namesIn(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray pattern(int size, int seed) {
    QByteArray out;
    unsigned v = static_cast<unsigned>(seed);
    for (int i = 0; i < size; ++i) {
        v = v * 1103515245u + 12345u;
        out.append(static_cast<char>((v >> 16) & 0xFF));
    }
    return out;
}

// A data folder with the program's files, a dot-file and a file in a subfolder.
void fillDataFolder(const QString& data) {
    writeFile(data + "/Vocabulary.dictdat", pattern(176 * 3, 1));
    writeFile(data + "/Stat_forget.dictstat", telvo::test::bytes({0, 1, 0}));
    writeFile(data + "/Stat_eng.dictstat", telvo::test::bytes({1, 1, 0}));
    writeFile(data + "/Stat_rus.dictstat", telvo::test::bytes({0, 0, 1}));
    writeFile(data + "/Stat_per_eng.dictstat", telvo::test::bytes({1, 0, 0}));
    writeFile(data + "/Stat_per_rus.dictstat", telvo::test::bytes({0, 1, 1}));
    writeFile(data + "/Stat_pair.dictstat", telvo::test::bytes({1, 1, 1}));
    writeFile(data + "/upragneniy.uprdat", pattern(16, 2));
    writeFile(data + "/Start.startdat", pattern(16, 3));
    writeFile(data + "/group_words.group", pattern(1257, 4));
    writeFile(data + "/bloknotik.txt", QByteArray("notes\r\nline two\r\n"));
    writeFile(data + "/.hidden", QByteArray("dot"));
    writeFile(data + "/Primery/primer.rtf", QByteArray("{\\rtf1 example}"));
    writeFile(data + "/empty.bin", QByteArray());
}

struct Entry {
    QByteArray name;
    QByteArray data;
    enum Kind { File, Folder, Link } kind = File;
    // Name bytes stored as they are, without the UTF-8 flag.
    bool rawName = false;
};

// Writes an archive with libzip, entry by entry, in the given order.
void writeZip(const QString& path, const std::vector<Entry>& entries) {
    int error = 0;
    zip_t* za = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(za, nullptr);
    for (const Entry& e : entries) {
        const zip_flags_t enc = e.rawName ? ZIP_FL_ENC_CP437 : ZIP_FL_ENC_GUESS;
        zip_int64_t index = -1;
        if (e.kind == Entry::Folder) {
            QByteArray name = e.name;
            if (name.endsWith('/'))
                name.chop(1);
            index = zip_dir_add(za, name.constData(), enc);
        } else {
            zip_source_t* src = zip_source_buffer(za, e.data.constData(),
                                                  static_cast<zip_uint64_t>(e.data.size()), 0);
            ASSERT_NE(src, nullptr);
            index = zip_file_add(za, e.name.constData(), src, enc);
            if (index < 0) {
                zip_source_free(src);
                FAIL() << "cannot add " << e.name.constData() << ": " << zip_strerror(za);
            }
            zip_set_file_compression(za, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 6);
        }
        ASSERT_GE(index, 0) << e.name.constData() << ": " << zip_strerror(za);
        if (e.kind == Entry::Link)
            zip_file_set_external_attributes(za, static_cast<zip_uint64_t>(index), 0,
                                             ZIP_OPSYS_UNIX, (0120777u) << 16);
    }
    ASSERT_EQ(zip_close(za), 0) << zip_strerror(za);
}

quint32 le32(const QByteArray& b, qsizetype at) {
    return static_cast<quint8>(b[at]) | static_cast<quint8>(b[at + 1]) << 8 |
           static_cast<quint8>(b[at + 2]) << 16 |
           static_cast<quint32>(static_cast<quint8>(b[at + 3])) << 24;
}
quint16 le16(const QByteArray& b, qsizetype at) {
    return static_cast<quint16>(static_cast<quint8>(b[at]) | static_cast<quint8>(b[at + 1]) << 8);
}
void putLe32(QByteArray& b, qsizetype at, quint32 v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// Offset of the n-th local file header (0-based) of an archive libzip wrote.
qsizetype localHeader(const QByteArray& zip, int n) {
    qsizetype at = 0;
    for (int i = 0; i < n; ++i)
        at += 30 + le16(zip, at + 26) + le16(zip, at + 28) + le32(zip, at + 18);
    EXPECT_EQ(le32(zip, at), 0x04034b50u);
    return at;
}

// Offset of the n-th central directory record.
qsizetype centralRecord(const QByteArray& zip, int n) {
    qsizetype at = zip.indexOf(QByteArray("PK\x01\x02", 4));
    for (int i = 0; i < n; ++i)
        at += 46 + le16(zip, at + 28) + le16(zip, at + 30) + le16(zip, at + 32);
    EXPECT_EQ(le32(zip, at), 0x02014b50u);
    return at;
}

// Claims another uncompressed size for the n-th entry, in both places the format keeps it.
void claimSize(QByteArray& zip, int n, quint32 size) {
    putLe32(zip, localHeader(zip, n) + 22, size);
    putLe32(zip, centralRecord(zip, n) + 24, size);
}

const QByteArray kPrefix = "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/";

class DataArchiveTest : public ::testing::Test {
protected:
    TempHome home;
    QString data = home.dataFolder();
    QString stick = home.path() + "/stick";
    QString archive = stick + "/Telvo_Vocabulary_02.zip";

    void SetUp() override {
        QDir().mkpath(stick);
        fillDataFolder(data);
    }

    // Nothing but the data folder lies beside it: no staging folder, no saved copy.
    void expectNoLeftovers() {
        EXPECT_EQ(namesIn(QFileInfo(data).absolutePath()), QStringList{"Telvo_Vocabulary_02"});
    }
};

TEST_F(DataArchiveTest, RoundTripRestoresEveryFileByteForByte) {
    // An even second: the archive keeps times to two seconds.
    const QDateTime dictionaryTime(QDate(2020, 5, 17), QTime(10, 20, 30));
    {
        QFile dict(data + "/Vocabulary.dictdat");
        ASSERT_TRUE(dict.open(QIODevice::ReadWrite));
        ASSERT_TRUE(dict.setFileTime(dictionaryTime, QFileDevice::FileModificationTime));
    }
    const auto before = snapshot(data);
    const ArchiveResult archived = archiveDataFolder(data, stick);
    ASSERT_EQ(archived.status, ArchiveStatus::Archived) << archived.detail.toStdString();
    EXPECT_EQ(archived.archivePath, archive);
    EXPECT_EQ(namesIn(stick), QStringList{"Telvo_Vocabulary_02.zip"});

    // The data changes after the archive: a file edited, one removed, one added.
    writeFile(data + "/Vocabulary.dictdat", pattern(176, 9));
    QFile::remove(data + "/Primery/primer.rtf");
    writeFile(data + "/new_after_archive.txt", "x");

    const RestoreResult restored = restoreDataFolder(archive, data);
    ASSERT_EQ(restored.status, RestoreStatus::Restored) << restored.detail.toStdString();
    EXPECT_EQ(snapshot(data), before);
    EXPECT_EQ(
        QFileInfo(data + "/Vocabulary.dictdat").lastModified().toString(Qt::ISODate).toStdString(),
        dictionaryTime.toString(Qt::ISODate).toStdString());
    expectNoLeftovers();
}

// A link or a pipe in the data folder is not archived (a pipe would block the job), nor the
// journal of a change (a restore must not replay one; a subfolder's file of that name is data).
TEST_F(DataArchiveTest, EntryNamesPutEveryFileUnderProgramDataAndAreDeflated) {
    ASSERT_TRUE(QFile::link(data + "/bloknotik.txt", data + "/link.txt"));
    writeFile(data + "/transaction.journal", "journal");
    writeFile(data + "/Primery/transaction.journal", "not a journal");
    ASSERT_EQ(::mkfifo(QFile::encodeName(data + "/pipe").constData(), 0600), 0);
    ASSERT_EQ(archiveDataFolder(data, stick).status, ArchiveStatus::Archived);
    int error = 0;
    zip_t* za =
        zip_open(QFile::encodeName(archive).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    ASSERT_NE(za, nullptr);
    QStringList names;
    for (zip_int64_t i = 0; i < zip_get_num_entries(za, 0); ++i) {
        names << QString::fromUtf8(zip_get_name(za, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW));
        zip_stat_t st;
        ASSERT_EQ(zip_stat_index(za, static_cast<zip_uint64_t>(i), 0, &st), 0);
        EXPECT_EQ(st.comp_method, ZIP_CM_DEFLATE) << names.last().toStdString();
        EXPECT_EQ(st.encryption_method, ZIP_EM_NONE);
    }
    zip_discard(za);
    names.sort();
    const QStringList expected = {
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/.hidden",
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/Primery/primer.rtf",
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/Primery/transaction.journal",
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/Start.startdat",
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/Stat_eng.dictstat",
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/Stat_forget.dictstat",
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/Stat_pair.dictstat",
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/Stat_per_eng.dictstat",
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/Stat_per_rus.dictstat",
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/Stat_rus.dictstat",
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/Vocabulary.dictdat",
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/bloknotik.txt",
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/empty.bin",
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/group_words.group",
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/upragneniy.uprdat",
    };
    EXPECT_EQ(names, expected);
}

// Other tools read the archive the same way.
TEST_F(DataArchiveTest, ArchivePassesUnzipTest) {
    const QString unzip = QStandardPaths::findExecutable("unzip");
    if (unzip.isEmpty())
        GTEST_SKIP() << "no unzip command";
    ASSERT_EQ(archiveDataFolder(data, stick).status, ArchiveStatus::Archived);
    QProcess p;
    p.start(unzip, {"-t", archive});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardOutput().toStdString();
    EXPECT_TRUE(p.readAllStandardOutput().contains("No errors detected"));
}

TEST_F(DataArchiveTest, PythonZipfileReadsTheSameNamesAndBytes) {
    const QString python = QStandardPaths::findExecutable("python3");
    if (python.isEmpty())
        GTEST_SKIP() << "no python3";
    ASSERT_EQ(archiveDataFolder(data, stick).status, ArchiveStatus::Archived);
    QProcess p;
    p.start(python, {"-c",
                     "import sys, zipfile\n"
                     "z = zipfile.ZipFile(sys.argv[1])\n"
                     "assert z.testzip() is None\n"
                     "for i in sorted(z.infolist(), key=lambda i: i.filename):\n"
                     "    print(i.filename, i.compress_type, len(z.read(i)))\n",
                     archive});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    // 8 is deflate; the sizes are those of the files written above.
    const QByteArray expected =
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/.hidden 8 3\n"
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/Primery/primer.rtf 8 15\n"
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/Start.startdat 8 16\n"
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/Stat_eng.dictstat 8 3\n"
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/Stat_forget.dictstat 8 3\n"
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/Stat_pair.dictstat 8 3\n"
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/Stat_per_eng.dictstat 8 3\n"
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/Stat_per_rus.dictstat 8 3\n"
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/Stat_rus.dictstat 8 3\n"
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/Vocabulary.dictdat 8 528\n"
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/bloknotik.txt 8 17\n"
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/empty.bin 8 0\n"
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/group_words.group 8 1257\n"
        "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/upragneniy.uprdat 8 16\n";
    EXPECT_EQ(p.readAllStandardOutput().toStdString(), expected.toStdString());
}

// What the zip command makes of the other system's folder layout restores here.
TEST_F(DataArchiveTest, AnArchiveOfTheZipCommandRestores) {
    const QString zipCommand = QStandardPaths::findExecutable("zip");
    if (zipCommand.isEmpty())
        GTEST_SKIP() << "no zip command";
    const QString drive = home.path() + "/drive";
    const QString foreign = drive + "/ProgramData/Telvo_Lab/Telvo_Vocabulary_02";
    writeFile(foreign + "/Vocabulary.dictdat", pattern(176 * 2, 21));
    writeFile(foreign + "/Stat_forget.dictstat", telvo::test::bytes({1, 0}));
    writeFile(foreign + "/Primery/b.rtf", "b");
    writeFile(drive + "/ProgramData/other.txt", "not ours");
    const auto expected = snapshot(foreign);
    QProcess p;
    p.setWorkingDirectory(drive);
    p.start(zipCommand, {"-q", "-6", "-r", home.path() + "/fromzip.zip", "ProgramData"});
    ASSERT_TRUE(p.waitForFinished(30000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const RestoreResult r = restoreDataFolder(home.path() + "/fromzip.zip", data);
    ASSERT_EQ(r.status, RestoreStatus::Restored) << r.detail.toStdString();
    EXPECT_EQ(snapshot(data), expected);
    EXPECT_EQ(namesIn(home.path() + "/data"), QStringList{"Telvo_Lab"});
}

// Sets a limit on the size of any file this process writes, as a full disk would, for the
// lifetime of the object; a write past it fails with an error instead of a signal.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST_F(DataArchiveTest, AFullDiskWhileArchivingKeepsTheOldArchive) {
    writeFile(archive, "old archive");
    ArchiveResult r;
    {
        // The archive of this data folder is larger (the dictionary and groups do not shrink).
        FileSizeLimit full(1500);
        r = archiveDataFolder(data, stick);
    }
    EXPECT_EQ(r.status, ArchiveStatus::WriteFailed);
    EXPECT_EQ(readFile(archive), QByteArray("old archive"));
    EXPECT_EQ(namesIn(stick), QStringList{"Telvo_Vocabulary_02.zip"});
    // With room again it works, so the limit was what failed it.
    EXPECT_EQ(archiveDataFolder(data, stick).status, ArchiveStatus::Archived);
}

TEST_F(DataArchiveTest, AFullDiskWhileRestoringLeavesTheDataFolderAsItWas) {
    const QString zip = home.path() + "/large.zip";
    writeZip(zip, {{kPrefix + "Vocabulary.dictdat", pattern(176, 3)},
                   {kPrefix + "Primery/large.rtf", QByteArray(100000, 'r')}});
    const auto before = snapshot(data);
    RestoreResult r;
    {
        FileSizeLimit full(50000);
        r = restoreDataFolder(zip, data);
    }
    EXPECT_EQ(r.status, RestoreStatus::WriteFailed) << r.detail.toStdString();
    EXPECT_EQ(snapshot(data), before);
    expectNoLeftovers();
    EXPECT_EQ(restoreDataFolder(zip, data).status, RestoreStatus::Restored);
}

// The file layer's fault hook fails the k-th file-changing call, once or from there on (a disk
// that stays full), for every k the job makes: the old archive stays and nothing else is left.
TEST_F(DataArchiveTest, AFailingFileCallWhileArchivingKeepsTheOldArchive) {
    for (const bool persistent : {false, true}) {
        int failures = 0;
        for (long long k = 1;; ++k) {
            SCOPED_TRACE(testing::Message() << "call " << k << (persistent ? " on" : " once"));
            writeFile(archive, "old archive");
            platform::faults::arm(k, platform::faults::Action::Fail, ENOSPC, persistent);
            const ArchiveResult r = archiveDataFolder(data, stick);
            platform::faults::disarm();
            if (r.status == ArchiveStatus::Archived)
                break;
            ++failures;
            EXPECT_EQ(r.status, ArchiveStatus::WriteFailed);
            EXPECT_EQ(readFile(archive), QByteArray("old archive"));
            // Only when removing it failed too may the temporary file stay, for the next run.
            const QStringList expected =
                persistent && namesIn(stick).size() == 2
                    ? QStringList{"Telvo_Vocabulary_02.zip", "Telvo_Vocabulary_02.zip_new"}
                    : QStringList{"Telvo_Vocabulary_02.zip"};
            EXPECT_EQ(namesIn(stick), expected);
            ASSERT_LT(k, 50);
        }
        // Opening, syncing and renaming the archive were each one of them.
        EXPECT_GE(failures, 3);
        EXPECT_EQ(namesIn(stick), QStringList{"Telvo_Vocabulary_02.zip"});
    }
}

// The same for a restore: whichever call fails, the data folder is the old one or (once the
// swap is done) the archived one; a disk that stays full can leave the saved copy in place,
// and the next restore or start puts it back.
TEST_F(DataArchiveTest, AFailingFileCallWhileRestoringNeverLosesTheData) {
    ASSERT_EQ(archiveDataFolder(data, stick).status, ArchiveStatus::Archived);
    const auto archived = snapshot(data);
    for (const bool persistent : {false, true}) {
        int failures = 0;
        for (long long k = 1;; ++k) {
            SCOPED_TRACE(testing::Message() << "call " << k << (persistent ? " on" : " once"));
            writeFile(data + "/Vocabulary.dictdat", pattern(176, 13));
            const auto before = snapshot(data);
            platform::faults::arm(k, platform::faults::Action::Fail, ENOSPC, persistent);
            const RestoreResult r = restoreDataFolder(archive, data);
            platform::faults::disarm();
            if (r.status == RestoreStatus::Restored) {
                // Past the job's last call, or on the sync after the swap, which it may miss.
                EXPECT_EQ(snapshot(data), archived);
                expectNoLeftovers();
                break;
            }
            ++failures;
            EXPECT_EQ(r.status, RestoreStatus::WriteFailed) << r.detail.toStdString();
            recoverInterruptedRestore(data);
            EXPECT_EQ(snapshot(data), before);
            expectNoLeftovers();
            ASSERT_LT(k, 200);
        }
        // Every file written into the staging folder was a place to fail.
        EXPECT_GT(failures, 14);
    }
}

TEST_F(DataArchiveTest, ArchivingAgainReplacesTheOldArchive) {
    writeFile(archive, "old archive");
    ASSERT_EQ(archiveDataFolder(data, stick).status, ArchiveStatus::Archived);
    EXPECT_NE(readFile(archive), QByteArray("old archive"));
    EXPECT_EQ(readFile(archive).left(4), QByteArray("PK\x03\x04", 4));
    EXPECT_EQ(namesIn(stick), QStringList{"Telvo_Vocabulary_02.zip"});
}

// A job stopped at any of its checks (between files, while libzip writes, before the rename)
// keeps the old archive as it was and leaves no other file in the folder.
TEST_F(DataArchiveTest, StoppedArchiveKeepsTheOldArchiveAndLeavesNoTemporaryFile) {
    writeFile(archive, "old archive");
    int stops = 0;
    for (int stopAt = 1;; ++stopAt) {
        int calls = 0;
        const ArchiveResult r = archiveDataFolder(data, stick, [&] { return ++calls >= stopAt; });
        if (r.status == ArchiveStatus::Archived)
            break;
        ++stops;
        EXPECT_EQ(r.status, ArchiveStatus::Cancelled) << "stop at " << stopAt;
        EXPECT_EQ(readFile(archive), QByteArray("old archive")) << "stop at " << stopAt;
        EXPECT_EQ(namesIn(stick), QStringList{"Telvo_Vocabulary_02.zip"}) << "stop at " << stopAt;
        ASSERT_LT(stopAt, 200);
    }
    // Every file, the write and the rename were each a place to stop.
    EXPECT_GT(stops, 14);
}

TEST_F(DataArchiveTest, ArchiveFailures) {
    const ArchiveResult gone = archiveDataFolder(data, home.path() + "/no/such/folder");
    EXPECT_EQ(gone.status, ArchiveStatus::WriteFailed);
    EXPECT_FALSE(QFileInfo::exists(home.path() + "/no"));

    // The target is a file, not a folder.
    writeFile(home.path() + "/plainfile", "x");
    EXPECT_EQ(archiveDataFolder(data, home.path() + "/plainfile").status,
              ArchiveStatus::WriteFailed);
    EXPECT_EQ(readFile(home.path() + "/plainfile"), QByteArray("x"));

    QDir(data).removeRecursively();
    EXPECT_EQ(archiveDataFolder(data, stick).status, ArchiveStatus::NoDataFolder);
    EXPECT_TRUE(namesIn(stick).isEmpty());
}

TEST_F(DataArchiveTest, RestoreCreatesAMissingDataFolder) {
    ASSERT_EQ(archiveDataFolder(data, stick).status, ArchiveStatus::Archived);
    const auto before = snapshot(data);
    QDir(QFileInfo(data).absolutePath()).removeRecursively();
    ASSERT_EQ(restoreDataFolder(archive, data).status, RestoreStatus::Restored);
    EXPECT_EQ(snapshot(data), before);
    expectNoLeftovers();
}

// Archives from the other system: backslashes, folder entries, other folders beside the data
// folder (ignored) and names in code page 866.
TEST_F(DataArchiveTest, RestoreTakesTheDataFolderEntriesOfAForeignArchive) {
    const QString zip = home.path() + "/foreign.zip";
    writeZip(zip, {
                      {"ProgramData\\", {}, Entry::Folder},
                      {"ProgramData\\Telvo_Lab\\Telvo_Vocabulary_02\\", {}, Entry::Folder},
                      {"ProgramData\\Telvo_Lab\\Telvo_Vocabulary_02\\Vocabulary.dictdat",
                       pattern(176, 5)},
                      {"ProgramData\\Telvo_Lab\\Telvo_Vocabulary_02\\Primery\\a.rtf", "rtf"},
                      {"ProgramData/Telvo_Lab/Telvo_Vocabulary_02/Primery/", {}, Entry::Folder},
                      {"ProgramData/Telvo_Lab/Telvo_Vocabulary_02/Pusto/", {}, Entry::Folder},
                      // "пример.txt" in code page 866, without the UTF-8 flag.
                      {"ProgramData/Telvo_Lab/Telvo_Vocabulary_02/\xAF\xE0\xA8\xAC\xA5\xE0.txt",
                       "cp866", Entry::File, true},
                      {"ProgramData/Other/readme.txt", "not ours"},
                      {"readme.txt", "not ours"},
                  });
    const RestoreResult r = restoreDataFolder(zip, data);
    ASSERT_EQ(r.status, RestoreStatus::Restored) << r.detail.toStdString();
    QMap<QString, QByteArray> expected;
    expected.insert("Vocabulary.dictdat", pattern(176, 5));
    expected.insert("Primery", "<folder>");
    expected.insert("Primery/a.rtf", "rtf");
    expected.insert("Pusto", "<folder>");
    expected.insert(QString::fromUtf8("пример.txt"), "cp866");
    EXPECT_EQ(snapshot(data), expected);
    EXPECT_EQ(namesIn(home.path() + "/data"), QStringList{"Telvo_Lab"});
    EXPECT_FALSE(QFileInfo::exists(home.path() + "/readme.txt"));
    expectNoLeftovers();
}

struct HostileCase {
    const char* what;
    std::vector<Entry> entries;
    RestoreStatus expected;
    // Changes the written archive's bytes (damage, false size claims).
    void (*damage)(QByteArray&) = nullptr;
    RestoreLimits limits = {};
};

TEST_F(DataArchiveTest, DamagedAndHostileArchivesLeaveTheDataFolderAsItWas) {
    const QByteArray dict = pattern(176 * 4, 7);
    const QByteArray evil = QFile::encodeName(home.path() + "/evil");
    const std::vector<HostileCase> cases = {
        {"absolute name",
         {{kPrefix + "Vocabulary.dictdat", dict}, {evil, "x"}},
         RestoreStatus::Refused},
        {"absolute name inside the prefix",
         {{kPrefix + "Vocabulary.dictdat", dict}, {"/" + kPrefix + "x", "x"}},
         RestoreStatus::Refused},
        {"drive letter",
         {{kPrefix + "Vocabulary.dictdat", dict},
          {"C:\\ProgramData\\Telvo_Lab\\Telvo_Vocabulary_02\\x", "x"}},
         RestoreStatus::Refused},
        {"dot-dot",
         {{kPrefix + "Vocabulary.dictdat", dict}, {kPrefix + "../../../evil", "x"}},
         RestoreStatus::Refused},
        {"dot-dot with backslashes",
         {{kPrefix + "Vocabulary.dictdat", dict},
          {"ProgramData\\Telvo_Lab\\Telvo_Vocabulary_02\\..\\..\\..\\evil", "x"}},
         RestoreStatus::Refused},
        {"symbolic link",
         {{kPrefix + "Vocabulary.dictdat", dict}, {kPrefix + "link", "/etc/passwd", Entry::Link}},
         RestoreStatus::Refused},
        {"one name twice (the two separators)",
         {{kPrefix + "Vocabulary.dictdat", dict},
          {"ProgramData\\Telvo_Lab\\Telvo_Vocabulary_02\\Vocabulary.dictdat", pattern(176, 8)}},
         RestoreStatus::Refused},
        {"only entries outside the data folder",
         {{"ProgramData/Telvo_Lab/Other/Vocabulary.dictdat", dict}, {"Vocabulary.dictdat", dict}},
         RestoreStatus::NoDictionary},
        {"no dictionary",
         {{kPrefix + "Start.startdat", pattern(16, 1)}},
         RestoreStatus::NoDictionary},
        {"dictionary of a broken size",
         {{kPrefix + "Vocabulary.dictdat", pattern(177, 1)}},
         RestoreStatus::NoDictionary},
        {"an entry claiming 2 GB",
         {{kPrefix + "Vocabulary.dictdat", dict}, {kPrefix + "big", QByteArray(4096, 'a')}},
         RestoreStatus::TooLarge,
         [](QByteArray& z) { claimSize(z, 1, 0x80000000u); }},
        {"more bytes than the limit",
         {{kPrefix + "Vocabulary.dictdat", dict}, {kPrefix + "big", QByteArray(4096, 'a')}},
         RestoreStatus::TooLarge,
         nullptr,
         {65535, 4096}},
        {"more entries than the limit",
         {{kPrefix + "Vocabulary.dictdat", dict}, {kPrefix + "a", "a"}, {kPrefix + "b", "b"}},
         RestoreStatus::TooLarge,
         nullptr,
         {2, std::int64_t{1} << 30}},
        {"an entry inflating past its declared size",
         {{kPrefix + "Vocabulary.dictdat", dict}, {kPrefix + "bomb", QByteArray(100000, 'a')}},
         RestoreStatus::Unreadable,
         [](QByteArray& z) { claimSize(z, 1, 100); }},
        {"truncated",
         {{kPrefix + "Vocabulary.dictdat", dict}, {kPrefix + "Start.startdat", pattern(16, 1)}},
         RestoreStatus::Unreadable,
         [](QByteArray& z) { z.truncate(z.size() / 2); }},
        {"corrupted data byte of the second entry",
         {{kPrefix + "Vocabulary.dictdat", dict}, {kPrefix + "Start.startdat", pattern(3000, 1)}},
         RestoreStatus::Unreadable,
         [](QByteArray& z) {
             const qsizetype at = localHeader(z, 1);
             const qsizetype body = at + 30 + le16(z, at + 26) + le16(z, at + 28);
             z[body + le32(z, at + 18) / 2] =
                 static_cast<char>(z[body + le32(z, at + 18) / 2] ^ 0x5A);
         }},
        {"not an archive at all",
         {{kPrefix + "Vocabulary.dictdat", dict}},
         RestoreStatus::Unreadable,
         [](QByteArray& z) { z = "just some text, not a zip"; }},
    };
    const auto before = snapshot(data);
    ASSERT_FALSE(before.isEmpty());
    for (const HostileCase& c : cases) {
        SCOPED_TRACE(c.what);
        const QString zip = home.path() + "/hostile.zip";
        writeZip(zip, c.entries);
        if (c.damage) {
            QByteArray bytes = readFile(zip);
            c.damage(bytes);
            writeFile(zip, bytes);
        }
        const RestoreResult r = restoreDataFolder(zip, data, c.limits);
        EXPECT_EQ(r.status, c.expected) << r.detail.toStdString();
        EXPECT_EQ(snapshot(data), before);
        expectNoLeftovers();
        EXPECT_FALSE(QFileInfo::exists(home.path() + "/evil"));
        EXPECT_EQ(namesIn(home.path() + "/data"), QStringList{"Telvo_Lab"});
    }
}

// The same damaged archives, as a control, restore once undamaged and within the limits.
TEST_F(DataArchiveTest, TheControlArchiveOfTheDamagedCasesRestores) {
    const QString zip = home.path() + "/good.zip";
    writeZip(zip, {{kPrefix + "Vocabulary.dictdat", pattern(176 * 4, 7)},
                   {kPrefix + "Start.startdat", pattern(3000, 1)},
                   {kPrefix + "big", QByteArray(4096, 'a')}});
    ASSERT_EQ(restoreDataFolder(zip, data, {3, 176 * 4 + 3000 + 4096}).status,
              RestoreStatus::Restored);
    EXPECT_EQ(readFile(data + "/Start.startdat"), pattern(3000, 1));
    EXPECT_EQ(readFile(data + "/big"), QByteArray(4096, 'a'));
}

TEST_F(DataArchiveTest, StoppedRestoreLeavesTheDataFolderAsItWas) {
    ASSERT_EQ(archiveDataFolder(data, stick).status, ArchiveStatus::Archived);
    const auto archived = snapshot(data);
    writeFile(data + "/Vocabulary.dictdat", pattern(176, 11));
    const auto before = snapshot(data);
    int stops = 0;
    for (int stopAt = 1;; ++stopAt) {
        int calls = 0;
        const RestoreResult r =
            restoreDataFolder(archive, data, {}, [&] { return ++calls >= stopAt; });
        if (r.status == RestoreStatus::Restored)
            break;
        ++stops;
        EXPECT_EQ(r.status, RestoreStatus::Cancelled) << stopAt;
        EXPECT_EQ(snapshot(data), before) << stopAt;
        expectNoLeftovers();
        ASSERT_LT(stopAt, 200);
    }
    // Each of the 14 files was a place to stop, and the job went on to the end afterwards.
    EXPECT_GT(stops, 14);
    EXPECT_EQ(snapshot(data), archived);
}

TEST_F(DataArchiveTest, LeftoversOfAnInterruptedRestoreAreNeverLost) {
    const auto before = snapshot(data);
    const QString saved = restoreSavedFolder(data);
    const QString staging = restoreStagingFolder(data);

    // Interrupted between the two renames: the saved copy is the data.
    ASSERT_TRUE(QDir().rename(data, saved));
    writeFile(staging + "/partial", "p");
    recoverInterruptedRestore(data);
    EXPECT_EQ(snapshot(data), before);
    expectNoLeftovers();

    // A saved copy beside a data folder is kept aside, whole.
    writeFile(saved + "/Vocabulary.dictdat", pattern(176, 12));
    recoverInterruptedRestore(data);
    EXPECT_EQ(snapshot(data), before);
    const QStringList beside = namesIn(QFileInfo(data).absolutePath());
    ASSERT_EQ(beside.size(), 2);
    EXPECT_EQ(beside[0], "Telvo_Vocabulary_02");
    EXPECT_TRUE(beside[1].startsWith("Telvo_Vocabulary_02_old_")) << beside[1].toStdString();
    EXPECT_EQ(readFile(QFileInfo(data).absolutePath() + "/" + beside[1] + "/Vocabulary.dictdat"),
              pattern(176, 12));
}

TEST_F(DataArchiveTest, RestoreAfterAnInterruptedOneStartsFromTheRecoveredData) {
    ASSERT_EQ(archiveDataFolder(data, stick).status, ArchiveStatus::Archived);
    const auto archived = snapshot(data);
    writeFile(restoreStagingFolder(data) + "/Vocabulary.dictdat", "partial");
    ASSERT_EQ(restoreDataFolder(archive, data).status, RestoreStatus::Restored);
    EXPECT_EQ(snapshot(data), archived);
    expectNoLeftovers();
}

} // namespace
