#include "tools/windows/RichTextEditing.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <cmath>

namespace telvo {

namespace {

Qt::Alignment qtAlignment(rtf::Alignment a) {
    switch (a) {
    case rtf::Alignment::Centre:
        return Qt::AlignHCenter;
    case rtf::Alignment::Right:
        return Qt::AlignRight;
    case rtf::Alignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

rtf::Alignment alignmentOf(Qt::Alignment a) {
    if (a & Qt::AlignHCenter)
        return rtf::Alignment::Centre;
    if (a & (Qt::AlignRight | Qt::AlignTrailing))
        return rtf::Alignment::Right;
    return rtf::Alignment::Left;
}

const rtf::Font* fontNumbered(const rtf::Document& d, int number) {
    for (const rtf::Font& f : d.fonts)
        if (f.number == number)
            return &f;
    return nullptr;
}

QTextCharFormat charFormatOf(const rtf::Document& d, const rtf::CharFormat& f) {
    QTextCharFormat out;
    out.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
    out.setFontItalic(f.italic);
    out.setFontUnderline(f.underline);
    out.setFontPointSize(f.halfPoints / 2.0);
    if (const rtf::Font* font = fontNumbered(d, f.font >= 0 ? f.font : d.defaultFont))
        if (!font->name.isEmpty())
            out.setFontFamilies({font->name});
    if (f.colour > 0 && size_t(f.colour) < d.colours.size() && !d.colours[f.colour].automatic) {
        const rtf::Colour& c = d.colours[f.colour];
        out.setForeground(QColor(c.red, c.green, c.blue));
    }
    return out;
}

// A line break inside a paragraph stays one; the editor would make a new paragraph of it.
QString editorText(QString text) {
    for (QChar& ch : text)
        if (ch == QLatin1Char('\n') || ch == QLatin1Char('\r') || ch == QChar::ParagraphSeparator)
            ch = QChar::LineSeparator;
    return text;
}

} // namespace

void fillTextDocument(QTextDocument& target, const rtf::Document& source) {
    target.clear();
    QTextCursor cursor(&target);
    bool first = true;
    for (const rtf::Paragraph& p : source.paragraphs) {
        QTextBlockFormat block;
        block.setAlignment(qtAlignment(p.alignment));
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        first = false;
        for (const rtf::Run& run : p.runs)
            cursor.insertText(editorText(run.text), charFormatOf(source, run.format));
    }
}

rtf::Document richTextOf(const QTextDocument& source, const rtf::Document& tables) {
    rtf::Document out;
    out.fonts = tables.fonts;
    out.colours = tables.colours;
    const QFont base = source.defaultFont();

    auto fontNumber = [&](const QString& family) {
        for (const rtf::Font& f : out.fonts)
            if (f.name.compare(family, Qt::CaseInsensitive) == 0)
                return f.number;
        int next = 0;
        for (const rtf::Font& f : out.fonts)
            next = std::max(next, f.number + 1);
        out.fonts.push_back(rtf::Font{next, family, 204});
        return next;
    };
    auto colourIndex = [&](const QColor& c) {
        if (out.colours.empty())
            out.colours.push_back(rtf::Colour{0, 0, 0, true});
        for (size_t i = 1; i < out.colours.size(); ++i) {
            const rtf::Colour& k = out.colours[i];
            if (!k.automatic && k.red == c.red() && k.green == c.green() && k.blue == c.blue())
                return int(i);
        }
        out.colours.push_back(rtf::Colour{c.red(), c.green(), c.blue(), false});
        return int(out.colours.size() - 1);
    };
    out.defaultFont = fontNumber(base.family());

    if (source.isEmpty())
        return out;
    for (QTextBlock block = source.begin(); block.isValid(); block = block.next()) {
        rtf::Paragraph p;
        p.alignment = alignmentOf(block.blockFormat().alignment());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            QString text = fragment.text();
            text.remove(QChar::ObjectReplacementCharacter);
            if (text.isEmpty())
                continue;
            const QTextCharFormat f = fragment.charFormat();
            rtf::CharFormat format;
            format.bold = f.fontWeight() >= QFont::Bold;
            format.italic = f.fontItalic();
            format.underline = f.fontUnderline();
            const double points = f.fontPointSize() > 0 ? f.fontPointSize() : base.pointSizeF();
            format.halfPoints = std::max(2, int(std::lround(points * 2)));
            const QStringList families = f.fontFamilies().toStringList();
            format.font =
                fontNumber(families.isEmpty() || families.first().isEmpty() ? base.family()
                                                                            : families.first());
            if (f.foreground().style() != Qt::NoBrush)
                format.colour = colourIndex(f.foreground().color());
            if (!p.runs.empty() && p.runs.back().format == format)
                p.runs.back().text += text;
            else
                p.runs.push_back(rtf::Run{text, format});
        }
        out.paragraphs.push_back(std::move(p));
    }
    return out;
}

} // namespace telvo
