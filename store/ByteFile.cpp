#include "store/ByteFile.h"

#include "app/core/Failure.h"
#include "platform/Files.h"
#include "store/RecordFile.h"
#include "store/Transaction.h"

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

void appendZeroByte(Transaction& t, const QString& path, int32_t oldSize, int32_t count) {
    if (count == 1) {
        insertZeroByte(t, path, oldSize, oldSize);
        return;
    }
    if (count < 0)
        throw Failure(QStringLiteral("Неверное число байтов %1 для файла %2").arg(count).arg(path));
    if (RecordFile(path, 1).count() == oldSize) {
        t.write(path, oldSize, QByteArray(count, '\0'), true);
        t.remove(companionPath(platform::resolveLinks(path)));
        return;
    }
    QByteArray bytes = readAlignedBytes(path, oldSize);
    bytes.append(count, '\0');
    t.replace(path, {bytes});
}

void insertZeroByte(Transaction& t, const QString& path, int32_t index, int32_t oldSize) {
    checkIndex(index, oldSize, path);
    const RecordFile file(path, 1);
    if (file.count() == oldSize) {
        if (index == oldSize) {
            t.write(path, oldSize, QByteArrayView("\0", 1), true);
            // No copy is made; one left over from an interrupted run goes.
            t.remove(companionPath(platform::resolveLinks(path)));
            return;
        }
        const QByteArray all = file.readAll();
        t.replace(path, {QByteArrayView(all).first(index), QByteArrayView("\0", 1),
                         QByteArrayView(all).sliced(index)});
        return;
    }
    // A file of the wrong size is rewritten to the size it should have.
    QByteArray bytes = readAlignedBytes(path, oldSize);
    bytes.insert(index, '\0');
    t.replace(path, {bytes});
}

void removeByte(Transaction& t, const QString& path, int32_t index, int32_t oldSize) {
    checkIndex(index, oldSize - 1, path);
    QByteArray bytes = readAlignedBytes(path, oldSize);
    bytes.remove(index, 1);
    t.replace(path, {bytes});
}

void setByte(Transaction& t, const QString& path, int32_t index, char value) {
    if (index < 0)
        throw Failure(QStringLiteral("Неверная позиция %1 в файле %2").arg(index).arg(path));
    const int32_t size = RecordFile(path, 1).count();
    if (index > size) {
        QByteArray tail(index - size + 1, '\0');
        tail[tail.size() - 1] = value;
        t.write(path, size, tail);
    } else {
        t.write(path, index, QByteArrayView(&value, 1));
    }
}

void setByte(const QString& path, int32_t index, char value) {
    // A single byte cannot be torn, so it needs no journal.
    Transaction change({}, {});
    setByte(change, path, index, value);
    change.commit();
}

} // namespace telvo
