#pragma once

#include "app/core/Globals.h"
#include "tests/support/TestSupport.h"

#include <QDate>
#include <QString>
#include <gtest/gtest.h>
#include <vector>

namespace telvo::test {

struct Idiom {
    QString text;
    QString translation = QStringLiteral("перевод");
    QDate added = QDate(2021, 3, 5);
    bool excluded = false;
    bool forgotten = false;
    bool marked = false;
};

// A 152-byte idiom record laid out by hand: excluded at 0, idiom text at 1 (66), translation
// at 68 (65), forgotten at 134, padding at 135, the date at 136, marked at 144, padding to 152.
inline QByteArray idiomLiteral(const Idiom& i) {
    QByteArray r;
    r += char(i.excluded ? 1 : 0);
    r += shortStringLiteral(i.text, 66);
    r += shortStringLiteral(i.translation, 65);
    r += char(i.forgotten ? 1 : 0);
    r += char(0);
    const double days = daysSince18991230(i.added);
    r += QByteArray(reinterpret_cast<const char*>(&days), 8); // the test machine is little-endian
    r += char(i.marked ? 1 : 0);
    r += QByteArray(7, '\0');
    return r;
}

class IdiomFixture : public ::testing::Test, protected DataFolderState {
protected:
    // Writes the idiom file (idiom 1 first) and the counters a table load would set; the range
    // is the whole dictionary and its file holds it.
    void writeIdioms(const std::vector<Idiom>& idioms) {
        QByteArray all;
        for (const Idiom& i : idioms)
            all += idiomLiteral(i);
        writeFile(g.puti.idiom, all);
        g.Kolichestvo_idiom = static_cast<int32_t>(idioms.size());
        g.Vse_idiomy_slovarya = true;
        g.Nachalo_diapazona_idiom = 1;
        g.Konets_diapazona_idiom = g.Kolichestvo_idiom;
        g.Do_kontsa_idiom = false;
        writeFile(g.puti.idiomUpragneniy, rangeRecordLiteral(true, 1, g.Kolichestvo_idiom, false));
    }

    // `count` idioms "i1".."iN".
    std::vector<Idiom> numbered(int count) {
        std::vector<Idiom> v;
        for (int n = 1; n <= count; ++n)
            v.push_back({QStringLiteral("i%1").arg(n)});
        return v;
    }

    void setRange(bool whole, int first, int last, bool toEnd) {
        g.Vse_idiomy_slovarya = whole;
        g.Nachalo_diapazona_idiom = first;
        g.Konets_diapazona_idiom = last;
        g.Do_kontsa_idiom = toEnd;
        writeFile(g.puti.idiomUpragneniy, rangeRecordLiteral(whole, first, last, toEnd));
    }

    QByteArray file() const { return readFile(g.puti.idiom); }
    QByteArray rangeFile() const { return readFile(g.puti.idiomUpragneniy); }
    // The forgotten byte of every idiom, idiom 1 first.
    std::vector<int> forgottenBytes() const {
        const QByteArray f = file();
        std::vector<int> out;
        for (qsizetype at = 0; at + 152 <= f.size(); at += 152)
            out.push_back(f[at + 134]);
        return out;
    }
};

} // namespace telvo::test
