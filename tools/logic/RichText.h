#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <vector>

namespace telvo::rtf {

// The part of Rich Text Format the usage-example files use: paragraphs with an alignment, runs
// of text that are bold, italic or underlined in a size, font and colour of the document's
// tables. Reads what a Windows rich-text control writes and what write() writes.

enum class Alignment { Left, Centre, Right };

struct CharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24; // \fs: the size in half points
    int font = -1;       // \f: a number of the font table; -1 for none given
    int colour = 0;      // \cf: an index of the colour table; 0 is the automatic colour
    bool operator==(const CharFormat&) const = default;
};

struct Run {
    QString text; // '\t' for a tab, U+2028 for a line break inside the paragraph
    CharFormat format;
    bool operator==(const Run&) const = default;
};

struct Paragraph {
    Alignment alignment = Alignment::Left;
    std::vector<Run> runs;
    bool operator==(const Paragraph&) const = default;
    QString text() const;
};

struct Font {
    int number = 0;
    QString name;
    int charset = 0; // \fcharset: 0 Western, 204 Cyrillic, ...
    bool operator==(const Font&) const = default;
};

struct Colour {
    int red = 0, green = 0, blue = 0;
    bool automatic = false; // the empty first entry ";"
    bool operator==(const Colour&) const = default;
};

struct Document {
    std::vector<Paragraph> paragraphs;
    std::vector<Font> fonts;
    std::vector<Colour> colours;
    int defaultFont = 0;
    // The input was not Rich Text Format: its text, paragraph by line, plain.
    bool plainText = false;
    // The input held content this reader does not show (pictures, objects, binary data): an
    // editor that shows the rest must not take the file for empty.
    bool unshownContent = false;

    bool operator==(const Document&) const = default;
    QString text() const; // paragraphs joined by '\n'
    bool empty() const;   // no character at all
};

// Any bytes give a document; nothing here fails, reads past the end or recurses with the
// input. Text that is not Rich Text Format is read as lines of plain text (UTF-8 when it is
// valid UTF-8, else Windows-1251).
Document read(QByteArrayView bytes);

// The document as Rich Text Format a Windows rich-text control reads: Windows-1251 text in
// \'xx escapes, other characters as \uN with a '?' fallback, the font and colour tables.
QByteArray write(const Document& document);

} // namespace telvo::rtf
