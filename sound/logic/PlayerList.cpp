#include "sound/logic/PlayerList.h"

#include "app/core/Failure.h"
#include "store/Binary.h"
#include "store/RecordFile.h"
#include "store/Records.h"
#include "store/TextRules.h"

#include <numeric>
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
    //
    // The rounds move word numbers, not the words: an array of 32-bit numbers is a sixth of the
    // list's size and stays in the cache, and the words are moved once at the end.
    std::vector<int32_t> order(static_cast<size_t>(n));
    std::vector<int32_t> freePositions(static_cast<size_t>(n));
    std::vector<int32_t> where(static_cast<size_t>(n)); // index in freePositions; -1 when used
    std::iota(order.begin(), order.end(), 0);
    int32_t* const fp = freePositions.data();
    int32_t* const at = where.data();
    int32_t* const word = order.data();
    // The draws of a round do not depend on the table: the number of free positions after j
    // leaves is n - 1 - 2s at the s-th swap. Drawn ahead, they tell which entries of the table
    // the coming swaps read, and those are fetched early.
    const int32_t swaps = n / 2;
    std::vector<int32_t> draws(static_cast<size_t>(swaps));
    uint32_t seed = random.seed;
    for (int round = 0; round < 33; ++round) {
        for (int32_t s = 0; s < swaps; ++s) {
            // The program's generator, drawn here without a call: 1.6 million draws at 100 000
            // words.
            seed = seed * 134775813u + 1u;
            draws[size_t(s)] = static_cast<int32_t>(
                (static_cast<uint64_t>(seed) * static_cast<uint32_t>(n - 1 - 2 * s)) >> 32);
        }
        std::iota(freePositions.begin(), freePositions.end(), 0);
        std::iota(where.begin(), where.end(), 0);
        int32_t count = n;
        int32_t s = 0;
        for (int32_t j = 0; j < n && count >= 2; ++j) {
            const int32_t atJ = at[j];
            if (atJ < 0)
                continue;
            // A drawn entry mostly still holds its own position, so the word and the table
            // entry of that position are the ones the swap will touch too.
            constexpr int32_t kAhead = 16;
            if (s + kAhead < swaps) {
                const int32_t ahead = draws[size_t(s + kAhead)];
                __builtin_prefetch(fp + ahead);
                __builtin_prefetch(at + ahead);
                __builtin_prefetch(word + ahead);
            }
            // j leaves the table; the walk never comes back to it, so its own entry in `where`
            // need not be cleared.
            int32_t last = fp[--count];
            fp[atJ] = last;
            at[last] = atJ;
            const int32_t d = draws[size_t(s++)];
            const int32_t k = fp[d];
            last = fp[--count];
            fp[d] = last;
            at[last] = d;
            at[k] = -1;
            std::swap(word[j], word[k]);
        }
    }
    random.seed = seed;
    QStringList shuffled;
    shuffled.reserve(n);
    QString* words = list.data();
    for (int32_t p = 0; p < n; ++p)
        shuffled.append(std::move(words[word[p]]));
    list = std::move(shuffled);
}

void Peremeshat_spisok_proslushivaniya(QStringList& list, RandomGenerator& random) {
    random.reseedFromClock();
    shuffleListeningList(list, random);
}

} // namespace telvo
