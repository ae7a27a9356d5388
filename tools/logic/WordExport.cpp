#include "tools/logic/WordExport.h"

#include <QXmlStreamWriter>

namespace telvo {

QByteArray writeKvtml(const std::vector<RecordTexts>& words, const QString& title) {
    QByteArray out;
    out.reserve(qsizetype(words.size()) * 160 + 1024);
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral(
        R"(<!DOCTYPE kvtml PUBLIC "kvtml2.dtd" "http://edu.kde.org/kvtml/kvtml2.dtd">)"));
    xml.writeStartElement(QStringLiteral("kvtml"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));
    xml.writeStartElement(QStringLiteral("information"));
    xml.writeTextElement(QStringLiteral("generator"), QStringLiteral("telvo-vocabulary"));
    xml.writeTextElement(QStringLiteral("title"), title);
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("identifiers"));
    const std::pair<const char16_t*, const char16_t*> identifiers[] = {{u"English", u"en"},
                                                                       {u"Русский", u"ru"}};
    for (int id = 0; id < 2; ++id) {
        xml.writeStartElement(QStringLiteral("identifier"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(id));
        xml.writeTextElement(QStringLiteral("name"), QString::fromUtf16(identifiers[id].first));
        xml.writeTextElement(QStringLiteral("locale"), QString::fromUtf16(identifiers[id].second));
        xml.writeEndElement();
    }
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("entries"));
    for (size_t i = 0; i < words.size(); ++i) {
        const RecordTexts& w = words[i];
        xml.writeStartElement(QStringLiteral("entry"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(i));
        xml.writeStartElement(QStringLiteral("translation"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("0"));
        xml.writeTextElement(QStringLiteral("text"), w.Angliyskoe_slovo);
        if (!w.Transkriptsiya.isEmpty())
            xml.writeTextElement(QStringLiteral("pronunciation"), w.Transkriptsiya);
        xml.writeEndElement();
        xml.writeStartElement(QStringLiteral("translation"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("1"));
        xml.writeTextElement(QStringLiteral("text"), w.Perevod);
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

namespace {

void appendCsvField(QByteArray& out, const QString& field) {
    const QByteArray bytes = field.toUtf8();
    if (!bytes.contains(',') && !bytes.contains('"') && !bytes.contains('\n') &&
        !bytes.contains('\r')) {
        out += bytes;
        return;
    }
    out += '"';
    for (const char c : bytes) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

} // namespace

QByteArray writeCsv(const std::vector<RecordTexts>& words) {
    QByteArray out;
    out.reserve(qsizetype(words.size()) * 80 + 64);
    out += "English,Transcription,Translation\r\n";
    for (const RecordTexts& w : words) {
        appendCsvField(out, w.Angliyskoe_slovo);
        out += ',';
        appendCsvField(out, w.Transkriptsiya);
        out += ',';
        appendCsvField(out, w.Perevod);
        out += "\r\n";
    }
    return out;
}

} // namespace telvo
