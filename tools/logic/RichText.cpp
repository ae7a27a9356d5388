#include "tools/logic/RichText.h"

#include "store/Cp1251.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cstring>

namespace telvo::rtf {

QString Paragraph::text() const {
    QString out;
    for (const Run& run : runs)
        out += run.text;
    return out;
}

QString Document::text() const {
    QStringList lines;
    for (const Paragraph& p : paragraphs)
        lines << p.text();
    return lines.join(QLatin1Char('\n'));
}

bool Document::empty() const {
    return std::all_of(paragraphs.begin(), paragraphs.end(),
                       [](const Paragraph& p) { return p.text().isEmpty(); });
}

namespace {

// ---- Code pages ---------------------------------------------------------------------------

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; its five holes keep their C1 value, as
// the Windows conversion does.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

enum class CodePage { Cp1251, Cp1252 };

QChar decodeByte(unsigned char byte, CodePage cp) {
    if (byte < 0x80)
        return QChar(byte);
    if (cp == CodePage::Cp1251)
        return fromCp1251(byte);
    if (byte < 0xA0)
        return QChar(kCp1252High[byte - 0x80]);
    return QChar(byte);
}

// The byte of `ch` in the code page; -1 when it has none.
int encodeChar(QChar ch, CodePage cp) {
    if (ch.unicode() < 0x80)
        return ch.unicode();
    if (cp == CodePage::Cp1251) {
        const unsigned char b = toCp1251(ch);
        return b == '?' ? -1 : b;
    }
    if (ch.unicode() >= 0xA0 && ch.unicode() <= 0xFF)
        return ch.unicode();
    for (size_t i = 0; i < kCp1252High.size(); ++i)
        if (kCp1252High[i] == ch.unicode())
            return int(0x80 + i);
    return -1;
}

CodePage codePageOfCharset(int charset, CodePage documentPage) {
    switch (charset) {
    case 0:
        return CodePage::Cp1252;
    case 204:
        return CodePage::Cp1251;
    default: // the default charset (1) and those we have no table for
        return documentPage;
    }
}

CodePage codePageOfNumber(int number) {
    return number == 1251 ? CodePage::Cp1251 : CodePage::Cp1252;
}

// ---- Reader -------------------------------------------------------------------------------

enum class Destination { Text, FontTable, ColourTable, Skip };

struct State {
    CharFormat format;
    Alignment alignment = Alignment::Left;
    int skipAfterUnicode = 1; // \uc
    Destination destination = Destination::Text;
};

// Deeper groups share the state of the deepest one kept: input cannot make the reader's
// memory grow faster than its length, and no real file nests this deep.
constexpr size_t kMaxKeptDepth = 200;
// Longest control word and parameter the format allows; longer ones are read but cut.
constexpr int kMaxWordLength = 32;
constexpr int kMaxParameterDigits = 10;

// Destinations whose content is not document text.
bool isSkippedDestination(QByteArrayView word, bool& unshown) {
    static const char* const kShownElsewhere[] = {"pict", "object", "shppict", "nonshppict"};
    for (const char* w : kShownElsewhere)
        if (word == w) {
            unshown = true;
            return true;
        }
    static const char* const kNotText[] = {"stylesheet",
                                           "info",
                                           "header",
                                           "headerl",
                                           "headerr",
                                           "headerf",
                                           "footer",
                                           "footerl",
                                           "footerr",
                                           "footerf",
                                           "footnote",
                                           "fldinst",
                                           "listtable",
                                           "listoverridetable",
                                           "rsidtbl",
                                           "generator",
                                           "xmlnstbl",
                                           "themedata",
                                           "colorschememapping",
                                           "latentstyles",
                                           "datastore",
                                           "filetbl",
                                           "revtbl",
                                           "pntext",
                                           "pntxta",
                                           "pntxtb",
                                           "mmathPr",
                                           "userprops",
                                           "template",
                                           "comment",
                                           "title",
                                           "subject",
                                           "author",
                                           "operator",
                                           "keywords",
                                           "doccomm",
                                           "company",
                                           "buptim",
                                           "creatim",
                                           "revtim",
                                           "printim"};
    for (const char* w : kNotText)
        if (word == w)
            return true;
    return false;
}

class Reader {
public:
    explicit Reader(QByteArrayView in) : in_(in) {}

