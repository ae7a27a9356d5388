#include "tests/support/LoopbackHttpServer.h"
#include "tools/logic/SoundsDownload.h"
#include "tools/logic/WebAddresses.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace telvo::tools;
using telvo::test::LoopbackHttpServer;

Q_DECLARE_METATYPE(LoopbackHttpServer::Answer)

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Bytes a text reader would mangle: zeros, CR LF, high bytes.
QByteArray archiveBytes(int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 131 + 7) % 256);
    bytes.replace(0, 4, "PK\x03\x04");
    return bytes;
}

LoopbackHttpServer::Answer answer(int status, QByteArray body = {}, bool silent = false,
                                  int delayMs = 0) {
    LoopbackHttpServer::Answer a;
    a.status = status;
    a.body = std::move(body);
    a.silent = silent;
    a.delayMs = delayMs;
    return a;
}

} // namespace

class SoundsDownloadTests : public QObject {
    Q_OBJECT
private slots:
    void savesTheArchiveAfterHeadThenGetWithTheHeadersAndTheCookie();
    void failuresEndWithTheirOutcomeAndWriteNothing_data();
    void failuresEndWithTheirOutcomeAndWriteNothing();
    void serverNobodyListensOnHasNoFile();
    void addressComesFromTheEnvironment_data();
    void addressComesFromTheEnvironment();
};

void SoundsDownloadTests::savesTheArchiveAfterHeadThenGetWithTheHeadersAndTheCookie() {
    LoopbackHttpServer server;
    QVERIFY(server.listening());
    const QByteArray body = archiveBytes(300000);
    server.head = answer(200, body);
    server.head.headers = "Set-Cookie: session=42; Path=/\r\n";
    server.get = answer(200, body);
    QTemporaryDir dir;
    // The folder does not exist yet, and an older archive of another folder stays untouched.
    const QString folder = dir.filePath(QStringLiteral("Загрузки/new"));
    QUrl url = server.base();
    url.setPath(QStringLiteral("/vocabulary/sounds.zip"));

    SoundsDownload download(url, folder, 10000);
    QSignalSpy done(&download, &SoundsDownload::finished);
    download.start();
    QVERIFY(download.running());
    QVERIFY(done.wait(10000));
    QCOMPARE(done.size(), 1);
    QCOMPARE(done[0][0].value<DownloadOutcome>(), DownloadOutcome::Saved);
    QVERIFY(!download.running());
    QCOMPARE(download.targetPath(), folder + QStringLiteral("/sounds.zip"));
    QCOMPARE(readAll(download.targetPath()), body);

    QCOMPARE(server.requests.size(), 2);
    QCOMPARE(server.requests[0].method, QByteArray("HEAD"));
    QCOMPARE(server.requests[1].method, QByteArray("GET"));
    for (const auto& r : server.requests) {
        QCOMPARE(r.path, QByteArray("/vocabulary/sounds.zip"));
        QCOMPARE(r.headers.value("accept"), QByteArray(kAcceptHeader));
        QCOMPARE(r.headers.value("user-agent"), QByteArray(kUserAgentHeader));
    }
    QVERIFY(!server.requests[0].headers.contains("cookie"));
    QCOMPARE(server.requests[1].headers.value("cookie"), QByteArray("session=42"));

    // A second download replaces the file as a whole.
    const QByteArray smaller = archiveBytes(1000);
    server.get = answer(200, smaller);
    SoundsDownload again(url, folder, 10000);
    QSignalSpy doneAgain(&again, &SoundsDownload::finished);
    again.start();
    QVERIFY(doneAgain.wait(10000));
    QCOMPARE(doneAgain[0][0].value<DownloadOutcome>(), DownloadOutcome::Saved);
    QCOMPARE(readAll(again.targetPath()), smaller);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"sounds.zip"});
}

