#include "ui/main/RecordDialogs.h"

#include "app/windows/Messages.h"
#include "store/RecordFile.h"
#include "store/Records.h"
#include "store/TextRules.h"
#include "ui/common/ButtonKeys.h"
#include "ui/common/FlagIndicator.h"
#include "ui/common/Fonts.h"
#include "ui/common/OneLineFields.h"
#include "ui/main/TMainForm.h"

#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace telvo {

namespace {

const QString kDuplicateQuestion =
    QStringLiteral("Вводимое словое уже занесено в словарь! Нужно перейти к этому слову?");

void fixDialogFrame(QDialog* dialog, QSize client) {
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    dialog->setFixedSize(client);
}

} // namespace

// ---- Shared part ----------------------------------------------------------------------------

RecordTextsDialog::RecordTextsDialog(Globalnye_peremennye_slovarya& g, TMainForm& mainForm,
                                     const char* className, const QString& title, QSize client,
                                     int fieldsTop, const QString& defaultCaption,
                                     const char* defaultName)
    : QDialog(&mainForm), g_(g), mainForm_(mainForm) {
    setObjectName(QString::fromUtf8(className));
    setWindowTitle(title);
    setFont(tahomaFont(8));
    fixDialogFrame(this, client);

    struct Field {
        QLineEdit** edit;
        const char* name;
        const char* label;
        int maxLength;
        QFont font;
        int height;
    };
    const Field fields[] = {
        {&Tekst_angliyskogo_slova, "Текст_английского_слова", "Английское слово:", 45,
         tahomaFont(11, true), 27},
        {&Tekst_transkriptsii, "Текст_транскрипции", "Транскрипция:", 50, tahomaFont(11), 27},
        {&Tekst_perevoda, "Текст_перевода", "Перевод:", 60, tahomaFont(8), 23},
    };
    int top = fieldsTop;
    for (const Field& f : fields) {
        auto* label = new QLabel(QString::fromUtf8(f.label), this);
        label->setGeometry(12, top, 112, f.height);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromUtf8(f.name));
        edit->setFont(f.font);
        edit->setMaxLength(f.maxLength);
        edit->setGeometry(128, top, client.width() - 128 - 12, f.height);
        blankControlCharacters(edit);
        label->setBuddy(edit);
        *f.edit = edit;
        top += f.height + 9;
    }

    flagPicture = new FlagIndicator(250, this);
    flagPicture->setObjectName(QStringLiteral("flagPicture"));
    flagPicture->setGeometry(12, client.height() - 12 - 32, 32, 32);

    defaultButton = new QPushButton(defaultCaption, this);
    defaultButton->setObjectName(QString::fromUtf8(defaultName));
    defaultButton->setDefault(true);
    Knopka_zakryt = new QPushButton(QStringLiteral("Закрыть"), this);
    Knopka_zakryt->setObjectName(QStringLiteral("Кнопка_закрыть"));
    placeButtons(client);
    connect(defaultButton, &QPushButton::clicked, this, [this] { store(); });
    connect(Knopka_zakryt, &QPushButton::clicked, this, &QDialog::reject);
    enterPressesFocusedButton(this);
}

void RecordTextsDialog::placeButtons(QSize client) {
    const int y = client.height() - 12 - 28;
    Knopka_zakryt->setGeometry(client.width() - 12 - 100, y, 100, 28);
    defaultButton->setGeometry(client.width() - 12 - 100 - 8 - 100, y, 100, 28);
}

RecordTexts RecordTextsDialog::normalisedTexts() const {
    // However a control character got into a field, it counts as a blank.
    auto normalised = [](const QLineEdit* field) {
        return normalizeField(controlsToBlanks(field->text()));
    };
    return {normalised(Tekst_angliyskogo_slova), normalised(Tekst_transkriptsii),
            normalised(Tekst_perevoda)};
}