    Document run() {
        states_.push_back(State{});
        // The caller checked the opening "{\rtf"; reading starts inside the outer group.
        pos_ = in_.indexOf('{') + 1;
        depth_ = 1;
        while (pos_ < in_.size() && depth_ > 0) {
            const char c = in_[pos_++];
            if (c == '{')
                openGroup();
            else if (c == '}')
                closeGroup();
            else if (c == '\\')
                controlSequence();
            else
                textByte(static_cast<unsigned char>(c));
        }
        endParagraph(false);
        return std::move(doc_);
    }

private:
    State& state() { return states_.back(); }

    void openGroup() {
        skipping_ = 0;
        ++depth_;
        if (states_.size() < kMaxKeptDepth)
            states_.push_back(state());
        else
            ++sharedDepth_;
    }

    void closeGroup() {
        skipping_ = 0;
        --depth_;
        if (sharedDepth_ > 0)
            --sharedDepth_;
        else if (states_.size() > 1) {
            if (state().destination == Destination::FontTable)
                finishFont();
            states_.pop_back();
        }
    }

    // A fallback character after \uN: dropped; true when `skipping_` took it.
    bool consumedByFallback() {
        if (skipping_ <= 0)
            return false;
        --skipping_;
        return true;
    }

    void controlSequence() {
        if (pos_ >= in_.size())
            return;
        const char c = in_[pos_];
        if (!isAsciiLetter(c)) {
            ++pos_;
            controlSymbol(c);
            return;
        }
        const qsizetype start = pos_;
        while (pos_ < in_.size() && isAsciiLetter(in_[pos_]))
            ++pos_;
        const QByteArrayView word =
            in_.sliced(start, std::min<qsizetype>(pos_ - start, kMaxWordLength));
        bool hasParameter = false;
        bool negative = false;
        long long value = 0;
        if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() &&
            isDigit(in_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        int digits = 0;
        while (pos_ < in_.size() && isDigit(in_[pos_])) {
            hasParameter = true;
            if (digits++ < kMaxParameterDigits)
                value = value * 10 + (in_[pos_] - '0');
            ++pos_;
        }
        if (pos_ < in_.size() && in_[pos_] == ' ')
            ++pos_; // the delimiter belongs to the word
        value = std::clamp(negative ? -value : value, -2147483647LL, 2147483647LL);
        controlWord(word, hasParameter, int(value));
    }

    void controlSymbol(char c) {
        if (c == '\'') {
            int byte = 0;
            int got = 0;
            while (got < 2 && pos_ < in_.size() && hexValue(in_[pos_]) >= 0) {
                byte = byte * 16 + hexValue(in_[pos_++]);
                ++got;
            }
            if (got == 0 || consumedByFallback())
                return;
            character(decodeByte(static_cast<unsigned char>(byte), currentCodePage()));
            return;
        }
        if (c == '*') {
            // An optional destination: none of those carries text this document keeps.
            state().destination = Destination::Skip;
            return;
        }
        if (consumedByFallback())
            return;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            character(QChar::fromLatin1(c));
            break;
        case '~':
            character(QChar(0x00A0));
            break;
        case '_':
            character(QChar(0x2011));
            break;
        case '\r':
        case '\n':
            endParagraph(true);
            break;
        case '\t':
            character(QLatin1Char('\t'));
            break;
        default: // \- optional hyphen, \| and \: formula and index marks
            break;
        }
    }

