#include "exercises/windows/RecognitionWindows.h"

#include "app/windows/Messages.h"
#include "app/windows/Okna.h"
#include "app/windows/TextFit.h"
#include "exercises/windows/ExerciseRunner.h"
#include "ui/common/ButtonKeys.h"
#include "ui/common/Dialogs.h"
#include "ui/common/Fonts.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace telvo {

namespace {

QFont boldPixels(int pixels) {
    QFont font = tahomaFont(8, true);
    font.setPixelSize(pixels);
    return font;
}

StatusPane paneOf(RecognitionKind kind) {
    return kind == RecognitionKind::English ? StatusPane::RemainderEnglish
                                            : StatusPane::RemainderRussian;
}

// Both recognition windows are laid out alike; only the word label's name and font differ.
struct WindowDef {
    const char* className;
    const char* wordLabel;
    int wordPixels;
};

WindowDef windowDef(RecognitionKind kind) {
    if (kind == RecognitionKind::English)
        return {"TForma_okno_pokaza_slova", "Надпись_случайное_английское_слово", 27};
    return {"TForma_okno_pokaza_russkogo_slova", "Надпись_случайное_русское_слово", 21};
}

} // namespace

// ---- Hint windows ---------------------------------------------------------------------------

HintWindow::HintWindow(const char* name, QSize clientSize, QWidget* parent)
    : QDialog(parent), base_(clientSize) {
    setObjectName(QString::fromUtf8(name));
    setWindowTitle(QStringLiteral("Подсказка"));
    setFixedSize(clientSize);
    setFont(tahomaFont(8));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);

    Nadpis_soderzhanie_podskazki = new QLabel(this);
    Nadpis_soderzhanie_podskazki->setObjectName(QStringLiteral("Надпись_содержание_подсказки"));
    Nadpis_soderzhanie_podskazki->setFont(boldPixels(27));
    Nadpis_soderzhanie_podskazki->setAlignment(Qt::AlignCenter);
    Nadpis_soderzhanie_podskazki->setWordWrap(true);
    Knopka_zakryt = makeButton(this, "Кнопка_закрыть", QStringLiteral("Закрыть"));
    Knopka_zakryt->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Knopka_zakryt);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 4, 10, 6);
    layout->setSpacing(2);
    layout->addWidget(Nadpis_soderzhanie_podskazki, 1);
    layout->addLayout(buttons);

    connect(Knopka_zakryt, &QPushButton::clicked, this, &QDialog::accept);
}

void HintWindow::setHint(const QString& text) {
    Nadpis_soderzhanie_podskazki->setText(text);
    // A long text takes more lines and the window grows down to show them.
    fitWindowHeight(this, base_);
}

TForma_podskazka_dlya_angliyskogo_slova::TForma_podskazka_dlya_angliyskogo_slova(QWidget* parent)
    : HintWindow("TForma_podskazka_dlya_angliyskogo_slova", QSize(742, 76), parent) {}

TForma_podskazka_dlya_russkogo_slova::TForma_podskazka_dlya_russkogo_slova(QWidget* parent)
    : HintWindow("TForma_podskazka_dlya_russkogo_slova", QSize(752, 86), parent) {}

// ---- Recognition windows --------------------------------------------------------------------

