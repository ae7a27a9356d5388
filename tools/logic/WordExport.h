#pragma once

#include "app/core/Globals.h"
#include "store/DictionaryEdits.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace telvo {

// Words taken out for other vocabulary programs.

enum class ExportSource {
    Dictionary, // every record
    Range,      // the records of the exercise range
    Forgotten,  // the records marked forgotten
};

// The texts of the records `source` names, oldest first.
std::vector<RecordTexts> wordsToExport(const Globalnye_peremennye_slovarya& g, ExportSource source);

// KVTML 2: identifier 0 English (locale "en", the transcription as its pronunciation),
// identifier 1 Russian (locale "ru"), one entry per word in the given order. UTF-8.
QByteArray writeKvtml(const std::vector<RecordTexts>& words, const QString& title);

// UTF-8 CSV (RFC 4180: CRLF, fields quoted where they hold a comma, a quote or a line break),
// with the header row English,Transcription,Translation.
QByteArray writeCsv(const std::vector<RecordTexts>& words);

} // namespace telvo
