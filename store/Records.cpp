#include "store/Records.h"

#include "store/Binary.h"

namespace telvo {

DictRecord DictRecord::decode(const char* p) {
    DictRecord r;
    r.Angliyskoe_slovo = getShortString(p + kEnglishOffset, kEnglishMax);
    r.Transkriptsiya = getShortString(p + kTranscriptionOffset, kTranscriptionMax);
    r.Perevod = getShortString(p + kTranslationOffset, kTranslationMax);
    r.Data_dobavleniya = getF64(p + kDateOffset);
    r.Zapreshcheno_k_pokazu = getBool(p + kExcludedOffset);
    r.Otmecheno = getBool(p + kMarkedOffset);
    return r;
}

QByteArray DictRecord::encode() const {
    QByteArray out(kSize, '\0');
    char* p = out.data();
    putShortString(p + kEnglishOffset, kEnglishMax, Angliyskoe_slovo);
    putShortString(p + kTranscriptionOffset, kTranscriptionMax, Transkriptsiya);
    putShortString(p + kTranslationOffset, kTranslationMax, Perevod);
    putF64(p + kDateOffset, Data_dobavleniya);
    putBool(p + kExcludedOffset, Zapreshcheno_k_pokazu);
    putBool(p + kMarkedOffset, Otmecheno);
    return out;
}

RangeRecord RangeRecord::decode(const char* p) {
    RangeRecord r;
    r.Vse_slova_slovarya = getBool(p);
    r.Nachalo_diapazona = getI32(p + 4);
    r.Konets_diapazona = getI32(p + 8);
    r.Do_kontsa = getBool(p + 12);
    return r;
}

QByteArray RangeRecord::encode() const {
    QByteArray out(kSize, '\0');
    char* p = out.data();
    putBool(p, Vse_slova_slovarya);
    putI32(p + 4, Nachalo_diapazona);
    putI32(p + 8, Konets_diapazona);
    putBool(p + 12, Do_kontsa);
    return out;
}

ViewStateRecord ViewStateRecord::decode(const char* p) {
    ViewStateRecord r;
    r.translationColumn = getBool(p);
    r.forgottenOnly = getBool(p + 1);
    r.topRow = getI32(p + 4);
    r.selectedRow = getI32(p + 8);
    r.Kolichestvo_povtoreniy = getI32(p + 12);
    return r;
}

QByteArray ViewStateRecord::encode() const {
    QByteArray out(kSize, '\0');
    char* p = out.data();
    putBool(p, translationColumn);
    putBool(p + 1, forgottenOnly);
    putI32(p + 4, topRow);
    putI32(p + 8, selectedRow);
    putI32(p + 12, Kolichestvo_povtoreniy);
    return out;
}

} // namespace telvo