RecognitionWindow::RecognitionWindow(Globalnye_peremennye_slovarya& g, RecognitionKind kind,
                                     QWidget* parent)
    : QDialog(parent), g_(g), kind_(kind), exercise_(g, kind) {
    const WindowDef def = windowDef(kind);
    setObjectName(QString::fromUtf8(def.className));
    setFixedSize(814, 112);
    setFont(tahomaFont(8));
    if (kind == RecognitionKind::Russian)
        setWindowTitle(QStringLiteral("Вспомнить перевод"));

    Nadpis_sluchaynoe_slovo = new QLabel(this);
    Nadpis_sluchaynoe_slovo->setObjectName(QString::fromUtf8(def.wordLabel));
    Nadpis_sluchaynoe_slovo->setFont(boldPixels(def.wordPixels));
    Nadpis_sluchaynoe_slovo->setAlignment(Qt::AlignCenter);
    Nadpis_sluchaynoe_slovo->setWordWrap(true);
    Nadpis_sluchaynoe_slovo->installEventFilter(this);

    Nadpis_ostatok_slov = new QLabel(this);
    Nadpis_ostatok_slov->setObjectName(QStringLiteral("Надпись_остаток_слов"));
    Knopka_pomnyu = makeButton(this, "Кнопка_помню", QStringLiteral("Помню, дальше"));
    Knopka_pomnyu->setDefault(true);
    Knopka_zabyl = makeButton(this, "Кнопка_забыл", QStringLiteral("Забыл (F5)"));
    Knopka_ostanovit_pokaz =
        makeButton(this, "Кнопка_остановить_показ", QStringLiteral("Остановить показ"));
    Pereklyuchatel_sleduyushchiy_raz_ne_pokazyvat =
        new QCheckBox(QStringLiteral("Следующий раз не показывать"), this);
    Pereklyuchatel_sleduyushchiy_raz_ne_pokazyvat->setObjectName(
        QStringLiteral("Переключатель_следующий_раз_не_показывать"));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Pereklyuchatel_sleduyushchiy_raz_ne_pokazyvat);
    bottom->addSpacing(12);
    bottom->addWidget(Nadpis_ostatok_slov);
    bottom->addStretch(1);
    bottom->addWidget(Knopka_pomnyu);
    bottom->addWidget(Knopka_zabyl);
    bottom->addWidget(Knopka_ostanovit_pokaz);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 8);
    layout->addWidget(Nadpis_sluchaynoe_slovo, 1);
    layout->addLayout(bottom);

    connect(Knopka_pomnyu, &QPushButton::clicked, this, &RecognitionWindow::onRemember);
    connect(Knopka_zabyl, &QPushButton::clicked, this, &RecognitionWindow::onForgot);
    connect(Knopka_ostanovit_pokaz, &QPushButton::clicked, this, &QDialog::reject);
    connect(Pereklyuchatel_sleduyushchiy_raz_ne_pokazyvat, &QCheckBox::toggled, this,
            &RecognitionWindow::onBoxToggled);
    enterPressesFocusedButton(this);
}

TForma_okno_pokaza_slova::TForma_okno_pokaza_slova(Globalnye_peremennye_slovarya& g,
                                                   QWidget* parent)
    : RecognitionWindow(g, RecognitionKind::English, parent) {}

TForma_okno_pokaza_russkogo_slova::TForma_okno_pokaza_russkogo_slova(
    Globalnye_peremennye_slovarya& g, QWidget* parent)
    : RecognitionWindow(g, RecognitionKind::Russian, parent) {}

void RecognitionWindow::setBoxQuietly(bool checked) {
    const bool allowed = boxActionAllowed_;
    boxActionAllowed_ = false;
    Pereklyuchatel_sleduyushchiy_raz_ne_pokazyvat->setChecked(checked);
    boxActionAllowed_ = allowed;
}

void RecognitionWindow::Opredelit_ostatok_slov() {
    Nadpis_ostatok_slov->setText(exercise_.windowRemainderText());
    setMainPane(g_, paneOf(kind_), exercise_.paneText());
}

void RecognitionWindow::showCurrent() {
    Nadpis_sluchaynoe_slovo->setText(exercise_.shownWord());
    Nadpis_sluchaynoe_slovo->setToolTip(exercise_.wordLabelHint());
    setWindowTitle(exercise_.caption());
    fitWindowHeight(this, QSize(814, 112));
}

void RecognitionWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const bool enabled = exercise_.forgetEnabled();
    Knopka_zabyl->setEnabled(enabled);
    Pereklyuchatel_sleduyushchiy_raz_ne_pokazyvat->setEnabled(enabled);
    boxActionAllowed_ = false;
    setBoxQuietly(false);
    boxActionAllowed_ = true;
    Opredelit_ostatok_slov();
    if (!exercise_.onShow()) {
        // Nothing to present: the window closes as soon as it has opened.
        QTimer::singleShot(0, this, &QDialog::reject);
        return;
    }
    showCurrent();
    Knopka_pomnyu->setFocus(Qt::OtherFocusReason);
}

