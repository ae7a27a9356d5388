#include "idioms/windows/IdiomDialogs.h"

#include "app/windows/Messages.h"
#include "idioms/logic/IdiomMarks.h"
#include "store/Range.h"
#include "store/TextRules.h"
#include "ui/common/ButtonKeys.h"
#include "ui/common/Dialogs.h"
#include "ui/common/FlagIndicator.h"
#include "ui/common/Fonts.h"
#include "ui/common/OneLineFields.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace telvo {

namespace {

// Fixed dialog border of the given client size, Tahoma 8 pt, the class name as objectName.
void frame(QDialog* d, const char* className, const char* title, QSize client) {
    d->setObjectName(QString::fromUtf8(className));
    d->setWindowTitle(QString::fromUtf8(title));
    d->setFont(tahomaFont(8));
    d->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                      Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                      Qt::MSWindowsFixedSizeDialogHint);
    d->setFixedSize(client);
}

QLabel* label(QWidget* parent, const QString& text, QRect at) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(at);
    return l;
}

// "Закрыть" and the default button at the bottom right.
QPushButton* closeButton(QDialog* d, QSize client) {
    QPushButton* b =
        makeButton(d, "Кнопка_закрыть", QStringLiteral("Закрыть"),
                   QRect(client.width() - 12 - 100, client.height() - 12 - 27, 100, 27));
    QObject::connect(b, &QPushButton::clicked, d, &QDialog::reject);
    return b;
}

QPushButton* actionButton(QDialog* d, QSize client, const char* name, const char* text,
                          int width = 130) {
    QPushButton* b = makeButton(
        d, name, QString::fromUtf8(text),
        QRect(client.width() - 12 - 100 - 8 - width, client.height() - 12 - 27, width, 27));
    b->setDefault(true);
    return b;
}

} // namespace

// ---- Add, insert, edit ------------------------------------------------------------------------

IdiomTextsDialog::IdiomTextsDialog(Globalnye_peremennye_slovarya& g, IdiomTableAccess table,
                                   QWidget* parent, const char* className, const char* title,
                                   QSize client, int fieldsTop, const char* textLabel,
                                   const char* translationLabel, const char* buttonName,
                                   const char* buttonText)
    : QDialog(parent), g_(g), table_(std::move(table)) {
    frame(this, className, title, client);
    struct Field {
        QLineEdit** edit;
        const char* name;
        const char* label;
        int maxLength;
        QFont font;
    };
    const Field fields[] = {
        {&Pole_vvoda_angliyskogo_teksta, "Поле_ввода_английского_текста", textLabel,
         IdiomRecord::kTextMax, tahomaFont(10, true)},
        {&Pole_vvoda_perevoda, "Поле_ввода_перевода", translationLabel,
         IdiomRecord::kTranslationMax, tahomaFont(9)},
    };
    int top = fieldsTop;
    for (const Field& f : fields) {
        QLabel* l = label(this, QString::fromUtf8(f.label), QRect(12, top, 130, 25));
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromUtf8(f.name));
        edit->setFont(f.font);
        edit->setMaxLength(f.maxLength);
        edit->setGeometry(146, top, client.width() - 146 - 56, 25);
        blankControlCharacters(edit);
        l->setBuddy(edit);
        *f.edit = edit;
        top += 34;
    }
    flagPicture = new FlagIndicator(250, this);
    flagPicture->setObjectName(QStringLiteral("Рисунок_формы_добавить_идиому"));
    flagPicture->setGeometry(client.width() - 44, fieldsTop, 32, 32);
    storeButton = actionButton(this, client, buttonName, buttonText, 100);
    Knopka_zakryt = closeButton(this, client);
    connect(storeButton, &QPushButton::clicked, this, [this] { store(); });
    enterPressesFocusedButton(this);
}

IdiomTexts IdiomTextsDialog::normalisedTexts() const {
    return {normalizeField(Pole_vvoda_angliyskogo_teksta->text()),
            normalizeField(Pole_vvoda_perevoda->text())};
}

