#include "tools/windows/NotepadWindow.h"

#include "app/core/Failure.h"
#include "app/windows/Messages.h"
#include "tools/logic/Notepad.h"
#include "ui/common/ButtonKeys.h"
#include "ui/common/Dialogs.h"
#include "ui/common/Fonts.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>

namespace telvo {

namespace {

constexpr int kClientWidth = 607;
constexpr int kClientHeight = 252;
constexpr int kStripHeight = 41;

const char* const kClearQuestion = "Все содержимое болкнотика будет безвозвратно удалено. Вы "
                                   "действительно ходите удалить это содержимое?";
const char* const kNotSaved = "Записи блокнотика не сохранены: ";
const char* const kNotRead = "Не удалось открыть блокнотик: ";
const char* const kCloseAnyway = " Закрыть блокнотик без сохранения?";

} // namespace

TForma_bloknotik::TForma_bloknotik(Globalnye_peremennye_slovarya& g, QWidget* parent)
    : QDialog(parent), g_(g) {
    setObjectName(QStringLiteral("TForma_bloknotik"));
    setWindowTitle(QStringLiteral("Блокнотик для коротких записей"));
    setFixedSize(kClientWidth, kClientHeight);

    Oblast_vvoda_bloknotika = new QPlainTextEdit(this);
    Oblast_vvoda_bloknotika->setObjectName(QStringLiteral("Область_ввода_блокнотика"));
    Oblast_vvoda_bloknotika->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Oblast_vvoda_bloknotika->setFont(tahomaFont(10));
    Oblast_vvoda_bloknotika->setTabChangesFocus(true);

    Knopka_ochistit_vse = makeButton(this, "Кнопка_очистить_все", QStringLiteral("Очистить все"));
    Knopka_ochistit_vse->setFixedWidth(182);
    Knopka_zakryt = makeButton(this, "Кнопка_закрыть", QStringLiteral("Закрыть"));
    Knopka_zakryt->setFixedWidth(242);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 0);
    layout->setSpacing(0);
    layout->addWidget(Oblast_vvoda_bloknotika, 1);
    auto* strip = new QWidget(this);
    strip->setFixedHeight(kStripHeight);
    auto* buttons = new QHBoxLayout(strip);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addWidget(Knopka_ochistit_vse);
    buttons->addStretch();
    buttons->addWidget(Knopka_zakryt);
    layout->addWidget(strip);

    enterPressesFocusedButton(this);
    connect(Oblast_vvoda_bloknotika, &QPlainTextEdit::textChanged, this, [this] {
        if (!loading_)
            Bloknot_izmenen_ = true;
    });
    connect(Knopka_ochistit_vse, &QPushButton::clicked, this, [this] { clearAll(); });
    connect(Knopka_zakryt, &QPushButton::clicked, this, &QDialog::reject);
}

void TForma_bloknotik::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnOwner(this);
    loading_ = true;
    try {
        Oblast_vvoda_bloknotika->setPlainText(tools::readNotepad(g_.puti.bloknotik));
    } catch (const Failure& failure) {
        loading_ = false;
        loaded_ = false;
        Oblast_vvoda_bloknotika->setReadOnly(true);
        const QString text = QString::fromUtf8(kNotRead) + failure.text();
        // After the window is up, so the message has it as its owner; then it closes untouched.
        QTimer::singleShot(0, this, [this, text] {
            showError(g_, text);
            QDialog::done(Rejected);
        });
        return;
    }
    loading_ = false;
    Bloknot_izmenen_ = false;
    QTextCursor caret(Oblast_vvoda_bloknotika->document()->lastBlock());
    Oblast_vvoda_bloknotika->setTextCursor(caret);
    Oblast_vvoda_bloknotika->setFocus();
}

void TForma_bloknotik::clearAll() {
    if (askQuestion(g_, QString::fromUtf8(kClearQuestion))) {
        Oblast_vvoda_bloknotika->clear();
        // Also when it was empty already: the answer asks for an empty file.
        Bloknot_izmenen_ = true;
    }
    Oblast_vvoda_bloknotika->setFocus();
}

void TForma_bloknotik::done(int result) {
    if (loaded_ && Bloknot_izmenen_) {
        try {
            tools::writeNotepad(g_.puti.bloknotik, Oblast_vvoda_bloknotika->toPlainText());
        } catch (const Failure& failure) {
            const bool closeAnyway = askQuestion(g_, QString::fromUtf8(kNotSaved) + failure.text() +
                                                         QString::fromUtf8(kCloseAnyway));
            Oblast_vvoda_bloknotika->setFocus();
            if (!closeAnyway)
                return;
        }
        Bloknot_izmenen_ = false;
    }
    QDialog::done(result);
}

} // namespace telvo
