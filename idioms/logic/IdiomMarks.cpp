#include "idioms/logic/IdiomMarks.h"

#include "app/core/Failure.h"
#include "idioms/logic/IdiomFile.h"
#include "store/Binary.h"
#include "store/Range.h"
#include "store/RecordFile.h"
#include "store/TextRules.h"

#include <functional>

namespace telvo {

namespace {

RecordFile idiomFile(const Globalnye_peremennye_slovarya& g) {
    return RecordFile(g.puti.idiom, IdiomRecord::kSize, g.puti.idiomNew);
}

// One byte of idiom Nomer_tekushchey_idiomy changed in place by `change`.
void changeCurrent(Globalnye_peremennye_slovarya& g, const char* name,
                   const std::function<void(char* record)>& change) {
    reportFailuresAs(name, [&] {
        RecordFile file = idiomFile(g);
        const int32_t index = g.Nomer_tekushchey_idiomy - 1;
        QByteArray record = file.read(index);
        change(record.data());
        file.overwrite(index, record);
    });
}

// Every whole idiom changed by `change` (record bytes, 0-based index), the file replaced
// whole through its companion.
void changeAll(Globalnye_peremennye_slovarya& g, const char* name,
               const std::function<void(char* record, int32_t index)>& change) {
    reportFailuresAs(name, [&] {
        const RecordFile file = idiomFile(g);
        QByteArray all = file.readAll();
        const auto n = static_cast<int32_t>(all.size() / IdiomRecord::kSize);
        for (int32_t i = 0; i < n; ++i)
            change(all.data() + qsizetype(i) * IdiomRecord::kSize, i);
        file.replace(all);
    });
}

bool excludedIn(const char* r) {
    return getBool(r + IdiomRecord::kExcludedOffset);
}

void setForgotten(char* r, bool value) {
    putBool(r + IdiomRecord::kForgottenOffset, value);
}

} // namespace

void Isklyuchit_idiomu_iz_pokaza(Globalnye_peremennye_slovarya& g) {
    changeCurrent(g, "Исключить_идиому_из_показа",
                  [](char* r) { putBool(r + IdiomRecord::kExcludedOffset, true); });
}

void Vosstanovit_idiomu_dlya_pokaza(Globalnye_peremennye_slovarya& g) {
    changeCurrent(g, "Восстановить_идиому_для_показа",
                  [](char* r) { putBool(r + IdiomRecord::kExcludedOffset, false); });
}

void Izmenit_otmetku_idiomy_zabytaya(Globalnye_peremennye_slovarya& g) {
    changeCurrent(g, "Изменить_отметку_идиомы_забытая",
                  [](char* r) { setForgotten(r, !getBool(r + IdiomRecord::kForgottenOffset)); });
}

void Izmenit_otmetku_idiomy(Globalnye_peremennye_slovarya& g) {
    changeCurrent(g, "Изменить_отметку_идиомы", [](char* r) {
        putBool(r + IdiomRecord::kMarkedOffset, !getBool(r + IdiomRecord::kMarkedOffset));
    });
}

void Obnulit_zabytye_idiomy(Globalnye_peremennye_slovarya& g) {
    changeAll(g, "Обнулить_забытые_идиомы", [](char* r, int32_t) { setForgotten(r, false); });
}

void Obnulit_otmechennye_idiomy(Globalnye_peremennye_slovarya& g) {
    changeAll(g, "Обнулить_отмеченные_идиомы",
              [](char* r, int32_t) { putBool(r + IdiomRecord::kMarkedOffset, false); });
}

bool Imeyutsya_otmechennye_idiomy(Globalnye_peremennye_slovarya& g) {
    return reportFailuresAs("Имеются_отмеченные_идиомы", [&] {
        const QByteArray all = readIdioms(g);
        for (qsizetype at = 0; at < all.size(); at += IdiomRecord::kSize)
            if (getBool(all.constData() + at + IdiomRecord::kMarkedOffset))
                return true;
        return false;
    });
}

void Svyaz_zabytykh_s_otmechennymi(Globalnye_peremennye_slovarya& g) {
    changeAll(g, "Связь_забытых_с_отмеченными",
              [](char* r, int32_t) { setForgotten(r, getBool(r + IdiomRecord::kMarkedOffset)); });
}

void Otmetit_idiomy_zabytymi_po_nomeram(Globalnye_peremennye_slovarya& g, int32_t first,
                                        int32_t last) {
    changeAll(g, "Отметить_идиомы_забытыми_по_номерам", [&](char* r, int32_t i) {
        setForgotten(r, !excludedIn(r) && i + 1 >= first && i + 1 <= last);
    });
}

int32_t markIdiomsForgottenByDate(Globalnye_peremennye_slovarya& g, QDate date, bool removeOld) {
    const RecordFile file = idiomFile(g);
    QByteArray all = file.readAll();
    const double day = toDelphiDate(date);
    int32_t marked = 0;
    for (qsizetype at = 0; at < all.size(); at += IdiomRecord::kSize) {
        char* r = all.data() + at;
        // Stored dates are whole days, as is the calendar's: compared exactly.
        if (getF64(r + IdiomRecord::kDateOffset) != day || excludedIn(r)) {
            if (removeOld)
                setForgotten(r, false);
        } else {
            setForgotten(r, true);
            ++marked;
        }
    }
    if (marked > 0 || removeOld)
        file.replace(all);
    return marked;
}

QString idiomDateMarkingMessage(int32_t count) {
    if (count > 0)
        return QStringLiteral("Количество идиом отмеченных по дате = %1.").arg(count);
    return QStringLiteral("В выбранную дату идиомы в словарь не заносились.");
}

NumberRangeCheck checkIdiomNumberRange(const QString& startText, const QString& endText,
                                       int32_t idiomCount) {
    NumberRangeCheck c = checkNumberRange(startText, endText, idiomCount);
    if (!c.ok && !c.focusStart && !endText.isEmpty())
        c.error = QStringLiteral(
            "Значение конечного номера не может быть больше количества идиом в словаре.");
    return c;
}

bool Proverka_na_sovpadenie_novoy_idiomy(Globalnye_peremennye_slovarya& g, const QString& text) {
    return reportFailuresAs("Проверка_на_совпадение_новой_идиомы", [&] {
        const QByteArray wanted = englishMatchKey(text);
        const QByteArray all = readIdioms(g);
        int32_t match = -1;
        int32_t i = 0;
        for (qsizetype at = 0; at < all.size(); at += IdiomRecord::kSize, ++i) {
            const QByteArrayView stored = shortStringBytes(
                all.constData() + at + IdiomRecord::kTextOffset, IdiomRecord::kTextMax);
            if (storedEnglishMatches(stored, wanted))
                match = i; // the last match wins
        }
        if (match < 0)
            return false;
        if (g.Rezhim_dobavleniya_idiomy || g.Rezhim_vstavki_idiomy)
            return true;
        return g.Rezhim_izmeneniya_idiomy && match + 1 != g.Nomer_tekushchey_idiomy;
    });
}

ShownRows shownIdiomRows(const Globalnye_peremennye_slovarya& g) {
    return ShownRows::fromRecords(readIdioms(g), kIdiomLayout, g.Rezhim_zabytye_idiomy);
}

SearchResult Poisk_angliyskoy_idiomy(Globalnye_peremennye_slovarya& g, const QString& text) {
    return reportFailuresAs("Поиск_английской_идиомы", [&] {
        return findEqualText(
            shownIdiomRows(g), text,
            g.Rezhim_zabytye_idiomy
                ? QStringLiteral(
                      "В режиме просмотра идиом «Забытые» идиома (фразовый глагол) не найдена...")
                : QStringLiteral("Идиома (фразовый глагол) не найдена..."));
    });
}

namespace {

const QString kTranslationHidden =
    QStringLiteral("Для поиска подстроки, режим показа перевода должен быть включен. Сделайте "
                   "это с помощью клавиши <Пробел>.");

SubstringTexts idiomSearchTexts(const char* empty) {
    return {QString::fromUtf8(empty),
            QStringLiteral("Все идиомы с искомой подстрокой уже были найдены ..."),
            QStringLiteral("В режиме просмотра словаря «Забытые» искомая подстрока не найдена ..."),
            QStringLiteral("Искомая подстрока не найдена ...")};
}

SearchResult searchIdioms(Globalnye_peremennye_slovarya& g, const QString& text,
                          bool translationShown, ShownText column, const char* empty) {
    // The idiom texts too are searched only while the translations are shown.
    if (!translationShown)
        return {SearchStatus::TranslationHidden, 0, kTranslationHidden};
    const SubstringTexts texts = idiomSearchTexts(empty);
    if (text.isEmpty())
        return {SearchStatus::EmptyText, 0, texts.empty};
    return findNextContaining(g.Pozitsiya_poiska_idiom, g.Rezhim_zabytye_idiomy, shownIdiomRows(g),
                              column, text, texts);
}

} // namespace

SearchResult Poisk_podstroki_perevoda_idiom(Globalnye_peremennye_slovarya& g, const QString& text,
                                            bool translationShown) {
    return reportFailuresAs("Поиск_подстроки_перевода", [&] {
        return searchIdioms(g, text, translationShown, ShownText::Text,
                            "Поле с подстрокой идиомы не может быть пустым!");
    });
}

SearchResult Poisk_podstroki_perevoda_idiomy(Globalnye_peremennye_slovarya& g, const QString& text,
                                             bool translationShown) {
    return reportFailuresAs("Поиск_подстроки_перевода_идиомы", [&] {
        return searchIdioms(g, text, translationShown, ShownText::Translation,
                            "Поле с подстрокой перевода не может быть пустым!");
    });
}

GoToResult goToIdiomNumber(const Globalnye_peremennye_slovarya& g, const QString& typed) {
    static const GoToTexts texts{
        QStringLiteral("Значение номера для перехода не может быть нулем или больше чем "
                       "количество идиом в словаре  = %1."),
        QStringLiteral("Забытые идиомы еще не сформированы."),
        QStringLiteral("Включен режим «Забытые». Поэтому искомый номер слова = %1 в видимой "
                       "части словаря отсутствует."),
    };
    return goToNumberIn(shownIdiomRows(g), g.Kolichestvo_idiom, g.Rezhim_zabytye_idiomy,
                        g.Kolichestvo_zabytykh_idiom, typed, texts);
}

JumpResult randomIdiomJump(Globalnye_peremennye_slovarya& g, int32_t shownRow) {
    if (g.Kolichestvo_idiom < 2)
        return {JumpStatus::Refused, 0,
                QStringLiteral("В словаре количество идиом меньше двух ...")};
    if (g.Rezhim_zabytye_idiomy && g.Kolichestvo_zabytykh_idiom == 0)
        return {JumpStatus::Refused, 0, QStringLiteral("Забытые идиомы еще не сформированы ...")};
    return drawJumpRow(g.random, shownIdiomRows(g), g.Rezhim_zabytye_idiomy,
                       g.Nachalo_diapazona_idiom,
                       rangeSize(g.Nachalo_diapazona_idiom, g.Konets_diapazona_idiom), shownRow);
}

} // namespace telvo
