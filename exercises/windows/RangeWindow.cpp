#include "exercises/windows/RangeWindow.h"

#include "app/windows/Messages.h"
#include "store/Histories.h"
#include "store/Range.h"
#include "ui/common/ButtonKeys.h"
#include "ui/common/Dialogs.h"
#include "ui/common/Fonts.h"
#include "ui/common/OneLineFields.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace telvo {

namespace {

QLineEdit* numberEdit(QWidget* parent, const char* name) {
    // Digits only, at most five of them: any other typed character is dropped.
    QLineEdit* edit = digitsField(parent, name, 5);
    edit->setFixedWidth(80);
    return edit;
}

} // namespace

TForma_izmeneniy_diapazona::TForma_izmeneniy_diapazona(Globalnye_peremennye_slovarya& g,
                                                       QWidget* parent)
    : QDialog(parent), g_(g) {
    setObjectName(QStringLiteral("TForma_izmeneniy_diapazona"));
    setWindowTitle(QStringLiteral("Изменение диапазона слов для упражнений"));
    setFixedSize(537, 204);
    setFont(tahomaFont(8));

    Pole_vvoda_nachalnogo_nomera = numberEdit(this, "Поле_ввода_начального_номера");
    Pole_vvoda_konechnogo_nomera = numberEdit(this, "Поле_ввода_конечного_номера");
    Knopka_do_kontsa = makeButton(this, "Кнопка_до_конца", QStringLiteral("До конца"));
    Knopka_do_kontsa->setAutoDefault(false);
    Vklyuchatel_vsego_diapazona_slov =
        new QCheckBox(QStringLiteral("Включать в упражнения все слова словаря"), this);
    Vklyuchatel_vsego_diapazona_slov->setObjectName(
        QStringLiteral("Включатель_всего_диапазона_слов"));
    Knopka_sokhranit = makeButton(this, "Кнопка_сохранить", QStringLiteral("Сохранить"));
    Knopka_sokhranit->setDefault(true);
    Knopka_zakryt = makeButton(this, "Кнопка_закрыть", QStringLiteral("Закрыть"));
    Knopka_zakryt->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Начальный номер диапазона слов:"), this), 0, 0);
    grid->addWidget(Pole_vvoda_nachalnogo_nomera, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Конечный номер диапазона слов:"), this), 1, 0);
    grid->addWidget(Pole_vvoda_konechnogo_nomera, 1, 1);
    grid->addWidget(Knopka_do_kontsa, 1, 2);
    grid->setColumnStretch(3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Knopka_sokhranit);
    buttons->addWidget(Knopka_zakryt);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 14);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addWidget(Vklyuchatel_vsego_diapazona_slov);
    layout->addStretch(1);
    layout->addLayout(buttons);

    // `clicked` comes from the user only, so filling the box on show runs no handler.
    connect(Vklyuchatel_vsego_diapazona_slov, &QCheckBox::clicked, this,
            &TForma_izmeneniy_diapazona::onWholeClicked);
    connect(Knopka_do_kontsa, &QPushButton::clicked, this, &TForma_izmeneniy_diapazona::onToEnd);
    connect(Knopka_sokhranit, &QPushButton::clicked, this, &TForma_izmeneniy_diapazona::onSave);
    connect(Knopka_zakryt, &QPushButton::clicked, this, &QDialog::reject);
    enterPressesFocusedButton(this);
}

void TForma_izmeneniy_diapazona::setEditsEnabled(bool enabled) {
    Pole_vvoda_nachalnogo_nomera->setEnabled(enabled);
    Pole_vvoda_konechnogo_nomera->setEnabled(enabled);
    Knopka_do_kontsa->setEnabled(enabled);
}

void TForma_izmeneniy_diapazona::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Pole_vvoda_nachalnogo_nomera->setText(QString::number(g_.Nachalo_diapazona));
    Pole_vvoda_konechnogo_nomera->setText(QString::number(g_.Konets_diapazona));
    Vklyuchatel_vsego_diapazona_slov->setChecked(g_.Vse_slova_slovarya);
    setEditsEnabled(!g_.Vse_slova_slovarya);
    if (g_.Vse_slova_slovarya)
        Vklyuchatel_vsego_diapazona_slov->setFocus(Qt::OtherFocusReason);
    else
        Pole_vvoda_nachalnogo_nomera->setFocus(Qt::OtherFocusReason);
    doKontsa_ = false;
    g_.Diapazon_izmenen = false;
}

void TForma_izmeneniy_diapazona::onWholeClicked(bool checked) {
    if (checked) {
        Pole_vvoda_nachalnogo_nomera->setText(QStringLiteral("1"));
        Pole_vvoda_konechnogo_nomera->setText(QString::number(g_.Kolichestvo_zapisey));
        setEditsEnabled(false);
    } else {
        Pole_vvoda_nachalnogo_nomera->clear();
        Pole_vvoda_konechnogo_nomera->clear();
        setEditsEnabled(true);
        Pole_vvoda_nachalnogo_nomera->setFocus(Qt::OtherFocusReason);
    }
}

void TForma_izmeneniy_diapazona::onToEnd() {
    doKontsa_ = true;
    Pole_vvoda_konechnogo_nomera->setText(QString::number(g_.Kolichestvo_zapisey));
    Pole_vvoda_konechnogo_nomera->setFocus(Qt::OtherFocusReason);
}

void TForma_izmeneniy_diapazona::onSave() {
    const RangeFieldsCheck check =
        checkRangeFields(Pole_vvoda_nachalnogo_nomera->text(), Pole_vvoda_konechnogo_nomera->text(),
                         g_.Kolichestvo_zapisey);
    if (!check.ok) {
        showError(g_, check.error);
        (check.focusStart ? Pole_vvoda_nachalnogo_nomera : Pole_vvoda_konechnogo_nomera)
            ->setFocus(Qt::OtherFocusReason);
        return;
    }
    const int32_t start = check.start;
    const int32_t end = check.end;

    RangeRecord range;
    range.Vse_slova_slovarya = Vklyuchatel_vsego_diapazona_slov->isChecked();
    range.Nachalo_diapazona = start;
    range.Konets_diapazona = end;
    range.Do_kontsa = doKontsa_;
    // The range and the reset of every history land together.
    saveRangeAndResetHistories(g_, range);
    Sostoyanie_dinamicheskikh_massivov(g_);
    g_.Diapazon_izmenen = true;
    accept();
}

} // namespace telvo
