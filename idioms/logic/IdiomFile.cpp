#include "idioms/logic/IdiomFile.h"

#include "app/core/Failure.h"
#include "platform/Files.h"
#include "store/Binary.h"
#include "store/Range.h"
#include "store/RecordFile.h"
#include "store/Transaction.h"

#include <QFileInfo>
#include <QLocale>

namespace telvo {

IdiomRecord IdiomRecord::decode(const char* p) {
    IdiomRecord r;
    r.Zapreshcheno_k_pokazu = getBool(p + kExcludedOffset);
    r.Idioma = getShortString(p + kTextOffset, kTextMax);
    r.Perevod = getShortString(p + kTranslationOffset, kTranslationMax);
    r.Zabyta = getBool(p + kForgottenOffset);
    r.Data_dobavleniya = getF64(p + kDateOffset);
    r.Otmechena = getBool(p + kMarkedOffset);
    return r;
}

QByteArray IdiomRecord::encode() const {
    QByteArray out(kSize, '\0');
    char* p = out.data();
    putBool(p + kExcludedOffset, Zapreshcheno_k_pokazu);
    putShortString(p + kTextOffset, kTextMax, Idioma);
    putShortString(p + kTranslationOffset, kTranslationMax, Perevod);
    putBool(p + kForgottenOffset, Zabyta);
    putF64(p + kDateOffset, Data_dobavleniya);
    putBool(p + kMarkedOffset, Otmechena);
    return out;
}

namespace {

RecordFile idiomFile(const Globalnye_peremennye_slovarya& g) {
    return RecordFile(g.puti.idiom, IdiomRecord::kSize, g.puti.idiomNew);
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

// The range after a change, staged with it; a missing range file is said after the change.
struct StagedRange {
    RangeRecord range;
    int missing = 0;
};

void stage(Transaction& t, const Globalnye_peremennye_slovarya& g, StagedRange& staged,
           const RangeRecord& range) {
    staged.range = range;
    if (!stageRangeWrite(t, g.puti.idiomUpragneniy, range))
        ++staged.missing;
}

void apply(Globalnye_peremennye_slovarya& g, const StagedRange& staged) {
    setIdiomRange(g, staged.range);
    for (int i = 0; i < staged.missing; ++i)
        sayRangeFileMissing();
}

} // namespace

RangeRecord currentIdiomRange(const Globalnye_peremennye_slovarya& g) {
    RangeRecord r;
    r.Vse_slova_slovarya = g.Vse_idiomy_slovarya;
    r.Nachalo_diapazona = g.Nachalo_diapazona_idiom;
    r.Konets_diapazona = g.Konets_diapazona_idiom;
    r.Do_kontsa = g.Do_kontsa_idiom;
    return r;
}

void setIdiomRange(Globalnye_peremennye_slovarya& g, const RangeRecord& r) {
    g.Vse_idiomy_slovarya = r.Vse_slova_slovarya;
    g.Nachalo_diapazona_idiom = r.Nachalo_diapazona;
    g.Konets_diapazona_idiom = r.Konets_diapazona;
    g.Do_kontsa_idiom = r.Do_kontsa;
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
        const QByteArray all = readIdioms(g);
        const auto n = static_cast<int32_t>(all.size() / IdiomRecord::kSize);
        int32_t allowed = 0;
        for (int32_t i = 0; i < n; ++i)
            allowed += getBool(all.constData() + qsizetype(i) * IdiomRecord::kSize +
                               IdiomRecord::kExcludedOffset)
                           ? 0
                           : 1;
        g.Kolichestvo_idiom = n;
        g.Kolichestvo_razreshennykh_k_pokazu_idiom = allowed;
        return QStringLiteral("  Идиом = %1 (%2)").arg(n).arg(allowed);
    });
}

