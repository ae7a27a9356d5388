#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <cstdint>

namespace telvo {

// One dictionary record of Vocabulary.dictdat.
struct DictRecord {
    static constexpr int kSize = 176;
    static constexpr int kEnglishMax = 45;
    static constexpr int kTranscriptionMax = 50;
    static constexpr int kTranslationMax = 60;
    static constexpr int kEnglishOffset = 0;
    static constexpr int kTranscriptionOffset = 46;
    static constexpr int kTranslationOffset = 97;
    static constexpr int kDateOffset = 160;
    static constexpr int kExcludedOffset = 168;
    static constexpr int kMarkedOffset = 169;

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
