#pragma once

class QLineEdit;

namespace telvo {

// A control character that reaches the field (a tab or a line break pasted with the text) is
// shown and kept as a blank at once, so that normalising the text then treats it as one.
void blankControlCharacters(QLineEdit* field);

} // namespace telvo
