#include "sound/logic/PlayerList.h"

#include "app/core/Failure.h"
#include "store/Binary.h"
#include "store/RecordFile.h"
#include "store/Records.h"
#include "store/TextRules.h"

#include <vector>

namespace telvo {

namespace {

QStringList groupWords(const Globalnye_peremennye_slovarya& g) {
    QStringList list;
    const int32_t index = g.Indeks_vybrannoy_gruppy;
    if (index < 0 || index >= g.Kolichestvo_grupp())
        return list;
    for (const auto& row :
         g.Gruppy_slov[size_t(index)].Zapis_sostoyashchuyu_iz_slov_vkhodyashchikh_v_gruppu) {
        const QString word = Udalenie_lishnikh_probelov(row.Angliyskoe_gruppovoe_slovo).trimmed();
        if (!word.isEmpty())
            list << word.left(DictRecord::kEnglishMax);
    }
    return list;
}

QStringList rangeWords(const Globalnye_peremennye_slovarya& g) {
    QStringList list;
    const int32_t first = g.Nachalo_diapazona - 1;
    const int32_t size = g.Razmer_diapazona;
    if (first < 0 || size <= 0)
        return list;
    const RecordFile dictionary(g.puti.vocabulary, DictRecord::kSize);
    // The range was checked against the file when it was read; a file that has since become
    // shorter is a failure, not a shorter list.
    const QByteArray records = dictionary.read(first, size);
    QByteArray forgotten;
    if (g.Rezhim_zabytye)
        forgotten = RecordFile(g.puti.statForget, 1).read(first, size);
    list.reserve(size);
    for (int32_t i = 0; i < size; ++i) {
        const char* bytes = records.constData() + qsizetype(i) * DictRecord::kSize;
        if (bytes[DictRecord::kExcludedOffset] != 0)
            continue;
        if (g.Rezhim_zabytye && forgotten[i] == 0)
            continue;
        // Only the English word is needed: the other fields are not decoded.
        list << getShortString(bytes + DictRecord::kEnglishOffset, DictRecord::kEnglishMax);
    }
    return list;
}

} // namespace

QStringList Sformirovat_dinamicheskiy_massiv_angliyskikh_slov_dlya_proslushivaniya(
    const Globalnye_peremennye_slovarya& g) {
    return reportFailuresAs(
        "Сформировать_динамический_массив_английских_слов_для_прослушивания",
        [&] { return g.Proigryvatel_iz_grupp ? groupWords(g) : rangeWords(g); });
}

void shuffleListeningList(QStringList& list, RandomGenerator& random) {
    const auto n = static_cast<int32_t>(list.size());
    if (n < 2)
        return;
    // Each round walks the positions in order; a free one is swapped with another free one,
    // uniformly chosen, and both are used for the rest of the round. The free positions are
    // kept in a dense table, so a choice is one draw rather than drawing until a free
    // position comes up (which at 100 000 words took six times as long).
    std::vector<int32_t> freePositions(static_cast<size_t>(n));
    std::vector<int32_t> where(static_cast<size_t>(n));
    auto take = [&](int32_t position, int32_t& count) {
        const int32_t at = where[size_t(position)];
        const int32_t last = freePositions[size_t(count - 1)];
        freePositions[size_t(at)] = last;
        where[size_t(last)] = at;
        where[size_t(position)] = -1;
        --count;
    };
    for (int round = 0; round < 33; ++round) {
        for (int32_t i = 0; i < n; ++i) {
            freePositions[size_t(i)] = i;
            where[size_t(i)] = i;
        }
        int32_t count = n;
        for (int32_t j = 0; j < n && count >= 2; ++j) {
            if (where[size_t(j)] < 0)
                continue;
            take(j, count);
            const int32_t k = freePositions[size_t(random.draw(count))];
            take(k, count);
            list.swapItemsAt(j, k);
        }
    }
}

void Peremeshat_spisok_proslushivaniya(QStringList& list, RandomGenerator& random) {
    random.reseedFromClock();
    shuffleListeningList(list, random);
}

} // namespace telvo
