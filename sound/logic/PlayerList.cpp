#include "sound/logic/PlayerList.h"

#include "app/core/Failure.h"
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
        list << DictRecord::decode(bytes).Angliyskoe_slovo;
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
    std::vector<char> used(static_cast<size_t>(n));
    for (int round = 0; round < 33; ++round) {
        std::fill(used.begin(), used.end(), 0);
        int32_t freeCount = n;
        for (int32_t j = 0; j < n; ++j) {
            if (used[size_t(j)] || freeCount < 2)
                continue;
            int32_t k;
            do
                k = random.draw(n);
            while (used[size_t(k)] || k == j);
            used[size_t(j)] = used[size_t(k)] = 1;
            freeCount -= 2;
            list.swapItemsAt(j, k);
        }
    }
}

void Peremeshat_spisok_proslushivaniya(QStringList& list, RandomGenerator& random) {
    random.reseedFromClock();
    shuffleListeningList(list, random);
}

} // namespace telvo
