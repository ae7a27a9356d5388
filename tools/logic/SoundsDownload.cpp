#include "tools/logic/SoundsDownload.h"

#include <QDir>
#include <QFileInfo>
#include <QNetworkCookieJar>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QSaveFile>

namespace telvo::tools {

namespace {

// A reply without a network error and with a 2xx status.
bool answeredWell(const QNetworkReply& reply) {
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return reply.error() == QNetworkReply::NoError && status >= 200 && status <= 299;
}

} // namespace

SoundsDownload::SoundsDownload(QUrl url, QString folder, int limitMs, QObject* parent)
    : QObject(parent), url_(std::move(url)), folder_(std::move(folder)) {
    manager_.setProxy(QNetworkProxy::NoProxy);
    // The server may hand out a cookie with the HEAD answer and expect it back with the GET.
    manager_.setCookieJar(new QNetworkCookieJar(&manager_));
    limit_.setSingleShot(true);
    limit_.setInterval(limitMs);
    connect(&limit_, &QTimer::timeout, this, &SoundsDownload::limitReached);
    writer_.setMaxThreadCount(1);
}

SoundsDownload::~SoundsDownload() {
    // A write under way finishes first; its result then goes nowhere.
    writer_.waitForDone();
    if (reply_)
        reply_->abort();
}

QString SoundsDownload::targetPath() const {
    return QDir(folder_).filePath(QString::fromLatin1(kSoundsFileName));
}

QNetworkRequest SoundsDownload::request() const {
    QNetworkRequest r(url_);
    r.setRawHeader("Accept", kAcceptHeader);
    r.setRawHeader("User-Agent", kUserAgentHeader);
    return r;
}

void SoundsDownload::start() {
    if (step_ != Step::Idle)
        return;
    step_ = Step::Head;
    reply_ = manager_.head(request());
    connect(reply_, &QNetworkReply::finished, this, &SoundsDownload::headEnded);
    limit_.start();
}

QNetworkReply* SoundsDownload::endedReply(Step step) {
    QNetworkReply* reply = reply_;
    if (step_ != step || !reply || sender() != reply)
        return nullptr;
    limit_.stop();
    reply->deleteLater();
    reply_ = nullptr;
    return reply;
}

void SoundsDownload::headEnded() {
    QNetworkReply* reply = endedReply(Step::Head);
    if (!reply)
        return;
    if (!answeredWell(*reply)) {
        end(DownloadOutcome::NoFile);
        return;
    }
    step_ = Step::Get;
    reply_ = manager_.get(request());
    connect(reply_, &QNetworkReply::finished, this, &SoundsDownload::getEnded);
    limit_.start();
}

void SoundsDownload::getEnded() {
    QNetworkReply* reply = endedReply(Step::Get);
    if (!reply)
        return;
    if (!answeredWell(*reply)) {
        end(DownloadOutcome::TimedOut);
        return;
    }
    step_ = Step::Save;
    writer_.start([this, bytes = reply->readAll(), path = targetPath()] {
        const bool saved = saveDownloadedFile(path, bytes);
        // The destructor waits for this task, so the object is still there to receive it.
        QMetaObject::invokeMethod(
            this, [this, saved] { saveEnded(saved); }, Qt::QueuedConnection);
    });
}

void SoundsDownload::limitReached() {
    if (step_ != Step::Head && step_ != Step::Get)
        return;
    const Step step = step_;
    // Forgotten before the abort, whose own finished signal then finds no reply of ours.
    if (QNetworkReply* reply = reply_) {
        reply_ = nullptr;
        reply->abort();
        reply->deleteLater();
    }
    end(step == Step::Head ? DownloadOutcome::NoFile : DownloadOutcome::TimedOut);
}

void SoundsDownload::saveEnded(bool saved) {
    if (step_ == Step::Save)
        end(saved ? DownloadOutcome::Saved : DownloadOutcome::SaveFailed);
}

void SoundsDownload::end(DownloadOutcome outcome) {
    step_ = Step::Done;
    emit finished(outcome);
}

bool saveDownloadedFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace telvo::tools
