#pragma once

#include "app/core/Globals.h"
#include "store/Records.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <gtest/gtest.h>
#include <vector>

namespace telvo::test {

struct Word {
    QString english;
    QString translation;
    bool excluded = false;
    QString transcription = {};
};

// A data folder of its own with a dictionary written record by record, and shared state that
// points at it.
class ExerciseFixture : public ::testing::Test, protected DataFolderState {
protected:
    // Records e1..en with translations t1..tn.
    static std::vector<Word> words(int n, const QString& english = QStringLiteral("e"),
                                   const QString& translation = QStringLiteral("t")) {
        std::vector<Word> out;
        for (int i = 1; i <= n; ++i)
            out.push_back({english + QString::number(i), translation + QString::number(i)});
        return out;
    }

    // Writes the dictionary, sets the counters and rebuild flags as the main window would and
    // makes the range the whole dictionary.
    void writeDictionary(const std::vector<Word>& list) {
        QByteArray all;
        int32_t allowed = 0;
        for (const Word& w : list) {
            all += dictRecordLiteral(w.english, w.transcription, w.translation, 44000, w.excluded);
            allowed += w.excluded ? 0 : 1;
        }
        writeFile(g.puti.vocabulary, all);
        g.Kolichestvo_zapisey = int32_t(list.size());
        g.Kolichestvo_razreshennykh_k_pokazu = allowed;
        setRange(1, int32_t(list.size()), true);
        // As after every change of the dictionary.
        Sostoyanie_dinamicheskikh_massivov(g);
    }

    void setRange(int32_t start, int32_t end, bool whole = false) {
        g.Vse_slova_slovarya = whole;
        g.Nachalo_diapazona = start;
        g.Konets_diapazona = end;
        g.Razmer_diapazona = end - start + 1;
    }

    static int ones(const QByteArray& b) {
        int n = 0;
        for (char c : b)
            n += c != 0 ? 1 : 0;
        return n;
    }

    // Bytes of a given length with ones at the listed positions.
    static QByteArray withOnes(int size, std::initializer_list<int> at) {
        QByteArray b(size, '\0');
        for (int i : at)
            b[i] = 1;
        return b;
    }
};

// A reseed that hands out the given seeds in turn, as a clock would.
struct SeedSequence {
    std::vector<uint32_t> seeds;
    size_t next = 0;
    void operator()(RandomGenerator& r) {
        r.seed = seeds.at(next < seeds.size() ? next++ : seeds.size() - 1);
    }
};

} // namespace telvo::test
