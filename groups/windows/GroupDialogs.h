#pragma once

#include "app/core/Globals.h"
#include "groups/logic/GroupEdits.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace telvo {

class FlagIndicator;

// The add and rename windows: the name field (66 characters), the layout flag, the default
// button and "Закрыть". Esc in any control closes.
class GroupNameDialog : public QDialog {
    Q_OBJECT
public:
    QLineEdit* Pole_vvoda_s_nazvaniem_gruppy_slov = nullptr;
    QPushButton* defaultButton = nullptr;
    QPushButton* Knopka_zakryt = nullptr;
    FlagIndicator* flagPicture = nullptr;

protected:
    GroupNameDialog(Globalnye_peremennye_slovarya& g, QWidget* parent, const char* className,
                    const QString& title, const QString& buttonText, const char* buttonName,
                    const char* flagName);
    // Shows a refusal in "Сообщение" and gives the field the focus again; true when refused.
    bool refused(const QString& refusal);
    virtual void store() = 0;

    Globalnye_peremennye_slovarya& g_;
};

// "Добавить группу слов": a new last group. Created once at start and shown for each add.
class TForma_dobavit_gruppu_slov : public GroupNameDialog {
    Q_OBJECT
public:
    TForma_dobavit_gruppu_slov(Globalnye_peremennye_slovarya& g, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
    void store() override;
};

// "Изменение названия группы слов": renames group Indeks_vybrannoy_gruppy.
class TForma_izmenit_nazvanie_gruppi : public GroupNameDialog {
    Q_OBJECT
public:
    TForma_izmenit_nazvanie_gruppi(Globalnye_peremennye_slovarya& g, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
    void store() override;
};

// "Удаление группы слов": deletes group Indeks_vybrannoy_gruppy on "Да". The index of the
// group to show next is left in nextGroup() (-1 when none is left).
class TForma_udalit_gruppu_slov : public QDialog {
    Q_OBJECT
public:
    TForma_udalit_gruppu_slov(Globalnye_peremennye_slovarya& g, QWidget* parent);
    QLabel* Nadpis_udalyaemaya_gruppa_slov = nullptr;
    QPushButton* Knopka_da = nullptr;
    QPushButton* Knopka_net = nullptr;
    int32_t nextGroup() const { return next_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    Globalnye_peremennye_slovarya& g_;
    int32_t next_ = -1;
};

// "Введение нового слова в группу слов": a word the in-place rule refused, typed whole. Works on
// the word table's cells it is given; `row` is the selected word row.
class TForma_vvod_slova : public QDialog {
    Q_OBJECT
public:
    TForma_vvod_slova(Globalnye_peremennye_slovarya& g, GroupWordCells& cells, int32_t row,
                      QWidget* parent);
    QLineEdit* Pole_vvoda_novogo_slova = nullptr;
    QPushButton* Knopka_vvesti = nullptr;
    QPushButton* Knopka_zakryt = nullptr;
    FlagIndicator* flagPicture = nullptr;
    bool entered() const { return entered_; }

private:
    Globalnye_peremennye_slovarya& g_;
    GroupWordCells& cells_;
    int32_t row_;
    bool entered_ = false;
};

} // namespace telvo
