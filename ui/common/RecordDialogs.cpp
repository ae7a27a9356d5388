#include "ui/common/RecordDialogs.h"

#include "store/TextRules.h"
#include "ui/common/ButtonKeys.h"
#include "ui/common/Dialogs.h"
#include "ui/common/FlagIndicator.h"
#include "ui/common/Fonts.h"
#include "ui/common/OneLineFields.h"

#include <QCalendarWidget>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace telvo {

QLabel* dialogLabel(QWidget* parent, const QString& text, QRect at) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(at);
    return l;
}

QPushButton* closeButton(QDialog* dialog, QRect at) {
    QPushButton* b = makeButton(dialog, "Кнопка_закрыть", QStringLiteral("Закрыть"), at);
    QObject::connect(b, &QPushButton::clicked, dialog, &QDialog::reject);
    return b;
}

void fixDialogFrame(QDialog* dialog, const char* className, const QString& title, QSize client) {
    dialog->setObjectName(QString::fromUtf8(className));
    dialog->setWindowTitle(title);
    dialog->setFont(tahomaFont(8));
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    dialog->setFixedSize(client);
}

// ---- Add, insert, edit ------------------------------------------------------------------------

RecordTextsDialog::RecordTextsDialog(Globalnye_peremennye_slovarya& g, RecordTableAccess table,
                                     QWidget* parent, RecordTextsLook look,
                                     const RecordTextsDialogSpec& spec)
    : QDialog(parent), g_(g), table_(std::move(table)), look_(std::move(look)) {
    const QSize client = spec.client;
    fixDialogFrame(this, spec.className, spec.title, client);
    const int fieldLeft = look_.labelWidth + 16;
    int top = spec.fieldsTop;
    for (const RecordTextField& f : look_.fields) {
        QLabel* l = dialogLabel(this, QString::fromUtf8(f.label),
                                QRect(12, top, look_.labelWidth, f.height));
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromUtf8(f.name));
        edit->setFont(f.font);
        edit->setMaxLength(f.maxLength);
        edit->setGeometry(fieldLeft, top, client.width() - fieldLeft - look_.rightMargin, f.height);
        blankControlCharacters(edit);
        l->setBuddy(edit);
        fields.push_back(edit);
        top += f.height + 9;
    }

    flagPicture = new FlagIndicator(250, this);
    flagPicture->setObjectName(QString::fromUtf8(look_.flagName));
    flagPicture->setGeometry(look_.flagTopRight ? QRect(client.width() - 44, spec.fieldsTop, 32, 32)
                                                : QRect(12, client.height() - 44, 32, 32));

    const int h = look_.buttonHeight;
    const int y = client.height() - 12 - h;
    defaultButton = makeButton(this, spec.buttonName, spec.buttonText,
                               QRect(client.width() - 12 - 100 - 8 - 100, y, 100, h));
    defaultButton->setDefault(true);
    Knopka_zakryt = closeButton(this, QRect(client.width() - 12 - 100, y, 100, h));
    connect(defaultButton, &QPushButton::clicked, this, [this] { store(); });
    enterPressesFocusedButton(this);
}

void RecordTextsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (look_.centreOnShow)
        centreOnOwner(this);
}

RecordFields RecordTextsDialog::normalisedTexts() const {
    // However a control character got into a field, it counts as a blank.
    auto normalised = [this](size_t i) {
        return normalizeField(controlsToBlanks(fields[i]->text()));
    };
    RecordFields texts;
    texts.text = normalised(0);
    if (fields.size() > 2)
        texts.transcription = normalised(1);
    texts.translation = normalised(fields.size() - 1);
    return texts;
}

void RecordTextsDialog::showTexts(const RecordFields& texts) {
    fields.front()->setText(texts.text);
    if (fields.size() > 2)
        fields[1]->setText(texts.transcription);
    fields.back()->setText(texts.translation);
}

void RecordTextsDialog::clearTexts() {
    for (QLineEdit* field : fields)
        field->clear();
}

bool RecordTextsDialog::refused(const RecordFields& texts, const QString& emptyText,
                                const QString& duplicateQuestion) {
    if (texts.text.isEmpty()) {
        table_.say(emptyText);
        textField()->setFocus();
        return true;
    }
    // Before the duplicate check, which compares what storing would write: "日本" and "中国"
    // would both be "??".
    std::vector<const QString*> values{&texts.text};
    if (fields.size() > 2)
        values.push_back(&texts.transcription);
    values.push_back(&texts.translation);
    for (size_t i = 0; i < values.size(); ++i) {
        const QString refusal =
            unstorableCharactersRefusal(QString::fromUtf8(look_.fields[i].refusalName), *values[i]);
        if (!refusal.isEmpty()) {
            table_.say(refusal);
            fields[i]->setFocus();
            return true;
        }
    }
    if (look_.isDuplicate(texts.text)) {
        if (table_.ask(duplicateQuestion)) {
            table_.selectText(texts.text);
            reject();
        } else {
            textField()->setFocus();
        }
        return true;
    }
    return false;
}

// ---- Insert ---------------------------------------------------------------------------------

