#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace telvo {

class Transaction;

// Files of one byte per record: the exercise histories and Stat_forget.dictstat. Each holds
// `size` bytes when it matches its records; a file of another size is read as if cut or padded
// with zeros to `size`, and a change rewrites it to the right size. Every failure throws
// telvo::Failure. The changes are staged into a transaction, which puts them in place with the
// rest of its change: an append or a byte in place is written there, anything else rewrites
// the file through its `_new` companion.

// The first `size` bytes of the file, zeros past its end.
QByteArray readAlignedBytes(const QString& path, int32_t size);

// The file holds `oldSize` bytes; `count` zero bytes follow them.
void appendZeroByte(Transaction& t, const QString& path, int32_t oldSize, int32_t count = 1);

// The file holds `oldSize` bytes; a zero byte goes in at `index` (0 <= index <= oldSize),
// appended in place when index == oldSize.
void insertZeroByte(Transaction& t, const QString& path, int32_t index, int32_t oldSize);

// The file holds `oldSize` bytes; the byte at `index` (0 <= index < oldSize) goes.
void removeByte(Transaction& t, const QString& path, int32_t index, int32_t oldSize);

// One byte at `index` in place; a shorter file is first extended with zeros.
void setByte(Transaction& t, const QString& path, int32_t index, char value);
// The same as a change of its own, put in place at once.
void setByte(const QString& path, int32_t index, char value);

} // namespace telvo