    void controlWord(QByteArrayView word, bool hasParameter, int value) {
        State& s = state();
        const bool on = !hasParameter || value != 0;

        if (word == "bin") {
            // Raw bytes follow: never read as text or control words.
            doc_.unshownContent = true;
            const qsizetype n = hasParameter && value > 0 ? value : 0;
            pos_ += std::min<qsizetype>(n, in_.size() - pos_);
            return;
        }
        if (s.destination == Destination::Skip)
            return;
        if (word == "fonttbl") {
            s.destination = Destination::FontTable;
            return;
        }
        if (word == "colortbl") {
            s.destination = Destination::ColourTable;
            colour_ = Colour{};
            colourSeen_ = false;
            return;
        }
        bool unshown = false;
        if (isSkippedDestination(word, unshown)) {
            if (unshown)
                doc_.unshownContent = true;
            s.destination = Destination::Skip;
            return;
        }
        if (s.destination == Destination::FontTable) {
            fontTableWord(word, hasParameter, value);
            return;
        }
        if (s.destination == Destination::ColourTable) {
            colourTableWord(word, value);
            return;
        }

        if (word == "u") {
            if (!hasParameter)
                return;
            // The fallback characters that follow belong to the one before.
            if (skipping_ > 0)
                --skipping_;
            character(QChar(char16_t(value < 0 ? value + 65536 : value)));
            skipping_ = s.skipAfterUnicode;
            return;
        }
        if (consumedByFallback())
            return;
        if (word == "uc") {
            s.skipAfterUnicode = std::clamp(value, 0, 16);
        } else if (word == "ansicpg") {
            documentPage_ = codePageOfNumber(value);
        } else if (word == "deff") {
            doc_.defaultFont = value;
        } else if (word == "b") {
            s.format.bold = on;
        } else if (word == "i") {
            s.format.italic = on;
        } else if (word == "ul" || word == "uld" || word == "uldash" || word == "uldashd" ||
                   word == "uldashdd" || word == "uldb" || word == "ulth" || word == "ulw" ||
                   word == "ulwave") {
            s.format.underline = on;
        } else if (word == "ulnone") {
            s.format.underline = false;
        } else if (word == "fs") {
            s.format.halfPoints = hasParameter ? std::clamp(value, 2, 3276) : 24;
        } else if (word == "f") {
            s.format.font = std::max(value, 0);
        } else if (word == "cf") {
            s.format.colour = std::max(value, 0);
        } else if (word == "plain") {
            s.format = CharFormat{};
        } else if (word == "pard") {
            s.alignment = Alignment::Left;
        } else if (word == "ql" || word == "qj" || word == "qd") {
            s.alignment = Alignment::Left;
        } else if (word == "qc") {
            s.alignment = Alignment::Centre;
        } else if (word == "qr") {
            s.alignment = Alignment::Right;
        } else if (word == "par" || word == "sect" || word == "page" || word == "row") {
            endParagraph(true);
        } else if (word == "line") {
            character(QChar(QChar::LineSeparator));
        } else if (word == "tab" || word == "cell") {
            character(QLatin1Char('\t'));
        } else if (word == "emdash") {
            character(QChar(0x2014));
        } else if (word == "endash") {
            character(QChar(0x2013));
        } else if (word == "emspace" || word == "enspace" || word == "qmspace") {
            character(QLatin1Char(' '));
        } else if (word == "lquote") {
            character(QChar(0x2018));
        } else if (word == "rquote") {
            character(QChar(0x2019));
        } else if (word == "ldblquote") {
            character(QChar(0x201C));
        } else if (word == "rdblquote") {
            character(QChar(0x201D));
        } else if (word == "bullet") {
            character(QChar(0x2022));
        }
        // Any other word changes nothing this document keeps.
    }

    void fontTableWord(QByteArrayView word, bool hasParameter, int value) {
        if (word == "f" && hasParameter) {
            finishFont();
            font_ = Font{};
            font_.number = value;
            fontOpen_ = true;
        } else if (word == "fcharset" && fontOpen_) {
            font_.charset = value;
        } else if (word == "u" && hasParameter) {
            character(QChar(char16_t(value < 0 ? value + 65536 : value)));
            skipping_ = state().skipAfterUnicode;
        }
    }

    void finishFont() {
        if (!fontOpen_)
            return;
        fontOpen_ = false;
        font_.name = font_.name.trimmed();
        // A later entry of the same number replaces the earlier one.
        for (Font& f : doc_.fonts)
            if (f.number == font_.number) {
                f = font_;
                return;
            }
        doc_.fonts.push_back(font_);
    }

