#include "ui/common/OneLineFields.h"

#include "store/TextRules.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

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

QLineEdit* digitsField(QWidget* parent, const char* name, int maxDigits) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromUtf8(name));
    field->setMaxLength(maxDigits);
    field->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(maxDigits)), field));
    return field;
}

} // namespace telvo