bool RecordTextsDialog::refused(const RecordTexts& texts, const QString& emptyText) {
    if (texts.Angliyskoe_slovo.isEmpty()) {
        showMessage(g_, emptyText);
        Tekst_angliyskogo_slova->setFocus();
        return true;
    }
    // Before the duplicate check, which compares what storing would write: "日本" and "中国"
    // would both be "??".
    const struct {
        const QString& text;
        QLineEdit* field;
        const char* name;
    } fields[] = {
        {texts.Angliyskoe_slovo, Tekst_angliyskogo_slova, "Поле с английским словом"},
        {texts.Transkriptsiya, Tekst_transkriptsii, "Поле с транскрипцией"},
        {texts.Perevod, Tekst_perevoda, "Поле с переводом"},
    };
    for (const auto& f : fields) {
        const QString refusal = unstorableCharactersRefusal(QString::fromUtf8(f.name), f.text);
        if (!refusal.isEmpty()) {
            showMessage(g_, refusal);
            f.field->setFocus();
            return true;
        }
    }
    if (Proverka_novogo_slova_na_sovpadenie(g_, texts.Angliyskoe_slovo)) {
        if (askQuestion(g_, kDuplicateQuestion)) {
            mainForm_.selectEnglishWord(texts.Angliyskoe_slovo);
            reject();
        } else {
            Tekst_angliyskogo_slova->setFocus();
        }
        return true;
    }
    return false;
}

// ---- Add ------------------------------------------------------------------------------------

TForma_dobavit::TForma_dobavit(Globalnye_peremennye_slovarya& g, TMainForm& mainForm)
    : RecordTextsDialog(g, mainForm, "TForma_dobavit", QStringLiteral("Добавить слово или текст"),
                        QSize(663, 175), 14, QStringLiteral("Добавить"), "Кнопка_добавить") {}

void TForma_dobavit::showEvent(QShowEvent* event) {
    RecordTextsDialog::showEvent(event);
    Tekst_angliyskogo_slova->clear();
    Tekst_transkriptsii->clear();
    Tekst_perevoda->clear();
    g_.Slovo_dobavleno = false;
    Tekst_angliyskogo_slova->setFocus();
}

void TForma_dobavit::store() {
    const RecordTexts texts = normalisedTexts();
    if (refused(texts, QStringLiteral("Поле с английским словом (текстом) не может быть пустым!")))
        return;
    addRecord(g_, texts, QDate::currentDate());
    accept();
}

// ---- Insert ---------------------------------------------------------------------------------

TForma_vstavit::TForma_vstavit(Globalnye_peremennye_slovarya& g, TMainForm& mainForm)
    : RecordTextsDialog(g, mainForm, "TForma_vstavit", QStringLiteral("Вставить слово или текст"),
                        QSize(653, 245), 40, QStringLiteral("Вставить"), "Кнопка_вставить") {
    Nadpis_nomer_vybrannogo_slova = new QLabel(this);
    Nadpis_nomer_vybrannogo_slova->setObjectName(QStringLiteral("Надпись_номер_выбранного_слова"));
    Nadpis_nomer_vybrannogo_slova->setGeometry(12, 10, 500, 20);
    Nadpis_nomer_vybrannogo_slova->setFont(tahomaFont(8, true));

    auto* group = new QGroupBox(QStringLiteral("Выбор позиции вставки"), this);
    group->setObjectName(QStringLiteral("Выбор_позиции_вставки"));
    group->setGeometry(128, 146, 280, 64);
    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(10, 4, 10, 4);
    column->setSpacing(2);
    after = new QRadioButton(QStringLiteral("Вставить за выбранным словом"), group);
    before = new QRadioButton(QStringLiteral("Вставить перед выбранным словом"), group);
    column->addWidget(after);
    column->addWidget(before);
    for (QRadioButton* choice : {after, before})
        connect(choice, &QRadioButton::clicked, this,
                [this] { Tekst_angliyskogo_slova->setFocus(); });
}

bool TForma_vstavit::insertsAfter() const {
    return !before->isChecked();
}

void TForma_vstavit::showEvent(QShowEvent* event) {
    RecordTextsDialog::showEvent(event);
    Nadpis_nomer_vybrannogo_slova->setText(
        QStringLiteral("Номер слова за/перед которым вставка: ") +
        QString::number(g_.Nomer_tekushchey_zapisi));
    after->setChecked(true);
    Tekst_angliyskogo_slova->clear();
    Tekst_transkriptsii->clear();
    Tekst_perevoda->clear();
    g_.Slovo_vstavleno = false;
    Tekst_angliyskogo_slova->setFocus();
}