void IdiomTextsDialog::focusText() {
    Pole_vvoda_angliyskogo_teksta->setFocus(Qt::OtherFocusReason);
}

bool IdiomTextsDialog::refused(const IdiomTexts& texts, const char* emptyText,
                               const char* duplicateQuestion) {
    if (texts.Idioma.isEmpty()) {
        showMessage(g_, QString::fromUtf8(emptyText));
        focusText();
        return true;
    }
    // Characters the file's code page cannot hold would be stored as something else.
    for (const auto& [field, text] : {std::pair{"Поле с текстом идиомы", texts.Idioma},
                                      std::pair{"Поле с переводом", texts.Perevod}}) {
        const QString refusal = unstorableCharactersRefusal(QString::fromUtf8(field), text);
        if (!refusal.isEmpty()) {
            showMessage(g_, refusal);
            focusText();
            return true;
        }
    }
    if (Proverka_na_sovpadenie_novoy_idiomy(g_, texts.Idioma)) {
        if (askQuestion(g_, QString::fromUtf8(duplicateQuestion))) {
            const SearchResult found = Poisk_angliyskoy_idiomy(g_, texts.Idioma);
            if (found.status == SearchStatus::Found)
                table_.selectRow(found.row);
            else
                showMessage(g_, found.message);
            reject();
        } else {
            focusText();
        }
        return true;
    }
    return false;
}

TForma_dobavit_idiomu::TForma_dobavit_idiomu(Globalnye_peremennye_slovarya& g,
                                             IdiomTableAccess table, QWidget* parent)
    : IdiomTextsDialog(g, std::move(table), parent, "TForma_dobavit_idiomu",
                       "Добавить идиому или фразовый глагол", QSize(818, 148), 16,
                       "Текст идиомы:", "Пперевод:", "Кнопка_добавить", "Добавить") {}

void TForma_dobavit_idiomu::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnOwner(this);
    Pole_vvoda_angliyskogo_teksta->clear();
    Pole_vvoda_perevoda->clear();
    g_.Idioma_dobavlena = false;
    focusText();
}

void TForma_dobavit_idiomu::store() {
    const IdiomTexts texts = normalisedTexts();
    if (refused(texts, "Поле с текстом идиомы (фразового глагола) не может быть пустым!",
                "Добавляемая идиома уже занесена в словарь! Нужно перейти к этой идиоме?"))
        return;
    addIdiom(g_, texts, QDate::currentDate());
    accept();
}

TForma_vstavit_idiomu::TForma_vstavit_idiomu(Globalnye_peremennye_slovarya& g,
                                             IdiomTableAccess table, QWidget* parent)
    : IdiomTextsDialog(g, std::move(table), parent, "TForma_vstavit_idiomu",
                       "Вставить идиому или фразовый глагол", QSize(875, 216), 86,
                       "Английская идиома:", "Перевод:", "Кнопка_вставить", "Вставить") {
    Nadpis_nomer_vybrannogo_slova = label(this, {}, QRect(12, 10, 400, 20));
    Nadpis_nomer_vybrannogo_slova->setObjectName(QStringLiteral("Надпись_номер_выбранного_слова"));
    auto* group = new QGroupBox(QStringLiteral("Выбор позиции вставки"), this);
    group->setObjectName(QStringLiteral("Выбор_позиции_вставки"));
    group->setGeometry(430, 4, 420, 74);
    auto* box = new QVBoxLayout(group);
    after = new QRadioButton(QStringLiteral("Вставить за выбранной идиомой"), group);
    before = new QRadioButton(QStringLiteral("Вставить перед выбранной идиомой"), group);
    box->addWidget(after);
    box->addWidget(before);
    for (QRadioButton* b : {after, before})
        connect(b, &QRadioButton::clicked, this, [this] { focusText(); });
}

bool TForma_vstavit_idiomu::insertsAfter() const {
    return after->isChecked();
}

