#include "store/RecordFile.h"

#include "app/core/Failure.h"
#include "platform/Files.h"
#include "store/Transaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>

namespace telvo {

namespace {

QString fileName(const QString& path) {
    return QFileInfo(path).fileName();
}

[[noreturn]] void fail(const QString& what, const QFile& file) {
    throw Failure(what.arg(fileName(file.fileName()), file.errorString()));
}

void open(QFile& file, QIODevice::OpenMode mode) {
    if (!file.open(mode))
        fail(QStringLiteral("Не удалось открыть файл %1: %2"), file);
}

void seek(QFile& file, qint64 pos) {
    if (!file.seek(pos))
        fail(QStringLiteral("Ошибка позиционирования в файле %1: %2"), file);
}

using platform::OutputFile;

// The file opened for a write in place (created when missing). Links are followed.
OutputFile openInPlace(const QString& path) {
    OutputFile file;
    const QString target = platform::resolveLinks(path);
    if (const int e = file.open(target, OutputFile::Mode::Create))
        throwFileFailure(kOpenFailed, target, e);
    return file;
}

void writeAndSync(OutputFile& file, qint64 offset, QByteArrayView bytes) {
    int e = bytes.isEmpty() ? 0 : file.writeAt(offset, bytes);
    if (e == 0)
        e = file.sync();
    if (e != 0)
        throwFileFailure(kWriteFailed, file.path(), e);
}

} // namespace

QString companionPath(const QString& path) {
    const QFileInfo info(path);
    const QString suffix = info.completeSuffix();
    const QString stem = suffix.isEmpty()
                             ? info.fileName()
                             : info.fileName().left(info.fileName().size() - suffix.size() - 1);
    const QString name =
        suffix.isEmpty() ? stem + QStringLiteral("_new") : stem + QStringLiteral("_new.") + suffix;
    return info.dir().filePath(name);
}

RecordFile::RecordFile(QString path, int recordSize, QString newPath)
    : path_(std::move(path)), recordSize_(recordSize),
      newPath_(newPath.isEmpty() ? companionPath(path_) : std::move(newPath)) {}

bool RecordFile::exists() const {
    return QFileInfo::exists(path_);
}

int32_t RecordFile::count() const {
    QFile file(path_);
    open(file, QIODevice::ReadOnly);
    // Record numbers are 32-bit: a file of more records (a one-byte file past 2 GiB) counts
    // as the largest number rather than wrapping to a negative one.
    return static_cast<int32_t>(
        std::min<qint64>(file.size() / recordSize_, std::numeric_limits<int32_t>::max()));
}

QByteArray RecordFile::readAll() const {
    QFile file(path_);
    open(file, QIODevice::ReadOnly);
    const qint64 bytes = file.size() / recordSize_ * recordSize_;
    QByteArray data(bytes, Qt::Uninitialized);
    if (bytes > 0 && file.read(data.data(), bytes) != bytes)
        fail(QStringLiteral("Ошибка чтения файла %1: %2"), file);
    return data;
}

QByteArray RecordFile::readUpTo(int32_t index, int32_t n) const {
    QFile file(path_);
    open(file, QIODevice::ReadOnly);
    const qint64 total = file.size() / recordSize_;
    if (index < 0 || n <= 0 || index >= total)
        return {};
    const qint64 records = std::min<qint64>(n, total - index);
    seek(file, qint64(index) * recordSize_);
    QByteArray data(records * recordSize_, Qt::Uninitialized);
    if (file.read(data.data(), data.size()) != data.size())
        fail(QStringLiteral("Ошибка чтения файла %1: %2"), file);
    return data;
}

QByteArray RecordFile::read(int32_t index, int32_t n) const {
    QByteArray data = readUpTo(index, n);
    if (n <= 0 || data.size() != qint64(n) * recordSize_)
        throw Failure(QStringLiteral("Чтение за концом файла %1").arg(fileName(path_)));
    return data;
}

void RecordFile::checkWhole(QByteArrayView records) const {
    if (records.size() % recordSize_ != 0)
        throw Failure(QStringLiteral("Неполная запись для файла %1").arg(fileName(path_)));
}

void RecordFile::overwrite(int32_t index, QByteArrayView records) {
    checkWhole(records);
    OutputFile file = openInPlace(path_);
    const qint64 total = file.size() / recordSize_;
    if (index < 0 || index > total)
        throw Failure(QStringLiteral("Запись за концом файла %1").arg(fileName(path_)));
    writeAndSync(file, qint64(index) * recordSize_, records);
}

void RecordFile::append(QByteArrayView records) {
    checkWhole(records);
    OutputFile file = openInPlace(path_);
    // After the last whole record: a damaged partial tail is overwritten, not extended.
    writeAndSync(file, file.size() / recordSize_ * recordSize_, records);
}

void RecordFile::remove(int32_t index) {
    const QByteArray all = readAll();
    const qint64 total = all.size() / recordSize_;
    if (index < 0 || index >= total)
        throw Failure(QStringLiteral("Чтение за концом файла %1").arg(fileName(path_)));
    const qint64 at = qint64(index) * recordSize_;
    Transaction change({}, {});
    change.replace(path_,
                   {QByteArrayView(all).first(at), QByteArrayView(all).sliced(at + recordSize_)},
                   newPath_);
    change.commit();
}

void RecordFile::insert(int32_t index, QByteArrayView record) {
    if (record.size() != recordSize_)
        throw Failure(QStringLiteral("Неполная запись для файла %1").arg(fileName(path_)));
    const int32_t total = count();
    if (index < 0 || index > total)
        throw Failure(QStringLiteral("Запись за концом файла %1").arg(fileName(path_)));
    if (index == total) {
        append(record);
        // A companion left over from an earlier crash goes, as after a copy.
        if (QFileInfo::exists(newPath_))
            platform::removeFile(newPath_);
        return;
    }
    const QByteArray all = readAll();
    const qint64 at = qint64(index) * recordSize_;
    Transaction change({}, {});
    change.replace(path_, {QByteArrayView(all).first(at), record, QByteArrayView(all).sliced(at)},
                   newPath_);
    change.commit();
}

void RecordFile::create(QByteArrayView content) const {
    // Through the companion as well, so a crash never leaves a half-written new file.
    replace(content);
}

void RecordFile::replace(QByteArrayView content) const {
    Transaction change({}, {});
    change.replace(path_, {content}, newPath_);
    change.commit();
}

void RecordFile::erase() const {
    if (!QFileInfo::exists(path_))
        return;
    Transaction change({}, {});
    change.remove(path_);
    change.commit();
}

} // namespace telvo
