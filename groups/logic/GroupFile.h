#pragma once

#include "app/core/Globals.h"

#include <QByteArray>
#include <cstdint>

namespace telvo {

// group_words.group: a headerless sequence of 1257-byte group records. A record holds the
// group name (short string of 66) at 0 and 14 rows of 85 bytes from 67; a row holds the English
// word (short string of 33) at 0 and the translation (short string of 50) at 34.
struct GroupLayout {
    static constexpr int kRecordSize = 1257;
    static constexpr int kNameMax = 66;
    static constexpr int kRowsOffset = 67;
    static constexpr int kRowSize = 85;
    static constexpr int kEnglishMax = 33;
    static constexpr int kTranslationOffset = 34;
    static constexpr int kTranslationMax = 50;
};

// One group from its 1257 bytes; a length byte beyond its field is read as the field's width.
tip_Zapis_gruppy_slov decodeGroup(const char* bytes);
// The 1257 bytes of a group: texts cut to their fields, unused bytes written as zeros.
QByteArray encodeGroup(const tip_Zapis_gruppy_slov& group);

// Reads the whole group file into Gruppy_slov. A trailing part of a record (a damaged file) is
// left out; a missing or unreadable file is reported as "Загрузить_группы_из_файла" and the
// table is left as it was.
void Zagruzit_gruppy_iz_fayla(Globalnye_peremennye_slovarya& g);

// Replaces the group file with every group of Gruppy_slov in order (no groups: an empty file),
// through its `_new` companion. Reported as "Записать_группы_в_файл".
void Zapisat_gruppy_v_fayl(Globalnye_peremennye_slovarya& g);

// Start_group.startdat: how the groups window was left. 12 bytes: the "Перевод" box at 0
// (boolean, three bytes of padding), the top row of the group-name table at 4 and its selected
// row (1-based group number) at 8.
struct GroupWindowState {
    static constexpr int kSize = 12;
    bool Perevod = true;
    int32_t Verkhnyaya_stroka = 1;
    int32_t Vybrannaya_stroka = 1;

    static GroupWindowState decode(const char* bytes);
    QByteArray encode() const;
    bool operator==(const GroupWindowState&) const = default;
};

// The saved window state; a missing file, or one too short to hold the record, gives checked,
// 1 and 1. Reported as "Прочитать_состояние_окна_групп".
GroupWindowState Prochitat_sostoyanie_okna_grupp(const Globalnye_peremennye_slovarya& g);

// Replaces Start_group.startdat with `state`. Reported as "Записать_состояние_окна_групп".
void Zapisat_sostoyanie_okna_grupp(const Globalnye_peremennye_slovarya& g,
                                   const GroupWindowState& state);

// The saved rows brought within the groups there are (1 when there are none): a state file left
// from another group file must not select a group that does not exist.
GroupWindowState clampToGroups(GroupWindowState state, int32_t groupCount);

} // namespace telvo
