#pragma once

#include "app/core/Globals.h"
#include "store/RecordKind.h"
#include "store/RecordLayout.h"
#include "store/Records.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <cstdint>

namespace telvo {

// One idiom of Idiom.idiomtdat: 152 bytes with natural alignment, the forgotten byte inside.
struct IdiomRecord {
    static constexpr int kSize = 152;
    static constexpr int kTextMax = 66;
    static constexpr int kTranslationMax = 65;
    static constexpr int kExcludedOffset = 0;
    static constexpr int kTextOffset = 1;
    static constexpr int kTranslationOffset = 68;
    static constexpr int kForgottenOffset = 134;
    static constexpr int kDateOffset = 136;
    static constexpr int kMarkedOffset = 144;

    bool Zapreshcheno_k_pokazu = false;
    QString Idioma;
    QString Perevod;
    bool Zabyta = false;
    double Data_dobavleniya = 0; // days since 1899-12-30
    bool Otmechena = false;

    static IdiomRecord decode(const char* bytes);
    // 152 bytes; texts cut to their widths, padding written as zeros.
    QByteArray encode() const;
};

inline constexpr RecordLayout kIdiomLayout{
    IdiomRecord::kSize,           IdiomRecord::kTextOffset,
    IdiomRecord::kTextMax,        IdiomRecord::kTranslationOffset,
    IdiomRecord::kTranslationMax, IdiomRecord::kDateOffset,
    IdiomRecord::kExcludedOffset, IdiomRecord::kMarkedOffset,
    IdiomRecord::kForgottenOffset};

// The idioms as a record kind: their own file and range, the forgotten byte in the record.
inline constexpr RecordKind kIdiomKind{
    kIdiomLayout,
    &DataPaths::idiom,
    &DataPaths::idiomNew,
    nullptr,
    &DataPaths::idiomUpragneniy,
    &IdiomState::Kolichestvo_idiom,
    &IdiomState::Kolichestvo_razreshennykh_k_pokazu_idiom,
    &IdiomState::Kolichestvo_zabytykh_idiom,
    &IdiomState::Nomer_tekushchey_idiomy,
    &IdiomState::Rezhim_zabytye_idiomy,
    &IdiomState::Otmetki_idiom,
    &IdiomState::Vse_idiomy_slovarya,
    &IdiomState::Nachalo_diapazona_idiom,
    &IdiomState::Konets_diapazona_idiom,
    &IdiomState::Do_kontsa_idiom,
    nullptr,
    &IdiomState::Rezhim_dobavleniya_idiomy,
    &IdiomState::Rezhim_vstavki_idiomy,
    &IdiomState::Rezhim_izmeneniya_idiomy,
};

// The two texts of an idiom, as the dialogs pass them (normalised).
struct IdiomTexts {
    QString Idioma;
    QString Perevod;

    bool operator==(const IdiomTexts&) const = default;
};

// Creates the idiom files the first showing of the idioms window needs: an empty
// Idiom.idiomtdat and the default range when there is no idiom file; the default range when
// idioms exist but no Start_idiom.startdat (the range no longer belongs to them), or when the
// range file is missing. Reports as "Наличие_базы_идиом".
void Nalichie_bazy_idiom(Globalnye_peremennye_slovarya& g);

// "  Идиом = N (M)": counts the idioms and those not excluded into Kolichestvo_idiom and
// Kolichestvo_razreshennykh_k_pokazu_idiom. A partial last record is not counted. Reports as
// "Отображение_количества_записей_идиом".
QString Otobrazhenie_kolichestva_zapisey_idiom(Globalnye_peremennye_slovarya& g);

// "  Дата изменения словаря идиом: " + the idiom file's modification date (short format).
QString Data_izmeneniya_slovarya_idiom(Globalnye_peremennye_slovarya& g);

// Reads idiom_upragneniy.uprdat into the idiom range (whole flag: 1 .. Kolichestvo_idiom).
// A missing or short file changes nothing. Stored numbers that do not fit the idioms are
// corrected as for the word range. Reports as "Чтение_диапазона_с_идиомами".
void Chtenie_diapazona_s_idiomami(Globalnye_peremennye_slovarya& g);

// Writes the idiom range of `g` over the record of the range file; a missing file is not
// created: the system message box says so. Reports as "Запись_диапазона_с_идиомами".
void Zapis_diapazona_s_idiomami(Globalnye_peremennye_slovarya& g);

RangeRecord currentIdiomRange(const Globalnye_peremennye_slovarya& g);
void setIdiomRange(Globalnye_peremennye_slovarya& g, const RangeRecord& range);

// The idiom edits. Each is one change of the idiom file and the range file (all old or all
// new after a crash), updates Kolichestvo_idiom and the range in `g`, and sets its result flag.
// A failed read or write throws telvo::Failure and changes nothing.

// Appends a new idiom (added on `date`) as idiom Kolichestvo_idiom + 1.
void addIdiom(Globalnye_peremennye_slovarya& g, const IdiomTexts& texts, QDate date);
// Inserts a new idiom at 0-based index `p`, so that it becomes idiom p + 1; the others keep
// their flags and move with them.
void insertIdiom(Globalnye_peremennye_slovarya& g, int32_t p, const IdiomTexts& texts, QDate date);
// Rewrites the two texts of idiom `n` in place; returns them as stored (cut to their widths).
IdiomTexts editIdiom(Globalnye_peremennye_slovarya& g, int32_t n, const IdiomTexts& texts);
// Deletes idiom `n`; every later idiom moves one number down.
void deleteIdiom(Globalnye_peremennye_slovarya& g, int32_t n);

// The idioms of the file, whole records only.
QByteArray readIdioms(const Globalnye_peremennye_slovarya& g);
IdiomRecord readIdiom(const Globalnye_peremennye_slovarya& g, int32_t n);

} // namespace telvo
