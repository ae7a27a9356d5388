#pragma once

#include "tools/logic/RichText.h"

#include <QString>

class QTextDocument;

namespace telvo {

// The rich-text document of a file shown in an editor and back. Fonts and colours of the
// file's tables are kept: text keeps its font and colour, new ones join the tables.

// Replaces the content of `target` by `source`.
void fillTextDocument(QTextDocument& target, const rtf::Document& source);

// The content of `source` as a rich-text document whose tables start with those of `tables`.
// Text without a font of its own gets the document's default font.
rtf::Document richTextOf(const QTextDocument& source, const rtf::Document& tables = {});

} // namespace telvo
