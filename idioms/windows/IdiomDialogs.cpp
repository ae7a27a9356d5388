#include "idioms/windows/IdiomDialogs.h"

#include "app/windows/Messages.h"
#include "idioms/logic/IdiomMarks.h"
#include "store/Range.h"
#include "store/TextRules.h"
#include "ui/common/ButtonKeys.h"
#include "ui/common/Dialogs.h"
#include "ui/common/Fonts.h"
#include "ui/common/OneLineFields.h"

#include <QCheckBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace telvo {

namespace {

// "Закрыть" and the default button at the bottom right.
QRect closeArea(QSize client) {
    return QRect(client.width() - 12 - 100, client.height() - 12 - 27, 100, 27);
}

QRect actionArea(QSize client, int width) {
    return QRect(client.width() - 12 - 100 - 8 - width, client.height() - 12 - 27, width, 27);
}

QPushButton* actionButton(QDialog* d, QSize client, const char* name, const char* text) {
    QPushButton* b = makeButton(d, name, QString::fromUtf8(text), actionArea(client, 100));
    b->setDefault(true);
    return b;
}

RecordTextsLook idiomLook(Globalnye_peremennye_slovarya& g, const char* textLabel,
                          const char* translationLabel) {
    return {
        {
            {"Поле_ввода_английского_текста", textLabel, kIdiomLayout.textMax, tahomaFont(10, true),
             25, "Поле с текстом идиомы"},
            {"Поле_ввода_перевода", translationLabel, kIdiomLayout.translationMax, tahomaFont(9),
             25, "Поле с переводом"},
        },
        130,
        56,
        true,
        "Рисунок_формы_добавить_идиому",
        27,
        true,
        [&g](const QString& text) { return Proverka_na_sovpadenie_novoy_idiomy(g, text); },
    };
}

IdiomTexts idiomTexts(const RecordFields& f) {
    return {f.text, f.translation};
}

} // namespace

// ---- Add, insert, edit ------------------------------------------------------------------------

TForma_dobavit_idiomu::TForma_dobavit_idiomu(Globalnye_peremennye_slovarya& g,
                                             IdiomTableAccess table, QWidget* parent)
    : RecordTextsDialog(g, std::move(table), parent, idiomLook(g, "Текст идиомы:", "Пперевод:"),
                        {"TForma_dobavit_idiomu",
                         QStringLiteral("Добавить идиому или фразовый глагол"), QSize(818, 148), 16,
                         QStringLiteral("Добавить"), "Кнопка_добавить"}) {}

void TForma_dobavit_idiomu::showEvent(QShowEvent* event) {
    RecordTextsDialog::showEvent(event);
    clearTexts();
    g_.Idioma_dobavlena = false;
    textField()->setFocus(Qt::OtherFocusReason);
}

void TForma_dobavit_idiomu::store() {
    const RecordFields texts = normalisedTexts();
    if (refused(texts,
                QStringLiteral("Поле с текстом идиомы (фразового глагола) не может быть пустым!"),
                QStringLiteral(
                    "Добавляемая идиома уже занесена в словарь! Нужно перейти к этой идиоме?")))
        return;
    addIdiom(g_, idiomTexts(texts), QDate::currentDate());
    accept();
}

TForma_vstavit_idiomu::TForma_vstavit_idiomu(Globalnye_peremennye_slovarya& g,
                                             IdiomTableAccess table, QWidget* parent)
    : RecordInsertDialog(
          g, std::move(table), parent, idiomLook(g, "Английская идиома:", "Перевод:"),
          {"TForma_vstavit_idiomu", QStringLiteral("Вставить идиому или фразовый глагол"),
           QSize(875, 216), 86, QStringLiteral("Вставить"), "Кнопка_вставить"},
          {QRect(12, 10, 400, 20), false, QRect(430, 4, 420, 74), false,
           QStringLiteral("Вставить за выбранной идиомой"),
           QStringLiteral("Вставить перед выбранной идиомой"),
           &IdiomState::Nomer_tekushchey_idiomy}) {}

void TForma_vstavit_idiomu::showEvent(QShowEvent* event) {
    RecordInsertDialog::showEvent(event);
    g_.Idioma_vstavlena = false;
}

void TForma_vstavit_idiomu::store() {
    const RecordFields texts = normalisedTexts();
    if (refused(texts, QStringLiteral("Поле с английской идиомой не может быть пустым!"),
                QStringLiteral(
                    "Вставляемая идиома уже занесена в словарь! Нужно перейти к этой идиоме?")))
        return;
    insertIdiom(g_, insertPlace(g_.Nomer_tekushchey_idiomy), idiomTexts(texts),
                QDate::currentDate());
    accept();
}

TForma_izmenit_idiomu::TForma_izmenit_idiomu(Globalnye_peremennye_slovarya& g,
                                             IdiomTableAccess table, QWidget* parent)
    : RecordTextsDialog(g, std::move(table), parent, idiomLook(g, "Текст идиомы:", "Пперевод:"),
                        {"TForma_izmenit_idiomu",
                         QStringLiteral("Изменить идиому или фразовый глагол"), QSize(818, 148), 16,
                         QStringLiteral("Изменить"), "Кнопка_изменить"}) {}

