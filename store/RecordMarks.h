#pragma once

#include "store/RecordKind.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace telvo {

// The byte operations on the flags inside the records of any kind (excluded, marked, and the
// forgotten byte where the record has one). Failures throw telvo::Failure; the procedures
// with Russian names report them under their own names.

// Number of records whose byte at `offset` is set.
int32_t countRecordsWith(const Globalnye_peremennye_slovarya& g, const RecordKind& kind,
                         int offset);

// Changes the byte at `offset` of record `n` to `change(old value)`, as one change: one byte
// cannot be torn.
void changeRecordFlag(const Globalnye_peremennye_slovarya& g, const RecordKind& kind, int32_t n,
                      int offset, const std::function<bool(bool)>& change,
                      const QString& reportName);

// Sets the byte at `offset` of every whole record to `value(record bytes, 0-based index)`;
// the file is replaced whole (a crash half-way leaves the old flags, not some), and only when a
// byte changed.
void setRecordFlags(const Globalnye_peremennye_slovarya& g, const RecordKind& kind, int offset,
                    const std::function<bool(const char* record, int32_t index)>& value);

// Per record of `all`: added on `date` and not excluded, the records a date marking takes.
// Stored dates are whole days, as is the calendar's: compared exactly.
std::vector<bool> recordsAddedOn(const QByteArray& all, const RecordLayout& layout, QDate date);

// The message after a date marking that matched `count` records; `what` names them in the
// plural genitive ("слов", "идиом") and `whatNominative` in the nominative ("слова", "идиомы").
QString dateMarkingMessage(int32_t count, const QString& what, const QString& whatNominative);

// True when `text` (normalised) is already the text of a record and must not be stored, under
// the kind's dialog modes: adding and inserting refuse any match, editing a match with another
// record than the current one (the last match counts). Case-insensitive for Latin and Cyrillic.
bool isDuplicateText(const Globalnye_peremennye_slovarya& g, const RecordKind& kind,
                     const QString& text);

} // namespace telvo
