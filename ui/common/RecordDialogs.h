#pragma once

#include "app/core/Globals.h"
#include "store/Forgotten.h"
#include "store/Records.h"
#include "store/Search.h"

#include <QDialog>
#include <QFont>
#include <QRect>
#include <functional>
#include <vector>

class QCalendarWidget;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace telvo {

class FlagIndicator;

// What a window with a record table offers the dialogs that change its records, without its
// class: the main window and the idioms window alike.
struct RecordTableAccess {
    std::function<void(int row)> selectRow;    // select, redraw, show in the label
    std::function<void()> rebuild;             // table and status panes
    std::function<void(int row)> selectTopRow; // select and make it the top visible row
    // The row of a record with this text selected (after "Да" to the duplicate question); says
    // so when there is none in the view.
    std::function<void(const QString& text)> selectText;
    // The program's message windows: a message, an error, a question answered "Да" or not.
    std::function<void(const QString& text)> say;
    std::function<void(const QString& text)> sayError;
    std::function<bool(const QString& text)> ask;
};

// Fixed dialog border of the given client size, Tahoma 8 pt, the class name as objectName.
void fixDialogFrame(QDialog* dialog, const char* className, const QString& title, QSize client);
// A label of a dialog without layout.
QLabel* dialogLabel(QWidget* parent, const QString& text, QRect at);
// "Закрыть", which closes the dialog without doing anything.
QPushButton* closeButton(QDialog* dialog, QRect at);

// One text field of the add, insert and edit dialogs.
struct RecordTextField {
    const char* name;
    const char* label;
    int maxLength;
    QFont font;
    int height;
    // Starts the refusal of characters the files cannot store ("Поле с переводом").
    const char* refusalName;
};

// How a kind of record lays its add, insert and edit dialogs out, and how it finds duplicates.
struct RecordTextsLook {
    // The text first, the translation last; a transcription between them where there is one.
    std::vector<RecordTextField> fields;
    int labelWidth;
    int rightMargin; // between the fields and the client area's right edge
    bool flagTopRight;
    const char* flagName;
    int buttonHeight;
    bool centreOnShow;
    // True when the (normalised) text is already stored under the dialog's mode.
    std::function<bool(const QString& text)> isDuplicate;
};

// What one of the add, insert and edit dialogs is.
struct RecordTextsDialogSpec {
    const char* className;
    QString title;
    QSize client;
    int fieldsTop;
    QString buttonText;
    const char* buttonName;
};

// The add, insert and edit dialogs: the text fields with their labels and maxima, the layout
// flag, the storing button (default) and "Закрыть". Esc closes without storing.
class RecordTextsDialog : public QDialog {
    Q_OBJECT
public:
    std::vector<QLineEdit*> fields;
    QPushButton* defaultButton = nullptr;
    QPushButton* Knopka_zakryt = nullptr;
    FlagIndicator* flagPicture = nullptr;

protected:
    RecordTextsDialog(Globalnye_peremennye_slovarya& g, RecordTableAccess table, QWidget* parent,
                      RecordTextsLook look, const RecordTextsDialogSpec& spec);

    QLineEdit* textField() const { return fields.front(); }
    // The fields normalised (control characters blanked, blanks collapsed, trimmed): text,
    // transcription where there is one, translation.
    RecordFields normalisedTexts() const;
    void showTexts(const RecordFields& texts);
    void clearTexts();
    // Refuses an empty text with `emptyText`, characters that cannot be stored, and a duplicate
    // with `duplicateQuestion` (on "Да" the existing record is selected and the dialog closes).
    // True when nothing may be stored.
    bool refused(const RecordFields& texts, const QString& emptyText,
                 const QString& duplicateQuestion);

    void showEvent(QShowEvent* event) override;
    virtual void store() = 0;

    Globalnye_peremennye_slovarya& g_;
    RecordTableAccess table_;
    RecordTextsLook look_;
};

// Where the insert dialog shows the current record number and the choice "за"/"перед".
struct InsertChoiceSpec {
    QRect numberArea;
    bool numberBold;
    QRect groupArea;
    bool compactGroup; // tighter margins and spacing inside the group
    QString afterText;
    QString beforeText;
    int32_t Globalnye_peremennye_slovarya::*current;
};

// The insert dialog: the texts dialog with the record number and the choice of the side.
class RecordInsertDialog : public RecordTextsDialog {
    Q_OBJECT
public:
    // "за" (the default) rather than "перед".
    bool insertsAfter() const;

