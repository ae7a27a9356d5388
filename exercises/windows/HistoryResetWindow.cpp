#include "exercises/windows/HistoryResetWindow.h"

#include "app/windows/Messages.h"
#include "ui/common/ButtonKeys.h"
#include "ui/common/Dialogs.h"
#include "ui/common/Fonts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace telvo {

namespace {

struct BoxDef {
    const char* name;
    const char* text;
};

// In the order of histories().
constexpr BoxDef kBoxes[kHistoryCount] = {
    {"Включатель_английские_слова", "Английские слова"},
    {"Включатель_русские_слова", "Русские слова"},
    {"Включатель_переводы_с_английского", "Переводы с английского"},
    {"Включатель_переводы_с_русского", "Переводы с русского"},
    {"Включатель_сопоставление_пар", "Сопоставление пар"},
};

} // namespace

TForma_obnulenie_istoriy::TForma_obnulenie_istoriy(Globalnye_peremennye_slovarya& g,
                                                   QWidget* parent)
    : QDialog(parent), g_(g) {
    setObjectName(QStringLiteral("TForma_obnulenie_istoriy"));
    setWindowTitle(QStringLiteral("Обнуление историй выполнения упражнений"));
    setFixedSize(537, 215);
    setFont(tahomaFont(8));

    auto* group = new QGroupBox(QStringLiteral("Список историй выполнения упражнений"), this);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->setSpacing(2);
    for (int i = 0; i < kHistoryCount; ++i) {
        boxes[size_t(i)] = new QCheckBox(QString::fromUtf8(kBoxes[i].text), group);
        boxes[size_t(i)]->setObjectName(QString::fromUtf8(kBoxes[i].name));
        groupLayout->addWidget(boxes[size_t(i)]);
    }

    Knopka_otmetit_vse =
        makeButton(this, "Кнопка_отметить_все", QStringLiteral("Отметить все истории"));
    Knopka_obnulit_otmechennye_istorii =
        makeButton(this, "Кнопка_обнулить_отмеченные_истории",
                   QStringLiteral("Обнулить отмеченные истории упражнений"));
    Knopka_zakryt = makeButton(this, "Кнопка_закрыть", QStringLiteral("Закрыть"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Knopka_otmetit_vse);
    buttons->addWidget(Knopka_obnulit_otmechennye_istorii);
    buttons->addStretch(1);
    buttons->addWidget(Knopka_zakryt);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 10);
    layout->addWidget(group, 1);
    layout->addLayout(buttons);

    connect(Knopka_otmetit_vse, &QPushButton::clicked, this, [this] {
        for (QCheckBox* box : boxes)
            box->setChecked(true);
    });
    connect(Knopka_obnulit_otmechennye_istorii, &QPushButton::clicked, this,
            &TForma_obnulenie_istoriy::onReset);
    connect(Knopka_zakryt, &QPushButton::clicked, this, &QDialog::reject);
    enterPressesFocusedButton(this);
}

HistorySelection TForma_obnulenie_istoriy::selection() const {
    HistorySelection s{};
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = boxes[i]->isChecked();
    return s;
}

void TForma_obnulenie_istoriy::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Obnulenie_podtverzhdeno = false;
    for (QCheckBox* box : boxes)
        box->setChecked(false);
    Knopka_zakryt->setFocus(Qt::OtherFocusReason);
}

void TForma_obnulenie_istoriy::onReset() {
    const HistorySelection s = selection();
    bool any = false;
    for (bool ticked : s)
        any = any || ticked;
    if (!any) {
        showError(g_, QStringLiteral("Не отмечено ни одной истории."));
        Knopka_zakryt->setFocus(Qt::OtherFocusReason);
        return;
    }
    Obnulenie_podtverzhdeno = true;
    accept();
}

} // namespace telvo