void RecognitionWindow::onRemember() {
    const bool ticked = Pereklyuchatel_sleduyushchiy_raz_ne_pokazyvat->isChecked();
    if (ticked) {
        Knopka_zabyl->setEnabled(true);
        setBoxQuietly(false);
    }
    const RememberOutcome out = exercise_.remember(ticked);
    if (!out.exclusionRefusal.isEmpty())
        showError(g_, out.exclusionRefusal);
    if (out.excluded) {
        if (MainWindow* main = mainWindow(g_)) {
            main->refreshTable();
            main->refreshStatusBar();
        }
    }
    Opredelit_ostatok_slov();
    if (out.passFinished) {
        showMessage(g_, out.finishedText);
        accept();
        return;
    }
    showCurrent();
    Knopka_pomnyu->setFocus(Qt::OtherFocusReason);
}

void RecognitionWindow::onForgot() {
    const ForgotOutcome out = exercise_.forgot();
    if (MainWindow* main = mainWindow(g_)) {
        main->refreshTable();
        main->refreshStatusBar();
    }
    // After the status bar's redraw, so the panes show the count of this pass.
    Opredelit_ostatok_slov();
    setMainPane(g_, StatusPane::Forgotten, out.forgottenPaneText);
    if (MainWindow* main = mainWindow(g_))
        main->selectEnglishWord(out.englishWord);
    accept();
}

void RecognitionWindow::onBoxToggled(bool checked) {
    if (!boxActionAllowed_)
        return;
    Knopka_zabyl->setEnabled(!Knopka_zabyl->isEnabled());
    if (!checked)
        return;
    const QString refusal = exercise_.excludeTickRefusal();
    if (refusal.isEmpty())
        return;
    Knopka_zabyl->setEnabled(!Knopka_zabyl->isEnabled());
    setBoxQuietly(false);
    showError(g_, refusal);
}

HintWindow* RecognitionWindow::hintWindow() {
    if (!g_.okna)
        return nullptr;
    if (kind_ == RecognitionKind::English)
        return g_.okna->Forma_podskazka_dlya_angliyskogo_slova;
    return g_.okna->Forma_podskazka_dlya_russkogo_slova;
}

void RecognitionWindow::showHint() {
    if (HintWindow* hint = hintWindow()) {
        hint->setHint(exercise_.hintText());
        hint->exec();
        return;
    }
    // Without the long-lived hint window (a window used on its own), one made for this showing.
    if (kind_ == RecognitionKind::English) {
        TForma_podskazka_dlya_angliyskogo_slova once(this);
        once.setHint(exercise_.hintText());
        once.exec();
    } else {
        TForma_podskazka_dlya_russkogo_slova once(this);
        once.setHint(exercise_.hintText());
        once.exec();
    }
}

void RecognitionWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_F5:
        // Also while the button is disabled (the forgotten view), as the key always did.
        onForgot();
        return;
    case Qt::Key_F1:
        showHint();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool RecognitionWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Nadpis_sluchaynoe_slovo) {
        const QEvent::Type opens = kind_ == RecognitionKind::English ? QEvent::MouseButtonPress
                                                                     : QEvent::MouseButtonRelease;
        if (event->type() == opens) {
            showHint();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void RecognitionWindow::done(int result) {
    // Every way of closing ends here: the pass so far becomes the history.
    if (isVisible())
        exercise_.save();
    QDialog::done(result);
}

// ---- Starting procedures --------------------------------------------------------------------

namespace {

void runRecognition(Globalnye_peremennye_slovarya& g, RecognitionWindow* window,
                    RecognitionKind kind) {
    if (!window)
        return;
    RecognitionExercise& exercise = window->exercise();
    runRangeExercise(
        g, paneOf(kind), exercise.start(), [&] { return exercise.beginAnew(); },
        [window] { window->exec(); });
}

} // namespace

void Predyavlenie_sluchaynykh_angliyskikh_slov(Globalnye_peremennye_slovarya& g) {
    runRecognition(g, g.okna ? g.okna->Forma_okno_pokaza_slova : nullptr, RecognitionKind::English);
}

void Predyavlenie_sluchaynykh_russkikh_slov(Globalnye_peremennye_slovarya& g) {
    runRecognition(g, g.okna ? g.okna->Forma_okno_pokaza_russkogo_slova : nullptr,
                   RecognitionKind::Russian);
}

} // namespace telvo
