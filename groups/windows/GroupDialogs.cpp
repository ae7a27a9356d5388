#include "groups/windows/GroupDialogs.h"

#include "app/windows/Messages.h"
#include "groups/logic/GroupFile.h"
#include "ui/common/ButtonKeys.h"
#include "ui/common/Dialogs.h"
#include "ui/common/FlagIndicator.h"
#include "ui/common/Fonts.h"
#include "ui/common/OneLineFields.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace telvo {

namespace {

void fixDialogFrame(QDialog* dialog, QSize client) {
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    dialog->setFixedSize(client);
}

QPushButton* button(QDialog* dialog, const char* name, const QString& text, QRect area) {
    auto* b = makeButton(dialog, name, text, area);
    return b;
}

} // namespace

// ---- Add and rename --------------------------------------------------------------------------

GroupNameDialog::GroupNameDialog(Globalnye_peremennye_slovarya& g, QWidget* parent,
                                 const char* className, const QString& title,
                                 const QString& buttonText, const char* buttonName,
                                 const char* flagName)
    : QDialog(parent), g_(g) {
    setObjectName(QString::fromUtf8(className));
    setWindowTitle(title);
    setFont(tahomaFont(8));
    const QSize client(620, 98);
    fixDialogFrame(this, client);

    auto* label = new QLabel(QStringLiteral("Название группы свлов:"), this);
    label->setGeometry(12, 14, 200, 18);
    Pole_vvoda_s_nazvaniem_gruppy_slov = new QLineEdit(this);
    Pole_vvoda_s_nazvaniem_gruppy_slov->setObjectName(
        QStringLiteral("Поле_ввода_с_названием_группы_слов"));
    Pole_vvoda_s_nazvaniem_gruppy_slov->setFont(tahomaFont(10));
    Pole_vvoda_s_nazvaniem_gruppy_slov->setMaxLength(GroupLayout::kNameMax);
    Pole_vvoda_s_nazvaniem_gruppy_slov->setGeometry(12, 34, client.width() - 24 - 30, 25);
    blankControlCharacters(Pole_vvoda_s_nazvaniem_gruppy_slov);
    label->setBuddy(Pole_vvoda_s_nazvaniem_gruppy_slov);

    flagPicture = new FlagIndicator(250, this);
    flagPicture->setObjectName(QString::fromUtf8(flagName));
    flagPicture->setGeometry(client.width() - 12 - 24, 38, 24, 16);

    defaultButton =
        button(this, buttonName, buttonText,
               QRect(client.width() - 12 - 110 - 8 - 110, client.height() - 10 - 28, 110, 28));
    defaultButton->setDefault(true);
    Knopka_zakryt = button(this, "Кнопка_закрыть", QStringLiteral("Закрыть"),
                           QRect(client.width() - 12 - 110, client.height() - 10 - 28, 110, 28));
    connect(defaultButton, &QPushButton::clicked, this, [this] { store(); });
    connect(Knopka_zakryt, &QPushButton::clicked, this, &QDialog::reject);
    enterPressesFocusedButton(this);
}

bool GroupNameDialog::refused(const QString& refusal) {
    if (refusal.isEmpty())
        return false;
    showMessage(g_, refusal);
    Pole_vvoda_s_nazvaniem_gruppy_slov->setFocus();
    return true;
}

TForma_dobavit_gruppu_slov::TForma_dobavit_gruppu_slov(Globalnye_peremennye_slovarya& g,
                                                       QWidget* parent)
    : GroupNameDialog(g, parent, "TForma_dobavit_gruppu_slov",
                      QStringLiteral("Добавить группу слов"), QStringLiteral("Довавить"),
                      "Кнопка_довавить", "Рисунок_формы_добавить") {}

void TForma_dobavit_gruppu_slov::showEvent(QShowEvent* event) {
    GroupNameDialog::showEvent(event);
    centreOnOwner(this);
    g_.Gruppa_dobavlena = false;
    Pole_vvoda_s_nazvaniem_gruppy_slov->clear();
    Pole_vvoda_s_nazvaniem_gruppy_slov->setFocus();
}

void TForma_dobavit_gruppu_slov::store() {
    if (refused(addGroup(g_, Pole_vvoda_s_nazvaniem_gruppy_slov->text())))
        return;
    accept();
}

TForma_izmenit_nazvanie_gruppi::TForma_izmenit_nazvanie_gruppi(Globalnye_peremennye_slovarya& g,
                                                               QWidget* parent)
    : GroupNameDialog(g, parent, "TForma_izmenit_nazvanie_gruppi",
                      QStringLiteral("Изменение названия группы слов"), QStringLiteral("Изменить"),
                      "Кнопка_изменить", "Рисунок_формы_изменить") {}

void TForma_izmenit_nazvanie_gruppi::showEvent(QShowEvent* event) {
    GroupNameDialog::showEvent(event);
    centreOnOwner(this);
    const int32_t index = g_.Indeks_vybrannoy_gruppy;
    if (index >= 0 && index < g_.Kolichestvo_grupp())
        Pole_vvoda_s_nazvaniem_gruppy_slov->setText(g_.Gruppy_slov[index].Nazvanie_gruppy_slov);
    Pole_vvoda_s_nazvaniem_gruppy_slov->setFocus();
    // The name is there to be changed, not replaced: the cursor goes to its end.
    Pole_vvoda_s_nazvaniem_gruppy_slov->deselect();
    Pole_vvoda_s_nazvaniem_gruppy_slov->end(false);
}

