#include "store/Histories.h"

#include "app/core/Failure.h"
#include "store/ByteFile.h"
#include "store/Range.h"
#include "store/RecordFile.h"
#include "store/Transaction.h"

#include <QFileInfo>
#include <exception>

namespace telvo {

using G = Globalnye_peremennye_slovarya;

const std::array<HistoryInfo, kHistoryCount>& histories() {
    static const std::array<HistoryInfo, kHistoryCount> table{{
        {History::Eng, &DataPaths::statEng, &DataPaths::statEngNew, &G::Obnovit_angliyskie_slova,
         "  Остаток английских = "},
        {History::Rus, &DataPaths::statRus, &DataPaths::statRusNew, &G::Obnovit_russkie_slova,
         "  Остаток русских = "},
        {History::PerEng, &DataPaths::statPerEng, &DataPaths::statPerEngNew,
         &G::Obnovit_perevody_s_angliyskogo, "  С английского = "},
        {History::PerRus, &DataPaths::statPerRus, &DataPaths::statPerRusNew,
         &G::Obnovit_perevody_s_russkogo, "  С русского = "},
        {History::Pair, &DataPaths::statPair, &DataPaths::statPairNew, &G::Obnovit_pary,
         "  Несопоставленных пар = "},
    }};
    return table;
}

const HistoryInfo& historyInfo(History h) {
    return histories()[static_cast<int>(h)];
}

const QString& historyPath(const DataPaths& paths, History h) {
    return paths.*historyInfo(h).path;
}

bool historyExists(const DataPaths& paths, History h) {
    return QFileInfo::exists(historyPath(paths, h));
}

QByteArray readHistory(const G& g, History h) {
    if (!historyExists(g.puti, h))
        return {};
    return readAlignedBytes(historyPath(g.puti, h), g.Razmer_diapazona);
}

void Obnulenie_statistiki(G& g, bool all, const HistorySelection& selection) {
    reportFailuresAs("Обнуление_статистики", [&] {
        // Every selected history is reset and flagged even when an earlier one fails; the
        // first failure is reported afterwards.
        std::exception_ptr failure;
        for (int i = 0; i < kHistoryCount; ++i) {
            if (!all && !selection[i])
                continue;
            const HistoryInfo& info = histories()[i];
            g.*info.rebuild = true;
            try {
                RecordFile(g.puti.*info.path, 1).erase();
            } catch (const Failure&) {
                if (!failure)
                    failure = std::current_exception();
            }
        }
        if (failure)
            std::rethrow_exception(failure);
    });
}

void Obnulenie_statistiki(G& g, History h) {
    HistorySelection selection{};
    selection[static_cast<int>(h)] = true;
    Obnulenie_statistiki(g, false, selection);
}

namespace {

template <class Edit> void forEachExistingHistory(const G& g, Edit edit) {
    for (const HistoryInfo& info : histories()) {
        const QString& path = g.puti.*info.path;
        if (QFileInfo::exists(path))
            edit(path);
    }
}

} // namespace

void appendZeroToHistories(Transaction& t, const G& g, int32_t oldSize, int32_t count) {
    forEachExistingHistory(g,
                           [&](const QString& path) { appendZeroByte(t, path, oldSize, count); });
}

void insertZeroIntoHistories(Transaction& t, const G& g, int32_t p, int32_t oldSize) {
    forEachExistingHistory(g, [&](const QString& path) { insertZeroByte(t, path, p, oldSize); });
}

void removeFromHistories(Transaction& t, const G& g, int32_t index, int32_t oldSize) {
    forEachExistingHistory(g, [&](const QString& path) { removeByte(t, path, index, oldSize); });
}

void removeAllHistories(Transaction& t, const G& g) {
    for (const HistoryInfo& info : histories())
        t.remove(g.puti.*info.path);
}

bool setHistoryByteOfRecord(Transaction& t, const G& g, History h, int32_t recordNumber,
                            bool value) {
    if (recordNumber < g.Nachalo_diapazona || recordNumber > g.Konets_diapazona ||
        !historyExists(g.puti, h))
        return false;
    setByte(t, historyPath(g.puti, h), recordNumber - g.Nachalo_diapazona, value ? 1 : 0);
    return true;
}

void saveRangeAndResetHistories(G& g, const RangeRecord& range) {
    setRange(g, range);
    for (const HistoryInfo& info : histories())
        g.*info.rebuild = true;
    const char* name = "Записать_измененный_диапазон";
    reportFailuresAs(name, [&] {
        Transaction change(g.puti.folder, QString::fromUtf8(name));
        const bool rangeWritten = stageRangeWrite(change, g, range);
        removeAllHistories(change, g);
        change.commit();
        if (!rangeWritten)
            sayRangeFileMissing();
    });
}

} // namespace telvo
