#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>

namespace telvo {

// A file of fixed-size records without header, opened and closed within each operation.
// Every failure (missing file, short read, failed write) throws telvo::Failure. Operations that
// rewrite the whole file build it in the `_new` companion and rename it over the original, so
// a crash leaves the old or the new file, never neither; writes in place are synced to the disk
// before they return. A file that is a symbolic link is changed where the link points. A change
// of more than one file goes through a Transaction instead.
class RecordFile {
public:
    // `newPath`: the companion when the file is no link (default: the `_new` name beside it).
    RecordFile(QString path, int recordSize, QString newPath = {});

    const QString& path() const { return path_; }
    int recordSize() const { return recordSize_; }
    bool exists() const;

    // Number of whole records; a trailing partial record is not counted. At most INT32_MAX.
    int32_t count() const;
    // Every whole record, in order.
    QByteArray readAll() const;
    // At most `n` whole records from `index`: fewer where the file ends first.
    QByteArray readUpTo(int32_t index, int32_t n) const;
    // Exactly `n` records from `index` (0-based); fewer is a failure.
    QByteArray read(int32_t index, int32_t n = 1) const;

    // Writes whole records at `index`, which must not lie beyond the last whole record.
    void overwrite(int32_t index, QByteArrayView records);
    // Writes records after the last whole record.
    void append(QByteArrayView records);
    // Removes the record at `index` through the `_new` companion.
    void remove(int32_t index);
    // Inserts one record before `index`; at the end it is a plain append.
    void insert(int32_t index, QByteArrayView record);

    // Creates the file with `content` (replacing any file of that name).
    void create(QByteArrayView content) const;
    // Replaces the whole content through the `_new` companion.
    void replace(QByteArrayView content) const;
    // Deletes the file; a missing file is not an error.
    void erase() const;

private:
    void checkWhole(QByteArrayView records) const;

    QString path_;
    int recordSize_;
    QString newPath_;
};

// The `_new` companion of a data file: "Stat_eng.dictstat" -> "Stat_eng_new.dictstat".
QString companionPath(const QString& path);

} // namespace telvo
