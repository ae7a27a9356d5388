#include "ui/main/MarkDialogs.h"

#include "ui/common/Dialogs.h"

#include "app/windows/Messages.h"
#include "store/Forgotten.h"
#include "store/Search.h"
#include "ui/common/ButtonKeys.h"
#include "ui/common/Fonts.h"
#include "ui/common/OneLineFields.h"
#include "ui/main/TMainForm.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace telvo {

namespace {

void fixFrame(QDialog* dialog, const char* className, const QString& title, QSize client) {
    dialog->setObjectName(QString::fromUtf8(className));
    dialog->setWindowTitle(title);
    dialog->setFont(tahomaFont(8));
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    dialog->setFixedSize(client);
}

// A field that takes at most four digits; nothing else can be typed into it.
QLineEdit* numberField(QWidget* parent, const char* name, QRect at) {
    QLineEdit* field = digitsField(parent, name, 4);
    field->setGeometry(at);
    return field;
}

QLabel* label(QWidget* parent, const QString& text, QRect at) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(at);
    return l;
}

} // namespace

// ---- Go to number ---------------------------------------------------------------------------

TForma_pereiti_k_nomeru::TForma_pereiti_k_nomeru(Globalnye_peremennye_slovarya& g,
                                                 TMainForm& mainForm)
    : QDialog(&mainForm), g_(g), mainForm_(mainForm) {
    fixFrame(this, "TForma_pereiti_k_nomeru", QStringLiteral("Перейти к слову  по номеру"),
             QSize(563, 84));
    label(this, QStringLiteral("Номер слова:"), QRect(16, 18, 80, 21));
    Polee_vvoda_nomera = numberField(this, "Полее_ввода_номера", QRect(100, 16, 90, 23));
    Knopka_pereyti = makeButton(this, "Кнопка_перейти", QStringLiteral("Перейти к номеру"),
                                QRect(300, 44, 140, 27));
    Knopka_zakryt =
        makeButton(this, "Кнопка_закрыть", QStringLiteral("Закрыть"), QRect(450, 44, 100, 27));
    Knopka_pereyti->setDefault(true);
    connect(Knopka_pereyti, &QPushButton::clicked, this, &TForma_pereiti_k_nomeru::go);
    connect(Knopka_zakryt, &QPushButton::clicked, this, &QDialog::reject);
    Polee_vvoda_nomera->setFocus();
    enterPressesFocusedButton(this);
}

void TForma_pereiti_k_nomeru::go() {
    const GoToResult result = goToNumber(g_, Polee_vvoda_nomera->text());
    switch (result.status) {
    case GoToStatus::Found:
        mainForm_.selectRow(result.row);
        accept();
        return;
    case GoToStatus::NoForgotten:
        showMessage(g_, result.message);
        reject();
        return;
    case GoToStatus::EmptyField:
    case GoToStatus::OutOfLimits:
    case GoToStatus::NotInView:
        showMessage(g_, result.message);
        Polee_vvoda_nomera->setFocus();
        return;
    }
}

// ---- Marking by date ------------------------------------------------------------------------

TForma_otmetit_zabitimi_po_date::TForma_otmetit_zabitimi_po_date(Globalnye_peremennye_slovarya& g,
                                                                 TMainForm& mainForm)
    : QDialog(&mainForm), g_(g), mainForm_(mainForm) {
    fixFrame(this, "TForma_otmetit_zabitimi_po_date",
             QStringLiteral("Отметить слова как забытые по некоторой, выбранной дате"),
             QSize(594, 228));
    Kalendar = new QCalendarWidget(this);
    Kalendar->setObjectName(QStringLiteral("Календарь"));
    Kalendar->setGeometry(12, 12, 280, 204);
    // Month and day names in the program's language, whatever the system locale.
    Kalendar->setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    Kalendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Kalendar->setSelectedDate(QDate::currentDate());
    Nadpis_vybrannaya_data = new QLabel(this);
    Nadpis_vybrannaya_data->setObjectName(QStringLiteral("Надпись_выбранная_дата"));
    Nadpis_vybrannaya_data->setGeometry(304, 16, 278, 21);
    Knopka_otmetit_slova_po_vybrannoy_date = makeButton(
        this, "Кнопка_отметить_слова_по_выбранной_дате",
        QStringLiteral("Отметить слова как забытые по выбранной дате"), QRect(304, 140, 278, 30));
    Knopka_zakryt =
        makeButton(this, "Кнопка_закрыть", QStringLiteral("Закрыть"), QRect(482, 186, 100, 27));
    Knopka_otmetit_slova_po_vybrannoy_date->setDefault(true);
    connect(Kalendar, &QCalendarWidget::selectionChanged, this,
            &TForma_otmetit_zabitimi_po_date::showDate);
    connect(Knopka_otmetit_slova_po_vybrannoy_date, &QPushButton::clicked, this,
            &TForma_otmetit_zabitimi_po_date::mark);
    // The calendar takes Enter itself; it presses the default button all the same.
    connect(Kalendar, &QCalendarWidget::activated, Knopka_otmetit_slova_po_vybrannoy_date,
            &QPushButton::click);
    connect(Knopka_zakryt, &QPushButton::clicked, this, &QDialog::reject);
    showDate();
    Kalendar->setFocus();
    enterPressesFocusedButton(this);
}

