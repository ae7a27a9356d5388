#include "tools/logic/RichText.h"

#include "tests/support/TestSupport.h"

#include <QFile>
#include <QRandomGenerator>

#include <gtest/gtest.h>
#include <ostream>

using namespace telvo;
using namespace telvo::rtf;

namespace telvo::rtf {
// Readable failures: the paragraphs with their runs and formats.
void PrintTo(const Document& d, std::ostream* os) {
    for (const Paragraph& p : d.paragraphs) {
        *os << "\n[" << int(p.alignment) << "]";
        for (const Run& r : p.runs)
            *os << " <" << (r.format.bold ? "b" : "") << (r.format.italic ? "i" : "")
                << (r.format.underline ? "u" : "") << " fs" << r.format.halfPoints << " f"
                << r.format.font << " cf" << r.format.colour << ">" << r.text.toStdString();
    }
    for (const Font& f : d.fonts)
        *os << "\nfont " << f.number << " " << f.charset << " " << f.name.toStdString();
    for (const Colour& c : d.colours)
        *os << "\ncolour " << c.red << " " << c.green << " " << c.blue
            << (c.automatic ? " auto" : "");
    *os << "\ndeff " << d.defaultFont << (d.plainText ? " plain" : "")
        << (d.unshownContent ? " unshown" : "");
}
} // namespace telvo::rtf

