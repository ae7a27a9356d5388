// A data folder made from the input (dictionary, forgotten marks, the five histories, the
// range file, each present or not and of any length), taken through the start-up data steps,
// the status-bar remainders, every exercise table and every history save. Nothing may be
// sized by the stored numbers: the range lies inside the dictionary, each table has one
// element per range record holding that record, and each saved history has the range's size.

#include "app/core/Failure.h"
#include "exercises/logic/HistorySaves.h"
#include "exercises/logic/Remainders.h"
#include "exercises/logic/Tables.h"
#include "fuzz/FuzzSupport.h"
#include "store/Binary.h"
#include "store/DataFolder.h"
#include "store/Histories.h"
#include "store/Range.h"
#include "store/RecordTableModel.h"
#include "store/Records.h"

#include <QDir>
#include <QFileInfo>
#include <fuzzer/FuzzedDataProvider.h>

using namespace telvo;

namespace {

struct Reported {
    QString text;
};

QString dataFolder() {
    return fuzz::scratchFolder() + QStringLiteral("/data/Telvo_Lab/Telvo_Vocabulary_02");
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

template <class E, class Text>
void checkRangeTable(const std::vector<E>& table, const Globalnye_peremennye_slovarya& g,
                     const QByteArray& dictionary, const QByteArray& history, bool E::*done,
                     Text text) {
    FUZZ_CHECK(table.size() == size_t(g.Razmer_diapazona));
    for (size_t i = 0; i < table.size(); ++i) {
        const qsizetype at =
            (qsizetype(g.Nachalo_diapazona) - 1 + qsizetype(i)) * DictRecord::kSize;
        FUZZ_CHECK(at + DictRecord::kSize <= dictionary.size());
        const DictRecord r = DictRecord::decode(dictionary.constData() + at);
        FUZZ_CHECK(text(table[i]) == r.Angliyskoe_slovo);
        FUZZ_CHECK(table[i].Zapreshcheno_k_pokazu == r.Zapreshcheno_k_pokazu);
        const bool stored = qsizetype(i) < history.size() && history[qsizetype(i)] != 0;
        FUZZ_CHECK(table[i].*done == stored);
    }
}

void checkRemainder(const QString& text, const Globalnye_peremennye_slovarya& g) {
    if (text.isEmpty())
        return;
    const qsizetype eq = text.lastIndexOf(QLatin1Char('='));
    FUZZ_CHECK(eq > 0);
    bool ok = false;
    const int n = text.mid(eq + 1).trimmed().toInt(&ok);
    FUZZ_CHECK(ok && n >= 0 && n <= g.Razmer_diapazona);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("XDG_DATA_HOME", QFile::encodeName(fuzz::scratchFolder() + QStringLiteral("/data")));
    setProgramTerminator([](const QString& text) { throw Reported{text}; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const uint8_t present = in.ConsumeIntegral<uint8_t>();
    const bool forgottenMode = in.ConsumeBool();
    auto bytes = [&in](size_t most) {
        const std::string s = in.ConsumeBytesAsString(in.ConsumeIntegralInRange<size_t>(0, most));
        return QByteArray(s.data(), qsizetype(s.size()));
    };
    const QByteArray range = bytes(20);
    const QByteArray forgotten = bytes(48);
    QByteArray historyBytes[kHistoryCount];
    for (QByteArray& h : historyBytes)
        h = bytes(48);
    const QByteArray dictionary = bytes(size_t(DictRecord::kSize) * 24 + 100);

    const QString folder = dataFolder();
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    Globalnye_peremennye_slovarya g;
    g.puti = makeDataPaths(fuzz::scratchFolder() + QStringLiteral("/data"));
    fuzz::writeBytes(g.puti.vocabulary, dictionary);
    if (present & 1)
        fuzz::writeBytes(g.puti.upragneniy, range);
    if (present & 2)
        fuzz::writeBytes(g.puti.statForget, forgotten);
    for (int i = 0; i < kHistoryCount; ++i)
        if (present & (4 << i))
            fuzz::writeBytes(g.puti.*histories()[size_t(i)].path, historyBytes[i]);

    try {
        Proverka_nalichiya_bazy_slov(g);
        Otobrazhenie_kolichestva_zapisey(g);
        Prochitat_diapazon(g);
        g.Rezhim_zabytye = forgottenMode;

        const int32_t count = int32_t(dictionary.size() / DictRecord::kSize);
        FUZZ_CHECK(g.Kolichestvo_zapisey == count);
        if (g.Vse_slova_slovarya) {
            FUZZ_CHECK(g.Nachalo_diapazona == 1 && g.Konets_diapazona == count);
        } else {
            FUZZ_CHECK(1 <= g.Nachalo_diapazona && g.Nachalo_diapazona <= g.Konets_diapazona);
            FUZZ_CHECK(g.Konets_diapazona <= count);
        }
        FUZZ_CHECK(g.Razmer_diapazona == rangeSize(g.Nachalo_diapazona, g.Konets_diapazona));
        // What the start left on disk is a whole range record.
        FUZZ_CHECK(fileBytes(g.puti.upragneniy).size() >= RangeRecord::kSize);

        checkRemainder(Pervonachalnyy_ostatok_nepredyavlennykh_angliyskikh_slov(g), g);
        checkRemainder(Pervonachalnyy_ostatok_nepredyavlennykh_russkikh_slov(g), g);
        checkRemainder(Pervonachalnyy_ostatok_nepredyavlennykh_perevodov_s_angliyskogo(g), g);
        checkRemainder(Pervonachalnyy_ostatok_nepredyavlennykh_perevodov_s_russkogo(g), g);
        checkRemainder(Pervonachalnyy_ostatok_nesopostavlennykh_par(g), g);

        const QByteArray dict = fileBytes(g.puti.vocabulary);
        auto history = [&g](History h) { return fileBytes(historyPath(g.puti, h)); };
        buildEnglishTable(g);
        buildRussianTable(g);
        buildTranslationFromRussianTables(g);
        buildTranslationFromEnglishTables(g);
        buildPairTable(g);
        buildFindTranslationTable(g);
        const ExerciseTables& t = g.exerciseTables;
        auto english = [](const auto& e) { return e.Angliyskoe_slovo; };
        checkRangeTable(t.Dinamicheskiy_massiv_angliyskikh_slov, g, dict, history(History::Eng),
                        &tip_Zapis_dinamicheskogo_massiva_angliyskikh_slov::
                            Uzhe_bylo_predyavleno_dlya_opoznaniya,
                        english);
        checkRangeTable(
            t.Dinamicheskiy_massiv_russkikh_slov, g, dict, history(History::Rus),
            &tip_Zapis_dinamicheskogo_massiva_russkikh_slov::Uzhe_bylo_predyavleno_dlya_opoznaniya,
            english);
        checkRangeTable(t.Dinamicheskiy_massiv_perevodov_s_angliyskogo, g, dict,
                        history(History::PerEng),
                        &tip_Zapis_dinamicheskogo_massiva_perevodov_s_angliyskogo::
                            Uzhe_bylo_predyavleno_dlya_opoznaniya,
                        english);
        checkRangeTable(t.Dinamicheskiy_massiv_perevodov_s_russkogo, g, dict,
                        history(History::PerRus),
                        &tip_Zapis_dinamicheskogo_massiva_perevodov_s_russkogo::
                            Uzhe_bylo_predyavleno_dlya_opoznaniya,
                        english);
        checkRangeTable(
            t.Dinamicheskiy_massiv_sopostavlyaemykh_par, g, dict, history(History::Pair),
            &tip_Zapis_dinamicheskogo_massiva_sopostavlyaemykh_par::Uzhe_sopostavleno, english);
        FUZZ_CHECK(t.Dinamicheskiy_massiv_dlya_okna_nayti_perevod.size() == size_t(count));
        FUZZ_CHECK(t.Dinamicheskiy_massiv_dlya_vybora_perevodov_s_russkogo.size() == size_t(count));
        FUZZ_CHECK(t.Dinamicheskiy_massiv_dlya_vybora_perevodov_s_angliyskogo.size() ==
                   size_t(count));

        Sokhranenie_statistiki_angliyskikh_slov(g);
        Sokhranenie_statistiki_russkikh_slov(g);
        Sokhranenie_statistiki_perevodov_s_angliyskogo(g);
        Sokhranenie_statistiki_perevodov_s_russkogo(g);
        Sokhranenie_statistiki_sopostavlennykh_par(g);
        for (const HistoryInfo& h : histories())
            FUZZ_CHECK(fileBytes(g.puti.*h.path).size() == g.Razmer_diapazona);
    } catch (const Reported& r) {
        // Regular files of any content are never a failure.
        std::fprintf(stderr, "reported: %s\n", qPrintable(r.text));
        std::abort();
    }
    return 0;
}
