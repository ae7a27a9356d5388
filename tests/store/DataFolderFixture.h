#pragma once

#include "app/core/Globals.h"
#include "app/core/SystemMessage.h"
#include "tests/support/TestSupport.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>
#include <string>

namespace telvo::test {

// Dates of the hand-made records as stored: 05.03.2021 and 06.03.2021 (44260 and 44261 days).
inline QByteArray day1() {
    return QByteArray::fromHex("00000000809ce540");
}
inline QByteArray day2() {
    return QByteArray::fromHex("00000000a09ce540");
}

// A 176-byte dictionary record written out by hand from its field offsets.
inline QByteArray rec(const QByteArray& english, const QByteArray& transcription,
                      const QByteArray& translation, const QByteArray& date, char excluded = 0,
                      char marked = 0) {
    QByteArray r(176, '\0');
    auto put = [&r](int offset, const QByteArray& text) {
        r[offset] = static_cast<char>(text.size());
        r.replace(offset + 1, text.size(), text);
    };
    put(0, english);
    put(46, transcription);
    put(97, translation);
    r.replace(160, 8, date);
    r[168] = excluded;
    r[169] = marked;
    return r;
}

// Record k of the prepared dictionaries: English "w<k>", added on day 1; record 2 excluded and
// record 3 marked, so flags that move with their records show up in the bytes.
inline QByteArray old(int k) {
    return rec(QByteArray("w") + QByteArray::number(k), "", "", day1(), k == 2 ? 1 : 0,
               k == 3 ? 1 : 0);
}

inline QByteArray records(int from, int to) {
    QByteArray out;
    for (int k = from; k <= to; ++k)
        out += old(k);
    return out;
}

// The new record the tests store: "new", "нью", "новое" on day 2, in Windows-1251.
inline QByteArray newRec() {
    return rec("new", "\xED\xFC\xFE", "\xED\xEE\xE2\xEE\xE5", day2());
}

// upragneniy.uprdat by hand; the unused bytes hold `filler` so that a rewrite shows.
inline QByteArray rangeBytes(bool whole, int start, int end, bool toEnd, char filler = 0) {
    QByteArray r(16, filler);
    r[0] = whole ? 1 : 0;
    for (int i = 0; i < 4; ++i) {
        r[4 + i] = static_cast<char>((start >> (8 * i)) & 0xFF);
        r[8 + i] = static_cast<char>((end >> (8 * i)) & 0xFF);
    }
    r[12] = toEnd ? 1 : 0;
    return r;
}

// A fresh data folder, the shared state pointing into it, and a recorder for the system
// message box.
class DataFolderTest : public ::testing::Test, protected DataFolderState {
protected:
    DataFolderTest() {
        oldSink_ = setSystemMessageSink([this](const QString& t) { systemMessages << t; });
    }
    ~DataFolderTest() override { setSystemMessageSink(oldSink_); }

    // A dictionary of `count` records and the matching range, in memory and on disk.
    void givenDictionary(int count, bool whole, int start, int end, bool toEnd) {
        writeFile(g.puti.vocabulary, records(1, count));
        writeFile(g.puti.upragneniy, rangeBytes(whole, start, end, toEnd));
        g.Kolichestvo_zapisey = count;
        g.Vse_slova_slovarya = whole;
        g.Nachalo_diapazona = start;
        g.Konets_diapazona = end;
        g.Do_kontsa = toEnd;
        g.Razmer_diapazona = end - start + 1;
    }

    QStringList systemMessages;

private:
    SystemMessageSink oldSink_;
};

} // namespace telvo::test
