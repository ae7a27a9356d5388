#pragma once

#include "app/core/Globals.h"
#include "store/Records.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

namespace telvo {

class Transaction;

// The five exercise histories: one byte per record of the exercise range, byte k belonging to
// record Nachalo_diapazona + k. A missing history means nothing is finished yet.
enum class History { Eng, Rus, PerEng, PerRus, Pair };
inline constexpr int kHistoryCount = 5;

struct HistoryInfo {
    History history;
    QString DataPaths::*path;                     // e.g. Stat_eng.dictstat
    QString DataPaths::*newPath;                  // its `_new` companion
    bool Globalnye_peremennye_slovarya::*rebuild; // the rebuild flag of the exercise's table
    const char* statusText; // "  Остаток английских = " and the like
};

// In the order of the reset window's check boxes: Eng, Rus, PerEng, PerRus, Pair.
const std::array<HistoryInfo, kHistoryCount>& histories();
const HistoryInfo& historyInfo(History h);

const QString& historyPath(const DataPaths& paths, History h);
bool historyExists(const DataPaths& paths, History h);

// The history as Razmer_diapazona bytes: past the end of a short file zeros, bytes beyond the
// range ignored. Empty when the file does not exist. Throws telvo::Failure.
QByteArray readHistory(const Globalnye_peremennye_slovarya& g, History h);

// Which histories a reset touches, indexed like histories().
using HistorySelection = std::array<bool, kHistoryCount>;

// Deletes the selected histories (all five when `all`) and sets their rebuild flags, also for
// a history that had no file or could not be deleted. Reports as "Обнуление_статистики".
void Obnulenie_statistiki(Globalnye_peremennye_slovarya& g, bool all,
                          const HistorySelection& selection = {});
// Resets one history, as an exercise does when it begins anew.
void Obnulenie_statistiki(Globalnye_peremennye_slovarya& g, History h);

// Editing every existing history when the dictionary changes (a missing one stays missing),
// staged into the transaction of that change. `oldSize` is the number of bytes the histories
// hold before the change. Throw telvo::Failure; the callers report.

// Records appended inside the range: `count` zero bytes after the first `oldSize` bytes.
void appendZeroToHistories(Transaction& t, const Globalnye_peremennye_slovarya& g, int32_t oldSize,
                           int32_t count = 1);
// A record inserted at history position `p`.
void insertZeroIntoHistories(Transaction& t, const Globalnye_peremennye_slovarya& g, int32_t p,
                             int32_t oldSize);
// The record at history position `index` deleted.
void removeFromHistories(Transaction& t, const Globalnye_peremennye_slovarya& g, int32_t index,
                         int32_t oldSize);
// All five histories deleted, as a reset of all does (the caller sets the rebuild flags).
void removeAllHistories(Transaction& t, const Globalnye_peremennye_slovarya& g);

// Sets the byte of dictionary record `recordNumber` in one history when that file exists and
// the record lies in the range; returns whether it staged a write. Throws telvo::Failure.
bool setHistoryByteOfRecord(Transaction& t, const Globalnye_peremennye_slovarya& g, History h,
                            int32_t recordNumber, bool value);

// Saves the range of the range window: the range written and all five histories deleted in one
// change, the rebuild flags of the histories set (also when it fails). Reports as
// "Записать_измененный_диапазон"; a missing range file is said as there, and the histories
// still go.
void saveRangeAndResetHistories(Globalnye_peremennye_slovarya& g, const RangeRecord& range);

} // namespace telvo