void TForma_izmenit_nazvanie_gruppi::store() {
    if (refused(renameGroup(g_, g_.Indeks_vybrannoy_gruppy,
                            Pole_vvoda_s_nazvaniem_gruppy_slov->text())))
        return;
    accept();
}

// ---- Delete ---------------------------------------------------------------------------------

TForma_udalit_gruppu_slov::TForma_udalit_gruppu_slov(Globalnye_peremennye_slovarya& g,
                                                     QWidget* parent)
    : QDialog(parent), g_(g) {
    setObjectName(QStringLiteral("TForma_udalit_gruppu_slov"));
    setWindowTitle(QStringLiteral("Удаление группы слов"));
    setFont(tahomaFont(8));
    const QSize client(537, 101);
    fixDialogFrame(this, client);

    auto* picture = new QLabel(this);
    picture->setGeometry(16, 18, 64, 64);
    picture->setPixmap(QPixmap(QStringLiteral(":/images/delete.png")));

    Nadpis_udalyaemaya_gruppa_slov = new QLabel(this);
    Nadpis_udalyaemaya_gruppa_slov->setObjectName(QStringLiteral("Надпись_удаляемая_группа_слов"));
    Nadpis_udalyaemaya_gruppa_slov->setFont(tahomaFont(9, true));
    Nadpis_udalyaemaya_gruppa_slov->setGeometry(100, 18, 420, 24);

    Knopka_da =
        button(this, "Кнопка_да", QStringLiteral("Да"),
               QRect(client.width() - 12 - 110 - 8 - 110, client.height() - 12 - 28, 110, 28));
    Knopka_net = button(this, "Кнопка_нет", QStringLiteral("Нет"),
                        QRect(client.width() - 12 - 110, client.height() - 12 - 28, 110, 28));
    connect(Knopka_da, &QPushButton::clicked, this, [this] {
        next_ = deleteGroup(g_, g_.Indeks_vybrannoy_gruppy);
        accept();
    });
    connect(Knopka_net, &QPushButton::clicked, this, &QDialog::reject);
    enterPressesFocusedButton(this);
}

void TForma_udalit_gruppu_slov::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnOwner(this);
    Nadpis_udalyaemaya_gruppa_slov->setText(QStringLiteral("Номер удаляемой группы слов: ") +
                                            QString::number(g_.Indeks_vybrannoy_gruppy + 1));
    Knopka_net->setFocus();
}

// ---- Word entry -----------------------------------------------------------------------------

TForma_vvod_slova::TForma_vvod_slova(Globalnye_peremennye_slovarya& g, GroupWordCells& cells,
                                     int32_t row, QWidget* parent)
    : QDialog(parent), g_(g), cells_(cells), row_(row) {
    setObjectName(QStringLiteral("TForma_vvod_slova"));
    setWindowTitle(QStringLiteral("Введение нового слова в группу слов"));
    setFont(tahomaFont(8));
    const QSize client(450, 101);
    fixDialogFrame(this, client);

    auto* label = new QLabel(QStringLiteral("Вводимое слово:"), this);
    label->setGeometry(12, 14, 200, 18);
    Pole_vvoda_novogo_slova = new QLineEdit(this);
    Pole_vvoda_novogo_slova->setObjectName(QStringLiteral("Поле_ввода_нового_слова"));
    Pole_vvoda_novogo_slova->setFont(tahomaFont(10));
    Pole_vvoda_novogo_slova->setMaxLength(GroupLayout::kEnglishMax);
    Pole_vvoda_novogo_slova->setGeometry(12, 34, client.width() - 24 - 30, 25);
    blankControlCharacters(Pole_vvoda_novogo_slova);
    label->setBuddy(Pole_vvoda_novogo_slova);

    flagPicture = new FlagIndicator(250, this);
    flagPicture->setObjectName(QStringLiteral("Рисунок_формы_ввод_слова"));
    flagPicture->setGeometry(client.width() - 12 - 24, 38, 24, 16);

    Knopka_vvesti =
        button(this, "Кнопка_ввести", QStringLiteral("Ввести"),
               QRect(client.width() - 12 - 110 - 8 - 110, client.height() - 10 - 28, 110, 28));
    Knopka_vvesti->setDefault(true);
    Knopka_zakryt = button(this, "Кнопка_закрыть", QStringLiteral("Закрыть"),
                           QRect(client.width() - 12 - 110, client.height() - 10 - 28, 110, 28));
    connect(Knopka_vvesti, &QPushButton::clicked, this, [this] {
        const QString refusal = enterWord(cells_, row_, Pole_vvoda_novogo_slova->text());
        entered_ = refusal.isEmpty();
        if (!entered_)
            showError(g_, refusal);
        accept();
    });
    connect(Knopka_zakryt, &QPushButton::clicked, this, &QDialog::reject);
    enterPressesFocusedButton(this);
}

} // namespace telvo
