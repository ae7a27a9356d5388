#include "tools/logic/WordImport.h"

#include "store/Cp1251.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QXmlStreamReader>
#include <algorithm>

namespace telvo {

namespace {

QByteArrayView withoutBom(const QByteArray& content) {
    QByteArrayView view(content);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    return view;
}

bool isValidUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes); // decodes only when converted
    Q_UNUSED(text);
    return !decoder.hasError();
}

// The first lines of a text, enough to judge its layout without reading a huge file twice.
QString head(const QString& text, int lines) {
    qsizetype end = 0;
    for (int i = 0; i < lines && end < text.size(); ++i) {
        const qsizetype next = text.indexOf(u'\n', end);
        end = next < 0 ? text.size() : next + 1;
    }
    return text.left(end);
}

QString normalisedHeader(const QString& cell) {
    return cell.trimmed().toCaseFolded();
}

enum class Column { None, English, Transcription, Translation };

Column columnOfHeader(const QString& cell) {
    static const QHash<QString, Column> names = {
        {QStringLiteral("english"), Column::English},
        {QStringLiteral("word"), Column::English},
        {QStringLiteral("front"), Column::English},
        {QStringLiteral("английский"), Column::English},
        {QStringLiteral("английское слово"), Column::English},
        {QStringLiteral("слово"), Column::English},
        {QStringLiteral("transcription"), Column::Transcription},
        {QStringLiteral("pronunciation"), Column::Transcription},
        {QStringLiteral("транскрипция"), Column::Transcription},
        {QStringLiteral("translation"), Column::Translation},
        {QStringLiteral("russian"), Column::Translation},
        {QStringLiteral("back"), Column::Translation},
        {QStringLiteral("перевод"), Column::Translation},
        {QStringLiteral("русский"), Column::Translation},
    };
    return names.value(normalisedHeader(cell), Column::None);
}

QString cell(const QStringList& record, int column) {
    return column >= 0 && column < record.size() ? record[column] : QString();
}

} // namespace

ImportFormat detectImportFormat(const QByteArray& content) {
    // The view without the mark is shorter than the content: size the cut from it.
    const QByteArrayView bytes = withoutBom(content);
    const QByteArray start =
        bytes.first(std::min<qsizetype>(bytes.size(), 4096)).toByteArray().trimmed().toLower();
    if (start.startsWith("<?xml") || start.startsWith("<!doctype kvtml") ||
        start.startsWith("<kvtml"))
        return ImportFormat::Kvtml;
    // The header lines stand first, each starting with '#'.
    for (const QByteArray& line : start.split('\n')) {
        if (!line.startsWith('#'))
            break;
        if (line.startsWith("#separator:") || line.startsWith("#html:"))
            return ImportFormat::FlashCardText;
    }
    return ImportFormat::Delimited;
}

QString decodeImportText(const QByteArray& content) {
    const QByteArrayView bytes = withoutBom(content);
    if (bytes.size() != content.size() || isValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    return fromCp1251(bytes);
}

std::vector<QStringList> parseDelimited(const QString& text, QChar separator) {
    std::vector<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;      // inside a quoted field
    bool anyInRecord = false; // the record has begun (a separator or a character was seen)
    const qsizetype n = text.size();
    auto endRecord = [&] {
        record << field;
        records.push_back(std::move(record));
        record = {};
        field.clear();
        anyInRecord = false;
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < n && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
            continue;
        }
        if (c == u'"' && field.isEmpty()) {
            quoted = true;
            anyInRecord = true;
        } else if (c == separator) {
            record << field;
            field.clear();
            anyInRecord = true;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            if (anyInRecord || !field.isEmpty())
                endRecord();
            else
                records.push_back({}); // an empty line is an empty record, kept for line numbers
        } else {
            field += c;
            anyInRecord = true;
        }
    }
    if (anyInRecord || !field.isEmpty())
        endRecord();
    // Empty lines carry no words.
    std::erase_if(records, [](const QStringList& r) { return r.isEmpty(); });
    return records;
}

QChar guessSeparator(const QString& text) {
    const QString sample = head(text, 20);
    QChar best = u'\t';
    int bestScore = -1;
    for (const QChar candidate : {QChar(u'\t'), QChar(u';'), QChar(u',')}) {
        const std::vector<QStringList> records = parseDelimited(sample, candidate);
        QHash<qsizetype, int> widths;
        for (const QStringList& r : records)
            if (r.size() > 1)
                ++widths[r.size()];
        int score = 0;
        for (const int count : std::as_const(widths))
            score = std::max(score, count);
        if (score > bestScore) {
            best = candidate;
            bestScore = score;
        }
    }
    return best;
}

bool looksLikeHeader(const QStringList& record) {
    return std::any_of(record.begin(), record.end(),
                       [](const QString& c) { return columnOfHeader(c) != Column::None; });
}