void SoundsDownloadTests::failuresEndWithTheirOutcomeAndWriteNothing_data() {
    QTest::addColumn<LoopbackHttpServer::Answer>("head");
    QTest::addColumn<LoopbackHttpServer::Answer>("get");
    QTest::addColumn<int>("limitMs");
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<DownloadOutcome>("outcome");
    QTest::addColumn<QByteArrayList>("methods");
    const QByteArray body = archiveBytes(5000);
    const QByteArrayList headOnly{"HEAD"}, both{"HEAD", "GET"};
    // A failure that is not a timeout is known at once: the limit is far beyond the wait.
    QTest::newRow("404 on HEAD") << answer(404) << answer(200, body) << 60000 << true
                                 << DownloadOutcome::NoFile << headOnly;
    QTest::newRow("HEAD never answered") << answer(200, body, true) << answer(200, body) << 300
                                         << true << DownloadOutcome::NoFile << headOnly;
    QTest::newRow("404 on GET") << answer(200, body) << answer(404) << 60000 << true
                                << DownloadOutcome::TimedOut << both;
    QTest::newRow("GET never answered") << answer(200, body) << answer(200, body, true) << 300
                                        << true << DownloadOutcome::TimedOut << both;
    QTest::newRow("GET answered after the limit")
        << answer(200, body) << answer(200, body, false, 1200) << 300 << true
        << DownloadOutcome::TimedOut << both;
    QTest::newRow("folder cannot be written") << answer(200, body) << answer(200, body) << 60000
                                              << false << DownloadOutcome::SaveFailed << both;
}

void SoundsDownloadTests::failuresEndWithTheirOutcomeAndWriteNothing() {
    QFETCH(LoopbackHttpServer::Answer, head);
    QFETCH(LoopbackHttpServer::Answer, get);
    QFETCH(int, limitMs);
    QFETCH(bool, folderWritable);
    QFETCH(DownloadOutcome, outcome);
    QFETCH(QByteArrayList, methods);
    LoopbackHttpServer server;
    server.head = head;
    server.get = get;
    QTemporaryDir dir;
    QString folder = dir.path();
    if (!folderWritable) {
        // Below a plain file no folder can be made, not even by root.
        QFile blocker(dir.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        folder = blocker.fileName() + QStringLiteral("/downloads");
    }

    SoundsDownload download(server.base(), folder, limitMs);
    QSignalSpy done(&download, &SoundsDownload::finished);
    download.start();
    QVERIFY(done.wait(5000));
    QCOMPARE(done[0][0].value<DownloadOutcome>(), outcome);
    // A late answer, had it come, would have come by now; it changes nothing.
    QTest::qWait(get.delayMs > 0 ? get.delayMs + 500 : 100);
    QCOMPARE(done.size(), 1);
    QVERIFY(!QFile::exists(download.targetPath()));
    QByteArrayList seen;
    for (const auto& r : server.requests)
        seen << r.method;
    QCOMPARE(seen, methods);
}

void SoundsDownloadTests::serverNobodyListensOnHasNoFile() {
    QTemporaryDir dir;
    QUrl url;
    {
        LoopbackHttpServer gone;
        url = gone.base();
    }
    SoundsDownload download(url, dir.path(), 60000);
    QSignalSpy done(&download, &SoundsDownload::finished);
    download.start();
    QVERIFY(done.wait(5000));
    QCOMPARE(done[0][0].value<DownloadOutcome>(), DownloadOutcome::NoFile);
    QVERIFY(!QFile::exists(download.targetPath()));
}

void SoundsDownloadTests::addressComesFromTheEnvironment_data() {
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QString>("url");
    QTest::newRow("unset") << QByteArray()
                           << QString::fromLatin1(kDownloadServer) +
                                  QString::fromLatin1(kSoundsPath);
    QTest::newRow("server") << QByteArray("http://127.0.0.1:8080")
                            << "http://127.0.0.1:8080/vocabulary/sounds.zip";
    QTest::newRow("server and slash")
        << QByteArray("http://127.0.0.1:8080/") << "http://127.0.0.1:8080/vocabulary/sounds.zip";
    QTest::newRow("whole address")
        << QByteArray("http://mirror.example/files/s.zip") << "http://mirror.example/files/s.zip";
}

void SoundsDownloadTests::addressComesFromTheEnvironment() {
    QFETCH(QByteArray, variable);
    QFETCH(QString, url);
    const QByteArray old = qgetenv("TELVO_DOWNLOAD_URL");
    if (variable.isNull())
        qunsetenv("TELVO_DOWNLOAD_URL");
    else
        qputenv("TELVO_DOWNLOAD_URL", variable);
    const QUrl got = soundsDownloadUrl();
    if (old.isNull())
        qunsetenv("TELVO_DOWNLOAD_URL");
    else
        qputenv("TELVO_DOWNLOAD_URL", old);
    QCOMPARE(got.toString(), url);
}

QTEST_GUILESS_MAIN(SoundsDownloadTests)
#include "SoundsDownloadTests.moc"
