#pragma once

#include "app/core/Globals.h"
#include "store/DictionaryEdits.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace telvo {

class FlagIndicator;
class TMainForm;

// What the add, insert and edit dialogs share: the three fields with their labels, the layout
// flag, the default button and "Закрыть". Esc closes without storing.
class RecordTextsDialog : public QDialog {
    Q_OBJECT
public:
    QLineEdit* Tekst_angliyskogo_slova = nullptr;
    QLineEdit* Tekst_transkriptsii = nullptr;
    QLineEdit* Tekst_perevoda = nullptr;
    QPushButton* defaultButton = nullptr;
    QPushButton* Knopka_zakryt = nullptr;
    FlagIndicator* flagPicture = nullptr;

protected:
    RecordTextsDialog(Globalnye_peremennye_slovarya& g, TMainForm& mainForm, const char* className,
                      const QString& title, QSize client, int fieldsTop,
                      const QString& defaultCaption, const char* defaultName);

    // The three fields normalised (blanks collapsed, trimmed).
    RecordTexts normalisedTexts() const;
    // Refuses an empty English text with `emptyText` and a duplicate with the question; on
    // "Да" to the question the existing record is selected in the main window and the dialog
    // closes. True when the texts must not be stored.
    bool refused(const RecordTexts& texts, const QString& emptyText);
    // Lays the two buttons out at the bottom right of a client area `client`.
    void placeButtons(QSize client);

    virtual void store() = 0;

    Globalnye_peremennye_slovarya& g_;
    TMainForm& mainForm_;
};

// "Добавить слово или текст": appends a record.
class TForma_dobavit : public RecordTextsDialog {
    Q_OBJECT
public:
    TForma_dobavit(Globalnye_peremennye_slovarya& g, TMainForm& mainForm);

protected:
    void showEvent(QShowEvent* event) override;
    void store() override;
};

// "Вставить слово или текст": inserts a record next to record Nomer_tekushchey_zapisi.
class TForma_vstavit : public RecordTextsDialog {
    Q_OBJECT
public:
    TForma_vstavit(Globalnye_peremennye_slovarya& g, TMainForm& mainForm);

    // "Вставить за выбранным словом" (the default) rather than "перед".
    bool insertsAfter() const;

    QLabel* Nadpis_nomer_vybrannogo_slova = nullptr;
    QRadioButton* after = nullptr;
    QRadioButton* before = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void store() override;
};

// "Изменить слово или текст": rewrites the texts of record Nomer_tekushchey_zapisi.
class TForma_izmenit : public RecordTextsDialog {
    Q_OBJECT
public:
    TForma_izmenit(Globalnye_peremennye_slovarya& g, TMainForm& mainForm);

    // The texts as stored, valid when g.Zapis_izmenena.
    const RecordTexts& storedTexts() const { return stored_; }

protected:
    void showEvent(QShowEvent* event) override;
    void store() override;

private:
    RecordTexts stored_;
};

// "Удаление записи из словаря": confirms and deletes record Nomer_tekushchey_zapisi.
class TForma_udalit_zapis : public QDialog {
    Q_OBJECT
public:
    explicit TForma_udalit_zapis(Globalnye_peremennye_slovarya& g, QWidget* parent);

    QLabel* Nadpis_udalyaemaya_zapis = nullptr;
    QPushButton* Knopka_da = nullptr;
    QPushButton* Knopka_net = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Globalnye_peremennye_slovarya& g_;
};

} // namespace telvo
