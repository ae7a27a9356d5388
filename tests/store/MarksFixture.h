#pragma once

#include "app/core/Globals.h"
#include "store/Binary.h"
#include "store/Records.h"
#include "tests/support/TestSupport.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace telvo::test {

struct Word {
    QString english;
    QString translation = QStringLiteral("перевод");
    QDate added = QDate(2021, 3, 5);
    bool excluded = false;
    bool marked = false;
};

// A data folder of its own with a dictionary written record by record.
class MarksFixture : protected DataFolderState {
protected:
    // Laid out by hand, so the expected files do not depend on the program's encoder.
    static QByteArray encode(const Word& w) {
        return dictRecordLiteral(w.english, u"тр", w.translation, daysSince18991230(w.added),
                                 w.excluded, w.marked);
    }

    // Writes the dictionary (record 1 first) and sets the counters a table load would set.
    void writeDictionary(const std::vector<Word>& words) {
        QByteArray all;
        for (const Word& w : words)
            all += encode(w);
        writeFile(g.puti.vocabulary, all);
        g.Kolichestvo_zapisey = static_cast<int32_t>(words.size());
        g.Vse_slova_slovarya = true;
        g.Nachalo_diapazona = 1;
        g.Konets_diapazona = g.Kolichestvo_zapisey;
        g.Razmer_diapazona = g.Kolichestvo_zapisey;
    }

    // `count` words "w1".."wN", with the given record numbers excluded.
    void writeNumbered(int count, std::vector<int> excluded = {}) {
        std::vector<Word> words;
        for (int n = 1; n <= count; ++n) {
            Word w{QStringLiteral("w%1").arg(n)};
            w.excluded = std::find(excluded.begin(), excluded.end(), n) != excluded.end();
            words.push_back(w);
        }
        writeDictionary(words);
    }

    void setRange(int first, int last) {
        g.Vse_slova_slovarya = false;
        g.Nachalo_diapazona = first;
        g.Konets_diapazona = last;
        g.Razmer_diapazona = last - first + 1;
    }

    // The forgotten file, or nullopt when it does not exist.
    std::optional<QByteArray> forgotten() const {
        if (!QFile::exists(g.puti.statForget))
            return std::nullopt;
        return readFile(g.puti.statForget);
    }

    static std::string show(const std::optional<QByteArray>& file) {
        return file ? hex(*file) : std::string("absent");
    }
};

} // namespace telvo::test
