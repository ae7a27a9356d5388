#pragma once

#include "app/core/Globals.h"
#include "store/Records.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

namespace telvo {

// The group table's operations behind the groups window and its dialogs. They change only the
// memory copy (the group file is written when the window closes) and return the system's own
// refusal texts instead of showing them. Group indices are 0-based, word rows 0..13.

// The 14 rows of the word table as its cells show them (not yet committed).
using GroupWordCells = tip_Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu;

inline constexpr const char* kNoGroups = "Еще не создано ни одной группы слов ...";
inline constexpr const char* kEmptyGroupName = "Поле с названием группы слов не может быть пустым!";
inline constexpr const char* kGroupNameTaken = "Группа слов с таким названием уже существует.";
inline constexpr const char* kEmptyGroupSubstring = "Поле с подстрокой не может быть пустым!";
inline constexpr const char* kAllGroupsFound =
    "Все слова с искомой подстрокой уже были найдены ...";
inline constexpr const char* kGroupNotFound = "Искомая подстрока не найдена ...";
inline constexpr const char* kEnteredWordInGroup = "Вводимое слово уже есть в группе.";
inline constexpr const char* kTypedWordInGroupQuestion =
    "Вводимое слово уже есть в группе. Если вводимое слово содержит часть уже имеющегося слова, "
    "то можно ввести нужное слово через форму.";
inline constexpr const char* kTransferredWordInGroup = "Переносимое слово уже есть в группе.";
inline constexpr const char* kTransferRowTakenQuestion =
    "Строка для переноса уже занята. Вы хотите ее заменить, выбранным английским словом и "
    "переводом?";
inline constexpr const char* kNoDictionaryRecords = "В словаре нет еще ни одной записи ...";

// `text` as its field of the group file holds it: in Windows-1251, cut to `width` bytes.
QString storedGroupText(const QString& text, int width);

// "Возможно сохранить только: " + the first `width` characters when a cell holds more than
// `width` characters; empty otherwise.
QString overlongCellMessage(const QString& cell, int width);

// True when some group's name equals `name` exactly (letter case counts). Reported as
// "Сравнение_названий_групп".
bool Sravnenie_nazvaniy_grupp(const GroupState& s, const QString& name);

// "Довавить" of the add window: the name field's text, blanks collapsed and trimmed, becomes a
// new last group with every row empty. Empty when the group was added (Gruppa_dobavlena is
// then set); otherwise the refusal for the "Сообщение" window, and nothing changed. A name with
// characters the group file cannot hold is refused, naming them, rather than stored as '?'.
QString addGroup(GroupState& s, const QString& fieldText);

// "Изменить" of the rename window for group `index`, with the same rules; the group's own name
// counts as taken. Empty when renamed.
QString renameGroup(GroupState& s, int32_t index, const QString& fieldText);

// "Да" of the delete window: removes group `index`, keeping the order of the rest, and sets
// Gruppa_udalena and Udalena_poslednyaya_gruppa (the window clears them when it has redrawn).
// Returns the index of the group to show next: the one now at the deleted place, the new last
// one when the last was deleted, or -1 when no group is left (or `index` names no group).
int32_t deleteGroup(GroupState& s, int32_t index);

// The refusal of rename, delete and search while there are no groups; empty otherwise.
QString groupCommandRefusal(const GroupState& s);
// The refusal of the transfer from the dictionary; empty when it may run.
QString transferRefusal(const Globalnye_peremennye_slovarya& g);

// The result of one group search: the 1-based group row found (0 when none) and the message for
// the "Сообщение" window when nothing was found. `clearField` asks to empty the search field.
struct GroupSearchResult {
    int32_t row = 0;
    QString message;
    bool clearField = false;
};

// Looks for the next group name, after row Nomer_naydennoy_stroki, that holds the field's text
// (blanks collapsed and trimmed) in any letter case; a match moves Nomer_naydennoy_stroki to its
// row. Reported as "Поиск_подстроки_группы_слов".
GroupSearchResult Poisk_podstroki_gruppy_slov(const GroupState& s, const QString& fieldText,
                                              int32_t& Nomer_naydennoy_stroki);

// Swap two whole groups / two rows of one group; indices out of range change nothing.
void Pomenyat_mestami_gruppy(GroupState& s, int32_t a, int32_t b);
void Pomenyat_mestami_slova_gruppy(GroupState& s, int32_t group, int32_t a, int32_t b);

enum class MoveDirection { Up, Down };

// Moves group `index` one place; returns its new index, or nothing at the edge.
std::optional<int32_t> moveGroup(GroupState& s, int32_t index, MoveDirection direction);
// Moves word row `row` of group `group` one place (English and translation together); returns
// its new row, or nothing when row 0 goes up, row 13 goes down or the group does not exist.
std::optional<int32_t> moveWordRow(GroupState& s, int32_t group, int32_t row,
                                   MoveDirection direction);

// Sets one row of a group, each text cut to its field.
void setWordRow(GroupState& s, int32_t group, int32_t row, const QString& english,
                const QString& translation);

// Enter in the word table, a move and close: every cell as typed into group `group`.
void Sokhranit_slova_tekushchey_gruppy(GroupState& s, int32_t group, const GroupWordCells& cells);

// Leaving a group for another: the English cells blanks collapsed and trimmed; the translations
// only while they are shown (hidden cells are empty and must not wipe the stored ones).
void commitOnGroupChange(GroupState& s, int32_t group, const GroupWordCells& cells,
                         bool translationsShown);

// Rows with an English word, in a stored group; in the cells as typed (blanks collapsed and
// trimmed); over all groups.
int32_t countGroupWords(const tip_Zapis_gruppy_slov& group);
int32_t countTypedWords(const GroupWordCells& cells);
int32_t Obshchee_kolichestvo_slov_v_gruppakh(const GroupState& s);

// The in-place rule: true when the English cell of `row` equals, letter case counting, the
// non-empty English cell of another row.
bool typedWordInGroup(const GroupWordCells& cells, int32_t row);

// "Ввести" of the word-entry window: the text as typed goes into the English cell of `row`
// unless another row's non-empty English cell equals it. Empty when entered, else the text for
// the "Сообщение об ошибке" window.
QString enterWord(GroupWordCells& cells, int32_t row, const QString& text);

// The confirmation question of the transfer.
QString transferQuestion(const QString& english, const QString& translation);

enum class TransferOutcome { Transferred, Declined, Duplicate };

struct TransferResult {
    TransferOutcome outcome = TransferOutcome::Declined;
    QString errorText; // for the "Сообщение об ошибке" window when outcome is Duplicate
};

// Transfers a dictionary record's English word (first 33 characters) and translation (first
// 50) into word row `row` of the table. `ask` puts a question to the user ("Вопрос" window)
// and returns the answer: first the confirmation, then, for a row already used, whether to
// replace it. The translation comes from the record itself, not from the main table, which
// shows none while translations are hidden. Reported as "Перенос_из_словаря".
TransferResult Perenos_iz_slovarya(GroupWordCells& cells, int32_t row, const DictRecord& record,
                                   const std::function<bool(const QString&)>& ask);

// The three status panes of the groups window.
QString groupCountPane(int32_t groups);
QString groupWordCountPane(int32_t words);
QString allGroupWordsPane(int32_t words);

} // namespace telvo