void TForma_izmenit_idiomu::showEvent(QShowEvent* event) {
    RecordTextsDialog::showEvent(event);
    const IdiomRecord r = readIdiom(g_, g_.Nomer_tekushchey_idiomy);
    showTexts({r.Idioma, {}, r.Perevod});
    textField()->setFocus(Qt::OtherFocusReason);
}

void TForma_izmenit_idiomu::store() {
    const RecordFields texts = normalisedTexts();
    if (refused(
            texts, QStringLiteral("Поле с английской идиомой (текстом) не может быть пустым!"),
            QStringLiteral("Вводимая идиома уже занесена в словарь! Нужно перейти к этой идиоме?")))
        return;
    editIdiom(g_, g_.Nomer_tekushchey_idiomy, idiomTexts(texts));
    accept();
}

// ---- Delete -----------------------------------------------------------------------------------

TForma_udalit_idiomu::TForma_udalit_idiomu(Globalnye_peremennye_slovarya& g, QWidget* parent)
    : RecordDeleteDialog(parent, {
                                     "TForma_udalit_idiomu",
                                     QStringLiteral("Удалить идиому или фразовый глагол"),
                                     QPoint(12, 18),
                                     true,
                                     "Надпись_удаляемая_идиома",
                                     10,
                                     QRect(92, 18, 430, 24),
                                     QSize(100, 27),
                                     7,
                                     QStringLiteral("Номер удаляемой идиомы: "),
                                     true,
                                     [&g] { return g.Nomer_tekushchey_idiomy; },
                                     [&g] { g.Idioma_udalena = false; },
                                     [&g] { deleteIdiom(g, g.Nomer_tekushchey_idiomy); },
                                 }) {}

// ---- Range ------------------------------------------------------------------------------------

TForma_diapazon_v_idiomah::TForma_diapazon_v_idiomah(Globalnye_peremennye_slovarya& g,
                                                     QWidget* parent)
    : QDialog(parent), g_(g) {
    const QSize client(537, 202);
    fixDialogFrame(this, "TForma_diapazon_v_idiomah",
                   QStringLiteral("Диапазон идиом (фразовых глаголов) в упражнениях"), client);
    dialogLabel(this, QStringLiteral("Начальный номер диапазона идиом:"), QRect(16, 20, 250, 24));
    dialogLabel(this, QStringLiteral("Конечный номер диапазона идиом:"), QRect(16, 58, 250, 24));
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
    Knopka_sokhranit = actionButton(this, client, "Кнопка_сохранить", "Сохранить");
    Knopka_zakryt = closeButton(this, closeArea(client));
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
    : GoToNumberDialog(std::move(table), parent,
                       {
                           "TForma_perehod_k_idiome_po_nomeru",
                           QStringLiteral("Переход к идиоме по ее номеру"),
                           QSize(502, 95),
                           QStringLiteral("Номер идиомы:"),
                           QRect(16, 18, 110, 24),
                           QRect(130, 18, 90, 24),
                           actionArea(QSize(502, 95), 130),
                           closeArea(QSize(502, 95)),
                           [&g](const QString& typed) { return goToIdiomNumber(g, typed); },
                       }) {}

// ---- Marking by numbers and by date -------------------------------------------------------------

TForma_otmetit_zabitimi_idiomi_po_nomeram::TForma_otmetit_zabitimi_idiomi_po_nomeram(
    Globalnye_peremennye_slovarya& g, IdiomTableAccess table, QWidget* parent)
    : NumberMarkingDialog(std::move(table), parent,
                          {
                              "TForma_otmetit_zabitimi_idiomi_po_nomeram",
                              QStringLiteral("Отметить идиомы забытими по их номерам"),
                              QSize(554, 97),
                              QRect(16, 18, 120, 24),
                              QRect(140, 18, 80, 24),
                              QRect(250, 18, 120, 24),
                              QRect(372, 18, 80, 24),
                              actionArea(QSize(554, 97), 100),
                              closeArea(QSize(554, 97)),
                              [&g](const QString& start, const QString& end) {
                                  return checkIdiomNumberRange(start, end, g.Kolichestvo_idiom);
                              },
                              [&g](int32_t first, int32_t last) {
                                  Otmetit_idiomy_zabytymi_po_nomeram(g, first, last);
                              },
                          }) {}

TForma_otetit_idiomi_po_date::TForma_otetit_idiomi_po_date(Globalnye_peremennye_slovarya& g,
                                                           IdiomTableAccess table, QWidget* parent)
    : DateMarkingDialog(
          std::move(table), parent,
          {
              "TForma_otetit_idiomi_po_date",
              QStringLiteral("Отметить идиомы как забытые по некоторой, выбранной дате"),
              QRect(12, 12, 280, 200),
              false,
              QRect(310, 20, 270, 24),
              {},
              "Кнопка_отметить_идиомы_по_выбранной_дате",
              QStringLiteral("Отметить идилмы как забытые по выбранной дате"),
              QRect(304, 140, 278, 27),
              QRect(482, 189, 100, 27),
              QStringLiteral("Сейчас в словаре отмечено забытых идиом в количестве = %1. Нужно ли "
                             "при устаноке новых отметок удалять старые?"),
              [&g] { return g.Kolichestvo_zabytykh_idiom; },
              [&g](QDate date, bool removeOld) {
                  return markIdiomsForgottenByDate(g, date, removeOld);
              },
              [](int32_t count) { return idiomDateMarkingMessage(count); },
          }) {}

} // namespace telvo