void TForma_vstavit_idiomu::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnOwner(this);
    Nadpis_nomer_vybrannogo_slova->setText(
        QStringLiteral("Номер слова за/перед которым вставка: %1").arg(g_.Nomer_tekushchey_idiomy));
    after->setChecked(true);
    Pole_vvoda_angliyskogo_teksta->clear();
    Pole_vvoda_perevoda->clear();
    g_.Idioma_vstavlena = false;
    focusText();
}

void TForma_vstavit_idiomu::store() {
    const IdiomTexts texts = normalisedTexts();
    if (refused(texts, "Поле с английской идиомой не может быть пустым!",
                "Вставляемая идиома уже занесена в словарь! Нужно перейти к этой идиоме?"))
        return;
    const int32_t n = g_.Nomer_tekushchey_idiomy;
    insertIdiom(g_, insertsAfter() ? n - 1 : n, texts, QDate::currentDate());
    accept();
}

TForma_izmenit_idiomu::TForma_izmenit_idiomu(Globalnye_peremennye_slovarya& g,
                                             IdiomTableAccess table, QWidget* parent)
    : IdiomTextsDialog(g, std::move(table), parent, "TForma_izmenit_idiomu",
                       "Изменить идиому или фразовый глагол", QSize(818, 148), 16,
                       "Текст идиомы:", "Пперевод:", "Кнопка_изменить", "Изменить") {}

void TForma_izmenit_idiomu::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnOwner(this);
    const IdiomRecord r = readIdiom(g_, g_.Nomer_tekushchey_idiomy);
    Pole_vvoda_angliyskogo_teksta->setText(r.Idioma);
    Pole_vvoda_perevoda->setText(r.Perevod);
    focusText();
}

void TForma_izmenit_idiomu::store() {
    const IdiomTexts texts = normalisedTexts();
    if (refused(texts, "Поле с английской идиомой (текстом) не может быть пустым!",
                "Вводимая идиома уже занесена в словарь! Нужно перейти к этой идиоме?"))
        return;
    editIdiom(g_, g_.Nomer_tekushchey_idiomy, texts);
    accept();
}

// ---- Delete -----------------------------------------------------------------------------------

TForma_udalit_idiomu::TForma_udalit_idiomu(Globalnye_peremennye_slovarya& g, QWidget* parent)
    : QDialog(parent), g_(g) {
    const QSize client(537, 101);
    frame(this, "TForma_udalit_idiomu", "Удалить идиому или фразовый глагол", client);
    auto* picture = new QLabel(this);
    picture->setGeometry(12, 18, 64, 64);
    picture->setPixmap(QPixmap(QStringLiteral(":/images/delete.png"))
                           .scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    Nadpis_udalyaemaya_idioma = label(this, {}, QRect(92, 18, 430, 24));
    Nadpis_udalyaemaya_idioma->setObjectName(QStringLiteral("Надпись_удаляемая_идиома"));
    Nadpis_udalyaemaya_idioma->setFont(tahomaFont(10, true));
    Knopka_da = makeButton(this, "Кнопка_да", QStringLiteral("Да"), QRect(318, 62, 100, 27));
    Knopka_net = makeButton(this, "Кнопка_нет", QStringLiteral("Нет"), QRect(425, 62, 100, 27));
    connect(Knopka_net, &QPushButton::clicked, this, &QDialog::reject);
    connect(Knopka_da, &QPushButton::clicked, this, [this] {
        deleteIdiom(g_, g_.Nomer_tekushchey_idiomy);
        accept();
    });
    enterPressesFocusedButton(this);
}

void TForma_udalit_idiomu::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnOwner(this);
    g_.Idioma_udalena = false;
    Nadpis_udalyaemaya_idioma->setText(
        QStringLiteral("Номер удаляемой идиомы: %1").arg(g_.Nomer_tekushchey_idiomy));
    Knopka_net->setFocus(Qt::OtherFocusReason);
}

// ---- Range ------------------------------------------------------------------------------------

