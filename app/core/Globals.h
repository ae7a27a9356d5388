#pragma once

#include "app/core/ExerciseTables.h"
#include "app/core/GroupTable.h"
#include "app/core/Random.h"
#include "app/core/SoundState.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace telvo {

struct Okna;

// Full paths of the data files, built once at start by Proverka_nalichiya_bazy_slov.
struct DataPaths {
    QString base;   // the per-user data location the folder lives under
    QString folder; // base + "/Telvo_Lab/Telvo_Vocabulary_02"
    QString vocabulary;
    QString vocabularyNew;
    QString statEng;
    QString statRus;
    QString statEngNew;
    QString statRusNew;
    QString statPerEng;
    QString statPerRus;
    QString statPerEngNew;
    QString statPerRusNew;
    QString statForget;
    QString statForgetNew;
    QString statPair;
    QString statPairNew;
    QString bloknotik;
    QString start;
    QString startIdiom;
    QString startGroup;
    QString poslednyyPapka;
    QString upragneniy;
    QString groupWords;
    QString idiom;
    QString idiomNew;
    QString idiomUpragneniy;
};

// The paths of every data file in the data folder under `base`.
DataPaths makeDataPaths(const QString& base);

// The shared state is built from one part per concern, so that a procedure that needs only
// one part can take just that part (a path lookup takes `const DataPaths&`). Later subsystems
// (groups, sound, player, idioms) add their part the same way.

// Dictionary counters and the record table's view.
struct DictionaryState {
    int32_t Kolichestvo_zapisey = 0;
    int32_t Kolichestvo_razreshennykh_k_pokazu = 0;
    int32_t Kolichestvo_zabytykh_slov = 0;
    int32_t Nomer_tekushchey_zapisi = 0;

    // Element r-1 is the marked flag of the record shown in table row r.
    std::vector<uint8_t> tip_Dinamicheskiy_massiv_otmechennykh_slov;

    // Forgotten-only view.
    bool Rezhim_zabytye = false;

    // Table row of the last substring match; 0 = the next search starts at row 1.
    int32_t Nomer_naydennoy_stroki = 0;
};

// Rebuild flags of the exercise tables and the player; all set at start.
struct RebuildFlags {
    bool Obnovit_angliyskie_slova = true;
    bool Obnovit_russkie_slova = true;
    bool Obnovit_perevody_s_angliyskogo = true;
    bool Obnovit_perevody_s_russkogo = true;
    bool Obnovit_nayti_perevod = true;
    bool Obnovit_pary = true;
    bool Obnovit_proslushivanie = true;
};

// The texts and the answer of the three message windows.
struct MessageState {
    QString Tekst_soobshcheniya;
    QString Tekst_voprosa;
    QString Tekst_oshibki;
    bool Otvet_da = false;
};

// The record dialogs: the mode the duplicate check runs in, and what the dialog did.
struct RecordDialogState {
    bool Rezhim_dobavleniya = false;
    bool Rezhim_vstavki = false;
    bool Rezhim_izmeneniya = false;

    bool Slovo_dobavleno = false;
    bool Slovo_vstavleno = false;
    bool Zapis_izmenena = false;
    bool Zapis_udalena = false;
};

// The exercise range.
struct RangeState {
    bool Vse_slova_slovarya = true;
    int32_t Nachalo_diapazona = 1;
    int32_t Konets_diapazona = 1;
    bool Do_kontsa = false;
    int32_t Razmer_diapazona = 1;
    bool Diapazon_izmenen = false;
};

// The main window's own state that others read.
struct MainWindowState {
    int32_t Kolichestvo_povtoreniy = 0;
    bool Okno_grupp_otkryto = false;
};

// The idiom dictionary and its window: the idiom twins of the word state above.
struct IdiomState {
    int32_t Kolichestvo_idiom = 0;
    int32_t Kolichestvo_razreshennykh_k_pokazu_idiom = 0;
    int32_t Kolichestvo_zabytykh_idiom = 0;
    int32_t Nomer_tekushchey_idiomy = 0;
    bool Rezhim_zabytye_idiomy = false;

    // The idiom exercise range (idiom_upragneniy.uprdat).
    bool Vse_idiomy_slovarya = true;
    int32_t Nachalo_diapazona_idiom = 1;
    int32_t Konets_diapazona_idiom = 1;
    bool Do_kontsa_idiom = false;
    bool Diapazon_idiom_izmenen = false;

    int32_t Kolichestvo_povtoreniy_idiom = 0;
    // Table row of the last substring match; 0 = the next search starts at row 1.
    int32_t Pozitsiya_poiska_idiom = 0;
    bool Okno_idiom_otkryto = false;

    bool Rezhim_dobavleniya_idiomy = false;
    bool Rezhim_vstavki_idiomy = false;
    bool Rezhim_izmeneniya_idiomy = false;
    bool Idioma_dobavlena = false;
    bool Idioma_vstavlena = false;
    bool Idioma_izmenena = false;
    bool Idioma_udalena = false;
    QString Izmenennaya_idioma;
    QString Izmenennyy_perevod_idiomy;

    // Element r-1 is the marked flag of the idiom shown in table row r.
    std::vector<uint8_t> Otmetki_idiom;
};

// The shared state of the program. One instance, owned by the application and passed by
// reference; windows and procedures read and change it directly.
struct Globalnye_peremennye_slovarya : DictionaryState,
                                       RebuildFlags,
                                       MessageState,
                                       RecordDialogState,
                                       RangeState,
                                       MainWindowState,
                                       GroupState,
                                       SoundState,
                                       IdiomState {
    DataPaths puti;

    // The program's one random generator.
    RandomGenerator random;

    // The exercises' tables, kept for the whole run.
    ExerciseTables exerciseTables;

    // The long-lived windows (null where a test runs procedures without windows).
    Okna* okna = nullptr;
};

// Sets a flag for as long as it lives (a mode around a modal dialog), and clears it again on
// every way out, an exception included.
class ScopedFlag {
public:
    explicit ScopedFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~ScopedFlag() { flag_ = false; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

private:
    bool& flag_;
};

// Sets all seven rebuild flags.
void Sostoyanie_dinamicheskikh_massivov(Globalnye_peremennye_slovarya& g);

} // namespace telvo