ColumnMapping guessMapping(const std::vector<QStringList>& records, bool header) {
    ColumnMapping m;
    if (header && !records.empty()) {
        ColumnMapping named{-1, -1, -1};
        const QStringList& names = records.front();
        for (int i = 0; i < names.size(); ++i) {
            switch (columnOfHeader(names[i])) {
            case Column::English:
                if (named.english < 0)
                    named.english = i;
                break;
            case Column::Transcription:
                if (named.transcription < 0)
                    named.transcription = i;
                break;
            case Column::Translation:
                if (named.translation < 0)
                    named.translation = i;
                break;
            case Column::None:
                break;
            }
        }
        if (named.english >= 0)
            return named;
    }
    qsizetype widest = 0;
    for (const QStringList& r : records)
        widest = std::max(widest, r.size());
    if (widest >= 3) {
        m.transcription = 1;
        m.translation = 2;
    }
    return m;
}

std::vector<RecordTexts> wordsFromRecords(const std::vector<QStringList>& records,
                                          const ColumnMapping& mapping, bool skipHeader) {
    std::vector<RecordTexts> words;
    words.reserve(records.size());
    for (size_t i = skipHeader ? 1 : 0; i < records.size(); ++i) {
        const QStringList& r = records[i];
        words.push_back({cell(r, mapping.english), cell(r, mapping.transcription),
                         cell(r, mapping.translation)});
    }
    return words;
}

FlashCardText parseFlashCardText(const QString& text) {
    FlashCardText result;
    qsizetype bodyStart = 0;
    while (bodyStart < text.size() && text[bodyStart] == u'#') {
        qsizetype end = text.indexOf(u'\n', bodyStart);
        if (end < 0)
            end = text.size();
        const QString line = text.mid(bodyStart + 1, end - bodyStart - 1).trimmed();
        const qsizetype colon = line.indexOf(u':');
        if (colon > 0) {
            const QString key = line.left(colon).trimmed().toCaseFolded();
            const QString value = line.mid(colon + 1).trimmed();
            if (key == u"separator") {
                static const QHash<QString, QChar> named = {
                    {QStringLiteral("tab"), u'\t'},      {QStringLiteral("comma"), u','},
                    {QStringLiteral("semicolon"), u';'}, {QStringLiteral("space"), u' '},
                    {QStringLiteral("pipe"), u'|'},      {QStringLiteral("colon"), u':'},
                };
                const QString folded = value.toCaseFolded();
                if (named.contains(folded))
                    result.separator = named.value(folded);
                else if (value.size() == 1)
                    result.separator = value[0];
            } else if (key == u"html") {
                result.html = value.compare(u"true", Qt::CaseInsensitive) == 0;
            }
        }
        bodyStart = end + 1;
    }
    result.records = parseDelimited(text.mid(bodyStart), result.separator);
    for (QStringList& r : result.records)
        for (QString& f : r)
            f = result.html ? stripHtml(f)
                            : f.remove(QRegularExpression(QStringLiteral(R"(\[sound:[^\]]*\])")));
    return result;
}

