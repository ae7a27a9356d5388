#pragma once

#include "app/core/Globals.h"
#include "app/core/StandardTexts.h"
#include "store/Histories.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace telvo {

// What the caller of an exercise's start does next.
enum class StartAction {
    Open,         // show the exercise window
    AskBeginAnew, // ask `text` in the "Вопрос" window; on "Да" call beginAnew()
    Refuse,       // show `text` in the "Сообщение" window; the exercise ends
    Ignore,       // do nothing at all
};

struct StartDecision {
    StartAction action = StartAction::Open;
    QString text;
    // Text for the main window's remainder pane, shown before the question or refusal; empty
    // when the pane is left alone.
    QString paneText;
};

// Texts shared by several exercises.
inline constexpr const char* kForgottenModeRefusal =
    "При использовании режима «Забытые» ни одно слово не входит в установленный диапазон для "
    "упражнений.";
inline constexpr const char* kFewerThanTwoRecords = "В словаре количество записей меньше двух ...";
inline constexpr const char* kForgottenNotFormed = "Забытые слова еще не сформированы ...";
inline constexpr const char* kCannotExcludeForgotten =
    "Нельзя слово исключать из показа в упражнениях, если оно отмечено как забытое.";
inline constexpr const char* kCannotExcludeAll =
    "Нельзя исключить из показа в упражнения все записи.";

// Replaces the clock reseed of the shared generator (tests install a fixed seed).
using Reseed = std::function<void(RandomGenerator&)>;
void reseedFromClock(RandomGenerator& random);

// The translation shown for a record whose translation is empty.
QString missingTranslationText(int32_t recordNumber);
// The record's translation, or the placeholder naming it when the translation is empty.
QString translationOrPlaceholder(const QString& translation, int32_t recordNumber);

// A start number below 1 would place history byte 0 before the first record: it is read as 1.
// Razmer_diapazona is recomputed from the start and end (never below 0).
void guardRange(Globalnye_peremennye_slovarya& g);

// Calls visit(k, record) for records firstIndex + k (0-based, k = 0 .. count-1) of the
// dictionary, in order, reading blocks of records at once; stops where the dictionary ends.
// Returns the number of records visited. Throws telvo::Failure.
int32_t forEachDictionaryRecord(const Globalnye_peremennye_slovarya& g, int32_t firstIndex,
                                int32_t count,
                                const std::function<void(int32_t k, const char* record)>& visit);

// The one-byte files behind one range table: Razmer_diapazona entries each.
struct RangeData {
    int32_t start = 1;    // record number of entry 0
    int32_t size = 0;     // Razmer_diapazona
    QByteArray history;   // `size` bytes, zeros when absent or short
    QByteArray forgotten; // `size` bytes, zeros when absent or short
    bool forgottenFileRead = false;

    // Calls visit(k, record) for each entry whose record the dictionary holds; returns how
    // many it holds.
    int32_t forEachRecord(const Globalnye_peremennye_slovarya& g,
                          const std::function<void(int32_t k, const char* record)>& visit) const {
        return forEachDictionaryRecord(g, start - 1, size, visit);
    }
};

// Reads the history `h` (when `withHistory`) and the forgotten bytes (when `withForgotten` and
// the file exists) of the range. Throws telvo::Failure.
RangeData readRangeData(Globalnye_peremennye_slovarya& g, bool withHistory, History h,
                        bool withForgotten);

// Whether a range element can be presented: not done, not excluded and, in the forgotten view,
// forgotten.
template <class E> bool isOpen(const E& e, bool E::*done, bool forgottenMode) {
    return !(e.*done) && !e.Zapreshcheno_k_pokazu && (!forgottenMode || e.Otmecheno_kak_zabytoe);
}

template <class E>
int32_t countOpen(const std::vector<E>& table, bool E::*done, bool forgottenMode) {
    int32_t n = 0;
    for (const E& e : table)
        n += isOpen(e, done, forgottenMode) ? 1 : 0;
    return n;
}

template <class E> bool anyForgotten(const std::vector<E>& table) {
    for (const E& e : table)
        if (e.Otmecheno_kak_zabytoe)
            return true;
    return false;
}

// One range table seen through its done column, whatever its element type, so that an exercise
// with two tables of different types (English/Russian, from Russian/from English) has one code
// path for counting, eligibility and marking done.
class RangeTableOps {
public:
    template <class E>
    RangeTableOps(const Globalnye_peremennye_slovarya& g, std::vector<E>& table, bool E::*done)
        : size_([&table] { return int32_t(table.size()); }), open_([&g, &table, done](int32_t i) {
              return isOpen(table[size_t(i)], done, g.Rezhim_zabytye);
          }),
          setDone_([&table, done](int32_t i) { table[size_t(i)].*done = true; }),
          anyForgotten_([&table] { return telvo::anyForgotten(table); }) {}

    int32_t size() const { return size_(); }
    // Not done, not excluded and, in the forgotten view, forgotten.
    bool open(int32_t i) const { return open_(i); }
    void setDone(int32_t i) {
        if (i >= 0 && i < size())
            setDone_(i);
    }
    int32_t remaining() const {
        int32_t n = 0;
        for (int32_t i = 0, end = size(); i < end; ++i)
            n += open(i) ? 1 : 0;
        return n;
    }
    bool anyForgotten() const { return anyForgotten_(); }

private:
    std::function<int32_t()> size_;
    std::function<bool(int32_t)> open_;
    std::function<void(int32_t)> setDone_;
    std::function<bool()> anyForgotten_;
};

// Up to `attempts` draws from 0 .. size-1; the first index that `ok` accepts wins. When no draw
// hits, the first accepted index in order; -1 when none is accepted.
int32_t drawIndex(RandomGenerator& random, int32_t size, int64_t attempts,
                  const std::function<bool(int32_t)>& ok);

// The start decision once the table is built: open, ask to begin anew, or refuse.
StartDecision decideStart(bool forgottenMode, int32_t remaining, bool anyForgottenInRange,
                          const QString& paneTextPrefix, const QString& question);
// After "Да": the history is reset and the table rebuilt; open, or refuse with `nothingLeft`.
StartDecision decideAfterBeginAnew(int32_t remaining, const QString& paneTextPrefix,
                                   const QString& nothingLeft);

// "Забыл (F5)" from an exercise window: record `recordNumber` becomes forgotten (the forgotten
// file is created when absent) and every table is flagged for rebuild. Returns the text for
// the main window's forgotten-count pane. Throws telvo::Failure.
QString markForgottenFromExercise(Globalnye_peremennye_slovarya& g, int32_t recordNumber);

// Whether record `recordNumber` is forgotten now, from Stat_forget.dictstat.
bool isRecordForgotten(const Globalnye_peremennye_slovarya& g, int32_t recordNumber);

} // namespace telvo
