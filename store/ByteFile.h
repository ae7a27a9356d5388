#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace telvo {

// Files of one byte per record: the exercise histories and Stat_forget.dictstat. Each holds
// `size` bytes when it matches its records; a file of another size is read as if cut or padded
// with zeros to `size`, and a change rewrites it to the right size. Every failure throws
// telvo::Failure; rewrites go through the `_new` companion.

// The first `size` bytes of the file, zeros past its end.
QByteArray readAlignedBytes(const QString& path, int32_t size);

// The file holds `oldSize` bytes; a zero byte follows them.
void appendZeroByte(const QString& path, const QString& newPath, int32_t oldSize);

// The file holds `oldSize` bytes; a zero byte goes in at `index` (0 <= index <= oldSize),
// appended in place when index == oldSize.
void insertZeroByte(const QString& path, const QString& newPath, int32_t index, int32_t oldSize);

// The file holds `oldSize` bytes; the byte at `index` (0 <= index < oldSize) goes.
void removeByte(const QString& path, const QString& newPath, int32_t index, int32_t oldSize);

// Writes one byte at `index` in place; a shorter file is first extended with zeros.
void setByte(const QString& path, int32_t index, char value);

} // namespace telvo