TForma_diapazon_v_idiomah::TForma_diapazon_v_idiomah(Globalnye_peremennye_slovarya& g,
                                                     QWidget* parent)
    : QDialog(parent), g_(g) {
    const QSize client(537, 202);
    frame(this, "TForma_diapazon_v_idiomah", "Диапазон идиом (фразовых глаголов) в упражнениях",
          client);
    label(this, QStringLiteral("Начальный номер диапазона идиом:"), QRect(16, 20, 250, 24));
    label(this, QStringLiteral("Конечный номер диапазона идиом:"), QRect(16, 58, 250, 24));
    // Five digits, as the word range: a longer number could not be converted.
    Pole_vvoda_nachalnogo_nomera = digitsField(this, "Поле_ввода_начального_номера", 5);
    Pole_vvoda_nachalnogo_nomera->setGeometry(270, 20, 90, 24);
    Pole_vvoda_konechnogo_nomera = digitsField(this, "Поле_ввода_конечного_номера", 5);
    Pole_vvoda_konechnogo_nomera->setGeometry(270, 58, 90, 24);
    Knopka_do_kontsa =
        makeButton(this, "Кнопка_до_конца", QStringLiteral("До конца"), QRect(372, 57, 100, 26));
    Vklyuchatel_vsego_diapazona_idiom =
        new QCheckBox(QStringLiteral("Включать в упражнения все идиомы словаря"), this);
    Vklyuchatel_vsego_diapazona_idiom->setObjectName(
        QStringLiteral("Включатель_всего_диапазона_идиом"));
    Vklyuchatel_vsego_diapazona_idiom->setGeometry(16, 100, 500, 24);
    Knopka_sokhranit = actionButton(this, client, "Кнопка_сохранить", "Сохранить", 100);
    Knopka_zakryt = closeButton(this, client);
    connect(Vklyuchatel_vsego_diapazona_idiom, &QCheckBox::clicked, this, [this] { onWhole(); });
    connect(Knopka_do_kontsa, &QPushButton::clicked, this, [this] {
        doKontsa_ = true;
        Pole_vvoda_konechnogo_nomera->setText(QString::number(g_.Kolichestvo_idiom));
        Pole_vvoda_konechnogo_nomera->setFocus(Qt::OtherFocusReason);
    });
    connect(Knopka_sokhranit, &QPushButton::clicked, this, [this] { save(); });
    enterPressesFocusedButton(this);
}

void TForma_diapazon_v_idiomah::enableFields(bool enabled) {
    Pole_vvoda_nachalnogo_nomera->setEnabled(enabled);
    Pole_vvoda_konechnogo_nomera->setEnabled(enabled);
    Knopka_do_kontsa->setEnabled(enabled);
}

void TForma_diapazon_v_idiomah::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnOwner(this);
    Pole_vvoda_nachalnogo_nomera->setText(QString::number(g_.Nachalo_diapazona_idiom));
    Pole_vvoda_konechnogo_nomera->setText(QString::number(g_.Konets_diapazona_idiom));
    Vklyuchatel_vsego_diapazona_idiom->setChecked(g_.Vse_idiomy_slovarya);
    enableFields(!g_.Vse_idiomy_slovarya);
    if (!g_.Vse_idiomy_slovarya)
        Pole_vvoda_nachalnogo_nomera->setFocus(Qt::OtherFocusReason);
    // "До конца" is a choice of this dialog: the stored range keeps it until it is saved.
    doKontsa_ = false;
    g_.Diapazon_idiom_izmenen = false;
}

void TForma_diapazon_v_idiomah::onWhole() {
    const bool whole = Vklyuchatel_vsego_diapazona_idiom->isChecked();
    if (whole) {
        Pole_vvoda_nachalnogo_nomera->setText(QStringLiteral("1"));
        Pole_vvoda_konechnogo_nomera->setText(QString::number(g_.Kolichestvo_idiom));
    } else {
        Pole_vvoda_nachalnogo_nomera->clear();
        Pole_vvoda_konechnogo_nomera->clear();
    }
    enableFields(!whole);
    if (!whole)
        Pole_vvoda_nachalnogo_nomera->setFocus(Qt::OtherFocusReason);
}

