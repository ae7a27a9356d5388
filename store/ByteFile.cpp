#include "store/ByteFile.h"

#include "app/core/Failure.h"
#include "store/RecordFile.h"

namespace telvo {

namespace {

void checkIndex(int32_t index, int32_t limit, const QString& path) {
    if (index < 0 || index > limit)
        throw Failure(QStringLiteral("Неверная позиция %1 в файле %2").arg(index).arg(path));
}

} // namespace

QByteArray readAlignedBytes(const QString& path, int32_t size) {
    QByteArray bytes = RecordFile(path, 1).readUpTo(0, size);
    if (size > bytes.size())
        bytes.append(size - bytes.size(), '\0');
    return bytes;
}

void appendZeroByte(const QString& path, const QString& newPath, int32_t oldSize) {
    insertZeroByte(path, newPath, oldSize, oldSize);
}

void insertZeroByte(const QString& path, const QString& newPath, int32_t index, int32_t oldSize) {
    checkIndex(index, oldSize, path);
    RecordFile file(path, 1, newPath);
    if (file.count() == oldSize) {
        file.insert(index, QByteArrayView("\0", 1));
        return;
    }
    // A file of the wrong size is rewritten to the size it should have.
    QByteArray bytes = readAlignedBytes(path, oldSize);
    bytes.insert(index, '\0');
    file.replace(bytes);
}

void removeByte(const QString& path, const QString& newPath, int32_t index, int32_t oldSize) {
    checkIndex(index, oldSize - 1, path);
    RecordFile file(path, 1, newPath);
    if (file.count() == oldSize) {
        file.remove(index);
        return;
    }
    QByteArray bytes = readAlignedBytes(path, oldSize);
    bytes.remove(index, 1);
    file.replace(bytes);
}

void setByte(const QString& path, int32_t index, char value) {
    if (index < 0)
        throw Failure(QStringLiteral("Неверная позиция %1 в файле %2").arg(index).arg(path));
    RecordFile file(path, 1);
    const int32_t size = file.count();
    if (index > size)
        file.append(QByteArray(index - size, '\0'));
    file.overwrite(index, QByteArrayView(&value, 1));
}

} // namespace telvo
