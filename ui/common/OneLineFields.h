#pragma once

class QLineEdit;
class QWidget;

namespace telvo {

// A control character that reaches the field (a tab or a line break pasted with the text) is
// shown and kept as a blank at once, so that normalising the text then treats it as one.
void blankControlCharacters(QLineEdit* field);

// A number field named `name` that takes at most `maxDigits` digits; any other typed character
// is dropped.
QLineEdit* digitsField(QWidget* parent, const char* name, int maxDigits);

} // namespace telvo
