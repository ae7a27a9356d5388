#pragma once

#include "app/core/Globals.h"
#include "app/core/GroupTable.h"
#include "store/DictionaryEdits.h"
#include "store/Records.h"
#include "tools/logic/WordImport.h"

#include <QByteArray>
#include <QStringList>
#include <cstdint>
#include <utility>
#include <vector>

namespace telvo {

// What an import does with a word whose English text the dictionary (or the file, further up)
// already has, by the dictionary's own duplicate rule.
enum class DuplicatePolicy { Skip, Update };

// The records an import adds and changes, and what it has to tell the user about the rest.
struct ImportPlan {
    std::vector<RecordTexts> additions;
    // Record number and its new texts (an imported empty text keeps the stored one).
    std::vector<std::pair<int32_t, RecordTexts>> updates;
    int duplicatesSkipped = 0;
    int emptySkipped = 0; // rows without an English word
    int groupsAdded = 0;
    // Words whose texts were cut to the record's fields, as "word (поле)".
    QStringList cut;
    // Words not taken because a text holds characters the data files cannot store, with them.
    QStringList unstorable;
};

// `stored` holds the dictionary's records in file order (record k at k − 1). Texts are
// normalised as the entry fields normalise them.
ImportPlan planImport(const std::vector<RecordTexts>& words, const std::vector<DictRecord>& stored,
                      DuplicatePolicy policy);

// The lessons of a KVTML file as word groups: each lesson of 1 to 14 entries becomes a group of
// its name with its entries' words and translations in order; `tooLarge` counts the lessons of
// more entries, which stay out.
struct LessonGroups {
    tip_Dinamicheskiy_massiv_grupp_slov groups;
    int tooLarge = 0;
};
LessonGroups groupsFromLessons(const KvtmlDocument& doc, int english, int translation);

// Every record of the dictionary file, in order.
std::vector<DictRecord> readDictionary(const Globalnye_peremennye_slovarya& g);

// Plans `words` against the dictionary on disk and carries the plan out as one change
// (importRecords, dated `date`). Returns the plan for the summary. Throws telvo::Failure, and
// then nothing has changed.
// `groups` are added after the groups of the group file, in the same change.
ImportPlan importWords(Globalnye_peremennye_slovarya& g, const std::vector<RecordTexts>& words,
                       DuplicatePolicy policy, QDate date,
                       const tip_Dinamicheskiy_massiv_grupp_slov& groups = {});

// The summary shown when the import is done (or would do nothing).
QString importSummary(const ImportPlan& plan);

} // namespace telvo