QString stripHtml(const QString& html) {
    static const QRegularExpression breaks(
        QStringLiteral(R"(<\s*(br|/?div|/?p|/?li|/?tr|/?td)\b[^>]*>)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tags(QStringLiteral(R"(<[^>]*>)"));
    static const QRegularExpression sounds(QStringLiteral(R"(\[sound:[^\]]*\])"));
    QString text = html;
    text.replace(breaks, QStringLiteral(" "));
    text.remove(tags);
    text.remove(sounds);
    static const QRegularExpression entity(
        QStringLiteral(R"(&(#[0-9]+|#[xX][0-9a-fA-F]+|[a-zA-Z]+);)"));
    static const QHash<QString, QString> named = {
        {QStringLiteral("amp"), QStringLiteral("&")},
        {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},
        {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")},
        {QStringLiteral("nbsp"), QStringLiteral(" ")},
    };
    QString out;
    out.reserve(text.size());
    qsizetype last = 0;
    for (auto it = entity.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(text).mid(last, m.capturedStart() - last);
        const QString name = m.captured(1);
        QString replacement = m.captured(0);
        if (name.startsWith(u'#')) {
            bool ok = false;
            const uint code = name.startsWith(u"#x", Qt::CaseInsensitive)
                                  ? name.mid(2).toUInt(&ok, 16)
                                  : name.mid(1).toUInt(&ok, 10);
            if (ok && code > 0 && code <= 0x10FFFF && !QChar::isSurrogate(code)) {
                const char32_t ch = code;
                replacement = QString::fromUcs4(&ch, 1);
            }
        } else if (named.contains(name)) {
            replacement = named.value(name);
        }
        out += replacement;
        last = m.capturedEnd();
    }
    out += QStringView(text).mid(last);
    return out;
}

QString KvtmlEntry::text(int identifier) const {
    for (const auto& [id, t] : texts)
        if (id == identifier)
            return t;
    return {};
}

QString KvtmlEntry::pronunciation(int identifier) const {
    for (const auto& [id, t] : pronunciations)
        if (id == identifier)
            return t;
    return {};
}

namespace {

int idAttribute(const QXmlStreamReader& xml) {
    bool ok = false;
    const int id = xml.attributes().value(QLatin1StringView("id")).toInt(&ok);
    return ok ? id : -1;
}

void readIdentifiers(QXmlStreamReader& xml, KvtmlDocument& doc) {
    while (xml.readNextStartElement()) {
        if (xml.name() != u"identifier") {
            xml.skipCurrentElement();
            continue;
        }
        KvtmlIdentifier identifier;
        identifier.id = idAttribute(xml);
        while (xml.readNextStartElement()) {
            if (xml.name() == u"name")
                identifier.name = xml.readElementText();
            else if (xml.name() == u"locale")
                identifier.locale = xml.readElementText().trimmed();
            else
                xml.skipCurrentElement();
        }
        doc.identifiers.push_back(identifier);
    }
}

void readEntries(QXmlStreamReader& xml, KvtmlDocument& doc) {
    while (xml.readNextStartElement()) {
        if (xml.name() != u"entry") {
            xml.skipCurrentElement();
            continue;
        }
        KvtmlEntry entry;
        entry.id = idAttribute(xml);
        while (xml.readNextStartElement()) {
            if (xml.name() != u"translation") {
                xml.skipCurrentElement();
                continue;
            }
            const int id = idAttribute(xml);
            while (xml.readNextStartElement()) {
                if (xml.name() == u"text")
                    entry.texts.emplace_back(
                        id, xml.readElementText(QXmlStreamReader::IncludeChildElements));
                else if (xml.name() == u"pronunciation")
                    entry.pronunciations.emplace_back(id, xml.readElementText());
                else
                    xml.skipCurrentElement();
            }
        }
        doc.entries.push_back(std::move(entry));
    }
}

// A container holds its name, its entries and nested containers; each becomes a lesson of its
// own, the parent before its children.
void readContainer(QXmlStreamReader& xml, KvtmlDocument& doc, int depth) {
    const size_t index = doc.lessons.size();
    doc.lessons.push_back({});
    while (xml.readNextStartElement()) {
        if (xml.name() == u"name") {
            doc.lessons[index].name = xml.readElementText();
        } else if (xml.name() == u"entry") {
            const int id = idAttribute(xml);
            if (id >= 0)
                doc.lessons[index].entries.push_back(id);
            xml.skipCurrentElement();
        } else if (xml.name() == u"container" && depth < 64) {
            readContainer(xml, doc, depth + 1);
        } else {
            xml.skipCurrentElement();
        }
    }
}

} // namespace

KvtmlResult parseKvtml(const QByteArray& content) {
    QXmlStreamReader xml(content);
    KvtmlDocument doc;
    if (!xml.readNextStartElement() || xml.name() != u"kvtml") {
        if (xml.hasError())
            return {std::nullopt,
                    QStringLiteral("строка %1: %2").arg(xml.lineNumber()).arg(xml.errorString())};
        return {std::nullopt, QStringLiteral("это не файл KVTML")};
    }
    if (!xml.attributes().value(QLatin1StringView("version")).startsWith(u"2"))
        return {std::nullopt,
                QStringLiteral("файл KVTML версии %1 не поддерживается")
                    .arg(xml.attributes().value(QLatin1StringView("version")).toString())};
    while (xml.readNextStartElement()) {
        if (xml.name() == u"information") {
            while (xml.readNextStartElement()) {
                if (xml.name() == u"title")
                    doc.title = xml.readElementText();
                else
                    xml.skipCurrentElement();
            }
        } else if (xml.name() == u"identifiers") {
            readIdentifiers(xml, doc);
        } else if (xml.name() == u"entries") {
            readEntries(xml, doc);
        } else if (xml.name() == u"lessons") {
            while (xml.readNextStartElement()) {
                if (xml.name() == u"container")
                    readContainer(xml, doc, 0);
                else
                    xml.skipCurrentElement();
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError())
        return {std::nullopt,
                QStringLiteral("строка %1: %2").arg(xml.lineNumber()).arg(xml.errorString())};
    return {std::move(doc), {}};
}

int englishIdentifier(const KvtmlDocument& doc) {
    auto isEnglish = [](const KvtmlIdentifier& i) {
        return i.locale.startsWith(u"en", Qt::CaseInsensitive) ||
               i.name.compare(u"English", Qt::CaseInsensitive) == 0 ||
               i.name.compare(u"английский", Qt::CaseInsensitive) == 0;
    };
    int found = -1;
    for (const KvtmlIdentifier& i : doc.identifiers) {
        if (!isEnglish(i))
            continue;
        if (found >= 0)
            return -1; // two English columns: the user decides
        found = i.id;
    }
    if (found < 0 || doc.identifiers.size() < 2)
        return -1;
    return found;
}

std::vector<RecordTexts> wordsFromKvtml(const KvtmlDocument& doc, int english, int translation) {
    std::vector<RecordTexts> words;
    words.reserve(doc.entries.size());
    for (const KvtmlEntry& e : doc.entries)
        words.push_back({e.text(english), e.pronunciation(english), e.text(translation)});
    return words;
}

} // namespace telvo