void TForma_diapazon_v_idiomah::save() {
    const RangeFieldsCheck check =
        checkRangeFields(Pole_vvoda_nachalnogo_nomera->text(), Pole_vvoda_konechnogo_nomera->text(),
                         g_.Kolichestvo_idiom);
    if (!check.ok) {
        showError(g_, check.error);
        (check.focusStart ? Pole_vvoda_nachalnogo_nomera : Pole_vvoda_konechnogo_nomera)
            ->setFocus(Qt::OtherFocusReason);
        return;
    }
    RangeRecord range;
    range.Vse_slova_slovarya = Vklyuchatel_vsego_diapazona_idiom->isChecked();
    range.Nachalo_diapazona = check.start;
    range.Konets_diapazona = check.end;
    range.Do_kontsa = doKontsa_;
    setIdiomRange(g_, range);
    Zapis_diapazona_s_idiomami(g_);
    g_.Diapazon_idiom_izmenen = true;
    accept();
}

// ---- Go to a number ---------------------------------------------------------------------------

TForma_perehod_k_idiome_po_nomeru::TForma_perehod_k_idiome_po_nomeru(
    Globalnye_peremennye_slovarya& g, IdiomTableAccess table, QWidget* parent)
    : QDialog(parent), g_(g), table_(std::move(table)) {
    const QSize client(502, 95);
    frame(this, "TForma_perehod_k_idiome_po_nomeru", "Переход к идиоме по ее номеру", client);
    label(this, QStringLiteral("Номер идиомы:"), QRect(16, 18, 110, 24));
    Polee_vvoda_nomera = digitsField(this, "Полее_ввода_номера", 4);
    Polee_vvoda_nomera->setGeometry(130, 18, 90, 24);
    Knopka_pereyti = actionButton(this, client, "Кнопка_перейти", "Перейти к номеру", 130);
    Knopka_zakryt = closeButton(this, client);
    connect(Knopka_pereyti, &QPushButton::clicked, this, [this] { go(); });
    enterPressesFocusedButton(this);
}

void TForma_perehod_k_idiome_po_nomeru::go() {
    const GoToResult r = goToIdiomNumber(g_, Polee_vvoda_nomera->text());
    switch (r.status) {
    case GoToStatus::Found:
        table_.selectRow(r.row);
        accept();
        return;
    case GoToStatus::NoForgotten:
        showMessage(g_, r.message);
        reject();
        return;
    default:
        showMessage(g_, r.message);
        Polee_vvoda_nomera->setFocus(Qt::OtherFocusReason);
    }
}

// ---- Marking by numbers and by date -------------------------------------------------------------

TForma_otmetit_zabitimi_idiomi_po_nomeram::TForma_otmetit_zabitimi_idiomi_po_nomeram(
    Globalnye_peremennye_slovarya& g, IdiomTableAccess table, QWidget* parent)
    : QDialog(parent), g_(g), table_(std::move(table)) {
    const QSize client(554, 97);
    frame(this, "TForma_otmetit_zabitimi_idiomi_po_nomeram",
          "Отметить идиомы забытими по их номерам", client);
    label(this, QStringLiteral("Начальный номер:"), QRect(16, 18, 120, 24));
    Pole_vvoda_zrachenie_nachalnogo_nomera =
        digitsField(this, "Поле_ввода_зрачение_начального_номера", 4);
    Pole_vvoda_zrachenie_nachalnogo_nomera->setGeometry(140, 18, 80, 24);
    label(this, QStringLiteral("Конечный номер:"), QRect(250, 18, 120, 24));
    Pole_vvoda_znachenie_konechnogo_nomera =
        digitsField(this, "Поле_ввода_значение_конечного_номера", 4);
    Pole_vvoda_znachenie_konechnogo_nomera->setGeometry(372, 18, 80, 24);
    Knopka_otmetit = actionButton(this, client, "Кнопка_отметить", "Отметить", 100);
    Knopka_zakryt = closeButton(this, client);
    connect(Knopka_otmetit, &QPushButton::clicked, this, [this] { mark(); });
    enterPressesFocusedButton(this);
}