RecordInsertDialog::RecordInsertDialog(Globalnye_peremennye_slovarya& g, RecordTableAccess table,
                                       QWidget* parent, RecordTextsLook look,
                                       const RecordTextsDialogSpec& spec,
                                       const InsertChoiceSpec& choice)
    : RecordTextsDialog(g, std::move(table), parent, std::move(look), spec),
      current_(choice.current) {
    Nadpis_nomer_vybrannogo_slova = dialogLabel(this, {}, choice.numberArea);
    Nadpis_nomer_vybrannogo_slova->setObjectName(QStringLiteral("Надпись_номер_выбранного_слова"));
    if (choice.numberBold)
        Nadpis_nomer_vybrannogo_slova->setFont(tahomaFont(8, true));
    auto* group = new QGroupBox(QStringLiteral("Выбор позиции вставки"), this);
    group->setObjectName(QStringLiteral("Выбор_позиции_вставки"));
    group->setGeometry(choice.groupArea);
    auto* column = new QVBoxLayout(group);
    if (choice.compactGroup) {
        column->setContentsMargins(10, 4, 10, 4);
        column->setSpacing(2);
    }
    after = new QRadioButton(choice.afterText, group);
    before = new QRadioButton(choice.beforeText, group);
    column->addWidget(after);
    column->addWidget(before);
    for (QRadioButton* b : {after, before})
        connect(b, &QRadioButton::clicked, this,
                [this] { textField()->setFocus(Qt::OtherFocusReason); });
}

bool RecordInsertDialog::insertsAfter() const {
    return !before->isChecked();
}

void RecordInsertDialog::showEvent(QShowEvent* event) {
    RecordTextsDialog::showEvent(event);
    Nadpis_nomer_vybrannogo_slova->setText(
        QStringLiteral("Номер слова за/перед которым вставка: %1").arg(g_.*current_));
    after->setChecked(true);
    clearTexts();
    textField()->setFocus(Qt::OtherFocusReason);
}

// ---- Delete -----------------------------------------------------------------------------------

RecordDeleteDialog::RecordDeleteDialog(QWidget* parent, RecordDeleteSpec spec)
    : QDialog(parent), spec_(std::move(spec)) {
    const QSize client(537, 101);
    fixDialogFrame(this, spec_.className, spec_.title, client);
    auto* picture = new QLabel(this);
    picture->setGeometry(QRect(spec_.pictureAt, QSize(64, 64)));
    const QPixmap pixmap(QStringLiteral(":/images/delete.png"));
    picture->setPixmap(spec_.scalePicture
                           ? pixmap.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                           : pixmap);
    numberLabel = dialogLabel(this, {}, spec_.labelArea);
    numberLabel->setObjectName(QString::fromUtf8(spec_.labelName));
    numberLabel->setFont(tahomaFont(spec_.labelPoints, true));

    const QSize b = spec_.buttonSize;
    const int y = client.height() - 12 - b.height();
    Knopka_da =
        makeButton(this, "Кнопка_да", QStringLiteral("Да"),
                   QRect(QPoint(client.width() - 12 - 2 * b.width() - spec_.buttonGap, y), b));
    Knopka_net = makeButton(this, "Кнопка_нет", QStringLiteral("Нет"),
                            QRect(QPoint(client.width() - 12 - b.width(), y), b));
    connect(Knopka_da, &QPushButton::clicked, this, [this] {
        spec_.remove();
        accept();
    });
    connect(Knopka_net, &QPushButton::clicked, this, &QDialog::reject);
    enterPressesFocusedButton(this);
}

void RecordDeleteDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (spec_.centreOnShow)
        centreOnOwner(this);
    if (spec_.onShow)
        spec_.onShow();
    numberLabel->setText(spec_.numberText + QString::number(spec_.number()));
    Knopka_net->setFocus(Qt::OtherFocusReason);
}

// ---- Go to a number ---------------------------------------------------------------------------

GoToNumberDialog::GoToNumberDialog(RecordTableAccess table, QWidget* parent, GoToNumberSpec spec)
    : QDialog(parent), table_(std::move(table)), spec_(std::move(spec)) {
    fixDialogFrame(this, spec_.className, spec_.title, spec_.client);
    dialogLabel(this, spec_.label, spec_.labelArea);
    Polee_vvoda_nomera = digitsField(this, "Полее_ввода_номера", 4);
    Polee_vvoda_nomera->setGeometry(spec_.fieldArea);
    Knopka_pereyti =
        makeButton(this, "Кнопка_перейти", QStringLiteral("Перейти к номеру"), spec_.goArea);
    Knopka_pereyti->setDefault(true);
    Knopka_zakryt = closeButton(this, spec_.closeArea);
    connect(Knopka_pereyti, &QPushButton::clicked, this, [this] { go(); });
    Polee_vvoda_nomera->setFocus();
    enterPressesFocusedButton(this);
}

