#include "tools/logic/WordExport.h"

#include "store/RecordFile.h"
#include "store/Records.h"
#include "tools/logic/ImportPlan.h"

#include <QXmlStreamWriter>
#include <algorithm>

namespace telvo {

std::vector<RecordTexts> wordsToExport(const Globalnye_peremennye_slovarya& g,
                                       ExportSource source) {
    const std::vector<DictRecord> records = readDictionary(g);
    const auto count = int32_t(records.size());
    int32_t from = 1;
    int32_t to = count;
    if (source == ExportSource::Range && !g.Vse_slova_slovarya) {
        // A range the file no longer covers gives what is left of it.
        from = std::max<int32_t>(g.Nachalo_diapazona, 1);
        to = std::min<int32_t>(g.Konets_diapazona, count);
    }
    QByteArray forgotten;
    if (source == ExportSource::Forgotten && RecordFile(g.puti.statForget, 1).exists())
        forgotten = RecordFile(g.puti.statForget, 1).readUpTo(0, count);
    std::vector<RecordTexts> words;
    for (int32_t n = from; n <= to; ++n) {
        if (source == ExportSource::Forgotten && (n > forgotten.size() || forgotten[n - 1] == 0))
            continue;
        const DictRecord& r = records[size_t(n - 1)];
        words.push_back({r.Angliyskoe_slovo, r.Transkriptsiya, r.Perevod});
    }
    return words;
}

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
