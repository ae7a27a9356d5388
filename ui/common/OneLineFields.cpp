#include "ui/common/OneLineFields.h"

#include "store/TextRules.h"

#include <QLineEdit>

namespace telvo {

void blankControlCharacters(QLineEdit* field) {
    // textEdited comes from the user only (typing, pasting), never from setText.
    QObject::connect(field, &QLineEdit::textEdited, field, [field](const QString& text) {
        const QString blanked = controlsToBlanks(text);
        if (blanked == text)
            return;
        const int cursor = field->cursorPosition();
        field->setText(blanked);
        field->setCursorPosition(cursor);
    });
}

} // namespace telvo