void GoToNumberDialog::go() {
    const GoToResult result = spec_.lookUp(Polee_vvoda_nomera->text());
    switch (result.status) {
    case GoToStatus::Found:
        table_.selectRow(result.row);
        accept();
        return;
    case GoToStatus::NoForgotten:
        table_.say(result.message);
        reject();
        return;
    case GoToStatus::EmptyField:
    case GoToStatus::OutOfLimits:
    case GoToStatus::NotInView:
        table_.say(result.message);
        Polee_vvoda_nomera->setFocus(Qt::OtherFocusReason);
        return;
    }
}

// ---- Marking by numbers -----------------------------------------------------------------------

NumberMarkingDialog::NumberMarkingDialog(RecordTableAccess table, QWidget* parent,
                                         NumberMarkingSpec spec)
    : QDialog(parent), table_(std::move(table)), spec_(std::move(spec)) {
    fixDialogFrame(this, spec_.className, spec_.title, spec_.client);
    dialogLabel(this, QStringLiteral("Начальный номер:"), spec_.startLabel);
    Pole_vvoda_zrachenie_nachalnogo_nomera =
        digitsField(this, "Поле_ввода_зрачение_начального_номера", 4);
    Pole_vvoda_zrachenie_nachalnogo_nomera->setGeometry(spec_.startField);
    dialogLabel(this, QStringLiteral("Конечный номер:"), spec_.endLabel);
    Pole_vvoda_znachenie_konechnogo_nomera =
        digitsField(this, "Поле_ввода_значение_конечного_номера", 4);
    Pole_vvoda_znachenie_konechnogo_nomera->setGeometry(spec_.endField);
    Knopka_otmetit =
        makeButton(this, "Кнопка_отметить", QStringLiteral("Отметить"), spec_.markArea);
    Knopka_otmetit->setDefault(true);
    Knopka_zakryt = closeButton(this, spec_.closeArea);
    connect(Knopka_otmetit, &QPushButton::clicked, this, [this] { mark(); });
    Pole_vvoda_zrachenie_nachalnogo_nomera->setFocus();
    enterPressesFocusedButton(this);
}

void NumberMarkingDialog::mark() {
    const NumberRangeCheck check = spec_.check(Pole_vvoda_zrachenie_nachalnogo_nomera->text(),
                                               Pole_vvoda_znachenie_konechnogo_nomera->text());
    if (!check.ok) {
        table_.sayError(check.error);
        (check.focusStart ? Pole_vvoda_zrachenie_nachalnogo_nomera
                          : Pole_vvoda_znachenie_konechnogo_nomera)
            ->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (table_.ask(QString::fromUtf8(kMarkByNumbersQuestion))) {
        spec_.mark(check.first, check.last);
        table_.rebuild();
    }
    accept();
}

// ---- Marking by date --------------------------------------------------------------------------

DateMarkingDialog::DateMarkingDialog(RecordTableAccess table, QWidget* parent, DateMarkingSpec spec)
    : QDialog(parent), table_(std::move(table)), spec_(std::move(spec)) {
    fixDialogFrame(this, spec_.className, spec_.title, QSize(594, 228));
    Kalendar = new QCalendarWidget(this);
    Kalendar->setObjectName(QStringLiteral("Календарь"));
    Kalendar->setGeometry(spec_.calendarArea);
    if (spec_.russianCalendar) {
        Kalendar->setLocale(QLocale(QLocale::Russian, QLocale::Russia));
        Kalendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    }
    Kalendar->setSelectedDate(QDate::currentDate());
    Nadpis_vybrannaya_data = dialogLabel(this, {}, spec_.dateLabelArea);
    Nadpis_vybrannaya_data->setObjectName(QStringLiteral("Надпись_выбранная_дата"));
    markButton = makeButton(this, spec_.markName, spec_.markText, spec_.markArea);
    markButton->setDefault(true);
    Knopka_zakryt = closeButton(this, spec_.closeArea);
    connect(Kalendar, &QCalendarWidget::selectionChanged, this, &DateMarkingDialog::showDate);
    connect(markButton, &QPushButton::clicked, this, &DateMarkingDialog::mark);
    // The calendar takes Enter itself; it presses the default button all the same.
    connect(Kalendar, &QCalendarWidget::activated, markButton, &QPushButton::click);
    showDate();
    Kalendar->setFocus();
    enterPressesFocusedButton(this);
}

void DateMarkingDialog::showDate() {
    const QDate date = Kalendar->selectedDate();
    QString text;
    if (date.isValid())
        text = QStringLiteral("Выбранная дата: ") +
               (spec_.dateFormat.isEmpty() ? QLocale().toString(date, QLocale::ShortFormat)
                                           : date.toString(spec_.dateFormat));
    Nadpis_vybrannaya_data->setText(text);
    markButton->setEnabled(date.isValid());
}

void DateMarkingDialog::mark() {
    const int32_t forgotten = spec_.forgottenNow();
    const bool removeOld = forgotten > 0 && table_.ask(spec_.question.arg(forgotten));
    const int32_t count = spec_.mark(Kalendar->selectedDate(), removeOld);
    if (count > 0) {
        table_.rebuild();
        table_.selectTopRow(1);
    } else if (removeOld) {
        table_.rebuild();
    }
    table_.say(spec_.message(count));
}

} // namespace telvo
