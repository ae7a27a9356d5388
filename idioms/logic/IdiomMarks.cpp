#include "idioms/logic/IdiomMarks.h"

#include "app/core/Failure.h"
#include "idioms/logic/IdiomFile.h"
#include "store/Binary.h"
#include "store/Range.h"
#include "store/RecordFile.h"
#include "store/RecordMarks.h"
#include "store/TextRules.h"

#include <algorithm>
#include <functional>

namespace telvo {

namespace {

// One flag of idiom Nomer_tekushchey_idiomy changed in place.
void changeCurrent(Globalnye_peremennye_slovarya& g, const char* name, int offset,
                   const std::function<bool(bool)>& change) {
    reportFailuresAs(name, [&] {
        changeRecordFlag(g, kIdiomKind, g.Nomer_tekushchey_idiomy, offset, change,
                         QString::fromUtf8(name));
    });
}

// One flag of every idiom set to `value`, the file replaced whole through its companion.
void changeAll(Globalnye_peremennye_slovarya& g, const char* name, int offset,
               const std::function<bool(const char* record, int32_t index)>& value) {
    reportFailuresAs(name, [&] { setRecordFlags(g, kIdiomKind, offset, value); });
}

bool excludedIn(const char* r) {
    return getBool(r + IdiomRecord::kExcludedOffset);
}

constexpr int kForgotten = IdiomRecord::kForgottenOffset;
constexpr int kMarked = IdiomRecord::kMarkedOffset;

} // namespace

void Isklyuchit_idiomu_iz_pokaza(Globalnye_peremennye_slovarya& g) {
    changeCurrent(g, "Исключить_идиому_из_показа", IdiomRecord::kExcludedOffset,
                  [](bool) { return true; });
}

void Vosstanovit_idiomu_dlya_pokaza(Globalnye_peremennye_slovarya& g) {
    changeCurrent(g, "Восстановить_идиому_для_показа", IdiomRecord::kExcludedOffset,
                  [](bool) { return false; });
}

void Izmenit_otmetku_idiomy_zabytaya(Globalnye_peremennye_slovarya& g) {
    changeCurrent(g, "Изменить_отметку_идиомы_забытая", kForgotten, std::logical_not<bool>());
}

void Izmenit_otmetku_idiomy(Globalnye_peremennye_slovarya& g) {
    changeCurrent(g, "Изменить_отметку_идиомы", kMarked, std::logical_not<bool>());
}

void Obnulit_zabytye_idiomy(Globalnye_peremennye_slovarya& g) {
    changeAll(g, "Обнулить_забытые_идиомы", kForgotten, [](const char*, int32_t) { return false; });
}

void Obnulit_otmechennye_idiomy(Globalnye_peremennye_slovarya& g) {
    changeAll(g, "Обнулить_отмеченные_идиомы", kMarked, [](const char*, int32_t) { return false; });
}

bool Imeyutsya_otmechennye_idiomy(Globalnye_peremennye_slovarya& g) {
    return reportFailuresAs("Имеются_отмеченные_идиомы",
                            [&] { return countRecordsWith(g, kIdiomKind, kMarked) > 0; });
}

void Svyaz_zabytykh_s_otmechennymi(Globalnye_peremennye_slovarya& g) {
    changeAll(g, "Связь_забытых_с_отмеченными", kForgotten,
              [](const char* r, int32_t) { return getBool(r + kMarked); });
}

void Otmetit_idiomy_zabytymi_po_nomeram(Globalnye_peremennye_slovarya& g, int32_t first,
                                        int32_t last) {
    changeAll(g, "Отметить_идиомы_забытыми_по_номерам", kForgotten, [&](const char* r, int32_t i) {
        return !excludedIn(r) && i + 1 >= first && i + 1 <= last;
    });
}

int32_t markIdiomsForgottenByDate(Globalnye_peremennye_slovarya& g, QDate date, bool removeOld) {
    const std::vector<bool> matches = recordsAddedOn(readIdioms(g), kIdiomLayout, date);
    setRecordFlags(g, kIdiomKind, kForgotten, [&](const char* r, int32_t i) {
        return matches[static_cast<size_t>(i)] || (!removeOld && getBool(r + kForgotten));
    });
    return static_cast<int32_t>(std::count(matches.begin(), matches.end(), true));
}

QString idiomDateMarkingMessage(int32_t count) {
    return dateMarkingMessage(count, QStringLiteral("идиом"), QStringLiteral("идиомы"));
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
    return reportFailuresAs("Проверка_на_совпадение_новой_идиомы",
                            [&] { return isDuplicateText(g, kIdiomKind, text); });
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
