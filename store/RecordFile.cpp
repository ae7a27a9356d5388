#include "store/RecordFile.h"

#include "app/core/Failure.h"
#include "platform/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

void writeAll(QFile& file, QByteArrayView bytes) {
    if (bytes.isEmpty())
        return;
    if (file.write(bytes.data(), bytes.size()) != bytes.size())
        fail(QStringLiteral("Ошибка записи в файл %1: %2"), file);
}

// Writes `parts` into `newPath`, syncs it and renames it over `path`. On any failure the
// companion is removed and the original is left as it was.
void replaceThroughCompanion(const QString& path, const QString& newPath,
                             std::initializer_list<QByteArrayView> parts) {
    QFile out(newPath);
    open(out, QIODevice::WriteOnly | QIODevice::Truncate);
    try {
        for (QByteArrayView part : parts)
            writeAll(out, part);
        if (!platform::syncFile(out))
            fail(QStringLiteral("Ошибка записи в файл %1: %2"), out);
        out.close();
    } catch (...) {
        out.close();
        QFile::remove(newPath);
        throw;
    }
    if (!platform::replaceFile(newPath, path)) {
        QFile::remove(newPath);
        throw Failure(QStringLiteral("Не удалось заменить файл %1 файлом %2")
                          .arg(fileName(path), fileName(newPath)));
    }
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
    return static_cast<int32_t>(file.size() / recordSize_);
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
    QFile file(path_);
    open(file, QIODevice::ReadWrite);
    const qint64 total = file.size() / recordSize_;
    if (index < 0 || index > total)
        throw Failure(QStringLiteral("Запись за концом файла %1").arg(fileName(path_)));
    seek(file, qint64(index) * recordSize_);
    writeAll(file, records);
    if (!file.flush())
        fail(QStringLiteral("Ошибка записи в файл %1: %2"), file);
}

void RecordFile::append(QByteArrayView records) {
    checkWhole(records);
    QFile file(path_);
    open(file, QIODevice::ReadWrite);
    // After the last whole record: a damaged partial tail is overwritten, not extended.
    seek(file, file.size() / recordSize_ * recordSize_);
    writeAll(file, records);
    if (!file.flush())
        fail(QStringLiteral("Ошибка записи в файл %1: %2"), file);
}

void RecordFile::remove(int32_t index) {
    const QByteArray all = readAll();
    const qint64 total = all.size() / recordSize_;
    if (index < 0 || index >= total)
        throw Failure(QStringLiteral("Чтение за концом файла %1").arg(fileName(path_)));
    const qint64 at = qint64(index) * recordSize_;
    replaceThroughCompanion(
        path_, newPath_,
        {QByteArrayView(all).first(at), QByteArrayView(all).sliced(at + recordSize_)});
}

void RecordFile::insert(int32_t index, QByteArrayView record) {
    if (record.size() != recordSize_)
        throw Failure(QStringLiteral("Неполная запись для файла %1").arg(fileName(path_)));
    const int32_t total = count();
    if (index < 0 || index > total)
        throw Failure(QStringLiteral("Запись за концом файла %1").arg(fileName(path_)));
    if (index == total) {
        append(record);
        QFile::remove(newPath_);
        return;
    }
    const QByteArray all = readAll();
    const qint64 at = qint64(index) * recordSize_;
    replaceThroughCompanion(
        path_, newPath_, {QByteArrayView(all).first(at), record, QByteArrayView(all).sliced(at)});
}

void RecordFile::create(QByteArrayView content) const {
    QFile file(path_);
    open(file, QIODevice::WriteOnly | QIODevice::Truncate);
    writeAll(file, content);
    if (!file.flush())
        fail(QStringLiteral("Ошибка записи в файл %1: %2"), file);
}

void RecordFile::replace(QByteArrayView content) const {
    replaceThroughCompanion(path_, newPath_, {content});
}

void RecordFile::erase() const {
    if (QFileInfo::exists(path_) && !QFile::remove(path_))
        throw Failure(QStringLiteral("Не удалось удалить файл %1").arg(fileName(path_)));
}

} // namespace telvo