void TForma_otmetit_zabitimi_idiomi_po_nomeram::mark() {
    const NumberRangeCheck c =
        checkIdiomNumberRange(Pole_vvoda_zrachenie_nachalnogo_nomera->text(),
                              Pole_vvoda_znachenie_konechnogo_nomera->text(), g_.Kolichestvo_idiom);
    if (!c.ok) {
        showError(g_, c.error);
        (c.focusStart ? Pole_vvoda_zrachenie_nachalnogo_nomera
                      : Pole_vvoda_znachenie_konechnogo_nomera)
            ->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (askQuestion(g_, QStringLiteral("Вы действительно хотите отметить все слова забытыми от "
                                       "начального до конечного номера? Все отметки слов не "
                                       "входящих в диапазон будут утрачены!"))) {
        Otmetit_idiomy_zabytymi_po_nomeram(g_, c.first, c.last);
        table_.rebuild();
    }
    accept();
}

TForma_otetit_idiomi_po_date::TForma_otetit_idiomi_po_date(Globalnye_peremennye_slovarya& g,
                                                           IdiomTableAccess table, QWidget* parent)
    : QDialog(parent), g_(g), table_(std::move(table)) {
    const QSize client(594, 228);
    frame(this, "TForma_otetit_idiomi_po_date",
          "Отметить идиомы как забытые по некоторой, выбранной дате", client);
    Kalendar = new QCalendarWidget(this);
    Kalendar->setObjectName(QStringLiteral("Календарь"));
    Kalendar->setGeometry(12, 12, 280, 200);
    Kalendar->setSelectedDate(QDate::currentDate());
    Nadpis_vybrannaya_data = label(this, {}, QRect(310, 20, 270, 24));
    Nadpis_vybrannaya_data->setObjectName(QStringLiteral("Надпись_выбранная_дата"));
    Knopka_otmetit_idiomy_po_vybrannoy_date = makeButton(
        this, "Кнопка_отметить_идиомы_по_выбранной_дате",
        QStringLiteral("Отметить идилмы как забытые по выбранной дате"), QRect(304, 140, 278, 27));
    Knopka_otmetit_idiomy_po_vybrannoy_date->setDefault(true);
    Knopka_zakryt =
        makeButton(this, "Кнопка_закрыть", QStringLiteral("Закрыть"), QRect(482, 189, 100, 27));
    connect(Knopka_zakryt, &QPushButton::clicked, this, &QDialog::reject);
    auto showDate = [this] {
        Nadpis_vybrannaya_data->setText(
            QStringLiteral("Выбранная дата: ") +
            QLocale().toString(Kalendar->selectedDate(), QLocale::ShortFormat));
        Knopka_otmetit_idiomy_po_vybrannoy_date->setEnabled(true);
    };
    connect(Kalendar, &QCalendarWidget::selectionChanged, this, showDate);
    connect(Knopka_otmetit_idiomy_po_vybrannoy_date, &QPushButton::clicked, this,
            [this] { mark(); });
    showDate();
    enterPressesFocusedButton(this);
}

void TForma_otetit_idiomi_po_date::mark() {
    bool removeOld = false;
    if (g_.Kolichestvo_zabytykh_idiom > 0)
        removeOld = askQuestion(
            g_, QStringLiteral("Сейчас в словаре отмечено забытых идиом в количестве = %1. Нужно "
                               "ли при устаноке новых отметок удалять старые?")
                    .arg(g_.Kolichestvo_zabytykh_idiom));
    const int32_t marked = markIdiomsForgottenByDate(g_, Kalendar->selectedDate(), removeOld);
    if (marked > 0) {
        table_.selectTopRow(1);
        table_.rebuild();
        table_.selectRow(1);
    } else if (removeOld) {
        table_.rebuild();
    }
    showMessage(g_, idiomDateMarkingMessage(marked));
}

} // namespace telvo
