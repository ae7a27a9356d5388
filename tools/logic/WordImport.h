#pragma once

#include "store/DictionaryEdits.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace telvo {

// Words brought in from the files of other vocabulary programs: KVTML 2, delimited text (CSV and
// the like) and the plain-text export of flash-card programs. Nothing here touches the data
// folder: the readers give rows of texts, the plan decides what becomes which record.

// Files larger than this are refused before they are read whole.
inline constexpr qint64 kImportFileLimit = 256LL * 1024 * 1024;

enum class ImportFormat { Kvtml, Delimited, FlashCardText };

// The format by content: XML with a kvtml root, text with "#separator:" / "#html:" header lines,
// anything else delimited text.
ImportFormat detectImportFormat(const QByteArray& content);

// The text of a file: UTF-8 with or without its byte-order mark when it is valid UTF-8, else
// Windows-1251 (the code page of Russian text files made on Windows).
QString decodeImportText(const QByteArray& content);

// ---- Delimited text ----

// Records of RFC 4180 text: fields split at `separator` outside double quotes, "" inside quotes
// is one quote, line breaks inside quotes belong to the field; CRLF, LF and CR end records.
// An empty last line adds no record.
std::vector<QStringList> parseDelimited(const QString& text, QChar separator);

// Tab, semicolon or comma: the one that splits the first records into the same number (> 1) of
// fields most often; tab wins ties, then semicolon.
QChar guessSeparator(const QString& text);

// Whether the first record looks like a row of column names rather than a word.
bool looksLikeHeader(const QStringList& record);

// Which column holds which text; -1 for none. English is required.
struct ColumnMapping {
    int english = 0;
    int transcription = -1;
    int translation = 1;
};
// A guess from the header when there is one ("English", "Перевод" ...), else English, then
// translation, and a third column as the transcription between them when there are three.
ColumnMapping guessMapping(const std::vector<QStringList>& records, bool header);

std::vector<RecordTexts> wordsFromRecords(const std::vector<QStringList>& records,
                                          const ColumnMapping& mapping, bool skipHeader);

// ---- Flash-card plain text ----

struct FlashCardText {
    QChar separator = u'\t';
    bool html = false;
    std::vector<QStringList> records; // header lines removed
};
FlashCardText parseFlashCardText(const QString& text);
// Tags removed (a line break or block element becomes a blank), entities decoded, sound
// references "[sound:…]" dropped.
QString stripHtml(const QString& html);

// ---- KVTML 2 ----

struct KvtmlIdentifier {
    int id = 0;
    QString name;
    QString locale;
};
struct KvtmlEntry {
    int id = 0;
    // Texts and pronunciations by identifier id.
    std::vector<std::pair<int, QString>> texts;
    std::vector<std::pair<int, QString>> pronunciations;
    QString text(int identifier) const;
    QString pronunciation(int identifier) const;
};
struct KvtmlLesson {
    QString name;
    std::vector<int> entries; // entry ids, in the lesson's order
};
struct KvtmlDocument {
    QString title;
    std::vector<KvtmlIdentifier> identifiers;
    std::vector<KvtmlEntry> entries;
    std::vector<KvtmlLesson> lessons; // nested lessons flattened, parents first
};
// Fails with the reader's message (line and what is wrong) for text that is not KVTML 2.
struct KvtmlResult {
    std::optional<KvtmlDocument> document;
    QString error;
};
KvtmlResult parseKvtml(const QByteArray& content);

// The identifier that holds the English words: the one whose locale is English while the other
// is not; -1 when that is unclear (then the user is asked).
int englishIdentifier(const KvtmlDocument& doc);
std::vector<RecordTexts> wordsFromKvtml(const KvtmlDocument& doc, int english, int translation);

} // namespace telvo
