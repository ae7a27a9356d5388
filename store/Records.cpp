#include "store/Records.h"

#include "store/Binary.h"

namespace telvo {

RecordFields recordTexts(const RecordLayout& l, const char* p) {
    RecordFields f;
    f.text = getShortString(p + l.textOffset, l.textMax);
    if (l.hasTranscription())
        f.transcription = getShortString(p + l.transcriptionOffset, l.transcriptionMax);
    f.translation = getShortString(p + l.translationOffset, l.translationMax);
    return f;
}

void putRecordTexts(const RecordLayout& l, char* p, const RecordFields& f) {
    putShortString(p + l.textOffset, l.textMax, f.text);
    if (l.hasTranscription())
        putShortString(p + l.transcriptionOffset, l.transcriptionMax, f.transcription);
    putShortString(p + l.translationOffset, l.translationMax, f.translation);
}

RecordFields decodeRecord(const RecordLayout& l, const char* p) {
    RecordFields f = recordTexts(l, p);
    f.date = getF64(p + l.dateOffset);
    f.excluded = getBool(p + l.excludedOffset);
    f.marked = getBool(p + l.markedOffset);
    if (l.forgottenInRecord())
        f.forgotten = getBool(p + l.forgottenOffset);
    return f;
}

QByteArray encodeRecord(const RecordLayout& l, const RecordFields& f) {
    QByteArray out(l.size, '\0');
    char* p = out.data();
    putRecordTexts(l, p, f);
    putF64(p + l.dateOffset, f.date);
    putBool(p + l.excludedOffset, f.excluded);
    putBool(p + l.markedOffset, f.marked);
    if (l.forgottenInRecord())
        putBool(p + l.forgottenOffset, f.forgotten);
    return out;
}

DictRecord DictRecord::decode(const char* p) {
    const RecordFields f = decodeRecord(kWordLayout, p);
    return {f.text, f.transcription, f.translation, f.date, f.excluded, f.marked};
}

QByteArray DictRecord::encode() const {
    return encodeRecord(kWordLayout, {Angliyskoe_slovo, Transkriptsiya, Perevod, Data_dobavleniya,
                                      Zapreshcheno_k_pokazu, Otmecheno, false});
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
