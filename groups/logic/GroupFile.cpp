#include "groups/logic/GroupFile.h"

#include "app/core/Failure.h"
#include "store/Binary.h"
#include "store/RecordFile.h"

#include <algorithm>

namespace telvo {

namespace {

using L = GroupLayout;

const char* rowAt(const char* record, int row) {
    return record + L::kRowsOffset + row * L::kRowSize;
}

char* rowAt(char* record, int row) {
    return record + L::kRowsOffset + row * L::kRowSize;
}

} // namespace

tip_Zapis_gruppy_slov decodeGroup(const char* bytes) {
    tip_Zapis_gruppy_slov group;
    group.Nazvanie_gruppy_slov = getShortString(bytes, L::kNameMax);
    for (int r = 0; r < kGroupRows; ++r) {
        const char* row = rowAt(bytes, r);
        auto& out = group.Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu[r];
        out.Angliyskoe_gruppovoe_slovo = getShortString(row, L::kEnglishMax);
        out.Russkiy_gruppovoy_perevod =
            getShortString(row + L::kTranslationOffset, L::kTranslationMax);
    }
    return group;
}

QByteArray encodeGroup(const tip_Zapis_gruppy_slov& group) {
    QByteArray bytes(L::kRecordSize, '\0');
    char* p = bytes.data();
    putShortString(p, L::kNameMax, group.Nazvanie_gruppy_slov);
    for (int r = 0; r < kGroupRows; ++r) {
        char* row = rowAt(p, r);
        const auto& in = group.Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu[r];
        putShortString(row, L::kEnglishMax, in.Angliyskoe_gruppovoe_slovo);
        putShortString(row + L::kTranslationOffset, L::kTranslationMax,
                       in.Russkiy_gruppovoy_perevod);
    }
    return bytes;
}

void Zagruzit_gruppy_iz_fayla(Globalnye_peremennye_slovarya& g) {
    reportFailuresAs("Загрузить_группы_из_файла", [&] {
        // readAll returns whole records only, so the count is the size it read, never a number
        // taken from the file.
        const QByteArray data = RecordFile(g.puti.groupWords, L::kRecordSize).readAll();
        tip_Dinamicheskiy_massiv_grupp_slov groups;
        groups.reserve(data.size() / L::kRecordSize);
        for (qsizetype at = 0; at + L::kRecordSize <= data.size(); at += L::kRecordSize)
            groups.push_back(decodeGroup(data.constData() + at));
        g.Gruppy_slov = std::move(groups);
    });
}

void Zapisat_gruppy_v_fayl(Globalnye_peremennye_slovarya& g) {
    reportFailuresAs("Записать_группы_в_файл", [&] {
        QByteArray content;
        content.reserve(qsizetype(g.Gruppy_slov.size()) * L::kRecordSize);
        for (const auto& group : g.Gruppy_slov)
            content.append(encodeGroup(group));
        RecordFile(g.puti.groupWords, L::kRecordSize).replace(content);
    });
}

GroupWindowState GroupWindowState::decode(const char* bytes) {
    GroupWindowState s;
    s.Perevod = getBool(bytes);
    s.Verkhnyaya_stroka = getI32(bytes + 4);
    s.Vybrannaya_stroka = getI32(bytes + 8);
    return s;
}

QByteArray GroupWindowState::encode() const {
    QByteArray bytes(kSize, '\0');
    putBool(bytes.data(), Perevod);
    putI32(bytes.data() + 4, Verkhnyaya_stroka);
    putI32(bytes.data() + 8, Vybrannaya_stroka);
    return bytes;
}

GroupWindowState Prochitat_sostoyanie_okna_grupp(const Globalnye_peremennye_slovarya& g) {
    return reportFailuresAs("Прочитать_состояние_окна_групп", [&] {
        const RecordFile file(g.puti.startGroup, GroupWindowState::kSize);
        // A damaged, too short copy counts as missing rather than ending the program.
        if (!file.exists() || file.count() < 1)
            return GroupWindowState{};
        return GroupWindowState::decode(file.read(0).constData());
    });
}

void Zapisat_sostoyanie_okna_grupp(const Globalnye_peremennye_slovarya& g,
                                   const GroupWindowState& state) {
    reportFailuresAs("Записать_состояние_окна_групп", [&] {
        RecordFile(g.puti.startGroup, GroupWindowState::kSize).replace(state.encode());
    });
}

GroupWindowState clampToGroups(GroupWindowState state, int32_t groupCount) {
    const int32_t last = std::max<int32_t>(groupCount, 1);
    state.Verkhnyaya_stroka = std::clamp<int32_t>(state.Verkhnyaya_stroka, 1, last);
    state.Vybrannaya_stroka = std::clamp<int32_t>(state.Vybrannaya_stroka, 1, last);
    return state;
}

} // namespace telvo
