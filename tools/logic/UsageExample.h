#pragma once

#include "tools/logic/RichText.h"

#include <QByteArray>
#include <QString>

namespace telvo::tools {

// The usage examples of a word or idiom: one rich-text file in the sound folder, named after
// the text as sound files are (a '/' becomes '_', so the name never leaves the folder).

// The example file of `word` in `folder`: the existing one when there is one (letter case
// ignored, as for sound files), else the name a new one gets. Always a file directly inside
// `folder`.
QString usageExampleFile(const QString& folder, const QString& word);

// The example file's document; an empty document when there is no file. A file that exists
// but cannot be read throws telvo::Failure.
rtf::Document readUsageExample(const QString& path);

// Replaces (or creates) the file in one step, through a hidden companion beside it that no
// word's file can be named like. Throws telvo::Failure; the old file then stays.
void writeUsageExample(const QString& path, const rtf::Document& document);

// Deletes the file; a missing file is no error. Throws telvo::Failure when it stays.
void deleteUsageExample(const QString& path);

} // namespace telvo::tools