void TForma_otmetit_zabitimi_po_date::showDate() {
    const QDate date = Kalendar->selectedDate();
    Nadpis_vybrannaya_data->setText(date.isValid() ? QStringLiteral("Выбранная дата: ") +
                                                         date.toString(QStringLiteral("dd.MM.yyyy"))
                                                   : QString());
    Knopka_otmetit_slova_po_vybrannoy_date->setEnabled(date.isValid());
}

void TForma_otmetit_zabitimi_po_date::mark() {
    // The count shown in the question is the one of the status bar.
    Pervonachalnoe_kolichestvo_zabytykh_slov(g_);
    bool removeOld = false;
    if (g_.Kolichestvo_zabytykh_slov > 0)
        removeOld = askQuestion(
            g_, QStringLiteral("Сейчас в словаре отмечено забытых слов в количестве = %1. Нужно "
                               "ли при устаноке новых отметок удалять старые?")
                    .arg(g_.Kolichestvo_zabytykh_slov));
    const int32_t count = markForgottenByDate(g_, Kalendar->selectedDate(), removeOld);
    if (count > 0) {
        mainForm_.Vyvod_soderzhaniya_vsey_tablitsy();
        mainForm_.Otobrazit_soderzhimoe_paneli_sostoyaniya();
        mainForm_.selectRow(1, 1);
    } else if (removeOld) {
        mainForm_.Vyvod_soderzhaniya_vsey_tablitsy();
        mainForm_.Otobrazit_soderzhimoe_paneli_sostoyaniya();
    }
    showMessage(g_, dateMarkingMessage(count));
}

// ---- Marking by numbers ---------------------------------------------------------------------

TForma_otmetit_zabitimi_po_nomeram::TForma_otmetit_zabitimi_po_nomeram(
    Globalnye_peremennye_slovarya& g, TMainForm& mainForm)
    : QDialog(&mainForm), g_(g), mainForm_(mainForm) {
    fixFrame(this, "TForma_otmetit_zabitimi_po_nomeram",
             QStringLiteral("Отметить слова забытыми по их номерам"), QSize(594, 121));
    label(this, QStringLiteral("Начальный номер:"), QRect(16, 18, 110, 21));
    Pole_vvoda_zrachenie_nachalnogo_nomera =
        numberField(this, "Поле_ввода_зрачение_начального_номера", QRect(130, 16, 90, 23));
    label(this, QStringLiteral("Конечный номер:"), QRect(16, 50, 110, 21));
    Pole_vvoda_znachenie_konechnogo_nomera =
        numberField(this, "Поле_ввода_значение_конечного_номера", QRect(130, 48, 90, 23));
    Knopka_otmetit =
        makeButton(this, "Кнопка_отметить", QStringLiteral("Отметить"), QRect(372, 82, 100, 27));
    Knopka_zakryt =
        makeButton(this, "Кнопка_закрыть", QStringLiteral("Закрыть"), QRect(482, 82, 100, 27));
    Knopka_otmetit->setDefault(true);
    connect(Knopka_otmetit, &QPushButton::clicked, this, &TForma_otmetit_zabitimi_po_nomeram::mark);
    connect(Knopka_zakryt, &QPushButton::clicked, this, &QDialog::reject);
    Pole_vvoda_zrachenie_nachalnogo_nomera->setFocus();
    enterPressesFocusedButton(this);
}

void TForma_otmetit_zabitimi_po_nomeram::mark() {
    const NumberRangeCheck check =
        checkNumberRange(Pole_vvoda_zrachenie_nachalnogo_nomera->text(),
                         Pole_vvoda_znachenie_konechnogo_nomera->text(), g_.Kolichestvo_zapisey);
    if (!check.ok) {
        showError(g_, check.error);
        (check.focusStart ? Pole_vvoda_zrachenie_nachalnogo_nomera
                          : Pole_vvoda_znachenie_konechnogo_nomera)
            ->setFocus();
        return;
    }
    if (askQuestion(g_, QStringLiteral("Вы действительно хотите отметить все слова забытыми от "
                                       "начального до конечного номера? Все отметки слов не "
                                       "входящих в диапазон будут утрачены!"))) {
        Otmetit_slova_zabytymi_po_nomeram(g_, check.first, check.last);
        mainForm_.Vyvod_soderzhaniya_vsey_tablitsy();
        mainForm_.Otobrazit_soderzhimoe_paneli_sostoyaniya();
    }
    accept();
}

} // namespace telvo
