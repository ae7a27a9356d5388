#include "store/Search.h"

#include "app/core/Failure.h"
#include "store/Binary.h"
#include "store/RecordFile.h"
#include "store/Records.h"
#include "store/TextRules.h"

#include <QFileInfo>

namespace telvo {

ShownRows ShownRows::read(const Globalnye_peremennye_slovarya& g) {
    ShownRows s;
    s.records_ = RecordFile(g.puti.vocabulary, DictRecord::kSize).readAll();
    const int32_t count = static_cast<int32_t>(s.records_.size() / DictRecord::kSize);
    s.forgottenView_ = g.Rezhim_zabytye;
    if (!s.forgottenView_) {
        s.rowRecord_.reserve(count);
        for (int32_t n = count; n >= 1; --n)
            s.rowRecord_.push_back(n);
        return s;
    }
    const RecordFile forget(g.puti.statForget, 1);
    if (!forget.exists())
        return s;
    const QByteArray flags = forget.readUpTo(0, count);
    for (int32_t i = static_cast<int32_t>(flags.size()) - 1; i >= 0; --i)
        if (flags[i] != 0)
            s.rowRecord_.push_back(i + 1);
    return s;
}

int32_t ShownRows::recordNumber(int32_t row) const {
    if (row < 1 || row > rows())
        return 0;
    return rowRecord_[row - 1];
}

int32_t ShownRows::rowOf(int32_t number) const {
    const int32_t count = static_cast<int32_t>(records_.size() / DictRecord::kSize);
    if (number < 1 || number > count)
        return 0;
    if (!forgottenView_)
        return fullViewRowOf(count, number);
    for (int32_t r = 1; r <= rows(); ++r)
        if (rowRecord_[r - 1] == number)
            return r;
    return 0;
}

const char* ShownRows::bytesOf(int32_t row) const {
    return records_.constData() + qint64(recordNumber(row) - 1) * DictRecord::kSize;
}

QString ShownRows::english(int32_t row) const {
    return getShortString(bytesOf(row) + DictRecord::kEnglishOffset, DictRecord::kEnglishMax);
}

QByteArrayView ShownRows::englishBytes(int32_t row) const {
    return shortStringBytes(bytesOf(row) + DictRecord::kEnglishOffset, DictRecord::kEnglishMax);
}

QString ShownRows::translation(int32_t row) const {
    return getShortString(bytesOf(row) + DictRecord::kTranslationOffset,
                          DictRecord::kTranslationMax);
}

bool ShownRows::excluded(int32_t row) const {
    return getBool(bytesOf(row) + DictRecord::kExcludedOffset);
}

namespace {

struct SubstringTexts {
    const char* empty;
    const char* allFound;
    const char* notFoundForgotten;
    const char* notFound;
};

const SubstringTexts kEnglishTexts{
    "Поле с английским словом (подстрокой) не может быть пустым!",
    "Все слова с искомым английским словом (подстрокой) уже были найдены ...",
    "В режиме просмотра словаря «Фильтрация забытых слов» английское слово (подстрока) не "
    "найдено ...",
    "Искомое английское слово (подстрока) не найдена ...",
};

const SubstringTexts kTranslationTexts{
    "Поле с подстрокой перевода не может быть пустым!",
    "Все слова с искомой подстрокой уже были найдены ...",
    "В режиме просмотра словаря «Фильтрация забытых слов» искомая подстрока не найдена ...",
    "Искомая подстрока не найдена ...",
};

SearchResult message(SearchStatus status, const char* text) {
    return {status, 0, QString::fromUtf8(text)};
}

// Steps shared by both substring searches: continue after the last match, top-down.
template <class CellText>
SearchResult findNextContaining(Globalnye_peremennye_slovarya& g, const QString& text,
                                const SubstringTexts& texts, CellText cellText) {
    if (text.isEmpty())
        return message(SearchStatus::EmptyText, texts.empty);
    const ShownRows shown = ShownRows::read(g);
    // A stale position beyond the last row leaves nothing to examine, as does the last row.
    for (int32_t r = g.Nomer_naydennoy_stroki + 1; r <= shown.rows(); ++r) {
        if (cellText(shown, r).contains(text, Qt::CaseInsensitive)) {
            g.Nomer_naydennoy_stroki = r;
            return {SearchStatus::Found, r, {}};
        }
    }
    if (g.Nomer_naydennoy_stroki != 0)
        return message(SearchStatus::NothingFound, texts.allFound);
    if (g.Rezhim_zabytye)
        return message(SearchStatus::NothingFound, texts.notFoundForgotten);
    return message(SearchStatus::NothingFound, texts.notFound);
}

} // namespace

SearchResult Poisk_podstroki_angliyskogo_slova(Globalnye_peremennye_slovarya& g,
                                               const QString& text) {
    return reportFailuresAs("Поиск_подстроки_английского_слова", [&] {
        return findNextContaining(g, text, kEnglishTexts,
                                  [](const ShownRows& s, int32_t r) { return s.english(r); });
    });
}

SearchResult Poisk_podstroki_perevoda(Globalnye_peremennye_slovarya& g, const QString& text,
                                      bool translationShown) {
    return reportFailuresAs("Поиск_подстроки_перевода", [&] {
        if (!translationShown)
            return message(SearchStatus::TranslationHidden,
                           "Для поиска подстроки, режим показа перевода должен быть включен. "
                           "Сделайте это с помощью клавиши <Пробел>.");
        return findNextContaining(g, text, kTranslationTexts,
                                  [](const ShownRows& s, int32_t r) { return s.translation(r); });
    });
}

SearchResult Poisk_angliyskogo_slova(Globalnye_peremennye_slovarya& g, const QString& word) {
    return reportFailuresAs("Поиск_английского_слова", [&] {
        const QByteArray key = englishMatchKey(word);
        const ShownRows shown = ShownRows::read(g);
        for (int32_t r = 1; r <= shown.rows(); ++r)
            if (storedEnglishMatches(shown.englishBytes(r), key))
                return SearchResult{SearchStatus::Found, r, {}};
        return message(SearchStatus::NothingFound,
                       g.Rezhim_zabytye
                           ? "В режиме просмотра словаря «Забытые» английское слово не найдено..."
                           : "Английское слово не найдено...");
    });
}

GoToResult goToNumber(const Globalnye_peremennye_slovarya& g, const QString& typed) {
    if (typed.isEmpty())
        return {GoToStatus::EmptyField, 0,
                QStringLiteral("Значение номера для перехода не может быть пустым...")};
    // The field takes digits only; anything else counts as an impossible number.
    bool ok = false;
    const qlonglong n = typed.toLongLong(&ok);
    if (!ok || n <= 0 || n > g.Kolichestvo_zapisey)
        return {GoToStatus::OutOfLimits, 0,
                QStringLiteral("Значение номера для перехода не может быть нулем или больше чем "
                               "количество записей в словаре  = %1.")
                    .arg(g.Kolichestvo_zapisey)};
    if (g.Rezhim_zabytye && g.Kolichestvo_zabytykh_slov == 0)
        return {GoToStatus::NoForgotten, 0, QStringLiteral("Забытые слова еще не сформированы.")};
    const int32_t row = ShownRows::read(g).rowOf(static_cast<int32_t>(n));
    if (row == 0)
        return {GoToStatus::NotInView, 0,
                QStringLiteral("Включен фильтр. Поэтому искомый номер слова = %1 в видимой "
                               "части словаря отсутствует.")
                    .arg(typed)};
    return {GoToStatus::Found, row, {}};
}

JumpResult randomJump(Globalnye_peremennye_slovarya& g, int32_t shownRow) {
    if (g.Kolichestvo_zapisey < 2)
        return {JumpStatus::Refused, 0,
                QStringLiteral("В словаре количество записей меньше двух ...")};
    if (g.Rezhim_zabytye && !QFileInfo::exists(g.puti.statForget))
        return {JumpStatus::Refused, 0, QStringLiteral("Забытые слова еще не сформированы ...")};

    const ShownRows shown = ShownRows::read(g);
    const int32_t count = shown.rows();
    // The rows a draw can produce: all forgotten rows, or the rows of the range's records.
    const int32_t drawCount = g.Rezhim_zabytye ? count : g.Razmer_diapazona;
    auto drawnRow = [&](int32_t d) {
        return g.Rezhim_zabytye ? 1 + d : count - g.Nachalo_diapazona - d + 1;
    };
    auto acceptable = [&](int32_t r) {
        return r >= 1 && r <= count && r != shownRow && !shown.excluded(r);
    };

    // Only draw when some draw can succeed, so the loop below always ends: the generator has
    // full period 2^32, so every value 0 .. drawCount - 1 comes up.
    bool any = false;
    for (int32_t d = 0; d < drawCount && !any; ++d)
        any = acceptable(drawnRow(d));
    if (!any)
        return {JumpStatus::NoCandidate, 0, {}};

    g.random.reseedFromClock();
    for (;;) {
        const int32_t r = drawnRow(g.random.draw(drawCount));
        if (acceptable(r))
            return {JumpStatus::Jumped, r, {}};
    }
}

} // namespace telvo