void TForma_vstavit::store() {
    const RecordTexts texts = normalisedTexts();
    if (refused(texts, QStringLiteral("Поле с английским словом не может быть пустым!")))
        return;
    const int32_t n = g_.Nomer_tekushchey_zapisi;
    insertRecord(g_, insertsAfter() ? n - 1 : n, texts, QDate::currentDate());
    accept();
}

// ---- Edit -----------------------------------------------------------------------------------

TForma_izmenit::TForma_izmenit(Globalnye_peremennye_slovarya& g, TMainForm& mainForm)
    : RecordTextsDialog(g, mainForm, "TForma_izmenit", QStringLiteral("Изменить слово или текст"),
                        QSize(663, 176), 14, QStringLiteral("Изменить"), "Кнопка_изменить") {}

void TForma_izmenit::showEvent(QShowEvent* event) {
    RecordTextsDialog::showEvent(event);
    const QByteArray bytes =
        RecordFile(g_.puti.vocabulary, DictRecord::kSize).read(g_.Nomer_tekushchey_zapisi - 1);
    const DictRecord record = DictRecord::decode(bytes.constData());
    Tekst_angliyskogo_slova->setText(record.Angliyskoe_slovo);
    Tekst_transkriptsii->setText(record.Transkriptsiya);
    Tekst_perevoda->setText(record.Perevod);
    Tekst_transkriptsii->setFocus();
}

void TForma_izmenit::store() {
    const RecordTexts texts = normalisedTexts();
    if (refused(texts, QStringLiteral("Поле с английским словом (текстом) не может быть пустым!")))
        return;
    stored_ = editRecord(g_, g_.Nomer_tekushchey_zapisi, texts);
    accept();
}

// ---- Delete ---------------------------------------------------------------------------------

TForma_udalit_zapis::TForma_udalit_zapis(Globalnye_peremennye_slovarya& g, QWidget* parent)
    : QDialog(parent), g_(g) {
    setObjectName(QStringLiteral("TForma_udalit_zapis"));
    setWindowTitle(QStringLiteral("Удаление записи из словаря"));
    setFont(tahomaFont(8));
    fixDialogFrame(this, QSize(537, 101));

    auto* picture = new QLabel(this);
    picture->setGeometry(16, 18, 64, 64);
    picture->setPixmap(QPixmap(QStringLiteral(":/images/delete.png")));

    Nadpis_udalyaemaya_zapis = new QLabel(this);
    Nadpis_udalyaemaya_zapis->setObjectName(QStringLiteral("Надпись_удаляемая_запись"));
    Nadpis_udalyaemaya_zapis->setFont(tahomaFont(9, true));
    Nadpis_udalyaemaya_zapis->setGeometry(100, 18, 420, 24);

    Knopka_da = new QPushButton(QStringLiteral("Да"), this);
    Knopka_da->setObjectName(QStringLiteral("Кнопка_да"));
    Knopka_da->setGeometry(537 - 12 - 110 - 8 - 110, 101 - 12 - 28, 110, 28);
    Knopka_net = new QPushButton(QStringLiteral("Нет"), this);
    Knopka_net->setObjectName(QStringLiteral("Кнопка_нет"));
    Knopka_net->setGeometry(537 - 12 - 110, 101 - 12 - 28, 110, 28);

    connect(Knopka_da, &QPushButton::clicked, this, [this] {
        deleteRecord(g_, g_.Nomer_tekushchey_zapisi);
        accept();
    });
    connect(Knopka_net, &QPushButton::clicked, this, &QDialog::reject);
    enterPressesFocusedButton(this);
}

void TForma_udalit_zapis::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Nadpis_udalyaemaya_zapis->setText(QStringLiteral("Номер удаляемой записи: ") +
                                      QString::number(g_.Nomer_tekushchey_zapisi));
    Knopka_net->setFocus();
}

} // namespace telvo
