#pragma once

#include "app/core/Globals.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

namespace telvo {

// The file side of adding, inserting, editing and deleting dictionary records. Each keeps
// Stat_forget.dictstat, the exercise histories and the exercise range aligned with the new
// record numbering, in this order: dictionary, histories, forgotten file, counters, range.
// The dialogs check and normalise the texts first and pass today's date.
//
// Each is one Transaction: after a crash or a failure every file is old, or every file is new.
// Failures: a failed read or write throws telvo::Failure and changes nothing, neither a file
// nor `g` (the dialog's handler lets it reach the event-dispatch boundary). A change that
// cannot be finished once it counts as made ends the program under the dialog's name
// (TForma_dobavit and so on); the next start finishes it.
//
// The main window afterwards rebuilds its table and sets the rebuild flags
// (Sostoyanie_dinamicheskikh_massivov); these procedures do not.

// The three texts of a record. Stored converted to Windows-1251 and cut to 45, 50 and 60 bytes.
struct RecordTexts {
    QString Angliyskoe_slovo;
    QString Transkriptsiya;
    QString Perevod;

    bool operator==(const RecordTexts&) const = default;
};

// Appends a new record (added on `date`, not excluded, not marked) as record
// Kolichestvo_zapisey + 1. Sets Slovo_dobavleno.
void addRecord(Globalnye_peremennye_slovarya& g, const RecordTexts& texts, QDate date);

// An import: `additions` appended in their order as records Kolichestvo_zapisey + 1 …, each as
// addRecord appends one (so the range, the histories and the forgotten file end as after that
// many adds), and `updates` (record number, new texts; date and flags kept) written in place -
// all one change, together with `alsoReplace` (whole files, as path and new content: the group
// file when an import brings groups). Sets Slovo_dobavleno when anything was added.
void importRecords(Globalnye_peremennye_slovarya& g, const std::vector<RecordTexts>& additions,
                   const std::vector<std::pair<int32_t, RecordTexts>>& updates, QDate date,
                   const std::vector<std::pair<QString, QByteArray>>& alsoReplace = {});

// Inserts a new record at 0-based index `p` (0 <= p <= Kolichestvo_zapisey), so that it becomes
// record p + 1: p = n - 1 puts it "за" record n, p = n "перед" it. Sets Slovo_vstavleno.
void insertRecord(Globalnye_peremennye_slovarya& g, int32_t p, const RecordTexts& texts,
                  QDate date);

// Overwrites the three texts of record `n` in place, keeping its date and flags. Returns the
// texts as stored (read back, so cut to their widths). Sets Zapis_izmenena.
RecordTexts editRecord(Globalnye_peremennye_slovarya& g, int32_t n, const RecordTexts& texts);

// Deletes record `n`; every later record moves one number down. Sets Zapis_udalena.
void deleteRecord(Globalnye_peremennye_slovarya& g, int32_t n);

} // namespace telvo
