#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace telvo::tools {

// bloknotik.txt: lines in Windows-1251, each ended by CR LF. The memo's text holds the same
// lines joined by '\n'.

// The memo text of a file's bytes. CR LF, a lone LF and a lone CR each end a line, as every
// editor that may have written the file reads them; the break after the last line adds none.
QString notepadTextOf(QByteArrayView fileBytes);

// The file's bytes for a memo text: every line followed by CR LF; no text, no bytes.
// Characters Windows-1251 has no byte for become '?'.
QByteArray notepadFileOf(const QString& memoText);

// The text of the notepad file; empty when there is none. A file that exists but cannot be
// read throws telvo::Failure: the notepad must not start empty and then write over it.
QString readNotepad(const QString& path);

// Replaces the file (or creates it) in one step: a crash leaves the old or the new notes.
// Throws telvo::Failure when it cannot be written; the old file then stays as it was.
void writeNotepad(const QString& path, const QString& memoText);

} // namespace telvo::tools