namespace {

QByteArray fixture(const char* name) {
    QFile file(QStringLiteral(TOOLS_FIXTURES "/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

CharFormat fmt(int halfPoints = 24, bool bold = false, bool italic = false, bool underline = false,
               int font = -1, int colour = 0) {
    return CharFormat{bold, italic, underline, halfPoints, font, colour};
}

Paragraph para(Alignment a, std::vector<Run> runs) {
    return Paragraph{a, std::move(runs)};
}

} // namespace

// What a Windows rich-text control writes: both font tables' charsets, the colour table,
// formats changed in the middle of a line, Cyrillic in \'xx, \u with its fallback, a surrogate
// pair, escaped braces and backslash, and the same byte read in a Western and a Cyrillic font.
TEST(RichTextRead, readsWhatTheWindowsControlWrites) {
    const Document d = read(fixture("richedit-examples.rtf"));
    const CharFormat latin = fmt(21, false, false, false, 1, 1);
    CharFormat bold = latin;
    bold.bold = true;
    CharFormat italic = latin;
    italic.italic = true;
    CharFormat red = fmt(21, false, false, true, 1, 2);
    const std::vector<Paragraph> expected = {
        para(Alignment::Left, {{u"I "_qs, latin},
                               {u"have"_qs, bold},
                               {u" a "_qs, latin},
                               {u"cat"_qs, italic},
                               {u"."_qs, latin}}),
        para(Alignment::Centre, {{u"Я имею кошку."_qs, fmt(21, false, false, false, 0, 1)}}),
        para(Alignment::Right, {{u"right"_qs, red}}),
        para(Alignment::Left,
             {{u"size 14 {braces} and \\backslash"_qs, fmt(28, false, false, false, 1, 1)}}),
        para(Alignment::Left, {{u"№😀 №"_qs, fmt(21, false, false, false, 0, 1)},
                               {u"é"_qs, fmt(21, false, false, false, 1, 1)}}),
    };
    EXPECT_EQ(d.paragraphs, expected);
    EXPECT_EQ(d.fonts, (std::vector<Font>{{0, u"Tahoma CYR"_qs, 204}, {1, u"Tahoma"_qs, 0}}));
    EXPECT_EQ(d.colours,
              (std::vector<Colour>{{0, 0, 0, true}, {0, 0, 0, false}, {255, 0, 0, false}}));
    EXPECT_FALSE(d.plainText);
    EXPECT_FALSE(d.unshownContent);
}

TEST(RichTextRead, emptyControlGivesAnEmptyDocument) {
    const Document d = read(fixture("richedit-empty.rtf"));
    ASSERT_EQ(d.paragraphs.size(), 1u);
    EXPECT_TRUE(d.empty());
    EXPECT_FALSE(d.unshownContent);
}

// A picture is not shown, but the file is not empty: the editor must not delete it.
TEST(RichTextRead, pictureIsSkippedAndMarkedUnshown) {
    const Document d = read(fixture("richedit-picture.rtf"));
    EXPECT_EQ(d.text(), u"see here"_qs);
    EXPECT_TRUE(d.unshownContent);
    EXPECT_FALSE(d.empty());
}

TEST(RichTextRead, controlWordsGroupsAndDestinations) {
    struct Case {
        const char* name;
        QByteArray rtf;
        QString text;
    };
    const Case cases[] = {
        {"\\uc2 skips two fallback characters", "{\\rtf1\\uc2\\u1071\\'df\\'df x}", u"Я x"_qs},
        {"\\uc0 skips none", "{\\rtf1\\uc0\\u1071 x}", u"Яx"_qs},
        {"a brace ends the fallback", "{\\rtf1{\\u1071}?}", u"Я?"_qs},
        {"\\uc is scoped to its group", "{\\rtf1{\\uc0\\u1071}\\u1071?x}", u"ЯЯx"_qs},
        {"ignorable destination", "{\\rtf1 a{\\*\\unknown hidden {nested}}b}", u"ab"_qs},
        {"unknown group keeps its text", "{\\rtf1 a{\\foo shown}b}", u"ashownb"_qs},
        {"stylesheet and info are not text",
         "{\\rtf1{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}x}", u"x"_qs},
        {"field result shown, instruction not",
         "{\\rtf1{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}}", u"link"_qs},
        {"tab, line and special characters",
         "{\\rtf1 a\\tab b\\line c\\~d\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote"
         "\\bullet}",
         u"a\tb"_qs + QChar(QChar::LineSeparator) + u"c"_qs + QChar(0xA0) + u"d—–‘’“”•"_qs},
        {"line breaks of the file are no text", "{\\rtf1 a\r\nb\nc}", u"abc"_qs},
        {"backslash-newline is a paragraph", "{\\rtf1 a\\\nb}", u"a\nb"_qs},
        {"text after the closing brace is not read", "{\\rtf1 a}junk", u"a"_qs},
        {"missing closing braces", "{\\rtf1 a{\\b b", u"ab"_qs},
        {"\\bin data is not read as text", "{\\rtf1 a\\bin4 }{}\\}", u"a"_qs},
        {"\\bin beyond the end", "{\\rtf1 a\\bin999 xyz", u"a"_qs},
        {"raw 8-bit bytes in the code page", "{\\rtf1\\ansi\\ansicpg1251 \xcf\xf0}", u"Пр"_qs},
        {"Western without \\ansicpg", "{\\rtf1\\ansi \\'e9}", u"é"_qs},
        {"one hex digit at the end", "{\\rtf1\\ansi x\\'4", u"x\x04"_qs},
        {"huge numbers are cut", "{\\rtf1\\fs99999999999999999\\u99999999999? x}",
         QString(QChar(char16_t(2147483647 % 65536))) + u" x"_qs},
        {"leading blanks and a byte-order mark", "\xEF\xBB\xBF \r\n{\\rtf1 ok}", u"ok"_qs},
        {"the last paragraph needs no \\par", "{\\rtf1 a\\par b}", u"a\nb"_qs},
        {"a final \\par adds no paragraph", "{\\rtf1 a\\par}", u"a"_qs},
        {"two marks: an empty last paragraph", "{\\rtf1 a\\par\\par}", u"a\n"_qs},
    };
    for (const Case& c : cases) {
        const Document d = read(c.rtf);
        EXPECT_EQ(d.text(), c.text) << c.name;
        EXPECT_FALSE(d.plainText) << c.name;
    }
}

TEST(RichTextRead, formatsFollowGroupsPlainAndPard) {
    const Document d = read("{\\rtf1 a{\\b b{\\i c}d}e\\par\\qc\\b\\ul x\\plain y\\par\\pard z\\par"
                            "\\qr{\\qc\\b0 w\\par}v}");
    const std::vector<Paragraph> expected = {
        para(Alignment::Left, {{u"a"_qs, fmt()},
                               {u"b"_qs, fmt(24, true)},
                               {u"c"_qs, fmt(24, true, true)},
                               {u"d"_qs, fmt(24, true)},
                               {u"e"_qs, fmt()}}),
        para(Alignment::Centre, {{u"x"_qs, fmt(24, true, false, true)}, {u"y"_qs, fmt()}}),
        para(Alignment::Left, {{u"z"_qs, fmt()}}),
        // The paragraph takes the alignment in force at its mark.
        para(Alignment::Centre, {{u"w"_qs, fmt()}}),
        para(Alignment::Right, {{u"v"_qs, fmt()}}),
    };
    EXPECT_EQ(d.paragraphs, expected);
}

TEST(RichTextRead, otherFilesAreReadAsPlainText) {
    struct Case {
        const char* name;
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {"UTF-8 lines", "Привет\r\nмир\n", u"Привет\nмир"_qs},
        {"Windows-1251 lines", "\xcf\xf0\xe8\xe2\xe5\xf2", u"Привет"_qs},
        {"control bytes are dropped", QByteArray("a\0b\x01\tc", 6), u"ab\tc"_qs},
        {"almost RTF", "{\\rt nope}", u"{\\rt nope}"_qs},
    };
    for (const Case& c : cases) {
        const Document d = read(c.bytes);
        EXPECT_TRUE(d.plainText) << c.name;
        EXPECT_EQ(d.text(), c.text) << c.name;
    }
    EXPECT_TRUE(read("").empty());
    EXPECT_TRUE(read("").paragraphs.empty());
}

// What is written reads back as the same document.
TEST(RichTextWrite, roundTrips) {
    const CharFormat body = fmt(21, false, false, false, 0);
    auto with = [&](auto change) {
        CharFormat f = body;
        change(f);
        return f;
    };
    const std::vector<Font> fonts = {{0, u"Tahoma"_qs, 204},
                                     {1, u"Times New Roman"_qs, 0},
                                     {2, u"Шрифт;\t{с} \\знаками"_qs, 204}};
    struct Case {
        const char* name;
        std::vector<Paragraph> paragraphs;
    };
    const Case cases[] = {
        {"bold and italic in a line",
         {para(Alignment::Left, {{u"a "_qs, body},
                                 {u"bold"_qs, with([](CharFormat& f) { f.bold = true; })},
                                 {u" "_qs, body},
                                 {u"both"_qs, with([](CharFormat& f) {
                                      f.bold = true;
                                      f.italic = true;
                                  })},
                                 {u"under"_qs, with([](CharFormat& f) { f.underline = true; })}})}},
        {"every alignment",
         {para(Alignment::Left, {{u"l"_qs, body}}), para(Alignment::Centre, {{u"c"_qs, body}}),
          para(Alignment::Right, {{u"r"_qs, body}})}},
        {"sizes",
         {para(Alignment::Left, {{u"10.5"_qs, body},
                                 {u"14"_qs, with([](CharFormat& f) { f.halfPoints = 28; })},
                                 {u"7"_qs, with([](CharFormat& f) { f.halfPoints = 14; })}})}},
        {"Cyrillic and Western fonts",
         {para(Alignment::Centre,
               {{u"Ёжик в тумане — «цитата» №1"_qs, body},
                {u"café naïve €"_qs, with([](CharFormat& f) { f.font = 1; })}})}},
        {"braces, backslashes, blanks and digits after control words",
         {para(Alignment::Left, {{u"{a} \\b0 \\'e9 \\u1?"_qs, body},
                                 {u"  2 spaces"_qs, with([](CharFormat& f) { f.bold = true; })},
                                 {u"5"_qs, with([](CharFormat& f) { f.halfPoints = 30; })}})}},
        {"characters outside the code page", {para(Alignment::Left, {{u"漢字 😀 ✓ Ω"_qs, body}})}},
        {"tabs and line breaks",
         {para(Alignment::Left, {{u"a\tb"_qs + QChar(QChar::LineSeparator) + u"c"_qs, body}})}},
        {"empty paragraphs",
         {para(Alignment::Left, {}), para(Alignment::Right, {{u"x"_qs, body}}),
          para(Alignment::Centre, {})}},
        {"no font given, then a font",
         {para(Alignment::Left, {{u"x"_qs, fmt()},
                                 {u"y"_qs, with([](CharFormat& f) { f.font = 2; })},
                                 {u"z"_qs, fmt(24, true)}})}},
        {"colours",
         {para(Alignment::Left,
               {{u"red"_qs, with([](CharFormat& f) { f.colour = 2; })}, {u"auto"_qs, body}})}},
        {"empty document", {}},
    };
    for (const Case& c : cases) {
        Document d;
        d.paragraphs = c.paragraphs;
        d.fonts = fonts;
        d.colours = {{0, 0, 0, true}, {0, 0, 0, false}, {255, 0, 0, false}};
        const QByteArray bytes = write(d);
        EXPECT_EQ(read(bytes), d) << c.name << "\n" << bytes.toStdString();
        // The writer's output is 7-bit, as the format asks.
        EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char ch) {
            return static_cast<unsigned char>(ch) < 0x80;
        })) << c.name;
    }
}