    void colourTableWord(QByteArrayView word, int value) {
        const int component = std::clamp(value, 0, 255);
        if (word == "red")
            colour_.red = component;
        else if (word == "green")
            colour_.green = component;
        else if (word == "blue")
            colour_.blue = component;
        else
            return;
        colourSeen_ = true;
    }

    void textByte(unsigned char c) {
        const Destination d = state().destination;
        if (d == Destination::Skip)
            return;
        if (c == '\r' || c == '\n')
            return; // line breaks of the file are not text
        if (d == Destination::ColourTable) {
            if (c == ';') {
                colour_.automatic = !colourSeen_;
                doc_.colours.push_back(colour_);
                colour_ = Colour{};
                colourSeen_ = false;
            }
            return;
        }
        if (consumedByFallback())
            return;
        if (d == Destination::FontTable) {
            if (c == ';')
                finishFont();
            else
                character(decodeByte(c, currentCodePage()));
            return;
        }
        if (c == '\t') {
            character(QLatin1Char('\t'));
            return;
        }
        if (c < 0x20)
            return;
        character(decodeByte(c, currentCodePage()));
    }

    CodePage currentCodePage() const {
        if (states_.back().destination == Destination::FontTable)
            return codePageOfCharset(font_.charset, documentPage_);
        const int number =
            states_.back().format.font >= 0 ? states_.back().format.font : doc_.defaultFont;
        for (const Font& f : doc_.fonts)
            if (f.number == number)
                return codePageOfCharset(f.charset, documentPage_);
        return documentPage_;
    }

    void character(QChar ch) {
        if (state().destination == Destination::FontTable && fontOpen_)
            font_.name += ch;
        if (state().destination != Destination::Text)
            return;
        const CharFormat& format = state().format;
        if (!paragraph_.runs.empty() && paragraph_.runs.back().format == format)
            paragraph_.runs.back().text += ch;
        else
            paragraph_.runs.push_back(Run{QString(ch), format});
    }

    // `mark`: a paragraph mark ends it; without one only a paragraph that holds text counts.
    void endParagraph(bool mark) {
        if (state().destination != Destination::Text && mark)
            return;
        if (!mark && paragraph_.runs.empty())
            return;
        paragraph_.alignment = state().alignment;
        doc_.paragraphs.push_back(std::move(paragraph_));
        paragraph_ = Paragraph{};
    }