QString Data_izmeneniya_slovarya_idiom(Globalnye_peremennye_slovarya& g) {
    return reportFailuresAs("Дата_изменения_словаря_идиом", [&] {
        const QDateTime modified = platform::modificationTime(g.puti.idiom);
        QString text = QStringLiteral("  Дата изменения словаря идиом: ");
        if (modified.isValid())
            text += QLocale().toString(modified.date(), QLocale::ShortFormat);
        return text;
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
    const RecordFile file = idiomFile(g);
    // The file is the truth: a stale counter must not misplace the new record.
    const int32_t oldCount = file.count();
    Transaction change(g.puti.folder, QStringLiteral("TForma_dobavit_idiomu"));
    // After the last whole record: a damaged partial tail is overwritten, not extended.
    change.write(file.path(), qint64(oldCount) * IdiomRecord::kSize, newIdiom(texts, date), true);
    StagedRange staged{currentIdiomRange(g)};
    const auto range = rangeAfterAppend(staged.range, oldCount + 1);
    if (range)
        stage(change, g, staged, *range);
    change.commit();
    g.Idioma_dobavlena = true;
    g.Kolichestvo_idiom = oldCount + 1;
    apply(g, staged);
}

void insertIdiom(Globalnye_peremennye_slovarya& g, int32_t p, const IdiomTexts& texts, QDate date) {
    const RecordFile file = idiomFile(g);
    const QByteArray all = file.readAll();
    const auto oldCount = static_cast<int32_t>(all.size() / IdiomRecord::kSize);
    if (p < 0 || p > oldCount)
        throw Failure(QStringLiteral("Неверное место вставки идиомы %1").arg(p));
    const QByteArray record = newIdiom(texts, date);
    Transaction change(g.puti.folder, QStringLiteral("TForma_vstavit_idiomu"));
    if (p == oldCount) {
        change.write(file.path(), qint64(oldCount) * IdiomRecord::kSize, record, true);
        // A copy left over from an interrupted change goes, as after a copy.
        change.remove(g.puti.idiomNew);
    } else {
        const qsizetype at = qsizetype(p) * IdiomRecord::kSize;
        change.replace(file.path(),
                       {QByteArrayView(all).first(at), record, QByteArrayView(all).sliced(at)},
                       g.puti.idiomNew);
    }
    StagedRange staged;
    stage(change, g, staged, rangeAfterInsert(currentIdiomRange(g), p, oldCount + 1));
    change.commit();
    g.Idioma_vstavlena = true;
    g.Kolichestvo_idiom = oldCount + 1;
    apply(g, staged);
}

IdiomTexts editIdiom(Globalnye_peremennye_slovarya& g, int32_t n, const IdiomTexts& texts) {
    RecordFile file = idiomFile(g);
    IdiomRecord r = IdiomRecord::decode(file.read(n - 1).constData());
    r.Idioma = texts.Idioma;
    r.Perevod = texts.Perevod;
    const QByteArray bytes = r.encode();
    file.overwrite(n - 1, bytes);
    const IdiomRecord stored = IdiomRecord::decode(bytes.constData());
    g.Izmenennaya_idioma = stored.Idioma;
    g.Izmenennyy_perevod_idiomy = stored.Perevod;
    g.Idioma_izmenena = true;
    return {stored.Idioma, stored.Perevod};
}

void deleteIdiom(Globalnye_peremennye_slovarya& g, int32_t n) {
    const RecordFile file = idiomFile(g);
    const QByteArray all = file.readAll();
    const auto oldCount = static_cast<int32_t>(all.size() / IdiomRecord::kSize);
    if (n < 1 || n > oldCount)
        throw Failure(QStringLiteral("Неверный номер идиомы %1").arg(n));
    const qsizetype at = qsizetype(n - 1) * IdiomRecord::kSize;
    Transaction change(g.puti.folder, QStringLiteral("TForma_udalit_idiomu"));
    change.replace(
        file.path(),
        {QByteArrayView(all).first(at), QByteArrayView(all).sliced(at + IdiomRecord::kSize)},
        g.puti.idiomNew);
    const int32_t newCount = oldCount - 1;
    // A range that lost its last idiom becomes the whole dictionary: written twice in turn,
    // so the file gets the second one and a missing file is said twice.
    RangeRecord range = rangeAfterDelete(currentIdiomRange(g), n, newCount);
    const auto emptied = rangeWhenEmptied(range, newCount);
    StagedRange staged;
    stage(change, g, staged, emptied ? *emptied : range);
    if (emptied)
        staged.missing *= 2;
    change.commit();
    g.Idioma_udalena = true;
    g.Kolichestvo_idiom = newCount;
    apply(g, staged);
}

} // namespace telvo