// The control's own files come back unchanged after one pass through the writer.
TEST(RichTextWrite, fixturesSurviveAWriteAndRead) {
    for (const char* name :
         {"richedit-examples.rtf", "richedit-empty.rtf", "richedit-picture.rtf"}) {
        Document d = read(fixture(name));
        d.unshownContent = false;
        EXPECT_EQ(read(write(d)), d) << name;
    }
    // Cyrillic is written as the control writes it: \'xx in Windows-1251.
    Document d;
    d.fonts = {{0, u"Tahoma"_qs, 204}};
    d.paragraphs = {para(Alignment::Left, {{u"Да"_qs, fmt(21, false, false, false, 0)}})};
    EXPECT_NE(write(d).indexOf("\\'c4\\'e0"), -1) << write(d).toStdString();
    EXPECT_NE(write(d).indexOf("\\ansicpg1251"), -1);
}

// Bounded random input, from a fixed seed so a failure repeats: plain bytes and a soup of the
// format's own tokens. Whatever is read writes and reads back the same.
TEST(RichTextRead, randomInputReadsAndRoundTrips) {
    static const char* const kTokens[] = {"{",
                                          "}",
                                          "{\\rtf1",
                                          "\\",
                                          "\\b",
                                          "\\b0",
                                          "\\i",
                                          "\\ul",
                                          "\\ulnone",
                                          "\\fs",
                                          "\\f",
                                          "\\cf",
                                          "\\qc",
                                          "\\qr",
                                          "\\ql",
                                          "\\par",
                                          "\\pard",
                                          "\\plain",
                                          "\\'",
                                          "\\u",
                                          "\\uc",
                                          "-",
                                          "1",
                                          "9",
                                          "32768",
                                          "\\*",
                                          "\\fonttbl",
                                          "\\colortbl",
                                          "\\red",
                                          ";",
                                          "\\bin",
                                          "\\pict",
                                          " ",
                                          "a",
                                          "\xe9",
                                          "\\{",
                                          "\\}",
                                          "\\\\",
                                          "\\tab",
                                          "\\line",
                                          "\\deff",
                                          "\\fcharset204",
                                          "\\ansicpg1251",
                                          "\r\n",
                                          "\\~",
                                          "?"};
    QRandomGenerator random(20261211);
    for (int i = 0; i < 4000; ++i) {
        QByteArray input;
        const int length = int(random.bounded(300));
        if (i % 4 == 0) {
            for (int k = 0; k < length; ++k)
                input += char(random.bounded(256));
        } else {
            input = "{\\rtf1";
            for (int k = 0; k < length; ++k)
                input += kTokens[random.bounded(int(std::size(kTokens)))];
        }
        Document d = read(input);
        d.plainText = false;
        d.unshownContent = false;
        ASSERT_EQ(read(write(d)), d) << input.toStdString();
    }
    // Deep nesting is read without recursion and without keeping a state per level.
    const QByteArray deep =
        "{\\rtf1" + QByteArray(1'000'000, '{') + "x\\b y" + QByteArray(1'000'000, '}') + " z}";
    EXPECT_EQ(read(deep).text(), u"xy z"_qs);
}