    static bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    static int hexValue(char c) {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    QByteArrayView in_;
    qsizetype pos_ = 0;
    long long depth_ = 0;
    long long sharedDepth_ = 0;
    std::vector<State> states_;
    Document doc_;
    Paragraph paragraph_;
    CodePage documentPage_ = CodePage::Cp1252;
    int skipping_ = 0;
    Font font_;
    bool fontOpen_ = false;
    Colour colour_;
    bool colourSeen_ = false;
};

bool looksLikeRtf(QByteArrayView bytes) {
    qsizetype i = 0;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        i = 3;
    while (i < bytes.size() &&
           (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return bytes.sliced(i).startsWith("{\\rtf");
}

Document readPlain(QByteArrayView bytes) {
    Document doc;
    doc.plainText = true;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = fromCp1251(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    if (text.isEmpty() && bytes.isEmpty())
        return doc;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        QString kept;
        for (QChar ch : line)
            if (ch == QLatin1Char('\t') || ch.unicode() >= 0x20)
                kept += ch;
        Paragraph p;
        if (!kept.isEmpty())
            p.runs.push_back(Run{kept, CharFormat{}});
        doc.paragraphs.push_back(std::move(p));
    }
    return doc;
}

// ---- Writer -------------------------------------------------------------------------------

class Writer {
public:
    explicit Writer(const Document& doc) : doc_(doc) {}

    QByteArray run() {
        out_ += "{\\rtf1\\ansi\\ansicpg1251\\deff" + QByteArray::number(doc_.defaultFont) +
                "\\deflang1049";
        out_ += "{\\fonttbl";
        for (const Font& f : doc_.fonts) {
            out_ += "{\\f" + QByteArray::number(f.number) + "\\fnil\\fcharset" +
                    QByteArray::number(f.charset) + ' ';
            text(f.name, codePageOfCharset(f.charset, CodePage::Cp1251), true);
            out_ += ";}";
        }
        out_ += "}\r\n";
        if (!doc_.colours.empty()) {
            out_ += "{\\colortbl ";
            for (const Colour& c : doc_.colours) {
                if (!c.automatic)
                    out_ += "\\red" + QByteArray::number(c.red) + "\\green" +
                            QByteArray::number(c.green) + "\\blue" + QByteArray::number(c.blue);
                out_ += ';';
            }
            out_ += "}\r\n";
        }
        out_ += "{\\*\\generator Telvo Vocabulary;}\\viewkind4\\uc1";
        for (const Paragraph& p : doc_.paragraphs) {
            out_ += "\r\n\\pard";
            if (p.alignment == Alignment::Centre)
                out_ += "\\qc";
            else if (p.alignment == Alignment::Right)
                out_ += "\\qr";
            pendingDelimiter_ = true;
            for (const Run& r : p.runs) {
                format(r.format);
                text(r.text, codePageOfFont(r.format.font));
            }
            out_ += "\\par";
            pendingDelimiter_ = true;
        }
        out_ += "\r\n}\r\n";
        return out_;
    }

private:
    void word(const QByteArray& w) {
        out_ += '\\';
        out_ += w;
        pendingDelimiter_ = true;
    }

    void format(const CharFormat& f) {
        if (f.font < 0 && current_.font >= 0) {
            word("plain");
            current_ = CharFormat{};
        }
        if (f.bold != current_.bold)
            word(f.bold ? "b" : "b0");
        if (f.italic != current_.italic)
            word(f.italic ? "i" : "i0");
        if (f.underline != current_.underline)
            word(f.underline ? "ul" : "ulnone");
        if (f.font != current_.font)
            word("f" + QByteArray::number(f.font));
        if (f.colour != current_.colour)
            word("cf" + QByteArray::number(f.colour));
        if (f.halfPoints != current_.halfPoints)
            word("fs" + QByteArray::number(f.halfPoints));
        current_ = f;
    }

    CodePage codePageOfFont(int number) const {
        const int n = number >= 0 ? number : doc_.defaultFont;
        for (const Font& f : doc_.fonts)
            if (f.number == n)
                return codePageOfCharset(f.charset, CodePage::Cp1251);
        return CodePage::Cp1251;
    }

    // `inTable`: a font name, where ';' ends the entry and \tab or \line mean nothing.
    void text(const QString& s, CodePage cp, bool inTable = false) {
        for (QChar ch : s) {
            const char16_t u = ch.unicode();
            if (inTable && (u == ';' || u == '\t' || u == QChar::LineSeparator)) {
                unicode(u);
                continue;
            }
            if (u == '\t') {
                word("tab");
                continue;
            }
            if (u == QChar::LineSeparator) {
                word("line");
                continue;
            }
            if (u == '\\' || u == '{' || u == '}') {
                out_ += '\\';
                out_ += char(u);
                pendingDelimiter_ = false;
                continue;
            }
            if (u >= 0x20 && u < 0x7F) {
                if (pendingDelimiter_)
                    out_ += ' ';
                pendingDelimiter_ = false;
                out_ += char(u);
                continue;
            }
            const int byte = u >= 0x80 ? encodeChar(ch, cp) : -1;
            if (byte >= 0x80) {
                out_ += "\\'" + QByteArray::number(byte, 16).rightJustified(2, '0');
                pendingDelimiter_ = false;
                continue;
            }
            unicode(u);
        }
    }

    // A character as its UTF-16 unit, with '?' for readers that know no \u.
    void unicode(char16_t u) {
        out_ += "\\u" + QByteArray::number(int(int16_t(u))) + '?';
        pendingDelimiter_ = false;
    }

    const Document& doc_;
    QByteArray out_;
    CharFormat current_;
    bool pendingDelimiter_ = false;
};

} // namespace

Document read(QByteArrayView bytes) {
    if (!looksLikeRtf(bytes))
        return readPlain(bytes);
    return Reader(bytes).run();
}

QByteArray write(const Document& document) {
    return Writer(document).run();
}

} // namespace telvo::rtf
