#include "sound/logic/TranscriptionSigns.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace telvo;

namespace {

TEST(TranscriptionSigns, TableRowsAsTheReferenceShowsThem) {
    struct Case {
        int index;
        const char* sign;
        QStringList lines;
        const char* file;
    };
    const Case cases[] = {
        {0, "[ɑː]", {"[ɑː]", "arm", "art", "dark", "farm", "hard"}, "Долгий_а.wav"},
        {8,
         "[ə]",
         {"[ə]", "eraser", "folder", "ruler", "algebra", "September"},
         "Безударный_э.wav"},
        {13, "[eɪ]", {"[eɪ]", "cabel", "cake", "Jane", "fame", "bake"}, "Обычный_эй.wav"},
        {19, "[ɡ]", {"[ɡ]", "dog", "frog", "gag", "get", "glad"}, "Согласный_г.wav"},
        {38, "[w]", {"[w]", "ware", "we", "west", "wet", "wig"}, "Согласный_у.wav"},
        {40, "[j]", {"[j]", "yet", "yellow", "youth", "muse", "use"}, "Согласный_и.wav"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(transcriptionSignText(c.index), QString::fromUtf8(c.sign));
        EXPECT_EQ(transcriptionSignLines(c.index), c.lines);
        EXPECT_EQ(transcriptionSignFile(QStringLiteral("/p"), c.index),
                  QStringLiteral("/p/znaki_trans/") + QString::fromUtf8(c.file));
    }
    for (int outside : {-1, 41, 1000}) {
        EXPECT_TRUE(transcriptionSignText(outside).isEmpty());
        EXPECT_TRUE(transcriptionSignLines(outside).isEmpty());
        EXPECT_TRUE(transcriptionSignFile(QStringLiteral("/p"), outside).isEmpty());
    }
}

TEST(TranscriptionSigns, SignsAndRecordingNamesAreDistinct) {
    QSet<QString> signs, names;
    for (const TranscriptionSign& s : transcriptionSigns()) {
        signs << QString::fromUtf8(s.sign);
        names << QString::fromUtf8(s.soundName);
        for (const char* w : s.words)
            EXPECT_FALSE(QString::fromUtf8(w).isEmpty()) << s.sign;
    }
    EXPECT_EQ(signs.size(), kTranscriptionSignCount);
    EXPECT_EQ(names.size(), kTranscriptionSignCount);
}

} // namespace
