#include "groups/logic/GroupEdits.h"

#include "app/core/Failure.h"
#include "groups/logic/GroupFile.h"
#include "store/Cp1251.h"
#include "store/TextRules.h"

#include <QLocale>
#include <utility>

namespace telvo {

namespace {

using L = GroupLayout;

bool validGroup(const GroupState& s, int32_t index) {
    return index >= 0 && index < s.Kolichestvo_grupp();
}

bool validRow(int32_t row) {
    return row >= 0 && row < kGroupRows;
}

// The refusal of a group name typed into the add or rename window, or empty with the name
// ready to store.
QString checkGroupName(const GroupState& s, const QString& fieldText, QString& name) {
    name = normalizeField(fieldText);
    if (name.isEmpty())
        return QString::fromUtf8(kEmptyGroupName);
    // Before the comparison, which would see "日本" and "中国" alike as "??".
    QString unstorable =
        unstorableCharactersRefusal(QStringLiteral("Поле с названием группы слов"), name);
    if (!unstorable.isEmpty())
        return unstorable;
    // Compared in its stored form: a name that only differs past the 66th byte is the same group.
    name = storedGroupText(name, L::kNameMax);
    if (Sravnenie_nazvaniy_grupp(s, name))
        return QString::fromUtf8(kGroupNameTaken);
    return {};
}

} // namespace

QString storedGroupText(const QString& text, int width) {
    return fromCp1251(toCp1251(text).left(width));
}

QString overlongCellMessage(const QString& cell, int width) {
    if (cell.size() <= width)
        return {};
    return QStringLiteral("Возможно сохранить только: ") + cell.left(width);
}

bool Sravnenie_nazvaniy_grupp(const GroupState& s, const QString& name) {
    return reportFailuresAs("Сравнение_названий_групп", [&] {
        for (const auto& group : s.Gruppy_slov)
            if (group.Nazvanie_gruppy_slov == name)
                return true;
        return false;
    });
}

QString addGroup(GroupState& s, const QString& fieldText) {
    s.Gruppa_dobavlena = false;
    QString name;
    QString refusal = checkGroupName(s, fieldText, name);
    if (!refusal.isEmpty())
        return refusal;
    tip_Zapis_gruppy_slov group;
    group.Nazvanie_gruppy_slov = name;
    s.Gruppy_slov.push_back(std::move(group));
    s.Gruppa_dobavlena = true;
    return {};
}

QString renameGroup(GroupState& s, int32_t index, const QString& fieldText) {
    if (!validGroup(s, index))
        return QString::fromUtf8(kNoGroups);
    QString name;
    QString refusal = checkGroupName(s, fieldText, name);
    if (!refusal.isEmpty())
        return refusal;
    s.Gruppy_slov[index].Nazvanie_gruppy_slov = name;
    return {};
}

int32_t deleteGroup(GroupState& s, int32_t index) {
    if (!validGroup(s, index))
        return -1;
    s.Udalena_poslednyaya_gruppa = index == s.Kolichestvo_grupp() - 1;
    s.Gruppa_udalena = true;
    s.Gruppy_slov.erase(s.Gruppy_slov.begin() + index);
    if (s.Gruppy_slov.empty())
        return -1;
    return s.Udalena_poslednyaya_gruppa ? index - 1 : index;
}

QString groupCommandRefusal(const GroupState& s) {
    return s.Kolichestvo_grupp() > 0 ? QString() : QString::fromUtf8(kNoGroups);
}

QString transferRefusal(const Globalnye_peremennye_slovarya& g) {
    if (g.Kolichestvo_zapisey <= 0)
        return QString::fromUtf8(kNoDictionaryRecords);
    return groupCommandRefusal(g);
}

GroupSearchResult Poisk_podstroki_gruppy_slov(const GroupState& s, const QString& fieldText,
                                              int32_t& Nomer_naydennoy_stroki) {
    return reportFailuresAs("Поиск_подстроки_группы_слов", [&] {
        GroupSearchResult result;
        const QString wanted = normalizeField(fieldText);
        if (wanted.isEmpty()) {
            result.message = QString::fromUtf8(kEmptyGroupSubstring);
            result.clearField = true;
            return result;
        }
        const int32_t last = s.Kolichestvo_grupp();
        // A row number from an earlier, longer table resumes after the end: nothing is left.
        const int32_t start = Nomer_naydennoy_stroki <= 0 ? 1 : Nomer_naydennoy_stroki + 1;
        const QLocale locale;
        const QString folded = locale.toLower(wanted);
        for (int32_t row = start; row <= last; ++row) {
            if (locale.toLower(s.Gruppy_slov[row - 1].Nazvanie_gruppy_slov).contains(folded)) {
                Nomer_naydennoy_stroki = row;
                result.row = row;
                return result;
            }
        }
        result.message =
            QString::fromUtf8(Nomer_naydennoy_stroki != 0 ? kAllGroupsFound : kGroupNotFound);
        return result;
    });
}

void Pomenyat_mestami_gruppy(GroupState& s, int32_t a, int32_t b) {
    if (validGroup(s, a) && validGroup(s, b))
        std::swap(s.Gruppy_slov[a], s.Gruppy_slov[b]);
}

void Pomenyat_mestami_slova_gruppy(GroupState& s, int32_t group, int32_t a, int32_t b) {
    if (!validGroup(s, group) || !validRow(a) || !validRow(b))
        return;
    auto& rows = s.Gruppy_slov[group].Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu;
    std::swap(rows[a], rows[b]);
}

std::optional<int32_t> moveGroup(GroupState& s, int32_t index, MoveDirection direction) {
    const int32_t to = direction == MoveDirection::Up ? index - 1 : index + 1;
    if (!validGroup(s, index) || !validGroup(s, to))
        return std::nullopt;
    Pomenyat_mestami_gruppy(s, index, to);
    return to;
}

std::optional<int32_t> moveWordRow(GroupState& s, int32_t group, int32_t row,
                                   MoveDirection direction) {
    const int32_t to = direction == MoveDirection::Up ? row - 1 : row + 1;
    if (!validGroup(s, group) || !validRow(row) || !validRow(to))
        return std::nullopt;
    Pomenyat_mestami_slova_gruppy(s, group, row, to);
    return to;
}

void setWordRow(GroupState& s, int32_t group, int32_t row, const QString& english,
                const QString& translation) {
    if (!validGroup(s, group) || !validRow(row))
        return;
    auto& r = s.Gruppy_slov[group].Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu[row];
    r.Angliyskoe_gruppovoe_slovo = storedGroupText(english, L::kEnglishMax);
    r.Russkiy_gruppovoy_perevod = storedGroupText(translation, L::kTranslationMax);
}

void Sokhranit_slova_tekushchey_gruppy(GroupState& s, int32_t group, const GroupWordCells& cells) {
    for (int32_t row = 0; row < kGroupRows; ++row)
        setWordRow(s, group, row, cells[row].Angliyskoe_gruppovoe_slovo,
                   cells[row].Russkiy_gruppovoy_perevod);
}

void commitOnGroupChange(GroupState& s, int32_t group, const GroupWordCells& cells,
                         bool translationsShown) {
    if (!validGroup(s, group))
        return;
    auto& rows = s.Gruppy_slov[group].Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu;
    for (int32_t row = 0; row < kGroupRows; ++row) {
        const QString english = normalizeField(cells[row].Angliyskoe_gruppovoe_slovo);
        const QString translation = translationsShown ? cells[row].Russkiy_gruppovoy_perevod
                                                      : rows[row].Russkiy_gruppovoy_perevod;
        setWordRow(s, group, row, english, translation);
    }
}

int32_t countGroupWords(const tip_Zapis_gruppy_slov& group) {
    int32_t n = 0;
    for (const auto& row : group.Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu)
        if (!row.Angliyskoe_gruppovoe_slovo.isEmpty())
            ++n;
    return n;
}

int32_t countTypedWords(const GroupWordCells& cells) {
    int32_t n = 0;
    for (const auto& row : cells)
        if (!normalizeField(row.Angliyskoe_gruppovoe_slovo).isEmpty())
            ++n;
    return n;
}

int32_t Obshchee_kolichestvo_slov_v_gruppakh(const GroupState& s) {
    int32_t n = 0;
    for (const auto& group : s.Gruppy_slov)
        n += countGroupWords(group);
    return n;
}

namespace {

// Whether a row other than `except` holds `english` (non-empty, letter case counting).
bool otherRowHolds(const GroupWordCells& cells, int32_t except, const QString& english) {
    for (int32_t row = 0; row < kGroupRows; ++row) {
        const QString& cell = cells[row].Angliyskoe_gruppovoe_slovo;
        if (row != except && !cell.isEmpty() && cell == english)
            return true;
    }
    return false;
}

} // namespace

bool typedWordInGroup(const GroupWordCells& cells, int32_t row) {
    if (!validRow(row))
        return false;
    return otherRowHolds(cells, row, cells[row].Angliyskoe_gruppovoe_slovo);
}

QString enterWord(GroupWordCells& cells, int32_t row, const QString& text) {
    if (!validRow(row))
        return {};
    if (otherRowHolds(cells, row, text))
        return QString::fromUtf8(kEnteredWordInGroup);
    cells[row].Angliyskoe_gruppovoe_slovo = text;
    return {};
}

QString transferQuestion(const QString& english, const QString& translation) {
    return QStringLiteral("Вы действительно хотите перениести английское слово: ") + english +
           QStringLiteral("  и перевод: ") + translation;
}

TransferResult Perenos_iz_slovarya(GroupWordCells& cells, int32_t row, const DictRecord& record,
                                   const std::function<bool(const QString&)>& ask) {
    return reportFailuresAs("Перенос_из_словаря", [&] {
        TransferResult result;
        if (!validRow(row))
            return result;
        const QString english = record.Angliyskoe_slovo.left(L::kEnglishMax);
        const QString translation = record.Perevod.left(L::kTranslationMax);
        if (!ask(transferQuestion(english, translation)))
            return result;
        auto& target = cells[row];
        const bool taken = !target.Angliyskoe_gruppovoe_slovo.isEmpty() ||
                           !target.Russkiy_gruppovoy_perevod.isEmpty();
        if (taken && !ask(QString::fromUtf8(kTransferRowTakenQuestion)))
            return result;
        // The target row counts too: the same word is not transferred over itself.
        if (otherRowHolds(cells, -1, english)) {
            result.outcome = TransferOutcome::Duplicate;
            result.errorText = QString::fromUtf8(kTransferredWordInGroup);
            return result;
        }
        target.Angliyskoe_gruppovoe_slovo = english;
        target.Russkiy_gruppovoy_perevod = translation;
        result.outcome = TransferOutcome::Transferred;
        return result;
    });
}

QString groupCountPane(int32_t groups) {
    return QStringLiteral("  Количество групп слов = ") + QString::number(groups);
}

QString groupWordCountPane(int32_t words) {
    return QStringLiteral("  Количество слов в текущей группе = ") + QString::number(words);
}

QString allGroupWordsPane(int32_t words) {
    return QStringLiteral(" Общее количиство слов во всех группах = ") + QString::number(words);
}

} // namespace telvo
