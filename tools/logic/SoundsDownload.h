#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QThreadPool>
#include <QTimer>
#include <QUrl>

class QNetworkReply;

namespace telvo::tools {

// How a download of the sounds archive ended.
enum class DownloadOutcome {
    Saved,      // received and written to the folder
    NoFile,     // the HEAD request failed or got no answer in time: nothing to download
    TimedOut,   // the GET failed or did not end in time
    SaveFailed, // received, but the file could not be written
};

// The two request headers every request of the download carries.
inline constexpr char kAcceptHeader[] =
    "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";
inline constexpr char kUserAgentHeader[] = "Mozilla/3.0 (compatible; Indy Library)";
inline constexpr char kSoundsFileName[] = "sounds.zip";

// HEAD and then GET of the sounds archive over plain HTTP, with cookies kept from one request to
// the next and no proxy; the received bytes are written to `folder`/sounds.zip (created when
// missing, replaced atomically) off the calling thread. Each request has `limitMs` to end; an
// answer that comes after its limit is dropped, so it neither changes the outcome nor writes the
// file. One run per object; finished() comes exactly once.
class SoundsDownload : public QObject {
    Q_OBJECT
public:
    SoundsDownload(QUrl url, QString folder, int limitMs = 30000, QObject* parent = nullptr);
    ~SoundsDownload() override;

    void start();
    bool running() const { return step_ != Step::Idle && step_ != Step::Done; }
    QString targetPath() const;

signals:
    void finished(telvo::tools::DownloadOutcome outcome);

private:
    enum class Step { Idle, Head, Get, Save, Done };
    QNetworkRequest request() const;
    // The reply awaited in `step` when it is the one that ended, taken from reply_; else null.
    QNetworkReply* endedReply(Step step);
    void headEnded();
    void getEnded();
    void limitReached();
    void saveEnded(bool saved);
    void end(DownloadOutcome outcome);

    QUrl url_;
    QString folder_;
    QNetworkAccessManager manager_;
    QTimer limit_;
    QPointer<QNetworkReply> reply_;
    QThreadPool writer_;
    Step step_ = Step::Idle;
};

// Writes `bytes` to `path` through a companion file renamed over it, creating the folder when
// it is missing. False when any step fails; the old file then stays as it was.
bool saveDownloadedFile(const QString& path, const QByteArray& bytes);

} // namespace telvo::tools
