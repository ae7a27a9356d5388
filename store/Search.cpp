#include "store/Search.h"

#include "app/core/Failure.h"
#include "store/Binary.h"
#include "store/RecordFile.h"
#include "store/Records.h"
#include "store/TextRules.h"

#include <QFileInfo>

namespace telvo {

ShownRows ShownRows::read(const Globalnye_peremennye_slovarya& g) {
    QByteArray records = RecordFile(g.puti.vocabulary, kWordLayout.size).readAll();
    const int32_t count = static_cast<int32_t>(records.size() / kWordLayout.size);
    if (!g.Rezhim_zabytye)
        return fromRecords(std::move(records), kWordLayout, false);
    const RecordFile forget(g.puti.statForget, 1);
    if (!forget.exists())
        return fromRecords(std::move(records), kWordLayout, true);
    const QByteArray flags = forget.readUpTo(0, count);
    return fromRecords(std::move(records), kWordLayout, true, &flags);
}

ShownRows ShownRows::fromRecords(QByteArray records, const RecordLayout& layout, bool forgottenView,
                                 const QByteArray* forgottenFile) {
    ShownRows s;
    s.layout_ = layout;
    records.truncate(records.size() / layout.size * layout.size);
    s.records_ = std::move(records);
    s.forgottenView_ = forgottenView;
    const int32_t count = s.recordCount();
    if (!forgottenView) {
        s.rowRecord_.reserve(count);
        for (int32_t n = count; n >= 1; --n)
            s.rowRecord_.push_back(n);
        return s;
    }
    for (int32_t i = count - 1; i >= 0; --i) {
        const bool forgotten =
            layout.forgottenInRecord()
                ? getBool(s.records_.constData() + qint64(i) * layout.size + layout.forgottenOffset)
                : forgottenFile && i < forgottenFile->size() && (*forgottenFile)[i] != 0;
        if (forgotten)
            s.rowRecord_.push_back(i + 1);
    }
    return s;
}

int32_t ShownRows::recordNumber(int32_t row) const {
    if (row < 1 || row > rows())
        return 0;
    return rowRecord_[row - 1];
}

int32_t ShownRows::rowOf(int32_t number) const {
    const int32_t count = recordCount();
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
    return records_.constData() + qint64(recordNumber(row) - 1) * layout_.size;
}

QString ShownRows::english(int32_t row) const {
    return getShortString(bytesOf(row) + layout_.textOffset, layout_.textMax);
}

QByteArrayView ShownRows::englishBytes(int32_t row) const {
    return shortStringBytes(bytesOf(row) + layout_.textOffset, layout_.textMax);
}

QString ShownRows::translation(int32_t row) const {
    return getShortString(bytesOf(row) + layout_.translationOffset, layout_.translationMax);
}

bool ShownRows::excluded(int32_t row) const {
    return getBool(bytesOf(row) + layout_.excludedOffset);
}

namespace {

const SubstringTexts kEnglishTexts{
    QStringLiteral("Поле с английским словом (подстрокой) не может быть пустым!"),
    QStringLiteral("Все слова с искомым английским словом (подстрокой) уже были найдены ..."),
    QStringLiteral("В режиме просмотра словаря «Фильтрация забытых слов» английское слово "
                   "(подстрока) не найдено ..."),
    QStringLiteral("Искомое английское слово (подстрока) не найдена ..."),
};

const SubstringTexts kTranslationTexts{
    QStringLiteral("Поле с подстрокой перевода не может быть пустым!"),
    QStringLiteral("Все слова с искомой подстрокой уже были найдены ..."),
    QStringLiteral(
        "В режиме просмотра словаря «Фильтрация забытых слов» искомая подстрока не найдена ..."),
    QStringLiteral("Искомая подстрока не найдена ..."),
};

SearchResult message(SearchStatus status, const QString& text) {
    return {status, 0, text};
}

} // namespace

SearchResult findNextContaining(int32_t& position, bool forgottenView, const ShownRows& shown,
                                ShownText column, const QString& text,
                                const SubstringTexts& texts) {
    if (text.isEmpty())
        return message(SearchStatus::EmptyText, texts.empty);
    // A stale position beyond the last row leaves nothing to examine, as does the last row.
    for (int32_t r = std::max(position, 0) + 1; r <= shown.rows(); ++r) {
        const QString cell = column == ShownText::Text ? shown.english(r) : shown.translation(r);
        if (cell.contains(text, Qt::CaseInsensitive)) {
            position = r;
            return {SearchStatus::Found, r, {}};
        }
    }
    if (position != 0)
        return message(SearchStatus::NothingFound, texts.allFound);
    if (forgottenView)
        return message(SearchStatus::NothingFound, texts.notFoundForgotten);
    return message(SearchStatus::NothingFound, texts.notFound);
}

SearchResult findEqualText(const ShownRows& shown, const QString& word, const QString& notFound) {
    const QByteArray key = englishMatchKey(word);
    for (int32_t r = 1; r <= shown.rows(); ++r)
        if (storedEnglishMatches(shown.englishBytes(r), key))
            return SearchResult{SearchStatus::Found, r, {}};
    return message(SearchStatus::NothingFound, notFound);
}

SearchResult Poisk_podstroki_angliyskogo_slova(Globalnye_peremennye_slovarya& g,
                                               const QString& text) {
    return reportFailuresAs("Поиск_подстроки_английского_слова", [&] {
        if (text.isEmpty())
            return message(SearchStatus::EmptyText, kEnglishTexts.empty);
        return findNextContaining(g.Nomer_naydennoy_stroki, g.Rezhim_zabytye, ShownRows::read(g),
                                  ShownText::Text, text, kEnglishTexts);
    });
}

SearchResult Poisk_podstroki_perevoda(Globalnye_peremennye_slovarya& g, const QString& text,
                                      bool translationShown) {
    return reportFailuresAs("Поиск_подстроки_перевода", [&] {
        if (!translationShown)
            return message(
                SearchStatus::TranslationHidden,
                QStringLiteral("Для поиска подстроки, режим показа перевода должен быть включен. "
                               "Сделайте это с помощью клавиши <Пробел>."));
        if (text.isEmpty())
            return message(SearchStatus::EmptyText, kTranslationTexts.empty);
        return findNextContaining(g.Nomer_naydennoy_stroki, g.Rezhim_zabytye, ShownRows::read(g),
                                  ShownText::Translation, text, kTranslationTexts);
    });
}

SearchResult Poisk_angliyskogo_slova(Globalnye_peremennye_slovarya& g, const QString& word) {
    return reportFailuresAs("Поиск_английского_слова", [&] {
        return findEqualText(
            ShownRows::read(g), word,
            g.Rezhim_zabytye
                ? QStringLiteral(
                      "В режиме просмотра словаря «Забытые» английское слово не найдено...")
                : QStringLiteral("Английское слово не найдено..."));
    });
}

GoToResult goToNumberIn(const ShownRows& shown, int32_t count, bool forgottenView,
                        int32_t forgottenCount, const QString& typed, const GoToTexts& texts) {
    if (typed.isEmpty())
        return {GoToStatus::EmptyField, 0,
                QStringLiteral("Значение номера для перехода не может быть пустым...")};
    // The field takes digits only; anything else counts as an impossible number.
    bool ok = false;
    const qlonglong n = typed.toLongLong(&ok);
    if (!ok || n <= 0 || n > count)
        return {GoToStatus::OutOfLimits, 0, texts.outOfLimits.arg(count)};
    if (forgottenView && forgottenCount == 0)
        return {GoToStatus::NoForgotten, 0, texts.noForgotten};
    const int32_t row = shown.rowOf(static_cast<int32_t>(n));
    if (row == 0)
        return {GoToStatus::NotInView, 0, texts.notInView.arg(typed)};
    return {GoToStatus::Found, row, {}};
}

GoToResult goToNumber(const Globalnye_peremennye_slovarya& g, const QString& typed) {
    static const GoToTexts texts{
        QStringLiteral("Значение номера для перехода не может быть нулем или больше чем "
                       "количество записей в словаре  = %1."),
        QStringLiteral("Забытые слова еще не сформированы."),
        QStringLiteral("Включен фильтр. Поэтому искомый номер слова = %1 в видимой "
                       "части словаря отсутствует."),
    };
    // The rows are read only when the number is one to look for.
    bool ok = false;
    const qlonglong n = typed.toLongLong(&ok);
    const bool look = ok && n > 0 && n <= g.Kolichestvo_zapisey &&
                      !(g.Rezhim_zabytye && g.Kolichestvo_zabytykh_slov == 0);
    return goToNumberIn(look ? ShownRows::read(g) : ShownRows(), g.Kolichestvo_zapisey,
                        g.Rezhim_zabytye, g.Kolichestvo_zabytykh_slov, typed, texts);
}

JumpResult randomJump(Globalnye_peremennye_slovarya& g, int32_t shownRow) {
    if (g.Kolichestvo_zapisey < 2)
        return {JumpStatus::Refused, 0,
                QStringLiteral("В словаре количество записей меньше двух ...")};
    if (g.Rezhim_zabytye && !QFileInfo::exists(g.puti.statForget))
        return {JumpStatus::Refused, 0, QStringLiteral("Забытые слова еще не сформированы ...")};

    return drawJumpRow(g.random, ShownRows::read(g), g.Rezhim_zabytye, g.Nachalo_diapazona,
                       g.Razmer_diapazona, shownRow);
}

JumpResult drawJumpRow(RandomGenerator& random, const ShownRows& shown, bool forgottenView,
                       int32_t rangeStart, int32_t rangeSize, int32_t shownRow) {
    const int32_t count = shown.rows();
    // The rows a draw can produce: all forgotten rows, or the rows of the range's records.
    const int32_t drawCount = forgottenView ? count : rangeSize;
    auto drawnRow = [&](int32_t d) { return forgottenView ? 1 + d : count - rangeStart - d + 1; };
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

    random.reseedFromClock();
    for (;;) {
        const int32_t r = drawnRow(random.draw(drawCount));
        if (acceptable(r))
            return {JumpStatus::Jumped, r, {}};
    }
}

} // namespace telvo
