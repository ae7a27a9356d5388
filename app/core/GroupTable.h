#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace telvo {

// One row of a word group: an English word and its Russian translation. A row whose English
// word is empty is an empty row, wherever it stands.
struct tip_Zapis_stroki_slova_vkhodyashchego_v_gruppu {
    QString Angliyskoe_gruppovoe_slovo;
    QString Russkiy_gruppovoy_perevod;

    bool operator==(const tip_Zapis_stroki_slova_vkhodyashchego_v_gruppu&) const = default;
};

inline constexpr int kGroupRows = 14;

using tip_Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu =
    std::array<tip_Zapis_stroki_slova_vkhodyashchego_v_gruppu, kGroupRows>;

// A named group of at most 14 word rows. The texts held here are what the group file can hold
// (cut to their fields, in the file's code page): the file layer and the group edits keep it so.
struct tip_Zapis_gruppy_slov {
    QString Nazvanie_gruppy_slov;
    tip_Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu
        Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu;

    bool operator==(const tip_Zapis_gruppy_slov&) const = default;
};

using tip_Dinamicheskiy_massiv_grupp_slov = std::vector<tip_Zapis_gruppy_slov>;

// The word groups while the groups window is open, and the hand-over flags between that window
// and its add and delete windows.
struct GroupState {
    // Every group, in file order; empty while the groups window is closed.
    tip_Dinamicheskiy_massiv_grupp_slov Gruppy_slov;

    int32_t Kolichestvo_slov_v_tekushchey_gruppe = 0;

    bool Gruppa_dobavlena = false;
    bool Gruppa_udalena = false;
    bool Udalena_poslednyaya_gruppa = false;
    int32_t Indeks_vybrannoy_gruppy = 0;

    // The number of groups is always the table's own size, so it cannot disagree with it.
    int32_t Kolichestvo_grupp() const { return static_cast<int32_t>(Gruppy_slov.size()); }
};

} // namespace telvo