    QLabel* Nadpis_nomer_vybrannogo_slova = nullptr;
    QRadioButton* after = nullptr;
    QRadioButton* before = nullptr;

protected:
    RecordInsertDialog(Globalnye_peremennye_slovarya& g, RecordTableAccess table, QWidget* parent,
                       RecordTextsLook look, const RecordTextsDialogSpec& spec,
                       const InsertChoiceSpec& choice);
    // Shows the number, chooses "за", empties the fields.
    void showEvent(QShowEvent* event) override;
    // 0-based place of the new record for the current record `n`.
    int32_t insertPlace(int32_t n) const { return insertsAfter() ? n - 1 : n; }

private:
    int32_t Globalnye_peremennye_slovarya::*current_;
};

// The confirmation that deletes the current record.
struct RecordDeleteSpec {
    const char* className;
    QString title;
    QPoint pictureAt;
    bool scalePicture;
    const char* labelName;
    int labelPoints;
    QRect labelArea;
    QSize buttonSize;
    int buttonGap;
    QString numberText; // followed by the record number
    bool centreOnShow;
    std::function<int32_t()> number;
    std::function<void()> onShow; // before the number is shown
    std::function<void()> remove; // on "Да"
};

class RecordDeleteDialog : public QDialog {
    Q_OBJECT
public:
    RecordDeleteDialog(QWidget* parent, RecordDeleteSpec spec);

    QLabel* numberLabel = nullptr;
    QPushButton* Knopka_da = nullptr;
    QPushButton* Knopka_net = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    RecordDeleteSpec spec_;
};

// The go-to dialog: selects the row of the typed record number.
struct GoToNumberSpec {
    const char* className;
    QString title;
    QSize client;
    QString label;
    QRect labelArea;
    QRect fieldArea;
    QRect goArea;
    QRect closeArea;
    std::function<GoToResult(const QString& typed)> lookUp;
};

class GoToNumberDialog : public QDialog {
    Q_OBJECT
public:
    GoToNumberDialog(RecordTableAccess table, QWidget* parent, GoToNumberSpec spec);

    QLineEdit* Polee_vvoda_nomera = nullptr;
    QPushButton* Knopka_pereyti = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

private:
    void go();

    RecordTableAccess table_;
    GoToNumberSpec spec_;
};

// Marks the records between two numbers as forgotten, all others as not forgotten.
struct NumberMarkingSpec {
    const char* className;
    QString title;
    QSize client;
    QRect startLabel;
    QRect startField;
    QRect endLabel;
    QRect endField;
    QRect markArea;
    QRect closeArea;
    std::function<NumberRangeCheck(const QString& start, const QString& end)> check;
    std::function<void(int32_t first, int32_t last)> mark;
};

class NumberMarkingDialog : public QDialog {
    Q_OBJECT
public:
    NumberMarkingDialog(RecordTableAccess table, QWidget* parent, NumberMarkingSpec spec);

    QLineEdit* Pole_vvoda_zrachenie_nachalnogo_nomera = nullptr;
    QLineEdit* Pole_vvoda_znachenie_konechnogo_nomera = nullptr;
    QPushButton* Knopka_otmetit = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

private:
    void mark();

    RecordTableAccess table_;
    NumberMarkingSpec spec_;
};

// Marks the records added on a chosen day as forgotten; stays open for another day.
struct DateMarkingSpec {
    const char* className;
    QString title;
    QRect calendarArea;
    bool russianCalendar; // month and day names in Russian whatever the locale, no week numbers
    QRect dateLabelArea;
    QString dateFormat; // empty: the locale's short format
    const char* markName;
    QString markText;
    QRect markArea;
    QRect closeArea;
    QString question; // %1: the records forgotten now
    std::function<int32_t()> forgottenNow;
    std::function<int32_t(QDate date, bool removeOld)> mark;
    std::function<QString(int32_t marked)> message;
};

class DateMarkingDialog : public QDialog {
    Q_OBJECT
public:
    DateMarkingDialog(RecordTableAccess table, QWidget* parent, DateMarkingSpec spec);

    QCalendarWidget* Kalendar = nullptr;
    QLabel* Nadpis_vybrannaya_data = nullptr;
    QPushButton* markButton = nullptr;
    QPushButton* Knopka_zakryt = nullptr;

private:
    void showDate();
    void mark();

    RecordTableAccess table_;
    DateMarkingSpec spec_;
};

// The question of both marking-by-numbers dialogs.
inline constexpr const char* kMarkByNumbersQuestion =
    "Вы действительно хотите отметить все слова забытыми от начального до конечного номера? Все "
    "отметки слов не входящих в диапазон будут утрачены!";

} // namespace telvo
