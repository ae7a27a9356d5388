#pragma once

#include "app/core/Globals.h"
#include "store/Records.h"

#include <cstdint>
#include <optional>

namespace telvo {

class Transaction;

// Reads upragneniy.uprdat into the range fields of `g`. A missing file (or one too short to
// hold the range) leaves the range as it is. With the whole-dictionary flag the range is
// 1 to Kolichestvo_zapisey whatever numbers are stored. Stored numbers that do not fit the
// dictionary of Kolichestvo_zapisey records are corrected as checkStoredRange says: the file
// is rewritten with the corrected range and, when the histories no longer match, they are
// deleted. Reports as "Прочитать_диапазон".
void Prochitat_diapazon(Globalnye_peremennye_slovarya& g);

// A stored range checked against a dictionary of `count` records.
struct CheckedRange {
    RangeRecord range;           // what the program works with
    bool corrected = false;      // differs from what is stored: the file is rewritten
    bool historiesStale = false; // the histories no longer belong to the range: deleted
};

// A fixed range must satisfy 1 <= start <= end <= count. An end beyond the dictionary is cut
// to its last record (the history bytes of the records that remain stay where they were); a
// start below 1 or beyond the dictionary, or an end below the start, cannot stand: the range
// becomes the whole dictionary and its histories are stale. With the whole-dictionary flag the
// stored numbers do not count.
CheckedRange checkStoredRange(const RangeRecord& stored, int32_t count);

// end - start + 1 without overflow, never below 0.
int32_t rangeSize(int32_t start, int32_t end);

// Writes the four range fields of `g` over the record of upragneniy.uprdat. A missing file is
// not created: the system message box says so and nothing is written. Reports as
// "Записать_измененный_диапазон".
void Zapisat_izmenennyy_diapazon(Globalnye_peremennye_slovarya& g);

// Stages the write of `range` over the record of upragneniy.uprdat into `t` (in place, without
// truncating, so a file shorter than the record becomes whole again). A missing file is not
// created: nothing is staged and the result is false; say so with sayRangeFileMissing once
// the change is made.
bool stageRangeWrite(Transaction& t, const Globalnye_peremennye_slovarya& g,
                     const RangeRecord& range);
// The same for the range file at `path` (the idiom range has the same layout).
bool stageRangeWrite(Transaction& t, const QString& path, const RangeRecord& range);

// The check of a range dialog's two number fields before saving, against `count` records: the
// first failure in the order the dialogs show them (empty start, empty end, end beyond the
// count, start beyond the end, start below 1), with the field to focus.
struct RangeFieldsCheck {
    bool ok = false;
    QString error;
    bool focusStart = true;
    int32_t start = 0;
    int32_t end = 0;
};
RangeFieldsCheck checkRangeFields(const QString& startText, const QString& endText, int32_t count);

// The system message box for a range that could not be written for want of its file.
void sayRangeFileMissing();

// The range fields of `g` as one value, and back (setRange also recomputes Razmer_diapazona).
RangeRecord currentRange(const Globalnye_peremennye_slovarya& g);
void setRange(Globalnye_peremennye_slovarya& g, const RangeRecord& range);

// How the range follows a change of the dictionary. `newCount` is the record count after the
// change; the range passed in is the one before it.

// A record appended at the end. Empty when the range does not change (nothing is written).
std::optional<RangeRecord> rangeAfterAppend(const RangeRecord& range, int32_t newCount);

// A record inserted with `p` records before it (it becomes record p + 1).
RangeRecord rangeAfterInsert(const RangeRecord& range, int32_t p, int32_t newCount);

// Record `n` deleted, before the check for a range that lost its last record.
RangeRecord rangeAfterDelete(const RangeRecord& range, int32_t n, int32_t newCount);

// A range whose end fell below its start has lost its last record: it becomes the whole
// dictionary. Empty when the range still holds a record.
std::optional<RangeRecord> rangeWhenEmptied(const RangeRecord& range, int32_t count);

} // namespace telvo
