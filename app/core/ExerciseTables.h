#pragma once

#include <QString>
#include <vector>

namespace telvo {

// The in-memory tables of the exercises. They live for the whole run: each is rebuilt from the
// data files only when its rebuild flag is set, so a pass carries over from one opening of an
// exercise window to the next. Element i of a range table holds record Nachalo_diapazona + i;
// element k of a whole-dictionary table holds record k + 1.

// English word recognition.
struct tip_Zapis_dinamicheskogo_massiva_angliyskikh_slov {
    QString Angliyskoe_slovo;
    QString Transkriptsiya;
    QString Perevod;
    bool Otmecheno_kak_zabytoe = false;
    bool Uzhe_bylo_predyavleno_dlya_opoznaniya = false; // saved to Stat_eng.dictstat
    bool Zapreshcheno_k_pokazu = false;
};
using tip_Dinamicheskiy_massiv_angliyskikh_slov =
    std::vector<tip_Zapis_dinamicheskogo_massiva_angliyskikh_slov>;

// Russian word recognition.
struct tip_Zapis_dinamicheskogo_massiva_russkikh_slov {
    QString Angliyskoe_slovo;
    QString Perevod;
    bool Otmecheno_kak_zabytoe = false;
    bool Uzhe_bylo_predyavleno_dlya_opoznaniya = false; // saved to Stat_rus.dictstat
    bool Zapreshcheno_k_pokazu = false;
};
using tip_Dinamicheskiy_massiv_russkikh_slov =
    std::vector<tip_Zapis_dinamicheskogo_massiva_russkikh_slov>;

// Translation from Russian: the range table and the whole-dictionary choice table.
struct tip_Zapis_dinamicheskogo_massiva_perevodov_s_russkogo {
    QString Angliyskoe_slovo;
    QString Russkiy_perevod; // a placeholder naming the record when the translation is empty
    bool Otmecheno_kak_zabytoe = false;
    bool Uzhe_bylo_predyavleno_dlya_opoznaniya = false; // saved to Stat_per_rus.dictstat
    bool Zapreshcheno_k_pokazu = false;
};
using tip_Dinamicheskiy_massiv_perevodov_s_russkogo =
    std::vector<tip_Zapis_dinamicheskogo_massiva_perevodov_s_russkogo>;

struct tip_Zapis_dinamicheskogo_massiva_dlya_vybora_perevodov_s_russkogo {
    QString Angliyskoe_slovo;
    bool Uzhe_bylo_pomeshcheno_v_tablitsu_dlya_vybora = false;
};
using tip_Dinamicheskiy_massiv_dlya_vybora_perevodov_s_russkogo =
    std::vector<tip_Zapis_dinamicheskogo_massiva_dlya_vybora_perevodov_s_russkogo>;

// Translation from English: the range table and the whole-dictionary choice table.
struct tip_Zapis_dinamicheskogo_massiva_perevodov_s_angliyskogo {
    QString Angliyskoe_slovo;
    QString Russkiy_perevod; // a placeholder naming the record when the translation is empty
    bool Otmecheno_kak_zabytoe = false;
    bool Uzhe_bylo_predyavleno_dlya_opoznaniya = false; // saved to Stat_per_eng.dictstat
    bool Zapreshcheno_k_pokazu = false;
};
using tip_Dinamicheskiy_massiv_perevodov_s_angliyskogo =
    std::vector<tip_Zapis_dinamicheskogo_massiva_perevodov_s_angliyskogo>;

struct tip_Zapis_dinamicheskogo_massiva_dlya_vybora_perevodov_s_angliyskogo {
    QString Russkiy_perevod; // a placeholder naming the record when the translation is empty
    bool Uzhe_bylo_pomeshcheno_v_tablitsu_dlya_vybora = false;
};
using tip_Dinamicheskiy_massiv_dlya_vybora_perevodov_s_angliyskogo =
    std::vector<tip_Zapis_dinamicheskogo_massiva_dlya_vybora_perevodov_s_angliyskogo>;

// Pair matching.
struct tip_Zapis_dinamicheskogo_massiva_sopostavlyaemykh_par {
    QString Angliyskoe_slovo;
    QString Russkiy_perevod; // a placeholder naming the record when the translation is empty
    bool Otmecheno_kak_zabytoe = false;
    bool Uzhe_predyavleno = false;  // placed in the current portion
    bool Uzhe_sopostavleno = false; // saved to Stat_pair.dictstat
    bool Zapreshcheno_k_pokazu = false;
};
using tip_Dinamicheskiy_massiv_sopostavlyaemykh_par =
    std::vector<tip_Zapis_dinamicheskogo_massiva_sopostavlyaemykh_par>;

// Find-translation: the whole dictionary.
struct tip_Zapis_dinamicheskogo_massiva_dlya_okna_nayti_perevod {
    QString Angliyskoe_slovo;
    QString Transkriptsiya;
    QString Russkiy_perevod;   // a placeholder naming the record when the translation is empty
    bool Uzhe_vybrano = false; // placed in the list for the current question, or excluded
    bool Zapreshcheno_k_pokazu = false;
};
using tip_Dinamicheskiy_massiv_dlya_okna_nayti_perevod =
    std::vector<tip_Zapis_dinamicheskogo_massiva_dlya_okna_nayti_perevod>;

// The six exercises' tables, one member of the shared state.
struct ExerciseTables {
    tip_Dinamicheskiy_massiv_angliyskikh_slov Dinamicheskiy_massiv_angliyskikh_slov;
    tip_Dinamicheskiy_massiv_russkikh_slov Dinamicheskiy_massiv_russkikh_slov;
    tip_Dinamicheskiy_massiv_perevodov_s_russkogo Dinamicheskiy_massiv_perevodov_s_russkogo;
    tip_Dinamicheskiy_massiv_dlya_vybora_perevodov_s_russkogo
        Dinamicheskiy_massiv_dlya_vybora_perevodov_s_russkogo;
    tip_Dinamicheskiy_massiv_perevodov_s_angliyskogo Dinamicheskiy_massiv_perevodov_s_angliyskogo;
    tip_Dinamicheskiy_massiv_dlya_vybora_perevodov_s_angliyskogo
        Dinamicheskiy_massiv_dlya_vybora_perevodov_s_angliyskogo;
    tip_Dinamicheskiy_massiv_sopostavlyaemykh_par Dinamicheskiy_massiv_sopostavlyaemykh_par;
    tip_Dinamicheskiy_massiv_dlya_okna_nayti_perevod Dinamicheskiy_massiv_dlya_okna_nayti_perevod;
};

} // namespace telvo
