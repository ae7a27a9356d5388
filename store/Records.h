#pragma once

#include "store/RecordLayout.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <cstdint>

namespace telvo {

// The fields a record of any layout holds, read and written where the layout puts them.
struct RecordFields {
    QString text;          // the English word, or the idiom
    QString transcription; // words only
    QString translation;
    double date = 0; // days since 1899-12-30
    bool excluded = false;
    bool marked = false;
    bool forgotten = false; // only where the byte is inside the record
};

RecordFields decodeRecord(const RecordLayout& layout, const char* bytes);
// layout.size bytes; texts cut to their widths, padding written as zeros.
QByteArray encodeRecord(const RecordLayout& layout, const RecordFields& fields);
// Writes the texts of `fields` (text, transcription where the layout has one, translation)
// into `record`, keeping its date, flags and every other byte.
void putRecordTexts(const RecordLayout& layout, char* record, const RecordFields& fields);
// The texts of `record` as stored.
RecordFields recordTexts(const RecordLayout& layout, const char* record);

// One dictionary record of Vocabulary.dictdat.
struct DictRecord {
    static constexpr int kSize = kWordLayout.size;
    static constexpr int kEnglishMax = kWordLayout.textMax;
    static constexpr int kTranscriptionMax = kWordLayout.transcriptionMax;
    static constexpr int kTranslationMax = kWordLayout.translationMax;
    static constexpr int kEnglishOffset = kWordLayout.textOffset;
    static constexpr int kTranscriptionOffset = kWordLayout.transcriptionOffset;
    static constexpr int kTranslationOffset = kWordLayout.translationOffset;
    static constexpr int kDateOffset = kWordLayout.dateOffset;
    static constexpr int kExcludedOffset = kWordLayout.excludedOffset;
    static constexpr int kMarkedOffset = kWordLayout.markedOffset;

    QString Angliyskoe_slovo;
    QString Transkriptsiya;
    QString Perevod;
    double Data_dobavleniya = 0; // days since 1899-12-30
    bool Zapreshcheno_k_pokazu = false;
    bool Otmecheno = false;

    static DictRecord decode(const char* bytes);
    // 176 bytes; texts cut to their widths, padding written as zeros.
    QByteArray encode() const;
};

// upragneniy.uprdat: the exercise range, one 16-byte record.
struct RangeRecord {
    static constexpr int kSize = 16;
    bool Vse_slova_slovarya = true;
    int32_t Nachalo_diapazona = 1;
    int32_t Konets_diapazona = 1;
    bool Do_kontsa = false;

    static RangeRecord decode(const char* bytes);
    QByteArray encode() const;
};

// Start.startdat (and the idioms window's file of the same layout): the remembered view.
struct ViewStateRecord {
    static constexpr int kSize = 16;
    bool translationColumn = true;
    bool forgottenOnly = false;
    int32_t topRow = 1;
    int32_t selectedRow = 1;
    int32_t Kolichestvo_povtoreniy = 0;

    static ViewStateRecord decode(const char* bytes);
    QByteArray encode() const;
};

} // namespace telvo
