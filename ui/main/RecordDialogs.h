#pragma once

#include "app/core/Globals.h"
#include "store/DictionaryEdits.h"
#include "ui/common/RecordDialogs.h"

namespace telvo {

class TMainForm;

// The main window's table as the record dialogs reach it.
RecordTableAccess mainTableAccess(Globalnye_peremennye_slovarya& g, TMainForm& mainForm);

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
class TForma_vstavit : public RecordInsertDialog {
    Q_OBJECT
public:
    TForma_vstavit(Globalnye_peremennye_slovarya& g, TMainForm& mainForm);

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
class TForma_udalit_zapis : public RecordDeleteDialog {
    Q_OBJECT
public:
    TForma_udalit_zapis(Globalnye_peremennye_slovarya& g, QWidget* parent);
};

} // namespace telvo
