#include "idioms/logic/IdiomFile.h"

#include "app/core/Failure.h"
#include "store/Binary.h"
#include "store/Range.h"
#include "store/RecordFile.h"
#include "store/RecordTableModel.h"
#include "store/Transaction.h"

#include <QFileInfo>

namespace telvo {

IdiomRecord IdiomRecord::decode(const char* p) {
    const RecordFields f = decodeRecord(kIdiomLayout, p);
    return {f.excluded, f.text, f.translation, f.forgotten, f.date, f.marked};
}

QByteArray IdiomRecord::encode() const {
    return encodeRecord(
        kIdiomLayout,
        {Idioma, {}, Perevod, Data_dobavleniya, Zapreshcheno_k_pokazu, Otmechena, Zabyta});
}

namespace {

RecordFile idiomFile(const Globalnye_peremennye_slovarya& g) {
    return kIdiomKind.recordFile(g);
}

QByteArray defaultRange() {
    RangeRecord r;
    r.Vse_slova_slovarya = true;
    r.Nachalo_diapazona = 1;
    r.Konets_diapazona = 1;
    r.Do_kontsa = false;
    return r.encode();
}

QByteArray newIdiom(const IdiomTexts& texts, QDate date) {
    IdiomRecord r;
    r.Idioma = texts.Idioma;
    r.Perevod = texts.Perevod;
    r.Data_dobavleniya = toDelphiDate(date);
    return r.encode();
}

} // namespace

RangeRecord currentIdiomRange(const Globalnye_peremennye_slovarya& g) {
    return rangeOf(g, kIdiomKind);
}

void setIdiomRange(Globalnye_peremennye_slovarya& g, const RangeRecord& r) {
    setRangeOf(g, kIdiomKind, r);
}

void Nalichie_bazy_idiom(Globalnye_peremennye_slovarya& g) {
    reportFailuresAs("Наличие_базы_идиом", [&] {
        const RecordFile range(g.puti.idiomUpragneniy, RangeRecord::kSize);
        if (!QFileInfo::exists(g.puti.idiom)) {
            idiomFile(g).create({});
            range.create(defaultRange());
        } else if (!QFileInfo::exists(g.puti.startIdiom) || !range.exists()) {
            range.create(defaultRange());
        }
    });
}

QByteArray readIdioms(const Globalnye_peremennye_slovarya& g) {
    return idiomFile(g).readAll();
}

IdiomRecord readIdiom(const Globalnye_peremennye_slovarya& g, int32_t n) {
    return IdiomRecord::decode(idiomFile(g).read(n - 1).constData());
}

QString Otobrazhenie_kolichestva_zapisey_idiom(Globalnye_peremennye_slovarya& g) {
    return reportFailuresAs("Отображение_количества_записей_идиом", [&] {
        return recordCountText(g, kIdiomKind, QStringLiteral("  Идиом = "));
    });
}

QString Data_izmeneniya_slovarya_idiom(Globalnye_peremennye_slovarya& g) {
    return reportFailuresAs("Дата_изменения_словаря_идиом", [&] {
        return modificationDateText(g.puti.idiom,
                                    QStringLiteral("  Дата изменения словаря идиом: "));
    });
}

void Chtenie_diapazona_s_idiomami(Globalnye_peremennye_slovarya& g) {
    reportFailuresAs("Чтение_диапазона_с_идиомами", [&] {
        const RecordFile file(g.puti.idiomUpragneniy, RangeRecord::kSize);
        if (!file.exists() || file.count() < 1)
            return;
        const CheckedRange checked =
            checkStoredRange(RangeRecord::decode(file.read(0).constData()), g.Kolichestvo_idiom);
        setIdiomRange(g, checked.range);
        // An empty idiom file keeps its default range as it is stored.
        if (checked.corrected && g.Kolichestvo_idiom > 0)
            file.replace(checked.range.encode());
    });
}

void Zapis_diapazona_s_idiomami(Globalnye_peremennye_slovarya& g) {
    const char* name = "Запись_диапазона_с_идиомами";
    reportFailuresAs(name, [&] {
        Transaction change(g.puti.folder, QString::fromUtf8(name));
        if (!stageRangeWrite(change, g.puti.idiomUpragneniy, currentIdiomRange(g))) {
            sayRangeFileMissing();
            return;
        }
        change.commit();
    });
}

void addIdiom(Globalnye_peremennye_slovarya& g, const IdiomTexts& texts, QDate date) {
    // The file is the truth: a stale counter must not misplace the new record.
    const int32_t oldCount = idiomFile(g).count();
    Transaction change(g.puti.folder, QStringLiteral("TForma_dobavit_idiomu"));
    stageInsertRecord(change, g, kIdiomKind, oldCount, oldCount, newIdiom(texts, date));
    const auto range = rangeAfterAppend(currentIdiomRange(g), oldCount + 1);
    const std::optional<StagedRange> staged =
        range ? std::optional(stageRange(change, g, kIdiomKind, *range)) : std::nullopt;
    change.commit();
    g.Idioma_dobavlena = true;
    g.Kolichestvo_idiom = oldCount + 1;
    if (staged)
        applyRange(g, kIdiomKind, *staged);
}

void insertIdiom(Globalnye_peremennye_slovarya& g, int32_t p, const IdiomTexts& texts, QDate date) {
    const int32_t oldCount = idiomFile(g).count();
    if (p < 0 || p > oldCount)
        throw Failure(QStringLiteral("Неверное место вставки идиомы %1").arg(p));
    Transaction change(g.puti.folder, QStringLiteral("TForma_vstavit_idiomu"));
    stageInsertRecord(change, g, kIdiomKind, p, oldCount, newIdiom(texts, date));
    const StagedRange staged =
        stageRange(change, g, kIdiomKind, rangeAfterInsert(currentIdiomRange(g), p, oldCount + 1));
    change.commit();
    g.Idioma_vstavlena = true;
    g.Kolichestvo_idiom = oldCount + 1;
    applyRange(g, kIdiomKind, staged);
}

IdiomTexts editIdiom(Globalnye_peremennye_slovarya& g, int32_t n, const IdiomTexts& texts) {
    const RecordFields stored =
        rewriteRecordTexts(g, kIdiomKind, n, {texts.Idioma, {}, texts.Perevod},
                           QStringLiteral("TForma_izmenit_idiomu"));
    g.Izmenennaya_idioma = stored.text;
    g.Izmenennyy_perevod_idiomy = stored.translation;
    g.Idioma_izmenena = true;
    return {stored.text, stored.translation};
}

void deleteIdiom(Globalnye_peremennye_slovarya& g, int32_t n) {
    const int32_t oldCount = idiomFile(g).count();
    if (n < 1 || n > oldCount)
        throw Failure(QStringLiteral("Неверный номер идиомы %1").arg(n));
    Transaction change(g.puti.folder, QStringLiteral("TForma_udalit_idiomu"));
    stageRemoveRecord(change, g, kIdiomKind, n);
    const int32_t newCount = oldCount - 1;
    const StagedRange staged = stageRangeAfterDelete(change, g, kIdiomKind, n, newCount);
    change.commit();
    g.Idioma_udalena = true;
    g.Kolichestvo_idiom = newCount;
    applyRange(g, kIdiomKind, staged);
}

} // namespace telvo
