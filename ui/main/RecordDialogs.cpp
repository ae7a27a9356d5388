#include "ui/main/RecordDialogs.h"

#include "app/windows/Messages.h"
#include "store/RecordKind.h"
#include "store/TextRules.h"
#include "ui/common/Fonts.h"
#include "ui/main/TMainForm.h"

#include <QDate>
#include <QLineEdit>

namespace telvo {

namespace {

RecordTextsLook wordLook(Globalnye_peremennye_slovarya& g) {
    return {
        {
            {"Текст_английского_слова", "Английское слово:", kWordLayout.textMax,
             tahomaFont(11, true), 27, "Поле с английским словом"},
            {"Текст_транскрипции", "Транскрипция:", kWordLayout.transcriptionMax, tahomaFont(11),
             27, "Поле с транскрипцией"},
            {"Текст_перевода", "Перевод:", kWordLayout.translationMax, tahomaFont(8), 23,
             "Поле с переводом"},
        },
        112,
        12,
        false,
        "flagPicture",
        28,
        false,
        [&g](const QString& text) { return Proverka_novogo_slova_na_sovpadenie(g, text); },
    };
}

const QString kDuplicateQuestion =
    QStringLiteral("Вводимое словое уже занесено в словарь! Нужно перейти к этому слову?");

RecordTexts wordTexts(const RecordFields& f) {
    return {f.text, f.transcription, f.translation};
}

} // namespace

RecordTableAccess mainTableAccess(Globalnye_peremennye_slovarya& g, TMainForm& mainForm) {
    TMainForm* form = &mainForm;
    return {
        [form](int row) { form->selectRow(row); },
        [form] {
            form->Vyvod_soderzhaniya_vsey_tablitsy();
            form->Otobrazit_soderzhimoe_paneli_sostoyaniya();
        },
        [form](int row) { form->selectRow(row, row); },
        [form](const QString& text) { form->selectEnglishWord(text); },
        [&g](const QString& text) { showMessage(g, text); },
        [&g](const QString& text) { showError(g, text); },
        [&g](const QString& text) { return askQuestion(g, text); },
    };
}

// ---- Add ------------------------------------------------------------------------------------

TForma_dobavit::TForma_dobavit(Globalnye_peremennye_slovarya& g, TMainForm& mainForm)
    : RecordTextsDialog(g, mainTableAccess(g, mainForm), &mainForm, wordLook(g),
                        {"TForma_dobavit", QStringLiteral("Добавить слово или текст"),
                         QSize(663, 175), 14, QStringLiteral("Добавить"), "Кнопка_добавить"}) {}

void TForma_dobavit::showEvent(QShowEvent* event) {
    RecordTextsDialog::showEvent(event);
    clearTexts();
    g_.Slovo_dobavleno = false;
    textField()->setFocus();
}

void TForma_dobavit::store() {
    const RecordFields texts = normalisedTexts();
    if (refused(texts, QStringLiteral("Поле с английским словом (текстом) не может быть пустым!"),
                kDuplicateQuestion))
        return;
    addRecord(g_, wordTexts(texts), QDate::currentDate());
    accept();
}

// ---- Insert ---------------------------------------------------------------------------------

TForma_vstavit::TForma_vstavit(Globalnye_peremennye_slovarya& g, TMainForm& mainForm)
    : RecordInsertDialog(g, mainTableAccess(g, mainForm), &mainForm, wordLook(g),
                         {"TForma_vstavit", QStringLiteral("Вставить слово или текст"),
                          QSize(653, 245), 40, QStringLiteral("Вставить"), "Кнопка_вставить"},
                         {QRect(12, 10, 500, 20), true, QRect(128, 146, 280, 64), true,
                          QStringLiteral("Вставить за выбранным словом"),
                          QStringLiteral("Вставить перед выбранным словом"),
                          &DictionaryState::Nomer_tekushchey_zapisi}) {}

void TForma_vstavit::showEvent(QShowEvent* event) {
    RecordInsertDialog::showEvent(event);
    g_.Slovo_vstavleno = false;
}

void TForma_vstavit::store() {
    const RecordFields texts = normalisedTexts();
    if (refused(texts, QStringLiteral("Поле с английским словом не может быть пустым!"),
                kDuplicateQuestion))
        return;
    insertRecord(g_, insertPlace(g_.Nomer_tekushchey_zapisi), wordTexts(texts),
                 QDate::currentDate());
    accept();
}

// ---- Edit -----------------------------------------------------------------------------------

TForma_izmenit::TForma_izmenit(Globalnye_peremennye_slovarya& g, TMainForm& mainForm)
    : RecordTextsDialog(g, mainTableAccess(g, mainForm), &mainForm, wordLook(g),
                        {"TForma_izmenit", QStringLiteral("Изменить слово или текст"),
                         QSize(663, 176), 14, QStringLiteral("Изменить"), "Кнопка_изменить"}) {}

void TForma_izmenit::showEvent(QShowEvent* event) {
    RecordTextsDialog::showEvent(event);
    const QByteArray bytes = kWordKind.recordFile(g_).read(g_.Nomer_tekushchey_zapisi - 1);
    showTexts(recordTexts(kWordLayout, bytes.constData()));
    fields[1]->setFocus();
}

void TForma_izmenit::store() {
    const RecordFields texts = normalisedTexts();
    if (refused(texts, QStringLiteral("Поле с английским словом (текстом) не может быть пустым!"),
                kDuplicateQuestion))
        return;
    stored_ = editRecord(g_, g_.Nomer_tekushchey_zapisi, wordTexts(texts));
    accept();
}

// ---- Delete ---------------------------------------------------------------------------------

TForma_udalit_zapis::TForma_udalit_zapis(Globalnye_peremennye_slovarya& g, QWidget* parent)
    : RecordDeleteDialog(parent, {
                                     "TForma_udalit_zapis",
                                     QStringLiteral("Удаление записи из словаря"),
                                     QPoint(16, 18),
                                     false,
                                     "Надпись_удаляемая_запись",
                                     9,
                                     QRect(100, 18, 420, 24),
                                     QSize(110, 28),
                                     8,
                                     QStringLiteral("Номер удаляемой записи: "),
                                     false,
                                     [&g] { return g.Nomer_tekushchey_zapisi; },
                                     {},
                                     [&g] { deleteRecord(g, g.Nomer_tekushchey_zapisi); },
                                 }) {}

} // namespace telvo
