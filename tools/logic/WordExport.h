#pragma once

#include "store/DictionaryEdits.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace telvo {

// Words taken out for other vocabulary programs.

// KVTML 2: identifier 0 English (locale "en", the transcription as its pronunciation),
// identifier 1 Russian (locale "ru"), one entry per word in the given order. UTF-8.
QByteArray writeKvtml(const std::vector<RecordTexts>& words, const QString& title);

// UTF-8 CSV (RFC 4180: CRLF, fields quoted where they hold a comma, a quote or a line break),
// with the header row English,Transcription,Translation.
QByteArray writeCsv(const std::vector<RecordTexts>& words);

} // namespace telvo
